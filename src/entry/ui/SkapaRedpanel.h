#pragma once
// The panel PanelSkapaRed: the internal name of a new ledger and the button that
// writes its file and goes on to the entry panel.

#include "ui/Arbetspanel.h"

class QLineEdit;
class QPushButton;
class Redovisapanel;
class Huvudfonster;

class SkapaRedpanel final : public Arbetspanel {
    Q_OBJECT
public:
    SkapaRedpanel(Huvudfonster &form, Redovisapanel &redovisa);

    // "Skapa en ny redovisning".
    void Skapaennyredovisning2Click();
    // "Spara den nya redovisningen".
    void BitBtnSparaNyRedClick();

private:
    Huvudfonster &form_;
    Redovisapanel &redovisa_;
    QLineEdit *EditAngeRedNamn_ = nullptr;
    QPushButton *BitBtnSparaNyRed_ = nullptr;
};
