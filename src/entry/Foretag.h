#pragma once
// The company: the chart file and the ledger file that open together with one
// command, named by the two lines of a company file (.ftg).

#include "core/Bokforingsdata.h"

#include <string>

namespace tovana {

// Reads the company file, the chart it names and the ledger it names, and only
// when all three were read makes them the chart and ledger in memory: names,
// tables, counts, both paths, both loaded flags, and KoderFinns set when the
// chart holds a code (never cleared here). A file that fails to read changes
// nothing; its error names the file and line. Both files are locked as
// OppnaKontoplan and OppnaRedovisning lock them; the returned text tells the
// user which of them opened read-only (empty when both may be changed).
std::string OppnaForetag(Bokforingsdata &data, const std::string &foretagsfil);

// Writes the company file naming the chart and ledger files in memory; the
// paths themselves do not change.
void SparaForetag(const Bokforingsdata &data, const std::string &foretagsfil);

// What the user is told after the company file was written.
std::string ForetagSparatText(const std::string &foretagsfil);

} // namespace tovana
