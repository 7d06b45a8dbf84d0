// Arguments kept byte for byte through Qt's text.
#include "app/ArgumentBytes.h"

namespace rq {

namespace {

// The length of the UTF-8 sequence that `lead` starts (0: no byte starts one).
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

QString ArgumentText(const std::string& bytes) {
    QString text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        // The longest run that is UTF-8, then one byte that is not.
        std::size_t end = i;
        while (end < bytes.size()) {
            const std::size_t n = SequenceLength(static_cast<unsigned char>(bytes[end]));
            if (n == 0 || end + n > bytes.size()) {
                break;
            }
            // Qt reads an overlong form or a surrogate as U+FFFD: such a sequence does not come back.
            const QByteArray sequence(bytes.data() + end, static_cast<qsizetype>(n));
            if (QString::fromUtf8(sequence).toUtf8() != sequence) {
                break;
            }
            end += n;
        }
        text += QString::fromUtf8(bytes.data() + i, static_cast<qsizetype>(end - i));
        if (end < bytes.size()) {
            text += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[end])));
            ++end;
        }
        i = end;
    }
    return text;
}

std::string ArgumentBytes(const QString& text) {
    std::string bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const bool pairStart = QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pairStart) {
            ++i;
            continue;
        }
        if (u >= 0xDC80 && u <= 0xDCFF) {
            bytes += text.mid(runStart, i - runStart).toStdString();
            bytes += static_cast<char>(u - 0xDC00);
            runStart = i + 1;
        }
    }
    return bytes + text.mid(runStart).toStdString();
}

}  // namespace rq
