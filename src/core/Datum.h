#pragma once
// A calendar date, and the one rule by which a post's date text is read as one.
//
// A post keeps its date as text (at most 8 characters in the ledger line
// `12;260315;1250;1930;3010;0;Kassa`), so older ledgers may hold any text
// there. The rule reads three forms and checks them against the calendar
// (30 days in April, 29 February only in a leap year):
//
//     260315       ÅÅMMDD      2026-03-15
//     20260315     ÅÅÅÅMMDD    2026-03-15
//     2026-03-15   ÅÅÅÅ-MM-DD  2026-03-15
//
// Blanks around the text are ignored. A two-digit year is placed in the hundred
// years that begin with `forstaAr`: 2000 unless told, so 991231 is 2099-12-31;
// the SIE export passes the century of its financial year instead. Every other
// text ("15/3", "0315", "15 mars", "20260230") is no date by this rule.
//
// What is stored is the date as typed, with one exception: ÅÅÅÅ-MM-DD, ten
// characters, is stored as ÅÅÅÅMMDD, so a stored date never needs more than 8.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tovana {

// A day of the calendar (year 1..9999). Ordered by year, month, day, so dates
// compare as they follow each other. (The order is spelt out rather than a
// defaulted <=>: <compare> named in a header that a panel's header reaches
// stops Qt's moc with a parse error.)
struct Datum {
    int ar = 0;
    int manad = 0;
    int dag = 0;

    bool operator==(const Datum &) const = default;
    bool operator<(const Datum &annan) const {
        return ar != annan.ar         ? ar < annan.ar
               : manad != annan.manad ? manad < annan.manad
                                      : dag < annan.dag;
    }
    bool operator>(const Datum &annan) const { return annan < *this; }
    bool operator<=(const Datum &annan) const { return !(annan < *this); }
    bool operator>=(const Datum &annan) const { return !(*this < annan); }
};

// The longest date a box takes as typed: ÅÅÅÅ-MM-DD.
constexpr std::size_t kDatumrutelangd = 10;

// What the user is told when a date box holds a text the rule cannot read.
inline const std::string kOlasbartDatum =
    "Datumet kan inte läsas. Skriv det som ÅÅMMDD, ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD.";

// Whether the year has a 29 February (every fourth year, but not whole
// centuries unless they divide by 400: 2000 does, 1900 does not).
bool ArSkottar(int ar);

// The number of days of the month (1..12) in that year; 0 for another month.
int DagarIManad(int ar, int manad);

// Whether year, month and day name a day of the calendar (year 1..9999).
bool ArGiltigtDatum(int ar, int manad, int dag);

// The text read by the rule above, or std::nullopt when it is no date.
std::optional<Datum> LasDatum(std::string_view text, int forstaAr = 2000);

// The date as ÅÅÅÅMMDD ("20260315"), the form the program stores and exports.
std::string Datumtext(const Datum &datum);

// The date as one number ÅÅÅÅMMDD (20260315), ordered as the dates are.
int32_t Datumtal(const Datum &datum);

// The text a date box's text is stored as: a date the rule reads in the form
// ÅÅÅÅ-MM-DD becomes ÅÅÅÅMMDD, another date it reads loses the blanks around
// it, and any other text stays as it is.
std::string Lagringsdatum(std::string_view text);

} // namespace tovana
