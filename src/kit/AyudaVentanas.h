// What every window shares, between the platform's controls and the window folders: the
// pictures, counts as the program shows them, the flag of a filter-list row, image buttons
// with their hover border, and the white panels that hold grids and results.
#pragma once

#include <QRect>
#include <QString>

#include "platform/Controles.h"

namespace AyudaVentanas {

// Registers the pictures of every window (the program's, the filters', the grids', the
// reduction's and the tools'); each program calls it once at start, before its first window.
void CargarRecursos();

// A count formatted "#,#,0".
QString Cuenta(double valor);
// The count followed by its noun, singular for exactly one: "1 boleto", "0 boletos", "1.234 boletos".
QString Cuenta(double valor, const QString& singular, const QString& plural);
// A count of bets: "1 apuesta", "25 apuestas".
QString Apuestas(double valor);

// The flag of a filter-list row is its first two characters, "Sí" or "No"; nothing else in a
// row reads so. Activar and Desactivar leave a row already so as it is.
bool FilaActiva(const ListaTexto* lista, int fila);
void ActivarFila(ListaTexto* lista, int fila);
void DesactivarFila(ListaTexto* lista, int fila);
void AlternarFila(ListaTexto* lista, int fila);

// An image button showing the picture recurso scaled into sitio of padre, with its tool tip
// and its hover border (Forma::Enmarcar), which goes when the mouse leaves it.
BotonImagen* CrearBotonImagen(QWidget* padre, const QString& recurso, const QString& ayuda, const QRect& sitio);
// The same, 32x32 at (x, y), with its caption under it, centred on the button (the reduction
// windows' buttons).
BotonImagen* CrearBotonImagen(QWidget* padre, const QString& recurso, const QString& ayuda, int x, int y,
                              QLabel** rotulo = nullptr, const QString& textoRotulo = QString());

// A white panel with the windows' grey border at sitio of padre, named nombre.
QFrame* CrearPanel(QWidget* padre, const QString& nombre, const QRect& sitio);

// The pictures of an activation button.
inline constexpr const char* ImagenActiva = ":/iconos/activar_si.svg";
inline constexpr const char* ImagenInactiva = ":/iconos/activar_no.svg";

}  // namespace AyudaVentanas
