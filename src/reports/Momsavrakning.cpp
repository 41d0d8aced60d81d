#include "reports/Momsavrakning.h"

#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Momsrutor.h"
#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "core/Taltext.h"
#include "reports/Momsrapport.h"
#include "reports/Postdatum.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace tovana {

namespace {

// The date of the settlement in the form the ledger's dates have.
std::string Avrakningsdatum(const Bokforingsdata &data, const Datum &dag) {
    for (int32_t i = data.Postantal; i >= 1; --i) {
        const std::string &text = data.Poster[static_cast<std::size_t>(i)].datum;
        if (!LasDatum(text))
            continue;
        if (text.size() == 6 && dag.ar >= 2000 && dag.ar <= 2099) {
            char kort[8];
            std::snprintf(kort, sizeof kort, "%02d%02d%02d", dag.ar % 100, dag.manad, dag.dag);
            return kort;
        }
        break;
    }
    return Datumtext(dag);
}

long long Ore(double belopp) {
    return std::llround(belopp * 100.0);
}

} // namespace

std::string MomsavrakningText(const Period &period) {
    return "Momsavräkning " + Periodtext(period);
}

std::vector<TPost> BeraknaMomsavrakning(const Bokforingsdata &data, const Period &period,
                                        const Momskoder &koder, int32_t avrakningskonto,
                                        int32_t oreskonto) {
    if (data.SokKonto(avrakningskonto) == 0)
        throw Korningsfel("Avräkningskontot " + std::to_string(avrakningskonto) +
                          " finns inte i kontoplanen.");
    if (data.SokKonto(oreskonto) == 0)
        throw Korningsfel("Öresavrundningskontot " + std::to_string(oreskonto) +
                          " finns inte i kontoplanen.");
    const std::string text = MomsavrakningText(period);
    int32_t hogsta = 0;
    for (const TPost &post : data.Posterna()) {
        if (post.text == text)
            throw Korningsfel("Perioden " + Periodtext(period) +
                              " har redan en momsavräkning (verifikation " +
                              std::to_string(post.vernr) + ").");
        hogsta = std::max(hogsta, post.vernr);
    }

    // Each VAT account's movement in the period, debits less credits, in öre.
    const Postdatum datum(data);
    std::map<int32_t, double> rorelse;
    for (int32_t i = 1; i <= data.Postantal; ++i) {
        if (!datum.I(i, period))
            continue;
        const TPost &post = data.Poster[static_cast<std::size_t>(i)];
        if (post.debet != 0 && ArMomsbeloppsruta(RutaForKonto(post.debet, koder)))
            rorelse[post.debet] += post.belopp;
        if (post.kredit != 0 && ArMomsbeloppsruta(RutaForKonto(post.kredit, koder)))
            rorelse[post.kredit] -= post.belopp;
    }

    const Momsrapport rapport = BeraknaMomsrapport(data, period, koder, avrakningskonto);
    const std::string dag = Avrakningsdatum(data, period.till);
    std::vector<TPost> poster;
    const auto post = [&](int32_t debet, int32_t kredit, long long ore) {
        TPost p;
        p.vernr = hogsta + 1;
        p.datum = dag;
        p.debet = ore > 0 ? debet : kredit;
        p.kredit = ore > 0 ? kredit : debet;
        p.belopp = static_cast<double>(ore > 0 ? ore : -ore) / 100.0;
        p.text = text;
        poster.push_back(std::move(p));
    };

    // What is owed by the VAT accounts: their credit balance for the period.
    long long skuld = 0;
    for (const auto &[konto, debetsaldo] : rorelse) {
        const long long ore = Ore(debetsaldo);
        if (ore == 0)
            continue;
        post(0, konto, ore); // a debit balance is cleared by a credit
        skuld -= ore;
    }
    if (poster.empty())
        throw Korningsfel("Perioden " + Periodtext(period) + " har inga momsbelopp att avräkna.");

    const long long ruta49 = rapport.ruta49 * 100;
    const long long skillnad = skuld - ruta49;
    // Each box leaves out less than a krona.
    long long rutor = 0;
    for (int r = 0; r < 63; ++r)
        if (ArMomsbeloppsruta(r) && Ore(rapport.exakt[static_cast<std::size_t>(r)]) != 0)
            ++rutor;
    if (std::llabs(skillnad) >= 100 * std::max(rutor, 1LL))
        throw Korningsfel("Momskontona för perioden " + Periodtext(period) + " visar " +
                          Beloppstext(static_cast<double>(skuld) / 100.0) +
                          " att betala men ruta 49 " + Kronortext(rapport.ruta49) +
                          " kr. Finns det redan en momsavräkning bokförd för perioden, "
                          "eller utgående moms i debet? Ingenting har bokförts.");
    post(0, avrakningskonto, ruta49);
    post(0, oreskonto, skillnad);
    return poster;
}

int32_t SparaMomsavrakning(Bokforingsdata &data, const std::vector<TPost> &poster) {
    KontrolleraSkrivbarRedovisning(data);
    std::vector<std::string> rader;
    rader.reserve(poster.size());
    for (const TPost &post : poster) {
        KontrolleraOppenPeriod(data, post);
        rader.push_back(Postrad(post));
    }
    // The log, then the file, all lines at once: a failed write leaves Poster untouched.
    MedLogg(data, NyLoggpost(loggtyp::kMomsavrakning, {}, rader),
            [&] { SparaNyaPostrader(data, rader); });
    for (const TPost &post : poster)
        data.Postplats(++data.Postantal) = post;
    return static_cast<int32_t>(poster.size());
}

} // namespace tovana
