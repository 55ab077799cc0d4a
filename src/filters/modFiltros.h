// The ten filter evaluators and the group summary of the filter list. Each evaluator takes
// the number of positions of a combination (always 5), passes once over rows
// 1..TotalCombinaciones of TodasCombinaciones, skips rows already marked in Eliminadas, marks
// the rows that fail its filter and returns how many this call marked.
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

// "k de 120" for "GRUPOS DE NUMEROS", "k de 40" for "GRUPOS RELACIONADOS", "" otherwise.
std::string TextoResumenGrupos(const std::string& nombreFiltro);

}  // namespace modFiltros
