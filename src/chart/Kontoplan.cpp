#include "chart/Kontoplan.h"

#include "core/Kontoplanfil.h"
#include "core/Skrivlas.h"
#include "core/Teckentabell.h"

namespace tovana {

void SkapaNyKontoplan(Bokforingsdata &data, const std::string &namn, const std::string &sokvag) {
    auto las = KravSkrivlas(data.Kontoplanslas, sokvag);
    Bokforingsdata ny;
    ny.Kontoplannamn = ForstaTecken(namn, kNamnlangd);
    SkrivKontoplan(ny, sokvag);

    for (auto &konto : data.Konton)
        konto = TKonto{0, 0, " "};
    SattInKontoplan(data, Kontoplaninnehall{std::move(ny.Kontoplannamn), {}, false}, sokvag);
    GlomForetaget(data);
    SattKontoplanslas(data, std::move(las));
}

std::string OppnaKontoplan(Bokforingsdata &data, const std::string &sokvag) {
    // Locked before it is read, so that no other window changes it in between.
    auto las = TaSkrivlas(data.Kontoplanslas, sokvag);
    SattInKontoplan(data, LasKontoplanfil(sokvag), sokvag);
    GlomForetaget(data);
    return SattKontoplanslas(data, std::move(las));
}

void SparaKontoplan(Bokforingsdata &data) {
    KontrolleraSkrivbarKontoplan(data);
    SkrivKontoplan(data, data.Kontoplanfil);
    data.KontoplanAndrad = false;
}

void SparaKontoplanSom(Bokforingsdata &data, const std::string &sokvag) {
    auto las = KravSkrivlas(data.Kontoplanslas, sokvag);
    SkrivKontoplan(data, sokvag);
    data.Kontoplanfil = sokvag;
    data.KontoplanAndrad = false;
    if (data.HarKoder())
        data.KoderFinns = true;
    SattKontoplanslas(data, std::move(las));
}

} // namespace tovana
