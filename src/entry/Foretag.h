#pragma once
// The company: the chart file and the ledger file that open together with one
// command, named by the two lines of a company file (.ftg). A relative path in
// a company file names a file beside the company file, so that a company folder
// opens wherever it is copied to.

#include "core/Bokforingsdata.h"

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
// tables, counts, both paths as placed, both loaded flags, Foretagsfil, the chart
// unchanged (KontoplanAndrad cleared), and KoderFinns set when the
// chart holds a code (never cleared here). A file that fails to read changes
// nothing; its error names the file and line. Both files are locked as
// OppnaKontoplan and OppnaRedovisning lock them; the returned text tells the
// user which of them opened read-only (empty when both may be changed).
std::string OppnaForetag(Bokforingsdata &data, const std::string &foretagsfil);

// Writes the company file naming the chart and ledger files in memory; the
// paths themselves do not change. The written file becomes Foretagsfil.
void SparaForetag(Bokforingsdata &data, const std::string &foretagsfil);

// What the user is told after the company file was written.
std::string ForetagSparatText(const std::string &foretagsfil);

} // namespace tovana
