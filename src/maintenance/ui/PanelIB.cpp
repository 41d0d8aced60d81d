#include "maintenance/ui/PanelIB.h"
#include "core/Menynamn.h"

#include "core/Taltext.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QStringList kGuide = {
    QStringLiteral("Med denna rutin hämtar du IB-posterna (ingående balanser)"),
    QStringLiteral("från företagets fjolårsredovisning."),
    QString(),
    QStringLiteral("Skapa först årets redovisning och öppna aktuell kontoplan."),
    QString(),
    QStringLiteral("Fyll sedan i rutorna till vänster. Därefter erbjuds du en"),
    QStringLiteral("knapp för att peka ut och öppna fjolårets redovisning."),
    QString(),
    QStringLiteral("Granska IB-posterna i rutan nedan och klicka på"),
    QStringLiteral("\"Spara IB-posterna\" för att godkänna dem."),
};

const QString kOpnaKplan =
    QStringLiteral("OBS! Denna rutin förutsätter att du öppnat en kontoplan! Måste åtgärdas!");
const QString kOppnaRed = QStringLiteral(
    "OBS! Denna rutin förutsätter att du öppnat eller skapat årets redovisning! Måste åtgärdas!");

} // namespace

using kontroller::Knapp;
using kontroller::Radbrytande;
using kontroller::Ruta;

PanelIB::PanelIB(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelIB"), QStringLiteral("LabelIBRubrik"),
                  QStringLiteral("Rutin för att hämta IB-poster från en tidigare redovisning")),
      form_(form) {
    EditIBvernr_ = Ruta(this, "EditIBvernr");
    EditIBdatum_ = Ruta(this, "EditIBdatum");
    EditIBkonto_ = Ruta(this, "EditIBkonto");
    EditIBkonto_->setText(QStringLiteral("0"));
    EditIBarsvinst_ = Ruta(this, "EditIBarsvinst");
    BitBtnfjolar_ =
        Knapp(this, "BitBtnfjolar", QStringLiteral("Peka ut och öppna fjolårets redovisning"));
    BitBtnfjolar_->setEnabled(false);
    ListBoxIB_ = kontroller::Lista(this, "ListBoxIB");
    ListBoxIB_->setFont(kontroller::Fastbredd());
    {
        const QFontMetrics matt(ListBoxIB_->font());
        ListBoxIB_->setMinimumWidth(matt.horizontalAdvance(QString(44, QLatin1Char('0'))) + 40);
    }
    BitBtnIBSpara_ = Knapp(this, "BitBtnIBSpara", QStringLiteral("Spara IB-posterna"));
    BitBtnIBSpara_->setEnabled(false);
    LabelIBsparad_ = Radbrytande(this, "LabelIBsparad");

    auto *rutor = new QVBoxLayout;
    rutor->addWidget(Radbrytande(this, "LabelIBvernr",
                                 QStringLiteral("Ange vilket verifikationsnummer du vill ha för "
                                                "IB-posterna")));
    rutor->addWidget(EditIBvernr_);
    rutor->addWidget(Radbrytande(this, "LabelIBdatum",
                                 QStringLiteral("Ange vilket datum du vill ha för IB-posterna")));
    rutor->addWidget(EditIBdatum_);
    rutor->addWidget(
        Radbrytande(this, "LabelIBkonto", QStringLiteral("Ange ev. kontonummer för IB-kontot")));
    rutor->addWidget(Radbrytande(this, "LabelIBkonto2",
                                 QStringLiteral("(Skriv 0 om du inte har ett särskilt IB-konto)")));
    rutor->addWidget(EditIBkonto_);
    rutor->addWidget(
        Radbrytande(this, "LabelIBarsvinst",
                    QStringLiteral("Ange vilket konto som ska ta emot fjolårets resultat")));
    rutor->addWidget(EditIBarsvinst_);
    rutor->addWidget(BitBtnfjolar_);
    rutor->addStretch(1);

    auto *overst = new QHBoxLayout;
    overst->addLayout(rutor, 1);
    overst->addWidget(kontroller::Memo(this, "MemoIB", kGuide), 0, Qt::AlignTop);
    Innehall()->addLayout(overst);
    Innehall()->addWidget(ListBoxIB_, 1);
    auto *nederst = new QHBoxLayout;
    nederst->addWidget(LabelIBsparad_, 1);
    nederst->addWidget(BitBtnIBSpara_);
    Innehall()->addLayout(nederst);

    connect(EditIBvernr_, &QLineEdit::textChanged, this, &PanelIB::EditIBvernrChange);
    connect(EditIBkonto_, &QLineEdit::textChanged, this, &PanelIB::EditIBvernrChange);
    connect(EditIBarsvinst_, &QLineEdit::textChanged, this, &PanelIB::EditIBarsvinstChange);
    connect(BitBtnfjolar_, &QPushButton::clicked, this, &PanelIB::BitBtnfjolarClick);
    connect(BitBtnIBSpara_, &QPushButton::clicked, this, &PanelIB::BitBtnIBSparaClick);
}

void PanelIB::HamtaIBClick() {
    form_.VisaArbetspanel(this);
    const auto &data = form_.Data();
    if (!data.KontoplanInlast)
        form_.Meddelande(kOpnaKplan);
    if (!data.RedovisningInlast)
        form_.Meddelande(kOppnaRed);
}

void PanelIB::EditIBvernrChange() {
    if (!EditIBvernr_->text().isEmpty() && !EditIBarsvinst_->text().isEmpty() &&
        !EditIBdatum_->text().isEmpty())
        BitBtnfjolar_->setEnabled(true);
}

void PanelIB::EditIBarsvinstChange() {
    if (!EditIBvernr_->text().isEmpty() && !EditIBarsvinst_->text().isEmpty())
        BitBtnfjolar_->setEnabled(true);
}

void PanelIB::BitBtnfjolarClick() {
    const QString fil = form_.ValjOppnafil(QStringLiteral("*.red"));
    if (fil.isEmpty())
        return;
    form_.Kor([&] {
        // Every box is converted before last year's ledger is read.
        const int32_t vernr = tovana::TextTillHeltal(EditIBvernr_->text().toStdString());
        const int32_t ibkonto = tovana::TextTillHeltal(EditIBkonto_->text().toStdString());
        const int32_t resultatkonto = tovana::TextTillHeltal(EditIBarsvinst_->text().toStdString());
        tovana::BeraknaIBposter(form_.Data(), ib_, fil.toStdString(), vernr,
                                EditIBdatum_->text().toStdString(), ibkonto, resultatkonto);
        QStringList rader;
        for (const auto &rad : tovana::IBlista(form_.Data(), ib_))
            rader << QString::fromStdString(rad);
        ListBoxIB_->addItems(rader);
        BitBtnIBSpara_->setEnabled(true);
    });
}

void PanelIB::BitBtnIBSparaClick() {
    if (!BitBtnIBSpara_->isEnabled())
        return;
    form_.Kor([&] {
        // The button and the result line follow an append that succeeded; after a
        // failure the same posts can be saved again.
        tovana::SparaIBposter(form_.Data(), ib_);
        BitBtnIBSpara_->setEnabled(false);
        LabelIBsparad_->setText(
            QStringLiteral("IB-posterna är nu infogade i aktuell redovisning."));
    });
}

PanelIB *ByggIBpaneler(Huvudfonster &form) {
    auto *panel = new PanelIB(form);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::HamtaIB), &QAction::triggered, panel,
                     &PanelIB::HamtaIBClick);
    return panel;
}
