// The reports with codes: the statements' rows and pages against expected pages
// kept beside this file, the chosen codes read from the boxes, and the journal
// sorted by code.

#include "core/Fel.h"
#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"
#include "reports/Kodrapporter.h"

#include "../core/Testmapp.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

using namespace tovana;
namespace fs = std::filesystem;

namespace {

const fs::path kFacit = fs::path(__FILE__).parent_path() / "kodrapport";

std::vector<std::string> Filrader(const std::string &bytes) {
    std::vector<std::string> rader;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto slut = bytes.find("\r\n", start);
        if (slut == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF: " << bytes.substr(start);
            rader.push_back(bytes.substr(start));
            break;
        }
        rader.push_back(bytes.substr(start, slut - start));
        start = slut + 2;
    }
    return rader;
}

void JamforMedFacit(Utskrift ut, const std::string &facit) {
    const auto vantat = Filrader(test::LasBytes((kFacit / facit).string()));
    const auto fatt = Filrader(ut.Avsluta());
    for (std::size_t i = 0; i < std::max(vantat.size(), fatt.size()); ++i) {
        const std::string v = i < vantat.size() ? FranWindows1252(vantat[i]) : "<no line>";
        const std::string f = i < fatt.size() ? FranWindows1252(fatt[i]) : "<no line>";
        EXPECT_EQ(f, v) << facit << " line " << i + 1;
    }
}

Bokforingsdata Koddata() {
    Bokforingsdata data;
    LasKontoplan(data, (kFacit / "koder.kpl").string());
    LasRedovisning(data, (kFacit / "koder.red").string());
    return data;
}

Valdakoder Koder(const Bokforingsdata &data, std::array<std::string, kKodkolumner> rutor) {
    return LasValdakoder(data, rutor);
}

// The name column and the shown amount columns of each row, joined by "|".
std::vector<std::string> Radtexter(const Kodrader &rader, std::vector<std::size_t> kolumner) {
    std::vector<std::string> ut;
    for (std::size_t r = 1; r < rader.size(); ++r) {
        std::string text = rader[r].namn;
        for (const auto k : kolumner)
            text += "|" + rader[r].belopp[k];
        ut.push_back(text);
    }
    return ut;
}

} // namespace

TEST(Kodrapport, PrintoutsWithCodesTenAndTwentyMatchTheExpectedPages) {
    const auto data = Koddata();
    const auto koder = Koder(data, {"10", "20", "", "", "", ""});
    JamforMedFacit(ResultatrakningMedKoderUtskrift(data, koder, "2012-02-01"),
                   "resultatrakning_koder.html");
    JamforMedFacit(BalansrakningMedKoderUtskrift(data, koder, "2012-02-01"),
                   "balansrakning_koder.html");
    JamforMedFacit(DagbokMedKoderUtskrift(data, "2012-02-01"), "dagbok_koder.html");
}

TEST(Kodrapport, ReadingTheBoxesGivesNumbersAndTheNamesOfTheCodes) {
    const auto data = Koddata();
    const auto koder = Koder(data, {"20", "", "-5", "10", " 30", "$A"});
    EXPECT_EQ(koder.nummer, (std::array<int32_t, 6>{20, 0, -5, 10, 30, 10}));
    EXPECT_EQ(koder.namn, (std::array<std::string, 6>{"Projekt Syd", "", "", "Projekt \"Norr\"",
                                                      "Projekt utan poster", "Projekt \"Norr\""}));
}

TEST(Kodrapport, ABoxThatIsNotAWholeNumberAbandonsWithTheConversionMessage) {
    const auto data = Koddata();
    for (const char *text : {"1x", "1,5", "tio", " "}) {
        try {
            Koder(data, {"10", "", "", text, "", ""});
            ADD_FAILURE() << "accepted " << text;
        } catch (const Korningsfel &fel) {
            EXPECT_EQ(std::string(fel.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(Kodrapport, EmptyBoxesGiveOneColumnOfThePostsWithoutACode) {
    const auto data = Koddata();
    const auto koder = Koder(data, {"", "", "", "", "", ""});
    EXPECT_EQ(Radtexter(ByggResultatrakningMedKoder(data, koder), {0, 1}),
              (std::vector<std::string>{
                  "Försäljning &lt;A&amp;B&gt;|150,00|50,00", "Summa intäkter|150,00|50,00", ".||",
                  "Lokalhyra|-70,00|0,00", "Avsättning till periodiseringsfond|-10,00|-10,00",
                  "Summa kostnader|-80,00|-10,00", ".||", "Periodens resultat|70,00|40,00"}));
    const auto sidan = ResultatrakningMedKoderUtskrift(data, koder, "2012-02-01").Rader();
    // Heading row: empty name cell, empty total cell, the one code column headed 0.
    EXPECT_EQ(sidan[16], "<td width=\"10%\" align=\"right\"><font face=\"Verdana\" size=\"2\">0"
                         "</font></td>");
    EXPECT_EQ(sidan[17], "</tr>");
}

TEST(Kodrapport, RepeatedAndUnknownCodesGiveTheirOwnColumns) {
    const auto data = Koddata();
    const auto koder = Koder(data, {"10", "99", "10", "", "30", ""});
    const auto rader = ByggBalansrakningMedKoder(data, koder);
    for (std::size_t r = 1; r < rader.size(); ++r) {
        EXPECT_EQ(rader[r].belopp[3], rader[r].belopp[1]) << rader[r].namn;
        if (!rader[r].belopp[0].empty()) {
            EXPECT_EQ(rader[r].belopp[2], "0,00") << rader[r].namn;
            EXPECT_EQ(rader[r].belopp[5], "0,00") << rader[r].namn;
        }
    }
    // Shown: code 1 always, then the non-zero codes 2, 3 and 5.
    const auto sidan = BalansrakningMedKoderUtskrift(data, koder, "2012-02-01").Rader();
    const std::string cell = "<td width=\"10%\" align=\"right\"><font face=\"Verdana\" size=\"2\">";
    EXPECT_EQ(std::vector<std::string>(sidan.begin() + 24, sidan.begin() + 28),
              (std::vector<std::string>{cell + "Projekt &quot;Norr&quot;</font></td>",
                                        cell + "</font></td>",
                                        cell + "Projekt &quot;Norr&quot;</font></td>",
                                        cell + "Projekt utan poster</font></td>"}));
}

TEST(Kodrapport, BalanceSheetSumRowsFollowTheClassesOfTheChart) {
    struct Fall {
        std::vector<std::pair<Kontotyp, int32_t>> konton;
        std::vector<std::string> namn;
    };
    const std::vector<Fall> fall = {
        // Untaxed reserves get their sum row where the class is left; the
        // liabilities have none when nothing above class 4 follows.
        {{{1, 1930}, {2, 2010}, {3, 2110}, {4, 2440}},
         {"Bank", "<b>Summa tillgångar</b>", ".", "Kapital", "Periodens resultat",
          "Summa eget kapital", ".", "Fond", "Summa obeskattade reserver", ".", "Skuld",
          "<b>Summa eget kapital och skulder</b>"}},
        // No equity class: no result rows at all.
        {{{1, 1930}, {4, 2440}, {8, 10}},
         {"Bank", "<b>Summa tillgångar</b>", ".", "Skuld", "Summa skulder", ".",
          "<b>Summa eget kapital och skulder</b>"}},
    };
    const std::map<int32_t, std::string> namn = {
        {1930, "Bank"}, {2010, "Kapital"}, {2110, "Fond"}, {2440, "Skuld"}, {10, "Kod"}};
    for (const auto &f : fall) {
        Bokforingsdata data;
        for (const auto &[typ, nummer] : f.konton)
            SattInKonto(data, TKonto{typ, nummer, namn.at(nummer)});
        // Every listed account carries a balance.
        int32_t vernr = 0;
        for (const auto &[typ, nummer] : f.konton) {
            if (typ == 1 || typ == kKoder)
                continue;
            TPost &post = data.Postplats(++data.Postantal);
            post = TPost{++vernr, "120101", 1930, nummer, 0, 10.0, ""};
        }
        const auto rader = ByggBalansrakningMedKoder(data, Koder(data, {"", "", "", "", "", ""}));
        std::vector<std::string> fatt;
        for (std::size_t r = 1; r < rader.size(); ++r)
            fatt.push_back(rader[r].namn);
        EXPECT_EQ(fatt, f.namn);
        EXPECT_EQ(rader.back().belopp[0], rader[1].belopp[0]);
    }
}

TEST(Kodrapport, AStatementTableGrowsPastTwoHundredRows) {
    Bokforingsdata data;
    for (int32_t i = 0; i < 250; ++i)
        SattInKonto(data, TKonto{5, 3000 + i, "Intäkt " + std::to_string(i)});
    for (int32_t i = 0; i < 250; ++i)
        data.Postplats(++data.Postantal) = TPost{i + 1, "120101", 1930, 3000 + i, 10, 1.0, ""};
    const auto rader = ByggResultatrakningMedKoder(data, Koder(data, {"10", "", "", "", "", ""}));
    ASSERT_EQ(rader.size(), 1u + 250 + 3);
    EXPECT_EQ(rader[250].namn, "Intäkt 249");
    EXPECT_EQ(rader.back(), (TRRkod{"Periodens resultat",
                                    {"250,00", "250,00", "0,00", "0,00", "0,00", "0,00", "0,00"}}));
}

TEST(Kodrapport, TheCodeListOffersTheFirstSixCodes) {
    Bokforingsdata data;
    EXPECT_EQ(KoderIKontoplanen(data).rader, std::vector<std::string>{"Inga koder i kontoplanen"});
    EXPECT_TRUE(KoderIKontoplanen(data).forsta.empty());
    for (int32_t nummer = 1; nummer <= 7; ++nummer)
        SattInKonto(data, TKonto{kKoder, nummer, "K" + std::to_string(nummer)});
    SattInKonto(data, TKonto{1, 1930, "Bank"});
    const auto lista = KoderIKontoplanen(data);
    EXPECT_EQ(lista.rader.size(), 7u);
    EXPECT_EQ(lista.rader.front(), "1 K1");
    EXPECT_EQ(lista.forsta, (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
}
