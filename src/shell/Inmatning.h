#pragma once
// Input that the files can hold: every text box of the window refuses
// characters that Windows-1252 cannot store, so nothing is altered on save, and
// never holds a line break, which would split a name or a post over two lines
// of its file. A line break that arrives by paste or drop becomes one blank
// (CR LF together, CR or LF alone).

#include <QValidator>

class QWidget;

class Windows1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit Windows1252Validator(QObject *parent = nullptr) : QValidator(parent) {}
    // Replaces the line breaks and then judges the characters.
    State validate(QString &text, int &pos) const override;
};

// Whether every character of the text can be written to the program's files.
bool ArWindows1252(const QString &text);

// Gives every single-line box under `rot` that has no validator of its own the
// Windows-1252 validator.
void SkyddaInmatning(QWidget *rot);
