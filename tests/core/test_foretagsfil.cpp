// The company file: two lines naming the chart file and the ledger file.

#include "Testmapp.h"
#include "core/Fel.h"
#include "core/Foretagsfil.h"

#include <gtest/gtest.h>

#include <string>

using namespace tovana;
using namespace tovana::test;

namespace {

class Foretagsfil : public ::testing::Test {
protected:
    Testmapp mapp;
    std::string fil = mapp.Sokvag("foretag.ftg");

    // The message that reading `bytes` as a company file raises, or "OK".
    std::string Fel(const std::string &bytes) {
        SkrivBytes(fil, bytes);
        try {
            LasForetagsfil(fil);
        } catch (const Korningsfel &fel) {
            return fel.what();
        }
        return "OK";
    }
};

} // namespace

TEST_F(Foretagsfil, TwoPathsRoundTripInWindows1252WithCrLf) {
    const Foretag foretag{"/home/åsa/bok/företag.kpl", "/home/åsa/bok/företag 2012; del 1.red"};
    SkrivForetagsfil(fil, foretag);
    EXPECT_EQ(LasBytes(fil),
              "/home/\xE5sa/bok/f\xF6retag.kpl\r\n/home/\xE5sa/bok/f\xF6retag 2012; del 1.red\r\n");
    const Foretag last = LasForetagsfil(fil);
    EXPECT_EQ(last.kontoplanfil, foretag.kontoplanfil);
    EXPECT_EQ(last.redovisningsfil, foretag.redovisningsfil);
}

TEST_F(Foretagsfil, AnythingAfterTheSecondLineIsIgnoredAndLfAloneReads) {
    SkrivBytes(fil, "a.kpl\nb.red\nc.red\r\nskräp");
    const Foretag last = LasForetagsfil(fil);
    EXPECT_EQ(last.kontoplanfil, "a.kpl");
    EXPECT_EQ(last.redovisningsfil, "b.red");
}

TEST_F(Foretagsfil, PathsKeepTheirBlanks) {
    SkrivBytes(fil, " a.kpl \r\nb.red \r\n");
    const Foretag last = LasForetagsfil(fil);
    EXPECT_EQ(last.kontoplanfil, " a.kpl ");
    EXPECT_EQ(last.redovisningsfil, "b.red ");
}

TEST_F(Foretagsfil, FewerThanTwoLinesIsFileNotFoundNamingTheCompanyFile) {
    for (const char *bytes : {"", "a.kpl", "a.kpl\r\n"}) {
        const std::string fel = Fel(bytes);
        EXPECT_EQ(ForstaRaden(fel), "Filen finns inte.") << '"' << bytes << '"';
        EXPECT_NE(AndraRaden(fel).find(fil), std::string::npos) << fel;
    }
}

// An empty path line was accepted, so opening later failed with "Filen finns inte." naming no file.
TEST_F(Foretagsfil, AnEmptyPathLineIsFileNotFoundNamingTheCompanyFile) {
    for (const char *bytes : {"\r\nb.red\r\n", "a.kpl\r\n\r\n", "\r\n\r\n"}) {
        const std::string fel = Fel(bytes);
        EXPECT_EQ(ForstaRaden(fel), "Filen finns inte.") << '"' << bytes << '"';
        EXPECT_NE(AndraRaden(fel).find(fil), std::string::npos) << fel;
    }
}

TEST_F(Foretagsfil, AMissingCompanyFileIsFileNotFound) {
    try {
        LasForetagsfil(mapp.Sokvag("saknas.ftg"));
        FAIL() << "a missing company file was read";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), "Filen finns inte.");
        EXPECT_NE(AndraRaden(fel.what()).find("saknas.ftg"), std::string::npos);
    }
}

TEST_F(Foretagsfil, AUtf8FileAndALoneCrReadAndPathsWithLineBreaksAreNotWritten) {
    SkrivBytes(fil, "/hem/\xC3\xA5r.kpl\r/hem/\xC3\xA5r.red\r");
    const Foretag foretag = LasForetagsfil(fil);
    EXPECT_EQ(foretag.kontoplanfil, "/hem/år.kpl");
    EXPECT_EQ(foretag.redovisningsfil, "/hem/år.red");
    EXPECT_THROW(SkrivForetagsfil(fil, Foretag{"/a.kpl\n/b.red", "/c.red"}), Korningsfel);
    EXPECT_THROW(SkrivForetagsfil(fil, Foretag{"/a.kpl", "/c.red\r"}), Korningsfel);
    EXPECT_EQ(LasBytes(fil), "/hem/\xC3\xA5r.kpl\r/hem/\xC3\xA5r.red\r");
}

TEST_F(Foretagsfil, WithoutDetailsTheFileIsTheTwoPathLinesAlone) {
    SkrivForetagsfil(fil, Foretag{"a.kpl", "b.red"});
    EXPECT_EQ(LasBytes(fil), "a.kpl\r\nb.red\r\n");
    const Foretag last = LasForetagsfil(fil);
    EXPECT_TRUE(last.uppgifter.Tom());
    EXPECT_TRUE(last.ovrigaRader.empty());
    EXPECT_TRUE(last.problem.empty());
}

TEST_F(Foretagsfil, DetailsFollowThePathsInTheirOrderInWindows1252) {
    Foretag foretag{"a.kpl", "b.red"};
    foretag.uppgifter = {"Kafé Exempel AB", "555555-5555", Arsperiod{{2025, 7, 1}, {2026, 6, 30}},
                         Momsperiod::Kvartal};
    foretag.ovrigaRader = {"anteckning"};
    SkrivForetagsfil(fil, foretag);
    EXPECT_EQ(LasBytes(fil), "a.kpl\r\nb.red\r\nNamn=Kaf\xE9 Exempel AB\r\nOrgnr=555555-5555\r\n"
                             "Rakenskapsar=20250701-20260630\r\nMomsperiod=kvartal\r\n"
                             "anteckning\r\n");
}

// A name longer than the limit is cut; cut just after a blank, the blank goes
// too, so that the name reads the same after the file is written again.
TEST_F(Foretagsfil, ALongNameIsCutAndReadsTheSameAfterARewrite) {
    const std::string lang = std::string(79, 'a') + " b" + std::string(20, 'c');
    SkrivBytes(fil, "a.kpl\r\nb.red\r\nNamn=" + lang + "\r\n");
    const Foretag forsta = LasForetagsfil(fil);
    EXPECT_EQ(forsta.uppgifter.namn, std::string(79, 'a'));
    SkrivForetagsfil(fil, forsta);
    EXPECT_EQ(LasForetagsfil(fil).uppgifter, forsta.uppgifter);
}

TEST_F(Foretagsfil, DetailsAndOtherLinesSurviveAWriteAndARead) {
    // Every combination of known and unknown details, with and without other lines.
    const Foretagsuppgifter delar{"Ab & Co = vi", "123456-7897",
                                  Arsperiod{{2026, 1, 1}, {2026, 12, 31}}, Momsperiod::Manad};
    for (int mask = 0; mask < 32; ++mask) {
        Foretag foretag{"/k/plan.kpl", "bok.red"};
        if (mask & 1)
            foretag.uppgifter.namn = delar.namn;
        if (mask & 2)
            foretag.uppgifter.orgnr = delar.orgnr;
        if (mask & 4)
            foretag.uppgifter.rakenskapsar = delar.rakenskapsar;
        if (mask & 8)
            foretag.uppgifter.momsperiod = delar.momsperiod;
        if (mask & 16)
            foretag.ovrigaRader = {"", "fri text", "Okänd=1", "Orgnr=12"};
        SkrivForetagsfil(fil, foretag);
        const Foretag last = LasForetagsfil(fil);
        EXPECT_EQ(last.kontoplanfil, foretag.kontoplanfil) << mask;
        EXPECT_EQ(last.redovisningsfil, foretag.redovisningsfil) << mask;
        EXPECT_EQ(last.uppgifter, foretag.uppgifter) << mask;
        EXPECT_EQ(last.ovrigaRader, foretag.ovrigaRader) << mask;
        EXPECT_EQ(last.problem.size(), (mask & 16) ? 1u : 0u) << mask;
    }
}

TEST_F(Foretagsfil, DetailLinesReadLenientlyAndABadOneNeverCostsThePaths) {
    struct Fall {
        const char *rader; // after the two path lines
        Foretagsuppgifter uppgifter;
        std::vector<std::string> ovriga;
        int problem;
    };
    const Arsperiod kalenderar{{2026, 1, 1}, {2026, 12, 31}};
    const Fall fall[] = {
        {" namn = Kafé \r\nORGNR=5555555555\r\nMomsPeriod=År\r\n",
         {"Kafé", "555555-5555", std::nullopt, Momsperiod::Ar},
         {},
         0},
        {"Namn=A\r\nNamn=B\r\n", {"B", "", std::nullopt, Momsperiod::Okand}, {}, 0},
        {"Namn=A\r\nNamn=\r\n", {}, {}, 0},
        {"Orgnr=555555-5556\r\n", {}, {"Orgnr=555555-5556"}, 1},
        {"Orgnr=555555-5555\r\nOrgnr=fel\r\n",
         {"", "555555-5555", std::nullopt, Momsperiod::Okand},
         {"Orgnr=fel"},
         1},
        {"Rakenskapsar=20260101-20261231\r\n", {"", "", kalenderar, Momsperiod::Okand}, {}, 0},
        {"Rakenskapsar=2026-01-01\r\nRakenskapsar=20260101-20270701\r\n"
         "Rakenskapsar=20260230-20261231\r\nRakenskapsar=20261231-20260101\r\n",
         {},
         {"Rakenskapsar=2026-01-01", "Rakenskapsar=20260101-20270701",
          "Rakenskapsar=20260230-20261231", "Rakenskapsar=20261231-20260101"},
         4},
        {"Momsperiod=vecka\r\n", {}, {"Momsperiod=vecka"}, 1},
        {"Adress=Storgatan 1\r\nfri text\r\n=\r\n", {}, {"Adress=Storgatan 1", "fri text", "="}, 0},
    };
    for (const auto &f : fall) {
        SkrivBytes(fil, std::string("a.kpl\r\nb.red\r\n") + f.rader);
        const Foretag last = LasForetagsfil(fil);
        EXPECT_EQ(last.kontoplanfil, "a.kpl") << f.rader;
        EXPECT_EQ(last.redovisningsfil, "b.red") << f.rader;
        EXPECT_EQ(last.uppgifter, f.uppgifter) << f.rader;
        EXPECT_EQ(last.ovrigaRader, f.ovriga) << f.rader;
        ASSERT_EQ(static_cast<int>(last.problem.size()), f.problem) << f.rader;
        for (const auto &problem : last.problem)
            EXPECT_EQ(problem.rfind(fil + " rad ", 0), 0u) << problem;
    }
}

TEST_F(Foretagsfil, AFileWrittenInUtf8ReadsItsDetailsAndANameTooLongIsCut) {
    SkrivBytes(fil, "a.kpl\nb.red\nNamn=K\xC3\xA5" + std::string(100, 'x') + "\n");
    const Foretag last = LasForetagsfil(fil);
    EXPECT_EQ(last.uppgifter.namn, "K\xC3\xA5" + std::string(78, 'x'));
    EXPECT_THROW(SkrivForetagsfil(fil, Foretag{"a.kpl", "b.red", {"A\nB"}}), Korningsfel);
}
