// The VAT return: the example company's quarters against a table made by hand
// from its ledger, the settlement that clears the VAT accounts, the eSKD file
// against the format's DTD, and the preset periods.

#include "../core/Testmapp.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "entry/Foretag.h"
#include "reports/Balansberakning.h"
#include "reports/Momsavrakning.h"
#include "reports/Momsdeklarationsfil.h"
#include "reports/Momsrapport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

using namespace tovana;
using namespace tovana::test;

namespace {

class MomsTest : public ::testing::Test {
protected:
    Testmapp mapp;
    Bokforingsdata data;

    void SetUp() override {
        for (const auto &fil : std::filesystem::directory_iterator(TOVANA_EXEMPEL_DIR))
            if (fil.is_regular_file() && fil.path().extension() != ".lck")
                std::filesystem::copy_file(fil.path(), mapp.Mapp() / fil.path().filename());
        ASSERT_EQ(OppnaForetag(data, mapp.Sokvag("kafe.ftg")), "");
    }

    // The ledger without its VAT settlements, rewritten; the settlements taken out.
    std::vector<TPost> UtanAvrakningar() {
        std::vector<TPost> avrakningar;
        int32_t kvar = 0;
        for (int32_t i = 1; i <= data.Postantal; ++i) {
            const TPost post = data.Poster[static_cast<std::size_t>(i)];
            if (post.text.rfind("Momsavräkning", 0) == 0)
                avrakningar.push_back(post);
            else
                data.Poster[static_cast<std::size_t>(++kvar)] = post;
        }
        data.Postantal = kvar;
        SkrivRedovisning(data, data.Redovisningsfil);
        return avrakningar;
    }

    // The period's movement of an account, debits less credits.
    double Rorelse(int32_t konto, const Period &period) {
        double s = 0;
        for (int32_t i = 1; i <= data.Postantal; ++i) {
            const TPost &p = data.Poster[static_cast<std::size_t>(i)];
            const auto dag = LasDatum(p.datum);
            if (dag && period.Innehaller(*dag))
                s += (p.debet == konto ? p.belopp : 0) - (p.kredit == konto ? p.belopp : 0);
        }
        return s;
    }
};

Period Kvartal(int k) {
    return {{2026, 3 * k - 2, 1}, Manadsslut(2026, 3 * k)};
}

} // namespace

TEST_F(MomsTest, TheExampleCompanysQuartersMatchTheTableMadeByHand) {
    // Summed apart from the program from kafe2026.red: sales on 3010–3012
    // (food at 12 % until March, at 6 % from April), output VAT credited
    // to 2610, 2620 and 2630, input VAT debited to 2640, in whole kronor
    // without öre.
    const struct {
        int64_t r05, r10, r11, r12, r48, r49;
    } forvantat[] = {{345541, 1077, 40947, 0, 20095, 21929},
                     {570176, 668, 0, 34050, 13187, 21531},
                     {468113, 845, 0, 27883, 10914, 17814},
                     {525076, 1106, 0, 31239, 11270, 21075}};
    for (int k = 1; k <= 4; ++k) {
        const Momsrapport r = BeraknaMomsrapport(data, Kvartal(k), {});
        const auto &f = forvantat[k - 1];
        EXPECT_EQ(r.kronor[5], f.r05) << k;
        EXPECT_EQ(r.kronor[10], f.r10) << k;
        EXPECT_EQ(r.kronor[11], f.r11) << k;
        EXPECT_EQ(r.kronor[12], f.r12) << k;
        EXPECT_EQ(r.kronor[48], f.r48) << k;
        EXPECT_EQ(r.ruta49, f.r49) << k;
        EXPECT_EQ(r.problem, std::vector<std::string>{}) << k;
    }
    const Momsrapport q1 = BeraknaMomsrapport(data, Kvartal(1), {});
    const auto rader = Momsrader(q1);
    ASSERT_EQ(rader.size(), 5u);
    EXPECT_EQ(rader[0].text,
              "05  Momspliktig försäljning som inte ingår i ruta 06, 07 eller 08  345 541");
    EXPECT_EQ(rader[3].text, "48  Ingående moms att dra av  20 095");
    EXPECT_EQ(rader[4].text, "49  Moms att betala eller få tillbaka  21 929");
    EXPECT_EQ(MomsAttText(q1.ruta49), "Moms att betala: 21 929 kr");
    EXPECT_EQ(MomsAttText(-5), "Moms att få tillbaka: 5 kr");

    const Rutunderlag underlag = BeraknaRutunderlag(data, Kvartal(1), {}, 10);
    EXPECT_EQ(underlag.konton, std::vector<std::string>{"2610  Utgående moms 25 %  1 077,40"});
    EXPECT_EQ(underlag.poster.size(), 3u); // two sales and the settlement
}

TEST_F(MomsTest, ChoicesProblemsAndUnreadableDatesChangeTheReport) {
    // 2618 feeds no box: a problem; a chart that gives 3010 box 06 moves its sales.
    data.Postplats(++data.Postantal) = {200, "260315", 1930, 2618, 0, 25, "Vilande moms"};
    data.Postplats(++data.Postantal) = {201, "31/3", 1930, 3011, 0, 1000, "Datum?"};
    const Momsrapport r = BeraknaMomsrapport(data, Kvartal(1), {{3010, 6}});
    EXPECT_EQ(r.kronor[6], 4309); // 2 229,60 + 2 080,00
    EXPECT_EQ(r.kronor[5], 345541 - 4309);
    EXPECT_EQ(
        r.problem,
        (std::vector<std::string>{
            "Post " + std::to_string(data.Postantal - 1) +
                " (verifikation 200): konto 2618 är ett momskonto men hör inte till någon ruta.",
            "Post " + std::to_string(data.Postantal) +
                " (verifikation 201): datumet \"31/3\" kan inte läsas och räknas inte med."}));
}

TEST_F(MomsTest, TheSettlementClearsThePeriodsVatAccountsAndIsMadeOnce) {
    // The example company's quarters are settled: the program refuses to settle again.
    EXPECT_THROW(BeraknaMomsavrakning(data, Kvartal(1), {}, 2650, 3740), Korningsfel);
    EXPECT_THROW(BeraknaMomsavrakning(data, Kvartal(1), {}, 2659, 3740), Korningsfel);
    EXPECT_THROW(BeraknaMomsavrakning(data, Kvartal(1), {}, 2650, 3749), Korningsfel);

    // Made again without them, each quarter's settlement is the example's own.
    const std::vector<TPost> exemplets = UtanAvrakningar();
    ASSERT_EQ(exemplets.size(), 20u);
    std::vector<TPost> gjorda;
    for (int k = 1; k <= 4; ++k) {
        const Momsrapport fore = BeraknaMomsrapport(data, Kvartal(k), {});
        const auto poster = BeraknaMomsavrakning(data, Kvartal(k), {}, 2650, 3740);
        const int32_t hogsta = data.Poster[static_cast<std::size_t>(data.Postantal)].vernr;
        for (const TPost &p : poster) {
            EXPECT_EQ(p.vernr, hogsta + 1);
            EXPECT_EQ(p.datum, Datumtext(Kvartal(k).till).substr(2));
            EXPECT_EQ(p.text, "Momsavräkning " + Periodtext(Kvartal(k)));
        }
        const double fore2650 = Rorelse(2650, Kvartal(k));
        EXPECT_EQ(SparaMomsavrakning(data, poster), static_cast<int32_t>(poster.size()));
        gjorda.insert(gjorda.end(), poster.begin(), poster.end());
        for (const int32_t konto : {2610, 2620, 2630, 2640})
            EXPECT_NEAR(Rorelse(konto, Kvartal(k)), 0.0, 1e-6) << konto << " " << k;
        EXPECT_NEAR(Rorelse(2650, Kvartal(k)) - fore2650, -static_cast<double>(fore.ruta49), 1e-6);
        EXPECT_LT(std::fabs(Rorelse(3740, Kvartal(k))), 4.0);
        // The boxes stay as they were: the settlement's debits of output VAT
        // and credits of input VAT never count.
        EXPECT_EQ(BeraknaMomsrapport(data, Kvartal(k), {}).ruta49, fore.ruta49);
        EXPECT_THROW(BeraknaMomsavrakning(data, Kvartal(k), {}, 2650, 3740), Korningsfel);
    }
    ASSERT_EQ(gjorda.size(), exemplets.size());
    for (std::size_t i = 0; i < gjorda.size(); ++i) {
        TPost forvantad = exemplets[i];
        forvantad.vernr = gjorda[i].vernr; // kept in the example where the hand-made ones were
        EXPECT_EQ(gjorda[i], forvantad) << i;
    }
    // Saved as ordinary posts: the ledger reads back with them, and still balances.
    Bokforingsdata igen;
    LasRedovisning(igen, data.Redovisningsfil);
    EXPECT_EQ(igen.Postantal, data.Postantal);
    const Rapportrader br = ByggBalansrakning(data, Rapportform::Skarm);
    std::string tillgangar;
    for (const Trapport &rad : br)
        if (rad.radnamn == "Summa tillgångar")
            tillgangar = rad.radbelopp;
    EXPECT_EQ(br.back().radbelopp, tillgangar);
}

TEST(Momsdeklarationsfil, TheFileHoldsTheBoxesInTheDtdsOrderAndIsValid) {
    Momsrapport r;
    r.period = {{2026, 1, 1}, {2026, 3, 31}};
    r.kronor[5] = 345541;
    r.kronor[11] = 40947;
    r.kronor[50] = 100;
    r.kronor[48] = 20095;
    r.ruta49 = 20852;
    const std::string fil = MomsdeklarationBytes(r, "5566778899");
    EXPECT_NE(fil.find("<OrgNr>556677-8899</OrgNr>\r\n"), std::string::npos);
    EXPECT_NE(fil.find("<Period>202603</Period>\r\n"), std::string::npos);
    const auto plats = [&](const char *e) { return fil.find(std::string("<") + e + ">"); };
    EXPECT_LT(plats("ForsMomsEjAnnan"), plats("MomsUlagImport"));
    EXPECT_LT(plats("MomsUlagImport"), plats("MomsUtgMedel"));
    EXPECT_LT(plats("MomsUtgMedel"), plats("MomsIngAvdr"));
    EXPECT_LT(plats("MomsIngAvdr"), plats("MomsBetala"));
    EXPECT_EQ(plats("MomsUtgHog"), std::string::npos); // no amount, no element

    // The parts of the format's DTD this file uses, the <Moms> content model as
    // the DTD gives it.
    Testmapp mapp;
    SkrivBytes(mapp.Sokvag("eskd.dtd"),
               "<!ELEMENT eSKDUpload (OrgNr, Moms)>\n"
               "<!ATTLIST eSKDUpload Version CDATA #FIXED \"6.0\">\n"
               "<!ELEMENT OrgNr (#PCDATA)>\n"
               "<!ELEMENT Moms (Period, ForsMomsEjAnnan?, UttagMoms?, UlagMargbesk?, "
               "HyrinkomstFriv?, InkopVaruAnnatEg?, InkopTjanstAnnatEg?, InkopTjanstUtomEg?, "
               "InkopVaruSverige?, InkopTjanstSverige?, MomsUlagImport?, ForsVaruAnnatEg?, "
               "ForsVaruUtomEg?, InkopVaruMellan3p?, ForsVaruMellan3p?, ForsTjSkskAnnatEg?, "
               "ForsTjOvrUtomEg?, ForsKopareSkskSverige?, ForsOvrigt?, MomsUtgHog?, "
               "MomsUtgMedel?, MomsUtgLag?, MomsInkopUtgHog?, MomsInkopUtgMedel?, "
               "MomsInkopUtgLag?, MomsImportUtgHog?, MomsImportUtgMedel?, MomsImportUtgLag?, "
               "MomsIngAvdr?, MomsBetala?, TextUpplysningMoms?)>\n"
               "<!ELEMENT Period (#PCDATA)>\n");
    std::string element;
    for (const char *e : {"ForsMomsEjAnnan",
                          "UttagMoms",
                          "UlagMargbesk",
                          "HyrinkomstFriv",
                          "InkopVaruAnnatEg",
                          "InkopTjanstAnnatEg",
                          "InkopTjanstUtomEg",
                          "InkopVaruSverige",
                          "InkopTjanstSverige",
                          "MomsUlagImport",
                          "ForsVaruAnnatEg",
                          "ForsVaruUtomEg",
                          "InkopVaruMellan3p",
                          "ForsVaruMellan3p",
                          "ForsTjSkskAnnatEg",
                          "ForsTjOvrUtomEg",
                          "ForsKopareSkskSverige",
                          "ForsOvrigt",
                          "MomsUtgHog",
                          "MomsUtgMedel",
                          "MomsUtgLag",
                          "MomsInkopUtgHog",
                          "MomsInkopUtgMedel",
                          "MomsInkopUtgLag",
                          "MomsImportUtgHog",
                          "MomsImportUtgMedel",
                          "MomsImportUtgLag",
                          "MomsIngAvdr",
                          "MomsBetala",
                          "TextUpplysningMoms"})
        element += std::string("<!ELEMENT ") + e + " (#PCDATA)>\n";
    SkrivBytes(mapp.Sokvag("eskd.dtd"), LasBytes(mapp.Sokvag("eskd.dtd")) + element);

    // Every box with an amount at once, in a file saved the program's way.
    for (int ruta = 0; ruta < 63; ++ruta)
        r.kronor[static_cast<std::size_t>(ruta)] = ruta;
    SparaMomsdeklaration(mapp.Sokvag("moms.xml"), r, "556677-8899");
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint (libxml2-utils) is not installed";
    const std::string kommando = "xmllint --noout --nonet --dtdvalid '" + mapp.Sokvag("eskd.dtd") +
                                 "' '" + mapp.Sokvag("moms.xml") + "' 2>'" +
                                 mapp.Sokvag("xmllint.txt") + "'";
    EXPECT_EQ(std::system(kommando.c_str()), 0)
        << LasBytes(mapp.Sokvag("xmllint.txt")) << LasBytes(mapp.Sokvag("moms.xml"));
}

TEST(Momsdeklarationsfil, WithoutAnOrganisationNumberNothingIsWritten) {
    Testmapp mapp;
    Momsrapport r;
    r.period = {{2026, 1, 1}, {2026, 3, 31}};
    for (const char *orgnr : {"", "  ", "556677-889", "55667788990", "5566-778899"}) {
        EXPECT_THROW(SparaMomsdeklaration(mapp.Sokvag("moms.xml"), r, orgnr), Korningsfel) << orgnr;
        EXPECT_FALSE(std::filesystem::exists(mapp.Sokvag("moms.xml")));
    }
    try {
        EskdOrganisationsnummer("");
    } catch (const Korningsfel &fel) {
        EXPECT_NE(std::string(fel.what()).find("organisationsnummer saknas"), std::string::npos);
    }
}

TEST(Momsperiod, ThePresetIsTheLastWholePeriodBeforeToday) {
    const struct {
        Datum idag;
        std::optional<Momsperiodtyp> typ;
        Period period;
    } fall[] = {
        {{2026, 5, 12}, std::nullopt, {{2026, 1, 1}, {2026, 3, 31}}},
        {{2026, 1, 1}, Momsperiodtyp::Kvartal, {{2025, 10, 1}, {2025, 12, 31}}},
        {{2026, 3, 31}, Momsperiodtyp::Kvartal, {{2025, 10, 1}, {2025, 12, 31}}},
        {{2026, 12, 31}, std::nullopt, {{2026, 7, 1}, {2026, 9, 30}}},
        {{2026, 3, 5}, Momsperiodtyp::Manad, {{2026, 2, 1}, {2026, 2, 28}}},
        {{2024, 3, 1}, Momsperiodtyp::Manad, {{2024, 2, 1}, {2024, 2, 29}}},
        {{2026, 1, 20}, Momsperiodtyp::Manad, {{2025, 12, 1}, {2025, 12, 31}}},
        {{2026, 6, 1}, Momsperiodtyp::Ar, {{2025, 1, 1}, {2025, 12, 31}}},
    };
    for (const auto &f : fall)
        EXPECT_EQ(ForvaldMomsperiod(f.idag, f.typ), f.period) << Strecktext(f.idag);
    EXPECT_EQ(LasMomsperiodtyp("kvartal"), Momsperiodtyp::Kvartal);
    EXPECT_EQ(LasMomsperiodtyp("Kvartal"), std::nullopt);
}
