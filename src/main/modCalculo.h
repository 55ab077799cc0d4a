// The computing steps of a calculation, on the shared data model: from the marked base to the
// conditioned system and, when no reduction is asked for, to the number-bets that the star
// assignment completes. The main window reads its controls, calls these steps in order and
// shows the results; nothing here touches a control. Errors are thrown as ErrorCalculo (or
// std::bad_alloc) and end up in the window's error handler.
#pragma once

#include <array>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/modGeneral.h"

namespace modCalculo {

using modGeneral::Byte;
using modGeneral::Integer;
using modGeneral::Long;

// Rows of the filter list: 0..9 the filters, 10 the stars, 11 the reduction.
inline constexpr int FilasFiltros = 10;
inline constexpr int FilaEstrellas = 10;
inline constexpr int FilaReduccion = 11;

// Size of a combination handed to every evaluator.
inline constexpr Integer PosicionesCombinacion = 5;

// A failure of the calculation that the user must read ("ERROR: " and the text).
class ErrorCalculo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text shown after "ERROR: " for a failure caught by a calculation or a save.
std::string DescripcionError(const std::exception& e);
// The same for whatever was thrown (the one being handled, from a catch block).
std::string DescripcionError(std::exception_ptr e);

// Status text of the blinking label while the filter of each row runs.
extern const char* const TextosEstadoFiltros[FilasFiltros];

// A filter evaluator: takes the combination size, flags failing rows in Eliminadas and
// returns how many rows it flagged itself.
using Evaluador = Long (*)(Integer posiciones);
using TablaEvaluadores = std::array<Evaluador, FilasFiltros>;
// Removal counts per list row 0..10 (row 10, the stars, always 0).
using ConteosFiltros = std::array<Long, FilasFiltros + 1>;
using FilasActivas = std::array<bool, FilasFiltros>;

// The ten filter evaluators of modFiltros, by list row.
TablaEvaluadores EvaluadoresFiltros();

// Base: TotalNumerosBase := the count, CombinacionBase(1..N) := the numbers (ascending,
// 1..50, as the grid gives them), VectorActual := (1..N) for the reduction engine.
void EstablecerCombinacionBase(const std::vector<Byte>& numeros);

// Generated mode: TotalCombinaciones := C(N,5), TodasCombinaciones := every 5-subset of the
// positions 1..N in lexicographic order, Eliminadas created. Returns TotalCombinaciones.
Long FormarCombinacionesGeneradas();

// Import mode: TodasCombinaciones := the imported bets as positions in CombinacionBase,
// TotalCombinaciones := TotalImportadas, Eliminadas created. A bet holding a number that is
// not in the base cannot be expressed in positions: it is refused with ErrorCalculo.
Long FormarCombinacionesImportadas();

// Eliminadas := (-1 To TotalCombinaciones), all 0, element -1 set to 1.
void CrearEliminadas();

// Runs, in row order, the evaluator of every active row 0..9; before each one alEmpezar
// receives the row and its status text. conteos receives the removal count of every row
// (0 for inactive rows and for row 10). Returns the total removed.
Long AplicarFiltros(const FilasActivas& activas, const TablaEvaluadores& evaluadores,
                    ConteosFiltros& conteos,
                    const std::function<void(int fila, const char* estado)>& alEmpezar = {});

// ApuestasCondicionadas := the rows of TodasCombinaciones whose Eliminadas flag is 0, in
// their order. Returns their count (the rows actually left, whatever the filters reported).
Long CondicionarApuestas();

// Whether the reduction window must run: reduction row active and a target that calls for it
// (Porcentaje < 100, Tipo > 0 or a percentage target).
bool HayQueReducir(bool filaReduccionActiva);

// The branch without reduction: ApuestasReducidas := (1 To nCond, 1 To 7) with columns 1..5
// the numbers of the conditioned rows (CombinacionBase of each position), 6 and 7 zero.
// Returns nCond.
Long PasarCondicionadasAReducidas();

// Frees what no step after the reduction reads: TodasCombinaciones, Eliminadas and the
// reduction's work area (their counts stay). ApuestasCondicionadas stays for the guarantees. Called before the
// stars are added, so the largest table is built with nothing else of size beside it.
void LiberarTablasIntermedias();

}  // namespace modCalculo
