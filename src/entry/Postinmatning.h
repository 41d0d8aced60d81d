#pragma once
// Keying one post on the entry panel: the clean-up of the verification number
// and amount boxes, the defaults of an empty box, and the save that appends the
// post to the ledger file and the table and carries the open balance of a
// verification split over several posts.
//
// A post keyed as amount 1250, debit 1930 and no credit becomes the file line
//
//     1;120315;1250;1930;0;0;Kontantförsäljning
//
// and leaves a debit balance of 1 250,00 until posts crediting 1 250 follow.

#include "core/Bokforingsdata.h"
#include "entry/Postformular.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tovana {

// The digits '0'..'9' of the text, in order; everything else dropped.
std::string BaraSiffror(std::string_view text);

// The amount box's clean-up: the first "." becomes ",", then only digits and
// commas are kept ("1 234.50" -> "1234,50", "-200" -> "200").
std::string NormaliseraBelopp(std::string_view text);

// The number of the last post in the table plus 1 (not the highest number in
// use); 1 in an empty ledger. Wider than 32 bits so that the last possible
// number gives a text that fails to convert instead of wrapping round.
int64_t NastaVernr(const Bokforingsdata &data);

// The date of the last post in the table as stored; empty in an empty ledger.
std::string ForegaendeDatum(const Bokforingsdata &data);

// What stops the date box's text (after the defaults) from being saved: a line
// break, a ";" (which would shift the line's later fields), or a text the date
// rule (Datum.h) cannot read, unless it is the previous post's date as stored,
// which an empty box takes. Empty when the date may be saved.
std::string Datumfel(const Bokforingsdata &data, std::string_view datum);

// The seven entry boxes' texts.
struct Postrutor {
    std::string vernr;
    std::string datum;
    std::string belopp;
    std::string debet;
    std::string kredit;
    std::string kod;
    std::string text;

    bool operator==(const Postrutor &) const = default;
};

// Fills every empty box with its default: the next verification number, the
// previous date, and "0" for the amount, the accounts and the code.
void FyllStandardvarden(const Bokforingsdata &data, Postrutor &rutor);

// The change a post makes to the open balance: its amount subtracted when it has
// no debit side (account 0), added when it has no credit side.
double Saldoandring(double saldo, const TPost &post);

// Whether the post moves the open balance (a side is absent).
bool ArEnsidig(const TPost &post);

// Saves the post that stands in the boxes (after the defaults): converts all
// seven texts first (a text that does not convert raises the runtime's message,
// a date with a Datumfel raises that, and nothing is written), appends the line
// with the amount as typed and the date as stored (Lagringsdatum: 2026-03-15
// becomes 20260315; the text cut to 100 characters, as in the table), then adds
// the post to the table and updates the form's Konteringssaldo, and the next
// post starts unchecked (BorjaNyPost). A failed append leaves the table, the
// balance and the entry flags as they were. Returns the new post's slot. Refused
// (Korningsfel) while the ledger is open read-only.
int32_t SparaPost(Bokforingsdata &data, Postformular &formular, const Postrutor &rutor);

// The balance line after a save: "Debetsaldo med 1 250,00" or
// "Kreditsaldo med 250,00"; empty when the verification balances.
std::string SaldotextEfterSparning(double saldo);

} // namespace tovana
