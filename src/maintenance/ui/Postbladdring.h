#pragma once
// Paging and jumping through the last-posts rows of the entry panel, and the
// double-click on a row's post number that opens that post for change. It works
// on the rows, buttons and jump boxes that the entry panel lays out.

#include "entry/Postformular.h"

#include <QObject>

#include <array>

class PanelRedRedigera;
class QLabel;
class QLineEdit;
class QPushButton;
class Senasteposter;
class Huvudfonster;

class Postbladdring final : public QObject {
    Q_OBJECT
public:
    // Attaches to the rows of `senaste`, paging the entry form's group of six
    // in `formular`; opens posts on `redigera`.
    Postbladdring(Huvudfonster &form, Senasteposter &senaste, tovana::Postformular &formular,
                  PanelRedRedigera &redigera);

    // "Bläddra bakåt": six posts older, not past the oldest.
    void BitBtntidigareClick();
    // "Bläddra framåt": six posts newer, not past the newest.
    void BitBtnsenareClick();
    // The jump boxes, on every change of their text.
    void EdithoppapostnrChange(const QString &text);
    void EdithoppavernrChange(const QString &text);
    // LP1DblClick .. LP6DblClick; `rad` is 1..6.
    void LPDblClick(int rad);

protected:
    bool eventFilter(QObject *objekt, QEvent *handelse) override;

private:
    // VisaPostblock: the rows emptied and filled with the block ending at post n.
    void VisaPostblock(int n);
    void TomHoppa();

    Huvudfonster &form_;
    Senasteposter &senaste_;
    tovana::Postformular &formular_;
    PanelRedRedigera &redigera_;
    std::array<QLabel *, 6> LP_{};
};
