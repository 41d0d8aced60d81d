#include "shell/Datakatalog.h"

#include <QCoreApplication>
#include <QDir>

// The build passes both (CMakeLists.txt, with the install rules): the data
// folder relative to the program's folder ("../share/tovana") and the whole data
// folder of the install prefix ("/usr/local/share/tovana").

QStringList Datakataloger() {
    QStringList kataloger = {
        QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                            .filePath(QStringLiteral(TOVANA_DATADIR_FRAN_BIN))),
        QDir::cleanPath(QStringLiteral(TOVANA_DATADIR))};
    kataloger.removeDuplicates();
    return kataloger;
}
