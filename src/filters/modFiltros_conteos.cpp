// The count filters: low/high, decades, even/odd, consecutive numbers and last digits. Each
// row is reduced to a small code (counts packed in 3-bit fields, or a pattern of bits) and the
// verdict for every possible code is worked out once, before the pass.
#include <cstdint>
#include <vector>

#include "filters/modFiltros.h"
#include "filters/modFiltros_marco.h"

namespace modFiltros {

using namespace modGeneral;
using detalle::Columnas;
using detalle::FiguraAdmitida;
using detalle::LanzarPosicionFueraDeBase;
using detalle::NumerosPorPosicion;
using detalle::RecorrerFilas;
using detalle::Restringe;

namespace {

// A count of one class per position; a byte outside the base adds 8, which no valid row of
// five numbers can reach.
struct ConteoPorPosicion {
    Byte valor[256];
    template <typename EnClase>
    explicit ConteoPorPosicion(EnClase enClase) {
        const NumerosPorPosicion pos;
        for (int b = 0; b < 256; ++b) valor[b] = pos.numero[b] ? (enClase(pos.numero[b]) ? 1 : 0) : 8;
    }
};

// Passes over the rows marking those whose count of the class has its verdict in `falla`.
Long FiltrarPorConteo(const ConteoPorPosicion& conteo, const Byte (&falla)[6]) {
    const Columnas col;
    const Byte* const v = conteo.valor;
    return RecorrerFilas([&](std::size_t i) {
        const unsigned k = v[col.p[0][i]] + v[col.p[1][i]] + v[col.p[2][i]] + v[col.p[3][i]] +
                           v[col.p[4][i]];
        if (k > 5) LanzarPosicionFueraDeBase();
        return falla[k] != 0;
    });
}

int Decena(int n) { return n <= 9 ? 0 : n >= 40 ? 4 : n / 10; }

// The numbers of each position as 16-bit values; a byte outside the base holds 0x100.
struct Numeros16 {
    std::uint16_t x[256];
    Numeros16() {
        const NumerosPorPosicion pos;
        for (int b = 0; b < 256; ++b) x[b] = pos.numero[b] ? pos.numero[b] : 0x100;
    }
};

}  // namespace

Long FiltrarAltosBajos(Integer) {
    const bool altos = Restringe(Altos), bajos = Restringe(Bajos);
    Byte falla[6];
    for (int h = 0; h <= 5; ++h)
        falla[h] = (altos && Altos(h) == 0) || (bajos && Bajos(5 - h) == 0);
    return FiltrarPorConteo(ConteoPorPosicion([](int n) { return n > 24; }), falla);
}

Long FiltrarParesImpares(Integer) {
    if (!Restringe(ParesActivos)) return 0;
    Byte falla[6];
    for (int k = 0; k <= 5; ++k) falla[k] = ParesActivos(k) == 0;
    return FiltrarPorConteo(ConteoPorPosicion([](int n) { return n % 2 == 0; }), falla);
}

Long FiltrarDecenas(Integer) {
    const TablaConteos* const tablas[5] = {&Decena0109, &Decena1019, &Decena2029, &Decena3039,
                                           &Decena4050};
    bool restringe[5];
    for (int d = 0; d < 5; ++d) restringe[d] = Restringe(*tablas[d]);
    const bool figuras = Restringe(FigurasDecenas);

    // Code of a row: the five decade counts in 3-bit fields; bit 15 and up: a byte outside
    // the base. Only codes whose counts add up to five occur.
    std::vector<Byte> falla(1u << 15, 1);
    int c[5];
    for (c[0] = 0; c[0] <= 5; ++c[0])
        for (c[1] = 0; c[0] + c[1] <= 5; ++c[1])
            for (c[2] = 0; c[0] + c[1] + c[2] <= 5; ++c[2])
                for (c[3] = 0; c[0] + c[1] + c[2] + c[3] <= 5; ++c[3]) {
                    c[4] = 5 - c[0] - c[1] - c[2] - c[3];
                    bool f = figuras && !FiguraAdmitida(FigurasDecenas, Figura(c, 5));
                    for (int d = 0; d < 5 && !f; ++d) f = restringe[d] && (*tablas[d])(c[d]) == 0;
                    unsigned codigo = 0;
                    for (int d = 0; d < 5; ++d) codigo |= static_cast<unsigned>(c[d]) << (3 * d);
                    falla[codigo] = f;
                }

    const NumerosPorPosicion pos;
    std::uint32_t campo[256];
    for (int b = 0; b < 256; ++b)
        campo[b] = pos.numero[b] ? 1u << (3 * Decena(pos.numero[b])) : 1u << 15;
    const Columnas col;
    const Byte* const tabla = falla.data();
    return RecorrerFilas([&](std::size_t i) {
        const std::uint32_t codigo = campo[col.p[0][i]] + campo[col.p[1][i]] + campo[col.p[2][i]] +
                                     campo[col.p[3][i]] + campo[col.p[4][i]];
        if (codigo >> 15) LanzarPosicionFueraDeBase();
        return tabla[codigo] != 0;
    });
}

Long FiltrarSeguidos(Integer) {
    const bool longitudes = Restringe(NumerosSeguidos), figuras = Restringe(FigurasSeguidos);
    if (!longitudes && !figuras) return 0;

    // Pattern of a row: bit p-2 set when x(p) follows x(p-1) (p = 2..5). The runs and the
    // longest run follow from it.
    Byte falla[16];
    for (unsigned patron = 0; patron < 16; ++patron) {
        int runs[5], nRuns = 0, actual = 1, mayor = 1;
        for (int p = 2; p <= 5; ++p) {
            if (patron >> (p - 2) & 1u) {
                ++actual;
            } else {
                runs[nRuns++] = actual;
                if (actual > mayor) mayor = actual;
                actual = 1;
            }
        }
        runs[nRuns++] = actual;
        if (actual > mayor) mayor = actual;
        bool f = figuras && !FiguraAdmitida(FigurasSeguidos, Figura(runs, nRuns));
        if (!f && longitudes) f = NumerosSeguidos(mayor) != 1;
        falla[patron] = f;
    }

    const Numeros16 num;
    const Columnas col;
    return RecorrerFilas([&](std::size_t i) {
        const unsigned x1 = num.x[col.p[0][i]], x2 = num.x[col.p[1][i]], x3 = num.x[col.p[2][i]],
                       x4 = num.x[col.p[3][i]], x5 = num.x[col.p[4][i]];
        if ((x1 | x2 | x3 | x4 | x5) & 0x100) LanzarPosicionFueraDeBase();
        const unsigned patron = (x2 == x1 + 1) | (x3 == x2 + 1) << 1 | (x4 == x3 + 1) << 2 |
                                (x5 == x4 + 1) << 3;
        return falla[patron] != 0;
    });
}

Long FiltrarTerminaciones(Integer) {
    DimensionarTablasFijas();
    bool restringe[10];
    for (int d = 0; d <= 9; ++d) {
        restringe[d] = false;
        for (int c = 0; c <= 5; ++c) restringe[d] = restringe[d] || TerminadosEn(d, c) == 1;
    }
    const bool figuras = Restringe(FigurasTerminaciones);
    const int minima = SumaTerminacionesMinima, maxima = SumaTerminacionesMaxima;

    // Code of a row: the ten digit counts in 3-bit fields, digits 0..4 in the low 15 bits and
    // 5..9 in the next 15; bit 30 and up: a byte outside the base. Each half (at most five
    // numbers over five digits, 252 ways) is numbered through `mitad`, and the verdict is
    // kept for each pair of halves.
    std::vector<Byte> mitad(1u << 15, 255);
    std::vector<std::uint16_t> codigos;
    {
        int c[5];
        for (c[0] = 0; c[0] <= 5; ++c[0])
            for (c[1] = 0; c[0] + c[1] <= 5; ++c[1])
                for (c[2] = 0; c[0] + c[1] + c[2] <= 5; ++c[2])
                    for (c[3] = 0; c[0] + c[1] + c[2] + c[3] <= 5; ++c[3])
                        for (c[4] = 0; c[0] + c[1] + c[2] + c[3] + c[4] <= 5; ++c[4]) {
                            unsigned codigo = 0;
                            for (int d = 0; d < 5; ++d) codigo |= static_cast<unsigned>(c[d]) << (3 * d);
                            mitad[codigo] = static_cast<Byte>(codigos.size());
                            codigos.push_back(static_cast<std::uint16_t>(codigo));
                        }
    }
    std::vector<Byte> falla(1u << 16, 1);
    for (std::size_t a = 0; a < codigos.size(); ++a)
        for (std::size_t b = 0; b < codigos.size(); ++b) {
            int c[10], total = 0, suma = 0;
            for (int d = 0; d < 5; ++d) {
                c[d] = codigos[a] >> (3 * d) & 7;
                c[d + 5] = codigos[b] >> (3 * d) & 7;
            }
            for (int d = 0; d <= 9; ++d) {
                total += c[d];
                suma += d * c[d];
            }
            if (total != 5) continue;
            bool f = figuras && !FiguraAdmitida(FigurasTerminaciones, Figura(c, 10));
            f = f || suma < minima || suma > maxima;
            for (int d = 0; d <= 9 && !f; ++d) f = restringe[d] && TerminadosEn(d, c[d]) == 0;
            falla[a << 8 | b] = f;
        }

    const NumerosPorPosicion pos;
    std::uint64_t campo[256];
    for (int b = 0; b < 256; ++b)
        campo[b] = pos.numero[b] ? std::uint64_t{1} << (3 * (pos.numero[b] % 10)) : std::uint64_t{1} << 30;
    const Columnas col;
    const Byte* const m = mitad.data();
    const Byte* const tabla = falla.data();
    return RecorrerFilas([&](std::size_t i) {
        const std::uint64_t codigo = campo[col.p[0][i]] + campo[col.p[1][i]] + campo[col.p[2][i]] +
                                     campo[col.p[3][i]] + campo[col.p[4][i]];
        if (codigo >> 30) LanzarPosicionFueraDeBase();
        return tabla[static_cast<unsigned>(m[codigo & 0x7FFF]) << 8 | m[codigo >> 15]] != 0;
    });
}

}  // namespace modFiltros
