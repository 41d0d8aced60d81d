#pragma once
// The main window with a test desktop and a chart and ledger read from files,
// for driving the statement screen and the printout start page.

#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
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

// Copies the example company's files (exempel/) into the folder.
inline void KopieraExempel(const QString &mapp) {
    const QDir exempel(QStringLiteral(TOVANA_EXEMPEL_DIR));
    for (const QString &namn : exempel.entryList(QDir::Files))
        if (!namn.endsWith(QStringLiteral(".lck")))
            QFile::copy(exempel.filePath(namn), QDir(mapp).filePath(namn));
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

    // Opens the company file through "Företag", "Öppna företag".
    void OppnaForetag(const QString &ftg) {
        skrivbord->filval.push_back(ftg);
        Meny("oppnaforetag");
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
