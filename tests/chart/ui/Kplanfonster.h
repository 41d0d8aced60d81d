#pragma once
// The main window with a test desktop, for driving the chart panels the way a
// user does: typing into boxes, tabbing out of them, pressing buttons and
// menu items, and reading lists and labels.

#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace kplantest {

class Fonster {
public:
    Fonster() {
        auto desktop = std::make_unique<Testskrivbord>();
        skrivbord = desktop.get();
        form = std::make_unique<TForm1>(std::move(desktop));
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    template <typename T = QWidget> T *Del(const char *namn) const {
        auto *del = form->findChild<T *>(QString::fromUtf8(namn));
        if (!del)
            qFatal("no control %s", namn);
        return del;
    }
    QLineEdit *Ruta(const char *namn) const { return Del<QLineEdit>(namn); }
    QString Text(const char *namn) const { return Del<QLabel>(namn)->text(); }
    void Tryck(const char *namn) const { Del<QPushButton>(namn)->click(); }

    // Runs a menu item as the user would: only an enabled item does anything.
    void Meny(const char *namn) const { form->Menyval(QString::fromUtf8(namn))->trigger(); }
    bool Aktiv(const char *namn) const {
        return form->Menyval(QString::fromUtf8(namn))->isEnabled();
    }
    bool Synlig(const char *panel) const {
        return form->Panel(QString::fromUtf8(panel))->isVisible();
    }

    QStringList Rader(const char *lista) const {
        QStringList rader;
        auto *l = Del<QListWidget>(lista);
        for (int i = 0; i < l->count(); ++i)
            rader << l->item(i)->text();
        return rader;
    }

    // Types the text a character at a time, as the keyboard would
    // (QTest::keyClicks knows ASCII only).
    static void Knappa(QWidget *ruta, const QString &text) {
        for (const QChar tecken : text) {
            QKeyEvent tryck(QEvent::KeyPress, 0, Qt::NoModifier, QString(tecken));
            QApplication::sendEvent(ruta, &tryck);
            QKeyEvent slapp(QEvent::KeyRelease, 0, Qt::NoModifier, QString(tecken));
            QApplication::sendEvent(ruta, &slapp);
        }
    }

    // Puts the focus in the box, types the text over what it held, and tabs out.
    bool Skriv(const char *namn, const QString &text) const {
        QLineEdit *ruta = Ruta(namn);
        ruta->setFocus(Qt::TabFocusReason);
        if (!QTest::qWaitFor([&] { return ruta->hasFocus(); }))
            return false;
        ruta->selectAll();
        if (text.isEmpty())
            QTest::keyClick(ruta, Qt::Key_Backspace);
        else
            Knappa(ruta, text);
        QTest::keyClick(ruta, Qt::Key_Tab);
        return !ruta->hasFocus();
    }

    // Types class, number and name and presses "Lägg till detta konto".
    bool LaggTill(const QString &typ, const QString &nummer, const QString &namn) const {
        if (!Skriv("Ktyp", typ) || !Skriv("Knummer", nummer) || !Skriv("Knamn", namn))
            return false;
        Tryck("BitBtnKplan");
        return true;
    }

    Testskrivbord *skrivbord = nullptr;
    std::unique_ptr<TForm1> form;
};

inline QByteArray Filinnehall(const QString &sokvag) {
    QFile fil(sokvag);
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    return fil.readAll();
}

inline void SkrivFil(const QString &sokvag, const QByteArray &bytes) {
    QFile fil(sokvag);
    if (!fil.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(sokvag));
    fil.write(bytes);
}

// The chart and ledger groups of menu items.
inline const QStringList kKontoplansgrupp = {"Nyttkonto1", "Redigera1", "Visa1", "SparasomKplan",
                                             "Momskoder"};
inline const QStringList kRedovisningsgrupp = {
    "Redovisa",   "RedSortera",   "sparaforetag",   "RapportRes",
    "RapportBal", "RapportKonto", "Dagbok",         "Startsidautskrift",
    "RRmedKoder", "BRmedkoder",   "Dagbokmedkoder", "KollKplan",
    "HamtaIB",    "Oanv",         "RapportPeriod",  "Momsrapport"};

inline QStringList AktivaMenyval(const Fonster &f) {
    QStringList aktiva;
    for (const auto &namn : kKontoplansgrupp + kRedovisningsgrupp)
        if (f.form->Menyval(namn)->isEnabled())
            aktiva << namn;
    return aktiva;
}

} // namespace kplantest
