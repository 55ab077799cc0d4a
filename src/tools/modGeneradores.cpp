#include "tools/modGeneradores.h"

#include <algorithm>

#include "common/modCSN.h"
#include "common/modOrdenaciones.h"

namespace modGeneradores {

using namespace modGeneral;

namespace {
struct Binomiales {
    Long c[51][6] = {};
    Binomiales() {
        for (int n = 0; n <= 50; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 5; ++k) c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
const Binomiales& C() {
    static const Binomiales b;
    return b;
}

void EscribirApuesta(Tabla<Byte>& t, Long fila, const Byte n[5], Byte e1, Byte e2) {
    for (int c = 0; c < 5; ++c) t(fila, c + 1) = n[c];
    t(fila, 6) = e1;
    t(fila, 7) = e2;
}
}  // namespace

void CombinacionDeRango(const std::vector<Byte>& numeros, Long r, Byte apuesta[5]) {
    const Binomiales& b = C();
    const int n = static_cast<int>(numeros.size());
    int x = 0;  // next candidate position
    for (int p = 0; p < 5; ++p) {
        // Skip the combinations that start with position x at this place.
        for (;;) {
            const Long saltadas = b.c[n - x - 1][4 - p];
            if (r < saltadas) break;
            r -= saltadas;
            ++x;
        }
        apuesta[p] = numeros[static_cast<std::size_t>(x)];
        ++x;
    }
}

void GenerarApuestasAleatorias(const std::vector<Byte>& numeros, Byte e1, Byte e2, Long cuantas, const Azar& azar,
                               const Ceder& ceder) {
    const Long m = C().c[numeros.size()][5];
    cuantas = std::clamp<Long>(cuantas, 0, m);
    Orden.ReDim(0, m, false);
    Long* orden = Orden.Datos();
    for (Long i = 0; i <= m; ++i) orden[i] = i;
    ApuestasGrabacion.ReDim(1, cuantas, 1, 7, false);
    Byte apuesta[5];
    for (Long i = 0; i < cuantas; ++i) {
        Long j = i + static_cast<Long>(azar() * static_cast<double>(m - i));
        if (j >= m) j = m - 1;  // a value of the source at its very top
        std::swap(orden[i], orden[j]);
        CombinacionDeRango(numeros, orden[i], apuesta);
        EscribirApuesta(ApuestasGrabacion, i + 1, apuesta, e1, e2);
        if ((i + 1) % 500 == 0 && ceder) ceder();
    }
    Orden.Erase();
}

Long IntentosMaximos(Long cuantas) { return 50 * cuantas + 1000000; }

Long GenerarApuestasPorPorcentaje(const int porcentajes[51], Byte e1, Byte e2, Long cuantas, const Azar& azar,
                                  const Ceder& ceder) {
    ApuestasGrabacion.ReDim(1, std::max<Long>(cuantas, 0), 1, 7, false);
    Arreglo<Byte> vistas(1, MaximoCombinaciones);  // one mark per 5-of-50 combination
    Long pesoTotal = 0;
    for (int n = 1; n <= 50; ++n) pesoTotal += std::max(porcentajes[n], 0);
    const Long limite = IntentosMaximos(cuantas);
    Long hechas = 0, intentos = 0;
    Long elegidos[5];
    Byte apuesta[6];
    while (hechas < cuantas && intentos < limite) {
        ++intentos;
        int peso[51];
        for (int n = 1; n <= 50; ++n) peso[n] = std::max(porcentajes[n], 0);
        Long resto = pesoTotal;
        for (int k = 0; k < 5; ++k) {
            // A number by its share of what is left.
            double objetivo = azar() * static_cast<double>(resto);
            int elegido = 0;
            for (int n = 1; n <= 50; ++n) {
                if (peso[n] == 0) continue;
                elegido = n;
                if (objetivo < peso[n]) break;
                objetivo -= peso[n];
            }
            elegidos[k] = elegido;
            resto -= peso[elegido];
            peso[elegido] = 0;
        }
        modOrdenaciones::OrdenarQuickSort(elegidos, 0, 4);
        for (int k = 0; k < 5; ++k) apuesta[k + 1] = static_cast<Byte>(elegidos[k]);
        const Long indice = modCSN::IndiceCombinacion(5, 50, apuesta);
        if (vistas(indice)) continue;
        vistas(indice) = 1;
        ++hechas;
        EscribirApuesta(ApuestasGrabacion, hechas, apuesta + 1, e1, e2);
        if (hechas % 500 == 0 && ceder) ceder();
    }
    return hechas;
}

}  // namespace modGeneradores
