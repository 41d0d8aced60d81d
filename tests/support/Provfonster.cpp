#include "support/Provfonster.h"

#include "shell/Startmapp.h"

#include "ui/Arbetspanel.h"

#include <QAction>
#include <QWidget>

#include <exception>

Provfonster::Provfonster() : agare_(std::make_unique<QWidget>()) {
    agare_->setObjectName(QStringLiteral("Provfonster"));
}

Provfonster::~Provfonster() = default;

void Provfonster::VisaArbetspanel(QWidget *panel) {
    for (auto *annan : paneler)
        annan->hide();
    panel->show();
    visad = panel;
}

void Provfonster::RegistreraArbetspanel(Arbetspanel *panel) {
    panel->setParent(agare_.get());
    paneler.push_back(panel);
}

QAction *Provfonster::Menyval(const QString &namn) const {
    QAction *&val = menyval_[namn];
    if (!val) {
        val = new QAction(namn, agare_.get());
        val->setObjectName(namn);
    }
    return val;
}

void Provfonster::Menyandring(tovana::Menyhandelse handelse) {
    menyhandelser.push_back(handelse);
}

QString Provfonster::ValjOppnafil(const QString &forval) {
    return skrivbord.OppnaFil(agare_.get(), forval, Startmapp(data, forval));
}

QString Provfonster::ValjSparfil(const QString &forval) {
    return skrivbord.SparaFil(agare_.get(), forval, Startmapp(data, forval));
}

void Provfonster::Meddelande(const QString &text) {
    skrivbord.Meddelande(agare_.get(), text);
}

bool Provfonster::KorKommando(const std::function<void()> &kommando) {
    try {
        kommando();
        return true;
    } catch (const std::exception &fel) {
        Meddelande(QString::fromUtf8(fel.what()));
        return false;
    }
}
