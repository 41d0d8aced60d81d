#pragma once
// The main window: the menu, the top strip naming the current chart and ledger,
// and the nineteen work panels that share one rectangle, of which exactly one is
// shown at a time. The window owns the bookkeeping state, with the write locks of
// its chart and ledger (released when the window goes), and the seam to the
// desktop; each subsystem builds its own panels onto it and wires its menu items.

#include "core/Bokforingsdata.h"
#include "core/Menylage.h"
#include "shell/Skrivbord.h"

#include <QMainWindow>
#include <QStringList>

#include <exception>
#include <memory>
#include <vector>

class Arbetspanel;
class QAction;
class QLabel;
class QMenu;
class QWidget;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The window on the real desktop (Qt's own message boxes and dialogs).
    TForm1();
    // The window with another desktop seam (tests).
    explicit TForm1(std::unique_ptr<Skrivbord> skrivbord);
    ~TForm1() override;

    tovana::Bokforingsdata &Data() { return data_; }
    Skrivbord &Desktop() { return *skrivbord_; }

    // The nineteen work panels, in their order.
    static const QStringList &Arbetspanelnamn();

    // Hides every work panel.
    void Doljpaneler();
    // Hides every work panel and shows this one.
    void VisaArbetspanel(QWidget *panel);

    // Adds a subsystem's work panel to the panel area (called while building).
    void RegistreraArbetspanel(Arbetspanel *panel);
    Arbetspanel *Panel(const QString &namn) const;
    QAction *Menyval(const QString &namn) const;

    // The menu-state rule (tovana::BeraknaMenylage) applied after the event.
    void Menyandring(tovana::Menyhandelse handelse);
    // Enable one group or one item outright.
    void AktiveraKontoplansgrupp();
    void AktiveraRedovisningsgrupp();
    void AktiveraMenyval(const QString &namn);

    // The top strip, refreshed from the state.
    void VisaAktuellKontoplan();
    void VisaAktuellRedovisning();

    // Gives every work panel the background colour Bakgrundsfarg.
    void FargaArbetspaneler();

    // The open and save dialogs, preset to a pattern ("*.kpl", "*.red", "*.ftg").
    // An empty path means the user cancelled. A saved file's name gets the
    // pattern's extension when it has none.
    QString ValjOppnafil(const QString &forval);
    QString ValjSparfil(const QString &forval);

    // Runs a command; an error abandons it and its message is shown in a box.
    template <typename Kommando> bool Kor(Kommando &&kommando) {
        try {
            kommando();
            return true;
        } catch (const std::exception &fel) {
            VisaFel(fel);
            return false;
        }
    }
    void VisaFel(const std::exception &fel);
    // Shows a message box through the desktop seam.
    void Meddelande(const QString &text);

    // Start-up: colour, panels, flags, welcome panel, menu state.
    void FormCreate();
    // "Lämna Tovana": ends the program at once, saving nothing.
    void lamnaTovanaClick();

protected:
    bool eventFilter(QObject *objekt, QEvent *handelse) override;

private:
    void ByggFonster();
    void ByggMeny();
    void ByggToppremsa(QWidget *yta);
    void ByggManualmeny(QMenu *meny);
    // Enter moves the focus like Tab; true when the key was consumed.
    bool FormKeyPress(QWidget *mottagare, int tangent);

    tovana::Bokforingsdata data_;
    std::unique_ptr<Skrivbord> skrivbord_;
    QWidget *panelyta_ = nullptr;
    std::vector<Arbetspanel *> paneler_;
    QLabel *LabelAktKplan_ = nullptr;
    QLabel *LabelKplanFilnamn_ = nullptr;
    QLabel *LabelAktRed_ = nullptr;
    QLabel *LabelRedFilnamn_ = nullptr;
};
