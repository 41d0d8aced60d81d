#include "shell/Arbetspanel.h"

#include <QLabel>
#include <QVBoxLayout>

Arbetspanel::Arbetspanel(const QString &namn, const QString &rubriknamn, const QString &rubrik,
                         QWidget *parent)
    : QFrame(parent) {
    setObjectName(namn);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    if (!rubrik.isEmpty()) {
        rubrik_ = new QLabel(rubrik, this);
        rubrik_->setObjectName(rubriknamn);
        QFont font = rubrik_->font();
        font.setPointSizeF(font.pointSizeF() * 1.5);
        font.setBold(true);
        rubrik_->setFont(font);
        rubrik_->setWordWrap(true);
        layout->addWidget(rubrik_);
    }
    innehall_ = new QVBoxLayout;
    layout->addLayout(innehall_, 1);
}

void Arbetspanel::SattFarg(const QColor &farg) {
    QPalette p = palette();
    p.setColor(QPalette::Window, farg);
    setPalette(p);
}
