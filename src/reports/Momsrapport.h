#pragma once
// The VAT return for a period: the amount of each box of form SKV 4700, summed
// from the posts dated in the period on the accounts that feed it (Momsrutor.h,
// Momskodfil.h), and box 49, what is to pay or to get back.
//
//     05  Momspliktig försäljning som inte ingår i ruta 06, 07 eller 08  150 812
//     11  Utgående moms 12 %                                              18 097
//     48  Ingående moms att dra av                                        13 895
//     49  Moms att betala eller få tillbaka                                4 202
//
// A base box of sales (05–08, 35, 36, 38–42) holds its accounts' credits less
// their debits, a base box of purchases (20–24, 37, 50) the debits less the
// credits; an output VAT box (10–12, 30–32, 60–62) its accounts' credits and
// box 48 its accounts' debits, so that a settlement, which debits output VAT
// and credits input VAT, never counts (nor, therefore, does output VAT taken
// back on the debit side by a credit note: the settlement refuses such a
// period, see Momsavrakning.h).
//
// Whole kronor: the form takes every box in whole kronor, without öre
// (Skatteverket, "Fylla i momsdeklarationen"); the program drops the öre,
// towards zero, box by box (HelaKronor, the one place to change should the
// instructions say otherwise). Box 49 is
// 10 + 11 + 12 + 30 + 31 + 32 + 60 + 61 + 62 − 48 of the boxes so rounded.

#include "core/Bokforingsdata.h"
#include "core/Momskodfil.h"
#include "core/Period.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// The account a settlement clears the VAT against, and the one that takes the
// öre: preset as in a BAS chart.
constexpr int32_t kForvaltAvrakningskonto = 2650;
constexpr int32_t kForvaltOreskonto = 3740;

struct Momsrapport {
    Period period;
    // Indexed by box number (0..62): the exact amount, and the whole kronor.
    std::array<double, 63> exakt{};
    std::array<int64_t, 63> kronor{};
    int64_t ruta49 = 0;
    // A line for each post in the period on a 26xx account that feeds no box
    // (the settlement account apart), and for each post whose date cannot be read.
    std::vector<std::string> problem;
};

// The box's whole kronor from its exact amount: the öre dropped.
int64_t HelaKronor(double belopp);

// The return for the period. `avrakningskonto` is the settlement account: its
// posts are no problem although it feeds no box.
Momsrapport BeraknaMomsrapport(const Bokforingsdata &data, const Period &period,
                               const Momskoder &koder,
                               int32_t avrakningskonto = kForvaltAvrakningskonto);

// One row of the return as the VAT panel lists it.
struct Momsrad {
    int ruta = 0;
    std::string text; // "11  Utgående moms 12 %  18 097"

    bool operator==(const Momsrad &) const = default;
};

// A row for every box with whole kronor other than 0, in the form's order,
// then always the row of box 49.
std::vector<Momsrad> Momsrader(const Momsrapport &rapport);

// "Moms att betala: 12 345 kr", or "Moms att få tillbaka: 12 345 kr" when box 49
// is below 0.
std::string MomsAttText(int64_t ruta49);

// What lies behind a box in the period: a row for each account that feeds it
// with the account's amount by the box's rule ("2620  Utgående moms 12 %
// 18 097,50"), then a row for each post on those accounts ("12  260214
// 1 128,00  0  2620  Utgående moms 12 %"). Box 49 shows the accounts and posts
// of every box it sums.
struct Rutunderlag {
    std::vector<std::string> konton;
    std::vector<std::string> poster;
};
Rutunderlag BeraknaRutunderlag(const Bokforingsdata &data, const Period &period,
                               const Momskoder &koder, int ruta);

// How often the company files its VAT return.
enum class Momsperiodtyp { Manad, Kvartal, Ar };

// "manad", "kvartal", "ar" as the company file writes them; std::nullopt else.
std::optional<Momsperiodtyp> LasMomsperiodtyp(std::string_view text);

// The period the VAT panel starts with: the last whole month, quarter or
// calendar year that ended before `idag`; the last whole calendar quarter when
// the company's VAT period is not known.
Period ForvaldMomsperiod(const Datum &idag, std::optional<Momsperiodtyp> typ);

} // namespace tovana
