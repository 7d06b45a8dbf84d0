// Bad text quoted in a one-line message: short, and with no byte that could upset a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rq {

// At most `maxChars` characters of `text` ("..." after them when it goes on), every byte that is not
// printable ASCII written as \xHH (a tab as \t), so the message stays one harmless line.
std::string QuotedText(std::string_view text, std::size_t maxChars = 60);

// A file's name for a one-line message: as it is when it is printable UTF-8, with each control byte
// (a newline) and each byte that is not UTF-8 written as \xHH (a backslash as \\).
std::string FileNameText(std::string_view name);

}  // namespace rq
