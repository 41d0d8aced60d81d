#include "support/Testskrivbord.h"

void Testskrivbord::Meddelande(QWidget *, const QString &text) {
    meddelanden << text;
}

bool Testskrivbord::Fraga(QWidget *, const QString &text) {
    fragor << text;
    if (svar.empty())
        return false;
    const bool ja = svar.front();
    svar.pop_front();
    return ja;
}

Skrivbord::Svar Testskrivbord::FragaMedAvbryt(QWidget *, const QString &text) {
    fragor << text;
    if (treval.empty())
        return Svar::Nej;
    const Svar val = treval.front();
    treval.pop_front();
    return val;
}

QString Testskrivbord::OppnaFil(QWidget *, const QString &f, const QString &mapp) {
    forval << f;
    mappar << mapp;
    if (filval.empty())
        return {};
    QString val = filval.front();
    filval.pop_front();
    return val;
}

QString Testskrivbord::SparaFil(QWidget *agare, const QString &f, const QString &mapp) {
    return OppnaFil(agare, f, mapp);
}

void Testskrivbord::OppnaDokument(const QString &sokvag) {
    dokument << sokvag;
}
