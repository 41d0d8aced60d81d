#include "reports/ui/PanelRR.h"

#include "ui/Avkortadetikett.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

using kontroller::Verdana;

PanelRR::PanelRR(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelRR"), QStringLiteral("LabelRRrubrik"),
                  QStringLiteral("Resultaträkning")),
      form_(form) {
    Rubrik()->setFont(Verdana(19));
    auto *rutnat = new QGridLayout;
    rutnat->setContentsMargins(94, 8, 0, 0);
    rutnat->setVerticalSpacing(0);
    rutnat->setHorizontalSpacing(24);
    // Both columns have fixed widths, so the amounts stand at the same place in
    // both statements; a long name is shortened, whole in its tooltip.
    const QFontMetrics matt(Verdana(13));
    rutnat->setColumnMinimumWidth(0, matt.horizontalAdvance(QString(60, u'x')));
    rutnat->setColumnMinimumWidth(1, matt.horizontalAdvance(QStringLiteral("-9 999 999 999,00")));
    for (int k = 1; k <= kRader; ++k) {
        auto *namn = kontroller::Avkortad(this, QStringLiteral("Ln%1").arg(k));
        auto *belopp = kontroller::Etikett(
            this, k == 9 ? QStringLiteral("LBB9") : QStringLiteral("Lbb%1").arg(k), QString());
        belopp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QLabel *etikett : {static_cast<QLabel *>(namn), belopp}) {
            etikett->setFont(Verdana(13));
            etikett->setTextFormat(Qt::PlainText);
            etikett->setMinimumHeight(16);
        }
        rutnat->addWidget(namn, k - 1, 0);
        rutnat->addWidget(belopp, k - 1, 1);
        Ln_ << namn;
        Lbb_ << belopp;
        belopp->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    rutnat->setColumnStretch(2, 1);
    rutnat->setRowStretch(kRader, 1);
    Innehall()->addLayout(rutnat, 1);
}

void PanelRR::Visa(const QString &rubrik, const tovana::Rapportrader &rader) {
    for (int k = 0; k < kRader; ++k) {
        static_cast<Avkortadetikett *>(Ln_[k])->VisaText(QString());
        Lbb_[k]->clear();
    }
    Rubrik()->setText(rubrik);
    const int sista = tovana::Sistarad(rader);
    for (int k = 1; k <= kRader && k <= sista; ++k) {
        const auto &rad = rader[static_cast<std::size_t>(k)];
        static_cast<Avkortadetikett *>(Ln_[k - 1])->VisaText(QString::fromStdString(rad.radnamn));
        Lbb_[k - 1]->setText(QString::fromStdString(rad.radbelopp));
    }
    if (sista > kRader)
        form_.Meddelande(QStringLiteral("De sista %1 posterna kan inte visas i denna rutin. Välj "
                                        "Utskrifter i menyerna för att se hela rapporten")
                             .arg(sista - kRader));
    BerattaObalans(rader);
}

void PanelRR::BerattaObalans(const tovana::Rapportrader &rader) {
    const bool obalans = std::any_of(rader.begin(), rader.end(), [](const tovana::Trapport &r) {
        return r.radnamn == tovana::kObalansrad;
    });
    if (!obalans) {
        berattat_.clear();
        return;
    }
    // Told once: switching between the two statements of the same books does
    // not tell it again.
    const QString besked = QString::fromStdString(
        tovana::Obalansbesked(tovana::BeraknaObalans(form_.Data(), tovana::Rapportform::Skarm)));
    if (besked.isEmpty() || besked == berattat_)
        return;
    berattat_ = besked;
    form_.Meddelande(besked);
}

void PanelRR::VisaRapport(const QString &rubrik, const tovana::Rapportrader &rader) {
    form_.VisaArbetspanel(this);
    Visa(rubrik, rader);
}

void PanelRR::RapportResClick() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        Visa(QStringLiteral("Resultaträkning"),
             tovana::ByggResultatrakning(form_.Data(), tovana::Rapportform::Skarm));
    });
}

void PanelRR::RapportBalClick() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        Visa(QStringLiteral("Balansräkning"),
             tovana::ByggBalansrakning(form_.Data(), tovana::Rapportform::Skarm));
    });
}
