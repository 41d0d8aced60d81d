// The window's figures, each mode a whole process that ends by itself and
// prints its own time from the top of main (so `hyperfine -N` can time the
// process from outside as well):
//
//   tovana_fonsterbench --forsta-malning
//       the main window started as the program starts it, until its first paint;
//   tovana_fonsterbench --bar SKELETT
//       a bare Qt window built from a skeleton (bench/fonster.skelett), until
//       its first paint;
//   tovana_fonsterbench --skelett
//       writes the main window's skeleton to stdout;
//   tovana_fonsterbench --open LEDGER --chart CHART
//       the main window opens the chart and the ledger through its menu, with
//       the file dialogs answering these paths, shows the income statement and
//       the balance sheet, and ends when that has been painted.

#include "Fonsterskelett.h"

#include "shell/Svenska.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"
#include "ui/Skrivbord.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

QElapsedTimer klocka;

double Ms() {
    return static_cast<double>(klocka.nsecsElapsed()) / 1e6;
}

// Calls `klar` once the event loop is back after the first paint of the
// window that follows Vakta(): the whole window is painted and flushed in one
// sweep, so by then every widget of it has been painted.
class Malningsvakt final : public QObject {
public:
    explicit Malningsvakt(QWidget &fonster) : fonster_(fonster) { qApp->installEventFilter(this); }

    void Vakta(std::function<void()> klar) { klar_ = std::move(klar); }

protected:
    bool eventFilter(QObject *objekt, QEvent *handelse) override {
        if (klar_ && handelse->type() == QEvent::Paint && objekt->isWidgetType() &&
            static_cast<QWidget *>(objekt)->window() == &fonster_) {
            QTimer::singleShot(0, this, std::exchange(klar_, nullptr));
        }
        return false;
    }

private:
    QWidget &fonster_;
    std::function<void()> klar_;
};

// Shows the window and ends the program after its first paint.
int ForstaMalning(QApplication &app, QWidget &fonster, const char *vad) {
    Malningsvakt vakt(fonster);
    vakt.Vakta([&] {
        std::printf("%s: första målningen efter %.1f ms\n", vad, Ms());
        app.quit();
    });
    fonster.show();
    return app.exec();
}

// The statement shown on the statement panel: its heading, its lines and the
// last line (the result or the sum).
QString Visadrader(TForm1 &form) {
    QWidget *panel = form.Panel(QStringLiteral("PanelRR"));
    int rader = 0;
    QString sista;
    for (int k = 1; auto *namn = panel->findChild<QLabel *>(QStringLiteral("Ln%1").arg(k)); ++k) {
        if (namn->text().isEmpty())
            continue;
        ++rader;
        auto *belopp = panel->findChild<QLabel *>(k == 9 ? QStringLiteral("LBB9")
                                                         : QStringLiteral("Lbb%1").arg(k));
        sista = namn->text() + u' ' + belopp->text();
    }
    const QString rubrik = panel->findChild<QLabel *>(QStringLiteral("LabelRRrubrik"))->text();
    return QStringLiteral("%1 %2 rader visade (%3)").arg(rubrik).arg(rader).arg(sista);
}

int Oppna(QApplication &app, const QString &redovisning, const QString &kontoplan) {
    // The file dialogs answer the given paths in turn; messages are kept and
    // questions answered No, so nothing waits for a hand on the keyboard.
    auto *skrivbord = new Testskrivbord;
    skrivbord->filval = {kontoplan, redovisning};
    InstalleraSvenskaQtTexter(app);
    TForm1 form{std::unique_ptr<Skrivbord>(skrivbord)};
    Malningsvakt vakt(form);
    double startad = 0, oppnad = 0;
    QString rr, br, steg;
    int resultat = 0;
    vakt.Vakta([&] {
        startad = Ms();
        for (const char *val : {"Oppna1", "Oppnared", "RapportRes", "RapportBal"}) {
            const double fore = Ms();
            form.Menyval(QString::fromLatin1(val))->trigger();
            steg += QStringLiteral(" %1 %2 ms")
                        .arg(QString::fromLatin1(val))
                        .arg(Ms() - fore, 0, 'f', 1);
            if (std::strcmp(val, "RapportRes") == 0)
                rr = Visadrader(form);
        }
        br = Visadrader(form);
        oppnad = Ms();
        vakt.Vakta([&] {
            const double malad = Ms();
            const auto &data = form.Data();
            std::printf("%d poster, %d konton; %s; %s\n", data.Postantal, data.Kontoantal,
                        qUtf8Printable(rr), qUtf8Printable(br));
            for (const QString &meddelande : skrivbord->meddelanden + skrivbord->fragor)
                std::printf("meddelande: %s\n", qUtf8Printable(meddelande));
            std::printf("fönstret målat efter %.1f ms, öppnat och båda rapporterna visade efter "
                        "%.1f ms, målat efter %.1f ms (öppnandet %.1f ms)\n",
                        startad, oppnad, malad, malad - startad);
            std::printf("menyvalen:%s\n", qUtf8Printable(steg));
            if (data.Postantal == 0 || rr.contains(QStringLiteral(" 0 rader")) ||
                br.contains(QStringLiteral(" 0 rader")))
                resultat = 1;
            app.quit();
        });
        form.update();
    });
    form.show();
    const int slut = app.exec();
    form.LamnaPosternaTillSystemet(); // as the program ends
    return slut != 0 ? slut : resultat;
}

int Anvandning(const char *program) {
    std::fprintf(stderr,
                 "usage: %s --forsta-malning | --bar SKELETT | --skelett | --open LEDGER "
                 "--chart CHART\n",
                 program);
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    klocka.start();
    QApplication app(argc, argv);
    const QStringList argument = QApplication::arguments();
    const QString lage = argument.value(1);

    if (lage == QLatin1String("--forsta-malning") && argument.size() == 2) {
        // As the program starts: Qt's Swedish texts, then the window.
        InstalleraSvenskaQtTexter(app);
        TForm1 form;
        return ForstaMalning(app, form, "Tovana");
    }
    if (lage == QLatin1String("--bar") && argument.size() == 3) {
        QFile fil(argument[2]);
        if (!fil.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", qUtf8Printable(argument[2]),
                         qUtf8Printable(fil.errorString()));
            return 1;
        }
        try {
            const auto fonster = skelett::Bygg(QString::fromUtf8(fil.readAll()));
            return ForstaMalning(app, *fonster, "bart fönster");
        } catch (const skelett::Fel &fel) {
            std::fprintf(stderr, "%s: %s\n", qUtf8Printable(argument[2]), fel.what());
            return 1;
        }
    }
    if (lage == QLatin1String("--skelett") && argument.size() == 2) {
        InstalleraSvenskaQtTexter(app);
        TForm1 form;
        form.show();
        QApplication::processEvents();
        QList<QWidget *> paneler;
        for (const QString &namn : TForm1::Arbetspanelnamn())
            paneler << form.Panel(namn);
        try {
            std::fputs(skelett::Skriv(form, paneler).toUtf8().constData(), stdout);
            return 0;
        } catch (const skelett::Fel &fel) {
            std::fprintf(stderr, "%s\n", fel.what());
            return 1;
        }
    }
    if (lage == QLatin1String("--open") && argument.size() == 5 &&
        argument[3] == QLatin1String("--chart"))
        return Oppna(app, argument[2], argument[4]);
    return Anvandning(argv[0]);
}
