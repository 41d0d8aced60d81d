// The statements for a period: over a period holding every post they equal the
// year's statements line for line, on the example company and on a generated
// year; a quarter counts only its posts; unreadable dates are problems.

#include "../core/Testmapp.h"
#include "core/Period.h"
#include "entry/Foretag.h"
#include "reports/Periodrapport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tovana;
using namespace tovana::test;

namespace {

Bokforingsdata Exempelforetaget(const Testmapp &mapp) {
    for (const auto &fil : std::filesystem::directory_iterator(TOVANA_EXEMPEL_DIR))
        if (fil.is_regular_file() && fil.path().extension() != ".lck")
            std::filesystem::copy_file(fil.path(), mapp.Mapp() / fil.path().filename());
    Bokforingsdata data;
    EXPECT_EQ(OppnaForetag(data, mapp.Sokvag("kafe.ftg")), "");
    return data;
}

// A year of posts between every class, with amounts that do not add up
// exactly in binary, dated through the year in the short form.
Bokforingsdata GenereratAr() {
    Bokforingsdata data;
    const int32_t nummer[] = {1510, 1930, 2081, 2110, 2440, 2611, 3001, 4010, 5010, 8811};
    const Kontotyp klass[] = {1, 1, 2, 3, 4, 4, 5, 6, 6, 7};
    for (int32_t k = 0; k < 10; ++k)
        data.Kontoplats(k + 1) = {klass[k], nummer[k], "Konto " + std::to_string(nummer[k])};
    data.Kontoantal = 10;
    unsigned slump = 7;
    for (int32_t i = 1; i <= 5000; ++i) {
        slump = slump * 1103515245u + 12345u;
        TPost &post = data.Postplats(i);
        post.vernr = i;
        const int dag = static_cast<int>(i * 365LL / 5001);
        int manad = 1, kvar = dag;
        while (kvar >= DagarIManad(2026, manad))
            kvar -= DagarIManad(2026, manad++);
        post.datum = Datumtext({2026, manad, kvar + 1}).substr(2);
        post.belopp = static_cast<double>((slump >> 8) % 1000000) / 100.0 + 0.1;
        post.debet = nummer[(slump >> 4) % 10];
        post.kredit = nummer[(slump >> 12) % 10];
    }
    data.Postantal = 5000;
    return data;
}

} // namespace

TEST(Periodrapport, TheWholeYearEqualsTheYearsStatementsToTheOre) {
    Testmapp mapp;
    const Bokforingsdata exempel = Exempelforetaget(mapp);
    const Bokforingsdata generat = GenereratAr();
    for (const Bokforingsdata *data : {&exempel, &generat}) {
        const Period ar = Kalenderar(2026);
        for (const Rapportform form : {Rapportform::Skarm, Rapportform::Utskrift}) {
            const Periodrapport rr = ByggPeriodensResultatrakning(*data, ar, form);
            const Periodrapport br = ByggPeriodensBalansrakning(*data, ar, form);
            EXPECT_EQ(rr.rader, ByggResultatrakning(*data, form));
            EXPECT_EQ(br.rader, ByggBalansrakning(*data, form));
            EXPECT_TRUE(rr.problem.empty());
        }
    }
}

TEST(Periodrapport, AQuarterCountsItsPostsAndTheBalanceSheetEverythingUpToItsEnd) {
    Bokforingsdata data;
    data.Kontoplats(1) = {kTillgangar, 1930, "Bank"};
    data.Kontoplats(2) = {kEgetKapital, 2081, "Aktiekapital"};
    data.Kontoplats(3) = {kIntakter, 3001, "Försäljning"};
    data.Kontoantal = 3;
    const struct {
        const char *datum;
        double belopp;
        int32_t debet, kredit;
    } poster[] = {{"260101", 100, 1930, 2081},
                  {"20260215", 10, 1930, 3001},
                  {"2026-03-31", 20, 1930, 3001},
                  {"260401", 40, 1930, 3001},
                  {"15/3", 80, 1930, 3001}};
    for (const auto &p : poster)
        data.Postplats(++data.Postantal) = {1, p.datum, p.debet, p.kredit, 0, p.belopp, "x"};

    const Period q1{{2026, 1, 1}, {2026, 3, 31}};
    const Periodrapport rr = ByggPeriodensResultatrakning(data, q1, Rapportform::Skarm);
    EXPECT_EQ(rr.rubrik, "Resultaträkning 2026-01-01 \u2013 2026-03-31");
    EXPECT_EQ(rr.rader.back(), (Trapport{"Periodens resultat", "30,00"}));
    EXPECT_EQ(rr.problem,
              std::vector<std::string>{
                  "Post 5 (verifikation 1): datumet \"15/3\" kan inte läsas och räknas inte med."});
    const Periodrapport br = ByggPeriodensBalansrakning(data, q1, Rapportform::Skarm);
    EXPECT_EQ(br.rubrik, "Balansräkning 2026-03-31");
    EXPECT_EQ(br.rader.back(), (Trapport{"Summa eget kapital och skulder", "130,00"}));
    EXPECT_EQ(br.problem.size(), 1u);
}

TEST(Periodrapport, ThePresetIsTheFinancialYearElseTheFirstReadableDatesYear) {
    Bokforingsdata data;
    EXPECT_EQ(ForvaldRapportperiod(data, std::nullopt), std::nullopt);
    data.Postplats(1).datum = "nyår";
    data.Postplats(2).datum = "250704";
    data.Postplats(3).datum = "20240101";
    data.Postantal = 3;
    EXPECT_EQ(ForvaldRapportperiod(data, std::nullopt), Kalenderar(2025));
    const Period brutet{{2025, 7, 1}, {2026, 6, 30}};
    EXPECT_EQ(ForvaldRapportperiod(data, brutet), brutet);
}
