// The game's random generator and its clock seed.
#include "base/Random.h"

#include <charconv>
#include <chrono>
#include <sstream>
#include <vector>

namespace rq {

void Random::Seed(std::uint64_t seed) {
    seed_ = seed;
    engine_.seed(seed);
    script_.clear();
    draws_ = 0;
}

double Random::Rnd() {
    ++draws_;
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

std::string Random::State() const {
    std::ostringstream out;
    out << engine_;
    return out.str();
}

namespace {

// The numbers of an engine's text, or none when anything else is in it.
std::vector<std::uint64_t> StateWords(const std::string& text) {
    std::vector<std::uint64_t> words;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (at < end) {
        if (*at == ' ') {
            ++at;
            continue;
        }
        std::uint64_t word = 0;
        const auto [next, error] = std::from_chars(at, end, word);
        if (error != std::errc{} || (next < end && *next != ' ')) {
            return {};
        }
        words.push_back(word);
        at = next;
    }
    return words;
}

}  // namespace

bool Random::SetState(std::uint64_t seed, const std::string& state, std::uint64_t draws) {
    // The engine's text is its n words, which some libraries follow with the index of the next word.
    const std::vector<std::uint64_t> words = StateWords(state);
    constexpr std::size_t n = std::mt19937_64::state_size;
    const bool withIndex = words.size() == n + 1;
    if (!(words.size() == n || withIndex) || (withIndex && words.back() > n) ||
        words.size() != StateWords(State()).size()) {
        return false;
    }
    std::istringstream in(state);
    std::mt19937_64 engine;
    in >> engine;
    if (in.fail()) {
        return false;
    }
    engine_ = engine;
    seed_ = seed;
    script_.clear();
    draws_ = draws;
    return true;
}

std::uint64_t SeedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace rq
