#include "core/Foretagsuppgifter.h"

#include <algorithm>
#include <cctype>

namespace tovana {

namespace {

bool ArSiffra(char c) {
    return c >= '0' && c <= '9';
}

std::string_view UtanBlanktecken(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The ten digits of "NNNNNNNNNN" or "NNNNNN-NNNN"; empty for any other text.
std::string TioSiffror(std::string_view text) {
    text = UtanBlanktecken(text);
    std::string siffror;
    if (text.size() == 11 && text[6] == '-')
        siffror = std::string(text.substr(0, 6)) + std::string(text.substr(7));
    else if (text.size() == 10)
        siffror = std::string(text);
    if (siffror.size() != 10 || !std::all_of(siffror.begin(), siffror.end(), ArSiffra))
        return {};
    return siffror;
}

} // namespace

bool Foretagsuppgifter::Tom() const {
    return *this == Foretagsuppgifter{};
}

bool LuhnGiltig(std::string_view siffror) {
    if (siffror.size() != 10 || !std::all_of(siffror.begin(), siffror.end(), ArSiffra))
        return false;
    int summa = 0;
    for (std::size_t i = 0; i < siffror.size(); ++i) {
        int siffra = siffror[i] - '0';
        if (i % 2 == 0) {
            siffra *= 2;
            if (siffra > 9)
                siffra -= 9;
        }
        summa += siffra;
    }
    return summa % 10 == 0;
}

std::optional<std::string> LasOrgnr(std::string_view text) {
    const std::string siffror = TioSiffror(text);
    if (!LuhnGiltig(siffror))
        return std::nullopt;
    return siffror.substr(0, 6) + "-" + siffror.substr(6);
}

std::string OrgnrFel(std::string_view text) {
    const std::string siffror = TioSiffror(text);
    if (siffror.empty())
        return "Organisationsnumret ska vara tio siffror, skrivna NNNNNN-NNNN (till exempel "
               "555555-5555).";
    if (!LuhnGiltig(siffror))
        return "Organisationsnumret " + siffror.substr(0, 6) + "-" + siffror.substr(6) +
               " har fel kontrollsiffra (den sista siffran). Kontrollera att det är rätt "
               "skrivet.";
    return {};
}

std::string RakenskapsarFel(const Arsperiod &ar) {
    if (ar.till <= ar.fran)
        return "Räkenskapsårets sista dag måste komma efter dess första dag.";
    // The same day 18 months after the first (the month's last day where the
    // month is shorter): the year must end before it.
    const int manader = ar.fran.manad - 1 + 18;
    Datum grans{ar.fran.ar + manader / 12, manader % 12 + 1, 0};
    grans.dag = std::min(ar.fran.dag, DagarIManad(grans.ar, grans.manad));
    if (ar.till >= grans)
        return "Ett räkenskapsår får vara högst 18 månader.";
    return {};
}

std::string Momsperiodord(Momsperiod period) {
    switch (period) {
    case Momsperiod::Manad:
        return "manad";
    case Momsperiod::Kvartal:
        return "kvartal";
    case Momsperiod::Ar:
        return "ar";
    case Momsperiod::Okand:
        break;
    }
    return {};
}

std::optional<Momsperiod> LasMomsperiod(std::string_view text) {
    std::string ord;
    for (char c : UtanBlanktecken(text))
        ord += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // "Å" and "å" are two bytes each in UTF-8; tolower leaves them as they are.
    if (ord == "manad" || ord == "m\xC3\xA5nad" || ord == "m\xC3\x85nad")
        return Momsperiod::Manad;
    if (ord == "kvartal")
        return Momsperiod::Kvartal;
    if (ord == "ar" || ord == "\xC3\xA5r" || ord == "\xC3\x85r")
        return Momsperiod::Ar;
    return std::nullopt;
}

} // namespace tovana
