#include "maintenance/Sieexport.h"

#include "core/Datum.h"
#include "core/Fel.h"
#include "core/Kontoklasser.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"
#include "maintenance/IB.h"
#include "maintenance/Siefil.h"
#include "reports/Balansberakning.h"

#include <charconv>
#include <map>
#include <set>
#include <unordered_map>

#ifndef TOVANA_VERSION
#define TOVANA_VERSION "2.0"
#endif

namespace tovana {

namespace {

// The öre of an amount as written, or std::nullopt when it is too large.
std::optional<int64_t> Oren(double belopp) {
    std::string siffror;
    for (char c : Punktbelopp(belopp))
        if (c != '.')
            siffror += c;
    int64_t oren = 0;
    const auto [slut, fel] = std::from_chars(siffror.data(), siffror.data() + siffror.size(), oren);
    if (fel != std::errc() || slut != siffror.data() + siffror.size())
        return std::nullopt;
    return oren;
}

// Every verification goes in one series; the format leaves a blank series to
// the files a program reads its verifications from (4I).
constexpr const char *kSerie = "A";

std::string Ar(const std::string &datum) {
    return datum.substr(0, 4);
}

} // namespace

Rakenskapsar StandardRakenskapsar(const Bokforingsdata &data, const std::string &idag) {
    if (const auto &ar = data.Foretaget.rakenskapsar)
        return {Datumtext(ar->fran), Datumtext(ar->till)};
    const int iar = ArSiedatum(idag) ? std::stoi(Ar(idag)) : 2000;
    std::map<int, long> antal;
    for (const TPost &post : data.Posterna())
        if (const auto ar = Datumar(post.datum, iar - 80))
            ++antal[*ar];
    int valt = iar;
    long flest = 0;
    for (const auto &[ar, n] : antal)
        if (n > flest) {
            valt = ar;
            flest = n;
        }
    const std::string artext = std::to_string(valt);
    return {artext + "0101", artext + "1231"};
}

SieExport Exportera(const Bokforingsdata &data, const std::string &fran, const std::string &till,
                    const std::string &idag,
                    const std::map<int32_t, Registrering> &registreringar) {
    Meddelandelista problem;
    if (!ArSiedatum(fran))
        problem.Lagg("Räkenskapsårets första dag ska vara ett datum skrivet ÅÅÅÅMMDD, inte \"" +
                     Visningstext(fran) + "\".");
    if (!ArSiedatum(till))
        problem.Lagg("Räkenskapsårets sista dag ska vara ett datum skrivet ÅÅÅÅMMDD, inte \"" +
                     Visningstext(till) + "\".");
    if (!ArSiedatum(idag))
        problem.Lagg("Dagens datum ska skrivas ÅÅÅÅMMDD, inte \"" + Visningstext(idag) + "\".");
    const bool arGiltigt = ArSiedatum(fran) && ArSiedatum(till) && fran <= till;
    if (ArSiedatum(fran) && ArSiedatum(till) && fran > till)
        problem.Lagg("Räkenskapsårets första dag " + fran + " ligger efter den sista, " + till +
                     ".");

    std::unordered_map<int32_t, Kontotyp> typer;
    for (const TKonto &konto : data.Kontona())
        typer.emplace(konto.nummer, konto.typ);
    const auto klass = [&](int32_t nummer) {
        const auto it = typer.find(nummer);
        return it == typer.end() ? Kontotyp{0} : it->second;
    };

    std::set<int32_t> saknadeKonton;
    std::set<int32_t> saknadeKoder;
    std::map<int32_t, std::vector<int32_t>> verifikationer; // number -> slots in ledger order
    std::vector<std::string> datum8(static_cast<std::size_t>(data.Postantal) + 1);
    std::unordered_map<int32_t, double> ib; // debit positive, in ledger order
    for (int32_t i = 1; i <= data.Postantal; ++i) {
        const TPost &post = data.Poster[static_cast<std::size_t>(i)];
        // "4 (verifikation 2)", after "Post" or "post".
        const std::string vilken =
            std::to_string(i) + " (verifikation " + std::to_string(post.vernr) + ")";
        if (post.debet == 0 && post.kredit == 0)
            problem.Lagg("Post " + vilken + " saknar konto.");
        for (const int32_t nummer : {post.debet, post.kredit}) {
            const Kontotyp typ = klass(nummer);
            if (nummer != 0 && !ArBokforingsklass(typ) && saknadeKonton.insert(nummer).second)
                problem.Lagg("Konto " + std::to_string(nummer) + " används i post " + vilken +
                             " men finns inte i kontoplanen.");
        }
        if (post.kod != 0 && klass(post.kod) != kKoder && saknadeKoder.insert(post.kod).second)
            problem.Lagg("Koden " + std::to_string(post.kod) + " används i post " + vilken +
                         " men finns inte i kontoplanen.");
        if (post.text == kIBtext) {
            // The format has opening balances only for the balance sheet.
            for (const int32_t nummer : {post.debet, post.kredit})
                if (nummer != 0 && ArBokforingsklass(klass(nummer)) &&
                    Klass(klass(nummer)).sektion != Sektion::Balansrakning)
                    problem.Lagg("Post " + vilken + " är en ingående balans (" + kIBtext +
                                 ") på konto " + std::to_string(nummer) +
                                 ", som inte är ett balanskonto; en SIE-fil har ingående "
                                 "balanser bara för balansräkningens konton (klass 1–4).");
            if (post.debet != 0)
                ib[post.debet] += post.belopp;
            if (post.kredit != 0)
                ib[post.kredit] -= post.belopp;
            continue;
        }
        verifikationer[post.vernr].push_back(i);
        if (!arGiltigt)
            continue;
        const auto datum = Datum8(post.datum, fran, till);
        if (!datum)
            problem.Lagg("Post " + vilken + ": datumet \"" + Visningstext(post.datum) +
                         "\" kan inte läsas.");
        else if (*datum < fran || *datum > till)
            problem.Lagg("Post " + vilken + ": datumet " + Visningstext(post.datum) +
                         " ligger utanför räkenskapsåret " + fran + "–" + till + ".");
        else
            datum8[static_cast<std::size_t>(i)] = *datum;
    }
    for (const auto &[nummer, platser] : verifikationer) {
        // Wide enough that no count of rows can overflow it.
        __int128 differens = 0;
        for (const int32_t i : platser) {
            const TPost &post = data.Poster[static_cast<std::size_t>(i)];
            const auto oren = Oren(post.belopp);
            if (!oren) {
                problem.Lagg("Post " + std::to_string(i) + " (verifikation " +
                             std::to_string(nummer) + "): beloppet är för stort.");
                continue;
            }
            differens += (post.debet != 0 ? *oren : 0) - (post.kredit != 0 ? *oren : 0);
        }
        if (differens != 0)
            problem.Lagg("Verifikation " + std::to_string(nummer) +
                         " balanserar inte: debet och kredit skiljer sig med " +
                         Beloppstext(static_cast<double>(differens) / 100.0, "") + ".");
    }
    SieExport ut;
    if (!problem.Tom()) {
        ut.problem = std::move(problem).Rader();
        return ut;
    }

    std::vector<std::string> rader = {
        "#FLAGGA 0",   "#KSUMMA",      "#PROGRAM \"Tovana\" \"" TOVANA_VERSION "\"",
        "#FORMAT PC8", "#GEN " + idag, "#SIETYP 4"};
    if (!data.Foretaget.orgnr.empty())
        rader.push_back("#ORGNR " + data.Foretaget.orgnr);
    rader.push_back("#FNAMN " + Citerat(Foretagsnamn(data)));
    rader.push_back("#RAR 0 " + fran + " " + till);
    // The chart type the format names for the four-digit BAS charts.
    bool fyrsiffrig = false;
    for (const TKonto &konto : data.Kontona()) {
        if (!ArBokforingsklass(konto.typ))
            continue;
        fyrsiffrig = konto.nummer >= 1000 && konto.nummer <= 9999;
        if (!fyrsiffrig)
            break;
    }
    if (fyrsiffrig)
        rader.push_back("#KPTYP EUBAS97");
    long antalKonton = 0;
    long antalKoder = 0;
    for (const TKonto &konto : data.Kontona()) {
        if (!ArBokforingsklass(konto.typ))
            continue;
        const std::string nummer = std::to_string(konto.nummer);
        rader.push_back("#KONTO " + nummer + " " + Citerat(konto.namn));
        rader.push_back("#KTYP " + nummer + " " + Klass(konto.typ).sietyp);
        ++antalKonton;
    }
    for (const TKonto &konto : data.Kontona()) {
        if (konto.typ != kKoder)
            continue;
        if (antalKoder++ == 0)
            rader.push_back("#DIM 6 \"Projekt\"");
        rader.push_back("#OBJEKT 6 " + Citerat(std::to_string(konto.nummer)) + " " +
                        Citerat(konto.namn));
    }

    // The balances, each account once, in chart order.
    const Saldotabell saldon(data);
    std::vector<std::string> ibrader, ubrader, resrader;
    std::set<int32_t> skrivna;
    for (const TKonto &konto : data.Kontona()) {
        if (!ArBokforingsklass(konto.typ) || !skrivna.insert(konto.nummer).second)
            continue;
        const std::string nummer = std::to_string(konto.nummer);
        const bool balanskonto = Klass(konto.typ).sektion == Sektion::Balansrakning;
        if (const auto it = ib.find(konto.nummer); balanskonto && it != ib.end()) {
            const std::string belopp = Punktbelopp(it->second);
            if (belopp != "0.00")
                ibrader.push_back("#IB 0 " + nummer + " " + belopp);
        }
        const double saldo = saldon.Saldo(konto.nummer, konto.typ);
        const std::string belopp = Punktbelopp(Rapporttecken(konto.typ) > 0 ? saldo : 0.0 - saldo);
        if (belopp == "0.00")
            continue;
        (balanskonto ? ubrader : resrader)
            .push_back((balanskonto ? "#UB 0 " : "#RES 0 ") + nummer + " " + belopp);
    }
    for (auto *grupp : {&ibrader, &ubrader, &resrader})
        rader.insert(rader.end(), grupp->begin(), grupp->end());

    for (const auto &[nummer, platser] : verifikationer) {
        const TPost &forsta = data.Poster[static_cast<std::size_t>(platser.front())];
        const std::string &verdatum = datum8[static_cast<std::size_t>(platser.front())];
        std::string registrerad;
        if (const auto it = registreringar.find(nummer); it != registreringar.end())
            if (const std::optional<Datum> dag = LasDatum(it->second.tid.substr(0, 10)))
                registrerad = " " + Datumtext(*dag) + " " + Citerat(it->second.anvandare);
        rader.push_back("#VER " + std::string(kSerie) + " " + std::to_string(nummer) + " " +
                        verdatum + " " + Citerat(forsta.text) + registrerad);
        rader.push_back("{");
        for (const int32_t i : platser) {
            const TPost &post = data.Poster[static_cast<std::size_t>(i)];
            const std::string objekt =
                post.kod != 0 ? "{6 " + Citerat(std::to_string(post.kod)) + "}" : "{}";
            // A row's own date and text only where they differ from the verification's.
            const std::string &datum = datum8[static_cast<std::size_t>(i)];
            std::string egna;
            if (datum != verdatum || post.text != forsta.text)
                egna = " " + datum + (post.text != forsta.text ? " " + Citerat(post.text) : "");
            if (post.debet != 0)
                rader.push_back("#TRANS " + std::to_string(post.debet) + " " + objekt + " " +
                                Punktbelopp(post.belopp) + egna);
            if (post.kredit != 0)
                rader.push_back("#TRANS " + std::to_string(post.kredit) + " " + objekt + " " +
                                Punktbelopp(0.0 - post.belopp) + egna);
        }
        rader.push_back("}");
    }

    // The checksum over the PC8 bytes of every record after the opening #KSUMMA.
    Kontrollsumma summa;
    for (std::size_t i = 2; i < rader.size(); ++i) {
        std::string fel;
        if (const auto post = TolkaSierad(TillPc8(rader[i]), fel))
            summa.Lagg(*post);
    }
    rader.push_back("#KSUMMA " + std::to_string(summa.Varde()));

    std::string text;
    for (const auto &rad : rader)
        text += rad + "\r\n";
    ut.bytes = TillPc8(text);
    ut.sammanfattning = std::to_string(antalKonton) + " konton" +
                        (antalKoder > 0 ? ", " + std::to_string(antalKoder) + " koder" : "") +
                        " och " + std::to_string(verifikationer.size()) + " verifikationer skrevs.";
    return ut;
}

void SkrivSiefil(const std::string &sokvag, const SieExport &exp) {
    if (!exp.Lyckades())
        throw Korningsfel("SIE-filen skrivs inte: exporten har problem.");
    SkrivFilSakert(sokvag, exp.bytes);
}

} // namespace tovana
