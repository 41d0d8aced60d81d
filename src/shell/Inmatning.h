#pragma once
// Input that the files can hold: every text box of the window refuses
// characters that Windows-1252 cannot store, so nothing is altered on save, and
// never holds a line break, which would split a name or a post over two lines
// of its file. A line break that arrives by paste or drop becomes one blank
// (CR LF together, CR or LF alone). A box whose text is stored with a limit
// holds no more than the limit.

#include <QValidator>

#include <span>

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

// The boxes whose text is stored with a limit, by objectName, and the most
// characters each holds, however the text arrives (typed, pasted, dropped or
// set): 80 for a name, 100 for a post's text, 10 for a date, which takes
// ÅÅÅÅ-MM-DD as typed and is stored in 8 (see core/Datum.h).
struct Langdgrans {
    const char *ruta;
    int tecken;
};
std::span<const Langdgrans> Langdgranser();

// Gives every single-line box under `rot` that has no validator of its own the
// Windows-1252 validator, and each box of Langdgranser under it its limit.
void SkyddaInmatning(QWidget *rot);
