// A scratch copy of the street the figure sees, played on tick by tick with the game's own street
// rules (the fuzzies' aims, the collision passes, the moves, the crystals), for the autoplayer to
// look ahead. It draws from a generator of its own: it predicts, never foresees, and it never writes
// into the game it was taken from.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "sprite/Sprite.h"
#include "sprite/SpriteEngine.h"

namespace rq {

struct Game;

// Where a walker (the figure or a citizen) stands and goes, and whether it is a fuzzy.
struct Pose {
    bool Shown = false;
    bool Fuzzy = false;
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t VX = 0;
    std::int16_t VY = 0;
    std::int16_t CitizenNo = 0;
    bool operator==(const Pose&) const = default;
};
// The figure and the street's citizens, slots 109 to 134.
using Poses = std::array<Pose, kLastActorSlot - kPlayerSlot + 1>;

// The walkers of the game's street as they stand.
Poses PosesOf(const Game& game);

class StreetCopy {
public:
    StreetCopy();
    ~StreetCopy();
    StreetCopy(const StreetCopy&) = delete;
    StreetCopy& operator=(const StreetCopy&) = delete;

    // Takes what the figure sees now: the sprite table, the city's citizens and their crystals, the
    // clock and the train at the platform.
    void Take(const Game& game);
    // The copy's generator starts from `seed` at each Reset.
    void Seed(std::uint64_t seed);
    // Back to the street as it was taken, the generator too.
    void Reset();
    // One city tick with `keys` held; the number of fuzzies that touched the figure in it.
    int Tick(std::uint16_t keys);

    const SpriteEngine& Sprites() const;
    const Sprite& Figure() const { return Sprites()[kPlayerSlot]; }
    bool FigureFuzzed() const;
    // Ticks the standing train has left before it leaves (0: none stands).
    int TrainTicksLeft() const;
    // Pixels between the figure and the nearest fuzzy (a large number when there is none).
    int FuzzyGap() const;
    // The copy's clock (thirds of a second, rounded).
    int Clock() const;
    // The copy's walkers as they stand.
    Poses PosesNow() const;
    // How many fuzzies walk in the street.
    int Fuzzies() const;

private:
    struct Scratch;
    std::unique_ptr<Scratch> s_;
};

}  // namespace rq
