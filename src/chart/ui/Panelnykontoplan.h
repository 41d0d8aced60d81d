#pragma once
// The panel that starts a new chart: its internal name, and the button that
// writes the new, empty chart to a file of the user's choosing and goes on to
// the panel for adding accounts.

#include "ui/Arbetspanel.h"

class Panelnyakonton;
class QLineEdit;
class Huvudfonster;

class Panelnykontoplan final : public Arbetspanel {
    Q_OBJECT
public:
    Panelnykontoplan(Huvudfonster &form, Panelnyakonton &nyakonton);

    // "Skapa ny kontoplan": asks first when the chart in memory has accounts.
    void Skapany1Click();
    // "Spara den nya kontoplanen".
    void BitBtnnykplanClick();

private:
    Huvudfonster &form_;
    Panelnyakonton &nyakonton_;
    QLineEdit *Editnykplannamn_ = nullptr;
};
