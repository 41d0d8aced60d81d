#include "chart/ui/Panelnyakonton.h"

#include "chart/Kontoplan.h"
#include "chart/Nyttkonto.h"
#include "core/Kontoklasser.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace kontroller;

Panelnyakonton::Panelnyakonton(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("Panelnyakonton"), QStringLiteral("LabelKrubrik"),
                  QStringLiteral("Lägga till ett nytt konto/kod")),
      form_(form) {
    auto *rad = new QHBoxLayout;
    rad->setSpacing(24);
    Innehall()->addLayout(rad, 1);

    auto *vanster = new QVBoxLayout;
    auto *falt = new QGridLayout;
    Ktyp_ = Ruta(this, "Ktyp");
    Ktyp_->setMaxLength(1);
    Ktyp_->setMaximumWidth(Ktyp_->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 12);
    Knummer_ = Ruta(this, "Knummer");
    Knamn_ = Ruta(this, "Knamn");
    falt->addWidget(Etikett(this, "Labelkontotyp", QStringLiteral("Kontotyp")), 0, 0);
    falt->addWidget(Ktyp_, 0, 1, Qt::AlignLeft);
    falt->addWidget(Etikett(this, "Labelkontonummer", QStringLiteral("Kontonummer")), 1, 0);
    falt->addWidget(Knummer_, 1, 1);
    falt->addWidget(Etikett(this, "Labelknamn", QStringLiteral("Kontonamn")), 2, 0);
    falt->addWidget(Knamn_, 2, 1);
    falt->setColumnStretch(1, 1);
    vanster->addLayout(falt);
    auto *BitBtnKplan = Knapp(this, "BitBtnKplan", QStringLiteral("Lägg till detta konto"));
    vanster->addWidget(BitBtnKplan, 0, Qt::AlignLeft);
    QStringList anvisning{QStringLiteral("1. Ange kontots typ med någon av följande siffror")};
    for (const tovana::Kontoklass &klass : tovana::Kontoklasser())
        anvisning << QStringLiteral("     %1 %2")
                         .arg(int{klass.nummer})
                         .arg(QString::fromStdString(klass.namn));
    anvisning << QStringLiteral("2. Ange valfritt kontonummer med siffror")
              << QStringLiteral("3. Ange kontots namn")
              << QStringLiteral("4. Klicka på knappen för att lägga till det nya kontot")
              << QString()
              << QStringLiteral("GLÖM inte att spara kontoplanen när du lagt till alla konton!");
    auto *MemoNyttkonto = Memo(this, "MemoNyttkonto", anvisning);
    vanster->addWidget(MemoNyttkonto);
    vanster->addStretch(1);
    rad->addLayout(vanster);

    auto *hoger = new QVBoxLayout;
    hoger->addWidget(Etikett(this, "LabelKplanlistarubrik",
                             QStringLiteral("Här visas befintliga konton i kontoplanen:")));
    ListBoxkplan_ = Lista(this, "ListBoxkplan");
    hoger->addWidget(ListBoxkplan_, 1);
    BitBtnSparaKplan_ =
        Knapp(this, "BitBtnSparaKplan", QStringLiteral("Klicka här för att spara kontoplanen"));
    hoger->addWidget(BitBtnSparaKplan_, 0, Qt::AlignLeft);
    LabelKplansparad_ =
        Etikett(this, "LabelKplansparad",
                QStringLiteral("Kontoplanen är sparad på disk och finns inläst i datorns minne!"));
    LabelKplansparad_->hide();
    // The saved note keeps its room while hidden, so the list and the button stay.
    kontroller::BehallPlats(LabelKplansparad_);
    kontroller::BehallPlats(BitBtnSparaKplan_);
    hoger->addWidget(LabelKplansparad_);
    rad->addLayout(hoger, 1);

    setTabOrder(Ktyp_, Knummer_);
    setTabOrder(Knummer_, Knamn_);
    setTabOrder(Knamn_, BitBtnKplan);
    setTabOrder(BitBtnKplan, MemoNyttkonto);
    setTabOrder(MemoNyttkonto, ListBoxkplan_);
    setTabOrder(ListBoxkplan_, BitBtnSparaKplan_);

    VidLamna(Ktyp_, [this] { KtypExit(); });
    VidLamna(Knummer_, [this] { KnummerExit(); });
    connect(BitBtnKplan, &QPushButton::clicked, this, &Panelnyakonton::BitBtnKplanClick);
    connect(BitBtnSparaKplan_, &QPushButton::clicked, this, &Panelnyakonton::BitBtnSparaKplanClick);
}

void Panelnyakonton::VisaKontoplan() {
    FyllLista(ListBoxkplan_, tovana::Klasslista(form_.Data(), tovana::Listform::Versaler));
}

QLineEdit *Panelnyakonton::RutaFor(tovana::Kontofalt falt) const {
    switch (falt) {
    case tovana::Kontofalt::Ktyp:
        return Ktyp_;
    case tovana::Kontofalt::Knummer:
        return Knummer_;
    case tovana::Kontofalt::Knamn:
        return Knamn_;
    case tovana::Kontofalt::Ingen:
        break;
    }
    return nullptr;
}

void Panelnyakonton::Nyttkonto1Click() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        LabelKplansparad_->hide();
        VisaKontoplan();
    });
}

void Panelnyakonton::KtypExit() {
    form_.Kor([&] {
        if (!Ktyp_->text().isEmpty())
            Ktyp_->setText(
                QString::fromStdString(tovana::RensaKontotyp(Ktyp_->text().toStdString())));
    });
}

void Panelnyakonton::KnummerExit() {
    form_.Kor([&] {
        if (!Knummer_->text().isEmpty())
            Knummer_->setText(
                QString::fromStdString(tovana::RensaKontonummer(Knummer_->text().toStdString())));
    });
}

void Panelnyakonton::BitBtnKplanClick() {
    form_.Kor([&] {
        LabelKplansparad_->hide();
        BitBtnSparaKplan_->show();
        auto &data = form_.Data();
        const tovana::Kontoforslag forslag{Ktyp_->text().toStdString(),
                                           Knummer_->text().toStdString(),
                                           Knamn_->text().toStdString()};
        const bool godkant =
            tovana::KontrolleraNyttKonto(data, forslag, [&](const tovana::Kontofel &fel) {
                form_.Meddelande(QString::fromStdString(fel.meddelande));
                if (QLineEdit *ruta = RutaFor(fel.falt))
                    ruta->setFocus(Qt::OtherFocusReason);
            });
        if (!godkant)
            return;
        const bool forsta = data.Kontoantal == 0;
        tovana::LaggTillKonto(data, forslag);
        VisaKontoplan();
        if (forsta)
            form_.Menyandring(tovana::Menyhandelse::ForstaKontot);
        Ktyp_->clear();
        Knummer_->clear();
        Knamn_->clear();
        Ktyp_->setFocus(Qt::OtherFocusReason);
    });
}

void Panelnyakonton::BitBtnSparaKplanClick() {
    form_.Kor([&] {
        tovana::SparaKontoplan(form_.Data());
        form_.VisaAktuellKontoplan();
        LabelKplansparad_->show();
    });
}
