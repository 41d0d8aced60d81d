#include "entry/ui/Effektyta.h"

#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>
#include <climits>

namespace {

QLabel *Rubriketikett(const QString &text, QWidget *parent) {
    auto *etikett = new QLabel(text, parent);
    QFont font = etikett->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    etikett->setFont(font);
    return etikett;
}

QLabel *Klassrubrik(const QString &text, QWidget *parent) {
    auto *etikett = new QLabel(text, parent);
    QFont font = etikett->font();
    font.setUnderline(true);
    etikett->setFont(font);
    return etikett;
}

} // namespace

Effektyta::Effektyta(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Effektyta"));

    const auto &namn = tovana::Effektlabelnamn();
    for (std::size_t i = 0; i < namn.size(); ++i) {
        auto *etikett = new QLabel(this);
        const QString objektnamn = QString::fromStdString(namn[i]);
        etikett->setObjectName(objektnamn);
        QFont font = etikett->font();
        font.setBold(true);
        etikett->setFont(font);
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
    auto summa = [&](QGridLayout *rutnat, const QString &text, const char *beloppnamn) {
        const int r = rutnat->rowCount();
        auto *rubriktext = new QLabel(text, this);
        QFont font = rubriktext->font();
        font.setBold(true);
        rubriktext->setFont(font);
        rutnat->addWidget(rubriktext, r, 0);
        rutnat->addWidget(etikett(beloppnamn), r, 1);
    };

    rubrik(balans, Rubriketikett(QStringLiteral("Effekter i balansräkningen"), this));
    rubrik(balans, Klassrubrik(QStringLiteral("Tillgångar"), this));
    rad(balans, "LabelTeffekt1");
    rad(balans, "LabelTeffekt2");
    summa(balans, QStringLiteral("Summa tillgångar"), "LabelsummaTBel");
    rubrik(balans, Klassrubrik(QStringLiteral("Eget kapital"), this));
    rad(balans, "LabelEKeffekt1");
    rad(balans, "LabelEKeffekt2");
    rubrik(balans, Klassrubrik(QStringLiteral("Obeskattade reserver"), this));
    rad(balans, "LabelOReffekt1");
    rubrik(balans, Klassrubrik(QStringLiteral("Skulder"), this));
    rad(balans, "LabelSeffekt1");
    rad(balans, "LabelSeffekt2");
    summa(balans, QStringLiteral("Summa eget kapital och skulder"), "LabelsummaEKSBel");
    balans->setRowStretch(balans->rowCount(), 1);

    rubrik(resultat, Rubriketikett(QStringLiteral("Effekter i resultaträkningen"), this));
    rubrik(resultat, Klassrubrik(QStringLiteral("Intäkter"), this));
    rad(resultat, "LabelIeffekt1");
    rad(resultat, "LabelIeffekt2");
    rubrik(resultat, Klassrubrik(QStringLiteral("Kostnader"), this));
    rad(resultat, "LabelKeffekt1");
    rad(resultat, "LabelKeffekt2");
    rubrik(resultat, Klassrubrik(QStringLiteral("Bokslutsdispositioner"), this));
    rad(resultat, "LabelBDeffekt1");
    summa(resultat, QStringLiteral("Årets resultat ändras med"), "LabelAReffektBel");
    resultat->setRowStretch(resultat->rowCount(), 1);

    auto *yta = new QHBoxLayout(this);
    yta->setContentsMargins(0, 0, 0, 0);
    yta->setSpacing(16);
    yta->addLayout(balans, 1);
    yta->addLayout(resultat, 1);
}

void Effektyta::Visa(const tovana::Effekttexter &texter) {
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
