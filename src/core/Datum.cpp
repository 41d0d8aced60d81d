#include "core/Datum.h"

#include "core/Teckentabell.h"

#include <algorithm>

namespace tovana {

namespace {

bool ArSiffror(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Tal(std::string_view siffror) {
    int v = 0;
    for (char c : siffror)
        v = v * 10 + (c - '0');
    return v;
}

bool ArStrecktDatum(std::string_view text) {
    return text.size() == 10 && text[4] == '-' && text[7] == '-' && ArSiffror(text.substr(0, 4)) &&
           ArSiffror(text.substr(5, 2)) && ArSiffror(text.substr(8, 2));
}

std::optional<Datum> Giltigt(int ar, int manad, int dag) {
    if (!ArGiltigtDatum(ar, manad, dag))
        return std::nullopt;
    return Datum{ar, manad, dag};
}

} // namespace

bool ArSkottar(int ar) {
    return (ar % 4 == 0 && ar % 100 != 0) || ar % 400 == 0;
}

int DagarIManad(int ar, int manad) {
    static constexpr int kDagar[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (manad < 1 || manad > 12)
        return 0;
    return manad == 2 && ArSkottar(ar) ? 29 : kDagar[manad - 1];
}

bool ArGiltigtDatum(int ar, int manad, int dag) {
    return ar >= 1 && ar <= 9999 && dag >= 1 && dag <= DagarIManad(ar, manad);
}

std::optional<Datum> LasDatum(std::string_view text, int forstaAr) {
    text = Trimmad(text);
    if (ArStrecktDatum(text))
        return Giltigt(Tal(text.substr(0, 4)), Tal(text.substr(5, 2)), Tal(text.substr(8, 2)));
    if (!ArSiffror(text))
        return std::nullopt;
    if (text.size() == 8)
        return Giltigt(Tal(text.substr(0, 4)), Tal(text.substr(4, 2)), Tal(text.substr(6, 2)));
    if (text.size() == 6) {
        // The year of the hundred from forstaAr whose last two digits are ÅÅ.
        const int ar = forstaAr + ((Tal(text.substr(0, 2)) - forstaAr % 100) % 100 + 100) % 100;
        return Giltigt(ar, Tal(text.substr(2, 2)), Tal(text.substr(4, 2)));
    }
    return std::nullopt;
}

std::string Datumtext(const Datum &datum) {
    std::string ut = std::to_string(Datumtal(datum));
    ut.insert(0, 8 - std::min<std::size_t>(8, ut.size()), '0');
    return ut;
}

int32_t Datumtal(const Datum &datum) {
    return datum.ar * 10000 + datum.manad * 100 + datum.dag;
}

std::string Lagringsdatum(std::string_view text) {
    const auto datum = LasDatum(text);
    if (!datum)
        return std::string(text);
    const std::string_view trimmad = Trimmad(text);
    return ArStrecktDatum(trimmad) ? Datumtext(*datum) : std::string(trimmad);
}

} // namespace tovana
