// Qt's own texts in Swedish: the standard buttons of message boxes and the
// labels and buttons of the file dialog, once Qt's Swedish translation is
// installed as at start-up. Skipped where the translation is not installed.

#include "shell/Svenska.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class SvenskaTest : public QObject {
    Q_OBJECT

private slots:
    // Qt's file dialogs and message boxes showed "Look in", "Cancel", "Yes" in English.
    void initTestCase() {
        if (!InstalleraSvenskaQtTexter(*qApp))
            QSKIP("Qt's Swedish translation (qt_sv.qm, package qt6-translations-l10n) is not "
                  "installed");
    }

    void theStandardButtonTextsAreSwedish_data() {
        QTest::addColumn<QString>("kalla");
        QTest::addColumn<QString>("svenska");
        QTest::newRow("Cancel") << "Cancel"
                                << "Avbryt";
        QTest::newRow("Yes") << "&Yes"
                             << "&Ja";
        QTest::newRow("No") << "&No"
                            << "&Nej";
        QTest::newRow("Open") << "Open"
                              << "Öppna";
        QTest::newRow("Save") << "Save"
                              << "Spara";
        QTest::newRow("Close") << "Close"
                               << "Stäng";
    }
    void theStandardButtonTextsAreSwedish() {
        QFETCH(QString, kalla);
        QFETCH(QString, svenska);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", kalla.toUtf8().constData()),
                 svenska);
    }

    void aMessageBoxAsksJaOrNej() {
        QMessageBox ruta(QMessageBox::Question, QStringLiteral("Tovana"), QStringLiteral("?"),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(ruta.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
        QCOMPARE(ruta.button(QMessageBox::No)->text(), QStringLiteral("&Nej"));
        QCOMPARE(ruta.button(QMessageBox::Cancel)->text(), QStringLiteral("Avbryt"));
    }

    void theFileDialogsLabelsAndButtonsAreSwedish() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.show();
        QCOMPARE(dialog.findChild<QLabel *>("lookInLabel")->text(), QStringLiteral("Leta i:"));
        QCOMPARE(dialog.findChild<QLabel *>("fileNameLabel")->text(), QStringLiteral("Fil&namn:"));
        QCOMPARE(dialog.findChild<QLabel *>("fileTypeLabel")->text(),
                 QStringLiteral("Filer av typen:"));
        auto *knappar = dialog.findChild<QDialogButtonBox *>("buttonBox");
        QCOMPARE(knappar->button(QDialogButtonBox::Open)->text(), QStringLiteral("&Öppna"));
        QCOMPARE(knappar->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Avbryt"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(knappar->button(QDialogButtonBox::Save)->text(), QStringLiteral("&Spara"));
    }
};

QTEST_MAIN(SvenskaTest)
#include "test_svenska.moc"
