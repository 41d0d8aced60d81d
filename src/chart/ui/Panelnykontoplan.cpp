#include "chart/ui/Panelnykontoplan.h"

#include "chart/Kontoplan.h"
#include "chart/ui/Osparadkontoplan.h"
#include "chart/ui/Panelnyakonton.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"
#include "ui/Skrivbord.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace kontroller;

namespace {

const QString kTomningsfraga = QStringLiteral(
    "Kontoplanen i minnet har konton. När du sparar den nya kontoplanen töms minnet, och "
    "ändringar som du inte har sparat går förlorade. Vill du skapa en ny kontoplan?");

} // namespace

Panelnykontoplan::Panelnykontoplan(Huvudfonster &form, Panelnyakonton &nyakonton)
    : Arbetspanel(QStringLiteral("Panelnykontoplan"), QStringLiteral("Labelnykplanrubrik"),
                  QStringLiteral("Rutin för att skapa en ny kontoplan")),
      form_(form), nyakonton_(nyakonton) {
    auto *layout = Innehall();
    layout->addWidget(Etikett(this, "Labelnykplantext",
                              QStringLiteral("Ange den nya kontoplanens INTERNA namn")));
    Editnykplannamn_ = Ruta(this, "Editnykplannamn");
    Editnykplannamn_->setMinimumWidth(
        Editnykplannamn_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);
    layout->addWidget(Editnykplannamn_, 0, Qt::AlignLeft);
    auto *BitBtnnykplan = Knapp(this, "BitBtnnykplan", QStringLiteral("Spara den nya kontoplanen"));
    layout->addWidget(BitBtnnykplan, 0, Qt::AlignLeft);
    layout->addSpacing(12);
    layout->addWidget(
        Memo(this, "MemonyKplan",
             {QStringLiteral("Här kan du skapa en ny kontoplan för Tovana. Kontoplaner sparas på "
                             "disk som"),
              QStringLiteral("textfiler med filändelsen .kpl."), QString(),
              QStringLiteral("Kontoplanen ska ha ett INTERNT namn som kan innehålla å, ä och ö "
                             "samt flera ord."),
              QString(),
              QStringLiteral("Kontoplanens FILNAMN ska du ange i nästa dialogruta som visas "
                             "efter att"),
              QStringLiteral("du klickat på knappen här ovan. Undvik punkt, snedstreck och "
                             "andra "),
              QStringLiteral("specialtecken i filnamnet."), QString(),
              QStringLiteral("Det du spar i denna rutin är den just nu tomma kontoplanen."),
              QStringLiteral("Använd menyerna för att lägga till konton i den nya kontoplanen."),
              QString(),
              QStringLiteral("Observera att den kontoplan som eventuellt redan finns inläst i "
                             "datorn minne"),
              QStringLiteral("kommer att raderas från minnet. Se till att du sparat den "
                             "eventuella befintliga kontoplanen "),
              QStringLiteral("på disk om du gjort några ändringar i denna kontoplan.")}),
        0, Qt::AlignLeft);
    layout->addStretch(1);
    setTabOrder(Editnykplannamn_, BitBtnnykplan);

    connect(BitBtnnykplan, &QPushButton::clicked, this, &Panelnykontoplan::BitBtnnykplanClick);
}

void Panelnykontoplan::Skapany1Click() {
    form_.Kor([&] {
        // The chart in memory is replaced only once the new chart's file is
        // written, so a user who goes no further keeps it.
        // Unsaved changes are offered for saving; a chart with none still has
        // its accounts, and emptying memory of them is asked about.
        if (form_.Data().KontoplanAndrad) {
            if (!ErbjudSparaKontoplan(form_))
                return;
        } else if (form_.Data().Kontoantal > 0 &&
                   !form_.Desktop().Fraga(&form_.Agare(), kTomningsfraga)) {
            return;
        }
        form_.VisaArbetspanel(this);
        Editnykplannamn_->setFocus(Qt::OtherFocusReason);
    });
}

void Panelnykontoplan::BitBtnnykplanClick() {
    form_.Kor([&] {
        const QString sokvag = form_.ValjSparfil(QStringLiteral("*.kpl"));
        if (sokvag.isEmpty())
            return;
        tovana::SkapaNyKontoplan(form_.Data(), Editnykplannamn_->text().toStdString(),
                                 sokvag.toStdString());
        form_.VisaAktuellKontoplan();
        form_.Menyandring(tovana::Menyhandelse::KontoplanSkapad);
        nyakonton_.Nyttkonto1Click();
    });
}
