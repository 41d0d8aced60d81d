#include "ui/Kontroller.h"

#include "ui/Avkortadetikett.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <string>
#include <vector>

namespace kontroller {

namespace {

// Runs a handling when focus of one kind (FocusIn or FocusOut) moves between
// controls.
class Fokusfilter final : public QObject {
public:
    Fokusfilter(QObject *parent, QEvent::Type typ, std::function<void()> handling)
        : QObject(parent), typ_(typ), handling_(std::move(handling)) {}

    bool eventFilter(QObject *objekt, QEvent *handelse) override {
        if (handelse->type() == typ_ && FlyttarMellanKontroller(handelse))
            handling_();
        return QObject::eventFilter(objekt, handelse);
    }

private:
    QEvent::Type typ_;
    std::function<void()> handling_;
};

class Sidtangentfilter final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *objekt, QEvent *handelse) override {
        if (handelse->type() == QEvent::ShortcutOverride) {
            const int tangent = static_cast<QKeyEvent *>(handelse)->key();
            if (tangent == Qt::Key_PageUp || tangent == Qt::Key_PageDown) {
                handelse->accept();
                return true;
            }
        }
        return QObject::eventFilter(objekt, handelse);
    }
};

// Opens QWidget's own step to the next control, the one Tab takes, which it
// keeps protected.
struct Fokussteg : QWidget {
    using QWidget::focusNextChild;
};

class Entertabbfilter final : public QObject {
public:
    Entertabbfilter(QWidget *fonster, std::function<bool(QWidget *)> ctrlEnter)
        : QObject(fonster), fonster_(fonster), ctrlEnter_(std::move(ctrlEnter)) {}

    bool eventFilter(QObject *objekt, QEvent *handelse) override {
        if (handelse->type() == QEvent::KeyPress && objekt->isWidgetType()) {
            auto *mottagare = static_cast<QWidget *>(objekt);
            // Only the focused control's own event: parents see it again when
            // it propagates, and menus and dialogs keep their own Enter.
            if (mottagare == QApplication::focusWidget() &&
                Tangent(mottagare, *static_cast<QKeyEvent *>(handelse)))
                return true;
        }
        return QObject::eventFilter(objekt, handelse);
    }

private:
    bool Tangent(QWidget *mottagare, const QKeyEvent &tangent) {
        if (tangent.key() != Qt::Key_Return && tangent.key() != Qt::Key_Enter)
            return false;
        if (mottagare->window() != fonster_ || EgenEnter(mottagare))
            return false;
        if ((tangent.modifiers() & Qt::ControlModifier) && ctrlEnter_ && ctrlEnter_(mottagare))
            return true;
        (fonster_->*&Fokussteg::focusNextChild)();
        if (auto *ruta = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            ruta->setCursorPosition(static_cast<int>(ruta->selectedText().size()));
        return true;
    }

    QWidget *fonster_;
    std::function<bool(QWidget *)> ctrlEnter_;
};

} // namespace

QLabel *Etikett(QWidget *parent, const char *namn, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(namn));
    return label;
}

QLabel *Etikett(QWidget *parent, const QString &namn, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(namn);
    return label;
}

QLabel *Radbrytande(QWidget *parent, const char *namn, const QString &text) {
    auto *label = Etikett(parent, namn, text);
    label->setWordWrap(true);
    return label;
}

QLabel *Radbrytande(QWidget *parent, const QString &namn, const QString &text) {
    auto *label = Etikett(parent, namn, text);
    label->setWordWrap(true);
    return label;
}

Avkortadetikett *Avkortad(QWidget *parent, const QString &namn, const QString &text) {
    auto *label = new Avkortadetikett(text, parent);
    label->setObjectName(namn);
    return label;
}

QLineEdit *Ruta(QWidget *parent, const char *namn) {
    auto *ruta = new QLineEdit(parent);
    ruta->setObjectName(QString::fromUtf8(namn));
    return ruta;
}

QPushButton *Knapp(QWidget *parent, const char *namn, const QString &text) {
    auto *knapp = new QPushButton(text, parent);
    knapp->setObjectName(QString::fromUtf8(namn));
    knapp->setAutoDefault(false);
    return knapp;
}

QListWidget *Lista(QWidget *parent, const char *namn) {
    auto *lista = new QListWidget(parent);
    lista->setObjectName(QString::fromUtf8(namn));
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    return lista;
}

QPlainTextEdit *Memo(QWidget *parent, const char *namn, const QStringList &rader) {
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromUtf8(namn));
    memo->setReadOnly(true);
    memo->setTabChangesFocus(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setPlainText(rader.join(QLatin1Char('\n')));
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->ensurePolished();
    const QFontMetrics matt(memo->font());
    int bredd = 0;
    for (const auto &rad : rader)
        bredd = std::max(bredd, matt.horizontalAdvance(rad));
    // The frame, the document's margin on both sides, and room for the caret.
    const int marginal =
        2 * (memo->frameWidth() + static_cast<int>(memo->document()->documentMargin())) + 12;
    memo->setMinimumWidth(bredd + marginal);
    memo->setFixedHeight(static_cast<int>(rader.size()) * matt.lineSpacing() + marginal);
    return memo;
}

void VidLamna(QWidget *ruta, std::function<void()> handling) {
    ruta->installEventFilter(new Fokusfilter(ruta, QEvent::FocusOut, std::move(handling)));
}

void VidInga(QWidget *ruta, std::function<void()> handling) {
    ruta->installEventFilter(new Fokusfilter(ruta, QEvent::FocusIn, std::move(handling)));
}

void BehallSidtangenter(QWidget *kontroll) {
    kontroll->installEventFilter(new Sidtangentfilter(kontroll));
}

QObject *EnterSomTab(QWidget *fonster, std::function<bool(QWidget *)> ctrlEnter) {
    auto *filter = new Entertabbfilter(fonster, std::move(ctrlEnter));
    qApp->installEventFilter(filter);
    return filter;
}

void ReserveraRader(QLabel *etikett, int rader) {
    const QMargins m = etikett->contentsMargins();
    etikett->setMinimumHeight(rader * etikett->fontMetrics().lineSpacing() + m.top() + m.bottom());
}

void BehallPlats(QWidget *kontroll) {
    QSizePolicy policy = kontroll->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    kontroll->setSizePolicy(policy);
}

void FyllLista(QListWidget *lista, const std::vector<std::string> &rader) {
    lista->clear();
    QStringList texter;
    texter.reserve(static_cast<qsizetype>(rader.size()));
    for (const auto &rad : rader)
        texter << QString::fromStdString(rad);
    lista->addItems(texter);
}

QFont Typsnitt(QFont font, unsigned stil, qreal skala) {
    if (stil & Fet)
        font.setBold(true);
    if (stil & Kursiv)
        font.setItalic(true);
    if (stil & Understruken)
        font.setUnderline(true);
    if (skala != 1.0)
        font.setPointSizeF(font.pointSizeF() * skala);
    return font;
}

void SattTypsnitt(QWidget *kontroll, unsigned stil, qreal skala) {
    kontroll->setFont(Typsnitt(kontroll->font(), stil, skala));
}

void Farga(QWidget *kontroll, const QColor &text, const QColor &bakgrund) {
    QPalette palett = kontroll->palette();
    palett.setColor(QPalette::WindowText, text);
    if (bakgrund.isValid()) {
        palett.setColor(QPalette::Window, bakgrund);
        kontroll->setAutoFillBackground(true);
    }
    kontroll->setPalette(palett);
}

QFont Fastbredd() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

QFont Verdana(int pixlar) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixlar);
    return font;
}

namespace {
constexpr const char *kEgenEnter = "tovanaEgenEnter";
}

void SattEgenEnter(QWidget *kontroll) {
    kontroll->setProperty(kEgenEnter, true);
}

bool EgenEnter(const QWidget *kontroll) {
    return kontroll->property(kEgenEnter).toBool();
}

bool FlyttarMellanKontroller(const QEvent *handelse) {
    if (handelse->type() != QEvent::FocusIn && handelse->type() != QEvent::FocusOut)
        return false;
    switch (static_cast<const QFocusEvent *>(handelse)->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

} // namespace kontroller
