#include "entry/ui/Senasteposter.h"

#include "ui/Avkortadetikett.h"
#include "ui/Kontroller.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct Kolumn {
    const char *rubriknamn;
    const char *rubrik;
    const char *radnamn; // the row labels' names without the row number
    bool hoger;
};

// The columns left to right; the code column is the sixth.
constexpr Kolumn kKolumnlista[] = {
    {"Label1", "Ver.nr.", "LV", true},
    {"LabelDarubrik", "Datum", "LDa", false},
    {"LabelBRubrik", "Belopp", "LB", true},
    {"LabelDRubrik", "Debet", "LD", true},
    {"LabelKrRubrik", "Kredit", "LK", true},
    {"LabelKoRubrik", "Kod", "LKo", true},
    {"LabelAndraRubrik", "Post nr.", "LP", true},
    {"LabelTRubrik", "Text", "LT", false},
};
constexpr int kKodkolumn = 5;

using kontroller::Etikett;

QLabel *FetEtikett(QWidget *parent, const QString &namn, const QString &text) {
    return kontroller::Stilsatt(Etikett(parent, namn, text), kontroller::Fet);
}

} // namespace

Senasteposter::Senasteposter(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Senasteposter"));

    auto *rubrik = FetEtikett(this, QStringLiteral("LabelTidigaretransaktioner"),
                              QStringLiteral("Tidigare transaktioner:"));
    auto *guide1 =
        Etikett(this, "LabelDubbelklicka1", QStringLiteral("Dubbelklicka på postnumret för den "));
    auto *guide2 =
        Etikett(this, "LabelDubbelklicka2", QStringLiteral("post du vill ändra eller radera."));
    BitBtntidigare_ = kontroller::Knapp(this, "BitBtntidigare", QStringLiteral("Bläddra bakåt"));
    BitBtnsenare_ = kontroller::Knapp(this, "BitBtnsenare", QStringLiteral("Bläddra framåt"));

    auto *overst = new QHBoxLayout;
    overst->addWidget(rubrik);
    overst->addSpacing(24);
    auto *guide = new QVBoxLayout;
    guide->setSpacing(0);
    guide->addWidget(guide1);
    guide->addWidget(guide2);
    overst->addLayout(guide);
    overst->addStretch(1);
    overst->addWidget(BitBtntidigare_);
    overst->addWidget(BitBtnsenare_);

    auto *rutnat = new QGridLayout;
    rutnat->setHorizontalSpacing(14);
    rutnat->setVerticalSpacing(1);
    const QFontMetrics matt(font());
    for (int c = 0; c < kKolumner; ++c) {
        const Kolumn &kolumn = kKolumnlista[c];
        const Qt::Alignment justering =
            (kolumn.hoger ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        auto *kolumnrubrik = FetEtikett(this, QString::fromUtf8(kolumn.rubriknamn),
                                        QString::fromUtf8(kolumn.rubrik));
        kolumnrubrik->setAlignment(justering);
        rutnat->addWidget(kolumnrubrik, 0, c);
        if (c == kKodkolumn)
            LabelKoRubrik_ = kolumnrubrik;
        for (int r = 0; r < tovana::kSenasteradantal; ++r) {
            // The text column takes the room left and shortens a long text.
            const QString namn = QString::fromUtf8(kolumn.radnamn) + QString::number(r + 1);
            QLabel *etikett = c == kKolumner - 1 ? kontroller::Avkortad(this, namn)
                                                 : Etikett(this, namn, QString());
            etikett->setAlignment(justering);
            etikett->setTextFormat(Qt::PlainText); // post texts are shown as typed
            etikett->setMinimumHeight(matt.height());
            rutnat->addWidget(etikett, r + 1, c);
            etiketter_[r][c] = etikett;
        }
    }
    // Each column as wide as its widest value, so no column moves as the rows change.
    const QFontMetrics fet(kontroller::Typsnitt(font(), kontroller::Fet));
    const QString tal(10, u'9');
    const QString kolumntexter[kKolumner] = {tal,
                                             QString(tovana::kDatumlangd, u'W'),
                                             QStringLiteral("9 999 999 999,00"),
                                             tal,
                                             tal,
                                             tal,
                                             QStringLiteral("[") + tal + QStringLiteral("]"),
                                             QString()};
    for (int c = 0; c + 1 < kKolumner; ++c)
        rutnat->setColumnMinimumWidth(
            c, std::max(matt.horizontalAdvance(kolumntexter[c]),
                        fet.horizontalAdvance(QString::fromUtf8(kKolumnlista[c].rubrik))));
    rutnat->setColumnStretch(kKolumner - 1, 1);

    Edithoppavernr_ = kontroller::Ruta(this, "Edithoppavernr");
    Edithoppapostnr_ = kontroller::Ruta(this, "Edithoppapostnr");
    const int hoppbredd = matt.horizontalAdvance(QStringLiteral("000000")) + 16;
    Edithoppavernr_->setFixedWidth(hoppbredd);
    Edithoppapostnr_->setFixedWidth(hoppbredd);
    auto *hoppguide =
        Etikett(this, "LabelHoppa",
                QStringLiteral("<- Ange Ver.nr. eller Post nr. för att hoppa i redovisningen ->"));
    hoppguide->setAlignment(Qt::AlignCenter);
    const int hopprad = tovana::kSenasteradantal + 1;
    rutnat->addWidget(Edithoppavernr_, hopprad, 0, Qt::AlignRight);
    rutnat->addWidget(hoppguide, hopprad, 1, 1, 5);
    rutnat->addWidget(Edithoppapostnr_, hopprad, 6, Qt::AlignRight);

    auto *yta = new QVBoxLayout(this);
    yta->setContentsMargins(0, 0, 0, 0);
    yta->addLayout(overst);
    yta->addLayout(rutnat);
}

void Senasteposter::Rensa() {
    for (auto &rad : etiketter_)
        for (QLabel *etikett : rad) {
            etikett->clear();
            etikett->setToolTip(QString());
        }
}

void Senasteposter::Visa(const std::vector<tovana::Senasterad> &rader) {
    const int antal = std::min<int>(static_cast<int>(rader.size()), tovana::kSenasteradantal);
    for (int r = 0; r < antal; ++r) {
        const tovana::Senasterad &rad = rader[r];
        const std::string *texter[kKolumner] = {&rad.vernr,  &rad.datum, &rad.belopp, &rad.debet,
                                                &rad.kredit, &rad.kod,   &rad.postnr, &rad.text};
        for (int c = 0; c + 1 < kKolumner; ++c)
            etiketter_[r][c]->setText(QString::fromStdString(*texter[c]));
        static_cast<Avkortadetikett *>(etiketter_[r][kKolumner - 1])
            ->VisaText(QString::fromStdString(rad.text));
    }
}

void Senasteposter::VisaKodkolumn(bool synlig) {
    LabelKoRubrik_->setVisible(synlig);
    for (auto &rad : etiketter_)
        rad[kKodkolumn]->setVisible(synlig);
}
