// Books shared by several users of one machine: a rewrite keeps the file its
// owner's and its group's, a lock file lets everyone who may write the file take
// it, one left by another user does not keep the others out, a file with a
// second name opens read-only, and a path that cannot be followed is told in
// Swedish. The users are real: a child process takes another user's and group's
// ids (which needs root; the tests skip without it).

#include "Testmapp.h"
#include "chart/Kontoplan.h"
#include "core/Fel.h"
#include "core/Skrivlas.h"
#include "core/Textfil.h"
#include "entry/Postinmatning.h"
#include "entry/Redovisning.h"
#include "maintenance/Postandring.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tovana {
namespace {

using test::Filnamn;
using test::ForstaRaden;
using test::LasBytes;
using test::SkrivBytes;
using test::Testmapp;
namespace fs = std::filesystem;

// The group the books are shared through, and the users: Anna owns them, Bo and
// Gun are in the group (Gun's own group is it), Cilla is not.
constexpr gid_t kDelad = 47100;
struct Anvandare {
    const char *namn;
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> grupper;
};
const Anvandare kRoot{"root", 0, 0, {}};
const Anvandare kAnna{"Anna", 47001, 47201, {47201, kDelad}};
const Anvandare kBo{"Bo", 47002, 47202, {47202, kDelad}};
const Anvandare kGun{"Gun", 47003, kDelad, {kDelad}};
const Anvandare kCilla{"Cilla", 47004, 47204, {47204}};

const std::string kRedovisning = "AB 2012\r\n1;120315;100;1930;3010;0;Kontant\r\n";
const std::string kKontoplan = "AB:s kontoplan\r\n1;1930;Bank\r\n5;3010;Forsaljning\r\n";

bool BliAnvandare(const Anvandare &vem) {
    return ::setgroups(vem.grupper.size(), vem.grupper.data()) == 0 &&
           ::setresgid(vem.gid, vem.gid, vem.gid) == 0 &&
           ::setresuid(vem.uid, vem.uid, vem.uid) == 0;
}

// Runs `arbete` as `vem` in a child process: what it returns, or the first line
// of the message it raised.
std::string Som(const Anvandare &vem, const std::function<std::string()> &arbete) {
    int ror[2];
    if (::pipe(ror) != 0)
        return "pipe failed";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ror[0]);
        std::string svar;
        if (!BliAnvandare(vem))
            svar = "could not become " + std::string(vem.namn);
        else {
            try {
                svar = arbete();
            } catch (const std::exception &fel) {
                svar = ForstaRaden(fel.what());
            }
        }
        const ssize_t n = ::write(ror[1], svar.data(), svar.size());
        ::_exit(n == static_cast<ssize_t>(svar.size()) ? 0 : 1);
    }
    ::close(ror[1]);
    std::string svar;
    char buf[512];
    for (ssize_t n; (n = ::read(ror[0], buf, sizeof buf)) > 0;)
        svar.append(buf, static_cast<std::size_t>(n));
    ::close(ror[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return svar;
}

// A window of `vem` in another process that holds the lock of `fil` until it is
// killed, as a window of a program that is killed leaves its lock file.
class Fonster {
public:
    Fonster(const Anvandare &vem, const std::string &fil) {
        int ror[2];
        if (::pipe(ror) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ror[0]);
            char svar = 'n';
            if (BliAnvandare(vem)) {
                const Skrivlas las(fil);
                svar = las.Tagen() ? 'j' : 'n';
                if (::write(ror[1], &svar, 1) == 1)
                    ::pause();
            }
            ::_exit(0);
        }
        ::close(ror[1]);
        char svar = 0;
        tagen_ = ::read(ror[0], &svar, 1) == 1 && svar == 'j';
        ::close(ror[0]);
    }
    ~Fonster() { Dod(); }
    Fonster(const Fonster &) = delete;
    Fonster &operator=(const Fonster &) = delete;

    bool Tagen() const { return tagen_; }
    pid_t Pid() const { return pid_; }
    void Dod() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
    bool tagen_ = false;
};

struct Agare {
    uid_t uid;
    gid_t gid;
    mode_t rattighet;
    bool operator==(const Agare &) const = default;
};

std::ostream &operator<<(std::ostream &ut, const Agare &a) {
    return ut << a.uid << ":" << a.gid << " " << std::oct << a.rattighet << std::dec;
}

Agare AgareAv(const std::string &sokvag) {
    struct stat st {};
    if (::lstat(sokvag.c_str(), &st) != 0)
        return {0, 0, 0};
    return {st.st_uid, st.st_gid, st.st_mode & 07777};
}

bool Innehaller(const std::string &text, const std::string &del) {
    return text.find(del) != std::string::npos;
}

// A folder every user may make files in; `klisterbit` with the sticky bit, in
// which only a file's owner may remove it.
class Delad : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "other users' ids can only be taken as root";
        ASSERT_EQ(::chmod(mapp_.Mapp().c_str(), 0777), 0);
    }
    void Lagg(const std::string &fil, const std::string &bytes, const Agare &agare) {
        SkrivBytes(fil, bytes);
        ASSERT_EQ(::chown(fil.c_str(), agare.uid, agare.gid), 0);
        ASSERT_EQ(::chmod(fil.c_str(), agare.rattighet), 0);
    }

    Testmapp mapp_;
    const std::string red_ = mapp_.Sokvag("ab.red");
};

// A rewrite by the second user of a group-writable ledger left it theirs, with
// their group, and the first user could no longer open it.
TEST_F(Delad, ARewriteKeepsOwnerGroupAndModeAsFarAsTheWriterMay) {
    struct Fall {
        const Anvandare &skrivare;
        mode_t rattighet;
        // The new file's owner, or 0 when the rewrite is refused.
        uid_t ny_agare;
    };
    const std::vector<Fall> fall = {
        {kRoot, 0664, kAnna.uid}, {kRoot, 0640, kAnna.uid}, {kAnna, 0664, kAnna.uid},
        {kBo, 0664, kBo.uid},     {kBo, 0660, kBo.uid},     {kGun, 0664, kGun.uid},
        {kCilla, 0666, 0},
    };
    for (const Fall &f : fall) {
        SCOPED_TRACE(std::string(f.skrivare.namn) + " writes a file of mode " +
                     std::to_string(f.rattighet));
        for (const auto &namn : Filnamn(mapp_.Mapp()))
            fs::remove(mapp_.Sokvag(namn));
        const Agare fore{kAnna.uid, kDelad, f.rattighet};
        Lagg(red_, kRedovisning, fore);
        const std::string nytt = "AB 2012 rev\r\n";

        const std::string svar = Som(f.skrivare, [&] {
            SkrivFilSakertMedKopior(red_, nytt);
            return std::string("OK");
        });
        if (f.ny_agare == 0) {
            EXPECT_TRUE(svar.starts_with("Filen sparas inte: den hör till gruppen \"")) << svar;
            EXPECT_TRUE(svar.ends_with("Filen är oförändrad.")) << svar;
            EXPECT_EQ(LasBytes(red_), kRedovisning);
            EXPECT_EQ(AgareAv(red_), fore);
            EXPECT_EQ(Filnamn(mapp_.Mapp()), std::vector<std::string>{"ab.red"});
            continue;
        }
        ASSERT_EQ(svar, "OK");
        EXPECT_EQ(LasBytes(red_), nytt);
        EXPECT_EQ(AgareAv(red_), (Agare{f.ny_agare, kDelad, f.rattighet}));
        // The copy is the file it was, owner and all.
        EXPECT_EQ(LasBytes(red_ + ".1"), kRedovisning);
        EXPECT_EQ(AgareAv(red_ + ".1"), fore);
        EXPECT_EQ(Filnamn(mapp_.Mapp()), (std::vector<std::string>{"ab.red", "ab.red.1"}));

        // The owner still opens, appends to and rewrites it, and has it back.
        EXPECT_EQ(Som(kAnna,
                      [&] {
                          Bokforingsdata data;
                          Postformular formular;
                          std::string besked = OppnaRedovisning(data, red_);
                          SparaPost(data, formular,
                                    Postrutor{"1", "120316", "5", "1930", "3010", "0", "x"});
                          BytRedovisningsnamn(data, "AB");
                          return besked + std::to_string(data.Postantal);
                      }),
                  "1");
        EXPECT_EQ(AgareAv(red_), (Agare{kAnna.uid, kDelad, f.rattighet}));
        EXPECT_EQ(AgareAv(red_ + ".1").uid, f.ny_agare);
        EXPECT_EQ(AgareAv(red_ + ".2"), fore);
    }
}

TEST_F(Delad, ALockFileIsMadeForEveryoneWhoMayWriteTheFile) {
    // The ledger's mode, and the lock file's: read where the file is read, read
    // and write where it is written.
    const std::vector<std::pair<mode_t, mode_t>> fall = {
        {0664, 0664}, {0660, 0660}, {0644, 0644}, {0640, 0640},
        {0600, 0600}, {0666, 0666}, {0620, 0660},
    };
    for (const auto &[rattighet, lasratt] : fall) {
        SCOPED_TRACE("a ledger of mode " + std::to_string(rattighet));
        Lagg(red_, kRedovisning, {kAnna.uid, kDelad, rattighet});
        {
            // Anna's window is killed and leaves its lock file behind.
            Fonster anna(kAnna, red_);
            ASSERT_TRUE(anna.Tagen());
        }
        EXPECT_EQ(AgareAv(red_ + ".lck"), (Agare{kAnna.uid, kDelad, lasratt}));
        if ((rattighet & 060) == 060) {
            // A member of the group takes the lock file as it stands.
            EXPECT_EQ(Som(kBo,
                          [&] {
                              Bokforingsdata data;
                              return OppnaRedovisning(data, red_) +
                                     (data.RedovisningSkrivskyddad ? "read-only" : "writable");
                          }),
                      "writable");
        }
        fs::remove(red_ + ".lck");
    }
}

// A lock file left by another user, who may not have let others write it, made
// every later window read-only until someone removed it by hand.
TEST_F(Delad, ALockFileLeftByAnotherUserIsTakenWhileItsHolderIsGone) {
    for (const mode_t mappratt : {0777, 01777}) {
        SCOPED_TRACE("a folder of mode " + std::to_string(mappratt));
        ASSERT_EQ(::chmod(mapp_.Mapp().c_str(), mappratt), 0);
        Lagg(red_, kRedovisning, {kAnna.uid, kDelad, 0664});
        const std::string lasfil = red_ + ".lck";
        // Bo's lock file, only his to write (as an older program made it).
        Lagg(lasfil, "bo@kontoret 4711\n", {kBo.uid, kBo.gid, 0644});

        // Held by a process, it keeps Anna out though she cannot write it.
        {
            const int fd = ::open(lasfil.c_str(), O_RDONLY);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(::flock(fd, LOCK_EX), 0);
            const pid_t barn = ::fork(); // holds the lock until killed
            if (barn == 0) {
                ::pause();
                ::_exit(0);
            }
            ::close(fd);
            EXPECT_EQ(Som(kAnna,
                          [&] {
                              const Skrivlas las(red_);
                              return las.Orsak();
                          }),
                      "är redan öppen på annat håll (bo@kontoret, process 4711)");
            ::kill(barn, SIGKILL);
            ::waitpid(barn, nullptr, 0);
        }

        // Let go, Anna takes it; while she holds it, Bo's window is read-only.
        {
            Fonster anna(kAnna, red_);
            EXPECT_TRUE(anna.Tagen());
            // Bo's own lock file, which she could not write, still names him.
            const std::string innehavare =
                mappratt == 0777 ? "process " + std::to_string(anna.Pid()) : "process 4711";
            EXPECT_TRUE(Innehaller(Som(kBo,
                                       [&] {
                                           Bokforingsdata data;
                                           return OppnaRedovisning(data, red_);
                                       }),
                                   innehavare));
        }
        // Where the folder let her, the lock file was made anew as hers (and
        // left by her killed window); where it did not, Bo's stays as it was.
        EXPECT_EQ(AgareAv(lasfil).uid, mappratt == 0777 ? kAnna.uid : kBo.uid);

        // Her window is writable, and her post is saved.
        EXPECT_EQ(Som(kAnna,
                      [&] {
                          Bokforingsdata data;
                          Postformular formular;
                          std::string besked = OppnaRedovisning(data, red_);
                          SparaPost(data, formular,
                                    Postrutor{"2", "120316", "5", "1930", "3010", "0", "x"});
                          return besked;
                      }),
                  "");
        EXPECT_EQ(LasBytes(red_), kRedovisning + "2;120316;5;1930;3010;0;x\r\n");
        fs::remove(lasfil);
    }
}

// A user who may only read a ledger took its lock with a window that could save
// nothing, and kept its owner's windows read-only.
TEST_F(Delad, AUserWhoMayNotWriteTheFileDoesNotTakeItsLock) {
    Lagg(red_, kRedovisning, {kAnna.uid, kDelad, 0644});
    Fonster bo(kBo, red_);
    EXPECT_FALSE(bo.Tagen());
    EXPECT_FALSE(fs::exists(red_ + ".lck"));
    EXPECT_EQ(Som(kAnna,
                  [&] {
                      Bokforingsdata data;
                      return OppnaRedovisning(data, red_);
                  }),
              "");
    EXPECT_TRUE(Innehaller(Som(kBo,
                               [&] {
                                   Bokforingsdata data;
                                   return OppnaRedovisning(data, red_);
                               }),
                           "kan inte låsas för skrivning (Åtkomst nekad"));
}

// A second window opening the ledger through a hard link got it writable past
// the first window's lock.
TEST(DeladFil, AFileWithASecondNameOpensReadOnlyAndSaysWhy) {
    Testmapp mapp;
    const std::string red = mapp.Sokvag("a.red");
    const std::string kpl = mapp.Sokvag("a.kpl");
    SkrivBytes(red, kRedovisning);
    SkrivBytes(kpl, kKontoplan);
    Bokforingsdata forsta;
    ASSERT_EQ(OppnaRedovisning(forsta, red), "");
    ASSERT_EQ(OppnaKontoplan(forsta, kpl), "");
    ASSERT_EQ(::link(red.c_str(), mapp.Sokvag("hard.red").c_str()), 0);
    ASSERT_EQ(::link(kpl.c_str(), mapp.Sokvag("hard.kpl").c_str()), 0);
    ASSERT_EQ(::link(kpl.c_str(), mapp.Sokvag("tredje.kpl").c_str()), 0);

    const std::string orsak = "namn i filsystemet (hårda länkar), och skrivlåset gäller bara ett "
                              "namn: den kunde då ändras under ett annat namn samtidigt. Den "
                              "öppnas skrivskyddad";
    Bokforingsdata andra;
    const std::string redbesked = OppnaRedovisning(andra, mapp.Sokvag("hard.red"));
    EXPECT_EQ(ForstaRaden(redbesked), "Redovisningen " + mapp.Sokvag("hard.red") + " har 2 " +
                                          orsak + ": du kan läsa den, men inga ändringar sparas.");
    EXPECT_TRUE(andra.RedovisningSkrivskyddad);
    EXPECT_EQ(andra.Postantal, 1);
    const std::string kplbesked = OppnaKontoplan(andra, mapp.Sokvag("hard.kpl"));
    EXPECT_TRUE(Innehaller(kplbesked, "Kontoplanen " + mapp.Sokvag("hard.kpl") + " har 3 " + orsak))
        << kplbesked;
    EXPECT_TRUE(andra.KontoplanSkrivskyddad);
    Postformular formular;
    EXPECT_THROW(
        SparaPost(andra, formular, Postrutor{"2", "120316", "5", "1930", "3010", "0", "x"}),
        Korningsfel);
    EXPECT_THROW(BytRedovisningsnamn(andra, "Nytt"), Korningsfel);
    EXPECT_EQ(LasBytes(red), kRedovisning);

    // Also once the first window has let go, and under the first name too.
    forsta = Bokforingsdata{};
    Bokforingsdata tredje;
    EXPECT_NE(OppnaRedovisning(tredje, red), "");
    EXPECT_TRUE(tredje.RedovisningSkrivskyddad);
    EXPECT_EQ(Filnamn(mapp.Mapp()),
              (std::vector<std::string>{"a.kpl", "a.red", "hard.kpl", "hard.red", "tredje.kpl"}));

    // One name again, it opens writable.
    fs::remove(mapp.Sokvag("hard.red"));
    EXPECT_EQ(OppnaRedovisning(tredje, red), "");
    EXPECT_FALSE(tredje.RedovisningSkrivskyddad);
}

// A rewrite stopped between keeping its copy and replacing the file leaves a
// copy that is the file itself: not a second name to refuse, but to separate.
TEST(DeladFil, ACopyThatIsTheFileItselfIsRemovedWhenTheFileIsOpened) {
    Testmapp mapp;
    const std::string red = mapp.Sokvag("a.red");
    SkrivBytes(red, kRedovisning);
    SkrivBytes(red + ".2", "AB 2011\r\n");
    ASSERT_EQ(::link(red.c_str(), (red + ".1").c_str()), 0);
    ASSERT_EQ(::link(red.c_str(), (red + ".3").c_str()), 0);
    EXPECT_EQ(SkiljKopiorFranFilen(red), 2);
    EXPECT_EQ(Filnamn(mapp.Mapp()), (std::vector<std::string>{"a.red", "a.red.2"}));
    EXPECT_EQ(SkiljKopiorFranFilen(red), 0);

    // Opening the ledger does the same, and it opens writable.
    ASSERT_EQ(::link(red.c_str(), (red + ".1").c_str()), 0);
    Bokforingsdata data;
    EXPECT_EQ(OppnaRedovisning(data, red), "");
    EXPECT_FALSE(data.RedovisningSkrivskyddad);
    BytRedovisningsnamn(data, "AB");
    EXPECT_EQ(LasBytes(red + ".1"), kRedovisning);
    EXPECT_EQ(LasBytes(red + ".3"), "AB 2011\r\n");
    EXPECT_EQ(Filnamn(mapp.Mapp()),
              (std::vector<std::string>{"a.red", "a.red.1", "a.red.3", "a.red.lck", "a.red.logg"}));
}

// A symbolic link loop was told as "I/O error 40".
TEST(DeladFil, APathThatCannotBeFollowedIsToldInSwedishWithTheFilesName) {
    Testmapp mapp;
    fs::create_symlink(mapp.Sokvag("b.red"), mapp.Sokvag("a.red"));
    fs::create_symlink(mapp.Sokvag("a.red"), mapp.Sokvag("b.red"));
    const std::vector<std::pair<std::string, std::string>> fall = {
        {mapp.Sokvag("a.red"), "Sökvägen går runt i en slinga av symboliska länkar."},
        {mapp.Sokvag(std::string(300, 'x') + ".red"), "Filnamnet eller sökvägen är för lång."},
        {mapp.Sokvag("saknas/a.red"), "Det finns ingen sådan mapp."},
        {mapp.Sokvag("c.red"), "Filen finns inte."},
    };
    const std::vector<
        std::pair<const char *, std::function<void(Bokforingsdata &, const std::string &)>>>
        oppna = {
            {"ledger", [](Bokforingsdata &d, const std::string &s) { OppnaRedovisning(d, s); }},
            {"chart", [](Bokforingsdata &d, const std::string &s) { OppnaKontoplan(d, s); }},
        };
    for (const auto &[sokvag, text] : fall) {
        for (const auto &[vad, kommando] : oppna) {
            Bokforingsdata data;
            try {
                kommando(data, sokvag);
                ADD_FAILURE() << vad << " " << sokvag << " opened";
            } catch (const Korningsfel &fel) {
                EXPECT_EQ(std::string(fel.what()), text + "\nFil: " + sokvag) << vad;
            }
            EXPECT_FALSE(data.RedovisningInlast || data.KontoplanInlast) << vad;
        }
    }
    EXPECT_EQ(Filnamn(mapp.Mapp()), (std::vector<std::string>{"a.red", "b.red"}));
}

} // namespace
} // namespace tovana
