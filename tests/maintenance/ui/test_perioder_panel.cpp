// The period and history panels, driven against the stand-in window: closing
// and opening again (with and without a reason) through the boxes and buttons,
// the history newest first, narrowed to one verification number, and its
// printout's bytes as the desktop is asked to open them.

#include "core/Behandlingslogg.h"
#include "core/Teckentabell.h"
#include "maintenance/ui/Periodpaneler.h"
#include "support/Provfonster.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class PerioderPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;
    std::unique_ptr<Provfonster> f_;
    Periodpaneler paneler_;

    template <typename T> T *Barn(const char *namn) {
        auto *barn = f_->Agare().findChild<T *>(QString::fromUtf8(namn));
        if (!barn)
            qFatal("saknas: %s", namn);
        return barn;
    }
    QString Lage() { return Barn<QLabel>("LabelStangdTom")->text(); }
    void Skriv(const char *namn, const QString &text) {
        Barn<QLineEdit>(namn)->selectAll();
        Barn<QLineEdit>(namn)->insert(text);
    }
    void Klicka(const char *namn) { Barn<QPushButton>(namn)->click(); }
    QStringList Lista() {
        QStringList rader;
        auto *lista = Barn<QListWidget>("ListBoxLogg");
        for (int i = 0; i < lista->count(); ++i)
            rader << lista->item(i)->text();
        return rader;
    }
    QStringList Loggtyper() {
        QStringList typer;
        for (const auto &post : tovana::LasLogg(tovana::Loggfil(f_->data.Redovisningsfil)))
            typer << QString::fromStdString(post.vad);
        return typer;
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void init() {
        QFile::remove(QStringLiteral("bok.red.logg"));
        QFile::remove(QStringLiteral("utskrift.html"));
        tovana::SattLoggklocka([] {
            return tovana::Loggstampel{"2026-04-02 10:00:00", "bo@datorn"};
        });
        f_ = std::make_unique<Provfonster>();
        paneler_ = ByggPeriodpaneler(*f_);
        auto &data = f_->data;
        data.Redovisningsnamn = "Bok <2026>";
        data.Redovisningsfil = QDir(katalog_.path()).absoluteFilePath("bok.red").toStdString();
        data.RedovisningInlast = true;
        data.KontoplanInlast = true;
        f_->Agare().show();
        QApplication::setActiveWindow(&f_->Agare());
    }
    void cleanup() {
        f_.reset();
        tovana::SattLoggklocka({});
    }

    void closesAndOpensAgainOnlyWithAReason() {
        f_->Menyval(QStringLiteral("Perioder"))->trigger();
        QCOMPARE(f_->visad, paneler_.perioder);
        QCOMPARE(Lage(), QStringLiteral("Ingen period är stängd."));
        QCOMPARE(Barn<QPushButton>("BitBtnStang")->text(), QStringLiteral("Stäng perioden"));
        QCOMPARE(Barn<QPushButton>("BitBtnOppna")->text(), QStringLiteral("Öppna igen"));

        Skriv("EditStangTom", QStringLiteral("2026-03-31"));
        Klicka("BitBtnStang");
        QCOMPARE(Lage(), QStringLiteral("Stängd t.o.m. 2026-03-31"));
        QVERIFY(Barn<QLineEdit>("EditStangTom")->text().isEmpty());
        QVERIFY(f_->skrivbord.meddelanden.isEmpty());

        // Backwards is refused, with the date kept in the box to mend.
        Skriv("EditStangTom", QStringLiteral("260228"));
        Klicka("BitBtnStang");
        QCOMPARE(f_->skrivbord.meddelanden.size(), 1);
        QVERIFY(f_->skrivbord.meddelanden.last().startsWith(
            QStringLiteral("Perioden är redan stängd t.o.m. 2026-03-31")));
        QCOMPARE(Barn<QLineEdit>("EditStangTom")->text(), QStringLiteral("260228"));

        // Without a reason nothing opens.
        Skriv("EditOppnaFran", QStringLiteral("20260301"));
        Klicka("BitBtnOppna");
        QCOMPARE(f_->skrivbord.meddelanden.size(), 2);
        QVERIFY(f_->skrivbord.meddelanden.last().startsWith(QStringLiteral("Skriv skälet")));
        QCOMPARE(Lage(), QStringLiteral("Stängd t.o.m. 2026-03-31"));

        Skriv("EditOppnaSkal", QStringLiteral("Fel moms på ver 7"));
        Klicka("BitBtnOppna");
        QCOMPARE(f_->skrivbord.meddelanden.size(), 2);
        QCOMPARE(Lage(), QStringLiteral("Stängd t.o.m. 2026-02-28"));
        QVERIFY(Barn<QLineEdit>("EditOppnaSkal")->text().isEmpty());
        QCOMPARE(Loggtyper().mid(1), (QStringList{"Stängd t.o.m. 2026-03-31",
                                                  "Öppnad från 2026-03-01: Fel moms på ver 7"}));

        // Shown again, the panel tells the state the ledger has now.
        f_->data.StangdTom.reset();
        f_->Menyval(QStringLiteral("Perioder"))->trigger();
        QCOMPARE(Lage(), QStringLiteral("Ingen period är stängd."));
    }

    void historyListsNewestFirstFiltersAndPrints() {
        const std::string logg = tovana::Loggfil(f_->data.Redovisningsfil);
        auto rec = [](const char *tid, const char *vad, std::vector<std::string> borta,
                      std::vector<std::string> nya) {
            return tovana::Loggpost{tid, "anna@kontoret", vad, std::move(borta), std::move(nya)};
        };
        for (const auto &post : {
                 rec("2026-01-02 09:00:00", "Ny post", {}, {"12;20260102;100;1930;3010;0;Kassa"}),
                 rec("2026-01-03 09:00:00", "Ny post", {}, {"13;20260103;50;1930;3010;0;Bank"}),
                 rec("2026-01-04 09:00:00", "Ändrad post", {"12;20260102;100;1930;3010;0;Kassa"},
                     {"12;20260102;150;1930;3010;0;Kassa & co"}),
             })
            tovana::SkrivLoggpost(logg, post);

        f_->Menyval(QStringLiteral("Behandlingshistorik"))->trigger();
        QCOMPARE(f_->visad, paneler_.logg);
        QCOMPARE(Lista(), (QStringList{
                              "2026-01-04 09:00:00  anna@kontoret  Ändrad post  ver 12",
                              "2026-01-03 09:00:00  anna@kontoret  Ny post  ver 13",
                              "2026-01-02 09:00:00  anna@kontoret  Ny post  ver 12",
                          }));
        Skriv("EditLoggVernr", QStringLiteral("12"));
        QCOMPARE(Lista(), (QStringList{
                              "2026-01-04 09:00:00  anna@kontoret  Ändrad post  ver 12",
                              "2026-01-02 09:00:00  anna@kontoret  Ny post  ver 12",
                          }));

        // A record written after the panel was shown appears when it is shown again.
        tovana::SkrivLoggpost(
            logg, rec("2026-01-05 09:00:00", "Ny post", {}, {"14;20260105;70;1930;3010;0;Ny"}));
        QCOMPARE(Lista().size(), 2);

        Klicka("BitBtnLoggUtskrift");
        QVERIFY(f_->skrivbord.meddelanden.isEmpty());
        QCOMPARE(f_->skrivbord.dokument, QStringList{QStringLiteral("utskrift.html")});
        QFile fil(QStringLiteral("utskrift.html"));
        QVERIFY(fil.open(QIODevice::ReadOnly));
        const QByteArray bytes = fil.readAll();
        const auto kod = [](const char *text) {
            return QByteArray::fromStdString(tovana::TillWindows1252(text));
        };
        QVERIFY(bytes.contains(kod("Behandlingshistorik för Bok &lt;2026&gt;")));
        const auto andrad = bytes.indexOf(kod(">Ändrad post<"));
        const auto minus = bytes.indexOf("-12;20260102;100;1930;3010;0;Kassa</font></td></tr>\r\n");
        const auto plus = bytes.indexOf("+12;20260102;150;1930;3010;0;Kassa &amp; co</font>");
        const auto ny = bytes.indexOf(">Ny post<");
        QVERIFY(andrad > 0 && andrad < minus && minus < plus && plus < ny);
        QVERIFY(!bytes.contains("Bank"));
        QVERIFY(!bytes.contains("\n\n") && !bytes.contains(">\n"));

        Skriv("EditLoggVernr", QString());
        f_->Menyval(QStringLiteral("Behandlingshistorik"))->trigger();
        QCOMPARE(Lista().size(), 4);
        QCOMPARE(Lista().first(),
                 QStringLiteral("2026-01-05 09:00:00  anna@kontoret  Ny post  ver 14"));
    }

    void aLedgerWithoutALogShowsAnEmptyHistory() {
        f_->Menyval(QStringLiteral("Behandlingshistorik"))->trigger();
        QVERIFY(Lista().isEmpty());
        QVERIFY(f_->skrivbord.meddelanden.isEmpty());
    }
};

QTEST_MAIN(PerioderPanelTest)
#include "test_perioder_panel.moc"
