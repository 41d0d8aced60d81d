// Safe rewrites and appends: a failure at any step leaves the old file exactly as
// it was and no temporary file behind. Faults are made real: a missing or
// immutable folder, and a file size limit that makes writing fail half way.

#include "Testmapp.h"
#include "core/Bokforingsdata.h"
#include "core/Fel.h"
#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "core/Textfil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tovana;
using namespace tovana::test;
namespace fs = std::filesystem;

namespace {

// When set, the next close of a file closes it and then reports an I/O error, as
// a network file system may when it writes back late.
std::atomic<bool> gStangningFelar{false};

} // namespace

// Every close in this program goes through here; it does the real close.
extern "C" int close(int fd) {
    const long svar = ::syscall(SYS_close, fd);
    if (svar == 0 && gStangningFelar.exchange(false)) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(svar);
}

namespace {

// Runs `arbete` in a child process and returns the first line of the message it
// raised, "OK" when it raised nothing. Before the work the child lowers its file
// size limit to `storlek` bytes (with SIGXFSZ ignored, so a write past it fails
// with EFBIG) and, when `somNobody`, runs as the unprivileged user.
std::string IBarnprocess(const std::function<void()> &arbete, rlim_t storlek = RLIM_INFINITY,
                         bool somNobody = false) {
    int ror[2];
    if (::pipe(ror) != 0)
        return "pipe failed";
    const pid_t pid = ::fork();
    if (pid < 0)
        return "fork failed";
    if (pid == 0) {
        ::close(ror[0]);
        std::string svar = "OK";
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit grans{storlek, storlek};
        if (storlek != RLIM_INFINITY && ::setrlimit(RLIMIT_FSIZE, &grans) != 0)
            svar = "setrlimit failed";
        else if (somNobody && ::geteuid() == 0 &&
                 (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
                  ::setresuid(65534, 65534, 65534) != 0))
            svar = "setresuid failed";
        else {
            try {
                arbete();
            } catch (const std::exception &fel) {
                svar = ForstaRaden(fel.what());
            }
        }
        const ssize_t n = ::write(ror[1], svar.data(), svar.size());
        ::_exit(n == static_cast<ssize_t>(svar.size()) ? 0 : 1);
    }
    ::close(ror[1]);
    std::string svar;
    char buf[256];
    for (ssize_t n; (n = ::read(ror[0], buf, sizeof buf)) != 0;) {
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        svar.append(buf, static_cast<std::size_t>(n));
    }
    ::close(ror[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status))
        return "the child died from signal " + std::to_string(WTERMSIG(status));
    return svar;
}

// The message of the Korningsfel `arbete` raises, or "OK".
std::string Meddelande(const std::function<void()> &arbete) {
    try {
        arbete();
    } catch (const Korningsfel &fel) {
        return fel.what();
    }
    return "OK";
}

class Textfil : public ::testing::Test {
protected:
    Testmapp mapp;
    std::string fil = mapp.Sokvag("bok.red");
    const std::string gammalt = "Bok\r\n1;120101;100;1930;3010;0;Ett\r\n";

    void SetUp() override { SkrivBytes(fil, gammalt); }

    std::vector<std::string> Kvarlamnat() const { return Filnamn(mapp.Mapp()); }
};

// Lifts `chattr +i` again whatever way the test ends.
struct Oforanderlig {
    std::string sokvag;
    bool satt = false;
    explicit Oforanderlig(std::string s) : sokvag(std::move(s)) {
        satt = std::system(("chattr +i '" + sokvag + "' 2>/dev/null").c_str()) == 0;
    }
    ~Oforanderlig() {
        if (satt && std::system(("chattr -i '" + sokvag + "'").c_str()) != 0)
            ADD_FAILURE() << "could not lift chattr +i from " << sokvag;
    }
};

} // namespace

TEST_F(Textfil, RewriteReplacesTheContentKeepsThePermissionsAndLeavesNoTemporaryFile) {
    ::chmod(fil.c_str(), 0640);
    SkrivFilSakert(fil, "Ny\r\n");
    EXPECT_EQ(LasBytes(fil), "Ny\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(fil.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Kvarlamnat(), std::vector<std::string>{"bok.red"});
}

TEST_F(Textfil, RewriteCreatesAMissingFileInAnExistingFolder) {
    const std::string ny = mapp.Sokvag("ny.kpl");
    SkrivFilSakert(ny, "Plan\r\n");
    EXPECT_EQ(LasBytes(ny), "Plan\r\n");
    EXPECT_EQ(Kvarlamnat(), (std::vector<std::string>{"bok.red", "ny.kpl"}));
}

TEST_F(Textfil, RewriteIntoAMissingFolderIsFileNotFound) {
    const std::string saknas = mapp.Sokvag("saknas/bok.red");
    const std::string fel = Meddelande([&] { SkrivFilSakert(saknas, "Ny\r\n"); });
    EXPECT_EQ(ForstaRaden(fel), "Det finns ingen sådan mapp.");
    EXPECT_NE(AndraRaden(fel).find(saknas), std::string::npos);
    EXPECT_EQ(Kvarlamnat(), std::vector<std::string>{"bok.red"});
}

TEST_F(Textfil, RewriteIntoAnImmutableFolderIsAccessDeniedAndKeepsTheOldFile) {
    const Oforanderlig las(mapp.Mapp().string());
    if (!las.satt)
        GTEST_SKIP() << "chattr +i is not available here (needs root on a file system that has it)";
    const std::string fel = Meddelande([&] { SkrivFilSakert(fil, "Ny\r\n"); });
    EXPECT_EQ(ForstaRaden(fel), "Åtkomst nekad: du har inte behörighet till filen.");
    EXPECT_EQ(LasBytes(fil), gammalt);
    EXPECT_EQ(Kvarlamnat(), std::vector<std::string>{"bok.red"});
}

TEST_F(Textfil, RewriteThatFailsHalfWayKeepsTheOldFileAndReportsDiskFull) {
    const std::string stor(1 << 20, 'x');
    EXPECT_EQ(IBarnprocess([&] { SkrivFilSakert(fil, stor); }, 8192), "Filen blir för stor.");
    EXPECT_EQ(LasBytes(fil), gammalt);
    EXPECT_EQ(Kvarlamnat(), std::vector<std::string>{"bok.red"});
}

TEST_F(Textfil, LedgerRewriteThatFailsHalfWayKeepsTheOldLedger) {
    Bokforingsdata data;
    data.Redovisningsnamn = "Bok";
    for (int i = 1; i <= 3000; ++i)
        data.Postplats(i) = TPost{i, "120101", 1930, 3010, 0, 100.5, "En ganska lång text"};
    data.Postantal = 3000;
    EXPECT_EQ(IBarnprocess([&] { SkrivRedovisning(data, fil); }, 16384), "Filen blir för stor.");
    EXPECT_EQ(LasBytes(fil), gammalt);
    EXPECT_EQ(Kvarlamnat(), std::vector<std::string>{"bok.red"});
}

TEST_F(Textfil, AppendThatFailsHalfWayLeavesNoPartialLine) {
    std::vector<std::string> rader;
    for (int i = 0; i < 200; ++i)
        rader.push_back(std::to_string(i) + ";IB;100;1930;0;0;IB-post");
    const rlim_t grans = gammalt.size() + 40; // room for one line and a bit of the next
    EXPECT_EQ(IBarnprocess([&] { LaggTillPostrader(fil, rader); }, grans), "Filen blir för stor.");
    EXPECT_EQ(LasBytes(fil), gammalt);
}

TEST_F(Textfil, AppendThatFailsAfterTheAddedLineEndLeavesTheFileAsItWas) {
    const std::string utanRadslut = "Bok\r\n1;120101;100;1930;3010;0;Ett";
    SkrivBytes(fil, utanRadslut);
    const rlim_t grans = utanRadslut.size() + 10;
    EXPECT_EQ(IBarnprocess([&] { LaggTillPostrad(fil, "2;120102;5;1930;3010;0;Två"); }, grans),
              "Filen blir för stor.");
    EXPECT_EQ(LasBytes(fil), utanRadslut);
}

TEST_F(Textfil, AnAppendThatFitsIsWhole) {
    EXPECT_EQ(IBarnprocess([&] { LaggTillPostrad(fil, "2;120102;5;1930;3010;0;b"); }, 4096), "OK");
    EXPECT_EQ(LasBytes(fil), gammalt + "2;120102;5;1930;3010;0;b\r\n");
}

// A read-only file was silently replaced by a rewrite, while an append to it was refused.
TEST_F(Textfil, RewriteOfAReadOnlyFileIsAccessDeniedAndKeepsIt) {
    ASSERT_EQ(::chmod(mapp.Mapp().c_str(), 0777), 0);
    ASSERT_EQ(::chmod(fil.c_str(), 0444), 0);
    EXPECT_EQ(IBarnprocess([&] { SkrivFilSakert(fil, "Ny\r\n"); }, RLIM_INFINITY, true),
              "Åtkomst nekad: du har inte behörighet till filen.");
    EXPECT_EQ(LasBytes(fil), gammalt);
    EXPECT_EQ(Kvarlamnat(), std::vector<std::string>{"bok.red"});
}

// A rewrite through a link replaced the link by a plain file and left its target unchanged.
TEST_F(Textfil, RewriteThroughALinkUpdatesTheLinkedFile) {
    const std::string lank = mapp.Sokvag("lank.red");
    fs::create_symlink(fil, lank);
    SkrivFilSakert(lank, "Ny\r\n");
    EXPECT_TRUE(fs::is_symlink(lank));
    EXPECT_EQ(LasBytes(fil), "Ny\r\n");
    EXPECT_EQ(Kvarlamnat(), (std::vector<std::string>{"bok.red", "lank.red"}));
}

TEST_F(Textfil, RewriteOntoAFolderIsAccessDeniedAndLeavesNothing) {
    const std::string undermapp = mapp.Sokvag("mapp");
    fs::create_directory(undermapp);
    EXPECT_EQ(ForstaRaden(Meddelande([&] { SkrivFilSakert(undermapp, "x"); })),
              "Det är en mapp, inte en fil.");
    EXPECT_TRUE(fs::is_directory(undermapp));
    EXPECT_EQ(Kvarlamnat(), (std::vector<std::string>{"bok.red", "mapp"}));
}

TEST_F(Textfil, ReadingAMissingFileOrAFolderFailsWithTheRuntimeMessage) {
    EXPECT_EQ(ForstaRaden(Meddelande([&] { LasFil(mapp.Sokvag("saknas.red")); })),
              "Filen finns inte.");
    EXPECT_EQ(ForstaRaden(Meddelande([&] { LasFil(mapp.Mapp().string()); })),
              "Det är en mapp, inte en fil.");
    EXPECT_EQ(LasFil(fil), gammalt);
}

TEST_F(Textfil, AFailedReadChangesNothingInMemory) {
    Bokforingsdata data;
    LasRedovisning(data, fil);
    data.Kontoplannamn = "Plan";
    data.Kontoplats(1) = {1, 1930, "Bank"};
    data.Kontoantal = 1;
    const auto fore = data;
    const std::string undermapp = mapp.Sokvag("mapp");
    fs::create_directory(undermapp);
    for (const std::string &sokvag : {undermapp, mapp.Sokvag("saknas")}) {
        EXPECT_THROW(LasRedovisning(data, sokvag), Korningsfel);
        EXPECT_THROW(LasKontoplan(data, sokvag), Korningsfel);
    }
    EXPECT_EQ(data.Redovisningsnamn, fore.Redovisningsnamn);
    EXPECT_EQ(data.Postantal, 1);
    EXPECT_EQ(data.Poster, fore.Poster);
    EXPECT_EQ(data.Kontoplannamn, "Plan");
    EXPECT_EQ(data.Kontoantal, 1);
    EXPECT_EQ(data.Konton, fore.Konton);
}

TEST(Radlasare, NumbersLinesAcrossBlankLinesWithCrLfOrLf) {
    Radlasare lasare("Namn\r\n\r\n  a\n\t\r\nb\r\nc");
    std::string_view rad;
    ASSERT_TRUE(lasare.NastaRad(rad));
    EXPECT_EQ(rad, "Namn");
    EXPECT_EQ(lasare.Radnummer(), 1);
    ASSERT_TRUE(lasare.NastaPostrad(rad));
    EXPECT_EQ(rad, "a");
    EXPECT_EQ(lasare.Radnummer(), 3);
    ASSERT_TRUE(lasare.NastaPostrad(rad));
    EXPECT_EQ(rad, "b");
    EXPECT_EQ(lasare.Radnummer(), 5);
    ASSERT_TRUE(lasare.NastaPostrad(rad));
    EXPECT_EQ(rad, "c");
    EXPECT_EQ(lasare.Radnummer(), 6);
    EXPECT_FALSE(lasare.NastaPostrad(rad));
}

TEST(Radlasare, AFirstLineKeepsItsBlanksAndAnEmptyTextHasNoLines) {
    Radlasare lasare("  Namn \r\n");
    std::string_view rad;
    ASSERT_TRUE(lasare.NastaRad(rad));
    EXPECT_EQ(rad, "  Namn ");
    EXPECT_FALSE(lasare.NastaPostrad(rad));
    Radlasare tom("");
    EXPECT_FALSE(tom.NastaRad(rad));
}

// A file whose lines ended in a lone CR read as one line: the whole file was its name line.
TEST(Radlasare, CrLfLfAndALoneCrEachEndOneLine) {
    struct Fall {
        std::string_view text;
        std::vector<std::string_view> rader;
        std::vector<long> nummer;
    };
    const Fall fall[] = {
        {"N\ra\rb\r", {"a", "b"}, {2, 3}},
        {"N\r\na\nb\rc", {"a", "b", "c"}, {2, 3, 4}},
        {"N\r\r\n\n\ra\r\n", {"a"}, {5}},
        {"N\n\r\r\na\r", {"a"}, {4}}, // LF, then CR LF as one end
        {"N\rx\r \r\t\ny", {"x", "y"}, {2, 5}},
    };
    for (const auto &f : fall) {
        Radlasare lasare(f.text);
        std::string_view rad;
        ASSERT_TRUE(lasare.NastaRad(rad));
        EXPECT_EQ(rad, "N");
        std::vector<std::string_view> rader;
        std::vector<long> nummer;
        while (lasare.NastaPostrad(rad)) {
            rader.push_back(rad);
            nummer.push_back(lasare.Radnummer());
        }
        EXPECT_EQ(rader, f.rader) << f.text;
        EXPECT_EQ(nummer, f.nummer) << f.text;
    }
}

// An append completed a last line ending in a lone CR with CR LF, adding an empty line.
TEST_F(Textfil, AnAppendCompletesTheLastLineEndSoThatNoTextChanges) {
    const std::pair<std::string, std::string> fall[] = {
        {"Bok\r\n1;a", "Bok\r\n1;a\r\n2;b\r\n"},
        {"Bok\r\n1;a\r", "Bok\r\n1;a\r\n2;b\r\n"},
        {"Bok\r\n1;a\n", "Bok\r\n1;a\n2;b\r\n"},
        {"Bok\r\n", "Bok\r\n2;b\r\n"},
        {"", "\r\n2;b\r\n"}, // an empty ledger: its empty name line gets its end first
    };
    for (const auto &[fore, efter] : fall) {
        SkrivBytes(fil, fore);
        LaggTillIFil(fil, "2;b\r\n");
        EXPECT_EQ(LasBytes(fil), efter);
    }
}

// A FIFO chosen as a file blocked the program for ever; a device was read without end.
TEST_F(Textfil, AFifoOrADeviceIsRefusedAsAccessDeniedWithoutBlocking) {
    const std::string fifo = mapp.Sokvag("ror.red");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string &sokvag : {fifo, std::string("/dev/zero")}) {
        EXPECT_EQ(ForstaRaden(Meddelande([&] { LasFil(sokvag); })),
                  "Åtkomst nekad: du har inte behörighet till filen.");
        EXPECT_EQ(ForstaRaden(Meddelande([&] { LaggTillIFil(sokvag, "x\r\n"); })),
                  "Åtkomst nekad: du har inte behörighet till filen.");
    }
    EXPECT_EQ(ForstaRaden(Meddelande([&] { SkrivFilSakert(fifo, "x\r\n"); })),
              "Åtkomst nekad: du har inte behörighet till filen.");
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(Textfil, EachRewriteWithCopiesKeepsTheReplacedFileAndFiveAtMost) {
    const std::string nyfil = mapp.Sokvag("ny.red");
    SkrivFilSakertMedKopior(nyfil, "v0");
    EXPECT_EQ(Kvarlamnat(), (std::vector<std::string>{"bok.red", "ny.red"})); // nothing to keep
    for (int i = 1; i <= 7; ++i)
        SkrivFilSakertMedKopior(fil, "v" + std::to_string(i));
    EXPECT_EQ(LasBytes(fil), "v7");
    EXPECT_EQ(LasBytes(fil + ".1"), "v6");
    EXPECT_EQ(LasBytes(fil + ".5"), "v2");
    EXPECT_FALSE(fs::exists(fil + ".6"));
    EXPECT_EQ(Kvarlamnat(),
              (std::vector<std::string>{"bok.red", "bok.red.1", "bok.red.2", "bok.red.3",
                                        "bok.red.4", "bok.red.5", "ny.red"}));
    // A plain rewrite and an append keep no copy.
    SkrivFilSakert(fil, "v8");
    LaggTillIFil(fil, "x\r\n");
    EXPECT_EQ(LasBytes(fil + ".1"), "v6");
}

TEST_F(Textfil, ACopyThatCannotBeMadeStillSavesTheNewContent) {
    // Folders that are not empty where the copies belong: none can move, and
    // neither a link nor a copy can be made.
    for (int n = 1; n <= 5; ++n)
        fs::create_directories(fil + "." + std::to_string(n) + "/inne");
    SkrivFilSakertMedKopior(fil, "Ny\r\n");
    EXPECT_EQ(LasBytes(fil), "Ny\r\n");
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(fs::is_directory(fil + "." + std::to_string(n) + "/inne"));
    EXPECT_EQ(Kvarlamnat().size(), 6u); // no temporary file left
}

TEST_F(Textfil, LedgerAndChartRewritesKeepACopyButCreatingOneDoesNotNeedOne) {
    Bokforingsdata data;
    data.Redovisningsnamn = "Bok";
    SkrivRedovisning(data, fil);
    EXPECT_EQ(LasBytes(fil + ".1"), gammalt);
    const std::string plan = mapp.Sokvag("plan.kpl");
    data.Kontoplannamn = "Plan";
    SkrivKontoplan(data, plan);
    EXPECT_FALSE(fs::exists(plan + ".1"));
    SkrivKontoplan(data, plan);
    EXPECT_EQ(LasBytes(plan + ".1"), "Plan\r\n");
}

// A kill during a rewrite left its temporary file beside the ledger for ever.
TEST_F(Textfil, RensaTemporarfilerRemovesOnlyThisFilesOwnTemporaryFiles) {
    for (const char *namn : {"bok.red.tmp-a1B2c3", "bok.red.tmp-ZZZZZZ"})
        SkrivBytes(mapp.Sokvag(namn), "halv");
    for (const char *namn : {"bok.red.tmp-abc", "bok.red.tmp-abcdefg", "bok.red.tmp-ab_c.d",
                             "annan.red.tmp-a1B2c3", "bok.red.1", "xbok.red.tmp-a1B2c3"})
        SkrivBytes(mapp.Sokvag(namn), "annat");
    fs::create_directory(mapp.Sokvag("bok.red.tmp-MAPPEN"));
    fs::create_symlink(fil, mapp.Sokvag("bok.red.tmp-LANKEN"));
    EXPECT_EQ(RensaTemporarfiler(fil), 2);
    EXPECT_EQ(Kvarlamnat(), (std::vector<std::string>{
                                "annan.red.tmp-a1B2c3", "bok.red", "bok.red.1",
                                "bok.red.tmp-LANKEN", "bok.red.tmp-MAPPEN", "bok.red.tmp-ab_c.d",
                                "bok.red.tmp-abc", "bok.red.tmp-abcdefg", "xbok.red.tmp-a1B2c3"}));
    EXPECT_EQ(LasBytes(fil), gammalt);
    EXPECT_EQ(RensaTemporarfiler(mapp.Sokvag("saknas/bok.red")), 0);
}

// A close that failed after the appended line was synced was reported as a failed
// save, so that a retry saved the post twice.
TEST_F(Textfil, AnAppendWhoseCloseFailsAfterTheSyncIsSavedOnce) {
    gStangningFelar = true;
    EXPECT_NO_THROW(LaggTillPostrad(fil, "2;120102;5;1930;3010;0;b"));
    EXPECT_FALSE(gStangningFelar);
    EXPECT_EQ(LasBytes(fil), gammalt + "2;120102;5;1930;3010;0;b\r\n");
    // A rewrite whose close fails before the rename keeps the old file.
    gStangningFelar = true;
    EXPECT_EQ(ForstaRaden(Meddelande([&] { SkrivFilSakert(fil, "Ny\r\n"); })),
              "Läs- eller skrivfel på disken.");
    EXPECT_EQ(LasBytes(fil), gammalt + "2;120102;5;1930;3010;0;b\r\n");
    EXPECT_EQ(Kvarlamnat(), std::vector<std::string>{"bok.red"});
}

// The line reader against the plainest reading of the rule (CR LF, LF and a
// lone CR each end one line), on texts long enough for its sixteen-byte scan.
TEST(Radlasare, FindsTheLinesThePlainRuleFinds) {
    std::mt19937_64 slump(7122026);
    const char tecken[] = {'a', ';', ' ', '\r', '\n', '\xE5'};
    for (int prov = 0; prov < 5000; ++prov) {
        std::string text(slump() % 200, 'a');
        for (char &c : text)
            c = slump() % 8 == 0 ? tecken[slump() % 6] : 'a';
        std::vector<std::string_view> vantade;
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\r' || text[i] == '\n') {
                vantade.push_back(std::string_view(text).substr(start, i - start));
                if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                start = i + 1;
            }
        if (start < text.size())
            vantade.push_back(std::string_view(text).substr(start));
        std::vector<std::string_view> rader;
        Radlasare lasare(text);
        for (std::string_view rad; lasare.NastaRad(rad);)
            rader.push_back(rad);
        EXPECT_EQ(rader, vantade) << prov;
    }
}

// A multi-post append killed mid-write left half a line that no reader could pass.
// What a killed append of several lines can leave: its intent and some of its
// bytes. A reader takes the file as of before the append unless all of it is
// there; the next writer cuts it back the same way and removes the intent.
TEST_F(Textfil, AnAppendsLeftIntentGivesTheOldFileOrTheWholeAppend) {
    const std::string fore = "Bok\r\n1;a\r\n", tillagg = "2;b\r\n3;c\r\n4;d\r\n";
    struct Fall {
        const char *namn;
        std::size_t skrivet; // bytes of the append in the file
        std::string svans;   // what they are instead, when not the append's own
        bool hel;            // the append counts
    };
    const std::vector<Fall> fall = {
        {"nothing written", 0, "", false},
        {"half a line", 7, "", false},
        {"whole lines but not all", 10, "", false},
        {"the whole append", tillagg.size(), "", true},
        {"zeros in its place", tillagg.size(), std::string(tillagg.size(), '\0'), false},
    };
    for (const auto &f : fall) {
        SCOPED_TRACE(f.namn);
        SkrivBytes(fil, fore);
        SkrivBytes(Tillaggsfil(fil), Tillaggsavsikt(fil, tillagg));
        const int fd = ::open(fil.c_str(), O_WRONLY | O_APPEND);
        const std::string svans = f.svans.empty() ? tillagg.substr(0, f.skrivet) : f.svans;
        ASSERT_EQ(::write(fd, svans.data(), svans.size()), static_cast<ssize_t>(svans.size()));
        ::close(fd);
        const std::string vantat = f.hel ? fore + tillagg : fore;
        EXPECT_EQ(LasFilUtanHalvtTillagg(fil), vantat);
        EXPECT_EQ(SlutforTillagg(fil), !f.hel && f.skrivet > 0);
        EXPECT_EQ(LasBytes(fil), vantat);
        EXPECT_FALSE(HarTillaggsavsikt(fil));
        // The next append lands after the whole lines.
        LaggTillIFil(fil, "5;e\r\n6;f\r\n");
        EXPECT_EQ(LasBytes(fil), vantat + "5;e\r\n6;f\r\n");
        EXPECT_FALSE(HarTillaggsavsikt(fil));
    }
    // An intent for a file since replaced by a rewrite is not this file's.
    SkrivBytes(fil, fore);
    const std::string avsikt = Tillaggsavsikt(fil, tillagg);
    SkrivFilSakert(fil, fore + "2;");
    EXPECT_FALSE(HarTillaggsavsikt(fil)); // a rewrite removes it
    SkrivBytes(Tillaggsfil(fil), avsikt);
    EXPECT_EQ(LasFilUtanHalvtTillagg(fil), fore + "2;");
    EXPECT_FALSE(SlutforTillagg(fil));
    EXPECT_EQ(LasBytes(fil), fore + "2;");
}
