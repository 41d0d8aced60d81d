#pragma once
// A desktop for window tests: records every message, answers questions and
// file dialogs from queues the test fills, and records opened documents.

#include "ui/Skrivbord.h"

#include <QString>
#include <QStringList>

#include <deque>

class Testskrivbord final : public Skrivbord {
public:
    void Meddelande(QWidget *agare, const QString &text) override;
    bool Fraga(QWidget *agare, const QString &text) override;
    Svar FragaMedAvbryt(QWidget *agare, const QString &text) override;
    QString OppnaFil(QWidget *agare, const QString &forval, const QString &mapp) override;
    QString SparaFil(QWidget *agare, const QString &forval, const QString &mapp) override;
    void OppnaDokument(const QString &sokvag) override;

    QStringList meddelanden;    // every message shown, in order
    QStringList fragor;         // every question asked, Yes/No and Ja/Nej/Avbryt alike
    QStringList forval;         // every file dialog's preset
    QStringList mappar;         // every file dialog's start folder
    QStringList dokument;       // every document opened
    std::deque<bool> svar;      // answers to Yes/No questions (No when empty)
    std::deque<Svar> treval;    // answers to Ja/Nej/Avbryt questions (Nej when empty)
    std::deque<QString> filval; // chosen paths (cancel when empty)
};
