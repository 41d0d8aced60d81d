#include "entry/Postinmatning.h"

#include "core/Behandlingslogg.h"

#include "core/Datum.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "entry/Konteringsregler.h"

#include <cmath>

namespace tovana {

namespace {

bool ArSiffra(char c) {
    return c >= '0' && c <= '9';
}

// A text that the ledger line cannot hold as one field: a line break would
// split the post.
void KontrolleraText(const std::string &text) {
    if (text.find_first_of("\r\n") != std::string::npos)
        throw Korningsfel("Datum och text får inte innehålla radbrytningar.");
}

} // namespace

std::string BaraSiffror(std::string_view text) {
    std::string siffror;
    for (char c : text)
        if (ArSiffra(c))
            siffror += c;
    return siffror;
}

std::string NormaliseraBelopp(std::string_view text) {
    std::string s(text);
    if (const auto punkt = s.find('.'); punkt != std::string::npos)
        s[punkt] = ',';
    std::string belopp;
    for (char c : s)
        if (ArSiffra(c) || c == ',')
            belopp += c;
    return belopp;
}

int64_t NastaVernr(const Bokforingsdata &data) {
    if (data.Postantal <= 0)
        return 1;
    return int64_t{data.Poster[data.Postantal].vernr} + 1;
}

std::string ForegaendeDatum(const Bokforingsdata &data) {
    if (data.Postantal <= 0)
        return {};
    return data.Poster[data.Postantal].datum;
}

std::string Datumfel(const Bokforingsdata &data, std::string_view datum) {
    if (datum.find_first_of("\r\n") != std::string_view::npos)
        return "Datum och text får inte innehålla radbrytningar.";
    if (datum.find(';') != std::string_view::npos)
        return "Datumet får inte innehålla semikolon (;).";
    if (LasDatum(datum) || datum == ForegaendeDatum(data))
        return {};
    return kOlasbartDatum;
}

void FyllStandardvarden(const Bokforingsdata &data, Postrutor &rutor) {
    if (rutor.vernr.empty())
        rutor.vernr = std::to_string(NastaVernr(data));
    if (rutor.datum.empty())
        rutor.datum = ForegaendeDatum(data);
    for (std::string *ruta : {&rutor.belopp, &rutor.debet, &rutor.kredit, &rutor.kod})
        if (ruta->empty())
            *ruta = "0";
}

double Saldoandring(double saldo, const TPost &post) {
    if (post.debet == 0)
        saldo -= post.belopp;
    if (post.kredit == 0)
        saldo += post.belopp;
    return saldo;
}

bool ArEnsidig(const TPost &post) {
    return post.debet == 0 || post.kredit == 0;
}

int32_t SparaPost(Bokforingsdata &data, Postformular &formular, const Postrutor &rutor) {
    KontrolleraSkrivbarRedovisning(data);
    // Every box is converted before anything is written, in box order, so the
    // first text that does not convert is the one reported.
    TPost post;
    post.vernr = TextTillHeltal(rutor.vernr);
    post.belopp = TextTillBelopp(rutor.belopp);
    post.debet = TextTillHeltal(rutor.debet);
    post.kredit = TextTillHeltal(rutor.kredit);
    post.kod = TextTillHeltal(rutor.kod);
    if (const std::string fel = Datumfel(data, rutor.datum); !fel.empty())
        throw Korningsfel(fel);
    KontrolleraText(rutor.text);

    // The file and the table hold the same date and text, each within its
    // limit (a date that passed is at most 8 characters once stored); only the
    // amount is written as typed.
    post.datum = ForstaTecken(Lagringsdatum(rutor.datum), kDatumlangd);
    post.text = ForstaTecken(rutor.text, kTextlangd);
    KontrolleraOppenPeriod(data, post);
    // The log holds the line as the file does, the amount as typed.
    const std::string rad = Postrad(post, rutor.belopp);
    MedLogg(data, NyLoggpost(loggtyp::kNyPost, {}, {rad}), [&] { SparaNyaPostrader(data, {rad}); });

    const int32_t plats = data.Postantal + 1;
    data.Postplats(plats) = post;
    data.Postantal = plats;
    formular.Konteringssaldo = Saldoandring(formular.Konteringssaldo, post);
    BorjaNyPost(formular);
    return plats;
}

std::string SaldotextEfterSparning(double saldo) {
    if (!ArOppetSaldo(saldo))
        return {};
    if (saldo > 0)
        return "Debetsaldo med " + Beloppstext(saldo);
    return "Kreditsaldo med " + Beloppstext(std::fabs(saldo));
}

} // namespace tovana
