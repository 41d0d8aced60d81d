// The printout frame (head, heading line, page break, close), the printout file,
// and the income statement and balance sheet printouts against expected pages
// kept beside this file.

#include "core/Fel.h"
#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"
#include "reports/Resultatutskrift.h"
#include "reports/Utskrift.h"

#include "../core/Testmapp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using namespace tovana;
namespace fs = std::filesystem;

namespace {

const fs::path kFacit = fs::path(__FILE__).parent_path() / "utskrift";

// The lines of Windows-1252 bytes, each of which must end with CR LF.
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

void JamforMedFacit(const std::string &bytes, const std::string &facit) {
    const auto vantat = Filrader(test::LasBytes((kFacit / facit).string()));
    const auto fatt = Filrader(bytes);
    for (std::size_t i = 0; i < std::max(vantat.size(), fatt.size()); ++i) {
        const std::string v = i < vantat.size() ? FranWindows1252(vantat[i]) : "<no line>";
        const std::string f = i < fatt.size() ? FranWindows1252(fatt[i]) : "<no line>";
        EXPECT_EQ(f, v) << facit << " line " << i + 1;
    }
}

Bokforingsdata Bokslut() {
    Bokforingsdata data;
    LasKontoplan(data, (kFacit / "bokslut.kpl").string());
    LasRedovisning(data, (kFacit / "bokslut.red").string());
    return data;
}

// Runs in a fresh folder as the current directory.
class IMapp : public ::testing::Test {
protected:
    void SetUp() override {
        forra_ = fs::current_path();
        fs::current_path(mapp_.Mapp());
    }
    void TearDown() override { fs::current_path(forra_); }

    test::Testmapp mapp_;
    fs::path forra_;
};

} // namespace

TEST(Utskrift, TheHeadingLineOfEachKindOfPrintout) {
    struct Fall {
        const char *titel;
        const char *namn;
        std::optional<int> sida;
        bool stampel;
        std::string rad;
    };
    const std::string stor = "<p align=\"center\"><font face=\"Verdana\" size=\"4\">";
    const std::string stampel =
        "<font face=\"Verdana\" size=\"1\"> Utskriften är gjord 2012-02-01</p>";
    const std::vector<Fall> fall = {
        {"Resultaträkning för ", "Bok 2012", std::nullopt, true,
         stor + "Resultaträkning för Bok 2012</font>" + stampel},
        {"Dagbok för ", "Bok 2012", 1, true,
         stor + "Dagbok för Bok 2012 (sida 1)</font>" + stampel},
        {"Dagbok för ", "Bok 2012", 12, false, stor + "Dagbok för Bok 2012 (sida 12)</font></p>"},
        {"Kontoutdrag för ", "A&B <kassa>", 2, true,
         stor + "Kontoutdrag för A&amp;B &lt;kassa&gt; (sida 2)</font>" + stampel},
    };
    for (const auto &f : fall) {
        Utskrift ut("2012-02-01");
        ut.Utskriftsrubrik(f.titel, f.namn, f.sida, f.stampel);
        EXPECT_EQ(ut.Rader().back(), f.rad);
    }
}

TEST(Utskrift, APageBreakClosesWithTheNextPagesHeading) {
    Utskrift ut("2012-02-01");
    ut.Rad("</table>");
    ut.Sidbrytning("Kontoplan ", "Plan", 2, true);
    const auto &rader = ut.Rader();
    ASSERT_EQ(rader.size(), 16u);
    EXPECT_EQ(rader[12], "<div>");
    EXPECT_EQ(rader[13], "<div style=\"page-break-before:always; break-before:page\"></div>");
    EXPECT_EQ(rader[14], "</div>");
    EXPECT_EQ(rader[15].rfind("<p align=\"center\"><font face=\"Verdana\" size=\"4\">Kontoplan "
                              "Plan (sida 2)</font><font",
                              0),
              0u);
}

TEST(Utskrift, TheCompanysLineStandsAboveTheFirstHeadingOnlyWhenItsNameIsKnown) {
    const auto utskrift = [](const Foretagsuppgifter &foretag) {
        Utskrift ut("2012-02-01");
        ut.Utskriftsrubrik("Dagbok för ", "Bok", 1, true);
        ut.Foretagsrad(foretag);
        ut.Foretagsrad(foretag);
        return ut.Rader();
    };
    const auto utan = utskrift({});
    EXPECT_EQ(utskrift({"", "555555-5555"}), utan);
    const auto med = utskrift({"Fisk & Co", "555555-5555"});
    ASSERT_EQ(med.size(), utan.size() + 1);
    EXPECT_EQ(med[10], "<body>");
    EXPECT_EQ(med[11], "<p align=\"center\"><font face=\"Verdana\" size=\"3\">Fisk &amp; Co, "
                       "org.nr 555555-5555</font></p>");
    EXPECT_EQ(med[12], utan[11]);
    EXPECT_EQ(utskrift({"AB"})[11],
              "<p align=\"center\"><font face=\"Verdana\" size=\"3\">AB</font></p>");
}

TEST(HtmlText, EscapesTheCharactersThatMarkUpAPage) {
    EXPECT_EQ(HtmlText("Fisk & <skaldjur> \"AB\" 'x'"),
              "Fisk &amp; &lt;skaldjur&gt; &quot;AB&quot; 'x'");
    EXPECT_EQ(HtmlText("Försäljning"), "Försäljning");
}

TEST(Utskriftsdatum, YearMonthDayInLocalTime) {
    std::tm tid{};
    tid.tm_year = 2012 - 1900;
    tid.tm_mon = 1;
    tid.tm_mday = 1;
    tid.tm_hour = 12;
    tid.tm_isdst = -1;
    EXPECT_EQ(Utskriftsdatum(std::mktime(&tid)), "2012-02-01");
    tid.tm_year = 2009 - 1900;
    tid.tm_mon = 11;
    tid.tm_mday = 31;
    EXPECT_EQ(Utskriftsdatum(std::mktime(&tid)), "2009-12-31");
}

TEST(Resultatutskrift, TheIncomeStatementPrintout) {
    auto ut = ResultatrakningUtskrift(Bokslut(), "2012-02-01");
    JamforMedFacit(ut.Avsluta(), "resultatrakning.html");
}

TEST(Resultatutskrift, TheBalanceSheetPrintout) {
    auto ut = BalansrakningUtskrift(Bokslut(), "2012-02-01");
    JamforMedFacit(ut.Avsluta(), "balansrakning.html");
}

TEST_F(IMapp, AFileThatCannotBeWrittenAbandonsThePrintoutAndLeavesNothing) {
    fs::create_directory(kUtskriftsfil);
    auto ut = Utskrift("2012-02-01");
    EXPECT_THROW(SkrivUtskrift(ut), Korningsfel);
    EXPECT_TRUE(fs::is_directory(kUtskriftsfil));
    EXPECT_EQ(std::distance(fs::directory_iterator(mapp_.Mapp()), fs::directory_iterator{}), 1);
}
