#pragma once
// Qt's own texts in Swedish: the labels and buttons that Qt itself puts in the
// file dialogs and message boxes ("Leta i:", "Filnamn:", "Öppna", "Avbryt",
// "Ja", "Nej") come from Qt's Swedish translation, installed at start-up before
// the window is built. The program's own texts are Swedish as written.

class QApplication;

// Loads Qt's Swedish translation from Qt's translations folder (qt_sv.qm, and
// qtbase_sv.qm where the installation has one) and installs it in `app`.
// Returns false, and installs nothing, when no Swedish file can be loaded (the
// package qt6-translations-l10n is missing): Qt's texts then stay English.
bool InstalleraSvenskaQtTexter(QApplication &app);
