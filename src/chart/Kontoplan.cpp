#include "chart/Kontoplan.h"

#include "core/Kontoplanfil.h"
#include "core/Teckentabell.h"

namespace tovana {

void SkapaNyKontoplan(Bokforingsdata &data, const std::string &namn, const std::string &sokvag) {
    Bokforingsdata ny;
    ny.Kontoplannamn = ForstaTecken(namn, kNamnlangd);
    SkrivKontoplan(ny, sokvag);

    data.Kontoplannamn = std::move(ny.Kontoplannamn);
    for (auto &konto : data.Konton)
        konto = TKonto{0, 0, " "};
    data.Kontoantal = 0;
    data.Kontoplanfil = sokvag;
    data.KontoplanInlast = true;
}

void OppnaKontoplan(Bokforingsdata &data, const std::string &sokvag) {
    LasKontoplan(data, sokvag);
    data.Kontoplanfil = sokvag;
    data.KontoplanInlast = true;
}

void SparaKontoplan(const Bokforingsdata &data) {
    SkrivKontoplan(data, data.Kontoplanfil);
}

void SparaKontoplanSom(Bokforingsdata &data, const std::string &sokvag) {
    SkrivKontoplan(data, sokvag);
    data.Kontoplanfil = sokvag;
    if (data.HarKoder())
        data.KoderFinns = true;
}

} // namespace tovana
