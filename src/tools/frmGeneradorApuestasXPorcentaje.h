// "Generador Apuestas Aleatorias por Porcentajes": distinct random bets whose numbers are drawn
// with the percentage given to each number (0 or blank: never drawn), every bet with the two
// stars marked, saved as a .EUR bet file.
#pragma once

#include <array>

#include "tools/HerramientasComunes.h"

class QFrame;
class QLabel;

class frmGeneradorApuestasXPorcentaje : public Herramientas::VentanaGenerador {
    Q_OBJECT
public:
    using Long = modGeneral::Long;

    explicit frmGeneradorApuestasXPorcentaje(QWidget* padre = nullptr);

    QLabel* lblTitulo = nullptr;
    std::array<QLabel*, 50> lblNumeroPorcentaje{};
    std::array<CajaTexto*, 50> txtPorcentaje{};
    QLabel* lblTituloEstrellas = nullptr;
    std::array<Etiqueta*, 12> lblEstrella{};

    void lblEstrella_Click(int index);
    void cmdGenerar_Click() override;
    // The numbers with a percentage above 0 and the distinct bets they give.
    std::vector<modGeneral::Byte> NumerosConPorcentaje() const;
    Long ApuestasPosibles() const override;
};
