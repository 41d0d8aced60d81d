// The SIE import: files written by hand after the public description (4E and
// 4I, two series, objects, no #KSUMMA) in every character set met in practice,
// the classes given to accounts, and bad files with their messages.

#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"
#include "maintenance/Siefil.h"
#include "maintenance/Sieimport.h"

#include "../core/Testmapp.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tovana;
namespace fs = std::filesystem;

namespace tovana {
void PrintTo(const TKonto &k, std::ostream *os) {
    *os << "{" << int(k.typ) << ", " << k.nummer << ", " << k.namn << "}";
}
void PrintTo(const TPost &p, std::ostream *os) {
    *os << "{" << p.vernr << ", " << p.datum << ", " << p.debet << ", " << p.kredit << ", " << p.kod
        << ", " << p.belopp << ", " << p.text << "}";
}
} // namespace tovana

namespace {

const fs::path kFacit = fs::path(__FILE__).parent_path() / "sie";

std::string Fil(const std::string &namn) {
    return test::LasBytes((kFacit / namn).string());
}

// The lines joined as a file: the header of a 4E file, then `rader`.
std::string Sie(const std::vector<std::string> &rader,
                const std::string &huvud = "#FLAGGA 0\r\n#FORMAT PC8\r\n#SIETYP 4\r\n"
                                           "#RAR 0 20120101 20121231\r\n") {
    std::string fil = huvud;
    for (const auto &rad : rader)
        fil += rad + "\r\n";
    return fil;
}

} // namespace

TEST(Sieimport, ReadsAHandWritten4EFile) {
    const SieImport imp = Importera(Fil("handskriven_4e.se"));
    ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
    EXPECT_EQ(imp.problem, std::vector<std::string>{});
    EXPECT_EQ(imp.kontoplannamn, "Åkeri AB");
    EXPECT_EQ(imp.redovisningsnamn, "Åkeri AB");
    const std::vector<TKonto> konton = {{1, 1930, "Företagskonto"},
                                        {2, 2099, "Årets resultat"},
                                        {3, 2150, "Ackumulerade överavskrivningar"},
                                        {4, 2440, "Leverantörsskulder"},
                                        {5, 3001, "Försäljning inom Sverige"},
                                        {5, 8310, "Ränteintäkter"},
                                        {6, 5611, "Drivmedel"},
                                        {6, 8999, "Årets resultat"},
                                        {7, 8850, "Förändring av överavskrivningar"},
                                        {8, 1, "Region syd"},
                                        {8, 10, "Bygget"}};
    EXPECT_EQ(imp.konton, konton);
    // Two series both numbered from 1: numbered anew, the old number first in the text.
    const std::vector<TPost> poster = {{0, "120101", 1930, 0, 0, 12000.5, "IB-post"},
                                       {0, "120101", 0, 2099, 0, 12000.5, "IB-post"},
                                       {1, "120110", 1930, 3001, 0, 5000, "A1 Körning Göteborg"},
                                       {2, "120205", 5611, 0, 10, 1000, "A2 Diesel"},
                                       {2, "120205", 0, 2440, 0, 1000, "A2 Diesel"},
                                       {3, "120302", 1930, 0, 0, 12, "B1 Ränta mars"},
                                       {3, "120301", 0, 8310, 0, 12, "B1 Ränta"},
                                       {4, "121231", 8850, 0, 1, 2000, "B2 Bokslut"},
                                       {4, "121231", 0, 2150, 1, 2000, "B2 Bokslut"},
                                       {4, "121231", 8999, 0, 0, 0, "B2 Bokslut"}};
    EXPECT_EQ(imp.poster, poster);
    EXPECT_EQ(imp.sammanfattning, "9 konton, 2 koder och 4 verifikationer (10 poster) lästes.");

    // The chart goes to the program's own writer as it is.
    const Bokforingsdata data = SomBokforingsdata(imp);
    EXPECT_TRUE(data.KoderFinns);
    EXPECT_EQ(data.Kontoantal, 11);
    EXPECT_EQ(data.Postantal, 10);
    EXPECT_NE(KontoplanBytes(data).find("7;8850;F\xF6r\xE4ndring av \xF6veravskrivningar\r\n"),
              std::string::npos);

    // The program's own writers take them, and its readers give them back.
    test::Testmapp mapp;
    SkrivFilSakert(mapp.Sokvag("akeri.kpl"), KontoplanBytes(data));
    SkrivRedovisningsfil(mapp.Sokvag("akeri.red"), imp.redovisningsnamn, imp.poster);
    Bokforingsdata last;
    LasKontoplan(last, mapp.Sokvag("akeri.kpl"));
    LasRedovisning(last, mapp.Sokvag("akeri.red"));
    EXPECT_EQ(last.Kontoplannamn, "Åkeri AB");
    EXPECT_EQ(std::vector<TKonto>(last.Konton.begin() + 1, last.Konton.begin() + 12), konton);
    EXPECT_EQ(std::vector<TPost>(last.Poster.begin() + 1, last.Poster.begin() + 11), poster);
}

TEST(Sieimport, ReadsAHandWritten4IFileWithoutChartOrYear) {
    const SieImport imp = Importera(Fil("handskriven_4i.si"));
    ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
    const std::vector<TKonto> konton = {{1, 1930, "Konto 1930"},
                                        {4, 2710, "Konto 2710"},
                                        {4, 2731, "Konto 2731"},
                                        {6, 7210, "Konto 7210"},
                                        {6, 7510, "Konto 7510"}};
    EXPECT_EQ(imp.konton, konton);
    const std::vector<TPost> poster = {{1, "120125", 7210, 0, 0, 30000, "L Lön januari"},
                                       {1, "120125", 0, 2710, 0, 9000, "L Lön januari"},
                                       {1, "120125", 0, 1930, 0, 21000, "L Lön januari"},
                                       {2, "120125", 7510, 2731, 0, 9426, "Arbetsgivaravgift"}};
    EXPECT_EQ(imp.poster, poster);
    EXPECT_EQ(imp.redovisningsnamn, "SIE-import");
    EXPECT_EQ(imp.sammanfattning,
              "5 konton och 2 verifikationer (4 poster) lästes. 5 konton saknade #KONTO i filen "
              "och heter \"Konto <nummer>\".");
}

TEST(Sieimport, ReadsTheSameFileInEveryCharacterSet) {
    const std::string pc8 = Fil("handskriven_4e.se");
    const SieImport facit = Importera(pc8);
    ASSERT_TRUE(facit.Lyckades());
    const std::string utf8 = FranPc8(pc8);
    for (const std::string &bytes : {TillWindows1252(utf8), utf8, "\xEF\xBB\xBF" + utf8}) {
        const SieImport imp = Importera(bytes);
        ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
        EXPECT_EQ(imp.konton, facit.konton);
        EXPECT_EQ(imp.poster, facit.poster);
    }
}

TEST(Sieimport, KeepsUniqueVerificationNumbersAndCutsLongTexts) {
    const std::string lang(120, 'x');
    const SieImport imp = Importera(
        Sie({"#KONTO 1930 \"" + std::string(90, 'b') + "\"", "#VER A 7 20120110 \"" + lang + "\"",
             "{", "#TRANS 1930 {} 1.00", "#TRANS 1930 {} -1.00", "}",
             "#VER B 3 20120111 \"Tab\tbort ☃\"", "{", "}"}));
    ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
    ASSERT_EQ(imp.poster.size(), 1u);
    EXPECT_EQ(imp.poster[0].vernr, 7);
    EXPECT_EQ(imp.poster[0].text, std::string(100, 'x'));
    EXPECT_EQ(imp.konton[0].namn, std::string(80, 'b'));
}

// A company name starting "þÿ" began the new chart and ledger files with a UTF-16 byte order mark.
TEST(Sieimport, ANameNeverStartsTheFilesWithAByteOrderMark) {
    for (const std::string namn : {"\u00FE\u00FF AB", "\u00FF\u00FE AB"}) {
        const SieImport imp = Importera(Sie({"#FNAMN " + Citerat(namn)}));
        ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
        EXPECT_EQ(imp.kontoplannamn, "?" + namn.substr(2)) << namn;
        EXPECT_EQ(imp.redovisningsnamn, imp.kontoplannamn);
    }
}

TEST(Sieimport, GivesAccountsTheirClass) {
    struct Fall {
        const char *konto;
        const char *ktyp; // empty: no #KTYP
        Kontotyp klass;
    };
    const std::vector<Fall> fall = {
        {"1510", "", 1},  {"1510", "T", 1}, {"2081", "", 2},  {"2081", "S", 2}, {"2150", "", 3},
        {"2440", "", 4},  {"2990", "S", 4}, {"1930", "S", 4}, {"3010", "", 5},  {"3010", "I", 5},
        {"4010", "", 6},  {"7010", "", 6},  {"5010", "K", 6}, {"8310", "", 5},  {"8410", "", 6},
        {"8310", "K", 6}, {"8410", "I", 5}, {"8811", "", 7},  {"8811", "K", 7}, {"8819", "I", 7},
        {"8910", "", 6},  {"9000", "", 6},  {"3010", "X", 5}};
    for (const auto &f : fall) {
        std::vector<std::string> rader = {std::string("#KONTO ") + f.konto + " Namn"};
        if (*f.ktyp)
            rader.push_back(std::string("#KTYP ") + f.konto + " " + f.ktyp);
        const SieImport imp = Importera(Sie(rader));
        ASSERT_TRUE(imp.Lyckades()) << f.konto;
        ASSERT_EQ(imp.konton.size(), 1u);
        EXPECT_EQ(imp.konton[0].typ, f.klass) << f.konto << " " << f.ktyp;
    }
}

TEST(Sieimport, SkipsUnknownRecords) {
    const SieImport imp =
        Importera(Sie({"#NYHET 1 \"två\" {3}", "#VER A 1 20120110", "{", "#TRANS 1930 {} 1.00",
                       "#OKAND 1 2", "#TRANS 3010 {} -1.00", "}"}));
    ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
    EXPECT_EQ(imp.poster.size(), 1u);
}

TEST(Sieimport, ListsEveryBadLineAndCreatesNothing) {
    const std::string utanRar = "#FLAGGA 0\r\n#FORMAT PC8\r\n#SIETYP 4\r\n";
    struct Fall {
        const char *namn;
        std::string fil;
        std::vector<std::string> fel;
    };
    const std::vector<Fall> fall = {
        {"unbalanced verification",
         Sie({"#VER A 1 20120110 \"X\"", "{", "#TRANS 1930 {} 100.00", "#TRANS 3010 {} -90.00",
              "}"}),
         {"Rad 5: verifikation A 1 balanserar inte: raderna summerar till 10,00."}},
        {"wrong character set",
         "#FLAGGA 0\r\n#FORMAT UTF8\r\n#SIETYP 4\r\n",
         {"Rad 2: teckenuppsättningen \"UTF8\" är okänd; en SIE-fil skrivs i PC8 (kodtabell "
          "437)."}},
        {"UTF-16",
         std::string("\xFF\xFE#\0F\0", 6),
         {"Filen är skriven i UTF-16; en SIE-fil skrivs i PC8 (kodtabell 437)."}},
        {"missing #RAR",
         Sie({"#IB 0 1930 100.00"}, utanRar),
         {"Filen saknar #RAR 0, räkenskapsårets första och sista dag, som de ingående balanserna "
          "dateras med."}},
        {"missing #SIETYP",
         "#FLAGGA 0\r\n#KONTO 1930 Bank\r\n",
         {"Filen saknar #SIETYP 4; bara SIE-filer av typ 4 (4E och 4I) kan läsas in."}},
        {"other type",
         "#FLAGGA 0\r\n#SIETYP 2\r\n",
         {"Rad 2: SIE-typ \"2\" kan inte läsas in; bara typ 4 (4E och 4I)."}},
        {"bad #RAR",
         Sie({}, utanRar + "#RAR 0 20121231 20120101\r\n"),
         {"Rad 4: #RAR 0 ska ange räkenskapsårets första och sista dag, skrivna ÅÅÅÅMMDD."}},
        {"amount with a comma",
         Sie({"#IB 0 1930 1,50"}),
         {"Rad 5: beloppet \"1,50\" kan inte läsas (skrivs med decimalpunkt, t.ex. -1250.50)."}},
        {"bad account and short record",
         Sie({"#KONTO 19A0 \"Bank\"", "#KTYP 1930"}),
         {"Rad 5: kontonumret \"19A0\" är inget kontonummer.",
          "Rad 6: #KTYP behöver ett kontonummer och en kontotyp."}},
        {"bad date",
         Sie({"#VER A 1 2012-01-10 \"X\"", "{", "}"}),
         {"Rad 5: verifikationsdatumet \"2012-01-10\" är inget datum skrivet ÅÅÅÅMMDD."}},
        {"bad row date",
         Sie({"#VER A 1 20120110", "{", "#TRANS 1930 {} 0.00 20121301", "}"}),
         {"Rad 7: transaktionsdatumet \"20121301\" är inget datum skrivet ÅÅÅÅMMDD."}},
        {"verification never closed",
         Sie({"#VER A 1 20120110", "{", "#TRANS 1930 {} 0.00"}),
         {"Rad 5: verifikationen avslutas aldrig med \"}\"."}},
        {"verification without its brace",
         Sie({"#VER A 1 20120110", "#KONTO 1930 Bank"}),
         {"Rad 6: verifikationen på rad 5 ska följas av en rad med \"{\"."}},
        {"row outside a verification",
         Sie({"#TRANS 1930 {} 1.00", "}", "{"}),
         {"Rad 5: #TRANS står utanför en verifikation.", "Rad 6: \"}\" utan \"{\" före.",
          "Rad 7: \"{\" utan #VER före."}},
        {"odd object list",
         Sie({"#VER A 1 20120110", "{", "#TRANS 1930 {6} 0.00", "}"}),
         {"Rad 7: objektlistan ska hålla par av dimension och objekt."}},
        {"more than two decimals",
         Sie({"#IB 0 1930 100.005", "#VER A 1 20120110", "{", "#TRANS 1930 {} 1.5000001",
              "#TRANS 3010 {} -1.5000001", "}"}),
         {"Rad 5: beloppet \"100.005\" har fler än två decimaler; en SIE-fil skriver belopp i "
          "hela ören.",
          "Rad 8: beloppet \"1.5000001\" har fler än två decimaler; en SIE-fil skriver belopp i "
          "hela ören.",
          "Rad 9: beloppet \"-1.5000001\" har fler än två decimaler; en SIE-fil skriver belopp i "
          "hela ören."}},
        {"a wrong checksum",
         Sie({"#KSUMMA", "#KONTO 1930 Bank", "#KSUMMA 12345"}),
         {"Rad 7: kontrollsumman 12345 stämmer inte med filens innehåll (1134709759): filen har "
          "ändrats eller skadats efter att den skrevs."}},
        {"a checksum that is no number",
         Sie({"#KSUMMA", "#KSUMMA 99999999999"}),
         {"Rad 6: kontrollsumman \"99999999999\" är inget tal som #KSUMMA kan hålla."}},
        {"not an SIE file",
         "Hej!\r\n\r\n#SIETYP 4\r\n\"#FLAGGA 0",
         {"Rad 1: raden börjar inte med en etikett (#...).",
          "Rad 4: raden börjar inte med en etikett (#...)."}},
    };
    for (const auto &f : fall) {
        const SieImport imp = Importera(f.fil);
        EXPECT_EQ(imp.fel, f.fel) << f.namn;
        EXPECT_TRUE(imp.konton.empty()) << f.namn;
        EXPECT_TRUE(imp.poster.empty()) << f.namn;
    }
}

TEST(Sieimport, ListsNoMoreThanTwoHundredErrors) {
    std::vector<std::string> rader(500, "#IB 0 1930 fel");
    const SieImport imp = Importera(Sie(rader));
    ASSERT_EQ(imp.fel.size(), 201u);
    EXPECT_EQ(imp.fel.back(), "… och 300 till.");
}

// What does not stop an import is listed beside it, never dropped in silence.
TEST(Sieimport, ListsWhatItReadsDespiteTheFile) {
    const SieImport imp =
        Importera(Sie({"#KONTO 1930 Bank", "#KONTO 3010 \"Försäljning\"", "#IB 0 1930 100.00",
                       "#UB 0 1930 150.00", "#RES 0 3010 -40.00", "#VER A 1 20120110", "{",
                       "#TRANS 1930 {1 \"Syd\" 6 \"10\"} 50.00", "#TRANS 3010 {} -50.000", "}",
                       "#KSUMMA 42", "#KONTO 2440 Skuld"}));
    ASSERT_TRUE(imp.Lyckades()) << imp.fel.front();
    EXPECT_EQ(
        imp.problem,
        (std::vector<std::string>{
            "Rad 15: #KSUMMA 42 saknar en inledande #KSUMMA; kontrollsumman kontrolleras inte.",
            "Rad 12: objektlistan har 2 objekt; bara det första (dimension 1, objekt \"Syd\") "
            "följer med raden.",
            "Rad 9: #RES 0 för konto 3010 är -40,00, men verifikationerna ger -50,00."}));
    // The first object is the row's code; the amount with zeros past the öre reads.
    ASSERT_EQ(imp.poster.size(), 3u);
    EXPECT_NE(imp.poster[1].kod, 0);
    EXPECT_EQ(imp.poster[2].belopp, 50.0);

    // Each stated balance is checked in file order; one left out is not.
    const SieImport utan =
        Importera(Sie({"#RES 0 3010 -5.00", "#UB 0 1930 0.00", "#VER A 1 20120110", "{",
                       "#TRANS 1930 {} 5.00", "#TRANS 3010 {} -5.00", "#TRANS 2440 {} 0.00", "}"}));
    EXPECT_EQ(utan.problem,
              (std::vector<std::string>{
                  "Rad 6: #UB 0 för konto 1930 är 0,00, men #IB och verifikationerna ger 5,00."}));

    // A checksum given as a signed number, and a record after the closing one.
    std::string fel;
    Kontrollsumma summa;
    summa.Lagg(*TolkaSierad("#KONTO 1910 Kassa", fel));
    ASSERT_GT(summa.Varde(), 0x80000000u);
    const auto signerad = std::to_string(static_cast<int64_t>(summa.Varde()) - 0x100000000LL);
    const SieImport sist = Importera(
        Sie({"#KSUMMA", "#KONTO 1910 Kassa", "#KSUMMA " + signerad, "#KONTO 1940 Bank2"}));
    ASSERT_TRUE(sist.Lyckades()) << sist.fel.front();
    EXPECT_EQ(sist.problem, (std::vector<std::string>{
                                "Rad 8: raden står efter den avslutande #KSUMMA och ingår inte i "
                                "kontrollsumman."}));
}
