#pragma once
// Small builders for the work panels' controls, shared by every panel: each
// control gets its objectName and a size that shows its whole text, and a box
// can run a handler when the user leaves it. A control that stands out (a bold
// caption, a smaller button, a yellow balance) takes its inherited font and
// palette and changes only what it needs, so it follows the desktop's font.
// Also the one rule for focus that moves between controls, which every enter
// and exit handler follows, the enter and exit handlers themselves, and Enter
// as Tab for the whole window.

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class Avkortadetikett;
class QEvent;
class QFont;
class QObject;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace kontroller {

QLabel *Etikett(QWidget *parent, const char *namn, const QString &text);
QLabel *Etikett(QWidget *parent, const QString &namn, const QString &text);
// A label that wraps its text over as many lines as its width needs.
QLabel *Radbrytande(QWidget *parent, const char *namn, const QString &text = {});
QLabel *Radbrytande(QWidget *parent, const QString &namn, const QString &text);
// A one-line label that shortens a text too long for its column with an
// ellipsis, whole in its tooltip (see Avkortadetikett.h).
Avkortadetikett *Avkortad(QWidget *parent, const QString &namn, const QString &text = {});
QLineEdit *Ruta(QWidget *parent, const char *namn);
QPushButton *Knapp(QWidget *parent, const char *namn, const QString &text);
QListWidget *Lista(QWidget *parent, const char *namn);

// A read-only instruction text, tall and wide enough for all its lines.
QPlainTextEdit *Memo(QWidget *parent, const char *namn, const QStringList &rader);

// What a control's font adds to the one it inherits; combine with |.
enum Stil : unsigned { Vanlig = 0u, Fet = 1u, Kursiv = 2u, Understruken = 4u };

// The font with the styles added and, unless `skala` is 1, its point size
// times `skala`. Only what is asked for is set: a pixel-sized font keeps its
// size at scale 1, and a style not asked for keeps what the font had.
QFont Typsnitt(QFont font, unsigned stil, qreal skala = 1.0);

// Gives the control its own font changed as Typsnitt does.
void SattTypsnitt(QWidget *kontroll, unsigned stil, qreal skala = 1.0);

// SattTypsnitt for a control just built; returns the control.
template <typename Kontroll>
Kontroll *Stilsatt(Kontroll *kontroll, unsigned stil, qreal skala = 1.0) {
    SattTypsnitt(kontroll, stil, skala);
    return kontroll;
}

// Colours the control's text and, where `bakgrund` is valid, fills its
// background with that colour.
void Farga(QWidget *kontroll, const QColor &text, const QColor &bakgrund = QColor());

// "Courier New" where it exists, otherwise the system's fixed-pitch font, so
// that padded columns line up.
QFont Fastbredd();

// The report panels' font: Verdana at a size in pixels.
QFont Verdana(int pixlar);

// Whether a focus event (FocusIn or FocusOut) is focus moving between controls:
// Tab, Backtab, the mouse, or the program moving it. A message box or another
// window that takes the focus for a while and gives it back is not; enter and
// exit handlers react only to this. False for every other event.
bool FlyttarMellanKontroller(const QEvent *handelse);

// Runs `handling` when the focus moves from `ruta` to another control (Tab,
// Backtab, the mouse, or the program moving it), not when a message box or
// another window takes it for a while.
void VidLamna(QWidget *ruta, std::function<void()> handling);

// Runs `handling` when the focus moves into `ruta` from another control, not
// when a message box or another window gives it back.
void VidInga(QWidget *ruta, std::function<void()> handling);

// The control keeps Page Up and Page Down while it has the focus, before any
// shortcut of the window on those keys.
void BehallSidtangenter(QWidget *kontroll);

// Enter as Tab in `fonster`: Enter (or the keypad's Enter) in a control of the
// window moves the focus to the next control, with the cursor of a box it lands
// in after the box's selected text. A control marked with SattEgenEnter keeps
// its Enter, and menus and dialogs keep theirs. On Ctrl+Enter `ctrlEnter` is
// asked first with the focused control; when it returns true the key was its.
// The returned filter belongs to the window; deleting it ends Enter as Tab.
QObject *EnterSomTab(QWidget *fonster, std::function<bool(QWidget *)> ctrlEnter = {});

// Marks a control whose Enter is its own key (a box where Enter runs the
// panel's command) rather than a step to the next control; EgenEnter tells.
void SattEgenEnter(QWidget *kontroll);
bool EgenEnter(const QWidget *kontroll);

// Reserves the height of `rader` lines of the label's font (word-wrapped
// labels keep that height), so a message appearing moves nothing.
void ReserveraRader(QLabel *etikett, int rader);

// The widget keeps its room in the layout while it is hidden, so the controls
// around a message or a button stay where they are while it comes and goes.
void BehallPlats(QWidget *kontroll);

// Fills the list with the lines, replacing what it held.
void FyllLista(QListWidget *lista, const std::vector<std::string> &rader);

} // namespace kontroller
