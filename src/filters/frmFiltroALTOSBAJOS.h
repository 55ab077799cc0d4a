// "BAJOS Y ALTOS" (filter row 0): the allowed counts of numbers 1..24 (Bajos) and 25..50
// (Altos), each edited in the hit-count dialog and written as soon as it closes.
#pragma once

#include "filters/VentanaFiltro.h"

class frmFiltroALTOSBAJOS : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaFiltro = 0;
    explicit frmFiltroALTOSBAJOS(ListaTexto& lstFiltros, QWidget* padre = nullptr);

    QLabel* lbl0124 = nullptr;
    QLineEdit* txtAciertos0124 = nullptr;
    Boton* cmdModificar0124 = nullptr;
    QLabel* lbl2549 = nullptr;
    QLineEdit* txtAciertos2550 = nullptr;
    Boton* cmdModificar2550 = nullptr;

    void cmdModificar0124_Click();
    void cmdModificar2550_Click();

protected:
    void CargarControles() override;
};
