#pragma once
// How the entry panel words a post's effects in its 27 effect labels: a line
// per account ("Kassa ökar med" beside "+ 1 000,00"), the debit on its class's
// first line and a credit of the same class on the second, the change of the
// year's result on the equity column's first line, and the three totals.
// Plain C++, so that the wording can be checked without a window.

#include "entry/Effekter.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tovana {

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

// The labels' texts for the post's effects.
Effekttexter Effekttexterna(const Konteringseffekt &effekt);

} // namespace tovana
