#include "shell/Manual.h"

#include "shell/Datakatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

const std::vector<Manualsida> &Manualsidor() {
    static const std::vector<Manualsida> sidor = {
        {"Kortverion", "Kortversion", "kortversion.html", "K"},
        {"Kontoplan", "Kontoplan", "kontoplan.html", "n"},
        {"Redovisning", "Redovisning", "redovisning.html", "R"},
        {"foretagM", "Företag", "foretag.html", "F"},
        {"Rapporter", "Rapporter", "rapporter.html", "a"},
        {"MomsM", "Moms och perioder", "moms.html", "M"},
        {"UtskriftM", "Utskrifter", "utskrifter.html", "U"},
        {"SpecialM", "Special", "sarskilda.html", "S"},
        {"RattelserM", "Rättelser och stängda perioder", "rattelser.html", "t"},
        {"helamanualen", "Visa hela manualen som pdf-fil", "manualTovana.pdf", "h"},
    };
    return sidor;
}

QStringList Manualkataloger() {
    QStringList kataloger = {QDir::cleanPath(QDir::currentPath()),
                             QDir::cleanPath(QCoreApplication::applicationDirPath())};
    for (const QString &data : Datakataloger())
        kataloger << QDir(data).filePath(QStringLiteral("manual"));
    kataloger.removeDuplicates();
    return kataloger;
}

QString SokManualsida(const QString &fil, const QStringList &kataloger) {
    for (const QString &katalog : kataloger) {
        const QString sokvag = QDir(katalog).filePath(fil);
        if (QFileInfo(sokvag).isFile())
            return sokvag;
    }
    return {};
}

QString SaknadManualsida(const QString &fil, const QStringList &kataloger) {
    QString text = QStringLiteral("Manualfilen %1 finns inte. Programmet letade i:").arg(fil);
    for (const QString &katalog : kataloger)
        text += QLatin1Char('\n') + QDir::toNativeSeparators(katalog);
    return text;
}
