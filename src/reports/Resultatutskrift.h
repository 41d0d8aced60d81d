#pragma once
// The printouts of the income statement and the balance sheet: the statement
// lines of the printout form in a two-column table under the heading line.
//
//     <tr>
//     <td><font face="Verdana" size="2">Försäljning</font></td>
//     <td width="30%" align="right"><font face="Verdana" size="2">800,00</font></td>
//     </tr>

#include "core/Bokforingsdata.h"
#include "reports/Periodrapport.h"
#include "reports/Utskrift.h"

#include <string>
#include <vector>

namespace tovana {

// The printouts, stamped with the date text `datum`.
Utskrift ResultatrakningUtskrift(const Bokforingsdata &data, const std::string &datum);
Utskrift BalansrakningUtskrift(const Bokforingsdata &data, const std::string &datum);

// The printout of a period's statement (built in the printout form): its
// heading, "Resultaträkning 2026-01-01 – 2026-03-31 för Kafé 2026", over the
// same table.
Utskrift PeriodrapportUtskrift(const Bokforingsdata &data, const Periodrapport &rapport,
                               const std::string &datum);

// The accounts offered beside the account-number box of the printout start page:
// "number name" for every account of the chart in table order but the codes.
std::vector<std::string> Utskriftskonton(const Bokforingsdata &data);

} // namespace tovana
