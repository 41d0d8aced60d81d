#pragma once
// The encoding a file's bytes show: Tolka judges a whole file by it, and the
// big-ledger reader each piece, each thread judging its own and the reader
// putting them together. Used by those two only.

#include "core/Teckentabell.h"

#include <string_view>

namespace tovana {

// What a file's bytes show of how they are to be read, gathered piece by piece
// when the file is read so. Each piece must end at a line end (or the file's
// end), so that no UTF-8 sequence is cut in two.
struct Kodningsfynd {
    bool nul = false;         // a NUL byte: the file is UTF-16
    bool inteUtf8 = false;    // bytes that are not UTF-8
    bool flerbyte = false;    // a multi-byte UTF-8 character (of no account once inteUtf8)
    bool byteordning = false; // the file begins with a UTF-8 byte order mark

    void Granska(std::string_view bytes);
    void Lagg(const Kodningsfynd &annat);
    // How Tolka reads a file whose bytes showed this (the NUL byte apart).
    Filkodning Kodning() const;
    // The byte order mark of UTF-8 on bytes that are not: Tolka refuses the file.
    bool Motsagelse() const { return byteordning && inteUtf8; }
};

} // namespace tovana
