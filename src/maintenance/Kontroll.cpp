#include "maintenance/Kontroll.h"

#include "chart/Kontoredigering.h"
#include "core/Kontoplanfil.h"
#include "core/Skrivlas.h"

#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Taltext.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_map>

#include <cmath>
#include <map>
#include <unordered_set>

namespace tovana {

const std::string kAllaKontonFinns = "Alla kontonummer och koder finns i kontoplanen.";

namespace {

std::unordered_set<int32_t> Kontonummer(const Bokforingsdata &data) {
    std::unordered_set<int32_t> nummer;
    for (const TKonto &konto : data.Kontona())
        nummer.insert(konto.nummer);
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
    for (const TPost &post : data.Posterna()) {
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

namespace {

// "4–6, 9": the sorted numbers with each run of consecutive ones as its ends.
std::string Serier(const std::vector<int64_t> &nummer) {
    std::string text;
    for (std::size_t i = 0; i < nummer.size();) {
        std::size_t j = i;
        while (j + 1 < nummer.size() && nummer[j + 1] == nummer[j] + 1)
            ++j;
        if (!text.empty())
            text += ", ";
        text += std::to_string(nummer[i]);
        if (j > i)
            text += "–" + std::to_string(nummer[j]);
        i = j + 1;
    }
    return text;
}

// A date as it is compared: the day the date rule reads, else the text as it stands.
std::string Datumnyckel(const std::string &datum) {
    const std::optional<Datum> dag = LasDatum(datum);
    return dag ? Datumtext(*dag) : datum;
}

} // namespace

std::vector<std::string> Verifikationsnummerfel(const Bokforingsdata &data) {
    // The posts of one verification share its number, so a number on many
    // posts is no fault. Those posts are keyed one after the other and carry
    // the verification's one date, and every re-sort keeps them together (the
    // orders are stable and sort by number or by date). A number stands on
    // more than one verification when its posts do not: when it comes back
    // after posts of another number, or when its posts carry different dates.
    struct Forsta {
        std::string datum; // the date key of the number's first post
    };
    std::unordered_map<int32_t, Forsta> sedda;
    std::vector<int64_t> dubbla;
    std::vector<int64_t> positiva;
    std::optional<int32_t> forra;
    for (const TPost &post : data.Posterna()) {
        const auto [plats, ny] = sedda.try_emplace(post.vernr);
        if (ny) {
            plats->second.datum = Datumnyckel(post.datum);
            if (post.vernr >= 1)
                positiva.push_back(post.vernr);
        } else if (forra != post.vernr || plats->second.datum != Datumnyckel(post.datum)) {
            dubbla.push_back(post.vernr);
        }
        forra = post.vernr;
    }
    std::vector<std::string> rader;
    std::sort(positiva.begin(), positiva.end());
    // The series runs from its lowest number (1, or a higher one where it is
    // continued from another ledger) to its highest; a missing run is named
    // by its ends, so a vast gap is one short line.
    std::string saknade;
    for (std::size_t i = 1; i < positiva.size(); ++i) {
        const int64_t fran = positiva[i - 1] + 1;
        const int64_t till = positiva[i] - 1;
        if (fran > till)
            continue;
        if (!saknade.empty())
            saknade += ", ";
        saknade += std::to_string(fran);
        if (till > fran)
            saknade += "–" + std::to_string(till);
    }
    if (!saknade.empty())
        rader.push_back("Verifikationsnummer saknas: " + saknade);
    if (!dubbla.empty()) {
        std::sort(dubbla.begin(), dubbla.end());
        dubbla.erase(std::unique(dubbla.begin(), dubbla.end()), dubbla.end());
        rader.push_back("Verifikationsnummer förekommer i flera verifikationer: " + Serier(dubbla));
    }
    return rader;
}

const std::string kRegistreradeEfterStangningRubrik =
    "Poster i stängd period som registrerades efter att perioden stängts:";

namespace {

// The verification number and the date of a post line as the log holds it
// ("12;20260302;1250;1930;3010;0;text").
struct Radnyckel {
    std::string vernr;
    std::string datum;
};

std::optional<Radnyckel> LasRadnyckel(std::string_view rad) {
    const auto forsta = rad.find(';');
    if (forsta == std::string_view::npos)
        return std::nullopt;
    const auto andra = rad.find(';', forsta + 1);
    if (andra == std::string_view::npos)
        return std::nullopt;
    return Radnyckel{std::string(rad.substr(0, forsta)),
                     std::string(rad.substr(forsta + 1, andra - forsta - 1))};
}

struct SenRegistrering {
    std::string rad;
    std::string tid;
    std::string anvandare;
    Datum stangdTom;
};

} // namespace

std::vector<std::string> RegistreradeEfterStangning(const Bokforingsdata &data) {
    std::vector<std::string> rader;
    if (!data.StangdTom || data.Redovisningsfil.empty())
        return rader;
    // The log's records in order, with the closed-through date each leaves: a
    // registering record's post whose date is on or before the date then in
    // force was registered after the "Stängd" record that closed that date. A
    // registering record followed by "Ej genomförd" never reached the ledger.
    std::vector<SenRegistrering> sena;
    std::size_t senasteRecordetsForsta = 0;
    std::optional<Datum> stangd;
    try {
        const std::string logg = Loggfil(data.Redovisningsfil);
        if (!LoggFinns(logg))
            return rader;
        for (const Loggpost &post : LasLogg(logg)) {
            if (post.vad.starts_with(loggtyp::kEjGenomford)) {
                sena.resize(senasteRecordetsForsta);
                continue;
            }
            senasteRecordetsForsta = sena.size();
            if (const auto ny = StangdTom(std::span(&post, 1))) {
                stangd = ny;
                continue;
            }
            if (!stangd || !ArRegistrering(post))
                continue;
            for (const std::string &rad : post.tillagda) {
                const auto nyckel = LasRadnyckel(rad);
                if (!nyckel)
                    continue;
                const std::optional<Datum> dag = LasDatum(nyckel->datum);
                if (dag && *dag <= *stangd && IStangdPeriod(data, nyckel->datum)) {
                    // The line as the ledger holds it once rewritten ("1250,50"
                    // is written back "1250,5"), as the posts are matched below.
                    const std::optional<TPost> tolkad = TolkaPostrad(rad);
                    sena.push_back(
                        {tolkad ? Postrad(*tolkad) : rad, post.tid, post.anvandare, *stangd});
                }
            }
        }
    } catch (const Korningsfel &fel) {
        rader.push_back("Behandlingshistoriken kunde inte läsas: " + std::string(fel.what()));
        return rader;
    }
    if (sena.empty())
        return rader;
    // Only posts the ledger still holds, each line counted as often as it stands there.
    std::unordered_map<std::string, int64_t> iRedovisningen;
    for (const TPost &post : data.Posterna())
        if (IStangdPeriod(data, post.datum))
            ++iRedovisningen[Postrad(post)];
    for (const SenRegistrering &sen : sena) {
        const auto plats = iRedovisningen.find(sen.rad);
        if (plats == iRedovisningen.end() || plats->second == 0)
            continue;
        --plats->second;
        const auto nyckel = LasRadnyckel(sen.rad);
        rader.push_back("Verifikation " + nyckel->vernr + " (" + nyckel->datum +
                        ") registrerades " + sen.tid + " av " + sen.anvandare +
                        ", då perioden var stängd t.o.m. " + Isodatum(sen.stangdTom) + ".");
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
