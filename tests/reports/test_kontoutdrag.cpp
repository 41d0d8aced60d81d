// The account statement build and its pick lists.

#include "reports/Kontoutdrag.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace tovana;

namespace {

void Konto(Bokforingsdata &data, Kontotyp typ, int32_t nummer, const std::string &namn) {
    data.Kontoplats(++data.Kontoantal) = TKonto{typ, nummer, namn};
}

void Post(Bokforingsdata &data, int32_t vernr, int32_t debet, int32_t kredit, double belopp,
          const std::string &datum = "120101") {
    TPost post;
    post.vernr = vernr;
    post.datum = datum;
    post.debet = debet;
    post.kredit = kredit;
    post.belopp = belopp;
    data.Postplats(++data.Postantal) = post;
}

Bokforingsdata Plan() {
    Bokforingsdata data;
    Konto(data, 1, 1930, "Bank");
    Konto(data, 2, 2010, "Eget kapital");
    Konto(data, 3, 2110, "Periodiseringsfond");
    Konto(data, 4, 2440, "Leverantörsskulder");
    Konto(data, 5, 3010, "Försäljning");
    Konto(data, 6, 5010, "Lokalhyra");
    Konto(data, 7, 8811, "Avsättning");
    Konto(data, 8, 10, "Projekt Norr");
    return data;
}

std::vector<std::string> Saldon(const Kontoutdrag &utdrag) {
    std::vector<std::string> saldon;
    for (const auto &rad : utdrag.Kontoutdragsrader)
        saldon.push_back(rad.saldo);
    return saldon;
}

} // namespace

// A debit of 1000,00 and then a credit of 250,00, on an account of each class.
struct Klassfall {
    int32_t konto;
    std::vector<std::string> saldon;
};

void PrintTo(const Klassfall &fall, std::ostream *os) {
    *os << "konto " << fall.konto;
}

class KontoutdragKlass : public testing::TestWithParam<Klassfall> {};

TEST_P(KontoutdragKlass, TheBalanceFollowsTheClassSignRule) {
    const auto &fall = GetParam();
    Bokforingsdata data = Plan();
    Post(data, 1, fall.konto, 0, 1000.0);
    Post(data, 2, 0, fall.konto, 250.0);
    const Kontoutdrag utdrag = ByggKontoutdrag(data, fall.konto);
    EXPECT_TRUE(utdrag.hittat);
    EXPECT_EQ(Saldon(utdrag), fall.saldon);
}

INSTANTIATE_TEST_SUITE_P(Klasser, KontoutdragKlass,
                         testing::Values(Klassfall{1930, {"1 000,00", "750,00"}},
                                         Klassfall{5010, {"1 000,00", "750,00"}},
                                         Klassfall{2010, {"-1 000,00", "-750,00"}},
                                         Klassfall{2110, {"-1 000,00", "-750,00"}},
                                         Klassfall{2440, {"-1 000,00", "-750,00"}},
                                         Klassfall{3010, {"-1 000,00", "-750,00"}},
                                         Klassfall{8811, {}}, Klassfall{10, {}}));

TEST(Kontoutdrag, EachLineHoldsVerificationDateOneAmountAndTheBalance) {
    Bokforingsdata data = Plan();
    Post(data, 7, 1930, 3010, 1000.0, "12-03-15");
    Post(data, 8, 5010, 1930, 250.0, "120316");
    const Kontoutdrag utdrag = ByggKontoutdrag(data, 1930);
    EXPECT_EQ(utdrag.namn, "Bank");
    EXPECT_EQ(utdrag.typ, 1);
    ASSERT_EQ(utdrag.Radantal(), 2);
    EXPECT_EQ(utdrag.Kontoutdragsrader[0],
              (Trapport2{"7", "12-03-15", "1 000,00", "", "1 000,00"}));
    EXPECT_EQ(utdrag.Kontoutdragsrader[1], (Trapport2{"8", "120316", "", "250,00", "750,00"}));
}

TEST(Kontoutdrag, APostWithTheAccountOnBothSidesGivesTheDebitLineFirst) {
    Bokforingsdata data = Plan();
    Post(data, 1, 1930, 0, 100.0);
    Post(data, 2, 1930, 1930, 40.0);
    const Kontoutdrag utdrag = ByggKontoutdrag(data, 1930);
    ASSERT_EQ(utdrag.Radantal(), 3);
    EXPECT_EQ(utdrag.Kontoutdragsrader[1], (Trapport2{"2", "120101", "40,00", "", "140,00"}));
    EXPECT_EQ(utdrag.Kontoutdragsrader[2], (Trapport2{"2", "120101", "", "40,00", "100,00"}));
}

TEST(Kontoutdrag, ANumberNotInTheChartGivesNothing) {
    Bokforingsdata data = Plan();
    Post(data, 1, 1910, 0, 100.0);
    const Kontoutdrag utdrag = ByggKontoutdrag(data, 1910);
    EXPECT_FALSE(utdrag.hittat);
    EXPECT_EQ(utdrag.namn, "");
    EXPECT_EQ(utdrag.Radantal(), 0);
    EXPECT_EQ(ByggKontoutdrag(Bokforingsdata{}, 1930).Radantal(), 0);
}

TEST(Kontoutdrag, ACodeIsFoundButHasNoLines) {
    Bokforingsdata data = Plan();
    Post(data, 1, 10, 0, 100.0);
    const Kontoutdrag utdrag = ByggKontoutdrag(data, 10);
    EXPECT_TRUE(utdrag.hittat);
    EXPECT_EQ(utdrag.namn, "Projekt Norr");
    EXPECT_EQ(utdrag.Radantal(), 0);
}

TEST(Kontoutdrag, TheLastAccountWithTheNumberWins) {
    Bokforingsdata data = Plan();
    Konto(data, 5, 1930, "Bank som intäkt");
    Post(data, 1, 1930, 0, 100.0);
    const Kontoutdrag utdrag = ByggKontoutdrag(data, 1930);
    EXPECT_EQ(utdrag.namn, "Bank som intäkt");
    EXPECT_EQ(Saldon(utdrag), std::vector<std::string>{"-100,00"});
}

// Amounts and balances were rounded to 8 significant digits and lost their öre.
TEST(Kontoutdrag, AmountsAndBalancesShowTheExactOre) {
    Bokforingsdata data = Plan();
    Post(data, 1, 1930, 0, 12345678.90);
    Post(data, 2, 1930, 0, 0.1);
    Post(data, 3, 1930, 0, 0.2);
    Post(data, 4, 0, 1930, 12345679.2);
    const Kontoutdrag utdrag = ByggKontoutdrag(data, 1930);
    EXPECT_EQ(utdrag.Kontoutdragsrader[0].debet, "12 345 678,90");
    EXPECT_EQ(Saldon(utdrag), (std::vector<std::string>{"12 345 678,90", "12 345 679,00",
                                                        "12 345 679,20", "0,00"}));
}

// The line table stopped at 500 lines; an account with more postings lost the rest.
TEST(Kontoutdrag, MoreThanFiveHundredPostingsAreAllListed) {
    Bokforingsdata data = Plan();
    for (int i = 1; i <= 620; ++i)
        Post(data, i, 1930, 0, 1.0);
    const Kontoutdrag utdrag = ByggKontoutdrag(data, 1930);
    ASSERT_EQ(utdrag.Radantal(), 620);
    EXPECT_EQ(utdrag.Kontoutdragsrader.back(), (Trapport2{"620", "120101", "1,00", "", "620,00"}));
}

TEST(Kontoval, TheWholeChartIsListedUnderItsHeadingCodesIncluded) {
    const Bokforingsdata data = Plan();
    const auto rader = Kontovalslista(data);
    ASSERT_EQ(rader.size(), 9u);
    EXPECT_EQ(rader.front(), "Kontonplanen");
    EXPECT_EQ(rader[1], "1930 Bank");
    EXPECT_EQ(rader.back(), "10 Projekt Norr");
    EXPECT_EQ(Kontovalslista(Bokforingsdata{}), std::vector<std::string>{"Kontonplanen"});
}

TEST(Kontoval, OneCharacterListsAccountsOfClassesOneToSevenBeginningWithIt) {
    Bokforingsdata data = Plan();
    Konto(data, 8, 30, "Mässan");
    Konto(data, 6, 6030, "Hyra");
    EXPECT_EQ(KontonSomBorjarMed(data, "3"),
              (std::vector<std::string>{"Konton som börjar med 3", "3010 Försäljning"}));
    EXPECT_EQ(KontonSomBorjarMed(data, "8"),
              (std::vector<std::string>{"Konton som börjar med 8", "8811 Avsättning"}));
    EXPECT_EQ(KontonSomBorjarMed(data, "1"),
              (std::vector<std::string>{"Konton som börjar med 1", "1930 Bank"}));
    EXPECT_EQ(KontonSomBorjarMed(data, "x"), std::vector<std::string>{"Konton som börjar med x"});
}
