// The rules that hold between any two steps of a game: the world's (every citizen in exactly one place
// or counted lost, every list packed, crystal counts in range) and the street's (the actor slots packed
// and matching the city's list, the collision passes within their bound). Tests and soak runs check them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Game.h"

namespace rq {

// The broken rules found, one line each (at most about twenty).
using Violations = std::vector<std::string>;

// The world's rules over all 200 cities and all 3000 citizens. A new game may list a citizen in a
// second city (one that was empty): `listedTwice` names each such extra listing. `placed`, when
// given, receives how many citizens were found in places. While a standing train's riders are
// handed over (RidersHandedOver) the last stages of its slot, `handedOverSlot`, still list them:
// those riders are counted where they went.
Violations CheckWorld(const World& w, const std::vector<std::int16_t>& listedTwice = {}, int* placed = nullptr,
                      std::int16_t handedOverSlot = 0);

// The street's rules in the player's city (while the player travels, no actor shows).
Violations CheckStreet(const Game& game);

// Checks the world after every step, and the street. Scanning the whole network takes as long as
// many steps, so the world is scanned again only when its lists have changed since the last scan
// (the copy of them kept here tells); crystal counts and the street are checked every time.
class InvariantWatch {
public:
    Violations Check(const Game& game);

    int WorldScans() const { return worldScans_; }
    int MostCollisionPasses() const { return mostPasses_; }
    int PassBoundReached() const { return boundReached_; }  // steps whose passes ran to the bound

private:
    bool WorldListsChanged(const World& w);

    std::vector<std::int16_t> lists_;  // the network's and the cities' lists as last scanned
    int worldScans_ = 0;
    int mostPasses_ = 0;
    int boundReached_ = 0;
};

}  // namespace rq
