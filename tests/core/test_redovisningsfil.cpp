// The ledger file: post lines, appending, rewriting, and what a bad file leaves behind.

#include "Testmapp.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace tovana;
using namespace tovana::test;

namespace {

std::vector<TPost> Poster(const Bokforingsdata &data) {
    return {data.Poster.begin() + 1, data.Poster.begin() + 1 + data.Postantal};
}

class Redovisningsfil : public ::testing::Test {
protected:
    Testmapp mapp;
    std::string fil = mapp.Sokvag("bok.red");

    // A ledger already in memory, as a command finds it before opening another.
    Bokforingsdata GammalRedovisning() {
        const std::string gammal = mapp.Sokvag("gammal.red");
        SkrivBytes(gammal, "Gammal bok\r\n1;120101;100;1930;3010;0;Ett\r\n"
                           "2;120102;50,25;5010;1930;10;Tv\xE5\r\n");
        Bokforingsdata data;
        LasRedovisning(data, gammal);
        return data;
    }

    Bokforingsdata Las(const std::string &bytes) {
        SkrivBytes(fil, bytes);
        Bokforingsdata data;
        LasRedovisning(data, fil);
        return data;
    }
};

} // namespace

TEST_F(Redovisningsfil, ReadsTheSevenFieldsInFileOrder) {
    const auto data =
        Las("Bokf\xF6ring 2012\r\n12;120315;1250,5;1930;3010;0;F\xF6rs\xE4ljning kontant\r\n"
            "-3; 1 mars ;-0,5e2;0;2440;10;\r\n");
    EXPECT_EQ(data.Redovisningsnamn, "Bokföring 2012");
    ASSERT_EQ(data.Postantal, 2);
    EXPECT_EQ(data.Poster[1], (TPost{12, "120315", 1930, 3010, 0, 1250.5, "Försäljning kontant"}));
    EXPECT_EQ(data.Poster[2], (TPost{-3, " 1 mars ", 0, 2440, 10, -50, ""}));
    EXPECT_EQ(data.Poster[0], TPost{});
}

TEST_F(Redovisningsfil, OneLineIsAnEmptyLedgerAndEmptiesTheOldOne) {
    for (const char *bytes : {"Ny bok\r\n", "Ny bok", "Ny bok\r\n\r\n \r\n"}) {
        auto data = GammalRedovisning();
        SkrivBytes(fil, bytes);
        LasRedovisning(data, fil);
        EXPECT_EQ(data.Redovisningsnamn, "Ny bok");
        EXPECT_EQ(data.Postantal, 0);
        EXPECT_EQ(data.Poster[1], TPost{});
        EXPECT_EQ(data.Poster[2], TPost{});
    }
}

TEST_F(Redovisningsfil, BlankLinesAndLeadingBlanksDoNotMakePosts) {
    const auto data = Las("Bok\r\n\r\n  1;d;1;1930;3010;0;a\r\n\t\r\n2;d;2;1930;3010;0;b \r\n"
                          "\r\n\r\n   \r\n");
    ASSERT_EQ(data.Postantal, 2);
    EXPECT_EQ(data.Poster[1].text, "a");
    EXPECT_EQ(data.Poster[2].text, "b ");
}

TEST_F(Redovisningsfil, LinesEndedByLfAloneReadTheSame) {
    const auto crlf = Las("Bok\r\n1;120101;10,5;1930;3010;0;a;b\r\n\r\n2;120102;3;0;1930;0;c\r\n");
    const auto lf = Las("Bok\n1;120101;10,5;1930;3010;0;a;b\n\n2;120102;3;0;1930;0;c\n");
    EXPECT_EQ(lf.Redovisningsnamn, crlf.Redovisningsnamn);
    EXPECT_EQ(Poster(lf), Poster(crlf));
}

TEST_F(Redovisningsfil, NameDateAndTextAreCutToTheirLengthsInCharacters) {
    const std::string hundrafemtio_a(150, '\xE5');
    const auto data = Las(std::string(100, '\xF6') +
                          "\r\n1;\xE5\xE4\xF6\xE5\xE4\xF6\xE5\xE4\xF6\xE5;1;1930;3010;0;" +
                          hundrafemtio_a + "\r\n");
    std::string atti_o, hundra_a;
    for (int i = 0; i < 80; ++i)
        atti_o += "ö";
    for (int i = 0; i < 100; ++i)
        hundra_a += "å";
    EXPECT_EQ(data.Redovisningsnamn, atti_o);
    EXPECT_EQ(data.Poster[1].datum, "åäöåäöåä");
    EXPECT_EQ(data.Poster[1].text, hundra_a);
}

TEST_F(Redovisningsfil, PostradWritesSevenFieldsWithTheSixthSemicolonAlways) {
    const TPost post{12, "120315", 1930, 3010, 0, 1250.5, ""};
    EXPECT_EQ(Postrad(post), "12;120315;1250,5;1930;3010;0;");
    EXPECT_EQ(Postrad(post, "1250,50"), "12;120315;1250,50;1930;3010;0;");
    EXPECT_EQ(Postrad(TPost{-1, "", 0, 0, 10, -0.25, "a;b"}), "-1;;-0,25;0;0;10;a;b");
}

TEST_F(Redovisningsfil, SemicolonsInTheTextSurviveAppendReadAndRewrite) {
    SkapaRedovisningsfil(fil, "Bok");
    const TPost post{1, "120101", 1930, 3010, 0, 99, "Hyra; mars;;  ; "};
    LaggTillPostrad(fil, Postrad(post));
    Bokforingsdata data;
    LasRedovisning(data, fil);
    ASSERT_EQ(data.Postantal, 1);
    EXPECT_EQ(data.Poster[1], post);

    SkrivRedovisning(data, fil);
    Bokforingsdata igen;
    LasRedovisning(igen, fil);
    EXPECT_EQ(Poster(igen), std::vector<TPost>{post});
}

TEST_F(Redovisningsfil, AnAmountAppendedAsTypedIsRewrittenAsTaltextAndTheLongDateIsCut) {
    SkapaRedovisningsfil(fil, "Bok");
    const TPost post{7, "2012-03-15", 1930, 3010, 0, 0, "Kontant"};
    LaggTillPostrad(fil, Postrad(post, "1250,50"));
    EXPECT_EQ(LasBytes(fil), "Bok\r\n7;2012-03-15;1250,50;1930;3010;0;Kontant\r\n");

    Bokforingsdata data;
    LasRedovisning(data, fil);
    EXPECT_EQ(data.Poster[1].datum, "2012-03-");
    EXPECT_DOUBLE_EQ(data.Poster[1].belopp, 1250.5);
    SkrivRedovisning(data, fil);
    EXPECT_EQ(LasBytes(fil), "Bok\r\n7;2012-03-;1250,5;1930;3010;0;Kontant\r\n");
}

TEST_F(Redovisningsfil, AppendingAfterALastLineWithoutLineEndStartsANewLine) {
    for (const char *bytes : {"Bok\r\n1;d;1;1930;3010;0;a", "Bok"}) {
        SkrivBytes(fil, bytes);
        LaggTillPostrad(fil, "2;d;2;1930;3010;0;b");
        EXPECT_EQ(LasBytes(fil), std::string(bytes) + "\r\n2;d;2;1930;3010;0;b\r\n");
        Bokforingsdata data;
        LasRedovisning(data, fil);
        EXPECT_EQ(data.Redovisningsnamn, "Bok");
        EXPECT_EQ(data.Poster[data.Postantal].text, "b");
    }
}

TEST_F(Redovisningsfil, SeveralLinesAreAppendedInOrderInWindows1252) {
    SkapaRedovisningsfil(fil, "Bok");
    LaggTillPostrader(fil, {"1;IB;100;1930;0;0;IB-post", "2;IB;5;0;2081;0;IB-post €"});
    EXPECT_EQ(LasBytes(fil),
              "Bok\r\n1;IB;100;1930;0;0;IB-post\r\n2;IB;5;0;2081;0;IB-post \x80\r\n");
}

TEST_F(Redovisningsfil, AppendingToAMissingFileFailsAndCreatesNothing) {
    try {
        LaggTillPostrad(fil, "1;d;1;1930;3010;0;a");
        FAIL() << "appended to a missing file";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), "Filen finns inte.");
    }
    EXPECT_TRUE(Filnamn(mapp.Mapp()).empty());
}

TEST_F(Redovisningsfil, ALineOutsideWindows1252IsRefusedAndTheFileKeptAsItWas) {
    SkrivBytes(fil, "Bok\r\n1;d;1;1930;3010;0;a\r\n");
    EXPECT_THROW(LaggTillPostrad(fil, "2;d;2;1930;3010;0;Ω"), Korningsfel);
    EXPECT_EQ(LasBytes(fil), "Bok\r\n1;d;1;1930;3010;0;a\r\n");
}

TEST_F(Redovisningsfil, RewritingALedgerItWroteGivesTheSameBytes) {
    Bokforingsdata data;
    data.Redovisningsnamn = "Bokföring – 2012";
    const std::vector<TPost> poster = {
        {1, "120101", 1930, 3010, 0, 1250.5, "Försäljning; kontant"},
        {2, "120102", 0, 2440, 10, 0.01, ""},
        {3, "", 5010, 0, 0, 123456789012.34, " inledande blank"},
        {-4, "31/12", 1930, 3010, 0, -17, "€"},
        {5, "120105", 1930, 3010, 0, 0.00001, "litet"},
        {6, "120106", 1930, 3010, 0, 1e15, "stort"},
        {7, "120107", 1930, 3010, 0, 0.1 + 0.2, "summa"},
    };
    for (std::size_t i = 0; i < poster.size(); ++i)
        data.Postplats(static_cast<int32_t>(i + 1)) = poster[i];
    data.Postantal = static_cast<int32_t>(poster.size());
    SkrivRedovisning(data, fil);
    const std::string forsta = LasBytes(fil);
    EXPECT_EQ(forsta.substr(0, forsta.find('\n') + 1), "Bokf\xF6ring \x96 2012\r\n");

    Bokforingsdata last;
    LasRedovisning(last, fil);
    ASSERT_EQ(last.Postantal, 7);
    const std::string andra = mapp.Sokvag("andra.red");
    SkrivRedovisning(last, andra);
    EXPECT_EQ(LasBytes(andra), forsta);
}

TEST_F(Redovisningsfil, MoreThanAThousandPostsAreReadAndWritten) {
    std::vector<TPost> poster;
    for (int i = 1; i <= 1500; ++i)
        poster.push_back({i, "1201" + std::to_string(i % 30), 1930, 3010, i % 3 == 0 ? 10 : 0,
                          i * 1.25, "Post " + std::to_string(i)});
    SkrivRedovisningsfil(fil, "Stor bok", poster);
    Bokforingsdata data;
    LasRedovisning(data, fil);
    ASSERT_EQ(data.Postantal, 1500);
    EXPECT_EQ(Poster(data), poster);
    EXPECT_EQ(data.Poster[0], TPost{});
    EXPECT_EQ(RedovisningBytes("Stor bok", poster.data(), poster.size()), LasBytes(fil));
}

TEST_F(Redovisningsfil, SkapaRedovisningsfilReplacesAnyOldFileWithTheNameLine) {
    SkrivBytes(fil, "Gammal\r\n1;d;1;1930;3010;0;a\r\n");
    SkapaRedovisningsfil(fil, "Ny bok 2013");
    EXPECT_EQ(LasBytes(fil), "Ny bok 2013\r\n");
}

namespace {

struct Felrad {
    const char *namn;
    const char *rad; // the bad post line (Windows-1252), the file's line 7
    const char *meddelande;
};

void PrintTo(const Felrad &f, std::ostream *os) {
    *os << '"' << FranWindows1252(f.rad) << '"';
}

} // namespace

class RedovisningsfilFelrad : public Redovisningsfil,
                              public ::testing::WithParamInterface<Felrad> {};

TEST_P(RedovisningsfilFelrad, NamesTheFileAndLineAndChangesNothingInMemory) {
    // Four good posts and a blank line before the bad one, which is the file's seventh.
    SkrivBytes(fil, std::string("Ny bok\r\n1;d;1;1930;3010;0;a\r\n2;d;2;1930;3010;0;b\r\n\r\n"
                                "4;d;4;1930;3010;0;c\r\n5;d;5;1930;3010;0;d\r\n") +
                        GetParam().rad + "\r\n8;d;8;1930;3010;0;e\r\n");
    auto data = GammalRedovisning();
    const auto fore = data;
    try {
        LasRedovisning(data, fil);
        FAIL() << "the bad line was accepted";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), GetParam().meddelande);
        const std::string var = AndraRaden(fel.what());
        EXPECT_NE(var.find(fil), std::string::npos) << var;
        EXPECT_NE(var.find("rad 7"), std::string::npos) << var;
    }
    EXPECT_EQ(data.Redovisningsnamn, "Gammal bok");
    EXPECT_EQ(data.Postantal, 2);
    EXPECT_EQ(data.Poster, fore.Poster);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RedovisningsfilFelrad,
    ::testing::Values(
        Felrad{"PointInAmount", "  7;d;1.5;1930;3010;0;x",
               "'1.5' is not a valid floating point value"},
        Felrad{"GroupedAmount", "7;d;1 000,50;1930;3010;0;x",
               "'1 000,50' is not a valid floating point value"},
        Felrad{"EmptyAmount", "7;d;;1930;3010;0;x", "'' is not a valid floating point value"},
        Felrad{"LetterInDebit", "7;d;15;19x0;3010;0;x", "'19x0' is not a valid integer value"},
        Felrad{"LetterInVernr", "x7;d;15;1930;3010;0;x", "'x7' is not a valid integer value"},
        Felrad{"BlankAfterCredit", "7;d;15;1930;3010 ;0;x", "'3010 ' is not a valid integer value"},
        Felrad{"SwedishLetterAsCode", "7;d;15;1930;3010;\xE5;x",
               "'å' is not a valid integer value"},
        Felrad{"CutShort", "7;d;15;1930;3010", "'' is not a valid integer value"}),
    [](const auto &info) { return std::string(info.param.namn); });

// A line missing its sixth ";" was read as a post with the code as its last field and no text.
TEST_F(Redovisningsfil, ALineWithoutTheSixthSemicolonIsRefused) {
    SkrivBytes(fil, "Bok\r\n12;120315;1250,5;1930;3010;1\r\n");
    Bokforingsdata data;
    try {
        LasRedovisning(data, fil);
        FAIL() << "a line cut short was accepted";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), "'' is not a valid integer value");
    }
    EXPECT_EQ(data.Postantal, 0);
}

TEST_F(Redovisningsfil, AMissingFileIsReportedAndChangesNothing) {
    auto data = GammalRedovisning();
    const auto fore = data;
    try {
        LasRedovisning(data, mapp.Sokvag("saknas.red"));
        FAIL() << "a missing file was read";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), "Filen finns inte.");
        EXPECT_NE(AndraRaden(fel.what()).find("saknas.red"), std::string::npos);
    }
    EXPECT_EQ(data.Redovisningsnamn, fore.Redovisningsnamn);
    EXPECT_EQ(data.Postantal, fore.Postantal);
    EXPECT_EQ(data.Poster, fore.Poster);
}

TEST_F(Redovisningsfil, LasRedovisningsfilGivesThePostsFromIndexZero) {
    SkrivBytes(fil, "Fjol\r\n1;IB;100;1930;0;0;a\r\n2;IB;5;0;2081;0;b\r\n");
    const auto innehall = LasRedovisningsfil(fil);
    EXPECT_EQ(innehall.namn, "Fjol");
    ASSERT_EQ(innehall.poster.size(), 2u);
    EXPECT_EQ(innehall.poster[0].vernr, 1);
    EXPECT_EQ(innehall.poster[1].kredit, 2081);
}

// A ledger whose lines end in CR alone opened as an empty ledger, and the next save
// replaced every post on disk; a lone CR at the end was glued to the last text.
TEST_F(Redovisningsfil, LinesEndedByALoneCrOrMixedEndsReadTheSame) {
    const auto crlf = Las("Bok\r\n1;d;1;1930;3010;0;a\r\n2;d;2;1930;3010;0;b\r\n");
    for (const char *bytes : {"Bok\r1;d;1;1930;3010;0;a\r2;d;2;1930;3010;0;b\r",
                              "Bok\n1;d;1;1930;3010;0;a\r2;d;2;1930;3010;0;b\r",
                              "Bok\r\n1;d;1;1930;3010;0;a\n\r2;d;2;1930;3010;0;b"}) {
        const auto data = Las(bytes);
        EXPECT_EQ(data.Redovisningsnamn, "Bok");
        EXPECT_EQ(Poster(data), Poster(crlf));
    }
    try {
        Las("Bok\r1;d;1;1930;3010;0;a\r\r2;d;x;1930;3010;0;b\r");
        FAIL() << "a bad line was accepted";
    } catch (const Korningsfel &fel) {
        EXPECT_NE(AndraRaden(fel.what()).find("rad 4"), std::string::npos) << fel.what();
    }
}

// A 0-byte ledger opened, and the first saved post became its name line.
TEST_F(Redovisningsfil, AnEmptyFileIsAnUnnamedLedgerWhoseFirstPostStaysAPost) {
    auto data = Las("");
    EXPECT_EQ(data.Redovisningsnamn, "");
    EXPECT_EQ(data.Postantal, 0);
    data.Redovisningsfil = fil;
    SparaNyaPostrader(data, {"1;d;5;1930;3010;0;a"});
    const auto igen = Las(LasBytes(fil));
    EXPECT_EQ(igen.Redovisningsnamn, "");
    ASSERT_EQ(igen.Postantal, 1);
    EXPECT_EQ(igen.Poster[1].text, "a");
}

// A ledger saved as UTF-8 by an editor was read as mojibake and written back so.
TEST_F(Redovisningsfil, AUtf8LedgerIsReadAsUtf8AndItsNextPostRewritesItInWindows1252) {
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        auto data = Las(bom + "Bok \xC3\xA5r\r\n1;d;5;1930;3010;0;T\xC3\xA5g\r");
        EXPECT_EQ(data.Redovisningsnamn, "Bok år");
        EXPECT_EQ(data.Poster[1].text, "Tåg");
        EXPECT_TRUE(data.RedovisningLastSomUtf8);
        data.Redovisningsfil = fil;
        SparaNyaPostrader(data, {"2;d;6;1930;3010;0;B\xC3\xA5t"});
        EXPECT_FALSE(data.RedovisningLastSomUtf8);
        EXPECT_EQ(LasBytes(fil),
                  "Bok \xE5r\r\n1;d;5;1930;3010;0;T\xE5g\r\n2;d;6;1930;3010;0;B\xE5t\r\n");
        EXPECT_EQ(LasBytes(fil + ".1"), bom + "Bok \xC3\xA5r\r\n1;d;5;1930;3010;0;T\xC3\xA5g\r");
        // Once in Windows-1252 the next post is appended.
        SparaNyaPostrader(data, {"3;d;7;1930;3010;0;c"});
        EXPECT_EQ(LasBytes(fil + ".1"), bom + "Bok \xC3\xA5r\r\n1;d;5;1930;3010;0;T\xC3\xA5g\r");
        EXPECT_EQ(Las(LasBytes(fil)).Postantal, 3);
        std::filesystem::remove(fil + ".1");
    }
}

TEST_F(Redovisningsfil, AUtf8LedgerLineWindows1252CannotHoldIsRefusedNamingItsLine) {
    auto data = Las("Bok\r\n1;d;5;1930;3010;0;\xCE\xA9mega\r\n");
    data.Redovisningsfil = fil;
    try {
        SparaNyaPostrader(data, {"2;d;6;1930;3010;0;b"});
        FAIL() << "a character outside Windows-1252 was written";
    } catch (const Korningsfel &fel) {
        EXPECT_STREQ(fel.what(), "Tecknet 'Ω' kan inte sparas i filen (Windows-1252), rad 2.");
    }
    EXPECT_EQ(LasBytes(fil), "Bok\r\n1;d;5;1930;3010;0;\xCE\xA9mega\r\n");
    EXPECT_TRUE(data.RedovisningLastSomUtf8);
}

// A name or text written with a line break added a post on the next open.
TEST_F(Redovisningsfil, WritersRefuseLineBreaksInTheNameDateAndTextAndWriteNothing) {
    SkrivBytes(fil, "Bok\r\n");
    const TPost bra{1, "d", 1930, 3010, 0, 5, "a"};
    TPost text = bra, datum = bra;
    text.text = "a\r\n2;d;9;1930;3010;0;smuggel";
    datum.datum = "d\r";
    const std::vector<std::function<void()>> skrivare = {
        [&] { SkrivRedovisningsfil(fil, "Bok\nNy", {bra}); },
        [&] {
            SkrivRedovisningsfil(fil, "Bok", {bra, text});
        },
        [&] { SkrivRedovisningsfil(fil, "Bok", {datum}); },
        [&] { SkapaRedovisningsfil(fil, "Ny\r"); },
        [&] { LaggTillPostrad(fil, Postrad(text)); },
        [&] {
            LaggTillPostrader(fil, {Postrad(bra), Postrad(datum)});
        },
    };
    for (const auto &skriv : skrivare) {
        try {
            skriv();
            ADD_FAILURE() << "a line break was written";
        } catch (const Korningsfel &fel) {
            EXPECT_NE(std::string(fel.what()).find("får inte innehålla radbrytningar"),
                      std::string::npos)
                << fel.what();
        }
        EXPECT_EQ(LasBytes(fil), "Bok\r\n");
    }
    EXPECT_EQ(Filnamn(mapp.Mapp()), (std::vector<std::string>{"bok.red"}));
}

namespace {

// A big ledger's lines, each ending in one of the three line ends, with a blank
// line now and then: enough bytes that the reader splits the file.
struct Storbok {
    std::string bytes;
    std::vector<TPost> poster;
    std::vector<long> rader; // the line number of each post
};

// Posts whose index is in `trasiga` get an "x" before their verification number.
// A blank line stands before every 997th post, or with `blankaRader` after
// every post (blanks that make as many bytes as a post line).
Storbok GorStorbok(int antal, const std::vector<int> &trasiga = {}, bool blankaRader = false) {
    Storbok bok;
    const char *slut[] = {"\r\n", "\n", "\r"};
    bok.bytes = "Stor bok\r\n";
    long rad = 1;
    for (int i = 1; i <= antal; ++i) {
        if (i % 997 == 0) {
            bok.bytes += "  \r\n";
            ++rad;
        }
        TPost post{i / 3,
                   "2603" + std::to_string(10 + i % 18),
                   1000 + i % 400,
                   3000 + i % 7,
                   i % 5 == 0 ? 10 : 0,
                   (i % 100000) * 1.25 - 300,
                   "F\xF6rs\xE4ljning " + std::to_string(i)};
        const bool trasig = std::find(trasiga.begin(), trasiga.end(), i - 1) != trasiga.end();
        bok.bytes += (trasig ? "x" : "") + Postrad(post) + slut[i % 3];
        post.text = "Försäljning " + std::to_string(i);
        bok.poster.push_back(post);
        bok.rader.push_back(++rad);
        if (blankaRader) {
            bok.bytes += std::string(40, ' ') + slut[i % 3];
            ++rad;
        }
    }
    return bok;
}

} // namespace

TEST_F(Redovisningsfil, ABigLedgerReadByTwoThreadsKeepsEveryPostInOrder) {
    const Storbok bok = GorStorbok(60000);
    ASSERT_GT(bok.bytes.size(), std::size_t{1} << 20);
    const auto data = Las(bok.bytes);
    ASSERT_EQ(data.Postantal, 60000);
    EXPECT_EQ(Poster(data), bok.poster);
    // Written back by two threads: CR LF everywhere, the same posts, the same
    // bytes as one thread making each line.
    SkrivRedovisning(data, fil);
    std::string vantat = "Stor bok\r\n";
    for (const auto &post : bok.poster)
        vantat += Postrad(post) + "\r\n";
    EXPECT_EQ(LasBytes(fil), TillWindows1252Fil(vantat));
}

// Two threads read a big ledger, each its own part, and a bad line makes the
// file be read again: a bad field anywhere must name its line in the whole
// file, and of two bad lines the first one in the file is named. The file is
// split somewhere in its middle fifth, so single bad lines go all across it,
// every 600 posts.
TEST_F(Redovisningsfil, ABadLineInABigLedgerIsNamedByItsLineInTheWholeFile) {
    std::vector<std::vector<int>> fall = {{5}, {59999}, {45000, 10}, {20000, 50000}};
    for (int i = 24000; i <= 36000; i += 600)
        fall.push_back({i});
    for (const auto &trasiga : fall) {
        const Storbok bok = GorStorbok(60000, trasiga);
        const int forsta = *std::min_element(trasiga.begin(), trasiga.end());
        SkrivBytes(fil, bok.bytes);
        try {
            LasRedovisningsfil(fil);
            ADD_FAILURE() << forsta;
        } catch (const Korningsfel &e) {
            const std::string text = e.what();
            EXPECT_TRUE(text.ends_with(", rad " +
                                       std::to_string(bok.rader[static_cast<std::size_t>(forsta)])))
                << forsta << ": " << text;
        }
    }
}

// The first part may end in blank lines, which make no post but are lines all
// the same: a bad line after the split counts them too. Files of a few sizes
// end their first part on a post line or on a blank line.
TEST_F(Redovisningsfil, BlankLinesBeforeTheSplitCountForALaterBadLine) {
    for (int antal = 30000; antal < 30010; ++antal) {
        const Storbok bok = GorStorbok(antal, {antal - 1}, true);
        SkrivBytes(fil, bok.bytes);
        try {
            LasRedovisningsfil(fil);
            ADD_FAILURE() << antal;
        } catch (const Korningsfel &e) {
            EXPECT_TRUE(std::string(e.what()).ends_with(
                ", rad " + std::to_string(bok.rader[static_cast<std::size_t>(antal - 1)])))
                << antal << ": " << e.what();
        }
    }
}

// A big ledger's lines go to the file as they are made: a character that
// cannot be written, in the second half or in the first after a mebibyte has
// gone out, is named by its line (of two, the first in the file), the file
// stays as it was and no temporary file is left.
TEST_F(Redovisningsfil, ACharacterWindows1252CannotHoldInABigLedgerIsNamedAndNothingWritten) {
    const std::vector<std::vector<std::size_t>> fall = {{45000}, {28000}, {3}, {45000, 28000}};
    for (const auto &platser : fall) {
        std::vector<TPost> poster(60000, TPost{1, "260101", 1930, 3010, 0, 10, "Kaffe och bullar"});
        for (const std::size_t plats : platser)
            poster[plats].text = "Kaffe ☕";
        const std::size_t forsta = *std::min_element(platser.begin(), platser.end());
        SkrivBytes(fil, "Gammal\r\n");
        try {
            SkrivRedovisningsfil(fil, "Stor bok", poster);
            ADD_FAILURE() << forsta;
        } catch (const Korningsfel &e) {
            EXPECT_EQ(std::string(e.what()),
                      "Tecknet '☕' kan inte sparas i filen (Windows-1252), rad " +
                          std::to_string(forsta + 2) + ".");
        }
        EXPECT_EQ(LasBytes(fil), "Gammal\r\n") << forsta;
        EXPECT_EQ(Filnamn(mapp.Mapp()), (std::vector<std::string>{"bok.red"})) << forsta;
    }
}

namespace {

// A big ledger whose texts are given as bytes, post by post, and what reading
// it must give: how the file is read is known only from all its bytes, while a
// big ledger is read piece by piece, by two threads.
struct Kodningsfall {
    const char *namn;
    const char *borjan;                        // before the name line: a byte order mark or nothing
    std::function<std::string(int)> textbytes; // post i's text as it stands in the file
    std::function<std::string(int)> text;      // and as it is read
    Filkodning kodning = Filkodning::Windows1252; // how the file is read
    const char *fel = nullptr;                    // or the start of the error raised
};

constexpr int kStorAntal = 30000;

std::string Kaffe(int i) {
    return "Kaffe " + std::to_string(i);
}

} // namespace

TEST_F(Redovisningsfil, ABigLedgerIsReadAsItsWholeBytesTellWhereverTheyStand) {
    const int sen = kStorAntal - 10; // a post in the second thread's last piece
    const std::string langtext(600000, 'x');
    const std::vector<Kodningsfall> fall = {
        {"windows-1252", "", [](int i) { return "F\xF6rs\xE4ljning " + std::to_string(i); },
         [](int i) { return "Försäljning " + std::to_string(i); }},
        {"utf-8 with a byte order mark", "\xEF\xBB\xBF",
         [](int i) { return "Försäljning " + std::to_string(i); },
         [](int i) { return "Försäljning " + std::to_string(i); }, Filkodning::Utf8},
        {"utf-8", "", [](int i) { return "Försäljning " + std::to_string(i); },
         [](int i) { return "Försäljning " + std::to_string(i); }, Filkodning::Utf8},
        {"ascii, one utf-8 text near the end", "",
         [&](int i) { return i == sen ? std::string("Caffè") : Kaffe(i); },
         [&](int i) { return i == sen ? std::string("Caffè") : Kaffe(i); }, Filkodning::Utf8},
        {"utf-8, one windows-1252 byte near the end", "",
         [&](int i) {
             return i == sen ? std::string("T\xE5") : "Försäljning " + std::to_string(i);
         },
         [&](int i) {
             return i == sen ? std::string("Tå")
                             : FranWindows1252("Försäljning " + std::to_string(i));
         }},
        {"ascii, one windows-1252 byte near the end", "",
         [&](int i) { return i == sen ? std::string("T\xE5") : Kaffe(i); },
         [&](int i) { return i == sen ? std::string("Tå") : Kaffe(i); }},
        {"a nul byte near the end", "",
         [&](int i) { return i == sen ? std::string("T\0a", 3) : Kaffe(i); }, Kaffe,
         Filkodning::Windows1252, "Filen är sparad som UTF-16"},
        {"a line longer than a piece", "", [&](int i) { return i == 5000 ? langtext : Kaffe(i); },
         [&](int i) { return i == 5000 ? langtext.substr(0, kTextlangd) : Kaffe(i); }},
    };
    for (const auto &f : fall) {
        std::string bytes = std::string(f.borjan) + "Stor bok\r\n";
        std::vector<TPost> vantade;
        for (int i = 1; i <= kStorAntal; ++i) {
            TPost post{i, "260101", 1930, 3010, 0, 12.5, f.textbytes(i)};
            bytes += Postrad(post) + (i % 2 ? "\r\n" : "\n");
            post.text = f.text(i);
            vantade.push_back(post);
        }
        bytes.pop_back(); // the last line without its line end
        ASSERT_GT(bytes.size(), std::size_t{1} << 20) << f.namn;
        SkrivBytes(fil, bytes);
        try {
            const auto innehall = LasRedovisningsfil(fil);
            EXPECT_EQ(f.fel, nullptr) << f.namn;
            EXPECT_EQ(innehall.namn, "Stor bok") << f.namn;
            EXPECT_EQ(innehall.kodning, f.kodning) << f.namn;
            EXPECT_TRUE(innehall.poster == vantade) << f.namn;
        } catch (const Korningsfel &e) {
            ASSERT_NE(f.fel, nullptr) << f.namn << ": " << e.what();
            EXPECT_TRUE(std::string(e.what()).starts_with(f.fel)) << f.namn << ": " << e.what();
        }
    }
}

// Posts of every shape read back as they were written: numbers of one to ten
// digits, texts of any length holding ";", so that the six field ends fall
// anywhere within and across the blocks the reader compares at once.
TEST_F(Redovisningsfil, PostsOfEveryShapeReadBackAsWritten) {
    std::mt19937_64 slump(20261208);
    const auto tal = [&] {
        const int siffror = 1 + static_cast<int>(slump() % 10);
        int64_t v = 0;
        for (int i = 0; i < siffror; ++i)
            v = v * 10 + static_cast<int64_t>(slump() % 10);
        return static_cast<int32_t>((slump() % 4 == 0 ? -1 : 1) * (v % 2147483647));
    };
    std::vector<TPost> poster;
    std::string bytes = "Alla former\r\n";
    for (int i = 0; i < 3000; ++i) {
        std::string text(slump() % (kTextlangd + 1), 'a');
        for (char &c : text)
            c = "ab;; x\xE5"[slump() % 7];
        TPost post{tal(), std::to_string(slump() % 100000000).substr(0, 1 + slump() % 8),
                   tal(), tal(),
                   tal(), static_cast<double>(tal()) / 100,
                   text};
        bytes += Postrad(post) + "\r\n";
        post.text = FranWindows1252(text);
        poster.push_back(post);
    }
    SkrivBytes(fil, bytes);
    const auto innehall = LasRedovisningsfil(fil);
    EXPECT_TRUE(innehall.poster == poster);
}

// The big-ledger reader sized its table from the first 256 KiB alone: a ledger
// that began with blank lines reserved room for a post every two bytes.
TEST(Styckelasning, TheTableStaysNearThePostCountWhateverTheLayout) {
    constexpr std::size_t kPoster = 40000;
    std::string poster;
    for (std::size_t i = 1; i <= kPoster; ++i)
        poster += std::to_string(i) + ";120101;" + std::to_string(i) + ",5;1930;3010;0;post " +
                  std::to_string(i) + "\r\n";
    const std::string tomma(std::size_t{256} << 10, '\n');
    const std::string langa = "1;120101;1;1930;3010;0;" + std::string(300 << 10, 'x') + "\r\n";
    const std::size_t mitt = poster.find("\r\n", poster.size() / 2) + 2;
    const struct {
        const char *namn;
        std::string bytes;
        std::size_t antal;
    } fall[] = {
        {"blank lines first", "Bok\r\n" + tomma + poster, kPoster},
        {"blank lines in the middle",
         "Bok\r\n" + poster.substr(0, mitt) + tomma + poster.substr(mitt), kPoster},
        {"blank lines last", "Bok\r\n" + poster + tomma, kPoster},
        {"a long line first", "Bok\r\n" + langa + poster, kPoster + 1},
    };
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("bok.red");
    for (const auto &f : fall) {
        SCOPED_TRACE(f.namn);
        SkrivBytes(fil, f.bytes);
        const auto innehall = LasRedovisningstabell(fil);
        EXPECT_EQ(innehall.poster.size(), f.antal + 1);
        EXPECT_LE(innehall.poster.capacity(), 2 * f.antal + 4096);
    }
}

// Samples that agree and all find long lines, while short ones fill the file
// between them: the first thread's table outgrows the room judged for it while
// the second thread may be filling pages of it. Every post comes back in order,
// as the plain reading of the same bytes gives them.
TEST(Styckelasning, AFirstPartLongerThanJudgedGrowsItsTable) {
    constexpr std::size_t kSprang = std::size_t{256} << 10; // between samples
    const std::string langd(100, 'x');
    std::string bytes = "Bok\r\n";
    std::vector<TPost> poster;
    const auto lagg = [&](bool lang) {
        TPost post;
        post.vernr = static_cast<int32_t>(poster.size() % 1000);
        post.datum = "120101";
        post.belopp = 1;
        post.debet = 1930;
        post.kredit = 3010;
        post.text = lang ? langd : "";
        bytes += Postrad(post) + "\r\n";
        poster.push_back(post);
    };
    while (bytes.size() < 16 * kSprang) {
        // Long lines where the first piece and each sample are read.
        const bool lang =
            bytes.size() < kSprang || bytes.size() % kSprang < (std::size_t{24} << 10);
        lagg(lang);
    }
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("bok.red");
    SkrivBytes(fil, bytes);
    const auto innehall = LasRedovisningstabell(fil);
    ASSERT_EQ(innehall.poster.size(), poster.size() + 1);
    EXPECT_TRUE(std::equal(poster.begin(), poster.end(), innehall.poster.begin() + 1));
    EXPECT_EQ(innehall.namn, "Bok");
}
