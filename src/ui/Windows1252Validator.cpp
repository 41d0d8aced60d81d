#include "ui/Windows1252Validator.h"

#include "core/Teckentabell.h"

bool ArWindows1252(const QString &text) {
    for (const char32_t tecken : text.toUcs4())
        if (!tovana::KanSkrivasSomWindows1252(tecken))
            return false;
    return true;
}

QValidator::State Windows1252Validator::validate(QString &text, int &pos) const {
    if (text.contains(u'\r') || text.contains(u'\n')) {
        QString rad;
        rad.reserve(text.size());
        int markor = pos;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar tecken = text[i];
            if (tecken == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                // Two characters become one: the cursor after both moves back one.
                if (i + 1 < pos)
                    --markor;
                ++i;
            }
            rad += (tecken == u'\r' || tecken == u'\n') ? QChar(u' ') : tecken;
        }
        text = rad;
        pos = markor;
    }
    return ArWindows1252(text) ? Acceptable : Invalid;
}
