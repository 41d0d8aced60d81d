#pragma once
// The program's one seam to the desktop: message boxes, questions, the open and
// save file dialogs and opening a document in the desktop's default program.
// The window uses QtSkrivbord; tests put their own in its place.

#include <QString>

class QWidget;

class Skrivbord {
public:
    virtual ~Skrivbord() = default;

    // A modal message box with one text and an OK button.
    virtual void Meddelande(QWidget *agare, const QString &text) = 0;

    // A modal Yes/No question; true for Yes.
    virtual bool Fraga(QWidget *agare, const QString &text) = 0;

    // A modal question with "Ja", "Nej" and "Avbryt"; closing the box is Avbryt.
    enum class Svar { Ja, Nej, Avbryt };
    virtual Svar FragaMedAvbryt(QWidget *agare, const QString &text) = 0;

    // The open and save dialogs, their file-name field preset to `forval`
    // ("*.kpl", "*.red", "*.ftg"), starting in the folder `mapp` (the current
    // folder when empty). An empty path means the user cancelled.
    virtual QString OppnaFil(QWidget *agare, const QString &forval, const QString &mapp) = 0;
    virtual QString SparaFil(QWidget *agare, const QString &forval, const QString &mapp) = 0;

    // Asks the desktop to open the file in its default program; the result is
    // not examined.
    virtual void OppnaDokument(const QString &sokvag) = 0;
};

// The real desktop: QMessageBox, QFileDialog and QDesktopServices.
class QtSkrivbord final : public Skrivbord {
public:
    void Meddelande(QWidget *agare, const QString &text) override;
    bool Fraga(QWidget *agare, const QString &text) override;
    Svar FragaMedAvbryt(QWidget *agare, const QString &text) override;
    QString OppnaFil(QWidget *agare, const QString &forval, const QString &mapp) override;
    QString SparaFil(QWidget *agare, const QString &forval, const QString &mapp) override;
    void OppnaDokument(const QString &sokvag) override;
};
