// The write lock of a chart or ledger file: who holds it, when it is let go, a
// dead holder's lock taken over, a folder that cannot hold the lock file, and
// every command that would change a file opened read-only refused with the file
// left as it was, in this process and in another.

#include "Testmapp.h"
#include "chart/Kontoplan.h"
#include "chart/Kontoredigering.h"
#include "chart/Nyttkonto.h"
#include "core/Fel.h"
#include "core/Skrivlas.h"
#include "entry/Foretag.h"
#include "entry/Postinmatning.h"
#include "entry/Redovisning.h"
#include "maintenance/IB.h"
#include "maintenance/Kontroll.h"
#include "maintenance/Postandring.h"
#include "maintenance/Sortering.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tovana {
namespace {

using test::Filnamn;
using test::LasBytes;
using test::SkrivBytes;
using test::Testmapp;

const std::string kKontoplan = "AB:s kontoplan\r\n1;1930;Bank\r\n5;3010;Forsaljning\r\n"
                               "6;5010;Hyra\r\n6;6110;Kontor\r\n";
const std::string kRedovisning = "AB 2012\r\n1;120315;100;1930;3010;0;Kontant\r\n"
                                 "2;120316;50;5010;1930;0;Hyra\r\n";

// A folder in which no file can be made: immutable for root (who ignores the
// permission bits), without write permission for anyone else.
class Lastmapp {
public:
    explicit Lastmapp(const std::filesystem::path &mapp) : mapp_(mapp.string()) {
        if (::geteuid() == 0)
            satt_ = std::system(("chattr +i '" + mapp_ + "' 2>/dev/null").c_str()) == 0;
        else
            satt_ = ::chmod(mapp_.c_str(), 0555) == 0;
    }
    ~Lastmapp() {
        if (!satt_)
            return;
        if (::geteuid() == 0) {
            if (std::system(("chattr -i '" + mapp_ + "'").c_str()) != 0)
                ADD_FAILURE() << "could not lift chattr +i from " << mapp_;
        } else {
            ::chmod(mapp_.c_str(), 0755);
        }
    }
    bool Satt() const { return satt_; }

private:
    std::string mapp_;
    bool satt_ = false;
};

// A child process that takes the lock of `fil` and holds it until killed; the
// parent goes on once the child has tried.
class Annanprocess {
public:
    explicit Annanprocess(const std::string &fil) {
        int ror[2];
        if (::pipe(ror) != 0)
            throw std::runtime_error("pipe failed");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ror[0]);
            Skrivlas las(fil);
            const char svar = las.Tagen() ? 'j' : 'n';
            if (::write(ror[1], &svar, 1) != 1)
                ::_exit(2);
            // Held until killed.
            ::pause();
            ::_exit(0);
        }
        ::close(ror[1]);
        char svar = 0;
        tagen_ = ::read(ror[0], &svar, 1) == 1 && svar == 'j';
        ::close(ror[0]);
    }
    ~Annanprocess() { Dod(); }

    pid_t Pid() const { return pid_; }
    bool Tagen() const { return tagen_; }
    void Dod() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
    bool tagen_ = false;
};

// Runs `kommando` in a child process and returns its exit code.
int IEnAnnanProcess(const std::function<int()> &kommando) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int kod = 99;
        try {
            kod = kommando();
        } catch (...) {
            kod = 98;
        }
        ::_exit(kod);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Innehaller(const std::string &text, const std::string &del) {
    return text.find(del) != std::string::npos;
}

TEST(Skrivlas, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("ab.red");
    SkrivBytes(fil, kRedovisning);
    auto forsta = std::make_unique<Skrivlas>(fil);
    ASSERT_TRUE(forsta->Tagen());
    EXPECT_EQ(LasBytes(fil + ".lck"), Innehavartext() + "\n");

    // Another window of this process, and another path to the same file.
    for (const std::string &sokvag : {fil, mapp.Sokvag("./ab.red")}) {
        const Skrivlas andra(sokvag);
        EXPECT_EQ(andra.Utfall(), Skrivlas::Lage::Upptagen) << sokvag;
        EXPECT_EQ(andra.Innehavare(), Innehavartext());
        EXPECT_EQ(andra.Orsak(), "är redan öppen i det här programmet");
    }
    std::filesystem::create_symlink(fil, mapp.Sokvag("lank.red"));
    EXPECT_EQ(Skrivlas(mapp.Sokvag("lank.red")).Utfall(), Skrivlas::Lage::Upptagen);

    forsta.reset();
    EXPECT_EQ(Filnamn(mapp.Mapp()), (std::vector<std::string>{"ab.red", "lank.red"}));
    EXPECT_TRUE(Skrivlas(fil).Tagen());
}

TEST(Skrivlas, AnotherProcessIsNamedAndItsLockTakenOverOnceItIsKilled) {
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("ab.kpl");
    Annanprocess annan(fil);
    ASSERT_TRUE(annan.Tagen());
    const std::string innehavare = Innehavartext();
    const std::string anvandare = innehavare.substr(0, innehavare.rfind(' '));
    {
        const Skrivlas las(fil);
        EXPECT_EQ(las.Utfall(), Skrivlas::Lage::Upptagen);
        EXPECT_EQ(las.Orsak(), "är redan öppen på annat håll (" + anvandare + ", process " +
                                   std::to_string(annan.Pid()) + ")");
    }
    // Killed, it leaves its lock file naming it; the next try takes the lock.
    annan.Dod();
    EXPECT_TRUE(std::filesystem::exists(fil + ".lck"));
    const Skrivlas las(fil);
    EXPECT_TRUE(las.Tagen());
    EXPECT_EQ(LasBytes(fil + ".lck"), innehavare + "\n");
}

TEST(Skrivlas, AFolderThatCannotHoldTheLockIsNotInUse) {
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("ab.red");
    SkrivBytes(fil, kRedovisning);
    const Lastmapp last(mapp.Mapp());
    if (!last.Satt())
        GTEST_SKIP() << "no way to make a folder read-only here";

    const Skrivlas las(fil);
    EXPECT_EQ(las.Utfall(), Skrivlas::Lage::Omojlig);
    EXPECT_TRUE(Innehaller(las.Orsak(), "kan inte låsas för skrivning")) << las.Orsak();

    // The ledger opens read-only, told why, and is not called "in use".
    Bokforingsdata data;
    const std::string besked = OppnaRedovisning(data, fil);
    EXPECT_EQ(data.Postantal, 2);
    EXPECT_TRUE(data.RedovisningSkrivskyddad);
    EXPECT_TRUE(Innehaller(besked, "kan inte låsas för skrivning")) << besked;
    EXPECT_FALSE(Innehaller(besked, "öppen")) << besked;
    EXPECT_THROW(BytRedovisningsnamn(data, "Nytt"), Korningsfel);
}

TEST(Skrivlas, TakingTheLockRemovesTheProgramsOwnLeftoverTemporaryFiles) {
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("ab.red");
    Annanprocess annan(fil);
    ASSERT_TRUE(annan.Tagen());
    for (const char *namn : {"ab.red", "ab.red.tmp-a1B2c3", "ab.red.tmp-Zz9999", "ab.red.tmp-ab",
                             "ab.red.tmp-a1B2c3d", "ab.red.tmp-a1.2c3", "cd.red.tmp-a1B2c3"})
        SkrivBytes(mapp.Sokvag(namn), "x");
    std::filesystem::create_directory(mapp.Sokvag("ab.red.tmp-qwerty"));

    // Not while another holds the lock: its rewrite may be under way.
    EXPECT_FALSE(Skrivlas(fil).Tagen());
    EXPECT_TRUE(std::filesystem::exists(mapp.Sokvag("ab.red.tmp-a1B2c3")));

    annan.Dod();
    const Skrivlas las(fil);
    ASSERT_TRUE(las.Tagen());
    EXPECT_EQ(
        Filnamn(mapp.Mapp()),
        (std::vector<std::string>{"ab.red", "ab.red.lck", "ab.red.tmp-a1.2c3", "ab.red.tmp-a1B2c3d",
                                  "ab.red.tmp-ab", "ab.red.tmp-qwerty", "cd.red.tmp-a1B2c3"}));
}

// Two windows on one ledger: one saved a post, the other renamed the ledger and
// the post was gone.
class Lasta : public ::testing::Test {
protected:
    void SetUp() override {
        SkrivBytes(kplan_, kKontoplan);
        SkrivBytes(red_, kRedovisning);
        EXPECT_EQ(OppnaKontoplan(forsta_, kplan_), "");
        EXPECT_EQ(OppnaRedovisning(forsta_, red_), "");
        kplanbesked_ = OppnaKontoplan(andra_, kplan_);
        redbesked_ = OppnaRedovisning(andra_, red_);
    }

    Testmapp mapp_;
    const std::string kplan_ = mapp_.Sokvag("ab.kpl");
    const std::string red_ = mapp_.Sokvag("ab.red");
    Bokforingsdata forsta_, andra_;
    std::string kplanbesked_, redbesked_;
};

TEST_F(Lasta, EveryCommandThatWouldChangeAReadOnlyFileIsRefusedAndWritesNothing) {
    EXPECT_FALSE(forsta_.KontoplanSkrivskyddad || forsta_.RedovisningSkrivskyddad);
    EXPECT_TRUE(andra_.KontoplanSkrivskyddad && andra_.RedovisningSkrivskyddad);
    EXPECT_TRUE(kplanbesked_.starts_with("Kontoplanen " + kplan_ + " är redan öppen"));
    EXPECT_TRUE(redbesked_.starts_with("Redovisningen " + red_ + " är redan öppen"));
    const Postrutor post{"3", "120317", "10", "1930", "3010", "0", "Ny"};
    Postformular formular;
    const std::vector<std::pair<const char *, std::function<void(Bokforingsdata &)>>> kommandon = {
        {"SparaPost", [&](Bokforingsdata &d) { SparaPost(d, formular, post); }},
        {"AndraPost", [&](Bokforingsdata &d) { AndraPost(d, 1, post); }},
        {"RaderaPost", [](Bokforingsdata &d) { RaderaPost(d, 1); }},
        {"BytRedovisningsnamn", [](Bokforingsdata &d) { BytRedovisningsnamn(d, "Nytt"); }},
        {"SparaSortering",
         [](Bokforingsdata &d) {
             SorteraPoster(d, Sorteringsordning::Vernr);
             SparaSortering(d);
         }},
        {"SparaIBposter",
         [](Bokforingsdata &d) {
             IBtabell ib;
             ib.IBposter.push_back(TPost{1, "0101", 1930, 0, 0, 5, ""});
             ib.IBantal = 1;
             SparaIBposter(d, ib);
         }},
        {"KontrolleraNyttKonto",
         [](Bokforingsdata &d) {
             KontrolleraNyttKonto(d, {"1", "1910", "Kassa"}, [](const Kontofel &) {});
         }},
        {"LaggTillKonto",
         [](Bokforingsdata &d) {
             LaggTillKonto(d, {"1", "1910", "Kassa"});
         }},
        {"BytKontonamn", [](Bokforingsdata &d) { BytKontonamn(d, 1, "Banken"); }},
        {"TaBortKonto", [](Bokforingsdata &d) { TaBortKonto(d, 1); }},
        {"TaBortOanvantKonto", [](Bokforingsdata &d) { TaBortOanvantKonto(d, 4); }},
        {"SparaKontoplan", [](Bokforingsdata &d) { SparaKontoplan(d); }},
        {"SparaAndradKontoplan", [](Bokforingsdata &d) { SparaAndradKontoplan(d, "Ny plan"); }},
        {"SparaReduceradKontoplan", [](Bokforingsdata &d) { SparaReduceradKontoplan(d); }},
    };
    for (const auto &[namn, kommando] : kommandon) {
        try {
            kommando(andra_);
            ADD_FAILURE() << namn << " was not refused";
        } catch (const Korningsfel &fel) {
            EXPECT_TRUE(Innehaller(fel.what(), "är öppnad skrivskyddad och kan inte ändras"))
                << namn << ": " << fel.what();
        }
        EXPECT_EQ(LasBytes(red_), kRedovisning) << namn;
        EXPECT_EQ(LasBytes(kplan_), kKontoplan) << namn;
        EXPECT_EQ(andra_.Postantal, 2) << namn;
        EXPECT_EQ(andra_.Kontoantal, 4) << namn;
        EXPECT_EQ(andra_.Konton[1].namn, "Bank") << namn;
    }

    // The first window still writes.
    SparaPost(forsta_, formular, post);
    BytRedovisningsnamn(forsta_, "AB 2012 rev");
    EXPECT_EQ(LasBytes(red_), "AB 2012 rev\r\n1;120315;100;1930;3010;0;Kontant\r\n"
                              "2;120316;50;5010;1930;0;Hyra\r\n3;120317;10;1930;3010;0;Ny\r\n");
}

TEST_F(Lasta, ReopeningOnceTheFirstWindowHasLetGoMakesTheFileWritable) {
    // Reopening its own file keeps the first window's lock.
    EXPECT_EQ(OppnaRedovisning(forsta_, red_), "");
    EXPECT_NE(OppnaRedovisning(andra_, red_), "");

    // Opening another ledger lets the first one go.
    const std::string annan = mapp_.Sokvag("annan.red");
    SkrivBytes(annan, "Annan\r\n");
    EXPECT_EQ(OppnaRedovisning(forsta_, annan), "");
    EXPECT_EQ(OppnaRedovisning(andra_, red_), "");
    EXPECT_FALSE(andra_.RedovisningSkrivskyddad);
    BytRedovisningsnamn(andra_, "AB");
    EXPECT_NE(OppnaRedovisning(forsta_, red_), "");
}

TEST_F(Lasta, AFailedOpenKeepsTheLockItHad) {
    EXPECT_THROW(OppnaRedovisning(forsta_, mapp_.Sokvag("saknas.red")), Korningsfel);
    EXPECT_THROW(OppnaKontoplan(forsta_, mapp_.Sokvag("saknas.kpl")), Korningsfel);
    SkrivBytes(mapp_.Sokvag("fel.ftg"), kplan_ + "\r\n" + mapp_.Sokvag("saknas.red") + "\r\n");
    EXPECT_THROW(OppnaForetag(forsta_, mapp_.Sokvag("fel.ftg")), Korningsfel);
    EXPECT_EQ(forsta_.Redovisningsfil, red_);
    EXPECT_FALSE(forsta_.RedovisningSkrivskyddad);
    EXPECT_FALSE(Skrivlas(red_).Tagen());
    EXPECT_FALSE(Skrivlas(kplan_).Tagen());
    EXPECT_FALSE(std::filesystem::exists(mapp_.Sokvag("saknas.red.lck")));
}

TEST_F(Lasta, AFileOpenElsewhereIsNeverCreatedOrSavedOver) {
    Bokforingsdata tredje;
    for (const auto &kommando : std::vector<std::function<void()>>{
             [&] { SkapaNyRedovisning(tredje, "Ny", red_); },
             [&] { SkapaNyKontoplan(tredje, "Ny", kplan_); },
             [&] { SparaKontoplanSom(andra_, kplan_); },
         }) {
        try {
            kommando();
            ADD_FAILURE() << "a file open elsewhere was written";
        } catch (const Korningsfel &fel) {
            EXPECT_TRUE(Innehaller(fel.what(), "Den skrivs inte: välj ett annat filnamn."))
                << fel.what();
        }
    }
    EXPECT_EQ(LasBytes(red_), kRedovisning);
    EXPECT_EQ(LasBytes(kplan_), kKontoplan);
    EXPECT_FALSE(tredje.RedovisningInlast);

    // Saved under a name of its own, the read-only chart becomes writable there.
    const std::string egen = mapp_.Sokvag("egen.kpl");
    SparaKontoplanSom(andra_, egen);
    EXPECT_FALSE(andra_.KontoplanSkrivskyddad);
    LaggTillKonto(andra_, {"1", "1910", "Kassa"});
    SparaKontoplan(andra_);
    EXPECT_EQ(LasBytes(kplan_), kKontoplan);
    EXPECT_FALSE(Skrivlas(egen).Tagen());
}

TEST_F(Lasta, ACompanyOpensItsLockedFilesReadOnlyAndSaysWhich) {
    SkrivBytes(mapp_.Sokvag("ab.ftg"), kplan_ + "\r\n" + red_ + "\r\n");
    Bokforingsdata tredje;
    const std::string besked = OppnaForetag(tredje, mapp_.Sokvag("ab.ftg"));
    EXPECT_TRUE(tredje.KontoplanSkrivskyddad);
    EXPECT_TRUE(tredje.RedovisningSkrivskyddad);
    EXPECT_EQ(besked, kplanbesked_ + "\n\n" + redbesked_);

    // The first window ends: a company opened anew may be changed.
    forsta_ = Bokforingsdata{};
    andra_ = Bokforingsdata{};
    EXPECT_EQ(OppnaForetag(tredje, mapp_.Sokvag("ab.ftg")), "");
    EXPECT_FALSE(tredje.KontoplanSkrivskyddad);
    EXPECT_FALSE(tredje.RedovisningSkrivskyddad);
}

// Two processes appended posts at once and lost some while both reported success.
TEST(Skrivlas, ASecondProcessCannotWriteALedgerOpenInTheFirst) {
    Testmapp mapp;
    const std::string red = mapp.Sokvag("ab.red");
    SkrivBytes(red, kRedovisning);
    Bokforingsdata forsta;
    ASSERT_EQ(OppnaRedovisning(forsta, red), "");

    // 0: refused as read-only; 1: opened writable; 2: saved; 98: some other error.
    const int kod = IEnAnnanProcess([&] {
        Bokforingsdata andra;
        Postformular formular;
        const std::string besked = OppnaRedovisning(andra, red);
        if (!andra.RedovisningSkrivskyddad ||
            !Innehaller(besked, "process " + std::to_string(::getppid())))
            return 1;
        try {
            SparaPost(andra, formular, Postrutor{"3", "1", "1", "1930", "0", "0", "x"});
            return 2;
        } catch (const Korningsfel &) {
            return 0;
        }
    });
    EXPECT_EQ(kod, 0);
    EXPECT_EQ(LasBytes(red), kRedovisning);
}

} // namespace
} // namespace tovana
