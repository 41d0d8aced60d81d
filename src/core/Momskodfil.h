#pragma once
// A chart's own choice of VAT box for some of its accounts, beside the chart
// file as "<chart file>.moms": Windows-1252, CR LF, one account a line with its
// box, or with nothing after the ";" for an account that feeds no box although
// the default table (Momsrutor.h) gives it one:
//
//     3010;05
//     2618;
//
// An account not in the file feeds the box the default table gives it. A chart
// without the file uses the default table alone.

#include "core/Bokforingsdata.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// Account number to box number (0: no box).
using Momskoder = std::map<int32_t, int>;

// "<chart file>.moms".
std::string Momskodfil(const std::string &kontoplanfil);

// The box the account feeds: the chart's own choice, else the default table's;
// 0 for none.
int RutaForKonto(int32_t konto, const Momskoder &koder);

// Reads the file; a file that does not exist gives no choices. A file that
// cannot be read, or a line that is not "konto;ruta" with a box the form has
// (not 49), raises Korningsfel naming the file and line.
Momskoder LasMomskoder(const std::string &sokvag);

// The file's bytes: the choices in account order.
std::string MomskoderBytes(const Momskoder &koder);

// Writes the file safely (SkrivFilSakert): the old file stays whole on failure.
void SkrivMomskoder(const std::string &sokvag, const Momskoder &koder);

// Sets the account's box from the box text as typed: a box number ("5", "05",
// "48"), or an empty text for no box. A choice equal to the default table's is
// not kept, so the file holds only what differs. A text that is not a box of the
// form (or is 49) raises Korningsfel with a Swedish message and changes nothing.
void SattMomskod(Momskoder &koder, int32_t konto, std::string_view rutatext);

// The box as the form writes it: "05", "48"; "–" for none.
std::string Rutnummertext(int ruta);

// One row for each bookkeeping account of the chart (classes 1–7), in chart
// order: "3010  Försäljning  05", "1930  Företagskonto  –".
std::vector<std::string> Momskodrader(const Bokforingsdata &data, const Momskoder &koder);

} // namespace tovana
