// "SUMAS" (filter row 7): six intervals of the sum of the five numbers, alternatives of one
// another; 0 and 0 is an unused interval. All six are stored together, only by a close that
// passes every check.
#pragma once

#include <array>

#include "filters/VentanaFiltro.h"

class frmFiltroSUMAS : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaFiltro = 7;
    explicit frmFiltroSUMAS(ListaTexto& lstFiltros, QWidget* padre = nullptr);

    std::array<QLabel*, 6> Label2{};   // "Int.1" .. "Int.6"
    QLabel* lblSumaMinima = nullptr;   // "Suma Mínima :"
    QLabel* lblSumaMaxima = nullptr;   // "Suma Máxima :"
    std::array<CajaTexto*, 6> txtSumaMinima{};
    std::array<CajaTexto*, 6> txtSumaMaxima{};
    std::array<QLabel*, 5> Label1{};   // "OR" between neighbouring columns

    void txtSumaMinima_KeyPress(int index, int& tecla);
    void txtSumaMaxima_KeyPress(int index, int& tecla);
    void Form_Unload(bool& cancelar) override;

protected:
    void CargarControles() override;
};
