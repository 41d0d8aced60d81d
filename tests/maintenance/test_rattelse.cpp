// Correction verifications: what they book (the reversal, the corrected post,
// their number and date), that together with the post they leave every
// account as a change of the post would, the log record that names both
// verifications, and the correction found again from the log.

#include "../core/Testmapp.h"
#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "maintenance/Postandring.h"
#include "maintenance/Rattelse.h"

#include <gtest/gtest.h>

#include <map>

using namespace tovana;
using namespace tovana::test;

namespace {

const Datum kIdag{2026, 4, 15};

class RattelseTest : public ::testing::Test {
protected:
    Testmapp mapp_;
    Bokforingsdata data_;

    void SetUp() override {
        SattLoggklocka([] { return Loggstampel{"2026-04-15 09:00:00", "eva@kontoret"}; });
        for (const auto &[typ, nummer] : {std::pair{1, 1930}, {5, 3010}, {5, 3011}, {8, 8001}})
            data_.Kontoplats(++data_.Kontoantal) = TKonto{static_cast<Kontotyp>(typ), nummer, "K"};
        data_.Redovisningsnamn = "AB 2026";
        data_.Redovisningsfil = mapp_.Sokvag("ab.red");
        const std::vector<TPost> poster = {{12, "20260302", 1930, 3010, 0, 1250, "Försäljning"},
                                           {7, "20260303", 1930, 3010, 0, 100, "Kassa"}};
        for (const TPost &post : poster)
            data_.Postplats(++data_.Postantal) = post;
        SkrivRedovisning(data_, data_.Redovisningsfil);
    }
    void TearDown() override { SattLoggklocka({}); }

    Postrutor Rutor(int32_t plats) const { return Andringsrutor(data_.Poster[plats]); }

    // Each account's debit minus credit over the whole ledger.
    static std::map<int32_t, double> Saldon(const Bokforingsdata &data) {
        std::map<int32_t, double> saldon;
        for (const TPost &post : data.Posterna()) {
            saldon[post.debet] += post.belopp;
            saldon[post.kredit] -= post.belopp;
        }
        return saldon;
    }
};

} // namespace

TEST_F(RattelseTest, BooksTheReversalAndTheCorrectedPostAsItsOwnVerification) {
    struct Fall {
        const char *namn;
        void (*andra)(Postrutor &);
        std::vector<TPost> vantat;
    };
    const std::vector<Fall> fall = {
        {"unchanged boxes: the reversal alone",
         [](Postrutor &) {},
         {{13, "20260415", 3010, 1930, 0, 1250, "Rättelse av ver 12: Försäljning"}}},
        {"another amount",
         [](Postrutor &r) { r.belopp = "1520"; },
         {{13, "20260415", 3010, 1930, 0, 1250, "Rättelse av ver 12: Försäljning"},
          {13, "20260415", 1930, 3010, 0, 1520, "Försäljning"}}},
        {"another account, code and text",
         [](Postrutor &r) {
             r.kredit = "3011";
             r.kod = "8001";
             r.text = "Rätt konto";
         },
         {{13, "20260415", 3010, 1930, 0, 1250, "Rättelse av ver 12: Försäljning"},
          {13, "20260415", 1930, 3011, 8001, 1250, "Rätt konto"}}},
        {"a new verification number alone changes nothing",
         [](Postrutor &r) { r.vernr = "99"; },
         {{13, "20260415", 3010, 1930, 0, 1250, "Rättelse av ver 12: Försäljning"}}},
    };
    for (const Fall &f : fall) {
        Postrutor rutor = Rutor(1);
        f.andra(rutor);
        Andringsfel fel = Andringsfel::Inget;
        const Rattelse rattelse = BeraknaRattelse(data_, 1, rutor, kIdag, fel);
        EXPECT_EQ(fel, Andringsfel::Inget) << f.namn;
        EXPECT_EQ(rattelse.vernr, 13) << f.namn;
        EXPECT_EQ(rattelse.poster, f.vantat) << f.namn;
    }
}

TEST_F(RattelseTest, LeavesEveryAccountAsAChangeOfThePostWould) {
    Postrutor rutor = Rutor(1);
    rutor.belopp = "1520";
    rutor.kredit = "3011";
    Bokforingsdata andrad = data_;
    Testmapp annan;
    andrad.Redovisningsfil = annan.Sokvag("ab.red");
    SkrivRedovisning(andrad, andrad.Redovisningsfil);
    ASSERT_EQ(AndraPost(andrad, 1, rutor), Andringsfel::Inget);

    Rattelse rattelse;
    ASSERT_EQ(SparaRattelse(data_, 1, rutor, kIdag, rattelse), Andringsfel::Inget);
    EXPECT_EQ(Saldon(data_), Saldon(andrad));
    // The post itself stays; the file holds it, then the correction.
    EXPECT_EQ(data_.Postantal, 4);
    EXPECT_EQ(data_.Poster[1].belopp, 1250);
    EXPECT_EQ(LasRedovisningstabell(data_.Redovisningsfil).poster.size(), 5u); // slot 0 + 4
}

TEST_F(RattelseTest, IsDatedAfterTheClosedPeriodWhenTodayLiesInIt) {
    EXPECT_EQ(Rattelsedatum(data_, kIdag), kIdag);
    data_.StangdTom = Datum{2026, 3, 31};
    EXPECT_EQ(Rattelsedatum(data_, kIdag), kIdag);
    data_.StangdTom = Datum{2026, 6, 30};
    EXPECT_EQ(Rattelsedatum(data_, kIdag), (Datum{2026, 7, 1}));
    Andringsfel fel = Andringsfel::Inget;
    EXPECT_EQ(BeraknaRattelse(data_, 1, Rutor(1), kIdag, fel).poster.at(0).datum, "20260701");
}

TEST_F(RattelseTest, LogRecordNamesBothVerificationsAndThePostFindsItsCorrection) {
    Rattelse rattelse;
    Postrutor rutor = Rutor(1);
    rutor.belopp = "1520";
    ASSERT_EQ(SparaRattelse(data_, 1, rutor, kIdag, rattelse), Andringsfel::Inget);
    const std::vector<Loggpost> logg = LasLogg(Loggfil(data_.Redovisningsfil));
    ASSERT_EQ(logg.size(), 2u); // the log's beginning, then the correction
    EXPECT_TRUE(LasLoggenBorjar(logg[0].vad));
    EXPECT_EQ(logg[1].vad, "Rättelse");
    EXPECT_EQ(logg[1].tillagda, (std::vector<std::string>{
                                    "13;20260415;1250;3010;1930;0;Rättelse av ver 12: Försäljning",
                                    "13;20260415;1520;1930;3010;0;Försäljning"}));
    EXPECT_EQ(Verifikationsnummer(logg[1]), (std::vector<int32_t>{13, 12}));
    // The log and the ledger agree after the correction.
    EXPECT_EQ(JamforMedRedovisning(LasBytes(Loggfil(data_.Redovisningsfil)), "x",
                                   Redovisningssumma(data_))
                  .utfall,
              Loggutfall::Stammer);

    EXPECT_EQ(RattadGenomText(RattadGenom(logg, data_.Poster[1])), "Rättad genom ver 13");
    EXPECT_EQ(RattadGenom(logg, data_.Poster[2]), std::vector<int32_t>{});
    ASSERT_EQ(SparaRattelse(data_, 1, Rutor(1), kIdag, rattelse), Andringsfel::Inget);
    EXPECT_EQ(
        RattadGenomText(RattadGenom(LasLogg(Loggfil(data_.Redovisningsfil)), data_.Poster[1])),
        "Rättad genom ver 13, 14");
}

TEST_F(RattelseTest, RefusesWhatAChangeRefusesAndSavesNothing) {
    const std::string fore = LasBytes(data_.Redovisningsfil);
    struct Fall {
        void (*andra)(Postrutor &);
        Andringsfel fel;
    };
    const std::vector<Fall> fall = {
        {[](Postrutor &r) { r.debet = "1999"; }, Andringsfel::Debet},
        {[](Postrutor &r) { r.kredit = "4000"; }, Andringsfel::Kredit},
        {[](Postrutor &r) { r.kod = "8002"; }, Andringsfel::Kod},
        {[](Postrutor &r) { r.datum = "15/3"; }, Andringsfel::Datum},
    };
    Rattelse rattelse;
    for (const Fall &f : fall) {
        Postrutor rutor = Rutor(1);
        f.andra(rutor);
        EXPECT_EQ(SparaRattelse(data_, 1, rutor, kIdag, rattelse), f.fel);
    }
    Postrutor rutor = Rutor(1);
    rutor.belopp = "x";
    EXPECT_THROW(SparaRattelse(data_, 1, rutor, kIdag, rattelse), Korningsfel);
    EXPECT_THROW(SparaRattelse(data_, 3, Rutor(1), kIdag, rattelse), Korningsfel);
    data_.RedovisningSkrivskyddad = true;
    EXPECT_THROW(SparaRattelse(data_, 1, Rutor(1), kIdag, rattelse), Korningsfel);
    EXPECT_EQ(LasBytes(data_.Redovisningsfil), fore);
    EXPECT_EQ(data_.Postantal, 2);
    EXPECT_FALSE(LoggFinns(Loggfil(data_.Redovisningsfil)));
}

TEST(Rattelsetext, NamesTheVerificationAndKeepsToTheTextLimit) {
    TPost post{12, "20260302", 1930, 3010, 0, 1, std::string(100, 'x')};
    const std::string text = Rattelsetext(post);
    EXPECT_EQ(text, "Rättelse av ver 12: " + std::string(80, 'x'));
    Bokforingsdata tom;
    EXPECT_EQ(NastaFriaVernr(tom), 1);
}
