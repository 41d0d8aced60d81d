#pragma once
// The last posts under the entry boxes: six rows of eight labels, row 1 the
// newest post, with the paging buttons and the two jump boxes below them.

#include "entry/Redovisning.h"

#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

class Senasteposter final : public QWidget {
    Q_OBJECT
public:
    explicit Senasteposter(QWidget *parent = nullptr);

    // RensaSenastePoster: empties all 48 labels.
    void Rensa();
    // Writes the rows from the top; rows beyond them keep their texts.
    void Visa(const std::vector<tovana::Senasterad> &rader);
    // The code column (heading and labels) shown only while the chart has codes.
    void VisaKodkolumn(bool synlig);

    QPushButton *Tidigare() const { return BitBtntidigare_; }
    QPushButton *Senare() const { return BitBtnsenare_; }
    QLineEdit *Hoppavernr() const { return Edithoppavernr_; }
    QLineEdit *Hoppapostnr() const { return Edithoppapostnr_; }
    // The post-number label of row `rad` (1 is the newest post).
    QLabel *Postnummer(int rad) const { return etiketter_[rad - 1][kPostnummerkolumn]; }

private:
    static constexpr int kKolumner = 8;
    static constexpr int kPostnummerkolumn = 6;
    // Row k (0-based) of column c.
    std::array<std::array<QLabel *, kKolumner>, tovana::kSenasteradantal> etiketter_{};
    QLabel *LabelKoRubrik_ = nullptr;
    QPushButton *BitBtntidigare_ = nullptr;
    QPushButton *BitBtnsenare_ = nullptr;
    QLineEdit *Edithoppavernr_ = nullptr;
    QLineEdit *Edithoppapostnr_ = nullptr;
};
