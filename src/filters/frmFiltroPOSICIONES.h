// "POSICIONES": for each ball position 1..5 of a combination's sorted numbers, the numbers
// allowed there (filter-list row 9). Every mark is written into PosicionesNumeros at once;
// closing checks and stores nothing.
#pragma once

#include <QLabel>
#include <array>

#include "kit/RejillaNumeros.h"
#include "filters/VentanaFiltro.h"

class frmFiltroPOSICIONES : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaLista = 9;

    // `numerosBase`: the main window's number grid; a number is in the base combination when
    // its label there has the marked look.
    frmFiltroPOSICIONES(ListaTexto& lstFiltros, const RejillaNumeros::Etiquetas& numerosBase,
                        QWidget* padre = nullptr);

    // The grids of balls 1..5.
    RejillaNumeros::Etiquetas lblNumero{}, lblNumero_G2{}, lblNumero_G3{}, lblNumero_G4{}, lblNumero_G5{};
    std::array<QLabel*, 5> lblTitBola{};
    std::array<BotonImagen*, 5> imgININumeros{};

    void CargarControles() override;
    // Click on label `index` (number index + 1) of the grid of ball `rejilla` + 1.
    void lblNumero_Click(int rejilla, int index);
    void imgININumeros_Click(int index);
    void MostrarNumerosPosiciones();

    const RejillaNumeros::Etiquetas& Rejilla(int p) const;

private:
    RejillaNumeros::Etiquetas numerosBase_;
};
