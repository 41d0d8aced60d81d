#include "core/Redovisningsfil.h"

#include "core/Fel.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <algorithm>

namespace tovana {

namespace {

// The text of a field straight from the file: pure ASCII needs no conversion.
std::string Faltets(std::string_view bytes, Filkodning kodning) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return Avkoda(bytes, kodning);
    return std::string(bytes);
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
    for (int i = 0; i < 6; ++i) {
        const auto semikolon = rad.find(';');
        if (semikolon == std::string_view::npos) {
            falt[i] = saldon ? rad : std::string_view{};
            if (saldon)
                rad = {};
        } else {
            falt[i] = rad.substr(0, semikolon);
            rad.remove_prefix(semikolon + 1);
        }
    }
    falt[6] = rad;
    TPost post;
    post.vernr = Heltal(falt[0], kodning);
    post.datum = ForstaTecken(Faltets(falt[1], kodning), kDatumlangd);
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
    post.text = ForstaTecken(Faltets(falt[6], kodning), kTextlangd);
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
    // read so far and faulted in fresh pages each time. Room for half as many
    // again lets the ledger's table be made from this one in place, with its
    // slot 0 and empty slots after the posts (LasRedovisning,
    // SattRedovisning); pages never written are never faulted in.
    const auto rader =
        static_cast<std::size_t>(std::count(fil.bytes.begin(), fil.bytes.end(), '\n') + 1);
    innehall.poster.reserve(rader + 1 + rader / 2);
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

void LasRedovisning(Bokforingsdata &data, const std::string &sokvag) {
    Redovisningsinnehall innehall = LasRedovisningsfil(sokvag);
    data.Redovisningsnamn = std::move(innehall.namn);
    const auto antal = static_cast<int32_t>(innehall.poster.size());
    // Slot 0 empty, the posts in 1..antal, and as many empty slots after them as
    // the table had before; the posts move up by one in place (the reader left
    // room for it).
    std::vector<TPost> &poster = innehall.poster;
    poster.insert(poster.begin(), TPost{});
    poster.resize(std::max(data.Poster.size(), poster.size()));
    data.Poster = std::move(poster);
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
