#pragma once
// The paged list printouts of the printout start page: the journal, the chart
// of accounts in two columns, and the account statement of one account. Each
// is a table under the heading line; a new page repeats the heading line with
// its page number, and the column headings where the list has them.
//
//     <tr>
//     <td align="right"><font face="Verdana" size="2">12</font></td>
//     ...
//     <td title="Försäljning kontant"><font face="Verdana" size="2">Försäljning kontant</font></td>
//     </tr>
//
// The tables are the printout's "rader" tables (see Utskrift.h): a column
// group sets each column's width, no row wraps, and a post text or account
// name too long for its column is cut with an ellipsis on paper and kept whole
// in the cell's title. Every page is thus one sheet under its heading.
// Names, dates and texts from the chart and the ledger are escaped (HtmlText).

#include "core/Bokforingsdata.h"
#include "reports/Utskrift.h"

#include <cstdint>
#include <string>

namespace tovana {

// Posts (journal) and statement lines a page.
constexpr int kPosterPerSida = 40;

// The journal: every post in ledger order, 40 a page. Later pages carry no
// date stamp. A journal that fills its last page exactly ends with a page
// holding only the heading and the column headings.
Utskrift DagbokUtskrift(const Bokforingsdata &data, const std::string &datum);

// The chart in two columns, in table order, codes included. Page 1 has 33
// rows (slots 1..66, the right column 33 slots on) and column headings; every
// later page has 34 rows (68 slots, the right column 34 slots on), no column
// headings, and the date stamp.
Utskrift KontoplanUtskrift(const Bokforingsdata &data, const std::string &datum);

// The first slot and the row count of chart page `sida` (1-based).
struct Kontoplanssida {
    int32_t forsta; // the slot of the first row's left account
    int32_t rader;  // rows of the page; the right account is `rader` slots on
};
Kontoplanssida KontoplanSida(int sida);

// The statement of account `nummer` (ByggKontoutdrag), 40 lines a page, every
// page stamped. The heading carries the account's name, empty when the number
// is not in the chart.
Utskrift KontoutdragUtskrift(const Bokforingsdata &data, int32_t nummer, const std::string &datum);

} // namespace tovana
