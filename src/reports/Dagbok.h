#pragma once
// The journal: every post of the ledger in table order with all seven fields,
// shown 25 posts to a page on the report grid the account statement uses.
//
//     Ver.nr.  Datum   Belopp    Debet  Kredit  Kod  Text
//     12       120315  1 250,50  1930   3010    0    Försäljning kontant

#include "core/Bokforingsdata.h"

#include <string>
#include <vector>

namespace tovana {

struct Dagboksrad {
    std::string vernr;  // the verification number in decimal
    std::string datum;  // the date as stored
    std::string belopp; // KortBeloppstext of the amount
    std::string debet;  // the debit account, "0" when there is no debit side
    std::string kredit; // the credit account, "0" when there is no credit side
    std::string kod;    // the code ("0" for none), empty when the chart has no codes
    std::string text;   // the post's text

    bool operator==(const Dagboksrad &) const = default;
};

// One line for each of posts 1..Postantal, in table order, from index 0.
std::vector<Dagboksrad> ByggDagbok(const Bokforingsdata &data);

// The lines of one page: posts forsta + 1 .. forsta + antal (line index forsta
// onwards), fewer or none where the range leaves the ledger. The screen formats only the
// page it shows, so paging a ledger of a million posts costs 25 lines.
std::vector<Dagboksrad> ByggDagbokssida(const Bokforingsdata &data, int forsta, int antal);

} // namespace tovana
