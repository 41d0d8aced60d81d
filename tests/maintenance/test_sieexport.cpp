// The SIE export: the file of a small company against the expected one, the
// problems that stop it, the default year, and the round trip through the
// import to the same statements and balances.

#include "core/Fel.h"
#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "maintenance/Sieexport.h"
#include "maintenance/Sieimport.h"
#include "reports/Balansberakning.h"

#include "../core/Testmapp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>

using namespace tovana;
namespace fs = std::filesystem;

namespace {

const fs::path kFacit = fs::path(__FILE__).parent_path() / "sie";

Bokforingsdata Foretaget() {
    Bokforingsdata data;
    LasKontoplan(data, (kFacit / "foretag.kpl").string());
    LasRedovisning(data, (kFacit / "foretag.red").string());
    return data;
}

std::vector<std::string> Rader(const std::string &bytes) {
    std::vector<std::string> rader;
    std::size_t start = 0;
    for (std::size_t slut; (slut = bytes.find("\r\n", start)) != std::string::npos;
         start = slut + 2)
        rader.push_back(bytes.substr(start, slut - start));
    rader.push_back(bytes.substr(start));
    return rader;
}

} // namespace

TEST(Sieexport, WritesTheSmallCompanyAsExpected) {
    const SieExport exp = Exportera(Foretaget(), "20120101", "20121231", "20261208");
    ASSERT_TRUE(exp.Lyckades()) << exp.problem.front();
    const auto vantat = Rader(test::LasBytes((kFacit / "foretag.se").string()));
    const auto fatt = Rader(exp.bytes);
    for (std::size_t i = 0; i < std::max(vantat.size(), fatt.size()); ++i)
        EXPECT_EQ(i < fatt.size() ? fatt[i] : "", i < vantat.size() ? vantat[i] : "")
            << "line " << i + 1;
    EXPECT_EQ(exp.sammanfattning, "8 konton, 1 koder och 5 verifikationer skrevs.");
}

TEST(Sieexport, DefaultYearIsTheCalendarYearMostDatesName) {
    EXPECT_EQ(StandardRakenskapsar(Foretaget(), "20261208").fran, "20120101");
    EXPECT_EQ(StandardRakenskapsar(Foretaget(), "20261208").till, "20121231");
    Bokforingsdata tom;
    EXPECT_EQ(StandardRakenskapsar(tom, "20261208").fran, "20260101");
    Bokforingsdata utanAr = Foretaget();
    for (auto &post : utanAr.Poster)
        post.datum = "15/3";
    EXPECT_EQ(StandardRakenskapsar(utanAr, "19991208").till, "19991231");
    Bokforingsdata sekelskifte = Foretaget();
    for (auto &post : sekelskifte.Poster)
        post.datum = "991231";
    EXPECT_EQ(StandardRakenskapsar(sekelskifte, "20000105").fran, "19990101");
}

TEST(Sieexport, TheCompanysDetailsNameItAndSetTheYear) {
    Bokforingsdata data = Foretaget();
    const auto utan = Rader(Exportera(data, "20120101", "20121231", "20261208").bytes);
    data.Foretaget.namn = "Kafé \"Hörnet\" AB";
    data.Foretaget.orgnr = "555555-5555";
    data.Foretaget.rakenskapsar = Arsperiod{{2012, 1, 1}, {2013, 6, 30}};
    const Rakenskapsar ar = StandardRakenskapsar(data, "20261208");
    EXPECT_EQ(ar.fran, "20120101");
    EXPECT_EQ(ar.till, "20130630");
    const auto med = Rader(Exportera(data, ar.fran, ar.till, "20261208").bytes);
    // Only the identification lines change: the number before the name, the
    // year, and the checksum (the second last line; the last is empty).
    ASSERT_EQ(med.size(), utan.size() + 1);
    EXPECT_EQ(std::vector<std::string>(med.begin(), med.begin() + 6),
              std::vector<std::string>(utan.begin(), utan.begin() + 6));
    EXPECT_EQ(med[6], "#ORGNR 555555-5555");
    EXPECT_EQ(med[7], "#FNAMN \"Kaf\x82 \\\"H\x94rnet\\\" AB\"");
    EXPECT_EQ(med[8], "#RAR 0 20120101 20130630");
    for (std::size_t i = 9; i + 2 < med.size(); ++i)
        EXPECT_EQ(med[i], utan[i - 1]) << "line " << i + 1;
    EXPECT_NE(med[med.size() - 2], utan[utan.size() - 2]);

    // A name alone: no #ORGNR.
    data.Foretaget.orgnr.clear();
    const auto namn = Rader(Exportera(data, ar.fran, ar.till, "20261208").bytes);
    EXPECT_EQ(namn[6], "#FNAMN \"Kaf\x82 \\\"H\x94rnet\\\" AB\"");
    EXPECT_EQ(namn[7], "#RAR 0 20120101 20130630");
}

TEST(Sieexport, ListsEveryProblemAndWritesNothing) {
    struct Fall {
        const char *namn;
        std::function<void(Bokforingsdata &)> andra;
        std::string fran;
        std::vector<std::string> problem;
    };
    const std::vector<Fall> fall = {
        {"unreadable date",
         [](Bokforingsdata &d) { d.Poster[4].datum = "15-3"; },
         "20120101",
         {"Post 4 (verifikation 2): datumet \"15-3\" kan inte läsas."}},
        {"date outside the year",
         [](Bokforingsdata &d) { d.Poster[4].datum = "110201"; },
         "20120101",
         {"Post 4 (verifikation 2): datumet 110201 ligger utanför räkenskapsåret "
          "20120101–20121231."}},
        {"unbalanced verification",
         [](Bokforingsdata &d) { d.Poster[7].belopp = 1500; },
         "20120101",
         {"Verifikation 3 balanserar inte: debet och kredit skiljer sig med 100,00."}},
        {"opening balance on a result account",
         [](Bokforingsdata &d) {
             d.Postplats(++d.Postantal) = {0, "120101", 3010, 0, 0, 5, "IB-post"};
         },
         "20120101",
         {"Post 10 (verifikation 0) är en ingående balans (IB-post) på konto 3010, som inte är "
          "ett balanskonto; en SIE-fil har ingående balanser bara för balansräkningens konton "
          "(klass 1–4)."}},
        {"a residue below one öre still shows",
         [](Bokforingsdata &d) { d.Poster[7].belopp = 1600.01; },
         "20120101",
         {"Verifikation 3 balanserar inte: debet och kredit skiljer sig med -0,01."}},
        {"account missing from the chart",
         [](Bokforingsdata &d) {
             d.Poster[4].debet = 5020;
             d.Poster[8].debet = 5020;
         },
         "20120101",
         {"Konto 5020 används i post 4 (verifikation 2) men finns inte i kontoplanen."}},
        {"a code used as an account",
         [](Bokforingsdata &d) { d.Poster[4].kredit = 10; },
         "20120101",
         {"Konto 10 används i post 4 (verifikation 2) men finns inte i kontoplanen."}},
        {"code missing from the chart",
         [](Bokforingsdata &d) { d.Poster[3].kod = 11; },
         "20120101",
         {"Koden 11 används i post 3 (verifikation 1) men finns inte i kontoplanen."}},
        {"post without an account",
         [](Bokforingsdata &d) {
             d.Poster[4].debet = 0;
             d.Poster[4].kredit = 0;
         },
         "20120101",
         {"Post 4 (verifikation 2) saknar konto."}},
        {"amount too large to write",
         [](Bokforingsdata &d) { d.Poster[4].belopp = 1e300; },
         "20120101",
         {"Post 4 (verifikation 2): beloppet är för stort."}},
        {"first day no date",
         [](Bokforingsdata &) {},
         "2012",
         {"Räkenskapsårets första dag ska vara ett datum skrivet ÅÅÅÅMMDD, inte \"2012\"."}},
        {"first day after the last",
         [](Bokforingsdata &) {},
         "20130101",
         {"Räkenskapsårets första dag 20130101 ligger efter den sista, 20121231."}},
    };
    for (const auto &f : fall) {
        Bokforingsdata data = Foretaget();
        f.andra(data);
        const SieExport exp = Exportera(data, f.fran, "20121231", "20261208");
        EXPECT_EQ(exp.problem, f.problem) << f.namn;
        EXPECT_EQ(exp.bytes, "") << f.namn;
        test::Testmapp mapp;
        EXPECT_THROW(SkrivSiefil(mapp.Sokvag("ut.se"), exp), Korningsfel) << f.namn;
        EXPECT_FALSE(fs::exists(mapp.Sokvag("ut.se"))) << f.namn;
    }
}

TEST(Sieexport, WritesTheFileSafely) {
    test::Testmapp mapp;
    const SieExport exp = Exportera(Foretaget(), "20120101", "20121231", "20261208");
    SkrivSiefil(mapp.Sokvag("foretag.se"), exp);
    EXPECT_EQ(test::LasBytes(mapp.Sokvag("foretag.se")), exp.bytes);
    EXPECT_THROW(SkrivSiefil(mapp.Sokvag("saknas/foretag.se"), exp), Korningsfel);
}

TEST(Sieexport, RoundTripKeepsTheStatementsAndTheChart) {
    const Bokforingsdata data = Foretaget();
    const SieImport imp = Importera(Exportera(data, "20120101", "20121231", "20261208").bytes);
    ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
    EXPECT_EQ(imp.problem, std::vector<std::string>{});
    const Bokforingsdata tillbaka = SomBokforingsdata(imp);
    EXPECT_EQ(
        std::vector<TKonto>(tillbaka.Konton.begin() + 1,
                            tillbaka.Konton.begin() + 1 + tillbaka.Kontoantal),
        std::vector<TKonto>(data.Konton.begin() + 1, data.Konton.begin() + 1 + data.Kontoantal));
    for (const auto form : {Rapportform::Skarm, Rapportform::Utskrift}) {
        EXPECT_EQ(ByggResultatrakning(tillbaka, form), ByggResultatrakning(data, form));
        EXPECT_EQ(ByggBalansrakning(tillbaka, form), ByggBalansrakning(data, form));
    }
    for (const auto kod :
         {std::optional<int32_t>{}, std::optional<int32_t>{0}, std::optional<int32_t>{10}}) {
        const Saldotabell fore(data, kod), efter(tillbaka, kod);
        for (int32_t slot = 1; slot <= data.Kontoantal; ++slot) {
            const TKonto &konto = data.Konton[static_cast<std::size_t>(slot)];
            EXPECT_EQ(efter.Saldo(konto.nummer, konto.typ), fore.Saldo(konto.nummer, konto.typ))
                << konto.nummer;
        }
    }
}

// Random balanced years over the chart: every balance comes back to the öre,
// per code too, and a second export gives the same file.
TEST(Sieexport, RandomYearsRoundTrip) {
    std::mt19937 slump(4711);
    const Bokforingsdata mall = Foretaget();
    const std::vector<int32_t> konton = {1510, 1930, 2081, 2110, 2440, 3010, 5010, 8811};
    for (int varv = 0; varv < 40; ++varv) {
        Bokforingsdata data = mall;
        data.Postantal = 0;
        data.TomPoster();
        const auto konto = [&] { return konton[slump() % konton.size()]; };
        const auto belopp = [&] { return static_cast<double>(slump() % 10000000) / 100.0; };
        const auto datum = [&] {
            char text[8];
            std::snprintf(text, sizeof text, "12%02u%02u", static_cast<unsigned>(1 + slump() % 12),
                          static_cast<unsigned>(1 + slump() % 28));
            return std::string(text);
        };
        for (int32_t ver = 1; ver <= 30; ++ver) {
            const int32_t kod = slump() % 3 == 0 ? 10 : 0;
            if (slump() % 2 == 0) {
                data.Postplats(++data.Postantal) = {ver, datum(),  konto(),    konto(),
                                                    kod, belopp(), "Två sidor"};
            } else {
                const double a = belopp(), b = belopp();
                const std::string d = datum();
                data.Postplats(++data.Postantal) = {ver, d, konto(), 0, kod, a, "Delad"};
                data.Postplats(++data.Postantal) = {ver, d, 0, konto(), 0, b, "Delad"};
                data.Postplats(++data.Postantal) = {
                    ver, d, slump() % 2 ? konto() : 0, slump() % 2 ? 0 : konto(), 0, 0, "Delad"};
                TPost &sista = data.Poster[static_cast<std::size_t>(data.Postantal)];
                sista.belopp = std::round((a - b) * 100.0) / 100.0;
                if (sista.debet == 0 && sista.kredit == 0)
                    sista.debet = konto();
                if (sista.debet != 0)
                    sista.belopp = -sista.belopp;
                if (sista.debet != 0 && sista.kredit != 0)
                    sista.kredit = 0;
            }
        }
        const SieExport exp = Exportera(data, "20120101", "20121231", "20261208");
        ASSERT_TRUE(exp.Lyckades()) << varv << ": " << exp.problem.front();
        const SieImport imp = Importera(exp.bytes);
        ASSERT_TRUE(imp.Lyckades()) << varv << ": " << imp.fel.front();
        EXPECT_EQ(imp.problem, std::vector<std::string>{}) << varv;
        const Bokforingsdata tillbaka = SomBokforingsdata(imp);
        for (const auto kod : {std::optional<int32_t>{}, std::optional<int32_t>{10}}) {
            const Saldotabell fore(data, kod), efter(tillbaka, kod);
            for (const int32_t nummer : konton)
                EXPECT_NEAR(efter.Saldo(nummer, 1), fore.Saldo(nummer, 1), 0.004)
                    << varv << " " << nummer;
        }
        EXPECT_EQ(Exportera(tillbaka, "20120101", "20121231", "20261208").bytes, exp.bytes) << varv;
    }
}

// The checksum closes the file: the export's own file reads, a changed byte or
// a file cut short is refused and creates nothing.
TEST(Sieexport, TheChecksumGuardsTheFile) {
    const std::string bytes = Exportera(Foretaget(), "20120101", "20121231", "20261208").bytes;
    const auto rader = Rader(bytes);
    ASSERT_GE(rader.size(), 3u);
    EXPECT_EQ(rader[1], "#KSUMMA");
    const std::string &sista = rader[rader.size() - 2];
    ASSERT_TRUE(sista.starts_with("#KSUMMA ")) << sista;
    EXPECT_TRUE(Importera(bytes).Lyckades());

    std::string andrad = bytes;
    andrad.replace(andrad.find("\"Bank\""), 6, "\"Bonk\"");
    const SieImport fel = Importera(andrad);
    ASSERT_EQ(fel.fel.size(), 1u);
    EXPECT_TRUE(fel.fel[0].starts_with("Rad " + std::to_string(rader.size() - 1) +
                                       ": kontrollsumman " + sista.substr(8) +
                                       " stämmer inte med filens innehåll ("))
        << fel.fel[0];
    EXPECT_TRUE(fel.poster.empty());

    const std::string avkortad =
        "Rad 2: filen börjar med #KSUMMA men slutar utan den avslutande #KSUMMA med "
        "kontrollsumman: filen är avkortad. Hämta eller exportera den på nytt.";
    // Cut after the last verification: nothing else is wrong.
    const SieImport utanSumma = Importera(bytes.substr(0, bytes.size() - sista.size() - 2));
    EXPECT_EQ(utanSumma.fel, std::vector<std::string>{avkortad});
    // Cut inside a verification: the cut is named first.
    const SieImport mitti = Importera(bytes.substr(0, bytes.find("#TRANS 3010")));
    ASSERT_FALSE(mitti.fel.empty());
    EXPECT_EQ(mitti.fel.front(), avkortad);
    EXPECT_TRUE(mitti.konton.empty());
}

// A backslash at the end of a name, a quote or a DEL byte in one made a file
// that a reader following the format could not read.
TEST(Sieexport, AwkwardNamesAndTextsComeBackUnchanged) {
    std::mt19937 slump(1903);
    const std::vector<std::string> tecken = {"a", "Ö", " ", "\\", "\"", "{", "}", "#", "\x7F"};
    const auto namn = [&] {
        std::string text = "x";
        for (int n = std::uniform_int_distribution<int>(0, 12)(slump); n > 0; --n)
            text += tecken[std::uniform_int_distribution<std::size_t>(0, tecken.size() - 1)(slump)];
        return text;
    };
    const auto somLast = [](std::string text) {
        std::replace(text.begin(), text.end(), '\x7F', ' ');
        return text;
    };
    for (int varv = 0; varv < 60; ++varv) {
        Bokforingsdata data = Foretaget();
        data.Foretaget.namn = namn();
        for (int32_t slot = 1; slot <= data.Kontoantal; ++slot)
            data.Kontoplats(slot).namn = namn();
        for (int32_t i = 1; i <= data.Postantal; ++i)
            if (data.Poster[static_cast<std::size_t>(i)].text != "IB-post")
                data.Postplats(i).text = namn();
        const SieExport exp = Exportera(data, "20120101", "20121231", "20261208");
        ASSERT_TRUE(exp.Lyckades()) << exp.problem.front();
        const SieImport imp = Importera(exp.bytes);
        ASSERT_TRUE(imp.Lyckades()) << imp.fel.front() << "\n" << exp.bytes;
        EXPECT_EQ(imp.kontoplannamn, somLast(data.Foretaget.namn));
        const Bokforingsdata tillbaka = SomBokforingsdata(imp);
        ASSERT_EQ(tillbaka.Kontoantal, data.Kontoantal);
        for (int32_t slot = 1; slot <= data.Kontoantal; ++slot)
            EXPECT_EQ(tillbaka.Konton[static_cast<std::size_t>(slot)].namn,
                      somLast(data.Konton[static_cast<std::size_t>(slot)].namn));
        std::vector<std::string> fore, efter;
        for (int32_t i = 1; i <= data.Postantal; ++i)
            fore.push_back(somLast(data.Poster[static_cast<std::size_t>(i)].text));
        for (int32_t i = 1; i <= tillbaka.Postantal; ++i)
            efter.push_back(tillbaka.Poster[static_cast<std::size_t>(i)].text);
        std::sort(fore.begin(), fore.end());
        std::sort(efter.begin(), efter.end());
        EXPECT_EQ(efter, fore) << exp.bytes;
    }
}

TEST(Sieexport, NamesTheChartTypeOnlyForFourDigitAccounts) {
    Bokforingsdata data = Foretaget();
    const auto med = Rader(Exportera(data, "20120101", "20121231", "20261208").bytes);
    EXPECT_NE(std::find(med.begin(), med.end(), "#KPTYP EUBAS97"), med.end());
    data.Kontoplats(2).nummer = 19300;
    for (auto &post : data.Poster)
        for (int32_t *konto : {&post.debet, &post.kredit})
            if (*konto == 1930)
                *konto = 19300;
    const auto utan = Rader(Exportera(data, "20120101", "20121231", "20261208").bytes);
    EXPECT_EQ(std::find(utan.begin(), utan.end(), "#KPTYP EUBAS97"), utan.end());
}

TEST(Sieexport, VerificationsCarryTheirRegistrationFromTheLog) {
    const Bokforingsdata data = Foretaget();
    const std::vector<std::string> utan =
        Rader(Exportera(data, "20120101", "20121231", "20261208").bytes);
    std::map<int32_t, Registrering> registreringar;
    std::string forsta;
    for (const std::string &rad : utan)
        if (rad.starts_with("#VER ")) {
            forsta = rad;
            break;
        }
    ASSERT_FALSE(forsta.empty());
    const int32_t nummer = std::stoi(forsta.substr(7));
    registreringar[nummer] = {"2012-03-16 08:30:00", "anna@kontoret"};
    registreringar[9999] = {"2012-03-17 08:30:00", "ingen@alls"}; // no such verification
    const SieExport med = Exportera(data, "20120101", "20121231", "20261208", registreringar);
    ASSERT_TRUE(med.Lyckades());
    const std::vector<std::string> rader = Rader(med.bytes);
    ASSERT_EQ(rader.size(), utan.size());
    std::size_t andrade = 0;
    for (std::size_t i = 0; i < rader.size(); ++i) {
        if (rader[i] == utan[i] || rader[i].starts_with("#KSUMMA "))
            continue;
        ++andrade;
        EXPECT_EQ(rader[i], forsta + " 20120316 \"anna@kontoret\"");
    }
    EXPECT_EQ(andrade, 1u);
    // The reader takes the fields it does not use and keeps the books.
    const SieImport imp = Importera(med.bytes);
    ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
    const SieImport utanImp = Importera(Exportera(data, "20120101", "20121231", "20261208").bytes);
    EXPECT_EQ(SomBokforingsdata(imp).Postantal, SomBokforingsdata(utanImp).Postantal);
}
