#pragma once
// The rules of the entry panel's boxes: the help lines each box shows while it
// has the focus, what entering the debit or credit box without an amount says,
// what leaving them does (the accounts checked against the chart, the effects
// to show, the message for an account the chart lacks), and whether "Nästa
// post" may save the post that stands in the boxes. The panel only moves the
// texts these return and the focus they name.
//
// Amount "1 250,00", debit 1930 and credit 3010, both in the chart, leave the
// credit box with the effects of both accounts and no message; credit 3999,
// not in the chart, shows the debit's effects and the message for 3999.

#include "core/Bokforingsdata.h"
#include "entry/Effekter.h"
#include "entry/Postformular.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// The seven entry boxes, in their order on the panel and in the tab order.
enum class Postruta { Vernr, Datum, Belopp, Debet, Kredit, Kod, Text };
constexpr int kPostrutor = 7;

// The two help lines under the panel while the box has the focus ("" = empty).
struct Hjalprader {
    const char *rad1;
    const char *rad2;
};
Hjalprader Hjalptext(Postruta ruta);

// Entering the debit or credit box while the amount box is empty: the message
// to show before the focus goes back to the amount box; empty when there is an
// amount (or for any other box).
std::string BeloppSaknasText(Postruta ruta, std::string_view belopp);

// The message for an account number the chart lacks (the box's text as shown).
std::string KontoSaknasText(std::string_view konto);

// What leaving the debit or credit box does: the effects to show in the
// cleared effect area (none when absent), then the message to show (none when
// empty).
struct Kontoutfall {
    std::optional<Konteringseffekt> effekter;
    std::string meddelande;
};

// Leaving the debit box with its (cleaned) text: an empty box does nothing;
// otherwise the debit counts as checked, and an account in the chart shows its
// effects, one that is not shows KontoSaknasText. A number that does not
// convert raises the runtime's message with the flags as they were.
Kontoutfall LamnaDebetruta(const Bokforingsdata &data, Postformular &formular,
                           std::string_view debet, std::string_view belopp);

// Leaving the credit box: both sides count as checked (an empty box is a side
// left out); the effects of the sides found in the chart are shown when either
// is found, then KontoSaknasText for a credit account the chart lacks. A number
// that does not convert raises the runtime's message; a debit checked before
// it stays checked.
Kontoutfall LamnaKreditruta(const Bokforingsdata &data, Postformular &formular,
                            std::string_view debet, std::string_view kredit,
                            std::string_view belopp);

// "Nästa post" before saving: the post is approved once both sides were
// checked (and stays approved until the post is saved, the panel is opened
// again or another ledger is read), never with both account boxes empty. A refused post gives its
// messages in order and possibly the box to take the focus.
struct Postprovning {
    bool godkand = false;
    std::vector<std::string> meddelanden;
    std::optional<Postruta> fokus;
};
Postprovning ProvaPost(Postformular &formular, std::string_view debet, std::string_view kredit);

// Starts a new post: neither side checked and nothing approved. Run when a post
// has been saved, so that the next post never passes "Nästa post" unchecked.
void BorjaNyPost(Postformular &formular);

// Another ledger is the one in memory, or the entry panel opens for keying: a
// new post (BorjaNyPost), so that one keyed before is never saved unchecked,
// and the last-posts rows back at the newest group.
void BorjaOmFormularet(Postformular &formular);

} // namespace tovana
