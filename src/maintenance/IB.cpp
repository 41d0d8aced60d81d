#include "maintenance/IB.h"

#include "core/Behandlingslogg.h"
#include "core/Datum.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "reports/Balansberakning.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tovana {

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
    std::ranges::copy(fjol.poster, fjolar.Posterna().begin());
    const Saldotabell saldon(fjolar);

    // Stored as the entry form stores a date (2013-01-01 as 20130101), within its limit.
    const std::string ibdatum = ForstaTecken(Lagringsdatum(datum), kDatumlangd);
    std::vector<TPost> poster{TPost{}};
    std::vector<int32_t> konton{0};
    const auto lagg_till = [&](int32_t debet, int32_t kredit, double belopp, int32_t konto) {
        poster.push_back(TPost{vernr, ibdatum, debet, kredit, 0, belopp, {}});
        konton.push_back(konto);
    };
    double tillgangar = 0.0; // T: the carried classes' debit side
    double skulder = 0.0;    // S: equity, untaxed reserves and liabilities
    for (const TKonto &konto : data.Kontona()) {
        const Kontoklass &klass = Klass(konto.typ);
        if (!klass.overfors)
            continue;
        if (klass.normalsida == Normalsida::Debet) {
            const double b = saldon.Saldo(konto.nummer, konto.typ);
            if (ArOppetSaldo(b)) {
                lagg_till(konto.nummer, ibkonto, b, konto.nummer);
                tillgangar += b;
            }
        } else {
            const double b = saldon.Saldo(konto.nummer, konto.typ);
            if (ArOppetSaldo(b)) {
                lagg_till(ibkonto, konto.nummer, b, konto.nummer);
                skulder += b;
            }
        }
    }
    lagg_till(ibkonto, resultatkonto, tillgangar - skulder, resultatkonto);

    // The work table holds last year's posts, as the re-sorting routine's does.
    data.Arbetsposter.assign(data.Arbetsposter.size(), TPost{});
    for (int32_t i = 1; i <= fjolar.Postantal; ++i)
        data.Arbetsplats(i) = fjolar.Poster[static_cast<std::size_t>(i)];

    ib.IBantal = static_cast<int32_t>(poster.size()) - 1;
    ib.IBposter = std::move(poster);
    ib.IBkonton = std::move(konton);
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
        KontrolleraOppenPeriod(data, post);
        rader.push_back(Postrad(post));
        nya.push_back(std::move(post));
    }
    // The file first, all lines at once: a failed write leaves Poster untouched.
    MedLogg(data, NyLoggpost(loggtyp::kIBposter, {}, rader),
            [&] { SparaNyaPostrader(data, rader); });
    for (std::size_t k = 0; k < nya.size(); ++k)
        data.Postplats(data.Postantal + 1 + static_cast<int32_t>(k)) = std::move(nya[k]);
    data.Postantal += ib.IBantal;
    ib.Sparade = true;
    return ib.IBantal;
}

std::vector<std::string> IBlista(const Bokforingsdata &data, const IBtabell &ib) {
    // The cells of every line, the heading first; the last column is the name.
    constexpr std::size_t kKolumner = 6;
    using Celler = std::array<std::string, kKolumner>;
    std::vector<Celler> celler{{"Vernr", "Datum", "Belopp", "Debet", "Kredit", "Konto"}};
    for (int32_t k = 1; k <= ib.IBantal; ++k) {
        const TPost &post = ib.IBposter[static_cast<std::size_t>(k)];
        const auto i = static_cast<std::size_t>(k);
        const int32_t konto = i < ib.IBkonton.size() ? ib.IBkonton[i] : 0;
        const int32_t slot = konto != 0 ? data.SokKonto(konto) : 0;
        celler.push_back({std::to_string(post.vernr), post.datum, Beloppstext(post.belopp),
                          std::to_string(post.debet), std::to_string(post.kredit),
                          slot != 0 ? data.Konton[static_cast<std::size_t>(slot)].namn : ""});
    }
    std::array<std::size_t, kKolumner> bredd{};
    for (const Celler &rad : celler)
        for (std::size_t c = 0; c < kKolumner; ++c)
            bredd[c] = std::max(bredd[c], Teckenantal(rad[c]));

    std::vector<std::string> rader;
    for (const Celler &rad : celler) {
        std::string text;
        for (std::size_t c = 0; c < kKolumner; ++c) {
            const std::size_t fyllnad = bredd[c] - Teckenantal(rad[c]);
            if (c > 0)
                text += "  ";
            if (c == 1 || c == kKolumner - 1) {
                text += rad[c];
                if (c == 1)
                    text += std::string(fyllnad, ' ');
            } else {
                text += std::string(fyllnad, ' ') + rad[c];
            }
        }
        // A line without a name ends at its credit column.
        text.erase(text.find_last_not_of(' ') + 1);
        rader.push_back(std::move(text));
    }
    return rader;
}

} // namespace tovana
