#include "ui/Skrivbord.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

QString KorDialog(QWidget *agare, const QString &forval, const QString &mapp,
                  QFileDialog::AcceptMode lage) {
    QFileDialog dialog(agare);
    dialog.setAcceptMode(lage);
    dialog.setFileMode(lage == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDirectory(mapp.isEmpty() ? QDir::currentPath() : mapp);
    const QString andelse = forval.startsWith(QStringLiteral("*.")) ? forval.mid(2) : QString();
    if (!andelse.isEmpty())
        dialog.setNameFilters({QStringLiteral("%1 (%2)").arg(andelse.toUpper(), forval),
                               QFileDialog::tr("Alla filer (*)")});
    dialog.selectFile(forval);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtSkrivbord::Meddelande(QWidget *agare, const QString &text) {
    QMessageBox ruta(QMessageBox::NoIcon, QStringLiteral("Tovana"), text, QMessageBox::Ok, agare);
    ruta.exec();
}

bool QtSkrivbord::Fraga(QWidget *agare, const QString &text) {
    QMessageBox ruta(QMessageBox::Question, QStringLiteral("Tovana"), text,
                     QMessageBox::Yes | QMessageBox::No, agare);
    ruta.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    ruta.button(QMessageBox::No)->setText(QStringLiteral("Nej"));
    ruta.setDefaultButton(QMessageBox::No);
    return ruta.exec() == QMessageBox::Yes;
}

Skrivbord::Svar QtSkrivbord::FragaMedAvbryt(QWidget *agare, const QString &text) {
    QMessageBox ruta(QMessageBox::Question, QStringLiteral("Tovana"), text,
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, agare);
    ruta.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    ruta.button(QMessageBox::No)->setText(QStringLiteral("Nej"));
    ruta.button(QMessageBox::Cancel)->setText(QStringLiteral("Avbryt"));
    ruta.setDefaultButton(QMessageBox::Yes);
    ruta.setEscapeButton(QMessageBox::Cancel);
    switch (ruta.exec()) {
    case QMessageBox::Yes:
        return Svar::Ja;
    case QMessageBox::No:
        return Svar::Nej;
    default:
        return Svar::Avbryt;
    }
}

QString QtSkrivbord::OppnaFil(QWidget *agare, const QString &forval, const QString &mapp) {
    return KorDialog(agare, forval, mapp, QFileDialog::AcceptOpen);
}

QString QtSkrivbord::SparaFil(QWidget *agare, const QString &forval, const QString &mapp) {
    return KorDialog(agare, forval, mapp, QFileDialog::AcceptSave);
}

void QtSkrivbord::OppnaDokument(const QString &sokvag) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(sokvag).absoluteFilePath()));
}
