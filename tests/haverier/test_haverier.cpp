// A writer killed with SIGKILL at random moments while it appends posts to a
// ledger of 1 000 posts and rewrites it with one post changed: after every kill
// the ledger reads back whole and holds every save the writer had reported,
// every copy kept beside it reads whole, and removing the temporary files a
// killed rewrite leaves behind leaves only the ledger and its copies. Likewise
// an append of many posts at once leaves none or all of them, and an import
// leaves the old chart and ledger or the new ones.

#include "Barnprocess.h"
#include "Skrivprov.h"
#include "Testmapp.h"
#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Textfil.h"
#include "entry/Redovisning.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tovana;
using namespace tovana::test;

namespace {

const std::string kSkrivprov = TOVANA_SKRIVPROV;

struct Rapporterat {
    std::set<long> tillagda;           // numbers of the reported appends
    std::map<int32_t, long> omskrivna; // slot -> number of its latest reported rewrite
};

// The first way the ledger falls short of what was reported, or empty; an
// appended post of number n must be tillagd(n).
std::string Brist(const Redovisningsinnehall &bok, const Rapporterat &rapporterat,
                  TPost (*tillagd)(long) = TillagdPost) {
    if (bok.namn != "Provbokföring")
        return "the name line is " + bok.namn;
    if (bok.poster.size() < static_cast<std::size_t>(kOmskrivnaPlatser))
        return "only " + std::to_string(bok.poster.size()) + " posts";
    for (const auto &[plats, nummer] : rapporterat.omskrivna) {
        const std::string &text = bok.poster[static_cast<std::size_t>(plats - 1)].text;
        long funnet = -1;
        if (std::sscanf(text.c_str(), "omskriven %ld", &funnet) != 1 || funnet < nummer)
            return "post " + std::to_string(plats) + " reads '" + text + "', saved as '" +
                   OmskrivenText(nummer) + "'";
    }
    std::set<long> tillagda;
    for (std::size_t i = kOmskrivnaPlatser; i < bok.poster.size(); ++i) {
        long nummer = -1;
        if (std::sscanf(bok.poster[i].text.c_str(), "tillagd %ld", &nummer) != 1 ||
            !(bok.poster[i] == tillagd(nummer)))
            return "appended post " + std::to_string(i + 1) + " reads '" + bok.poster[i].text + "'";
        if (!tillagda.insert(nummer).second)
            return "post " + TillagdText(nummer) + " twice";
    }
    for (long nummer : rapporterat.tillagda)
        if (!tillagda.count(nummer))
            return "the saved post '" + TillagdText(nummer) + "' is missing";
    return {};
}

// Takes the writer's whole report lines ("A n", "R n") into `rapporterat`;
// returns the number to go on from.
long LasRapporter(const std::string &ut, long nasta, Rapporterat &rapporterat, long &tillagg,
                  long &omskrivningar) {
    // Only whole lines are reports; the number after the last one may be in the file or not.
    long storsta = nasta - 1;
    std::istringstream rader(ut.substr(0, ut.rfind('\n') + 1));
    for (std::string rad; std::getline(rader, rad);) {
        char slag = 0;
        long nummer = -1;
        if (std::sscanf(rad.c_str(), "%c %ld", &slag, &nummer) != 2)
            throw std::runtime_error("not a report: " + rad);
        if (slag == 'A') {
            rapporterat.tillagda.insert(nummer);
            ++tillagg;
        } else {
            rapporterat.omskrivna[OmskrivenPlats(nummer)] = nummer;
            ++omskrivningar;
        }
        storsta = std::max(storsta, nummer);
    }
    return storsta + 2;
}

} // namespace

TEST(Haverier, DodadSkrivareLamnarHelBokMedAlltRapporterat) {
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("bok.red");
    ASSERT_EQ(KorBarn({kSkrivprov, "skapa", fil, std::to_string(kOmskrivnaPlatser)}).status, 0);

    const unsigned fro = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(fro));
    std::mt19937 slump(fro);
    std::uniform_int_distribution<int> vantan(0, 25000); // microseconds after start-up

    Rapporterat rapporterat;
    long tillagg = 0, omskrivningar = 0, nasta = 0;
    int dodade = 0;
    while ((tillagg < 200 || omskrivningar < 200 || dodade < 100) && dodade < 2000) {
        const Barn barn = StartaBarn({kSkrivprov, "blandat", fil, std::to_string(nasta)});
        ASSERT_GT(barn.pid, 0);
        const std::string klar = LasRad(barn.ut);
        ::usleep(static_cast<useconds_t>(vantan(slump)));
        ::kill(barn.pid, SIGKILL);
        const int status = VantaPa(barn.pid);
        const std::string ut = LasAllt(barn.ut);
        const std::string fel = LasAllt(barn.fel);
        ASSERT_EQ(klar, "klar") << fel;
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself:\n" << ut << fel;
        ++dodade;

        nasta = LasRapporter(ut, nasta, rapporterat, tillagg, omskrivningar);

        Redovisningsinnehall bok;
        try {
            bok = LasRedovisningsfil(fil);
        } catch (const Korningsfel &fel) {
            FAIL() << "after kill " << dodade << " the ledger does not read: " << fel.what();
        }
        ASSERT_EQ(Brist(bok, rapporterat), "") << "after kill " << dodade;

        RensaTemporarfiler(fil);
        for (const std::string &namn : Filnamn(mapp.Mapp())) {
            ASSERT_EQ(namn.rfind("bok.red", 0), 0u) << "left behind: " << namn;
            if (namn == "bok.red")
                continue;
            ASSERT_EQ(namn.size(), 9u) << "left behind: " << namn;
            ASSERT_NO_THROW(LasRedovisningsfil(mapp.Sokvag(namn))) << "the copy " << namn;
        }
    }
    EXPECT_GE(tillagg, 200);
    EXPECT_GE(omskrivningar, 200);
    std::printf("%d kills survived during %ld appends and %ld rewrites\n", dodade, tillagg,
                omskrivningar);
}

// The same through the program's own commands, each writing its change-log
// record first: after every kill the ledger holds every reported save, and
// once it has been opened again as a window opens it, the log tells that
// ledger exactly (a record whose change never came is followed by its "Ej
// genomförd"), every post saved has the record that registered it, and a
// second opening adds nothing.
TEST(Haverier, DodadSkrivareLamnarEnLoggSomStammerMedBoken) {
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("bok.red");
    ASSERT_EQ(KorBarn({kSkrivprov, "skapa", fil, std::to_string(kOmskrivnaPlatser)}).status, 0);

    const unsigned fro = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(fro));
    std::mt19937 slump(fro);
    std::uniform_int_distribution<int> vantan(0, 80000); // each save syncs twice

    Rapporterat rapporterat;
    long tillagg = 0, omskrivningar = 0, nasta = 0;
    int dodade = 0, ejGenomforda = 0;
    while ((tillagg < 50 || omskrivningar < 50 || dodade < 60) && dodade < 800) {
        const Barn barn = StartaBarn({kSkrivprov, "loggat", fil, std::to_string(nasta)});
        ASSERT_GT(barn.pid, 0);
        const std::string klar = LasRad(barn.ut);
        ::usleep(static_cast<useconds_t>(vantan(slump)));
        ::kill(barn.pid, SIGKILL);
        const int status = VantaPa(barn.pid);
        const std::string ut = LasAllt(barn.ut);
        const std::string fel = LasAllt(barn.fel);
        ASSERT_EQ(klar, "klar") << fel << ut;
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself:\n" << ut << fel;
        ++dodade;
        nasta = LasRapporter(ut, nasta, rapporterat, tillagg, omskrivningar);

        Redovisningsinnehall bok;
        ASSERT_NO_THROW(bok = LasRedovisningsfil(fil)) << "after kill " << dodade;
        ASSERT_EQ(Brist(bok, rapporterat, LoggadPost), "") << "after kill " << dodade;

        // Killed before its first change, the ledger has no log yet.
        if (!LoggFinns(Loggfil(fil))) {
            ASSERT_TRUE(rapporterat.tillagda.empty() && rapporterat.omskrivna.empty());
            continue;
        }
        const std::string fore = LasBytes(Loggfil(fil));
        std::string logg;
        {
            Bokforingsdata data;
            ASSERT_EQ(OppnaRedovisning(data, fil), "") << "after kill " << dodade;
            ASSERT_FALSE(data.RedovisningSkrivskyddad);
            logg = LasBytes(Loggfil(fil));
            ASSERT_EQ(JamforMedRedovisning(logg, fil, Redovisningssumma(data)).utfall,
                      Loggutfall::Stammer)
                << "after kill " << dodade;
            const auto registrerade = Registreringar(Loggfil(fil));
            for (const TPost &post : data.Posterna())
                ASSERT_TRUE(post.vernr < LoggadPost(0).vernr || registrerade.count(post.vernr))
                    << "verification " << post.vernr << " has no record, kill " << dodade;
        }
        ejGenomforda += logg != fore;
        Bokforingsdata igen;
        OppnaRedovisning(igen, fil);
        ASSERT_EQ(LasBytes(Loggfil(fil)), logg) << "a second opening wrote, kill " << dodade;
    }
    EXPECT_GE(tillagg, 50);
    EXPECT_GE(omskrivningar, 50);
    std::printf("%d kills survived during %ld logged saves and %ld logged changes; %d left a "
                "record whose change never came\n",
                dodade, tillagg, omskrivningar, ejGenomforda);
}

namespace {

// How long one run of the writer takes from its "klar" to its end, in microseconds.
long Korningstid(const std::vector<std::string> &argument) {
    const Barn barn = StartaBarn(argument);
    LasRad(barn.ut);
    const auto klar = std::chrono::steady_clock::now();
    VantaPa(barn.pid);
    LasAllt(barn.ut);
    LasAllt(barn.fel);
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 klar)
        .count();
}

} // namespace

// An append of many posts killed mid-write left half a line, and the ledger no
// longer read.
TEST(Haverier, DodatTillaggAvMangaPosterArAlltEllerInget) {
    constexpr long kAntal = 200000;
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("bok.red");
    ASSERT_EQ(KorBarn({kSkrivprov, "skapa", fil, "1000"}).status, 0);
    const std::string gammal = LasBytes(fil);
    const std::vector<std::string> kommando = {kSkrivprov, "flera", fil, std::to_string(kAntal)};
    const long tid = Korningstid(kommando);
    const std::string ny = LasBytes(fil);
    ASSERT_GT(ny.size(), gammal.size());

    const unsigned fro = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(fro));
    std::mt19937 slump(fro);
    std::uniform_int_distribution<long> vantan(0, tid);
    int ingen = 0, alla = 0, avsikter = 0;
    for (int dodad = 1; dodad <= 32; ++dodad) {
        SkrivBytes(fil, gammal);
        const Barn barn = StartaBarn(kommando);
        ASSERT_EQ(LasRad(barn.ut), "klar");
        ::usleep(static_cast<useconds_t>(vantan(slump)));
        ::kill(barn.pid, SIGKILL);
        VantaPa(barn.pid);
        LasAllt(barn.ut);
        LasAllt(barn.fel);
        avsikter += HarTillaggsavsikt(fil);

        // A reader before any writer comes, then the next writer's finishing.
        std::size_t antal = 0;
        try {
            antal = LasRedovisningsfil(fil).poster.size();
        } catch (const Korningsfel &fel) {
            FAIL() << "after kill " << dodad << " the ledger does not read: " << fel.what();
        }
        ASSERT_TRUE(antal == 1000 || antal == 1000 + kAntal) << antal << " posts, kill " << dodad;
        SlutforTillagg(fil);
        const std::string efter = LasBytes(fil);
        ASSERT_TRUE(efter == (antal == 1000 ? gammal : ny)) << "kill " << dodad;
        (antal == 1000 ? ingen : alla)++;
        RensaTemporarfiler(Tillaggsfil(fil));
        for (const std::string &namn : Filnamn(mapp.Mapp()))
            ASSERT_EQ(namn, "bok.red") << "left behind after kill " << dodad;
    }
    std::printf("32 kills of an append of %ld posts (%ld us): %d left none, %d all; %d left "
                "an intent\n",
                kAntal, tid, ingen, alla, avsikter);
}

// An import wrote the chart before the ledger was written: a kill in between
// left a new chart beside the old ledger.
TEST(Haverier, DodadSieimportLamnarBadaGamlaEllerBadaNya) {
    constexpr long kAntal = 300000;
    const std::string sie = TOVANA_SIEFIL;
    Testmapp mapp;
    const std::string kpl = mapp.Sokvag("bok.kpl"), red = mapp.Sokvag("bok.red");
    const std::vector<std::string> kommando = {kSkrivprov, "sie", sie,
                                               kpl,        red,   std::to_string(kAntal)};
    const long tid = Korningstid(kommando);
    const std::string nyKpl = LasBytes(kpl), nyRed = LasBytes(red);
    const std::string gammalKpl = "Gammal plan\r\n1;1930;Bank\r\n";
    ASSERT_EQ(KorBarn({kSkrivprov, "skapa", red, "10"}).status, 0);
    const std::string gammalRed = LasBytes(red);

    const unsigned fro = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(fro));
    std::mt19937 slump(fro);
    std::uniform_int_distribution<long> vantan(0, tid);
    int gamla = 0, nya = 0, blandade = 0;
    for (int dodad = 1; dodad <= 32; ++dodad) {
        for (const std::string &namn : Filnamn(mapp.Mapp()))
            std::filesystem::remove(mapp.Sokvag(namn));
        SkrivBytes(kpl, gammalKpl);
        SkrivBytes(red, gammalRed);
        const Barn barn = StartaBarn(kommando);
        ASSERT_EQ(LasRad(barn.ut), "klar");
        ::usleep(static_cast<useconds_t>(vantan(slump)));
        ::kill(barn.pid, SIGKILL);
        VantaPa(barn.pid);
        LasAllt(barn.ut);
        LasAllt(barn.fel);
        const std::string k = LasBytes(kpl), r = LasBytes(red);
        ASSERT_TRUE(k == gammalKpl || k == nyKpl) << "a torn chart, kill " << dodad;
        ASSERT_TRUE(r == gammalRed || r == nyRed) << "a torn ledger, kill " << dodad;
        ASSERT_FALSE(k == gammalKpl && r == nyRed) << "kill " << dodad;
        if (k == gammalKpl)
            ++gamla;
        else if (r == nyRed)
            ++nya;
        else
            ++blandade; // killed between the two renames
    }
    // The moment between the two renames, measured on two prepared files.
    long fonster = 0;
    {
        ForbereddSkrivning a(kpl, nyKpl, true), b(red, "x\r\n", true);
        const auto fore = std::chrono::steady_clock::now();
        ForbereddSkrivning::GenomforAlla({&a, &b});
        fonster = std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::steady_clock::now() - fore)
                      .count();
    }
    EXPECT_LE(blandade, 1) << "a new chart beside the old ledger is left only by a kill between "
                              "the renames";
    std::printf("32 kills of an import of %ld posts (%ld us): %d left both old, %d both new, "
                "%d a new chart with the old ledger; the commit of both took %ld us\n",
                kAntal, tid, gamla, nya, blandade, fonster);
}
