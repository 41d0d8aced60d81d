// The change log: its bytes, reading them back (any line end, either
// encoding, records of every kind), the closed-through date its records
// leave, and the replay that tells whether the ledger is what the log says.

#include "Testmapp.h"
#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tovana;
using namespace tovana::test;

namespace {

Loggpost Post(std::string vad, std::vector<std::string> borta = {},
              std::vector<std::string> nya = {}) {
    return {"2026-03-02 14:05:09", "anna@kontoret", std::move(vad), std::move(borta),
            std::move(nya)};
}

TPost Ver(int32_t nr, const char *datum, double belopp, const char *text = "Kassa") {
    return {nr, datum, 1930, 3010, 0, belopp, text};
}

class FastKlocka : public ::testing::Test {
protected:
    void SetUp() override {
        SattLoggklocka([] { return Loggstampel{"2026-12-09 10:11:12", "bo@datorn"}; });
    }
    void TearDown() override { SattLoggklocka({}); }
};

} // namespace

TEST(Behandlingslogg, RecordBytesAreWindows1252WithCrLfAndSignedLines) {
    const Loggpost post = Post("Ändrad post", {"12;20260302;1250;1930;3010;0;Försäljning"},
                               {"12;20260302;1520;1930;3010;0;Försäljning"});
    EXPECT_EQ(Loggbytes(post), TillWindows1252("#2026-03-02 14:05:09;anna@kontoret;Ändrad post\r\n"
                                               "-12;20260302;1250;1930;3010;0;Försäljning\r\n"
                                               "+12;20260302;1520;1930;3010;0;Försäljning\r\n"));
    // A reason with a line break, a character Windows-1252 cannot hold, or a
    // user that would split the heading is refused before any byte is made.
    EXPECT_THROW(Loggbytes(Post("Öppnad från 2026-01-01: a\nb")), Korningsfel);
    EXPECT_THROW(Loggbytes(Post("Öppnad från 2026-01-01: \u4e2d")), Korningsfel);
    Loggpost semikolon = Post("Ny post");
    semikolon.anvandare = "a;b";
    EXPECT_THROW(Loggbytes(semikolon), Korningsfel);
}

TEST(Behandlingslogg, RecordsReadBackWhateverTheLineEndsAndEncoding) {
    // A property: any records written one after the other read back as they were.
    std::mt19937 slump(7);
    const std::vector<std::string> texter = {
        "",      "Kassa", "Försäljning; kontant",        "a#b", "-",
        "+ + +", "Ö;å;ä", "12;20260101;1,5;1930;3010;0;"};
    for (int varv = 0; varv < 50; ++varv) {
        std::vector<Loggpost> poster;
        std::string bytes;
        const int antal = 1 + static_cast<int>(slump() % 5);
        for (int i = 0; i < antal; ++i) {
            Loggpost post = Post(texter[slump() % texter.size()] + "x");
            for (unsigned j = slump() % 3; j > 0; --j)
                post.borttagna.push_back(texter[slump() % texter.size()]);
            for (unsigned j = slump() % 3; j > 0; --j)
                post.tillagda.push_back(texter[slump() % texter.size()]);
            bytes += Loggbytes(post);
            poster.push_back(std::move(post));
        }
        std::vector<Loggpost> lasta;
        GaIgenomLogg(bytes, "x.logg", [&](const Loggpost &p) { lasta.push_back(p); });
        EXPECT_EQ(lasta, poster);
    }
    // LF and lone CR line ends, a UTF-8 log from another editor, a blank line,
    // a stray line before the first heading and a heading without its fields.
    const std::string andra = "skräp\n#2026-01-01 00:00:00;a@b;Ny post\r+1;x\r\n\n"
                              "#utan fält\n-2;y\r";
    std::vector<Loggpost> lasta;
    GaIgenomLogg(andra, "x.logg", [&](const Loggpost &p) { lasta.push_back(p); });
    ASSERT_EQ(lasta.size(), 2u);
    EXPECT_EQ(lasta[0], (Loggpost{"2026-01-01 00:00:00", "a@b", "Ny post", {}, {"1;x"}}));
    EXPECT_EQ(lasta[1], (Loggpost{"", "", "utan fält", {"2;y"}, {}}));
}

TEST_F(FastKlocka, WrittenLogIsCreatedThenOnlyGrows) {
    Testmapp mapp;
    const std::string logg = Loggfil(mapp.Sokvag("bok.red"));
    EXPECT_EQ(logg, mapp.Sokvag("bok.red.logg"));
    EXPECT_FALSE(LoggFinns(logg));
    EXPECT_TRUE(LasLogg(logg).empty());

    const Loggpost forsta = NyLoggpost(LoggenBorjarText({0, 1}));
    const Loggpost andra = NyLoggpost(loggtyp::kNyPost, {}, {"1;20260101;5;1930;3010;0;Å"});
    SkrivLoggpost(logg, forsta);
    SkrivLoggpost(logg, andra);
    EXPECT_EQ(LasBytes(logg), Loggbytes(forsta) + Loggbytes(andra));
    EXPECT_EQ(LasLogg(logg), (std::vector<Loggpost>{forsta, andra}));
    EXPECT_EQ(andra.tid, "2026-12-09 10:11:12");
    EXPECT_EQ(andra.anvandare, "bo@datorn");
}

TEST(Behandlingslogg, LogThatCannotBeWrittenSaysSoAndStaysAsItWas) {
    // The append runs in a child whose file size limit stops it half way, as a
    // full disk would; the child reports the message's first line.
    Testmapp mapp;
    const std::string logg = mapp.Sokvag("bok.red.logg");
    SkrivLoggpost(logg, Post("Ny post", {}, {"1;a"}));
    const std::string fore = LasBytes(logg);
    int ror[2];
    ASSERT_EQ(::pipe(ror), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit grans{fore.size() + 20, fore.size() + 20};
        std::string svar = "OK";
        if (::setrlimit(RLIMIT_FSIZE, &grans) != 0)
            svar = "setrlimit";
        else
            try {
                SkrivLoggpost(logg,
                              Post("Ny post", {}, {std::string(200, 'x'), std::string(200, 'y')}));
            } catch (const Korningsfel &fel) {
                svar = std::string(fel.what()).substr(0, std::string(fel.what()).find('\n'));
            }
        ::_exit(::write(ror[1], svar.data(), svar.size()) > 0 ? 0 : 1);
    }
    ::close(ror[1]);
    char buf[256];
    const ssize_t n = ::read(ror[0], buf, sizeof buf);
    ::close(ror[0]);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0),
              "Behandlingshistoriken kunde inte skrivas, så ingenting ändrades.");
    EXPECT_EQ(LasBytes(logg), fore);
    EXPECT_EQ(LasLogg(logg).size(), 1u);
}

TEST(Behandlingslogg, RealStampNamesTimeAndUser) {
    const Loggstampel stampel = NuLoggstampel();
    ASSERT_EQ(stampel.tid.size(), 19u);
    EXPECT_EQ(stampel.tid[4], '-');
    EXPECT_EQ(stampel.tid[10], ' ');
    EXPECT_EQ(stampel.tid[13], ':');
    EXPECT_NE(stampel.anvandare.find('@'), std::string::npos);
    EXPECT_EQ(stampel.anvandare.find(';'), std::string::npos);
}

TEST(Behandlingslogg, ClosedThroughDateIsTheLastCloseOrReopen) {
    const Datum mars{2026, 3, 31};
    const Datum juni{2026, 6, 30};
    struct Fall {
        std::vector<std::string> vad;
        std::optional<Datum> tom;
    };
    const std::vector<Fall> fall = {
        {{}, std::nullopt},
        {{"Ny post"}, std::nullopt},
        {{StangdText(mars)}, mars},
        {{StangdText(mars), "Ny post", StangdText(juni)}, juni},
        {{StangdText(juni), OppnadText({2026, 4, 1}, "Fel moms")}, mars},
        {{StangdText(juni), OppnadText({2026, 1, 1}, "Allt")}, Datum{2025, 12, 31}},
        {{StangdText(mars), OppnadText({2026, 3, 1}, "x"), "Ny post"}, Datum{2026, 2, 28}},
        {{StangdText(mars), "Stängd t.o.m. trasigt"}, mars},
    };
    for (const Fall &f : fall) {
        std::vector<Loggpost> poster;
        for (const std::string &vad : f.vad)
            poster.push_back(Post(vad));
        EXPECT_EQ(StangdTom(poster), f.tom) << (f.vad.empty() ? "" : f.vad.back());
    }
    EXPECT_EQ(StangdText(mars), "Stängd t.o.m. 2026-03-31");
    EXPECT_EQ(OppnadText({2026, 4, 1}, "Fel moms"), "Öppnad från 2026-04-01: Fel moms");
}

TEST(Behandlingslogg, DayBeforeAndAfterCrossMonthsYearsAndLeapDays) {
    const std::vector<std::pair<Datum, Datum>> par = {
        {{2026, 3, 14}, {2026, 3, 15}}, {{2026, 2, 28}, {2026, 3, 1}},
        {{2024, 2, 29}, {2024, 3, 1}},  {{2025, 12, 31}, {2026, 1, 1}},
        {{2026, 4, 30}, {2026, 5, 1}},
    };
    for (const auto &[fore, efter] : par) {
        EXPECT_EQ(DagenEfter(fore), efter);
        EXPECT_EQ(DagenFore(efter), fore);
    }
}

TEST(Behandlingslogg, BeginningRecordCarriesCountAndOrderFreeChecksum) {
    const std::vector<TPost> poster = {Ver(1, "20260101", 5), Ver(2, "20260102", 7.5)};
    const std::vector<TPost> omvanda = {poster[1], poster[0]};
    const Loggsumma summa = Redovisningssumma("Bok", poster);
    EXPECT_EQ(summa.poster, 2);
    EXPECT_EQ(Redovisningssumma("Bok", omvanda), summa);
    EXPECT_NE(Redovisningssumma("Bok2", poster), summa);
    EXPECT_NE(Redovisningssumma("Bok", std::vector<TPost>{poster[0], poster[0]}), summa);

    const std::string text = LoggenBorjarText(summa);
    EXPECT_TRUE(text.starts_with("Loggen börjar: 2 poster, kontrollsumma "));
    EXPECT_EQ(LasLoggenBorjar(text), summa);
    for (const char *trasig :
         {"Loggen börjar", "Loggen börjar: x poster, kontrollsumma 0000000000000000",
          "Loggen börjar: 2 poster, kontrollsumma 00", "Ny post"})
        EXPECT_EQ(LasLoggenBorjar(trasig), std::nullopt) << trasig;
}

TEST(Behandlingslogg, ReplayTellsWhetherTheLastChangeReachedTheLedger) {
    const TPost a = Ver(1, "20260101", 5), b = Ver(2, "20260102", 7), b2 = Ver(2, "20260102", 8);
    auto summa = [](std::vector<TPost> p, const char *namn = "Bok") {
        return Redovisningssumma(namn, p);
    };
    const std::string start = Loggbytes(Post(LoggenBorjarText(summa({a}))));
    const std::string ny = Loggbytes(Post("Ny post", {}, {Postrad(b)}));
    const std::string andrad = Loggbytes(Post("Ändrad post", {Postrad(b)}, {Postrad(b2)}));
    const std::string raderad = Loggbytes(Post("Raderad post", {Postrad(a)}));
    const std::string namn = Loggbytes(Post("Nytt namn", {"Bok"}, {"Bok 2026"}));
    const std::string ej = Loggbytes(Post("Ej genomförd: Ändrad post"));
    const std::string stangd = Loggbytes(Post(StangdText({2026, 1, 31})));
    struct Fall {
        std::string logg;
        Loggsumma redovisning;
        Loggutfall utfall;
    };
    const std::vector<Fall> fall = {
        {"", summa({a}), Loggutfall::IngenLogg},
        {ny, summa({a, b}), Loggutfall::IngenLogg},
        {start, summa({a}), Loggutfall::Stammer},
        {start + ny, summa({a, b}), Loggutfall::Stammer},
        {start + ny, summa({b, a}), Loggutfall::Stammer},
        {start + ny, summa({a}), Loggutfall::SistaEjGenomford},
        {start + ny + andrad, summa({a, b2}), Loggutfall::Stammer},
        {start + ny + andrad, summa({a, b}), Loggutfall::SistaEjGenomford},
        {start + ny + andrad + ej, summa({a, b}), Loggutfall::Stammer},
        {start + ny + andrad + ej, summa({a, b2}), Loggutfall::Avviker},
        {start + ny + andrad + raderad, summa({b2}), Loggutfall::Stammer},
        {start + ny + namn, summa({a, b}, "Bok 2026"), Loggutfall::Stammer},
        {start + ny + namn, summa({a, b}), Loggutfall::SistaEjGenomford},
        // Only the last change may be missing: a record with no change after it
        // means the one before was done.
        {start + ny + stangd, summa({a}), Loggutfall::Avviker},
        {start + ny, summa({a, b, b}), Loggutfall::Avviker},
        // An amount saved as typed counts as the ledger writes it back.
        {start + Loggbytes(Post("Ny post", {}, {"2;20260102;7,00;1930;3010;0;Kassa"})),
         summa({a, b}), Loggutfall::Stammer},
        // A new beginning starts the replay again.
        {start + ny + Loggbytes(Post(LoggenBorjarText(summa({b2})))), summa({b2}),
         Loggutfall::Stammer},
    };
    for (std::size_t i = 0; i < fall.size(); ++i)
        EXPECT_EQ(JamforMedRedovisning(fall[i].logg, "x.logg", fall[i].redovisning).utfall,
                  fall[i].utfall)
            << "case " << i;
    EXPECT_EQ(JamforMedRedovisning(start + ny + andrad, "x.logg", summa({a, b})).sistaVad,
              "Ändrad post");
}

TEST(Behandlingslogg, VerificationNumbersOfARecord) {
    EXPECT_EQ(Verifikationsnummer(Post("Rättelse", {}, {"7;x", "7;y", "8;z"})),
              (std::vector<int32_t>{7, 8}));
    EXPECT_EQ(Verifikationsnummer(Post("Ändrad post", {"3;a"}, {"4;a"})),
              (std::vector<int32_t>{3, 4}));
    EXPECT_TRUE(Verifikationsnummer(Post("Nytt namn", {"12"}, {"13"})).empty());
    EXPECT_TRUE(Verifikationsnummer(Post("Ny post", {}, {"x;y"})).empty());
}

TEST_F(FastKlocka, FirstChangeBeginsTheLogAndAFailedChangeIsMarked) {
    Testmapp mapp;
    Bokforingsdata data;
    data.Redovisningsfil = mapp.Sokvag("bok.red");
    data.Redovisningsnamn = "Bok";
    data.Postplats(1) = Ver(1, "20260105", 5);
    data.Postantal = 1;
    const Loggpost ny = NyLoggpost(loggtyp::kNyPost, {}, {"2;20260106;7;1930;3010;0;Kassa"});
    MedLogg(data, ny, [] {});
    EXPECT_THROW(MedLogg(data, ny, [] { throw Korningsfel("disken full"); }), Korningsfel);
    const std::vector<Loggpost> logg = LasLogg(Loggfil(data.Redovisningsfil));
    ASSERT_EQ(logg.size(), 4u);
    EXPECT_EQ(LasLoggenBorjar(logg[0].vad), Redovisningssumma(data));
    EXPECT_EQ(logg[1], ny);
    EXPECT_EQ(logg[3].vad, "Ej genomförd: Ny post");
}

TEST(Behandlingslogg, ClosedPeriodCoversReadableDatesOnOrBeforeIt) {
    Bokforingsdata data;
    EXPECT_FALSE(IStangdPeriod(data, "20260101"));
    data.StangdTom = Datum{2026, 3, 31};
    for (const char *stangd : {"20260331", "260101", "2026-03-31", " 20251231 "})
        EXPECT_TRUE(IStangdPeriod(data, stangd)) << stangd;
    for (const char *oppen : {"20260401", "15/3", "", "0331"})
        EXPECT_FALSE(IStangdPeriod(data, oppen)) << oppen;
    const TPost post = Ver(4, "20260315", 1);
    EXPECT_THROW(KontrolleraOppenPeriod(data, post), Korningsfel);
    EXPECT_NE(StangdPeriodText(data, post).find("t.o.m. 2026-03-31"), std::string::npos);
    EXPECT_NO_THROW(KontrolleraOppenPeriod(data, Ver(5, "20260401", 1)));
}

TEST(Behandlingslogg, FirstRegisteringRecordOfEachVerification) {
    // A change's "+" line (the last argument) is no registration.
    auto post = [](const char *tid, const char *vem, const char *vad, std::vector<std::string> nya,
                   std::vector<std::string> efter = {}) {
        if (!efter.empty())
            return Loggpost{tid, vem, vad, std::move(nya), std::move(efter)};
        return Loggpost{tid, vem, vad, {}, std::move(nya)};
    };
    const std::vector<Loggpost> logg = {
        post("2026-01-02 08:00:00", "a@x",
             "Loggen börjar: 0 poster, kontrollsumma 0000000000000000", {}),
        post("2026-01-02 08:01:00", "a@x", "Ny post", {"1;20260102;5;1930;3010;0;A"}),
        post("2026-01-03 09:00:00", "b@x", "Ny post", {"1;20260102;5;1930;3010;0;B"}),
        post("2026-01-04 10:00:00", "b@x", "Ändrad post",
             std::vector<std::string>{"2;20260102;5;1930;3010;0;Gammal"},
             std::vector<std::string>{"2;20260102;6;1930;3010;0;Ny"}),
        post("2026-01-05 11:00:00", "c@x", "IB-poster", {"0;20260101;9;1930;2099;0;IB-post"}),
        post("2026-01-06 12:00:00", "c@x", "Rättelse",
             {"7;20260106;5;3010;1930;0;Rättelse av ver 1: A"}),
        post("2026-01-07 12:00:00", "d@x", "Momsavräkning",
             {"8;20260131;5;2611;2650;0;Moms", "trasig"}),
        post("2026-01-08 12:00:00", "d@x", "SIE-import", {"9;20260101;1;1930;3010;0;S"}),
    };
    const std::map<int32_t, Registrering> vantat = {{0, {"2026-01-05 11:00:00", "c@x"}},
                                                    {1, {"2026-01-02 08:01:00", "a@x"}},
                                                    {7, {"2026-01-06 12:00:00", "c@x"}},
                                                    {8, {"2026-01-07 12:00:00", "d@x"}},
                                                    {9, {"2026-01-08 12:00:00", "d@x"}}};
    EXPECT_EQ(Registreringar(logg), vantat);
    Testmapp mapp;
    std::string bytes;
    for (const Loggpost &p : logg)
        bytes += Loggbytes(p);
    SkrivBytes(mapp.Sokvag("a.logg"), bytes);
    EXPECT_EQ(Registreringar(mapp.Sokvag("a.logg")), vantat);
    EXPECT_TRUE(Registreringar(mapp.Sokvag("saknas.logg")).empty());
}
