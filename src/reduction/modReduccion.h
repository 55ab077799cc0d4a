// The reduction engine: from the conditioned system to fewer bets that still meet the chosen
// guarantee on the chosen share of it.
//
// Scenarios are the 5-number draws the user's system still allows (the conditioned
// combinations); the candidate bets are the same combinations. A bet covers a scenario when
// they share at least g numbers (the guarantee). The target is either the fewest bets that
// cover at least a percentage of the scenarios, or a number of bets that cover as many as
// possible (fewer when all are covered sooner).
//
// Each pass is the weighted greedy: every step takes the candidate covering most uncovered
// scenarios, ties broken by the pass's candidate order. Neighbours are never tabulated: the
// weight of a candidate comes from counts kept per subset of base positions (ranked in the
// combinatorial number system), so a pass stays exact and fits in memory at 50 numbers for
// every guarantee. With cycles, each further pass starts from another candidate order and is
// followed by an improvement step (redundant bets dropped, then simulated annealing for a
// result with one bet fewer, or with more scenarios covered). For "al 3" and "al 2" every
// other pass (and a second one in the first cycle) first takes only bets lying inside the
// parts of a random split of the base, which suits large systems.
//
// Cycles are independent: a cycle's result depends only on its number and the seed, so they
// run side by side on worker threads, one per core. The caller's thread only waits, calls the
// progress function and reads the stop flag; it takes the cycles' results in cycle order, as
// if they had run one after the other, so the cycles that count, their end and the best
// result (fewest bets, then the lowest cycle) are the same on any number of threads. Cycles
// end when a lower bound shows that no smaller result exists, or after a run of cycles
// without a better result; cycles started beyond that end are discarded. The effort of each
// improvement attempt is counted in moves, never in time.
//
// Plain C++, no window: the progress function is called about every 40 ms on the caller's
// thread, which the window uses to yield, to show progress and to set the stop flag; the
// engine reads the flag right after each call and ends with the best result found (stopped
// during the first pass, the bets whose update was complete). The workers look at the stop
// every few milliseconds, inside the update of a single bet too, and read only the tables
// handed in and their own state.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/Tabla.h"
#include "common/modGeneral.h"

namespace modReduccion {

using modGeneral::Byte;
using modGeneral::Long;

// Guarantee of each reduction type: 1 "al 4" -> 4, 2 "al 3" -> 3, 3 "al 2" -> 2, 4 (one common
// number) -> 1, 0 "Sin reducción" -> 5 (a bet covers only itself). Other values read as 0.
int GarantiaDeTipo(int tipo);

struct ParametrosReduccion {
    int Garantia = 5;              // g, 1..5
    bool ModoNuApuestas = false;   // true: target NuApuestas bets; false: Porcentaje %
    int Porcentaje = 100;          // 1..100; 0 and values above 100 read as 100
    Long NuApuestas = 1;           // values below 1 read as 1
    bool Ciclos = false;           // ActivarCiclos: repeat passes from other orders
    bool Aleatorio = false;        // cycles seeded from the clock instead of fixed seeds
    // With cycles: end after at least this many cycles in a row without a better result, more
    // when the better results came late (0: only a bound, the stop flag or the time limit end
    // them).
    int CiclosSinMejora = 8;
    // Wall-clock budget in seconds for the whole reduction (0: none); the best result found
    // when it runs out is kept. The window leaves it at 0; the quality table uses it.
    double SegundosMaximos = 0;
    // The improvement step inside each cycle (local search after the greedy pass), and how
    // long each of its attempts insists before giving up (1: the program's own measure).
    bool MejoraLocal = true;
    double Esfuerzo = 1;
    // Worker threads (0: one per core); fewer when the memory of a large system asks for it.
    int Hilos = 0;
};

// The engine's parameters from the reduction settings (Tipo, Porcentaje, NuApuestas,
// ActivarCiclos, ModoNuApuestas, Aleatorio), out-of-range values treated as the program treats them.
ParametrosReduccion ParametrosDesde(const modGeneral::TipoReduccion& reduccion);

// What the progress function receives.
struct ProgresoReduccion {
    enum class Fase { Preparando, Voraz, Mejora, Terminado };
    Fase fase = Fase::Preparando;
    Long Escenarios = 0;        // scenarios of the system (0 while they are being read)
    Long Objetivo = 0;          // scenarios to cover (percentage target) or bets (bets target)
    Long Ciclo = 1;             // current cycle, from 1
    Long ApuestasElegidas = 0;  // bets of the current pass
    Long Cubiertos = 0;         // scenarios they cover
    Long MejorApuestas = 0;     // best result so far (0: none yet)
    Long MejorCubiertos = 0;
    // For a bar, 0..1 and never less than at the previous call: preparing and the first pass
    // by the work done; with cycles, once the time left is known, on toward the expected end
    // at the pace that reaches it then (a better result, which moves the end, slows it).
    double Fraccion = 0;
    Long CiclosCompletados = 0; // cycles done, counted in cycle order
    // Estimated time until the cycles end by themselves if no better result than those known
    // comes (a better one moves the end later, or at a lower bound ends them at once). -1: not
    // known yet (no cycle has run to its end), or only a stop or the time limit ends them.
    double SegundosRestantes = -1;
    int Hilos = 1;              // worker threads at work
};

using FuncionProgreso = std::function<void(const ProgresoReduccion&)>;

// A bet or scenario as 5 ascending base positions 1..N (CombinacionIndices).
using Posiciones = std::array<Byte, 5>;

struct ResultadoReduccion {
    std::vector<Posiciones> Apuestas;  // the best result: positions 1..N ascending
    Long Cubiertos = 0;                // scenarios those bets cover
    Long Escenarios = 0;               // distinct valid scenarios
    Long Objetivo = 0;                 // as in ProgresoReduccion
    Long ApuestasPrimerPase = 0;       // the first greedy pass, for comparison
    Long CubiertosPrimerPase = 0;
    Long Ciclos = 0;                   // cycles completed (a single pass counts 1)
    bool Detenido = false;             // ended by the stop flag or the time limit
    Long CotaApuestas = 0;             // no fewer bets can meet the target (0: not computed)
    int Hilos = 1;                     // worker threads used
};

// The engine on explicit tables: N base positions (5..50); scenarios and candidates are rows
// of 5 ascending positions 1..N (columns 1..5, any row bounds). Rows that are not a valid
// combination are skipped and repeated rows count once. candidatos may be the same table as
// escenarios. detener (may be null) is read after every progress call.
ResultadoReduccion Reducir(int N, const Tabla<Byte>& escenarios, const Tabla<Byte>& candidatos,
                           const ParametrosReduccion& parametros, const bool* detener,
                           const FuncionProgreso& progreso);

// The engine on the shared state: N = TotalNumerosBase, scenarios and candidates =
// ApuestasCondicionadas; sets TotalCondicionadas. On return ApuestasReducidas holds rows
// 1..n, columns 1..5, the numbers (CombinacionBase of each position) of each bet ascending.
ResultadoReduccion ReducirSistema(const ParametrosReduccion& parametros, const bool* detener,
                                  const FuncionProgreso& progreso);

// ApuestasReducidas := (1 To n, 1 To 5), the numbers of the result's bets.
void EscribirApuestasReducidas(const ResultadoReduccion& resultado);

// Rebuilds the system the reduction works on, with the filter flags of Eliminadas as they
// stand. From a file (desdeArchivo): TodasCombinaciones := the imported bets as positions in
// CombinacionBase, TotalCombinaciones := TotalImportadas, SistemaDirecto := false. Otherwise:
// TodasCombinaciones := every 5-subset of the base (GenerarCombinaciones(5, 5)),
// TotalCombinaciones := C(N,5). Then ApuestasCondicionadas := the rows whose Eliminadas flag
// is 0. Returns their count. An imported bet holding a number outside the base is not a row of
// the system and is left out; a missing or short Eliminadas keeps every row.
Long ReconstruirSistema(bool desdeArchivo);

// Scenarios (rows of escenarios) covered by the bets at guarantee g, counted plainly; repeated
// scenario rows count once. For checks and reports.
Long ContarCubiertos(int N, const Tabla<Byte>& escenarios, const std::vector<Posiciones>& apuestas,
                     int garantia);

}  // namespace modReduccion
