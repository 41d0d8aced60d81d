#pragma once
// What the books know of the company behind them: its name, its organisation
// number, its financial year and how often it reports VAT. Each may be
// unknown; the statements, the SIE export and the VAT return use what is
// known and fall back where it is not (the ledger's name for the company's).
//
// The organisation number is ten digits, the last a check digit over the
// first nine by the Luhn rule (every other digit from the first doubled, the
// digits of the products summed): 555555-5555 is one, 555555-5556 is not. It
// is kept as written on documents, with a hyphen after the sixth digit.
//
// The financial year runs from its first day to its last, at most 18 months
// (a first year, or one laid over to new dates, may be longer than 12 months,
// never longer than 18; 2025-07-01 to 2026-12-31 is the longest from July).

#include "core/Datum.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tovana {

// The longest company name that is stored, in characters (as every stored name).
constexpr std::size_t kForetagsnamnlangd = 80;

enum class Momsperiod { Okand, Manad, Kvartal, Ar };

// The first and the last day of a financial year.
struct Arsperiod {
    Datum fran;
    Datum till;

    bool operator==(const Arsperiod &) const = default;
};

struct Foretagsuppgifter {
    std::string namn{};  // empty: not known
    std::string orgnr{}; // "NNNNNN-NNNN"; empty: not known
    std::optional<Arsperiod> rakenskapsar{};
    Momsperiod momsperiod = Momsperiod::Okand;

    // Whether nothing at all is known.
    bool Tom() const;

    bool operator==(const Foretagsuppgifter &) const = default;
};

// Whether the ten digits pass the Luhn check (false for anything but ten digits).
bool LuhnGiltig(std::string_view siffror);

// The organisation number typed as ten digits, with or without a hyphen after
// the sixth ("5555555555", "555555-5555", blanks around ignored), written
// "555555-5555"; std::nullopt when it is not ten such digits with a valid
// check digit.
std::optional<std::string> LasOrgnr(std::string_view text);

// What the user is told about a typed organisation number that LasOrgnr
// refuses (a wrong form, or a wrong check digit); empty when it reads.
std::string OrgnrFel(std::string_view text);

// What the user is told about a financial year whose last day is not after its
// first, or that is longer than 18 months; empty when it may stand.
std::string RakenskapsarFel(const Arsperiod &ar);

// The VAT period as the company file writes it ("manad", "kvartal", "ar"; ""
// when unknown) and as it reads it (also "månad" and "år", any case).
std::string Momsperiodord(Momsperiod period);
std::optional<Momsperiod> LasMomsperiod(std::string_view text);

} // namespace tovana
