#pragma once
// The chart-of-accounts file (.kpl): Windows-1252, CR LF (a UTF-8 file and other
// line ends are read too, see Teckentabell.h and Textfil.h). The first line is
// the chart's internal name; then one account a line, class;number;name, in
// table order. The class is 1..8. The name runs to the end of the line and may
// itself hold ";":
//
//     Företagets kontoplan
//     1;1510;Kundfordringar
//     8;10;Projekt A

#include "core/Bokforingsdata.h"

#include <string>
#include <vector>

namespace tovana {

// A chart as read from its file, before it becomes the one in memory.
struct Kontoplaninnehall {
    std::string namn;
    std::vector<TKonto> konton; // in file order
    bool koder = false;         // a class-8 account was read
};

// Reads the chart file whole. A file that cannot be read, or a line that does
// not convert or whose class is not 1..8, raises Korningsfel naming the file
// and line.
Kontoplaninnehall LasKontoplanfil(const std::string &sokvag);

// Makes a chart that has been read the one in memory, the one place every
// command that opens, starts or imports a chart hands it over: Kontoplannamn,
// slots 1..n, Kontoantal and Kontoplanfil; the chart counts as read and as
// unchanged since; KoderFinns is set when it holds a class-8 account (never
// cleared). The write lock is the caller's (SattKontoplanslas), and so is the
// company (GlomForetaget).
void SattInKontoplan(Bokforingsdata &data, Kontoplaninnehall innehall, const std::string &sokvag);

// Replaces the chart in `data` with the file's: Kontoplannamn, slots 1..n,
// Kontoantal; sets KoderFinns when a class-8 account is read (never clears it).
// Raises as LasKontoplanfil, and then changes nothing in `data`. The file, the
// flags and the captions are left alone.
void LasKontoplan(Bokforingsdata &data, const std::string &sokvag);

// Writes the name line and slots 1..Kontoantal; changes nothing in `data`. The
// file being replaced is kept as "<file>.1" (SkrivFilSakertMedKopior).
void SkrivKontoplan(const Bokforingsdata &data, const std::string &sokvag);

// The file's bytes for the chart (what SkrivKontoplan writes). A name holding a
// line break, or a character Windows-1252 cannot hold, raises Korningsfel.
std::string KontoplanBytes(const Bokforingsdata &data);

} // namespace tovana
