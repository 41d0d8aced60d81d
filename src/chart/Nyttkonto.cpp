#include "chart/Nyttkonto.h"

#include "core/Skrivlas.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"

namespace tovana {

namespace {

std::string BaraTecken(std::string_view text, char lagsta, char hogsta) {
    std::string rensad;
    for (const char c : text)
        if (c >= lagsta && c <= hogsta)
            rensad += c;
    return rensad;
}

} // namespace

std::string RensaKontotyp(std::string_view text) {
    return BaraTecken(text, '0', '8');
}

std::string RensaKontonummer(std::string_view text) {
    return BaraTecken(text, '0', '9');
}

bool KontrolleraNyttKonto(const Bokforingsdata &data, const Kontoforslag &forslag,
                          const std::function<void(const Kontofel &)> &fel) {
    KontrolleraSkrivbarKontoplan(data);
    bool godkand = true;
    auto underkann = [&](Kontofalt falt, std::string meddelande) {
        godkand = false;
        fel(Kontofel{falt, std::move(meddelande)});
    };

    const int32_t typ = TextTillHeltal(forslag.typ);
    if (!ArKontoklass(typ))
        underkann(Kontofalt::Ktyp, "Ändra kontotyp! Det måste vara en siffra mellan 1 och 8.");
    if (Teckenantal(forslag.nummer) < 2)
        underkann(Kontofalt::Knummer, "Ändra kontonumret! Det måste vara minst två siffror.");
    if (Teckenantal(forslag.namn) < 2)
        underkann(Kontofalt::Knamn,
                  "Ändra kontonamnet! Det måste bestå av minst två bokstäver/siffror.");

    if (data.Kontoantal > 0) {
        const int32_t nummer = TextTillHeltal(forslag.nummer);
        int32_t upptagen = 0;
        for (int32_t i = 1; i <= data.Kontoantal; ++i)
            if (data.Konton[i].nummer == nummer)
                upptagen = i;
        if (upptagen > 0) {
            const TKonto &konto = data.Konton[upptagen];
            underkann(Kontofalt::Ingen, "Kontonumret " + std::to_string(konto.nummer) +
                                            " används redan för " + konto.namn +
                                            ". Du måste ta bort eller ändra kontonamn för "
                                            "detta konto. Rutinen avbryts!");
        }
    }
    return godkand;
}

int32_t LaggTillKonto(Bokforingsdata &data, const Kontoforslag &forslag) {
    KontrolleraSkrivbarKontoplan(data);
    TKonto konto;
    konto.typ = static_cast<Kontotyp>(TextTillHeltal(forslag.typ));
    konto.nummer = TextTillHeltal(forslag.nummer);
    konto.namn = ForstaTecken(forslag.namn, kNamnlangd);
    const int32_t slot = SattInKonto(data, konto);
    data.KontoplanAndrad = true;
    if (konto.typ == kKoder)
        data.KoderFinns = true;
    return slot;
}

} // namespace tovana
