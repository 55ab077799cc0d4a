// Small pieces the reduction windows share: their pictures, image buttons with a caption,
// counts as the program shows them, and the flag of a filter-list row (the row's first two
// characters, "Sí" or "No"; nothing else in a row reads so).
#pragma once

#include <QString>

class BotonImagen;
class ListaTexto;
class QLabel;
class QWidget;

namespace AyudaVentanas {

// Registers the pictures of the reduction windows (once).
void CargarRecursos();

// An image button of 32x32 at (x, y) with the caption under it, centred on the button.
BotonImagen* CrearBotonImagen(QWidget* padre, const QString& recurso, const QString& ayuda, int x, int y,
                              QLabel** rotulo = nullptr, const QString& textoRotulo = QString());

// A count formatted "#,#,0".
QString Cuenta(double valor);

bool FilaActiva(const ListaTexto* lista, int fila);
void ActivarFila(ListaTexto* lista, int fila);
void DesactivarFila(ListaTexto* lista, int fila);
void AlternarFila(ListaTexto* lista, int fila);

// The pictures of an activation button.
inline constexpr const char* ImagenActiva = ":/iconos/activar_si.svg";
inline constexpr const char* ImagenInactiva = ":/iconos/activar_no.svg";

}  // namespace AyudaVentanas
