// "Generador Apuestas Aleatorias por Números": distinct random bets from the numbers marked
// (at least five) with the two stars marked, saved as a .EUR bet file.
#pragma once

#include <array>

#include "tools/HerramientasComunes.h"

class QFrame;
class QLabel;

class frmGeneradorApuestas : public Herramientas::VentanaGenerador {
    Q_OBJECT
public:
    using Long = modGeneral::Long;

    explicit frmGeneradorApuestas(QWidget* padre = nullptr);

    QLabel* lblTitulo = nullptr;
    QFrame* picRejilla = nullptr;
    std::array<Etiqueta*, 50> lblNumero{};
    std::array<Etiqueta*, 12> lblEstrella{};
    QLabel* lblMarcados = nullptr;

    void lblNumero_Click(int index);
    void lblEstrella_Click(int index);
    void cmdGenerar_Click() override;
    // The number of distinct bets the marked numbers give: C(n,5), 0 below five numbers.
    Long ApuestasPosibles() const override;

private:
    void ActualizarPosibles();
};
