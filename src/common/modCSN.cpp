#include "common/modCSN.h"

#include <cstdint>
#include <vector>

namespace modCSN {

double CombinacionesDbl(Long n, Long k) {
    double abajo = 1;
    for (Long i = 1; i <= k; ++i) abajo *= i;
    double arriba = 1;
    for (Long i = n - k + 1; i <= n; ++i) arriba *= i;
    return arriba / abajo;
}

namespace {

// The index adds, for each element i < k, the terms C(n - t, k - i) for t running from just
// after the previous element up to the element itself, and then takes the last one back.
// Prefix sums of those terms turn each run into one subtraction. One table per (n, k),
// rebuilt only when a caller switches to another pair.
constexpr int NMaxTabla = 64;
constexpr int KMaxTabla = 8;

struct TablaIndice {
    int n = -1, k = -1;
    // suma[i][t] = sum over u = 1..t of CLng(C(n - u, k - i)); t = 0..n.
    std::int64_t suma[KMaxTabla][NMaxTabla + 1] = {};

    void Preparar(int nn, int kk) {
        n = nn;
        k = kk;
        for (int i = 1; i < k; ++i) {
            suma[i][0] = 0;
            for (int t = 1; t <= n; ++t)
                suma[i][t] = suma[i][t - 1] + modGeneral::CLng(CombinacionesDbl(n - t, k - i));
        }
    }
};

TablaIndice& Tabla() {
    static TablaIndice tabla;
    return tabla;
}

// The procedure step by step, for arguments the table does not cover.
Long IndicePasoAPaso(int k, int n, const Byte* c) {
    std::int64_t acc = 0;
    int t = 0;
    for (int i = 1; i <= k - 1; ++i) {
        std::int64_t termino = 0;
        do {
            ++t;
            termino = modGeneral::CLng(CombinacionesDbl(n - t, k - i));
            acc += termino;
        } while (t < c[i]);
        acc -= termino;
    }
    return static_cast<Long>(acc + c[k] - c[k - 1]);
}

}  // namespace

Long IndiceCombinacion(int k, int n, const Byte* c) {
    if (k < 2 || k >= KMaxTabla || n < 1 || n > NMaxTabla) return IndicePasoAPaso(k, n, c);
    TablaIndice& tabla = Tabla();
    if (tabla.n != n || tabla.k != k) tabla.Preparar(n, k);
    std::int64_t acc = 0;
    int t = 0;
    for (int i = 1; i < k; ++i) {
        // The run ends at the element, or one past the previous position when the element
        // does not move forward (only for input outside the contract; kept as the steps give).
        int fin = c[i] > t ? c[i] : t + 1;
        if (fin > n) return IndicePasoAPaso(k, n, c);
        acc += tabla.suma[i][fin - 1] - tabla.suma[i][t];
        t = fin;
    }
    return static_cast<Long>(acc + c[k] - c[k - 1]);
}

Long IndiceCombinacion(int k, int n, const Arreglo<Byte>& combinacion) {
    std::vector<Byte> c(static_cast<std::size_t>(k > 0 ? k + 1 : 1), 0);
    for (int i = 1; i <= k; ++i) c[static_cast<std::size_t>(i)] = combinacion(i);
    return IndiceCombinacion(k, n, c.data());
}

}  // namespace modCSN
