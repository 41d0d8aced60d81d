// Closing a period and opening it again (the refusals, the records written and
// the date they leave), the history's list, filter and printout, and the
// checks of the verification numbers and of posts registered in a closed period.

#include "../core/Testmapp.h"
#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"
#include "maintenance/Historik.h"
#include "maintenance/Kontroll.h"
#include "maintenance/Perioder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace tovana;
using namespace tovana::test;
using Rader = std::vector<std::string>;

namespace {

class Perioder : public ::testing::Test {
protected:
    void SetUp() override {
        SattLoggklocka([] { return Loggstampel{"2026-04-02 10:00:00", "bo@datorn"}; });
        data.Redovisningsnamn = "Bokföring 2026";
        data.Redovisningsfil = mapp.Sokvag("bok.red");
        data.RedovisningInlast = true;
        data.Postplats(++data.Postantal) = {1, "20260302", 1930, 3010, 0, 100, "Kassa"};
    }
    void TearDown() override { SattLoggklocka({}); }

    std::string Logg() const {
        const std::string fil = Loggfil(data.Redovisningsfil);
        return LoggFinns(fil) ? LasBytes(fil) : std::string("(ingen)");
    }

    Testmapp mapp;
    Bokforingsdata data;
};

std::string Felet(const std::function<void()> &gor) {
    try {
        gor();
    } catch (const Korningsfel &fel) {
        return fel.what();
    }
    return "(inget fel)";
}

} // namespace

TEST_F(Perioder, CloseAndOpenWriteTheirRecordsAndMoveTheDate) {
    EXPECT_EQ(Periodlage(data), "Ingen period är stängd.");
    StangPeriod(data, "260331");
    EXPECT_EQ(data.StangdTom, (Datum{2026, 3, 31}));
    EXPECT_EQ(Periodlage(data), "Stängd t.o.m. 2026-03-31");
    // A ledger without a log gets one that begins with the ledger as it stood.
    const std::string borjan =
        "#2026-04-02 10:00:00;bo@datorn;" + LoggenBorjarText(Redovisningssumma(data)) + "\r\n";
    EXPECT_EQ(Logg(), TillWindows1252(
                          borjan + "#2026-04-02 10:00:00;bo@datorn;Stängd t.o.m. 2026-03-31\r\n"));

    StangPeriod(data, "2026-06-30");
    OppnaPeriod(data, " 20260501 ", "  Glömd leverantörsfaktura  ");
    EXPECT_EQ(data.StangdTom, (Datum{2026, 4, 30}));
    EXPECT_EQ(Periodlage(data), "Stängd t.o.m. 2026-04-30");
    EXPECT_EQ(Logg(),
              TillWindows1252(borjan + "#2026-04-02 10:00:00;bo@datorn;Stängd t.o.m. 2026-03-31\r\n"
                                       "#2026-04-02 10:00:00;bo@datorn;Stängd t.o.m. 2026-06-30\r\n"
                                       "#2026-04-02 10:00:00;bo@datorn;Öppnad från 2026-05-01: "
                                       "Glömd leverantörsfaktura\r\n"));
    // The date the ledger keeps is the one its log leaves when opened again.
    EXPECT_EQ(StangdTom(LasLogg(Loggfil(data.Redovisningsfil))), data.StangdTom);

    // Opened again on the closed-through date itself, and then from the
    // calendar's first day: nothing is left closed, and closing starts over.
    OppnaPeriod(data, "20260430", "Rättelse");
    EXPECT_EQ(data.StangdTom, (Datum{2026, 4, 29}));
    OppnaPeriod(data, "00010101", "Allt öppnas");
    EXPECT_EQ(Periodlage(data), "Ingen period är stängd.");
    EXPECT_NE(Felet([&] { OppnaPeriod(data, "20260101", "x"); }), "(inget fel)");
    StangPeriod(data, "20260131");
    EXPECT_EQ(data.StangdTom, (Datum{2026, 1, 31}));
}

TEST_F(Perioder, RefusalsWriteNothingAndKeepTheDate) {
    struct Fall {
        const char *namn;
        std::function<void(Bokforingsdata &)> lage; // the state before
        std::function<void(Bokforingsdata &)> gor;
        std::string fel; // the start of the message
    };
    auto stangd = [](Bokforingsdata &d) { d.StangdTom = Datum{2026, 3, 31}; };
    const std::vector<Fall> fall = {
        {"stäng utan redovisning", [](Bokforingsdata &d) { d.RedovisningInlast = false; },
         [](Bokforingsdata &d) { StangPeriod(d, "20260331"); }, "Det finns ingen öppen"},
        {"stäng utan fil", [](Bokforingsdata &d) { d.Redovisningsfil.clear(); },
         [](Bokforingsdata &d) { StangPeriod(d, "20260331"); }, "Det finns ingen öppen"},
        {"stäng skrivskyddad", [](Bokforingsdata &d) { d.RedovisningSkrivskyddad = true; },
         [](Bokforingsdata &d) { StangPeriod(d, "20260331"); }, "Redovisningen är öppnad"},
        {"stäng oläsbart", {}, [](Bokforingsdata &d) { StangPeriod(d, "31/3"); }, kOlasbartDatum},
        {"stäng 30 feb", {}, [](Bokforingsdata &d) { StangPeriod(d, "20260230"); }, kOlasbartDatum},
        {"stäng samma dag", stangd, [](Bokforingsdata &d) { StangPeriod(d, "260331"); },
         "Perioden är redan stängd t.o.m. 2026-03-31"},
        {"stäng bakåt", stangd, [](Bokforingsdata &d) { StangPeriod(d, "20260228"); },
         "Perioden är redan stängd t.o.m. 2026-03-31"},
        {"öppna utan stängd",
         {},
         [](Bokforingsdata &d) { OppnaPeriod(d, "20260301", "Fel"); },
         "Ingen period är stängd."},
        {"öppna efter stängd", stangd, [](Bokforingsdata &d) { OppnaPeriod(d, "20260401", "Fel"); },
         "Datumet ligger efter den stängda perioden"},
        {"öppna oläsbart", stangd, [](Bokforingsdata &d) { OppnaPeriod(d, "mars", "Fel"); },
         kOlasbartDatum},
        {"öppna utan skäl", stangd, [](Bokforingsdata &d) { OppnaPeriod(d, "20260301", ""); },
         "Skriv skälet"},
        {"öppna blankt skäl", stangd, [](Bokforingsdata &d) { OppnaPeriod(d, "20260301", " \t "); },
         "Skriv skälet"},
        {"öppna skäl med radbrytning", stangd,
         [](Bokforingsdata &d) { OppnaPeriod(d, "20260301", "Fel\r\nmoms"); },
         "Skälet får inte innehålla radbrytningar"},
        {"öppna skäl med NUL", stangd,
         [](Bokforingsdata &d) { OppnaPeriod(d, "20260301", std::string("a\0b", 3)); },
         "Skälet får inte innehålla radbrytningar"},
        {"öppna skäl utanför teckentabellen", stangd,
         [](Bokforingsdata &d) { OppnaPeriod(d, "20260301", "Fel \u4e2d"); },
         "Skälet innehåller ett tecken"},
        {"öppna skrivskyddad",
         [&](Bokforingsdata &d) {
             stangd(d);
             d.RedovisningSkrivskyddad = true;
         },
         [](Bokforingsdata &d) { OppnaPeriod(d, "20260301", "Fel"); }, "Redovisningen är öppnad"},
    };
    for (const Fall &f : fall) {
        Bokforingsdata d = data;
        if (f.lage)
            f.lage(d);
        const auto fore = d.StangdTom;
        const std::string fel = Felet([&] { f.gor(d); });
        EXPECT_TRUE(fel.starts_with(f.fel)) << f.namn << ": " << fel;
        EXPECT_EQ(d.StangdTom, fore) << f.namn;
        EXPECT_EQ(Logg(), "(ingen)") << f.namn;
    }
}

TEST_F(Perioder, ALogThatCannotBeWrittenStopsTheClose) {
    data.Redovisningsfil = mapp.Sokvag("saknas/bok.red");
    EXPECT_NE(Felet([&] { StangPeriod(data, "20260331"); })
                  .find("Behandlingshistoriken kunde "
                        "inte skrivas"),
              std::string::npos);
    EXPECT_EQ(data.StangdTom, std::nullopt);
}

TEST(Historik, ListsNewestFirstFiltersByNumberAndPrintsTheLines) {
    auto post = [](std::string tid, std::string vad, Rader borta, Rader nya) {
        return Loggpost{std::move(tid), "anna@kontoret", std::move(vad), std::move(borta),
                        std::move(nya)};
    };
    const Behandlingshistorik historik({
        post("2026-01-01 08:00:00", "Loggen börjar: 0 poster, kontrollsumma 0000000000000000", {},
             {}),
        post("2026-01-02 09:00:00", "Ny post", {}, {"12;20260102;100;1930;3010;0;<Kassa>"}),
        post("2026-01-03 09:00:00", "Ny post", {}, {"13;20260103;50;1930;3010;0;Bank"}),
        post("2026-01-04 09:00:00", "Ändrad post", {"12;20260102;100;1930;3010;0;<Kassa>"},
             {"12;20260102;150;1930;3010;0;<Kassa>"}),
        post("2026-02-01 09:00:00", "Rättelse", {},
             {"14;20260201;150;3010;1930;0;Rättelse av ver 12: <Kassa>",
              "14;20260201;120;1930;3010;0;<Kassa>"}),
        post("2026-02-02 09:00:00", "Nytt namn", {"Bok 1"}, {"Bok 12"}),
    });
    EXPECT_EQ(historik.Urval(""), (std::vector<std::size_t>{5, 4, 3, 2, 1, 0}));
    // The correction names the verification it corrects as well as its own.
    EXPECT_EQ(historik.Urval(" 12 "), (std::vector<std::size_t>{4, 3, 1}));
    EXPECT_EQ(historik.Urval("14"), (std::vector<std::size_t>{4}));
    EXPECT_TRUE(historik.Urval("99").empty());
    EXPECT_TRUE(historik.Urval("12a").empty());
    EXPECT_EQ(historik.Rad(4), "2026-02-01 09:00:00  anna@kontoret  Rättelse  ver 14, 12");
    EXPECT_EQ(historik.Rad(5), "2026-02-02 09:00:00  anna@kontoret  Nytt namn");

    Utskrift ut = HistorikUtskrift(historik, historik.Urval("12"), "Bok <1>", "2026-02-03");
    const Rader &rader = ut.Rader();
    auto plats = [&](const std::string &rad) {
        return std::find(rader.begin(), rader.end(), rad) - rader.begin();
    };
    const auto rubrik = plats("<p align=\"center\"><font face=\"Verdana\" size=\"4\">"
                              "Behandlingshistorik för Bok &lt;1&gt;</font><font face=\"Verdana\" "
                              "size=\"1\"> Utskriften är gjord 2026-02-03</p>");
    const auto andrad = plats("<td><font face=\"Verdana\" size=\"2\">Ändrad post</font></td>");
    const auto minus =
        plats("<tr><td></td><td colspan=\"2\"><font face=\"Courier New\" "
              "size=\"2\">-12;20260102;100;1930;3010;0;&lt;Kassa&gt;</font></td></tr>");
    const auto plus =
        plats("<tr><td></td><td colspan=\"2\"><font face=\"Courier New\" "
              "size=\"2\">+12;20260102;150;1930;3010;0;&lt;Kassa&gt;</font></td></tr>");
    const auto ny = plats("<td><font face=\"Verdana\" size=\"2\">Ny post</font></td>");
    const auto n = static_cast<long>(rader.size());
    // Heading, then the change with its lines, then the older registration.
    EXPECT_LT(rubrik, andrad);
    EXPECT_LT(andrad, minus);
    EXPECT_LT(minus, plus);
    EXPECT_LT(plus, ny);
    EXPECT_LT(ny, n);
    EXPECT_EQ(std::count_if(rader.begin(), rader.end(),
                            [](const std::string &r) { return r.find("Bank") != r.npos; }),
              0);
}

TEST(Verifikationsnummer, GapsAndDuplicatesInRuns) {
    struct Fall {
        const char *namn;
        std::vector<TPost> poster;
        Rader rader;
    };
    auto p = [](int32_t nr, const char *datum = "20260101") {
        return TPost{nr, datum, 1930, 3010, 0, 100, "t"};
    };
    const std::string saknas = "Verifikationsnummer saknas: ";
    const std::string flera = "Verifikationsnummer förekommer i flera verifikationer: ";
    const std::vector<Fall> fall = {
        {"tom", {}, {}},
        {"hel serie, flera poster per verifikation", {p(1), p(1), p(2), p(3), p(3), p(3)}, {}},
        {"serien börjar senare", {p(5), p(6)}, {}},
        {"luckor i serier", {p(1), p(3), p(7), p(8), p(10)}, {saknas + "2, 4–6, 9"}},
        {"sorterad efter datum", {p(2, "20260102"), p(1, "20260105"), p(3, "20260110")}, {}},
        {"samma nummer åtskilt", {p(1), p(2), p(1), p(3)}, {flera + "1"}},
        {"samma nummer, andra datum", {p(1), p(2), p(2, "260102"), p(3)}, {flera + "2"}},
        {"samma dag i två former", {p(1, "260101"), p(1, "2026-01-01"), p(2)}, {}},
        {"båda, i följd",
         {p(1), p(2), p(5), p(1), p(2), p(6, "x"), p(6, "y")},
         {saknas + "3–4", flera + "1–2, 6"}},
        {"stor lucka är en rad", {p(1), p(2000000000)}, {saknas + "2–1999999999"}},
        {"noll och negativa räknas inte som luckor", {p(-3), p(0), p(1), p(2)}, {}},
    };
    for (const Fall &f : fall) {
        Bokforingsdata data;
        for (const TPost &post : f.poster)
            data.Postplats(++data.Postantal) = post;
        EXPECT_EQ(Verifikationsnummerfel(data), f.rader) << f.namn;
    }
}

TEST_F(Perioder, PostsRegisteredAfterTheirPeriodWasClosedAreListed) {
    // Ver 1 is registered before the close, ver 2 after it (as a program
    // without the guard would have let it), ver 3 while the period was open
    // again, ver 4 after it was closed again, ver 5 later but in the open
    // period, and ver 6 after the close but its change never reached the ledger.
    const TPost v1{1, "20260302", 1930, 3010, 0, 100, "Kassa"};
    const TPost v2{2, "20260310", 1930, 3010, 0, 200, "Sen"};
    const TPost v3{3, "20260315", 1930, 3010, 0, 300, "Öppen"};
    const TPost v4{4, "260320", 1930, 3010, 0, 400, "Sen igen"};
    const TPost v5{5, "20260405", 1930, 3010, 0, 500, "Öppen period"};
    const TPost v6{6, "20260311", 1930, 3010, 0, 600, "Aldrig"};
    auto rec = [](std::string tid, std::string vad, Rader nya = {}) {
        return Loggpost{std::move(tid), "bo@datorn", std::move(vad), {}, std::move(nya)};
    };
    const std::string logg = Loggfil(data.Redovisningsfil);
    for (const Loggpost &post : std::vector<Loggpost>{
             rec("2026-03-02 10:00:00", "Loggen börjar: 0 poster, kontrollsumma 0000000000000000"),
             rec("2026-03-02 10:00:01", "Ny post", {Postrad(v1)}),
             rec("2026-04-01 08:00:00", "Stängd t.o.m. 2026-03-31"),
             rec("2026-04-01 09:00:00", "SIE-import", {"2;20260310;200,00;1930;3010;0;Sen"}),
             rec("2026-04-02 08:00:00", "Öppnad från 2026-03-15: Fel"),
             rec("2026-04-02 08:10:00", "Ny post", {Postrad(v3)}),
             rec("2026-04-02 09:00:00", "Stängd t.o.m. 2026-03-31"),
             rec("2026-04-03 09:00:00", "Rättelse", {Postrad(v4), Postrad(v5)}),
             rec("2026-04-04 09:00:00", "Ny post", {Postrad(v6)}),
             rec("2026-04-04 09:00:01", "Ej genomförd: Ny post"),
         })
        SkrivLoggpost(logg, post);
    data.Postantal = 0;
    for (const TPost &post : {v1, v2, v3, v4, v5})
        data.Postplats(++data.Postantal) = post;

    // Nothing is listed while no period is closed in the ledger.
    EXPECT_EQ(RegistreradeEfterStangning(data), Rader{});
    data.StangdTom = Datum{2026, 3, 31};
    EXPECT_EQ(RegistreradeEfterStangning(data),
              (Rader{"Verifikation 2 (20260310) registrerades 2026-04-01 09:00:00 av bo@datorn, "
                     "då perioden var stängd t.o.m. 2026-03-31.",
                     "Verifikation 4 (260320) registrerades 2026-04-03 09:00:00 av bo@datorn, "
                     "då perioden var stängd t.o.m. 2026-03-31."}));
    // A post no longer in the ledger is not listed; one opened again since is not either.
    data.Postantal = 3;
    data.StangdTom = Datum{2026, 3, 12};
    EXPECT_EQ(RegistreradeEfterStangning(data),
              (Rader{"Verifikation 2 (20260310) registrerades 2026-04-01 09:00:00 av bo@datorn, "
                     "då perioden var stängd t.o.m. 2026-03-31."}));

    // A log that cannot be read is said to be so.
    SkrivBytes(logg, std::string("#a\0b", 4));
    const Rader rader = RegistreradeEfterStangning(data);
    ASSERT_EQ(rader.size(), 1u);
    EXPECT_TRUE(rader[0].starts_with("Behandlingshistoriken kunde inte läsas: ")) << rader[0];
}
