#pragma once
// The entry form's state beside the books: whether the debit and the credit
// side of the post being keyed have been examined and the post may be saved,
// the open balance of the verification being keyed, and which group of six the
// last-posts rows show (0 the newest; the post-change controls page it). The
// entry panel holds one; the entry operations take it beside the books.

#include <cstdint>

namespace tovana {

struct Postformular {
    bool DebetKontrollerad = false;
    bool KreditKontrollerad = false;
    bool PostGodkand = false;

    double Konteringssaldo = 0;
    int32_t Sexpostsida = 0;
};

} // namespace tovana
