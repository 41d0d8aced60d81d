#pragma once
// The manual pages of the Manual menu. They are delivered beside the program and
// opened in the desktop's default viewer; a missing page gives no message.

#include <QString>

#include <vector>

struct Manualsida {
    QString namn; // the menu item's objectName
    QString text; // its caption
    QString fil;  // the page's bare file name
};

const std::vector<Manualsida> &Manualsidor();

// The page in the current directory, else beside the program, else the bare name.
QString SokManualsida(const QString &fil);
