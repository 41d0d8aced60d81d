#include "shell/Startmapp.h"

#include <QFileInfo>

#include <initializer_list>

QString Startmapp(const tovana::Bokforingsdata &data, const QString &forval) {
    const std::string *forst = &data.Foretagsfil;
    if (forval == QStringLiteral("*.kpl"))
        forst = &data.Kontoplanfil;
    else if (forval == QStringLiteral("*.red"))
        forst = &data.Redovisningsfil;
    for (const std::string *fil :
         {forst, &data.Foretagsfil, &data.Kontoplanfil, &data.Redovisningsfil})
        if (!fil->empty())
            return QFileInfo(QString::fromStdString(*fil)).absolutePath();
    return {};
}
