#pragma once
// The income statement and the balance sheet for a period: the income
// statement counts the posts dated in the period, the balance sheet every post
// dated up to and including its last day. Both are the lines of the ordinary
// statements (Balansberakning.h), so the statement panel and the printout show
// them as they stand, under the period's heading:
//
//     Resultaträkning 2026-01-01 – 2026-03-31
//     Balansräkning 2026-03-31
//
// Over a period holding every post the lines equal the ordinary statements to
// the öre. A post whose date cannot be read counts in neither and is listed as
// a problem.

#include "core/Bokforingsdata.h"
#include "core/Period.h"
#include "reports/Balansberakning.h"

#include <optional>
#include <string>
#include <vector>

namespace tovana {

struct Periodrapport {
    std::string rubrik; // "Resultaträkning 2026-01-01 – 2026-03-31" or "Balansräkning 2026-03-31"
    Rapportrader rader;
    std::vector<std::string> problem; // one line for each post whose date cannot be read
};

std::string PeriodRRrubrik(const Period &period);
std::string PeriodBRrubrik(const Period &period);

// The income statement of the posts dated in the period.
Periodrapport ByggPeriodensResultatrakning(const Bokforingsdata &data, const Period &period,
                                           Rapportform form);

// The balance sheet of every post dated up to and including the period's end.
Periodrapport ByggPeriodensBalansrakning(const Bokforingsdata &data, const Period &period,
                                         Rapportform form);

// The period a period panel starts with: the financial year when it is known,
// else the calendar year of the first date the rule reads in the ledger;
// std::nullopt when no post has such a date.
std::optional<Period> ForvaldRapportperiod(const Bokforingsdata &data,
                                           const std::optional<Period> &rakenskapsar);

} // namespace tovana
