// The opt-in step log: wall and CPU time of each step's start.
#include "app/TickLog.h"

#include <cinttypes>
#include <cstdlib>
#include <ctime>

namespace rq {

namespace {

constexpr int kFlushEvery = 64;  // one second of city ticks

}  // namespace

std::unique_ptr<TickLog> TickLog::FromEnvironment() {
    const char* path = std::getenv(kVariable);
    if (path == nullptr || *path == '\0') {
        return nullptr;
    }
    // "x": a file that is already there is left alone.
    std::FILE* file = std::fopen(path, "wx");
    if (file == nullptr) {
        std::fprintf(stderr, "railquest: %s: cannot create %s (it may exist already)\n", kVariable, path);
        return nullptr;
    }
    std::fputs("# wall_ns cpu_ns phase\n", file);
    return std::unique_ptr<TickLog>(new TickLog(file));
}

TickLog::~TickLog() {
    std::fclose(file_);
}

void TickLog::Note(std::int64_t wallNanoseconds, char phase) {
    const auto cpu = static_cast<std::int64_t>(static_cast<double>(std::clock()) * 1e9 / CLOCKS_PER_SEC);
    std::fprintf(file_, "%" PRId64 " %" PRId64 " %c\n", wallNanoseconds, cpu, phase);
    if (++unflushed_ >= kFlushEvery) {
        std::fflush(file_);
        unflushed_ = 0;
    }
}

}  // namespace rq
