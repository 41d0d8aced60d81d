#pragma once
// Small files for the window tests: write a chart or ledger's bytes as they
// stand, and read a file back ("(saknas)" when it is not there). A ledger
// written afresh starts without the change log an earlier test left beside
// it, which spoke of the ledger it replaces.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

inline void SkrivFil(const QString &namn, const QByteArray &bytes) {
    QFile fil(namn);
    QVERIFY(fil.open(QIODevice::WriteOnly | QIODevice::Truncate));
    fil.write(bytes);
    QFile::remove(namn + QStringLiteral(".logg"));
}

inline QByteArray Las(const QString &namn) {
    QFile fil(namn);
    if (!fil.open(QIODevice::ReadOnly))
        return "(saknas)";
    return fil.readAll();
}
