// The journal, chart and account statement printouts: whole pages against
// expected files kept beside this file, and the chart's two-column paging
// checked row by row.

#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"
#include "reports/Listutskrifter.h"

#include "../core/Testmapp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace tovana;
namespace fs = std::filesystem;

namespace {

const fs::path kFacit = fs::path(__FILE__).parent_path() / "listutskrift";

std::vector<std::string> Filrader(const std::string &bytes) {
    std::vector<std::string> rader;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto slut = bytes.find("\r\n", start);
        if (slut == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF: " << bytes.substr(start);
            slut = bytes.size();
        }
        rader.push_back(FranWindows1252(bytes.substr(start, slut - start)));
        start = slut + 2;
    }
    return rader;
}

void JamforMedFacit(Utskrift &ut, const std::string &facit) {
    const auto vantat = Filrader(test::LasBytes((kFacit / facit).string()));
    const auto fatt = Filrader(ut.Avsluta());
    ASSERT_EQ(fatt.size(), vantat.size()) << facit;
    for (std::size_t i = 0; i < vantat.size(); ++i)
        EXPECT_EQ(fatt[i], vantat[i]) << facit << " line " << i + 1;
}

// The 41-post ledger over the small chart: post 2 has an amount with ten
// significant digits, post 3 no debit side, every fifth post code 10, and
// account 1930 is on 40 of the posts.
Bokforingsdata Lista() {
    Bokforingsdata data;
    LasKontoplan(data, (kFacit / "lista.kpl").string());
    LasRedovisning(data, (kFacit / "lista.red").string());
    return data;
}

// A chart of `antal` accounts numbered 1001, 1002, ... in slots 1, 2, ...
Bokforingsdata Plan(int antal) {
    Bokforingsdata data;
    data.Kontoplannamn = "Stor plan";
    for (int s = 1; s <= antal; ++s) {
        TKonto &konto = data.Kontoplats(s);
        konto.typ = s % 8 + 1;
        konto.nummer = 1000 + s;
        konto.namn = "Konto " + std::to_string(s);
    }
    data.Kontoantal = antal;
    return data;
}

// The chart printout read back: per page, per row, the account numbers in it
// (the slot is the number less 1000). Rows begin with "<tr>"; an account is a
// number cell followed by its name cell, which carries the name as its title.
using Sidor = std::vector<std::vector<std::vector<int>>>;
Sidor LasKontoplansidor(const std::vector<std::string> &rader) {
    const std::string cell = "<td><font face=\"Verdana\" size=\"2\">";
    Sidor sidor;
    for (const auto &rad : rader) {
        if (rad.starts_with("<table"))
            sidor.emplace_back();
        else if (rad == "<tr>" && !sidor.empty())
            sidor.back().emplace_back();
        else if (rad.starts_with(cell)) {
            const std::string varde = rad.substr(cell.size(), rad.size() - cell.size() - 12);
            if (varde == "Nummer" || varde == "Kontonamn")
                continue; // the heading row
            sidor.back().back().push_back(std::stoi(varde));
        }
    }
    // The heading row of page 1 is no account row.
    if (!sidor.empty() && !sidor[0].empty() && sidor[0][0].empty())
        sidor[0].erase(sidor[0].begin());
    return sidor;
}

// Rows `fran`..`till`, each holding the slot i and, while it exists, i + steg.
std::vector<std::vector<int>> Rader(int fran, int till, int steg, int antal) {
    std::vector<std::vector<int>> rader;
    for (int i = fran; i <= std::min(till, antal); ++i) {
        rader.push_back({1000 + i});
        if (i + steg <= antal)
            rader.back().push_back(1000 + i + steg);
    }
    return rader;
}

int Antal(const std::vector<std::string> &rader, const std::string &rad) {
    return static_cast<int>(std::count(rader.begin(), rader.end(), rad));
}

} // namespace

TEST(Listutskrift, AJournalOf41PostsRunsOntoASecondPageWithoutStamp) {
    auto ut = DagbokUtskrift(Lista(), "2012-02-01");
    JamforMedFacit(ut, "dagbok41.html");
}

TEST(Listutskrift, AJournalOfExactly40PostsEndsWithAHeadingOnlyPage) {
    Bokforingsdata data = Lista();
    data.Postantal = 40;
    auto ut = DagbokUtskrift(data, "2012-02-01");
    const auto rader = Filrader(ut.Avsluta());
    EXPECT_EQ(Antal(rader, "<tr>"), 1 + 40 + 1);
    ASSERT_GE(rader.size(), 16u);
    EXPECT_EQ(rader[rader.size() - 16],
              "<p align=\"center\"><font face=\"Verdana\" size=\"4\">Dagbok för Bokföring 2012 "
              "&amp; &lt;co&gt; (sida 2)</font></p>");
    EXPECT_EQ(rader[rader.size() - 4], "</tr>");
    EXPECT_EQ(rader[rader.size() - 3], "</table>");
}

TEST(Listutskrift, AnEmptyJournalIsOnePageOfHeadings) {
    Bokforingsdata data;
    auto ut = DagbokUtskrift(data, "2012-02-01");
    const auto rader = Filrader(ut.Avsluta());
    EXPECT_EQ(Antal(rader, "<tr>"), 1);
    EXPECT_EQ(Antal(rader, "<div>"), 0);
}

TEST(Listutskrift, TheSmallChartWithEscapedNames) {
    auto ut = KontoplanUtskrift(Lista(), "2012-02-01");
    JamforMedFacit(ut, "kontoplan8.html");
}

TEST(Listutskrift, TheChartFillsTwoColumnsPageByPage) {
    struct Fall {
        int antal;
        Sidor sidor;
    };
    const std::vector<Fall> fall = {
        {0, {{}}},
        {40, {Rader(1, 33, 33, 40)}},
        {66, {Rader(1, 33, 33, 66)}},
        {67, {Rader(1, 33, 33, 67), {{1067}}}},
        {70, {Rader(1, 33, 33, 70), Rader(67, 100, 34, 70)}},
        {110, {Rader(1, 33, 33, 110), Rader(67, 100, 34, 110)}},
        {134, {Rader(1, 33, 33, 134), Rader(67, 100, 34, 134)}},
        // Past two pages the chart goes on in the layout of page 2.
        {150, {Rader(1, 33, 33, 150), Rader(67, 100, 34, 150), Rader(135, 168, 34, 150)}},
        {200, {Rader(1, 33, 33, 200), Rader(67, 100, 34, 200), Rader(135, 168, 34, 200)}},
    };
    for (const auto &f : fall) {
        auto ut = KontoplanUtskrift(Plan(f.antal), "2012-02-01");
        const auto rader = Filrader(ut.Avsluta());
        EXPECT_EQ(LasKontoplansidor(rader), f.sidor) << f.antal << " accounts";
        const int sidor = static_cast<int>(f.sidor.size());
        EXPECT_EQ(Antal(rader, "</tr>"), 1 + sidor) << f.antal << " accounts";
        EXPECT_EQ(Antal(rader, "</table>"), sidor) << f.antal << " accounts";
        for (int s = 2; s <= sidor; ++s)
            EXPECT_EQ(
                Antal(rader, "<p align=\"center\"><font face=\"Verdana\" size=\"4\">Kontoplan Stor "
                             "plan (sida " +
                                 std::to_string(s) +
                                 ")</font><font face=\"Verdana\" size=\"1\"> Utskriften är gjord "
                                 "2012-02-01</p>"),
                1)
                << f.antal << " accounts, page " << s;
    }
}

TEST(Listutskrift, AStatementOfExactly40LinesEndsWithAHeadingOnlyPage) {
    auto ut = KontoutdragUtskrift(Lista(), 1930, "2012-02-01");
    JamforMedFacit(ut, "kontoutdrag40.html");
}

TEST(Listutskrift, AStatementOfANumberOutsideTheChartHasNoNameAndNoLines) {
    auto ut = KontoutdragUtskrift(Lista(), 9999, "2012-02-01");
    const auto rader = Filrader(ut.Avsluta());
    EXPECT_EQ(rader[11], "<p align=\"center\"><font face=\"Verdana\" size=\"4\">Kontoutdrag för  "
                         "(sida 1)</font><font face=\"Verdana\" size=\"1\"> Utskriften är gjord "
                         "2012-02-01</p>");
    EXPECT_EQ(Antal(rader, "<tr>"), 1);
}

TEST(Listutskrift, AnAppropriationAccountGivesItsNameAndNoLines) {
    Bokforingsdata data = Lista();
    data.Postplats(2).debet = 8811;
    auto ut = KontoutdragUtskrift(data, 8811, "2012-02-01");
    const auto rader = Filrader(ut.Avsluta());
    EXPECT_NE(rader[11].find("Kontoutdrag för Avsättning (sida 1)"), std::string::npos);
    EXPECT_EQ(Antal(rader, "<tr>"), 1);
}
