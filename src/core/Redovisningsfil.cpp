#include "core/Redovisningsfil.h"

#include "core/Fel.h"
#include "core/Storsidor.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <algorithm>
#include <iterator>

namespace tovana {

namespace {

// A field's text, at most `langd` characters; pure ASCII needs no conversion.
std::string Faltets(std::string_view bytes, Filkodning kodning,
                    std::size_t langd = std::string::npos) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            if (kodning == Filkodning::Utf8)
                return ForstaTecken(bytes, langd);
            // Every Windows-1252 byte is one character.
            return FranWindows1252(bytes.substr(0, std::min(bytes.size(), langd)));
        }
    return std::string(bytes.substr(0, std::min(bytes.size(), langd)));
}

int32_t Heltal(std::string_view bytes, Filkodning kodning) {
    int32_t v = 0;
    if (ForsokTextTillHeltal(bytes, v))
        return v;
    return TextTillHeltal(Faltets(bytes, kodning)); // raises with the field's text
}

const std::string kDatumOchText = "Datum och text";

TPost LasPostrad(std::string_view rad, Filkodning kodning, Postlasning lasning) {
    // Six fields each end at a ";"; a field without its ";" is empty, so a line cut
    // short fails its conversion instead of passing as a post. The text is the rest.
    // Read for balances, a field without its ";" runs to the end of the line.
    const bool saldon = lasning == Postlasning::Saldon;
    std::string_view falt[7];
    std::size_t pos = 0;
    for (int i = 0; i < 6; ++i) {
        // A plain scan: find calls memchr for every field, a tenth of opening.
        std::size_t slut = pos;
        while (slut < rad.size() && rad[slut] != ';')
            ++slut;
        if (slut < rad.size()) {
            falt[i] = rad.substr(pos, slut - pos);
            pos = slut + 1;
        } else {
            falt[i] = saldon ? rad.substr(pos) : std::string_view{};
            if (saldon)
                pos = rad.size();
        }
    }
    falt[6] = rad.substr(pos);
    TPost post;
    post.vernr = Heltal(falt[0], kodning);
    post.datum = Faltets(falt[1], kodning, kDatumlangd);
    double belopp = 0;
    if (!ForsokTextTillBelopp(falt[2], belopp))
        belopp = TextTillBelopp(Faltets(falt[2], kodning));
    post.belopp = belopp;
    post.debet = Heltal(falt[3], kodning);
    post.kredit = Heltal(falt[4], kodning);
    if (!saldon)
        post.kod = Heltal(falt[5], kodning);
    else if (!ForsokTextTillHeltal(falt[5], post.kod))
        post.kod = 0; // an empty or non-numeric code does not count for balances
    post.text = Faltets(falt[6], kodning, kTextlangd);
    return post;
}

} // namespace

Redovisningsinnehall LasRedovisningsfil(const std::string &sokvag, Postlasning lasning) {
    const Filtext fil = Tolka(LasFil(sokvag), sokvag);
    Radlasare lasare(fil.bytes);
    std::string_view rad;
    Redovisningsinnehall innehall;
    innehall.kodning = fil.kodning;
    // Room for a post a line at once: growing by doubling copied every post
    // read so far and faulted in fresh pages each time.
    // Room for the empty slot 0 of the table and for the posts keyed next, so
    // that neither moves the posts read (see Posttabell). Room never used costs
    // no memory.
    const auto rader =
        static_cast<std::size_t>(std::count(fil.bytes.begin(), fil.bytes.end(), '\n'));
    innehall.poster.reserve(rader + 2 + 1024 + rader / 64);
    BeOmStoraSidor(innehall.poster.data(), innehall.poster.capacity() * sizeof(TPost));
    if (lasare.NastaRad(rad))
        innehall.namn = ForstaTecken(Avkoda(rad, fil.kodning), kNamnlangd);
    while (lasare.NastaPostrad(rad)) {
        try {
            innehall.poster.push_back(LasPostrad(rad, fil.kodning, lasning));
        } catch (const Korningsfel &fel) {
            throw Radfel(fel.what(), sokvag, lasare.Radnummer());
        }
    }
    return innehall;
}

std::vector<TPost> Posttabell(std::vector<TPost> poster, std::size_t storlek) {
    poster.insert(poster.begin(), TPost{});
    if (poster.size() < storlek)
        poster.resize(storlek);
    return poster;
}

void LasRedovisning(Bokforingsdata &data, const std::string &sokvag) {
    Redovisningsinnehall innehall = LasRedovisningsfil(sokvag);
    data.Redovisningsnamn = std::move(innehall.namn);
    const auto antal = static_cast<int32_t>(innehall.poster.size());
    data.Poster = Posttabell(std::move(innehall.poster), data.Poster.size());
    data.Postantal = antal;
    data.RedovisningLastSomUtf8 = innehall.kodning == Filkodning::Utf8;
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

namespace {

// The lines, each ending in CR LF; a line break inside one is refused.
std::string Radtext(const std::vector<std::string> &rader) {
    std::string text;
    for (const auto &rad : rader) {
        KontrolleraUtanRadbrytning(rad, kDatumOchText);
        text += rad + "\r\n";
    }
    return text;
}

} // namespace

void LaggTillPostrader(const std::string &sokvag, const std::vector<std::string> &rader) {
    LaggTillIFil(sokvag, TillWindows1252Fil(Radtext(rader), 0));
}

void SparaNyaPostrader(Bokforingsdata &data, const std::vector<std::string> &rader) {
    if (!data.RedovisningLastSomUtf8) {
        LaggTillIFil(data.Redovisningsfil,
                     TillWindows1252Fil(Radtext(rader), long{data.Postantal} + 2));
        return;
    }
    // Appending Windows-1252 to a UTF-8 file would mix the encodings: the whole
    // ledger is written again in the program's own encoding, the new lines last.
    const std::string bytes = RedovisningBytes(data.Redovisningsnamn, data.Poster.data() + 1,
                                               static_cast<std::size_t>(data.Postantal)) +
                              TillWindows1252Fil(Radtext(rader), long{data.Postantal} + 2);
    SkrivFilSakertMedKopior(data.Redovisningsfil, bytes);
    data.RedovisningLastSomUtf8 = false;
}

void LaggTillPostrad(const std::string &sokvag, const std::string &rad) {
    LaggTillPostrader(sokvag, {rad});
}

std::string RedovisningBytes(const std::string &namn, const TPost *forsta, std::size_t antal) {
    KontrolleraUtanRadbrytning(namn, "Redovisningens namn");
    std::string text = namn + "\r\n";
    for (std::size_t i = 0; i < antal; ++i) {
        KontrolleraUtanRadbrytning(forsta[i].datum, kDatumOchText);
        KontrolleraUtanRadbrytning(forsta[i].text, kDatumOchText);
        text += Postrad(forsta[i]);
        text += "\r\n";
    }
    return TillWindows1252Fil(text);
}

void SkrivRedovisning(const Bokforingsdata &data, const std::string &sokvag) {
    SkrivFilSakertMedKopior(sokvag, RedovisningBytes(data.Redovisningsnamn, data.Poster.data() + 1,
                                                     static_cast<std::size_t>(data.Postantal)));
}

void SkrivRedovisningsfil(const std::string &sokvag, const std::string &namn,
                          const std::vector<TPost> &poster) {
    SkrivFilSakertMedKopior(sokvag, RedovisningBytes(namn, poster.data(), poster.size()));
}

void SkapaRedovisningsfil(const std::string &sokvag, const std::string &namn) {
    SkrivFilSakertMedKopior(sokvag, RedovisningBytes(namn, nullptr, 0));
}

} // namespace tovana
