// The state check: a multiply-xor hash over the game's deciding values, a word at a time, taken field
// by field so that padding and pictures never reach it. Lists are packed, so each ends at its first 0.
#include "game/StateHash.h"

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
    // A packed list: its values up to the first 0, then its length.
    template <typename Array>
    void AddPacked(const Array& list) {
        std::size_t n = 1;
        for (; n < list.size() && list[n] != 0; ++n) {
            Add(static_cast<int>(list[n]));
        }
        Add(static_cast<int>(n));
    }
    std::uint32_t Value() const { return static_cast<std::uint32_t>(hash_ ^ (hash_ >> 32)); }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

void AddWorld(Mix& h, const World& w) {
    h.Add(w.GameTime);
    h.Add(static_cast<int>(w.DayNum));
    h.Add(static_cast<int>(w.CurCity));
    h.Add(static_cast<int>(w.FuzzbombCity));
    h.Add(static_cast<int>(w.TransitDest));
    h.Add(w.PlatformTicks);
    h.Add(static_cast<int>(w.StoppedSpeed));
    h.Add(static_cast<std::uint64_t>(w.Rng.Draws()));
    for (const std::int16_t c : w.CitizenCrystals) {
        h.Add(static_cast<int>(c));
    }
    for (int c = 1; c <= kNumCities; ++c) {
        const City& city = w.city(c);
        h.AddPacked(city.Citizens);
        for (int s = 1; s <= kSlots; ++s) {
            h.AddPacked(city.Waiting[static_cast<std::size_t>(s)]);
            for (int j = 1; j <= kStages; ++j) {
                h.AddPacked(city.Stage(s, j));
            }
        }
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
