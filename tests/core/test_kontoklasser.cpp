// The class table: every class's heading, section, side and carrying in one
// row, and the statement sign and bookkeeping-class rules read from it.

#include "core/Kontoklasser.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <utility>

using namespace tovana;

namespace {

struct Klassrad {
    int typ;
    const char *rubrik;
    Sektion sektion;
    Normalsida sida;
    bool kontoutdrag;
    bool overfors;
    double tecken;
    bool bokforing;
};

void PrintTo(const Klassrad &rad, std::ostream *os) {
    *os << "klass " << rad.typ;
}

class KontoklassTest : public ::testing::TestWithParam<Klassrad> {};

TEST_P(KontoklassTest, ReadsItsRowOfTheTable) {
    const Klassrad &v = GetParam();
    const Kontoklass &k = Klass(v.typ);
    EXPECT_EQ(k.rubrik, v.rubrik);
    EXPECT_EQ(k.sektion, v.sektion);
    EXPECT_EQ(k.normalsida, v.sida);
    EXPECT_EQ(k.kontoutdrag, v.kontoutdrag);
    EXPECT_EQ(k.overfors, v.overfors);
    EXPECT_EQ(Rapporttecken(v.typ), v.tecken);
    EXPECT_EQ(ArBokforingsklass(v.typ), v.bokforing);
}

constexpr Sektion Balansrakning = Sektion::Balansrakning;
constexpr Sektion Resultatrakning = Sektion::Resultatrakning;
constexpr Normalsida Debet = Normalsida::Debet;
constexpr Normalsida Kredit = Normalsida::Kredit;

INSTANTIATE_TEST_SUITE_P(
    Klasser, KontoklassTest,
    ::testing::Values(
        Klassrad{0, "", Sektion::Ingen, Normalsida::Ingen, false, false, -1, false},
        Klassrad{1, "TILLGÅNGAR", Balansrakning, Debet, true, true, 1, true},
        Klassrad{2, "EGET KAPITAL", Balansrakning, Kredit, true, true, -1, true},
        Klassrad{3, "OBESKATTADE RESERVER", Balansrakning, Kredit, true, true, -1, true},
        Klassrad{4, "SKULDER", Balansrakning, Kredit, true, true, -1, true},
        Klassrad{5, "INTÄKTER", Resultatrakning, Kredit, true, false, -1, true},
        Klassrad{6, "KOSTNADER", Resultatrakning, Debet, true, false, -1, true},
        Klassrad{7, "BOKSLUTSDISPOSITIONER", Resultatrakning, Debet, false, false, -1, true},
        Klassrad{8, "KODER", Sektion::Koder, Normalsida::Ingen, false, false, -1, false},
        Klassrad{9, "", Sektion::Ingen, Normalsida::Ingen, false, false, -1, false},
        Klassrad{-1, "", Sektion::Ingen, Normalsida::Ingen, false, false, -1, false}));

TEST(Kontoklasser, EachRowCarriesItsOwnNumberInOrder) {
    int forvantad = kForstaKlass;
    for (const Kontoklass &k : Kontoklasser()) {
        EXPECT_EQ(k.nummer, forvantad);
        EXPECT_EQ(&Klass(forvantad), &k);
        ++forvantad;
    }
    EXPECT_EQ(forvantad, kSistaKlass + 1);
}

// The type an SIE file gives a class, read back with a number of that class's
// usual range, gives the class again; so does the range alone, and the type
// decides where the range says otherwise.
TEST(Kontoklasser, SieTypesAndNumberRangesGiveTheClassBack) {
    const std::pair<int, int32_t> kVanligt[] = {{1, 1930}, {2, 2010}, {3, 2150}, {4, 2440},
                                                {5, 3010}, {6, 5010}, {7, 8810}};
    for (const auto &[klass, nummer] : kVanligt) {
        SCOPED_TRACE(nummer);
        const char typ = Klass(klass).sietyp;
        EXPECT_NE(std::string("TSIK").find(typ), std::string::npos);
        EXPECT_EQ(KlassAvSiekonto(nummer, typ), klass);
        EXPECT_EQ(KlassAvSiekonto(nummer, static_cast<char>(std::tolower(typ))), klass);
        EXPECT_EQ(KlassAvSiekonto(nummer, 0), klass);
    }
    EXPECT_EQ(KlassAvSiekonto(8310, 0), kIntakter); // financial income among 8xxx
    EXPECT_EQ(KlassAvSiekonto(8410, 0), kKostnader);
    EXPECT_EQ(KlassAvSiekonto(1930, 'S'), kSkulder);
    EXPECT_EQ(KlassAvSiekonto(8310, 'K'), kKostnader);
    EXPECT_EQ(KlassAvSiekonto(3010, 'T'), kTillgangar);
    EXPECT_EQ(KlassAvSiekonto(7, 0), kKostnader); // one digit: the range of 70
    for (int k = 0; k <= 9; ++k)
        EXPECT_EQ(ArKontoklass(k), k >= 1 && k <= 8) << k;
}

} // namespace
