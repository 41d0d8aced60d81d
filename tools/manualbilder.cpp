// Makes the manual's pictures from the real window, so they show the program as
// it is: the welcome panel, the entry form with a post keyed, the income
// statement, an account statement and the chart editor, and the entry form and
// the account statement once more in a window fitted into a 1280 x 720 screen
// (a 1920 x 1080 screen at 150 %), where the panel area scrolls. The window is built with
// a stand-in desktop that answers its file dialogs, opens a company made in a
// temporary folder (the example company's chart and ledger when one is
// delivered, else the example chart and a small ledger written here), is
// driven through its menu by the actions' object names, and each view is saved
// as a PNG. The example files themselves are never opened, locked or changed.
//
//     QT_QPA_PLATFORM=offscreen tovana_manualbilder <exempel folder> <picture folder>
//
// Exits 1 with a message on stderr when a file cannot be made or a control is
// missing.

#include "core/Behandlingslogg.h"
#include "shell/TForm1.h"
#include "ui/Skrivbord.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <deque>

namespace {

[[noreturn]] void Avbryt(const QString &text) {
    std::fprintf(stderr, "tovana_manualbilder: %s\n", text.toLocal8Bit().constData());
    std::exit(1);
}

// Answers every open or save dialog with the next queued path, every question
// with No, and prints the messages, which a picture run should not meet.
class Bildskrivbord final : public Skrivbord {
public:
    void Meddelande(QWidget *, const QString &text) override {
        std::fprintf(stderr, "tovana_manualbilder: meddelande: %s\n", qPrintable(text));
    }
    bool Fraga(QWidget *, const QString &) override { return false; }
    Svar FragaMedAvbryt(QWidget *, const QString &) override { return Svar::Nej; }
    QString OppnaFil(QWidget *, const QString &, const QString &) override { return Nasta(); }
    QString SparaFil(QWidget *, const QString &, const QString &) override { return Nasta(); }
    void OppnaDokument(const QString &) override {}

    std::deque<QString> filval;

private:
    QString Nasta() {
        if (filval.empty())
            return {};
        QString val = filval.front();
        filval.pop_front();
        return val;
    }
};

// A small year for a café, used when no example ledger is delivered.
const char *const kLitenRedovisning = "Café Tovan 2012\r\n"
                                      "1;120102;50000;1930;2081;0;Insatt aktiekapital\r\n"
                                      "2;120105;8000;5010;1930;0;Hyra januari\r\n"
                                      "3;120110;12500;1930;3010;0;Försäljning vecka 1\r\n"
                                      "4;120112;3125;4010;2440;0;Inköp kaffe och bröd\r\n"
                                      "5;120120;15000;1930;3040;10;Konsultuppdrag Norr\r\n"
                                      "6;120125;3125;2440;1930;0;Betalt leverantör\r\n"
                                      "7;120131;450;6570;1930;0;Bankavgift\r\n";

void Skriv(const QString &sokvag, const QByteArray &innehall) {
    QFile fil(sokvag);
    if (!fil.open(QIODevice::WriteOnly) || fil.write(innehall) != innehall.size() || !fil.flush())
        Avbryt(QStringLiteral("kan inte skriva %1").arg(sokvag));
}

class Fotograf {
public:
    Fotograf(TForm1 &form, const QDir &bilder) : form_(form), bilder_(bilder) {}

    template <typename T = QWidget> T *Del(const char *namn) {
        auto *del = form_.findChild<T *>(QString::fromUtf8(namn));
        if (!del)
            Avbryt(QStringLiteral("kontrollen %1 saknas").arg(QString::fromUtf8(namn)));
        return del;
    }
    void Meny(const char *namn) {
        QAction *val = form_.Menyval(QString::fromUtf8(namn));
        if (!val || !val->isEnabled())
            Avbryt(QStringLiteral("menyvalet %1 saknas eller är av").arg(QString::fromUtf8(namn)));
        val->trigger();
        Vanta();
    }
    // Keys a text into a box as the user does: the focus moved there, the text typed
    // (plain ASCII: QTest types no other characters), then Tab.
    void Knappa(const char *namn, const QString &text) {
        auto *ruta = Del<QLineEdit>(namn);
        ruta->setFocus(Qt::TabFocusReason);
        Vanta();
        ruta->selectAll();
        QTest::keyClicks(ruta, text);
        QTest::keyClick(ruta, Qt::Key_Tab);
        Vanta();
    }
    void Tryck(const char *namn) {
        QTest::mouseClick(Del<QPushButton>(namn), Qt::LeftButton);
        Vanta();
    }
    void Fota(const char *fil) {
        Vanta();
        const QString sokvag = bilder_.filePath(QString::fromUtf8(fil));
        if (!form_.grab().save(sokvag, "PNG"))
            Avbryt(QStringLiteral("kan inte spara %1").arg(sokvag));
    }

private:
    static void Vanta() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    TForm1 &form_;
    QDir bilder_;
};

// The entry form with a post keyed but not saved.
void EnPost(Fotograf &foto) {
    foto.Meny("Redovisa");
    foto.Knappa("EditDatum", QStringLiteral("120315"));
    foto.Knappa("EditBelopp", QStringLiteral("1250"));
    foto.Knappa("EditDebit", QStringLiteral("1930"));
    foto.Knappa("EditKredit", QStringLiteral("3010"));
    foto.Knappa("EditKod", QString());
    foto.Knappa("EditText", QStringLiteral("Kaffe och kanelbullar"));
}

// The statement of the bank account.
void Kontoutdrag(Fotograf &foto) {
    foto.Meny("RapportKonto");
    foto.Knappa("Editvisakonto", QStringLiteral("1930"));
    foto.Tryck("BitBtnvisakonto");
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QStringList argument = app.arguments();
    if (argument.size() != 3)
        Avbryt(QStringLiteral("användning: tovana_manualbilder <exempelmapp> <bildmapp>"));
    const QDir exempel(QDir(argument[1]).absolutePath());
    QDir bilder(QDir(argument[2]).absolutePath());
    if (!bilder.mkpath(QStringLiteral(".")))
        Avbryt(QStringLiteral("kan inte skapa %1").arg(bilder.path()));

    // The company in a folder of its own, so the example files are never locked
    // or rewritten.
    QTemporaryDir mapp;
    if (!mapp.isValid())
        Avbryt(QStringLiteral("kan inte skapa en tillfällig mapp"));
    // Opened from the folder by plain names, so the pictures show no temporary path.
    if (!QDir::setCurrent(mapp.path()))
        Avbryt(QStringLiteral("kan inte gå till %1").arg(mapp.path()));
    // The delivered example company when there is one: the two files its company
    // file names, found by their names in the example folder. Otherwise the
    // example chart and the small ledger above.
    QString exempelkplan = QStringLiteral("foretag.kpl");
    QString exempelred;
    const QStringList foretagsfiler = exempel.entryList({QStringLiteral("*.ftg")}, QDir::Files);
    if (!foretagsfiler.isEmpty()) {
        QFile fil(exempel.filePath(foretagsfiler.first()));
        if (!fil.open(QIODevice::ReadOnly))
            Avbryt(QStringLiteral("kan inte läsa %1").arg(fil.fileName()));
        const QStringList rader = QString::fromLatin1(fil.readAll())
                                      .split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")));
        if (rader.size() < 2)
            Avbryt(QStringLiteral("%1 har inte två rader").arg(fil.fileName()));
        // A path of either kind of slash: only its last part is the file's name.
        const auto namn = [](QString rad) {
            return rad.replace('\\', '/').section('/', -1).trimmed();
        };
        exempelkplan = namn(rader[0]);
        exempelred = namn(rader[1]);
    }
    // The copies keep the example's names, which the pictures show.
    const QString kontoplan = exempelkplan;
    const QString redovisning =
        exempelred.isEmpty() ? QStringLiteral("foretag2012.red") : exempelred;
    if (!QFile::copy(exempel.filePath(exempelkplan), kontoplan))
        Avbryt(QStringLiteral("kan inte kopiera %1").arg(exempel.filePath(exempelkplan)));
    if (exempelred.isEmpty())
        Skriv(redovisning, QByteArray(kLitenRedovisning));
    else if (!QFile::copy(exempel.filePath(exempelred), redovisning))
        Avbryt(QStringLiteral("kan inte kopiera %1").arg(exempel.filePath(exempelred)));
    const QString foretag = QStringLiteral("foretag.ftg");
    Skriv(
        foretag,
        (kontoplan + QStringLiteral("\r\n") + redovisning + QStringLiteral("\r\n")).toLocal8Bit());

    // The change log's records carry a fixed time and user, so that the pictures
    // show neither the machine nor the day they were taken.
    tovana::SattLoggklocka([] {
        return tovana::Loggstampel{"2026-04-02 09:15:00", "anna@kontoret"};
    });

    auto skrivbord = std::make_unique<Bildskrivbord>();
    Bildskrivbord *svar = skrivbord.get();
    TForm1 form(std::move(skrivbord));
    form.show();
    QApplication::setActiveWindow(&form);
    Fotograf foto(form, bilder);

    foto.Fota("valkommen.png");

    svar->filval.push_back(foretag);
    foto.Meny("oppnaforetag");
    EnPost(foto);
    foto.Fota("redovisa.png");

    foto.Meny("RapportRes");
    foto.Fota("resultatrakning.png");

    Kontoutdrag(foto);
    foto.Fota("kontoutdrag.png");

    foto.Meny("Redigera1");
    foto.Fota("kontoplan.png");

    // The first quarter closed, and the change log that tells it.
    foto.Meny("Perioder");
    foto.Knappa("EditStangTom", QStringLiteral("2026-03-31"));
    foto.Tryck("BitBtnStang");
    foto.Fota("perioder.png");
    foto.Meny("Behandlingshistorik");
    foto.Fota("behandlingshistorik.png");

    // A small screen: the window fitted into it as at start, title bar included.
    form.PassaIn(QRect(0, 0, 1280, 720));
    EnPost(foto);
    foto.Fota("redovisa_1280x720.png");

    Kontoutdrag(foto);
    foto.Fota("kontoutdrag_1280x720.png");
    return 0;
}
