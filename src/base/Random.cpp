// The game's random generator and its clock seed.
#include "base/Random.h"

#include <chrono>

namespace rq {

void Random::Seed(std::uint64_t seed) {
    engine_.seed(seed);
    script_.clear();
}

double Random::Rnd() {
    if (!script_.empty()) {
        const double v = script_.front();
        script_.pop_front();
        return v;
    }
    // 53 random bits give every double in [0, 1) on a 2^-53 grid; never 1.0.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void Random::Script(std::initializer_list<double> values) {
    script_.insert(script_.end(), values.begin(), values.end());
}

std::uint64_t SeedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace rq
