// The SIE files on disk: an import written as a new chart and ledger that open
// as the current ones, the refusals that leave the state and the files as they
// were, and an export that never overwrites an open file.

#include "chart/Kontoplan.h"
#include "core/Fel.h"
#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "entry/Redovisning.h"
#include "maintenance/Sieoppning.h"

#include "../core/Testmapp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

using namespace tovana;
namespace fs = std::filesystem;

namespace {

const fs::path kFacit = fs::path(__FILE__).parent_path() / "sie";

// A window's state with the small company's chart and ledger open (and locked)
// from copies in the test's folder.
struct Oppet {
    test::Testmapp mapp;
    Bokforingsdata data;

    Oppet() {
        fs::copy_file(kFacit / "foretag.kpl", mapp.Sokvag("gammal.kpl"));
        fs::copy_file(kFacit / "foretag.red", mapp.Sokvag("gammal.red"));
        OppnaKontoplan(data, mapp.Sokvag("gammal.kpl"));
        OppnaRedovisning(data, mapp.Sokvag("gammal.red"));
    }
};

SieImport Foretaget() {
    return LasSiefil((kFacit / "foretag.se").string());
}

} // namespace

TEST(Sieoppning, WritesAndOpensTheNewChartAndLedger) {
    Oppet o;
    const SieImport imp = Foretaget();
    ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
    const auto kpl = o.mapp.Sokvag("ny.kpl"), red = o.mapp.Sokvag("ny.red");

    EXPECT_EQ(SkapaFranSie(o.data, imp, kpl, red), "");

    const Bokforingsdata ny = SomBokforingsdata(imp);
    EXPECT_EQ(test::LasBytes(kpl), KontoplanBytes(ny));
    EXPECT_EQ(o.data.Kontoplanfil, kpl);
    EXPECT_EQ(o.data.Redovisningsfil, red);
    EXPECT_EQ(o.data.Kontoplannamn, imp.kontoplannamn);
    EXPECT_EQ(o.data.Redovisningsnamn, imp.redovisningsnamn);
    EXPECT_EQ(std::vector<TKonto>(o.data.Konton.begin() + 1,
                                  o.data.Konton.begin() + 1 + o.data.Kontoantal),
              imp.konton);
    EXPECT_EQ(
        std::vector<TPost>(o.data.Poster.begin() + 1, o.data.Poster.begin() + 1 + o.data.Postantal),
        imp.poster);
    EXPECT_TRUE(o.data.KontoplanInlast && o.data.RedovisningInlast && o.data.KoderFinns);
    EXPECT_FALSE(o.data.KontoplanSkrivskyddad || o.data.RedovisningSkrivskyddad);
    // The new files are this window's; the old ones are free for another.
    EXPECT_FALSE(Skrivlas(kpl).Tagen());
    EXPECT_FALSE(Skrivlas(red).Tagen());
    EXPECT_TRUE(Skrivlas(o.mapp.Sokvag("gammal.kpl")).Tagen());
    EXPECT_TRUE(Skrivlas(o.mapp.Sokvag("gammal.red")).Tagen());
}

TEST(Sieoppning, ARefusedImportChangesNothingInMemory) {
    struct Fall {
        const char *namn;
        const char *kpl;
        const char *red;
        const char *besked;   // part of the message
        bool kontoplanSkrivs; // the chart file is there afterwards
        std::function<SieImport()> import = Foretaget;
    };
    const std::vector<Fall> fall = {
        {"errors in the file", "ny.kpl", "ny.red", "SIE-filen har fel", false,
         [] { return Importera("#KONTO 1930\r\n"); }},
        {"one file named twice", "ny.kpl", "ny.kpl", "samma fil", false},
        {"the open ledger as the new chart", "gammal.red", "ny.red", "redan öppen", false},
        {"a chart file open elsewhere", "upptagen.kpl", "ny.red", "redan öppen", false},
        // The chart was written before the ledger was known to be writable.
        {"a ledger that cannot be written (a folder)", "ny.kpl", "mapp.red", "mapp.red", false},
    };
    for (const auto &f : fall) {
        Oppet o;
        const auto annan = std::make_unique<Skrivlas>(o.mapp.Sokvag("upptagen.kpl"));
        fs::create_directory(o.mapp.Sokvag("mapp.red"));
        const Bokforingsdata fore = o.data;
        const std::string gammalRed = test::LasBytes(o.mapp.Sokvag("gammal.red"));
        try {
            SkapaFranSie(o.data, f.import(), o.mapp.Sokvag(f.kpl), o.mapp.Sokvag(f.red));
            ADD_FAILURE() << f.namn << ": not refused";
        } catch (const Korningsfel &fel) {
            EXPECT_NE(std::string(fel.what()).find(f.besked), std::string::npos)
                << f.namn << ": " << fel.what();
        }
        EXPECT_EQ(o.data.Kontoplanfil, fore.Kontoplanfil) << f.namn;
        EXPECT_EQ(o.data.Redovisningsfil, fore.Redovisningsfil) << f.namn;
        EXPECT_EQ(o.data.Konton, fore.Konton) << f.namn;
        EXPECT_EQ(o.data.Poster, fore.Poster) << f.namn;
        EXPECT_EQ(o.data.Kontoplanslas, fore.Kontoplanslas) << f.namn;
        EXPECT_EQ(o.data.Redovisningslas, fore.Redovisningslas) << f.namn;
        EXPECT_EQ(test::LasBytes(o.mapp.Sokvag("gammal.red")), gammalRed) << f.namn;
        EXPECT_EQ(fs::exists(o.mapp.Sokvag("ny.kpl")), f.kontoplanSkrivs) << f.namn;
        EXPECT_FALSE(fs::exists(o.mapp.Sokvag("ny.red"))) << f.namn;
    }
}

TEST(Sieoppning, AnExportNeverOverwritesAnOpenFile) {
    Oppet o;
    const SieExport exp = Exportera(o.data, "20120101", "20121231", "20261208");
    ASSERT_TRUE(exp.Lyckades()) << exp.problem.front();
    const std::string red = test::LasBytes(o.data.Redovisningsfil);
    EXPECT_THROW(SparaSiefil(o.data.Redovisningsfil, exp), Korningsfel);
    EXPECT_EQ(test::LasBytes(o.data.Redovisningsfil), red);

    SparaSiefil(o.mapp.Sokvag("ut.se"), exp);
    EXPECT_EQ(test::LasBytes(o.mapp.Sokvag("ut.se")), exp.bytes);
}

// An import into a read-only ledger replaced the existing chart file first.
TEST(Sieoppning, AReadOnlyLedgerLeavesTheExistingChartFileAsItWas) {
    Oppet o;
    const auto kpl = o.mapp.Sokvag("ny.kpl"), red = o.mapp.Sokvag("skyddad.red");
    test::SkrivBytes(kpl, "Min plan\r\n1;1930;Bank\r\n");
    test::SkrivBytes(red, "Skyddad\r\n");
    if (std::system(("chattr +i " + red + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "chattr +i is not possible here";
    std::string fel;
    try {
        SkapaFranSie(o.data, Foretaget(), kpl, red);
    } catch (const Korningsfel &f) {
        fel = f.what();
    }
    if (std::system(("chattr -i " + red).c_str()) != 0)
        ADD_FAILURE() << "chattr -i failed";
    EXPECT_NE(fel.find("skyddad.red"), std::string::npos) << fel;
    EXPECT_EQ(fel.find("Kontoplanen skrevs"), std::string::npos) << fel;
    EXPECT_EQ(test::LasBytes(kpl), "Min plan\r\n1;1930;Bank\r\n");
    EXPECT_EQ(test::LasBytes(red), "Skyddad\r\n");
    EXPECT_EQ(o.data.Kontoplanfil, o.mapp.Sokvag("gammal.kpl"));
    for (const std::string &namn : test::Filnamn(o.mapp.Mapp()))
        EXPECT_EQ(namn.find(".tmp-"), std::string::npos) << "left behind: " << namn;
}
