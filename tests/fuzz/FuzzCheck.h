// What the fuzz targets insist on: a loader that breaks its promise stops the run like a sanitizer would.
#pragma once

#include <cstdlib>

namespace rq::fuzz {

inline void Require(bool promiseKept) {
    if (!promiseKept) {
        std::abort();
    }
}

}  // namespace rq::fuzz
