#pragma once
// The calculator beside the amount box: two amounts and one of the four signs,
// the answer written as an amount the amount box accepts.

#include <optional>
#include <string>
#include <string_view>

namespace tovana {

// Cleans one calculator amount box: first "." -> ",", then the first blank removed.
std::string RensaRaknebelopp(std::string text);

// a <tecken> b; nullopt when the sign is not exactly "+", "-", "*" or "/". Raises Korningsfel
// with the conversion message, or "Floating point division by zero" /
// "Invalid floating point operation" (0/0). Result: two decimals, decimal comma, no grouping.
std::optional<std::string> Raknehjalp(std::string_view a, std::string_view tecken,
                                      std::string_view b);

} // namespace tovana
