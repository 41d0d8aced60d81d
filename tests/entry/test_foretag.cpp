// The company: opening the chart and ledger it names, saving the pair, and the
// company's details kept in its file.

#include "../core/Testmapp.h"
#include "chart/Kontoplan.h"
#include "core/Fel.h"
#include "entry/Foretag.h"
#include "entry/Redovisning.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tovana;
using namespace tovana::test;

namespace {

class ForetagTest : public ::testing::Test {
protected:
    Testmapp mapp;
    std::string kpl = mapp.Sokvag("ab.kpl");
    std::string red = mapp.Sokvag("ab.red");
    std::string ftg = mapp.Sokvag("ab.ftg");
    Bokforingsdata data;

    void SetUp() override {
        SkrivBytes(kpl,
                   "AB:s kontoplan\r\n1;1930;Bank\r\n5;3010;F\xF6rs\xE4ljning\r\n8;10;Projekt\r\n");
        SkrivBytes(red,
                   "AB 2012\r\n1;120101;100;1930;3010;10;Ett\r\n2;120102;40;1930;0;0;Tv\xE5\r\n");
        data.Kontoplannamn = "Gammal plan";
        data.Kontoplanfil = "gammal.kpl";
        data.Redovisningsnamn = "Gammal bok";
        data.Redovisningsfil = "gammal.red";
    }

    void VantaOforandrad() {
        EXPECT_EQ(data.Kontoplannamn, "Gammal plan");
        EXPECT_EQ(data.Kontoplanfil, "gammal.kpl");
        EXPECT_EQ(data.Kontoantal, 0);
        EXPECT_EQ(data.Redovisningsnamn, "Gammal bok");
        EXPECT_EQ(data.Redovisningsfil, "gammal.red");
        EXPECT_EQ(data.Postantal, 0);
        EXPECT_FALSE(data.KontoplanInlast);
        EXPECT_FALSE(data.RedovisningInlast);
        EXPECT_FALSE(data.KoderFinns);
    }
};

TEST_F(ForetagTest, SavingAndReopeningRestoresTheChartAndTheLedger) {
    data.Kontoplanfil = kpl;
    data.Redovisningsfil = red;
    SparaForetag(data, ftg);
    EXPECT_EQ(LasBytes(ftg), kpl + "\r\n" + red + "\r\n");
    EXPECT_EQ(ForetagSparatText(ftg),
              "I fortsättningen kan du öppna kontoplan och redovisning genom att öppna " + ftg);

    Bokforingsdata igen;
    OppnaForetag(igen, ftg);
    EXPECT_EQ(igen.Kontoplannamn, "AB:s kontoplan");
    EXPECT_EQ(igen.Kontoplanfil, kpl);
    EXPECT_EQ(igen.Kontoantal, 3);
    EXPECT_EQ(igen.Konton[2].namn, "Försäljning");
    EXPECT_TRUE(igen.KoderFinns);
    EXPECT_EQ(igen.Redovisningsnamn, "AB 2012");
    EXPECT_EQ(igen.Redovisningsfil, red);
    EXPECT_EQ(igen.Postantal, 2);
    EXPECT_EQ(igen.Poster[2].text, "Två");
    EXPECT_TRUE(igen.KontoplanInlast);
    EXPECT_TRUE(igen.RedovisningInlast);
}

// A ledger that failed to open used to leave the chart, both paths and the
// flags already changed.
TEST_F(ForetagTest, AnyFileThatFailsToReadChangesNothing) {
    struct Fall {
        std::string foretag;
        const char *meddelande;
        const char *fil;
    };
    const std::string saknas = mapp.Sokvag("saknas.red");
    const std::string trasig = mapp.Sokvag("trasig.kpl");
    SkrivBytes(trasig, "Trasig\r\n1;19x0;Bank\r\n");
    const Fall fall[] = {
        {kpl + "\r\n" + saknas + "\r\n", "Filen finns inte.", "saknas.red"},
        {trasig + "\r\n" + red + "\r\n", "'19x0' is not a valid integer value", "trasig.kpl"},
        {kpl + "\r\n", "Filen finns inte.", "ab.ftg"},
    };
    for (const Fall &f : fall) {
        SkrivBytes(ftg, f.foretag);
        try {
            OppnaForetag(data, ftg);
            ADD_FAILURE() << "opened " << f.fil;
        } catch (const Korningsfel &fel) {
            EXPECT_EQ(ForstaRaden(fel.what()), f.meddelande);
            EXPECT_NE(AndraRaden(fel.what()).find(f.fil), std::string::npos) << fel.what();
        }
        VantaOforandrad();
    }
    EXPECT_THROW(OppnaForetag(data, mapp.Sokvag("inget.ftg")), Korningsfel);
    VantaOforandrad();
}

TEST_F(ForetagTest, OpeningRemembersTheCompanyFileAndItsDetailsAndTellsOfABadLine) {
    SkrivBytes(ftg, kpl + "\r\n" + red + "\r\nNamn=Kaf\xE9 AB\r\nOrgnr=555555-5556\r\n" +
                        "Momsperiod=manad\r\n");
    const std::string besked = OppnaForetag(data, ftg);
    EXPECT_EQ(data.Foretagsfil, ftg);
    EXPECT_EQ(data.Foretaget, (Foretagsuppgifter{"Kafé AB", "", std::nullopt, Momsperiod::Manad}));
    EXPECT_EQ(Foretagsnamn(data), "Kafé AB");
    EXPECT_NE(besked.find(ftg + " rad 4: "), std::string::npos) << besked;
    EXPECT_NE(besked.find("kontrollsiffra"), std::string::npos) << besked;

    // A company file without details forgets the last one's.
    SkrivBytes(ftg, kpl + "\r\n" + red + "\r\n");
    EXPECT_EQ(OppnaForetag(data, ftg), "");
    EXPECT_TRUE(data.Foretaget.Tom());
    EXPECT_EQ(Foretagsnamn(data), "AB 2012");
}

TEST_F(ForetagTest, TheBoxesGiveTheDetailsOrTheFirstThingWrongWithTheBoxToCorrect) {
    const Arsperiod brutet{{2025, 7, 1}, {2026, 6, 30}};
    struct Fall {
        Uppgiftsrutor rutor;
        std::optional<Foretagsuppgifter> uppgifter;
        const char *fel; // a word of the message
        Uppgiftsruta ruta;
    };
    const Fall fall[] = {
        {{}, Foretagsuppgifter{}, "", Uppgiftsruta::Namn},
        {{"  Kafé AB ", "5555555555", "2025-07-01", " 20260630", Momsperiod::Kvartal},
         Foretagsuppgifter{"Kafé AB", "555555-5555", brutet, Momsperiod::Kvartal},
         "",
         Uppgiftsruta::Namn},
        {{"", "", "250701", "260630", Momsperiod::Okand},
         Foretagsuppgifter{"", "", brutet, Momsperiod::Okand},
         "",
         Uppgiftsruta::Namn},
        {{std::string(81, 'x')}, std::nullopt, "80", Uppgiftsruta::Namn},
        {{"Kafé\nAB"}, std::nullopt, "radbrytningar", Uppgiftsruta::Namn},
        {{"Kafé \xE2\x82\xBF"}, std::nullopt, "tecken", Uppgiftsruta::Namn}, // ₿
        {{"AB", "555555-5556"}, std::nullopt, "kontrollsiffra", Uppgiftsruta::Orgnr},
        {{"AB", "5555"}, std::nullopt, "tio siffror", Uppgiftsruta::Orgnr},
        {{"", "", "20260101", ""}, std::nullopt, "både", Uppgiftsruta::ArTill},
        {{"", "", " ", "20261231"}, std::nullopt, "både", Uppgiftsruta::ArFran},
        {{"", "", "20260230", "20261231"}, std::nullopt, "första dag", Uppgiftsruta::ArFran},
        {{"", "", "20260101", "31/12"}, std::nullopt, "sista dag", Uppgiftsruta::ArTill},
        {{"", "", "20260101", "20270701"}, std::nullopt, "18", Uppgiftsruta::ArTill},
        {{"", "", "20261231", "20260101"}, std::nullopt, "efter", Uppgiftsruta::ArTill},
    };
    for (const auto &f : fall) {
        const Uppgiftsprovning provning = ProvaForetagsuppgifter(f.rutor);
        EXPECT_EQ(provning.uppgifter, f.uppgifter) << f.rutor.namn << f.rutor.arTill;
        if (f.uppgifter) {
            EXPECT_EQ(provning.fel, "");
            // What the boxes show of the details gives them back.
            EXPECT_EQ(ProvaForetagsuppgifter(Uppgiftsrutorna(*f.uppgifter)).uppgifter, f.uppgifter);
        } else {
            EXPECT_NE(provning.fel.find(f.fel), std::string::npos) << provning.fel;
            EXPECT_EQ(provning.ruta, f.ruta) << provning.fel;
        }
    }
}

TEST_F(ForetagTest, SavingDetailsKeepsThePathLinesAndOtherLinesAsTheyStand) {
    // Relative paths and a note of the user's, and a detail line that did not read.
    SkrivBytes(ftg, "ab.kpl\r\nab.red\r\nanteckning\r\nOrgnr=fel\r\nNamn=Gammalt\r\n");
    OppnaForetag(data, ftg);
    const Foretagsuppgifter nya{"Nytt AB", "123456-7897", std::nullopt, Momsperiod::Ar};
    SparaForetagsuppgifter(data, nya);
    EXPECT_EQ(LasBytes(ftg), "ab.kpl\r\nab.red\r\nNamn=Nytt AB\r\nOrgnr=123456-7897\r\n"
                             "Momsperiod=ar\r\nanteckning\r\n");
    EXPECT_EQ(data.Foretaget, nya);

    // Emptied details leave the two path lines and the note.
    SparaForetagsuppgifter(data, {});
    EXPECT_EQ(LasBytes(ftg), "ab.kpl\r\nab.red\r\nanteckning\r\n");
    EXPECT_TRUE(data.Foretaget.Tom());
}

TEST_F(ForetagTest, ACompanyFileThatNoLongerReadsGetsNoDetailsAndMemoryKeepsItsOwn) {
    SkrivBytes(ftg, kpl + "\r\n" + red + "\r\nNamn=Kvar\r\n");
    OppnaForetag(data, ftg);
    for (const char *bytes : {"", "bara en rad\r\n"}) {
        SkrivBytes(ftg, bytes);
        EXPECT_THROW(SparaForetagsuppgifter(data, {"Nytt"}), Korningsfel);
        EXPECT_EQ(LasBytes(ftg), bytes);
        EXPECT_EQ(data.Foretaget.namn, "Kvar");
    }
    // A name the file cannot hold writes nothing either.
    SkrivBytes(ftg, kpl + "\r\n" + red + "\r\n");
    EXPECT_THROW(SparaForetagsuppgifter(data, {"A\r\nB"}), Korningsfel);
    EXPECT_EQ(LasBytes(ftg), kpl + "\r\n" + red + "\r\n");
    EXPECT_EQ(data.Foretaget.namn, "Kvar");

    Bokforingsdata utan;
    EXPECT_THROW(SparaForetagsuppgifter(utan, {"Nytt"}), Korningsfel);
}

TEST_F(ForetagTest, ANewCompanyFileNamesTheOpenFilesWithTheDetailsAndIsRemembered) {
    data.Kontoplanfil = kpl;
    data.Redovisningsfil = red;
    const Foretagsuppgifter uppgifter{"AB", "555555-5555"};
    SparaNyttForetag(data, ftg, uppgifter);
    EXPECT_EQ(LasBytes(ftg), kpl + "\r\n" + red + "\r\nNamn=AB\r\nOrgnr=555555-5555\r\n");
    EXPECT_EQ(data.Foretagsfil, ftg);
    EXPECT_EQ(data.Foretaget, uppgifter);

    // "Spara som företag" carries the remembered details to the new file.
    const std::string kopia = mapp.Sokvag("kopia.ftg");
    SparaForetag(data, kopia);
    EXPECT_EQ(LasBytes(kopia), LasBytes(ftg));
    EXPECT_EQ(data.Foretagsfil, kopia);

    Bokforingsdata utan;
    utan.Kontoplanfil = kpl;
    EXPECT_THROW(SparaNyttForetag(utan, ftg, uppgifter), Korningsfel);
    EXPECT_EQ(LasBytes(ftg), LasBytes(kopia));
}

TEST_F(ForetagTest, AChartOnItsOwnForgetsTheCompanyAndALedgerOnItsOwnKeepsIt) {
    SkrivBytes(ftg, kpl + "\r\n" + red + "\r\nNamn=AB\r\n");
    OppnaForetag(data, ftg);
    OppnaRedovisning(data, red);
    EXPECT_EQ(data.Foretagsfil, ftg);
    EXPECT_EQ(data.Foretaget.namn, "AB");
    OppnaKontoplan(data, kpl);
    EXPECT_EQ(data.Foretagsfil, "");
    EXPECT_TRUE(data.Foretaget.Tom());

    OppnaForetag(data, ftg);
    SkapaNyKontoplan(data, "Ny", mapp.Sokvag("ny.kpl"));
    EXPECT_EQ(data.Foretagsfil, "");
    EXPECT_TRUE(data.Foretaget.Tom());
}

// The current folder for as long as the object lives.
class Arbetsmapp {
public:
    explicit Arbetsmapp(const std::filesystem::path &mapp)
        : forra_(std::filesystem::current_path()) {
        std::filesystem::current_path(mapp);
    }
    ~Arbetsmapp() { std::filesystem::current_path(forra_); }
    Arbetsmapp(const Arbetsmapp &) = delete;
    Arbetsmapp &operator=(const Arbetsmapp &) = delete;

private:
    std::filesystem::path forra_;
};

// A company file with relative paths opened only when the program's current
// folder was the one they were written against, not the company file's own.
TEST_F(ForetagTest, RelativePathsNameFilesBesideTheCompanyFileAndElseInTheCurrentFolder) {
    namespace fs = std::filesystem;
    const fs::path bok = mapp.Mapp() / "bok";
    fs::create_directory(bok);
    SkrivBytes((bok / "bara.kpl").string(), LasBytes(kpl));
    SkrivBytes((bok / "ab.red").string(), "Bokens egen\r\n");
    const std::string ftg_i_bok = (bok / "ab.ftg").string();
    const Arbetsmapp arbetsmapp(mapp.Mapp()); // holds ab.kpl and ab.red too

    struct Fall {
        std::string sokvag;
        std::string vantat;
    };
    const Fall fall[] = {
        {"bara.kpl", (bok / "bara.kpl").string()},     // only beside the company file
        {"ab.red", (bok / "ab.red").string()},         // in both places: beside it wins
        {"ab.kpl", "ab.kpl"},                          // only in the current folder
        {"../ab.kpl", (bok / "../ab.kpl").string()},   // a folder up from the company file
        {kpl, kpl},                                    // absolute
        {"saknas.red", (bok / "saknas.red").string()}, // nowhere: where it was looked for
    };
    for (const Fall &f : fall)
        EXPECT_EQ(ForetagetsSokvag(ftg_i_bok, f.sokvag), f.vantat) << f.sokvag;
    // A company file named without a folder leaves its paths to the current folder.
    EXPECT_EQ(ForetagetsSokvag("ab.ftg", "bara.kpl"), "bara.kpl");

    // Opened from elsewhere, the company finds its files and keeps the placed paths.
    SkrivBytes(ftg_i_bok, "bara.kpl\r\nab.red\r\n");
    const Arbetsmapp annanstans(fs::temp_directory_path());
    OppnaForetag(data, ftg_i_bok);
    EXPECT_EQ(data.Kontoplanfil, (bok / "bara.kpl").string());
    EXPECT_EQ(data.Kontoplannamn, "AB:s kontoplan");
    EXPECT_EQ(data.Redovisningsfil, (bok / "ab.red").string());
    EXPECT_EQ(data.Redovisningsnamn, "Bokens egen");
}

} // namespace
