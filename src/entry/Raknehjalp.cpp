#include "entry/Raknehjalp.h"

#include "core/Fel.h"
#include "core/Taltext.h"

#include <cmath>

namespace tovana {

std::string RensaRaknebelopp(std::string text) {
    if (const auto punkt = text.find('.'); punkt != std::string::npos)
        text[punkt] = ',';
    if (const auto blank = text.find(' '); blank != std::string::npos)
        text.erase(blank, 1);
    return text;
}

std::optional<std::string> Raknehjalp(std::string_view a, std::string_view tecken,
                                      std::string_view b) {
    if (tecken != "+" && tecken != "-" && tecken != "*" && tecken != "/")
        return std::nullopt;
    const double x = TextTillBelopp(RensaRaknebelopp(std::string(a)));
    const double y = TextTillBelopp(RensaRaknebelopp(std::string(b)));
    double svar = 0;
    switch (tecken[0]) {
    case '+':
        svar = x + y;
        break;
    case '-':
        svar = x - y;
        break;
    case '*':
        svar = x * y;
        break;
    default:
        if (y == 0)
            throw Korningsfel(x == 0 ? "Invalid floating point operation"
                                     : "Floating point division by zero");
        svar = x / y;
        break;
    }
    // An answer beyond the range of a double would reach the amount box as "INF".
    if (std::isinf(svar))
        throw Korningsfel("Floating point overflow");
    if (std::isnan(svar))
        throw Korningsfel("Invalid floating point operation");
    return Beloppstext(svar, "");
}

} // namespace tovana
