#include "entry/ui/Effektetiketter.h"

#include "core/Kontoklasser.h"
#include "core/Taltext.h"

#include <algorithm>
#include <stdexcept>

namespace tovana {

namespace {

const std::array<std::string, kEffektlabelantal> kLabelnamn = {
    "LabelTeffekt1",     "LabelTeffekt1Bel",  "LabelTeffekt2",     "LabelTeffekt2Bel",
    "LabelsummaTBel",    "LabelEKeffekt1",    "LabelEKeffekt1Bel", "LabelEKeffekt2",
    "LabelEKeffekt2Bel", "LabelOReffekt1",    "LabelOReffekt1Bel", "LabelSeffekt1",
    "LabelSeffekt1Bel",  "LabelSeffekt2",     "LabelSeffekt2Bel",  "LabelsummaEKSBel",
    "LabelIeffekt1",     "LabelIeffekt1Bel",  "LabelIeffekt2",     "LabelIeffekt2Bel",
    "LabelKeffekt1",     "LabelKeffekt1Bel",  "LabelKeffekt2",     "LabelKeffekt2Bel",
    "LabelBDeffekt1",    "LabelBDeffekt1Bel", "LabelAReffektBel"};

std::size_t Labelindex(std::string_view namn) {
    for (std::size_t i = 0; i < kLabelnamn.size(); ++i)
        if (kLabelnamn[i] == namn)
            return i;
    throw std::out_of_range("no effect label named " + std::string(namn));
}

// A class's lines in the area: the stem of their labels ("LabelTeffekt" gives
// "LabelTeffekt1" and "LabelTeffekt1Bel") and how many there are.
struct Klassrader {
    std::string_view stam;
    int antal = 0;
};

Klassrader Rader(Kontotyp klass) {
    switch (klass) {
    case kTillgangar:
        return {"LabelTeffekt", 2};
    case kEgetKapital:
        return {"LabelEKeffekt", 2};
    case kObeskattadeReserver:
        return {"LabelOReffekt", 1};
    case kSkulder:
        return {"LabelSeffekt", 2};
    case kIntakter:
        return {"LabelIeffekt", 2};
    case kKostnader:
        return {"LabelKeffekt", 2};
    case kBokslutsdispositioner:
        return {"LabelBDeffekt", 1};
    default:
        return {};
    }
}

// Writes one side on line `radnr` of its class (the last line when the class
// has fewer); `resultattext` heads the equity column's first line when the
// side changes the year's result.
void SkrivSida(Effekttexter &t, const Konteringseffekt &effekt, const Sideffekt &sida, int radnr,
               const char *resultattext) {
    const Klassrader rader = Rader(sida.klass);
    if (rader.antal == 0)
        return;
    const std::string mening = sida.konto + (sida.okar ? " ökar med" : " minskar med");
    const std::string belopp = Beloppstext(sida.belopp);
    const std::string rad = std::string(rader.stam) + std::to_string(std::min(radnr, rader.antal));
    if (sida.klass == kBokslutsdispositioner) {
        // The appropriations' line says it all in one label.
        t[rad] = mening + belopp;
        return;
    }
    t[rad] = mening;
    t[rad + "Bel"] = (sida.tecken > 0 ? "+ " : "- ") + belopp;
    if (Klass(sida.klass).effektsumma == Effektsumma::AretsResultat && effekt.aretsResultat) {
        t["LabelEKeffekt1"] = resultattext;
        t["LabelEKeffekt1Bel"] = Beloppstext(*effekt.aretsResultat);
    }
}

} // namespace

const std::array<std::string, kEffektlabelantal> &Effektlabelnamn() {
    return kLabelnamn;
}

const std::string &Effekttexter::operator[](std::string_view labelnamn) const {
    return text[Labelindex(labelnamn)];
}

std::string &Effekttexter::operator[](std::string_view labelnamn) {
    return text[Labelindex(labelnamn)];
}

Effekttexter Effekttexterna(const Konteringseffekt &effekt) {
    Effekttexter t;
    if (effekt.debet)
        SkrivSida(t, effekt, *effekt.debet, 1, "Årets resultat minskar med");
    if (effekt.kredit) {
        const bool sammaKlass = effekt.debet && effekt.debet->klass == effekt.kredit->klass;
        SkrivSida(t, effekt, *effekt.kredit, sammaKlass ? 2 : 1, "Årets resultat ändras med");
    }
    if (effekt.tillgangar)
        t["LabelsummaTBel"] = Beloppstext(*effekt.tillgangar);
    if (effekt.egetKapitalOchSkulder)
        t["LabelsummaEKSBel"] = Beloppstext(*effekt.egetKapitalOchSkulder);
    if (effekt.aretsResultat)
        t["LabelAReffektBel"] = Beloppstext(*effekt.aretsResultat);
    return t;
}

} // namespace tovana
