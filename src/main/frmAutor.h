// The author window: a picture and a back button.
#pragma once

#include "platform/Ventana.h"

class frmAutor : public Ventana {
    Q_OBJECT
public:
    explicit frmAutor(QWidget* padre = nullptr);
};
