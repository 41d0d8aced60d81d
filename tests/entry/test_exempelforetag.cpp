// The example company delivered in exempel/: it opens from a copy of its folder,
// its year balances, and its ledger uses only the chart's accounts and codes.

#include "../core/Testmapp.h"
#include "core/Foretagsuppgifter.h"
#include "core/Kontoklasser.h"
#include "core/Taltext.h"
#include "entry/Foretag.h"
#include "entry/Postinmatning.h"
#include "entry/Redovisning.h"
#include "maintenance/Kontroll.h"
#include "reports/Balansberakning.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace tovana;
using namespace tovana::test;

namespace {

// The line of a statement with this name; fails the test when there is none.
std::string Belopp(const Rapportrader &rader, const std::string &namn) {
    for (int i = 1; i <= Sistarad(rader); ++i)
        if (rader[static_cast<std::size_t>(i)].radnamn == namn)
            return rader[static_cast<std::size_t>(i)].radbelopp;
    ADD_FAILURE() << "no line " << namn;
    return {};
}

class ExempelforetagTest : public ::testing::Test {
protected:
    Testmapp mapp;
    Bokforingsdata data;

    // A copy of the folder, without lock files: other tests may hold the
    // originals open at the same time.
    void SetUp() override {
        for (const auto &fil : std::filesystem::directory_iterator(TOVANA_EXEMPEL_DIR))
            if (fil.is_regular_file() && fil.path().extension() != ".lck")
                std::filesystem::copy_file(fil.path(), mapp.Mapp() / fil.path().filename());
        // Opened by its full path from another folder, as the file dialog does.
        EXPECT_EQ(OppnaForetag(data, mapp.Sokvag("kafe.ftg")), "");
    }
};

TEST_F(ExempelforetagTest, OpensItsOwnChartAndLedgerFromWhereverItLies) {
    EXPECT_EQ(data.Kontoplanfil, mapp.Sokvag("foretag.kpl"));
    EXPECT_EQ(data.Redovisningsfil, mapp.Sokvag("kafe2026.red"));
    EXPECT_TRUE(data.KoderFinns);
    EXPECT_GE(data.Postantal, 250);
    EXPECT_LE(data.Postantal, 350);
    // The company's details, read from the lines after the two paths.
    EXPECT_EQ(data.Foretaget.namn, "Kafé Rönnbäret AB");
    EXPECT_EQ(data.Foretaget.orgnr, "559912-3451");
    EXPECT_TRUE(LuhnGiltig("5599123451"));
    EXPECT_EQ(data.Foretaget.momsperiod, Momsperiod::Kvartal);
    ASSERT_TRUE(data.Foretaget.rakenskapsar.has_value());
}

TEST_F(ExempelforetagTest, EveryAccountAndCodeIsInTheChart) {
    EXPECT_EQ(SaknadeKonton(data), std::vector<std::string>{});
    // Stricter than the check above: sides name accounts, codes name class-8 codes.
    std::map<int32_t, int> kodposter;
    for (int32_t i = 1; i <= data.Postantal; ++i) {
        const TPost &post = data.Poster[static_cast<std::size_t>(i)];
        for (const int32_t konto : {post.debet, post.kredit}) {
            if (konto == 0)
                continue;
            const int32_t slot = data.SokKonto(konto);
            ASSERT_NE(slot, 0) << konto;
            EXPECT_NE(data.Konton[static_cast<std::size_t>(slot)].typ, kKoder) << konto;
        }
        if (post.kod != 0) {
            const int32_t slot = data.SokKonto(post.kod);
            ASSERT_NE(slot, 0) << post.kod;
            EXPECT_EQ(data.Konton[static_cast<std::size_t>(slot)].typ, kKoder) << post.kod;
            ++kodposter[post.kod];
        }
    }
    EXPECT_EQ(kodposter.size(), 2u); // two projects, each with several posts
    for (const auto &[kod, antal] : kodposter)
        EXPECT_GE(antal, 4) << kod;
}

TEST_F(ExempelforetagTest, EveryVerificationBalancesAndTheYearRunsInOrder) {
    // Verifications numbered 1, 2, 3 ... in date order within 2026, each of
    // them closing the open balance of its one-sided posts.
    int32_t vernr = 0;
    std::string datum;
    double saldo = 0.0;
    for (int32_t i = 1; i <= data.Postantal; ++i) {
        const TPost &post = data.Poster[static_cast<std::size_t>(i)];
        if (post.vernr != vernr) {
            EXPECT_FALSE(ArOppetSaldo(saldo)) << "verifikation " << vernr;
            EXPECT_EQ(post.vernr, vernr + 1);
            vernr = post.vernr;
            saldo = 0.0;
        }
        EXPECT_EQ(post.datum.size(), 6u) << i;
        EXPECT_EQ(post.datum.substr(0, 2), "26") << i;
        EXPECT_GE(post.datum, datum) << i;
        datum = post.datum;
        saldo = Saldoandring(saldo, post);
    }
    EXPECT_FALSE(ArOppetSaldo(saldo)) << "verifikation " << vernr;
    Postformular formular;
    EXPECT_EQ(SaldotextVidOppning(BeraknaKonteringssaldo(data, formular)), "");

    // The year opens with the opening-balance posts, as the program saves them.
    EXPECT_EQ(data.Poster[1].vernr, 1);
    EXPECT_EQ(data.Poster[1].text, "IB-post");
}

TEST_F(ExempelforetagTest, TheIncomeStatementAndTheBalanceSheetShowTheSameResult) {
    const Rapportrader rr = ByggResultatrakning(data, Rapportform::Skarm);
    const Rapportrader br = ByggBalansrakning(data, Rapportform::Skarm);
    EXPECT_EQ(rr[static_cast<std::size_t>(Sistarad(rr))].radnamn, "Periodens resultat");
    EXPECT_EQ(rr[static_cast<std::size_t>(Sistarad(rr))].radbelopp,
              Belopp(br, "Periodens resultat"));
    EXPECT_NE(Belopp(br, "Periodens resultat"), "0,00");
}

} // namespace
