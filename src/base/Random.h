// The game's one random generator: Rnd() in [0, 1), seeded once; tests can script the next draws.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>
#include <string>

namespace rq {

class Random {
public:
    explicit Random(std::uint64_t seed = 1) { Seed(seed); }

    void Seed(std::uint64_t seed);

    // A uniform draw in [0, 1); a scripted value is used first when one is queued.
    double Rnd();

    // Int(Rnd × n): 0 .. n − 1.
    int Below(int n) { return static_cast<int>(Rnd() * n); }
    // A choice among n: Int(Rnd × n) + 1, so 1 .. n.
    int ChooseAmong(int n) { return Below(n) + 1; }
    // An event of probability 1/n: Int(Rnd × n) = 0.
    bool OneIn(int n) { return Below(n) == 0; }

    // Queue values that the next draws return, in order, before the generator takes over again.
    void Script(std::initializer_list<double> values);
    std::size_t ScriptedLeft() const { return script_.size(); }

    // How many draws have been made since the last Seed: where the generator stands.
    std::uint64_t Draws() const { return draws_; }

    // The seed last given, and the engine's exact position as text (numbers separated by spaces), so
    // that a saved game draws on exactly where it stopped, with its count of draws since the seed.
    // SetState takes only a text State wrote: false, and nothing changed, for anything else.
    std::uint64_t SeedGiven() const { return seed_; }
    std::string State() const;
    bool SetState(std::uint64_t seed, const std::string& state, std::uint64_t draws);

private:
    std::mt19937_64 engine_;
    std::uint64_t seed_ = 0;
    std::deque<double> script_;
    std::uint64_t draws_ = 0;
};

// A seed taken from the clock, for a run without --seed.
std::uint64_t SeedFromClock();

}  // namespace rq
