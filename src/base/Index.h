// Table subscripts: the game indexes its tables with int; std::array wants size_t.
#pragma once

#include <cstddef>

namespace rq {

constexpr std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace rq
