#include "ui/Arbetspanel.h"

#include "ui/Kontroller.h"

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
        rubrik_ = kontroller::Stilsatt(kontroller::Radbrytande(this, rubriknamn, rubrik),
                                       kontroller::Fet, 1.5);
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
