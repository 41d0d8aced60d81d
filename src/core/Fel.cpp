#include "core/Fel.h"

#include <cerrno>

namespace tovana {

std::string FilfelText(int felnummer) {
    switch (felnummer) {
    case ENOENT:
    case ENOTDIR:
        return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(felnummer);
    }
}

Korningsfel Filfel(int felnummer, const std::string &sokvag) {
    return Korningsfel(FilfelText(felnummer) + "\nFil: " + sokvag);
}

Korningsfel Radfel(const std::string &meddelande, const std::string &sokvag, long rad) {
    return Korningsfel(meddelande + "\nFil: " + sokvag + ", rad " + std::to_string(rad));
}

} // namespace tovana
