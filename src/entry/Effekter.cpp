#include "entry/Effekter.h"

#include "core/Taltext.h"

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

// The text and amount label of one line of a class, e.g. "LabelTeffekt" and 1
// give "LabelTeffekt1" and "LabelTeffekt1Bel".
struct Rad {
    std::string text;
    std::string belopp;
};

Rad Effektrad(std::string_view stam, int rad) {
    const std::string namn = std::string(stam) + std::to_string(rad);
    return {namn, namn + "Bel"};
}

// The label stem of a class's lines, for the classes that have two (1, 2, 4, 5, 6).
std::string_view Radstam(Kontotyp typ) {
    switch (typ) {
    case kTillgangar:
        return "LabelTeffekt";
    case kEgetKapital:
        return "LabelEKeffekt";
    case kSkulder:
        return "LabelSeffekt";
    case kIntakter:
        return "LabelIeffekt";
    case kKostnader:
        return "LabelKeffekt";
    default:
        return {};
    }
}

// How a debit or a credit changes an account of the class: " ökar med" on the
// class's normal side, " minskar med" on the other.
const char *Andring(Kontotyp typ, Normalsida sida) {
    return Klass(typ).normalsida == sida ? " ökar med" : " minskar med";
}

// Builds the texts of one post; debit first, then credit, sharing the three
// running changes.
class Effektbygge {
public:
    explicit Effektbygge(double belopp) : A_(belopp) {}

    void Debet(const Bokforingskonto &konto) {
        const std::string B = Beloppstext(A_);
        const std::string andring = Andring(konto.typ, Normalsida::Debet);
        switch (konto.typ) {
        case kTillgangar:
            Skriv(Effektrad("LabelTeffekt", 1), konto.namn + andring, "+ " + B);
            sT_ = A_;
            t_["LabelsummaTBel"] = Beloppstext(sT_);
            break;
        case kEgetKapital:
        case kObeskattadeReserver:
        case kSkulder: {
            const Rad rad = konto.typ == kObeskattadeReserver ? Effektrad("LabelOReffekt", 1)
                                                              : Effektrad(Radstam(konto.typ), 1);
            Skriv(rad, konto.namn + andring, "- " + B);
            sEKS_ = 0.0 - A_;
            t_["LabelsummaEKSBel"] = Beloppstext(sEKS_);
            break;
        }
        case kIntakter:
        case kKostnader:
            Skriv(Effektrad(Radstam(konto.typ), 1), konto.namn + andring, "- " + B);
            R_ = 0.0 - A_;
            t_["LabelAReffektBel"] = Beloppstext(R_);
            t_["LabelEKeffekt1"] = "Årets resultat minskar med";
            t_["LabelEKeffekt1Bel"] = Beloppstext(R_);
            sEKS_ = R_;
            t_["LabelsummaEKSBel"] = Beloppstext(sEKS_);
            break;
        case kBokslutsdispositioner:
            t_["LabelBDeffekt1"] = konto.namn + andring + B;
            break;
        default:
            break;
        }
    }

    // `debetklass` is the class of the post's debit account, 0 when it has none
    // (or it is not in the chart): the credit goes on the class's second line
    // when the debit already stands on the first.
    void Kredit(const Bokforingskonto &konto, Kontotyp debetklass) {
        const std::string B = Beloppstext(A_);
        const int radnr = konto.typ == debetklass ? 2 : 1;
        const std::string andring = Andring(konto.typ, Normalsida::Kredit);
        switch (konto.typ) {
        case kTillgangar:
            Skriv(Effektrad("LabelTeffekt", radnr), konto.namn + andring, "- " + B);
            sT_ = sT_ - A_;
            t_["LabelsummaTBel"] = Beloppstext(sT_);
            break;
        case kEgetKapital:
        case kObeskattadeReserver:
        case kSkulder: {
            const Rad rad = konto.typ == kObeskattadeReserver
                                ? Effektrad("LabelOReffekt", 1)
                                : Effektrad(Radstam(konto.typ), radnr);
            Skriv(rad, konto.namn + andring, "+ " + B);
            sEKS_ = sEKS_ + A_;
            t_["LabelsummaEKSBel"] = Beloppstext(sEKS_);
            break;
        }
        case kIntakter:
        case kKostnader:
            Skriv(Effektrad(Radstam(konto.typ), radnr), konto.namn + andring, "+ " + B);
            R_ = R_ + A_;
            t_["LabelAReffektBel"] = Beloppstext(R_);
            t_["LabelEKeffekt1"] = "Årets resultat ändras med";
            t_["LabelEKeffekt1Bel"] = Beloppstext(R_);
            sEKS_ = sEKS_ + A_;
            t_["LabelsummaEKSBel"] = Beloppstext(sEKS_);
            break;
        case kBokslutsdispositioner:
            t_["LabelBDeffekt1"] = konto.namn + andring + B;
            break;
        default:
            break;
        }
    }

    const Effekttexter &Texter() const { return t_; }

private:
    void Skriv(const Rad &rad, std::string text, std::string belopp) {
        t_[rad.text] = std::move(text);
        t_[rad.belopp] = std::move(belopp);
    }

    double A_;
    double sT_ = 0.0;   // change of total assets
    double sEKS_ = 0.0; // change of total equity and liabilities, the result included
    double R_ = 0.0;    // change of the year's result
    Effekttexter t_;
};

} // namespace

Bokforingskonto SokBokforingskonto(const Bokforingsdata &data, int32_t nummer) {
    Bokforingskonto funnet;
    for (int32_t i = 1; i <= data.Kontoantal; ++i) {
        const TKonto &konto = data.Konton[i];
        if (konto.nummer == nummer && ArBokforingsklass(konto.typ))
            funnet = {true, konto.typ, konto.namn};
    }
    return funnet;
}

const std::array<std::string, kEffektlabelantal> &Effektlabelnamn() {
    return kLabelnamn;
}

const std::string &Effekttexter::operator[](std::string_view labelnamn) const {
    return text[Labelindex(labelnamn)];
}

std::string &Effekttexter::operator[](std::string_view labelnamn) {
    return text[Labelindex(labelnamn)];
}

Effekttexter DebetEffekter(const Bokforingsdata &data, int32_t debet, double belopp) {
    return KonteringsEffekter(data, debet, std::nullopt, belopp);
}

Effekttexter KonteringsEffekter(const Bokforingsdata &data, std::optional<int32_t> debet,
                                std::optional<int32_t> kredit, double belopp) {
    Effektbygge bygge(belopp);
    Kontotyp debetklass = 0;
    if (debet) {
        const Bokforingskonto konto = SokBokforingskonto(data, *debet);
        if (konto.hittat) {
            bygge.Debet(konto);
            debetklass = konto.typ;
        }
    }
    if (kredit) {
        const Bokforingskonto konto = SokBokforingskonto(data, *kredit);
        if (konto.hittat)
            bygge.Kredit(konto, debetklass);
    }
    return bygge.Texter();
}

} // namespace tovana
