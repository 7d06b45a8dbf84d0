// Writing a file whole or not at all: a temporary file in the same folder, then a rename over the old.
#pragma once

#include <string>

namespace rq {

// Writes `text` to `path`. On any failure (a folder that cannot be written, a full disk, a path that
// is a folder) the old file stays as it was, no temporary file is left, and `error` says why.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error);

// The whole of a file of at most `maxBytes`; false with the reason in `error` otherwise.
bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& error);

}  // namespace rq
