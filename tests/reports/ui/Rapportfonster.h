#pragma once
// The main window with a test desktop and a chart and ledger read from files,
// for driving the statement screen and the printout start page.

#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "shell/Arbetspanel.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace rapporttest {

inline void SkrivFil(const QString &sokvag, const QByteArray &bytes) {
    QFile fil(sokvag);
    if (!fil.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(sokvag));
    fil.write(bytes);
}

class Fonster {
public:
    Fonster() {
        auto desktop = std::make_unique<Testskrivbord>();
        skrivbord = desktop.get();
        form = std::make_unique<TForm1>(std::move(desktop));
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    // Reads the chart and the ledger as opening them does, and enables the menu.
    void Las(const QString &kontoplan, const QString &redovisning) {
        auto &data = form->Data();
        tovana::LasKontoplan(data, kontoplan.toStdString());
        tovana::LasRedovisning(data, redovisning.toStdString());
        data.KontoplanInlast = data.RedovisningInlast = true;
        form->AktiveraKontoplansgrupp();
        form->AktiveraRedovisningsgrupp();
    }

    template <typename T = QWidget> T *Del(const QString &namn) const {
        auto *del = form->findChild<T *>(namn);
        if (!del)
            qFatal("no control %s", qPrintable(namn));
        return del;
    }
    QString Text(const QString &namn) const { return Del<QLabel>(namn)->text(); }
    // The statement screen's 35 name lines, in order.
    QStringList Rader() const {
        QStringList rader;
        for (int k = 1; k <= 35; ++k)
            rader << Text(QStringLiteral("Ln%1").arg(k));
        return rader;
    }
    QStringList Lista(const char *namn) const {
        QStringList rader;
        const auto *lista = Del<QListWidget>(QString::fromUtf8(namn));
        for (int i = 0; i < lista->count(); ++i)
            rader << lista->item(i)->text();
        return rader;
    }
    void Tryck(const char *namn) const { Del<QPushButton>(QString::fromUtf8(namn))->click(); }
    void Meny(const char *namn) const { form->Menyval(QString::fromUtf8(namn))->trigger(); }
    bool Synlig(const char *panel) const {
        return form->Panel(QString::fromUtf8(panel))->isVisible();
    }

    Testskrivbord *skrivbord = nullptr;
    std::unique_ptr<TForm1> form;
};

} // namespace rapporttest
