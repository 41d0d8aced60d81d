#include "entry/Konteringsregler.h"

#include "core/Taltext.h"

namespace tovana {

Hjalprader Hjalptext(Postruta ruta) {
    switch (ruta) {
    case Postruta::Vernr:
        return {"Verifikationsnumret måste vara ett heltal. Lämna rutan tom så infogas nästa "
                "vernr automatiskt.",
                ""};
    case Postruta::Datum:
        return {"Skriv datumet som ÅÅMMDD, ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD, så kan posterna senare "
                "sorteras efter datum.",
                "Lämna ruta tom om du vill ha samma datum som föregående post."};
    case Postruta::Belopp:
        return {"I beloppsrutan får inga bokstäver eller blanktecken skrivas in.",
                "Programmet infogar två decimaler och ett blanksteg som tusentalsavgränsare"};
    case Postruta::Debet:
        return {"Om du börjar skriva kontonumret visar rutan till höger vilka konton som börjar "
                "på angivna siffror.",
                "Om du inte vill debitera så lämna rutan tom. Tovana kommer att hålla reda på "
                "saldot i konteringen."};
    case Postruta::Kredit:
        return {"Om du börjar skriva ett kontonummer visar rutan till höger konton som börjar "
                "med angiven siffra.",
                "Lämna rutan tom om du inte vill kreditera. Tovana kommer att visa saldot i "
                "konteringen."};
    case Postruta::Kod:
        return {"Lämna rutan tom om du inte vill ange någon kod.", ""};
    case Postruta::Text:
        return {"Du kan ange en beskrivande text med helt fritt format.", ""};
    }
    return {"", ""};
}

std::string BeloppSaknasText(Postruta ruta, std::string_view belopp) {
    if (!belopp.empty())
        return {};
    if (ruta == Postruta::Debet)
        return "Du måste ange ett belopp innan du debiterar! Skriv 0 om du inte vill ange något "
               "belopp.";
    if (ruta == Postruta::Kredit)
        return "Det finns inget belopp! Inget kommer att sparas.";
    return {};
}

std::string KontoSaknasText(std::string_view konto) {
    return "Kontot " + std::string(konto) +
           " finns inte i kontoplanen. Kom ihåg att lägga till detta konto, annars kommer många "
           "rapporter att bli felaktiga. Om du inte vill debitera något konto ska du lämna "
           "rutan helt tom.";
}

Kontoutfall LamnaDebetruta(const Bokforingsdata &data, Postformular &formular,
                           std::string_view debet, std::string_view belopp) {
    Kontoutfall utfall;
    if (debet.empty())
        return utfall;
    const int32_t nummer = TextTillHeltal(debet);
    const bool hittat = SokBokforingskonto(data, nummer).hittat;
    formular.DebetKontrollerad = true;
    if (!hittat)
        utfall.meddelande = KontoSaknasText(debet);
    else
        utfall.effekter = DebetEffekter(data, nummer, TextTillBelopp(belopp));
    return utfall;
}

Kontoutfall LamnaKreditruta(const Bokforingsdata &data, Postformular &formular,
                            std::string_view debet, std::string_view kredit,
                            std::string_view belopp) {
    Kontoutfall utfall;
    std::optional<int32_t> debetkonto;
    std::optional<double> a; // the amount, read once a side is found
    if (debet.empty()) {
        formular.DebetKontrollerad = true;
    } else {
        debetkonto = TextTillHeltal(debet);
        if (SokBokforingskonto(data, *debetkonto).hittat) {
            formular.DebetKontrollerad = true;
            a = TextTillBelopp(belopp);
        }
    }
    if (kredit.empty()) {
        formular.KreditKontrollerad = true;
        if (a)
            utfall.effekter = KonteringsEffekter(data, debetkonto, std::nullopt, *a);
        return utfall;
    }
    const int32_t kreditkonto = TextTillHeltal(kredit);
    const bool hittat = SokBokforingskonto(data, kreditkonto).hittat;
    formular.KreditKontrollerad = true;
    if (hittat && !a)
        a = TextTillBelopp(belopp);
    if (a)
        utfall.effekter = KonteringsEffekter(data, debetkonto, kreditkonto, *a);
    if (!hittat)
        utfall.meddelande = KontoSaknasText(kredit);
    return utfall;
}

Postprovning ProvaPost(Postformular &formular, std::string_view debet, std::string_view kredit) {
    Postprovning provning;
    if (formular.DebetKontrollerad && formular.KreditKontrollerad) {
        formular.Sexpostsida = 0;
        formular.PostGodkand = true;
    }
    const bool utanKonton = debet.empty() && kredit.empty();
    if (utanKonton) {
        provning.meddelanden.emplace_back("Både debetrutan och kreditrutan kan inte lämnas tom!");
        formular.PostGodkand = false;
    }
    if (!formular.PostGodkand) {
        provning.meddelanden.emplace_back("Något i denna post är felaktigt och posten kan inte "
                                          "sparas! Rätta fel och försök på nytt.");
        if (utanKonton)
            provning.fokus = Postruta::Debet;
    }
    provning.godkand = formular.PostGodkand;
    return provning;
}

void BorjaNyPost(Postformular &formular) {
    formular.DebetKontrollerad = false;
    formular.KreditKontrollerad = false;
    formular.PostGodkand = false;
}

void BorjaOmFormularet(Postformular &formular) {
    BorjaNyPost(formular);
    formular.Sexpostsida = 0;
}

} // namespace tovana
