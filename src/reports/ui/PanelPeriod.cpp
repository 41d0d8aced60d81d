#include "reports/ui/PanelPeriod.h"
#include "core/Menynamn.h"

#include "reports/Periodrapport.h"
#include "reports/Rapportval.h"
#include "reports/Resultatutskrift.h"
#include "reports/ui/PanelRR.h"
#include "reports/ui/Utskriftsvisning.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using kontroller::Etikett;
using kontroller::Knapp;
using kontroller::Ruta;

PanelPeriod::PanelPeriod(Huvudfonster &form, PanelRR &rr)
    : Arbetspanel(QStringLiteral("PanelPeriod"), QStringLiteral("LabelPeriodRubrik"),
                  QStringLiteral("Resultat- och balansräkning för en period")),
      form_(form), rr_(rr) {
    auto *layout = Innehall();
    layout->addWidget(kontroller::Radbrytande(
        this, "LabelPeriodInfo",
        QStringLiteral("Resultaträkningen räknar posterna med datum i perioden, balansräkningen "
                       "alla poster till och med periodens sista dag. Skriv datumen som "
                       "ÅÅMMDD, ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD.")));

    auto *falt = new QGridLayout;
    EditPeriodFran_ = Ruta(this, "EditPeriodFran");
    EditPeriodFran_->setMaxLength(static_cast<int>(tovana::kDatumrutelangd));
    EditPeriodTill_ = Ruta(this, "EditPeriodTill");
    EditPeriodTill_->setMaxLength(static_cast<int>(tovana::kDatumrutelangd));
    falt->addWidget(Etikett(this, "LabelPeriodFran", QStringLiteral("Periodens första dag")), 0, 0);
    falt->addWidget(EditPeriodFran_, 0, 1);
    falt->addWidget(Etikett(this, "LabelPeriodTill", QStringLiteral("Periodens sista dag")), 1, 0);
    falt->addWidget(EditPeriodTill_, 1, 1);
    falt->setColumnStretch(2, 1);
    layout->addLayout(falt);

    auto *knappar = new QGridLayout;
    auto *rrKnapp = Knapp(this, "BitBtnPeriodRR", QStringLiteral("Resultaträkning för perioden"));
    auto *brKnapp =
        Knapp(this, "BitBtnPeriodBR", QStringLiteral("Balansräkning vid periodens slut"));
    auto *rrUtskrift = Knapp(this, "BitBtnPeriodRRUtskrift",
                             QStringLiteral("Skriv ut resultaträkningen för perioden"));
    auto *brUtskrift = Knapp(this, "BitBtnPeriodBRUtskrift",
                             QStringLiteral("Skriv ut balansräkningen vid periodens slut"));
    knappar->addWidget(rrKnapp, 0, 0);
    knappar->addWidget(brKnapp, 0, 1);
    knappar->addWidget(rrUtskrift, 1, 0);
    knappar->addWidget(brUtskrift, 1, 1);
    knappar->setColumnStretch(2, 1);
    layout->addLayout(knappar);

    layout->addWidget(
        Etikett(this, "LabelPeriodProblem",
                QStringLiteral("Poster som inte räknas med (datumet kan inte läsas)")));
    ListBoxPeriodProblem_ = kontroller::Lista(this, "ListBoxPeriodProblem");
    layout->addWidget(ListBoxPeriodProblem_, 1);

    connect(rrKnapp, &QPushButton::clicked, this, &PanelPeriod::BitBtnPeriodRRClick);
    connect(brKnapp, &QPushButton::clicked, this, &PanelPeriod::BitBtnPeriodBRClick);
    connect(rrUtskrift, &QPushButton::clicked, this, &PanelPeriod::BitBtnPeriodRRUtskriftClick);
    connect(brUtskrift, &QPushButton::clicked, this, &PanelPeriod::BitBtnPeriodBRUtskriftClick);
}

void PanelPeriod::RapportPeriodClick() {
    form_.VisaArbetspanel(this);
    const auto &data = form_.Data();
    const std::string bocker = data.Redovisningsfil + '\n' + data.Foretagsfil;
    if (bocker != forinstallt_ ||
        (EditPeriodFran_->text().isEmpty() && EditPeriodTill_->text().isEmpty())) {
        forinstallt_ = bocker;
        const auto period =
            tovana::ForvaldRapportperiod(data, tovana::Rakenskapsperiod(data.Foretaget));
        EditPeriodFran_->setText(period ? QString::fromStdString(tovana::Datumtext(period->fran))
                                        : QString());
        EditPeriodTill_->setText(period ? QString::fromStdString(tovana::Datumtext(period->till))
                                        : QString());
        ListBoxPeriodProblem_->clear();
    }
    EditPeriodFran_->setFocus();
}

tovana::Periodrapport PanelPeriod::Bygg(Vilken vilken, tovana::Rapportform form) {
    const tovana::Period period = tovana::LasRapportperiod(EditPeriodFran_->text().toStdString(),
                                                           EditPeriodTill_->text().toStdString());
    auto rapport = vilken == Vilken::Resultat
                       ? tovana::ByggPeriodensResultatrakning(form_.Data(), period, form)
                       : tovana::ByggPeriodensBalansrakning(form_.Data(), period, form);
    kontroller::FyllLista(ListBoxPeriodProblem_, rapport.problem);
    return rapport;
}

void PanelPeriod::Visa(Vilken vilken) {
    form_.Kor([&] {
        const auto rapport = Bygg(vilken, tovana::Rapportform::Skarm);
        rr_.VisaRapport(QString::fromStdString(rapport.rubrik), rapport.rader);
        if (!rapport.problem.empty())
            form_.Meddelande(
                (rapport.problem.size() == 1
                     ? QStringLiteral("1 post")
                     : QStringLiteral("%1 poster").arg(rapport.problem.size())) +
                QStringLiteral(" har ett datum som inte kan läsas och räknas inte med. De listas "
                               "under Rapporter, Resultat- och balansräkning för en period."));
    });
}

void PanelPeriod::Skrivut(Vilken vilken) {
    form_.Kor([&] {
        const auto rapport = Bygg(vilken, tovana::Rapportform::Utskrift);
        auto utskrift = tovana::PeriodrapportUtskrift(form_.Data(), rapport, Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

void PanelPeriod::BitBtnPeriodRRClick() {
    Visa(Vilken::Resultat);
}

void PanelPeriod::BitBtnPeriodBRClick() {
    Visa(Vilken::Balans);
}

void PanelPeriod::BitBtnPeriodRRUtskriftClick() {
    Skrivut(Vilken::Resultat);
}

void PanelPeriod::BitBtnPeriodBRUtskriftClick() {
    Skrivut(Vilken::Balans);
}

PanelPeriod *ByggPeriodpanel(Huvudfonster &form, PanelRR &rr) {
    auto *panel = new PanelPeriod(form, rr);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::RapportPeriod), &QAction::triggered, panel,
                     &PanelPeriod::RapportPeriodClick);
    return panel;
}
