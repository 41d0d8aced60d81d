#include "reports/ui/Kodrapportpaneler.h"
#include "core/Menynamn.h"

#include "reports/Kodrapporter.h"
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

namespace {

using kontroller::Verdana;

// The panel's texts and buttons in the report panels' font.
QLabel *Rapportetikett(QWidget *panel, const char *namn, const QString &text) {
    auto *etikett = kontroller::Radbrytande(panel, namn, text);
    etikett->setFont(Verdana(13));
    return etikett;
}

QPushButton *Rapportknapp(QWidget *panel, const char *namn, const QString &text) {
    auto *knapp = kontroller::Knapp(panel, namn, text);
    knapp->setFont(Verdana(13));
    knapp->setMinimumSize(441, 33);
    return knapp;
}

} // namespace

PanelRappkod::PanelRappkod(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelRappkod"), QStringLiteral("LabelrappkodRubrik"),
                  QStringLiteral("Resultat- och balansräkning med koder")),
      form_(form) {
    Rubrik()->setFont(Verdana(19));

    auto *rubrik2 =
        Rapportetikett(this, "LabelRappKodRubrik2",
                       QStringLiteral("Ange vilka koder som ska särredovisas i rapporterna "
                                      "och klicka sedan på respektive knapp."));
    auto *rubrik3 =
        Rapportetikett(this, "LabelRappKodRubrik3",
                       QStringLiteral("(Rapporterna kommer att visas i din webbläsare för "
                                      "att förenkla ev. utskrift.)"));
    auto *koder = Rapportetikett(this, "LabelRappKod", QStringLiteral("Koder:"));
    koder->setWordWrap(false);

    auto *rutrad = new QHBoxLayout;
    rutrad->addWidget(koder);
    const char *const namn[] = {"EditRappKod1", "EditRappkod2", "EditRappKod3",
                                "EditRappKod4", "EditRappKod5", "EditRappKod6"};
    for (std::size_t k = 0; k < rutor_.size(); ++k) {
        rutor_[k] = kontroller::Ruta(this, namn[k]);
        rutor_[k]->setFixedWidth(57);
        rutrad->addWidget(rutor_[k]);
    }
    rutrad->addStretch(1);

    auto *rr = Rapportknapp(this, "BitBtnRRkod",
                            QStringLiteral("Visa Resultaträkningen med uppdelning på koder"));
    auto *br = Rapportknapp(this, "BitBtnBRkod",
                            QStringLiteral("Visa Balansräkingen med uppdelning på koder"));

    ListBoxRappKod_ = kontroller::Lista(this, "ListBoxRappKod");
    ListBoxRappKod_->setFont(Verdana(13));
    ListBoxRappKod_->setMinimumSize(225, 345);

    auto *rutnat = new QGridLayout;
    rutnat->setContentsMargins(56, 8, 24, 0);
    rutnat->setVerticalSpacing(10);
    rutnat->addWidget(rubrik2, 0, 0, 1, 3);
    rutnat->addWidget(rubrik3, 1, 0, 1, 3);
    rutnat->addLayout(rutrad, 2, 0, 1, 2);
    rutnat->addWidget(rr, 3, 0, Qt::AlignLeft);
    rutnat->addWidget(br, 4, 0, Qt::AlignLeft);
    rutnat->addWidget(ListBoxRappKod_, 2, 2, 4, 1, Qt::AlignTop);
    rutnat->setRowMinimumHeight(3, 60);
    rutnat->setRowStretch(5, 1);
    rutnat->setColumnStretch(1, 1);
    Innehall()->addLayout(rutnat, 1);

    connect(rr, &QPushButton::clicked, this,
            [this] { VisaKodrapport(&tovana::ResultatrakningMedKoderUtskrift); });
    connect(br, &QPushButton::clicked, this,
            [this] { VisaKodrapport(&tovana::BalansrakningMedKoderUtskrift); });
}

void PanelRappkod::VisaKoder(bool fyllRutor) {
    form_.VisaArbetspanel(this);
    ListBoxRappKod_->clear();
    const tovana::Kodlista lista = tovana::KoderIKontoplanen(form_.Data());
    for (const auto &rad : lista.rader)
        ListBoxRappKod_->addItem(QString::fromStdString(rad));
    if (fyllRutor)
        for (std::size_t k = 0; k < lista.forsta.size(); ++k)
            rutor_[k]->setText(QString::number(lista.forsta[k]));
}

void PanelRappkod::RRmedKoderClick() {
    VisaKoder(true);
}

void PanelRappkod::BRmedkoderClick() {
    VisaKoder(false);
}

void PanelRappkod::VisaKodrapport(Kodrapport bygg) {
    form_.Kor([&] {
        std::array<std::string, tovana::kKodkolumner> texter;
        for (std::size_t k = 0; k < rutor_.size(); ++k)
            texter[k] = rutor_[k]->text().toStdString();
        const auto koder = tovana::LasValdakoder(form_.Data(), texter);
        auto utskrift = bygg(form_.Data(), koder, Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

void PanelRappkod::DagbokmedkoderClick() {
    form_.Kor([&] {
        auto utskrift = tovana::DagbokMedKoderUtskrift(form_.Data(), Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

PanelRappkod *ByggKodrapportpaneler(Huvudfonster &form) {
    auto *panel = new PanelRappkod(form);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::RRmedKoder), &QAction::triggered, panel,
                     &PanelRappkod::RRmedKoderClick);
    QObject::connect(form.Menyval(tovana::meny::BRmedkoder), &QAction::triggered, panel,
                     &PanelRappkod::BRmedkoderClick);
    QObject::connect(form.Menyval(tovana::meny::Dagbokmedkoder), &QAction::triggered, panel,
                     &PanelRappkod::DagbokmedkoderClick);
    return panel;
}
