#pragma once
// Adding one account to the chart: cleaning the class and number boxes as the
// user leaves them, the four checks of a new account, and placing it in class
// and number order.
//
// The checks run in a fixed order and every one that fails is reported, each
// with its own message and the box it concerns; only then is the account added
// or refused.

#include "core/Bokforingsdata.h"

#include <functional>
#include <string>
#include <string_view>

namespace tovana {

// The texts of the class, number and name boxes.
struct Kontoforslag {
    std::string typ;
    std::string nummer;
    std::string namn;
};

// The box a failed check concerns; Ingen for the duplicate number.
enum class Kontofalt { Ktyp, Knummer, Knamn, Ingen };

struct Kontofel {
    Kontofalt falt;
    std::string meddelande;
};

// The class box keeps only the digits 0 to 8, in order; the number box keeps
// only the digits 0 to 9.
std::string RensaKontotyp(std::string_view text);
std::string RensaKontonummer(std::string_view text);

// Runs the four checks in order and calls `fel` for each that fails (a chart
// open read-only raises Korningsfel before any check):
//   1. the class is not 1..8,
//   2. the number has fewer than two characters,
//   3. the name has fewer than two characters,
//   4. an account already carries the number (the last such one is named).
// A class text that is not an integer raises Korningsfel before any check is
// reported; a number text that is not an integer raises it at check 4 when the
// chart holds accounts. Returns whether all checks passed.
bool KontrolleraNyttKonto(const Bokforingsdata &data, const Kontoforslag &forslag,
                          const std::function<void(const Kontofel &)> &fel);

// Adds the account (name cut to 80 characters) at its place in class and number
// order and returns the slot; a class-8 account sets KoderFinns, and the chart
// is marked changed (KontoplanAndrad) until it is saved. Refused
// (Korningsfel) while the chart is open read-only.
int32_t LaggTillKonto(Bokforingsdata &data, const Kontoforslag &forslag);

} // namespace tovana
