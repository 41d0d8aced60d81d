// The appearance settings file: one line with the panel colour.

#include "Testmapp.h"
#include "core/Fel.h"
#include "core/Installningar.h"

#include <gtest/gtest.h>

#include <string>

using namespace tovana;
using namespace tovana::test;

namespace {

struct Fargexempel {
    const char *namn;
    const char *text;
    Farg farg;
};

void PrintTo(const Fargexempel &e, std::ostream *os) {
    *os << '"' << e.text << '"';
}

class AvkodaFargTest : public ::testing::TestWithParam<Fargexempel> {};

class Installningar : public ::testing::Test {
protected:
    Testmapp mapp;
    std::string fil = mapp.Sokvag("Tovana.farg");
};

} // namespace

TEST_P(AvkodaFargTest, LowestByteIsRedThenGreenThenBlue) {
    EXPECT_EQ(AvkodaFarg(GetParam().text), GetParam().farg);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AvkodaFargTest,
    ::testing::Values(Fargexempel{"Delivered", "$00EEDADA", {0xDA, 0xDA, 0xEE}},
                      Fargexempel{"PureRed", "$000000FF", {0xFF, 0x00, 0x00}},
                      Fargexempel{"PureBlue", "$00FF0000", {0x00, 0x00, 0xFF}},
                      Fargexempel{"LowerCaseGreen", "$0000ff00", {0x00, 0xFF, 0x00}},
                      Fargexempel{"Decimal", "255", {0xFF, 0x00, 0x00}},
                      Fargexempel{"NameRed", "clRed", {0xFF, 0x00, 0x00}},
                      Fargexempel{"NameNavy", "clNavy", {0x00, 0x00, 0x80}},
                      Fargexempel{"NameInLowerCase", "clwhite", {0xFF, 0xFF, 0xFF}},
                      Fargexempel{"NameBtnFace", "clBtnFace", {0xF0, 0xF0, 0xF0}}),
    [](const auto &info) { return std::string(info.param.namn); });

TEST(AvkodaFarg, TheDeliveredTextGivesTheStartingColour) {
    EXPECT_EQ(AvkodaFarg(kLevereradFargtext), Installningsdata{}.Bakgrundsfarg);
    EXPECT_EQ(Installningsdata{}.Fargtext, "$00EEDADA");
    EXPECT_EQ(Installningsdata{}.Bakgrundsfarg, (Farg{0xDA, 0xDA, 0xEE}));
    EXPECT_EQ(Installningsdata{}.Decimalord, "komma");
}

TEST(AvkodaFarg, NeitherANameNorAnIntegerIsRefused) {
    for (const char *text : {"ZZ", "", "$00EEDADA ", "clRöd", "$1FFFFFFFF"}) {
        try {
            AvkodaFarg(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Korningsfel &fel) {
            EXPECT_EQ(std::string(fel.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

// A box of one digit gave a colour text of five digits ("$00FFFFF"), which was
// saved so and read back as another colour than the one shown.
TEST(FargtextAvRutor, PadsEachBoxToTwoDigitsAndReadsBackAsTheBoxesSay) {
    EXPECT_EQ(FargtextAvRutor("F", "F", "F"), "$000F0F0F");
    EXPECT_EQ(FargtextAvRutor("EE", "DA", "DA"), kLevereradFargtext);
    EXPECT_EQ(FargtextAvRutor("", "a", "12"), "$00000a12");
    EXPECT_EQ(FargtextAvRutor("Z", "FF", "FF"), "$000ZFFFF"); // left for AvkodaFarg to refuse
    const std::string siffror = "0123456789ABCDEFabcdef";
    for (const char bla : siffror)
        for (const char rod : {'0', '7', 'F'}) {
            const std::string b(1, bla), r(1, rod), g = std::string(1, bla) + rod;
            const std::string text = FargtextAvRutor(b, g, r);
            ASSERT_EQ(text.size(), 9u) << text;
            const auto varde = [](const std::string &t) {
                return static_cast<uint8_t>(std::stoi(t, nullptr, 16));
            };
            EXPECT_EQ(AvkodaFarg(text), (Farg{varde(r), varde(g), varde(b)})) << text;
        }
}

TEST_F(Installningar, ReadsTheFirstLineIntoFargtextAndBakgrundsfarg) {
    SkrivBytes(fil, "$000000FF\r\n$00EEDADA\r\nskräp\r\n");
    Installningsdata data;
    LasInstallningar(data, fil);
    EXPECT_EQ(data.Fargtext, "$000000FF");
    EXPECT_EQ(data.Bakgrundsfarg, (Farg{0xFF, 0, 0}));
}

TEST_F(Installningar, AColourNameLineWorks) {
    SkrivBytes(fil, "clSkyBlue");
    Installningsdata data;
    LasInstallningar(data, fil);
    EXPECT_EQ(data.Fargtext, "clSkyBlue");
    EXPECT_EQ(data.Bakgrundsfarg, (Farg{0xA6, 0xCA, 0xF0}));
}

TEST_F(Installningar, WritesOneLineThatReadsBack) {
    Installningsdata data;
    data.Fargtext = "$00C0FFEE";
    SkrivInstallningar(data, fil);
    EXPECT_EQ(LasBytes(fil), "$00C0FFEE\r\n");
    Installningsdata last;
    LasInstallningar(last, fil);
    EXPECT_EQ(last.Fargtext, "$00C0FFEE");
    EXPECT_EQ(last.Bakgrundsfarg, (Farg{0xEE, 0xFF, 0xC0}));
}

TEST_F(Installningar, ABadLineIsReportedAndChangesNothing) {
    for (const char *bytes : {"ZZ\r\n", "", "\r\n$00EEDADA\r\n"}) {
        SkrivBytes(fil, bytes);
        Installningsdata data;
        data.Fargtext = "clRed";
        data.Bakgrundsfarg = Farg{0xFF, 0, 0};
        try {
            LasInstallningar(data, fil);
            ADD_FAILURE() << "accepted \"" << bytes << '"';
        } catch (const Korningsfel &fel) {
            const std::string rad = std::string(bytes).substr(0, std::string(bytes).find('\r'));
            EXPECT_EQ(ForstaRaden(fel.what()), "'" + rad + "' is not a valid integer value");
            EXPECT_NE(AndraRaden(fel.what()).find(fil), std::string::npos);
        }
        EXPECT_EQ(data.Fargtext, "clRed");
        EXPECT_EQ(data.Bakgrundsfarg, (Farg{0xFF, 0, 0}));
    }
}

TEST_F(Installningar, AMissingFileIsFileNotFoundAndChangesNothing) {
    Installningsdata data;
    try {
        LasInstallningar(data, fil);
        FAIL() << "a missing settings file was read";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), "Filen finns inte.");
    }
    EXPECT_EQ(data.Fargtext, kLevereradFargtext);
    EXPECT_EQ(data.Bakgrundsfarg, (Farg{0xDA, 0xDA, 0xEE}));
}
