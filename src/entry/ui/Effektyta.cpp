#include "entry/ui/Effektyta.h"

#include "core/Kontoklasser.h"
#include "ui/Kontroller.h"

#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>
#include <climits>

namespace {

using kontroller::Etikett;
using kontroller::Fet;
using kontroller::Stilsatt;

// A statement's caption, larger than the rest.
QLabel *Rubriketikett(QWidget *parent, const char *namn, const QString &text) {
    return Stilsatt(Etikett(parent, namn, text), Fet, 1.2);
}

// A class's name as its caption.
QString Klassnamn(tovana::Kontotyp klass) {
    return QString::fromStdString(tovana::Klass(klass).namn);
}

// A class's caption over its lines.
QLabel *Klassrubrik(QWidget *parent, const char *namn, const QString &text) {
    return Stilsatt(Etikett(parent, namn, text), kontroller::Understruken);
}

} // namespace

Effektyta::Effektyta(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Effektyta"));

    const auto &namn = tovana::Effektlabelnamn();
    for (std::size_t i = 0; i < namn.size(); ++i) {
        const QString objektnamn = QString::fromStdString(namn[i]);
        auto *etikett = Stilsatt(Etikett(this, objektnamn, QString()), Fet);
        const QFont font = etikett->font();
        const bool belopp = objektnamn.endsWith(QLatin1String("Bel"));
        etikett->setAlignment((belopp ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        // Room for the widest amount and a usual sentence, so the area keeps its
        // shape as the texts come and go.
        const QFontMetrics matt(font);
        // A sentence takes the room its column has: an account's long name must
        // not widen the window, and wraps onto a second line, held ready so
        // that nothing moves when it is needed.
        etikett->setMinimumWidth(belopp ? matt.horizontalAdvance(QStringLiteral("- 999 999 999,00"))
                                        : matt.horizontalAdvance(QString(20, QLatin1Char('x'))));
        if (belopp) {
            etikett->setMinimumHeight(matt.height());
        } else {
            meningsfont_ = font;
            etikett->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            etikett->setWordWrap(true);
            etikett->setMinimumHeight(2 * matt.lineSpacing());
        }
        etiketter_[i] = etikett;
    }
    auto etikett = [this, &namn](const char *objektnamn) -> QLabel * {
        for (std::size_t i = 0; i < namn.size(); ++i)
            if (namn[i] == objektnamn)
                return etiketter_[i];
        return nullptr;
    };

    // One column per statement; each class caption followed by its lines, a
    // total's caption beside its amount.
    auto *balans = new QGridLayout;
    auto *resultat = new QGridLayout;
    for (auto *rutnat : {balans, resultat}) {
        rutnat->setColumnStretch(0, 1);
        rutnat->setHorizontalSpacing(12);
        rutnat->setVerticalSpacing(2);
    }
    auto rubrik = [](QGridLayout *rutnat, QLabel *text) {
        rutnat->addWidget(text, rutnat->rowCount(), 0, 1, 2);
    };
    auto rad = [&](QGridLayout *rutnat, const char *stam) {
        const int r = rutnat->rowCount();
        rutnat->addWidget(etikett(stam), r, 0);
        rutnat->addWidget(etikett((QByteArray(stam) + "Bel").constData()), r, 1);
    };
    // A total's caption is named after its amount, without the "Bel".
    auto summa = [&](QGridLayout *rutnat, const QString &text, const char *beloppnamn) {
        const int r = rutnat->rowCount();
        const QString namn = QString::fromUtf8(beloppnamn).chopped(3);
        rutnat->addWidget(Stilsatt(Etikett(this, namn, text), Fet), r, 0);
        rutnat->addWidget(etikett(beloppnamn), r, 1);
    };

    rubrik(balans,
           Rubriketikett(this, "LabelEffektBR", QStringLiteral("Effekter i balansräkningen")));
    rubrik(balans, Klassrubrik(this, "LabelTklass", Klassnamn(tovana::kTillgangar)));
    rad(balans, "LabelTeffekt1");
    rad(balans, "LabelTeffekt2");
    summa(balans, QStringLiteral("Summa tillgångar"), "LabelsummaTBel");
    rubrik(balans, Klassrubrik(this, "LabelEKklass", Klassnamn(tovana::kEgetKapital)));
    rad(balans, "LabelEKeffekt1");
    rad(balans, "LabelEKeffekt2");
    rubrik(balans, Klassrubrik(this, "LabelORklass", Klassnamn(tovana::kObeskattadeReserver)));
    rad(balans, "LabelOReffekt1");
    rubrik(balans, Klassrubrik(this, "LabelSklass", Klassnamn(tovana::kSkulder)));
    rad(balans, "LabelSeffekt1");
    rad(balans, "LabelSeffekt2");
    summa(balans, QStringLiteral("Summa eget kapital och skulder"), "LabelsummaEKSBel");
    balans->setRowStretch(balans->rowCount(), 1);

    rubrik(resultat,
           Rubriketikett(this, "LabelEffektRR", QStringLiteral("Effekter i resultaträkningen")));
    rubrik(resultat, Klassrubrik(this, "LabelIklass", Klassnamn(tovana::kIntakter)));
    rad(resultat, "LabelIeffekt1");
    rad(resultat, "LabelIeffekt2");
    rubrik(resultat, Klassrubrik(this, "LabelKklass", Klassnamn(tovana::kKostnader)));
    rad(resultat, "LabelKeffekt1");
    rad(resultat, "LabelKeffekt2");
    rubrik(resultat, Klassrubrik(this, "LabelBDklass", Klassnamn(tovana::kBokslutsdispositioner)));
    rad(resultat, "LabelBDeffekt1");
    summa(resultat, QStringLiteral("Årets resultat ändras med"), "LabelAReffektBel");
    resultat->setRowStretch(resultat->rowCount(), 1);

    auto *yta = new QHBoxLayout(this);
    yta->setContentsMargins(0, 0, 0, 0);
    yta->setSpacing(16);
    yta->addLayout(balans, 1);
    yta->addLayout(resultat, 1);
}

void Effektyta::Visa(const tovana::Konteringseffekt &effekt) {
    const tovana::Effekttexter texter = tovana::Effekttexterna(effekt);
    for (std::size_t i = 0; i < etiketter_.size(); ++i) {
        const QString text = QString::fromStdString(texter.text[i]);
        etiketter_[i]->setText(text);
        etiketter_[i]->setToolTip(text);
        Passa(etiketter_[i]);
    }
}

void Effektyta::resizeEvent(QResizeEvent *handelse) {
    QWidget::resizeEvent(handelse);
    for (QLabel *etikett : etiketter_)
        Passa(etikett);
}

void Effektyta::Passa(QLabel *mening) const {
    if (!mening->wordWrap())
        return; // an amount
    const QRect yta = mening->contentsRect();
    const int hojd = std::max(yta.height(), mening->minimumHeight());
    QFont font = meningsfont_;
    // Half a point at a time, never below six points.
    for (qreal storlek = meningsfont_.pointSizeF(); storlek >= 6.0; storlek -= 0.5) {
        font.setPointSizeF(storlek);
        const QRect behov = QFontMetrics(font).boundingRect(QRect(0, 0, yta.width(), INT_MAX / 2),
                                                            Qt::TextWordWrap, mening->text());
        if (yta.width() <= 0 || behov.height() <= hojd)
            break;
    }
    mening->setFont(font);
}

void Effektyta::RensaEffekter() {
    for (QLabel *etikett : etiketter_) {
        etikett->clear();
        etikett->setToolTip(QString());
        Passa(etikett);
    }
}
