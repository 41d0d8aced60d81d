#pragma once
// What the core asks of the system beyond standard C++, in one place.
//
// The files are read and written through POSIX: open with O_CLOEXEC,
// O_NONBLOCK and O_DIRECTORY, pread, fsync (of a folder too), rename, fchown,
// mkostemp and flock (Textfil.cpp, Skrivlas.cpp), as Linux, the BSDs and macOS
// give them. Two hints are Linux's
// alone and are left out where the system lacks them, changing nothing but
// speed: huge pages and pages filled ahead (madvise, Storsidor.cpp). Where the
// processor compares sixteen bytes at once (SSE2) the scans use it; elsewhere
// they go a byte at a time. The one GNU extension, memrchr, is wrapped here.

#include <cstddef>
#include <cstring>

namespace tovana {

// The bytes one SSE2 comparison takes at once.
constexpr std::size_t kSse2Bredd = 16;

// The last byte `c` among the first `antal` bytes at `data`, or null.
inline const char *SistaByte(const char *data, char c, std::size_t antal) {
#if defined(__GLIBC__) || defined(__FreeBSD__) || defined(__NetBSD__) || defined(__OpenBSD__)
    return static_cast<const char *>(::memrchr(data, c, antal));
#else
    for (std::size_t i = antal; i > 0; --i)
        if (data[i - 1] == c)
            return data + i - 1;
    return nullptr;
#endif
}

} // namespace tovana
