// The ten filter evaluators and the group summary of the filter list. Each evaluator takes
// the number of positions of a combination (always 5), passes once over rows
// 1..TotalCombinaciones of TodasCombinaciones, skips rows already marked in Eliminadas, marks
// the rows that fail its filter and returns how many this call marked. The window toolkit gets
// a turn (Plataforma::DoEvents) before every row whose number is a multiple of 4000.
// A row holding a position outside CombinacionBase raises std::out_of_range, which ends the
// calculation like any run-time error; rows marked before it stay marked.
#pragma once

#include <string>

#include "common/modGeneral.h"

namespace modFiltros {

using modGeneral::Integer;
using modGeneral::Long;

Long FiltrarAltosBajos(Integer posiciones);
Long FiltrarDecenas(Integer posiciones);
Long FiltrarDistancias(Integer posiciones);
Long FiltrarGrupos(Integer posiciones);
Long FiltrarGruposRelacionados(Integer posiciones);
Long FiltrarParesImpares(Integer posiciones);
Long FiltrarSeguidos(Integer posiciones);
Long FiltrarSumas(Integer posiciones);
Long FiltrarTerminaciones(Integer posiciones);
Long FiltrarPosiciones(Integer posiciones);

// The figure of a combination from the counts of its classes in their fixed order: 1 "5-0",
// 2 "4-1", 3 "3-2", 4 "3-1-1", 5 "2-2-1", 6 "2-1-1-1", 7 "1-1-1-1-1" (captions in
// modGeneral::NombresFiguras). Decided by how many classes are in use and, for two or three,
// whether one holds 4 or 3 numbers. 0 when no class is in use or more than five are.
Integer Figura(const int* conteos, int clases);

// "k de 120" for "GRUPOS DE NUMEROS", "k de 40" for "GRUPOS RELACIONADOS", "" otherwise.
std::string TextoResumenGrupos(const std::string& nombreFiltro);

}  // namespace modFiltros
