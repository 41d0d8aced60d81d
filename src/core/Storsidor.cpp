#include "core/Storsidor.h"

#include <cstdint>
#include <sys/mman.h>

namespace tovana {

void BeOmStoraSidor(const void *borjan, std::size_t langd) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kStorSida = std::uintptr_t{2} << 20;
    if (langd < 4 * kStorSida)
        return;
    // Only the whole huge pages inside the block: the pages at its edges may
    // hold other allocations.
    const auto start = reinterpret_cast<std::uintptr_t>(borjan);
    const std::uintptr_t forsta = (start + kStorSida - 1) & ~(kStorSida - 1);
    const std::uintptr_t slut = (start + langd) & ~(kStorSida - 1);
    if (slut > forsta)
        ::madvise(reinterpret_cast<void *>(forsta), slut - forsta, MADV_HUGEPAGE);
#else
    (void)borjan;
    (void)langd;
#endif
}

void FyllISidor(const void *borjan, std::size_t langd) {
#ifdef MADV_POPULATE_WRITE
    constexpr std::uintptr_t kSida = 4096;
    if (langd == 0)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(borjan);
    const std::uintptr_t forsta = start & ~(kSida - 1);
    const std::uintptr_t slut = (start + langd + kSida - 1) & ~(kSida - 1);
    ::madvise(reinterpret_cast<void *>(forsta), slut - forsta, MADV_POPULATE_WRITE);
#else
    (void)borjan;
    (void)langd;
#endif
}

} // namespace tovana
