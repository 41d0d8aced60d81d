#pragma once
// Every conversion between numbers and text in the program: the amount texts
// shown on screen and in printouts, the general number text of the ledger file,
// and the parsing of integers and amounts with the runtime's failure messages.
//
// The decimal separator is always ",". Amounts group thousands with the
// grouping character (a plain space unless set otherwise), for display only.

#include <cstdint>
#include <string>
#include <string_view>

namespace tovana {

// The character between groups of three digits in amount texts.
void SattTusentalsavgransare(std::string tecken);
const std::string &Tusentalsavgransare();

// The amount text: the exact öre, rounded half away from zero from the value's
// 15 significant digits, thousands grouped, exactly two decimals, for every
// amount below 10 000 000 000 either way; from there up (also when the öre
// rounding reaches it) scientific with 10 significant digits ("1,23456789E10").
std::string Beloppstext(double v);

// As Beloppstext, with another grouping text (empty: no grouping), as the
// calculator writes its answer into the amount box.
std::string Beloppstext(double v, std::string_view grupptecken);

// As Beloppstext, with 8 significant digits in the scientific form
// ("1,2345679E10"), for the narrower screen columns.
std::string KortBeloppstext(double v);

// A computed sum rounded to the öre for showing: the amount Beloppstext shows
// (half away from zero from the value's 15 significant digits) as the double
// nearest it, so that Taltext of a sum of two-decimal amounts reads "500" and
// not "499,999999999985". Infinities and NaN come back as they are. Amounts
// read from a file are shown and written back as read, without it.
double OreAvrundat(double v);

// Whole kronor, thousands grouped, no decimals ("12 345", "-1 234"), as the
// VAT return shows its boxes.
std::string Kronortext(int64_t kronor);

// The general number text: at most 15 significant digits, no grouping, no
// trailing zeros ("100,5", "100"); scientific from 10^15 and below 0,0001.
std::string Taltext(double v);

// Appends Taltext(v) to `ut`, without a string of its own for the common amounts.
void LaggTillTaltext(std::string &ut, double v);

// In both failure messages the text is shown by Visningstext: at most 40
// characters, control characters replaced.

// Reads an integer: leading blanks, an optional sign, decimal digits (or "$" and
// hexadecimal digits) and nothing after. Failure raises Korningsfel with
// "'<text>' is not a valid integer value".
int32_t TextTillHeltal(std::string_view text);

// As TextTillHeltal, without raising: false when the text is not an integer.
bool ForsokTextTillHeltal(std::string_view text, int32_t &varde);

// Reads an amount: blanks, optional sign, digits with a decimal comma, optional
// exponent, blanks. No thousands separator. An amount so near the largest double
// that its Taltext would overflow is refused, so that every amount read can be
// written and read again. Failure raises Korningsfel with
// "'<text>' is not a valid floating point value".
double TextTillBelopp(std::string_view text);

bool ForsokTextTillBelopp(std::string_view text, double &varde);

// The amount as the exchange files write it: a decimal point, exactly two
// decimals (half away from zero, as Beloppstext), a leading "-" when negative,
// no grouping and never scientific ("-1250.50", "0.00").
std::string Punktbelopp(double v);

// Reads an amount written with a decimal point: an optional sign, digits, and
// optionally "." and more digits; nothing else. False when the text is not so.
bool ForsokPunktbelopp(std::string_view text, double &varde);

// Whether a one-sided balance counts as open: one hundredth or more either way.
// The double nearest 0,01 lies just above one hundredth, so a single posting of
// 0,01 counts as open, while half an öre or a rounding residue does not.
bool ArOppetSaldo(double saldo);

} // namespace tovana
