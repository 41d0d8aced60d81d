#pragma once
// The colour panel of the Special menu: three boxes of two hexadecimal digits
// for blue, green and red, a test surface that shows the colour they give, and
// a button that colours every work panel with the colour last shown and saves
// it in the settings file. Also the decimal-point option of the same menu.

#include "ui/Arbetspanel.h"

#include <QLabel>

class QLineEdit;
class QPushButton;
class Huvudfonster;

// The test surface: a framed text that reports a click.
class Testyta final : public QLabel {
    Q_OBJECT
public:
    explicit Testyta(const QString &text, QWidget *parent = nullptr);

    void SattFarg(const QColor &farg);

signals:
    void Klickad();

protected:
    void mouseReleaseEvent(QMouseEvent *handelse) override;
};

class PanelFarg final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelFarg(Huvudfonster &form);

    // "Ändra bakgrundsfärg": shows the panel with the present colour in the boxes.
    void fargerClick();
    // The test surface takes the colour of the three boxes, when they give one.
    void TestPanelClick();
    // Colours every work panel with the colour last shown and saves it.
    void BitBtnFargSparaClick();

private:
    Huvudfonster &form_;
    QLineEdit *EditR_ = nullptr;
    QLineEdit *EditG_ = nullptr;
    QLineEdit *EditB_ = nullptr;
    Testyta *TestPanel_ = nullptr;
    QPushButton *BitBtnFargSpara_ = nullptr;
};

// "Använd punkt som decimaltecken": records "punkt" in Decimalord. Numbers are
// still written and read with a decimal comma.
void Anvndpunktsomdecimaltecken1Click(Huvudfonster &form);

PanelFarg *ByggFargpanel(Huvudfonster &form);
