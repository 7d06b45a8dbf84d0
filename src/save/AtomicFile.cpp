// Whole-file writing and reading for saved games.
#include "save/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace rq {

namespace {

namespace fs = std::filesystem;

std::string Reason(int errorNumber) {
    return errorNumber != 0 ? std::strerror(errorNumber) : "the system gives no reason";
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = "it is a folder";
        return false;
    }
    // Next to the file, so that the rename stays within one file system and is atomic.
    const std::string temporary = path + ".part";
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = Reason(errno);
        return false;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    const int writeErrno = errno;
    out.close();
    if (!out) {
        error = Reason(writeErrno);
        fs::remove(temporary, ec);
        return false;
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        error = ec.message();
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = "it is a folder";
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = Reason(errno);
        return false;
    }
    text.clear();
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > maxBytes) {
            error = "it is larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MB";
            return false;
        }
    }
    if (in.bad()) {
        error = Reason(errno);
        return false;
    }
    return true;
}

}  // namespace rq
