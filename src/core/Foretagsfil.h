#pragma once
// The company file (.ftg), Windows-1252, CR LF (read also as UTF-8 and with
// other line ends, see Teckentabell.h): two lines naming the chart file and
// the ledger file that open together, then, when they are known, the
// company's details, one `key=value` line each:
//
//     /home/anna/bok/foretag.kpl
//     /home/anna/bok/foretag2026.red
//     Namn=Kafé Exempel AB
//     Orgnr=555555-5555
//     Rakenskapsar=20260101-20261231
//     Momsperiod=kvartal
//
// A file without details is the two path lines alone, as it always was. The
// details are read leniently, so that no line after the second ever stops the
// company from opening: the key is read in any case and blanks around key and
// value are ignored; an empty value is a detail not known; a later line of a
// key replaces an earlier. A detail whose value does not read (an organisation
// number with a wrong check digit, a year that is no dates) is taken as not
// known and listed as a problem naming its line. Every other line (no "=", an
// unknown key, a detail that does not read) is kept as it stands and written
// back after the details, so that nothing a user or a later version wrote
// there is lost.

#include "core/Foretagsuppgifter.h"

#include <string>
#include <string_view>
#include <vector>

namespace tovana {

struct Foretag {
    std::string kontoplanfil;
    std::string redovisningsfil;
    Foretagsuppgifter uppgifter{};
    // The lines after the second that carry no detail, as read (UTF-8).
    std::vector<std::string> ovrigaRader{};
    // The detail lines whose values did not read, one Swedish line each.
    std::vector<std::string> problem{};
};

// Whether the line is one of a detail's keys ("Orgnr=…"), read or not.
bool ArUppgiftsrad(std::string_view rad);

// Reads both paths and the details. A file with fewer than two lines, or an
// empty path line, is reported as a missing file ("Filen finns inte.", naming
// the company file and line).
Foretag LasForetagsfil(const std::string &sokvag);

// Writes both paths, then the details that are known (in the order above),
// then the other lines, replacing any old file whole (SkrivFilSakert). A path,
// name or other line holding a line break, or a character Windows-1252 cannot
// hold, raises Korningsfel and writes nothing.
void SkrivForetagsfil(const std::string &sokvag, const Foretag &foretag);

} // namespace tovana
