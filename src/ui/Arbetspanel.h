#pragma once
// A work panel: one of the twenty-one panels that share the rectangle below the
// top strip, of which exactly one is shown at a time. Each carries its heading
// and takes the background colour of the work panels.

#include <QFrame>
#include <QString>

class QLabel;
class QVBoxLayout;

class Arbetspanel : public QFrame {
    Q_OBJECT
public:
    // `rubriknamn` is the heading label's objectName; an empty heading text
    // gives no heading.
    Arbetspanel(const QString &namn, const QString &rubriknamn, const QString &rubrik,
                QWidget *parent = nullptr);

    QLabel *Rubrik() const { return rubrik_; }
    // The panel's main layout, below the heading.
    QVBoxLayout *Innehall() const { return innehall_; }

    void SattFarg(const QColor &farg);

private:
    QLabel *rubrik_ = nullptr;
    QVBoxLayout *innehall_ = nullptr;
};
