// Looks, step-off directions and spot clearing for the actors of the street.
#include "world/Actors.h"

#include <array>

#include "sprite/SpriteDraw.h"
#include "world/Velocity.h"

namespace rq {

namespace {

void TakeFrameFromSheet(SpriteEngine& spr, Sprite& s) {
    const SpriteFrame f = FrameAt(spr, s.Frame);
    s.SrcX = f.SrcX;
    s.SrcY = f.SrcY;
}

using Pushed = std::array<bool, kSpriteSlots>;

void PushChain(World& w, SpriteEngine& spr, int slot, std::int16_t dx, std::int16_t dy, Pushed& pushed) {
    spr[slot].Blocked = true;
    const int last = kPlayerSlot + w.city(w.CurCity).NumCitizens;
    for (int j = kPlayerSlot; j <= last; ++j) {
        Sprite& other = spr[j];
        other.Blocked = true;
        // The game's own chain can push two actors onto each other for ever; here a sprite that has
        // moved once in this chain (or started it) is left where it is.
        if (!pushed[static_cast<std::size_t>(j)] && iSprCollide(spr, slot, j)) {
            pushed[static_cast<std::size_t>(j)] = true;
            other.Blocked = false;
            SprMoveBy(spr, j, dx, dy);
            PushChain(w, spr, j, 0, static_cast<std::int16_t>(other.Height + 3), pushed);
        }
        other.Blocked = false;
    }
    spr[slot].Blocked = false;
}

}  // namespace

void ClearSpotBelow(World& w, SpriteEngine& spr, int slot) {
    if (const Sprite* s = SlotPtr(spr, slot); s != nullptr) {
        PushOverlappingActors(w, spr, slot, 0, static_cast<std::int16_t>(s->Height + 3));
    }
}

bool InLook(const Sprite& s, std::int16_t first) {
    return s.Frame >= first && s.Frame < first + kLookFrames;
}

void ChangeLook(SpriteEngine& spr, Sprite& s, std::int16_t from, std::int16_t to) {
    if (InLook(s, from)) {
        s.Frame = static_cast<std::int16_t>(s.Frame - from + to);
    }
    s.FirstFrame = to;
    s.LastFrame = static_cast<std::int16_t>(to + kLookFrames - 1);
    TakeFrameFromSheet(spr, s);
}

void SetRandomFrame(World& w, SpriteEngine& spr, int slot, std::int16_t first, std::int16_t last) {
    Sprite& s = spr[slot];
    s.Frame = static_cast<std::int16_t>(w.Rng.Below(last - first + 1) + first);
    TakeFrameFromSheet(spr, s);
}

void MakeCitizenActor(SpriteEngine& spr, const EffectPlayer& fx, int slot) {
    Sprite& s = spr[slot];
    ChangeLook(spr, s, kFuzzyFirstFrame, slot == kPlayerSlot ? kPlayerFirstFrame : kCitizenFirstFrame);
    fx.PlayEffect(kMakeCitizen);
}

void MakeFuzzyActor(World& w, SpriteEngine& spr, const EffectPlayer& fx, int slot) {
    Sprite& s = spr[slot];
    const bool citizenLook = InLook(s, kCitizenFirstFrame);
    const bool playerLook = InLook(s, kPlayerFirstFrame);
    // A person whose hit flash is showing (FrameDelay 1) wears the fuzzy frames for that one picture
    // but is still a person: it is fuzzed like one, and the look it gets here is kept for good.
    const bool flashing = s.FrameDelay == 1 && InLook(s, kFuzzyFirstFrame);
    ChangeLook(spr, s, playerLook ? kPlayerFirstFrame : kCitizenFirstFrame, kFuzzyFirstFrame);
    s.FrameDelay = 3;
    if (citizenLook || (flashing && slot != kPlayerSlot)) {
        w.crystals(s.CitizenNo) = kFuzzed;
    } else if (playerLook || flashing) {
        w.crystals(kPlayer) = kFuzzed;
        Sprite& player = spr[kPlayerSlot];
        player.Animating = true;
        // A fuzzed player wanders like any fuzzy: any of the eight directions, never standing.
        SetRandomWalkingVelocity(w, player, kPlayerSpeed);
        if (w.CrystalDisplay != nullptr) {
            w.CrystalDisplay->UpdateCrystalDisplay();
        }
    }
    fx.PlayEffect(kMakeFuzzy);
}

void PushOverlappingActors(World& w, SpriteEngine& spr, int slot, std::int16_t dx, std::int16_t dy) {
    if (SlotPtr(spr, slot) == nullptr) {
        return;
    }
    Pushed pushed{};
    pushed[static_cast<std::size_t>(slot)] = true;
    PushChain(w, spr, slot, dx, dy, pushed);
}

}  // namespace rq
