#include "entry/Effekter.h"

namespace tovana {

namespace {

Sideffekt Sida(const Bokforingskonto &konto, Normalsida sida, double belopp) {
    Sideffekt e;
    e.klass = konto.typ;
    e.konto = konto.namn;
    e.okar = Klass(konto.typ).normalsida == sida;
    e.belopp = belopp;
    const double tecken = Rapporttecken(konto.typ) * (sida == Normalsida::Debet ? 1.0 : -1.0);
    e.tecken = tecken > 0 ? 1 : -1;
    return e;
}

// Adds a side's change to the totals its class's figures stand in.
void Summera(Konteringseffekt &effekt, const Sideffekt &sida) {
    const auto lagg = [&sida](std::optional<double> &summa) {
        summa = summa.value_or(0.0) + sida.Andring();
    };
    switch (Klass(sida.klass).effektsumma) {
    case Effektsumma::Tillgangar:
        lagg(effekt.tillgangar);
        break;
    case Effektsumma::EgetKapitalOchSkulder:
        lagg(effekt.egetKapitalOchSkulder);
        break;
    case Effektsumma::AretsResultat:
        lagg(effekt.aretsResultat);
        lagg(effekt.egetKapitalOchSkulder);
        break;
    case Effektsumma::Ingen:
        break;
    }
}

} // namespace

Bokforingskonto SokBokforingskonto(const Bokforingsdata &data, int32_t nummer) {
    Bokforingskonto funnet;
    for (const TKonto &konto : data.Kontona()) {
        if (konto.nummer == nummer && ArBokforingsklass(konto.typ))
            funnet = {true, konto.typ, konto.namn};
    }
    return funnet;
}

Konteringseffekt DebetEffekter(const Bokforingsdata &data, int32_t debet, double belopp) {
    return KonteringsEffekter(data, debet, std::nullopt, belopp);
}

Konteringseffekt KonteringsEffekter(const Bokforingsdata &data, std::optional<int32_t> debet,
                                    std::optional<int32_t> kredit, double belopp) {
    Konteringseffekt effekt;
    const auto sida = [&](std::optional<int32_t> nummer, Normalsida normalsida,
                          std::optional<Sideffekt> &ut) {
        if (!nummer)
            return;
        const Bokforingskonto konto = SokBokforingskonto(data, *nummer);
        if (!konto.hittat)
            return;
        ut = Sida(konto, normalsida, belopp);
        Summera(effekt, *ut);
    };
    sida(debet, Normalsida::Debet, effekt.debet);
    sida(kredit, Normalsida::Kredit, effekt.kredit);
    return effekt;
}

} // namespace tovana
