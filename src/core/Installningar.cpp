#include "core/Installningar.h"

#include "core/Fel.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace tovana {

namespace {

Farg FranHeltal(uint32_t v) {
    return Farg{static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>((v >> 8) & 0xFF),
                static_cast<uint8_t>((v >> 16) & 0xFF)};
}

// The named colours a settings file may hold, as colour values (red lowest).
constexpr std::array<std::pair<const char *, uint32_t>, 20> kNamngivna = {{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},  {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},   {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clBtnFace", 0xF0F0F0},
}};

} // namespace

Farg AvkodaFarg(const std::string &text) {
    for (const auto &[namn, varde] : kNamngivna)
        if (text.size() == std::char_traits<char>::length(namn) &&
            std::equal(text.begin(), text.end(), namn,
                       [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
            return FranHeltal(varde);
    return FranHeltal(static_cast<uint32_t>(TextTillHeltal(text)));
}

std::string FargtextAvRutor(std::string_view bla, std::string_view gron, std::string_view rod) {
    std::string text = "$00";
    for (const std::string_view ruta : {bla, gron, rod}) {
        if (ruta.size() < 2)
            text.append(2 - ruta.size(), '0');
        text += ruta;
    }
    return text;
}

void SattFarg(Installningsdata &installningar, const std::string &fargtext) {
    const Farg farg = AvkodaFarg(fargtext);
    installningar.Fargtext = fargtext;
    installningar.Bakgrundsfarg = farg;
}

void LasInstallningar(Installningsdata &installningar, const std::string &sokvag) {
    const Filtext fil = Tolka(LasFil(sokvag), sokvag);
    Radlasare lasare(fil.bytes);
    std::string_view rad;
    std::string text;
    if (lasare.NastaRad(rad))
        text = Avkoda(rad, fil.kodning);
    Farg farg;
    try {
        farg = AvkodaFarg(text);
    } catch (const Korningsfel &fel) {
        throw Radfel(fel.what(), sokvag, 1);
    }
    installningar.Fargtext = text;
    installningar.Bakgrundsfarg = farg;
}

void SkrivInstallningar(const Installningsdata &installningar, const std::string &sokvag) {
    KontrolleraUtanRadbrytning(installningar.Fargtext, "Färginställningen");
    SkrivFilSakert(sokvag, TillWindows1252Fil(installningar.Fargtext + "\r\n"));
}

} // namespace tovana
