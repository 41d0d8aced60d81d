#include "entry/ui/SkapaRedpanel.h"

#include "entry/Redovisning.h"
#include "entry/ui/Redovisapanel.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

SkapaRedpanel::SkapaRedpanel(Huvudfonster &form, Redovisapanel &redovisa)
    : Arbetspanel(QStringLiteral("PanelSkapaRed"), QStringLiteral("LabelSkapaRedRubrik"),
                  QStringLiteral("Skapa en ny redovisning")),
      form_(form), redovisa_(redovisa) {
    auto *ledtext = kontroller::Etikett(this, "LabelRedAngenamn",
                                        QStringLiteral("Ange redovisningens INTERNA namn här:"));
    EditAngeRedNamn_ = kontroller::Ruta(this, "EditAngeRedNamn");
    EditAngeRedNamn_->setMinimumWidth(
        EditAngeRedNamn_->fontMetrics().horizontalAdvance(QString(40, u'x')));
    BitBtnSparaNyRed_ =
        kontroller::Knapp(this, "BitBtnSparaNyRed", QStringLiteral("Spara den nya redovisningen"));
    connect(BitBtnSparaNyRed_, &QPushButton::clicked, this, &SkapaRedpanel::BitBtnSparaNyRedClick);

    auto *memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setPlainText(
        QStringLiteral("Varje redovisning har ett eget INTERNT namn som visas inom Tovana. Du kan\n"
                       "använda svenska tecken, blanksteg och flera ord för detta namn.\n"
                       "\n"
                       "Varje redovisning ska också ha ett FILNAMN som du kommer att få ange\n"
                       "i den dialogruta som visas när du klickar på knappen här nedan.\n"
                       "\n"
                       "För god kompatibilitet bör du endast använda a - z och siffror. \n"
                       "Inga blanktecken, punkter eller bindestreck och liknande. \n"
                       "Tovana infogar automatiskt filändelsen .RED."));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setMinimumHeight(memo->fontMetrics().lineSpacing() * 10 + 12);

    auto *namnrad = new QHBoxLayout;
    namnrad->addWidget(EditAngeRedNamn_);
    namnrad->addStretch(1);
    auto *knapprad = new QHBoxLayout;
    knapprad->addWidget(BitBtnSparaNyRed_);
    knapprad->addStretch(1);

    auto *innehall = Innehall();
    innehall->addSpacing(12);
    innehall->addWidget(ledtext);
    innehall->addLayout(namnrad);
    innehall->addSpacing(12);
    innehall->addWidget(memo);
    innehall->addSpacing(12);
    innehall->addLayout(knapprad);
    innehall->addStretch(1);
    setTabOrder(EditAngeRedNamn_, BitBtnSparaNyRed_);
}

void SkapaRedpanel::Skapaennyredovisning2Click() {
    form_.VisaArbetspanel(this);
    redovisa_.VisaKodrutor(tovana::FaststallKoder(form_.Data()));
}

void SkapaRedpanel::BitBtnSparaNyRedClick() {
    form_.Kor([&] {
        // The file is chosen and written before anything changes, so a cancel
        // or a failed write leaves the ledger in memory as it was.
        const QString fil = form_.ValjSparfil(QStringLiteral("*.red"));
        if (fil.isEmpty())
            return;
        auto &data = form_.Data();
        tovana::SkapaNyRedovisning(data, EditAngeRedNamn_->text().toStdString(), fil.toStdString());
        form_.VisaAktuellRedovisning();
        form_.Menyandring(tovana::Menyhandelse::RedovisningSkapad);
        redovisa_.RedovisaClick();
    });
}
