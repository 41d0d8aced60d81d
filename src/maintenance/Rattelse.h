#pragma once
// Correcting a booked post the lawful way: the post stays in the ledger as it
// was, and a correction verification of its own, dated in the open period,
// reverses it (debit and credit swapped, the same amount) and, when the post
// should have been another, books that one beside the reversal:
//
//     12;20260302;1250;1930;3010;0;Försäljning kontant                 the post
//     41;20260415;1250;3010;1930;0;Rättelse av ver 12: Försäljning kontant
//     41;20260415;1520;1930;3010;0;Försäljning kontant                 as it should be
//
// Together the two leave every balance as a change of the post would, and the
// log's "Rättelse" record tells when and by whom. The correction's lines name
// the verification they correct, so that the post can show "Rättad genom ver 41".

#include "core/Behandlingslogg.h"
#include "core/Bokforingsdata.h"
#include "core/Datum.h"
#include "entry/Postinmatning.h"
#include "maintenance/Postandring.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tovana {

// The text of a reversal: "Rättelse av ver 12: " and the post's own text, cut
// to the text limit.
std::string Rattelsetext(const TPost &post);

// The date of a correction made on `idag`: that day, or the first day after the
// closed period when the day lies in it.
Datum Rattelsedatum(const Bokforingsdata &data, const Datum &idag);

// The number of a new verification: one more than the highest in the ledger (1
// in an empty one).
int32_t NastaFriaVernr(const Bokforingsdata &data);

// Post `plats` reversed, as the correction verification `vernr` of `datum`
// books it.
TPost Omvand(const TPost &post, int32_t vernr, const std::string &datum);

struct Rattelse {
    int32_t vernr = 0;         // the correction verification
    std::vector<TPost> poster; // the reversal, then the corrected post if any
};

// The correction of post `plats` to the boxes' post, made on `idag`, without
// saving it: the reversal, and the corrected post when the boxes hold another
// amount, date, account, code or text than the post has (a changed
// verification number alone changes nothing: the correction gets its own).
// The corrected post is dated as the correction. The boxes are checked as a
// change is (TolkaAndringsrutor); the box at fault comes back in `fel`, and
// then the correction is empty.
Rattelse BeraknaRattelse(const Bokforingsdata &data, int32_t plats, const Postrutor &rutor,
                         const Datum &idag, Andringsfel &fel);

// Saves the correction (BeraknaRattelse) as new posts at the ledger's end,
// its "Rättelse" record written to the log first; on a box at fault nothing is
// saved and that box comes back. A ledger open read-only is refused. The
// verification saved is returned in `rattelse`.
Andringsfel SparaRattelse(Bokforingsdata &data, int32_t plats, const Postrutor &rutor,
                          const Datum &idag, Rattelse &rattelse);

// The correction verifications the log holds for this post: each "Rättelse"
// record one of whose lines is the post reversed (whatever its number and
// date). In the order they were made.
std::vector<int32_t> RattadGenom(std::span<const Loggpost> logg, const TPost &post);

// "Rättad genom ver 41" ("Rättad genom ver 41, 45" for several); empty for none.
std::string RattadGenomText(const std::vector<int32_t> &verifikationer);

} // namespace tovana
