#pragma once
// Re-sorting the ledger: the posts in the order they were keyed, by
// verification number, or by date, prepared in the work table Arbetsposter and
// then saved back into Poster and the ledger file. One preview line a post:
//
//     Vernr Datum   Belopp Debet Kredit   Kod
//       7 120315      1500  1930  3010     0

#include "core/Bokforingsdata.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tovana {

enum class Sorteringsordning { Inmatning, Vernr, Datum };

// The heading line of the preview list.
inline const std::string kSorteringsrubrik = "Vernr Datum   Belopp Debet Kredit   Kod";

// The key by which dates are ordered. A day/month date ("15/3", "5/12") gives
// month * 100 + day; a date without "/" is read as a whole number ("120315",
// "0310"). A date that gives no number raises Korningsfel
// "'<date>' is not a valid integer value".
int32_t Datumnyckel(const std::string &datum);

// The key by which the date order places a post: a date the date rule reads
// (Datum.h) gives ÅÅÅÅMMDD as a number (260315 and 2026-03-15 both 20260315),
// any other text its Datumnyckel, so "15/3" and "0315" still order among
// themselves and before every such date. Nothing for a text with neither.
std::optional<int32_t> Sorteringsnyckel(const std::string &datum);

// One preview line: verification number, date, amount, debit, credit and code
// in right-aligned columns (the text is not shown).
std::string Sorteringsrad(const TPost &post);

// Fills Arbetsposter slots 1..Postantal with the posts in the chosen order.
// Posts with equal keys keep their ledger order. For the date order every
// Sorteringsnyckel is computed first: a date without one raises a message that
// names the post, its verification and its date, and nothing is placed.
void SorteraPoster(Bokforingsdata &data, Sorteringsordning ordning);

// Copies Arbetsposter slots 1..Postantal into Poster and rewrites the ledger
// file in that order. When the file cannot be rewritten, or the ledger is open
// read-only, it raises and Poster and the file are left as they were.
void SparaSortering(Bokforingsdata &data);

} // namespace tovana
