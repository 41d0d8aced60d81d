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
