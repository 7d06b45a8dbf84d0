// Whole-file writing and reading for saved games, with the system's own file calls (POSIX): only they
// can open without blocking and make a temporary file that no one else can have made first.
#include "save/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace rq {

namespace {

std::string Reason(int errorNumber) {
    if (errorNumber == ELOOP) {
        return "it is a loop of symbolic links";
    }
    return errorNumber != 0 ? std::strerror(errorNumber) : "the system gives no reason";
}

// What a file that is not a regular one is, in words; empty for a regular file.
std::string NotRegular(const struct stat& st) {
    if (S_ISREG(st.st_mode)) {
        return {};
    }
    if (S_ISDIR(st.st_mode)) {
        return "it is a folder";
    }
    const char* what = S_ISFIFO(st.st_mode) ? "a pipe" : (S_ISSOCK(st.st_mode) ? "a socket" : "a device");
    return std::string("it is ") + what + ", not a regular file";
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The mode a new file gets from the user's umask (mkstemp's own is 0600).
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

std::string WriteTargetFault(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        return NotRegular(st);
    }
    if (errno != ENOENT) {
        return Reason(errno);
    }
    const std::string folder = FolderOf(path);
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return "the folder " + folder + " does not exist";
    }
    return {};
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error) {
    error = WriteTargetFault(path);
    if (!error.empty()) {
        return false;
    }
    // A name of its own, made exclusively beside the file, so that the rename stays within one file
    // system and is atomic, and no file or link of that name is followed or overwritten.
    const std::string folder = FolderOf(path);
    const std::size_t slash = path.rfind('/');
    std::string name = folder + "/." + path.substr(slash == std::string::npos ? 0 : slash + 1) + ".XXXXXX";
    std::vector<char> temporary(name.begin(), name.end());
    temporary.push_back('\0');
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = "cannot make a file in " + folder + ": " + Reason(errno);
        return false;
    }
    const bool written = ::fchmod(fd, NewFileMode()) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        error = Reason(written ? errno : writeErrno);
        ::unlink(temporary.data());
        return false;
    }
    if (::rename(temporary.data(), path.c_str()) != 0) {
        error = Reason(errno);
        ::unlink(temporary.data());
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& error) {
    // Anything but a regular file is refused before it is opened: a pipe with no writer would block.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = Reason(errno);
        return false;
    }
    error = NotRegular(st);
    if (!error.empty()) {
        return false;
    }
    // Without blocking all the same: the name may have been given to a pipe since.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = Reason(errno);
        return false;
    }
    const std::string tooLarge = "it is larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MB";
    error = ::fstat(fd, &st) != 0 ? Reason(errno) : NotRegular(st);
    if (error.empty() && static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        error = tooLarge;
    }
    text.clear();
    char buffer[65536];
    while (error.empty()) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = Reason(errno);
        } else if (n == 0) {
            break;
        } else {
            text.append(buffer, static_cast<std::size_t>(n));
            if (text.size() > maxBytes) {
                error = tooLarge;
            }
        }
    }
    ::close(fd);
    return error.empty();
}

}  // namespace rq
