#include "maintenance/IB.h"

#include "core/Datum.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "reports/Balansberakning.h"

#include <utility>

namespace tovana {

namespace {

// The text right-aligned in `bredd` characters; a longer text is kept whole.
std::string Hogerstallt(const std::string &text, std::size_t bredd) {
    const std::size_t langd = Teckenantal(text);
    return langd < bredd ? std::string(bredd - langd, ' ') + text : text;
}

} // namespace

void BeraknaIBposter(Bokforingsdata &data, IBtabell &ib, const std::string &fjolfil, int32_t vernr,
                     const std::string &datum, int32_t ibkonto, int32_t resultatkonto) {
    // The date becomes a field of every ledger line written on saving.
    if (datum.find_first_of("\r\n") != std::string::npos)
        throw Korningsfel("Datum och text får inte innehålla radbrytningar.");
    if (datum.find(';') != std::string::npos)
        throw Korningsfel("Datumet får inte innehålla semikolon (;).");

    // Read whole before anything changes: a bad line leaves the last run intact.
    // Only the first five fields of last year's lines are needed for balances.
    Redovisningsinnehall fjol = LasRedovisningsfil(fjolfil, Postlasning::Saldon);

    // Last year's posts balanced over this year's chart.
    Bokforingsdata fjolar;
    fjolar.Konton = data.Konton;
    fjolar.Kontoantal = data.Kontoantal;
    fjolar.Postantal = static_cast<int32_t>(fjol.poster.size());
    fjolar.Postplats(fjolar.Postantal);
    for (int32_t i = 1; i <= fjolar.Postantal; ++i)
        fjolar.Poster[static_cast<std::size_t>(i)] = fjol.poster[static_cast<std::size_t>(i - 1)];
    const Saldotabell saldon(fjolar);

    // Stored as the entry form stores a date (2013-01-01 as 20130101), within its limit.
    const std::string ibdatum = ForstaTecken(Lagringsdatum(datum), kDatumlangd);
    std::vector<TPost> poster{TPost{}};
    const auto lagg_till = [&](int32_t debet, int32_t kredit, double belopp) {
        poster.push_back(TPost{vernr, ibdatum, debet, kredit, 0, belopp, {}});
    };
    double tillgangar = 0.0; // T: the carried classes' debit side
    double skulder = 0.0;    // S: equity, untaxed reserves and liabilities
    for (int32_t slot = 1; slot <= data.Kontoantal; ++slot) {
        const TKonto &konto = data.Konton[static_cast<std::size_t>(slot)];
        const Kontoklass &klass = Klass(konto.typ);
        if (!klass.overfors)
            continue;
        if (klass.normalsida == Normalsida::Debet) {
            const double b = saldon.Saldo(konto.nummer, konto.typ);
            if (ArOppetSaldo(b)) {
                lagg_till(konto.nummer, ibkonto, b);
                tillgangar += b;
            }
        } else {
            const double b = saldon.Saldo(konto.nummer, konto.typ);
            if (ArOppetSaldo(b)) {
                lagg_till(ibkonto, konto.nummer, b);
                skulder += b;
            }
        }
    }
    lagg_till(ibkonto, resultatkonto, tillgangar - skulder);

    // The work table holds last year's posts, as the re-sorting routine's does.
    data.Arbetsposter.assign(data.Arbetsposter.size(), TPost{});
    for (int32_t i = 1; i <= fjolar.Postantal; ++i)
        data.Arbetsplats(i) = fjolar.Poster[static_cast<std::size_t>(i)];

    ib.IBantal = static_cast<int32_t>(poster.size()) - 1;
    ib.IBposter = std::move(poster);
    ib.Sparade = false;
}

int32_t SparaIBposter(Bokforingsdata &data, IBtabell &ib) {
    KontrolleraSkrivbarRedovisning(data);
    if (ib.Sparade || ib.IBantal <= 0)
        return 0;
    std::vector<TPost> nya;
    std::vector<std::string> rader;
    for (int32_t k = 1; k <= ib.IBantal; ++k) {
        TPost post = ib.IBposter[static_cast<std::size_t>(k)];
        post.text = kIBtext;
        rader.push_back(Postrad(post));
        nya.push_back(std::move(post));
    }
    // The file first, all lines at once: a failed write leaves Poster untouched.
    SparaNyaPostrader(data, rader);
    for (std::size_t k = 0; k < nya.size(); ++k)
        data.Postplats(data.Postantal + 1 + static_cast<int32_t>(k)) = std::move(nya[k]);
    data.Postantal += ib.IBantal;
    ib.Sparade = true;
    return ib.IBantal;
}

std::string IBrad(const TPost &post) {
    std::string rad = Hogerstallt(std::to_string(post.vernr), 3);
    const std::size_t datumlangd = Teckenantal(post.datum);
    if (datumlangd >= 3 && datumlangd <= 6)
        rad += std::string(7 - datumlangd, ' ');
    rad += post.datum;
    rad += Hogerstallt(Beloppstext(post.belopp), 10);
    rad += Hogerstallt(std::to_string(post.debet), 6);
    rad += Hogerstallt(std::to_string(post.kredit), 6);
    rad += Hogerstallt(std::to_string(post.kod), 6);
    return rad;
}

} // namespace tovana
