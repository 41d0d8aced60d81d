#include "core/Textfil.h"

#include "core/Fel.h"
#include "core/Storsidor.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tovana {

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

// Writes the file anew (see SkrivFilSakert). The new file has the owner, group
// and mode of the file it replaces or, when there is none, of `forebild` if
// given, else the writer's and the mode the umask allows.
void SkrivFil(const std::string &sokvag, const std::function<void(const Skrivmal &)> &innehall,
              bool kopior, const struct stat *forebild) {
    // Write where the file really lives, so that a link to it keeps pointing at
    // the new content instead of being replaced by a copy.
    const std::string mal = VerkligSokvag(sokvag);
    struct stat gammal {};
    const bool finns = ::stat(mal.c_str(), &gammal) == 0;
    // Only a regular file is replaced: a folder, a FIFO or a device stays as it is.
    if (finns && !S_ISREG(gammal.st_mode))
        throw Filfel(S_ISDIR(gammal.st_mode) ? EISDIR : EACCES, sokvag);
    // A file the user may not write stays as it is, just as when it is truncated in place.
    if (::faccessat(AT_FDCWD, mal.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        throw Filfel(errno, sokvag);
    std::string tillfallig = mal + ".tmp-XXXXXX";
    const int fd = ::mkostemp(tillfallig.data(), O_CLOEXEC);
    if (fd < 0)
        throw Filfel(errno, sokvag);
    auto avbryt = [&](int fel, bool stang) {
        if (stang)
            ::close(fd);
        ::unlink(tillfallig.c_str());
        throw Filfel(fel, sokvag);
    };
    if (finns)
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
    if (kopior && finns)
        BeharKopia(mal);
    if (::rename(tillfallig.c_str(), mal.c_str()) != 0) {
        // The copy just kept is the file itself: it must not stay a second name of it.
        const int fel = errno;
        if (kopior && finns)
            SkiljKopiorFranFilen(mal);
        avbryt(fel, false);
    }
    // Make the rename itself durable.
    const int mapp = ::open(Mapp(mal).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (mapp >= 0) {
        ::fsync(mapp);
        ::close(mapp);
    }
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

Lasbarfil::Lasbarfil(const std::string &sokvag)
    : fd_(OppnaVanligFil(sokvag, O_RDONLY)), sokvag_(sokvag) {
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && st.st_size > 0)
        storlek_ = static_cast<std::uint64_t>(st.st_size);
}

Lasbarfil::~Lasbarfil() {
    ::close(fd_);
}

std::size_t Lasbarfil::Las(std::uint64_t fran, char *till, std::size_t antal) const {
    std::size_t last = 0;
    while (last < antal) {
        const ssize_t n = ::pread(fd_, till + last, antal - last, static_cast<off_t>(fran + last));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Filfel(errno, sokvag_);
        }
        if (n == 0)
            break;
        last += static_cast<std::size_t>(n);
    }
    return last;
}

Styckelasare::Styckelasare(const Lasbarfil &fil, std::uint64_t fran, std::uint64_t till,
                           std::size_t buffert)
    : fil_(fil), pos_(fran), till_(till), buffert_(std::max<std::size_t>(buffert, 2), '\0') {
    if (till_ <= pos_)
        slut_ = true;
}

bool Styckelasare::Nasta(std::string_view &stycke) {
    std::memmove(buffert_.data(), buffert_.data() + lamnad_, fylld_ - lamnad_);
    fylld_ -= lamnad_;
    lamnad_ = 0;
    for (;;) {
        while (!slut_ && fylld_ < buffert_.size()) {
            const std::size_t onskat = static_cast<std::size_t>(
                std::min<std::uint64_t>(buffert_.size() - fylld_, till_ - pos_));
            const std::size_t last = fil_.Las(pos_, buffert_.data() + fylld_, onskat);
            pos_ += last;
            fylld_ += last;
            if (last < onskat) {
                slut_ = true;
                avkortad_ = till_ != kFilslut;
            } else if (pos_ == till_) {
                slut_ = true;
            }
        }
        if (fylld_ == 0)
            return false;
        std::size_t snitt = fylld_;
        if (!slut_) {
            // Past the last LF; without one, past the last CR that is not the
            // buffer's last byte (a CR there may be the first half of a CR LF).
            const char *data = buffert_.data();
            const void *lf = ::memrchr(data, '\n', fylld_);
            const void *cr = lf ? nullptr : ::memrchr(data, '\r', fylld_ - 1);
            const void *radslut = lf ? lf : cr;
            if (!radslut) {
                buffert_.resize(buffert_.size() * 2);
                continue;
            }
            snitt = static_cast<std::size_t>(static_cast<const char *>(radslut) - data) + 1;
        }
        stycke = std::string_view(buffert_.data(), snitt);
        lamnad_ = snitt;
        return true;
    }
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

void LaggTillIFil(const std::string &sokvag, std::string_view bytes) {
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
    auto aterstall = [&](int fel) {
        // Cut the file back to what it was; a partial line must not remain.
        if (::ftruncate(fd, langd) == 0)
            ::fsync(fd);
        ::close(fd);
        throw Filfel(fel, sokvag);
    };
    if (!SkrivAllt(fd, rad))
        aterstall(errno);
    if (::fsync(fd) != 0)
        aterstall(errno);
    // The line is on disk: a failing close cannot take it back, so it is saved.
    ::close(fd);
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
