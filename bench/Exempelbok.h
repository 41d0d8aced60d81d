#pragma once
// A made-up year for the benchmarks and for trying the program with a large
// ledger: a chart of 200 accounts (every class, ten codes) and a ledger that
// opens with one-sided opening posts and then runs verifications of one to four
// posts through the year, dates ÅÅMMDD in order, every fifth result post coded:
//
//     1;260101;38844,38;1010;0;0;IB-post
//     16;260112;23049,12;1110;0;0;Kundfaktura 16
//     16;260112;18439,3;0;3060;60;Kundfaktura 16
//     16;260112;4609,82;0;2310;0;Kundfaktura 16

#include "core/Bokforingsdata.h"

#include <string>
#include <vector>

namespace tovana::bench {

// The 200 accounts in table order, from index 0.
std::vector<TKonto> Exempelkonton();

// Exactly `antal` posts in file order; the same count always gives the same posts.
std::vector<TPost> Exempelposter(long antal);

// Writes the chart (unless its name is empty) and the ledger; a file that
// cannot be written raises.
void SkrivExempelbok(long antal, const std::string &kontoplan, const std::string &redovisning);

} // namespace tovana::bench
