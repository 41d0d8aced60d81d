// Every command that changes a ledger and its change log: the record each one
// writes, a closed period refusing each of them with both files untouched,
// and what opening a ledger does with its log.

#include "../core/Testmapp.h"
#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "core/Teckentabell.h"
#include "entry/Postinmatning.h"
#include "entry/Redovisning.h"
#include "maintenance/IB.h"
#include "maintenance/Postandring.h"
#include "maintenance/Sieoppning.h"
#include "maintenance/Sortering.h"
#include "reports/Momsavrakning.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>

using namespace tovana;
using namespace tovana::test;

namespace {

const std::string kStampel = "#2026-12-09 10:11:12;bo@datorn;";

const std::string kBok = "Bok 2026\r\n"
                         "1;20260105;100;1930;3010;0;Kassa\r\n"
                         "2;20260210;250,5;1930;3010;0;Försäljning\r\n";

Postrutor Rutor(const char *vernr, const char *datum, const char *belopp, const char *text) {
    return {vernr, datum, belopp, "1930", "3010", "0", text};
}

// A new post saved through a fresh entry form, as the entry panel saves it.
int32_t SparaNy(Bokforingsdata &data, const Postrutor &rutor) {
    Postformular formular;
    return SparaPost(data, formular, rutor);
}

void Ib(Bokforingsdata &data, const char *datum) {
    IBtabell ib;
    ib.IBposter.push_back(TPost{0, datum, 1930, 0, 0, 500, ""});
    ib.IBkonton.push_back(1930);
    ib.IBantal = 1;
    SparaIBposter(data, ib);
}

void Moms(Bokforingsdata &data, const char *datum) {
    SparaMomsavrakning(data, {TPost{3, datum, 2650, 0, 0, 25, "Momsavräkning"}});
}

// A window with the small ledger open (and locked), its log written by a
// fixed clock.
class Loggad : public ::testing::Test {
protected:
    void SetUp() override {
        SattLoggklocka([] { return Loggstampel{"2026-12-09 10:11:12", "bo@datorn"}; });
        SkrivBytes(red, TillWindows1252(kBok));
    }
    void TearDown() override { SattLoggklocka({}); }

    void Oppna() {
        data = Bokforingsdata{};
        for (int32_t konto : {1930, 2650, 3010})
            data.Kontoplats(++data.Kontoantal) = TKonto{1, konto, "Konto"};
        besked = OppnaRedovisning(data, red);
    }
    std::string Logg() const { return LasBytes(Loggfil(red)); }
    std::string Borjan() const {
        Bokforingsdata las;
        LasRedovisning(las, red);
        return Loggbytes(
            {"2026-12-09 10:11:12", "bo@datorn", LoggenBorjarText(Redovisningssumma(las)), {}, {}});
    }

    Testmapp mapp;
    const std::string red = mapp.Sokvag("bok.red");
    Bokforingsdata data;
    std::string besked;
};

struct Kommando {
    const char *namn;
    std::function<void(Bokforingsdata &)> kor;
    const char *post; // the record it writes, after the stamp, LF line ends
};

void PrintTo(const Kommando &k, std::ostream *os) {
    *os << k.namn;
}

const Kommando kKommandon[] = {
    {"ny post", [](Bokforingsdata &d) { SparaNy(d, Rutor("3", "20260301", "75,50", "Ny")); },
     "Ny post\n+3;20260301;75,50;1930;3010;0;Ny\n"},
    {"ändrad post",
     [](Bokforingsdata &d) { AndraPost(d, 2, Rutor("2", "20260211", "300", "Rättad")); },
     "Ändrad post\n-2;20260210;250,5;1930;3010;0;Försäljning\n"
     "+2;20260211;300;1930;3010;0;Rättad\n"},
    {"raderad post", [](Bokforingsdata &d) { RaderaPost(d, 1); },
     "Raderad post\n-1;20260105;100;1930;3010;0;Kassa\n"},
    {"nytt namn", [](Bokforingsdata &d) { BytRedovisningsnamn(d, "AB 2026"); },
     "Nytt namn\n-Bok 2026\n+AB 2026\n"},
    {"omsorterad",
     [](Bokforingsdata &d) {
         d.Arbetsplats(1) = d.Poster[2]; // the two posts swapped
         d.Arbetsplats(2) = d.Poster[1];
         SparaSortering(d);
     },
     "Omsorterad\n"},
    {"IB-poster", [](Bokforingsdata &d) { Ib(d, "20260101"); },
     "IB-poster\n+0;20260101;500;1930;0;0;IB-post\n"},
    {"momsavräkning", [](Bokforingsdata &d) { Moms(d, "20260331"); },
     "Momsavräkning\n+3;20260331;25;2650;0;0;Momsavräkning\n"},
};

std::string Crlf(const std::string &text) {
    std::string ut;
    for (char c : text) {
        if (c == '\n')
            ut += '\r';
        ut += c;
    }
    return TillWindows1252(ut);
}

class LoggadeKommandon : public Loggad, public ::testing::WithParamInterface<Kommando> {};

} // namespace

TEST_P(LoggadeKommandon, WriteTheirRecordAndReopenInLineWithTheLog) {
    Oppna();
    const std::string borjan = Borjan();
    GetParam().kor(data);
    const std::string logg = borjan + Crlf(kStampel + GetParam().post);
    EXPECT_EQ(Logg(), logg);
    // The ledger that was written is the one the log speaks of: a reopen finds
    // nothing to add.
    data = Bokforingsdata{};
    Oppna();
    EXPECT_EQ(besked, "");
    EXPECT_EQ(Logg(), logg);
    EXPECT_EQ(JamforMedRedovisning(logg, red, Redovisningssumma(data)).utfall, Loggutfall::Stammer);
}

INSTANTIATE_TEST_SUITE_P(Alla, LoggadeKommandon, ::testing::ValuesIn(kKommandon));

namespace {

struct Vagran {
    const char *namn;
    std::function<void(Bokforingsdata &)> kor;
};

void PrintTo(const Vagran &v, std::ostream *os) {
    *os << v.namn;
}

// Closed through 2026-01-31: post 1 lies in the closed period, post 2 not.
const Vagran kVagrar[] = {
    {"ny post", [](Bokforingsdata &d) { SparaNy(d, Rutor("3", "20260115", "1", "Sen")); }},
    {"ändring", [](Bokforingsdata &d) { AndraPost(d, 1, Rutor("1", "20260105", "99", "Kassa")); }},
    {"flytt in",
     [](Bokforingsdata &d) { AndraPost(d, 2, Rutor("2", "2026-01-20", "250,5", "Försäljning")); }},
    {"radering", [](Bokforingsdata &d) { RaderaPost(d, 1); }},
    {"omsortering",
     [](Bokforingsdata &d) {
         SorteraPoster(d, Sorteringsordning::Datum);
         SparaSortering(d);
     }},
    {"IB-poster", [](Bokforingsdata &d) { Ib(d, "20260101"); }},
    {"momsavräkning", [](Bokforingsdata &d) { Moms(d, "20260131"); }},
    {"SIE-import",
     [](Bokforingsdata &d) {
         SieImport imp;
         imp.kontoplannamn = "Plan";
         imp.konton = {TKonto{1, 1930, "Bank"}};
         imp.redovisningsnamn = "Bok";
         imp.poster = {TPost{1, "20260110", 1930, 0, 0, 5, "In"}};
         const std::string mapp = std::filesystem::path(d.Redovisningsfil).parent_path();
         SkapaFranSie(d, imp, mapp + "/ny.kpl", d.Redovisningsfil);
     }},
};

class StangdPeriod : public Loggad, public ::testing::WithParamInterface<Vagran> {};

} // namespace

TEST_P(StangdPeriod, RefusesTheCommandAndChangesNothing) {
    SkrivBytes(
        Loggfil(red),
        Borjan() +
            Loggbytes({"2026-12-09 10:11:12", "bo@datorn", StangdText({2026, 1, 31}), {}, {}}));
    Oppna();
    ASSERT_EQ(data.StangdTom, (Datum{2026, 1, 31}));
    const std::string logg = Logg();
    try {
        GetParam().kor(data);
        FAIL() << "not refused";
    } catch (const Korningsfel &fel) {
        EXPECT_NE(std::string(fel.what()).find("stängd period (t.o.m. 2026-01-31)"),
                  std::string::npos)
            << fel.what();
    }
    EXPECT_EQ(LasBytes(red), TillWindows1252(kBok));
    EXPECT_EQ(Logg(), logg);
    EXPECT_EQ(data.Postantal, 2);
    EXPECT_FALSE(std::filesystem::exists(mapp.Sokvag("ny.kpl")));
}

INSTANTIATE_TEST_SUITE_P(Alla, StangdPeriod, ::testing::ValuesIn(kVagrar));

TEST_F(Loggad, PostsAfterTheClosedPeriodAreSavedAndAReopenMovesItBack) {
    SkrivBytes(Loggfil(red), Borjan() + Loggbytes({"t", "u", StangdText({2026, 1, 31}), {}, {}}) +
                                 Loggbytes({"t", "u", OppnadText({2026, 1, 1}, "fel"), {}, {}}));
    Oppna();
    EXPECT_EQ(data.StangdTom, (Datum{2025, 12, 31}));
    RaderaPost(data, 1); // January is open again
    SparaNy(data, Rutor("3", "20260201", "1", "Feb"));
    EXPECT_EQ(data.Postantal, 2);
}

TEST_F(Loggad, OpeningMarksAChangeThatNeverCameOnceAndReadOnlyWindowsOnlyRead) {
    // The log says a post was added that the ledger lacks: a kill came between.
    const std::string logg = Borjan() + Loggbytes({"t", "u", StangdText({2026, 1, 31}), {}, {}}) +
                             Crlf(kStampel + "Ny post\n+3;20260301;1;1930;3010;0;Borta\n");
    SkrivBytes(Loggfil(red), logg);
    {
        // A window that only reads takes the closed period and writes nothing.
        const auto las = TaSkrivlas(nullptr, red);
        Oppna();
        EXPECT_TRUE(data.RedovisningSkrivskyddad);
        EXPECT_EQ(data.StangdTom, (Datum{2026, 1, 31}));
        EXPECT_EQ(Logg(), logg);
        data = Bokforingsdata{};
    }
    Oppna();
    EXPECT_EQ(besked, "");
    EXPECT_EQ(data.StangdTom, (Datum{2026, 1, 31}));
    const std::string efter = logg + Crlf(kStampel + "Ej genomförd: Ny post\n");
    EXPECT_EQ(Logg(), efter);
    data = Bokforingsdata{};
    Oppna();
    EXPECT_EQ(besked, "");
    EXPECT_EQ(Logg(), efter);
}

TEST_F(Loggad, ALedgerChangedOutsideTheProgramRestartsTheLogAndSaysSo) {
    Oppna();
    SparaNy(data, Rutor("3", "20260301", "1", "Ny"));
    data = Bokforingsdata{};
    std::string bok = LasBytes(red);
    bok.replace(bok.find(";100;"), 5, ";101;"); // an amount changed by hand
    SkrivBytes(red, bok);
    const std::string logg = Logg();
    Oppna();
    EXPECT_NE(besked.find("stämmer inte med sin behandlingshistorik"), std::string::npos);
    EXPECT_EQ(Logg(), logg + Borjan());
    data = Bokforingsdata{};
    Oppna();
    EXPECT_EQ(besked, "");
    EXPECT_EQ(Logg(), logg + Borjan());
}

TEST_F(Loggad, ANewLedgerOrAnImportIsNotWrittenOverALedgerWithALog) {
    Oppna();
    RaderaPost(data, 1);
    const std::string logg = Logg();
    const std::string bok = LasBytes(red);
    Bokforingsdata ny;
    EXPECT_THROW(SkapaNyRedovisning(ny, "Ny", red), Korningsfel);
    data = Bokforingsdata{};
    EXPECT_THROW(SkapaNyRedovisning(data, "Ny", red), Korningsfel);
    EXPECT_EQ(LasBytes(red), bok);
    EXPECT_EQ(Logg(), logg);

    // Elsewhere an import begins the new ledger's log with its posts.
    SieImport imp;
    imp.kontoplannamn = "Plan";
    imp.konton = {TKonto{1, 1930, "Bank"}};
    imp.redovisningsnamn = "Import";
    imp.poster = {TPost{1, "20260110", 1930, 0, 0, 5, "In"}};
    const std::string annan = mapp.Sokvag("import.red");
    data.StangdTom = Datum{2026, 1, 31}; // the old ledger's, not the new one's
    EXPECT_EQ(SkapaFranSie(data, imp, mapp.Sokvag("import.kpl"), annan), "");
    EXPECT_EQ(data.StangdTom, std::nullopt);
    EXPECT_EQ(LasBytes(Loggfil(annan)),
              Loggbytes({"2026-12-09 10:11:12",
                         "bo@datorn",
                         LoggenBorjarText(Redovisningssumma("Import", {})),
                         {},
                         {}}) +
                  Crlf(kStampel + "SIE-import\n+1;20260110;5;1930;0;0;In\n"));
    EXPECT_THROW(SkapaFranSie(data, imp, mapp.Sokvag("b.kpl"), annan), Korningsfel);
}

TEST(Registreringar, ARecordWhoseChangeNeverCameRegistersNothing) {
    auto post = [](const char *tid, std::string vad, std::vector<std::string> nya = {}) {
        return Loggpost{tid, "bo@datorn", std::move(vad), {}, std::move(nya)};
    };
    const std::vector<Loggpost> logg = {
        post("1", LoggenBorjarText({})),
        post("2", "Ny post", {"2;20260101;5;1930;0;0;B"}),
        post("3", "Ej genomförd: Ny post"),
        post("4", "Ny post", {"2;20260101;5;1930;0;0;B", "1;20260101;1;1930;0;0;A"}),
        post("5", "Momsavräkning", {"3;20260101;5;1930;0;0;M"}),
        post("6", "Ej genomförd: Momsavräkning"),
    };
    const std::map<int32_t, Registrering> vantat{{1, {"4", "bo@datorn"}}, {2, {"4", "bo@datorn"}}};
    EXPECT_EQ(Registreringar(logg), vantat);
    Testmapp mapp;
    std::string bytes;
    for (const Loggpost &p : logg)
        bytes += Loggbytes(p);
    SkrivBytes(mapp.Sokvag("a.logg"), bytes);
    EXPECT_EQ(Registreringar(mapp.Sokvag("a.logg")), vantat);
}
