// The command line's arguments as Qt's text and back, byte for byte: a file's name need not be UTF-8.
#pragma once

#include <QString>
#include <string>

namespace rq {

// The argument as text: its UTF-8 decoded, each byte that is not UTF-8 kept as the lone surrogate
// U+DC80..U+DCFF (as Python's "surrogateescape" keeps it), so that ArgumentBytes gives it back.
QString ArgumentText(const std::string& bytes);

// The bytes of an argument read by ArgumentText (any other text: its UTF-8).
std::string ArgumentBytes(const QString& text);

}  // namespace rq
