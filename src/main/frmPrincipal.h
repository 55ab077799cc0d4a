// The main window: the program lives as long as it does.
#pragma once

#include "platform/Ventana.h"

class frmPrincipal : public Ventana {
    Q_OBJECT
public:
    explicit frmPrincipal(QWidget* padre = nullptr);
    void Form_Load() override;
};
