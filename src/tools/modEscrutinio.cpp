#include "tools/modEscrutinio.h"

#include <algorithm>

namespace modEscrutinio {

const char* const NombresCategorias[TotalCategorias] = {"5+2", "5+1", "5+0", "4+2", "4+1", "3+2", "4+0",
                                                        "2+2", "3+1", "3+0", "1+2", "2+1", "2+0"};
const int AciertosNumeros[TotalCategorias] = {5, 5, 5, 4, 4, 3, 4, 2, 3, 3, 1, 2, 2};
const int AciertosEstrellas[TotalCategorias] = {2, 1, 0, 2, 1, 2, 0, 2, 1, 0, 2, 1, 0};

namespace {
constexpr int SinPremio = TotalCategorias;

struct TablaCategorias {
    Byte c[6][3];
    TablaCategorias() {
        for (auto& fila : c)
            for (auto& v : fila) v = SinPremio;
        for (int k = 0; k < TotalCategorias; ++k) c[AciertosNumeros[k]][AciertosEstrellas[k]] = static_cast<Byte>(k);
    }
};
const TablaCategorias& Categorias() {
    static const TablaCategorias t;
    return t;
}
}  // namespace

int CategoriaPremio(int numerosAcertados, int estrellasAcertadas) {
    if (numerosAcertados < 0 || numerosAcertados > 5 || estrellasAcertadas < 0 || estrellasAcertadas > 2) return -1;
    const int k = Categorias().c[numerosAcertados][estrellasAcertadas];
    return k == SinPremio ? -1 : k;
}

bool CombinacionCompleta(const Byte ganadora[8]) {
    for (int i = 1; i <= 5; ++i) {
        if (ganadora[i] < 1 || ganadora[i] > 50) return false;
        for (int j = 1; j < i; ++j)
            if (ganadora[j] == ganadora[i]) return false;
    }
    for (int i = 6; i <= 7; ++i)
        if (ganadora[i] < 1 || ganadora[i] > 12) return false;
    return ganadora[6] != ganadora[7];
}

ResultadoEscrutinio EscrutarApuestas(const Tabla<Byte>& apuestas, Long primera, Long ultima,
                                     const Byte ganadora[8], const Ceder& ceder) {
    ResultadoEscrutinio r;
    if (apuestas.Vacia() || apuestas.LBound2() > 1 || apuestas.UBound2() < 7) return r;
    primera = std::max<Long>(primera, static_cast<Long>(apuestas.LBound1()));
    ultima = std::min<Long>(ultima, static_cast<Long>(apuestas.UBound1()));
    if (ultima < primera) return r;

    // One lookup per value: is it a winning number, a winning star.
    Byte esNumero[256] = {}, esEstrella[256] = {};
    for (int i = 1; i <= 5; ++i) esNumero[ganadora[i]] = 1;
    for (int i = 6; i <= 7; ++i) esEstrella[ganadora[i]] = 1;
    esNumero[0] = esEstrella[0] = 0;
    const TablaCategorias& tabla = Categorias();

    const Byte* col[7];
    for (int c = 0; c < 7; ++c) col[c] = apuestas.Columna(c + 1) + (primera - apuestas.LBound1());
    Long cuentas[TotalCategorias + 1] = {};
    const Long total = ultima - primera + 1;
    constexpr Long Tramo = 5000;
    for (Long inicio = 0; inicio < total; inicio += Tramo) {
        const Long fin = std::min(total, inicio + Tramo);
        for (Long b = inicio; b < fin; ++b) {
            const int n = esNumero[col[0][b]] + esNumero[col[1][b]] + esNumero[col[2][b]] + esNumero[col[3][b]] +
                          esNumero[col[4][b]];
            const Byte e1 = col[5][b], e2 = col[6][b];
            const int e = esEstrella[e1] + (e2 != e1 ? esEstrella[e2] : 0);
            ++cuentas[tabla.c[n][e]];
        }
        if (fin % Tramo == 0 && ceder) ceder();
    }
    for (int k = 0; k < TotalCategorias; ++k) r.porCategoria[k] = cuentas[k];
    r.sinPremio = cuentas[SinPremio];
    r.total = total;
    return r;
}

}  // namespace modEscrutinio
