#pragma once
// An SIE type 4 file (4E or 4I) read into a new chart and ledger. The chart
// comes from #KONTO with the class from #KTYP and the Swedish number ranges,
// the codes from the objects of every dimension; the ledger from #IB 0 (one
// opening post per account, "IB-post", verification 0, the year's first day)
// and #VER, whose rows become posts:
//
//     #VER A 12 20120315 "Försäljning"       ->  12;120315;1250,5;1930;3010;0;Försäljning
//     {
//     #TRANS 1930 {} 1250.50
//     #TRANS 3010 {} -1250.50
//     }
//
// A verification of two rows with equal and opposite amounts (same code and
// date) becomes one post with both sides; any other one one-sided post a row
// (positive: the debit side), so that each verification closes on its own.
// Records the program has no use for (#PSALDO, #KPTYP, ...) and unknown ones
// are skipped, as the format asks of a reader. What the file states beside its
// records is checked: the #KSUMMA checksum when the file carries one (a file
// that opens with #KSUMMA but lacks the closing one is cut short and refused),
// and each account's #UB 0 (#RES 0) against its #IB 0 and rows.

#include "core/Bokforingsdata.h"

#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// The outcome of an import: either the errors (Swedish lines, each naming its
// line of the file) and nothing else, or the chart and ledger, a summary line
// for the user and the problems that did not stop the import (Swedish lines:
// an object list of several objects, of which the row keeps the first; a #UB or
// #RES that disagrees with the rows; a #KSUMMA that cannot be checked).
struct SieImport {
    std::vector<std::string> fel;
    std::vector<std::string> problem;

    std::string kontoplannamn;
    std::vector<TKonto> konton; // by class, then number
    std::string redovisningsnamn;
    std::vector<TPost> poster; // in file order
    std::string sammanfattning;

    bool Lyckades() const { return fel.empty(); }
};

// Reads the file's bytes: PC8 as the format says, or Windows-1252 or UTF-8 as
// some programs write it (see LasSietext). An amount with more than two
// decimals (other than zeros) is an error. Names and texts are cut to the
// program's limits and characters a ledger cannot hold become "?". Accounts a
// verification uses without a #KONTO get the name "Konto <number>".
SieImport Importera(std::string_view bytes);

// A successful import's chart and ledger as bookkeeping state (slots 1..n),
// ready for KontoplanBytes and SkrivRedovisning; no file or flag is set but
// KoderFinns.
Bokforingsdata SomBokforingsdata(const SieImport &import);

} // namespace tovana
