#include "reports/ui/PanelRapport.h"

#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "reports/Listutskrifter.h"
#include "reports/Resultatutskrift.h"
#include "reports/ui/Utskriftsvisning.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using kontroller::Verdana;

// A printout button: the report panels' font, wide enough for every title.
QPushButton *Rapportknapp(QWidget *panel, const char *namn, const QString &text) {
    auto *knapp = kontroller::Knapp(panel, namn, text);
    knapp->setFont(Verdana(13));
    knapp->setMinimumWidth(257);
    return knapp;
}

} // namespace

PanelRapport::PanelRapport(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelRapport"), QStringLiteral("Labelrapportrubrik"),
                  QStringLiteral("Välj vilken rapport du vill visa")),
      form_(form) {
    Rubrik()->setFont(Verdana(19));

    auto *memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo3"));
    memo->setFont(Verdana(13));
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setPlainText(QStringLiteral(
        "Tovana hanterar utskrifter via din webbläsare. Välj rapport via knapparna nedan.\n"
        "\n"
        "Vill du skriva ut eller spara rapporten som en fil så välj detta i webbläsaren.\n"
        "\n"
        "Stäng webbläsarfönstret för att återgå till Tovana:"));
    const QFontMetrics matt(memo->font());
    memo->setMinimumHeight(matt.lineSpacing() * 6 + 12);
    memo->setMaximumHeight(matt.lineSpacing() * 6 + 12);

    auto *res = Rapportknapp(this, "BitBtnResRapp", QStringLiteral("Resultaträkning"));
    auto *bal = Rapportknapp(this, "BitBtnBalRapp", QStringLiteral("Balansräkning"));
    auto *dagbok = Rapportknapp(this, "BitBtnDagbok", QStringLiteral("Dagbok"));
    EditHuvudboknummer_ = kontroller::Ruta(this, "EditHuvudboknummer");
    EditHuvudboknummer_->setFixedWidth(105);
    kontroller::VidInga(EditHuvudboknummer_, [this] { EditHuvudboknummerEnter(); });
    auto *kontosaldo =
        Rapportknapp(this, "BitBtnkontosaldo", QStringLiteral("Kontoutdrag för valt konto"));
    auto *kontoplan = Rapportknapp(this, "BitBtnkontoplan", QStringLiteral("Kontoplanen"));
    ListBoxKontoutdragKplan_ = kontroller::Lista(this, "ListBoxKontoutdragKplan");
    ListBoxKontoutdragKplan_->setFont(Verdana(11));
    ListBoxKontoutdragKplan_->setMinimumWidth(297);

    auto *rutnat = new QGridLayout;
    rutnat->setContentsMargins(46, 8, 46, 0);
    rutnat->setVerticalSpacing(14);
    rutnat->addWidget(memo, 0, 0, 1, 4);
    rutnat->addWidget(res, 1, 0, 1, 2);
    rutnat->addWidget(bal, 2, 0, 1, 2);
    rutnat->addWidget(dagbok, 3, 0, 1, 2);
    rutnat->addWidget(EditHuvudboknummer_, 4, 0);
    rutnat->addWidget(kontosaldo, 4, 1);
    rutnat->addWidget(kontoplan, 5, 0, 1, 2);
    rutnat->addWidget(ListBoxKontoutdragKplan_, 1, 3, 7, 1);
    rutnat->setRowStretch(6, 1);
    rutnat->setColumnStretch(2, 1);
    Innehall()->addLayout(rutnat, 1);

    connect(res, &QPushButton::clicked, this, &PanelRapport::BitBtnResRappClick);
    connect(bal, &QPushButton::clicked, this, &PanelRapport::BitBtnBalRappClick);
    connect(dagbok, &QPushButton::clicked, this, &PanelRapport::BitBtnDagbokClick);
    connect(kontoplan, &QPushButton::clicked, this, &PanelRapport::BitBtnkontoplanClick);
    connect(kontosaldo, &QPushButton::clicked, this, &PanelRapport::BitBtnkontosaldoClick);
}

void PanelRapport::StartsidautskriftClick() {
    form_.VisaArbetspanel(this);
    ListBoxKontoutdragKplan_->clear();
}

void PanelRapport::BitBtnResRappClick() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        auto utskrift = tovana::ResultatrakningUtskrift(form_.Data(), Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

void PanelRapport::BitBtnBalRappClick() {
    form_.Kor([&] {
        auto utskrift = tovana::BalansrakningUtskrift(form_.Data(), Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

void PanelRapport::BitBtnDagbokClick() {
    form_.Kor([&] {
        auto utskrift = tovana::DagbokUtskrift(form_.Data(), Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

void PanelRapport::BitBtnkontoplanClick() {
    form_.Kor([&] {
        auto utskrift = tovana::KontoplanUtskrift(form_.Data(), Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

void PanelRapport::BitBtnkontosaldoClick() {
    const std::string text = EditHuvudboknummer_->text().toStdString();
    if (tovana::Teckenantal(text) < 2) {
        form_.Meddelande(
            QStringLiteral("Du måste ange numret för det konto där du vill se kontoutdraget"));
        EditHuvudboknummer_->setFocus(Qt::OtherFocusReason);
        return;
    }
    form_.Kor([&] {
        // A text that is not a whole number stops here, before any file is written.
        const int32_t nummer = tovana::TextTillHeltal(text);
        auto utskrift = tovana::KontoutdragUtskrift(form_.Data(), nummer, Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

void PanelRapport::EditHuvudboknummerEnter() {
    ListBoxKontoutdragKplan_->clear();
    for (const auto &rad : tovana::Utskriftskonton(form_.Data()))
        ListBoxKontoutdragKplan_->addItem(QString::fromStdString(rad));
}
