#include "maintenance/ui/Postbladdring.h"

#include "entry/Redovisning.h"
#include "entry/ui/Senasteposter.h"
#include "maintenance/Postandring.h"
#include "maintenance/ui/PanelRedRedigera.h"
#include "ui/Huvudfonster.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

Postbladdring::Postbladdring(Huvudfonster &form, Senasteposter &senaste,
                             tovana::Postformular &formular, PanelRedRedigera &redigera)
    : QObject(&senaste), form_(form), senaste_(senaste), formular_(formular), redigera_(redigera) {
    for (int rad = 1; rad <= static_cast<int>(LP_.size()); ++rad) {
        LP_[rad - 1] = senaste.Postnummer(rad);
        LP_[rad - 1]->installEventFilter(this);
        LP_[rad - 1]->setCursor(Qt::PointingHandCursor);
    }
    connect(senaste.Tidigare(), &QPushButton::clicked, this, &Postbladdring::BitBtntidigareClick);
    connect(senaste.Senare(), &QPushButton::clicked, this, &Postbladdring::BitBtnsenareClick);
    connect(senaste.Hoppapostnr(), &QLineEdit::textChanged, this,
            &Postbladdring::EdithoppapostnrChange);
    connect(senaste.Hoppavernr(), &QLineEdit::textChanged, this,
            &Postbladdring::EdithoppavernrChange);
}

bool Postbladdring::eventFilter(QObject *objekt, QEvent *handelse) {
    if (handelse->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(handelse)->button() == Qt::LeftButton) {
        for (int rad = 1; rad <= static_cast<int>(LP_.size()); ++rad)
            if (objekt == LP_[rad - 1]) {
                LPDblClick(rad);
                return true;
            }
    }
    return QObject::eventFilter(objekt, handelse);
}

void Postbladdring::VisaPostblock(int n) {
    senaste_.Rensa();
    senaste_.Visa(tovana::Postblock(form_.Data(), n));
}

void Postbladdring::TomHoppa() {
    senaste_.Hoppavernr()->clear();
    senaste_.Hoppapostnr()->clear();
}

void Postbladdring::BitBtntidigareClick() {
    form_.Kor([&] {
        TomHoppa();
        if (const auto n = tovana::BladdraBakat(form_.Data(), formular_))
            VisaPostblock(*n);
    });
}

void Postbladdring::BitBtnsenareClick() {
    form_.Kor([&] {
        TomHoppa();
        if (const auto n = tovana::BladdraFramat(form_.Data(), formular_))
            VisaPostblock(*n);
    });
}

void Postbladdring::EdithoppapostnrChange(const QString &text) {
    form_.Kor([&] {
        if (const auto n = tovana::HoppTillPostnr(form_.Data(), text.toStdString()))
            VisaPostblock(*n);
    });
}

void Postbladdring::EdithoppavernrChange(const QString &text) {
    form_.Kor([&] {
        if (const auto n = tovana::HoppTillVernr(form_.Data(), text.toStdString()))
            VisaPostblock(*n);
    });
}

void Postbladdring::LPDblClick(int rad) {
    redigera_.LPDblClick(LP_[rad - 1]->text());
}
