// Number groups and related groups: one pass over the rows per group in use, each row's hit
// count in a group being the popcount of its number mask (bit n for number n, worked out once
// per call) and the group's mask.
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "filters/modFiltros.h"
#include "filters/modFiltros_marco.h"

namespace modFiltros {

using namespace modGeneral;
using detalle::CalcularMascarasFilas;
using detalle::RecorrerFilas;

namespace {

// The passes are compiled twice, with and without the processor's popcount instruction, and
// the loader picks the one the machine runs (the baseline would call a library routine).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define TV_CON_POPCNT [[gnu::target_clones("popcnt", "default"), gnu::flatten]]
#else
#define TV_CON_POPCNT
#endif

std::uint64_t MascaraFila(const Tabla<Byte>& pertenencia, int fila) {
    std::uint64_t m = 0;
    for (int n = 1; n <= 50; ++n)
        if (pertenencia(fila, n) == 1) m |= std::uint64_t{1} << n;
    return m;
}

struct GrupoNumeros {
    std::uint64_t numeros;
    Byte falla[8];  // by hit count 0..5
};

// Whether the conditions in use can be met by distinct subgroups: condition `nivel` tries the
// subgroups not yet taken, in order, and the search stops at the first full assignment.
bool AsignarCondiciones(const Byte (*admite)[6], int condiciones, const int* aciertos,
                        int subgrupos, int nivel, unsigned usados) {
    if (nivel >= condiciones || nivel >= 4) return true;  // at most four conditions
    for (int j = 0; j < subgrupos; ++j) {
        if (usados >> j & 1u) continue;
        if (admite[nivel][aciertos[j]] != 1) continue;
        if (AsignarCondiciones(admite, condiciones, aciertos, subgrupos, nivel + 1, usados | 1u << j))
            return true;
    }
    return false;
}

TV_CON_POPCNT
Long PasadaGrupo(const std::uint64_t* m, std::uint64_t numeros, const Byte* falla) {
    return RecorrerFilas([&](std::size_t i) { return falla[std::popcount(m[i] & numeros)] != 0; });
}

TV_CON_POPCNT
Long PasadaGrupoRelacionado(const std::uint64_t* m, const std::uint64_t* sub, const Byte* falla) {
    const std::uint64_t s0 = sub[0], s1 = sub[1], s2 = sub[2], s3 = sub[3];
    return RecorrerFilas([&](std::size_t i) {
        const std::uint64_t x = m[i];
        const unsigned codigo = static_cast<unsigned>(std::popcount(x & s0)) |
                                static_cast<unsigned>(std::popcount(x & s1)) << 3 |
                                static_cast<unsigned>(std::popcount(x & s2)) << 6 |
                                static_cast<unsigned>(std::popcount(x & s3)) << 9;
        return falla[codigo] != 0;
    });
}

}  // namespace

Long FiltrarGrupos(Integer) {
    DimensionarTablasFijas();
    // A group with no number restricts nothing and makes no pass.
    std::vector<GrupoNumeros> grupos;
    for (int g = 1; g <= 120; ++g) {
        GrupoNumeros gr{MascaraFila(GruposNumeros, g), {1, 1, 1, 1, 1, 1, 1, 1}};
        if (gr.numeros == 0) continue;
        for (int h = 0; h <= 5; ++h) gr.falla[h] = GruposAciertos(g, h) != 1;
        grupos.push_back(gr);
    }
    if (grupos.empty() || TotalCombinaciones <= 0) return 0;

    std::vector<std::uint64_t> mascaras(static_cast<std::size_t>(TotalCombinaciones));
    CalcularMascarasFilas(mascaras.data());
    Long marcadas = 0;
    for (const GrupoNumeros& gr : grupos) marcadas += PasadaGrupo(mascaras.data(), gr.numeros, gr.falla);
    return marcadas;
}

Long FiltrarGruposRelacionados(Integer) {
    DimensionarTablasFijas();
    std::vector<std::uint64_t> mascaras;
    Long marcadas = 0;
    for (int g = 1; g <= 40; ++g) {
        const int primera = 4 * (g - 1) + 1;
        int subgrupos = 0;
        for (int s = 0; s < 4; ++s)
            if (MascaraFila(SubgruposNumeros, primera + s) != 0) ++subgrupos;
        // The groups in use come first: the first one without numbers ends the filter.
        if (subgrupos == 0) break;

        Byte admite[4][6];
        int condiciones = 0;
        for (int s = 0; s < 4; ++s) {
            bool enUso = false;
            for (int h = 0; h <= 5; ++h) enUso = enUso || CondicionesAciertos(primera + s, h) != 0;
            if (!enUso) continue;
            for (int h = 0; h <= 5; ++h) admite[condiciones][h] = CondicionesAciertos(primera + s, h);
            ++condiciones;
        }
        // Only the first `subgrupos` rows are read: the window and the base file reader keep
        // the non-empty subgroups of a group in front.
        std::uint64_t sub[4] = {0, 0, 0, 0};
        for (int j = 0; j < subgrupos; ++j) sub[j] = MascaraFila(SubgruposNumeros, primera + j);

        // Verdict for every combination of the hit counts, 3 bits per subgroup. No condition
        // in use, or more conditions than subgroups, leaves no assignment. Codes that cannot
        // occur (a count above 5, hits in a subgroup not read) stay failing.
        Byte falla[1 << 12];
        std::memset(falla, 1, sizeof falla);
        const int tope[4] = {5, subgrupos > 1 ? 5 : 0, subgrupos > 2 ? 5 : 0, subgrupos > 3 ? 5 : 0};
        int h[4];
        for (h[0] = 0; h[0] <= tope[0]; ++h[0])
            for (h[1] = 0; h[1] <= tope[1]; ++h[1])
                for (h[2] = 0; h[2] <= tope[2]; ++h[2])
                    for (h[3] = 0; h[3] <= tope[3]; ++h[3]) {
                        const unsigned codigo = static_cast<unsigned>(h[0] | h[1] << 3 | h[2] << 6 | h[3] << 9);
                        if (condiciones > 0)
                            falla[codigo] = !AsignarCondiciones(admite, condiciones, h, subgrupos, 0, 0);
                    }

        if (TotalCombinaciones <= 0) continue;
        if (mascaras.empty()) {
            mascaras.resize(static_cast<std::size_t>(TotalCombinaciones));
            CalcularMascarasFilas(mascaras.data());
        }
        marcadas += PasadaGrupoRelacionado(mascaras.data(), sub, falla);
    }
    return marcadas;
}

}  // namespace modFiltros
