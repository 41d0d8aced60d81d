#include "maintenance/ui/Sorteringspaneler.h"
#include "core/Menynamn.h"

#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QStringList kGuide = {
    QStringLiteral("Du kan sortera om redovisningens poster efter:"),
    QStringLiteral("  Verifikationsnummer, eller"),
    QStringLiteral("  Datum"),
    QString(),
    QStringLiteral("Datumsorteringen görs utifrån datum som ren text, vilket "),
    QStringLiteral("innebär att datum måste ha angetts med någon av formerna"),
    QStringLiteral("  ÅÅMMDD"),
    QStringLiteral("  MMDD"),
    QStringLiteral("  D/M, DD/M, D/MM"),
    QString(),
    QStringLiteral("När du klickar för att Visa sortering sparas inget. För att "),
    QStringLiteral("spara den omsorterade redovisningen ska du först "),
    QStringLiteral("klicka fram den sortering du vill ha och granska "),
    QStringLiteral("sorteringen i den vänstra  rutan."),
    QString(),
    QStringLiteral("Därefter klickar du på Spara knappen längst ned till höger."),
};

} // namespace

using kontroller::Knapp;
using kontroller::Radbrytande;

PanelSortera::PanelSortera(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelSortera"), QStringLiteral("LabelSorteraRubrik"),
                  QStringLiteral("Rutin för att sortera om redovisningens poster")),
      form_(form) {
    BitBtnSorteraorginal_ =
        Knapp(this, "BitBtnSorteraorginal", QStringLiteral("Visa ursprungssorteringen"));
    BitBtnSorteraVernr_ =
        Knapp(this, "BitBtnSorteraVernr", QStringLiteral("Visa sortering efter Ver.nr."));
    BitBtnSorteraDatum_ =
        Knapp(this, "BitBtnSorteraDatum", QStringLiteral("Visa sortering efter Datum"));
    LabelsorteraDelrubrik_ = Radbrytande(this, "LabelsorteraDelrubrik");
    kontroller::SattTypsnitt(LabelsorteraDelrubrik_, kontroller::Fet);

    ListBoxSortera_ = kontroller::Lista(this, "ListBoxSortera");
    ListBoxSortera_->setFont(kontroller::Fastbredd());
    {
        const QFontMetrics matt(ListBoxSortera_->font());
        ListBoxSortera_->setMinimumWidth(matt.horizontalAdvance(QString(44, QLatin1Char('0'))) +
                                         40);
    }

    BitBtnSorteraSpara_ =
        Knapp(this, "BitBtnSorteraSpara", QStringLiteral("Spara den sortering som visas just nu"));
    LabelSorteraSparaBesked_ = Radbrytande(this, "LabelSorteraSparaBesked");
    LabelSorteraSparabesked2_ = Radbrytande(this, "LabelSorteraSparabesked2");
    // The headings and messages have their room before they come, and the
    // buttons hidden after a save keep theirs, so nothing moves.
    kontroller::ReserveraRader(LabelsorteraDelrubrik_, 1);
    kontroller::ReserveraRader(LabelSorteraSparaBesked_, 2);
    kontroller::ReserveraRader(LabelSorteraSparabesked2_, 1);
    for (QWidget *knapp :
         {BitBtnSorteraorginal_, BitBtnSorteraVernr_, BitBtnSorteraDatum_, BitBtnSorteraSpara_})
        kontroller::BehallPlats(knapp);

    auto *knappar = new QHBoxLayout;
    knappar->addWidget(BitBtnSorteraorginal_);
    knappar->addWidget(BitBtnSorteraVernr_);
    knappar->addWidget(BitBtnSorteraDatum_);
    knappar->addStretch(1);
    Innehall()->addLayout(knappar);
    Innehall()->addWidget(LabelsorteraDelrubrik_);

    auto *hoger = new QVBoxLayout;
    hoger->addWidget(kontroller::Memo(this, "MemoSortera", kGuide));
    hoger->addStretch(1);
    hoger->addWidget(LabelSorteraSparaBesked_);
    hoger->addWidget(LabelSorteraSparabesked2_);
    hoger->addWidget(BitBtnSorteraSpara_, 0, Qt::AlignRight);

    auto *rad = new QHBoxLayout;
    rad->addWidget(ListBoxSortera_, 1);
    rad->addLayout(hoger);
    Innehall()->addLayout(rad, 1);

    connect(BitBtnSorteraorginal_, &QPushButton::clicked, this,
            &PanelSortera::BitBtnSorteraorginalClick);
    connect(BitBtnSorteraVernr_, &QPushButton::clicked, this,
            &PanelSortera::BitBtnSorteraVernrClick);
    connect(BitBtnSorteraDatum_, &QPushButton::clicked, this,
            &PanelSortera::BitBtnSorteraDatumClick);
    connect(BitBtnSorteraSpara_, &QPushButton::clicked, this,
            &PanelSortera::BitBtnSorteraSparaClick);
}

void PanelSortera::SattKnapparSynliga(bool synliga) {
    for (auto *knapp :
         {BitBtnSorteraSpara_, BitBtnSorteraDatum_, BitBtnSorteraVernr_, BitBtnSorteraorginal_})
        knapp->setVisible(synliga);
}

void PanelSortera::RedSorteraClick() {
    form_.VisaArbetspanel(this);
    ListBoxSortera_->clear();
    LabelSorteraSparaBesked_->clear();
    LabelSorteraSparabesked2_->clear();
    SattKnapparSynliga(true);
    // The work table holds no order of this visit yet.
    BitBtnSorteraSpara_->setEnabled(false);
}

void PanelSortera::VisaOrdning(tovana::Sorteringsordning ordning, const QString &delrubrik) {
    ListBoxSortera_->clear();
    BitBtnSorteraSpara_->setEnabled(false);
    form_.Kor([&] {
        auto &data = form_.Data();
        tovana::SorteraPoster(data, ordning);
        QStringList rader;
        rader.reserve(data.Postantal + 1);
        rader << QString::fromStdString(tovana::kSorteringsrubrik);
        for (int32_t i = 1; i <= data.Postantal; ++i)
            rader << QString::fromStdString(
                tovana::Sorteringsrad(data.Arbetsposter[static_cast<std::size_t>(i)]));
        ListBoxSortera_->addItems(rader);
        LabelsorteraDelrubrik_->setText(delrubrik);
        BitBtnSorteraSpara_->setEnabled(true);
    });
}

void PanelSortera::BitBtnSorteraorginalClick() {
    VisaOrdning(tovana::Sorteringsordning::Inmatning,
                QStringLiteral("Sortering enligt hur du redovisat"));
}

void PanelSortera::BitBtnSorteraVernrClick() {
    VisaOrdning(tovana::Sorteringsordning::Vernr,
                QStringLiteral("Sortering efter verifikationsnummer"));
}

void PanelSortera::BitBtnSorteraDatumClick() {
    VisaOrdning(tovana::Sorteringsordning::Datum, QStringLiteral("Sortering efter datum"));
}

void PanelSortera::BitBtnSorteraSparaClick() {
    if (!BitBtnSorteraSpara_->isEnabled())
        return;
    form_.Kor([&] {
        // The result lines and the hidden buttons follow a rewrite that succeeded.
        tovana::SparaSortering(form_.Data());
        LabelSorteraSparaBesked_->setText(
            QStringLiteral("Redovisningen är sparad med den sortering som visas i rutan."));
        LabelSorteraSparabesked2_->setText(QStringLiteral("Använd menyerna för fortsatt arbete."));
        SattKnapparSynliga(false);
    });
}

PanelSortera *ByggSorteringspaneler(Huvudfonster &form) {
    auto *panel = new PanelSortera(form);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::RedSortera), &QAction::triggered, panel,
                     &PanelSortera::RedSorteraClick);
    return panel;
}
