// Adding an account: cleaning the boxes, the four checks in their order, and
// the place the account takes in the chart.

#include "chart/Nyttkonto.h"
#include "core/Fel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tovana;

namespace {

struct Utfall {
    bool godkant = false;
    std::vector<Kontofalt> falt;
    std::vector<std::string> meddelanden;
};

Utfall Kontrollera(const Bokforingsdata &data, const Kontoforslag &forslag) {
    Utfall utfall;
    utfall.godkant = KontrolleraNyttKonto(data, forslag, [&](const Kontofel &fel) {
        utfall.falt.push_back(fel.falt);
        utfall.meddelanden.push_back(fel.meddelande);
    });
    return utfall;
}

Bokforingsdata Kontoplan(const std::vector<TKonto> &konton) {
    Bokforingsdata data;
    for (const auto &k : konton)
        data.Kontoplats(++data.Kontoantal) = k;
    return data;
}

std::vector<int32_t> Nummerordning(const Bokforingsdata &data) {
    std::vector<int32_t> nummer;
    for (int32_t i = 1; i <= data.Kontoantal; ++i)
        nummer.push_back(data.Konton[i].nummer);
    return nummer;
}

const std::string kTypfel = "Ändra kontotyp! Det måste vara en siffra mellan 1 och 8.";
const std::string kNummerfel = "Ändra kontonumret! Det måste vara minst två siffror.";
const std::string kNamnfel = "Ändra kontonamnet! Det måste bestå av minst två bokstäver/siffror.";

} // namespace

TEST(RensaKontotyp, KeepsTheDigitsZeroToEightInOrder) {
    EXPECT_EQ(RensaKontotyp("1"), "1");
    EXPECT_EQ(RensaKontotyp("9"), "");
    EXPECT_EQ(RensaKontotyp("a8"), "8");
    EXPECT_EQ(RensaKontotyp(" 0-9x3"), "03");
    EXPECT_EQ(RensaKontotyp("å"), "");
}

TEST(RensaKontonummer, KeepsEveryDigitInOrder) {
    EXPECT_EQ(RensaKontonummer("19 30"), "1930");
    EXPECT_EQ(RensaKontonummer("-07"), "07");
    EXPECT_EQ(RensaKontonummer("nr 9"), "9");
    EXPECT_EQ(RensaKontonummer("Kassa"), "");
}

TEST(KontrolleraNyttKonto, EveryFailingCheckIsReportedInOrderWithItsBox) {
    const Bokforingsdata data = Kontoplan({{1, 1510, "Kundfordringar"}});
    struct Fall {
        Kontoforslag forslag;
        std::vector<Kontofalt> falt;
        std::vector<std::string> meddelanden;
    };
    const std::vector<Fall> fall = {
        {{"1", "1930", "Företagskonto"}, {}, {}},
        {{"0", "1930", "Företagskonto"}, {Kontofalt::Ktyp}, {kTypfel}},
        {{"9", "1930", "Företagskonto"}, {Kontofalt::Ktyp}, {kTypfel}},
        {{"1", "7", "Kassa"}, {Kontofalt::Knummer}, {kNummerfel}},
        {{"1", "1930", "K"}, {Kontofalt::Knamn}, {kNamnfel}},
        {{"0", "7", "K"},
         {Kontofalt::Ktyp, Kontofalt::Knummer, Kontofalt::Knamn},
         {kTypfel, kNummerfel, kNamnfel}},
        {{"0", "1510", "K"},
         {Kontofalt::Ktyp, Kontofalt::Knamn, Kontofalt::Ingen},
         {kTypfel, kNamnfel,
          "Kontonumret 1510 används redan för Kundfordringar. Du måste ta bort eller ändra "
          "kontonamn för detta konto. Rutinen avbryts!"}},
        // Two characters, one of them a letter with a diacritic, is a name.
        {{"1", "1930", "Ös"}, {}, {}},
    };
    for (const auto &f : fall) {
        SCOPED_TRACE(f.forslag.typ + ";" + f.forslag.nummer + ";" + f.forslag.namn);
        const Utfall utfall = Kontrollera(data, f.forslag);
        EXPECT_EQ(utfall.godkant, f.falt.empty());
        EXPECT_EQ(utfall.falt, f.falt);
        EXPECT_EQ(utfall.meddelanden, f.meddelanden);
    }
}

TEST(KontrolleraNyttKonto, ANumberIsTakenWhateverTheClassAndTheLastHolderIsNamed) {
    // A chart read from a file may already hold a number twice.
    const Bokforingsdata data =
        Kontoplan({{1, 10, "Kassa"}, {5, 3010, "Försäljning"}, {6, 10, "Porto"}});
    const Utfall kod = Kontrollera(data, {"8", "10", "Projekt Norr"});
    ASSERT_EQ(kod.meddelanden.size(), 1u);
    EXPECT_EQ(kod.meddelanden[0], "Kontonumret 10 används redan för Porto. Du måste ta bort "
                                  "eller ändra kontonamn för detta konto. Rutinen avbryts!");
    EXPECT_FALSE(Kontrollera(data, {"1", "3010", "Kundfordringar"}).godkant);
    // "010" is the number 10.
    EXPECT_FALSE(Kontrollera(data, {"8", "010", "Projekt Norr"}).godkant);
}

TEST(KontrolleraNyttKonto, AnEmptyClassAbandonsBeforeAnyMessage) {
    const Bokforingsdata data;
    std::vector<std::string> meddelanden;
    try {
        KontrolleraNyttKonto(data, {"", "7", "K"},
                             [&](const Kontofel &fel) { meddelanden.push_back(fel.meddelande); });
        FAIL() << "no error";
    } catch (const Korningsfel &fel) {
        EXPECT_STREQ(fel.what(), "'' is not a valid integer value");
    }
    EXPECT_TRUE(meddelanden.empty());
}

TEST(KontrolleraNyttKonto, AnEmptyNumberFailsItsConversionOnlyWhenTheChartHasAccounts) {
    const Bokforingsdata tom;
    const Utfall utfall = Kontrollera(tom, {"1", "", "Kassa"});
    EXPECT_FALSE(utfall.godkant);
    EXPECT_EQ(utfall.meddelanden, std::vector<std::string>{kNummerfel});

    const Bokforingsdata data = Kontoplan({{1, 1510, "Kundfordringar"}});
    std::vector<std::string> meddelanden;
    EXPECT_THROW(
        KontrolleraNyttKonto(data, {"1", "", "Kassa"},
                             [&](const Kontofel &fel) { meddelanden.push_back(fel.meddelande); }),
        Korningsfel);
    EXPECT_EQ(meddelanden, std::vector<std::string>{kNummerfel});
}

TEST(LaggTillKonto, KeepsClassAndNumberOrder) {
    Bokforingsdata data;
    EXPECT_EQ(LaggTillKonto(data, {"5", "3010", "Försäljning"}), 1);
    EXPECT_EQ(LaggTillKonto(data, {"1", "1510", "Kundfordringar"}), 1);
    EXPECT_EQ(LaggTillKonto(data, {"2", "2081", "Aktiekapital"}), 2);
    EXPECT_EQ(Nummerordning(data), (std::vector<int32_t>{1510, 2081, 3010}));
    EXPECT_EQ(LaggTillKonto(data, {"1", "1930", "Företagskonto"}), 2);
    EXPECT_EQ(Nummerordning(data), (std::vector<int32_t>{1510, 1930, 2081, 3010}));
    EXPECT_EQ(data.Konton[2], (TKonto{1, 1930, "Företagskonto"}));
    EXPECT_EQ(data.Konton[0].typ, 0);
}

TEST(LaggTillKonto, ReadsALeadingZeroAndCutsTheNameToEightyCharacters) {
    Bokforingsdata data;
    const std::string namn = std::string(79, 'x') + "åäö";
    LaggTillKonto(data, {"1", "07", namn});
    EXPECT_EQ(data.Konton[1].nummer, 7);
    EXPECT_EQ(data.Konton[1].namn, std::string(79, 'x') + "å");
}

TEST(LaggTillKonto, OnlyACodeSetsKoderFinns) {
    Bokforingsdata data;
    LaggTillKonto(data, {"6", "5010", "Lokalhyra"});
    EXPECT_FALSE(data.KoderFinns);
    LaggTillKonto(data, {"8", "10", "Projekt Norr"});
    EXPECT_TRUE(data.KoderFinns);
}
