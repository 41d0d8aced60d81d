#pragma once
// The panel for editing the chart: the internal name, the account list without
// headings where a double-click chooses an account, buttons that rename or
// delete the chosen account, and the button that saves the chart to its file.

#include "ui/Arbetspanel.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class Huvudfonster;

class PanelKplanRedigera final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelKplanRedigera(Huvudfonster &form);

    // "Redigera konton": shows the chart with no account chosen.
    void Redigera1Click();
    // Chooses the account of the double-clicked line.
    void ListBoxKplanRedDblClick(QListWidgetItem *rad);
    // "Klicka här när kontot är redigerat": renames the chosen account.
    void BitBtnKplanRedOKClick();
    // "Radera detta konto": removes the chosen account, warning first when
    // posts use it.
    void BitBtnKplanRedRaderaClick();
    // "Spara den ändrade kontoplanen".
    void BitBtnKplanRedSparaClick();

    // The slot of the chosen account; 0 while none is chosen.
    int32_t ValtKonto() const { return valtKonto_; }

private:
    void VisaKonton();
    // No account chosen, and the boxes of the chosen account emptied.
    void GlomValtKonto();

    Huvudfonster &form_;
    int32_t valtKonto_ = 0;
    QLineEdit *EditKplannamn_ = nullptr;
    QLabel *LabelKplanRedAktnr_ = nullptr;
    QLineEdit *EditKplanRedNamn_ = nullptr;
    QListWidget *ListBoxKplanRed_ = nullptr;
    QLabel *LabelKplanRedSparabesked_ = nullptr;
};
