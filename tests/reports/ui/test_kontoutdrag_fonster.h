#pragma once
// The main window with a small chart and ledger opened through the menu, for
// driving the report panel shared by the account statement and the journal.

#include "core/Teckentabell.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>

namespace rapport2test {

// Accounts of classes 1, 4, 5, 6, 7 and a code when `koder`.
inline std::string Kontoplan(bool koder) {
    std::string plan = "Liten plan\r\n1;1930;Företagskonto\r\n4;2440;Leverantörsskulder\r\n"
                       "5;3010;Försäljning\r\n5;3040;Tjänster\r\n6;5010;Lokalhyra\r\n"
                       "7;8811;Avsättning\r\n";
    if (koder)
        plan += "8;30;Mässan\r\n";
    return plan;
}

// Posts 1..26: 10,00 from sales to the bank, the last with code 30; posts
// 27..51: 4,00 of rent owed to a supplier. The bank and sales accounts have 26
// lines, rent and supplier 25, and the journal three pages.
inline std::string Redovisning(int antal = 51) {
    std::string red = "Bokföring 2012\r\n";
    for (int i = 1; i <= antal; ++i) {
        const std::string nr = std::to_string(i);
        if (i <= 26)
            red += nr + ";1203" + std::to_string(10 + i) + ";10;1930;3010;" +
                   (i == 26 ? "30" : "0") + ";Kontant försäljning " + nr + "\r\n";
        else
            red +=
                nr + ";1204" + std::to_string(i - 16) + ";4;5010;2440;0;Hyra; del " + nr + "\r\n";
    }
    return red;
}

class Fonster {
public:
    // Opens the chart and the ledger as the user would, through the menu.
    Fonster(const QTemporaryDir &katalog, bool koder = true, int poster = 51) {
        auto desktop = std::make_unique<Testskrivbord>();
        skrivbord = desktop.get();
        form = std::make_unique<TForm1>(std::move(desktop));
        form->show();
        QApplication::setActiveWindow(form.get());
        const QString plan = katalog.filePath(QStringLiteral("plan.kpl"));
        const QString red = katalog.filePath(QStringLiteral("bok.red"));
        SkrivFil(plan, Kontoplan(koder));
        SkrivFil(red, Redovisning(poster));
        skrivbord->filval.push_back(plan);
        Meny("Oppna1");
        skrivbord->filval.push_back(red);
        Meny("Oppnared");
        skrivbord->meddelanden.clear();
    }

    template <typename T = QWidget> T *Del(const char *namn) const {
        auto *del = form->findChild<T *>(QString::fromUtf8(namn));
        if (!del)
            qFatal("no control %s", namn);
        return del;
    }
    QString Text(const QString &namn) const {
        return Del<QLabel>(namn.toUtf8().constData())->text();
    }
    void Tryck(const char *namn) const { Del<QPushButton>(namn)->click(); }
    bool Synlig(const char *namn) const { return Del(namn)->isVisible(); }
    void Meny(const char *namn) const {
        QAction *val = form->Menyval(QString::fromUtf8(namn));
        if (!val->isEnabled())
            qFatal("menu item %s is disabled", namn);
        val->trigger();
    }

    // Grid row k (0 is the header row) of the seven columns.
    QStringList Rad(int k) const {
        QStringList rad;
        for (const char *kolumn : {"Lve", "Ldm", "Lde", "Lkr", "Lsa", "Lkd", "Lte"}) {
            QString namn = QString::fromUtf8(kolumn) + QString::number(k);
            if (k == 0 && namn == QStringLiteral("Ldm0"))
                namn = QStringLiteral("Lda0");
            rad << Text(namn);
        }
        return rad;
    }
    // Whether grid rows from..25 are all blank.
    bool TommaRader(int fran) const {
        for (int k = fran; k <= 25; ++k)
            if (Rad(k).join(QString()) != QString())
                return false;
        return true;
    }

    QStringList Rader(const char *lista) const {
        QStringList rader;
        auto *l = Del<QListWidget>(lista);
        for (int i = 0; i < l->count(); ++i)
            rader << l->item(i)->text();
        return rader;
    }

    static void SkrivFil(const QString &sokvag, const std::string &utf8) {
        QFile fil(sokvag);
        if (!fil.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(sokvag));
        const std::string bytes = tovana::TillWindows1252(utf8);
        fil.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    Testskrivbord *skrivbord = nullptr;
    std::unique_ptr<TForm1> form;
};

} // namespace rapport2test
