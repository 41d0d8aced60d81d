// The VAT return's printout on the example company's first quarter: the
// company, the period, each box followed by the accounts behind it, and box 49.

#include "../core/Testmapp.h"
#include "entry/Foretag.h"
#include "reports/Momsutskrift.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace tovana;
using namespace tovana::test;

namespace {

class MomsutskriftTest : public ::testing::Test {
protected:
    Testmapp mapp;
    Bokforingsdata data;
    const Period kvartal{{2026, 1, 1}, {2026, 3, 31}};

    void SetUp() override {
        for (const auto &fil : std::filesystem::directory_iterator(TOVANA_EXEMPEL_DIR))
            if (fil.is_regular_file() && fil.path().extension() != ".lck")
                std::filesystem::copy_file(fil.path(), mapp.Mapp() / fil.path().filename());
        ASSERT_EQ(OppnaForetag(data, mapp.Sokvag("kafe.ftg")), "");
    }

    std::vector<std::string> Rader() {
        return MomsrapportUtskrift(data, BeraknaMomsrapport(data, kvartal, {}), {}, "2026-4-2")
            .Rader();
    }
    // The index of the first line holding the text; -1 when none does.
    static long Plats(const std::vector<std::string> &rader, const std::string &text) {
        const auto rad = std::find_if(rader.begin(), rader.end(), [&](const std::string &r) {
            return r.find(text) != std::string::npos;
        });
        return rad == rader.end() ? -1 : static_cast<long>(rad - rader.begin());
    }
};

} // namespace

TEST_F(MomsutskriftTest, EachBoxIsFollowedByItsAccounts) {
    data.Foretaget = {"Kafé <Rönnbäret> AB", "555555-5555"};
    const auto rader = Rader();
    EXPECT_GE(Plats(rader, "Momsrapport 2026-01-01 – 2026-03-31 för Kafé &lt;Rönnbäret&gt; AB"), 0);
    EXPECT_GE(Plats(rader, "Organisationsnummer: 555555-5555"), 0);
    const long r10 = Plats(rader, ">Utgående moms 25 %<");
    const long k2610 = Plats(rader, "2610  Utgående moms 25 %  1 077,40");
    const long r11 = Plats(rader, ">Utgående moms 12 %<");
    const long r48 = Plats(rader, ">Ingående moms att dra av<");
    const long k2640 = Plats(rader, "2640  ");
    const long r49 = Plats(rader, ">Moms att betala eller få tillbaka<");
    EXPECT_LT(0, r10);
    EXPECT_LT(r10, k2610);
    EXPECT_LT(k2610, r11);
    EXPECT_LT(r11, r48);
    EXPECT_LT(r48, k2640);
    EXPECT_LT(k2640, r49);
    EXPECT_EQ(rader[static_cast<std::size_t>(r49) + 1], "<td width=\"20%\" align=\"right\">"
                                                        "<font face=\"Verdana\" size=\"2\">21 929"
                                                        "</font></td>");
    EXPECT_GE(Plats(rader, "Moms att betala: 21 929 kr"), r49);
    // Box 49 lists no accounts of its own: the boxes above show them.
    EXPECT_EQ(rader[static_cast<std::size_t>(r49) + 2], "</tr>");
    EXPECT_EQ(rader[static_cast<std::size_t>(r49) + 3], "</table>");
}

TEST_F(MomsutskriftTest, AMissingNumberAndTheProblemsAreShown) {
    data.Foretaget = {};
    data.Postplats(++data.Postantal) = {900, "260315", 1930, 2618, 0, 25, "Vilande moms"};
    const auto rader = Rader();
    EXPECT_GE(Plats(rader, "Organisationsnummer: saknas"), 0);
    // Without company details the ledger's name stands in the heading.
    EXPECT_GE(Plats(rader, "för " + HtmlText(data.Redovisningsnamn)), 0);
    EXPECT_GT(Plats(rader, "konto 2618 är ett momskonto"), Plats(rader, "Att se över"));
}
