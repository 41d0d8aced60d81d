#include "chart/Momskodredigering.h"

#include "core/Fel.h"
#include "core/Kontoklasser.h"
#include "core/Skrivlas.h"

#include <string>

namespace tovana {

Momskoder KontoplanensMomskoder(const Bokforingsdata &data) {
    if (data.Kontoplanfil.empty())
        return {};
    return LasMomskoder(Momskodfil(data.Kontoplanfil));
}

std::optional<int32_t> LasKontonummer(std::string_view text) {
    const auto forsta = text.find_first_not_of(' ');
    if (forsta == std::string_view::npos)
        return std::nullopt;
    text = text.substr(forsta, text.find_last_not_of(' ') - forsta + 1);
    if (text.size() > 9)
        return std::nullopt;
    int32_t nummer = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        nummer = nummer * 10 + (c - '0');
    }
    return nummer;
}

Momskoder SparaMomskod(const Bokforingsdata &data, std::string_view kontotext,
                       std::string_view rutatext) {
    if (!data.KontoplanInlast)
        throw Korningsfel("Det finns ingen kontoplan. Öppna en kontoplan först.");
    if (data.Kontoplanfil.empty())
        throw Korningsfel("Kontoplanen är inte sparad i någon fil ännu. Spara den först: "
                          "momsrutorna sparas i en fil bredvid kontoplanens.");
    KontrolleraSkrivbarKontoplan(data);
    const auto konto = LasKontonummer(kontotext);
    if (!konto)
        throw Korningsfel("Skriv kontot som ett kontonummer, till exempel 3010.");
    const int32_t slot = data.SokKonto(*konto);
    if (slot == 0 || !ArBokforingsklass(data.Konton[static_cast<std::size_t>(slot)].typ))
        throw Korningsfel("Konto " + std::to_string(*konto) +
                          " finns inte bland kontoplanens konton.");
    Momskoder koder = KontoplanensMomskoder(data);
    SattMomskod(koder, *konto, rutatext);
    SkrivMomskoder(Momskodfil(data.Kontoplanfil), koder);
    return koder;
}

} // namespace tovana
