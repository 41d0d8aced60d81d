#pragma once
// How the ledger file's reader and writer share a big ledger between two
// threads, and how much room they keep for its posts. Private to the files of
// this folder.

#include <cstddef>
#include <future>
#include <system_error>

namespace tovana {

// Runs the work in a thread of its own; when the system gives no more threads,
// it is run by the caller when its result is asked for.
template <typename Arbete> auto Samtidigt(Arbete arbete) {
    try {
        return std::async(std::launch::async, arbete);
    } catch (const std::system_error &) {
        return std::async(std::launch::deferred, arbete);
    }
}

// The part of `helhet` (posts, or bytes of post lines) the calling thread takes
// when a big ledger is split: 11/20, a little more than half, because the
// other thread starts later and first has fresh memory to fill.
template <typename Tal> constexpr Tal ForstaDelen(Tal helhet) {
    return helhet * 11 / 20;
}

// The room kept for a table of about `antal` posts: the empty slot 0 and one to
// spare, 1 024 posts keyed after it is read, and a sixty-fourth more for a
// count that was judged short, so that the posts read, and the first keyed,
// never move. Room never used costs no memory.
constexpr std::size_t Tabellrum(std::size_t antal) {
    return antal + 2 + 1024 + antal / 64;
}

} // namespace tovana
