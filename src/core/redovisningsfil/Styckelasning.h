#pragma once
// The building blocks of reading a big ledger in pieces, two threads side by
// side: a file open for reading at any offset, and a reader of one stretch of
// it, piece by piece, each piece whole lines. Private to the ledger file's
// reader (and its tests).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tovana {

// A regular file open for reading, refused as LasFil refuses it (raising Filfel).
class Lasbarfil {
public:
    explicit Lasbarfil(const std::string &sokvag);
    ~Lasbarfil();
    Lasbarfil(const Lasbarfil &) = delete;
    Lasbarfil &operator=(const Lasbarfil &) = delete;

    // The size when it was opened.
    std::uint64_t Storlek() const { return storlek_; }

    // Up to `antal` bytes from byte `fran` into `till`: fewer only where the
    // file ends. Several threads may read one file at once. Raises Filfel.
    std::size_t Las(std::uint64_t fran, char *till, std::size_t antal) const;

private:
    int fd_ = -1;
    std::uint64_t storlek_ = 0;
    std::string sokvag_;
};

// A stretch of a file read piece by piece through one buffer, each piece whole
// lines: it ends just past a line end (CR LF, LF or a lone CR, never cut in
// two), or where the stretch or the file ends. A big file is so read without
// ever being held whole, by one reader for each stretch, side by side.
class Styckelasare {
public:
    static constexpr std::uint64_t kFilslut = UINT64_MAX;

    // The buffer a reader starts with: it stays in the processor's cache.
    static constexpr std::size_t kBuffert = std::size_t{256} << 10;

    // From byte `fran` to byte `till`, or to the end of the file. The buffer
    // grows for a line longer than it.
    Styckelasare(const Lasbarfil &fil, std::uint64_t fran, std::uint64_t till = kFilslut,
                 std::size_t buffert = kBuffert);

    // The next piece, valid until the next call; false after the last.
    bool Nasta(std::string_view &stycke);

    // Whether the file ended before `till` (it was cut short while being read).
    bool Avkortad() const { return avkortad_; }

private:
    const Lasbarfil &fil_;
    std::uint64_t pos_;
    std::uint64_t till_;
    std::string buffert_;
    std::size_t fylld_ = 0;  // bytes in the buffer
    std::size_t lamnad_ = 0; // of which handed out in the last piece
    bool slut_ = false;
    bool avkortad_ = false;
};

} // namespace tovana
