#include "maintenance/Sieimport.h"

#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"
#include "maintenance/IB.h"
#include "maintenance/Siefil.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

namespace tovana {

namespace {

// An object: its dimension and its id.
using Objektnyckel = std::pair<std::string, std::string>;

struct Verrad {
    long radnr = 0;
    int32_t konto = 0;
    double belopp = 0;
    int64_t oren = 0;
    std::optional<Objektnyckel> objekt;
    std::string datum; // ÅÅÅÅMMDD or empty: the verification's
    std::string text;
};

struct Verifikation {
    long radnr = 0;
    std::string serie;
    std::string nummer;
    std::string datum;
    std::string text;
    std::vector<Verrad> rader;
};

struct Ibrad {
    int32_t konto = 0;
    double belopp = 0;
};

// A #UB or #RES: the balance the file states and its line.
struct Angivet {
    int64_t oren = 0;
    long radnr = 0;
};

struct Kontouppgift {
    std::string namn;
    bool namngivet = false;
    char ktyp = 0;
};

struct Objekt {
    Objektnyckel nyckel;
    std::string namn;
    int32_t kod = 0;
};

std::string Rad(long radnr) {
    return "Rad " + std::to_string(radnr) + ": ";
}

// A positive whole number of digits only that an int32 holds.
std::optional<int32_t> Nummer(std::string_view text) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int64_t v = 0;
    for (char c : text)
        v = v * 10 + (c - '0');
    if (v <= 0 || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

std::string Falt(const Siepost &post, std::size_t i) {
    return i < post.falt.size() && !post.falt[i].lista ? post.falt[i].text : std::string();
}

// The #KSUMMA checksum of the file's own bytes checked: a bare #KSUMMA opens
// the records it covers, #KSUMMA with a number closes them. A file without
// #KSUMMA has nothing to check.
void KontrolleraKsumma(std::string_view bytes, Meddelandelista &fel, Meddelandelista &problem) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    Radlasare lasare(bytes);
    std::string_view rad;
    Kontrollsumma summa;
    long oppnad = 0;
    bool stangd = false;
    bool efter = false;
    while (lasare.NastaRad(rad)) {
        const long radnr = lasare.Radnummer();
        rad = Trimmad(rad);
        std::string orsak;
        const auto post = rad.starts_with('#') ? TolkaSierad(rad, orsak) : std::nullopt;
        if (!post)
            continue;
        if (post->etikett != "#KSUMMA") {
            if (oppnad != 0 && !stangd)
                summa.Lagg(*post);
            else if (stangd && !efter) {
                efter = true;
                problem.Lagg(Rad(radnr) + "raden står efter den avslutande #KSUMMA och ingår "
                                          "inte i kontrollsumman.");
            }
            continue;
        }
        if (post->falt.empty()) {
            if (oppnad == 0)
                oppnad = radnr;
            continue;
        }
        const std::string &text = post->falt[0].text;
        const bool negativ = text.starts_with('-');
        const auto siffror = std::string_view(text).substr(negativ ? 1 : 0);
        int64_t varde = 0;
        const bool tal = !post->falt[0].lista && !siffror.empty() && siffror.size() <= 10 &&
                         siffror.find_first_not_of("0123456789") == std::string_view::npos;
        for (const char c : tal ? siffror : std::string_view())
            varde = varde * 10 + (c - '0');
        if (!tal || varde > (negativ ? 0x80000000LL : 0xFFFFFFFFLL)) {
            fel.Lagg(Rad(radnr) + "kontrollsumman \"" + Visningstext(text) +
                     "\" är inget tal som #KSUMMA kan hålla.");
            stangd = true;
            continue;
        }
        // Some writers give the sum as a signed number.
        const auto angiven = static_cast<uint32_t>(negativ ? 0x100000000LL - varde : varde);
        if (oppnad == 0 || stangd) {
            problem.Lagg(Rad(radnr) + "#KSUMMA " + text +
                         " saknar en inledande #KSUMMA; kontrollsumman kontrolleras inte.");
            continue;
        }
        if (angiven != summa.Varde())
            fel.Lagg(Rad(radnr) + "kontrollsumman " + text + " stämmer inte med filens innehåll (" +
                     std::to_string(summa.Varde()) +
                     "): filen har ändrats eller skadats efter att den skrevs.");
        stangd = true;
    }
    if (oppnad != 0 && !stangd)
        fel.Lagg(Rad(oppnad) + "filen börjar med #KSUMMA men slutar utan den avslutande "
                               "#KSUMMA med kontrollsumman: filen är avkortad. Hämta eller "
                               "exportera den på nytt.");
}

class Sielasare {
public:
    Sielasare(Meddelandelista fel, Meddelandelista problem)
        : fel_(std::move(fel)), problem_(std::move(problem)) {}
    void Las(std::string_view text);
    SieImport Resultat() &&;

private:
    void Post(long radnr, const Siepost &post);
    void KontrolleraSaldon();
    void Transaktion(long radnr, const Siepost &post, bool tillagd);
    void StangVerifikation();
    bool Belopp(long radnr, const std::string &text, double &belopp, int64_t &oren);
    bool Konto(long radnr, const std::string &text, int32_t &konto);

    Meddelandelista fel_;
    Meddelandelista problem_;
    bool sietyp_ = false; // a #SIETYP was read, right or wrong
    bool saldon_ = false;
    std::string fnamn_;
    std::string fran_;
    std::map<int32_t, Kontouppgift> konton_;
    std::vector<Objekt> objekt_;
    std::vector<Ibrad> ib_;
    std::map<int32_t, Angivet> ub_;
    std::map<int32_t, Angivet> res_;
    std::vector<Verifikation> ver_;
    bool vantarKlammer_ = false;
    bool iVerifikation_ = false;
    std::optional<Verrad> tillagdRad_; // an #RTRANS whose copy as #TRANS follows
};

void Sielasare::Las(std::string_view text) {
    Radlasare lasare(text);
    std::string_view rad;
    while (lasare.NastaRad(rad)) {
        const long radnr = lasare.Radnummer();
        rad = Trimmad(rad);
        if (rad.empty())
            continue;
        if (rad == "{") {
            if (vantarKlammer_)
                iVerifikation_ = true;
            else
                fel_.Lagg(Rad(radnr) + "\"{\" utan #VER före.");
            vantarKlammer_ = false;
            continue;
        }
        if (rad == "}") {
            if (iVerifikation_)
                StangVerifikation();
            else
                fel_.Lagg(Rad(radnr) + "\"}\" utan \"{\" före.");
            continue;
        }
        if (vantarKlammer_) {
            fel_.Lagg(Rad(radnr) + "verifikationen på rad " + std::to_string(ver_.back().radnr) +
                      " ska följas av en rad med \"{\".");
            vantarKlammer_ = false;
        }
        std::string orsak;
        const auto post = TolkaSierad(rad, orsak);
        if (!post) {
            fel_.Lagg(Rad(radnr) + orsak);
            continue;
        }
        Post(radnr, *post);
    }
    if (vantarKlammer_ || iVerifikation_)
        fel_.Lagg(Rad(ver_.back().radnr) + "verifikationen avslutas aldrig med \"}\".");
    if (!sietyp_)
        fel_.Lagg("Filen saknar #SIETYP 4; bara SIE-filer av typ 4 (4E och 4I) kan läsas in.");
    if (saldon_ && fran_.empty())
        fel_.Lagg("Filen saknar #RAR 0, räkenskapsårets första och sista dag, som de ingående "
                  "balanserna dateras med.");
}

bool Sielasare::Belopp(long radnr, const std::string &text, double &belopp, int64_t &oren) {
    if (!ForsokPunktbelopp(text, belopp) || !(std::fabs(belopp) < 1e15)) {
        fel_.Lagg(Rad(radnr) + "beloppet \"" + Visningstext(text) +
                  "\" kan inte läsas (skrivs med decimalpunkt, t.ex. -1250.50).");
        return false;
    }
    // The format writes whole öre; zeros past them change nothing.
    if (const auto punkt = text.find('.');
        punkt != std::string::npos &&
        text.find_first_not_of('0', std::min(punkt + 3, text.size())) != std::string::npos) {
        fel_.Lagg(Rad(radnr) + "beloppet \"" + Visningstext(text) +
                  "\" har fler än två decimaler; en SIE-fil skriver belopp i hela ören.");
        return false;
    }
    oren = std::llround(belopp * 100.0);
    return true;
}

bool Sielasare::Konto(long radnr, const std::string &text, int32_t &konto) {
    const auto nummer = Nummer(text);
    if (!nummer) {
        fel_.Lagg(Rad(radnr) + "kontonumret \"" + Visningstext(text) + "\" är inget kontonummer.");
        return false;
    }
    konto = *nummer;
    return true;
}

void Sielasare::Post(long radnr, const Siepost &post) {
    const std::string &e = post.etikett;
    const std::size_t antal = post.falt.size();
    const auto saknas = [&](const std::string &vad) {
        fel_.Lagg(Rad(radnr) + e + " behöver " + vad + ".");
    };
    if (iVerifikation_) {
        if (e == "#TRANS" || e == "#RTRANS")
            Transaktion(radnr, post, e == "#RTRANS");
        else if (e == "#VER")
            fel_.Lagg(Rad(radnr) + "#VER innan verifikationen före avslutats med \"}\".");
        // #BTRANS (a struck row) and unknown records inside a verification are skipped.
        return;
    }
    if (e == "#FORMAT") {
        std::string namn = Falt(post, 0);
        std::transform(namn.begin(), namn.end(), namn.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        if (namn != "PC8")
            fel_.Lagg(Rad(radnr) + "teckenuppsättningen \"" + Visningstext(Falt(post, 0)) +
                      "\" är okänd; en SIE-fil skrivs i PC8 (kodtabell 437).");
    } else if (e == "#SIETYP") {
        sietyp_ = true;
        if (Falt(post, 0) != "4")
            fel_.Lagg(Rad(radnr) + "SIE-typ \"" + Visningstext(Falt(post, 0)) +
                      "\" kan inte läsas in; bara typ 4 (4E och 4I).");
    } else if (e == "#FNAMN") {
        fnamn_ = Falt(post, 0);
    } else if (e == "#RAR") {
        if (Falt(post, 0) != "0")
            return;
        if (!ArSiedatum(Falt(post, 1)) || !ArSiedatum(Falt(post, 2)) ||
            Falt(post, 1) > Falt(post, 2))
            fel_.Lagg(Rad(radnr) + "#RAR 0 ska ange räkenskapsårets första och sista dag, "
                                   "skrivna ÅÅÅÅMMDD.");
        else
            fran_ = Falt(post, 1);
    } else if (e == "#KONTO") {
        int32_t konto = 0;
        if (antal < 2)
            saknas("ett kontonummer och ett namn");
        else if (Konto(radnr, Falt(post, 0), konto))
            konton_[konto] = {Falt(post, 1), true, konton_[konto].ktyp};
    } else if (e == "#KTYP") {
        int32_t konto = 0;
        if (antal < 2)
            saknas("ett kontonummer och en kontotyp");
        else if (Konto(radnr, Falt(post, 0), konto))
            konton_[konto].ktyp = Falt(post, 1).empty() ? char{0} : Falt(post, 1)[0];
    } else if (e == "#OBJEKT") {
        if (antal < 3) {
            saknas("en dimension, ett objekt och ett namn");
            return;
        }
        Objektnyckel nyckel{Falt(post, 0), Falt(post, 1)};
        auto it = std::find_if(objekt_.begin(), objekt_.end(),
                               [&](const Objekt &o) { return o.nyckel == nyckel; });
        if (it == objekt_.end())
            objekt_.push_back({std::move(nyckel), Falt(post, 2), 0});
        else
            it->namn = Falt(post, 2);
    } else if (e == "#IB" || e == "#UB" || e == "#RES") {
        if (Falt(post, 0) != "0")
            return;
        saldon_ = true;
        Ibrad ib;
        int64_t oren = 0;
        if (antal < 3)
            saknas("ett årsnummer, ett kontonummer och ett belopp");
        else if (!Konto(radnr, Falt(post, 1), ib.konto) ||
                 !Belopp(radnr, Falt(post, 2), ib.belopp, oren))
            return;
        else if (e != "#IB")
            (e == "#UB" ? ub_ : res_)[ib.konto] = {oren, radnr};
        else if (oren != 0)
            ib_.push_back(ib);
    } else if (e == "#VER") {
        Verifikation ver;
        ver.radnr = radnr;
        ver.serie = Falt(post, 0);
        ver.nummer = Falt(post, 1);
        ver.datum = Falt(post, 2);
        ver.text = Falt(post, 3);
        if (!ArSiedatum(ver.datum))
            fel_.Lagg(Rad(radnr) + "verifikationsdatumet \"" + Visningstext(ver.datum) +
                      "\" är inget datum skrivet ÅÅÅÅMMDD.");
        ver_.push_back(std::move(ver));
        vantarKlammer_ = true;
    } else if (e == "#TRANS" || e == "#RTRANS" || e == "#BTRANS") {
        fel_.Lagg(Rad(radnr) + e + " står utanför en verifikation.");
    }
    // Every other record, known or not, is skipped.
}

void Sielasare::Transaktion(long radnr, const Siepost &post, bool tillagd) {
    if (post.falt.size() < 2) {
        fel_.Lagg(Rad(radnr) + post.etikett + " behöver ett kontonummer och ett belopp.");
        return;
    }
    Verrad rad;
    rad.radnr = radnr;
    if (!Konto(radnr, Falt(post, 0), rad.konto))
        return;
    // The object list may be missing in files from older writers.
    std::size_t i = 1;
    if (post.falt[1].lista) {
        const auto &delar = post.falt[1].delar;
        if (delar.size() % 2 != 0) {
            fel_.Lagg(Rad(radnr) + "objektlistan ska hålla par av dimension och objekt.");
            return;
        }
        if (!delar.empty())
            rad.objekt = Objektnyckel{delar[0], delar[1]};
        // A post has one code: the first object stands for the row.
        if (delar.size() > 2)
            problem_.Lagg(Rad(radnr) + "objektlistan har " + std::to_string(delar.size() / 2) +
                          " objekt; bara det första (dimension " + Visningstext(delar[0]) +
                          ", objekt \"" + Visningstext(delar[1]) + "\") följer med raden.");
        ++i;
    }
    if (!Belopp(radnr, Falt(post, i), rad.belopp, rad.oren))
        return;
    rad.datum = Falt(post, i + 1);
    if (!rad.datum.empty() && !ArSiedatum(rad.datum)) {
        fel_.Lagg(Rad(radnr) + "transaktionsdatumet \"" + Visningstext(rad.datum) +
                  "\" är inget datum skrivet ÅÅÅÅMMDD.");
        return;
    }
    rad.text = Falt(post, i + 2);
    const auto samma = [](const Verrad &a, const Verrad &b) {
        return a.konto == b.konto && a.oren == b.oren && a.objekt == b.objekt;
    };
    // An added row is followed by its copy as #TRANS for readers that do not
    // know #RTRANS; the copy is not a row of its own.
    if (!tillagd && tillagdRad_ && samma(*tillagdRad_, rad)) {
        tillagdRad_.reset();
        return;
    }
    tillagdRad_.reset();
    if (tillagd)
        tillagdRad_ = rad;
    ver_.back().rader.push_back(std::move(rad));
}

void Sielasare::StangVerifikation() {
    iVerifikation_ = false;
    tillagdRad_.reset();
    const Verifikation &ver = ver_.back();
    __int128 summa = 0; // no count of rows overflows it
    for (const auto &rad : ver.rader)
        summa += rad.oren;
    if (summa != 0)
        fel_.Lagg(Rad(ver.radnr) + "verifikation " +
                  std::string(Trimmad(ver.serie + " " + ver.nummer)) +
                  " balanserar inte: raderna summerar till " +
                  Beloppstext(static_cast<double>(summa) / 100.0, "") + ".");
}

// Each #UB 0 against the account's #IB 0 and rows, each #RES 0 against its
// rows, to the öre. An account the file gives no balance for is not checked:
// writers leave out the zero ones.
void Sielasare::KontrolleraSaldon() {
    std::map<int32_t, int64_t> ingaende;
    std::map<int32_t, int64_t> rorelse;
    for (const auto &ib : ib_)
        ingaende[ib.konto] += std::llround(ib.belopp * 100.0);
    for (const auto &ver : ver_)
        for (const auto &rad : ver.rader)
            rorelse[rad.konto] += rad.oren;
    const auto kronor = [](int64_t oren) {
        return Beloppstext(static_cast<double>(oren) / 100.0, "");
    };
    // Both lists in file order of their lines.
    std::vector<std::tuple<long, int32_t, bool>> rader;
    for (const auto &[konto, angivet] : ub_)
        rader.emplace_back(angivet.radnr, konto, true);
    for (const auto &[konto, angivet] : res_)
        rader.emplace_back(angivet.radnr, konto, false);
    std::sort(rader.begin(), rader.end());
    for (const auto &[radnr, konto, ub] : rader) {
        const int64_t angivet = (ub ? ub_ : res_).at(konto).oren;
        const int64_t raknat = rorelse[konto] + (ub ? ingaende[konto] : 0);
        if (angivet != raknat)
            problem_.Lagg(Rad(radnr) + (ub ? "#UB" : "#RES") + " 0 för konto " +
                          std::to_string(konto) + " är " + kronor(angivet) + ", men " +
                          (ub ? "#IB och verifikationerna" : "verifikationerna") + " ger " +
                          kronor(raknat) + ".");
    }
}

SieImport Sielasare::Resultat() && {
    SieImport ut;
    if (!fel_.Tom()) {
        ut.fel = std::move(fel_).Rader();
        return ut;
    }
    KontrolleraSaldon();
    // Accounts the posts use without a #KONTO of their own.
    long utanNamn = 0;
    const auto anvand = [&](int32_t konto) {
        Kontouppgift &uppgift = konton_[konto];
        if (!uppgift.namngivet) {
            uppgift.namn = "Konto " + std::to_string(konto);
            uppgift.namngivet = true;
            ++utanNamn;
        }
    };
    for (const auto &ib : ib_)
        anvand(ib.konto);
    for (const auto &ver : ver_)
        for (const auto &rad : ver.rader) {
            anvand(rad.konto);
            if (rad.objekt && std::none_of(objekt_.begin(), objekt_.end(), [&](const Objekt &o) {
                    return o.nyckel == *rad.objekt;
                }))
                objekt_.push_back({*rad.objekt, "Objekt " + rad.objekt->second, 0});
        }

    // Codes: an object whose id is a number free among accounts and codes keeps
    // it; the others are numbered 1, 2, ... in file order past the taken ones.
    std::set<int32_t> upptagna;
    for (const auto &[nummer, uppgift] : konton_)
        if (uppgift.namngivet)
            upptagna.insert(nummer);
    for (auto &objekt : objekt_)
        if (const auto nummer = Nummer(objekt.nyckel.second);
            nummer && upptagna.insert(*nummer).second)
            objekt.kod = *nummer;
    int32_t nasta = 1;
    for (auto &objekt : objekt_) {
        if (objekt.kod != 0)
            continue;
        while (upptagna.count(nasta) > 0)
            ++nasta;
        objekt.kod = nasta;
        upptagna.insert(nasta);
    }

    for (const auto &[nummer, uppgift] : konton_)
        if (uppgift.namngivet)
            ut.konton.push_back({KlassAvSiekonto(nummer, uppgift.ktyp), nummer,
                                 ForstaTecken(Skrivbar(uppgift.namn), kNamnlangd)});
    for (const auto &objekt : objekt_)
        ut.konton.push_back({kKoder, objekt.kod, ForstaTecken(Skrivbar(objekt.namn), kNamnlangd)});
    std::stable_sort(ut.konton.begin(), ut.konton.end(), [](const TKonto &a, const TKonto &b) {
        return std::pair(a.typ, a.nummer) < std::pair(b.typ, b.nummer);
    });

    const auto kod = [&](const std::optional<Objektnyckel> &nyckel) {
        if (!nyckel)
            return int32_t{0};
        return std::find_if(objekt_.begin(), objekt_.end(),
                            [&](const Objekt &o) { return o.nyckel == *nyckel; })
            ->kod;
    };
    const auto text = [](const std::string &t) { return ForstaTecken(Skrivbar(t), kTextlangd); };

    for (const auto &ib : ib_) {
        TPost post{0, fran_.substr(2), 0, 0, 0, std::fabs(ib.belopp), kIBtext};
        (ib.belopp > 0 ? post.debet : post.kredit) = ib.konto;
        ut.poster.push_back(std::move(post));
    }

    // The verification numbers are kept when every one is a number used once.
    std::set<int32_t> nummer;
    bool behall = true;
    for (const auto &ver : ver_) {
        const auto n = Nummer(ver.nummer);
        behall = behall && n && nummer.insert(*n).second;
    }
    int32_t lopnummer = 0;
    for (const auto &ver : ver_) {
        ++lopnummer;
        const int32_t vernr = behall ? *Nummer(ver.nummer) : lopnummer;
        const std::string forled =
            behall || (ver.serie + ver.nummer).empty() ? "" : ver.serie + ver.nummer + " ";
        const auto datum = [&](const Verrad &rad) {
            return (rad.datum.empty() ? ver.datum : rad.datum).substr(2);
        };
        const auto &r = ver.rader;
        if (r.size() == 2 && r[0].oren == -r[1].oren && r[0].objekt == r[1].objekt &&
            datum(r[0]) == datum(r[1])) {
            const Verrad &debet = r[0].oren >= 0 ? r[0] : r[1];
            const Verrad &kredit = r[0].oren >= 0 ? r[1] : r[0];
            ut.poster.push_back({vernr, datum(debet), debet.konto, kredit.konto, kod(debet.objekt),
                                 debet.belopp, text(forled + ver.text)});
            continue;
        }
        for (const auto &rad : r) {
            TPost post{vernr,
                       datum(rad),
                       0,
                       0,
                       kod(rad.objekt),
                       std::fabs(rad.belopp),
                       text(forled + (rad.text.empty() ? ver.text : rad.text))};
            (rad.belopp >= 0 ? post.debet : post.kredit) = rad.konto;
            ut.poster.push_back(std::move(post));
        }
    }

    std::string namn = fnamn_.empty() ? "SIE-import" : ForstaTecken(Skrivbar(fnamn_), kNamnlangd);
    // The name is the first line of both files: "þÿ" or "ÿþ" there would be
    // written as the bytes of a UTF-16 byte order mark, and the file not read.
    if (namn.starts_with("\u00FE\u00FF") || namn.starts_with("\u00FF\u00FE"))
        namn.replace(0, std::string_view("\u00FE").size(), "?");
    ut.kontoplannamn = namn;
    ut.redovisningsnamn = namn;
    const long antalKoder = static_cast<long>(objekt_.size());
    ut.sammanfattning = std::to_string(ut.konton.size() - objekt_.size()) + " konton" +
                        (antalKoder > 0 ? ", " + std::to_string(antalKoder) + " koder" : "") +
                        " och " + std::to_string(ver_.size()) + " verifikationer (" +
                        std::to_string(ut.poster.size()) + " poster) lästes.";
    if (utanNamn > 0)
        ut.sammanfattning += " " + std::to_string(utanNamn) +
                             " konton saknade #KONTO i filen och heter \"Konto <nummer>\".";
    ut.problem = std::move(problem_).Rader();
    return ut;
}

} // namespace

SieImport Importera(std::string_view bytes) {
    const auto text = LasSietext(bytes);
    if (!text) {
        SieImport ut;
        ut.fel.push_back("Filen är skriven i UTF-16; en SIE-fil skrivs i PC8 (kodtabell 437).");
        return ut;
    }
    Meddelandelista fel;
    Meddelandelista problem;
    KontrolleraKsumma(bytes, fel, problem);
    Sielasare lasare(std::move(fel), std::move(problem));
    lasare.Las(text->text);
    return std::move(lasare).Resultat();
}

Bokforingsdata SomBokforingsdata(const SieImport &import) {
    Bokforingsdata data;
    data.Kontoplannamn = import.kontoplannamn;
    data.Redovisningsnamn = import.redovisningsnamn;
    for (const auto &konto : import.konton) {
        data.Kontoplats(++data.Kontoantal) = konto;
        data.KoderFinns = data.KoderFinns || konto.typ == kKoder;
    }
    for (const auto &post : import.poster)
        data.Postplats(++data.Postantal) = post;
    return data;
}

} // namespace tovana
