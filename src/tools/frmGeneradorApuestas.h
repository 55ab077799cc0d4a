// "Generador Apuestas Aleatorias por Números": distinct random bets from the numbers marked
// (at least five) with the two stars marked, saved as a .EUR bet file.
#pragma once

#include <array>

#include "tools/HerramientasComunes.h"

class QFrame;
class QLabel;

class frmGeneradorApuestas : public Herramientas::VentanaHerramienta {
    Q_OBJECT
public:
    using Long = modGeneral::Long;

    explicit frmGeneradorApuestas(QWidget* padre = nullptr);

    QLabel* lblTitulo = nullptr;
    QFrame* picRejilla = nullptr;
    std::array<Etiqueta*, 50> lblNumero{};
    std::array<Etiqueta*, 12> lblEstrella{};
    QLabel* lblMarcados = nullptr;
    QLabel* lblApuestas = nullptr;
    CajaTexto* txtApuestas = nullptr;
    QLabel* lblPosibles = nullptr;
    Boton* cmdGenerar = nullptr;
    QFrame* picProgreso = nullptr;
    Etiqueta* lblProgressBar = nullptr;   // width in twips, full width 4725
    Etiqueta* lblEstado = nullptr;

    void lblNumero_Click(int index);
    void lblEstrella_Click(int index);
    void txtApuestas_KeyPress(int& tecla);
    void cmdGenerar_Click();
    // The number of distinct bets the marked numbers give: C(n,5), 0 below five numbers.
    Long ApuestasPosibles() const;

private:
    void ActualizarPosibles();
};
