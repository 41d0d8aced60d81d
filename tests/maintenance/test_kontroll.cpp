// Checking the chart against the ledger: missing numbers, unused accounts,
// removing them and saving the reduced chart.

#include "../core/Testmapp.h"
#include "core/Fel.h"
#include "maintenance/Kontroll.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace tovana;
using Rader = std::vector<std::string>;

namespace {

Bokforingsdata Data(const std::vector<TKonto> &konton, const std::vector<TPost> &poster) {
    Bokforingsdata data;
    for (const auto &konto : konton)
        data.Kontoplats(++data.Kontoantal) = konto;
    for (const auto &post : poster)
        data.Postplats(++data.Postantal) = post;
    data.Kontoplannamn = "Plan";
    return data;
}

TPost Post(int32_t vernr, int32_t debet, int32_t kredit, int32_t kod = 0) {
    return TPost{vernr, "0101", debet, kredit, kod, 100, "text"};
}

const std::vector<TKonto> kPlan = {{1, 1930, "Företagskonto"},
                                   {3, 3010, "Försäljning"},
                                   {6, 5010, "Lokalhyra"},
                                   {8, 10, "Projekt Norr"}};

std::vector<int32_t> Nummer(const Bokforingsdata &data) {
    std::vector<int32_t> nummer;
    for (int32_t i = 1; i <= data.Kontoantal; ++i)
        nummer.push_back(data.Konton[i].nummer);
    return nummer;
}

} // namespace

struct Saknadfall {
    const char *namn;
    std::vector<TKonto> konton;
    std::vector<TPost> poster;
    Rader vantat;
};

void PrintTo(const Saknadfall &fall, std::ostream *ut) {
    *ut << fall.namn;
}

class SaknadeKontonTest : public ::testing::TestWithParam<Saknadfall> {};

TEST_P(SaknadeKontonTest, ListsEachMissingNumberPerPostAndSide) {
    const auto &fall = GetParam();
    EXPECT_EQ(SaknadeKonton(Data(fall.konton, fall.poster)), fall.vantat);
}

INSTANTIATE_TEST_SUITE_P(
    Fall, SaknadeKontonTest,
    ::testing::Values(
        Saknadfall{"AllPresentWithCodeZero", kPlan, {Post(1, 1930, 3010, 0)}, {}},
        Saknadfall{"DebitThenCredit",
                   kPlan,
                   {Post(17, 1234, 1235)},
                   {"1234 debiterat i verifikation 17", "1235 krediterat i verifikation 17"}},
        Saknadfall{"EmptySidesOfOneSidedPostsAreNotMissing",
                   kPlan,
                   {Post(4, 0, 1930), Post(5, 1930, 0), Post(6, 0, 2440)},
                   {"2440 krediterat i verifikation 6"}},
        Saknadfall{"EmptyChartReportsEverySideZerosIncluded",
                   {},
                   {Post(3, 1930, 0), Post(4, 0, 3010, 10)},
                   {"1930 debiterat i verifikation 3", "0 krediterat i verifikation 3",
                    "0 kod i verifikation 3", "0 debiterat i verifikation 4",
                    "3010 krediterat i verifikation 4", "10 kod i verifikation 4"}},
        Saknadfall{
            "CodeMatchingAnOrdinaryAccountIsPresent", kPlan, {Post(1, 1930, 3010, 5010)}, {}},
        Saknadfall{"MissingCodeAndNegativeNumbers",
                   kPlan,
                   {Post(-2, -1930, 3010, 11)},
                   {"-1930 debiterat i verifikation -2", "11 kod i verifikation -2"}},
        Saknadfall{"RepeatedForEveryPostAndSideInLedgerOrder",
                   kPlan,
                   {Post(9, 2440, 2440), Post(2, 1930, 3010, 0), Post(1, 2440, 1930)},
                   {"2440 debiterat i verifikation 9", "2440 krediterat i verifikation 9",
                    "2440 debiterat i verifikation 1"}}),
    [](const auto &info) { return std::string(info.param.namn); });

// Only one-sided posts can leave a verification open; its sides are summed in
// öre, so residues of binary fractions neither hide nor invent a difference.
TEST(ObalanseradeVerifikationer, ListsEachOpenVerificationByNumberWithItsOpenSide) {
    const auto ensidig = [](int32_t vernr, int32_t debet, int32_t kredit, double belopp) {
        return TPost{vernr, "0101", debet, kredit, 0, belopp, "text"};
    };
    const struct {
        const char *namn;
        std::vector<TPost> poster;
        Rader vantat;
    } fall[] = {
        {"two-sided posts balance", {Post(1, 1930, 3010), Post(2, 5010, 1930)}, {}},
        {"a split verification that balances",
         {ensidig(3, 1930, 0, 0.1), ensidig(3, 1930, 0, 0.2), ensidig(3, 0, 3010, 0.3)},
         {}},
        {"open on either side, in number order",
         {ensidig(9, 0, 3010, 250), ensidig(4, 1930, 0, 500), ensidig(4, 0, 3010, 0.01)},
         {"Verifikation 4 balanserar inte: debetsaldo 499,99",
          "Verifikation 9 balanserar inte: kreditsaldo 250,00"}},
        {"a post with neither side is no side", {Post(5, 0, 0)}, {}},
    };
    for (const auto &f : fall)
        EXPECT_EQ(ObalanseradeVerifikationer(Data(kPlan, f.poster)), f.vantat) << f.namn;
}

TEST(OanvandaKonton, ListsClassNumberAndNameOfAccountsNoPostUses) {
    // 1930 is used as debit, 10 only as a code; 3010 and 5010 by nothing.
    const auto data = Data(kPlan, {Post(1, 1930, 0, 10)});
    EXPECT_EQ(OanvandaKonton(data), (Rader{"3 3010 Försäljning", "6 5010 Lokalhyra"}));
    EXPECT_EQ(OanvandaKontoplatser(data),
              (std::vector<OanvantKonto>{{2, "3 3010 Försäljning"}, {3, "6 5010 Lokalhyra"}}));
}

TEST(OanvandaKonton, EmptyLedgerListsTheWholeChartAndEmptyChartNothing) {
    EXPECT_EQ(OanvandaKonton(Data(kPlan, {})).size(), 4u);
    EXPECT_EQ(OanvandaKonton(Data({{1, 1930, "Kassa med blanka"}}, {})),
              (Rader{"1 1930 Kassa med blanka"}));
    EXPECT_TRUE(OanvandaKonton(Data({}, {Post(1, 1930, 3010)})).empty());
}

TEST(TaBortOanvantKonto, RemovingTheLastSlotEmptiesIt) {
    auto data = Data(kPlan, {});
    EXPECT_EQ(TaBortOanvantKonto(data, 4), "Kontot 10 Projekt Norr har raderats!");
    EXPECT_EQ(data.Kontoantal, 3);
    EXPECT_EQ(data.Konton[4], TKonto{});
    EXPECT_EQ(OanvandaKonton(data).back(), "6 5010 Lokalhyra");
}

TEST(TaBortOanvantKonto, RemovingInTheMiddleMovesLaterAccountsDown) {
    auto data = Data(kPlan, {Post(1, 1930, 0)});
    EXPECT_EQ(TaBortOanvantKonto(data, 2), "Kontot 3010 Försäljning har raderats!");
    EXPECT_EQ(Nummer(data), (std::vector<int32_t>{1930, 5010, 10}));
    EXPECT_EQ(data.Konton[2], (TKonto{6, 5010, "Lokalhyra"}));
    EXPECT_EQ(OanvandaKonton(data), (Rader{"6 5010 Lokalhyra", "8 10 Projekt Norr"}));
}

// Choosing the first of two accounts with the same number removed the last one instead.
TEST(TaBortOanvantKonto, RemovesTheChosenOfTwoAccountsWithOneNumber) {
    auto data = Data({{1, 1510, "Kundfordringar"}, {1, 1930, "Bank"}, {8, 1510, "Kod A"}}, {});
    EXPECT_EQ(TaBortOanvantKonto(data, 1), "Kontot 1510 Kundfordringar har raderats!");
    EXPECT_EQ(data.Kontoantal, 2);
    EXPECT_EQ(data.Konton[1], (TKonto{1, 1930, "Bank"}));
    EXPECT_EQ(data.Konton[2], (TKonto{8, 1510, "Kod A"}));
}

TEST(TaBortOanvantKonto, RefusesAnEmptySlotOrAnAccountInUse) {
    const auto fore = Data(kPlan, {Post(1, 0, 0, 5010)});
    for (int32_t slot : {0, -1, 5, 3}) {
        auto data = fore;
        EXPECT_EQ(TaBortOanvantKonto(data, slot), "") << slot;
        EXPECT_EQ(data.Konton, fore.Konton) << slot;
        EXPECT_EQ(data.Kontoantal, 4) << slot;
    }
}

// After one removal the slots behind it hold other accounts: the list must be
// read afresh, or the next choice removes the account that moved in.
TEST(TaBortOanvantKonto, TwoRemovalsAndOneSaveWriteTheChartWithoutBoth) {
    test::Testmapp mapp;
    auto data = Data(kPlan, {Post(1, 1930, 3010)});
    data.Kontoplanfil = mapp.Sokvag("plan.kpl");
    test::SkrivBytes(data.Kontoplanfil, "gammal\r\n");

    auto lista = OanvandaKontoplatser(data);
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_FALSE(TaBortOanvantKonto(data, lista[0].slot).empty());
    lista = OanvandaKontoplatser(data);
    ASSERT_EQ(lista, (std::vector<OanvantKonto>{{3, "8 10 Projekt Norr"}}));
    EXPECT_FALSE(TaBortOanvantKonto(data, lista[0].slot).empty());
    EXPECT_EQ(test::LasBytes(data.Kontoplanfil), "gammal\r\n");

    SparaReduceradKontoplan(data);
    EXPECT_EQ(test::LasBytes(data.Kontoplanfil),
              "Plan\r\n1;1930;F\xF6retagskonto\r\n3;3010;F\xF6rs\xE4ljning\r\n");
}

TEST(SparaReduceradKontoplan, AFailedWriteKeepsTheChartInMemoryAndRaises) {
    test::Testmapp mapp;
    auto data = Data(kPlan, {});
    data.Kontoplanfil = mapp.Sokvag("saknas/plan.kpl");
    ASSERT_FALSE(TaBortOanvantKonto(data, 1).empty());
    const auto fore = data.Konton;
    EXPECT_THROW(SparaReduceradKontoplan(data), Korningsfel);
    EXPECT_EQ(data.Konton, fore);
    EXPECT_EQ(data.Kontoantal, 3);
    EXPECT_EQ(test::Filnamn(mapp.Mapp()), std::vector<std::string>{});
}
