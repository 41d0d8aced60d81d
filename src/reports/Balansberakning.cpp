#include "reports/Balansberakning.h"

#include "core/Taltext.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace tovana {

namespace {

// Debits minus credits, turned by the class's statement sign. Subtracting
// from 0,0 (rather than negating) keeps a zero balance +0, as summing credits
// minus debits from 0,0 gives.
double MedTecken(double debetsaldo, Kontotyp typ) {
    return Rapporttecken(typ) > 0 ? debetsaldo : 0.0 - debetsaldo;
}

// The writer of a build's lines, with the form's spacer.
class Radskrivare {
public:
    explicit Radskrivare(Rapportform form) : form_(form) { rader_.resize(1); }

    // The index the next line gets.
    int Nasta() const { return static_cast<int>(rader_.size()); }

    void Skriv(std::string namn, std::string belopp) {
        rader_.push_back({std::move(namn), std::move(belopp)});
    }
    void Mellanrum() { Skriv(form_ == Rapportform::Utskrift ? "." : "", ""); }

    Trapport &Rad(int index) { return rader_[static_cast<std::size_t>(index)]; }
    Rapportrader Rader() && { return std::move(rader_); }

private:
    Rapportform form_;
    Rapportrader rader_;
};

Kontotyp Foregaende(const Bokforingsdata &data, int32_t slot) {
    return data.Konton[static_cast<std::size_t>(slot - 1)].typ;
}

} // namespace

double Kontosaldo(const Bokforingsdata &data, int32_t nummer, Kontotyp typ,
                  std::optional<int32_t> kod) {
    const double tecken = Rapporttecken(typ);
    double saldo = 0.0;
    for (const TPost &post : data.Posterna()) {
        if (kod && post.kod != *kod)
            continue;
        if (post.debet == nummer)
            saldo += tecken * post.belopp;
        if (post.kredit == nummer)
            saldo -= tecken * post.belopp;
    }
    return saldo;
}

namespace {

std::size_t Hashplats(int32_t nummer, std::size_t mask) {
    return static_cast<std::size_t>(static_cast<uint32_t>(nummer) * 2654435761u) & mask;
}

} // namespace

Saldotabell::Saldotabell(const Bokforingsdata &data, std::optional<int32_t> kod) {
    Bered(data);
    for (const TPost &post : data.Posterna()) {
        if (!kod || post.kod == *kod)
            Bokfor(post);
    }
}

Saldotabell::Saldotabell(const Bokforingsdata &data,
                         const std::function<bool(int32_t slot)> &medtas) {
    Bered(data);
    for (int32_t i = 1; i <= data.Postantal; ++i)
        if (medtas(i))
            Bokfor(data.Poster[static_cast<std::size_t>(i)]);
}

void Saldotabell::Bered(const Bokforingsdata &data) {
    std::size_t storlek = 16;
    while (storlek < 4 * static_cast<std::size_t>(std::max(data.Kontoantal, 0)))
        storlek *= 2;
    mask_ = storlek - 1;
    nummer_.assign(storlek, 0);
    upptagen_.assign(storlek, 0);
    debetsaldo_.assign(storlek, 0.0);
    for (const TKonto &konto : data.Kontona()) {
        const int32_t nummer = konto.nummer;
        std::size_t i = Hashplats(nummer, mask_);
        while (upptagen_[i] && nummer_[i] != nummer)
            i = (i + 1) & mask_;
        nummer_[i] = nummer;
        upptagen_[i] = 1;
    }
}

void Saldotabell::Bokfor(const TPost &post) {
    if (const auto d = Plats(post.debet); d >= 0)
        debetsaldo_[static_cast<std::size_t>(d)] += post.belopp;
    if (const auto k = Plats(post.kredit); k >= 0)
        debetsaldo_[static_cast<std::size_t>(k)] -= post.belopp;
}

std::ptrdiff_t Saldotabell::Plats(int32_t nummer) const {
    for (std::size_t i = Hashplats(nummer, mask_);; i = (i + 1) & mask_) {
        if (!upptagen_[i])
            return -1;
        if (nummer_[i] == nummer)
            return static_cast<std::ptrdiff_t>(i);
    }
}

double Saldotabell::Saldo(int32_t nummer, Kontotyp typ) const {
    const auto i = Plats(nummer);
    return i < 0 ? 0.0 : MedTecken(debetsaldo_[static_cast<std::size_t>(i)], typ);
}

Balansslut BeraknaBalansslut(double tillgangar, double egetKapital, double obeskattade,
                             double skulder) {
    const double resultat = tillgangar - egetKapital - obeskattade - skulder;
    return {resultat, egetKapital + resultat};
}

namespace {

// A statement's lines with its period's result as computed, and the line of
// the result (0 when the statement has none).
struct Bygge {
    Rapportrader rader;
    double resultat = 0.0;
    int resultatrad = 0;
};

Bygge Resultatrakning(const Bokforingsdata &data, const Saldotabell &saldon, Rapportform form) {
    const auto belopp = [form](double v) {
        return form == Rapportform::Utskrift ? Beloppstext(v) : KortBeloppstext(v);
    };
    Radskrivare ut(form);
    double intakter = 0.0, kostnader = 0.0, dispositioner = 0.0;

    for (int32_t slot = 1; slot <= data.Kontoantal; ++slot) {
        const TKonto &konto = data.Konton[static_cast<std::size_t>(slot)];
        if (konto.typ == kIntakter) {
            const double s = saldon.Saldo(konto.nummer, kIntakter);
            if (s != 0) {
                ut.Skriv(konto.namn, belopp(s));
                intakter += s;
            }
        }
        if (konto.typ == kKostnader && Foregaende(data, slot) == kIntakter) {
            ut.Skriv("Summa intäkter", belopp(intakter));
            ut.Mellanrum();
        }
        if (konto.typ == kKostnader) {
            const double s = saldon.Saldo(konto.nummer, kKostnader);
            if (s != 0) {
                ut.Skriv(konto.namn, belopp(s));
                kostnader += s;
            }
        }
    }
    ut.Skriv("Summa kostnader", belopp(kostnader));
    ut.Mellanrum();

    for (const TKonto &konto : data.Kontona()) {
        if (konto.typ != kBokslutsdispositioner)
            continue;
        const double s = saldon.Saldo(konto.nummer, kBokslutsdispositioner);
        if (s != 0) {
            ut.Skriv(konto.namn, belopp(s));
            dispositioner += s;
        }
    }
    if (form == Rapportform::Utskrift)
        ut.Mellanrum();
    const double resultat = intakter + kostnader + dispositioner;
    const int resultatrad = ut.Nasta();
    ut.Skriv("Periodens resultat", belopp(resultat));
    return {std::move(ut).Rader(), resultat, resultatrad};
}

Bygge Balansrakning(const Bokforingsdata &data, const Saldotabell &saldon, Rapportform form) {
    const auto listas = [form](double s) {
        return form == Rapportform::Utskrift ? s != 0 : ArOppetSaldo(s);
    };
    Radskrivare ut(form);
    double t1 = 0.0, t2 = 0.0, t3 = 0.0, t4 = 0.0;
    int resultatrad = 0, egetkapitalrad = 0;

    // Lists the account when its balance is listed and adds it to the total.
    const auto konto = [&](const TKonto &k, double &summa) {
        const double s = saldon.Saldo(k.nummer, k.typ);
        if (listas(s)) {
            ut.Skriv(k.namn, KortBeloppstext(s));
            summa += s;
        }
    };

    for (int32_t slot = 1; slot <= data.Kontoantal; ++slot) {
        const TKonto &k = data.Konton[static_cast<std::size_t>(slot)];
        const Kontotyp p = Foregaende(data, slot);
        if (k.typ == kTillgangar)
            konto(k, t1);
        if (k.typ == kEgetKapital && p < kEgetKapital) {
            ut.Skriv("Summa tillgångar", KortBeloppstext(t1));
            ut.Mellanrum();
        }
        if (k.typ == kEgetKapital)
            konto(k, t2);
        if (k.typ > kEgetKapital && p < kObeskattadeReserver) {
            resultatrad = ut.Nasta();
            ut.Skriv("Periodens resultat", "");
            egetkapitalrad = ut.Nasta();
            ut.Skriv("Summa eget kapital", "");
            ut.Mellanrum();
        }
        if (k.typ == kObeskattadeReserver)
            konto(k, t3);
        if (k.typ == kSkulder && p < kSkulder) {
            ut.Skriv("Summa obeskattade reserver", KortBeloppstext(t3));
            ut.Mellanrum();
        }
        if (k.typ == kSkulder)
            konto(k, t4);
    }
    ut.Skriv("Summa skulder", KortBeloppstext(t4));
    ut.Skriv("", "");

    const Balansslut slut = BeraknaBalansslut(t1, t2, t3, t4);
    if (resultatrad != 0) {
        ut.Rad(resultatrad).radbelopp = KortBeloppstext(slut.resultat);
        ut.Rad(egetkapitalrad).radbelopp = KortBeloppstext(slut.egetKapital);
    }
    ut.Skriv("Summa eget kapital och skulder", KortBeloppstext(t1));
    return {std::move(ut).Rader(), slut.resultat, resultatrad};
}

// The difference of the two results as the statements show them, in öre.
double Resultatskillnad(double balansresultat, double rrresultat) {
    return OreAvrundat(OreAvrundat(balansresultat) - OreAvrundat(rrresultat));
}

// Puts the imbalance line under the result, or before the last line when the
// statement shows no result.
Rapportrader MedObalans(Bygge bygge, double skillnad, Rapportform form) {
    if (skillnad == 0.0)
        return std::move(bygge.rader);
    const std::string belopp =
        form == Rapportform::Utskrift ? Beloppstext(skillnad) : KortBeloppstext(skillnad);
    const int fore = bygge.resultatrad != 0 ? bygge.resultatrad + 1 : Sistarad(bygge.rader);
    bygge.rader.insert(bygge.rader.begin() + fore, Trapport{kObalansrad, belopp});
    return std::move(bygge.rader);
}

} // namespace

Rapportrader ByggResultatrakning(const Bokforingsdata &data, Rapportform form) {
    const Saldotabell saldon(data);
    Bygge rr = Resultatrakning(data, saldon, form);
    const double skillnad =
        Resultatskillnad(Balansrakning(data, saldon, form).resultat, rr.resultat);
    return MedObalans(std::move(rr), skillnad, form);
}

Rapportrader ByggBalansrakning(const Bokforingsdata &data, Rapportform form) {
    const Saldotabell saldon(data);
    Bygge br = Balansrakning(data, saldon, form);
    const double skillnad =
        Resultatskillnad(br.resultat, Resultatrakning(data, saldon, form).resultat);
    // The balance sheet's amounts are all in the short text, this line too.
    return MedObalans(std::move(br), skillnad, Rapportform::Skarm);
}

// A period's statements come from balances of their own, which need not add up
// to one result (the balance sheet at a quarter's end holds the year so far), so
// they carry no imbalance line.
Rapportrader ByggResultatrakning(const Bokforingsdata &data, const Saldotabell &saldon,
                                 Rapportform form) {
    return Resultatrakning(data, saldon, form).rader;
}

Rapportrader ByggBalansrakning(const Bokforingsdata &data, const Saldotabell &saldon,
                               Rapportform form) {
    return Balansrakning(data, saldon, form).rader;
}

Obalans BeraknaObalans(const Bokforingsdata &data, Rapportform form) {
    const Saldotabell saldon(data);
    Obalans o;
    o.skillnad = Resultatskillnad(Balansrakning(data, saldon, form).resultat,
                                  Resultatrakning(data, saldon, form).resultat);
    std::unordered_map<int32_t, Kontotyp> klass;
    std::unordered_set<int32_t> dubbla;
    for (const TKonto &konto : data.Kontona()) {
        if (!klass.emplace(konto.nummer, konto.typ).second && konto.typ >= kTillgangar &&
            konto.typ < kKoder)
            dubbla.insert(konto.nummer);
    }
    o.dubblaKonton = static_cast<int32_t>(dubbla.size());
    for (const TPost &post : data.Posterna()) {
        if (post.kredit == 0)
            o.ensidigt += post.belopp;
        if (post.debet == 0)
            o.ensidigt -= post.belopp;
        bool saknas = false, kod = false;
        for (const int32_t nummer : {post.debet, post.kredit}) {
            if (nummer == 0)
                continue;
            const auto k = klass.find(nummer);
            if (k == klass.end())
                saknas = true;
            else if (k->second < kTillgangar || k->second >= kKoder)
                kod = true;
        }
        if (saknas) {
            ++o.saknadePoster;
            o.saknadSumma += post.belopp;
        } else if (kod) {
            ++o.kodposter;
            o.kodsumma += post.belopp;
        }
    }
    return o;
}

namespace {

std::string Antalposter(int32_t antal) {
    return std::to_string(antal) + (antal == 1 ? " post" : " poster");
}

} // namespace

std::string Obalansbesked(const Obalans &o) {
    if (o.skillnad == 0.0)
        return {};
    std::string text = "Resultaträkningens och balansräkningens resultat skiljer sig med " +
                       Beloppstext(o.skillnad) + " (" + kObalansrad + ").\n";
    bool orsak = false;
    if (ArOppetSaldo(o.ensidigt)) {
        text += "\nPoster med bara debet eller bara kredit lämnar ett öppet " +
                std::string(o.ensidigt > 0 ? "debetsaldo" : "kreditsaldo") + " på " +
                Beloppstext(std::fabs(o.ensidigt)) + ".";
        orsak = true;
    }
    if (o.saknadePoster > 0) {
        text += "\n" + Antalposter(o.saknadePoster) + " på sammanlagt " +
                Beloppstext(o.saknadSumma) +
                (o.saknadePoster == 1 ? " är bokförd" : " är bokförda") +
                " på konton som saknas i kontoplanen.";
        orsak = true;
    }
    if (o.kodposter > 0) {
        text += "\n" + Antalposter(o.kodposter) + " på sammanlagt " + Beloppstext(o.kodsumma) +
                (o.kodposter == 1 ? " är bokförd" : " är bokförda") +
                " på koder (klass 8) i stället för konton.";
        orsak = true;
    }
    if (o.dubblaKonton > 0) {
        text += "\n" + std::to_string(o.dubblaKonton) +
                " kontonummer finns mer än en gång i kontoplanen.";
        orsak = true;
    }
    if (!orsak)
        text += "\nSkillnaden kommer av saldon under ett öre, som inte visas på skärmen.";
    text += "\n\nKontrollera att alla använda konton finns i kontoplanen (menyn Special).";
    return text;
}

} // namespace tovana
