// The state check: a multiply-xor hash over the game's deciding values, a word at a time, taken field
// by field so that padding and pictures never reach it.
#include "game/StateHash.h"

#include <array>
#include <cstring>

namespace rq {

namespace {

class Mix {
public:
    void Add(std::uint64_t v) {
        hash_ = (hash_ ^ v) * 0x9E3779B97F4A7C15ULL;
        hash_ ^= hash_ >> 29;
    }
    void Add(std::int64_t v) { Add(static_cast<std::uint64_t>(v)); }
    void Add(int v) { Add(static_cast<std::uint64_t>(static_cast<std::int64_t>(v))); }
    void Add(double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        Add(bits);
    }
    // An array of 16-bit values, four to a word, in four independent lanes so that the multiplies
    // overlap; the lanes are folded in at the end.
    void AddWords(const std::int16_t* values, std::size_t count) {
        std::array<std::uint64_t, 4> lanes{1, 2, 3, 4};
        std::size_t i = 0;
        for (; i + 16 <= count; i += 16) {
            for (std::size_t l = 0; l < 4; ++l) {
                std::uint64_t word = 0;
                std::memcpy(&word, values + i + 4 * l, sizeof word);
                lanes[l] = (lanes[l] ^ word) * 0x9E3779B97F4A7C15ULL;
                lanes[l] ^= lanes[l] >> 29;
            }
        }
        for (const std::uint64_t lane : lanes) {
            Add(lane);
        }
        for (; i < count; ++i) {
            Add(static_cast<int>(values[i]));
        }
    }
    std::uint32_t Value() const { return static_cast<std::uint32_t>(hash_ ^ (hash_ >> 32)); }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

// The trains' riders are not taken one by one: every boarding draws from the generator and every
// rider's crystals are taken, so a replay whose trains part from the recording's shows it in the draws,
// the crystals and the cities' counts at once, for a fraction of the cost.
void AddWorld(Mix& h, const World& w) {
    h.Add(w.GameTime);
    h.Add(static_cast<int>(w.DayNum));
    h.Add(static_cast<int>(w.CurCity));
    h.Add(static_cast<int>(w.FuzzbombCity));
    h.Add(static_cast<int>(w.TransitDest));
    h.Add(w.PlatformTicks);
    h.Add(static_cast<int>(w.StoppedSpeed));
    h.Add(static_cast<std::uint64_t>(w.Rng.Draws()));
    h.AddWords(w.CitizenCrystals.data(), w.CitizenCrystals.size());
    for (int c = 1; c <= kNumCities; ++c) {
        h.Add(static_cast<int>(w.city(c).NumCitizens));
    }
}

void AddStreet(Mix& h, const SpriteEngine& e) {
    h.Add(static_cast<int>(e.ViewCol));
    h.Add(static_cast<int>(e.ViewRow));
    for (const Sprite& s : e.gSprites) {
        if (!s.Shown) {
            h.Add(0);
            continue;
        }
        h.Add((static_cast<std::int64_t>(s.X) << 32) | (static_cast<std::int64_t>(s.Y) & 0xFFFF));
        h.Add((static_cast<std::int64_t>(s.VX) << 32) | (static_cast<std::int64_t>(s.VY) & 0xFFFF));
        h.Add(static_cast<int>(s.Frame) * 65536 + s.CitizenNo);
        h.Add(static_cast<int>(s.FirstFrame) * 65536 + s.LastFrame);
        h.Add(static_cast<int>(s.DelayCount) * 4 + (s.Blocked ? 2 : 0) + (s.Animating ? 1 : 0));
    }
}

}  // namespace

std::uint32_t StateHash(const Game& game) {
    Mix h;
    AddWorld(h, game.world);
    AddStreet(h, game.sprites);
    h.Add(static_cast<int>(game.scene.SelectedTrain));
    return h.Value();
}

}  // namespace rq
