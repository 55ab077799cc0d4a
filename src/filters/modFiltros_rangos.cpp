// Distances, sums and ball positions: tests on the numbers themselves, each answered by a
// small table filled before the pass.
#include <cstdint>

#include "filters/modFiltros.h"
#include "filters/modFiltros_marco.h"

namespace modFiltros {

using namespace modGeneral;
using detalle::Columnas;
using detalle::LanzarPosicionFueraDeBase;
using detalle::NumerosPorPosicion;
using detalle::RecorrerFilas;

Long FiltrarDistancias(Integer) {
    const int minimo[5] = {Distancia12Minima, Distancia23Minima, Distancia34Minima,
                           Distancia45Minima, Distancia15Minima};
    const int maximo[5] = {Distancia12Maxima, Distancia23Maxima, Distancia34Maxima,
                           Distancia45Maxima, Distancia15Maxima};
    // fuera[k][d + 64]: difference d breaks pair k (1-2, 2-3, 3-4, 4-5, 1-5). A pair with
    // minimum and maximum both 0 is inactive.
    constexpr int Desplazamiento = 64;
    Byte fuera[5][128];
    for (int k = 0; k < 5; ++k) {
        const bool activo = minimo[k] != 0 || maximo[k] != 0;
        for (int d = -Desplazamiento; d < 128 - Desplazamiento; ++d)
            fuera[k][d + Desplazamiento] = activo && (d < minimo[k] || d > maximo[k]);
    }
    // The number of each position, in a table where a byte outside the base reads 0x100.
    const NumerosPorPosicion pos;
    std::uint16_t x[256];
    for (int b = 0; b < 256; ++b) x[b] = pos.numero[b] ? pos.numero[b] : 0x100;
    const Columnas col;
    return RecorrerFilas([&](std::size_t i) {
        const int x1 = x[col.p[0][i]], x2 = x[col.p[1][i]], x3 = x[col.p[2][i]],
                  x4 = x[col.p[3][i]], x5 = x[col.p[4][i]];
        if ((x1 | x2 | x3 | x4 | x5) & 0x100) LanzarPosicionFueraDeBase();
        return (fuera[0][x2 - x1 + Desplazamiento] | fuera[1][x3 - x2 + Desplazamiento] |
                fuera[2][x4 - x3 + Desplazamiento] | fuera[3][x5 - x4 + Desplazamiento] |
                fuera[4][x5 - x1 + Desplazamiento]) != 0;
    });
}

Long FiltrarSumas(Integer) {
    bool alguno = false;
    bool activo[7] = {};
    for (int k = 1; k <= 6; ++k) {
        activo[k] = SumaMinima[k] != 0 || SumaMaxima[k] != 0;
        alguno = alguno || activo[k];
    }
    if (!alguno) return 0;
    // The intervals are alternatives: a sum passes when one active interval holds it.
    Byte falla[256];
    for (int s = 0; s < 256; ++s) {
        bool dentro = false;
        for (int k = 1; k <= 6 && !dentro; ++k)
            dentro = activo[k] && SumaMinima[k] <= s && s <= SumaMaxima[k];
        falla[s] = !dentro;
    }
    // A byte outside the base adds 0x100, beyond the largest sum of five numbers (250).
    const NumerosPorPosicion pos;
    std::uint16_t x[256];
    for (int b = 0; b < 256; ++b) x[b] = pos.numero[b] ? pos.numero[b] : 0x100;
    const Columnas col;
    return RecorrerFilas([&](std::size_t i) {
        const unsigned s = x[col.p[0][i]] + x[col.p[1][i]] + x[col.p[2][i]] + x[col.p[3][i]] +
                           x[col.p[4][i]];
        if (s > 255) LanzarPosicionFueraDeBase();
        return falla[s] != 0;
    });
}

Long FiltrarPosiciones(Integer) {
    DimensionarTablasFijas();
    // veredicto[p][b]: 0 the number at base position b may stand at ball position p, 1 it may
    // not, 2 b is not a position of the base.
    const NumerosPorPosicion pos;
    Byte veredicto[5][256];
    for (int p = 1; p <= 5; ++p) {
        bool restringe = false;
        for (int n = 1; n <= 50 && !restringe; ++n) restringe = PosicionesNumeros(p, n) == 1;
        for (int b = 0; b < 256; ++b) {
            const Byte n = pos.numero[b];
            veredicto[p - 1][b] = n == 0 ? 2 : (restringe && PosicionesNumeros(p, n) != 1) ? 1 : 0;
        }
    }
    const Columnas col;
    return RecorrerFilas([&](std::size_t i) {
        const Byte v = veredicto[0][col.p[0][i]] | veredicto[1][col.p[1][i]] |
                       veredicto[2][col.p[2][i]] | veredicto[3][col.p[3][i]] |
                       veredicto[4][col.p[4][i]];
        if (v & 2) LanzarPosicionFueraDeBase();
        return v != 0;
    });
}

}  // namespace modFiltros
