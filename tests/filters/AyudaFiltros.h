// Helpers of the filter tests: systems built from a base or from explicit rows, and a plain
// reference of every evaluator written straight from the filters' rules (loops, no masks, no
// tables of verdicts) to check the fast ones against.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/modGeneral.h"

namespace ayuda {

using namespace modGeneral;

using Fila = std::vector<int>;  // five numbers, ascending

// A generated system: every 5-subset of the base, Eliminadas cleared.
inline void PrepararBase(const std::vector<int>& numeros) {
    TotalNumerosBase = static_cast<Integer>(numeros.size());
    CombinacionBase.ReDim(1, TotalNumerosBase);
    for (std::size_t i = 0; i < numeros.size(); ++i)
        CombinacionBase(static_cast<long>(i) + 1) = static_cast<Byte>(numeros[i]);
    TotalCombinaciones = GenerarCombinaciones(5, 5);
    Eliminadas.ReDim(-1, TotalCombinaciones);
    Eliminadas(-1) = 1;
}

// An imported-style system: the given rows in the given order, as positions in a base made of
// every number the rows use (plus `extra`).
inline void PrepararFilas(const std::vector<Fila>& filas, const std::vector<int>& extra = {}) {
    std::set<int> usados(extra.begin(), extra.end());
    for (const Fila& f : filas) usados.insert(f.begin(), f.end());
    std::vector<int> base(usados.begin(), usados.end());
    TotalNumerosBase = static_cast<Integer>(base.size());
    CombinacionBase.ReDim(1, TotalNumerosBase);
    for (std::size_t i = 0; i < base.size(); ++i)
        CombinacionBase(static_cast<long>(i) + 1) = static_cast<Byte>(base[i]);
    TotalCombinaciones = static_cast<Long>(filas.size());
    TodasCombinaciones.ReDim(1, TotalCombinaciones, 1, 5);
    for (std::size_t r = 0; r < filas.size(); ++r)
        for (int p = 0; p < 5; ++p) {
            auto it = std::lower_bound(base.begin(), base.end(), filas[r][static_cast<std::size_t>(p)]);
            TodasCombinaciones(static_cast<long>(r) + 1, p + 1) = static_cast<Byte>(it - base.begin() + 1);
        }
    Eliminadas.ReDim(-1, TotalCombinaciones);
    Eliminadas(-1) = 1;
}

inline Fila NumerosDeFila(long c) {
    Fila x(5);
    for (int p = 1; p <= 5; ++p) x[static_cast<std::size_t>(p - 1)] = CombinacionBase(TodasCombinaciones(c, p));
    return x;
}

inline std::vector<Byte> CopiarEliminadas() {
    std::vector<Byte> v;
    for (long c = -1; c <= TotalCombinaciones; ++c) v.push_back(Eliminadas(c));
    return v;
}
inline void RestaurarEliminadas(const std::vector<Byte>& v) {
    for (long c = -1; c <= TotalCombinaciones; ++c) Eliminadas(c) = v[static_cast<std::size_t>(c + 1)];
}

// ---- Reference evaluators ----

using Evaluador = Long (*)(Integer);
struct Filtro {
    const char* nombre;
    Evaluador rapido;
    Evaluador referencia;
};
// The ten, in the order the calculation runs them.
const std::vector<Filtro>& Filtros();

// The figure by the literal rule: the counts in use written as digits form the figure text.
int FiguraReferencia(const std::vector<int>& conteos);

}  // namespace ayuda
