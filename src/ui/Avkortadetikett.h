#pragma once
// A label that holds its place: one line that shortens a text too long for its
// column with an ellipsis instead of widening the window.
//
// A ledger named "Föreningen Skogsgläntans ideella verksamhet 2012 ..." shows in
// its column as "Föreningen Skogsgläntans ideella verks…", whole in its tooltip.

#include <QLabel>

class Avkortadetikett final : public QLabel {
    Q_OBJECT
public:
    explicit Avkortadetikett(const QString &text = QString(), QWidget *parent = nullptr);

    // The whole text, with the same text as its tooltip.
    void VisaText(const QString &text);

    // As tall as one line and as narrow as its margins: the layout may give it
    // any width, and the text is shortened to fit.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *handelse) override;
};
