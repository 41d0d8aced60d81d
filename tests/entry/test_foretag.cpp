// The company: opening the chart and ledger it names, and saving the pair.

#include "../core/Testmapp.h"
#include "core/Fel.h"
#include "entry/Foretag.h"

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
