// The grids of numbers and stars the windows draw: labels captioned 1..n, laid out down the
// columns or along the rows of a panel, and the two looks of a label, which are its state: a
// label with an opaque back is marked.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "common/modGeneral.h"
#include "platform/Controles.h"

namespace RejillaNumeros {

using Etiquetas = std::array<Etiqueta*, 50>;

inline constexpr long ColorRojo = 0x0000FF;
inline constexpr long ColorBlanco = 0xFFFFFF;

// Marked look: opaque back of colorFondo, white text. Free look: transparent back, text of
// colorTexto; the back colour stays as it was (a transparent back does not show it).
void MarcarEtiqueta(Etiqueta* l, long colorFondo = ColorRojo);
void LiberarEtiqueta(Etiqueta* l, long colorTexto = ColorRojo);
inline bool EtiquetaMarcada(const Etiqueta* l) { return l->BackStyle() == 1; }
// The values (index + 1) of the marked labels, ascending.
std::vector<modGeneral::Byte> ValoresMarcados(std::span<Etiqueta* const> etiquetas);

// How a grid is laid out and how its labels start.
struct Opciones {
    QString nombre;            // label i is named nombre + i; none when empty
    int porLinea = 9;          // labels in a column (porColumnas) or in a row
    bool porColumnas = true;   // values run down the columns (1-9, 10-18, ...) or along the rows
    QPoint origen{5, 5};       // the first label's place in the panel
    QSize celda{26, 21};       // a label's size
    QSize paso{28, 23};        // from a label to the one in the next column and the next row
    int puntos = 9;            // size of the bold caption; 0 keeps the panel's size
    bool negrita = true;
    QString borde = QStringLiteral("#d6d9df");   // each label's thin border
    long colorLibre = ColorRojo;  // text of the free look every label starts in
    bool habilitadas = true;   // false: greyed and taking no click until Habilitar
    bool mano = true;          // the pointing hand over an enabled label
};

// Fills etiquetas with new labels captioned 1..size in panel; alClic receives the index of a
// clicked label.
void Crear(QWidget* panel, std::span<Etiqueta*> etiquetas, const Opciones& opciones,
           std::function<void(int)> alClic = {});

// Enables a label (it takes clicks) or disables it (greyed, no click).
void Habilitar(Etiqueta* l, bool habilitada);

// A click on label i: a marked label takes the free look (text of colorLibre), a free one the
// marked look while fewer than maximo labels of the grid are marked. False when nothing
// changed: i is out of the grid, the label is disabled (a number outside the base takes no
// click) or maximo labels are marked already.
bool AlternarEtiqueta(std::span<Etiqueta* const> rejilla, int i, std::size_t maximo = SIZE_MAX,
                      long colorLibre = ColorRojo);

}  // namespace RejillaNumeros
