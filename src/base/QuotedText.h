// Bad text quoted in a one-line message: short, and with no byte that could upset a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rq {

// At most `maxChars` characters of `text` ("..." after them when it goes on), every byte that is not
// printable ASCII written as \xHH (a tab as \t), so the message stays one harmless line.
std::string QuotedText(std::string_view text, std::size_t maxChars = 60);

}  // namespace rq
