#include "maintenance/Kontroll.h"

#include "chart/Kontoredigering.h"
#include "core/Kontoplanfil.h"
#include "core/Skrivlas.h"

#include "core/Taltext.h"

#include <cmath>
#include <map>
#include <unordered_set>

namespace tovana {

const std::string kAllaKontonFinns = "Alla kontonummer och koder finns i kontoplanen.";

namespace {

std::unordered_set<int32_t> Kontonummer(const Bokforingsdata &data) {
    std::unordered_set<int32_t> nummer;
    for (int32_t i = 1; i <= data.Kontoantal; ++i)
        nummer.insert(data.Konton[i].nummer);
    return nummer;
}

std::unordered_set<int32_t> AnvandaNummer(const Bokforingsdata &data) {
    std::unordered_set<int32_t> nummer;
    for (const TPost &post : data.Posterna()) {
        nummer.insert(post.debet);
        nummer.insert(post.kredit);
        nummer.insert(post.kod);
    }
    return nummer;
}

// Whether `nummer` counts as present given the chart's numbers; an empty chart
// has none, not even 0.
bool Finns(const std::unordered_set<int32_t> &kontonummer, int32_t nummer) {
    if (kontonummer.empty())
        return false;
    return nummer == 0 || kontonummer.contains(nummer);
}

} // namespace

std::vector<std::string> SaknadeKonton(const Bokforingsdata &data) {
    const auto kontonummer = Kontonummer(data);
    std::vector<std::string> rader;
    auto kolla = [&](int32_t nummer, const char *sida, int32_t vernr) {
        if (!Finns(kontonummer, nummer))
            rader.push_back(std::to_string(nummer) + sida + std::to_string(vernr));
    };
    for (int32_t i = 1; i <= data.Postantal; ++i) {
        const TPost &post = data.Poster[i];
        kolla(post.debet, " debiterat i verifikation ", post.vernr);
        kolla(post.kredit, " krediterat i verifikation ", post.vernr);
        kolla(post.kod, " kod i verifikation ", post.vernr);
    }
    return rader;
}

const std::string kObalanseradeRubrik = "Verifikationer som inte balanserar:";

std::vector<std::string> ObalanseradeVerifikationer(const Bokforingsdata &data) {
    // Summed in öre, so that no binary residue hides or invents a difference.
    std::map<int32_t, long double> oppet;
    for (const TPost &post : data.Posterna()) {
        if ((post.debet == 0) == (post.kredit == 0))
            continue;
        const long double ore = std::round(static_cast<long double>(post.belopp) * 100);
        oppet[post.vernr] += post.kredit == 0 ? ore : -ore;
    }
    std::vector<std::string> rader;
    for (const auto &[vernr, ore] : oppet) {
        if (ore == 0 || std::isnan(ore))
            continue;
        rader.push_back("Verifikation " + std::to_string(vernr) +
                        " balanserar inte: " + (ore > 0 ? "debetsaldo " : "kreditsaldo ") +
                        Beloppstext(static_cast<double>(std::fabs(ore) / 100)));
    }
    return rader;
}

std::vector<OanvantKonto> OanvandaKontoplatser(const Bokforingsdata &data) {
    const auto anvanda = AnvandaNummer(data);
    std::vector<OanvantKonto> oanvanda;
    for (int32_t i = 1; i <= data.Kontoantal; ++i) {
        const TKonto &konto = data.Konton[i];
        if (anvanda.contains(konto.nummer))
            continue;
        oanvanda.push_back(
            {i, std::to_string(konto.typ) + " " + std::to_string(konto.nummer) + " " + konto.namn});
    }
    return oanvanda;
}

std::vector<std::string> OanvandaKonton(const Bokforingsdata &data) {
    std::vector<std::string> rader;
    for (auto &konto : OanvandaKontoplatser(data))
        rader.push_back(std::move(konto.rad));
    return rader;
}

std::string TaBortOanvantKonto(Bokforingsdata &data, int32_t slot) {
    KontrolleraSkrivbarKontoplan(data);
    if (!ArKontoslot(data, slot))
        return {};
    const TKonto konto = data.Konton[slot];
    if (AnvandaNummer(data).contains(konto.nummer))
        return {};
    TaBortKonto(data, slot);
    return "Kontot " + std::to_string(konto.nummer) + " " + konto.namn + " har raderats!";
}

void SparaReduceradKontoplan(Bokforingsdata &data) {
    KontrolleraSkrivbarKontoplan(data);
    SkrivKontoplan(data, data.Kontoplanfil);
    data.KontoplanAndrad = false;
}

} // namespace tovana
