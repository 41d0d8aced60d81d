// The re-sorting panel: showing the three orders, saving the one shown, and
// what a failed date order or a failed rewrite leaves behind.

#include "core/Redovisningsfil.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class SorteringspanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;
    Testskrivbord *desktop_ = nullptr;

    // A window with a ledger in memory and on file, the sorting panel open.
    std::unique_ptr<TForm1> OppnaPanel(const std::vector<tovana::TPost> &poster) {
        auto desktop = std::make_unique<Testskrivbord>();
        desktop_ = desktop.get();
        auto form = std::make_unique<TForm1>(std::move(desktop));
        form->show();
        QApplication::setActiveWindow(form.get());
        auto &data = form->Data();
        data.Redovisningsnamn = "Bok 2012";
        data.Redovisningsfil = "bok.red";
        data.RedovisningInlast = true;
        data.Postantal = 0;
        for (const auto &post : poster)
            data.Postplats(++data.Postantal) = post;
        tovana::SkrivRedovisning(data, data.Redovisningsfil);
        form->AktiveraRedovisningsgrupp();
        form->Menyval("RedSortera")->trigger();
        return form;
    }

    static tovana::TPost Post(int32_t vernr, const std::string &datum, const std::string &text) {
        return tovana::TPost{vernr, datum, 1930, 3010, 0, 100, text};
    }

    static QStringList Lista(TForm1 &form) {
        QStringList rader;
        auto *lista = form.findChild<QListWidget *>("ListBoxSortera");
        for (int i = 0; i < lista->count(); ++i)
            rader << lista->item(i)->text();
        return rader;
    }

    static QPushButton *Knapp(TForm1 &form, const char *namn) {
        return form.findChild<QPushButton *>(QString::fromUtf8(namn));
    }

    static QString Text(TForm1 &form, const char *namn) {
        return form.findChild<QLabel *>(QString::fromUtf8(namn))->text();
    }

    static QByteArray Fil(const QString &namn) {
        QFile fil(namn);
        if (!fil.open(QIODevice::ReadOnly))
            return "(saknas)";
        return fil.readAll();
    }

    static std::vector<std::string> Texter(TForm1 &form) {
        std::vector<std::string> texter;
        for (int32_t i = 1; i <= form.Data().Postantal; ++i)
            texter.push_back(form.Data().Poster[static_cast<std::size_t>(i)].text);
        return texter;
    }

    const QStringList kKnappar = {"BitBtnSorteraSpara", "BitBtnSorteraDatum", "BitBtnSorteraVernr",
                                  "BitBtnSorteraorginal"};

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void init() {
        QFile::remove(QStringLiteral("bok.red"));
        QDir().rmdir(QStringLiteral("bok.red"));
    }

    void opensEmptyWithItsButtonsAndGuide() {
        auto form = OppnaPanel({Post(1, "0101", "a")});
        QVERIFY(form->Panel("PanelSortera")->isVisible());
        QCOMPARE(form->findChild<QLabel *>("LabelSorteraRubrik")->text(),
                 QStringLiteral("Rutin för att sortera om redovisningens poster"));
        QVERIFY(Lista(*form).isEmpty());
        for (const auto &namn : kKnappar)
            QVERIFY2(form->findChild<QPushButton *>(namn)->isVisible(), qPrintable(namn));
        // Nothing to save until an order is shown.
        QVERIFY(!Knapp(*form, "BitBtnSorteraSpara")->isEnabled());
        const QStringList guide =
            form->findChild<QPlainTextEdit *>("MemoSortera")->toPlainText().split('\n');
        QCOMPARE(guide.size(), 16);
        QCOMPARE(guide[13], QStringLiteral("sorteringen i den vänstra  rutan."));
    }

    void showsEachOrderWithItsHeading() {
        auto form = OppnaPanel({Post(3, "15/3", "a"), Post(1, "120301", "b"), Post(2, "2/3", "c"),
                                Post(1, "0310", "d")});
        const QString rubrik = QStringLiteral("Vernr Datum   Belopp Debet Kredit   Kod");
        Knapp(*form, "BitBtnSorteraVernr")->click();
        QCOMPARE(Lista(*form), QStringList({rubrik, "  1 120301       100  1930  3010     0",
                                            "  1   0310       100  1930  3010     0",
                                            "  2    2/3       100  1930  3010     0",
                                            "  3   15/3       100  1930  3010     0"}));
        QCOMPARE(Text(*form, "LabelsorteraDelrubrik"),
                 QStringLiteral("Sortering efter verifikationsnummer"));

        Knapp(*form, "BitBtnSorteraDatum")->click();
        QCOMPARE(Lista(*form).mid(1).join('|'),
                 QStringLiteral("  2    2/3       100  1930  3010     0|"
                                "  1   0310       100  1930  3010     0|"
                                "  3   15/3       100  1930  3010     0|"
                                "  1 120301       100  1930  3010     0"));
        QCOMPARE(Text(*form, "LabelsorteraDelrubrik"), QStringLiteral("Sortering efter datum"));

        Knapp(*form, "BitBtnSorteraorginal")->click();
        QCOMPARE(Lista(*form).size(), 5);
        QCOMPARE(Lista(*form)[1], QStringLiteral("  3   15/3       100  1930  3010     0"));
        QCOMPARE(Text(*form, "LabelsorteraDelrubrik"),
                 QStringLiteral("Sortering enligt hur du redovisat"));
        // Showing changes nothing.
        QCOMPARE(Texter(*form), (std::vector<std::string>{"a", "b", "c", "d"}));
        QVERIFY(desktop_->meddelanden.isEmpty());
    }

    void savesTheOrderShownAndHidesTheButtons() {
        auto form = OppnaPanel({Post(3, "15/3", "a"), Post(1, "120301", "b"), Post(2, "2/3", "c"),
                                Post(1, "0310", "d")});
        Knapp(*form, "BitBtnSorteraDatum")->click();
        Knapp(*form, "BitBtnSorteraVernr")->click();
        Knapp(*form, "BitBtnSorteraSpara")->click();
        QCOMPARE(Texter(*form), (std::vector<std::string>{"b", "d", "c", "a"}));
        QCOMPARE(Fil("bok.red"), QByteArray("Bok 2012\r\n1;120301;100;1930;3010;0;b\r\n"
                                            "1;0310;100;1930;3010;0;d\r\n"
                                            "2;2/3;100;1930;3010;0;c\r\n"
                                            "3;15/3;100;1930;3010;0;a\r\n"));
        QCOMPARE(Text(*form, "LabelSorteraSparaBesked"),
                 QStringLiteral("Redovisningen är sparad med den sortering som visas i rutan."));
        QCOMPARE(Text(*form, "LabelSorteraSparabesked2"),
                 QStringLiteral("Använd menyerna för fortsatt arbete."));
        for (const auto &namn : kKnappar)
            QVERIFY2(!form->findChild<QPushButton *>(namn)->isVisible(), qPrintable(namn));

        // Opening the panel again starts afresh.
        form->Menyval("RedSortera")->trigger();
        QVERIFY(Lista(*form).isEmpty());
        QVERIFY(Text(*form, "LabelSorteraSparaBesked").isEmpty());
        QVERIFY(Knapp(*form, "BitBtnSorteraSpara")->isVisible());
        QVERIFY(!Knapp(*form, "BitBtnSorteraSpara")->isEnabled());
    }

    // Saving after a failed date order wrote an earlier order that the list no longer showed;
    // and the message was the runtime's "'15 dec' is not a valid integer value".
    void aDateWithoutKeyStopsTheDateOrderAndOffersNothingToSave() {
        auto form = OppnaPanel({Post(2, "15/3", "a"), Post(1, "15 dec", "b")});
        const QByteArray fil = Fil("bok.red");
        Knapp(*form, "BitBtnSorteraVernr")->click();
        Knapp(*form, "BitBtnSorteraDatum")->click();
        QCOMPARE(desktop_->meddelanden,
                 QStringList{QStringLiteral("Post 2 (verifikation 1) har datumet \"15 dec\", som "
                                            "inte kan sorteras. Ändra datumet till ÅÅMMDD, "
                                            "ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD och sortera sedan igen.")});
        QVERIFY(Lista(*form).isEmpty());
        QCOMPARE(Text(*form, "LabelsorteraDelrubrik"),
                 QStringLiteral("Sortering efter verifikationsnummer"));
        QVERIFY(!Knapp(*form, "BitBtnSorteraSpara")->isEnabled());
        Knapp(*form, "BitBtnSorteraSpara")->click();
        QCOMPARE(Fil("bok.red"), fil);
        QCOMPARE(Texter(*form), (std::vector<std::string>{"a", "b"}));
    }

    // A rewrite that failed still said the ledger was saved and left the new order in memory.
    void aFailedRewriteIsReportedAndChangesNothing() {
        auto form = OppnaPanel({Post(2, "0101", "a"), Post(1, "0102", "b")});
        QVERIFY(QFile::remove(QStringLiteral("bok.red")));
        QVERIFY(QDir().mkdir(QStringLiteral("bok.red")));
        Knapp(*form, "BitBtnSorteraVernr")->click();
        Knapp(*form, "BitBtnSorteraSpara")->click();
        QCOMPARE(desktop_->meddelanden.size(), 1);
        QVERIFY(Text(*form, "LabelSorteraSparaBesked").isEmpty());
        QVERIFY(Knapp(*form, "BitBtnSorteraSpara")->isVisible());
        QCOMPARE(Texter(*form), (std::vector<std::string>{"a", "b"}));
    }

    void anEmptyLedgerShowsTheHeadingAndSavesTheName() {
        auto form = OppnaPanel({});
        Knapp(*form, "BitBtnSorteraDatum")->click();
        QCOMPARE(Lista(*form),
                 QStringList{QStringLiteral("Vernr Datum   Belopp Debet Kredit   Kod")});
        Knapp(*form, "BitBtnSorteraSpara")->click();
        QCOMPARE(Fil("bok.red"), QByteArray("Bok 2012\r\n"));
    }
};

QTEST_MAIN(SorteringspanelTest)
#include "test_sortering_panel.moc"
