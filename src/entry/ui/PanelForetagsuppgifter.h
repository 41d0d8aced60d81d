#pragma once
// "Företagsuppgifter": the company's name, organisation number, financial year
// and VAT period, shown from the books and saved into the company file (the
// one last opened or saved; with none yet, the user names a new one, which
// then names the open chart and ledger). A box that does not pass is named in
// a message and takes the focus, and nothing is saved; one line below tells
// where the details are kept.

#include "ui/Arbetspanel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Huvudfonster;

class PanelForetagsuppgifter final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelForetagsuppgifter(Huvudfonster &form);

    // The menu item: the panel with the remembered details in its boxes.
    void ForetagsuppgifterClick();
    // Checks the boxes and saves the details (asking for a company file when
    // there is none yet).
    void BitBtnForetagsuppgifterSparaClick();

private:
    void VisaBesked();

    Huvudfonster &form_;
    QLineEdit *EditForetagsnamn_ = nullptr;
    QLineEdit *EditOrgnr_ = nullptr;
    QLineEdit *EditArFran_ = nullptr;
    QLineEdit *EditArTill_ = nullptr;
    QComboBox *ComboMomsperiod_ = nullptr;
    QPushButton *BitBtnForetagsuppgifterSpara_ = nullptr;
    QLabel *LabelForetagsuppgifterBesked_ = nullptr;
};

// Builds the panel, registers it with the window and wires "Företagsuppgifter".
PanelForetagsuppgifter *ByggForetagsuppgiftspanel(Huvudfonster &form);
