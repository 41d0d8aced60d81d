// The calculator: cleaning the amount boxes and the four signs.

#include "core/Fel.h"
#include "entry/Raknehjalp.h"

#include <gtest/gtest.h>

using namespace tovana;

TEST(RensaRaknebelopp, TreatsOnlyTheFirstPointAndBlank) {
    EXPECT_EQ(RensaRaknebelopp("1.5"), "1,5");
    EXPECT_EQ(RensaRaknebelopp("1 000"), "1000");
    EXPECT_EQ(RensaRaknebelopp("1 000 000"), "1000 000");
    EXPECT_EQ(RensaRaknebelopp("1.234.5"), "1,234.5");
    EXPECT_EQ(RensaRaknebelopp("1 234.50"), "1234,50");
    EXPECT_EQ(RensaRaknebelopp(""), "");
}

namespace {

struct Rakning {
    const char *a, *tecken, *b, *svar;
};

void PrintTo(const Rakning &r, std::ostream *os) {
    *os << r.a << ' ' << r.tecken << ' ' << r.b;
}

} // namespace

class RaknehjalpTest : public ::testing::TestWithParam<Rakning> {};

TEST_P(RaknehjalpTest, GivesTwoDecimalsWithoutGrouping) {
    const Rakning &r = GetParam();
    EXPECT_EQ(Raknehjalp(r.a, r.tecken, r.b), std::optional<std::string>(r.svar));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RaknehjalpTest,
    ::testing::Values(Rakning{"1.5", "+", "2", "3,50"}, Rakning{"1 000", "-", "250", "750,00"},
                      Rakning{"12,5", "*", "3", "37,50"}, Rakning{"10", "/", "3", "3,33"},
                      Rakning{"1234567,891", "*", "10", "12345678,91"},
                      Rakning{"5", "-", "8", "-3,00"}, Rakning{"0", "/", "7", "0,00"},
                      Rakning{"-5", "*", "0", "0,00"}, Rakning{"2", "/", "3", "0,67"},
                      Rakning{"9999999999", "+", "1", "1E10"},
                      Rakning{"123456", "*", "100000", "1,23456E10"},
                      Rakning{"1234567,8945", "+", "0", "1234567,89"}));

TEST(Raknehjalp, AnyOtherSignDoesNothing) {
    for (const char *tecken : {" +", "+ ", "plus", "", "x", "++", ":"})
        EXPECT_EQ(Raknehjalp("1", tecken, "2"), std::nullopt) << tecken;
    // The sign is tested first: bad amounts with a bad sign say nothing.
    EXPECT_EQ(Raknehjalp("abc", "?", "def"), std::nullopt);
}

namespace {

std::string Felet(std::string_view a, std::string_view tecken, std::string_view b) {
    try {
        Raknehjalp(a, tecken, b);
    } catch (const Korningsfel &fel) {
        return fel.what();
    }
    return "inget fel";
}

} // namespace

TEST(Raknehjalp, ReportsTheRuntimeErrors) {
    EXPECT_EQ(Felet("1 000 000", "+", "1"), "'1000 000' is not a valid floating point value");
    EXPECT_EQ(Felet("1", "+", "tio"), "'tio' is not a valid floating point value");
    EXPECT_EQ(Felet("1.2.3", "*", "1"), "'1,2.3' is not a valid floating point value");
    EXPECT_EQ(Felet("7", "/", "0"), "Floating point division by zero");
    EXPECT_EQ(Felet("0", "/", "0,00"), "Invalid floating point operation");
}

// An answer beyond the largest double reached the amount box as "INF".
TEST(Raknehjalp, RefusesAnAnswerOutOfRange) {
    EXPECT_EQ(Felet("1E300", "*", "1E300"), "Floating point overflow");
    EXPECT_EQ(Felet("1E-300", "/", "1E-300"), "inget fel");
}
