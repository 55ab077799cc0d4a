#include "main/modEstrellas.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

#include "main/modCalculo.h"
#include "platform/Plataforma.h"

namespace modEstrellas {

using namespace modGeneral;
using modCalculo::ErrorCalculo;

Integer CargarEstrellasMarcadas(const std::vector<Byte>& m, Integer tratamiento, Tabla<Byte>& pares) {
    pares.ReDim(1, MaximoParesEstrellas, 1, 2);
    const int s = static_cast<int>(m.size());
    // A single star cannot make a pair (the counters show 0 pairs for it too).
    if (s < 2 || s > 12) return 0;
    int k = 0;
    auto anadir = [&](Byte a, Byte b) {
        ++k;
        pares(k, 1) = a;
        pares(k, 2) = b;
    };
    switch (tratamiento) {
    case TratamientoAl2:
    case TratamientoAleatorias:
    case TratamientoSecuenciales:
        for (int a = 0; a < s - 1; ++a)
            for (int b = a + 1; b < s; ++b) anadir(m[a], m[b]);
        break;
    case TratamientoAl1: {
        // Eleven stars: the eleventh is left out, five pairs.
        const int usadas = s == 11 ? 10 : s;
        for (int a = 0; a + 1 < usadas; a += 2) anadir(m[a], m[a + 1]);
        if (usadas % 2 == 1) anadir(m[usadas - 1], m[0]);
        break;
    }
    default:
        break;
    }
    return static_cast<Integer>(k);
}

Long AsignarEstrellas(const Tabla<Byte>& pares, Integer totalPares, Long n, Integer tratamiento) {
    if (n <= 0 || tratamiento < TratamientoAl2 || tratamiento > TratamientoSecuenciales) {
        TratamientoAsignado = -1;
        return ApuestasReducidas.Vacia() ? 0 : ApuestasReducidas.Filas();
    }
    if (ApuestasReducidas.Vacia() || ApuestasReducidas.LBound1() > 1 || ApuestasReducidas.UBound1() < n ||
        ApuestasReducidas.LBound2() > 1 || ApuestasReducidas.UBound2() < 5)
        throw ErrorCalculo("No existen las " + std::to_string(n) + " apuestas a las que añadir las estrellas");
    const Long P = totalPares < 0 ? 0 : totalPares;
    if (P > 0 && (pares.Vacia() || pares.UBound1() < P))
        throw ErrorCalculo("Faltan pares de estrellas");

    // The numbers of rows 1..n, one column after another.
    const std::size_t un = static_cast<std::size_t>(n);
    std::unique_ptr<Byte[]> copia(new Byte[5 * un]);
    const long desde = 1 - ApuestasReducidas.LBound1();
    for (int c = 1; c <= 5; ++c)
        std::memcpy(copia.get() + (c - 1) * un, ApuestasReducidas.Columna(c) + desde, un);

    const bool todosLosPares = tratamiento == TratamientoAl2 || tratamiento == TratamientoAl1;
    const std::int64_t filas64 = P == 0 ? 0 : (todosLosPares ? static_cast<std::int64_t>(P) * n : n);
    if (filas64 > std::numeric_limits<Long>::max()) throw ErrorCalculo("Demasiadas apuestas");
    const Long filas = static_cast<Long>(filas64);

    // Free the old table first: the new one may be large.
    ApuestasReducidas.Erase();
    ApuestasReducidas.ReDim(1, filas, 1, 7, false);
    TratamientoAsignado = tratamiento;
    if (filas == 0) return 0;

    Byte* estrella1 = ApuestasReducidas.Columna(6);
    Byte* estrella2 = ApuestasReducidas.Columna(7);
    if (todosLosPares) {
        // Pair-major: one block of n rows per pair, written as whole runs.
        for (int c = 1; c <= 5; ++c) {
            Byte* destino = ApuestasReducidas.Columna(c);
            const Byte* origen = copia.get() + (c - 1) * un;
            for (Long k = 0; k < P; ++k) std::memcpy(destino + k * un, origen, un);
        }
        for (Long k = 0; k < P; ++k) {
            std::memset(estrella1 + k * un, pares(k + 1, 1), un);
            std::memset(estrella2 + k * un, pares(k + 1, 2), un);
        }
        return filas;
    }

    for (int c = 1; c <= 5; ++c) std::memcpy(ApuestasReducidas.Columna(c), copia.get() + (c - 1) * un, un);
    if (tratamiento == TratamientoAleatorias) {
        Plataforma& plataforma = Plataforma::Activa();
        for (Long i = 0; i < n; ++i) {
            plataforma.Randomize();
            Long k = static_cast<Long>(std::floor(P * plataforma.Rnd())) + 1;
            if (k > P) k = P;
            if (k < 1) k = 1;
            estrella1[i] = pares(k, 1);
            estrella2[i] = pares(k, 2);
        }
    } else {
        Long k = 1;
        for (Long i = 0; i < n; ++i) {
            estrella1[i] = pares(k, 1);
            estrella2[i] = pares(k, 2);
            if (++k > P) k = 1;
        }
    }
    return filas;
}

bool ApuestasCorrespondenAContadores(Long totalApuestas, Integer tratamientoActual) {
    if (totalApuestas <= 0 || ApuestasReducidas.Vacia()) return false;
    return TratamientoAsignado == tratamientoActual && ApuestasReducidas.LBound2() <= 1 &&
           ApuestasReducidas.UBound2() >= 7 && ApuestasReducidas.LBound1() <= 1 &&
           ApuestasReducidas.UBound1() == totalApuestas;
}

namespace {
bool apuestasPrestadas = false;
}  // namespace

void PrestarApuestasGrabacion(Long total) {
    if (total < 0) total = 0;
    if (total > 0 && (ApuestasReducidas.Vacia() || ApuestasReducidas.LBound1() > 1 ||
                      ApuestasReducidas.UBound1() < total || ApuestasReducidas.LBound2() > 1 ||
                      ApuestasReducidas.UBound2() < 7))
        throw ErrorCalculo("No existen las " + std::to_string(total) + " apuestas que se quieren grabar");
    DevolverApuestasGrabacion();
    // The writer reads rows 1..total of whatever bounds the table has.
    ApuestasGrabacion = std::move(ApuestasReducidas);
    apuestasPrestadas = true;
}

void DevolverApuestasGrabacion() {
    if (!apuestasPrestadas) return;
    ApuestasReducidas = std::move(ApuestasGrabacion);
    apuestasPrestadas = false;
}

}  // namespace modEstrellas
