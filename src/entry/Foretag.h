#pragma once
// The company: the chart file and the ledger file that open together with one
// command, named by the two lines of a company file (.ftg), and the company's
// details that the file may carry after them (name, organisation number,
// financial year, VAT period). A relative path in a company file names a file
// beside the company file, so that a company folder opens wherever it is
// copied to. The books remember the company file last opened or saved and its
// details (Bokforingsdata::Foretagsfil and Foretaget).

#include "core/Bokforingsdata.h"

#include <optional>
#include <string>

namespace tovana {

// Where a path read from the company file `foretagsfil` points: an absolute
// path as it stands; a relative one in the company file's own folder, or, when
// no such file is there but one is in the current folder, that one (as company
// files were read before). When neither exists, the path in the company file's
// folder, so that the failure names the place the file was looked for.
std::string ForetagetsSokvag(const std::string &foretagsfil, const std::string &sokvag);

// Reads the company file, the chart it names and the ledger it names (each path
// placed by ForetagetsSokvag), and only
// when all three were read makes them the chart and ledger in memory: names,
// tables, counts, both paths as placed, both loaded flags, the chart unchanged
// (KontoplanAndrad cleared), and KoderFinns set when the chart holds a code
// (never cleared here); the company file and its details become the remembered
// ones. A file that fails to read changes
// nothing; its error names the file and line. Both files are locked as
// OppnaKontoplan and OppnaRedovisning lock them; the returned text tells the
// user which of them opened read-only and which detail lines did not read
// (empty when there is nothing to tell).
std::string OppnaForetag(Bokforingsdata &data, const std::string &foretagsfil);

// Writes the company file naming the chart and ledger files in memory, with
// the remembered details, and remembers it; the chart and ledger paths
// themselves do not change. A failed write changes nothing in memory.
void SparaForetag(Bokforingsdata &data, const std::string &foretagsfil);

// What the user is told after the company file was written.
std::string ForetagSparatText(const std::string &foretagsfil);

// The boxes of the details panel, as typed, and the box a refusal points to.
struct Uppgiftsrutor {
    std::string namn{};
    std::string orgnr{};
    std::string arFran{};
    std::string arTill{};
    Momsperiod momsperiod = Momsperiod::Okand;

    bool operator==(const Uppgiftsrutor &) const = default;
};
enum class Uppgiftsruta { Namn, Orgnr, ArFran, ArTill };

// The details the boxes give, or the first thing wrong with them: a Swedish
// message and the box to correct. Empty boxes are details not known; the name
// loses its blanks around it and must fit the file (80 characters, one line,
// Windows-1252); the organisation number must read by LasOrgnr; the financial
// year needs both days or neither, each read by the date rule (Datum.h), and
// must keep to RakenskapsarFel.
struct Uppgiftsprovning {
    std::optional<Foretagsuppgifter> uppgifter;
    std::string fel;
    Uppgiftsruta ruta = Uppgiftsruta::Namn;
};
Uppgiftsprovning ProvaForetagsuppgifter(const Uppgiftsrutor &rutor);

// The boxes that show the details (the days as ÅÅÅÅMMDD).
Uppgiftsrutor Uppgiftsrutorna(const Foretagsuppgifter &uppgifter);

// Saves the details into the remembered company file: the file is read again
// and written back safely with its two path lines and its other lines as they
// stand and these details in place of the old ones (a line of a detail's key
// that did not read goes too). A file that no longer reads raises its error
// and nothing is written. Only when the file is written do the details become
// the remembered ones. With no remembered company file, raises Korningsfel.
void SparaForetagsuppgifter(Bokforingsdata &data, const Foretagsuppgifter &uppgifter);

// With no company file yet: writes a new one at `foretagsfil` naming the chart
// and ledger files in memory, with the details, and remembers both.
void SparaNyttForetag(Bokforingsdata &data, const std::string &foretagsfil,
                      const Foretagsuppgifter &uppgifter);

} // namespace tovana
