// The real desktop seam: Qt's own file dialog and message box, answered the way
// a user would, offscreen.

#include "shell/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Answers the next modal dialog from the event loop, once it is open.
void Besvara(std::function<void(QWidget *)> svar) {
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, svar] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            // Queued: an answer may itself open the next dialog.
            QMetaObject::invokeMethod(
                dialog, [dialog, svar] { svar(dialog); }, Qt::QueuedConnection);
        }
    });
    timer->start(20);
}

// Types the path into the dialog's file-name field, as a user does, and accepts.
void Skriv(QFileDialog *dialog, const QString &sokvag) {
    auto *falt = dialog->findChild<QLineEdit *>();
    falt->selectAll();
    QTest::keyClicks(falt, sokvag);
    QTest::keyClick(falt, Qt::Key_Return);
}

} // namespace

class SkrivbordTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void opensAChartThroughQtsOwnFileDialog() {
        QFile fil(katalog_.filePath(QStringLiteral("liten.kpl")));
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.write("Liten plan\r\n1;1930;F\xf6retagskonto\r\n");
        fil.close();

        TForm1 form;
        form.show();
        QString forval;
        Besvara([&](QWidget *dialog) {
            auto *filer = qobject_cast<QFileDialog *>(dialog);
            QVERIFY(filer);
            forval = filer->findChild<QLineEdit *>()->text();
            Skriv(filer, fil.fileName());
        });
        form.Menyval(QStringLiteral("Oppna1"))->trigger();
        QCOMPARE(forval, QStringLiteral("*.kpl"));
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("LabelAktKplan"))->text(),
                 QStringLiteral("Liten plan"));
        QVERIFY(form.Menyval(QStringLiteral("Visa1"))->isEnabled());
    }

    void showsAFileErrorInAMessageBox() {
        TForm1 form;
        form.show();
        QString visat;
        Besvara([&](QWidget *dialog) {
            auto *filer = qobject_cast<QFileDialog *>(dialog);
            QVERIFY(filer);
            // A chart file with a bad class on its second line.
            QFile fil(katalog_.filePath(QStringLiteral("fel.kpl")));
            QVERIFY(fil.open(QIODevice::WriteOnly));
            fil.write("Plan\r\nx;1930;Kassa\r\n");
            fil.close();
            Besvara([&](QWidget *ruta) {
                auto *meddelande = qobject_cast<QMessageBox *>(ruta);
                QVERIFY(meddelande);
                visat = meddelande->text();
                meddelande->button(QMessageBox::Ok)->click();
            });
            Skriv(filer, fil.fileName());
        });
        form.Menyval(QStringLiteral("Oppna1"))->trigger();
        QTRY_VERIFY(!visat.isEmpty());
        QVERIFY2(visat.startsWith(QStringLiteral("'x' is not a valid integer value\n")),
                 qPrintable(visat));
        QVERIFY2(visat.endsWith(QStringLiteral("fel.kpl, rad 2")), qPrintable(visat));
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("LabelAktKplan"))->text(),
                 QStringLiteral("Det finns ingen kontoplan"));
    }
};

QTEST_MAIN(SkrivbordTest)
#include "test_skrivbord.moc"
