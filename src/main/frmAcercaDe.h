// The about box: the program's name and version over a field of moving stars, two web links.
#pragma once

#include "platform/Ventana.h"

class frmAcercaDe : public Ventana {
    Q_OBJECT
public:
    explicit frmAcercaDe(QWidget* padre = nullptr);
};
