// The bookkeeping state: class headings, the insertion place that keeps the chart
// in class and number order, and tables that grow without losing their sentinel.

#include "core/Bokforingsdata.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace tovana;
using Rader = std::vector<std::string>;

namespace {

Bokforingsdata Kontoplan(const std::vector<TKonto> &konton) {
    Bokforingsdata data;
    for (std::size_t i = 0; i < konton.size(); ++i)
        data.Kontoplats(static_cast<int32_t>(i + 1)) = konton[i];
    data.Kontoantal = static_cast<int32_t>(konton.size());
    return data;
}

std::vector<int32_t> Nummer(const Bokforingsdata &data) {
    std::vector<int32_t> nummer;
    for (int32_t i = 1; i <= data.Kontoantal; ++i)
        nummer.push_back(data.Konton[i].nummer);
    return nummer;
}

} // namespace

TEST(Bokforingsdata, StartsEmptyWithZeroSentinelsAndTheDeliveredColour) {
    const Bokforingsdata data;
    EXPECT_EQ(data.Konton.size(), 201u);
    EXPECT_EQ(data.Poster.size(), 1001u);
    EXPECT_EQ(data.Arbetsposter.size(), 2001u);
    EXPECT_EQ(data.Konton[0], TKonto{});
    EXPECT_EQ(data.Poster[0], TPost{});
    EXPECT_EQ(data.Kontoantal, 0);
    EXPECT_EQ(data.Postantal, 0);
    EXPECT_FALSE(data.KontoplanInlast);
    EXPECT_FALSE(data.RedovisningInlast);
    EXPECT_FALSE(data.KoderFinns);
}

TEST(Klassrubrik, UpperAndMixedCaseFormsOfEveryClass) {
    EXPECT_EQ(Klassrubrik(1), "TILLGÅNGAR");
    EXPECT_EQ(Klassrubrik(3), "OBESKATTADE RESERVER");
    EXPECT_EQ(Klassrubrik(5), "INTÄKTER");
    EXPECT_EQ(Klassrubrik(8), "KODER");
    EXPECT_EQ(Klassnamn(2), "Eget kapital");
    EXPECT_EQ(Klassnamn(7), "Bokslutsdispositioner");
    EXPECT_EQ(Klassrubrik(0), "");
    EXPECT_EQ(Klassnamn(9), "");
}

TEST(Klasslista, OnlyRevenueAccountsGetTheAssetHeadingFirst) {
    const auto data = Kontoplan({{5, 3010, "Försäljning"}, {5, 3040, "Tjänster"}});
    EXPECT_EQ(Klasslista(data, Listform::Versaler),
              (Rader{"TILLGÅNGAR", "INTÄKTER", "3010 Försäljning", "3040 Tjänster"}));
    EXPECT_EQ(Klasslista(data, Listform::Gemena),
              (Rader{"Tillgångar", " ", "Intäkter", "3010 Försäljning", "3040 Tjänster"}));
}

TEST(Klasslista, EmptyChartIsJustTheFirstHeading) {
    const Bokforingsdata data;
    EXPECT_EQ(Klasslista(data, Listform::Versaler), (Rader{"TILLGÅNGAR"}));
    EXPECT_EQ(Klasslista(data, Listform::Gemena), (Rader{"Tillgångar"}));
}

TEST(Klasslista, MixedCaseHasABlankLineBeforeEveryHeadingButTheFirst) {
    const auto data = Kontoplan({{1, 1510, "Kundfordringar"},
                                 {1, 1930, "Bank"},
                                 {2, 2081, "Aktiekapital"},
                                 {6, 5010, "Lokalhyra"},
                                 {8, 10, "Projekt A"}});
    EXPECT_EQ(Klasslista(data, Listform::Gemena),
              (Rader{"Tillgångar", "1510 Kundfordringar", "1930 Bank", " ", "Eget kapital",
                     "2081 Aktiekapital", " ", "Kostnader", "5010 Lokalhyra", " ", "Koder",
                     "10 Projekt A"}));
    EXPECT_EQ(Klasslista(data, Listform::Versaler),
              (Rader{"TILLGÅNGAR", "1510 Kundfordringar", "1930 Bank", "EGET KAPITAL",
                     "2081 Aktiekapital", "KOSTNADER", "5010 Lokalhyra", "KODER", "10 Projekt A"}));
}

TEST(Klasslista, ChartOrderedByNumberOnlyGetsAHeadingEachTimeTheClassRises) {
    const auto data = Kontoplan({{1, 1000, "Kassa"},
                                 {4, 1500, "Skuld"},
                                 {2, 2000, "Kapital"},
                                 {5, 3000, "Försäljning"},
                                 {4, 3500, "Annan skuld"},
                                 {6, 4000, "Inköp"}});
    EXPECT_EQ(
        Klasslista(data, Listform::Versaler),
        (Rader{"TILLGÅNGAR", "1000 Kassa", "SKULDER", "1500 Skuld", "2000 Kapital", "INTÄKTER",
               "3000 Försäljning", "3500 Annan skuld", "KOSTNADER", "4000 Inköp"}));
}

namespace {

struct Insattning {
    Kontotyp typ;
    int32_t nummer;
    int32_t plats;
};

void PrintTo(const Insattning &i, std::ostream *os) {
    *os << "class " << int{i.typ} << " number " << i.nummer << " into slot " << i.plats;
}

class InsattningsplatsTest : public ::testing::TestWithParam<Insattning> {};

} // namespace

// Chart: 1510 (class 1), 1930 (class 1), 2081 (class 2), 3010 (class 5).
TEST_P(InsattningsplatsTest, KeepsClassAndNumberOrder) {
    const auto data = Kontoplan(
        {{1, 1510, "Kundfordringar"}, {1, 1930, "Bank"}, {2, 2081, "Kapital"}, {5, 3010, "Sälj"}});
    EXPECT_EQ(Insattningsplats(data, GetParam().typ, GetParam().nummer), GetParam().plats);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, InsattningsplatsTest,
    ::testing::Values(Insattning{1, 1000, 1},  // before every account of its class
                      Insattning{1, 1700, 2},  // between two of its class
                      Insattning{1, 1990, 3},  // last of its class: before the next class
                      Insattning{2, 2000, 3},  // first of a class already there
                      Insattning{3, 2200, 4},  // a class not yet there: before the higher class
                      Insattning{5, 3020, 5},  // last of the last class: appended
                      Insattning{8, 10, 5},    // a higher class than any: appended
                      Insattning{1, 1510, 2}), // an equal number goes after it
    [](const auto &info) {
        return "Class" + std::to_string(info.param.typ) + "Number" +
               std::to_string(info.param.nummer);
    });

TEST(Insattningsplats, EmptyChartTakesSlotOne) {
    EXPECT_EQ(Insattningsplats(Bokforingsdata{}, 4, 2440), 1);
}

TEST(SattInKonto, AccountsAddedOutOfOrderEndUpInClassAndNumberOrder) {
    Bokforingsdata data;
    EXPECT_EQ(SattInKonto(data, {1, 1510, "Kundfordringar"}), 1);
    EXPECT_EQ(SattInKonto(data, {2, 2081, "Aktiekapital"}), 2);
    EXPECT_EQ(SattInKonto(data, {5, 3010, "Försäljning"}), 3);
    EXPECT_EQ(SattInKonto(data, {1, 1930, "Bank"}), 2);
    EXPECT_EQ(data.Kontoantal, 4);
    EXPECT_EQ(Nummer(data), (std::vector<int32_t>{1510, 1930, 2081, 3010}));
    EXPECT_EQ(data.Konton[2], (TKonto{1, 1930, "Bank"}));
    EXPECT_EQ(data.Konton[0], TKonto{});
}

TEST(SattInKonto, GrowsPastTwoHundredAccountsAndKeepsTheSentinel) {
    Bokforingsdata data;
    // Numbers that arrive in descending order, so every account is inserted at the front
    // of its class and everything behind it moves up.
    for (int i = 0; i < 250; ++i)
        SattInKonto(data,
                    {static_cast<Kontotyp>(1 + i % 2), 9000 - i, "Konto " + std::to_string(i)});
    ASSERT_EQ(data.Kontoantal, 250);
    EXPECT_GE(data.Konton.size(), 251u);
    EXPECT_EQ(data.Konton[0], TKonto{});
    for (int32_t i = 2; i <= data.Kontoantal; ++i) {
        const TKonto &a = data.Konton[i - 1], &b = data.Konton[i];
        EXPECT_TRUE(a.typ < b.typ || (a.typ == b.typ && a.nummer < b.nummer)) << "slot " << i;
    }
    const auto lista = Klasslista(data, Listform::Versaler);
    ASSERT_EQ(lista.size(), 252u);
    EXPECT_EQ(lista[0], "TILLGÅNGAR");
    EXPECT_EQ(lista[126], "EGET KAPITAL");
}

TEST(Bokforingsdata, SlotsBeyondTheEndGrowTheTableAndKeepSlotZero) {
    Bokforingsdata data;
    data.Postplats(1500).vernr = 7;
    data.Kontoplats(300).nummer = 42;
    data.Arbetsplats(2500).kod = 3;
    EXPECT_GE(data.Poster.size(), 1501u);
    EXPECT_EQ(data.Poster[1500].vernr, 7);
    EXPECT_EQ(data.Konton[300].nummer, 42);
    EXPECT_EQ(data.Arbetsposter[2500].kod, 3);
    EXPECT_EQ(data.Poster[0], TPost{});
    EXPECT_EQ(data.Konton[0], TKonto{});
}

TEST(Bokforingsdata, TomPosterEmptiesEverySlotButKeepsTheCount) {
    Bokforingsdata data;
    data.Postplats(1) = TPost{1, "120101", 1930, 3010, 0, 100, "a"};
    data.Postplats(1200) = TPost{2, "120102", 1930, 3010, 0, 100, "b"};
    data.Postantal = 1200;
    data.TomPoster();
    EXPECT_EQ(data.Poster[1], TPost{});
    EXPECT_EQ(data.Poster[1200], TPost{});
    EXPECT_EQ(data.Postantal, 1200);
}

TEST(Bokforingsdata, SokKontoAndHarKoderLookOnlyAtUsedSlots) {
    auto data = Kontoplan({{1, 1930, "Bank"}, {8, 10, "Projekt"}, {1, 1930, "Dubblett"}});
    EXPECT_EQ(data.SokKonto(1930), 1);
    EXPECT_EQ(data.SokKonto(10), 2);
    EXPECT_EQ(data.SokKonto(0), 0);
    EXPECT_EQ(data.SokKonto(4000), 0);
    EXPECT_TRUE(data.HarKoder());
    data.Kontoantal = 1; // the code account is left beyond the count
    EXPECT_FALSE(data.HarKoder());
    EXPECT_EQ(data.SokKonto(10), 0);
}

// At a program's end the posts are left to the system: the tables keep only
// their slot 0, and the accounts, names and flags stay. Under the leak checker
// the tables left behind are still reachable, so nothing is reported.
TEST(Bokforingsdata, PostsLeftToTheSystemLeaveSlotZeroAndTheRestAsItWas) {
    Bokforingsdata data;
    data.Redovisningsnamn = "Bok";
    data.Kontoplats(1) = TKonto{1, 1930, "Bank"};
    data.Kontoantal = 1;
    for (int32_t i = 1; i <= 3000; ++i)
        data.Postplats(i) = TPost{i, "260101", 1930, 3010, 0, 1, "En text längre än sexton tecken"};
    data.Postantal = 3000;
    data.Arbetsplats(2500).text = "Arbetspost med en lång text";
    LamnaPosternaTillSystemet(data);
    EXPECT_EQ(data.Postantal, 0);
    EXPECT_EQ(data.Poster, std::vector<TPost>(1));
    EXPECT_EQ(data.Arbetsposter, std::vector<TPost>(1));
    EXPECT_EQ(data.Redovisningsnamn, "Bok");
    EXPECT_EQ(data.Kontoantal, 1);
    EXPECT_EQ(data.Konton[1].namn, "Bank");
}

// The ranges walk slots 1..count and never past the table, whatever the count.
TEST(Bokforingsdata, TheRangesHoldSlotsOneToTheCountAndStayInTheTable) {
    Bokforingsdata data;
    EXPECT_TRUE(data.Posterna().empty());
    EXPECT_TRUE(data.Kontona().empty());
    for (int32_t i = 1; i <= 3; ++i) {
        data.Postplats(i).vernr = i;
        data.Kontoplats(i).nummer = 1000 + i;
    }
    const struct {
        int32_t antal;
        std::vector<int32_t> vernr;
    } fall[] = {{0, {}}, {-1, {}}, {2, {1, 2}}, {3, {1, 2, 3}}};
    for (const auto &f : fall) {
        data.Postantal = data.Kontoantal = f.antal;
        std::vector<int32_t> sedda, konton;
        for (const TPost &post : std::as_const(data).Posterna())
            sedda.push_back(post.vernr);
        for (const TKonto &konto : data.Kontona())
            konton.push_back(konto.nummer - 1000);
        EXPECT_EQ(sedda, f.vernr) << f.antal;
        EXPECT_EQ(konton, f.vernr) << f.antal;
    }
    // A count past the table's end stops at its last slot.
    data.Postantal = data.Kontoantal = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(data.Posterna().size(), data.Poster.size() - 1);
    EXPECT_EQ(data.Kontona().size(), data.Konton.size() - 1);
    EXPECT_EQ(data.Posterna().data(), data.Poster.data() + 1);
}
