#pragma once
// Large blocks of memory filled once, such as a whole file's bytes or the post
// table of a big ledger, fault in a page at a time: a million posts cost tens of
// thousands of page faults. Backed by the system's huge pages they cost a few
// hundred. This is only a hint; where it is not possible nothing changes.

#include <cstddef>

namespace tovana {

// Asks for huge pages behind a block that has been allocated but not yet
// touched. Blocks smaller than a few huge pages are left as they are.
void BeOmStoraSidor(const void *borjan, std::size_t langd);

// Has the system back the block with cleared memory now, in the calling thread,
// so that the thread that writes it later does not wait for the clearing. The
// contents do not change, so the block may be in use, but it must stay
// allocated until this returns; a hint like the above.
void FyllISidor(const void *borjan, std::size_t langd);

} // namespace tovana
