#pragma once
// The welcome panel shown at start-up: blocks of short texts on cream-coloured
// rounded surfaces that tell a new user where to begin.

#include "ui/Arbetspanel.h"

class Valkomstpanel final : public Arbetspanel {
    Q_OBJECT
public:
    Valkomstpanel(const QString &support, QWidget *parent = nullptr);
};
