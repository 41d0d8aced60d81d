#pragma once
// "Momsrutor för kontoplanens konton": every bookkeeping account of the chart
// with the VAT box it feeds ("–" for none), and two boxes to give one account
// another box, or none, saved beside the chart file. Choosing a row puts its
// account and box in the boxes.

#include "core/Momskodfil.h"
#include "ui/Arbetspanel.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Huvudfonster;

class PanelMomskoder final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelMomskoder(Huvudfonster &form);

    // "Special", "Momsrutor för kontoplanens konton".
    void MomskoderClick();
    // Saves the box in EditMomskodRuta for the account in EditMomskodKonto.
    void BitBtnMomskodSparaClick();

private:
    void Fyll(const tovana::Momskoder &koder);
    void ValjRad(int rad);

    Huvudfonster &form_;
    QListWidget *ListBoxMomskoder_ = nullptr;
    QLineEdit *EditMomskodKonto_ = nullptr;
    QLineEdit *EditMomskodRuta_ = nullptr;
    QLabel *LabelMomskodBesked_ = nullptr;
};

// Builds the panel, registers it with the window and wires its menu item.
PanelMomskoder *ByggMomskodpanel(Huvudfonster &form);
