#pragma once
// A stretch of days from one date to another, both included: a quarter, a
// financial year, the months a VAT return covers. It is written in headings and
// texts as "2026-01-01 – 2026-03-31" (an en dash between blanks).

#include "core/Datum.h"

#include <optional>
#include <string>

namespace tovana {

struct Period {
    Datum fran;
    Datum till;

    bool operator==(const Period &) const = default;

    // Whether the day lies in the period, both ends included.
    bool Innehaller(const Datum &dag) const { return fran <= dag && dag <= till; }
};

// The date as ÅÅÅÅ-MM-DD ("2026-03-31").
std::string Strecktext(const Datum &datum);

// "2026-01-01 – 2026-03-31".
std::string Periodtext(const Period &period);

// The last day of the month.
Datum Manadsslut(int ar, int manad);

// The calendar year as a period: 1 January to 31 December.
Period Kalenderar(int ar);

// The period read from two date texts by the date rule; std::nullopt when
// either is no date or the first comes after the second.
std::optional<Period> LasPeriod(std::string_view fran, std::string_view till);

} // namespace tovana
