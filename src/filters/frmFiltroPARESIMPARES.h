// "PARES E IMPARES" (filter row 5): six boxes, box k ticked = combinations with exactly k even
// numbers are allowed (ParesActivos(k)); each click is stored at once.
#pragma once

#include <array>

#include "filters/VentanaFiltro.h"

class frmFiltroPARESIMPARES : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaFiltro = 5;
    explicit frmFiltroPARESIMPARES(ListaTexto& lstFiltros, QWidget* padre = nullptr);

    QLabel* lblPares = nullptr;
    QLabel* lblImpares = nullptr;
    std::array<Casilla*, 6> chkParesImpares{};
    std::array<QLabel*, 6> lblParesImpares{};   // "  k            5-k"

    void chkParesImpares_Click(int index);

protected:
    void CargarControles() override;
};
