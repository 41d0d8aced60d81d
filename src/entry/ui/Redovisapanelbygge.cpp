// The entry panel's controls: the seven boxes with their captions, the open
// balance under the debit box, the effect area and the account lookup with the
// calculator over it, the last posts and the two help lines, and the tab order
// through them. The boxes' behaviour lives in Redovisapanel.cpp.

#include "entry/ui/Redovisapanel.h"

#include "entry/ui/Effektyta.h"
#include "entry/ui/Kontosok.h"
#include "entry/ui/Raknepanel.h"
#include "entry/ui/Senasteposter.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

void Redovisapanel::ByggPanel() {
    auto ruta = [this](Ruta nummer, const char *namn, int tecken) {
        auto *edit = kontroller::Ruta(this, namn);
        if (tecken > 0)
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(tecken, u'0')) + 14);
        edit->setAutoFillBackground(true);
        // Focus that moves between controls: a message box or another window
        // taking and giving back the focus is not entering or leaving a box.
        kontroller::VidInga(edit, [this, nummer] { Enter(nummer); });
        kontroller::VidLamna(edit, [this, nummer] { Lamna(nummer); });
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
        return kontroller::Etikett(this, namn, QString::fromUtf8(text));
    };
    LabelKod_ = rubrik("LabelKod", "Kod");

    const QColor svart(0, 0, 0);
    LabelSaldo_ =
        kontroller::Stilsatt(kontroller::Etikett(this, "LabelSaldo", QString()), kontroller::Fet);
    kontroller::Farga(LabelSaldo_, svart, QColor(255, 255, 0));
    LabelSaldo_->setTextFormat(Qt::PlainText);
    LabelSaldo_->setContentsMargins(4, 1, 4, 1);
    LabelSaldo_->hide();

    Buttonnasta_ = kontroller::Knapp(this, "Buttonnasta", QStringLiteral("Nästa post"));
    connect(Buttonnasta_, &QPushButton::clicked, this, &Redovisapanel::ButtonnastaClick);

    auto *tabbguide = kontroller::Stilsatt(
        kontroller::Etikett(
            this, "LabelTabEnter",
            QStringLiteral("Använd Tab- eller Enter-tangent för att flytta mellan rutorna")),
        kontroller::Fet);

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

    LabelRedHjalp_ = kontroller::Etikett(this, "LabelRedHjalp", QString());
    LabelRedHjalp2_ = kontroller::Etikett(this, "LabelRedHjalp2", QString());
    for (QLabel *hjalp : {LabelRedHjalp_, LabelRedHjalp2_}) {
        kontroller::Farga(hjalp, svart, QColor(0, 255, 255));
        kontroller::SattTypsnitt(hjalp, kontroller::Kursiv, 0.9);
        hjalp->setMinimumHeight(QFontMetrics(hjalp->font()).height() + 2);
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
    ordning << Panelrakna_->Tabbordning();
    ordning << senaste_->Hoppapostnr() << senaste_->Hoppavernr();
    for (int i = 1; i < ordning.size(); ++i)
        setTabOrder(ordning[i - 1], ordning[i]);
}
