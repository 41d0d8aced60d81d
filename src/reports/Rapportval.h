#pragma once
// What the period panel and the VAT panel read from their boxes: the period
// from two date boxes, the company's financial year and VAT period as the
// reports take them, and the settlement's accounts. Each says in Swedish what
// is wrong with a box that does not read.

#include "core/Foretagsuppgifter.h"
#include "core/Period.h"
#include "reports/Momsrapport.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tovana {

// The period from its first and last day, each as the date rule reads it.
// Korningsfel naming the box when a day cannot be read, or when the first
// comes after the last.
Period LasRapportperiod(std::string_view fran, std::string_view till);

// An account of the settlement (`vad`: "avräkningskontot", "öreskontot") as
// typed; Korningsfel when it is not an account number.
int32_t LasMomsavrakningskonto(std::string_view text, std::string_view vad);

// The financial year as a period, when the company's details know it.
std::optional<Period> Rakenskapsperiod(const Foretagsuppgifter &foretag);

// The company's VAT period as the VAT return takes it; std::nullopt when unknown.
std::optional<Momsperiodtyp> Momsperiodtypen(Momsperiod period);

} // namespace tovana
