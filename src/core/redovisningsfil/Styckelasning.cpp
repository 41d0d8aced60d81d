#include "core/redovisningsfil/Styckelasning.h"

#include "core/Fel.h"
#include "core/Plattform.h"
#include "core/Textfil.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovana {

// Opened as LasFil opens a file: without blocking, a regular file only.
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
    // At least two bytes, so that a piece can hold a CR LF whole.
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
            const char *lf = SistaByte(data, '\n', fylld_);
            const char *cr = lf ? nullptr : SistaByte(data, '\r', fylld_ - 1);
            const char *radslut = lf ? lf : cr;
            if (!radslut) {
                buffert_.resize(buffert_.size() * 2);
                continue;
            }
            snitt = static_cast<std::size_t>(radslut - data) + 1;
        }
        stycke = std::string_view(buffert_.data(), snitt);
        lamnad_ = snitt;
        return true;
    }
}

} // namespace tovana
