#pragma once
// The main window: the menu, the top strip naming the current chart and ledger,
// and the nineteen work panels that share one rectangle, of which exactly one is
// shown at a time. The window owns the books, with the write locks of its chart
// and ledger (released when the window goes), the settings, and the seam to the
// desktop. The panels see it only as a Huvudfonster; each subsystem's builder makes
// its panels against that and wires their menu items, and this window is the
// one place that calls the builders and links the panels that need each other.

#include "core/Bokforingsdata.h"
#include "core/Menylage.h"
#include "ui/Huvudfonster.h"
#include "ui/Skrivbord.h"

#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class Arbetspanel;
class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QWidget;
class PanelOppnaKplan;
class QCloseEvent;
class Redovisapanel;

class TForm1 : public QMainWindow, public Huvudfonster {
    Q_OBJECT
public:
    // The window on the real desktop (Qt's own message boxes and dialogs).
    TForm1();
    // The window with another desktop seam (tests).
    explicit TForm1(std::unique_ptr<Skrivbord> skrivbord);
    ~TForm1() override;

    tovana::Bokforingsdata &Data() override { return data_; }
    tovana::Installningsdata &Installningar() override { return installningar_; }
    Skrivbord &Desktop() override { return *skrivbord_; }
    QWidget &Agare() override { return *this; }

    // The window's drawn place and size, the panel area's size within it (the
    // panels are laid out for that), and the least size a small screen may give.
    static constexpr QRect kRitadPlats{198, 125, 1048, 780};
    static constexpr QSize kPanelytansStorlek{1038, 712};
    static constexpr QSize kMinstaStorlek{640, 400};

    // Fits the window into a screen's free area (its available geometry, less
    // the title bar's `ramhojd` above the window): the drawn size where there is
    // room, else the free width and height, moved to lie inside. A window cut
    // in one direction is made a scroll bar larger in the other where there is
    // room, so only the cut direction scrolls. The program
    // calls it at start with the screen it opens on.
    void PassaIn(const QRect &tillganglig, int ramhojd = 30);

    // The nineteen work panels, in their order.
    static const QStringList &Arbetspanelnamn();

    // Hides every work panel.
    void Doljpaneler();
    // Hides every work panel and shows this one.
    void VisaArbetspanel(QWidget *panel) override;

    // Adds a subsystem's work panel to the panel area (called while building).
    void RegistreraArbetspanel(Arbetspanel *panel) override;
    Arbetspanel *Panel(const QString &namn) const;
    QAction *Menyval(const QString &namn) const override;

    // The menu-state rule (tovana::BeraknaMenylage) applied after the event.
    void Menyandring(tovana::Menyhandelse handelse) override;
    // Enable one group or one item outright.
    void AktiveraKontoplansgrupp();
    void AktiveraRedovisningsgrupp();
    void AktiveraMenyval(const QString &namn);

    // The top strip, refreshed from the state.
    void VisaAktuellKontoplan() override;
    void VisaAktuellRedovisning() override;

    // Gives every work panel the background colour Bakgrundsfarg.
    void FargaArbetspaneler() override;

    // The open and save dialogs, preset to a pattern ("*.kpl", "*.red", "*.ftg").
    // An empty path means the user cancelled. A saved file's name gets the
    // pattern's extension when it has none.
    QString ValjOppnafil(const QString &forval) override;
    QString ValjSparfil(const QString &forval) override;

    // An error's message shown in a box: the error policy of Kor.
    void VisaFel(const std::exception &fel);
    // Shows a message box through the desktop seam.
    void Meddelande(const QString &text) override;

    // Start-up: colour, panels, flags, welcome panel, menu state.
    void FormCreate();
    // "Lämna Tovana": ends the program, once an unsaved chart has been offered
    // for saving (ErbjudSparaKontoplan); "Avbryt" keeps it running.
    void lamnaTovanaClick();
    // Opens a company (.ftg), chart (.kpl) or ledger (.red) file, by its
    // extension, through the same commands as the menu's open items with the
    // file already chosen; any other file is refused with a message.
    void OppnaFil(const QString &sokvag);
    // At the program's end, once the event loop is done: the post tables are
    // left to the system (tovana::LamnaPosternaTillSystemet); everything else
    // goes with the window as usual. The window shows no ledger after.
    void LamnaPosternaTillSystemet();

    // The folders the Manual menu searches, in order; Manualkataloger() unless
    // a test puts others in their place.
    void SattManualkataloger(const QStringList &kataloger) { manualkataloger_ = kataloger; }
    // Opens the manual page in the first folder that holds it, or tells which
    // folders were searched when none does.
    void OppnaManualsida(const QString &fil);

protected:
    // Closing the window offers an unsaved chart for saving; "Avbryt", a
    // cancelled save dialog or a failed save keep the window open.
    void closeEvent(QCloseEvent *handelse) override;
    // Runs the command; an error abandons it and VisaFel shows its message.
    bool KorKommando(const std::function<void()> &kommando) override;

private:
    void ByggFonster();
    void ByggMeny();
    void ByggToppremsa(QWidget *yta);
    void ByggManualmeny(QMenu *meny);

    tovana::Bokforingsdata data_;
    tovana::Installningsdata installningar_;
    std::unique_ptr<Skrivbord> skrivbord_;
    QScrollArea *panelrullning_ = nullptr;
    QWidget *panelyta_ = nullptr;
    std::vector<Arbetspanel *> paneler_;
    std::map<QString, QAction *> menyval_;
    QStringList manualkataloger_;
    Redovisapanel *redovisa_ = nullptr;
    // Enter as Tab, with Ctrl+Enter in an entry box saving the post.
    QObject *entertabb_ = nullptr;
    PanelOppnaKplan *oppnaKplan_ = nullptr;
    QLabel *LabelAktKplan_ = nullptr;
    QLabel *LabelKplanFilnamn_ = nullptr;
    QLabel *LabelAktRed_ = nullptr;
    QLabel *LabelRedFilnamn_ = nullptr;
};
