#include "core/Taltext.h"

#include "core/Fel.h"
#include "core/Teckentabell.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tovana {

namespace {

std::string &Grupptecken() {
    static std::string tecken = " ";
    return tecken;
}

// A value's decimal digits: value = 0.d1d2d3... * 10^exponent, with `siffror`
// holding d1d2d3... (no leading zero unless the value is zero).
struct Decimaltal {
    bool negativ = false;
    std::string siffror;
    int exponent = 0;
};

// The value as 15 significant digits, which a double always holds exactly as
// typed; the display roundings are made from these digits, so an amount typed
// as 0,285 is shown rounded as 0,29 and not from its binary neighbour.
Decimaltal TillDecimaltal(double v) {
    Decimaltal d;
    d.negativ = std::signbit(v);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    // buf: "d.dddddddddddddde+XX"
    std::string_view s(buf);
    const auto e = s.find('e');
    d.siffror += s[0];
    d.siffror += s.substr(2, e - 2);
    d.exponent = std::atoi(buf + e + 1) + 1;
    return d;
}

// Rounds the digits half away from zero to `antal` significant digits.
// Returns false when nothing is left (the value rounds to zero).
bool Avrunda(Decimaltal &d, int antal) {
    if (antal < 0) {
        d.siffror = "0";
        return false;
    }
    if (antal >= static_cast<int>(d.siffror.size()))
        return true;
    const bool uppat = d.siffror[antal] >= '5';
    d.siffror.resize(antal);
    if (uppat) {
        int i = antal - 1;
        while (i >= 0 && d.siffror[i] == '9') {
            d.siffror[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.siffror[i];
        } else {
            d.siffror.insert(d.siffror.begin(), '1');
            d.siffror.pop_back();
            ++d.exponent;
            if (d.siffror.empty()) {
                d.siffror = "1";
            }
        }
    }
    if (d.siffror.empty() || d.siffror.find_first_not_of('0') == std::string::npos) {
        d.siffror = "0";
        return false;
    }
    return true;
}

std::string UtanAvslutandeNollor(std::string s) {
    while (s.size() > 1 && s.back() == '0')
        s.pop_back();
    return s;
}

// "1,23456789E10": the digits with the separator after the first, then the exponent.
std::string Vetenskaplig(const Decimaltal &d) {
    const std::string siffror = UtanAvslutandeNollor(d.siffror);
    std::string ut = d.negativ ? "-" : "";
    ut += siffror[0];
    if (siffror.size() > 1) {
        ut += ',';
        ut += siffror.substr(1);
    }
    ut += 'E';
    ut += std::to_string(d.exponent - 1);
    return ut;
}

std::string Gruppera(const std::string &heltal, std::string_view sep) {
    std::string ut;
    const std::size_t n = heltal.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            ut += sep;
        ut += heltal[i];
    }
    return ut;
}

// Amounts from this value up are shown in the scientific form.
constexpr int kForstaVetenskapligaExponent = 11; // 10 000 000 000 = 0,1 * 10^11

// The amount text: the exact öre for amounts below 10^(vetenskapligFran - 1),
// else the scientific form with `precision` significant digits.
std::string Beloppstext(double v, int precision, std::string_view grupptecken,
                        int vetenskapligFran = kForstaVetenskapligaExponent) {
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    Decimaltal d = TillDecimaltal(v);
    if (d.exponent >= vetenskapligFran) {
        Avrunda(d, precision);
        return Vetenskaplig(d);
    }
    if (v == 0 || !Avrunda(d, d.exponent + 2))
        return "0,00";
    // Rounded to the öre, 9 999 999 999,995 reaches 10 000 000 000.
    if (d.exponent >= vetenskapligFran) {
        Avrunda(d, precision);
        return Vetenskaplig(d);
    }
    // Place the digits around the decimal comma, two decimals.
    std::string siffror = d.siffror;
    const int heltalssiffror = d.exponent;
    std::string heltal, decimaler;
    if (heltalssiffror <= 0) {
        heltal = "0";
        decimaler = std::string(-heltalssiffror, '0') + siffror;
    } else {
        siffror.resize(std::max<std::size_t>(siffror.size(), heltalssiffror), '0');
        heltal = siffror.substr(0, heltalssiffror);
        decimaler = siffror.substr(heltalssiffror);
    }
    decimaler.resize(2, '0');
    return (d.negativ ? "-" : "") + Gruppera(heltal, grupptecken) + "," + decimaler;
}

// A number text with "." for its decimal comma, as from_chars reads it.
std::string UtanKomma(std::string text) {
    for (char &c : text)
        if (c == ',')
            c = '.';
    return text;
}

bool ArBlank(char c) {
    return c == ' ';
}

} // namespace

void SattTusentalsavgransare(std::string tecken) {
    Grupptecken() = std::move(tecken);
}

const std::string &Tusentalsavgransare() {
    return Grupptecken();
}

std::string Beloppstext(double v) {
    return Beloppstext(v, 10, Grupptecken());
}

std::string Beloppstext(double v, std::string_view grupptecken) {
    return Beloppstext(v, 10, grupptecken);
}

std::string Kronortext(int64_t kronor) {
    const bool negativ = kronor < 0;
    // The magnitude as unsigned, so that the lowest value has one too.
    const uint64_t belopp =
        negativ ? 0 - static_cast<uint64_t>(kronor) : static_cast<uint64_t>(kronor);
    return (negativ ? "-" : "") + Gruppera(std::to_string(belopp), Grupptecken());
}

std::string KortBeloppstext(double v) {
    return Beloppstext(v, 8, Grupptecken());
}

std::string Punktbelopp(double v) {
    if (!std::isfinite(v))
        return Beloppstext(v);
    // Every amount a double can hold is written out in full, never scientific.
    std::string text = Beloppstext(v, 400, "", 400);
    for (char &c : text)
        if (c == ',')
            c = '.';
    return text;
}

double OreAvrundat(double v) {
    if (!std::isfinite(v))
        return v;
    const std::string text = Punktbelopp(v);
    double avrundat = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), avrundat);
    return avrundat;
}

bool ForsokPunktbelopp(std::string_view text, double &varde) {
    std::string_view siffror = text;
    if (!siffror.empty() && (siffror.front() == '-' || siffror.front() == '+'))
        siffror.remove_prefix(1);
    const auto punkt = siffror.find('.');
    const auto heltal = siffror.substr(0, punkt);
    const auto decimaler =
        punkt == std::string_view::npos ? std::string_view{} : siffror.substr(punkt + 1);
    const auto arSiffror = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!arSiffror(heltal) || (punkt != std::string_view::npos && !arSiffror(decimaler)))
        return false;
    std::string medKomma(text);
    if (punkt != std::string_view::npos)
        medKomma[medKomma.size() - siffror.size() + punkt] = ',';
    return ForsokTextTillBelopp(medKomma, varde);
}

namespace {

// Nearly every amount has at most two decimals. When v is the double nearest to
// a whole number of hundredths with at most 15 digits, its 15 significant
// digits are exactly those hundredths (v lies within half a unit in the last
// place of them, far inside half a unit of the 15th digit), so the text can be
// written from the integer without the general digit conversion.
bool LaggTillKortTaltext(std::string &ut, double v) {
    const double hundradelar = v * 100;
    if (!(std::fabs(hundradelar) < 1e15))
        return false;
    const long long c = std::llround(hundradelar);
    if (c == 0 || static_cast<double>(c) / 100 != v)
        return false;
    const unsigned long long a =
        c < 0 ? 0ull - static_cast<unsigned long long>(c) : static_cast<unsigned long long>(c);
    char buf[24];
    char *slut = buf;
    if (c < 0)
        *slut++ = '-';
    slut = std::to_chars(slut, buf + sizeof buf, a / 100).ptr;
    if (const unsigned rest = static_cast<unsigned>(a % 100); rest != 0) {
        *slut++ = ',';
        *slut++ = static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0)
            *slut++ = static_cast<char>('0' + rest % 10);
    }
    ut.append(buf, static_cast<std::size_t>(slut - buf));
    return true;
}

} // namespace

void LaggTillTaltext(std::string &ut, double v) {
    if (!LaggTillKortTaltext(ut, v))
        ut += Taltext(v);
}

std::string Taltext(double v) {
    if (std::string kort; LaggTillKortTaltext(kort, v))
        return kort;
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    if (v == 0)
        return "0";
    Decimaltal d = TillDecimaltal(v);
    d.siffror = UtanAvslutandeNollor(d.siffror);
    const double a = std::fabs(v);
    if (a >= 1e15 || a < 0.0001)
        return Vetenskaplig(d);
    std::string heltal, decimaler;
    if (d.exponent <= 0) {
        heltal = "0";
        decimaler = std::string(-d.exponent, '0') + d.siffror;
    } else if (static_cast<int>(d.siffror.size()) <= d.exponent) {
        heltal = d.siffror + std::string(d.exponent - d.siffror.size(), '0');
    } else {
        heltal = d.siffror.substr(0, d.exponent);
        decimaler = d.siffror.substr(d.exponent);
    }
    std::string ut = d.negativ ? "-" : "";
    ut += heltal;
    if (!decimaler.empty())
        ut += "," + decimaler;
    return ut;
}

bool ForsokTextTillHeltal(std::string_view text, int32_t &varde) {
    std::size_t i = 0;
    while (i < text.size() && ArBlank(text[i]))
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negativ = text[i] == '-';
        ++i;
    }
    int bas = 10;
    if (i < text.size() && text[i] == '$') {
        bas = 16;
        ++i;
    }
    if (i >= text.size())
        return false;
    int64_t belopp = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int siffra;
        if (c >= '0' && c <= '9')
            siffra = c - '0';
        else if (bas == 16 && c >= 'a' && c <= 'f')
            siffra = c - 'a' + 10;
        else if (bas == 16 && c >= 'A' && c <= 'F')
            siffra = c - 'A' + 10;
        else
            return false;
        belopp = belopp * bas + siffra;
        // Hexadecimal may fill all 32 bits (as colour values do); decimal may not overflow.
        if (belopp > (bas == 16 ? int64_t{0xFFFFFFFF} : int64_t{0x80000000}))
            return false;
    }
    if (negativ)
        belopp = -belopp;
    if (bas == 10 && (belopp > INT32_MAX || belopp < INT32_MIN))
        return false;
    varde = static_cast<int32_t>(static_cast<uint32_t>(belopp));
    return true;
}

int32_t TextTillHeltal(std::string_view text) {
    int32_t v = 0;
    if (!ForsokTextTillHeltal(text, v))
        throw Korningsfel("'" + Visningstext(text) + "' is not a valid integer value");
    return v;
}

namespace {

// The shape nearly every amount in a file has: a sign, at most 15 digits and a
// decimal comma. The digits as one integer are exact in a double, and so is the
// power of ten; their quotient is the correctly rounded value, the same double
// the general conversion gives.
bool ForsokKortBelopp(std::string_view text, double &varde) {
    static constexpr double kTiopotens[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    bool negativ = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negativ = text[i++] == '-';
    uint64_t tal = 0;
    int siffror = 0, decimaler = 0;
    bool komma = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            tal = tal * 10 + static_cast<uint64_t>(c - '0');
            ++siffror;
            decimaler += komma;
        } else if (c == ',' && !komma) {
            komma = true;
        } else {
            return false;
        }
        if (siffror > 15)
            return false;
    }
    if (siffror == 0)
        return false;
    const double v = static_cast<double>(tal) / kTiopotens[decimaler];
    varde = negativ ? -v : v;
    return true;
}

} // namespace

bool ForsokTextTillBelopp(std::string_view text, double &varde) {
    if (ForsokKortBelopp(text, varde))
        return true;
    std::size_t b = 0, e = text.size();
    while (b < e && ArBlank(text[b]))
        ++b;
    while (e > b && ArBlank(text[e - 1]))
        --e;
    // Check the shape: sign, digits, comma, digits, exponent; at least one digit.
    std::string c;
    c.reserve(e - b);
    std::size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-'))
        c += text[i++];
    int siffror = 0;
    while (i < e && text[i] >= '0' && text[i] <= '9') {
        c += text[i++];
        ++siffror;
    }
    if (i < e && text[i] == ',') {
        c += '.';
        ++i;
        while (i < e && text[i] >= '0' && text[i] <= '9') {
            c += text[i++];
            ++siffror;
        }
    }
    if (siffror == 0)
        return false;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-'))
            c += text[i++];
        int exp = 0;
        while (i < e && text[i] >= '0' && text[i] <= '9') {
            c += text[i++];
            ++exp;
        }
        if (exp == 0)
            return false;
    }
    if (i != e)
        return false;
    const char *start = c.data();
    if (*start == '+')
        ++start;
    double v = 0;
    const auto [slut, fel] = std::from_chars(start, c.data() + c.size(), v);
    if (fel != std::errc() || slut != c.data() + c.size() || std::isinf(v))
        return false;
    // Every amount is written back as Taltext's 15 digits; one whose 15-digit
    // text would overflow (just below the largest double) could not be read again.
    if (std::fabs(v) > 1e308) {
        const std::string igen = UtanKomma(Taltext(v));
        double w = 0;
        if (std::from_chars(igen.data(), igen.data() + igen.size(), w).ec != std::errc())
            return false;
    }
    varde = v;
    return true;
}

double TextTillBelopp(std::string_view text) {
    double v = 0;
    if (!ForsokTextTillBelopp(text, v))
        throw Korningsfel("'" + Visningstext(text) + "' is not a valid floating point value");
    return v;
}

bool ArOppetSaldo(double saldo) {
    return saldo >= 0.01 || saldo <= -0.01;
}

} // namespace tovana
