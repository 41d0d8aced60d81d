#include "core/Fel.h"

#include <cerrno>
#include <sys/stat.h>

namespace tovana {

namespace {

// Whether the folder the path names its file in is missing (or is no folder).
bool MappSaknas(const std::string &sokvag) {
    const auto snedstreck = sokvag.rfind('/');
    if (snedstreck == std::string::npos || snedstreck == 0)
        return false;
    struct stat st {};
    return ::stat(sokvag.substr(0, snedstreck).c_str(), &st) != 0 || !S_ISDIR(st.st_mode);
}

} // namespace

std::string FilfelText(int felnummer) {
    switch (felnummer) {
    case ENOENT:
        return "Filen finns inte.";
    case ENOTDIR:
        return "En del av sökvägen är inte en mapp.";
    case EACCES:
    case EPERM:
        return "Åtkomst nekad: du har inte behörighet till filen.";
    case EROFS:
        return "Filsystemet är skrivskyddat.";
    case ETXTBSY:
    case EBUSY:
        return "Filen används och kan inte ändras nu.";
    case EISDIR:
        return "Det är en mapp, inte en fil.";
    case ENOSPC:
        return "Disken är full.";
    case EDQUOT:
        return "Din diskkvot är slut.";
    case EFBIG:
        return "Filen blir för stor.";
    case EIO:
        return "Läs- eller skrivfel på disken.";
    case ELOOP:
        return "Sökvägen går runt i en slinga av symboliska länkar.";
    case ENAMETOOLONG:
        return "Filnamnet eller sökvägen är för lång.";
    case EMFILE:
    case ENFILE:
        return "För många öppna filer.";
    case EEXIST:
        return "Filen finns redan.";
    case ENOMEM:
        return "Minnet räcker inte.";
    case EAGAIN:
        return "Filen är tillfälligt upptagen.";
    default:
        return "Filfel nummer " + std::to_string(felnummer) + ".";
    }
}

Korningsfel Filfel(int felnummer, const std::string &sokvag) {
    const std::string text = felnummer == ENOENT && MappSaknas(sokvag)
                                 ? "Det finns ingen sådan mapp."
                                 : FilfelText(felnummer);
    return Korningsfel(text + "\nFil: " + sokvag);
}

Korningsfel Radfel(const std::string &meddelande, const std::string &sokvag, long rad) {
    return Korningsfel(meddelande + "\nFil: " + sokvag + ", rad " + std::to_string(rad));
}

} // namespace tovana
