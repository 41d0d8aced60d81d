// The balance rule and the income statement and balance sheet builds in both
// forms: the spacer, the amount texts, which small balances are listed, the sum
// lines where the class rises, class 7 before the result, and the balancing figure.

#include "reports/Balansberakning.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace tovana;

namespace {

struct Post {
    int32_t debet;
    int32_t kredit;
    double belopp;
    int32_t kod = 0;
};

Bokforingsdata Data(const std::vector<TKonto> &konton, const std::vector<Post> &poster = {}) {
    Bokforingsdata data;
    for (std::size_t i = 0; i < konton.size(); ++i)
        data.Kontoplats(static_cast<int32_t>(i + 1)) = konton[i];
    data.Kontoantal = static_cast<int32_t>(konton.size());
    for (std::size_t i = 0; i < poster.size(); ++i) {
        TPost &p = data.Postplats(static_cast<int32_t>(i + 1));
        p.vernr = static_cast<int32_t>(i + 1);
        p.debet = poster[i].debet;
        p.kredit = poster[i].kredit;
        p.belopp = poster[i].belopp;
        p.kod = poster[i].kod;
    }
    data.Postantal = static_cast<int32_t>(poster.size());
    return data;
}

// The lines 1..last, without the unused slot 0.
std::vector<Trapport> Rader(const Rapportrader &rader) {
    EXPECT_FALSE(rader.empty());
    EXPECT_EQ(rader[0], Trapport{});
    return {rader.begin() + 1, rader.end()};
}

const TKonto kBank{1, 1930, "Bank"};
const TKonto kEget{2, 2010, "Eget kapital"};
const TKonto kReserv{3, 2110, "Periodiseringsfond"};
const TKonto kSkuld{4, 2440, "Leverantörsskulder"};
const TKonto kForsaljning{5, 3010, "Försäljning"};
const TKonto kInkop{6, 4010, "Inköp"};
const TKonto kHyra{6, 5010, "Hyra"};
const TKonto kAvsattning{7, 8811, "Avsättning"};
const TKonto kProjekt{8, 10, "Projekt"};

} // namespace

TEST(Kontosaldo, AssetsCountDebitsUpAndOtherClassesCreditsUp) {
    const auto data =
        Data({kBank, kForsaljning}, {{1930, 3010, 800}, {4010, 1930, 500}, {1930, 1930, 70}});
    EXPECT_EQ(Kontosaldo(data, 1930, 1), 300.0);
    EXPECT_EQ(Kontosaldo(data, 1930, 4), -300.0);
    EXPECT_EQ(Kontosaldo(data, 3010, 5), 800.0);
    EXPECT_EQ(Kontosaldo(data, 4010, 6), -500.0);
    EXPECT_EQ(Kontosaldo(data, 9999, 1), 0.0);
}

TEST(Kontosaldo, ACodeFilterCountsOnlyThatCodeAndZeroMeansNoCode) {
    const auto data = Data({kBank}, {{1930, 3010, 100, 10}, {1930, 3010, 20, 0}, {1930, 0, 3, 20}});
    EXPECT_EQ(Kontosaldo(data, 1930, 1, 10), 100.0);
    EXPECT_EQ(Kontosaldo(data, 1930, 1, 0), 20.0);
    EXPECT_EQ(Kontosaldo(data, 1930, 1), 123.0);
}

TEST(Saldotabell, GivesBitForBitTheBalancesOfTheWalkOverEveryPost) {
    // Amounts whose sums round differently in another order, posts with one
    // side, both sides in one account, accounts outside the chart and codes.
    const std::vector<TKonto> konton = {kBank,       {1, 1510, "Kund"}, kEget,
                                        kSkuld,      kForsaljning,      kInkop,
                                        kAvsattning, kProjekt,          {4, 1930, "Dubblett"}};
    std::vector<Post> poster;
    const int32_t nummer[] = {1930, 1510, 2010, 2440, 3010, 4010, 8811, 10, 7777, 0};
    uint32_t x = 12345;
    for (int i = 0; i < 3000; ++i) {
        x = x * 1103515245u + 12345u;
        const double belopp = static_cast<double>(x % 1000003) / 100.0 + 0.1 / (1 + x % 7);
        poster.push_back({nummer[(x >> 8) % 10], nummer[(x >> 16) % 10], belopp,
                          static_cast<int32_t>((x >> 4) % 3) * 10});
    }
    const auto data = Data(konton, poster);
    for (const std::optional<int32_t> kod :
         {std::optional<int32_t>{}, std::optional<int32_t>{0}, std::optional<int32_t>{10}}) {
        const Saldotabell tabell(data, kod);
        for (const auto &konto : konton)
            for (Kontotyp typ = 1; typ <= 7; ++typ)
                EXPECT_EQ(std::bit_cast<uint64_t>(tabell.Saldo(konto.nummer, typ)),
                          std::bit_cast<uint64_t>(Kontosaldo(data, konto.nummer, typ, kod)))
                    << konto.nummer << " klass " << int(typ);
    }
}

TEST(Saldotabell, AnAccountWithNoPostsHasAPositiveZeroInEveryClass) {
    const Saldotabell tabell(Data({kForsaljning}, {{3010, 3010, 5}}));
    EXPECT_FALSE(std::signbit(tabell.Saldo(3010, 5)));
    EXPECT_FALSE(std::signbit(tabell.Saldo(3010, 1)));
}

struct Tomfall {
    Rapportform form;
    std::vector<Trapport> resultat;
};

TEST(ByggResultatrakning, AnEmptyChartGivesOnlySumLinesInEachForm) {
    const std::vector<Tomfall> fall = {
        {Rapportform::Skarm,
         {{"Summa kostnader", "0,00"}, {"", ""}, {"Periodens resultat", "0,00"}}},
        {Rapportform::Utskrift,
         {{"Summa kostnader", "0,00"}, {".", ""}, {".", ""}, {"Periodens resultat", "0,00"}}},
    };
    for (const auto &f : fall) {
        const auto rader = ByggResultatrakning(Data({}), f.form);
        EXPECT_EQ(Rader(rader), f.resultat);
        EXPECT_EQ(Sistarad(rader), static_cast<int>(f.resultat.size()));
    }
}

TEST(ByggBalansrakning, AnEmptyChartGivesTheSameSumLinesInBothForms) {
    const std::vector<Trapport> vantat = {
        {"Summa skulder", "0,00"}, {"", ""}, {"Summa eget kapital och skulder", "0,00"}};
    for (const auto form : {Rapportform::Skarm, Rapportform::Utskrift})
        EXPECT_EQ(Rader(ByggBalansrakning(Data({}), form)), vantat);
}

TEST(ByggResultatrakning, ProfitFromRevenueAndCostInScreenAndPrintoutForm) {
    const auto data =
        Data({kBank, kForsaljning, kInkop, kHyra}, {{4010, 1930, 500}, {1930, 3010, 800}});
    EXPECT_EQ(Rader(ByggResultatrakning(data, Rapportform::Skarm)),
              (std::vector<Trapport>{{"Försäljning", "800,00"},
                                     {"Summa intäkter", "800,00"},
                                     {"", ""},
                                     {"Inköp", "-500,00"},
                                     {"Summa kostnader", "-500,00"},
                                     {"", ""},
                                     {"Periodens resultat", "300,00"}}));
    EXPECT_EQ(Rader(ByggResultatrakning(data, Rapportform::Utskrift)),
              (std::vector<Trapport>{{"Försäljning", "800,00"},
                                     {"Summa intäkter", "800,00"},
                                     {".", ""},
                                     {"Inköp", "-500,00"},
                                     {"Summa kostnader", "-500,00"},
                                     {".", ""},
                                     {".", ""},
                                     {"Periodens resultat", "300,00"}}));
}

// The screen and the balance-sheet printout rounded to 8 significant digits, so
// the balance sheet's result differed from the income statement's.
TEST(ByggResultatrakning, TheScreenAndEveryPrintoutShowTheExactOre) {
    const auto data = Data({kForsaljning}, {{1930, 3010, 1234567.89}});
    EXPECT_EQ(ByggResultatrakning(data, Rapportform::Skarm)[1].radbelopp, "1 234 567,89");
    EXPECT_EQ(ByggResultatrakning(data, Rapportform::Utskrift)[1].radbelopp, "1 234 567,89");
    const auto bank = Data({kBank}, {{1930, 3010, 1234567.89}});
    EXPECT_EQ(ByggBalansrakning(bank, Rapportform::Utskrift)[1].radbelopp, "1 234 567,89");
}

TEST(ByggResultatrakning, PostingsThatCancelExactlyAreNotListedButAnyRemainderIs) {
    const auto data = Data({kForsaljning, {5, 3040, "Övrigt"}},
                           {{1930, 3010, 250}, {3010, 1930, 250}, {1930, 3040, 0.004}});
    for (const auto form : {Rapportform::Skarm, Rapportform::Utskrift}) {
        const auto rader = ByggResultatrakning(data, form);
        EXPECT_EQ(rader[1], (Trapport{"Övrigt", "0,00"}));
        EXPECT_EQ(rader[2].radnamn, "Summa kostnader");
    }
}

TEST(ByggResultatrakning,
     AppropriationsStandBetweenTheCostSumAndTheResultWhereverTheyAreInTheChart) {
    const auto data = Data({kAvsattning, kForsaljning, kInkop, kBank, kReserv},
                           {{1930, 3010, 1000}, {4010, 1930, 100}, {8811, 2110, 300}});
    EXPECT_EQ(Rader(ByggResultatrakning(data, Rapportform::Skarm)),
              (std::vector<Trapport>{{"Försäljning", "1 000,00"},
                                     {"Summa intäkter", "1 000,00"},
                                     {"", ""},
                                     {"Inköp", "-100,00"},
                                     {"Summa kostnader", "-100,00"},
                                     {"", ""},
                                     {"Avsättning", "-300,00"},
                                     {"Periodens resultat", "600,00"}}));
}

TEST(ByggResultatrakning, RevenueSumOnlyWhereACostAccountDirectlyFollowsARevenueAccount) {
    struct Fall {
        const char *namn;
        std::vector<TKonto> konton;
        int summor;
    };
    const std::vector<Fall> fall = {
        {"ordered", {kForsaljning, kInkop, kHyra}, 1},
        {"no costs", {kForsaljning}, 0},
        {"cost first", {kInkop, kForsaljning}, 0},
        {"unordered twice", {kForsaljning, kInkop, {5, 3040, "Övrigt"}, kHyra}, 2},
        {"code between", {kForsaljning, kProjekt, kInkop}, 0},
    };
    for (const auto &f : fall) {
        int summor = 0;
        for (const auto &rad : ByggResultatrakning(Data(f.konton), Rapportform::Skarm))
            summor += rad.radnamn == "Summa intäkter";
        EXPECT_EQ(summor, f.summor) << f.namn;
    }
}

TEST(ByggBalansrakning, AHalfOreBalanceIsListedAndAddedOnlyInThePrintout) {
    const auto data =
        Data({kBank, {1, 1920, "Plusgiro"}, kEget}, {{1930, 2010, 100}, {1920, 2010, 0.004}});
    const auto skarm = Rader(ByggBalansrakning(data, Rapportform::Skarm));
    const auto utskrift = Rader(ByggBalansrakning(data, Rapportform::Utskrift));
    EXPECT_EQ(skarm[0], (Trapport{"Bank", "100,00"}));
    EXPECT_EQ(skarm[1].radnamn, "Summa tillgångar");
    EXPECT_EQ(utskrift[1], (Trapport{"Plusgiro", "0,00"}));
    EXPECT_EQ(utskrift[2].radnamn, "Summa tillgångar");
    // Equity holds 100,004 in both; the screen left the half öre out of assets.
    EXPECT_EQ(skarm.back(), (Trapport{"Summa eget kapital och skulder", "100,00"}));
    EXPECT_EQ(utskrift.back(), (Trapport{"Summa eget kapital och skulder", "100,00"}));
    EXPECT_EQ(skarm[2], (Trapport{"", ""}));
    EXPECT_EQ(utskrift[3], (Trapport{".", ""}));
}

TEST(ByggBalansrakning, OneHundredthIsListedOnScreenButLessIsNot) {
    const auto data = Data({kBank, {1, 1920, "Plusgiro"}, {1, 1910, "Kassa"}},
                           {{1930, 0, 0.01}, {0, 1920, 0.01}, {1910, 0, 0.0099999}});
    const auto rader = ByggBalansrakning(data, Rapportform::Skarm);
    EXPECT_EQ(rader[1], (Trapport{"Bank", "0,01"}));
    EXPECT_EQ(rader[2], (Trapport{"Plusgiro", "-0,01"}));
    EXPECT_EQ(rader[3].radnamn, "Summa skulder");
}

TEST(ByggBalansrakning, WithoutClassThreeTheReserveSumFollowsTheEquitySum) {
    const auto data = Data({kBank, kEget, kSkuld, kForsaljning, kInkop},
                           {{1930, 2010, 1000}, {1930, 3010, 500}, {4010, 2440, 200}});
    for (const auto form : {Rapportform::Skarm, Rapportform::Utskrift}) {
        const std::string mellan = form == Rapportform::Utskrift ? "." : "";
        EXPECT_EQ(Rader(ByggBalansrakning(data, form)),
                  (std::vector<Trapport>{{"Bank", "1 500,00"},
                                         {"Summa tillgångar", "1 500,00"},
                                         {mellan, ""},
                                         {"Eget kapital", "1 000,00"},
                                         {"Periodens resultat", "300,00"},
                                         {"Summa eget kapital", "1 300,00"},
                                         {mellan, ""},
                                         {"Summa obeskattade reserver", "0,00"},
                                         {mellan, ""},
                                         {"Leverantörsskulder", "200,00"},
                                         {"Summa skulder", "200,00"},
                                         {"", ""},
                                         {"Summa eget kapital och skulder", "1 500,00"}}));
    }
}

TEST(ByggBalansrakning, AssetsWithoutEquityAccountsHaveNoAssetSum) {
    const auto data = Data({kBank, kReserv, kSkuld}, {{1930, 2440, 50}});
    const auto rader = Rader(ByggBalansrakning(data, Rapportform::Skarm));
    for (const auto &rad : rader)
        EXPECT_NE(rad.radnamn, "Summa tillgångar");
    EXPECT_EQ(rader[1], (Trapport{"Periodens resultat", "0,00"}));
    EXPECT_EQ(rader[2], (Trapport{"Summa eget kapital", "0,00"}));
}

TEST(ByggBalansrakning, WithoutAnEquitySumTheBalancingFigureIsNotShown) {
    const auto data = Data({kBank}, {{1930, 3010, 50}});
    // The revenue account is not in the chart: the imbalance line stands
    // before the last line, as there is no result line to stand under.
    EXPECT_EQ(Rader(ByggBalansrakning(data, Rapportform::Skarm)),
              (std::vector<Trapport>{{"Bank", "50,00"},
                                     {"Summa skulder", "0,00"},
                                     {"", ""},
                                     {"Obalans i redovisningen", "50,00"},
                                     {"Summa eget kapital och skulder", "50,00"}}));
}

TEST(ByggBalansrakning, AnUnorderedChartGetsSumLinesWhereverTheClassRises) {
    // Only the last equity sum opened gets the result and the equity total; the
    // liability counted twice puts the balance sheet 10 from the income statement.
    const auto data = Data({kSkuld, kBank, kEget, {1, 1510, "Kund"}, kSkuld},
                           {{1930, 2440, 10}, {1510, 2010, 5}});
    EXPECT_EQ(Rader(ByggBalansrakning(data, Rapportform::Skarm)),
              (std::vector<Trapport>{{"Periodens resultat", ""},
                                     {"Summa eget kapital", ""},
                                     {"", ""},
                                     {"Summa obeskattade reserver", "0,00"},
                                     {"", ""},
                                     {"Leverantörsskulder", "10,00"},
                                     {"Bank", "10,00"},
                                     {"Summa tillgångar", "10,00"},
                                     {"", ""},
                                     {"Eget kapital", "5,00"},
                                     {"Kund", "5,00"},
                                     {"Periodens resultat", "-10,00"},
                                     {"Obalans i redovisningen", "-10,00"},
                                     {"Summa eget kapital", "-5,00"},
                                     {"", ""},
                                     {"Summa obeskattade reserver", "0,00"},
                                     {"", ""},
                                     {"Leverantörsskulder", "10,00"},
                                     {"Summa skulder", "20,00"},
                                     {"", ""},
                                     {"Summa eget kapital och skulder", "15,00"}}));
}

TEST(ByggBalansrakning, TheResultEqualsTheIncomeStatementsForABalancedLedger) {
    const auto data = Data({kBank,
                            {1, 1510, "Kund"},
                            kEget,
                            kReserv,
                            kSkuld,
                            kForsaljning,
                            kInkop,
                            kHyra,
                            kAvsattning,
                            kProjekt},
                           {{1930, 2010, 25000},
                            {1510, 3010, 12345.67},
                            {4010, 2440, 2345.6},
                            {5010, 1930, 3000},
                            {8811, 2110, 1500},
                            {1930, 1510, 10000},
                            {2440, 1930, 2000}});
    const auto resultat = ByggResultatrakning(data, Rapportform::Skarm);
    const auto balans = ByggBalansrakning(data, Rapportform::Skarm);
    EXPECT_EQ(resultat.back(), (Trapport{"Periodens resultat", "5 500,07"}));
    int hittade = 0;
    for (const auto &rad : balans)
        if (rad.radnamn == "Periodens resultat") {
            EXPECT_EQ(rad.radbelopp, "5 500,07");
            ++hittade;
        }
    EXPECT_EQ(hittade, 1);
}

TEST(ByggResultatrakning, AChartOfManyListedAccountsKeepsEveryLine) {
    std::vector<TKonto> konton;
    std::vector<Post> poster;
    konton.push_back(kBank);
    for (int32_t i = 0; i < 230; ++i) {
        konton.push_back({5, 3000 + i, "Intäkt " + std::to_string(i)});
        poster.push_back({1930, 3000 + i, 1.0});
    }
    const auto rader = ByggResultatrakning(Data(konton, poster), Rapportform::Utskrift);
    EXPECT_EQ(Sistarad(rader), 234);
    EXPECT_EQ(rader[230].radnamn, "Intäkt 229");
    EXPECT_EQ(rader[234], (Trapport{"Periodens resultat", "230,00"}));
}

// A one-sided post, or one to an account the chart lacks, gave two different
// results with no word: now both statements show the difference under them.
TEST(Obalans, BothStatementsShowTheDifferenceUnderTheResult) {
    struct Fall {
        const char *namn;
        std::vector<Post> poster;
        const char *skillnad; // nullptr: the statements agree
        double ensidigt;
        int32_t saknade;
        int32_t kodposter;
    };
    const std::vector<Fall> fall = {
        {"balanced", {{1930, 3010, 800}}, nullptr, 0, 0, 0},
        {"one-sided debit", {{1930, 3010, 800}, {1930, 0, 500}}, "500,00", 500, 0, 0},
        {"one-sided revenue", {{0, 3010, 200}}, "-200,00", -200, 0, 0},
        {"one-sided posts that balance", {{1930, 0, 100}, {0, 2440, 100}}, nullptr, 0, 0, 0},
        {"account missing", {{1930, 9999, 300}}, "300,00", 0, 1, 0},
        {"a code as credit", {{1930, 10, 70}}, "70,00", 0, 0, 1},
        {"a residue under one öre",
         {{1930, 0, 0.1}, {1930, 0, 0.2}, {0, 2440, 0.3}},
         nullptr,
         0,
         0,
         0},
    };
    for (const Fall &f : fall) {
        const auto data = Data({kBank, kEget, kSkuld, kForsaljning, kHyra, kProjekt}, f.poster);
        for (const auto form : {Rapportform::Skarm, Rapportform::Utskrift}) {
            const auto rr = Rader(ByggResultatrakning(data, form));
            const auto br = Rader(ByggBalansrakning(data, form));
            std::size_t i = 0;
            while (i < br.size() && br[i].radnamn != "Periodens resultat")
                ++i;
            ASSERT_LT(i + 1, br.size()) << f.namn;
            if (f.skillnad) {
                ASSERT_GE(rr.size(), 2u);
                EXPECT_EQ(rr[rr.size() - 2].radnamn, "Periodens resultat") << f.namn;
                EXPECT_EQ(rr.back(), (Trapport{kObalansrad, f.skillnad})) << f.namn;
                EXPECT_EQ(br[i + 1], (Trapport{kObalansrad, f.skillnad})) << f.namn;
            } else {
                EXPECT_EQ(rr.back().radnamn, "Periodens resultat") << f.namn;
                EXPECT_EQ(br[i + 1].radnamn, "Summa eget kapital") << f.namn;
            }
        }
        const Obalans o = BeraknaObalans(data, Rapportform::Skarm);
        EXPECT_EQ(o.skillnad != 0.0, f.skillnad != nullptr) << f.namn;
        EXPECT_NEAR(o.ensidigt, f.ensidigt, 1e-9) << f.namn;
        EXPECT_EQ(o.saknadePoster, f.saknade) << f.namn;
        EXPECT_EQ(o.kodposter, f.kodposter) << f.namn;
        EXPECT_EQ(Obalansbesked(o).empty(), f.skillnad == nullptr) << f.namn;
    }
}

TEST(Obalans, TheMessageNamesEveryCauseAndPointsToTheCheck) {
    Obalans o;
    o.skillnad = 800;
    o.ensidigt = 500;
    o.saknadePoster = 1;
    o.saknadSumma = 300;
    EXPECT_EQ(Obalansbesked(o),
              "Resultaträkningens och balansräkningens resultat skiljer sig med 800,00 "
              "(Obalans i redovisningen).\n"
              "\nPoster med bara debet eller bara kredit lämnar ett öppet debetsaldo på 500,00."
              "\n1 post på sammanlagt 300,00 är bokförd på konton som saknas i kontoplanen."
              "\n\nKontrollera att alla använda konton finns i kontoplanen (menyn Special).");
}
