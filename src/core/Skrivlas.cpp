#include "core/Skrivlas.h"

#include "core/Fel.h"
#include "core/Textfil.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovana {

namespace {

// The holder line of a lock file, cut at its line end and without control
// characters, for a message box.
std::string LasInnehavare(int fd) {
    char buf[256];
    const ssize_t n = ::pread(fd, buf, sizeof buf, 0);
    std::string text;
    for (ssize_t i = 0; i < n && buf[i] != '\n' && buf[i] != '\r'; ++i)
        if (static_cast<unsigned char>(buf[i]) >= 0x20)
            text += buf[i];
    return text;
}

// Whether a lock file this user may not open at all is held by someone.
bool HallsAvAnnan(const std::string &lasfil, std::string &innehavare) {
    const int fd = ::open(lasfil.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool halls = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (halls)
        innehavare = LasInnehavare(fd);
    ::close(fd);
    return halls;
}

// Gives a lock file this user made the group of the file it locks, and the
// mode that lets everyone who may write that file open the lock for writing too
// (the read bits of the file, and read and write for each class that may write
// it), so that a lock left behind never keeps the others out.
void DelaLasfil(int fd, const std::string &fil) {
    struct stat las {};
    struct stat agd {};
    if (::stat(fil.c_str(), &agd) != 0 || ::fstat(fd, &las) != 0 || las.st_uid != ::geteuid())
        return;
    if (las.st_gid != agd.st_gid)
        static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), agd.st_gid));
    const mode_t rattighet = (agd.st_mode & 0666) | ((agd.st_mode & 0222) << 1) | 0600;
    if ((las.st_mode & 07777) != rattighet)
        static_cast<void>(::fchmod(fd, rattighet));
}

// Whether this user may make files in the folder of `fil`, as a rewrite must.
bool MappenSkrivbar(const std::string &fil) {
    const auto snedstreck = fil.rfind('/');
    const std::string mapp = snedstreck == std::string::npos ? "."
                             : snedstreck == 0               ? "/"
                                                             : fil.substr(0, snedstreck);
    return ::faccessat(AT_FDCWD, mapp.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string Skrivskyddsbesked(const std::string &vad, const std::string &fil, const Skrivlas &las) {
    return vad + " " + fil + " " + las.Orsak() +
           ". Den öppnas skrivskyddad: du kan läsa den, men inga ändringar sparas.";
}

} // namespace

std::string Innehavartext() {
    std::string anvandare;
    struct passwd post {};
    struct passwd *funnen = nullptr;
    char buf[1024];
    if (::getpwuid_r(::geteuid(), &post, buf, sizeof buf, &funnen) == 0 && funnen)
        anvandare = funnen->pw_name;
    else if (const char *namn = std::getenv("USER"))
        anvandare = namn;
    char dator[256] = {};
    if (::gethostname(dator, sizeof dator - 1) != 0)
        dator[0] = '\0';
    return anvandare + "@" + dator + " " + std::to_string(::getpid());
}

Skrivlas::Skrivlas(const std::string &sokvag)
    : fil_(VerkligSokvag(sokvag)), lasfil_(fil_ + ".lck") {
    // A user who may not write the file takes no lock of it: a window of theirs
    // could save nothing, and would keep those who may write it read-only.
    if (::faccessat(AT_FDCWD, fil_.c_str(), W_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EPERM || errno == EROFS)) {
        felnummer_ = errno;
        lage_ = Lage::Omojlig;
        return;
    }
    // A few tries: a lock file can be removed by its releasing holder between
    // being opened here and being locked.
    for (int forsok = 0; forsok < 8; ++forsok) {
        bool skrivbar = true;
        int fd = ::open(lasfil_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno == EACCES) {
            // A lock file another user left, which this one may not write: an
            // flock needs only a descriptor open for reading.
            felnummer_ = errno;
            skrivbar = false;
            fd = ::open(lasfil_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
            if (fd < 0) {
                lage_ = Lage::Omojlig;
                return;
            }
        } else if (fd < 0) {
            felnummer_ = errno;
            lage_ = HallsAvAnnan(lasfil_, innehavare_) ? Lage::Upptagen : Lage::Omojlig;
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) {
                lage_ = Lage::Upptagen;
                innehavare_ = LasInnehavare(fd);
            } else {
                lage_ = Lage::Omojlig;
                felnummer_ = errno;
            }
            ::close(fd);
            return;
        }
        // A holder removes its lock file before letting go, so a locked file no
        // longer at the path was let go to nobody: try the one there now.
        struct stat last {};
        struct stat pa_platsen {};
        if (::fstat(fd, &last) != 0 || ::lstat(lasfil_.c_str(), &pa_platsen) != 0 ||
            last.st_ino != pa_platsen.st_ino || last.st_dev != pa_platsen.st_dev) {
            ::close(fd);
            continue;
        }
        if (!skrivbar) {
            // Held, another's lock file may be removed as its holder would, to
            // be made anew as this user's own naming this process. Where it may
            // not (a folder with the sticky bit), the lock is held as it is.
            if (::unlink(lasfil_.c_str()) == 0) {
                ::close(fd);
                continue;
            }
            if (!MappenSkrivbar(fil_)) {
                // No rewrite could be saved in a folder the user may not write.
                ::close(fd);
                lage_ = Lage::Omojlig;
                return;
            }
        }
        fd_ = fd;
        agare_ = ::getpid();
        lage_ = Lage::Tagen;
        felnummer_ = 0;
        if (skrivbar) {
            DelaLasfil(fd, fil_);
            // The holder's name is for others' messages only; the lock holds without it.
            const std::string rad = Innehavartext() + "\n";
            if (::ftruncate(fd, 0) == 0) {
                const ssize_t skrivet = ::pwrite(fd, rad.data(), rad.size(), 0);
                static_cast<void>(skrivet);
            }
        }
        // One lock per file whatever its name: a file with a second name (a
        // hard link) could be opened for writing under that name too, past
        // this lock. The program's own copies are no other names once a
        // stopped rewrite's copy that is the file itself is gone.
        SkiljKopiorFranFilen(fil_);
        struct stat fil {};
        if (::stat(fil_.c_str(), &fil) == 0 && S_ISREG(fil.st_mode) && fil.st_nlink > 1) {
            lage_ = Lage::Flernamnig;
            namnantal_ = static_cast<long>(fil.st_nlink);
            Slapp();
            return;
        }
        RensaTemporarfiler(fil_);
        return;
    }
    lage_ = Lage::Upptagen;
}

void Skrivlas::Slapp() {
    if (fd_ < 0)
        return;
    // Removed while still held, so that no one locks a file that is gone.
    if (agare_ == ::getpid())
        ::unlink(lasfil_.c_str());
    ::close(fd_);
    fd_ = -1;
}

Skrivlas::~Skrivlas() {
    Slapp();
}

std::string Skrivlas::Orsak() const {
    switch (lage_) {
    case Lage::Tagen:
        return {};
    case Lage::Omojlig: {
        std::string fel = FilfelText(felnummer_);
        if (fel.ends_with('.'))
            fel.pop_back();
        return "kan inte låsas för skrivning (" + fel + ")";
    }
    case Lage::Flernamnig:
        return "har " + std::to_string(namnantal_) +
               " namn i filsystemet (hårda länkar), och skrivlåset gäller bara ett namn: den "
               "kunde då ändras under ett annat namn samtidigt";
    case Lage::Upptagen:
        break;
    }
    if (innehavare_.empty())
        return "är redan öppen på annat håll";
    const auto blank = innehavare_.rfind(' ');
    if (blank == std::string::npos)
        return "är redan öppen på annat håll (" + innehavare_ + ")";
    if (innehavare_ == Innehavartext())
        return "är redan öppen i det här programmet";
    return "är redan öppen på annat håll (" + innehavare_.substr(0, blank) + ", process " +
           innehavare_.substr(blank + 1) + ")";
}

std::shared_ptr<Skrivlas> TaSkrivlas(const std::shared_ptr<Skrivlas> &nuvarande,
                                     const std::string &sokvag) {
    if (nuvarande && nuvarande->Tagen() && nuvarande->Fil() == VerkligSokvag(sokvag))
        return nuvarande;
    return std::make_shared<Skrivlas>(sokvag);
}

std::shared_ptr<Skrivlas> KravSkrivlas(const std::shared_ptr<Skrivlas> &nuvarande,
                                       const std::string &sokvag) {
    auto las = TaSkrivlas(nuvarande, sokvag);
    if (!las->Tagen())
        throw Korningsfel("Filen " + sokvag + " " + las->Orsak() +
                          ". Den skrivs inte: välj ett annat filnamn.");
    return las;
}

std::string SattKontoplanslas(Bokforingsdata &data, std::shared_ptr<Skrivlas> las) {
    data.KontoplanSkrivskyddad = !las->Tagen();
    std::string besked;
    if (data.KontoplanSkrivskyddad) {
        besked = Skrivskyddsbesked("Kontoplanen", data.Kontoplanfil, *las);
        las.reset();
    }
    data.Kontoplanslas = std::move(las);
    return besked;
}

std::string SattRedovisningslas(Bokforingsdata &data, std::shared_ptr<Skrivlas> las) {
    data.RedovisningSkrivskyddad = !las->Tagen();
    std::string besked;
    if (data.RedovisningSkrivskyddad) {
        besked = Skrivskyddsbesked("Redovisningen", data.Redovisningsfil, *las);
        las.reset();
    }
    data.Redovisningslas = std::move(las);
    return besked;
}

void KontrolleraSkrivbarKontoplan(const Bokforingsdata &data) {
    if (data.KontoplanSkrivskyddad)
        throw Korningsfel("Kontoplanen är öppnad skrivskyddad och kan inte ändras: den var öppen "
                          "på annat håll eller kunde inte låsas när den öppnades. Öppna den på "
                          "nytt när den är ledig, eller spara den under ett annat namn.");
}

void KontrolleraSkrivbarRedovisning(const Bokforingsdata &data) {
    if (data.RedovisningSkrivskyddad)
        throw Korningsfel("Redovisningen är öppnad skrivskyddad och kan inte ändras: den var "
                          "öppen på annat håll eller kunde inte låsas när den öppnades. Öppna den "
                          "på nytt när den är ledig.");
}

} // namespace tovana
