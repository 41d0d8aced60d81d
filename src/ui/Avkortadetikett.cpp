#include "ui/Avkortadetikett.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

Avkortadetikett::Avkortadetikett(const QString &text, QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    VisaText(text);
}

void Avkortadetikett::VisaText(const QString &text) {
    setText(text);
    setToolTip(text);
}

QSize Avkortadetikett::minimumSizeHint() const {
    const QMargins m = contentsMargins();
    return {m.left() + m.right(), fontMetrics().height() + m.top() + m.bottom()};
}

void Avkortadetikett::paintEvent(QPaintEvent *) {
    QPainter malare(this);
    const QRect yta = contentsRect();
    const QString kort = fontMetrics().elidedText(text(), Qt::ElideRight, yta.width());
    style()->drawItemText(&malare, yta, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), kort, foregroundRole());
}
