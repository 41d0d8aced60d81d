// Every step of a rewrite, of an append and of an append of several posts
// (with its intent file) failed in turn: the writer runs with
// a shim that fails its Nth file system call in the ledger's folder, for N = 1,
// 2, ... until a run hits no fault. Each time the ledger is exactly the old or
// the new content, no temporary file is left, and what the writer reported
// agrees with the file: a reported failure leaves the old content, a reported
// save the new. The program's own commands are swept the same way with their
// change log: a save leaves the new ledger and the log with its record, a
// failure the old ledger and a log that says so ("Ej genomförd" after the
// record), and a log that could not be written leaves both files as they were.

#include "Barnprocess.h"
#include "Testmapp.h"
#include "core/Behandlingslogg.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <ostream>

using namespace tovana;
using namespace tovana::test;
namespace fs = std::filesystem;

namespace {

const std::string kSkrivprov = TOVANA_SKRIVPROV;
const std::string kFelinjektion = TOVANA_FELINJEKTION;

struct Svep {
    const char *kommando; // the writer's command: "omskriv", "tillagg" or "flera"
    int felnummer;
    const char *namn;
};

void PrintTo(const Svep &svep, std::ostream *ut) {
    *ut << svep.namn;
}

class Felinjektion : public ::testing::TestWithParam<Svep> {};

} // namespace

TEST_P(Felinjektion, VarjeStegLamnarGamlaEllerNyaInnehallet) {
    const Svep svep = GetParam();
    // The old content, and the new one as a save with no fault leaves it.
    std::string gammal, ny;
    {
        Testmapp mapp;
        const std::string fil = mapp.Sokvag("bok.red");
        ASSERT_EQ(KorBarn({kSkrivprov, "skapa", fil, "5"}).status, 0);
        gammal = LasBytes(fil);
        const Utfall utfall = KorBarn({kSkrivprov, svep.kommando, fil});
        ASSERT_EQ(utfall.ut, "sparad\n");
        ny = LasBytes(fil);
    }
    ASSERT_NE(gammal, ny);

    int injicerade = 0;
    for (long steg = 1;; ++steg) {
        ASSERT_LT(steg, 500) << "every run hits a fault";
        Testmapp testmapp;
        const std::string mapp = fs::canonical(testmapp.Mapp()).string();
        const std::string fil = mapp + "/bok.red";
        SkrivBytes(fil, gammal);
        const Utfall utfall = KorBarn({kSkrivprov, svep.kommando, fil},
                                      {"LD_PRELOAD=" + kFelinjektion, "TOVANA_FEL_MAPP=" + mapp,
                                       "TOVANA_FEL_STEG=" + std::to_string(steg),
                                       "TOVANA_FEL_NUMMER=" + std::to_string(svep.felnummer),
                                       "ASAN_OPTIONS=verify_asan_link_order=0"});
        SCOPED_TRACE("step " + std::to_string(steg) + ": " + utfall.fel + utfall.ut);
        ASSERT_TRUE(WIFEXITED(utfall.status));
        const bool traffad = utfall.fel.find("felinjektion:") != std::string::npos;

        const std::string efter = LasBytes(fil);
        if (WEXITSTATUS(utfall.status) == 0) {
            EXPECT_EQ(utfall.ut, "sparad\n");
            EXPECT_TRUE(efter == ny) << "reported saved, but the file is not the new content";
        } else {
            EXPECT_EQ(utfall.ut.rfind("fel: ", 0), 0u) << "a failure is reported with its message";
            EXPECT_TRUE(efter == gammal) << "reported failed, but the file is not the old content";
        }
        for (const std::string &namn : Filnamn(mapp))
            EXPECT_TRUE(namn.find(".tmp-") == std::string::npos &&
                        namn.find(".tillagg") == std::string::npos)
                << "left behind: " << namn;

        if (!traffad) {
            EXPECT_EQ(WEXITSTATUS(utfall.status), 0);
            break;
        }
        ++injicerade;
    }
    EXPECT_GT(injicerade, 3);
    std::printf("%d faults injected into '%s'\n", injicerade, svep.kommando);
}

INSTANTIATE_TEST_SUITE_P(Svep, Felinjektion,
                         ::testing::Values(Svep{"omskriv", EIO, "omskriv_EIO"},
                                           Svep{"omskriv", ENOSPC, "omskriv_ENOSPC"},
                                           Svep{"tillagg", EIO, "tillagg_EIO"},
                                           Svep{"tillagg", ENOSPC, "tillagg_ENOSPC"},
                                           Svep{"flera", EIO, "flera_EIO"},
                                           Svep{"flera", ENOSPC, "flera_ENOSPC"}),
                         [](const ::testing::TestParamInfo<Svep> &info) {
                             return std::string(info.param.namn);
                         });

namespace {

struct Loggsvep {
    const char *kommando; // "loggpost" (the log is begun) or "loggandring" (appended to)
    const char *vad;      // the kind of its record
    int felnummer;
    const char *namn;
};

void PrintTo(const Loggsvep &svep, std::ostream *ut) {
    *ut << svep.namn;
}

class LoggadFelinjektion : public ::testing::TestWithParam<Loggsvep> {};

std::string LasOmFinns(const std::string &sokvag) {
    return fs::exists(sokvag) ? LasBytes(sokvag) : std::string("(ingen)");
}

} // namespace

TEST_P(LoggadFelinjektion, VarjeStegLamnarBokOchLoggOsams) {
    const Loggsvep svep = GetParam();
    const bool medLogg = std::string(svep.kommando) == "loggandring";
    // The old ledger and log (none before a first change), and the new ones.
    std::string gammal, gammalLogg, ny, nyLogg;
    {
        Testmapp mapp;
        const std::string fil = mapp.Sokvag("bok.red");
        ASSERT_EQ(KorBarn({kSkrivprov, "skapa", fil, "5"}).status, 0);
        if (medLogg)
            ASSERT_EQ(KorBarn({kSkrivprov, "loggpost", fil}).ut, "sparad\n");
        gammal = LasBytes(fil);
        gammalLogg = LasOmFinns(Loggfil(fil));
        ASSERT_EQ(KorBarn({kSkrivprov, svep.kommando, fil}).ut, "sparad\n");
        ny = LasBytes(fil);
        nyLogg = LasOmFinns(Loggfil(fil));
    }
    ASSERT_NE(gammal, ny);
    const std::string ejGenomford =
        nyLogg +
        Loggbytes({"2026-12-09 10:11:12", "prov@maskin", loggtyp::kEjGenomford + svep.vad, {}, {}});

    int injicerade = 0, iLoggen = 0;
    for (long steg = 1;; ++steg) {
        ASSERT_LT(steg, 500) << "every run hits a fault";
        Testmapp testmapp;
        const std::string mapp = fs::canonical(testmapp.Mapp()).string();
        const std::string fil = mapp + "/bok.red";
        SkrivBytes(fil, gammal);
        if (medLogg)
            SkrivBytes(Loggfil(fil), gammalLogg);
        const Utfall utfall = KorBarn({kSkrivprov, svep.kommando, fil},
                                      {"LD_PRELOAD=" + kFelinjektion, "TOVANA_FEL_MAPP=" + mapp,
                                       "TOVANA_FEL_STEG=" + std::to_string(steg),
                                       "TOVANA_FEL_NUMMER=" + std::to_string(svep.felnummer),
                                       "ASAN_OPTIONS=verify_asan_link_order=0"});
        SCOPED_TRACE("step " + std::to_string(steg) + ": " + utfall.fel + utfall.ut);
        ASSERT_TRUE(WIFEXITED(utfall.status));
        const bool traffad = utfall.fel.find("felinjektion:") != std::string::npos;

        const std::string efter = LasBytes(fil);
        const std::string loggEfter = LasOmFinns(Loggfil(fil));
        if (WEXITSTATUS(utfall.status) == 0) {
            EXPECT_EQ(utfall.ut, "sparad\n");
            EXPECT_TRUE(efter == ny) << "reported saved, but the ledger is not the new content";
            EXPECT_TRUE(loggEfter == nyLogg) << "reported saved, but the log lacks its record";
        } else {
            EXPECT_EQ(utfall.ut.rfind("fel: ", 0), 0u) << "a failure is reported with its message";
            EXPECT_TRUE(efter == gammal)
                << "reported failed, but the ledger is not the old content";
            if (utfall.ut.find("Behandlingshistoriken kunde inte skrivas") != std::string::npos) {
                ++iLoggen;
                EXPECT_TRUE(loggEfter == gammalLogg) << "the log that failed changed";
            } else {
                EXPECT_TRUE(loggEfter == gammalLogg || loggEfter == ejGenomford)
                    << "the log neither as it was nor saying the change never came:\n"
                    << loggEfter;
            }
        }
        for (const std::string &namn : Filnamn(mapp))
            EXPECT_TRUE(namn.find(".tmp-") == std::string::npos &&
                        namn.find(".tillagg") == std::string::npos)
                << "left behind: " << namn;

        if (!traffad) {
            EXPECT_EQ(WEXITSTATUS(utfall.status), 0);
            break;
        }
        ++injicerade;
    }
    EXPECT_GT(iLoggen, 1) << "no fault hit the log";
    std::printf("%d faults injected into '%s', %d of them into its log\n", injicerade,
                svep.kommando, iLoggen);
}

INSTANTIATE_TEST_SUITE_P(
    Svep, LoggadFelinjektion,
    ::testing::Values(Loggsvep{"loggpost", "Ny post", EIO, "loggpost_EIO"},
                      Loggsvep{"loggpost", "Ny post", ENOSPC, "loggpost_ENOSPC"},
                      Loggsvep{"loggandring", "Ändrad post", EIO, "loggandring_EIO"},
                      Loggsvep{"loggandring", "Ändrad post", ENOSPC, "loggandring_ENOSPC"}),
    [](const ::testing::TestParamInfo<Loggsvep> &info) { return std::string(info.param.namn); });
