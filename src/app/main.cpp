// The program: the command line, the application and its one window.

#include "shell/Kommandorad.h"
#include "shell/Svenska.h"
#include "shell/TForm1.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[]) {
    // Help, version and a faulty line need no display: the line is read before
    // the application is made, stepping over Qt's own options.
    QStringList argument;
    for (int i = 1; i < argc; ++i)
        argument << QString::fromLocal8Bit(argv[i]);
    const Kommandorad rad = TolkaKommandorad(argument);
    if (rad.slag == Kommandorad::Slag::Fel) {
        std::fputs(rad.fel.toLocal8Bit().constData(), stderr);
        return 2;
    }
    if (rad.slag == Kommandorad::Slag::Hjalp || rad.slag == Kommandorad::Slag::Version) {
        const QString text = rad.slag == Kommandorad::Slag::Hjalp ? Hjalptext() : Versionstext();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    // Qt's own dialog texts in Swedish, before any window is built.
    InstalleraSvenskaQtTexter(app);
    TForm1 form;
    if (const QScreen *skarm = form.screen())
        form.PassaIn(skarm->availableGeometry());
    form.show();
    if (rad.slag == Kommandorad::Slag::Fil)
        form.OppnaFil(rad.fil);
    const int slut = app.exec();
    form.LamnaPosternaTillSystemet();
    return slut;
}
