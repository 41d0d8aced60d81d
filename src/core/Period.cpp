#include "core/Period.h"

#include <cstdio>

namespace tovana {

std::string Strecktext(const Datum &datum) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", datum.ar, datum.manad, datum.dag);
    return text;
}

std::string Periodtext(const Period &period) {
    return Strecktext(period.fran) + " \u2013 " + Strecktext(period.till);
}

Datum Manadsslut(int ar, int manad) {
    return {ar, manad, DagarIManad(ar, manad)};
}

Period Kalenderar(int ar) {
    return {{ar, 1, 1}, {ar, 12, 31}};
}

std::optional<Period> LasPeriod(std::string_view fran, std::string_view till) {
    const auto f = LasDatum(fran);
    const auto t = LasDatum(till);
    if (!f || !t || *t < *f)
        return std::nullopt;
    return Period{*f, *t};
}

} // namespace tovana
