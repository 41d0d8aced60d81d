#pragma once
// The validator every text box of the window carries: it refuses characters
// that Windows-1252 cannot store, so nothing is altered on save, and turns a
// line break that arrives by paste or drop into one blank (CR LF together, CR
// or LF alone), since a break would split a name or a post over two lines of
// its file.

#include <QValidator>

class Windows1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit Windows1252Validator(QObject *parent = nullptr) : QValidator(parent) {}
    // Replaces the line breaks and then judges the characters.
    State validate(QString &text, int &pos) const override;
};

// Whether every character of the text can be written to the program's files.
bool ArWindows1252(const QString &text);
