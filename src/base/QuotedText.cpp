// Quoting bad text in messages.
#include "base/QuotedText.h"

namespace rq {

std::string QuotedText(std::string_view text, std::size_t maxChars) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == maxChars) {
            quoted += "...";
            break;
        }
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch == '\t') {
            quoted += "\\t";
        } else if (ch == '\\') {
            quoted += "\\\\";
        } else if (ch < 0x20 || ch >= 0x7F) {
            quoted += {'\\', 'x', kHex[ch >> 4], kHex[ch & 15]};
        } else {
            quoted += static_cast<char>(ch);
        }
    }
    return quoted;
}

}  // namespace rq
