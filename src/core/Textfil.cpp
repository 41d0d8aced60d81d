#include "core/Textfil.h"

#include "core/Fel.h"
#include "core/Storsidor.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tovana {

// Opens a file without blocking (a FIFO would wait for a writer) and refuses
// anything but a regular file; the descriptor, or a raised Filfel.
int OppnaVanligFil(const std::string &sokvag, int flaggor) {
    const int fd = ::open(sokvag.c_str(), flaggor | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        throw Filfel(errno == ENXIO ? EACCES : errno, sokvag);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int fel = errno;
        ::close(fd);
        throw Filfel(fel, sokvag);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw Filfel(S_ISDIR(st.st_mode) ? EISDIR : EACCES, sokvag);
    }
    return fd;
}

namespace {

// Writes all bytes, retrying short writes; false with errno set on failure.
bool SkrivAllt(int fd, std::string_view bytes) {
    std::size_t skrivet = 0;
    while (skrivet < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + skrivet, bytes.size() - skrivet);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        skrivet += static_cast<std::size_t>(n);
    }
    return true;
}

std::string Mapp(const std::string &sokvag) {
    const auto snedstreck = sokvag.rfind('/');
    if (snedstreck == std::string::npos)
        return ".";
    if (snedstreck == 0)
        return "/";
    return sokvag.substr(0, snedstreck);
}

std::string Filnamn(const std::string &sokvag) {
    const auto snedstreck = sokvag.rfind('/');
    return snedstreck == std::string::npos ? sokvag : sokvag.substr(snedstreck + 1);
}

// realpath, or empty when the path cannot be resolved.
std::string Realpath(const std::string &sokvag) {
    char *verklig = ::realpath(sokvag.c_str(), nullptr);
    if (!verklig)
        return {};
    std::string s = verklig;
    std::free(verklig);
    return s;
}

mode_t NyFilrattighet() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SkrivFil(const std::string &sokvag, const std::function<void(const Skrivmal &)> &innehall,
              bool kopior, const struct stat *forebild = nullptr);

// Moves the copies one step and keeps the current file as "<mal>.1". Every step
// that fails is passed over: a copy is a help, never a reason to lose a save.
void BeharKopia(const std::string &mal) {
    struct stat st {};
    if (::lstat(mal.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const auto kopia = [&](int n) { return mal + "." + std::to_string(n); };
    for (int n = kAntalKopior - 1; n >= 1; --n)
        ::rename(kopia(n).c_str(), kopia(n + 1).c_str());
    const std::string forsta = kopia(1);
    ::unlink(forsta.c_str()); // left only when it could not move on
    if (::link(mal.c_str(), forsta.c_str()) == 0)
        return;
    try {
        // A copy made anew keeps the file's owner, group and mode, as a link does.
        const std::string bytes = LasFil(mal);
        SkrivFil(
            forsta, [&bytes](const Skrivmal &skriv) { skriv(bytes); }, false, &st);
    } catch (const Korningsfel &) {
        // The save goes ahead without this copy.
    }
}

// The name of a group for a message, or its number.
std::string Gruppnamn(gid_t grupp) {
    struct group post {};
    struct group *funnen = nullptr;
    char buf[4096];
    if (::getgrgid_r(grupp, &post, buf, sizeof buf, &funnen) == 0 && funnen)
        return funnen->gr_name;
    return std::to_string(grupp);
}

// Gives the new file `fd` the owner and group of the file it replaces: all of
// it where the user may (root, or the owner keeping a group of theirs), else
// the group alone, which any member may set; the owner is then the writer, and
// everyone who shared the file through its group still may. Raises, naming the
// group, when even that is impossible: a rewrite would take the file from them.
void BeharAgare(int fd, const struct stat &forebild, const std::string &sokvag) {
    struct stat ny {};
    if (::fstat(fd, &ny) != 0)
        throw Filfel(errno, sokvag);
    if (ny.st_uid == forebild.st_uid && ny.st_gid == forebild.st_gid)
        return;
    if (::fchown(fd, forebild.st_uid, forebild.st_gid) == 0)
        return;
    if (ny.st_gid == forebild.st_gid || ::fchown(fd, static_cast<uid_t>(-1), forebild.st_gid) == 0)
        return;
    throw Korningsfel(
        "Filen sparas inte: den hör till gruppen \"" + Gruppnamn(forebild.st_gid) +
        "\", som du inte är medlem i, och sparad av dig skulle den få din grupp, så "
        "att de som delar den inte längre kommer åt den. Filen är oförändrad.\nFil: " +
        sokvag);
}

// A write of a streamed rewrite that failed, with its errno.
struct Skrivningsfel {
    int fel;
};

// The intent's fields, parsed; false when the line is not one.
struct Avsikt {
    unsigned long long enhet = 0, inod = 0, langd = 0, antal = 0, summa = 0;
};

bool TolkaAvsikt(const std::string &text, Avsikt &a) {
    return std::sscanf(text.c_str(), "tillagg %llu %llu %llu %llu %llx", &a.enhet, &a.inod,
                       &a.langd, &a.antal, &a.summa) == 5;
}

// FNV-1a, 64 bits: enough to tell the appended bytes from a torn or zeroed tail.
std::uint64_t Kontrollsumma(std::string_view bytes) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    return h;
}

// The intent's text, or empty when there is none (or it cannot be read).
std::string LasAvsikt(const std::string &avsiktsfil) {
    try {
        return LasFil(avsiktsfil);
    } catch (const Korningsfel &) {
        return {};
    }
}

// Whether an intent speaks of the file open at `fd` (size `storlek`) and says
// its append is torn: how long the file is to be taken as, else nullopt.
std::optional<std::uint64_t> AvbrutenLangd(const Avsikt &a, int fd, std::uint64_t storlek) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_dev != a.enhet || st.st_ino != a.inod || storlek <= a.langd)
        return std::nullopt;
    if (storlek >= a.langd + a.antal) {
        std::string svans(a.antal, '\0');
        if (::pread(fd, svans.data(), svans.size(), static_cast<off_t>(a.langd)) ==
                static_cast<ssize_t>(svans.size()) &&
            Kontrollsumma(svans) == a.summa)
            return std::nullopt; // complete
    }
    return a.langd;
}

} // namespace

ForbereddSkrivning::ForbereddSkrivning(const std::string &sokvag, std::string_view bytes,
                                       bool kopior)
    : ForbereddSkrivning(
          sokvag, [bytes](const Skrivmal &skriv) { skriv(bytes); }, kopior) {}

ForbereddSkrivning::ForbereddSkrivning(const std::string &sokvag,
                                       const std::function<void(const Skrivmal &)> &innehall,
                                       bool kopior, const struct stat *forebild)
    : sokvag_(sokvag), kopior_(kopior) {
    // Write where the file really lives, so that a link to it keeps pointing at
    // the new content instead of being replaced by a copy.
    mal_ = VerkligSokvag(sokvag);
    struct stat gammal {};
    finns_ = ::stat(mal_.c_str(), &gammal) == 0;
    // Only a regular file is replaced: a folder, a FIFO or a device stays as it is.
    if (finns_ && !S_ISREG(gammal.st_mode))
        throw Filfel(S_ISDIR(gammal.st_mode) ? EISDIR : EACCES, sokvag);
    // A file the user may not write stays as it is, just as when it is truncated in place.
    if (::faccessat(AT_FDCWD, mal_.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        throw Filfel(errno, sokvag);
    std::string tillfallig = mal_ + ".tmp-XXXXXX";
    const int fd = ::mkostemp(tillfallig.data(), O_CLOEXEC);
    if (fd < 0)
        throw Filfel(errno, sokvag);
    auto avbryt = [&](int fel, bool stang) {
        if (stang)
            ::close(fd);
        ::unlink(tillfallig.c_str());
        throw Filfel(fel, sokvag);
    };
    if (finns_)
        forebild = &gammal;
    if (forebild) {
        try {
            BeharAgare(fd, *forebild, sokvag);
        } catch (...) {
            ::close(fd);
            ::unlink(tillfallig.c_str());
            throw;
        }
    }
    // After the owner: a change of owner may clear the set-id bits.
    const mode_t rattighet = forebild ? (forebild->st_mode & 07777) : NyFilrattighet();
    if (::fchmod(fd, rattighet) != 0)
        avbryt(errno, true);
    try {
        innehall([fd](std::string_view bytes) {
            if (!SkrivAllt(fd, bytes))
                throw Skrivningsfel{errno};
        });
    } catch (const Skrivningsfel &fel) {
        avbryt(fel.fel, true);
    } catch (...) {
        ::close(fd);
        ::unlink(tillfallig.c_str());
        throw;
    }
    if (::fsync(fd) != 0)
        avbryt(errno, true);
    if (::close(fd) != 0)
        avbryt(errno, false);
    tillfallig_ = std::move(tillfallig);
}

ForbereddSkrivning::ForbereddSkrivning(ForbereddSkrivning &&annan) noexcept
    : sokvag_(std::move(annan.sokvag_)), mal_(std::move(annan.mal_)),
      tillfallig_(std::exchange(annan.tillfallig_, {})), kopior_(annan.kopior_),
      finns_(annan.finns_), genomford_(annan.genomford_) {}

ForbereddSkrivning::~ForbereddSkrivning() {
    if (!tillfallig_.empty())
        ::unlink(tillfallig_.c_str());
}

void ForbereddSkrivning::BeharKopior() {
    if (kopior_ && finns_ && !tillfallig_.empty())
        BeharKopia(mal_);
}

void ForbereddSkrivning::BytPlats() {
    if (tillfallig_.empty())
        return;
    if (::rename(tillfallig_.c_str(), mal_.c_str()) != 0) {
        const int fel = errno;
        ::unlink(tillfallig_.c_str());
        tillfallig_.clear();
        // The copy just kept is the file itself: it must not stay a second name of it.
        if (kopior_ && finns_)
            SkiljKopiorFranFilen(mal_);
        throw Filfel(fel, sokvag_);
    }
    tillfallig_.clear();
    genomford_ = true;
    // An append's intent left behind spoke of the file now replaced.
    ::unlink(Tillaggsfil(mal_).c_str());
}

void ForbereddSkrivning::SynkaMapp() const {
    // Make the rename itself durable.
    const int mapp = ::open(Mapp(mal_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (mapp >= 0) {
        ::fsync(mapp);
        ::close(mapp);
    }
}

void ForbereddSkrivning::Genomfor() {
    GenomforAlla({this});
}

void ForbereddSkrivning::GenomforAlla(std::initializer_list<ForbereddSkrivning *> skrivningar) {
    for (ForbereddSkrivning *s : skrivningar)
        s->BeharKopior();
    for (ForbereddSkrivning *s : skrivningar)
        s->BytPlats();
    for (ForbereddSkrivning *s : skrivningar)
        s->SynkaMapp();
}

namespace {

void SkrivFil(const std::string &sokvag, const std::function<void(const Skrivmal &)> &innehall,
              bool kopior, const struct stat *forebild) {
    ForbereddSkrivning(sokvag, innehall, kopior, forebild).Genomfor();
}

// Whether a name is "<bas>.tmp-" and six characters of the temporary-file alphabet.
bool ArTemporarnamn(std::string_view namn, std::string_view bas) {
    constexpr std::string_view kTillagg = ".tmp-";
    if (namn.size() != bas.size() + kTillagg.size() + 6 || !namn.starts_with(bas) ||
        namn.substr(bas.size(), kTillagg.size()) != kTillagg)
        return false;
    for (char c : namn.substr(bas.size() + kTillagg.size()))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    return true;
}

} // namespace

std::string VerkligSokvag(const std::string &sokvag) {
    if (std::string fil = Realpath(sokvag); !fil.empty())
        return fil;
    const std::string namn = Filnamn(sokvag);
    const std::string mapp = Realpath(Mapp(sokvag));
    if (mapp.empty() || namn.empty())
        return sokvag;
    return (mapp == "/" ? mapp : mapp + "/") + namn;
}

std::string LasFil(const std::string &sokvag) {
    const int fd = OppnaVanligFil(sokvag, O_RDONLY);
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(st.st_size));
        BeOmStoraSidor(bytes.data(), bytes.capacity());
    }
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int fel = errno;
            ::close(fd);
            throw Filfel(fel, sokvag);
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

void SkrivFilSakert(const std::string &sokvag, std::string_view bytes) {
    SkrivFil(
        sokvag, [bytes](const Skrivmal &skriv) { skriv(bytes); }, false);
}

void SkrivFilSakertMedKopior(const std::string &sokvag, std::string_view bytes) {
    SkrivFil(
        sokvag, [bytes](const Skrivmal &skriv) { skriv(bytes); }, true);
}

void SkrivFilSakertMedKopior(const std::string &sokvag,
                             const std::function<void(const Skrivmal &)> &innehall) {
    SkrivFil(sokvag, innehall, true);
}

std::string Tillaggsfil(const std::string &sokvag) {
    return VerkligSokvag(sokvag) + ".tillagg";
}

std::string Tillaggsavsikt(const std::string &sokvag, std::string_view bytes) {
    struct stat st {};
    if (::stat(VerkligSokvag(sokvag).c_str(), &st) != 0)
        throw Filfel(errno, sokvag);
    char rad[160];
    std::snprintf(
        rad, sizeof rad, "tillagg %llu %llu %llu %llu %016llx\n",
        static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
        static_cast<unsigned long long>(st.st_size), static_cast<unsigned long long>(bytes.size()),
        static_cast<unsigned long long>(Kontrollsumma(bytes)));
    return rad;
}

bool HarTillaggsavsikt(const std::string &sokvag) {
    struct stat st {};
    return ::lstat(Tillaggsfil(sokvag).c_str(), &st) == 0;
}

bool SlutforTillagg(const std::string &sokvag) {
    // One look for the intent: an append without one costs no more.
    if (!HarTillaggsavsikt(sokvag))
        return false;
    const std::string avsiktsfil = Tillaggsfil(sokvag);
    const std::string text = LasAvsikt(avsiktsfil);
    Avsikt avsikt;
    bool kortad = false;
    if (TolkaAvsikt(text, avsikt)) {
        const int fd = OppnaVanligFil(sokvag, O_RDWR);
        struct stat st {};
        std::optional<std::uint64_t> langd;
        if (::fstat(fd, &st) == 0)
            langd = AvbrutenLangd(avsikt, fd, static_cast<std::uint64_t>(st.st_size));
        if (langd) {
            if (::ftruncate(fd, static_cast<off_t>(*langd)) != 0 || ::fsync(fd) != 0) {
                const int fel = errno;
                ::close(fd);
                throw Filfel(fel, sokvag);
            }
            kortad = true;
        }
        ::close(fd);
    }
    ::unlink(avsiktsfil.c_str());
    return kortad;
}

std::string LasFilUtanHalvtTillagg(const std::string &sokvag) {
    const std::string text = HarTillaggsavsikt(sokvag) ? LasAvsikt(Tillaggsfil(sokvag)) : "";
    std::string bytes = LasFil(sokvag);
    Avsikt avsikt;
    if (!TolkaAvsikt(text, avsikt))
        return bytes;
    const int fd = OppnaVanligFil(sokvag, O_RDONLY);
    const auto langd = AvbrutenLangd(avsikt, fd, bytes.size());
    ::close(fd);
    if (langd && *langd < bytes.size())
        bytes.resize(static_cast<std::size_t>(*langd));
    return bytes;
}

namespace {

// The steps of one append, in order (see LaggTillIFil in the header): a torn
// append left before is finished first, then the intent (several lines, unless
// short), the bytes, their sync, and the intent's removal.
void Tillagg(const std::string &sokvag, std::string_view bytes, bool kort) {
    SlutforTillagg(sokvag);
    const int fd = OppnaVanligFil(sokvag, O_RDWR | O_APPEND);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int fel = errno;
        ::close(fd);
        throw Filfel(fel, sokvag);
    }
    const off_t langd = st.st_size;
    // Complete the last line's end so that no text of the file changes.
    std::string rad;
    char sista = 0;
    if (langd == 0)
        rad = "\r\n";
    else if (::pread(fd, &sista, 1, langd - 1) != 1) {
        const int fel = errno;
        ::close(fd);
        throw Filfel(fel, sokvag);
    } else if (sista == '\r')
        rad = "\n";
    else if (sista != '\n')
        rad = "\r\n";
    rad.append(bytes);
    const std::string avsiktsfil = Tillaggsfil(sokvag);
    const bool flerRader = !kort && std::count(bytes.begin(), bytes.end(), '\n') > 1;
    if (flerRader) {
        try {
            SkrivFilSakert(avsiktsfil, Tillaggsavsikt(sokvag, rad));
        } catch (...) {
            ::close(fd);
            throw;
        }
    }
    auto aterstall = [&](int fel) {
        // Cut the file back to what it was; a partial line must not remain.
        // Where that fails the intent stays, and readers still see the old file.
        if (::ftruncate(fd, langd) == 0 && ::fsync(fd) == 0 && flerRader)
            ::unlink(avsiktsfil.c_str());
        ::close(fd);
        throw Filfel(fel, sokvag);
    };
    if (!SkrivAllt(fd, rad))
        aterstall(errno);
    if (::fsync(fd) != 0)
        aterstall(errno);
    // The lines are on disk: a failing close cannot take them back, so they are
    // saved, and the intent has done its work (one left would only be found complete).
    if (flerRader)
        ::unlink(avsiktsfil.c_str());
    ::close(fd);
}

} // namespace

void LaggTillIFil(const std::string &sokvag, std::string_view bytes) {
    Tillagg(sokvag, bytes, false);
}

void LaggTillKortIFil(const std::string &sokvag, std::string_view bytes) {
    Tillagg(sokvag, bytes, bytes.size() <= kKortTillagg);
}

int SkiljKopiorFranFilen(const std::string &sokvag) {
    const std::string mal = VerkligSokvag(sokvag);
    struct stat fil {};
    if (::lstat(mal.c_str(), &fil) != 0 || !S_ISREG(fil.st_mode) || fil.st_nlink < 2)
        return 0;
    int borttagna = 0;
    for (int n = 1; n <= kAntalKopior; ++n) {
        const std::string kopia = mal + "." + std::to_string(n);
        struct stat st {};
        if (::lstat(kopia.c_str(), &st) == 0 && st.st_ino == fil.st_ino &&
            st.st_dev == fil.st_dev && ::unlink(kopia.c_str()) == 0)
            ++borttagna;
    }
    return borttagna;
}

int RensaTemporarfiler(const std::string &sokvag) {
    const std::string mal = VerkligSokvag(sokvag);
    const std::string mapp = Mapp(mal);
    const std::string bas = Filnamn(mal);
    DIR *katalog = ::opendir(mapp.c_str());
    if (katalog == nullptr)
        return 0;
    int borttagna = 0;
    while (const dirent *post = ::readdir(katalog)) {
        if (!ArTemporarnamn(post->d_name, bas))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(katalog), post->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && ::unlinkat(::dirfd(katalog), post->d_name, 0) == 0)
            ++borttagna;
    }
    ::closedir(katalog);
    return borttagna;
}

namespace {

// Where the first CR or LF from `fran` stands, or the text's end. Sixteen bytes
// are compared at once where the processor can: find_first_of called memchr on
// its set for every byte (a sixth of opening a ledger of a million posts), and
// a plain scan still took a seventh.
std::size_t Radslut(std::string_view text, std::size_t fran) {
    std::size_t slut = fran;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; slut + 16 <= text.size(); slut += 16) {
        const __m128i block =
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.data() + slut));
        const auto traffar = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf))));
        if (traffar != 0)
            return slut + static_cast<std::size_t>(std::countr_zero(traffar));
    }
#endif
    while (slut < text.size() && text[slut] != '\r' && text[slut] != '\n')
        ++slut;
    return slut;
}

} // namespace

bool Radlasare::NastaRad(std::string_view &rad) {
    if (pos_ >= text_.size())
        return false;
    const std::size_t slut = Radslut(text_, pos_);
    if (slut == text_.size()) {
        rad = text_.substr(pos_);
        pos_ = text_.size();
    } else {
        rad = text_.substr(pos_, slut - pos_);
        pos_ = slut + 1;
        if (text_[slut] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
    }
    radnummer_ = nastaRad_++;
    return true;
}

bool Radlasare::NastaPostrad(std::string_view &rad) {
    while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= 32) {
        // A CR ends a line; an LF too, unless it completes a CR LF.
        if (text_[pos_] == '\r' || (text_[pos_] == '\n' && (pos_ == 0 || text_[pos_ - 1] != '\r')))
            ++nastaRad_;
        ++pos_;
    }
    return NastaRad(rad);
}

} // namespace tovana
