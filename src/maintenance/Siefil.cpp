#include "maintenance/Siefil.h"

#include "core/Datum.h"
#include "core/Teckentabell.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tovana {

namespace {

// The characters of PC8 bytes 80..FF.
constexpr std::array<char16_t, 128> kPc8 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

// The nearest text in plain letters for characters PC8 lacks.
struct Narmast {
    char32_t tecken;
    const char *text;
};
constexpr Narmast kNarmast[] = {
    {U'À', "A"},   {U'Á', "A"},  {U'Â', "A"},   {U'Ã', "A"},  {U'È', "E"},   {U'Ê', "E"},
    {U'Ë', "E"},   {U'Ì', "I"},  {U'Í', "I"},   {U'Î', "I"},  {U'Ï', "I"},   {U'Ð', "D"},
    {U'Ò', "O"},   {U'Ó', "O"},  {U'Ô', "O"},   {U'Õ', "O"},  {U'Ø', "O"},   {U'Ù', "U"},
    {U'Ú', "U"},   {U'Û', "U"},  {U'Ý', "Y"},   {U'ã', "a"},  {U'ð', "d"},   {U'õ', "o"},
    {U'ø', "o"},   {U'ý', "y"},  {U'Š', "S"},   {U'š', "s"},  {U'Ž', "Z"},   {U'ž', "z"},
    {U'Œ', "OE"},  {U'œ', "oe"}, {U'Ÿ', "Y"},   {U'Þ', "Th"}, {U'þ', "th"},  {U'×', "x"},
    {U'‚', ","},   {U'„', "\""}, {U'“', "\""},  {U'”', "\""}, {U'‘', "'"},   {U'’', "'"},
    {U'–', "-"},   {U'—', "-"},  {U'…', "..."}, {U'•', "*"},  {U'€', "EUR"}, {U'‹', "<"},
    {U'›', ">"},   {U'ˆ', "^"},  {U'˜', "~"},   {U'¹', "1"},  {U'³', "3"},   {U'©', "(c)"},
    {U'®', "(R)"}, {U'™', "TM"}};

bool ArBlanktecken(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// A field's text up to the next blank, quote handling included; `pos` ends
// after the field.
bool LasText(std::string_view rad, std::size_t &pos, std::string &ut, std::string &fel,
             std::string_view stopp) {
    if (rad[pos] != '"') {
        while (pos < rad.size() && !ArBlanktecken(rad[pos]) &&
               stopp.find(rad[pos]) == std::string_view::npos)
            ut += rad[pos++];
        return true;
    }
    ++pos;
    // Where the last \" was read: a line that ends inside the quotes is read
    // again as if that backslash were the text's and the quote closed it, as a
    // writer that does not mind a final backslash means it.
    std::size_t langdFore = std::string::npos;
    std::size_t efter = 0;
    while (pos < rad.size()) {
        const char c = rad[pos++];
        if (c == '"') {
            // The blank a writer puts after a final backslash is not the text's.
            if (const auto sista = ut.find_last_not_of(' ');
                sista != std::string::npos && sista + 1 < ut.size() && ut[sista] == '\\')
                ut.pop_back();
            return true;
        }
        if (c == '\\' && pos < rad.size() && rad[pos] == '"') {
            langdFore = ut.size();
            efter = ++pos;
            ut += '"';
        } else {
            ut += c;
        }
    }
    if (langdFore != std::string::npos) {
        ut.resize(langdFore);
        ut += '\\';
        pos = efter;
        return true;
    }
    fel = "citattecknet avslutas aldrig.";
    return false;
}

bool ArSiffror(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Tal(std::string_view siffror) {
    int v = 0;
    for (char c : siffror)
        v = v * 10 + (c - '0');
    return v;
}

} // namespace

std::string FranPc8(std::string_view bytes) {
    std::string ut;
    ut.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u < 0x80)
            ut += b;
        else
            LaggTillUtf8(ut, kPc8[u - 0x80]);
    }
    return ut;
}

std::string TillPc8(std::string_view text) {
    std::string ut;
    ut.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = LasUtf8(text, pos);
        if (c < 0x80) {
            ut += static_cast<char>(c);
            continue;
        }
        const auto *hit = std::find(kPc8.begin(), kPc8.end(), static_cast<char16_t>(c));
        if (c <= 0xFFFF && hit != kPc8.end()) {
            ut += static_cast<char>(0x80 + (hit - kPc8.begin()));
            continue;
        }
        const auto *narmast = std::find_if(std::begin(kNarmast), std::end(kNarmast),
                                           [c](const Narmast &n) { return n.tecken == c; });
        ut += narmast != std::end(kNarmast) ? narmast->text : "?";
    }
    return ut;
}

std::optional<Sietext> LasSietext(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
        bytes.find('\0') != std::string_view::npos)
        return std::nullopt;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return Sietext{std::string(bytes.substr(3)), Siekodning::Utf8};
    if (ArUtf8MedFlerbyte(bytes))
        return Sietext{std::string(bytes), Siekodning::Utf8};
    // The Swedish letters and é, ü as each character set places them.
    static constexpr std::string_view kPc8Bokstaver = "\x81\x82\x84\x86\x8E\x8F\x90\x94\x99\x9A";
    static constexpr std::string_view kWinBokstaver = "\xC4\xC5\xC9\xD6\xDC\xE4\xE5\xE9\xF6\xFC";
    long pc8 = 0;
    long win = 0;
    for (char b : bytes) {
        pc8 += kPc8Bokstaver.find(b) != std::string_view::npos;
        win += kWinBokstaver.find(b) != std::string_view::npos;
    }
    if (win > pc8)
        return Sietext{FranWindows1252(bytes), Siekodning::Windows1252};
    return Sietext{FranPc8(bytes), Siekodning::Pc8};
}

std::string Citerat(std::string_view text) {
    // A typographic double quote becomes a plain one in PC8 (TillPc8), which
    // would end the field: it is written as an escaped plain quote here.
    static constexpr std::string_view kTypografiska[] = {"\u201E", "\u201C", "\u201D"};
    std::string ut = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto *citat =
            std::find_if(std::begin(kTypografiska), std::end(kTypografiska),
                         [&](std::string_view t) { return text.substr(i, t.size()) == t; });
        if (citat != std::end(kTypografiska)) {
            ut += "\\\"";
            i += citat->size() - 1;
            continue;
        }
        const char c = text[i];
        if (c == '"')
            ut += '\\';
        // A control character or DEL would end or break the record.
        ut += static_cast<unsigned char>(c) < ' ' || c == '\x7F' ? ' ' : c;
    }
    // A backslash right before the closing quote would escape it.
    if (const auto sista = ut.find_last_not_of(' '); sista != 0 && ut[sista] == '\\')
        ut += ' ';
    ut += '"';
    return ut;
}

std::optional<Siepost> TolkaSierad(std::string_view rad, std::string &fel) {
    std::size_t pos = 0;
    const auto hoppa = [&] {
        while (pos < rad.size() && ArBlanktecken(rad[pos]))
            ++pos;
    };
    hoppa();
    if (pos >= rad.size() || rad[pos] != '#') {
        fel = "raden börjar inte med en etikett (#...).";
        return std::nullopt;
    }
    Siepost post;
    while (pos < rad.size() && !ArBlanktecken(rad[pos]))
        post.etikett += static_cast<char>(std::toupper(static_cast<unsigned char>(rad[pos++])));
    for (hoppa(); pos < rad.size(); hoppa()) {
        Siefalt falt;
        if (rad[pos] == '{') {
            falt.lista = true;
            ++pos;
            for (hoppa(); pos < rad.size() && rad[pos] != '}'; hoppa()) {
                std::string del;
                if (!LasText(rad, pos, del, fel, "}"))
                    return std::nullopt;
                falt.delar.push_back(std::move(del));
            }
            if (pos >= rad.size()) {
                fel = "objektlistan avslutas aldrig med }.";
                return std::nullopt;
            }
            ++pos;
        } else if (!LasText(rad, pos, falt.text, fel, "")) {
            return std::nullopt;
        }
        post.falt.push_back(std::move(falt));
    }
    return post;
}

std::string Skrivbar(std::string_view text) {
    std::string ut;
    ut.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = LasUtf8(text, pos);
        if (c < U' ' || c == 0x7F)
            ut += ' ';
        else if (!KanSkrivasSomWindows1252(c) || (c >= 0x80 && c <= 0x9F))
            ut += '?';
        else
            LaggTillUtf8(ut, c);
    }
    return ut;
}

void Meddelandelista::Lagg(std::string rad) {
    if (rader_.size() < 200)
        rader_.push_back(std::move(rad));
    else
        ++overskott_;
}

std::vector<std::string> Meddelandelista::Rader() && {
    if (overskott_ > 0)
        rader_.push_back("… och " + std::to_string(overskott_) + " till.");
    return std::move(rader_);
}

void Kontrollsumma::Lagg(std::string_view bytes) {
    static const auto kTabell = [] {
        std::array<uint32_t, 256> tabell{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t v = i;
            for (int bit = 0; bit < 8; ++bit)
                v = (v & 1u) != 0 ? (v >> 1) ^ 0xEDB88320u : v >> 1;
            tabell[i] = v;
        }
        return tabell;
    }();
    for (const char b : bytes)
        crc_ = (crc_ >> 8) ^ kTabell[(crc_ ^ static_cast<unsigned char>(b)) & 0xFFu];
}

void Kontrollsumma::Lagg(const Siepost &post) {
    Lagg(post.etikett);
    for (const auto &falt : post.falt) {
        if (!falt.lista)
            Lagg(falt.text);
        for (const auto &del : falt.delar)
            Lagg(del);
    }
}

bool ArSiedatum(std::string_view text) {
    return text.size() == 8 && ArSiffror(text) && LasDatum(text).has_value();
}

std::optional<std::string> Datum8(std::string_view datum, const std::string &fran,
                                  const std::string &till) {
    datum = Trimmad(datum);
    // The centuries a two-digit year may take: the first day's, then the last
    // day's; 2000 when neither is a date.
    std::vector<int> sekler;
    for (const std::string *grans : {&fran, &till})
        if (ArSiedatum(*grans))
            sekler.push_back(Tal(std::string_view(*grans).substr(0, 4)) / 100 * 100);
    if (sekler.empty())
        sekler.push_back(2000);

    const bool utanAr =
        datum.find('/') != std::string_view::npos || (datum.size() == 4 && ArSiffror(datum));
    if (!utanAr) {
        // ÅÅMMDD, ÅÅÅÅMMDD, ÅÅÅÅ-MM-DD: the program's date rule, ÅÅ in the
        // century that puts the date inside the year.
        std::optional<std::string> forsta;
        for (const int sekel : sekler) {
            const auto las = LasDatum(datum, sekel);
            if (!las)
                continue;
            std::string text = Datumtext(*las);
            if (text >= fran && text <= till)
                return text;
            if (!forsta)
                forsta = std::move(text);
        }
        return forsta;
    }

    // The older forms without a year: D/M, DD/MM and MMDD.
    int manad = 0;
    int dag = 0;
    if (const auto snedstreck = datum.find('/'); snedstreck != std::string_view::npos) {
        const auto huvud = datum.substr(0, snedstreck);
        const auto svans = datum.substr(snedstreck + 1);
        if (!ArSiffror(huvud) || !ArSiffror(svans) || huvud.size() > 2 || svans.size() > 2)
            return std::nullopt;
        dag = Tal(huvud);
        manad = Tal(svans);
    } else {
        manad = Tal(datum.substr(0, 2));
        dag = Tal(datum.substr(2, 2));
    }
    // The year of the first day, or of the last when that puts the date inside.
    std::vector<int> kandidater;
    for (const std::string *grans : {&fran, &till})
        if (ArSiedatum(*grans))
            kandidater.push_back(Tal(std::string_view(*grans).substr(0, 4)));
    if (kandidater.empty())
        kandidater.push_back(2000);
    std::optional<std::string> forsta;
    for (const int kandidat : kandidater) {
        if (!ArGiltigtDatum(kandidat, manad, dag))
            continue;
        std::string text = Datumtext(Datum{kandidat, manad, dag});
        if (text >= fran && text <= till)
            return text;
        if (!forsta)
            forsta = std::move(text);
    }
    return forsta;
}

std::optional<int> Datumar(std::string_view datum, int forstaAr) {
    datum = Trimmad(datum);
    if (datum.find('/') != std::string_view::npos || datum.size() == 4)
        return std::nullopt;
    const std::string fran = Datumtext(Datum{forstaAr, 1, 1});
    const std::string till = Datumtext(Datum{forstaAr + 99, 12, 31});
    const auto text = Datum8(datum, fran, till);
    if (!text)
        return std::nullopt;
    return Tal(std::string_view(*text).substr(0, 4));
}

} // namespace tovana
