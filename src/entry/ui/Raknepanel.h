#pragma once
// The calculator panel over the entry panel's lookup area: two amount boxes, a
// sign box and "=", whose answer goes into the entry panel's amount box.

#include <QFrame>
#include <QList>

class QLineEdit;
class QPushButton;
class Huvudfonster;

class Raknepanel final : public QFrame {
    Q_OBJECT
public:
    // Panelrakna, heading "Beräkningshjälp", EditRakna1, EditRaknaOperator, EditRakna2, BitBtnRakna
    // "=", the guide lines. BitBtnRaknaClick writes the answer into the amount box and gives that
    // box the focus (setFocus(Qt::OtherFocusReason)); messages through form.Meddelande / form.Kor.
    Raknepanel(Huvudfonster &form, QLineEdit *editBelopp, QWidget *parent = nullptr);

    void Tom(); // empties the three boxes
    // The three boxes and "=", in their tab order.
    QList<QWidget *> Tabbordning() const;
    void BitBtnRaknaClick();

private:
    Huvudfonster &form_;
    QLineEdit *editBelopp_ = nullptr;
    QLineEdit *EditRakna1_ = nullptr;
    QLineEdit *EditRaknaOperator_ = nullptr;
    QLineEdit *EditRakna2_ = nullptr;
    QPushButton *BitBtnRakna_ = nullptr;
};
