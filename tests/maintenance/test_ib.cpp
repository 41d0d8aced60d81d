// Opening balances from last year's ledger: which balances are carried, on
// which sides, the result post, and what a bad file or a failed append leaves.

#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "entry/Redovisning.h"
#include "maintenance/IB.h"

#include "../core/Testmapp.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tovana;
using namespace tovana::test;

namespace {

Bokforingsdata Kontoplan(const std::vector<TKonto> &konton) {
    Bokforingsdata data;
    for (const auto &konto : konton)
        data.Kontoplats(++data.Kontoantal) = konto;
    data.KontoplanInlast = true;
    return data;
}

const std::vector<TKonto> kNaturlig = {{1, 1930, "Bank"},
                                       {2, 2081, "Eget kapital"},
                                       {2, 2099, "Årets resultat"},
                                       {5, 3010, "Försäljning"},
                                       {6, 5010, "Lokalhyra"}};

TPost Fjol(int32_t debet, int32_t kredit, double belopp) {
    return TPost{1, "110101", debet, kredit, 0, belopp, "fjol"};
}

// The prepared posts as (debit, credit, amount) triples.
struct Del {
    int32_t debet;
    int32_t kredit;
    double belopp;
    bool operator==(const Del &) const = default;
};
std::ostream &operator<<(std::ostream &ut, const Del &d) {
    return ut << "{" << d.debet << ", " << d.kredit << ", " << d.belopp << "}";
}

std::vector<Del> Delar(const IBtabell &ib) {
    std::vector<Del> delar;
    for (int32_t k = 1; k <= ib.IBantal; ++k) {
        const TPost &p = ib.IBposter[static_cast<std::size_t>(k)];
        delar.push_back({p.debet, p.kredit, p.belopp});
    }
    return delar;
}

class IBTest : public ::testing::Test {
protected:
    Testmapp mapp_;
    std::string fjolfil_ = mapp_.Sokvag("fjol.red");

    void SkrivFjol(const std::vector<TPost> &poster) {
        SkrivRedovisningsfil(fjolfil_, "Bok 2011", poster);
    }

    IBtabell Berakna(Bokforingsdata &data, int32_t ibkonto = 0, int32_t resultat = 2099) {
        IBtabell ib;
        BeraknaIBposter(data, ib, fjolfil_, 1, "120101", ibkonto, resultat);
        return ib;
    }
};

TEST_F(IBTest, CarriesBalanceSheetAccountsAndTheResult) {
    auto data = Kontoplan(kNaturlig);
    SkrivFjol({Fjol(1930, 2081, 50000), Fjol(1930, 3010, 1000), Fjol(5010, 1930, 400)});
    const auto ib = Berakna(data);
    EXPECT_EQ(Delar(ib), (std::vector<Del>{{1930, 0, 50600}, {0, 2081, 50000}, {0, 2099, 600}}));
    // Every post carries the run's number, date and no code.
    for (int32_t k = 1; k <= ib.IBantal; ++k) {
        const TPost &p = ib.IBposter[static_cast<std::size_t>(k)];
        EXPECT_EQ(p.vernr, 1);
        EXPECT_EQ(p.datum, "120101");
        EXPECT_EQ(p.kod, 0);
    }
    // Last year's posts stand in the work table, the rest of it emptied.
    EXPECT_EQ(data.Arbetsposter[3], Fjol(5010, 1930, 400));
    EXPECT_EQ(data.Arbetsposter[4], TPost{});
    EXPECT_EQ(data.Postantal, 0);
}

TEST_F(IBTest, CounterAccountTakesTheOtherSide) {
    auto data = Kontoplan(kNaturlig);
    SkrivFjol({Fjol(1930, 2081, 50000), Fjol(1930, 3010, 1000)});
    EXPECT_EQ(Delar(Berakna(data, 2091, 2099)),
              (std::vector<Del>{{1930, 2091, 51000}, {2091, 2081, 50000}, {2091, 2099, 1000}}));
}

TEST_F(IBTest, SmallAndNegativeBalances) {
    struct Fall {
        const char *namn;
        std::vector<TPost> fjol;
        std::vector<Del> ib;
    };
    const std::vector<Fall> fall = {
        {"half an öre is left out", {Fjol(1930, 3010, 0.005)}, {{0, 2099, 0}}},
        {"one öre is carried", {Fjol(1930, 3010, 0.01)}, {{1930, 0, 0.01}, {0, 2099, 0.01}}},
        {"minus one öre is carried",
         {Fjol(3010, 1930, 0.01)},
         {{1930, 0, -0.01}, {0, 2099, -0.01}}},
        {"a residue of sums is left out",
         {Fjol(1930, 3010, 0.1), Fjol(1930, 3010, 0.2), Fjol(3010, 1930, 0.3)},
         {{0, 2099, 0}}},
        {"an overdrawn asset keeps its sides",
         {Fjol(5010, 1930, 250)},
         {{1930, 0, -250}, {0, 2099, -250}}},
        {"negative equity keeps its sides",
         {Fjol(2081, 1930, 300), Fjol(1930, 3010, 1000)},
         {{1930, 0, 700}, {0, 2081, -300}, {0, 2099, 1000}}},
    };
    for (const auto &f : fall) {
        SCOPED_TRACE(f.namn);
        auto data = Kontoplan(kNaturlig);
        SkrivFjol(f.fjol);
        const auto delar = Delar(Berakna(data));
        ASSERT_EQ(delar.size(), f.ib.size());
        for (std::size_t i = 0; i < delar.size(); ++i) {
            EXPECT_EQ(delar[i].debet, f.ib[i].debet);
            EXPECT_EQ(delar[i].kredit, f.ib[i].kredit);
            EXPECT_NEAR(delar[i].belopp, f.ib[i].belopp, 1e-9);
        }
    }
}

TEST_F(IBTest, OnlyAccountsOfThisChartAndTheirClassesCount) {
    // 1510 is not in this year's chart; 2350 is a liability, 2150 an untaxed
    // reserve, 8001 a code.
    auto data = Kontoplan({{1, 1930, "Bank"},
                           {2, 2099, "Årets resultat"},
                           {3, 2150, "Reserv"},
                           {4, 2350, "Lån"},
                           {8, 8001, "Kod"}});
    SkrivFjol({Fjol(1930, 2350, 800), Fjol(1510, 2150, 100), Fjol(8001, 1930, 5)});
    EXPECT_EQ(Delar(Berakna(data)),
              (std::vector<Del>{{1930, 0, 795}, {0, 2150, 100}, {0, 2350, 800}, {0, 2099, -105}}));
}

TEST_F(IBTest, ChartWithoutBalanceAccountsGivesOnlyAZeroResult) {
    auto data = Kontoplan({{5, 3010, "Försäljning"}, {6, 5010, "Lokalhyra"}});
    SkrivFjol({Fjol(5010, 3010, 700)});
    EXPECT_EQ(Delar(Berakna(data)), (std::vector<Del>{{0, 2099, 0}}));
}

// A date typed 2012-01-01 was stored as "2012-01-", which no later reading took for a date.
TEST_F(IBTest, DateIsStoredAsADateOrCutToEightCharacters) {
    auto data = Kontoplan(kNaturlig);
    SkrivFjol({});
    IBtabell ib;
    BeraknaIBposter(data, ib, fjolfil_, 7, "2012-01-01", 0, 2099);
    EXPECT_EQ(ib.IBposter[1].datum, "20120101");
    BeraknaIBposter(data, ib, fjolfil_, 7, "1 januari", 0, 2099);
    EXPECT_EQ(ib.IBposter[1].datum, "1 januar");
}

TEST_F(IBTest, UnreadableFileLeavesTheLastRunAndSaysWhichLine) {
    auto data = Kontoplan(kNaturlig);
    SkrivFjol({Fjol(1930, 2081, 500)});
    IBtabell ib = Berakna(data);
    const auto forra = Delar(ib);
    const TPost arbete = data.Arbetsposter[1];

    SkrivBytes(fjolfil_, "Bok 2011\r\n1;110101;100;1930;2081;0;a\r\n2;110102;x;1930;2081;0;b\r\n");
    try {
        BeraknaIBposter(data, ib, fjolfil_, 9, "120101", 0, 2099);
        FAIL() << "no error";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), "'x' is not a valid floating point value");
        EXPECT_EQ(AndraRaden(fel.what()), "Fil: " + fjolfil_ + ", rad 3");
    }
    EXPECT_EQ(Delar(ib), forra);
    EXPECT_EQ(data.Arbetsposter[1], arbete);

    EXPECT_THROW(BeraknaIBposter(data, ib, mapp_.Sokvag("saknas.red"), 9, "120101", 0, 2099),
                 Korningsfel);
    EXPECT_EQ(Delar(ib), forra);
}

// Last year's lines were read whole, so a line of five fields, or one with an
// empty or non-numeric code, stopped the opening balances with an error.
TEST_F(IBTest, OnlyTheFirstFiveFieldsOfLastYearsLinesMustConvert) {
    struct Fall {
        const char *rad;
        TPost post; // as it stands in the work table
    };
    const std::vector<Fall> fall = {
        {"1;110101;100;1930;2081", {1, "110101", 1930, 2081, 0, 100, ""}},
        {"2;110102;200;1930;2081;", {2, "110102", 1930, 2081, 0, 200, ""}},
        {"3;110103;300;1930;2081;;Tom kod", {3, "110103", 1930, 2081, 0, 300, "Tom kod"}},
        {"4;110104;400;1930;2081;x1;Kod x1", {4, "110104", 1930, 2081, 0, 400, "Kod x1"}},
        {"5;110105;500;1930;2081;abc", {5, "110105", 1930, 2081, 0, 500, ""}},
        {"6;110106;600;1930;2081;20;Hel", {6, "110106", 1930, 2081, 20, 600, "Hel"}},
    };
    std::string bytes = "Bok 2011\r\n";
    for (const auto &f : fall)
        bytes += std::string(f.rad) + "\r\n";
    SkrivBytes(fjolfil_, bytes);
    auto data = Kontoplan(kNaturlig);
    EXPECT_EQ(Delar(Berakna(data)),
              (std::vector<Del>{{1930, 0, 2100}, {0, 2081, 2100}, {0, 2099, 0}}));
    for (std::size_t i = 0; i < fall.size(); ++i)
        EXPECT_EQ(data.Arbetsposter[i + 1], fall[i].post) << fall[i].rad;

    // The five fields themselves must still convert.
    for (const char *rad :
         {"7;110107;100;1930", "7;110107;100;1930;x;0;a", "7;110107;;1930;2081"}) {
        SkrivBytes(fjolfil_, "Bok 2011\r\n" + std::string(rad) + "\r\n");
        IBtabell ib;
        EXPECT_THROW(BeraknaIBposter(data, ib, fjolfil_, 1, "120101", 0, 2099), Korningsfel) << rad;
    }
}

// A ";" in the date shifted every later field of the saved lines and made the
// ledger unreadable.
TEST_F(IBTest, DateWithSemicolonIsRefused) {
    auto data = Kontoplan(kNaturlig);
    SkrivFjol({});
    IBtabell ib;
    try {
        BeraknaIBposter(data, ib, fjolfil_, 1, "12;01", 0, 2099);
        FAIL() << "no error";
    } catch (const Korningsfel &fel) {
        EXPECT_STREQ(fel.what(), "Datumet får inte innehålla semikolon (;).");
    }
    EXPECT_EQ(ib.IBantal, 0);
}

class SparaIBTest : public IBTest {
protected:
    Bokforingsdata data_ = Kontoplan(kNaturlig);

    void SetUp() override {
        data_.Redovisningsnamn = "Bok 2012";
        data_.Redovisningsfil = mapp_.Sokvag("bok.red");
        data_.RedovisningInlast = true;
        data_.Postplats(++data_.Postantal) =
            TPost{1, "120105", 1930, 3010, 0, 100, "Sålt; kontant"};
        SkrivRedovisning(data_, data_.Redovisningsfil);
        SkrivFjol({Fjol(1930, 2081, 50000), Fjol(1930, 3010, 1000), Fjol(5010, 1930, 400)});
    }
};

TEST_F(SparaIBTest, AppendsAfterTheExistingPostsWithTheirText) {
    IBtabell ib = Berakna(data_);
    EXPECT_EQ(SparaIBposter(data_, ib), 3);
    ASSERT_EQ(data_.Postantal, 4);
    EXPECT_EQ(data_.Poster[1].text, "Sålt; kontant");
    EXPECT_EQ(data_.Poster[2], (TPost{1, "120101", 1930, 0, 0, 50600, "IB-post"}));
    EXPECT_EQ(data_.Poster[4], (TPost{1, "120101", 0, 2099, 0, 600, "IB-post"}));
    EXPECT_EQ(LasBytes(data_.Redovisningsfil),
              "Bok 2012\r\n1;120105;100;1930;3010;0;S\xe5lt; kontant\r\n"
              "1;120101;50600;1930;0;0;IB-post\r\n"
              "1;120101;50000;0;2081;0;IB-post\r\n"
              "1;120101;600;0;2099;0;IB-post\r\n");
}

// Saving the same run a second time appended a second set of opening posts.
TEST_F(SparaIBTest, SecondSaveOfTheSameRunAppendsNothing) {
    IBtabell ib = Berakna(data_);
    SparaIBposter(data_, ib);
    const std::string fil = LasBytes(data_.Redovisningsfil);
    EXPECT_EQ(SparaIBposter(data_, ib), 0);
    EXPECT_EQ(data_.Postantal, 4);
    EXPECT_EQ(LasBytes(data_.Redovisningsfil), fil);
}

TEST_F(SparaIBTest, OnlyTheLastOfTwoRunsIsSaved) {
    IBtabell ib = Berakna(data_);
    BeraknaIBposter(data_, ib, fjolfil_, 5, "0101", 0, 2099);
    SparaIBposter(data_, ib);
    ASSERT_EQ(data_.Postantal, 4);
    for (int32_t i = 2; i <= 4; ++i)
        EXPECT_EQ(data_.Poster[static_cast<std::size_t>(i)].vernr, 5);
}

TEST_F(SparaIBTest, FailedAppendLeavesLedgerAndRunAsTheyWere) {
    IBtabell ib = Berakna(data_);
    data_.Redovisningsfil = mapp_.Sokvag("borta.red");
    EXPECT_THROW(SparaIBposter(data_, ib), Korningsfel);
    EXPECT_EQ(data_.Postantal, 1);
    EXPECT_EQ(data_.Poster[2], TPost{});
    EXPECT_FALSE(std::filesystem::exists(data_.Redovisningsfil));
    // Once the file is back, the same run is saved.
    data_.Redovisningsfil = mapp_.Sokvag("bok.red");
    EXPECT_EQ(SparaIBposter(data_, ib), 3);
    EXPECT_EQ(data_.Postantal, 4);
}

// The preview ran its columns together ("270101174 000,00"): each column is now
// as wide as its widest entry, two spaces from the next.
TEST(IBlista, ColumnsAsWideAsTheirWidestEntryWithTheAccountName) {
    struct Fall {
        const char *namn;
        std::vector<TPost> poster;
        std::vector<int32_t> konton;
        std::vector<std::string> rader;
    };
    const std::vector<Fall> fall = {
        {"a full date beside a six-digit amount",
         {TPost{1, "270101", 1930, 0, 0, 174000, ""}, TPost{1, "270101", 0, 2099, 0, 174000, ""}},
         {1930, 2099},
         {"Vernr  Datum       Belopp  Debet  Kredit  Konto",
          "    1  270101  174 000,00   1930       0  Bank",
          "    1  270101  174 000,00      0    2099  Årets resultat"}},
        {"long numbers, a short date, a negative amount and an account not in the chart",
         {TPost{123456, "20270101", 1930, 2091, 0, 1234567.5, ""},
          TPost{123456, "0101", 2091, 2099, 0, -250, ""},
          TPost{123456, "0101", 2091, 4711, 0, 5, ""}},
         {1930, 2099, 4711},
         {" Vernr  Datum           Belopp  Debet  Kredit  Konto",
          "123456  20270101  1 234 567,50   1930    2091  Bank",
          "123456  0101           -250,00   2091    2099  Årets resultat",
          "123456  0101              5,00   2091    4711"}},
        {"no posts", {}, {}, {"Vernr  Datum  Belopp  Debet  Kredit  Konto"}},
    };
    Bokforingsdata data;
    data.Kontoplats(++data.Kontoantal) = {1, 1930, "Bank"};
    data.Kontoplats(++data.Kontoantal) = {2, 2099, "Årets resultat"};
    for (const Fall &f : fall) {
        IBtabell ib;
        for (std::size_t i = 0; i < f.poster.size(); ++i) {
            ib.IBposter.push_back(f.poster[i]);
            ib.IBkonton.push_back(f.konton[i]);
        }
        ib.IBantal = static_cast<int32_t>(f.poster.size());
        EXPECT_EQ(IBlista(data, ib), f.rader) << f.namn;
    }
}

TEST_F(IBTest, ThePreviewNamesTheAccountEachPostOpens) {
    auto data = Kontoplan(kNaturlig);
    SkrivFjol({Fjol(1930, 2081, 50000), Fjol(1930, 3010, 1000), Fjol(5010, 1930, 400)});
    const auto ib = Berakna(data, 2081, 2099);
    EXPECT_EQ(IBlista(data, ib), (std::vector<std::string>{
                                     "Vernr  Datum      Belopp  Debet  Kredit  Konto",
                                     "    1  120101  50 600,00   1930    2081  Bank",
                                     "    1  120101  50 000,00   2081    2081  Eget kapital",
                                     "    1  120101     600,00   2081    2099  Årets resultat"}));
}

} // namespace

// Opening posts appended in Windows-1252 to a ledger saved as UTF-8 mixed the two encodings.
TEST_F(SparaIBTest, ALedgerReadAsUtf8IsRewrittenWholeInWindows1252WithTheOpeningPosts) {
    SkrivBytes(data_.Redovisningsfil, "Bok 2012\r\n1;120105;100;1930;3010;0;S\xC3\xA5lt\r\n");
    OppnaRedovisning(data_, data_.Redovisningsfil);
    ASSERT_TRUE(data_.RedovisningLastSomUtf8);
    IBtabell ib = Berakna(data_);
    EXPECT_EQ(SparaIBposter(data_, ib), 3);
    EXPECT_FALSE(data_.RedovisningLastSomUtf8);
    EXPECT_EQ(LasBytes(data_.Redovisningsfil), "Bok 2012\r\n1;120105;100;1930;3010;0;S\xe5lt\r\n"
                                               "1;120101;50600;1930;0;0;IB-post\r\n"
                                               "1;120101;50000;0;2081;0;IB-post\r\n"
                                               "1;120101;600;0;2099;0;IB-post\r\n");
}
