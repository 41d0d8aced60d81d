// Creating and opening a ledger, its open balance and the rows of last posts.

#include "../core/Testmapp.h"
#include "core/Fel.h"
#include "entry/Redovisning.h"

#include <gtest/gtest.h>

using namespace tovana;
using namespace tovana::test;

namespace {

TPost Post(int32_t vernr, double belopp, int32_t debet, int32_t kredit, int32_t kod = 0) {
    TPost p;
    p.vernr = vernr;
    p.datum = "1203" + std::to_string(vernr);
    p.belopp = belopp;
    p.debet = debet;
    p.kredit = kredit;
    p.kod = kod;
    p.text = "Post " + std::to_string(vernr);
    return p;
}

Bokforingsdata Med(std::initializer_list<TPost> poster) {
    Bokforingsdata data;
    for (const TPost &p : poster)
        data.Postplats(++data.Postantal) = p;
    return data;
}

TEST(Konteringssaldo, SumsTheOneSidedPosts) {
    struct Fall {
        Bokforingsdata data;
        double saldo;
        const char *text;
    };
    const Fall fall[] = {
        {Med({Post(1, 500, 1930, 0), Post(2, 200, 0, 3010), Post(3, 999, 1930, 3010)}), 300,
         "Debetsaldo 300"},
        {Med({Post(1, 150.5, 1930, 0), Post(2, 150.5, 0, 3010)}), 0, ""},
        {Med({Post(1, 150.5, 1930, 0)}), 150.5, "Debetsaldo 150,5"},
        {Med({Post(1, 0.005, 1930, 0)}), 0.005, ""},
        {Med({Post(1, 0.01, 1930, 0)}), 0.01, "Debetsaldo 0,01"},
        {Med({Post(1, 75, 0, 2440), Post(2, 5, 0, 0)}), -75, "Kreditsaldo 75"},
        {Med({}), 0, ""},
        // The open balance was shown unrounded ("Debetsaldo 0,500000000002910").
        {Med({Post(1, 100000.1, 1930, 0), Post(2, 99999.6, 0, 3010)}), 0.5, "Debetsaldo 0,5"},
        {Med({Post(1, 99999.6, 1930, 0), Post(2, 100000.1, 0, 3010)}), -0.5, "Kreditsaldo 0,5"},
    };
    for (const Fall &f : fall) {
        Postformular formular;
        formular.Konteringssaldo = 42;
        EXPECT_DOUBLE_EQ(BeraknaKonteringssaldo(f.data, formular), f.saldo);
        EXPECT_DOUBLE_EQ(formular.Konteringssaldo, f.saldo);
        EXPECT_EQ(SaldotextVidOppning(formular.Konteringssaldo), f.text);
    }
}

TEST(Senasteposter, ShowTheNewestPostFirstWithItsSlot) {
    Bokforingsdata data =
        Med({Post(1, 100, 1930, 3010), Post(2, 1234.5, 5010, 1930, 10), Post(3, 0.5, 0, 2440)});
    const auto rader = SenastePoster(data);
    ASSERT_EQ(rader.size(), 3u);
    EXPECT_EQ(rader[0], (Senasterad{"3", "12033", "0,50", "0", "2440", "", "[3]", "Post 3"}));
    EXPECT_EQ(rader[1].belopp, "1 234,50");
    EXPECT_EQ(rader[1].kod, ""); // no codes in the chart
    EXPECT_EQ(rader[2].postnr, "[1]");

    data.KoderFinns = true;
    EXPECT_EQ(SenastePoster(data)[1].kod, "10");
}

TEST(Senasteposter, ABlockShowsSixPostsEndingAtItsPost) {
    Bokforingsdata data;
    for (int i = 1; i <= 14; ++i)
        data.Postplats(++data.Postantal) = Post(i, i, 1930, 3010);
    const auto nyaste = SenastePoster(data);
    ASSERT_EQ(nyaste.size(), 6u);
    EXPECT_EQ(nyaste.front().postnr, "[14]");
    EXPECT_EQ(nyaste.back().postnr, "[9]");
    const auto aldsta = Postblock(data, 2);
    ASSERT_EQ(aldsta.size(), 2u);
    EXPECT_EQ(aldsta.back().postnr, "[1]");
}

class Redovisningskommandon : public ::testing::Test {
protected:
    Testmapp mapp;
    Bokforingsdata data = Med({Post(1, 100, 1930, 0)});

    void SetUp() override {
        data.Redovisningsnamn = "Gammal";
        data.Redovisningsfil = "gammal.red";
    }
    void VantaOforandrad() {
        EXPECT_EQ(data.Redovisningsnamn, "Gammal");
        EXPECT_EQ(data.Redovisningsfil, "gammal.red");
        EXPECT_EQ(data.Postantal, 1);
        EXPECT_EQ(data.Poster[1], Post(1, 100, 1930, 0));
        EXPECT_FALSE(data.RedovisningInlast);
    }
};

TEST_F(Redovisningskommandon, ANewLedgerWritesItsNameLineAndEmptiesTheTable) {
    const std::string fil = mapp.Sokvag("ny.red");
    SkapaNyRedovisning(data, std::string(90, 'N') + " \xC3\xA5r", fil);
    EXPECT_EQ(LasBytes(fil), std::string(80, 'N') + "\r\n");
    EXPECT_EQ(data.Redovisningsnamn, std::string(80, 'N'));
    EXPECT_EQ(data.Redovisningsfil, fil);
    EXPECT_EQ(data.Postantal, 0);
    EXPECT_EQ(data.Poster[1], TPost{});
    EXPECT_TRUE(data.RedovisningInlast);

    SkapaNyRedovisning(data, "\xC3\x85r 2012", fil);
    EXPECT_EQ(LasBytes(fil), "\xC5r 2012\r\n");
}

TEST_F(Redovisningskommandon, ANewLedgerThatCannotBeWrittenChangesNothing) {
    EXPECT_THROW(SkapaNyRedovisning(data, "Ny", mapp.Sokvag("saknas/ny.red")), Korningsfel);
    VantaOforandrad();
}

TEST_F(Redovisningskommandon, OpeningReadsTheWholeFileOrChangesNothing) {
    const std::string fil = mapp.Sokvag("bok.red");
    SkrivBytes(fil, "Bok\r\n1;120101;100;1930;3010;0;Ett\r\n2;120102;x;1930;3010;0;Tv\xE5\r\n");
    try {
        OppnaRedovisning(data, fil);
        FAIL() << "opened";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), "'x' is not a valid floating point value");
        EXPECT_NE(AndraRaden(fel.what()).find("bok.red"), std::string::npos);
        EXPECT_NE(AndraRaden(fel.what()).find('3'), std::string::npos);
    }
    VantaOforandrad();

    SkrivBytes(fil, "Bok\r\n1;120101;100;1930;3010;0;Ett\r\n2;120102;5;1930;0;0;Tv\xE5\r\n");
    OppnaRedovisning(data, fil);
    EXPECT_EQ(data.Redovisningsnamn, "Bok");
    EXPECT_EQ(data.Redovisningsfil, fil);
    EXPECT_EQ(data.Postantal, 2);
    EXPECT_EQ(data.Poster[2].text, "Tv\xC3\xA5");
    EXPECT_TRUE(data.RedovisningInlast);
}

} // namespace
