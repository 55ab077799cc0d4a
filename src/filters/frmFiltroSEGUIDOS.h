// "SEGUIDOS" (filter row 6): the allowed lengths of the longest run of consecutive numbers
// (NumerosSeguidos, 1..5, in the hit-count dialog) and the allowed figures of the runs
// (FigurasSeguidos, stored when the window closes, without a check).
#pragma once

#include <array>

#include "filters/VentanaFiltro.h"

class frmFiltroSEGUIDOS : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaFiltro = 6;
    explicit frmFiltroSEGUIDOS(ListaTexto& lstFiltros, QWidget* padre = nullptr);

    QLabel* lblTitulo = nullptr;          // "SEGUIDOS"
    QLabel* lblSeguidos = nullptr;        // "Nº : "
    QLineEdit* txtNumero = nullptr;
    Boton* cmdModificar = nullptr;
    std::array<QLabel*, 5> lblEjemplos{};      // grey example lines
    std::array<QLabel*, 5> lblEjemplosRacha{};  // the run of each, in black over it
    QLabel* lblFiguras = nullptr;         // "FIGURAS"
    std::array<QLabel*, 7> Label3{};
    std::array<QLabel*, 8> lblTipoFigura{};
    std::array<Casilla*, 8> chkFigura{};

    void cmdModificar_Click();
    void chkFigura_Click(int index);
    void Form_Unload(bool& cancelar) override;

protected:
    void CargarControles() override;

private:
    std::array<modGeneral::Byte, 8> figurasCargadas_{};
};
