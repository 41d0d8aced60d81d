#pragma once
// The chart as a whole: starting a new chart with its own file, opening a chart
// file, and saving the chart in memory to its file or to a new one.
//
// Each command touches the chart in memory only once its file has been written
// or read in full, so a failed or cancelled command leaves the chart, its name,
// its path and the flags as they were. A chart read or written whole is no
// longer changed (KontoplanAndrad cleared). A chart started or opened on its own
// forgets the company file and its details (GlomForetaget): the books may now
// be another company's.

#include "core/Bokforingsdata.h"

#include <string>

namespace tovana {

// The new file, like one saved under a new name, is locked for this window
// first (see Skrivlas.h): a file open elsewhere raises and is not written. The
// lock of the chart it replaces is released.
//
// Writes a new chart file holding only the internal name (cut to 80
// characters), then empties the chart in memory: every slot class 0, number 0,
// name " "; Kontoantal 0; the name and path the new ones; KontoplanInlast set.
void SkapaNyKontoplan(Bokforingsdata &data, const std::string &namn, const std::string &sokvag);

// Reads the chart file into memory (see LasKontoplan), then makes it the
// current chart file and sets KontoplanInlast. The file is locked for this
// window; when the lock is not taken (open elsewhere, or a folder that cannot
// hold the lock file) it opens read-only, and the returned text tells the user
// so (empty when it may be changed).
std::string OppnaKontoplan(Bokforingsdata &data, const std::string &sokvag);

// Writes the chart to its current file; refused while it is read-only.
void SparaKontoplan(Bokforingsdata &data);

// Writes the chart to a new file, which becomes the current chart file; a
// chart holding codes sets KoderFinns.
void SparaKontoplanSom(Bokforingsdata &data, const std::string &sokvag);

} // namespace tovana
