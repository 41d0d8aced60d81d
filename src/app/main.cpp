// The program: the command line, the application and its one window.

#include "shell/Kommandorad.h"
#include "shell/Svenska.h"
#include "shell/TForm1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    // Help and version need no display; Qt's own options are read by Qt first.
    QStringList forst;
    for (int i = 1; i < argc; ++i)
        forst << QString::fromLocal8Bit(argv[i]);
    Kommandorad rad = TolkaKommandorad(forst);
    if (rad.slag != Kommandorad::Slag::Hjalp && rad.slag != Kommandorad::Slag::Version) {
        QApplication app(argc, argv);
        rad = TolkaKommandorad(QApplication::arguments().mid(1));
        if (rad.slag == Kommandorad::Slag::Fel) {
            std::fputs(rad.fel.toLocal8Bit().constData(), stderr);
            return 2;
        }
        if (rad.slag == Kommandorad::Slag::Fil || rad.slag == Kommandorad::Slag::Starta) {
            // Qt's own dialog texts in Swedish, before any window is built.
            InstalleraSvenskaQtTexter(app);
            TForm1 form;
            form.show();
            if (rad.slag == Kommandorad::Slag::Fil)
                form.OppnaFil(rad.fil);
            const int slut = app.exec();
            form.LamnaPosternaTillSystemet();
            return slut;
        }
    }
    const QString text = rad.slag == Kommandorad::Slag::Hjalp ? Hjalptext() : Versionstext();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return 0;
}
