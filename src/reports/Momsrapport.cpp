#include "reports/Momsrapport.h"

#include "core/Momsrutor.h"
#include "core/Taltext.h"
#include "reports/Postdatum.h"

#include <cmath>

namespace tovana {

namespace {

// The box of each account number, looked up once: the numbers a chart uses
// directly, any other through the rule each time.
class Rutuppslag {
public:
    explicit Rutuppslag(const Momskoder &koder) : koder_(koder), rutor_(kDirekt, -1) {}

    int operator()(int32_t konto) {
        if (konto < 0 || konto >= kDirekt)
            return RutaForKonto(konto, koder_);
        int8_t &ruta = rutor_[static_cast<std::size_t>(konto)];
        if (ruta < 0)
            ruta = static_cast<int8_t>(RutaForKonto(konto, koder_));
        return ruta;
    }

private:
    static constexpr int32_t kDirekt = 100000;
    const Momskoder &koder_;
    std::vector<int8_t> rutor_;
};

// A box's amount from its accounts' debits and credits, by the box's kind.
double Rutbelopp(const Momsruta &ruta, double debet, double kredit) {
    switch (ruta.slag) {
    case Rutslag::Forsaljning:
        return kredit - debet;
    case Rutslag::Inkop:
        return debet - kredit;
    case Rutslag::UtgaendeMoms:
        return kredit;
    case Rutslag::IngaendeMoms:
        return debet;
    case Rutslag::Summa:
        break;
    }
    return 0.0;
}

bool Adderas(int ruta) {
    return ArMomsbeloppsruta(ruta) && ruta != 48;
}

std::string Postrad(const TPost &post) {
    return std::to_string(post.vernr) + "  " + post.datum + "  " + Beloppstext(post.belopp) + "  " +
           std::to_string(post.debet) + "  " + std::to_string(post.kredit) + "  " + post.text;
}

} // namespace

int64_t HelaKronor(double belopp) {
    // To whole öre first, so that 1 234,00 held as 1 233,9999… stays 1 234.
    const long long ore = std::llround(belopp * 100.0);
    return static_cast<int64_t>(ore / 100);
}

Momsrapport BeraknaMomsrapport(const Bokforingsdata &data, const Period &period,
                               const Momskoder &koder, int32_t avrakningskonto) {
    Momsrapport rapport;
    rapport.period = period;
    const Postdatum datum(data);
    Rutuppslag ruta(koder);
    std::array<double, 63> debet{}, kredit{};
    const int32_t fran = Datumtal(period.fran), till = Datumtal(period.till);

    for (int32_t i = 1; i <= data.Postantal; ++i) {
        const int32_t dag = datum.Datumtal(i);
        if (dag < fran || dag > till)
            continue;
        const TPost &post = data.Poster[static_cast<std::size_t>(i)];
        const auto sida = [&](int32_t konto, std::array<double, 63> &summor) {
            if (konto == 0)
                return;
            if (const int r = ruta(konto); r > 0)
                summor[static_cast<std::size_t>(r)] += post.belopp;
            else if (ArMomskonto(konto) && konto != avrakningskonto)
                rapport.problem.push_back("Post " + std::to_string(i) + " (verifikation " +
                                          std::to_string(post.vernr) + "): konto " +
                                          std::to_string(konto) +
                                          " är ett momskonto men hör inte till någon ruta.");
        };
        sida(post.debet, debet);
        sida(post.kredit, kredit);
    }

    for (const Momsruta &r : Momsrutor()) {
        if (r.slag == Rutslag::Summa)
            continue;
        const auto n = static_cast<std::size_t>(r.nummer);
        rapport.exakt[n] = Rutbelopp(r, debet[n], kredit[n]);
        rapport.kronor[n] = HelaKronor(rapport.exakt[n]);
        if (Adderas(r.nummer))
            rapport.ruta49 += rapport.kronor[n];
    }
    rapport.ruta49 -= rapport.kronor[48];
    rapport.kronor[kRuta49] = rapport.ruta49;
    for (std::string &rad : OlasbaraDatumProblem(data, datum))
        rapport.problem.push_back(std::move(rad));
    return rapport;
}

std::vector<Momsrad> Momsrader(const Momsrapport &rapport) {
    std::vector<Momsrad> rader;
    for (const Momsruta &r : Momsrutor()) {
        const int64_t kr = r.slag == Rutslag::Summa
                               ? rapport.ruta49
                               : rapport.kronor[static_cast<std::size_t>(r.nummer)];
        if (kr != 0 || r.slag == Rutslag::Summa)
            rader.push_back(
                {r.nummer, Rutnummertext(r.nummer) + "  " + r.rubrik + "  " + Kronortext(kr)});
    }
    return rader;
}

std::string MomsAttText(int64_t ruta49) {
    if (ruta49 < 0)
        return "Moms att få tillbaka: " + Kronortext(-ruta49) + " kr";
    return "Moms att betala: " + Kronortext(ruta49) + " kr";
}

Rutunderlag BeraknaRutunderlag(const Bokforingsdata &data, const Period &period,
                               const Momskoder &koder, int rutnummer) {
    const auto med = [rutnummer](int r) {
        return r > 0 && (r == rutnummer || (rutnummer == kRuta49 && ArMomsbeloppsruta(r)));
    };
    const Postdatum datum(data);
    Rutuppslag ruta(koder);
    // Each account's debits and credits, in the chart's order where it has them.
    std::vector<int32_t> ordning;
    std::vector<std::pair<double, double>> summor;
    const auto plats = [&](int32_t konto) {
        for (std::size_t k = 0; k < ordning.size(); ++k)
            if (ordning[k] == konto)
                return k;
        ordning.push_back(konto);
        summor.emplace_back(0.0, 0.0);
        return ordning.size() - 1;
    };
    for (const TKonto &k : data.Kontona()) {
        const int32_t konto = k.nummer;
        if (med(ruta(konto)))
            plats(konto);
    }

    Rutunderlag underlag;
    for (int32_t i = 1; i <= data.Postantal; ++i) {
        if (!datum.I(i, period))
            continue;
        const TPost &post = data.Poster[static_cast<std::size_t>(i)];
        const bool d = post.debet != 0 && med(ruta(post.debet));
        const bool k = post.kredit != 0 && med(ruta(post.kredit));
        if (d)
            summor[plats(post.debet)].first += post.belopp;
        if (k)
            summor[plats(post.kredit)].second += post.belopp;
        if (d || k)
            underlag.poster.push_back(Postrad(post));
    }
    for (std::size_t k = 0; k < ordning.size(); ++k) {
        const int32_t konto = ordning[k];
        const Momsruta *r = SokMomsruta(ruta(konto));
        const int32_t slot = data.SokKonto(konto);
        const std::string namn =
            slot > 0 ? data.Konton[static_cast<std::size_t>(slot)].namn : std::string();
        underlag.konton.push_back(std::to_string(konto) + "  " + namn + "  " +
                                  Beloppstext(Rutbelopp(*r, summor[k].first, summor[k].second)));
    }
    return underlag;
}

std::optional<Momsperiodtyp> LasMomsperiodtyp(std::string_view text) {
    if (text == "manad")
        return Momsperiodtyp::Manad;
    if (text == "kvartal")
        return Momsperiodtyp::Kvartal;
    if (text == "ar")
        return Momsperiodtyp::Ar;
    return std::nullopt;
}

Period ForvaldMomsperiod(const Datum &idag, std::optional<Momsperiodtyp> typ) {
    switch (typ.value_or(Momsperiodtyp::Kvartal)) {
    case Momsperiodtyp::Manad: {
        const int ar = idag.manad == 1 ? idag.ar - 1 : idag.ar;
        const int manad = idag.manad == 1 ? 12 : idag.manad - 1;
        return {{ar, manad, 1}, Manadsslut(ar, manad)};
    }
    case Momsperiodtyp::Ar:
        return Kalenderar(idag.ar - 1);
    case Momsperiodtyp::Kvartal:
        break;
    }
    // The first month of today's quarter, then the quarter before it.
    const int forsta = (idag.manad - 1) / 3 * 3 + 1;
    const int ar = forsta == 1 ? idag.ar - 1 : idag.ar;
    const int borjan = forsta == 1 ? 10 : forsta - 3;
    return {{ar, borjan, 1}, Manadsslut(ar, borjan + 2)};
}

} // namespace tovana
