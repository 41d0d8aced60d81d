#pragma once
// The manual pages of the Manual menu. They are found in the current folder,
// beside the program (a build tree) or in the installed data folder's `manual`
// (see Datakatalog.h), and opened in the desktop's default viewer; a page that
// none of them holds gives a message naming the file and the folders searched.

#include <QString>
#include <QStringList>

#include <vector>

struct Manualsida {
    QString namn;    // the menu item's objectName
    QString text;    // its caption
    QString fil;     // the page's bare file name
    QString tangent; // the letter the open menu picks it by
};

const std::vector<Manualsida> &Manualsidor();

// The folders the Manual menu searches, in order: the current folder, the
// program's folder, then each data folder's `manual` (Datakataloger()), as
// clean absolute paths without repeats.
QStringList Manualkataloger();

// The page's path in the first of the folders that holds it; empty when none does.
QString SokManualsida(const QString &fil, const QStringList &kataloger);

// The message for a page that none of the folders holds: it names the file and
// every folder searched, one a line.
QString SaknadManualsida(const QString &fil, const QStringList &kataloger);
