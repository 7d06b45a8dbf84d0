// The world written as JSON, for --dump-world and for checking a start-up from outside the game.
#pragma once

#include <cstdint>
#include <ostream>

#include "world/World.h"

namespace rq {

void WriteWorldJson(const World& w, std::uint64_t seed, std::ostream& out);

}  // namespace rq
