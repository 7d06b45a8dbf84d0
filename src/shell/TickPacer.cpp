// The game loop's pacing: a measured-time accumulator.
#include "shell/TickPacer.h"

#include <algorithm>

namespace rq {

int TickPacer::TicksDue(std::int64_t nowNanoseconds) {
    owed_ += std::max<std::int64_t>(0, nowNanoseconds - last_);
    last_ = nowNanoseconds;
    const auto due = static_cast<int>(std::min<std::int64_t>(owed_ / kTickNanoseconds, kMaxTicksPerWake));
    owed_ -= due * kTickNanoseconds;
    owed_ = std::min(owed_, kTickNanoseconds - 1);
    return due;
}

std::int64_t TickPacer::NanosecondsUntilDue(std::int64_t nowNanoseconds) const {
    const std::int64_t owed = owed_ + std::max<std::int64_t>(0, nowNanoseconds - last_);
    return std::max<std::int64_t>(0, kTickNanoseconds - owed);
}

}  // namespace rq
