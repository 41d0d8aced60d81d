#pragma once
// The calculator panel over the entry panel's lookup area: two amount boxes, a
// sign box and "=", whose answer goes into the entry panel's amount box.

#include <QFrame>

class QLineEdit;
class QPushButton;
class TForm1;

class Raknepanel final : public QFrame {
    Q_OBJECT
public:
    // Panelrakna, heading "Beräkningshjälp", EditRakna1, EditRaknaOperator, EditRakna2, BitBtnRakna
    // "=", the guide lines. BitBtnRaknaClick writes the answer into the amount box and gives that
    // box the focus (setFocus(Qt::OtherFocusReason)); messages through form.Meddelande / form.Kor.
    Raknepanel(TForm1 &form, QLineEdit *editBelopp, QWidget *parent = nullptr);

    void Tom(); // empties the three boxes
    void BitBtnRaknaClick();

private:
    TForm1 &form_;
    QLineEdit *editBelopp_ = nullptr;
    QLineEdit *EditRakna1_ = nullptr;
    QLineEdit *EditRaknaOperator_ = nullptr;
    QLineEdit *EditRakna2_ = nullptr;
    QPushButton *BitBtnRakna_ = nullptr;
};
