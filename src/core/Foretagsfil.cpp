#include "core/Foretagsfil.h"

#include "core/Fel.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <cctype>
#include <cerrno>

namespace tovana {

namespace {

// Only blanks and tabs: a value keeps every other character it was written with.
std::string_view UtanBlankaKanter(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string Gemener(std::string_view text) {
    std::string ut;
    for (char c : text)
        ut += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ut;
}

// "20260101-20261231": two dates of eight digits each, the rules of a financial year.
std::optional<Arsperiod> LasArsperiod(std::string_view text, std::string &fel) {
    const auto streck = text.find('-');
    const auto atta = [](std::string_view del) {
        return del.size() == 8 && del.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (streck == std::string_view::npos || !atta(text.substr(0, streck)) ||
        !atta(text.substr(streck + 1))) {
        fel = "räkenskapsåret ska skrivas ÅÅÅÅMMDD-ÅÅÅÅMMDD.";
        return std::nullopt;
    }
    const auto fran = LasDatum(text.substr(0, streck));
    const auto till = LasDatum(text.substr(streck + 1));
    if (!fran || !till) {
        fel = "räkenskapsårets datum finns inte i kalendern.";
        return std::nullopt;
    }
    const Arsperiod ar{*fran, *till};
    if (const std::string regel = RakenskapsarFel(ar); !regel.empty()) {
        fel = regel;
        return std::nullopt;
    }
    return ar;
}

// Reads the line as a detail into `foretag`; false when it is none (no "=",
// an unknown key) or its value does not read (then a problem is listed).
bool LasUppgift(std::string_view rad, long radnummer, const std::string &sokvag, Foretag &foretag) {
    const auto lika = rad.find('=');
    if (lika == std::string_view::npos)
        return false;
    const std::string nyckel = Gemener(UtanBlankaKanter(rad.substr(0, lika)));
    const std::string_view varde = UtanBlankaKanter(rad.substr(lika + 1));
    Foretagsuppgifter &u = foretag.uppgifter;
    std::string fel;
    if (nyckel == "namn") {
        // Cut first, then trimmed: a name cut after a blank would otherwise end in
        // one, which the next reading trims, so a rewrite would change the name.
        u.namn = std::string(UtanBlankaKanter(ForstaTecken(varde, kForetagsnamnlangd)));
        return true;
    }
    if (nyckel == "orgnr") {
        if (varde.empty()) {
            u.orgnr.clear();
            return true;
        }
        if (const auto orgnr = LasOrgnr(varde)) {
            u.orgnr = *orgnr;
            return true;
        }
        fel = OrgnrFel(varde);
    } else if (nyckel == "rakenskapsar") {
        if (varde.empty()) {
            u.rakenskapsar.reset();
            return true;
        }
        if (const auto ar = LasArsperiod(varde, fel)) {
            u.rakenskapsar = ar;
            return true;
        }
    } else if (nyckel == "momsperiod") {
        if (varde.empty()) {
            u.momsperiod = Momsperiod::Okand;
            return true;
        }
        if (const auto period = LasMomsperiod(varde)) {
            u.momsperiod = *period;
            return true;
        }
        fel = "momsperioden ska vara manad, kvartal eller ar.";
    } else {
        return false;
    }
    foretag.problem.push_back(sokvag + " rad " + std::to_string(radnummer) + ": " + fel +
                              " Uppgiften används inte.");
    return false;
}

} // namespace

bool ArUppgiftsrad(std::string_view rad) {
    const auto lika = rad.find('=');
    if (lika == std::string_view::npos)
        return false;
    const std::string nyckel = Gemener(UtanBlankaKanter(rad.substr(0, lika)));
    return nyckel == "namn" || nyckel == "orgnr" || nyckel == "rakenskapsar" ||
           nyckel == "momsperiod";
}

Foretag LasForetagsfil(const std::string &sokvag) {
    const Filtext fil = Tolka(LasFil(sokvag), sokvag);
    Radlasare lasare(fil.bytes);
    std::string_view rad;
    Foretag foretag;
    // A missing or empty line names no file: it is reported against the company file.
    if (!lasare.NastaRad(rad) || rad.empty())
        throw Radfel(FilfelText(ENOENT), sokvag, 1);
    foretag.kontoplanfil = Avkoda(rad, fil.kodning);
    if (!lasare.NastaRad(rad) || rad.empty())
        throw Radfel(FilfelText(ENOENT), sokvag, 2);
    foretag.redovisningsfil = Avkoda(rad, fil.kodning);
    for (long radnummer = 3; lasare.NastaRad(rad); ++radnummer) {
        const std::string text = Avkoda(rad, fil.kodning);
        if (!LasUppgift(text, radnummer, sokvag, foretag))
            foretag.ovrigaRader.push_back(text);
    }
    return foretag;
}

void SkrivForetagsfil(const std::string &sokvag, const Foretag &foretag) {
    KontrolleraUtanRadbrytning(foretag.kontoplanfil, "Kontoplanens sökväg");
    KontrolleraUtanRadbrytning(foretag.redovisningsfil, "Redovisningens sökväg");
    const Foretagsuppgifter &u = foretag.uppgifter;
    KontrolleraUtanRadbrytning(u.namn, "Företagets namn");
    std::string text = foretag.kontoplanfil + "\r\n" + foretag.redovisningsfil + "\r\n";
    if (!u.namn.empty())
        text += "Namn=" + u.namn + "\r\n";
    if (!u.orgnr.empty())
        text += "Orgnr=" + u.orgnr + "\r\n";
    if (u.rakenskapsar)
        text += "Rakenskapsar=" + Datumtext(u.rakenskapsar->fran) + "-" +
                Datumtext(u.rakenskapsar->till) + "\r\n";
    if (u.momsperiod != Momsperiod::Okand)
        text += "Momsperiod=" + Momsperiodord(u.momsperiod) + "\r\n";
    for (const auto &rad : foretag.ovrigaRader) {
        KontrolleraUtanRadbrytning(rad, "En rad i företagsfilen");
        text += rad + "\r\n";
    }
    SkrivFilSakert(sokvag, TillWindows1252Fil(text));
}

} // namespace tovana
