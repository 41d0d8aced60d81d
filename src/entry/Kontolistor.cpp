#include "entry/Kontolistor.h"

#include "core/Teckentabell.h"

namespace tovana {

namespace {

// One account as listed: "1910 Kassa".
std::string Kontorad(const TKonto &konto) {
    return std::to_string(konto.nummer) + " " + konto.namn;
}

// The lines of every account (slots 1..Kontoantal, table order) that the test keeps.
template <typename Villkor>
std::vector<std::string> Lista(const Bokforingsdata &data, std::string rubrik, Villkor villkor) {
    std::vector<std::string> rader{std::move(rubrik)};
    for (const TKonto &konto : data.Kontona())
        if (villkor(konto))
            rader.push_back(Kontorad(konto));
    return rader;
}

// Whether the account's number, written in decimal, begins with the prefix.
bool BorjarMed(const TKonto &konto, std::string_view prefix) {
    return std::to_string(konto.nummer).starts_with(prefix);
}

} // namespace

std::vector<std::string> KontonSomBorjarMed(const Bokforingsdata &data, std::string_view prefix,
                                            bool medKoder) {
    return Lista(data, "Konton som börjar med " + std::string(prefix), [&](const TKonto &konto) {
        return (medKoder || konto.typ != kKoder) && BorjarMed(konto, prefix);
    });
}

std::vector<std::string> KoderSomBorjarMed(const Bokforingsdata &data, std::string_view prefix) {
    return Lista(data, "Koder som börjar med " + std::string(prefix), [&](const TKonto &konto) {
        return konto.typ == kKoder && BorjarMed(konto, prefix);
    });
}

std::vector<std::string> KontonIKlass(const Bokforingsdata &data, Kontotyp klass) {
    return Lista(data, Klassnamn(klass), [&](const TKonto &konto) { return konto.typ == klass; });
}

std::optional<std::vector<std::string>> ListaVidKontoandring(const Bokforingsdata &data,
                                                             std::string_view text) {
    switch (Teckenantal(text)) {
    case 1:
        return KontonSomBorjarMed(data, text, false);
    case 2:
        return KontonSomBorjarMed(data, text, true);
    default:
        return std::nullopt; // the two-digit list stays while the number is completed
    }
}

std::optional<std::vector<std::string>> ListaVidKodandring(const Bokforingsdata &data,
                                                           std::string_view text) {
    if (Teckenantal(text) != 1)
        return std::nullopt;
    if (!data.HarKoder())
        return std::vector<std::string>{};
    return KoderSomBorjarMed(data, text);
}

} // namespace tovana
