// Writing a file whole or not at all: a temporary file of its own in the same folder, then a rename
// over the old; and reading one whole, refusing anything but a regular file before it is opened.
#pragma once

#include <string>

namespace rq {

// Why `path` cannot be written by WriteFileAtomically, or empty: it is a folder or another file that
// is not a regular one (a pipe, a device), a loop of links, or its folder does not exist.
std::string WriteTargetFault(const std::string& path);

// Writes `text` to `path`. On any failure (see WriteTargetFault; a folder that cannot be written, a
// full disk) the old file stays as it was, no temporary file is left, and `error` says why.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error);

// The whole of a regular file of at most `maxBytes`; false with the reason in `error` otherwise.
bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& error);

}  // namespace rq
