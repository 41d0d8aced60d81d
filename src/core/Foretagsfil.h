#pragma once
// The company file (.ftg): two lines, Windows-1252, CR LF (read also as UTF-8
// and with other line ends, see Teckentabell.h), naming the chart file
// and the ledger file that open together. Anything after line 2 is ignored:
//
//     /home/anna/bok/foretag.kpl
//     /home/anna/bok/foretag2012.red

#include <string>

namespace tovana {

struct Foretag {
    std::string kontoplanfil;
    std::string redovisningsfil;
};

// Reads both paths. A file with fewer than two lines, or an empty path line, is
// reported as a missing file ("Filen finns inte.", naming the company file and line).
Foretag LasForetagsfil(const std::string &sokvag);

// Writes both paths (no copy of the old file is kept). A path holding a line
// break, or a character Windows-1252 cannot hold, raises Korningsfel and
// writes nothing.
void SkrivForetagsfil(const std::string &sokvag, const Foretag &foretag);

} // namespace tovana
