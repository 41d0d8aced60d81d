#pragma once
// Closing a period of the ledger and opening it again. The closed-through date
// is kept by the ledger's change log (Behandlingslogg.h): closing writes a
// "Stängd t.o.m. ÅÅÅÅ-MM-DD" record, opening again an "Öppnad från
// ÅÅÅÅ-MM-DD: <reason>" record, and the last of them decides. No post dated on
// or before the closed-through date is saved, changed, deleted or re-sorted;
// such a post is corrected with a correction verification instead.
//
// Closing only ever moves the date forward. Opening again moves it back to the
// day before the date given and needs a reason, which the log keeps. Both are
// refused, in Swedish and with nothing written, when no ledger is open, the
// ledger is open read-only, or the log cannot be written.

#include "core/Bokforingsdata.h"

#include <optional>
#include <string>
#include <string_view>

namespace tovana {

// The state shown when nothing is closed.
inline const std::string kIngenStangdPeriod = "Ingen period är stängd.";

// The ledger's closed period as the user is told it: "Ingen period är
// stängd." or "Stängd t.o.m. 2026-03-31".
std::string Periodlage(const Bokforingsdata &data);

// The closed-through date when a period is closed (a date opened again from
// the calendar's first day closes nothing).
std::optional<Datum> StangdGrans(const Bokforingsdata &data);

// "Stäng perioden": closes the ledger through the date `tom` (read by the
// date rule), writing its record and then setting StangdTom. Refused when the
// date cannot be read or is not after the date closed through already.
void StangPeriod(Bokforingsdata &data, std::string_view tom);

// "Öppna igen": opens the closed period again from the date `fran`, for the
// reason `skal` (blanks around it dropped), writing its record and then
// setting StangdTom to the day before `fran`. Refused when nothing is closed,
// the date cannot be read or lies after the closed-through date, and when the
// reason is blank, holds a line break (or another control character) or a
// character a Windows-1252 file cannot hold.
void OppnaPeriod(Bokforingsdata &data, std::string_view fran, std::string_view skal);

} // namespace tovana
