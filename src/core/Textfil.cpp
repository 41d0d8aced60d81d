#include "core/Textfil.h"

#include "core/Fel.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

mode_t NyFilrattighet() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string LasFil(const std::string &sokvag) {
    const int fd = ::open(sokvag.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Filfel(errno, sokvag);
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw Filfel(EISDIR, sokvag);
    }
    if (st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
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
    // Write where the file really lives, so that a link to it keeps pointing at
    // the new content instead of being replaced by a copy.
    std::string mal = sokvag;
    if (char *verklig = ::realpath(sokvag.c_str(), nullptr)) {
        mal = verklig;
        std::free(verklig);
    }
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
    struct stat gammal {};
    const mode_t rattighet =
        ::stat(mal.c_str(), &gammal) == 0 ? (gammal.st_mode & 07777) : NyFilrattighet();
    if (::fchmod(fd, rattighet) != 0)
        avbryt(errno, true);
    if (!SkrivAllt(fd, bytes))
        avbryt(errno, true);
    if (::fsync(fd) != 0)
        avbryt(errno, true);
    if (::close(fd) != 0)
        avbryt(errno, false);
    if (::rename(tillfallig.c_str(), mal.c_str()) != 0)
        avbryt(errno, false);
    // Make the rename itself durable.
    const int mapp = ::open(Mapp(mal).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (mapp >= 0) {
        ::fsync(mapp);
        ::close(mapp);
    }
}

void LaggTillIFil(const std::string &sokvag, std::string_view bytes) {
    const int fd = ::open(sokvag.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        throw Filfel(errno, sokvag);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int fel = errno;
        ::close(fd);
        throw Filfel(fel, sokvag);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw Filfel(EISDIR, sokvag);
    }
    const off_t langd = st.st_size;
    std::string rad;
    if (langd > 0) {
        char sista = '\n';
        if (::pread(fd, &sista, 1, langd - 1) == 1 && sista != '\n')
            rad = "\r\n";
    }
    rad.append(bytes);
    auto aterstall = [&](int fel) {
        // Cut the file back to what it was; a partial line must not remain.
        if (::ftruncate(fd, langd) == 0)
            ::fsync(fd);
        ::close(fd);
        throw Filfel(fel, sokvag);
    };
    if (::lseek(fd, 0, SEEK_END) < 0)
        aterstall(errno);
    if (!SkrivAllt(fd, rad))
        aterstall(errno);
    if (::fsync(fd) != 0)
        aterstall(errno);
    if (::close(fd) != 0)
        throw Filfel(errno, sokvag);
}

bool Radlasare::NastaRad(std::string_view &rad) {
    if (pos_ >= text_.size())
        return false;
    const auto slut = text_.find('\n', pos_);
    const std::size_t radslut = slut == std::string_view::npos ? text_.size() : slut;
    rad = text_.substr(pos_, radslut - pos_);
    if (!rad.empty() && rad.back() == '\r')
        rad.remove_suffix(1);
    pos_ = slut == std::string_view::npos ? text_.size() : slut + 1;
    radnummer_ = nastaRad_++;
    return true;
}

bool Radlasare::NastaPostrad(std::string_view &rad) {
    while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= 32) {
        if (text_[pos_] == '\n')
            ++nastaRad_;
        ++pos_;
    }
    return NastaRad(rad);
}

} // namespace tovana
