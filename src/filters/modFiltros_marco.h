// What the ten evaluators share: the pass over the rows of TodasCombinaciones (skipping rows
// already removed, yielding every 4000 rows, counting what this pass removes) and the lookup
// tables that turn a row's positions into the facts a filter tests. Internal to modFiltros.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/modGeneral.h"
#include "platform/Plataforma.h"

namespace modFiltros::detalle {

using modGeneral::Byte;
using modGeneral::Long;

// The window toolkit gets a turn before every row whose number is a multiple of this.
inline constexpr Long FilasPorCesion = 4000;

// A row names a position outside CombinacionBase (an imported bet whose number was later
// unmarked): reading it would run off the base, so the calculation ends with a run-time error.
[[noreturn]] void LanzarPosicionFueraDeBase();

// The number at each raw position byte 0..255; 0 where the byte is not a position of the base.
struct NumerosPorPosicion {
    Byte numero[256];
    NumerosPorPosicion();
};

// A count table restricts when one of its entries 0..5 is 1.
inline bool Restringe(const modGeneral::TablaConteos& t) {
    for (int c = 0; c <= 5; ++c)
        if (t(c) == 1) return true;
    return false;
}
inline bool Restringe(const modGeneral::TablaFiguras& t) {
    for (int f = 1; f <= 7; ++f)
        if (t(f) == 1) return true;
    return false;
}
// Figure test: the row passes when the table's entry for its figure is not 0.
inline bool FiguraAdmitida(const modGeneral::TablaFiguras& t, int figura) {
    return figura >= 1 && figura <= 7 && t(figura) != 0;
}

// One pass of the frame over rows 1..TotalCombinaciones. `falla(i)` is asked about the row
// with 0-based index i (row i + 1) only while that row is still standing; the rows it fails
// are marked. Returns how many rows this pass marked.
template <typename Falla>
Long RecorrerFilas(Falla&& falla) {
    const Long total = modGeneral::TotalCombinaciones;
    if (total <= 0) return 0;
    TV_LIMITE(modGeneral::Eliminadas.LBound() == -1 && modGeneral::Eliminadas.UBound() >= total);
    TV_LIMITE(modGeneral::TodasCombinaciones.LBound1() == 1 &&
              modGeneral::TodasCombinaciones.UBound1() >= total);
    Byte* const eliminada = modGeneral::Eliminadas.Datos() + 2;  // index 0 = row 1
    Long marcadas = 0;
    for (Long fila = 1; fila <= total;) {
        if (fila % FilasPorCesion == 0) Plataforma::Activa().DoEvents();
        // Rows up to the one before the next yield, without a test per row for the yield.
        const Long ultima = (fila / FilasPorCesion + 1) * FilasPorCesion - 1;
        const std::size_t fin = static_cast<std::size_t>(ultima < total ? ultima : total);
        for (std::size_t i = static_cast<std::size_t>(fila - 1); i < fin; ++i) {
            if (eliminada[i]) continue;
            if (falla(i)) {
                eliminada[i] = 1;
                ++marcadas;
            }
        }
        fila = static_cast<Long>(fin) + 1;
    }
    return marcadas;
}

// The five position columns of TodasCombinaciones, each contiguous from row 1 (null when
// there are no rows, and then never read).
struct Columnas {
    const Byte* p[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};
    Columnas() {
        if (modGeneral::TotalCombinaciones <= 0) return;
        for (int k = 0; k < 5; ++k) p[k] = modGeneral::TodasCombinaciones.Columna(k + 1);
    }
};

// Per-row 64-bit masks of the numbers (bit n for number n) of the rows still standing, for the
// filters that make one pass per group. Rows removed before the call are left at 0.
void CalcularMascarasFilas(std::uint64_t* mascaras);

}  // namespace modFiltros::detalle
