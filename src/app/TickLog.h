// An opt-in log of when each step of the game loop starts, for measuring the window's cost and pacing.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

namespace rq {

// Written only when the environment names a file (RAILQUEST_TICK_LOG=FILE); a game without it never
// makes one. One line a step: the wall time in nanoseconds since the program started, the process's
// CPU time in nanoseconds and the phase ('c' a city tick, 't' a journey step). Flushed once a second
// of ticks, so a run that is killed loses at most its last second.
class TickLog {
public:
    static constexpr const char* kVariable = "RAILQUEST_TICK_LOG";

    // The log the environment asks for, or null. A file that already exists is not overwritten.
    static std::unique_ptr<TickLog> FromEnvironment();

    ~TickLog();
    TickLog(const TickLog&) = delete;
    TickLog& operator=(const TickLog&) = delete;

    void Note(std::int64_t wallNanoseconds, char phase);

private:
    explicit TickLog(std::FILE* file) : file_(file) {}
    std::FILE* file_;
    int unflushed_ = 0;
};

}  // namespace rq
