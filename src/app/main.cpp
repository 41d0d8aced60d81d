// The program: the application and its one window.

#include "shell/Svenska.h"
#include "shell/TForm1.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // Qt's own dialog texts in Swedish, before any window is built.
    InstalleraSvenskaQtTexter(app);
    TForm1 form;
    if (const QScreen *skarm = form.screen())
        form.PassaIn(skarm->availableGeometry());
    form.show();
    const int slut = app.exec();
    form.LamnaPosternaTillSystemet();
    return slut;
}
