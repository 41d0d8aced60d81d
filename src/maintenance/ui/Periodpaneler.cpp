#include "maintenance/ui/Periodpaneler.h"

#include "core/Datum.h"
#include "core/Menynamn.h"
#include "maintenance/Perioder.h"
#include "reports/ui/Utskriftsvisning.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using kontroller::Etikett;
using kontroller::Knapp;
using kontroller::Radbrytande;
using kontroller::Ruta;

namespace {

// The longest reason the box takes.
constexpr int kSkalslangd = 200;

std::string Text(const QLineEdit *ruta) {
    return ruta->text().toStdString();
}

} // namespace

PanelPerioder::PanelPerioder(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelPerioder"), QStringLiteral("LabelPerioderRubrik"),
                  QStringLiteral("Stäng eller öppna en period")),
      form_(form) {
    auto *layout = Innehall();
    LabelStangdTom_ =
        Etikett(this, "LabelStangdTom", QString::fromStdString(tovana::kIngenStangdPeriod));
    kontroller::SattTypsnitt(LabelStangdTom_, kontroller::Fet);
    layout->addWidget(LabelStangdTom_);
    layout->addWidget(Radbrytande(
        this, "LabelPerioderBeskrivning",
        QStringLiteral("En post som är daterad i en stängd period kan inte sparas, ändras, raderas "
                       "eller sorteras om. Den rättas i stället med en rättelseverifikation. "
                       "Stäng en period när dess momsdeklaration är lämnad eller dess bokslut "
                       "är klart.")));
    layout->addSpacing(8);

    auto *rutnat = new QGridLayout;
    EditStangTom_ = Ruta(this, "EditStangTom");
    EditStangTom_->setMaxLength(static_cast<int>(tovana::kDatumrutelangd));
    BitBtnStang_ = Knapp(this, "BitBtnStang", QStringLiteral("Stäng perioden"));
    rutnat->addWidget(Etikett(this, "LabelStangTom", QStringLiteral("Stäng t.o.m. datum")), 0, 0);
    rutnat->addWidget(EditStangTom_, 0, 1);
    rutnat->addWidget(BitBtnStang_, 0, 2);

    EditOppnaFran_ = Ruta(this, "EditOppnaFran");
    EditOppnaFran_->setMaxLength(static_cast<int>(tovana::kDatumrutelangd));
    EditOppnaSkal_ = Ruta(this, "EditOppnaSkal");
    EditOppnaSkal_->setMaxLength(kSkalslangd);
    BitBtnOppna_ = Knapp(this, "BitBtnOppna", QStringLiteral("Öppna igen"));
    rutnat->addWidget(Etikett(this, "LabelOppnaFran", QStringLiteral("Öppna igen från datum")), 1,
                      0);
    rutnat->addWidget(EditOppnaFran_, 1, 1);
    rutnat->addWidget(Etikett(this, "LabelOppnaSkal", QStringLiteral("Skäl (krävs)")), 2, 0);
    rutnat->addWidget(EditOppnaSkal_, 2, 1, 1, 1);
    rutnat->addWidget(BitBtnOppna_, 2, 2);
    rutnat->setColumnStretch(1, 1);
    rutnat->setColumnStretch(3, 1);
    layout->addLayout(rutnat);
    layout->addStretch(1);

    connect(BitBtnStang_, &QPushButton::clicked, this, &PanelPerioder::BitBtnStangClick);
    connect(BitBtnOppna_, &QPushButton::clicked, this, &PanelPerioder::BitBtnOppnaClick);
}

void PanelPerioder::VisaLage() {
    LabelStangdTom_->setText(QString::fromStdString(tovana::Periodlage(form_.Data())));
}

void PanelPerioder::PerioderClick() {
    form_.VisaArbetspanel(this);
    VisaLage();
}

void PanelPerioder::BitBtnStangClick() {
    if (form_.Kor([&] { tovana::StangPeriod(form_.Data(), Text(EditStangTom_)); }))
        EditStangTom_->clear();
    VisaLage();
}

void PanelPerioder::BitBtnOppnaClick() {
    if (form_.Kor([&] {
            tovana::OppnaPeriod(form_.Data(), Text(EditOppnaFran_), Text(EditOppnaSkal_));
        })) {
        EditOppnaFran_->clear();
        EditOppnaSkal_->clear();
    }
    VisaLage();
}

PanelLogg::PanelLogg(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelLogg"), QStringLiteral("LabelLoggRubrik"),
                  QStringLiteral("Behandlingshistorik")),
      form_(form) {
    auto *layout = Innehall();
    layout->addWidget(Radbrytande(
        this, "LabelLoggBeskrivning",
        QStringLiteral("Här visas vad som registrerats och ändrats i redovisningen, när och av "
                       "vem, det senaste överst.")));
    auto *filter = new QHBoxLayout;
    EditLoggVernr_ = Ruta(this, "EditLoggVernr");
    filter->addWidget(Etikett(this, "LabelLoggVernr",
                              QStringLiteral("Visa bara verifikationsnummer (tomt visar alla)")));
    filter->addWidget(EditLoggVernr_);
    filter->addStretch(1);
    layout->addLayout(filter);
    ListBoxLogg_ = kontroller::Lista(this, "ListBoxLogg");
    ListBoxLogg_->setUniformItemSizes(true);
    layout->addWidget(ListBoxLogg_, 1);
    auto *nederst = new QHBoxLayout;
    nederst->addStretch(1);
    BitBtnLoggUtskrift_ =
        Knapp(this, "BitBtnLoggUtskrift", QStringLiteral("Skriv ut behandlingshistoriken"));
    nederst->addWidget(BitBtnLoggUtskrift_);
    layout->addLayout(nederst);

    connect(EditLoggVernr_, &QLineEdit::textChanged, this, &PanelLogg::EditLoggVernrChange);
    connect(BitBtnLoggUtskrift_, &QPushButton::clicked, this, &PanelLogg::BitBtnLoggUtskriftClick);
}

void PanelLogg::BehandlingshistorikClick() {
    form_.VisaArbetspanel(this);
    historik_ = {};
    form_.Kor([&] { historik_ = tovana::Behandlingshistorik::Las(form_.Data()); });
    EditLoggVernrChange();
}

void PanelLogg::EditLoggVernrChange() {
    urval_ = historik_.Urval(Text(EditLoggVernr_));
    std::vector<std::string> rader;
    rader.reserve(urval_.size());
    for (const std::size_t index : urval_)
        rader.push_back(historik_.Rad(index));
    kontroller::FyllLista(ListBoxLogg_, rader);
}

void PanelLogg::BitBtnLoggUtskriftClick() {
    form_.Kor([&] {
        tovana::Utskrift utskrift = tovana::HistorikUtskrift(
            historik_, urval_, form_.Data().Redovisningsnamn, Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

Periodpaneler ByggPeriodpaneler(Huvudfonster &form) {
    auto *perioder = new PanelPerioder(form);
    form.RegistreraArbetspanel(perioder);
    QObject::connect(form.Menyval(tovana::meny::Perioder), &QAction::triggered, perioder,
                     &PanelPerioder::PerioderClick);

    auto *logg = new PanelLogg(form);
    form.RegistreraArbetspanel(logg);
    QObject::connect(form.Menyval(tovana::meny::Behandlingshistorik), &QAction::triggered, logg,
                     &PanelLogg::BehandlingshistorikClick);
    return {perioder, logg};
}
