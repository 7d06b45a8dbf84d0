// Pixel memory on large pages where the system has them.
#include "sprite/Surface.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace rq {

namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;

// From the size of the view (640 × 377 pixels, 0.9 MB) up: the sprite sheets, the view, the back
// buffer. Each takes at least one large page, 2 MB, a few megabytes in all.
bool Large(std::size_t bytes) {
    return bytes >= (std::size_t{512} << 10);
}

std::size_t WholeLargePages(std::size_t bytes) {
    return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

}  // namespace

void* PixelMemory::Take(std::size_t bytes) {
    if (!Large(bytes)) {
        return ::operator new(bytes);
    }
    const std::size_t whole = WholeLargePages(bytes);
    void* p = std::aligned_alloc(kLargePage, whole);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
#if defined(MADV_HUGEPAGE)
    // Only advice: without large pages the memory is the same, on small pages.
    madvise(p, whole, MADV_HUGEPAGE);
#endif
    return p;
}

void PixelMemory::Give(void* p, std::size_t bytes) noexcept {
    if (!Large(bytes)) {
        ::operator delete(p);
        return;
    }
    std::free(p);
}

}  // namespace rq
