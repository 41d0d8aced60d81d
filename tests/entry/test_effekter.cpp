// What a post shows in the effect area: the account lines, the two balance
// sheet totals and the change of the year's result, for every pairing of classes.

#include "core/Bokforingsdata.h"
#include "core/Taltext.h"
#include "entry/Effekter.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

using namespace tovana;

namespace {

void LaggTill(Bokforingsdata &data, Kontotyp typ, int32_t nummer, std::string namn) {
    ++data.Kontoantal;
    data.Kontoplats(data.Kontoantal) = TKonto{typ, nummer, std::move(namn)};
}

// Label name -> expected text; every label not named must be empty.
using Forvantat = std::map<std::string, std::string>;

void JamforAlla(const Effekttexter &texter, const Forvantat &forvantat) {
    for (const auto &[namn, text] : forvantat)
        EXPECT_EQ(texter[namn], text) << namn;
    for (const std::string &namn : Effektlabelnamn()) {
        if (!forvantat.contains(namn)) {
            EXPECT_EQ(texter[namn], "") << namn;
        }
    }
}

class EffekterTest : public ::testing::Test {
protected:
    void SetUp() override {
        SattTusentalsavgransare(" ");
        LaggTill(data, 1, 1910, "Kassa");
        LaggTill(data, 1, 1930, "Bank");
        LaggTill(data, 2, 2010, "Eget kapital");
        LaggTill(data, 3, 2150, "Ackumulerade avskrivningar");
        LaggTill(data, 3, 2160, "Periodiseringsfond");
        LaggTill(data, 4, 2440, "Leverantörsskulder");
        LaggTill(data, 5, 3010, "Försäljning");
        LaggTill(data, 6, 5010, "Hyra");
        LaggTill(data, 6, 5410, "Förbrukningsinventarier");
        LaggTill(data, 7, 8810, "Periodiseringsfondsavsättning");
        LaggTill(data, 8, 11, "Projekt A");
    }
    Bokforingsdata data;
};

} // namespace

TEST_F(EffekterTest, DebitKassaCreditForsaljning) {
    JamforAlla(KonteringsEffekter(data, 1910, 3010, 1000),
               {{"LabelTeffekt1", "Kassa ökar med"},
                {"LabelTeffekt1Bel", "+ 1 000,00"},
                {"LabelsummaTBel", "1 000,00"},
                {"LabelIeffekt1", "Försäljning ökar med"},
                {"LabelIeffekt1Bel", "+ 1 000,00"},
                {"LabelEKeffekt1", "Årets resultat ändras med"},
                {"LabelEKeffekt1Bel", "1 000,00"},
                {"LabelAReffektBel", "1 000,00"},
                {"LabelsummaEKSBel", "1 000,00"}});
}

TEST_F(EffekterTest, DebitHyraCreditBank) {
    JamforAlla(KonteringsEffekter(data, 5010, 1930, 1000),
               {{"LabelKeffekt1", "Hyra ökar med"},
                {"LabelKeffekt1Bel", "- 1 000,00"},
                {"LabelAReffektBel", "-1 000,00"},
                {"LabelEKeffekt1", "Årets resultat minskar med"},
                {"LabelEKeffekt1Bel", "-1 000,00"},
                {"LabelTeffekt1", "Bank minskar med"},
                {"LabelTeffekt1Bel", "- 1 000,00"},
                {"LabelsummaTBel", "-1 000,00"},
                {"LabelsummaEKSBel", "-1 000,00"}});
}

TEST_F(EffekterTest, DebitKassaCreditBank) {
    JamforAlla(KonteringsEffekter(data, 1910, 1930, 1000), {{"LabelTeffekt1", "Kassa ökar med"},
                                                            {"LabelTeffekt1Bel", "+ 1 000,00"},
                                                            {"LabelTeffekt2", "Bank minskar med"},
                                                            {"LabelTeffekt2Bel", "- 1 000,00"},
                                                            {"LabelsummaTBel", "0,00"}});
}

TEST_F(EffekterTest, DebitHyraCreditLeverantorsskulder) {
    JamforAlla(KonteringsEffekter(data, 5010, 2440, 1000),
               {{"LabelKeffekt1", "Hyra ökar med"},
                {"LabelKeffekt1Bel", "- 1 000,00"},
                {"LabelAReffektBel", "-1 000,00"},
                {"LabelEKeffekt1", "Årets resultat minskar med"},
                {"LabelEKeffekt1Bel", "-1 000,00"},
                {"LabelSeffekt1", "Leverantörsskulder ökar med"},
                {"LabelSeffekt1Bel", "+ 1 000,00"},
                {"LabelsummaEKSBel", "0,00"}});
}

TEST_F(EffekterTest, CreditOnlyRevenue) {
    JamforAlla(KonteringsEffekter(data, std::nullopt, 3010, 1000),
               {{"LabelIeffekt1", "Försäljning ökar med"},
                {"LabelIeffekt1Bel", "+ 1 000,00"},
                {"LabelEKeffekt1", "Årets resultat ändras med"},
                {"LabelEKeffekt1Bel", "1 000,00"},
                {"LabelAReffektBel", "1 000,00"},
                {"LabelsummaEKSBel", "1 000,00"}});
}

TEST_F(EffekterTest, TwoUntaxedReservesShareTheOnlyLine) {
    JamforAlla(KonteringsEffekter(data, 2150, 2160, 1000),
               {{"LabelOReffekt1", "Periodiseringsfond ökar med"},
                {"LabelOReffekt1Bel", "+ 1 000,00"},
                {"LabelsummaEKSBel", "0,00"}});
}

TEST_F(EffekterTest, CostAgainstCostLeavesTheResult) {
    JamforAlla(KonteringsEffekter(data, 5010, 5410, 1000),
               {{"LabelKeffekt1", "Hyra ökar med"},
                {"LabelKeffekt1Bel", "- 1 000,00"},
                {"LabelKeffekt2", "Förbrukningsinventarier minskar med"},
                {"LabelKeffekt2Bel", "+ 1 000,00"},
                {"LabelEKeffekt1", "Årets resultat ändras med"},
                {"LabelEKeffekt1Bel", "0,00"},
                {"LabelAReffektBel", "0,00"},
                {"LabelsummaEKSBel", "0,00"}});
}

TEST_F(EffekterTest, AppropriationsJoinTheAmountAndTouchNoTotal) {
    JamforAlla(DebetEffekter(data, 8810, 1234.5),
               {{"LabelBDeffekt1", "Periodiseringsfondsavsättning ökar med1 234,50"}});
    JamforAlla(KonteringsEffekter(data, 1930, 8810, 1000),
               {{"LabelTeffekt1", "Bank ökar med"},
                {"LabelTeffekt1Bel", "+ 1 000,00"},
                {"LabelsummaTBel", "1 000,00"},
                {"LabelBDeffekt1", "Periodiseringsfondsavsättning minskar med1 000,00"}});
}

TEST_F(EffekterTest, DebitAloneIsTheDebitHalfOfThePost) {
    const Effekttexter debet = DebetEffekter(data, 5010, 250);
    EXPECT_EQ(debet.text, KonteringsEffekter(data, 5010, std::nullopt, 250).text);
    EXPECT_EQ(debet["LabelEKeffekt1"], "Årets resultat minskar med");
    EXPECT_EQ(debet["LabelsummaEKSBel"], "-250,00");
    EXPECT_EQ(debet["LabelsummaTBel"], "");
}

TEST_F(EffekterTest, CodesAndUnknownNumbersShowNothing) {
    JamforAlla(DebetEffekter(data, 11, 1000), {});
    JamforAlla(DebetEffekter(data, 9999, 1000), {});
    // An unknown debit leaves the credit on the first line of its class.
    JamforAlla(KonteringsEffekter(data, 9999, 1930, 1000), {{"LabelTeffekt1", "Bank minskar med"},
                                                            {"LabelTeffekt1Bel", "- 1 000,00"},
                                                            {"LabelsummaTBel", "-1 000,00"}});
}

TEST_F(EffekterTest, LookupSkipsCodesAndTakesTheLastMatch) {
    EXPECT_FALSE(SokBokforingskonto(data, 11).hittat);
    LaggTill(data, 1, 11, "Kassa två");
    LaggTill(data, 8, 11, "Projekt B");
    const Bokforingskonto konto = SokBokforingskonto(data, 11);
    EXPECT_TRUE(konto.hittat);
    EXPECT_EQ(konto.typ, 1);
    EXPECT_EQ(konto.namn, "Kassa två");

    LaggTill(data, 4, 1910, "Skuld med kassans nummer");
    EXPECT_EQ(SokBokforingskonto(data, 1910).namn, "Skuld med kassans nummer");
    EXPECT_FALSE(SokBokforingskonto(data, 0).hittat);
}

TEST_F(EffekterTest, UnknownLabelNameIsRefused) {
    Effekttexter texter;
    EXPECT_THROW(texter["LabelFinnsInte"], std::out_of_range);
}

// Every pairing of debit class and credit class (0 = that side absent), checked
// against the rules written out independently below: the account lines, the
// equity line's overwrites and the three totals' arithmetic.
class Klasspar : public ::testing::TestWithParam<std::tuple<int, int>> {};

namespace {

std::string Stam(int klass) {
    static const char *const kStam[] = {"",
                                        "LabelTeffekt",
                                        "LabelEKeffekt",
                                        "LabelOReffekt",
                                        "LabelSeffekt",
                                        "LabelIeffekt",
                                        "LabelKeffekt",
                                        "LabelBDeffekt"};
    return kStam[klass];
}

// The texts of multiples of 1000.
std::string Tusental(int k) {
    return k == 0 ? "0,00" : (k < 0 ? "-" : "") + std::to_string(std::abs(k)) + " 000,00";
}

} // namespace

TEST_P(Klasspar, FollowsTheRules) {
    const auto [d, c] = GetParam();
    SattTusentalsavgransare(" ");
    Bokforingsdata data;
    for (int k = 1; k <= 8; ++k) {
        LaggTill(data, static_cast<Kontotyp>(k), 100 * k + 10, "D" + std::to_string(k));
        LaggTill(data, static_cast<Kontotyp>(k), 100 * k + 20, "C" + std::to_string(k));
    }
    std::optional<int32_t> debet, kredit;
    if (d)
        debet = 100 * d + 10;
    if (c)
        kredit = 100 * c + 20;

    Forvantat f;
    const bool debetResultat = d == 5 || d == 6;
    const bool kreditResultat = c == 5 || c == 6;
    if (d == 7) {
        f["LabelBDeffekt1"] = "D7 ökar med1 000,00";
    } else if (d) {
        const bool okar = d == 1 || d == 6;
        f[Stam(d) + "1"] = "D" + std::to_string(d) + (okar ? " ökar med" : " minskar med");
        f[Stam(d) + "1Bel"] = d == 1 ? "+ 1 000,00" : "- 1 000,00";
        if (debetResultat) {
            f["LabelEKeffekt1"] = "Årets resultat minskar med";
            f["LabelEKeffekt1Bel"] = "-1 000,00";
        }
    }
    if (c == 7) {
        f["LabelBDeffekt1"] = "C7 minskar med1 000,00";
    } else if (c) {
        const bool andraRaden = c == d && c != 3;
        const bool okar = c != 1 && c != 6;
        const std::string rad = Stam(c) + (andraRaden ? "2" : "1");
        f[rad] = "C" + std::to_string(c) + (okar ? " ökar med" : " minskar med");
        f[rad + "Bel"] = c == 1 ? "- 1 000,00" : "+ 1 000,00";
    }
    const int R = (kreditResultat ? 1 : 0) - (debetResultat ? 1 : 0);
    if (kreditResultat) {
        f["LabelEKeffekt1"] = "Årets resultat ändras med";
        f["LabelEKeffekt1Bel"] = Tusental(R);
    }
    if (d == 1 || c == 1)
        f["LabelsummaTBel"] = Tusental((d == 1 ? 1 : 0) - (c == 1 ? 1 : 0));
    const auto ekOchSkuld = [](int k) { return k >= 2 && k <= 6; };
    if (ekOchSkuld(d) || ekOchSkuld(c))
        f["LabelsummaEKSBel"] = Tusental((ekOchSkuld(c) ? 1 : 0) - (ekOchSkuld(d) ? 1 : 0));
    if (debetResultat || kreditResultat)
        f["LabelAReffektBel"] = Tusental(R);

    JamforAlla(KonteringsEffekter(data, debet, kredit, 1000), f);
}

INSTANTIATE_TEST_SUITE_P(AllClasses, Klasspar,
                         ::testing::Combine(::testing::Range(0, 8), ::testing::Range(0, 8)),
                         [](const auto &info) {
                             return "D" + std::to_string(std::get<0>(info.param)) + "K" +
                                    std::to_string(std::get<1>(info.param));
                         });
