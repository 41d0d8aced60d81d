// The lookup lists: accounts by the digits typed so far, by class, and codes.

#include "core/Bokforingsdata.h"
#include "entry/Kontolistor.h"

#include <gtest/gtest.h>

using namespace tovana;
using Rader = std::vector<std::string>;

namespace {

class KontolistorTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Deliberately not in number order: the lists keep table order.
        for (const TKonto &k :
             {TKonto{1, 1910, "Kassa"}, TKonto{1, 150, "Kundfordringar"}, TKonto{1, 1, "Ett"},
              TKonto{1, 10, "Tio"}, TKonto{1, 19, "Nitton"}, TKonto{1, 190, "Etthundranittio"},
              TKonto{2, 2010, "Eget kapital"}, TKonto{5, 5, "Fem"}, TKonto{5, 500, "Femhundra"},
              TKonto{6, 50, "Femtio"}, TKonto{8, 1, "Kod ett"}, TKonto{8, 12, "Kod tolv"},
              TKonto{8, 2, "Kod två"}})
            data.Kontoplats(++data.Kontoantal) = k;
    }
    Bokforingsdata data;
};

} // namespace

TEST_F(KontolistorTest, PrefixesCompareNumberTexts) {
    EXPECT_EQ(KontonSomBorjarMed(data, "1", false),
              (Rader{"Konton som börjar med 1", "1910 Kassa", "150 Kundfordringar", "1 Ett",
                     "10 Tio", "19 Nitton", "190 Etthundranittio"}));
    EXPECT_EQ(
        KontonSomBorjarMed(data, "19", false),
        (Rader{"Konton som börjar med 19", "1910 Kassa", "19 Nitton", "190 Etthundranittio"}));
    EXPECT_EQ(KontonSomBorjarMed(data, "5", false),
              (Rader{"Konton som börjar med 5", "5 Fem", "500 Femhundra", "50 Femtio"}));
    EXPECT_EQ(KontonSomBorjarMed(data, "50", false),
              (Rader{"Konton som börjar med 50", "500 Femhundra", "50 Femtio"}));
    EXPECT_EQ(KontonSomBorjarMed(data, "7", false), (Rader{"Konton som börjar med 7"}));
}

TEST_F(KontolistorTest, CodesOnlyWhenAsked) {
    EXPECT_EQ(KontonSomBorjarMed(data, "1", true).size(), 9u);
    EXPECT_EQ(KontonSomBorjarMed(data, "1", true).back(), "12 Kod tolv");
    EXPECT_EQ(KoderSomBorjarMed(data, "1"),
              (Rader{"Koder som börjar med 1", "1 Kod ett", "12 Kod tolv"}));
}

TEST_F(KontolistorTest, ClassListsUseTheMixedCaseNames) {
    EXPECT_EQ(KontonIKlass(data, 5), (Rader{"Intäkter", "5 Fem", "500 Femhundra"}));
    EXPECT_EQ(KontonIKlass(data, 3), (Rader{"Obeskattade reserver"}));
    EXPECT_EQ(KontonIKlass(data, 8), (Rader{"Koder", "1 Kod ett", "12 Kod tolv", "2 Kod två"}));
    EXPECT_EQ(KontonIKlass(data, 1).front(), "Tillgångar");
    EXPECT_EQ(KontonIKlass(data, 7).front(), "Bokslutsdispositioner");
}

TEST_F(KontolistorTest, AccountBoxListsAtOneAndTwoCharactersOnly) {
    EXPECT_EQ(ListaVidKontoandring(data, "1"), KontonSomBorjarMed(data, "1", false));
    EXPECT_EQ(ListaVidKontoandring(data, "12"), KontonSomBorjarMed(data, "12", true));
    EXPECT_EQ(ListaVidKontoandring(data, "12")->size(), 2u);
    EXPECT_EQ(ListaVidKontoandring(data, ""), std::nullopt);
    EXPECT_EQ(ListaVidKontoandring(data, "191"), std::nullopt);
    EXPECT_EQ(ListaVidKontoandring(data, "1910"), std::nullopt);
    // One character is one character, even when UTF-8 spells it in two bytes.
    EXPECT_EQ(ListaVidKontoandring(data, "é"), (Rader{"Konton som börjar med é"}));
}

TEST_F(KontolistorTest, CodeBoxListsCodesOnlyWhenTheChartHasThem) {
    EXPECT_EQ(ListaVidKodandring(data, "1"), KoderSomBorjarMed(data, "1"));
    EXPECT_EQ(ListaVidKodandring(data, "12"), std::nullopt);
    EXPECT_EQ(ListaVidKodandring(data, ""), std::nullopt);

    Bokforingsdata utanKoder;
    utanKoder.Kontoplats(++utanKoder.Kontoantal) = TKonto{1, 1910, "Kassa"};
    EXPECT_EQ(ListaVidKodandring(utanKoder, "1"), Rader{});
    EXPECT_EQ(KontonIKlass(utanKoder, kKoder), (Rader{"Koder"}));
}
