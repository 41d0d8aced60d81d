#include "core/Momskodfil.h"

#include "core/Fel.h"
#include "core/Kontoklasser.h"
#include "core/Momsrutor.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <cerrno>

#include <sys/stat.h>

namespace tovana {

namespace {

// A box number of one or two digits that accounts may feed (not 49); 0 else.
int LasRuta(std::string_view text) {
    if (text.empty() || text.size() > 2)
        return 0;
    int nummer = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        nummer = nummer * 10 + (c - '0');
    }
    const Momsruta *ruta = SokMomsruta(nummer);
    return ruta && ruta->slag != Rutslag::Summa ? nummer : 0;
}

} // namespace

std::string Momskodfil(const std::string &kontoplanfil) {
    return kontoplanfil + ".moms";
}

int RutaForKonto(int32_t konto, const Momskoder &koder) {
    if (const auto hittad = koder.find(konto); hittad != koder.end())
        return hittad->second;
    return BasMomsruta(konto);
}

Momskoder LasMomskoder(const std::string &sokvag) {
    struct stat st {};
    if (::stat(sokvag.c_str(), &st) != 0 && errno == ENOENT)
        return {};
    const Filtext fil = Tolka(LasFil(sokvag), sokvag);
    Momskoder koder;
    Radlasare rader(fil.bytes);
    std::string_view rad;
    while (rader.NastaRad(rad)) {
        const std::string_view text = Trimmad(rad);
        if (text.empty())
            continue;
        const auto semikolon = text.find(';');
        int32_t konto = 0;
        const bool kontoOk = semikolon != std::string_view::npos &&
                             ForsokTextTillHeltal(Trimmad(text.substr(0, semikolon)), konto) &&
                             konto > 0;
        const std::string_view rutatext =
            kontoOk ? Trimmad(text.substr(semikolon + 1)) : std::string_view{};
        const int ruta = rutatext.empty() ? 0 : LasRuta(rutatext);
        if (!kontoOk || (!rutatext.empty() && ruta == 0))
            throw Radfel("Raden ska vara konto;ruta, till exempel 3010;05.", sokvag,
                         rader.Radnummer());
        koder[konto] = ruta;
    }
    return koder;
}

std::string MomskoderBytes(const Momskoder &koder) {
    std::string ut;
    for (const auto &[konto, ruta] : koder) {
        ut += std::to_string(konto);
        ut += ';';
        if (ruta != 0)
            ut += Rutnummertext(ruta);
        ut += "\r\n";
    }
    return ut;
}

void SkrivMomskoder(const std::string &sokvag, const Momskoder &koder) {
    SkrivFilSakert(sokvag, MomskoderBytes(koder));
}

void SattMomskod(Momskoder &koder, int32_t konto, std::string_view rutatext) {
    rutatext = Trimmad(rutatext);
    const int ruta = rutatext.empty() ? 0 : LasRuta(rutatext);
    if (!rutatext.empty() && ruta == 0)
        throw Korningsfel("Ruta " + Visningstext(rutatext, 10) +
                          " finns inte i momsdeklarationen. Skriv en ruta som 05 eller 48, "
                          "eller lämna rutan tom för ingen ruta.");
    if (ruta == BasMomsruta(konto))
        koder.erase(konto);
    else
        koder[konto] = ruta;
}

std::string Rutnummertext(int ruta) {
    if (ruta <= 0)
        return "\u2013";
    return (ruta < 10 ? "0" : "") + std::to_string(ruta);
}

std::vector<std::string> Momskodrader(const Bokforingsdata &data, const Momskoder &koder) {
    std::vector<std::string> rader;
    for (const TKonto &konto : data.Kontona()) {
        if (!ArBokforingsklass(konto.typ))
            continue;
        rader.push_back(std::to_string(konto.nummer) + "  " + konto.namn + "  " +
                        Rutnummertext(RutaForKonto(konto.nummer, koder)));
    }
    return rader;
}

} // namespace tovana
