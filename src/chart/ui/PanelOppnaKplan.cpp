#include "chart/ui/PanelOppnaKplan.h"

#include "chart/Kontoplan.h"
#include "chart/ui/Osparadkontoplan.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QListWidget>
#include <QVBoxLayout>

using namespace kontroller;

PanelOppnaKplan::PanelOppnaKplan(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelOppnaKplan"), QStringLiteral("LabelKplanvisa"),
                  QStringLiteral("Visa aktuell kontoplan ")),
      form_(form) {
    ListBoxVisaKplan_ = Lista(this, "ListBoxVisaKplan");
    Innehall()->addWidget(ListBoxVisaKplan_, 1);
}

void PanelOppnaKplan::VisaKontoplan() {
    FyllLista(ListBoxVisaKplan_, tovana::Klasslista(form_.Data(), tovana::Listform::Gemena));
}

void PanelOppnaKplan::Oppna1Click() {
    Oppna(QString());
}

void PanelOppnaKplan::OppnaKontoplanfil(const QString &sokvag) {
    Oppna(sokvag);
}

void PanelOppnaKplan::Oppna(QString sokvag) {
    form_.Kor([&] {
        if (!ErbjudSparaKontoplan(form_))
            return;
        form_.VisaArbetspanel(this);
        if (sokvag.isEmpty())
            sokvag = form_.ValjOppnafil(QStringLiteral("*.kpl"));
        if (!sokvag.isEmpty()) {
            auto &data = form_.Data();
            ListBoxVisaKplan_->clear();
            const std::string besked = tovana::OppnaKontoplan(data, sokvag.toStdString());
            form_.Menyandring(tovana::Menyhandelse::KontoplanOppnad);
            if (!besked.empty())
                form_.Meddelande(QString::fromStdString(besked));
        }
    });
    // Whether the file was read, the dialog cancelled or the reading failed,
    // the list shows the chart now in memory.
    if (form_.Data().KontoplanInlast)
        form_.VisaAktuellKontoplan();
    VisaKontoplan();
}

void PanelOppnaKplan::Visa1Click() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        VisaKontoplan();
    });
}

void PanelOppnaKplan::SparasomKplanClick() {
    form_.Kor([&] {
        const QString sokvag = form_.ValjSparfil(QStringLiteral("*.kpl"));
        if (sokvag.isEmpty())
            return;
        tovana::SparaKontoplanSom(form_.Data(), sokvag.toStdString());
        form_.VisaAktuellKontoplan();
    });
}
