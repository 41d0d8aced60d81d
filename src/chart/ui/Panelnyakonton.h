#pragma once
// The panel for adding accounts: class, number and name boxes, the button that
// checks and adds the account, the chart listed with upper-case class headings,
// and the button that saves the chart to its file.

#include "chart/Nyttkonto.h"
#include "ui/Arbetspanel.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Huvudfonster;

class Panelnyakonton final : public Arbetspanel {
    Q_OBJECT
public:
    explicit Panelnyakonton(Huvudfonster &form);

    // "Lägga in ett nytt konto": shows the panel with the chart listed; the
    // boxes keep what they held.
    void Nyttkonto1Click();
    // Leaving the class box keeps its digits 0 to 8; leaving the number box
    // keeps its digits.
    void KtypExit();
    void KnummerExit();
    // "Lägg till detta konto".
    void BitBtnKplanClick();
    // "Klicka här för att spara kontoplanen".
    void BitBtnSparaKplanClick();

private:
    void VisaKontoplan();
    QLineEdit *RutaFor(tovana::Kontofalt falt) const;

    Huvudfonster &form_;
    QLineEdit *Ktyp_ = nullptr;
    QLineEdit *Knummer_ = nullptr;
    QLineEdit *Knamn_ = nullptr;
    QPushButton *BitBtnSparaKplan_ = nullptr;
    QListWidget *ListBoxkplan_ = nullptr;
    QLabel *LabelKplansparad_ = nullptr;
};
