#pragma once
// The effect area of the entry panel: what the post being keyed does to the
// balance sheet and the income statement, one caption per class and the 27
// labels that the post's effects are worded into (entry/ui/Effektetiketter).

#include "entry/ui/Effektetiketter.h"

#include <QWidget>

#include <array>

class QLabel;

class Effektyta final : public QWidget {
    Q_OBJECT
public:
    // The headings "Effekter i balansräkningen"/"Effekter i resultaträkningen", the class
    // captions, and the 27 labels with their objectNames (text labels bold left, amounts bold
    // right).
    explicit Effektyta(QWidget *parent = nullptr);

    void Visa(const tovana::Konteringseffekt &effekt); // writes all 27 labels
    void RensaEffekter();                              // empties all 27

protected:
    void resizeEvent(QResizeEvent *handelse) override;

private:
    // Shows the sentence whole in its label's two lines: in the label's own
    // font, or a smaller one when a long account name needs it.
    void Passa(QLabel *mening) const;

    std::array<QLabel *, tovana::kEffektlabelantal> etiketter_{};
    QFont meningsfont_;
};
