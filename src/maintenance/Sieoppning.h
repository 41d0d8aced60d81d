#pragma once
// The SIE file on disk: reading one for an import, writing the new chart and
// ledger an import gives and opening them as the current ones, and writing an
// export where no open chart or ledger lies. The file dialogs and the messages
// are the panel's; these say in Korningsfel what stopped them.

#include "core/Bokforingsdata.h"
#include "maintenance/Sieexport.h"
#include "maintenance/Sieimport.h"

#include <string>

namespace tovana {

// The SIE file's bytes read and imported (see Importera). A file that cannot be
// read raises Korningsfel with the runtime's text and the file's name; a file
// that reads but holds errors gives them in `fel`.
SieImport LasSiefil(const std::string &sokvag);

// Writes a successful export to the file (SkrivSiefil) once the file's write
// lock is taken, so that an export never overwrites the open chart or ledger or
// a file open in another window: that raises Korningsfel and writes nothing.
void SparaSiefil(const std::string &sokvag, const SieExport &exp);

// Writes the import's chart to `kontoplanfil` and its ledger to
// `redovisningsfil`, then opens both as the current chart and ledger
// (OppnaKontoplan, OppnaRedovisning) and returns what the user is told about a
// file that opened read-only (empty when both may be changed).
//
// Both files are locked for this window before anything is written (see
// KravSkrivlas): a file open elsewhere, or the same file named twice, raises
// and nothing is written. Both files are written in full to temporary files
// before either replaces its target (ForbereddSkrivning), so a failure while
// writing leaves both targets as they were; only a rename of the ledger that
// fails after the chart's raises naming both. Nothing in `data` changes unless
// both files were written and read back whole; then the chart and the ledger,
// their names, files, flags and locks are the new ones, the old files' locks
// are released, and the company file and its details are forgotten
// (GlomForetaget). KoderFinns is set when the new chart holds a code, never
// cleared.
//
// The new ledger's change log begins with the import: "Loggen börjar" with
// the empty ledger, then "SIE-import" with every post, written before the
// files are. A ledger file that already has a log is not written over: the
// import is refused (first for a post in its closed period, if any) and
// nothing is written.
std::string SkapaFranSie(Bokforingsdata &data, const SieImport &import,
                         const std::string &kontoplanfil, const std::string &redovisningsfil);

} // namespace tovana
