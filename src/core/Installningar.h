#pragma once
// The appearance settings file "Tovana.farg": one line, the background colour
// of the work panels as "$00" and six hexadecimal digits, two each for blue,
// green and red in that order:
//
//     $00EEDADA
//
// The settings the window keeps for its life: that colour and the decimal
// option of the Special menu, which is recorded only (numbers are still written
// and read with a decimal comma).

#include <cstdint>
#include <string>
#include <string_view>

namespace tovana {

// An RGB colour; Bakgrundsfarg of the work panels.
struct Farg {
    uint8_t rod = 0;
    uint8_t gron = 0;
    uint8_t bla = 0;

    bool operator==(const Farg &) const = default;
};

// The colour as delivered: blue EE, green DA, red DA.
inline const std::string kLevereradFargtext = "$00EEDADA";

struct Installningsdata {
    std::string Fargtext = kLevereradFargtext;
    Farg Bakgrundsfarg{0xDA, 0xDA, 0xEE};
    std::string Decimalord = "komma";
};

inline const std::string kInstallningsfil = "Tovana.farg";

// Decodes a colour text: a colour name ("clBtnFace", "clWhite", ...) or an
// integer ("$00EEDADA") whose lowest byte is red, then green, then blue.
// Raises Korningsfel "'<text>' is not a valid integer value" otherwise.
Farg AvkodaFarg(const std::string &text);

// The colour text of the colour panel's three boxes, blue, green and red: "$00"
// and each box's digits, a box of fewer than two padded with leading zeros
// ("F" is "0F", an empty box "00"), so that boxes of hexadecimal digits always
// give "$00" and six digits. The digits are not checked here: AvkodaFarg
// refuses a text that is no colour.
std::string FargtextAvRutor(std::string_view bla, std::string_view gron, std::string_view rod);

// Makes the colour text the panels' colour: decodes it (AvkodaFarg, which
// raises for a text that is no colour, changing nothing) into Bakgrundsfarg and
// keeps the text in Fargtext.
void SattFarg(Installningsdata &installningar, const std::string &fargtext);

// Reads the first line into Fargtext and decodes it into Bakgrundsfarg.
// On failure (missing file, bad colour) raises and changes nothing.
void LasInstallningar(Installningsdata &installningar,
                      const std::string &sokvag = kInstallningsfil);

// Writes Fargtext as the file's only line.
void SkrivInstallningar(const Installningsdata &installningar,
                        const std::string &sokvag = kInstallningsfil);

} // namespace tovana
