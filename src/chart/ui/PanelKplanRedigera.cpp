#include "chart/ui/PanelKplanRedigera.h"

#include "chart/Kontoredigering.h"
#include "core/Skrivlas.h"
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

PanelKplanRedigera::PanelKplanRedigera(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelKplanRedigera"), QStringLiteral("LabelKplanredigera"),
                  QStringLiteral("Ändra eller radera konton")),
      form_(form) {
    auto *layout = Innehall();
    layout->addWidget(
        Memo(this, "MemoKplanredigera",
             {QStringLiteral("I den här rutinen kan du ändra namn på konton i den inlästa "
                             "kontoplanen. Dubbelklicka på aktuellt "),
              QStringLiteral("konto i rutan nedan. Gör ändringarna i rutan ovan och klicka när "
                             "ändringarna är klara. Vill du "),
              QStringLiteral("ändra kontonummer så radera först detta konto och använd sedan "
                             "menyerna för att lägga till "),
              QStringLiteral("ett nytt konto."), QString(),
              QStringLiteral("Redigera texten om du ändra kontoplanens interna namn."), QString(),
              QStringLiteral("Glöm inte att spara kontoplanen på disk genom att klicka på "
                             "Spara-knappen.")}),
        0, Qt::AlignLeft);

    auto *falt = new QGridLayout;
    EditKplannamn_ = Ruta(this, "EditKplannamn");
    LabelKplanRedAktnr_ = Etikett(this, "LabelKplanRedAktnr", QString());
    LabelKplanRedAktnr_->setMinimumWidth(
        LabelKplanRedAktnr_->fontMetrics().horizontalAdvance(QStringLiteral("-0000000000")));
    EditKplanRedNamn_ = Ruta(this, "EditKplanRedNamn");
    falt->addWidget(
        Etikett(this, "LabelKplanNamnRubrik", QStringLiteral("Kontoplanens interna namn:")), 0, 0);
    falt->addWidget(EditKplannamn_, 0, 1, 1, 2);
    falt->addWidget(Etikett(this, "LabelKplanRedNrrubrik", QStringLiteral("Kontonummer")), 1, 0);
    falt->addWidget(Etikett(this, "LabelKplanRedNamnrubrik", QStringLiteral("Kontonamn")), 1, 1);
    falt->addWidget(LabelKplanRedAktnr_, 2, 0);
    falt->addWidget(EditKplanRedNamn_, 2, 1, 1, 2);
    falt->setColumnStretch(2, 1);
    layout->addLayout(falt);

    auto *knappar = new QHBoxLayout;
    auto *BitBtnKplanRedOK =
        Knapp(this, "BitBtnKplanRedOK", QStringLiteral("Klicka här när kontot är redigerat"));
    auto *BitBtnKplanRedRadera =
        Knapp(this, "BitBtnKplanRedRadera", QStringLiteral("Radera detta konto"));
    auto *BitBtnKplanRedSpara =
        Knapp(this, "BitBtnKplanRedSpara", QStringLiteral("Spara den ändrade kontoplanen"));
    knappar->addWidget(BitBtnKplanRedOK);
    knappar->addWidget(BitBtnKplanRedRadera);
    knappar->addWidget(BitBtnKplanRedSpara);
    knappar->addStretch(1);
    layout->addLayout(knappar);

    ListBoxKplanRed_ = Lista(this, "ListBoxKplanRed");
    layout->addWidget(ListBoxKplanRed_, 1);
    LabelKplanRedSparabesked_ =
        Etikett(this, "LabelKplanRedSparabesked",
                QStringLiteral("Den ändrade kontoplanen är sparad på disk"));
    LabelKplanRedSparabesked_->hide();
    layout->addWidget(LabelKplanRedSparabesked_);

    connect(ListBoxKplanRed_, &QListWidget::itemDoubleClicked, this,
            &PanelKplanRedigera::ListBoxKplanRedDblClick);
    connect(BitBtnKplanRedOK, &QPushButton::clicked, this,
            &PanelKplanRedigera::BitBtnKplanRedOKClick);
    connect(BitBtnKplanRedRadera, &QPushButton::clicked, this,
            &PanelKplanRedigera::BitBtnKplanRedRaderaClick);
    connect(BitBtnKplanRedSpara, &QPushButton::clicked, this,
            &PanelKplanRedigera::BitBtnKplanRedSparaClick);
}

void PanelKplanRedigera::VisaKonton() {
    FyllLista(ListBoxKplanRed_, tovana::Kontorader(form_.Data()));
}

void PanelKplanRedigera::GlomValtKonto() {
    valtKonto_ = 0;
    LabelKplanRedAktnr_->clear();
    EditKplanRedNamn_->clear();
}

void PanelKplanRedigera::Redigera1Click() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        LabelKplanRedSparabesked_->hide();
        EditKplannamn_->setText(QString::fromStdString(form_.Data().Kontoplannamn));
        // The chart may have changed since an account was last chosen here.
        GlomValtKonto();
        VisaKonton();
    });
}

void PanelKplanRedigera::ListBoxKplanRedDblClick(QListWidgetItem *rad) {
    form_.Kor([&] {
        auto &data = form_.Data();
        const int32_t slot = ListBoxKplanRed_->row(rad) + 1;
        if (!tovana::ArKontoslot(data, slot))
            return;
        valtKonto_ = slot;
        LabelKplanRedAktnr_->setText(QString::number(data.Konton[slot].nummer));
        EditKplanRedNamn_->setText(QString::fromStdString(data.Konton[slot].namn));
    });
}

void PanelKplanRedigera::BitBtnKplanRedOKClick() {
    form_.Kor([&] {
        auto &data = form_.Data();
        if (!tovana::BytKontonamn(data, valtKonto_, EditKplanRedNamn_->text().toStdString()))
            return;
        GlomValtKonto();
        VisaKonton();
    });
}

void PanelKplanRedigera::BitBtnKplanRedRaderaClick() {
    form_.Kor([&] {
        auto &data = form_.Data();
        if (!tovana::ArKontoslot(data, valtKonto_))
            return;
        // A read-only chart refuses before the warning about the account's posts.
        tovana::KontrolleraSkrivbarKontoplan(data);
        if (tovana::AnvandsIRedovisningen(data, data.Konton[valtKonto_].nummer))
            form_.Meddelande(QString::fromStdString(tovana::kRaderingsvarning));
        tovana::TaBortKonto(data, valtKonto_);
        GlomValtKonto();
        VisaKonton();
    });
}

void PanelKplanRedigera::BitBtnKplanRedSparaClick() {
    form_.Kor([&] {
        tovana::SparaAndradKontoplan(form_.Data(), EditKplannamn_->text().toStdString());
        form_.VisaAktuellKontoplan();
        LabelKplanRedSparabesked_->show();
        VisaKonton();
    });
}
