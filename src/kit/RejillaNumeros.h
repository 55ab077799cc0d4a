// The grids of the 50 numbers in the groups, related-groups and ball-positions windows:
// 9 rows by 6 columns with the numbers running down the columns (1-9, 10-18, 19-27, 28-36,
// 37-45, 46-50). Every label starts disabled with the free look; the window enables the
// numbers of the base combination. A label's look is its state: an opaque back is a marked
// number, as on the main window's grid.
#pragma once

#include <QFrame>
#include <array>
#include <functional>

#include "platform/Controles.h"

namespace RejillaNumeros {

using Etiquetas = std::array<Etiqueta*, 50>;

inline constexpr long ColorRojo = 0x0000FF;
inline constexpr long ColorBlanco = 0xFFFFFF;

// Size of one grid in pixels.
inline constexpr int AnchoCelda = 26;
inline constexpr int AltoCelda = 21;
inline constexpr int PasoColumna = 28;
inline constexpr int PasoFila = 23;
inline constexpr int Ancho = 5 * PasoColumna + AnchoCelda + 2;
inline constexpr int Alto = 8 * PasoFila + AltoCelda + 2;

// Builds the 50 labels inside a frame placed at (x, y) of `padre`, captions "1" to "50", all
// disabled and free. `alClic` receives the index (number - 1) of a clicked label.
Etiquetas Crear(QWidget* padre, int x, int y, const QString& nombre, std::function<void(int)> alClic);

inline void Marcar(Etiqueta* l) {
    l->SetBackStyle(1);
    l->SetBackColor(ColorRojo);
    l->SetForeColor(ColorBlanco);
}
inline void Liberar(Etiqueta* l) {
    l->SetBackStyle(0);
    l->SetForeColor(ColorRojo);
}
inline bool Marcada(const Etiqueta* l) { return l->BackStyle() == 1; }
// Enables a label (a number of the base: it takes clicks) or disables it (greyed, no click).
void Habilitar(Etiqueta* l, bool habilitada);

// The picture of the clear buttons beside the grids (registers the grids' pictures first).
QString ImagenLimpiar();

// A click on label i: a marked label is freed, any other marked. False when the label is
// disabled (a number outside the base takes no click) and nothing changed.
bool Alternar(const Etiquetas& rejilla, int i);

}  // namespace RejillaNumeros
