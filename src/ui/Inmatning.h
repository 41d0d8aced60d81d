#pragma once
// Input that the files can hold: every text box of the window refuses
// characters that Windows-1252 cannot store, so nothing is altered on save, and
// never holds a line break, which would split a name or a post over two lines
// of its file. A line break that arrives by paste or drop becomes one blank
// (CR LF together, CR or LF alone); Windows1252Validator.h does both. A box
// whose text is stored with a limit holds no more than the limit.

#include <span>

class QWidget;

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
