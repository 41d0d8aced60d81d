#include "chart/Kontoredigering.h"

#include "core/Kontoplanfil.h"
#include "core/Skrivlas.h"
#include "core/Teckentabell.h"

#include <utility>

namespace tovana {

const std::string kRaderingsvarning =
    "VARNING!! Det konto du raderat används i redovisningen. Utan åtgärder innebär raderingen "
    "att många rapporter blir felaktiga. Använd Special-menyn för att få besked om vilka "
    "verifikationer som måste ändras.";

std::vector<std::string> Kontorader(const Bokforingsdata &data) {
    std::vector<std::string> rader;
    rader.reserve(static_cast<std::size_t>(data.Kontoantal));
    for (const TKonto &konto : data.Kontona())
        rader.push_back(std::to_string(konto.nummer) + " " + konto.namn);
    return rader;
}

bool ArKontoslot(const Bokforingsdata &data, int32_t slot) {
    return slot >= 1 && slot <= data.Kontoantal;
}

bool BytKontonamn(Bokforingsdata &data, int32_t slot, const std::string &namn) {
    KontrolleraSkrivbarKontoplan(data);
    if (!ArKontoslot(data, slot))
        return false;
    data.Konton[slot].namn = ForstaTecken(namn, kNamnlangd);
    data.KontoplanAndrad = true;
    return true;
}

bool AnvandsIRedovisningen(const Bokforingsdata &data, int32_t nummer) {
    for (const TPost &post : data.Posterna())
        if (post.debet == nummer || post.kredit == nummer)
            return true;
    return false;
}

bool TaBortKonto(Bokforingsdata &data, int32_t slot) {
    KontrolleraSkrivbarKontoplan(data);
    if (!ArKontoslot(data, slot))
        return false;
    for (int32_t i = slot; i < data.Kontoantal; ++i)
        data.Konton[i] = std::move(data.Konton[i + 1]);
    data.Konton[data.Kontoantal] = TKonto{};
    --data.Kontoantal;
    data.KontoplanAndrad = true;
    return true;
}

void SparaAndradKontoplan(Bokforingsdata &data, const std::string &namn) {
    KontrolleraSkrivbarKontoplan(data);
    std::string forra = std::exchange(data.Kontoplannamn, ForstaTecken(namn, kNamnlangd));
    try {
        SkrivKontoplan(data, data.Kontoplanfil);
    } catch (...) {
        data.Kontoplannamn = std::move(forra);
        throw;
    }
    data.KontoplanAndrad = false;
    if (data.HarKoder())
        data.KoderFinns = true;
}

} // namespace tovana
