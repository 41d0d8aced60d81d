// The check panels: the numbers the chart lacks, the accounts no post uses,
// removing them with a double-click and saving the reduced chart.

#include "core/Behandlingslogg.h"
#include "core/Kontoplanfil.h"
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
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class KontrollpanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;
    Testskrivbord *desktop_ = nullptr;

    // A window with the chart in memory and on file and the posts in memory.
    std::unique_ptr<TForm1> Fonster(const std::vector<tovana::TKonto> &konton,
                                    const std::vector<tovana::TPost> &poster) {
        auto desktop = std::make_unique<Testskrivbord>();
        desktop_ = desktop.get();
        auto form = std::make_unique<TForm1>(std::move(desktop));
        form->show();
        QApplication::setActiveWindow(form.get());
        auto &data = form->Data();
        data.Kontoplannamn = "Plan";
        data.Kontoplanfil = "plan.kpl";
        data.KontoplanInlast = true;
        for (const auto &konto : konton)
            data.Kontoplats(++data.Kontoantal) = konto;
        for (const auto &post : poster)
            data.Postplats(++data.Postantal) = post;
        data.RedovisningInlast = true;
        tovana::SkrivKontoplan(data, data.Kontoplanfil);
        form->AktiveraKontoplansgrupp();
        form->AktiveraRedovisningsgrupp();
        return form;
    }

    static tovana::TPost Post(int32_t vernr, int32_t debet, int32_t kredit, int32_t kod = 0) {
        return tovana::TPost{vernr, "0101", debet, kredit, kod, 100, "text"};
    }

    const std::vector<tovana::TKonto> kPlan = {{1, 1930, "Företagskonto"},
                                               {3, 3010, "Försäljning"},
                                               {6, 5010, "Lokalhyra"},
                                               {8, 10, "Projekt Norr"}};

    static QListWidget *Lista(TForm1 &form, const char *namn) {
        return form.findChild<QListWidget *>(QString::fromUtf8(namn));
    }

    static QStringList Rader(TForm1 &form, const char *namn) {
        QStringList rader;
        auto *lista = Lista(form, namn);
        for (int i = 0; i < lista->count(); ++i)
            rader << lista->item(i)->text();
        return rader;
    }

    static QLabel *Etikett(TForm1 &form, const char *namn) {
        return form.findChild<QLabel *>(QString::fromUtf8(namn));
    }

    static QPushButton *Spara(TForm1 &form) {
        return form.findChild<QPushButton *>(QStringLiteral("BitBtnOanvSpara"));
    }

    // Double-clicks the line as the user would.
    static void Dubbelklicka(TForm1 &form, int rad) {
        auto *lista = Lista(form, "ListBoxOanv");
        const QPoint punkt = lista->visualItemRect(lista->item(rad)).center();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, punkt);
    }

    static QByteArray Fil(const QString &namn) {
        QFile fil(namn);
        if (!fil.open(QIODevice::ReadOnly))
            return "(saknas)";
        return fil.readAll();
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void init() { QFile::remove(QStringLiteral("plan.kpl")); }

    void checkShowsItsTextsAndTheMissingNumbers() {
        auto form = Fonster(kPlan, {Post(17, 1234, 1235), Post(18, 1930, 0, 5010)});
        form->Menyval("KollKplan")->trigger();
        QVERIFY(form->Panel("PanelKollaRed")->isVisible());
        QVERIFY(!form->Panel("Paneloanvandakonton")->isVisible());
        QCOMPARE(Etikett(*form, "LabelKollRubrik")->text(),
                 QStringLiteral("Rutin för att kontrollera att alla konton som används i "
                                "redovisningen finns i kontoplanen"));
        QCOMPARE(Etikett(*form, "LabelKollBeskrivning3")->text(),
                 QStringLiteral(" finns i den aktuella kontoplanen. i rutan här nedan visas ev. "
                                "kontonummer"));
        QCOMPARE(Etikett(*form, "LabelKollBeskrivning5")->text(),
                 QStringLiteral("Många rapporter blir felaktiga om du inte kompletterar "
                                "kontoplanen med följande konton:"));
        // The one-sided post leaves its verification open, and the list says so.
        const QStringList obalanserad = {"", "Verifikationer som inte balanserar:",
                                         "Verifikation 18 balanserar inte: debetsaldo 100,00"};
        QCOMPARE(Rader(*form, "ListBoxKoll"), QStringList({"1234 debiterat i verifikation 17",
                                                           "1235 krediterat i verifikation 17"}) +
                                                  obalanserad);

        // Chosen again after the chart is completed, the list is built afresh.
        auto &data = form->Data();
        data.Kontoplats(++data.Kontoantal) = {1, 1234, "A"};
        data.Kontoplats(++data.Kontoantal) = {2, 1235, "B"};
        form->Menyval("KollKplan")->trigger();
        QCOMPARE(Rader(*form, "ListBoxKoll"),
                 QStringList({"Alla kontonummer och koder finns i kontoplanen."}) + obalanserad);
    }

    void checkListsTheNumberSeriesAndPostsRegisteredInAClosedPeriod() {
        const tovana::TPost sen{3, "20260310", 1930, 3010, 0, 100, "text"};
        auto form = Fonster(kPlan, {Post(1, 1930, 3010), sen, Post(1, 1930, 3010)});
        auto &data = form->Data();
        data.Redovisningsfil = "bok.red";
        data.StangdTom = tovana::Datum{2026, 3, 31};
        QFile::remove(QStringLiteral("bok.red.logg"));
        tovana::SkrivLoggpost(
            "bok.red.logg",
            {"2026-04-01 08:00:00", "bo@datorn", "Stängd t.o.m. 2026-03-31", {}, {}});
        tovana::SkrivLoggpost(
            "bok.red.logg",
            {"2026-04-02 08:00:00", "bo@datorn", "Ny post", {}, {tovana::Postrad(sen)}});
        form->Menyval("KollKplan")->trigger();
        QCOMPARE(Rader(*form, "ListBoxKoll"),
                 (QStringList{"Alla kontonummer och koder finns i kontoplanen.", "",
                              "Verifikationsnummer saknas: 2",
                              "Verifikationsnummer förekommer i flera verifikationer: 1", "",
                              "Poster i stängd period som registrerades efter att perioden "
                              "stängts:",
                              "Verifikation 3 (20260310) registrerades 2026-04-02 08:00:00 av "
                              "bo@datorn, då perioden var stängd t.o.m. 2026-03-31."}));
    }

    void unusedListOpensWithoutSaveButtonOrSaveMessage() {
        auto form = Fonster(kPlan, {Post(1, 1930, 0, 10)});
        form->Menyval("Oanv")->trigger();
        QVERIFY(form->Panel("Paneloanvandakonton")->isVisible());
        QCOMPARE(Etikett(*form, "Labeloanvrubrik")->text(),
                 QStringLiteral("Följande konton/koder finns i kontoplanen men används inte i "
                                "redovisningen"));
        QCOMPARE(Etikett(*form, "LabelOanvRubrik2")->text(),
                 QStringLiteral("Dubbelklicka på ett konto om du vill radera kontot/koden från "
                                "kontoplanen"));
        QCOMPARE(Rader(*form, "ListBoxOanv"),
                 QStringList({"3 3010 Försäljning", "6 5010 Lokalhyra"}));
        QVERIFY(!Spara(*form)->isVisible());
        QVERIFY(!Etikett(*form, "LabelOanvSpara")->isVisible());
        QCOMPARE(Etikett(*form, "Labelraderabesked")->text(), QString());
    }

    void emptyChartGivesAnEmptyList() {
        auto form = Fonster({}, {Post(1, 1930, 3010)});
        form->Menyval("Oanv")->trigger();
        QVERIFY(Rader(*form, "ListBoxOanv").isEmpty());
        QVERIFY(desktop_->meddelanden.isEmpty());
    }

    void doubleClickRemovesInMemoryAndSaveWritesTheChart() {
        auto form = Fonster(kPlan, {Post(1, 1930, 0)});
        const QByteArray fore = Fil("plan.kpl");
        form->Menyval("Oanv")->trigger();
        Dubbelklicka(*form, 0);
        QCOMPARE(Etikett(*form, "Labelraderabesked")->text(),
                 QStringLiteral("Kontot 3010 Försäljning har raderats!"));
        QCOMPARE(Rader(*form, "ListBoxOanv"),
                 QStringList({"6 5010 Lokalhyra", "8 10 Projekt Norr"}));
        QVERIFY(Spara(*form)->isVisible());
        // The second removal acts on the line chosen, though every slot behind
        // the first removal has moved.
        Dubbelklicka(*form, 1);
        QCOMPARE(Etikett(*form, "Labelraderabesked")->text(),
                 QStringLiteral("Kontot 10 Projekt Norr har raderats!"));
        QCOMPARE(Rader(*form, "ListBoxOanv"), QStringList({"6 5010 Lokalhyra"}));
        QCOMPARE(Fil("plan.kpl"), fore);

        Spara(*form)->click();
        QCOMPARE(Fil("plan.kpl"),
                 QByteArray("Plan\r\n1;1930;F\xF6retagskonto\r\n6;5010;Lokalhyra\r\n"));
        QVERIFY(!Spara(*form)->isVisible());
        QCOMPARE(Etikett(*form, "LabelOanvSpara")->text(),
                 QStringLiteral("Den ändrade kontoplanen har sparats på disk."));
        QVERIFY(Etikett(*form, "LabelOanvSpara")->isVisible());
        QVERIFY(desktop_->meddelanden.isEmpty());

        // Reopened, the panel hides the save message.
        form->Menyval("Oanv")->trigger();
        QVERIFY(!Etikett(*form, "LabelOanvSpara")->isVisible());
    }

    // Double-clicking the first of two accounts with one number removed the last one.
    void doubleClickRemovesTheChosenOfTwoAccountsWithOneNumber() {
        auto form = Fonster({{1, 1510, "Kundfordringar"}, {1, 1930, "Bank"}, {8, 1510, "Kod A"}},
                            {Post(1, 1930, 0)});
        form->Menyval("Oanv")->trigger();
        Dubbelklicka(*form, 0);
        QCOMPARE(Etikett(*form, "Labelraderabesked")->text(),
                 QStringLiteral("Kontot 1510 Kundfordringar har raderats!"));
        QCOMPARE(Rader(*form, "ListBoxOanv"), QStringList({"8 1510 Kod A"}));
        QCOMPARE(form->Data().Konton[1].namn, std::string("Bank"));
    }

    void doubleClickWithNoLineChosenDoesNothing() {
        auto form = Fonster(kPlan, {});
        form->Menyval("Oanv")->trigger();
        auto *lista = Lista(*form, "ListBoxOanv");
        lista->setCurrentRow(-1);
        emit lista->itemDoubleClicked(nullptr);
        QCOMPARE(form->Data().Kontoantal, 4);
        QVERIFY(!Spara(*form)->isVisible());
        QCOMPARE(Etikett(*form, "Labelraderabesked")->text(), QString());
        QVERIFY(desktop_->meddelanden.isEmpty());
    }

    // A save that could not write the file was reported as saved.
    void failedSaveIsReportedAndKeepsTheRemovals() {
        auto form = Fonster(kPlan, {Post(1, 1930, 3010)});
        form->Data().Kontoplanfil = "saknas/plan.kpl";
        form->Menyval("Oanv")->trigger();
        Dubbelklicka(*form, 0);
        Spara(*form)->click();
        QCOMPARE(desktop_->meddelanden.size(), 1);
        QVERIFY(Spara(*form)->isVisible());
        QVERIFY(!Etikett(*form, "LabelOanvSpara")->isVisible());
        QCOMPARE(form->Data().Kontoantal, 3);

        // The removals are still there to save once the file can be written.
        form->Data().Kontoplanfil = "plan.kpl";
        Spara(*form)->click();
        QCOMPARE(Fil("plan.kpl"),
                 QByteArray("Plan\r\n1;1930;F\xF6retagskonto\r\n3;3010;F\xF6rs\xE4ljning\r\n"
                            "8;10;Projekt Norr\r\n"));
        QVERIFY(Etikett(*form, "LabelOanvSpara")->isVisible());
    }
};

QTEST_MAIN(KontrollpanelTest)
#include "test_kontroll_panel.moc"
