#pragma once
// "SIE 4-fil": the year's chart, balances and verifications written as an SIE
// type 4 file for an accountant or another program, and an SIE file read into
// a new chart and ledger that then open as the current ones. The year's first
// and last day (ÅÅÅÅMMDD) stand in two boxes; what stops an export or an import
// is listed line by line, and one line below says what was done.

#include "ui/Arbetspanel.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Huvudfonster;
namespace tovana {
struct Postformular;
}

class PanelSIE final : public Arbetspanel {
    Q_OBJECT
public:
    // `formular` is the entry form, started anew when an import opens a ledger.
    PanelSIE(Huvudfonster &form, tovana::Postformular &formular);

    // "Exportera SIE 4-fil": the panel with the ledger's financial year in the boxes.
    void ExporteraSIEClick();
    // "Importera SIE 4-fil": the panel, ready for the import button.
    void ImporteraSIEClick();
    // Checks the year and the ledger, asks for the file and writes it.
    void BitBtnSIEexportClick();
    // Asks for the SIE file, the new chart's file and the new ledger's file,
    // then writes and opens the new chart and ledger.
    void BitBtnSIEimportClick();

private:
    void Rensa();
    // The year boxes and the export button, usable only while a ledger is open.
    void AktiveraExport(bool aktiv);
    void Besked(const std::string &text);

    Huvudfonster &form_;
    tovana::Postformular &formular_;
    QLineEdit *EditSIEfran_ = nullptr;
    QLineEdit *EditSIEtill_ = nullptr;
    QPushButton *BitBtnSIEexport_ = nullptr;
    QPushButton *BitBtnSIEimport_ = nullptr;
    QLabel *LabelSIEbesked_ = nullptr;
    QListWidget *ListBoxSIE_ = nullptr;
};

// Builds the panel, registers it with the window and wires "Exportera SIE 4-fil" and "Importera SIE
// 4-fil".
PanelSIE *ByggSIEpanel(Huvudfonster &form, tovana::Postformular &formular);
