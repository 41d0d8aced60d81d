#pragma once
// The account lookup of the entry panel: eight class buttons and a list that
// shows the chart's accounts by class, or those whose number begins with what
// is typed into the debit, credit or code box.

#include "core/Bokforingsdata.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QListWidget;

class Kontosok final : public QWidget {
    Q_OBJECT
public:
    // The guide "Klicka på knapparna för att visa kontoplanen", the eight class buttons BitBtnT ..
    // BitBtnKod (left to right) and the cream list ListBoxvisaKonton (QListWidget, Qt::NoFocus).
    Kontosok(const tovana::Bokforingsdata &data, QWidget *parent = nullptr);

    void Tom(); // empties the list
    void Visa(const std::vector<std::string> &rader);
    void KontoAndrat(const QString &text); // EditDebitChange / EditKreditChange
    void KodAndrad(const QString &text);   // EditKodChange
    void VisaKoder();                      // EditKodEnter: "Koder" + every code
    QListWidget *Lista() const;
    QList<QWidget *> Knappar() const; // the eight buttons in order, for the tab order

private:
    const tovana::Bokforingsdata &data_;
    QListWidget *lista_ = nullptr;
    QList<QWidget *> knappar_;
};
