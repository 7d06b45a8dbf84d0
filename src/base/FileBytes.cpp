// Reading a file whole, within a size.
#include "base/FileBytes.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace rq {

bool ReadFileBytes(const std::string& path, std::uintmax_t maxBytes, std::string& bytes, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        error = "File not found: " + path;
        return false;
    }
    if (fs::is_directory(status)) {
        error = "Not a file: " + path + " (a folder)";
        return false;
    }
    auto tooLarge = [&](const std::string& size) {
        error =
            "File too large: " + path + " (" + size + "over the " + std::to_string(maxBytes) + " bytes it may have)";
        return false;
    };
    // A pipe or a device has no size to check first: it is read up to the bound, as a file would be.
    const std::uintmax_t size = fs::is_regular_file(status) ? fs::file_size(path, ec) : 0;
    if (!ec && size > maxBytes) {
        return tooLarge(std::to_string(size) + " bytes, ");
    }
    std::ifstream in(path, std::ios::binary);
    bytes.clear();
    try {
        std::array<char, 1 << 16> chunk{};
        for (std::streamsize got = 0;
             in && (got = in.rdbuf()->sgetn(chunk.data(), static_cast<std::streamsize>(chunk.size()))) > 0;) {
            if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
                return tooLarge("");
            }
            bytes.append(chunk.data(), static_cast<std::size_t>(got));
        }
    } catch (const std::exception&) {
        in.setstate(std::ios::badbit);  // the system's read failed; the standard library says so by throwing
    }
    if (!in) {
        error = "Could not read " + path;
        return false;
    }
    return true;
}

}  // namespace rq
