#include "core/Redovisningsfil.h"

#include "core/Fel.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

namespace tovana {

namespace {

// The text of a field straight from the file: pure ASCII needs no conversion.
std::string Faltets(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return FranWindows1252(bytes);
    return std::string(bytes);
}

int32_t Heltal(std::string_view bytes) {
    int32_t v = 0;
    if (ForsokTextTillHeltal(bytes, v))
        return v;
    return TextTillHeltal(Faltets(bytes)); // raises with the field's text
}

TPost LasPostrad(std::string_view rad) {
    // Six fields each end at a ";"; a field without its ";" is empty, so a line cut
    // short fails its conversion instead of passing as a post. The text is the rest.
    std::string_view falt[7];
    for (int i = 0; i < 6; ++i) {
        const auto semikolon = rad.find(';');
        if (semikolon == std::string_view::npos) {
            falt[i] = {};
        } else {
            falt[i] = rad.substr(0, semikolon);
            rad.remove_prefix(semikolon + 1);
        }
    }
    falt[6] = rad;
    TPost post;
    post.vernr = Heltal(falt[0]);
    post.datum = ForstaTecken(Faltets(falt[1]), kDatumlangd);
    double belopp = 0;
    if (!ForsokTextTillBelopp(falt[2], belopp))
        belopp = TextTillBelopp(Faltets(falt[2]));
    post.belopp = belopp;
    post.debet = Heltal(falt[3]);
    post.kredit = Heltal(falt[4]);
    post.kod = Heltal(falt[5]);
    post.text = ForstaTecken(Faltets(falt[6]), kTextlangd);
    return post;
}

} // namespace

Redovisningsinnehall LasRedovisningsfil(const std::string &sokvag) {
    const std::string bytes = LasFil(sokvag);
    Radlasare lasare(bytes);
    std::string_view rad;
    Redovisningsinnehall innehall;
    if (lasare.NastaRad(rad))
        innehall.namn = ForstaTecken(FranWindows1252(rad), kNamnlangd);
    while (lasare.NastaPostrad(rad)) {
        try {
            innehall.poster.push_back(LasPostrad(rad));
        } catch (const Korningsfel &fel) {
            throw Radfel(fel.what(), sokvag, lasare.Radnummer());
        }
    }
    return innehall;
}

void LasRedovisning(Bokforingsdata &data, const std::string &sokvag) {
    Redovisningsinnehall innehall = LasRedovisningsfil(sokvag);
    data.Redovisningsnamn = std::move(innehall.namn);
    data.TomPoster();
    const auto antal = static_cast<int32_t>(innehall.poster.size());
    data.Postplats(antal);
    for (int32_t i = 0; i < antal; ++i)
        data.Poster[i + 1] = std::move(innehall.poster[i]);
    data.Postantal = antal;
}

std::string Postrad(const TPost &post, std::string_view beloppstext) {
    std::string rad;
    rad.reserve(32 + post.datum.size() + post.text.size());
    rad += std::to_string(post.vernr);
    rad += ';';
    rad += post.datum;
    rad += ';';
    rad += beloppstext;
    rad += ';';
    rad += std::to_string(post.debet);
    rad += ';';
    rad += std::to_string(post.kredit);
    rad += ';';
    rad += std::to_string(post.kod);
    rad += ';';
    rad += post.text;
    return rad;
}

std::string Postrad(const TPost &post) {
    return Postrad(post, Taltext(post.belopp));
}

void LaggTillPostrader(const std::string &sokvag, const std::vector<std::string> &rader) {
    std::string text;
    for (const auto &rad : rader)
        text += rad + "\r\n";
    LaggTillIFil(sokvag, TillWindows1252(text));
}

void LaggTillPostrad(const std::string &sokvag, const std::string &rad) {
    LaggTillPostrader(sokvag, {rad});
}

std::string RedovisningBytes(const std::string &namn, const TPost *forsta, std::size_t antal) {
    std::string text = namn + "\r\n";
    for (std::size_t i = 0; i < antal; ++i) {
        text += Postrad(forsta[i]);
        text += "\r\n";
    }
    return TillWindows1252(text);
}

void SkrivRedovisning(const Bokforingsdata &data, const std::string &sokvag) {
    SkrivFilSakert(sokvag, RedovisningBytes(data.Redovisningsnamn, data.Poster.data() + 1,
                                            static_cast<std::size_t>(data.Postantal)));
}

void SkrivRedovisningsfil(const std::string &sokvag, const std::string &namn,
                          const std::vector<TPost> &poster) {
    SkrivFilSakert(sokvag, RedovisningBytes(namn, poster.data(), poster.size()));
}

void SkapaRedovisningsfil(const std::string &sokvag, const std::string &namn) {
    SkrivFilSakert(sokvag, TillWindows1252(namn + "\r\n"));
}

} // namespace tovana
