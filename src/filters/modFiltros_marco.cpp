#include "filters/modFiltros_marco.h"

#include <stdexcept>

#include "filters/modFiltros.h"

namespace modFiltros {

namespace detalle {

void LanzarPosicionFueraDeBase() {
    // The message the calculation shows after "ERROR: ".
    throw std::out_of_range("Subíndice fuera del intervalo");
}

NumerosPorPosicion::NumerosPorPosicion() {
    const auto& base = modGeneral::CombinacionBase;
    for (int b = 0; b < 256; ++b) {
        numero[b] = 0;
        if (b < 1 || b < base.LBound() || b > base.UBound()) continue;
        const Byte n = base(b);
        if (n >= 1 && n <= 50) numero[b] = n;
    }
}

void CalcularMascarasFilas(std::uint64_t* mascaras) {
    const Long total = modGeneral::TotalCombinaciones;
    if (total <= 0) return;
    // Bit 63 stands for a byte that is not a position of the base.
    const NumerosPorPosicion pos;
    std::uint64_t bit[256];
    for (int b = 0; b < 256; ++b)
        bit[b] = pos.numero[b] ? std::uint64_t{1} << pos.numero[b] : std::uint64_t{1} << 63;
    const Columnas col;
    const Byte* const eliminada = modGeneral::Eliminadas.Datos() + 2;
    std::uint64_t errores = 0;
    for (std::size_t i = 0, n = static_cast<std::size_t>(total); i < n; ++i) {
        const std::uint64_t m = bit[col.p[0][i]] | bit[col.p[1][i]] | bit[col.p[2][i]] |
                                bit[col.p[3][i]] | bit[col.p[4][i]];
        const std::uint64_t viva = eliminada[i] ? 0 : ~std::uint64_t{0};
        mascaras[i] = m & viva;
        errores |= m & viva;
    }
    if (errores >> 63) LanzarPosicionFueraDeBase();
}

}  // namespace detalle

Integer Figura(const int* conteos, int clases) {
    // The classes in use, written as digits one after another, give the figure text; its
    // length and whether it holds a 4 or a 3 are all the rule needs.
    int enUso = 0;
    bool tiene3 = false, tiene4 = false;
    for (int i = 0; i < clases; ++i) {
        if (conteos[i] == 0) continue;
        ++enUso;
        tiene3 = tiene3 || conteos[i] == 3;
        tiene4 = tiene4 || conteos[i] == 4;
    }
    switch (enUso) {
    case 1: return 1;
    case 2: return tiene4 ? 2 : 3;
    case 3: return tiene3 ? 4 : 5;
    case 4: return 6;
    case 5: return 7;
    default: return 0;
    }
}

}  // namespace modFiltros
