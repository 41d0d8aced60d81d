#include "reports/Kontoutdrag.h"

#include "core/Taltext.h"

namespace tovana {

namespace {

// How a posting moves the balance of an account of this class: +1 when a debit
// adds to it, -1 when a debit subtracts from it, 0 when the class has no
// running balance (appropriations, codes, or no account at all).
int Debetriktning(Kontotyp typ) {
    const Kontoklass &klass = Klass(typ);
    if (!klass.kontoutdrag)
        return 0;
    return klass.normalsida == Normalsida::Debet ? 1 : -1;
}

std::string Kontorad(const TKonto &konto) {
    return std::to_string(konto.nummer) + " " + konto.namn;
}

} // namespace

Kontoutdragslinjer ByggKontoutdragslinjer(const Bokforingsdata &data, int32_t nummer) {
    Kontoutdragslinjer utdrag;
    for (const TKonto &konto : data.Kontona()) {
        if (konto.nummer == nummer) {
            utdrag.hittat = true;
            utdrag.namn = konto.namn;
            utdrag.typ = konto.typ;
        }
    }
    const int riktning = Debetriktning(utdrag.typ);
    if (riktning == 0)
        return utdrag;

    double saldo = 0.0;
    auto linje = [&](const TPost &post, bool debet) {
        saldo += (debet ? riktning : -riktning) * post.belopp;
        utdrag.linjer.push_back({post.vernr, post.datum, debet, post.belopp, saldo});
    };
    for (const TPost &post : data.Posterna()) {
        if (post.debet == nummer)
            linje(post, true);
        if (post.kredit == nummer)
            linje(post, false);
    }
    return utdrag;
}

Trapport2 Kontoutdragsrad(const Kontoutdragslinje &linje) {
    Trapport2 r;
    r.vernr = std::to_string(linje.vernr);
    r.datum = linje.datum;
    (linje.debet ? r.debet : r.kredit) = KortBeloppstext(linje.belopp);
    r.saldo = KortBeloppstext(linje.saldo);
    return r;
}

Kontoutdrag ByggKontoutdrag(const Bokforingsdata &data, int32_t nummer) {
    Kontoutdragslinjer linjer = ByggKontoutdragslinjer(data, nummer);
    Kontoutdrag utdrag;
    utdrag.hittat = linjer.hittat;
    utdrag.namn = std::move(linjer.namn);
    utdrag.typ = linjer.typ;
    utdrag.Kontoutdragsrader.reserve(linjer.linjer.size());
    for (const Kontoutdragslinje &linje : linjer.linjer)
        utdrag.Kontoutdragsrader.push_back(Kontoutdragsrad(linje));
    return utdrag;
}

std::vector<std::string> Kontovalslista(const Bokforingsdata &data) {
    std::vector<std::string> rader{"Kontonplanen"};
    for (const TKonto &konto : data.Kontona())
        rader.push_back(Kontorad(konto));
    return rader;
}

std::vector<std::string> KontonSomBorjarMed(const Bokforingsdata &data, std::string_view tecken) {
    std::vector<std::string> rader{"Konton som börjar med " + std::string(tecken)};
    for (const TKonto &konto : data.Kontona()) {
        if (ArBokforingsklass(konto.typ) && std::to_string(konto.nummer).starts_with(tecken))
            rader.push_back(Kontorad(konto));
    }
    return rader;
}

std::string NummerIValrad(std::string_view rad) {
    return std::string(rad.substr(0, rad.find(' ')));
}

bool Rapportsida::Framat(int radantal) {
    if (Sidstart + kSidrader >= radantal)
        return false;
    Sidstart += kSidrader;
    return true;
}

bool Rapportsida::Bakat() {
    if (Sidstart <= 0)
        return false;
    Sidstart -= kSidrader;
    return true;
}

} // namespace tovana
