#pragma once
// The year's chart, balances and verifications written as an SIE type 4 file
// (4E) for an accountant or another bookkeeping program: PC8 text, CR LF line
// ends, amounts with a decimal point, debit positive and credit negative.
//
//     #VER A 12 20120315 "Försäljning kontant"
//     {
//     #TRANS 1930 {} 1250.50
//     #TRANS 3010 {6 "10"} -1250.50
//     }
//
// Accounts of classes 1 to 7 become #KONTO with #KTYP (T assets; S equity,
// untaxed reserves and liabilities; I revenues; K costs and appropriations),
// the codes (class 8) objects of dimension 6, "Projekt". Posts with the text
// "IB-post" are the opening balance (#IB, balance-sheet accounts only), every
// other post a row of the verification its number names, all in series A. The
// company is named by its name when it is known (the ledger's name when not),
// and its organisation number stands in #ORGNR when it is known. A chart whose
// accounts all have four digits is named #KPTYP EUBAS97. The file opens with a
// bare #KSUMMA and ends with #KSUMMA and the checksum (see Kontrollsumma). A
// verification whose registration the ledger's log knows carries its
// registration date and signature (the user who registered it):
//
//     #VER A 12 20120315 "Försäljning kontant" 20120316 "anna@kontoret"

#include "core/Behandlingslogg.h"
#include "core/Bokforingsdata.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tovana {

// The first and the last day of a financial year, ÅÅÅÅMMDD.
struct Rakenskapsar {
    std::string fran;
    std::string till;
};

// The company's financial year when it is known; else the calendar year most
// of the ledger's dates name outright; with no such date the year of `idag`
// (ÅÅÅÅMMDD).
Rakenskapsar StandardRakenskapsar(const Bokforingsdata &data, const std::string &idag);

// The outcome of an export: either the problems that would make the file wrong
// (Swedish lines, one a problem) and no bytes, or the file's bytes and a
// summary line for the user.
struct SieExport {
    std::vector<std::string> problem;
    std::string bytes;
    std::string sammanfattning;

    bool Lyckades() const { return problem.empty(); }
};

// Builds the file for the year `fran`..`till` (ÅÅÅÅMMDD), generated `idag`
// (ÅÅÅÅMMDD). Lists as problems: a first or last day or today that is no date,
// a post whose date cannot be read or lies outside the year, a verification
// whose posts do not balance to the öre, a post without an account, an
// account or code used in a post but missing from the chart, and an opening
// balance ("IB-post") on an account outside the balance sheet, which the format
// cannot hold. The registrations are those of the ledger's log (Registreringar).
// Changes nothing.
SieExport Exportera(const Bokforingsdata &data, const std::string &fran, const std::string &till,
                    const std::string &idag,
                    const std::map<int32_t, Registrering> &registreringar = {});

// Writes a successful export's bytes to the file (SkrivFilSakert). An export
// with problems raises Korningsfel and writes nothing; a failed write raises
// with the runtime's text and leaves any old file as it was.
void SkrivSiefil(const std::string &sokvag, const SieExport &exp);

} // namespace tovana
