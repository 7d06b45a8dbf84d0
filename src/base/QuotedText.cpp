// Quoting bad text in messages.
#include "base/QuotedText.h"

namespace rq {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// The length of the well-formed UTF-8 sequence of at least two bytes at `text`, or 0.
std::size_t Utf8Length(std::string_view text) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    const std::size_t n =
        lead >= 0xF0 && lead <= 0xF4 ? 4 : (lead >= 0xE0 && lead < 0xF0 ? 3 : (lead >= 0xC2 && lead < 0xE0 ? 2 : 0));
    if (n == 0 || text.size() < n) {
        return 0;
    }
    for (std::size_t i = 1; i < n; ++i) {
        if ((at(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    const unsigned char second = at(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second >= 0x90)) {
        return 0;
    }
    return n;
}

}  // namespace

std::string FileNameText(std::string_view name) {
    std::string shown;
    for (std::size_t i = 0; i < name.size();) {
        const auto ch = static_cast<unsigned char>(name[i]);
        if (const std::size_t n = ch >= 0x80 ? Utf8Length(name.substr(i)) : 0; n > 0) {
            shown.append(name.substr(i, n));
            i += n;
            continue;
        }
        if (ch == '\\') {
            shown += "\\\\";
        } else if (ch < 0x20 || ch >= 0x7F) {
            shown += {'\\', 'x', kHex[ch >> 4], kHex[ch & 15]};
        } else {
            shown += static_cast<char>(ch);
        }
        ++i;
    }
    return shown;
}

std::string QuotedText(std::string_view text, std::size_t maxChars) {
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
