#include "maintenance/ui/PanelSIE.h"
#include "core/Menynamn.h"

#include "chart/ui/Osparadkontoplan.h"
#include "core/Menylage.h"
#include "entry/Konteringsregler.h"
#include "maintenance/Sieexport.h"
#include "maintenance/Sieoppning.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using kontroller::Etikett;
using kontroller::Knapp;
using kontroller::Lista;
using kontroller::Ruta;

namespace {

std::string Text(const QLineEdit *ruta) {
    return ruta->text().trimmed().toStdString();
}

} // namespace

PanelSIE::PanelSIE(Huvudfonster &form, tovana::Postformular &formular)
    : Arbetspanel(QStringLiteral("PanelSIE"), QStringLiteral("LabelSIERubrik"),
                  QStringLiteral("SIE 4-fil")),
      form_(form), formular_(formular) {
    auto *layout = Innehall();
    layout->addWidget(Etikett(this, "LabelSIEexportinfo",
                              QStringLiteral("Exportera: redovisningens räkenskapsår med "
                                             "kontoplan, ingående balanser och verifikationer "
                                             "skrivs som en SIE-fil av typ 4.")));
    auto *ar = new QGridLayout;
    ar->addWidget(Etikett(this, "LabelSIEfran",
                          QStringLiteral("Räkenskapsårets första dag "
                                         "(ÅÅÅÅMMDD)")),
                  0, 0);
    EditSIEfran_ = Ruta(this, "EditSIEfran");
    EditSIEfran_->setMaxLength(8);
    ar->addWidget(EditSIEfran_, 0, 1);
    ar->addWidget(Etikett(this, "LabelSIEtill",
                          QStringLiteral("Räkenskapsårets sista dag "
                                         "(ÅÅÅÅMMDD)")),
                  1, 0);
    EditSIEtill_ = Ruta(this, "EditSIEtill");
    EditSIEtill_->setMaxLength(8);
    ar->addWidget(EditSIEtill_, 1, 1);
    ar->setColumnStretch(2, 1);
    layout->addLayout(ar);

    auto *knappar = new QHBoxLayout;
    BitBtnSIEexport_ = Knapp(this, "BitBtnSIEexport", QStringLiteral("Exportera SIE 4-fil"));
    knappar->addWidget(BitBtnSIEexport_);
    knappar->addStretch(1);
    layout->addLayout(knappar);

    layout->addSpacing(12);
    layout->addWidget(
        Etikett(this, "LabelSIEimportinfo",
                QStringLiteral("Importera: en SIE-fil av typ 4 blir en ny "
                               "kontoplan och en ny redovisning, som sedan öppnas.")));
    auto *import = new QHBoxLayout;
    BitBtnSIEimport_ = Knapp(this, "BitBtnSIEimport", QStringLiteral("Importera SIE 4-fil"));
    import->addWidget(BitBtnSIEimport_);
    import->addStretch(1);
    layout->addLayout(import);

    layout->addSpacing(12);
    LabelSIEbesked_ = Etikett(this, "LabelSIEbesked", QString());
    LabelSIEbesked_->setWordWrap(true);
    layout->addWidget(LabelSIEbesked_);
    ListBoxSIE_ = Lista(this, "ListBoxSIE");
    layout->addWidget(ListBoxSIE_, 1);

    connect(BitBtnSIEexport_, &QPushButton::clicked, this, &PanelSIE::BitBtnSIEexportClick);
    connect(BitBtnSIEimport_, &QPushButton::clicked, this, &PanelSIE::BitBtnSIEimportClick);
}

void PanelSIE::Rensa() {
    ListBoxSIE_->clear();
    LabelSIEbesked_->clear();
}

void PanelSIE::AktiveraExport(bool aktiv) {
    EditSIEfran_->setEnabled(aktiv);
    EditSIEtill_->setEnabled(aktiv);
    BitBtnSIEexport_->setEnabled(aktiv);
}

void PanelSIE::Besked(const std::string &text) {
    LabelSIEbesked_->setText(QString::fromStdString(text));
}

void PanelSIE::ExporteraSIEClick() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        Rensa();
        const auto ar = tovana::StandardRakenskapsar(
            form_.Data(), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString());
        EditSIEfran_->setText(QString::fromStdString(ar.fran));
        EditSIEtill_->setText(QString::fromStdString(ar.till));
        AktiveraExport(true);
        EditSIEfran_->setFocus();
    });
}

void PanelSIE::ImporteraSIEClick() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        Rensa();
        // The export needs a chart and a ledger in memory.
        AktiveraExport(tovana::RedovisningOppen(form_.Data()));
        BitBtnSIEimport_->setFocus();
    });
}

void PanelSIE::BitBtnSIEexportClick() {
    form_.Kor([&] {
        Rensa();
        const std::string idag =
            QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString();
        const tovana::SieExport exp = tovana::Exportera(
            form_.Data(), Text(EditSIEfran_), Text(EditSIEtill_), idag,
            tovana::Registreringar(tovana::Loggfil(form_.Data().Redovisningsfil)));
        if (!exp.Lyckades()) {
            kontroller::FyllLista(ListBoxSIE_, exp.problem);
            Besked("Ingen SIE-fil skrevs. Rätta problemen i listan och exportera igen.");
            return;
        }
        const QString fil = form_.ValjSparfil(QStringLiteral("*.se"));
        if (fil.isEmpty())
            return;
        tovana::SparaSiefil(fil.toStdString(), exp);
        Besked(fil.toStdString() + ": " + exp.sammanfattning);
    });
}

void PanelSIE::BitBtnSIEimportClick() {
    form_.Kor([&] {
        Rensa();
        if (!ErbjudSparaKontoplan(form_))
            return;
        const QString siefil = form_.ValjOppnafil(QStringLiteral("*.se"));
        if (siefil.isEmpty())
            return;
        const QString kontoplanfil = form_.ValjSparfil(QStringLiteral("*.kpl"));
        if (kontoplanfil.isEmpty())
            return;
        const QString redovisningsfil = form_.ValjSparfil(QStringLiteral("*.red"));
        if (redovisningsfil.isEmpty())
            return;
        const tovana::SieImport import = tovana::LasSiefil(siefil.toStdString());
        if (!import.Lyckades()) {
            kontroller::FyllLista(ListBoxSIE_, import.fel);
            Besked("SIE-filen har fel och lästes inte in; ingen kontoplan och ingen redovisning "
                   "skapades. Rätta raderna i listan och importera igen.");
            return;
        }
        auto &data = form_.Data();
        const std::string besked = tovana::SkapaFranSie(data, import, kontoplanfil.toStdString(),
                                                        redovisningsfil.toStdString());
        tovana::BorjaOmFormularet(formular_);
        form_.VisaAktuellKontoplan();
        form_.VisaAktuellRedovisning();
        form_.Menyandring(tovana::Menyhandelse::ForetagOppnat);
        AktiveraExport(true);
        kontroller::FyllLista(ListBoxSIE_, import.problem);
        Besked(import.sammanfattning + " Kontoplanen " + data.Kontoplanfil + " och redovisningen " +
               data.Redovisningsfil + " är nu öppna." +
               (import.problem.empty() ? ""
                                       : " Filen hade problem som inte hindrade inläsningen; "
                                         "de står i listan."));
        if (!besked.empty())
            form_.Meddelande(QString::fromStdString(besked));
    });
}

PanelSIE *ByggSIEpanel(Huvudfonster &form, tovana::Postformular &formular) {
    auto *panel = new PanelSIE(form, formular);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::ExporteraSIE), &QAction::triggered, panel,
                     &PanelSIE::ExporteraSIEClick);
    QObject::connect(form.Menyval(tovana::meny::ImporteraSIE), &QAction::triggered, panel,
                     &PanelSIE::ImporteraSIEClick);
    return panel;
}
