#include "maintenance/Sieoppning.h"

#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "core/Textfil.h"
#include "entry/Redovisning.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace tovana {

namespace {

// Whether two paths name one file, links and relative parts resolved.
bool SammaFil(const std::string &a, const std::string &b) {
    std::error_code fel;
    const auto ka = std::filesystem::weakly_canonical(a, fel);
    if (fel)
        return a == b;
    const auto kb = std::filesystem::weakly_canonical(b, fel);
    return fel ? a == b : ka == kb;
}

} // namespace

SieImport LasSiefil(const std::string &sokvag) {
    return Importera(LasFil(sokvag));
}

void SparaSiefil(const std::string &sokvag, const SieExport &exp) {
    const auto las = KravSkrivlas(nullptr, sokvag);
    SkrivSiefil(sokvag, exp);
}

std::string SkapaFranSie(Bokforingsdata &data, const SieImport &import,
                         const std::string &kontoplanfil, const std::string &redovisningsfil) {
    if (!import.Lyckades())
        throw Korningsfel("SIE-filen har fel. Ingen kontoplan och ingen redovisning skapas.");
    if (SammaFil(kontoplanfil, redovisningsfil))
        throw Korningsfel("Kontoplanen och redovisningen kan inte skrivas till samma fil (" +
                          kontoplanfil + "). Ingenting skrivs.");
    auto kontoplanslas = KravSkrivlas(data.Kontoplanslas, kontoplanfil);
    auto redovisningslas = KravSkrivlas(data.Redovisningslas, redovisningsfil);

    // Both files are written and synced in full before either takes its
    // place, so that an error or a kill before that leaves both as they were.
    const Bokforingsdata ny = SomBokforingsdata(import);
    // A ledger with a change log is not written over (KontrolleraUtanLogg);
    // when the import's posts fall in its closed period, that is said first.
    if (LoggFinns(Loggfil(redovisningsfil))) {
        Bokforingsdata mal;
        mal.StangdTom = LasLoggVidOppning(redovisningsfil, {}, {}, false).stangdTom;
        for (const TPost &post : ny.Posterna())
            KontrolleraOppenPeriod(mal, post);
        KontrolleraUtanLogg(redovisningsfil);
    }
    ForbereddSkrivning kontoplan(kontoplanfil, KontoplanBytes(ny), true);
    ForbereddSkrivning redovisning = ForberedRedovisning(ny, redovisningsfil);
    // The new ledger's log begins with the import, before the files take their place.
    std::vector<std::string> rader;
    rader.reserve(ny.Posterna().size());
    for (const TPost &post : ny.Posterna())
        rader.push_back(Postrad(post));
    BorjaNyLogg(redovisningsfil, ny.Redovisningsnamn,
                NyLoggpost(loggtyp::kSieImport, {}, std::move(rader)));
    try {
        ForbereddSkrivning::GenomforAlla({&kontoplan, &redovisning});
    } catch (const Korningsfel &fel) {
        if (!redovisning.Genomford())
            LoggaEjGenomford(redovisningsfil, loggtyp::kSieImport);
        if (!kontoplan.Genomford())
            throw;
        throw Korningsfel("Kontoplanen skrevs till " + kontoplanfil +
                          ", men redovisningen kunde inte skrivas:\n" + fel.what() +
                          "\nDen kontoplan och redovisning du hade öppna är kvar.");
    }

    // Both files are read back whole before either is handed over, so that a
    // file that does not read back leaves the state in memory as it was.
    Kontoplaninnehall nyKontoplan = LasKontoplanfil(kontoplanfil);
    Redovisningsinnehall nyRedovisning = LasRedovisningstabell(redovisningsfil);
    // The new ledger's log, just begun, gives its closed period (the one the
    // ledger replaced no longer counts).
    const Loggvidoppning logg = LasLoggVidOppning(redovisningsfil, nyRedovisning, true);

    SattInKontoplan(data, std::move(nyKontoplan), kontoplanfil);
    SattRedovisning(data, std::move(nyRedovisning), redovisningsfil);
    std::string besked = SattKontoplanslas(data, std::move(kontoplanslas));
    const std::string redovisningsbesked = SattRedovisningslas(data, std::move(redovisningslas));
    if (!besked.empty() && !redovisningsbesked.empty())
        besked += "\n\n";
    besked += redovisningsbesked;
    LaggTillBesked(besked, OrdnaLoggVidOppning(data, logg));
    GlomForetaget(data);
    return besked;
}

} // namespace tovana
