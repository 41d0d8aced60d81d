#pragma once
// The appearance settings file "Tovana.farg": one line, the background colour
// of the work panels as "$00" and six hexadecimal digits, two each for blue,
// green and red in that order:
//
//     $00EEDADA

#include "core/Bokforingsdata.h"

#include <string>
#include <string_view>

namespace tovana {

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

// Reads the first line into Fargtext and decodes it into Bakgrundsfarg.
// On failure (missing file, bad colour) raises and changes nothing.
void LasInstallningar(Bokforingsdata &data, const std::string &sokvag = kInstallningsfil);

// Writes Fargtext as the file's only line.
void SkrivInstallningar(const Bokforingsdata &data, const std::string &sokvag = kInstallningsfil);

} // namespace tovana
