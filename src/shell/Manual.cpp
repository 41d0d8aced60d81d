#include "shell/Manual.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

const std::vector<Manualsida> &Manualsidor() {
    static const std::vector<Manualsida> sidor = {
        {"Kortverion", "Kortversion", "kortversion.html"},
        {"Kontoplan", "Kontoplan", "kontoplan.html"},
        {"Redovisning", "Redovisning", "redovisning.html"},
        {"foretagM", "Företag", "foretag.html"},
        {"Rapporter", "Rapporter", "rapporter.html"},
        {"UtskriftM", "Utskrifter", "utskrifter.html"},
        {"SpecialM", "Special", "special.html"},
        {"helamanualen", "Visa hela manualen som pdf-fil", "manualTovana.pdf"},
    };
    return sidor;
}

QString SokManualsida(const QString &fil) {
    if (QFileInfo::exists(fil))
        return fil;
    const QString bredvid = QDir(QCoreApplication::applicationDirPath()).filePath(fil);
    if (QFileInfo::exists(bredvid))
        return bredvid;
    return fil;
}
