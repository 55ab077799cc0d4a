// "Generar combinación aleatoria": marks a random base of n distinct numbers and m distinct
// stars on the main window's grids, with the counters that follow from them.
#pragma once

#include "platform/Controles.h"
#include "platform/Ventana.h"

class QLabel;
class frmPrincipal;

class frmAlazar : public Ventana {
    Q_OBJECT
public:
    explicit frmAlazar(frmPrincipal& principal, QWidget* padre = nullptr);

    QLabel* Label1 = nullptr;
    Combo* cboNumeros = nullptr;
    QLabel* Label2 = nullptr;
    Combo* cboEstrellas = nullptr;
    Boton* cmdAlazar = nullptr;
    BotonImagen* imgVolver = nullptr;
    Forma* ShapeBorde = nullptr;   // frames imgVolver until the mouse reaches bare window

    void Form_Load() override;
    void cmdAlazar_Click();
    void imgVolver_Click();

private:
    frmPrincipal& principal_;
};
