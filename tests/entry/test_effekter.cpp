// What a post does to the statements, and how the entry panel's effect area
// words it: the account lines, the two balance sheet totals and the change of
// the year's result, for every pairing of classes.

#include "core/Bokforingsdata.h"
#include "core/Taltext.h"
#include "entry/Effekter.h"
#include "entry/ui/Effektetiketter.h"

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

void JamforAlla(const Konteringseffekt &effekt, const Forvantat &forvantat) {
    const Effekttexter texter = Effekttexterna(effekt);
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
    const Effekttexter debet = Effekttexterna(DebetEffekter(data, 5010, 250));
    EXPECT_EQ(debet.text, Effekttexterna(KonteringsEffekter(data, 5010, std::nullopt, 250)).text);
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

// The typed effects, class by class, against the rules written out here: a
// debit grows the assets, costs and appropriations and shrinks the rest; the
// figure the statements show rises only for the assets; each change lands in
// the total its class belongs to.
namespace {

struct Klassregel {
    Kontotyp klass;
    bool debetOkar;
    int debetTecken;
    bool tillgangar;    // the change counts in the assets' total
    bool ekOchSkulder;  // in equity and liabilities'
    bool aretsResultat; // in the year's result
};

constexpr Klassregel kRegler[] = {
    {1, true, +1, true, false, false},  {2, false, -1, false, true, false},
    {3, false, -1, false, true, false}, {4, false, -1, false, true, false},
    {5, false, -1, false, true, true},  {6, true, -1, false, true, true},
    {7, true, -1, false, false, false},
};

double Summa(const std::optional<double> &summa) {
    return summa.value_or(0.0);
}

} // namespace

TEST(Konteringseffekt, EachSideFollowsItsClass) {
    for (const Klassregel &r : kRegler) {
        SCOPED_TRACE(int{r.klass});
        Bokforingsdata data;
        LaggTill(data, r.klass, 100, "Konto");
        LaggTill(data, 8, 200, "Kod");
        for (const bool debet : {true, false}) {
            const Konteringseffekt e = debet ? KonteringsEffekter(data, 100, 200, 250.5)
                                             : KonteringsEffekter(data, 200, 100, 250.5);
            const std::optional<Sideffekt> &sida = debet ? e.debet : e.kredit;
            ASSERT_TRUE(sida.has_value());
            EXPECT_FALSE((debet ? e.kredit : e.debet).has_value()) << "a code has no effect";
            EXPECT_EQ(sida->klass, r.klass);
            EXPECT_EQ(sida->konto, "Konto");
            EXPECT_EQ(sida->belopp, 250.5);
            EXPECT_EQ(sida->okar, debet == r.debetOkar);
            EXPECT_EQ(sida->tecken, debet ? r.debetTecken : -r.debetTecken);
            const double andring = sida->Andring();
            EXPECT_EQ(e.tillgangar, r.tillgangar ? std::optional(andring) : std::nullopt);
            EXPECT_EQ(e.egetKapitalOchSkulder,
                      r.ekOchSkulder ? std::optional(andring) : std::nullopt);
            EXPECT_EQ(e.aretsResultat, r.aretsResultat ? std::optional(andring) : std::nullopt);
        }
    }
}

// Any post between two accounts of classes 1..6 keeps the balance sheet
// balanced: what the assets gain, equity and
// liabilities (the result included) gain too, whatever the amount's sign.
TEST(Konteringseffekt, EveryPostKeepsTheBalanceSheetBalanced) {
    Bokforingsdata data;
    for (int k = 1; k <= 6; ++k)
        LaggTill(data, static_cast<Kontotyp>(k), 10 * k, "K" + std::to_string(k));
    for (int d = 1; d <= 6; ++d)
        for (int c = 1; c <= 6; ++c)
            for (const double belopp : {0.0, 0.01, 1000.0, -37.5, 1234567.89}) {
                const Konteringseffekt e = KonteringsEffekter(data, 10 * d, 10 * c, belopp);
                ASSERT_TRUE(e.debet && e.kredit);
                EXPECT_DOUBLE_EQ(Summa(e.tillgangar), Summa(e.egetKapitalOchSkulder))
                    << d << "/" << c << " " << belopp;
                // Each side counts once in one of the two balance sheet totals.
                EXPECT_DOUBLE_EQ(e.debet->Andring() + e.kredit->Andring(),
                                 Summa(e.tillgangar) + Summa(e.egetKapitalOchSkulder))
                    << d << "/" << c;
            }
}
