#pragma once
// The settlement of a period's VAT: one verification that clears, for the
// period, every account of the VAT boxes (10–12, 30–32, 48, 60–62) against the
// settlement account, with the öre that box 49 leaves out to the rounding
// account. For a quarter with 18 097,50 of output VAT on 2620 and 13 895,30 of
// input VAT on 2640 (box 49: 18 097 − 13 895 = 4 202):
//
//     144;20260331;18097,5;2620;0;0;Momsavräkning 2026-01-01 – 2026-03-31
//     144;20260331;13895,3;0;2640;0;Momsavräkning 2026-01-01 – 2026-03-31
//     144;20260331;4202;0;2650;0;Momsavräkning 2026-01-01 – 2026-03-31
//     144;20260331;0,2;0;3740;0;Momsavräkning 2026-01-01 – 2026-03-31
//
// Afterwards the period's posts on each VAT account sum to zero, and the
// settlement account holds box 49 as a liability (credit), or as a claim
// (debit) when it is below zero. The posts are ordinary posts of the ledger.

#include "core/Bokforingsdata.h"
#include "core/Momskodfil.h"
#include "core/Period.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tovana {

// "Momsavräkning 2026-01-01 – 2026-03-31": the text of every post of the
// period's settlement, by which a second settlement is known.
std::string MomsavrakningText(const Period &period);

// The posts of the settlement: the verification number after the highest in
// the ledger, dated the period's last day (written as the ledger's last
// readable date is, ÅÅMMDD or ÅÅÅÅMMDD), one post for each VAT account whose
// period's posts do not already sum to zero, then the settlement account and
// the rounding account (each only when its amount is not 0). Refused with a
// Swedish message (Korningsfel), computing nothing, when either account is not
// in the chart, when a post of the ledger already has the period's settlement
// text, when there is nothing to clear, or when the VAT accounts differ from
// box 49 by more than the öre its boxes leave out (a settlement keyed by hand
// in the period, or output VAT on the debit side, for instance).
std::vector<TPost> BeraknaMomsavrakning(const Bokforingsdata &data, const Period &period,
                                        const Momskoder &koder, int32_t avrakningskonto,
                                        int32_t oreskonto);

// Appends the posts to the ledger file in one write and then to the table, as
// a post keyed on the entry panel is saved; returns how many. A failed write
// raises and changes nothing. Refused while the ledger is open read-only.
int32_t SparaMomsavrakning(Bokforingsdata &data, const std::vector<TPost> &poster);

} // namespace tovana
