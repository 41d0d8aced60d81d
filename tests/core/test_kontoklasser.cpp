// The class table: every class's heading, section, side and carrying in one
// row, and the statement sign and bookkeeping-class rules read from it.

#include "core/Kontoklasser.h"

#include <gtest/gtest.h>

#include <ostream>

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

} // namespace
