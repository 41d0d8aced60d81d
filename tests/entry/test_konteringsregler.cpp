// The entry boxes' rules: leaving the debit and credit boxes (checked flags,
// effects, the message for an account the chart lacks), the missing amount,
// and whether "Nästa post" may save.

#include "core/Bokforingsdata.h"
#include "core/Fel.h"
#include "core/Taltext.h"
#include "entry/Konteringsregler.h"
#include "entry/ui/Effektetiketter.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

using namespace tovana;

namespace {

Bokforingsdata Kontoplan() {
    SattTusentalsavgransare(" ");
    Bokforingsdata data;
    const TKonto konton[] = {{1, 1930, "Bank"}, {5, 3010, "Försäljning"}, {8, 10, "Projekt"}};
    for (const TKonto &k : konton) {
        ++data.Kontoantal;
        data.Kontoplats(data.Kontoantal) = k;
    }
    return data;
}

struct Lamning {
    const char *debet;
    const char *kredit; // nullptr: leaving the debit box
    bool debetKontrollerad;
    bool kreditKontrollerad;
    const char *bankrad; // LabelTeffekt1's text, "" when no effects are shown
    const char *saknas;  // the account the message names, "" for no message
};

void PrintTo(const Lamning &l, std::ostream *os) {
    *os << "debet '" << l.debet << "' kredit '" << (l.kredit ? l.kredit : "(debet lämnas)") << "'";
}

class LamnaKontoruta : public ::testing::TestWithParam<Lamning> {};

TEST_P(LamnaKontoruta, ChecksTheSidesAndShowsEffectsOrTheMissingAccount) {
    const Lamning &v = GetParam();
    Bokforingsdata data = Kontoplan();
    Postformular formular;
    const Kontoutfall utfall = v.kredit
                                   ? LamnaKreditruta(data, formular, v.debet, v.kredit, "1250,00")
                                   : LamnaDebetruta(data, formular, v.debet, "1250,00");
    EXPECT_EQ(formular.DebetKontrollerad, v.debetKontrollerad);
    EXPECT_EQ(formular.KreditKontrollerad, v.kreditKontrollerad);
    const std::string bankrad = v.bankrad;
    ASSERT_EQ(utfall.effekter.has_value(), !bankrad.empty());
    if (utfall.effekter) {
        EXPECT_EQ(Effekttexterna(*utfall.effekter)["LabelTeffekt1"], bankrad);
    }
    const std::string saknas = v.saknas;
    EXPECT_EQ(utfall.meddelande, saknas.empty() ? "" : KontoSaknasText(saknas));
}

INSTANTIATE_TEST_SUITE_P(
    Rutor, LamnaKontoruta,
    ::testing::Values(Lamning{"", nullptr, false, false, "", ""},
                      Lamning{"1930", nullptr, true, false, "Bank ökar med", ""},
                      Lamning{"1931", nullptr, true, false, "", "1931"},
                      Lamning{"10", nullptr, true, false, "", "10"}, // a code is no account
                      Lamning{"", "", true, true, "", ""},
                      Lamning{"1930", "", true, true, "Bank ökar med", ""},
                      Lamning{"1930", "3010", true, true, "Bank ökar med", ""},
                      Lamning{"1930", "3999", true, true, "Bank ökar med", "3999"},
                      Lamning{"3999", "1930", false, true, "Bank minskar med", ""},
                      Lamning{"3999", "", false, true, "", ""},
                      Lamning{"", "3999", true, true, "", "3999"}));

TEST(LamnaKontoruta, ANumberThatDoesNotConvertRaisesWithTheCheckedDebitKept) {
    Bokforingsdata data = Kontoplan();
    Postformular formular;
    EXPECT_THROW(LamnaDebetruta(data, formular, "99999999999", "1"), Korningsfel);
    EXPECT_FALSE(formular.DebetKontrollerad);
    EXPECT_THROW(LamnaKreditruta(data, formular, "1930", "99999999999", "1"), Korningsfel);
    EXPECT_TRUE(formular.DebetKontrollerad);
    EXPECT_FALSE(formular.KreditKontrollerad);
}

TEST(BeloppSaknasText, OnlyTheAccountBoxesAskForAnAmount) {
    EXPECT_NE(BeloppSaknasText(Postruta::Debet, ""), BeloppSaknasText(Postruta::Kredit, ""));
    EXPECT_FALSE(BeloppSaknasText(Postruta::Debet, "").empty());
    EXPECT_FALSE(BeloppSaknasText(Postruta::Kredit, "").empty());
    EXPECT_EQ(BeloppSaknasText(Postruta::Debet, "0"), "");
    EXPECT_EQ(BeloppSaknasText(Postruta::Kredit, "12"), "");
    EXPECT_EQ(BeloppSaknasText(Postruta::Kod, ""), "");
}

struct Provning {
    bool debetKontrollerad;
    bool kreditKontrollerad;
    bool godkandFore;
    const char *debet;
    const char *kredit;
    bool godkand;
    std::size_t meddelanden;
    bool fokusDebet;
};

void PrintTo(const Provning &p, std::ostream *os) {
    *os << "kontrollerad " << p.debetKontrollerad << p.kreditKontrollerad << " godkänd "
        << p.godkandFore << " debet '" << p.debet << "' kredit '" << p.kredit << "'";
}

class ProvaPostTest : public ::testing::TestWithParam<Provning> {};

TEST_P(ProvaPostTest, ApprovesACheckedPostWithAnAccount) {
    const Provning &v = GetParam();
    Postformular formular;
    formular.DebetKontrollerad = v.debetKontrollerad;
    formular.KreditKontrollerad = v.kreditKontrollerad;
    formular.PostGodkand = v.godkandFore;
    formular.Sexpostsida = 3;
    const Postprovning p = ProvaPost(formular, v.debet, v.kredit);
    EXPECT_EQ(p.godkand, v.godkand);
    EXPECT_EQ(formular.PostGodkand, v.godkand);
    EXPECT_EQ(p.meddelanden.size(), v.meddelanden);
    EXPECT_EQ(p.fokus == Postruta::Debet, v.fokusDebet);
    EXPECT_EQ(formular.Sexpostsida, v.debetKontrollerad && v.kreditKontrollerad ? 0 : 3);
}

INSTANTIATE_TEST_SUITE_P(
    Poster, ProvaPostTest,
    ::testing::Values(Provning{true, true, false, "1930", "3010", true, 0, false},
                      Provning{true, true, false, "1930", "", true, 0, false},
                      Provning{true, false, false, "1930", "3010", false, 1, false},
                      Provning{false, false, true, "1930", "3010", true, 0, false},
                      Provning{true, true, true, "", "", false, 2, true},
                      Provning{false, false, false, "", "", false, 2, true}));

} // namespace
