// "TERMINACIONES" (filter row 8): per last digit 0..9 the allowed counts (rows of
// TerminadosEn, written as soon as the hit-count dialog closes), the bounds of the sum of the
// five last digits and the allowed figures over the last digits. The bounds and the figures
// are stored only by a close that passes the checks of the two sum boxes.
#pragma once

#include <array>

#include "filters/VentanaFiltro.h"

class frmFiltroTERMINACIONES : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaFiltro = 8;
    explicit frmFiltroTERMINACIONES(ListaTexto& lstFiltros, QWidget* padre = nullptr);

    std::array<QLabel*, 2> Label2{};              // "TERMINACIONES", "FIGURAS"
    std::array<QLabel*, 10> lblTitTerminados{};   // "Terminados en d :"
    std::array<QLineEdit*, 10> txtAciertos{};
    std::array<Boton*, 10> cmdModificar{};
    std::array<QLabel*, 2> Label1{};              // "Suma de Terminaciones :" and the "-" between the boxes
    CajaTexto* txtSumaTerminacionesMinimo = nullptr;
    CajaTexto* txtSumaTerminacionesMaximo = nullptr;
    std::array<QLabel*, 7> Label3{};
    std::array<QLabel*, 8> lblTipoFigura{};
    std::array<Casilla*, 8> chkFigura{};

    void cmdModificar_Click(int index);
    void chkFigura_Click(int index);
    void txtSumaTerminacionesMinimo_KeyPress(int& tecla);
    void txtSumaTerminacionesMaximo_KeyPress(int& tecla);
    void Form_Unload(bool& cancelar) override;

protected:
    void CargarControles() override;

private:
    std::array<modGeneral::Byte, 8> figurasCargadas_{};
};
