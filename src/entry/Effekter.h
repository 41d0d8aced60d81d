#pragma once
// What a post does to the balance sheet and the income statement: for the debit
// and the credit account's classes, the texts that tell the user which side grows
// or shrinks ("Tillgångarna ökar med", "+ 1 000,00") and the three totals
// (assets, equity and liabilities, this year's result).
//
// The texts land in 27 labels of the entry panel, named by Effektlabelnamn();
// an empty text means the label says nothing.

#include "core/Bokforingsdata.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tovana {

struct Bokforingskonto {
    bool hittat = false;
    Kontotyp typ = 0;
    std::string namn;
};

// Looks the number up among the chart's accounts of classes 1..7 (codes never found);
// with several accounts of that number the last in table order wins.
Bokforingskonto SokBokforingskonto(const Bokforingsdata &data, int32_t nummer);

constexpr std::size_t kEffektlabelantal = 27;

// The objectNames of the 27 effect labels, fixed order ("LabelTeffekt1", "LabelTeffekt1Bel", ...).
const std::array<std::string, kEffektlabelantal> &Effektlabelnamn();

struct Effekttexter {
    std::array<std::string, kEffektlabelantal>
        text; // in Effektlabelnamn() order, empty = nothing said

    // The text of one label by its objectName; an unknown name is a programming error
    // (std::out_of_range).
    const std::string &operator[](std::string_view labelnamn) const;
    std::string &operator[](std::string_view labelnamn);
};

// The texts for a debit side alone (what leaving the debit box shows).
Effekttexter DebetEffekter(const Bokforingsdata &data, int32_t debet, double belopp);

// The texts for the whole post; std::nullopt = that box is empty (side absent).
Effekttexter KonteringsEffekter(const Bokforingsdata &data, std::optional<int32_t> debet,
                                std::optional<int32_t> kredit, double belopp);

} // namespace tovana
