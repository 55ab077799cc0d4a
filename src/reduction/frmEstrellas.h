// The star-treatment dialog: which pairs of the marked stars each bet gets. It opens on the
// treatment in Reduccion.Estrellas and, when it closes, stores the chosen one and sets the
// flag of the stars row of the filter list ("Sí" for any treatment but the first).
#pragma once

#include "kit/VistaPrincipal.h"
#include "platform/Controles.h"
#include "platform/Ventana.h"

class QLabel;

class frmEstrellas : public Ventana {
    Q_OBJECT
public:
    static constexpr int FilaEstrellas = 10;

    explicit frmEstrellas(const VistaPrincipal& vista, QWidget* padre = nullptr);

    QLabel* lblTitulo = nullptr;
    Combo* cboTipoReduccionEstrellas = nullptr;
    QLabel* lblExplicacion = nullptr;
    BotonImagen* imgVolver = nullptr;

    void Form_Load() override;
    void Form_Unload(bool& cancelar) override;
    void cboTipoReduccionEstrellas_Click();
    void imgVolver_Click();

private:
    VistaPrincipal vista_;
};
