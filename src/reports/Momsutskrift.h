#pragma once
// The VAT return as a printout (Utskrift.h): the company's name and
// organisation number, the period, and every box with an amount, each followed
// by the accounts behind it; then box 49 and what it means, and the problems
// the report found.
//
//     <tr><td>11</td><td>Utgående moms 12 %</td><td align="right">18 097</td></tr>
//     <tr><td></td><td><font size="1">2620  Utgående moms 12 %  18 097,50</font></td>...

#include "core/Bokforingsdata.h"
#include "core/Momskodfil.h"
#include "reports/Momsrapport.h"
#include "reports/Utskrift.h"

#include <string>

namespace tovana {

// The printout of the return computed for `rapport.period` with `koder`,
// stamped with the date text `datum`.
Utskrift MomsrapportUtskrift(const Bokforingsdata &data, const Momsrapport &rapport,
                             const Momskoder &koder, const std::string &datum);

} // namespace tovana
