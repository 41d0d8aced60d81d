#pragma once
// Editing the chart in memory: the plain account list of the editing panel,
// renaming and removing an account, and saving the chart under a changed
// internal name. An account's class and number never change here; an account
// that should have another number is removed and added anew. Every change is
// refused (Korningsfel) while the chart is open read-only. Renaming and removing
// an account mark the chart changed (KontoplanAndrad) until it is saved.

#include "core/Bokforingsdata.h"

#include <string>
#include <vector>

namespace tovana {

// The warning shown when an account that posts use is removed.
extern const std::string kRaderingsvarning;

// One line per account in slot order, "1510 Kundfordringar", no class headings:
// line i (from 0) is slot i + 1.
std::vector<std::string> Kontorader(const Bokforingsdata &data);

// Whether `slot` holds an account (1..Kontoantal).
bool ArKontoslot(const Bokforingsdata &data, int32_t slot);

// Gives the account in `slot` the name, cut to 80 characters. False, and
// nothing changed, when the slot holds no account.
bool BytKontonamn(Bokforingsdata &data, int32_t slot, const std::string &namn);

// Whether some post uses the account number as its debit or credit account.
// The code field is not examined.
bool AnvandsIRedovisningen(const Bokforingsdata &data, int32_t nummer);

// Removes the account in `slot`: later accounts move one slot down and the
// slot freed at the end is emptied. False, and nothing changed, when the slot
// holds no account.
bool TaBortKonto(Bokforingsdata &data, int32_t slot);

// Writes the chart to its file under the new internal name (cut to 80
// characters), which then stays; a chart holding codes sets KoderFinns. When
// the file cannot be written the old name stays.
void SparaAndradKontoplan(Bokforingsdata &data, const std::string &namn);

} // namespace tovana
