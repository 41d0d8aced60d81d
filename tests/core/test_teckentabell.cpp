// Windows-1252 in the files, UTF-8 inside the program, and limits that count characters.

#include "core/Fel.h"
#include "core/Teckentabell.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <random>
#include <string>
#include <vector>

using namespace tovana;

namespace {

std::string AllaBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

// The character the system's own converter gives for a byte, or 0 when it has none.
char32_t SystemetsTecken(iconv_t cd, unsigned char byte) {
    char in = static_cast<char>(byte);
    char32_t ut = 0;
    char *inp = &in;
    char *utp = reinterpret_cast<char *>(&ut);
    std::size_t inkvar = 1, utkvar = sizeof ut;
    if (::iconv(cd, &inp, &inkvar, &utp, &utkvar) == static_cast<std::size_t>(-1))
        return 0;
    return ut;
}

} // namespace

TEST(Windows1252, EveryByteRoundTripsThroughUtf8) {
    const std::string bytes = AllaBytes();
    const std::string text = FranWindows1252(bytes);
    EXPECT_EQ(Teckenantal(text), 256u);
    EXPECT_TRUE(ArWindows1252Text(text));
    const std::string tillbaka = TillWindows1252(text);
    ASSERT_EQ(tillbaka.size(), 256u);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(static_cast<unsigned char>(tillbaka[b]), b) << "byte " << b;
}

TEST(Windows1252, DefinedBytesMatchTheSystemConverter) {
    iconv_t cd = ::iconv_open("UTF-32LE", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1))
        GTEST_SKIP() << "no CP1252 converter on this system";
    int jamforda = 0;
    for (int b = 0; b < 256; ++b) {
        const char32_t vantat = SystemetsTecken(cd, static_cast<unsigned char>(b));
        if (vantat == 0 && b != 0)
            continue; // one of the five bytes Windows-1252 leaves undefined
        EXPECT_EQ(static_cast<uint32_t>(TeckenForByte(static_cast<unsigned char>(b))),
                  static_cast<uint32_t>(vantat))
            << "byte " << b;
        ++jamforda;
    }
    ::iconv_close(cd);
    EXPECT_EQ(jamforda, 251);
}

TEST(Windows1252, EuroDashAndSwedishLettersMapToTheirBytes) {
    EXPECT_EQ(TillWindows1252("€"), "\x80");
    EXPECT_EQ(TillWindows1252("–"), "\x96");
    EXPECT_EQ(TillWindows1252("åäöÅÄÖ"), "\xE5\xE4\xF6\xC5\xC4\xD6");
    EXPECT_EQ(TillWindows1252("Kassa 1 000 €; – ok"), "Kassa 1 000 \x80; \x96 ok");
    EXPECT_EQ(FranWindows1252("\x80\x96\xE5"), "€–å");
}

TEST(Windows1252, TheFiveUndefinedBytesBecomeControlCharactersAndBack) {
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(static_cast<uint32_t>(TeckenForByte(b)), b);
        const std::string byte(1, static_cast<char>(b));
        const std::string text = FranWindows1252(byte);
        EXPECT_EQ(Teckenantal(text), 1u);
        EXPECT_EQ(TillWindows1252(text), byte);
    }
}

TEST(Windows1252, CharactersOutsideTheSetAreRefusedNotReplaced) {
    // Latin a with macron, Greek omega, an emoji, and a C1 control that 1252 uses for "€".
    for (const char *text : {"Ā", "abcΩ", "😀", "\u0080"}) {
        EXPECT_FALSE(ArWindows1252Text(text)) << text;
        EXPECT_THROW(TillWindows1252(text), Korningsfel) << text;
    }
    EXPECT_FALSE(KanSkrivasSomWindows1252(U'\u0100'));
    EXPECT_TRUE(KanSkrivasSomWindows1252(U'€'));
    EXPECT_TRUE(KanSkrivasSomWindows1252(U'\u008D'));
}

TEST(Windows1252, MalformedUtf8IsRefusedRatherThanWrittenAsGarbage) {
    for (const char *text : {"\xC3", "a\xC3(b", "\xE2\x82", "\xFF", "\x80"}) {
        EXPECT_FALSE(ArWindows1252Text(text));
        EXPECT_THROW(TillWindows1252(text), Korningsfel);
    }
}

TEST(Teckenantal, CountsCharactersNotBytes) {
    EXPECT_EQ(Teckenantal(""), 0u);
    EXPECT_EQ(Teckenantal("abc"), 3u);
    EXPECT_EQ(Teckenantal("åäö"), 3u);
    EXPECT_EQ(Teckenantal("€–"), 2u);
}

TEST(ForstaTecken, CutsAtACharacterBoundary) {
    EXPECT_EQ(ForstaTecken("åäö", 2), "åä");
    EXPECT_EQ(ForstaTecken("a€b", 2), "a€");
    EXPECT_EQ(ForstaTecken("abc", 0), "");
    EXPECT_EQ(ForstaTecken("abc", 10), "abc");

    std::string atti;
    for (int i = 0; i < 80; ++i)
        atti += "å";
    EXPECT_EQ(ForstaTecken(atti, 80), atti);

    std::string hundra;
    for (int i = 0; i < 100; ++i)
        hundra += "ö";
    const std::string kortad = ForstaTecken(hundra, 80);
    EXPECT_EQ(Teckenantal(kortad), 80u);
    EXPECT_EQ(kortad, hundra.substr(0, 160));
}

// A file saved as UTF-8 by another editor was read as mojibake and written back so.
TEST(Tolka, ValidUtf8WithAMultiByteSequenceOrABomIsUtf8AnythingElseWindows1252) {
    struct Fall {
        std::string bytes;
        Filkodning kodning;
        std::string text; // the bytes as read
    };
    const Fall fall[] = {
        {"F\xC3\xB6retag\r\n", Filkodning::Utf8, "F\xC3\xB6retag\r\n"},
        {"\xEF\xBB\xBF"
         "Bok\r\n",
         Filkodning::Utf8, "Bok\r\n"},
        {"\xEF\xBB\xBF", Filkodning::Utf8, ""},
        {"Bok\r\n", Filkodning::Windows1252, "Bok\r\n"},
        {"", Filkodning::Windows1252, ""},
        {"F\xF6retag", Filkodning::Windows1252, "F\xF6retag"},
        {"\xC3\xB6 och \xF6", Filkodning::Windows1252, "\xC3\xB6 och \xF6"}, // mixed: not UTF-8
        {"\xC3", Filkodning::Windows1252, "\xC3"},                           // cut short
        {"\xC0\xAF", Filkodning::Windows1252, "\xC0\xAF"},                   // overlong
        {"\xED\xA0\x80", Filkodning::Windows1252, "\xED\xA0\x80"},           // a surrogate
        {"\xE2\x82\xAC 5", Filkodning::Utf8, "\xE2\x82\xAC 5"},
        {"\xF0\x9F\x98\x80", Filkodning::Utf8, "\xF0\x9F\x98\x80"},
    };
    for (const auto &f : fall) {
        const Filtext t = Tolka(f.bytes, "fil");
        EXPECT_EQ(t.kodning, f.kodning) << f.bytes;
        EXPECT_EQ(t.bytes, f.text);
    }
    EXPECT_EQ(Avkoda("F\xC3\xB6r", Filkodning::Utf8), "För");
    EXPECT_EQ(Avkoda("F\xF6r", Filkodning::Windows1252), "För");
}

// A chart or ledger the program wrote under a name beginning "ÿþ" was refused as UTF-16
// when opened again, though it holds no NUL byte.
TEST(Tolka, AWindows1252TextBeginningWithTheBytesOfAByteOrderMarkIsRead) {
    for (const std::string &bytes :
         {std::string("\xFF\xFE-plan\r\n1;1930;Bank\r\n"), std::string("\xFE\xFF\r\n")}) {
        const Filtext text = Tolka(bytes, "/hem/plan.kpl");
        EXPECT_EQ(text.kodning, Filkodning::Windows1252);
        EXPECT_EQ(text.bytes, bytes);
    }
}

// A UTF-16 file's message showed only "'1": its NUL bytes cut the message short.
TEST(Tolka, AUtf16FileIsRefusedNamingTheFile) {
    for (const std::string &bytes : {std::string("\xFF\xFE"
                                                 "B\0",
                                                 4),
                                     std::string("\xFE\xFF\0B", 4), std::string("1\0;\0", 4)}) {
        try {
            Tolka(bytes, "/hem/bok.red");
            ADD_FAILURE() << "a UTF-16 file was read";
        } catch (const Korningsfel &fel) {
            EXPECT_EQ(std::string(fel.what()),
                      "Filen är sparad som UTF-16 och kan inte läsas. Spara den som "
                      "Windows-1252 (ANSI) eller UTF-8.\nFil: /hem/bok.red");
        }
    }
}

TEST(TillWindows1252Fil, NamesTheCharacterAndItsLine) {
    EXPECT_EQ(TillWindows1252Fil("Bok\r\nF\xC3\xB6r \xE2\x82\xAC\r\n"), "Bok\r\nF\xF6r \x80\r\n");
    const auto meddelande = [](std::string_view text, long forsta) {
        try {
            TillWindows1252Fil(text, forsta);
        } catch (const Korningsfel &fel) {
            return std::string(fel.what());
        }
        return std::string("OK");
    };
    EXPECT_EQ(meddelande("Bok\r\na\r\nb \xCE\xA9\r\n", 1),
              "Tecknet 'Ω' kan inte sparas i filen (Windows-1252), rad 3.");
    EXPECT_EQ(meddelande("a\r\nb \xCE\xA9\r\n", 7),
              "Tecknet 'Ω' kan inte sparas i filen (Windows-1252), rad 8.");
    EXPECT_EQ(meddelande("b \xCE\xA9\r\n", 0),
              "Tecknet 'Ω' kan inte sparas i filen (Windows-1252).");
}

TEST(Windows1252, OverlongSurrogateAndOutOfRangeSequencesAreRefused) {
    // An overlong NUL in a file marked UTF-8 was written back as a NUL byte, and the
    // saved file was then refused as UTF-16.
    for (const char *text : {"\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xF0\x80\x80\x80",
                             "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80"}) {
        EXPECT_FALSE(ArWindows1252Text(text)) << Visningstext(text);
        EXPECT_THROW(TillWindows1252(text), Korningsfel) << Visningstext(text);
    }
}
