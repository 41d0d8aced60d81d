#include "reports/Kodrapporter.h"

#include "core/Taltext.h"
#include "reports/Balansberakning.h"

#include <memory>
#include <optional>

namespace tovana {

namespace {

using Summor = std::array<double, kKodkolumner + 1>;

// The balances of the whole ledger and of each chosen code, one pass each.
class Kodsaldon {
public:
    Kodsaldon(const Bokforingsdata &data, const Valdakoder &koder) {
        tabeller_[0] = std::make_unique<Saldotabell>(data);
        for (int k = 1; k <= kKodkolumner; ++k) {
            const int32_t kod = koder.nummer[static_cast<std::size_t>(k - 1)];
            // Two boxes with the same code share one table.
            for (int j = 1; j < k; ++j)
                if (koder.nummer[static_cast<std::size_t>(j - 1)] == kod) {
                    delade_[static_cast<std::size_t>(k)] = j;
                    break;
                }
            if (delade_[static_cast<std::size_t>(k)] == 0)
                tabeller_[static_cast<std::size_t>(k)] = std::make_unique<Saldotabell>(data, kod);
        }
    }

    Summor Saldon(int32_t nummer, Kontotyp typ) const {
        Summor s{};
        for (std::size_t k = 0; k < s.size(); ++k) {
            const std::size_t t = delade_[k] ? static_cast<std::size_t>(delade_[k]) : k;
            s[k] = tabeller_[t]->Saldo(nummer, typ);
        }
        return s;
    }

private:
    std::array<std::unique_ptr<Saldotabell>, kKodkolumner + 1> tabeller_;
    std::array<int, kKodkolumner + 1> delade_{};
};

class Kodbygge {
public:
    Kodbygge(const Bokforingsdata &data, const Valdakoder &koder)
        : data_(data), saldon_(data, koder), rader_(1) {}

    // Lists the account of `slot` when its whole balance is not exactly 0 and
    // adds its seven balances to `summa`.
    void Lista(int32_t slot, Summor &summa) {
        const TKonto &konto = data_.Konton[static_cast<std::size_t>(slot)];
        const Summor s = saldon_.Saldon(konto.nummer, konto.typ);
        if (s[0] == 0.0)
            return;
        Rad(HtmlText(konto.namn), s);
        for (std::size_t k = 0; k < s.size(); ++k)
            summa[k] += s[k];
    }

    // Writes a row and returns its index.
    std::size_t Rad(std::string namn, const Summor &belopp) {
        TRRkod rad;
        rad.namn = std::move(namn);
        for (std::size_t k = 0; k < belopp.size(); ++k)
            rad.belopp[k] = Beloppstext(belopp[k]);
        rader_.push_back(std::move(rad));
        return rader_.size() - 1;
    }

    void Mellanrum() {
        TRRkod rad;
        rad.namn = ".";
        rader_.push_back(std::move(rad));
    }

    void SattBelopp(std::size_t rad, const Summor &belopp) {
        for (std::size_t k = 0; k < belopp.size(); ++k)
            rader_[rad].belopp[k] = Beloppstext(belopp[k]);
    }

    Kontotyp Klass(int32_t slot) const { return data_.Konton[static_cast<std::size_t>(slot)].typ; }

    Kodrader Rader() { return std::move(rader_); }

private:
    const Bokforingsdata &data_;
    Kodsaldon saldon_;
    Kodrader rader_;
};

Summor Plus(const Summor &a, const Summor &b) {
    Summor s{};
    for (std::size_t k = 0; k < s.size(); ++k)
        s[k] = a[k] + b[k];
    return s;
}

const char *const kNamncell = "<td width=\"30%\"><font face=\"Verdana\" size=\"2\">";
const char *const kBeloppscell =
    "<td width=\"10%\" align=\"right\"><font face=\"Verdana\" size=\"2\">";
const char *const kCellslut = "</font></td>";

Utskrift Kodutskrift(const Kodrader &rader, const Valdakoder &koder, const char *titelord,
                     const std::string &namn, const std::string &datum) {
    // The first code column always; the others when their code is not 0.
    std::vector<std::size_t> visade;
    for (std::size_t k = 1; k <= kKodkolumner; ++k)
        if (k == 1 || koder.nummer[k - 1] != 0)
            visade.push_back(k);

    Utskrift ut(datum);
    ut.Utskriftsrubrik(titelord, namn, std::nullopt, true);
    ut.Rad("<table border=\"1\" width=\"100%\" id=\"table1\">");
    ut.Rad("<tr>");
    ut.Rad(std::string(kNamncell) + kCellslut);
    ut.Rad(std::string(kBeloppscell) + kCellslut);
    for (const std::size_t k : visade)
        ut.Rad(kBeloppscell + std::to_string(koder.nummer[k - 1]) + kCellslut);
    ut.Rad("</tr>");
    ut.Rad("<tr>");
    ut.Rad(std::string(kNamncell) + "Kontonamn" + kCellslut);
    ut.Rad(std::string(kBeloppscell) + "Summa" + kCellslut);
    for (const std::size_t k : visade)
        ut.Rad(kBeloppscell + HtmlText(koder.namn[k - 1]) + kCellslut);
    ut.Rad("</tr>");
    for (std::size_t r = 1; r < rader.size(); ++r) {
        const TRRkod &rad = rader[r];
        ut.Rad("<tr>");
        ut.Rad(kNamncell + rad.namn + kCellslut);
        ut.Rad(kBeloppscell + rad.belopp[0] + kCellslut);
        for (const std::size_t k : visade)
            ut.Rad(kBeloppscell + rad.belopp[k] + kCellslut);
        ut.Rad("</tr>");
    }
    ut.Rad("</table>");
    return ut;
}

} // namespace

Valdakoder LasValdakoder(const Bokforingsdata &data,
                         const std::array<std::string, kKodkolumner> &rutor) {
    Valdakoder koder;
    for (std::size_t k = 0; k < rutor.size(); ++k)
        koder.nummer[k] = rutor[k].empty() ? 0 : TextTillHeltal(rutor[k]);
    for (const TKonto &konto : data.Kontona()) {
        if (konto.typ != kKoder)
            continue;
        for (std::size_t k = 0; k < koder.nummer.size(); ++k)
            if (koder.nummer[k] == konto.nummer)
                koder.namn[k] = konto.namn;
    }
    return koder;
}

Kodlista KoderIKontoplanen(const Bokforingsdata &data) {
    Kodlista lista;
    for (const TKonto &konto : data.Kontona()) {
        if (konto.typ != kKoder)
            continue;
        lista.rader.push_back(std::to_string(konto.nummer) + " " + konto.namn);
        if (lista.forsta.size() < kKodkolumner)
            lista.forsta.push_back(konto.nummer);
    }
    if (lista.rader.empty())
        lista.rader.push_back("Inga koder i kontoplanen");
    return lista;
}

Kodrader ByggResultatrakningMedKoder(const Bokforingsdata &data, const Valdakoder &koder) {
    Kodbygge bygge(data, koder);
    Summor intakter{};
    Summor kostnader{};
    for (int32_t slot = 1; slot <= data.Kontoantal; ++slot) {
        const Kontotyp k = bygge.Klass(slot);
        const Kontotyp p = bygge.Klass(slot - 1);
        if (k == kIntakter)
            bygge.Lista(slot, intakter);
        if (k == kKostnader && p == kIntakter) {
            bygge.Rad("Summa intäkter", intakter);
            bygge.Mellanrum();
        }
        if (k == kKostnader || k == kBokslutsdispositioner)
            bygge.Lista(slot, kostnader);
    }
    bygge.Rad("Summa kostnader", kostnader);
    bygge.Mellanrum();
    bygge.Rad("Periodens resultat", Plus(intakter, kostnader));
    return bygge.Rader();
}

Kodrader ByggBalansrakningMedKoder(const Bokforingsdata &data, const Valdakoder &koder) {
    Kodbygge bygge(data, koder);
    Summor t1{}, t2{}, t3{}, t4{};
    std::size_t resultatrad = 0;
    std::size_t kapitalrad = 0;
    for (int32_t slot = 1; slot <= data.Kontoantal; ++slot) {
        const Kontotyp k = bygge.Klass(slot);
        const Kontotyp p = bygge.Klass(slot - 1);
        if (k == kTillgangar)
            bygge.Lista(slot, t1);
        if (k > kTillgangar && p == kTillgangar) {
            bygge.Rad("<b>Summa tillgångar</b>", t1);
            bygge.Mellanrum();
        }
        if (k == kEgetKapital)
            bygge.Lista(slot, t2);
        if (k > kEgetKapital && p == kEgetKapital) {
            resultatrad = bygge.Rad("Periodens resultat", {});
            kapitalrad = bygge.Rad("Summa eget kapital", {});
            bygge.Mellanrum();
        }
        if (k == kObeskattadeReserver)
            bygge.Lista(slot, t3);
        if (k > kObeskattadeReserver && p == kObeskattadeReserver) {
            bygge.Rad("Summa obeskattade reserver", t3);
            bygge.Mellanrum();
        }
        if (k == kSkulder)
            bygge.Lista(slot, t4);
        if (k > kSkulder && p == kSkulder) {
            bygge.Rad("Summa skulder", t4);
            bygge.Mellanrum();
        }
    }
    Summor d{};
    Summor kapital{};
    Summor skulder{};
    for (std::size_t i = 0; i < d.size(); ++i) {
        const Balansslut slut = BeraknaBalansslut(t1[i], t2[i], t3[i], t4[i]);
        d[i] = slut.resultat;
        kapital[i] = slut.egetKapital;
        skulder[i] = t2[i] + t3[i] + t4[i] + d[i];
    }
    if (resultatrad != 0) {
        bygge.SattBelopp(resultatrad, d);
        bygge.SattBelopp(kapitalrad, kapital);
    }
    bygge.Rad("<b>Summa eget kapital och skulder</b>", skulder);
    return bygge.Rader();
}

Utskrift ResultatrakningMedKoderUtskrift(const Bokforingsdata &data, const Valdakoder &koder,
                                         const std::string &datum) {
    return Kodutskrift(ByggResultatrakningMedKoder(data, koder), koder,
                       "Resultaträkning med koder för ", data.Redovisningsnamn, datum);
}

Utskrift BalansrakningMedKoderUtskrift(const Bokforingsdata &data, const Valdakoder &koder,
                                       const std::string &datum) {
    return Kodutskrift(ByggBalansrakningMedKoder(data, koder), koder,
                       "Balansräkning med koder för ", data.Redovisningsnamn, datum);
}

Utskrift DagbokMedKoderUtskrift(const Bokforingsdata &data, const std::string &datum) {
    Utskrift ut(datum);
    ut.Utskriftsrubrik("Dagbok med poster sorterad efter koder för ", data.Redovisningsnamn,
                       std::nullopt, true);
    const std::string hoger =
        "<td align=\"Right\" width=\"10%\"><font face=\"verdana\" size=\"2\">";
    for (const TKonto &konto : data.Kontona()) {
        if (konto.typ != kKoder)
            continue;
        ut.Rad("<p><font face=\"verdana\" size=\"2\">Kod " + std::to_string(konto.nummer) + " " +
               HtmlText(konto.namn));
        for (const TPost &post : data.Posterna()) {
            if (post.kod != konto.nummer)
                continue;
            ut.Rad("<table border=\"1\" width=\"70%\" id=\"table1\">");
            ut.Rad("<tr>");
            ut.Rad("<td width=\"10%\"><font face=\"verdana\" size=\"2\">" +
                   std::to_string(post.vernr) + "</td>");
            ut.Rad(hoger + HtmlText(post.datum) + "</td>");
            ut.Rad("<td align=\"Right\" width=\"20%\"><font face=\"verdana\" size=\"2\">" +
                   Beloppstext(post.belopp) + "</td>");
            ut.Rad(hoger + std::to_string(post.debet) + "</td>");
            ut.Rad(hoger + std::to_string(post.kredit) + "</td>");
            ut.Rad(hoger + std::to_string(post.kod) + "</td>");
            ut.Rad("</tr>");
            ut.Rad("</table>");
        }
    }
    return ut;
}

} // namespace tovana
