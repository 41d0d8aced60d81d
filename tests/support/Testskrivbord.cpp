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

QString Testskrivbord::OppnaFil(QWidget *, const QString &f) {
    forval << f;
    if (filval.empty())
        return {};
    QString val = filval.front();
    filval.pop_front();
    return val;
}

QString Testskrivbord::SparaFil(QWidget *agare, const QString &f) {
    return OppnaFil(agare, f);
}

void Testskrivbord::OppnaDokument(const QString &sokvag) {
    dokument << sokvag;
}
