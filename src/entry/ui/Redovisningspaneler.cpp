#include "entry/ui/Redovisningspaneler.h"
#include "core/Menynamn.h"

#include "chart/ui/Osparadkontoplan.h"
#include "entry/Foretag.h"
#include "entry/ui/PanelForetagsuppgifter.h"
#include "entry/ui/Redovisapanel.h"
#include "entry/ui/SkapaRedpanel.h"
#include "ui/Arbetspanel.h"
#include "ui/Huvudfonster.h"

#include <QAction>

void OppnaForetagsfil(Huvudfonster &form, Redovisapanel &redovisa, const QString &sokvag) {
    form.Kor([&] {
        if (!ErbjudSparaKontoplan(form))
            return;
        const QString fil = sokvag.isEmpty() ? form.ValjOppnafil(QStringLiteral("*.ftg")) : sokvag;
        if (fil.isEmpty())
            return;
        auto &data = form.Data();
        const std::string besked = tovana::OppnaForetag(data, fil.toStdString());
        form.VisaAktuellKontoplan();
        form.VisaAktuellRedovisning();
        form.Menyandring(tovana::Menyhandelse::ForetagOppnat);
        tovana::BorjaOmFormularet(redovisa.Formular());
        redovisa.VisaOppnadRedovisning();
        redovisa.VisaSaldoVidOppning();
        if (!besked.empty())
            form.Meddelande(QString::fromStdString(besked));
    });
}

namespace {

// "Spara som företag": names the open chart and ledger files in a company file.
void sparaforetagClick(Huvudfonster &form) {
    form.Kor([&] {
        const QString fil = form.ValjSparfil(QStringLiteral("*.ftg"));
        if (fil.isEmpty())
            return;
        tovana::SparaForetag(form.Data(), fil.toStdString());
        form.Meddelande(QString::fromStdString(tovana::ForetagSparatText(fil.toStdString())));
    });
}

} // namespace

Redovisningspaneler ByggRedovisningspaneler(Huvudfonster &form) {
    auto *redovisa = new Redovisapanel(form);
    auto *skapa = new SkapaRedpanel(form, *redovisa);
    form.RegistreraArbetspanel(skapa);
    form.RegistreraArbetspanel(redovisa);

    QObject::connect(form.Menyval(tovana::meny::Skapaennyredovisning2), &QAction::triggered, skapa,
                     &SkapaRedpanel::Skapaennyredovisning2Click);
    QObject::connect(form.Menyval(tovana::meny::Oppnared), &QAction::triggered, redovisa,
                     &Redovisapanel::OppnaredClick);
    QObject::connect(form.Menyval(tovana::meny::Redovisa), &QAction::triggered, redovisa,
                     &Redovisapanel::RedovisaClick);
    QObject::connect(form.Menyval(tovana::meny::oppnaforetag), &QAction::triggered, redovisa,
                     [&form, redovisa] { OppnaForetagsfil(form, *redovisa, QString()); });
    QObject::connect(form.Menyval(tovana::meny::sparaforetag), &QAction::triggered, redovisa,
                     [&form] { sparaforetagClick(form); });
    ByggForetagsuppgiftspanel(form);
    // Saving a company asks only for its file; its panel stands empty, without
    // a heading.
    form.RegistreraArbetspanel(
        new Arbetspanel(QStringLiteral("PanelSparaForetag"), QString(), QString()));
    return {skapa, redovisa};
}
