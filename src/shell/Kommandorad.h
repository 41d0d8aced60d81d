#pragma once
// The program's command line: help, version, one file to open, or an error.

#include <QString>
#include <QStringList>

struct Kommandorad {
    enum class Slag { Starta, Hjalp, Version, Fil, Fel };
    Slag slag = Slag::Starta;
    QString fil; // Fil: the file to open
    QString fel; // Fel: what the user is told
};

// Classifies the arguments after the program's name, left to right: "-h" or
// "--help", "--version", "--" (what follows is a file), any other argument
// beginning with "-" is an error, and at most one file is named. Qt's own
// options ("-platform offscreen", "-style=Fusion") are stepped over, so the
// line can be read before the application, and a display, exist.
Kommandorad TolkaKommandorad(const QStringList &argument);

// The texts printed for "--help" and "--version".
QString Hjalptext();
QString Versionstext();
