// The number texts and the parsing of integers and amounts.

#include "core/Fel.h"
#include "core/Taltext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

using namespace tovana;

struct Exempel {
    double varde;
    const char *text;
};

void PrintTo(const Exempel &e, std::ostream *os) {
    *os << e.text;
}

// The value printed by the C library in this format, with a decimal comma.
std::string MedKomma(double v, const char *format) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    std::string text = buf;
    for (char &c : text)
        if (c == '.')
            c = ',';
    return text;
}

class BeloppstextTest : public ::testing::TestWithParam<Exempel> {};

TEST_P(BeloppstextTest, GivesTheAmountText) {
    EXPECT_EQ(Beloppstext(GetParam().varde), GetParam().text);
}

// Texts that stay as they were: below 1 000 000 on screen, below 100 000 000
// in printouts, and the scientific form from 10 000 000 000.
INSTANTIATE_TEST_SUITE_P(Examples, BeloppstextTest,
                         ::testing::Values(Exempel{1234567.5, "1 234 567,50"}, Exempel{0, "0,00"},
                                           Exempel{0.005, "0,01"},
                                           Exempel{12345678901.0, "1,23456789E10"},
                                           Exempel{0.5, "0,50"}, Exempel{-1250.5, "-1 250,50"},
                                           Exempel{999.995, "1 000,00"}, Exempel{0.125, "0,13"},
                                           Exempel{-0.125, "-0,13"}, Exempel{0.285, "0,29"},
                                           Exempel{-0.004, "0,00"}, Exempel{9999999999.999, "1E10"},
                                           Exempel{100, "100,00"}, Exempel{0.1 + 0.2, "0,30"},
                                           Exempel{99999999.995, "100 000 000,00"},
                                           Exempel{-12345678901.0, "-1,23456789E10"}));

// Amounts from 100 000 000 were rounded to 10 significant digits, so the öre
// of 123 456 789,125 was lost; they now show the exact öre up to 10^10.
INSTANTIATE_TEST_SUITE_P(
    ExactOre, BeloppstextTest,
    ::testing::Values(Exempel{1234567.89, "1 234 567,89"}, Exempel{123456789.125, "123 456 789,13"},
                      Exempel{-123456789.125, "-123 456 789,13"},
                      Exempel{9999999999.99, "9 999 999 999,99"},
                      Exempel{-9999999999.99, "-9 999 999 999,99"}, Exempel{9999999999.995, "1E10"},
                      Exempel{10000000000.0, "1E10"}, Exempel{10000000000.01, "1E10"}));

class KortBeloppstextTest : public ::testing::TestWithParam<Exempel> {};

TEST_P(KortBeloppstextTest, GivesTheScreenAmountText) {
    EXPECT_EQ(KortBeloppstext(GetParam().varde), GetParam().text);
}

// The screen text rounded to 8 significant digits, so a bank balance of
// 1 234 567,89 showed as 1 234 567,90; below 1 000 000 it is as it was.
INSTANTIATE_TEST_SUITE_P(
    Examples, KortBeloppstextTest,
    ::testing::Values(Exempel{0, "0,00"}, Exempel{999999.994, "999 999,99"},
                      Exempel{-0.125, "-0,13"}, Exempel{12345678, "12 345 678,00"},
                      Exempel{1234567.89, "1 234 567,89"}, Exempel{1234567.891, "1 234 567,89"},
                      Exempel{123456789, "123 456 789,00"},
                      Exempel{123456789.125, "123 456 789,13"},
                      Exempel{9999999999.99, "9 999 999 999,99"},
                      Exempel{12345678901.0, "1,2345679E10"}, Exempel{-10000000000.0, "-1E10"}));

TEST(Beloppstext, EveryOreBelowTenThousandMillionReadsBackExactly) {
    // Amounts in whole öre, screen and printout texts alike, grouping removed.
    std::mt19937_64 slump(7);
    std::uniform_int_distribution<long long> ore(-999999999999LL, 999999999999LL);
    for (int i = 0; i < 20000; ++i) {
        const long long n = ore(slump);
        const double v = static_cast<double>(n) / 100.0;
        std::string text = KortBeloppstext(v);
        ASSERT_EQ(text, Beloppstext(v));
        std::erase(text, ' ');
        ASSERT_EQ(TextTillBelopp(text), v) << n;
    }
}

TEST(Taltext, DropsTrailingZerosAndGoesScientificAtTheEnds) {
    EXPECT_EQ(Taltext(100.5), "100,5");
    EXPECT_EQ(Taltext(100), "100");
    EXPECT_EQ(Taltext(1250.50), "1250,5");
    EXPECT_EQ(Taltext(-0.25), "-0,25");
    EXPECT_EQ(Taltext(0), "0");
    EXPECT_EQ(Taltext(0.0001), "0,0001");
    EXPECT_EQ(Taltext(0.00001), "1E-5");
    EXPECT_EQ(Taltext(0.000012), "1,2E-5");
    EXPECT_EQ(Taltext(1e15), "1E15");
    EXPECT_EQ(Taltext(999999999999999.0), "999999999999999");
    EXPECT_EQ(Taltext(0.1 + 0.2), "0,3");
    EXPECT_EQ(Taltext(123456789012.345), "123456789012,345");
}

TEST(Tusentalsavgransare, CanBeChangedForDisplay) {
    SattTusentalsavgransare(".");
    EXPECT_EQ(Beloppstext(1234567.5), "1.234.567,50");
    SattTusentalsavgransare(" ");
    EXPECT_EQ(Beloppstext(1234567.5), "1 234 567,50");
}

TEST(TextTillHeltal, ReadsSignBlanksAndHex) {
    EXPECT_EQ(TextTillHeltal("07"), 7);
    EXPECT_EQ(TextTillHeltal("  12"), 12);
    EXPECT_EQ(TextTillHeltal("-5"), -5);
    EXPECT_EQ(TextTillHeltal("+5"), 5);
    EXPECT_EQ(TextTillHeltal("$FF"), 255);
    EXPECT_EQ(TextTillHeltal("$00EEDADA"), 0x00EEDADA);
    EXPECT_EQ(TextTillHeltal("2147483647"), 2147483647);
    EXPECT_EQ(TextTillHeltal("-2147483648"), INT32_MIN);
}

TEST(TextTillHeltal, RefusesWithTheRuntimeMessage) {
    for (const char *fel : {"", " ", "12 ", "1a", "abc", "1,5", "2147483648", "$", "-", "$G1"}) {
        try {
            TextTillHeltal(fel);
            ADD_FAILURE() << "accepted '" << fel << "'";
        } catch (const Korningsfel &e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(fel) + "' is not a valid integer value");
        }
    }
}

TEST(TextTillBelopp, ReadsDecimalCommaAndExponent) {
    EXPECT_DOUBLE_EQ(TextTillBelopp("1000,50"), 1000.5);
    EXPECT_DOUBLE_EQ(TextTillBelopp(" 12 "), 12);
    EXPECT_DOUBLE_EQ(TextTillBelopp("-0,5"), -0.5);
    EXPECT_DOUBLE_EQ(TextTillBelopp(",5"), 0.5);
    EXPECT_DOUBLE_EQ(TextTillBelopp("1,5E3"), 1500);
    EXPECT_DOUBLE_EQ(TextTillBelopp("1e-2"), 0.01);
}

TEST(TextTillBelopp, RefusesGroupingPointsAndJunk) {
    for (const char *fel :
         {"1 000,50", "1000.50", "", "  ", "abc", "1,5,0", "E5", "1e", "--1", "1e999"}) {
        try {
            TextTillBelopp(fel);
            ADD_FAILURE() << "accepted '" << fel << "'";
        } catch (const Korningsfel &e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(fel) + "' is not a valid floating point value");
        }
    }
}

TEST(ArOppetSaldo, OneHundredthIsOpenHalfAnOreIsNot) {
    EXPECT_TRUE(ArOppetSaldo(0.01));
    EXPECT_TRUE(ArOppetSaldo(-0.01));
    EXPECT_FALSE(ArOppetSaldo(0.005));
    EXPECT_FALSE(ArOppetSaldo(std::nextafter(0.01, 0.0)));
    EXPECT_FALSE(ArOppetSaldo(0.1 + 0.2 - 0.3));
    EXPECT_TRUE(ArOppetSaldo(300));
}

TEST(Taltext, ARewrittenLedgerKeepsEveryAmountThatWasTyped) {
    // Amounts in öre up to ten thousand million, and values of 15 significant digits
    // with every position of the decimal comma, read back exactly from their Taltext.
    for (long ore = 0; ore < 2000000; ore += 7) {
        const double v = static_cast<double>(ore) / 100.0;
        ASSERT_EQ(TextTillBelopp(Taltext(v)), v) << Taltext(v);
        ASSERT_EQ(TextTillBelopp(Taltext(-v)), -v) << Taltext(-v);
    }
    const double femton = 123456789012345.0;
    for (int decimaler = 0; decimaler <= 20; ++decimaler) {
        const double v = femton / std::pow(10.0, decimaler);
        EXPECT_EQ(TextTillBelopp(Taltext(v)), v) << Taltext(v);
    }
    EXPECT_EQ(TextTillBelopp(Taltext(1e300)), 1e300);
    EXPECT_EQ(TextTillBelopp(Taltext(1e-300)), 1e-300);
}

namespace {

// A value's 15 significant digits; -0 is the same value as 0 and is written so.
std::string Femton(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v == 0 ? 0.0 : v);
    return buf;
}

} // namespace

// 1,7976931348623157E308 was read, then rewritten as a 15-digit text that overflows and
// that the reader refused, so one delete made the ledger unreadable.
TEST(TextTillBelopp, EveryAmountReadIsWrittenBackAsATextThatReadsTheSame) {
    const double storsta = std::numeric_limits<double>::max();
    for (const char *nara : {"1,7976931348623157E308", "-1,7976931348623157E308",
                             "1,79769313486232E308", "1,797693134862316E308"})
        EXPECT_THROW(TextTillBelopp(nara), Korningsfel) << nara;
    // The largest value whose 15-digit text still reads, and the awkward small ones.
    const double kanter[] = {1.79769313486231e308,
                             -1.79769313486231e308,
                             1.7976931348623149e308,
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::min(),
                             -0.0,
                             0.0,
                             1e15,
                             999999999999999.9};
    // Values from random bits: each that the reader accepts comes back the same to 15 digits.
    std::mt19937_64 slump(20261208);
    std::vector<double> varden(std::begin(kanter), std::end(kanter));
    for (int i = 0; i < 200000; ++i) {
        const uint64_t bitar = slump();
        double v;
        std::memcpy(&v, &bitar, sizeof v);
        varden.push_back(v);
    }
    int lasta = 0;
    for (const double v : varden) {
        const std::string text = MedKomma(v, "%.17g");
        double last = 0;
        if (!std::isfinite(v) || !ForsokTextTillBelopp(text, last))
            continue;
        ++lasta;
        ASSERT_LE(std::fabs(last), storsta);
        const std::string skriven = Taltext(last);
        double igen = 0;
        ASSERT_TRUE(ForsokTextTillBelopp(skriven, igen)) << text << " -> " << skriven;
        ASSERT_EQ(Femton(igen), Femton(last)) << text << " -> " << skriven;
    }
    EXPECT_GT(lasta, 100000);
}

// A 1 MB bad field gave a 1 MB message, and a NUL byte cut the message short.
TEST(TextTillHeltal, TheMessageShowsFortyCharactersWithoutControlCharacters) {
    const auto meddelande = [](auto &&las, std::string_view text) {
        try {
            las(text);
        } catch (const Korningsfel &fel) {
            return std::string(fel.what());
        }
        return std::string("OK");
    };
    const auto heltal = [](std::string_view t) { TextTillHeltal(t); };
    const auto belopp = [](std::string_view t) { TextTillBelopp(t); };
    const std::string stor(1 << 20, 'x');
    EXPECT_EQ(meddelande(heltal, stor),
              "'" + std::string(40, 'x') + "…' is not a valid integer value");
    EXPECT_EQ(meddelande(belopp, std::string_view("1\0x\r\n\x7F", 6)),
              "'1?x??"
              "?' is not a valid floating point value");
    EXPECT_EQ(meddelande(heltal, std::string(39, 'a') + "åäö"),
              "'" + std::string(39, 'a') + "å…' is not a valid integer value");
    EXPECT_EQ(meddelande(heltal, std::string(40, 'a')),
              "'" + std::string(40, 'a') + "' is not a valid integer value");
}

// The exchange files' amounts: a decimal point, two decimals, never grouped or
// scientific, and read back to the same öre.
TEST(Punktbelopp, WritesTwoDecimalsWithAPoint) {
    const std::vector<Exempel> fall = {{1250.5, "1250.50"},
                                       {-1250.5, "-1250.50"},
                                       {0, "0.00"},
                                       {-0.004, "0.00"},
                                       {0.285, "0.29"},
                                       {-0.125, "-0.13"},
                                       {1e12, "1000000000000.00"},
                                       {12345678901.25, "12345678901.25"}};
    for (const auto &f : fall) {
        EXPECT_EQ(Punktbelopp(f.varde), f.text) << f.varde;
        double tillbaka = 0;
        ASSERT_TRUE(ForsokPunktbelopp(Punktbelopp(f.varde), tillbaka)) << f.text;
        EXPECT_EQ(Punktbelopp(tillbaka), f.text);
    }
}

TEST(Punktbelopp, ReadsOnlyDigitsWithAnOptionalPoint) {
    double v = 0;
    for (const char *bra : {"12", "-12.5", "+0.01", "1250.505"})
        EXPECT_TRUE(ForsokPunktbelopp(bra, v)) << bra;
    for (const char *daligt : {"", "-", "1,5", "1.", ".5", "1e5", " 1", "1 000", "12a", "1.2.3"})
        EXPECT_FALSE(ForsokPunktbelopp(daligt, v)) << daligt;
    ASSERT_TRUE(ForsokPunktbelopp("-1250.50", v));
    EXPECT_EQ(v, -1250.5);
}

// Amounts of up to 15 digits take a short way; a leading blank sends the same
// text the general way, so the two must agree on every such text, bit for bit,
// including which texts they refuse.
TEST(TextTillBelopp, TheShortWayForCommonAmountsAgreesWithTheGeneralOne) {
    std::mt19937_64 slump(8122026);
    const std::string tecken = "0123456789,,-+";
    int lasta = 0;
    for (int i = 0; i < 300000; ++i) {
        std::string text;
        const auto langd = 1 + slump() % 19;
        for (std::size_t j = 0; j < langd; ++j)
            text += j > 0 && slump() % 3 != 0 ? static_cast<char>('0' + slump() % 10)
                                              : tecken[slump() % tecken.size()];
        double kort = 0, allman = 0;
        const bool a = ForsokTextTillBelopp(text, kort);
        const bool b = ForsokTextTillBelopp(" " + text, allman);
        ASSERT_EQ(a, b) << text;
        if (!a)
            continue;
        ++lasta;
        ASSERT_EQ(std::bit_cast<uint64_t>(kort), std::bit_cast<uint64_t>(allman)) << text;
    }
    EXPECT_GT(lasta, 50000);
}

// Amounts of whole hundredths are written without the general digit conversion;
// outside the scientific range Taltext is the 15-digit "%g" text with a decimal
// comma, which must hold for those and for every other value alike.
TEST(Taltext, AgreesWithFifteenSignificantDigitsForHundredthsAndRandomValues) {
    std::mt19937_64 slump(20261209);
    std::vector<double> varden;
    for (int i = 0; i < 300000; ++i) {
        const auto grans = static_cast<long long>(1) << (1 + slump() % 50);
        const long long c =
            static_cast<long long>(slump() % static_cast<uint64_t>(grans)) - grans / 2;
        varden.push_back(static_cast<double>(c) / 100);
        varden.push_back(std::ldexp(static_cast<double>(slump() >> 11), -53) *
                         std::pow(10.0, static_cast<double>(slump() % 19) - 4));
    }
    for (const double v : {0.01, -0.01, 0.1, 99999999999999.99, 9999999999999.99, 1e12, 0.285})
        varden.push_back(v);
    for (const double v : varden) {
        const double a = std::fabs(v);
        if (v == 0 || a < 0.0001 || a >= 1e15)
            continue;
        const std::string vantat = MedKomma(v, "%.15g");
        if (vantat.find('e') != std::string::npos)
            continue; // "%g" turns scientific at 15 integer digits
        ASSERT_EQ(Taltext(v), vantat) << std::hexfloat << v;
        std::string tillagd = "x";
        LaggTillTaltext(tillagd, v);
        ASSERT_EQ(tillagd, "x" + vantat);
    }
}

// A sum of two-decimal amounts, rounded to the öre, shows exactly as the exact
// sum counted in whole öre: in the general number text and the amount text.
TEST(OreAvrundat, SumsOfTwoDecimalAmountsShowAsTheExactOreSum) {
    std::mt19937_64 slump(20261209);
    int avvikande = 0;
    for (int fall = 0; fall < 20000; ++fall) {
        const auto grans = static_cast<long long>(1) << (8 + slump() % 30);
        const int antal = 1 + static_cast<int>(slump() % 40);
        double summa = 0.0;
        long long ore = 0;
        for (int i = 0; i < antal; ++i) {
            const long long c =
                static_cast<long long>(slump() % static_cast<uint64_t>(grans)) - grans / 2;
            summa += static_cast<double>(c) / 100;
            ore += c;
        }
        const double exakt = static_cast<double>(ore) / 100;
        if (Taltext(summa) != Taltext(exakt))
            ++avvikande;
        ASSERT_EQ(Taltext(OreAvrundat(summa)), Taltext(exakt)) << std::hexfloat << summa;
        ASSERT_EQ(Beloppstext(OreAvrundat(summa)), Beloppstext(exakt));
    }
    // The unrounded sums would show residues in many of these cases.
    EXPECT_GT(avvikande, 100);
    // Half an öre goes away from zero, as Beloppstext rounds; the ends stay.
    EXPECT_EQ(OreAvrundat(0.125), 0.13);
    EXPECT_EQ(OreAvrundat(-0.004), 0.0);
    EXPECT_FALSE(std::signbit(OreAvrundat(-0.004)));
    EXPECT_EQ(OreAvrundat(std::numeric_limits<double>::infinity()),
              std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(OreAvrundat(std::nan(""))));
}

TEST(Kronortext, WholeKronorAreGroupedAndSigned) {
    EXPECT_EQ(Kronortext(0), "0");
    EXPECT_EQ(Kronortext(12345), "12 345");
    EXPECT_EQ(Kronortext(-1234567), "-1 234 567");
    EXPECT_EQ(Kronortext(INT64_MIN), "-9 223 372 036 854 775 808");
}
