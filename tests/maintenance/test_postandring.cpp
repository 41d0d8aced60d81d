// Paging and jumping through the last posts, opening a post for change, and
// changing, deleting and renaming with the ledger file rewritten each time.

#include "../core/Testmapp.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "entry/Redovisning.h"
#include "maintenance/Postandring.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>

using namespace tovana;
using namespace tovana::test;

namespace {

// A ledger of `antal` posts: post i has verification number 100 + i, unless
// `vernr` says otherwise.
Bokforingsdata Ledger(int32_t antal) {
    Bokforingsdata data;
    for (int32_t i = 1; i <= antal; ++i)
        data.Postplats(i) = TPost{100 + i, "1201", 1930, 3010, 0, 10.0 * i, "Post"};
    data.Postantal = antal;
    return data;
}

// The post numbers the rows show after each press, from Postblock's first row.
struct Bladdring {
    int32_t antal;
    const char *tryck; // 'b' back, 'f' forward
    std::vector<std::optional<int32_t>> block;
};

void PrintTo(const Bladdring &b, std::ostream *os) {
    *os << b.antal << " poster, tryck " << b.tryck;
}

class PostbladdringTest : public ::testing::TestWithParam<Bladdring> {};

TEST_P(PostbladdringTest, PagesSixPostsAtATimeWithinTheLedger) {
    const Bokforingsdata data = Ledger(GetParam().antal);
    Postformular formular;
    std::vector<std::optional<int32_t>> visat;
    for (const char *t = GetParam().tryck; *t; ++t)
        visat.push_back(*t == 'b' ? BladdraBakat(data, formular) : BladdraFramat(data, formular));
    EXPECT_EQ(visat, GetParam().block);
}

INSTANTIATE_TEST_SUITE_P(
    Ledgers, PostbladdringTest,
    ::testing::Values(
        // back 8..3, back 2..1, back again 2..1, forward twice to 14..9, then nothing
        Bladdring{14, "bbbfff", {8, 2, 2, 8, 14, std::nullopt}}, Bladdring{12, "bb", {6, 6}},
        Bladdring{6, "bf", {6, std::nullopt}}, Bladdring{7, "bbf", {1, 1, 7}},
        Bladdring{0, "bf", {std::nullopt, std::nullopt}}, Bladdring{3, "f", {std::nullopt}}));

// An offset left from a longer ledger paged to slot 0 or a block below it.
TEST(Postbladdring, AnOffsetBeyondAShorterLedgerComesBackToItsOldestGroup) {
    const Bokforingsdata data = Ledger(5);
    Postformular formular;
    formular.Sexpostsida = 3;
    EXPECT_EQ(BladdraBakat(data, formular), 5);
    EXPECT_EQ(formular.Sexpostsida, 0);
    formular.Sexpostsida = 3;
    EXPECT_EQ(BladdraFramat(data, formular), 5);
    EXPECT_EQ(formular.Sexpostsida, 0);
    const Bokforingsdata tom = Ledger(0);
    formular.Sexpostsida = 2;
    EXPECT_EQ(BladdraFramat(tom, formular), std::nullopt);
}

TEST(Postbladdringshopp, ToAPostNumberEndsTheBlockThereOrAtTheLastPost) {
    const Bokforingsdata data = Ledger(40);
    EXPECT_EQ(HoppTillPostnr(data, "5"), 5);
    EXPECT_EQ(HoppTillPostnr(data, "999"), 40);
    EXPECT_EQ(HoppTillPostnr(data, ""), std::nullopt);
    EXPECT_EQ(HoppTillPostnr(data, "0"), std::nullopt);
    EXPECT_EQ(HoppTillPostnr(data, "-3"), std::nullopt);
    EXPECT_EQ(HoppTillPostnr(Ledger(0), "1"), std::nullopt);
    EXPECT_THROW(
        {
            try {
                HoppTillPostnr(data, "5x");
            } catch (const Korningsfel &fel) {
                EXPECT_STREQ(fel.what(), "'5x' is not a valid integer value");
                throw;
            }
        },
        Korningsfel);
}

TEST(Postbladdringshopp, ToAVerificationNumberEndsTheBlockAtItsLastPost) {
    Bokforingsdata data = Ledger(9);
    data.Poster[3].vernr = 55;
    data.Poster[7].vernr = 55;
    EXPECT_EQ(HoppTillVernr(data, "55"), 7);
    EXPECT_EQ(HoppTillVernr(data, "102"), 2);
    EXPECT_EQ(HoppTillVernr(data, "999"), 9); // none: the newest block
    EXPECT_EQ(HoppTillVernr(data, ""), std::nullopt);
    EXPECT_EQ(HoppTillVernr(Ledger(0), "1"), std::nullopt);
    EXPECT_THROW(HoppTillVernr(data, "x"), Korningsfel);
}

TEST(Postoppning, APostNumberLabelOpensOnlyAPostThatIsThere) {
    const Bokforingsdata data = Ledger(9);
    EXPECT_EQ(PostnummerIEtikett(data, "[1]"), 1);
    EXPECT_EQ(PostnummerIEtikett(data, "[9]"), 9);
    for (const char *etikett : {"", "[0]", "[10]", "[]", "[x]", "17"})
        EXPECT_EQ(PostnummerIEtikett(data, etikett), std::nullopt) << etikett;
}

TEST(Postoppning, TheBoxesShowTheAmountAsAGeneralNumberText) {
    const TPost post{12, "120315", 0, 3010, 8001, 1500.0, "Hyra; mars"};
    EXPECT_EQ(Andringsrutor(post),
              (Postrutor{"12", "120315", "1500", "0", "3010", "8001", "Hyra; mars"}));
    EXPECT_EQ(Andringsrutor(TPost{1, "", 1930, 0, 0, 12.5, ""}).belopp, "12,5");
}

class Postandring : public ::testing::Test {
protected:
    Testmapp mapp;
    std::string fil = mapp.Sokvag("bok.red");
    Bokforingsdata data;

    void SetUp() override {
        data.Kontoplats(1) = TKonto{1, 1930, "Bank"};
        data.Kontoplats(2) = TKonto{5, 3010, "Försäljning"};
        data.Kontoplats(3) = TKonto{8, 8001, "Projekt"};
        data.Kontoantal = 3;
        data.Redovisningsnamn = "Bok 2012";
        data.Redovisningsfil = fil;
        for (int32_t i = 1; i <= 9; ++i)
            data.Postplats(i) =
                TPost{i, "1201", 1930, 3010, 0, 100.0 * i, "Post " + std::to_string(i)};
        data.Postantal = 9;
        SkrivRedovisning(data, fil);
    }

    static Postrutor Rutor(const char *debet, const char *kredit, const char *kod) {
        return Postrutor{"12", "120315", "1250,50", debet, kredit, kod, "Ändrad"};
    }
};

TEST_F(Postandring, AChangedPostIsStoredAndTheFileRewrittenWithTaltext) {
    ASSERT_EQ(AndraPost(data, 2,
                        Postrutor{"12", "2012-03-15", "1250,50", "1930", "3010", "8001",
                                  "Ändrad; med semikolon"}),
              Andringsfel::Inget);
    EXPECT_EQ(data.Poster[2],
              (TPost{12, "20120315", 1930, 3010, 8001, 1250.5, "Ändrad; med semikolon"}));
    const std::string bytes = LasBytes(fil);
    EXPECT_NE(bytes.find("\r\n12;20120315;1250,5;1930;3010;8001;\xC4ndrad; med semikolon\r\n"
                         "3;1201;300;1930;3010;0;Post 3\r\n"),
              std::string::npos);
    EXPECT_EQ(LasRedovisningsfil(fil).poster[1], data.Poster[2]);
}

TEST_F(Postandring, OneSidedPostsAndAnyAccountAsCodePass) {
    EXPECT_EQ(AndraPost(data, 1, Rutor("0", "3010", "0")), Andringsfel::Inget);
    EXPECT_EQ(AndraPost(data, 1, Rutor("1930", "0", "1930")), Andringsfel::Inget);
    EXPECT_EQ(data.Poster[1].kod, 1930);
}

struct Kontokontroll {
    const char *debet, *kredit, *kod;
    Andringsfel fel;
};

void PrintTo(const Kontokontroll &k, std::ostream *os) {
    *os << "debet " << k.debet << " kredit " << k.kredit << " kod " << k.kod;
}
class PostandringKontokontroll : public Postandring,
                                 public ::testing::WithParamInterface<Kontokontroll> {};

TEST_P(PostandringKontokontroll, ANumberNotInTheChartChangesNothing) {
    const std::string fore = LasBytes(fil);
    const TPost post = data.Poster[4];
    const auto &k = GetParam();
    EXPECT_EQ(AndraPost(data, 4, Rutor(k.debet, k.kredit, k.kod)), k.fel);
    EXPECT_EQ(data.Poster[4], post);
    EXPECT_EQ(LasBytes(fil), fore);
}

INSTANTIATE_TEST_SUITE_P(Boxes, PostandringKontokontroll,
                         ::testing::Values(Kontokontroll{"1931", "3010", "0", Andringsfel::Debet},
                                           Kontokontroll{"1931", "9999", "7", Andringsfel::Debet},
                                           Kontokontroll{"1930", "3011", "0", Andringsfel::Kredit},
                                           Kontokontroll{"0", "0", "8002", Andringsfel::Kod}));

TEST_F(Postandring, WithAnEmptyChartNotEvenZeroPasses) {
    data.Kontoantal = 0;
    EXPECT_EQ(AndraPost(data, 1, Rutor("0", "0", "0")), Andringsfel::Debet);
}

TEST_F(Postandring, EveryTextIsConvertedBeforeAnythingChanges) {
    const std::string fore = LasBytes(fil);
    const TPost post = data.Poster[4];
    struct Fall {
        Postrutor rutor;
        const char *meddelande;
    };
    const Fall fall[] = {
        {Postrutor{"12", "1203", "100", "19x", "3010", "0", ""},
         "'19x' is not a valid integer value"},
        {Postrutor{"12", "1203", "100", "1930", "", "0", ""}, "'' is not a valid integer value"},
        {Postrutor{"1 2", "1203", "100", "1930", "3010", "0", ""},
         "'1 2' is not a valid integer value"},
        {Postrutor{"12", "1203", "1,234,50", "1930", "3010", "0", ""},
         "'1,234,50' is not a valid floating point value"},
        {Postrutor{"12", "12;03", "100", "1930", "3010", "0", ""},
         "Datumet får inte innehålla semikolon (;)."},
    };
    for (const Fall &f : fall) {
        try {
            AndraPost(data, 4, f.rutor);
            ADD_FAILURE() << f.meddelande;
        } catch (const Korningsfel &fel) {
            EXPECT_EQ(ForstaRaden(fel.what()), f.meddelande);
        }
        EXPECT_EQ(data.Poster[4], post);
        EXPECT_EQ(LasBytes(fil), fore);
    }
}

TEST_F(Postandring, ASemicolonAnywhereInTheDateNeverReachesTheFile) {
    const std::string fore = LasBytes(fil);
    EXPECT_THROW(AndraPost(data, 1, Postrutor{"1", "12345678;9", "1", "0", "3010", "0", ""}),
                 Korningsfel);
    EXPECT_EQ(data.Poster[1].datum, "1201");
    EXPECT_EQ(LasBytes(fil), fore);
}

// A date changed to 2012-03-15 was stored as "2012-03-", and any other text was taken.
TEST_F(Postandring, AChangedDateMustBeADateAnUnchangedOneIsKept) {
    const std::string fore = LasBytes(fil);
    for (const char *datum : {"", "15/3", "20120230", "2012-13-01", "15 mars"}) {
        EXPECT_EQ(AndraPost(data, 3, Postrutor{"3", datum, "1", "0", "3010", "0", ""}),
                  Andringsfel::Datum)
            << datum;
        EXPECT_EQ(LasBytes(fil), fore);
    }
    // The stored "1201" is no date by the rule, but left as it is the post still changes.
    EXPECT_EQ(AndraPost(data, 3, Postrutor{"3", "1201", "7", "0", "3010", "0", ""}),
              Andringsfel::Inget);
    EXPECT_EQ(data.Poster[3].datum, "1201");
    EXPECT_EQ(AndraPost(data, 3, Postrutor{"3", " 120316 ", "7", "0", "3010", "0", ""}),
              Andringsfel::Inget);
    EXPECT_EQ(data.Poster[3].datum, "120316");
}

// A failed rewrite left the post changed in memory while the file kept the old one.
TEST_F(Postandring, AFailedRewriteLeavesTheTableAsItWas) {
    const Bokforingsdata fore = data;
    data.Redovisningsfil = mapp.Sokvag("saknas/bok.red");
    EXPECT_THROW(AndraPost(data, 2, Rutor("1930", "3010", "0")), Korningsfel);
    EXPECT_THROW(RaderaPost(data, 2), Korningsfel);
    EXPECT_THROW(BytRedovisningsnamn(data, "Nytt"), Korningsfel);
    EXPECT_EQ(data.Poster, fore.Poster);
    EXPECT_EQ(data.Postantal, 9);
    EXPECT_EQ(data.Redovisningsnamn, "Bok 2012");
}

TEST_F(Postandring, AFailedRewriteOfAnImmutableFolderKeepsTheFile) {
    const std::string fore = LasBytes(fil);
    struct Oforanderlig {
        std::string mapp;
        bool satt = std::system(("chattr +i '" + mapp + "' 2>/dev/null").c_str()) == 0;
        ~Oforanderlig() {
            if (satt && std::system(("chattr -i '" + mapp + "'").c_str()) != 0)
                ADD_FAILURE() << "could not lift chattr +i from " << mapp;
        }
    } las{mapp.Mapp().string()};
    if (!las.satt)
        GTEST_SKIP() << "chattr +i is not available here";
    EXPECT_THROW(RaderaPost(data, 9), Korningsfel);
    EXPECT_THROW(AndraPost(data, 1, Rutor("1930", "3010", "0")), Korningsfel);
    EXPECT_EQ(LasBytes(fil), fore);
    EXPECT_EQ(data.Postantal, 9);
    EXPECT_EQ(data.Poster[1].vernr, 1);
}

TEST_F(Postandring, DeletingMovesTheLaterPostsDownWithTheirNumbers) {
    RaderaPost(data, 5);
    EXPECT_EQ(data.Postantal, 8);
    for (int32_t i = 5; i <= 8; ++i)
        EXPECT_EQ(data.Poster[i].vernr, i + 1);
    EXPECT_EQ(data.Poster[9], TPost{});
    const std::string bytes = LasBytes(fil);
    EXPECT_EQ(bytes.substr(0, 10), "Bok 2012\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 9);
    EXPECT_NE(bytes.find("4;1201;400;1930;3010;0;Post 4\r\n6;1201;600;"), std::string::npos);
}

TEST_F(Postandring, DeletingTheLastPostAndTheOnlyPost) {
    RaderaPost(data, 9);
    EXPECT_EQ(data.Postantal, 8);
    EXPECT_EQ(LasRedovisningsfil(fil).poster.size(), 8u);
    EXPECT_EQ(data.Poster[8].vernr, 8);

    data.Poster[1].kredit = 0; // one-sided: the balance follows the remaining posts
    for (int32_t i = 8; i >= 2; --i)
        RaderaPost(data, i);
    Postformular formular;
    EXPECT_EQ(BeraknaKonteringssaldo(data, formular), 100.0);
    RaderaPost(data, 1);
    EXPECT_EQ(data.Postantal, 0);
    EXPECT_EQ(BeraknaKonteringssaldo(data, formular), 0.0);
    EXPECT_EQ(LasBytes(fil), "Bok 2012\r\n");
    EXPECT_EQ(Postblock(data, data.Postantal).front().postnr, "[0]");
    EXPECT_THROW(RaderaPost(data, 1), Korningsfel);
}

TEST_F(Postandring, RenamingCutsTheNameAndRewritesEveryPost) {
    const std::string langt(90, 'N');
    BytRedovisningsnamn(data, "Bokföring " + langt);
    EXPECT_EQ(data.Redovisningsnamn, "Bokföring " + langt.substr(0, 70));
    const Redovisningsinnehall las = LasRedovisningsfil(fil);
    EXPECT_EQ(las.namn, data.Redovisningsnamn);
    EXPECT_EQ(las.poster.size(), 9u);
}

} // namespace
