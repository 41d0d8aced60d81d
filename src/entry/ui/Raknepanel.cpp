#include "entry/ui/Raknepanel.h"

#include "entry/Raknehjalp.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Raknepanel::Raknepanel(Huvudfonster &form, QLineEdit *editBelopp, QWidget *parent)
    : QFrame(parent), form_(form), editBelopp_(editBelopp) {
    setObjectName(QStringLiteral("Panelrakna"));
    setFrameShape(QFrame::StyledPanel);

    using kontroller::Etikett;
    auto *rubrik = kontroller::Stilsatt(
        Etikett(this, "LabelRaknaRubrik", QStringLiteral("Beräkningshjälp")), kontroller::Fet);

    EditRakna1_ = kontroller::Ruta(this, "EditRakna1");
    EditRaknaOperator_ = kontroller::Ruta(this, "EditRaknaOperator");
    EditRaknaOperator_->setMaximumWidth(
        EditRaknaOperator_->fontMetrics().horizontalAdvance(QStringLiteral("Räknetecken")) + 16);
    EditRakna2_ = kontroller::Ruta(this, "EditRakna2");
    BitBtnRakna_ = kontroller::Knapp(this, "BitBtnRakna", QStringLiteral("="));
    connect(BitBtnRakna_, &QPushButton::clicked, this, &Raknepanel::BitBtnRaknaClick);

    auto *rutor = new QGridLayout;
    rutor->addWidget(Etikett(this, "LabelRakna1", QStringLiteral("Belopp 1")), 0, 0);
    rutor->addWidget(Etikett(this, "LabelRaknaOperator", QStringLiteral("Räknetecken")), 0, 1);
    rutor->addWidget(Etikett(this, "LabelRakna2", QStringLiteral("Belopp 2")), 0, 2);
    rutor->addWidget(EditRakna1_, 1, 0);
    rutor->addWidget(EditRaknaOperator_, 1, 1);
    rutor->addWidget(EditRakna2_, 1, 2);
    rutor->addWidget(BitBtnRakna_, 1, 3);

    auto *yta = new QVBoxLayout(this);
    yta->addWidget(rubrik);
    yta->addLayout(rutor);
    static const char *const kGuide[] = {"Skriv belopp i de två beloppsrutorna",
                                         "och skriv + - * eller/ i rutan för",
                                         "räknetecken.",
                                         "Klicka på = knappen.",
                                         "Svaret på beräkningen visas i ",
                                         "konteringsradens beloppsruta.",
                                         "Tryck Enter eller Tab för att ",
                                         "acceptera svaret som belopp."};
    int nummer = 0;
    for (const char *rad : kGuide)
        yta->addWidget(Etikett(this, QStringLiteral("LabelRaknaHjalp%1").arg(++nummer),
                               QString::fromUtf8(rad)));
    yta->addStretch(1);

    setTabOrder(EditRakna1_, EditRaknaOperator_);
    setTabOrder(EditRaknaOperator_, EditRakna2_);
    setTabOrder(EditRakna2_, BitBtnRakna_);
}

QList<QWidget *> Raknepanel::Tabbordning() const {
    return {EditRakna1_, EditRaknaOperator_, EditRakna2_, BitBtnRakna_};
}

void Raknepanel::Tom() {
    EditRakna1_->clear();
    EditRaknaOperator_->clear();
    EditRakna2_->clear();
}

void Raknepanel::BitBtnRaknaClick() {
    if (EditRakna1_->text().isEmpty() || EditRakna2_->text().isEmpty()) {
        form_.Meddelande(QStringLiteral("Någon av beloppsrutorna är tomma. Rutinen avbryts"));
        return;
    }
    // The boxes show their cleaned texts; the operation cleans the typed texts itself.
    const std::string a = EditRakna1_->text().toStdString();
    const std::string b = EditRakna2_->text().toStdString();
    EditRakna1_->setText(QString::fromStdString(tovana::RensaRaknebelopp(a)));
    EditRakna2_->setText(QString::fromStdString(tovana::RensaRaknebelopp(b)));
    form_.Kor([&] {
        const auto svar = tovana::Raknehjalp(a, EditRaknaOperator_->text().toStdString(), b);
        if (!svar)
            return;
        editBelopp_->setText(QString::fromStdString(*svar));
        editBelopp_->setFocus(Qt::OtherFocusReason);
    });
}
