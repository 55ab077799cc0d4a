// Pieces several filter windows share: a row of hit counts (caption, read-only count box and
// its "M" button), the seven figure rows ("1." .. "7.", the figure's caption, a check box) and
// the number grids of the groups, related-groups and ball-positions windows.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <initializer_list>

#include "common/modGeneral.h"
#include "kit/RejillaNumeros.h"
#include "platform/Controles.h"

class QLabel;
class QLineEdit;
class QWidget;

// Height and pitch of the rows of the filter windows, in pixels.
inline constexpr int AltoFilaFiltro = 24;
inline constexpr int PasoFilaFiltro = 30;

// A heading label in the filter windows' bold look.
QLabel* CrearTitulo(QWidget* ventana, const QString& texto, int x, int y, int ancho);

// A count row at (x, y): the caption (anchoEtiqueta wide), the count box (read-only) and the
// button "M".
void CrearFilaAciertos(QWidget* ventana, int x, int y, int anchoEtiqueta, const QString& caption,
                       QLabel*& etiqueta, QLineEdit*& caja, Boton*& boton);
// The right edge of a count row built at x.
int FinFilaAciertos(int x, int anchoEtiqueta);

// The seven figure rows under a heading at (x, y): Label3[i-1] "i.", lblTipoFigura[i] the
// figure's caption, chkFigura[i] without text; index 0 of the last two stays empty. Returns
// the y under the last row.
int CrearFilasFiguras(QWidget* ventana, int x, int y, std::array<QLabel*, 7>& Label3,
                      std::array<QLabel*, 8>& lblTipoFigura, std::array<Casilla*, 8>& chkFigura);
// Ticks the boxes from a figure table (a box set from code raises its Click) and remembers
// the values loaded; stores them back, an unchanged ticked box keeping the value it came with.
void CargarFiguras(const modGeneral::TablaFiguras& tabla, const std::array<Casilla*, 8>& chkFigura,
                   std::array<modGeneral::Byte, 8>& cargado);
void GuardarFiguras(modGeneral::TablaFiguras& tabla, const std::array<Casilla*, 8>& chkFigura,
                    const std::array<modGeneral::Byte, 8>& cargado);

// A number grid of the groups, related-groups and ball-positions windows at (x, y): 9 rows by
// 6 columns in a white panel, the numbers running down the columns (1-9, 10-18, 19-27, 28-36,
// 37-45, 46-50), labels named nombre0..nombre49. Every label starts disabled with the free look;
// the window enables the numbers of the base combination. alClic receives the index (number - 1).
RejillaNumeros::Etiquetas CrearRejillaFiltro(QWidget* ventana, int x, int y, const QString& nombre,
                                             std::function<void(int)> alClic);
inline constexpr int AnchoRejillaFiltro = 5 * 28 + 26 + 2 + 8;
inline constexpr int AltoRejillaFiltro = 8 * 23 + 21 + 2 + 8;
// Each grid shows one row of a table of flags by number (GruposNumeros, SubgruposNumeros,
// PosicionesNumeros), and its look is the record a click writes back to that row.
// On loading: every grid captioned 1..50, the numbers marked on the main grid (base) enabled.
void PrepararRejillasFiltro(std::initializer_list<const RejillaNumeros::Etiquetas*> rejillas,
                            const RejillaNumeros::Etiquetas& base);
// The grid shows row fila: a number flagged 1 whose label is enabled is marked; every other
// label is freed and its flag cleared, so a number outside the base drops from the row.
void MostrarFilaRejilla(const RejillaNumeros::Etiquetas& rejilla, Tabla<modGeneral::Byte>& tabla, long fila);
// A click on label i: toggled, then row fila rewritten from the grid (1 where marked). False
// when the label is disabled and nothing changed.
bool AlternarFilaRejilla(const RejillaNumeros::Etiquetas& rejilla, int i, Tabla<modGeneral::Byte>& tabla, long fila);
// Every label freed, enabled or not, and every flag of row fila cleared.
void LimpiarFilaRejilla(const RejillaNumeros::Etiquetas& rejilla, Tabla<modGeneral::Byte>& tabla, long fila);
// The picture of the clear buttons beside the grids.
inline constexpr const char* ImagenLimpiar = ":/rejillas/limpiar.svg";
