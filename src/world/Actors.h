// The street's actors as the world changes them: their looks, a random step-off direction, and
// clearing a spot by pushing overlapping actors aside. Arrivals use them, and so does the city scene.
#pragma once

#include <cstdint>

#include "base/SoundPort.h"
#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// The last actor slot of the current city's street: 109 + NumCitizens (109, the player, when the
// street has nobody else or the player is travelling).
inline int LastStreetActor(const World& w) {
    return kPlayerSlot + (w.CurCity > 0 ? w.city(w.CurCity).NumCitizens : 0);
}

// Does the actor show a fuzzed citizen (or the fuzzed player)?
inline bool IsFuzzyActor(const World& w, const Sprite& actor) {
    return w.crystals(actor.CitizenNo) == kFuzzed;
}

// Does the actor show a frame of the look whose kLookFrames frames start at `first`?
bool InLook(const Sprite& s, std::int16_t first);

// The actor's look becomes the kLookFrames frames from `to`: a frame of the look from `from` moves to
// the same place in the new look's animation, and the frame's place on the sheet is taken.
void ChangeLook(SpriteEngine& spr, Sprite& s, std::int16_t from, std::int16_t to);

// Frame := a random frame of first..last, with its place on the sheet, so actors do not animate in step.
void SetRandomFrame(World& w, SpriteEngine& spr, int slot, std::int16_t first, std::int16_t last);

// Gives an actor (or the player) its citizen (or own) look back, keeping the animation phase, and
// plays "makectzn.wav". Crystal counts are the caller's business.
void MakeCitizenActor(SpriteEngine& spr, const EffectPlayer& fx, int slot);

// Gives an actor (or the player) the fuzzy look and fuzzes the citizen it shows, a person still
// flashing from a hit included; a fuzzed player walks off in a random direction and the status bar's
// count is refreshed. Plays "makefzzy.wav".
void MakeFuzzyActor(World& w, SpriteEngine& spr, const EffectPlayer& fx, int slot);

// Moves every actor (the player and the current city's citizens) that overlaps `slot` by (dx, dy),
// and then, in turn, whatever each moved actor lands on down by that actor's height plus 3.
// The chain is bounded: within one call every sprite moves at most once, and `slot` itself, whose
// spot is being cleared, never moves.
void PushOverlappingActors(World& w, SpriteEngine& spr, int slot, std::int16_t dx, std::int16_t dy);

// Clears the spot of an actor that has just appeared (on the platform, or from behind a panel):
// whoever stands on it is pushed down by the actor's height plus 3.
void ClearSpotBelow(World& w, SpriteEngine& spr, int slot);

}  // namespace rq
