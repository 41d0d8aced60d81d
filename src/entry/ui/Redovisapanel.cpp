#include "entry/ui/Redovisapanel.h"

#include "core/Taltext.h"
#include "entry/Effekter.h"
#include "entry/Postinmatning.h"
#include "entry/Redovisning.h"
#include "entry/ui/Effektyta.h"
#include "entry/ui/Kontosok.h"
#include "entry/ui/Senasteposter.h"
#include "maintenance/ui/Raknepanel.h"
#include "shell/TForm1.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <optional>

namespace {

const QColor kFokusfarg(166, 194, 233);
const QColor kVit(255, 255, 255);

QString Q(const std::string &text) {
    return QString::fromStdString(text);
}
std::string S(const QString &text) {
    return text.toStdString();
}

// Focus that moves between controls; a message box or another window taking
// and giving back the focus is not entering or leaving a box.
bool FlyttarMellanKontroller(Qt::FocusReason orsak) {
    return orsak == Qt::TabFocusReason || orsak == Qt::BacktabFocusReason ||
           orsak == Qt::MouseFocusReason || orsak == Qt::OtherFocusReason;
}

QString KontoSaknasText(const QString &konto) {
    return QStringLiteral("Kontot ") + konto +
           QStringLiteral(" finns inte i kontoplanen. Kom ihåg att lägga till detta konto, "
                          "annars kommer många rapporter att bli felaktiga. Om du inte vill "
                          "debitera något konto ska du lämna rutan helt tom.");
}

} // namespace

Redovisapanel::Redovisapanel(TForm1 &form)
    : Arbetspanel(QStringLiteral("PanelRedovisa"), QStringLiteral("LabelRedovisaRubrik"),
                  QStringLiteral("Redovisa")),
      form_(form) {
    ByggPanel();
    SattTabbordning();
}

void Redovisapanel::ByggPanel() {
    auto ruta = [this](Ruta nummer, const char *namn, int tecken) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(namn));
        if (tecken > 0)
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(tecken, u'0')) + 14);
        edit->setAutoFillBackground(true);
        edit->installEventFilter(this);
        rutor_[nummer] = edit;
        return edit;
    };
    Editvernr_ = ruta(Vernr, "Editvernr", 7);
    Editvernr_->setToolTip(QStringLiteral("Måste vara ett heltal"));
    EditDatum_ = ruta(Datum, "EditDatum", 10);
    EditBelopp_ = ruta(Belopp, "EditBelopp", 13);
    EditDebit_ = ruta(Debet, "EditDebit", 8);
    EditKredit_ = ruta(Kredit, "EditKredit", 8);
    EditKod_ = ruta(Kod, "EditKod", 6);
    EditText_ = ruta(Text, "EditText", 0);
    for (QLineEdit *edit : rutor_)
        Mala(edit, false);

    auto rubrik = [this](const char *namn, const char *text) {
        auto *etikett = new QLabel(QString::fromUtf8(text), this);
        etikett->setObjectName(QString::fromUtf8(namn));
        return etikett;
    };
    LabelKod_ = rubrik("LabelKod", "Kod");

    LabelSaldo_ = new QLabel(this);
    LabelSaldo_->setObjectName(QStringLiteral("LabelSaldo"));
    LabelSaldo_->setAutoFillBackground(true);
    LabelSaldo_->setTextFormat(Qt::PlainText);
    QPalette gul = LabelSaldo_->palette();
    gul.setColor(QPalette::Window, QColor(255, 255, 0));
    gul.setColor(QPalette::WindowText, QColor(0, 0, 0));
    LabelSaldo_->setPalette(gul);
    QFont fet = LabelSaldo_->font();
    fet.setBold(true);
    LabelSaldo_->setFont(fet);
    LabelSaldo_->setContentsMargins(4, 1, 4, 1);
    LabelSaldo_->hide();

    Buttonnasta_ = new QPushButton(QStringLiteral("Nästa post"), this);
    Buttonnasta_->setObjectName(QStringLiteral("Buttonnasta"));
    Buttonnasta_->setAutoDefault(false);
    connect(Buttonnasta_, &QPushButton::clicked, this, &Redovisapanel::ButtonnastaClick);

    auto *tabbguide = new QLabel(
        QStringLiteral("Använd Tab- eller Enter-tangent för att flytta mellan rutorna"), this);
    tabbguide->setObjectName(QStringLiteral("LabelTabEnter"));
    tabbguide->setFont(fet);

    // The effect area on the left; the lookup on the right, with the calculator
    // lying over it while the amount box has the focus.
    effekter_ = new Effektyta(this);
    kontosok_ = new Kontosok(form_.Data(), this);
    Panelrakna_ = new Raknepanel(form_, EditBelopp_, this);
    Panelrakna_->setAutoFillBackground(true);
    Panelrakna_->hide();
    auto *sokyta = new QGridLayout;
    sokyta->setContentsMargins(0, 0, 0, 0);
    sokyta->addWidget(kontosok_, 0, 0);
    sokyta->addWidget(Panelrakna_, 0, 0);
    Panelrakna_->raise();
    auto *overst = new QHBoxLayout;
    overst->addWidget(effekter_, 3);
    overst->addLayout(sokyta, 2);

    // The entry row: captions above the boxes, the balance under the debit box.
    auto *rad = new QGridLayout;
    rad->setHorizontalSpacing(8);
    rad->setVerticalSpacing(2);
    const std::pair<const char *, const char *> rubriker[] = {{"LabelVernr", "Ver.nr."},
                                                              {"LabelDatum", "Datum"},
                                                              {"LabelBelopp", "Belopp"},
                                                              {"LabelDebet", "Debet"},
                                                              {"LabelKredit", "Kredit"}};
    for (int k = 0; k < 5; ++k)
        rad->addWidget(rubrik(rubriker[k].first, rubriker[k].second), 0, k);
    rad->addWidget(LabelKod_, 0, Kod);
    for (int k = Vernr; k <= Kod; ++k)
        rad->addWidget(rutor_[k], 1, k);
    rad->addWidget(LabelSaldo_, 2, Debet, 1, 5, Qt::AlignLeft); // into the stretch column
    rad->setRowMinimumHeight(2, LabelSaldo_->sizeHint().height());
    rad->addWidget(rubrik("LabelText", "Text"), 3, 0);
    rad->addWidget(EditText_, 4, 0, 1, 6);
    rad->addWidget(Buttonnasta_, 4, 6);
    rad->setColumnStretch(7, 1);

    senaste_ = new Senasteposter(this);

    LabelRedHjalp_ = new QLabel(this);
    LabelRedHjalp_->setObjectName(QStringLiteral("LabelRedHjalp"));
    LabelRedHjalp2_ = new QLabel(this);
    LabelRedHjalp2_->setObjectName(QStringLiteral("LabelRedHjalp2"));
    for (QLabel *hjalp : {LabelRedHjalp_, LabelRedHjalp2_}) {
        hjalp->setAutoFillBackground(true);
        QPalette aqua = hjalp->palette();
        aqua.setColor(QPalette::Window, QColor(0, 255, 255));
        aqua.setColor(QPalette::WindowText, QColor(0, 0, 0));
        hjalp->setPalette(aqua);
        QFont liten = hjalp->font();
        liten.setItalic(true);
        liten.setPointSizeF(liten.pointSizeF() * 0.9);
        hjalp->setFont(liten);
        hjalp->setMinimumHeight(QFontMetrics(liten).height() + 2);
        hjalp->setContentsMargins(4, 0, 4, 0);
    }

    auto *innehall = Innehall();
    innehall->addLayout(overst, 1);
    innehall->addWidget(tabbguide);
    innehall->addLayout(rad);
    innehall->addWidget(senaste_);
    innehall->addWidget(LabelRedHjalp_);
    innehall->addWidget(LabelRedHjalp2_);

    connect(EditDebit_, &QLineEdit::textChanged, kontosok_, &Kontosok::KontoAndrat);
    connect(EditKredit_, &QLineEdit::textChanged, kontosok_, &Kontosok::KontoAndrat);
    connect(EditKod_, &QLineEdit::textChanged, kontosok_, &Kontosok::KodAndrad);
}

void Redovisapanel::SattTabbordning() {
    QList<QWidget *> ordning(rutor_.begin(), rutor_.end());
    ordning << Buttonnasta_ << senaste_->Tidigare() << senaste_->Senare();
    ordning << kontosok_->Knappar();
    for (const char *namn : {"EditRakna1", "EditRaknaOperator", "EditRakna2", "BitBtnRakna"})
        if (auto *w = Panelrakna_->findChild<QWidget *>(QString::fromUtf8(namn)))
            ordning << w;
    ordning << senaste_->Hoppapostnr() << senaste_->Hoppavernr();
    for (int i = 1; i < ordning.size(); ++i)
        setTabOrder(ordning[i - 1], ordning[i]);
}

// --- Focus --------------------------------------------------------------------

int Redovisapanel::Rutnummer(QObject *objekt) const {
    for (int i = 0; i < kRutantal; ++i)
        if (rutor_[i] == objekt)
            return i;
    return -1;
}

bool Redovisapanel::eventFilter(QObject *objekt, QEvent *handelse) {
    const auto typ = handelse->type();
    if (typ != QEvent::FocusIn && typ != QEvent::FocusOut)
        return Arbetspanel::eventFilter(objekt, handelse);
    const int ruta = Rutnummer(objekt);
    const auto orsak = static_cast<QFocusEvent *>(handelse)->reason();
    if (ruta < 0 || !FlyttarMellanKontroller(orsak))
        return Arbetspanel::eventFilter(objekt, handelse);

    if (typ == QEvent::FocusIn) {
        Enter(ruta);
    } else if (programflytt_) {
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
            form_.focusWidget() == nasta)
            Enter(nastaRuta);
    }
    return Arbetspanel::eventFilter(objekt, handelse);
}

void Redovisapanel::Enter(int ruta) {
    if (aktiv_ == ruta)
        return;
    aktiv_ = ruta;
    ++enterraknare_[ruta];
    form_.Kor([&] {
        switch (ruta) {
        case Vernr:
            EditvernrEnter();
            break;
        case Datum:
            EditDatumEnter();
            break;
        case Belopp:
            EditBeloppEnter();
            break;
        case Debet:
            EditDebitEnter();
            break;
        case Kredit:
            EditKreditEnter();
            break;
        case Kod:
            EditKodEnter();
            break;
        case Text:
            EditTextEnter();
            break;
        }
    });
}

void Redovisapanel::Exit(int ruta) {
    if (aktiv_ == ruta)
        aktiv_ = -1;
    form_.Kor([&] {
        switch (ruta) {
        case Vernr:
            EditvernrExit();
            break;
        case Datum:
            EditDatumExit();
            break;
        case Belopp:
            EditBeloppExit();
            break;
        case Debet:
            EditDebitExit();
            break;
        case Kredit:
            EditKreditExit();
            break;
        case Kod:
            EditKodExit();
            break;
        case Text:
            EditTextExit();
            break;
        }
    });
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

// --- The boxes ----------------------------------------------------------------

void Redovisapanel::EditvernrEnter() {
    Mala(Editvernr_, true);
    Hjalp("Verifikationsnumret måste vara ett heltal. Lämna rutan tom så infogas nästa vernr "
          "automatiskt.",
          "");
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
    Hjalp("Formatet är fritt, men om du använder ÅÅMMDD eller DD/MM kan posterna senare "
          "sorteras efter datum.",
          "Lämna ruta tom om du vill ha samma datum som föregående post.");
}

void Redovisapanel::EditDatumExit() {
    Hjalp("", "");
    Mala(EditDatum_, false);
}

void Redovisapanel::EditBeloppEnter() {
    Mala(EditBelopp_, true);
    Hjalp("I beloppsrutan får inga bokstäver eller blanktecken skrivas in.",
          "Programmet infogar två decimaler och ett blanksteg som tusentalsavgränsare");
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
    Hjalp("Om du börjar skriva kontonumret visar rutan till höger vilka konton som börjar på "
          "angivna siffror.",
          "Om du inte vill debitera så lämna rutan tom. Tovana kommer att hålla reda på saldot i "
          "konteringen.");
    Mala(EditDebit_, true);
    RensaEffekter();
    if (EditBelopp_->text().isEmpty()) {
        form_.Meddelande(QStringLiteral("Du måste ange ett belopp innan du debiterar! Skriv 0 om "
                                        "du inte vill ange något belopp."));
        FlyttaFokus(EditBelopp_);
    }
}

void Redovisapanel::EditDebitExit() {
    if (!EditDebit_->text().isEmpty())
        EditDebit_->setText(Q(tovana::BaraSiffror(S(EditDebit_->text()))));
    LabelRedHjalp_->clear();
    Mala(EditDebit_, false);
    kontosok_->Tom();
    if (EditDebit_->text().isEmpty())
        return;
    auto &data = form_.Data();
    const int32_t debet = tovana::TextTillHeltal(S(EditDebit_->text()));
    const bool hittat = tovana::SokBokforingskonto(data, debet).hittat;
    data.DebetKontrollerad = true;
    if (!hittat) {
        form_.Meddelande(KontoSaknasText(EditDebit_->text()));
        return;
    }
    const double belopp = tovana::TextTillBelopp(S(EditBelopp_->text()));
    effekter_->Visa(tovana::DebetEffekter(data, debet, belopp));
}

void Redovisapanel::EditKreditEnter() {
    Panelrakna_->hide();
    Hjalp("Om du börjar skriva ett kontonummer visar rutan till höger konton som börjar med "
          "angiven siffra.",
          "Lämna rutan tom om du inte vill kreditera. Tovana kommer att visa saldot i "
          "konteringen.");
    Mala(EditKredit_, true);
    if (EditBelopp_->text().isEmpty()) {
        form_.Meddelande(QStringLiteral("Det finns inget belopp! Inget kommer att sparas."));
        FlyttaFokus(EditBelopp_);
    }
}

void Redovisapanel::EditKreditExit() {
    if (!EditKredit_->text().isEmpty())
        EditKredit_->setText(Q(tovana::BaraSiffror(S(EditKredit_->text()))));
    Hjalp("", "");
    Mala(EditKredit_, false);
    kontosok_->Tom();
    RensaEffekter();

    auto &data = form_.Data();
    const auto belopp = [this] { return tovana::TextTillBelopp(S(EditBelopp_->text())); };
    std::optional<int32_t> debet;
    std::optional<double> a;
    if (EditDebit_->text().isEmpty()) {
        data.DebetKontrollerad = true;
    } else {
        debet = tovana::TextTillHeltal(S(EditDebit_->text()));
        if (tovana::SokBokforingskonto(data, *debet).hittat) {
            data.DebetKontrollerad = true;
            a = belopp();
        }
    }
    if (EditKredit_->text().isEmpty()) {
        data.KreditKontrollerad = true;
        if (a)
            effekter_->Visa(tovana::KonteringsEffekter(data, debet, std::nullopt, *a));
        return;
    }
    const int32_t kredit = tovana::TextTillHeltal(S(EditKredit_->text()));
    const bool hittat = tovana::SokBokforingskonto(data, kredit).hittat;
    data.KreditKontrollerad = true;
    if (hittat && !a)
        a = belopp();
    if (a)
        effekter_->Visa(tovana::KonteringsEffekter(data, debet, kredit, *a));
    if (!hittat)
        form_.Meddelande(KontoSaknasText(EditKredit_->text()));
}

void Redovisapanel::EditKodEnter() {
    Mala(EditKod_, true);
    Hjalp("Lämna rutan tom om du inte vill ange någon kod.", "");
    kontosok_->VisaKoder();
}

void Redovisapanel::EditKodExit() {
    Hjalp("", "");
    Mala(EditKod_, false);
}

void Redovisapanel::EditTextEnter() {
    Mala(EditText_, true);
    Hjalp("Du kan ange en beskrivande text med helt fritt format.", "");
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
        tovana::SaldotextVidOppning(tovana::BeraknaKonteringssaldo(form_.Data()));
    LabelSaldo_->setText(Q(text));
    LabelSaldo_->setVisible(!text.empty());
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
        data.DebetKontrollerad = false;
        data.KreditKontrollerad = false;
        data.PostGodkand = false;
        data.KoderFinns = data.HarKoder();
        VisaKodrutor(data.KoderFinns);
        data.Sexpostsida = 0;
        VisaSenastePoster(false); // an empty ledger shows no rows here
        TomRutor(true);
        FlyttaFokus(Editvernr_);
        RensaEffekter();
        VisaSaldoVidOppning();
    });
}

void Redovisapanel::VisaOppnadRedovisning() {
    form_.VisaArbetspanel(this);
    FlyttaFokus(Editvernr_);
    VisaKodrutor(form_.Data().KoderFinns);
    VisaSenastePoster(true); // an empty ledger shows its zero slot
}

void Redovisapanel::OppnaredClick() {
    form_.Kor([&] {
        auto &data = form_.Data();
        const QString fil = form_.ValjOppnafil(QStringLiteral("*.red"));
        if (!fil.isEmpty()) {
            const std::string besked = tovana::OppnaRedovisning(data, S(fil));
            form_.VisaAktuellRedovisning();
            if (data.KontoplanInlast)
                form_.AktiveraRedovisningsgrupp();
            VisaOppnadRedovisning();
            if (!besked.empty())
                form_.Meddelande(Q(besked));
        }
        VisaSaldoVidOppning();
    });
}

void Redovisapanel::ButtonnastaClick() {
    form_.Kor([&] {
        auto &data = form_.Data();
        kontosok_->Tom();
        if (data.DebetKontrollerad && data.KreditKontrollerad) {
            data.Sexpostsida = 0;
            data.PostGodkand = true;
        }
        const bool utanKonton = EditDebit_->text().isEmpty() && EditKredit_->text().isEmpty();
        if (utanKonton) {
            form_.Meddelande(
                QStringLiteral("Både debetrutan och kreditrutan kan inte lämnas tom!"));
            data.PostGodkand = false;
        }
        if (!data.PostGodkand) {
            form_.Meddelande(QStringLiteral("Något i denna post är felaktigt och posten kan inte "
                                            "sparas! Rätta fel och försök på nytt."));
            if (utanKonton)
                FlyttaFokus(EditDebit_);
            return;
        }

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

        const int32_t plats = tovana::SparaPost(data, rutor);
        if (tovana::ArEnsidig(data.Poster[plats])) {
            const std::string text = tovana::SaldotextEfterSparning(data.Konteringssaldo);
            if (text.empty()) {
                LabelSaldo_->hide();
            } else {
                LabelSaldo_->setText(Q(text));
                LabelSaldo_->show();
            }
        }
        VisaSenastePoster(true);

        if (tovana::ArOppetSaldo(data.Konteringssaldo)) {
            TomRutor(false);
            FlyttaFokus(EditBelopp_);
        } else {
            TomRutor(true);
            FlyttaFokus(Editvernr_);
        }
        RensaEffekter();
    });
}
