#pragma once
// What a work panel may ask of the main window, and nothing more: the books,
// the settings (the colour and the decimal option), the desktop seam, showing
// and registering panels, a menu item and the menu-state rule, the top strip,
// the colour of the panels, the file dialogs, a message, and running a command
// under the window's one error policy. The main window implements it; a panel
// built against it alone can be tested without the window.

#include "core/Bokforingsdata.h"
#include "core/Installningar.h"
#include "core/Menylage.h"

#include <QString>

#include <functional>
#include <utility>

class Arbetspanel;
class QAction;
class QWidget;
class Skrivbord;

class Huvudfonster {
public:
    virtual ~Huvudfonster() = default;

    virtual tovana::Bokforingsdata &Data() = 0;
    virtual tovana::Installningsdata &Installningar() = 0;
    virtual Skrivbord &Desktop() = 0;
    // The window itself: the owner of message boxes and dialogs.
    virtual QWidget &Agare() = 0;

    // Hides every work panel and shows this one.
    virtual void VisaArbetspanel(QWidget *panel) = 0;
    // Adds a work panel to the panel area (called while building).
    virtual void RegistreraArbetspanel(Arbetspanel *panel) = 0;
    // The menu item with this objectName; null when there is none.
    virtual QAction *Menyval(const QString &namn) const = 0;
    // The menu-state rule (tovana::BeraknaMenylage) applied after the event.
    virtual void Menyandring(tovana::Menyhandelse handelse) = 0;

    // The top strip, refreshed from the state.
    virtual void VisaAktuellKontoplan() = 0;
    virtual void VisaAktuellRedovisning() = 0;
    // Gives every work panel the background colour Bakgrundsfarg.
    virtual void FargaArbetspaneler() = 0;

    // The open and save dialogs, preset to a pattern ("*.kpl", "*.red", "*.ftg").
    // An empty path means the user cancelled. A saved file's name gets the
    // pattern's extension when it has none.
    virtual QString ValjOppnafil(const QString &forval) = 0;
    virtual QString ValjSparfil(const QString &forval) = 0;

    // Shows a message box through the desktop seam.
    virtual void Meddelande(const QString &text) = 0;

    // Runs a command; an error abandons it and its message is shown in a box.
    // True when the command ran to its end.
    template <typename Kommando> bool Kor(Kommando &&kommando) {
        return KorKommando(std::function<void()>(std::forward<Kommando>(kommando)));
    }

protected:
    virtual bool KorKommando(const std::function<void()> &kommando) = 0;
};
