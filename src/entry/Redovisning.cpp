#include "entry/Redovisning.h"

#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Skrivlas.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"
#include "entry/Konteringsregler.h"
#include "entry/Postinmatning.h"

#include <algorithm>
#include <cmath>

namespace tovana {

double BeraknaKonteringssaldo(const Bokforingsdata &data, Postformular &formular) {
    double saldo = 0.0;
    for (const TPost &post : data.Posterna())
        saldo = Saldoandring(saldo, post);
    formular.Konteringssaldo = saldo;
    return saldo;
}

bool FaststallKoder(Bokforingsdata &data) {
    data.KoderFinns = data.HarKoder();
    return data.KoderFinns;
}

std::string SaldotextVidOppning(double saldo) {
    if (!ArOppetSaldo(saldo))
        return {};
    if (saldo > 0)
        return "Debetsaldo " + Taltext(OreAvrundat(saldo));
    return "Kreditsaldo " + Taltext(OreAvrundat(std::fabs(saldo)));
}

std::vector<Senasterad> Postblock(const Bokforingsdata &data, int32_t n) {
    std::vector<Senasterad> rader;
    n = std::clamp(n, 0, data.Postantal);
    for (int k = 1; k <= kSenasteradantal; ++k) {
        const int32_t plats = n - k + 1;
        if (plats < 1 && k > 1)
            break;
        const TPost &post = data.Poster[plats];
        Senasterad rad;
        rad.vernr = std::to_string(post.vernr);
        rad.datum = post.datum;
        rad.belopp = Beloppstext(post.belopp);
        rad.debet = std::to_string(post.debet);
        rad.kredit = std::to_string(post.kredit);
        if (data.KoderFinns)
            rad.kod = std::to_string(post.kod);
        rad.postnr = "[" + std::to_string(plats) + "]";
        rad.text = post.text;
        rader.push_back(std::move(rad));
    }
    return rader;
}

std::vector<Senasterad> SenastePoster(const Bokforingsdata &data) {
    return Postblock(data, data.Postantal);
}

void SkapaNyRedovisning(Bokforingsdata &data, const std::string &namn, const std::string &sokvag) {
    auto las = KravSkrivlas(data.Redovisningslas, sokvag);
    KontrolleraUtanLogg(sokvag);
    const std::string internt = ForstaTecken(namn, kNamnlangd);
    SkapaRedovisningsfil(sokvag, internt);
    SattRedovisning(data, Redovisningsinnehall{internt, {}}, sokvag);
    SattRedovisningslas(data, std::move(las));
}

void SattRedovisning(Bokforingsdata &data, Redovisningsinnehall innehall,
                     const std::string &sokvag) {
    SattInRedovisning(data, std::move(innehall));
    data.Redovisningsfil = sokvag;
    data.RedovisningInlast = true;
    data.StangdTom.reset(); // until its log is read
}

std::string OppnaRedovisning(Bokforingsdata &data, const std::string &sokvag) {
    // Locked before it is read, so that no other window changes it in between.
    auto las = TaSkrivlas(data.Redovisningslas, sokvag);
    // The first writer after a killed append finishes it: a torn one is cut
    // back. Where that fails the ledger still reads as of before it.
    if (las && las->Tagen()) {
        RensaTemporarfiler(Tillaggsfil(sokvag));
        try {
            SlutforTillagg(sokvag);
        } catch (const Korningsfel &) {
        }
    }
    Redovisningsinnehall innehall = LasRedovisningstabell(sokvag);
    const Loggvidoppning logg = LasLoggVidOppning(sokvag, innehall, las && las->Tagen());
    SattRedovisning(data, std::move(innehall), sokvag);
    std::string besked = SattRedovisningslas(data, std::move(las));
    LaggTillBesked(besked, OrdnaLoggVidOppning(data, logg));
    return besked;
}

Loggvidoppning LasLoggVidOppning(const std::string &sokvag, const Redovisningsinnehall &innehall,
                                 bool jamfor) {
    std::span<const TPost> poster = innehall.poster;
    if (!poster.empty())
        poster = poster.subspan(1); // the table's slot 0
    return LasLoggVidOppning(sokvag, innehall.namn, poster, jamfor);
}

void LaggTillBesked(std::string &besked, const std::string &stycke) {
    if (!besked.empty() && !stycke.empty())
        besked += "\n\n";
    besked += stycke;
}

} // namespace tovana
