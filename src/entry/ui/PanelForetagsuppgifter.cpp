#include "entry/ui/PanelForetagsuppgifter.h"
#include "core/Menynamn.h"

#include "core/Datum.h"
#include "entry/Foretag.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using kontroller::Etikett;
using kontroller::Knapp;
using kontroller::Ruta;

namespace {

// The VAT periods in the order of the list; no choice is a period not known.
constexpr tovana::Momsperiod kMomsperioder[] = {
    tovana::Momsperiod::Manad, tovana::Momsperiod::Kvartal, tovana::Momsperiod::Ar};

int Momsrad(tovana::Momsperiod period) {
    for (int i = 0; i < 3; ++i)
        if (kMomsperioder[i] == period)
            return i;
    return -1;
}

std::string Text(const QLineEdit *ruta) {
    return ruta->text().toStdString();
}

} // namespace

PanelForetagsuppgifter::PanelForetagsuppgifter(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelForetagsuppgifter"),
                  QStringLiteral("LabelForetagsuppgifterRubrik"),
                  QStringLiteral("Företagsuppgifter")),
      form_(form) {
    auto *layout = Innehall();
    layout->addWidget(kontroller::Radbrytande(
        this, "LabelForetagsuppgifterInfo",
        QStringLiteral("Uppgifterna sparas i företagsfilen och används i SIE-filen, "
                       "momsrapporten och utskrifternas rubriker. Lämna en ruta tom för en "
                       "uppgift du inte vill ange.")));

    auto *falt = new QGridLayout;
    const auto rad = [&](int r, const char *etikettnamn, const QString &text, QWidget *ruta) {
        falt->addWidget(Etikett(this, etikettnamn, text), r, 0);
        falt->addWidget(ruta, r, 1);
    };
    EditForetagsnamn_ = Ruta(this, "EditForetagsnamn");
    EditForetagsnamn_->setMaxLength(static_cast<int>(tovana::kForetagsnamnlangd));
    rad(0, "LabelForetagsnamn", QStringLiteral("Företagets namn"), EditForetagsnamn_);
    EditOrgnr_ = Ruta(this, "EditOrgnr");
    EditOrgnr_->setMaxLength(11);
    rad(1, "LabelOrgnr", QStringLiteral("Organisationsnummer (NNNNNN-NNNN)"), EditOrgnr_);
    EditArFran_ = Ruta(this, "EditArFran");
    EditArFran_->setMaxLength(static_cast<int>(tovana::kDatumrutelangd));
    rad(2, "LabelArFran", QStringLiteral("Räkenskapsårets första dag (ÅÅÅÅMMDD)"), EditArFran_);
    EditArTill_ = Ruta(this, "EditArTill");
    EditArTill_->setMaxLength(static_cast<int>(tovana::kDatumrutelangd));
    rad(3, "LabelArTill", QStringLiteral("Räkenskapsårets sista dag (ÅÅÅÅMMDD)"), EditArTill_);
    ComboMomsperiod_ = new QComboBox(this);
    ComboMomsperiod_->setObjectName(QStringLiteral("ComboMomsperiod"));
    ComboMomsperiod_->addItems(
        {QStringLiteral("Månad"), QStringLiteral("Kvartal"), QStringLiteral("År")});
    ComboMomsperiod_->setPlaceholderText(QStringLiteral("Ej angiven"));
    ComboMomsperiod_->setCurrentIndex(-1);
    rad(4, "LabelMomsperiod", QStringLiteral("Momsperiod"), ComboMomsperiod_);
    falt->setColumnStretch(1, 1);
    layout->addLayout(falt);

    BitBtnForetagsuppgifterSpara_ =
        Knapp(this, "BitBtnForetagsuppgifterSpara", QStringLiteral("Spara företagsuppgifterna"));
    layout->addWidget(BitBtnForetagsuppgifterSpara_, 0, Qt::AlignLeft);
    LabelForetagsuppgifterBesked_ = kontroller::Radbrytande(this, "LabelForetagsuppgifterBesked");
    layout->addWidget(LabelForetagsuppgifterBesked_);
    layout->addStretch(1);

    setTabOrder(EditForetagsnamn_, EditOrgnr_);
    setTabOrder(EditOrgnr_, EditArFran_);
    setTabOrder(EditArFran_, EditArTill_);
    setTabOrder(EditArTill_, ComboMomsperiod_);
    setTabOrder(ComboMomsperiod_, BitBtnForetagsuppgifterSpara_);
    connect(BitBtnForetagsuppgifterSpara_, &QPushButton::clicked, this,
            &PanelForetagsuppgifter::BitBtnForetagsuppgifterSparaClick);
}

void PanelForetagsuppgifter::VisaBesked() {
    const std::string &fil = form_.Data().Foretagsfil;
    LabelForetagsuppgifterBesked_->setText(
        fil.empty()
            ? QStringLiteral("Ingen företagsfil är öppen: när du sparar får du välja var "
                             "företagsfilen ska ligga. Den kommer att öppna den "
                             "kontoplan och redovisning som är öppna nu.")
            : QStringLiteral("Uppgifterna sparas i företagsfilen ") + QString::fromStdString(fil));
}

void PanelForetagsuppgifter::ForetagsuppgifterClick() {
    form_.VisaArbetspanel(this);
    const tovana::Uppgiftsrutor rutor = tovana::Uppgiftsrutorna(form_.Data().Foretaget);
    EditForetagsnamn_->setText(QString::fromStdString(rutor.namn));
    EditOrgnr_->setText(QString::fromStdString(rutor.orgnr));
    EditArFran_->setText(QString::fromStdString(rutor.arFran));
    EditArTill_->setText(QString::fromStdString(rutor.arTill));
    ComboMomsperiod_->setCurrentIndex(Momsrad(rutor.momsperiod));
    VisaBesked();
    EditForetagsnamn_->setFocus();
}

void PanelForetagsuppgifter::BitBtnForetagsuppgifterSparaClick() {
    form_.Kor([&] {
        const int momsrad = ComboMomsperiod_->currentIndex();
        const tovana::Uppgiftsprovning provning = tovana::ProvaForetagsuppgifter(
            {Text(EditForetagsnamn_), Text(EditOrgnr_), Text(EditArFran_), Text(EditArTill_),
             momsrad < 0 ? tovana::Momsperiod::Okand : kMomsperioder[momsrad]});
        if (!provning.uppgifter) {
            form_.Meddelande(QString::fromStdString(provning.fel));
            QLineEdit *rutor[] = {EditForetagsnamn_, EditOrgnr_, EditArFran_, EditArTill_};
            rutor[static_cast<int>(provning.ruta)]->setFocus();
            return;
        }
        auto &data = form_.Data();
        if (data.Foretagsfil.empty()) {
            const QString fil = form_.ValjSparfil(QStringLiteral("*.ftg"));
            if (fil.isEmpty())
                return;
            tovana::SparaNyttForetag(data, fil.toStdString(), *provning.uppgifter);
        } else {
            tovana::SparaForetagsuppgifter(data, *provning.uppgifter);
        }
        // The boxes show the details as saved ("5555555555" as "555555-5555").
        ForetagsuppgifterClick();
        LabelForetagsuppgifterBesked_->setText(QStringLiteral("Företagsuppgifterna är sparade i ") +
                                               QString::fromStdString(data.Foretagsfil));
    });
}

PanelForetagsuppgifter *ByggForetagsuppgiftspanel(Huvudfonster &form) {
    auto *panel = new PanelForetagsuppgifter(form);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::Foretagsuppgifter), &QAction::triggered, panel,
                     &PanelForetagsuppgifter::ForetagsuppgifterClick);
    return panel;
}
