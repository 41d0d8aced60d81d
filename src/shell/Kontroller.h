#pragma once
// Small builders for the work panels' controls, shared by every panel: each
// control gets its objectName and a size that shows its whole text, and a box
// can run a handler when the user leaves it. Also the one rule for focus that
// moves between controls, which every enter and exit handler follows.

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QEvent;
class QFont;
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
QLineEdit *Ruta(QWidget *parent, const char *namn);
QPushButton *Knapp(QWidget *parent, const char *namn, const QString &text);
QListWidget *Lista(QWidget *parent, const char *namn);

// A read-only instruction text, tall and wide enough for all its lines.
QPlainTextEdit *Memo(QWidget *parent, const char *namn, const QStringList &rader);

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

// Fills the list with the lines, replacing what it held.
void FyllLista(QListWidget *lista, const std::vector<std::string> &rader);

} // namespace kontroller
