// The opening-balance panel: filling the boxes, picking last year's ledger,
// listing and saving the posts, and what a bad box, a bad file or a failed
// append leaves behind.

#include "core/Redovisningsfil.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

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

class IBpanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;
    Testskrivbord *desktop_ = nullptr;

    // A window with this year's chart and ledger (one post), the panel open.
    std::unique_ptr<TForm1> OppnaPanel(bool kontoplan = true) {
        auto desktop = std::make_unique<Testskrivbord>();
        desktop_ = desktop.get();
        auto form = std::make_unique<TForm1>(std::move(desktop));
        form->show();
        QApplication::setActiveWindow(form.get());
        auto &data = form->Data();
        if (kontoplan) {
            for (const auto &konto : std::vector<tovana::TKonto>{{1, 1930, "Bank"},
                                                                 {2, 2081, "Eget kapital"},
                                                                 {2, 2099, "Årets resultat"},
                                                                 {5, 3010, "Försäljning"},
                                                                 {6, 5010, "Lokalhyra"}})
                data.Kontoplats(++data.Kontoantal) = konto;
            data.KontoplanInlast = true;
        }
        data.Redovisningsnamn = "Bok 2012";
        data.Redovisningsfil = "bok.red";
        data.RedovisningInlast = true;
        data.Postplats(++data.Postantal) = tovana::TPost{1, "120105", 1930, 3010, 0, 100, "Sålt"};
        tovana::SkrivRedovisning(data, data.Redovisningsfil);
        form->AktiveraRedovisningsgrupp();
        form->Menyval("HamtaIB")->trigger();
        return form;
    }

    static void Fyll(TForm1 &form, const char *namn, const QString &text) {
        auto *ruta = form.findChild<QLineEdit *>(QString::fromUtf8(namn));
        ruta->clear();
        QTest::keyClicks(ruta, text);
    }

    static QStringList Lista(TForm1 &form) {
        QStringList rader;
        auto *lista = form.findChild<QListWidget *>("ListBoxIB");
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

    // Fills the four boxes and picks last year's ledger.
    void HamtaFjolar(TForm1 &form, const QString &vernr = QStringLiteral("1")) {
        Fyll(form, "EditIBvernr", vernr);
        Fyll(form, "EditIBdatum", QStringLiteral("120101"));
        Fyll(form, "EditIBarsvinst", QStringLiteral("2099"));
        desktop_->filval.push_back(QStringLiteral("fjol.red"));
        Knapp(form, "BitBtnfjolar")->click();
    }

    // The columns of the preview, each as wide as its widest entry.
    const QString kRubrik = QStringLiteral("Vernr  Datum      Belopp  Debet  Kredit  Konto");
    const QStringList kPoster = {
        kRubrik, QStringLiteral("    1  120101  50 600,00   1930       0  Bank"),
        QStringLiteral("    1  120101  50 000,00      0    2081  Eget kapital"),
        QStringLiteral("    1  120101     600,00      0    2099  Årets resultat")};

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void init() {
        tovana::SkrivRedovisningsfil(
            "fjol.red", "Bok 2011",
            {tovana::TPost{1, "110101", 1930, 2081, 0, 50000, "Insättning"},
             tovana::TPost{2, "110201", 1930, 3010, 0, 1000, "Försäljning"},
             tovana::TPost{3, "110301", 5010, 1930, 0, 400, "Hyra"}});
    }

    void opensWithItsBoxesAndButtonsDisabled() {
        auto form = OppnaPanel();
        QVERIFY(form->Panel("PanelIB")->isVisible());
        QCOMPARE(Text(*form, "LabelIBRubrik"),
                 QStringLiteral("Rutin för att hämta IB-poster från en tidigare redovisning"));
        QCOMPARE(form->findChild<QLineEdit *>("EditIBkonto")->text(), QStringLiteral("0"));
        QCOMPARE(Knapp(*form, "BitBtnfjolar")->text(),
                 QStringLiteral("Peka ut och öppna fjolårets redovisning"));
        QVERIFY(!Knapp(*form, "BitBtnfjolar")->isEnabled());
        QCOMPARE(Knapp(*form, "BitBtnIBSpara")->text(), QStringLiteral("Spara IB-posterna"));
        QVERIFY(!Knapp(*form, "BitBtnIBSpara")->isEnabled());
        QVERIFY(desktop_->meddelanden.isEmpty());
    }

    void warnsWithoutAChartButStaysOpen() {
        auto form = OppnaPanel(false);
        QCOMPARE(desktop_->meddelanden,
                 QStringList{QStringLiteral("OBS! Denna rutin förutsätter att du öppnat en "
                                            "kontoplan! Måste åtgärdas!")});
        QVERIFY(form->Panel("PanelIB")->isVisible());
    }

    void fileButtonFollowsTheBoxes() {
        auto form = OppnaPanel();
        Fyll(*form, "EditIBvernr", QStringLiteral("1"));
        QVERIFY(!Knapp(*form, "BitBtnfjolar")->isEnabled());
        // The result box alone does not look at the date.
        Fyll(*form, "EditIBarsvinst", QStringLiteral("2099"));
        QVERIFY(Knapp(*form, "BitBtnfjolar")->isEnabled());
    }

    void picksListsAndSaves() {
        auto form = OppnaPanel();
        HamtaFjolar(*form);
        QCOMPARE(desktop_->forval.last(), QStringLiteral("*.red"));
        QCOMPARE(Lista(*form), kPoster);
        QVERIFY(Knapp(*form, "BitBtnIBSpara")->isEnabled());
        QCOMPARE(form->Data().Postantal, 1);

        Knapp(*form, "BitBtnIBSpara")->click();
        QCOMPARE(Text(*form, "LabelIBsparad"),
                 QStringLiteral("IB-posterna är nu infogade i aktuell redovisning."));
        QVERIFY(!Knapp(*form, "BitBtnIBSpara")->isEnabled());
        QCOMPARE(form->Data().Postantal, 4);
        QCOMPARE(Fil("bok.red"), QByteArray("Bok 2012\r\n1;120105;100;1930;3010;0;S\xe5lt\r\n"
                                            "1;120101;50600;1930;0;0;IB-post\r\n"
                                            "1;120101;50000;0;2081;0;IB-post\r\n"
                                            "1;120101;600;0;2099;0;IB-post\r\n"));
        QVERIFY(desktop_->meddelanden.isEmpty());
    }

    void secondRunListsBelowAndOnlyItIsSaved() {
        auto form = OppnaPanel();
        HamtaFjolar(*form);
        HamtaFjolar(*form, QStringLiteral("7"));
        QCOMPARE(Lista(*form).size(), 8);
        QCOMPARE(Lista(*form).mid(0, 4), kPoster);
        QCOMPARE(Lista(*form)[5], QStringLiteral("    7  120101  50 600,00   1930       0  Bank"));
        Knapp(*form, "BitBtnIBSpara")->click();
        QCOMPARE(form->Data().Postantal, 4);
        QCOMPARE(form->Data().Poster[2].vernr, 7);
    }

    void badBoxOrFilePreparesNothing() {
        auto form = OppnaPanel();
        HamtaFjolar(*form, QStringLiteral("x"));
        QCOMPARE(desktop_->meddelanden,
                 QStringList{QStringLiteral("'x' is not a valid integer value")});
        QVERIFY(Lista(*form).isEmpty());
        QVERIFY(!Knapp(*form, "BitBtnIBSpara")->isEnabled());

        HamtaFjolar(*form);
        QFile fil(QStringLiteral("fjol.red"));
        QVERIFY(fil.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fil.write("Bok 2011\r\n1;110101;100;1930;2081;0;a\r\n2;110102;tio;1930;2081;0;b\r\n");
        fil.close();
        HamtaFjolar(*form, QStringLiteral("9"));
        QCOMPARE(desktop_->meddelanden.last(),
                 QStringLiteral("'tio' is not a valid floating point value\nFil: fjol.red, rad 3"));
        QCOMPARE(Lista(*form), kPoster);
        // The save button keeps its state, and it still saves the earlier run.
        Knapp(*form, "BitBtnIBSpara")->click();
        QCOMPARE(form->Data().Poster[2].vernr, 1);
    }

    void failedAppendLeavesLedgerAndButton() {
        auto form = OppnaPanel();
        HamtaFjolar(*form);
        form->Data().Redovisningsfil = "borta.red";
        Knapp(*form, "BitBtnIBSpara")->click();
        QCOMPARE(desktop_->meddelanden.size(), 1);
        QVERIFY(desktop_->meddelanden[0].startsWith(QStringLiteral("Filen finns inte.")));
        QCOMPARE(form->Data().Postantal, 1);
        QVERIFY(Knapp(*form, "BitBtnIBSpara")->isEnabled());
        QVERIFY(Text(*form, "LabelIBsparad").isEmpty());
        QCOMPARE(Fil("borta.red"), QByteArray("(saknas)"));
    }
};

QTEST_MAIN(IBpanelTest)
#include "test_ib_panel.moc"
