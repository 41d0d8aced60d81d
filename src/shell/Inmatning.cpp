#include "shell/Inmatning.h"

#include "core/Teckentabell.h"

#include <QLineEdit>
#include <QWidget>

bool ArWindows1252(const QString &text) {
    for (const char32_t tecken : text.toUcs4())
        if (!tovana::KanSkrivasSomWindows1252(tecken))
            return false;
    return true;
}

QValidator::State Windows1252Validator::validate(QString &text, int &) const {
    return ArWindows1252(text) ? Acceptable : Invalid;
}

void SkyddaInmatning(QWidget *rot) {
    for (auto *ruta : rot->findChildren<QLineEdit *>()) {
        if (!ruta->validator() && !ruta->isReadOnly())
            ruta->setValidator(new Windows1252Validator(ruta));
    }
}
