#pragma once
// A window's skeleton: its widget tree written as text, one widget (or menu
// item) a line, and a bare Qt window built back from that text. The window
// benchmark compares the main window's first paint with the bare window's, so
// the bare one holds the same widgets, as the nearest standard Qt class, at
// the same places, with the same texts, fonts and colours, and nothing else:
// no program logic, no validators, no files, no layouts.
//
// One line, fields separated by tabs (a tab, newline or backslash in a field
// is written \t, \n or \\):
//
//   12	2	QLabel	LabelAktKplan	136,0,354,14	1	text=Det finns ingen kontoplan
//
// that is: the widget's number, its parent's number (-1 for the window), the
// class, the objectName, the geometry within the parent as it is when the
// widget's panel is shown, 1 when the widget is not hidden, and then any
// number of `key=value` fields: the properties that differ from a fresh
// widget of the class (its text, font, tooltip, sizes, ...), `palette=` with
// the colours the program set, `item=` for each row of a list or combo box,
// and `roll=central` or `roll=menubar`. A menu item is a line of class
// QAction under its menu, with no geometry, 1 when enabled and its text.
// Lines starting with # are comments.

#include <QString>

#include <memory>
#include <stdexcept>

class QMainWindow;
class QWidget;

namespace skelett {

// The skeleton of the window as it stands. Each work panel in `paneler` (the
// children of one panel area, of which one is shown) is shown in turn to learn
// its widgets' places, and the shown one is restored at the end. Throws Fel
// for a widget of a class the skeleton cannot name.
QString Skriv(QMainWindow &fonster, const QList<QWidget *> &paneler);

// A bad skeleton (which line, and what is wrong with it), or a window the
// skeleton cannot describe.
class Fel : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds the bare window from a skeleton; throws Fel naming the line of a
// malformed line, an unknown class or a parent that does not come earlier.
std::unique_ptr<QMainWindow> Bygg(const QString &text);

} // namespace skelett
