// The shared parts of the SIE files: the PC8 character set and its detection,
// the quoting of fields, the splitting of records and the reading of dates.

#include "maintenance/Siefil.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace tovana;

TEST(Pc8, EveryByteRoundTrips) {
    std::string bytes;
    for (int b = 0x20; b < 0x100; ++b)
        bytes += static_cast<char>(b);
    EXPECT_EQ(TillPc8(FranPc8(bytes)), bytes);
    EXPECT_EQ(TillPc8("åäöÅÄÖéü"), "\x86\x84\x94\x8F\x8E\x99\x82\x81");
}

TEST(Pc8, LackingCharactersBecomeTheirNearestLetterOrAQuestionMark) {
    const std::vector<std::pair<std::string, std::string>> fall = {
        {"Øre", "Ore"},   {"Šárka", "S\xA0rka"}, {"A–B", "A-B"},      {"€ 5", "EUR 5"},
        {"„x“", "\"x\""}, {"中", "?"},           {"œuvre", "oeuvre"}, {"å\xFFz", "\x86?z"}};
    for (const auto &[text, bytes] : fall)
        EXPECT_EQ(TillPc8(text), bytes) << text;
}

TEST(Sietext, DetectsTheCharacterSet) {
    struct Fall {
        std::string bytes;
        Siekodning kodning;
        std::string text;
    };
    const std::vector<Fall> fall = {
        {"#FNAMN \"\x86\x84\x94\"", Siekodning::Pc8, "#FNAMN \"åäö\""},
        {"#FNAMN \"\xE5\xE4\xF6\"", Siekodning::Windows1252, "#FNAMN \"åäö\""},
        {"#FNAMN \"åäö\"", Siekodning::Utf8, "#FNAMN \"åäö\""},
        {"\xEF\xBB\xBF#FLAGGA 0", Siekodning::Utf8, "#FLAGGA 0"},
        {"#FLAGGA 0", Siekodning::Pc8, "#FLAGGA 0"},
        // As many letters of each: the format's own set wins.
        {"\x84\xE4", Siekodning::Pc8, "äΣ"},
    };
    for (const auto &f : fall) {
        const auto tolkad = LasSietext(f.bytes);
        ASSERT_TRUE(tolkad) << f.text;
        EXPECT_EQ(tolkad->kodning, f.kodning) << f.text;
        EXPECT_EQ(tolkad->text, f.text);
    }
    EXPECT_FALSE(LasSietext(std::string("\xFF\xFE#\0F\0", 6)));
    EXPECT_FALSE(LasSietext(std::string("#FLAGGA\0 0", 10)));
}

TEST(Sierad, QuotedFieldsRoundTrip) {
    for (const std::string text :
         {"", "Bank", "Två ord", "Sa \"hej\"", "C:\\mapp\\", "\\\"", "{6 \"1\"}", " kant "}) {
        std::string fel;
        const auto post = TolkaSierad("#KONTO 1930 " + Citerat(text) + " sist", fel);
        ASSERT_TRUE(post) << text << ": " << fel;
        ASSERT_EQ(post->falt.size(), 3u) << text;
        EXPECT_EQ(post->falt[1].text, text);
        EXPECT_EQ(post->falt[2].text, "sist");
    }
    EXPECT_EQ(Citerat("a\tb"), "\"a b\"");
}

namespace {

// A reader that knows only what the format says of a quoted field: \" is a
// quote, every other byte is itself, and the field ends at the next bare quote.
std::optional<std::string> StriktFalt(const std::string &citerat) {
    if (citerat.size() < 2 || citerat.front() != '"')
        return std::nullopt;
    std::string ut;
    for (std::size_t i = 1; i < citerat.size(); ++i) {
        if (citerat[i] == '\\' && i + 1 < citerat.size() && citerat[i + 1] == '"') {
            ut += '"';
            ++i;
        } else if (citerat[i] == '"') {
            return i + 1 == citerat.size() ? std::optional(ut) : std::nullopt;
        } else {
            ut += citerat[i];
        }
    }
    return std::nullopt;
}

} // namespace

// A name ending in a backslash was written "C:\\" and a reader that follows the
// format took the closing quote as escaped; a DEL byte went into the file as it was.
TEST(Sierad, AwkwardTextsStayReadableAndReadBackUnchanged) {
    std::mt19937 slump(20);
    const std::vector<std::string> tecken = {"a", "Å", " ",    "\\", "\"",    "{",
                                             "}", "#", "\x7F", "\t", "\u201D"};
    for (int varv = 0; varv < 2000; ++varv) {
        std::string text;
        for (int n = std::uniform_int_distribution<int>(0, 8)(slump); n > 0; --n)
            text += tecken[std::uniform_int_distribution<std::size_t>(0, tecken.size() - 1)(slump)];
        std::string vantat;
        for (const char c : text)
            vantat += static_cast<unsigned char>(c) < ' ' || c == '\x7F' ? ' ' : c;
        const std::string fil = TillPc8(Citerat(text));
        for (const char c : fil)
            EXPECT_FALSE(static_cast<unsigned char>(c) < ' ' || c == '\x7F') << text;

        std::string fel;
        const auto post = TolkaSierad(FranPc8("#KONTO 1930 " + fil + " sist"), fel);
        ASSERT_TRUE(post) << text << ": " << fel;
        ASSERT_EQ(post->falt.size(), 3u) << text;
        EXPECT_EQ(TillPc8(post->falt[1].text), TillPc8(vantat)) << text;

        // The format's own reading gives the text, with at most the one blank
        // that follows a final backslash.
        const auto strikt = StriktFalt(fil);
        ASSERT_TRUE(strikt) << fil;
        EXPECT_TRUE(*strikt == TillPc8(vantat) || *strikt == TillPc8(vantat) + " ") << fil;
    }
}

// Files whose writer left a final backslash unescaped ("C:\") still read.
TEST(Sierad, AFinalBackslashBeforeTheClosingQuoteIsRead) {
    std::string fel;
    const auto post = TolkaSierad("#KONTO 1930 \"C:\\\"", fel);
    ASSERT_TRUE(post) << fel;
    EXPECT_EQ(post->falt[1].text, "C:\\");
}

TEST(Kontrollsumma, IsTheCrc32OfLabelsAndFieldTexts) {
    // Values from an independent CRC-32 (the polynomial of zlib and of the format).
    std::string fel;
    const auto konto = TolkaSierad("#KONTO  1930 \"Bank konto\"", fel);
    const auto trans = TolkaSierad("#TRANS 1930 {6 \"10\"} 1.00", fel);
    Kontrollsumma summa;
    EXPECT_EQ(summa.Varde(), 0u);
    summa.Lagg(*konto);
    EXPECT_EQ(summa.Varde(), 2978415374u); // "#KONTO1930Bank konto"
    Kontrollsumma bara;
    bara.Lagg(*trans);
    EXPECT_EQ(bara.Varde(), 2542130736u); // "#TRANS19306101.00"
    summa.Lagg(*trans);
    EXPECT_EQ(summa.Varde(), 2672111573u);
}

// A typographic quote in a name became a bare quote in PC8 and cut the field short.
TEST(Sierad, TypographicQuotesSurviveThePc8File) {
    for (const std::string text : {"\u201Ehej\u201D", "A \u201Cb\u201D c", "\u201D"}) {
        std::string fel;
        const auto post =
            TolkaSierad(FranPc8(TillPc8("#KONTO 1930 " + Citerat(text) + " sist")), fel);
        ASSERT_TRUE(post) << text << ": " << fel;
        ASSERT_EQ(post->falt.size(), 3u) << text;
        EXPECT_EQ(post->falt[1].text, FranPc8(TillPc8(text))) << text;
        EXPECT_EQ(post->falt[2].text, "sist");
    }
}

TEST(Sierad, SplitsLabelFieldsAndObjectLists) {
    std::string fel;
    const auto post = TolkaSierad("  #trans\t3010 {1 \"Syd\" 6 10} -1250.50 \"\" C:\\x", fel);
    ASSERT_TRUE(post) << fel;
    EXPECT_EQ(post->etikett, "#TRANS");
    ASSERT_EQ(post->falt.size(), 5u);
    EXPECT_EQ(post->falt[0].text, "3010");
    EXPECT_TRUE(post->falt[1].lista);
    EXPECT_EQ(post->falt[1].delar, (std::vector<std::string>{"1", "Syd", "6", "10"}));
    EXPECT_EQ(post->falt[2].text, "-1250.50");
    EXPECT_EQ(post->falt[3].text, "");
    // A backslash before anything but a quote stands for itself.
    EXPECT_EQ(post->falt[4].text, "C:\\x");

    EXPECT_TRUE(TolkaSierad("#TRANS 1930 {}", fel)->falt[1].lista);
}

TEST(Sierad, RefusesOpenQuotesAndBracesAndLinesWithoutALabel) {
    const std::vector<std::pair<std::string, std::string>> fall = {
        {"#KONTO 1930 \"Bank", "citattecknet avslutas aldrig."},
        {"#TRANS 1930 {6 \"1\" 100.00", "objektlistan avslutas aldrig med }."},
        {"#TRANS 1930 {6 \"1} 100.00", "citattecknet avslutas aldrig."},
        {"KONTO 1930", "raden börjar inte med en etikett (#...)."}};
    for (const auto &[rad, orsak] : fall) {
        std::string fel;
        EXPECT_FALSE(TolkaSierad(rad, fel)) << rad;
        EXPECT_EQ(fel, orsak) << rad;
    }
}

TEST(Siedatum, ReadsThePostDateForms) {
    struct Fall {
        const char *datum;
        const char *fran;
        const char *till;
        std::optional<std::string> ut;
    };
    const std::vector<Fall> fall = {
        {"120315", "20120101", "20121231", "20120315"},
        {"20120315", "20120101", "20121231", "20120315"},
        {"0315", "20120101", "20121231", "20120315"},
        {"15/3", "20120101", "20121231", "20120315"},
        {"5/12", "20120101", "20121231", "20121205"},
        {"05/12", "20120101", "20121231", "20121205"},
        {"2012-03-15", "20120101", "20121231", "20120315"},
        {" 120315 ", "20120101", "20121231", "20120315"},
        {"0229", "20120101", "20121231", "20120229"},
        // A year over two calendar years places a date without a year in the right one.
        {"0215", "20120701", "20130630", "20130215"},
        {"1/9", "20120701", "20130630", "20120901"},
        {"990315", "19990101", "19991231", "19990315"},
        {"990315", "19990701", "20000630", "19990315"},
        // Outside the year: given back for the caller to judge.
        {"110315", "20120101", "20121231", "20110315"},
        {"0229", "20130101", "20131231", std::nullopt},
        {"1315", "20120101", "20121231", std::nullopt},
        {"32/1", "20120101", "20121231", std::nullopt},
        {"12031", "20120101", "20121231", std::nullopt},
        {"", "20120101", "20121231", std::nullopt},
        {"15.3", "20120101", "20121231", std::nullopt},
        {"2012-3-15", "20120101", "20121231", std::nullopt}};
    for (const auto &f : fall)
        EXPECT_EQ(Datum8(f.datum, f.fran, f.till), f.ut) << f.datum << " " << f.fran;
}

TEST(Siedatum, ChecksCalendarDates) {
    EXPECT_TRUE(ArSiedatum("20000229"));
    EXPECT_FALSE(ArSiedatum("19000229"));
    EXPECT_FALSE(ArSiedatum("2012031"));
    EXPECT_EQ(Datumar("990315", 1946), 1999);
    EXPECT_EQ(Datumar("0315", 1946), std::nullopt);
}
