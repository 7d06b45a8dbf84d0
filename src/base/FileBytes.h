// Reading one of the game's files whole, after making sure it is a file of a size the game could use.
#pragma once

#include <cstdint>
#include <string>

namespace rq {

// The bytes of the file at `path` in `bytes`, or false with a one-line fault in `error`:
// "File not found: P", "Not a file: P (a folder)", "File too large: P (N bytes, over the M bytes it
// may have)" or "Could not read P". A file over `maxBytes` is refused before any of it is read.
bool ReadFileBytes(const std::string& path, std::uintmax_t maxBytes, std::string& bytes, std::string& error);

}  // namespace rq
