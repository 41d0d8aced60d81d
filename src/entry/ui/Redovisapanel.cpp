#include "entry/ui/Redovisapanel.h"

#include "core/Taltext.h"
#include "entry/Konteringsregler.h"
#include "entry/Postinmatning.h"
#include "entry/Redovisning.h"
#include "entry/ui/Effektyta.h"
#include "entry/ui/Kontosok.h"
#include "entry/ui/Raknepanel.h"
#include "entry/ui/Senasteposter.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const QColor kFokusfarg(166, 194, 233);
const QColor kVit(255, 255, 255);

QString Q(const std::string &text) {
    return QString::fromStdString(text);
}
std::string S(const QString &text) {
    return text.toStdString();
}

} // namespace

Redovisapanel::Redovisapanel(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelRedovisa"), QStringLiteral("LabelRedovisaRubrik"),
                  QStringLiteral("Redovisa")),
      form_(form) {
    ByggPanel();
    SattTabbordning();
}

// --- Focus --------------------------------------------------------------------

int Redovisapanel::Rutnummer(QObject *objekt) const {
    for (int i = 0; i < kRutantal; ++i)
        if (rutor_[i] == objekt)
            return i;
    return -1;
}

void Redovisapanel::Lamna(int ruta) {
    if (programflytt_) {
        // A handler sends the focus elsewhere: the box is only left behind.
        Mala(rutor_[ruta], false);
        if (aktiv_ == ruta)
            aktiv_ = -1;
    } else {
        // The focus is on its way to `nasta`. A message shown by the exit
        // behaviour takes the focus away, and the box it was going to then gets
        // it back without entering; its enter behaviour is run here instead.
        QWidget *nasta = QApplication::focusWidget();
        Exit(ruta);
        const int nastaRuta = Rutnummer(nasta);
        if (nastaRuta >= 0 && nastaRuta != ruta && QApplication::focusWidget() != nasta &&
            form_.Agare().focusWidget() == nasta)
            Enter(nastaRuta);
    }
}

// Each box's enter and exit behaviour, in box order.
const std::array<std::pair<void (Redovisapanel::*)(), void (Redovisapanel::*)()>,
                 tovana::kPostrutor>
    Redovisapanel::kHanterare = {{
        {&Redovisapanel::EditvernrEnter, &Redovisapanel::EditvernrExit},
        {&Redovisapanel::EditDatumEnter, &Redovisapanel::EditDatumExit},
        {&Redovisapanel::EditBeloppEnter, &Redovisapanel::EditBeloppExit},
        {&Redovisapanel::EditDebitEnter, &Redovisapanel::EditDebitExit},
        {&Redovisapanel::EditKreditEnter, &Redovisapanel::EditKreditExit},
        {&Redovisapanel::EditKodEnter, &Redovisapanel::EditKodExit},
        {&Redovisapanel::EditTextEnter, &Redovisapanel::EditTextExit},
    }};

void Redovisapanel::Enter(int ruta) {
    if (aktiv_ == ruta)
        return;
    aktiv_ = ruta;
    ++enterraknare_[ruta];
    form_.Kor([&] { (this->*kHanterare[ruta].first)(); });
}

void Redovisapanel::Exit(int ruta) {
    if (aktiv_ == ruta)
        aktiv_ = -1;
    form_.Kor([&] { (this->*kHanterare[ruta].second)(); });
}

void Redovisapanel::FlyttaFokus(QLineEdit *till) {
    const int fran = aktiv_;
    const int mal = Rutnummer(till);
    const unsigned fore = enterraknare_[mal];
    const bool tidigare = programflytt_;
    programflytt_ = true;
    till->setFocus(Qt::OtherFocusReason);
    programflytt_ = tidigare;
    // With the window inactive no focus events came: do their work here.
    if (fran >= 0 && fran != mal && aktiv_ == fran) {
        Mala(rutor_[fran], false);
        aktiv_ = -1;
    }
    if (enterraknare_[mal] == fore)
        Enter(mal);
}

void Redovisapanel::Mala(QLineEdit *ruta, bool fokus) {
    QPalette p = ruta->palette();
    p.setColor(QPalette::Base, fokus ? kFokusfarg : kVit);
    ruta->setPalette(p);
}

void Redovisapanel::Hjalp(const char *rad1, const char *rad2) {
    LabelRedHjalp_->setText(QString::fromUtf8(rad1));
    LabelRedHjalp2_->setText(QString::fromUtf8(rad2));
}

void Redovisapanel::Hjalp(tovana::Postruta ruta) {
    const tovana::Hjalprader rader = tovana::Hjalptext(ruta);
    Hjalp(rader.rad1, rader.rad2);
}

void Redovisapanel::VisaUtfall(const tovana::Kontoutfall &utfall) {
    if (utfall.effekter)
        effekter_->Visa(*utfall.effekter);
    if (!utfall.meddelande.empty())
        form_.Meddelande(Q(utfall.meddelande));
}

void Redovisapanel::KraverBelopp(tovana::Postruta ruta) {
    const std::string text = tovana::BeloppSaknasText(ruta, S(EditBelopp_->text()));
    if (text.empty())
        return;
    form_.Meddelande(Q(text));
    FlyttaFokus(EditBelopp_);
}

// --- The boxes ----------------------------------------------------------------

void Redovisapanel::EditvernrEnter() {
    Mala(Editvernr_, true);
    Hjalp(tovana::Postruta::Vernr);
    senaste_->Hoppavernr()->clear();
    senaste_->Hoppapostnr()->clear();
}

void Redovisapanel::EditvernrExit() {
    if (!Editvernr_->text().isEmpty())
        Editvernr_->setText(Q(tovana::BaraSiffror(S(Editvernr_->text()))));
    Hjalp("", "");
    Mala(Editvernr_, false);
}

void Redovisapanel::EditDatumEnter() {
    Mala(EditDatum_, true);
    Hjalp(tovana::Postruta::Datum);
}

void Redovisapanel::EditDatumExit() {
    Hjalp("", "");
    Mala(EditDatum_, false);
}

void Redovisapanel::EditBeloppEnter() {
    Mala(EditBelopp_, true);
    Hjalp(tovana::Postruta::Belopp);
    Panelrakna_->show();
    Panelrakna_->Tom();
}

void Redovisapanel::EditBeloppExit() {
    Hjalp("", "");
    EditBelopp_->setText(Q(tovana::NormaliseraBelopp(S(EditBelopp_->text()))));
    Mala(EditBelopp_, false);
}

void Redovisapanel::EditDebitEnter() {
    Panelrakna_->hide();
    Hjalp(tovana::Postruta::Debet);
    Mala(EditDebit_, true);
    RensaEffekter();
    KraverBelopp(tovana::Postruta::Debet);
}

void Redovisapanel::EditDebitExit() {
    if (!EditDebit_->text().isEmpty())
        EditDebit_->setText(Q(tovana::BaraSiffror(S(EditDebit_->text()))));
    LabelRedHjalp_->clear();
    Mala(EditDebit_, false);
    kontosok_->Tom();
    VisaUtfall(tovana::LamnaDebetruta(form_.Data(), formular_, S(EditDebit_->text()),
                                      S(EditBelopp_->text())));
}

void Redovisapanel::EditKreditEnter() {
    Panelrakna_->hide();
    Hjalp(tovana::Postruta::Kredit);
    Mala(EditKredit_, true);
    KraverBelopp(tovana::Postruta::Kredit);
}

void Redovisapanel::EditKreditExit() {
    if (!EditKredit_->text().isEmpty())
        EditKredit_->setText(Q(tovana::BaraSiffror(S(EditKredit_->text()))));
    Hjalp("", "");
    Mala(EditKredit_, false);
    kontosok_->Tom();
    RensaEffekter();
    VisaUtfall(tovana::LamnaKreditruta(form_.Data(), formular_, S(EditDebit_->text()),
                                       S(EditKredit_->text()), S(EditBelopp_->text())));
}

void Redovisapanel::EditKodEnter() {
    Mala(EditKod_, true);
    Hjalp(tovana::Postruta::Kod);
    kontosok_->VisaKoder();
}

void Redovisapanel::EditKodExit() {
    Hjalp("", "");
    Mala(EditKod_, false);
}

void Redovisapanel::EditTextEnter() {
    Mala(EditText_, true);
    Hjalp(tovana::Postruta::Text);
}

void Redovisapanel::EditTextExit() {
    Hjalp("", "");
    Mala(EditText_, false);
}

// --- Opening and saving --------------------------------------------------------

void Redovisapanel::RensaEffekter() {
    effekter_->RensaEffekter();
}

void Redovisapanel::VisaKodrutor(bool synliga) {
    LabelKod_->setVisible(synliga);
    EditKod_->setVisible(synliga);
    senaste_->VisaKodkolumn(synliga);
}

void Redovisapanel::VisaSaldoVidOppning() {
    const std::string text =
        tovana::SaldotextVidOppning(tovana::BeraknaKonteringssaldo(form_.Data(), formular_));
    LabelSaldo_->setText(Q(text));
    LabelSaldo_->setVisible(!text.empty());
}

void Redovisapanel::Aterstall() {
    Panelrakna_->hide();
    LabelSaldo_->hide();
}

void Redovisapanel::VisaSenastePoster(bool alltidForstaRaden) {
    const auto &data = form_.Data();
    senaste_->Rensa();
    if (alltidForstaRaden || data.Postantal > 0)
        senaste_->Visa(tovana::SenastePoster(data));
}

void Redovisapanel::TomRutor(bool alla) {
    for (int i = 0; i < kRutantal; ++i)
        if (alla || (i != Vernr && i != Datum && i != Text))
            rutor_[i]->clear();
}

void Redovisapanel::RedovisaClick() {
    form_.Kor([&] {
        auto &data = form_.Data();
        form_.VisaArbetspanel(this);
        tovana::BorjaOmFormularet(formular_);
        VisaKodrutor(tovana::FaststallKoder(data));
        VisaSenastePoster(false); // an empty ledger shows no rows here
        TomRutor(true);
        FlyttaFokus(Editvernr_);
        RensaEffekter();
        VisaSaldoVidOppning();
    });
}

void Redovisapanel::VisaOppnadRedovisning() {
    form_.VisaArbetspanel(this);
    // Nothing keyed for the ledger before stays to be saved into this one.
    tovana::BorjaNyPost(formular_);
    TomRutor(true);
    RensaEffekter();
    kontosok_->Tom();
    FlyttaFokus(Editvernr_);
    VisaKodrutor(form_.Data().KoderFinns);
    VisaSenastePoster(true); // an empty ledger shows its zero slot
}

void Redovisapanel::OppnaredClick() {
    OppnaRedovisningsfil(QString());
}

void Redovisapanel::OppnaRedovisningsfil(const QString &sokvag) {
    form_.Kor([&] {
        auto &data = form_.Data();
        const QString fil = sokvag.isEmpty() ? form_.ValjOppnafil(QStringLiteral("*.red")) : sokvag;
        if (!fil.isEmpty()) {
            const std::string besked = tovana::OppnaRedovisning(data, S(fil));
            form_.VisaAktuellRedovisning();
            form_.Menyandring(tovana::Menyhandelse::RedovisningOppnad);
            VisaOppnadRedovisning();
            if (!besked.empty())
                form_.Meddelande(Q(besked));
        }
        VisaSaldoVidOppning();
    });
}

bool Redovisapanel::NastaPostFranRuta(QObject *ruta) {
    if (Rutnummer(ruta) < 0 || !isVisible())
        return false;
    // The box's exit behaviour runs as the focus leaves it; when that keeps the
    // focus in a box (a message about what was typed), nothing is saved, as
    // with the mouse.
    Buttonnasta_->setFocus(Qt::OtherFocusReason);
    if (form_.Agare().focusWidget() == Buttonnasta_)
        Buttonnasta_->click();
    return true;
}

void Redovisapanel::ButtonnastaClick() {
    form_.Kor([&] {
        auto &data = form_.Data();
        kontosok_->Tom();
        const tovana::Postprovning provning =
            tovana::ProvaPost(formular_, S(EditDebit_->text()), S(EditKredit_->text()));
        for (const std::string &meddelande : provning.meddelanden)
            form_.Meddelande(Q(meddelande));
        if (provning.fokus)
            FlyttaFokus(rutor_[static_cast<int>(*provning.fokus)]);
        if (!provning.godkand)
            return;

        // The defaults stand in the boxes, so the user sees what was saved.
        tovana::Postrutor rutor{S(Editvernr_->text()),  S(EditDatum_->text()),
                                S(EditBelopp_->text()), S(EditDebit_->text()),
                                S(EditKredit_->text()), S(EditKod_->text()),
                                S(EditText_->text())};
        tovana::FyllStandardvarden(data, rutor);
        {
            // Not typing: the lookup list stays empty.
            const QSignalBlocker d(EditDebit_), k(EditKredit_), ko(EditKod_);
            Editvernr_->setText(Q(rutor.vernr));
            EditDatum_->setText(Q(rutor.datum));
            EditBelopp_->setText(Q(rutor.belopp));
            EditDebit_->setText(Q(rutor.debet));
            EditKredit_->setText(Q(rutor.kredit));
            EditKod_->setText(Q(rutor.kod));
        }

        // A date that cannot be stored keeps every box and takes the focus.
        if (const std::string fel = tovana::Datumfel(data, rutor.datum); !fel.empty()) {
            form_.Meddelande(Q(fel));
            FlyttaFokus(EditDatum_);
            return;
        }
        const int32_t plats = tovana::SparaPost(data, formular_, rutor);
        if (tovana::ArEnsidig(data.Poster[plats])) {
            const std::string text = tovana::SaldotextEfterSparning(formular_.Konteringssaldo);
            if (text.empty()) {
                LabelSaldo_->hide();
            } else {
                LabelSaldo_->setText(Q(text));
                LabelSaldo_->show();
            }
        }
        VisaSenastePoster(true);

        if (tovana::ArOppetSaldo(formular_.Konteringssaldo)) {
            TomRutor(false);
            FlyttaFokus(EditBelopp_);
        } else {
            TomRutor(true);
            FlyttaFokus(Editvernr_);
        }
        RensaEffekter();
    });
}
