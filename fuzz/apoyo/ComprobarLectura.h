// What every reading of a bet file must give, whatever the file: either a refusal with its
// reason and nothing kept, or bets that are all sound (five numbers 1..50 strictly
// ascending, two stars 1..12) with their use counts, that the repeat pass can index.
// A broken rule aborts, so the fuzzer keeps the input.
#pragma once

#include <cstdlib>

#include "common/modLeerApuestas.h"

inline void ComprobarLectura(const modLeerApuestas::LecturaApuestas& l) {
    using namespace modLeerApuestas;
    if (l.resultado != Resultado::Leido) {
        if (l.resultado == Resultado::Error && l.error.empty() == l.detalle.empty()) std::abort();
        if (!l.apuestas.Vacia() || l.total != 0) std::abort();
        return;
    }
    if (l.total < 0 || l.total > MaximoApuestas || l.apuestas.UBound1() < l.total) std::abort();
    long numeros = 0, estrellas = 0;
    for (int v = 1; v <= 50; ++v) numeros += l.UsosNumeros[static_cast<std::size_t>(v)];
    for (int v = 1; v <= 12; ++v) estrellas += l.UsosEstrellas[static_cast<std::size_t>(v)];
    if (numeros != 5L * l.total || estrellas != 2L * l.total) std::abort();
    for (Long n = 1; n <= l.total; ++n) {
        for (int c = 1; c <= 5; ++c) {
            const int v = l.apuestas(n, c);
            if (v < 1 || v > 50 || (c > 1 && v <= l.apuestas(n, c - 1))) std::abort();
        }
        for (int c = 6; c <= 7; ++c)
            if (l.apuestas(n, c) < 1 || l.apuestas(n, c) > 12) std::abort();
    }
    if (l.total > 0) {
        Tabla<Byte> destino;
        destino.ReDim(1, l.total, 1, 5);
        const Repetidas r = EliminarRepetidas(l.apuestas, l.total, destino);
        if (r.distintas + r.repetidas != l.total || r.distintas < 1) std::abort();
    }
}

// The same file read in pieces of another size gives the same reading.
inline void CompararLecturas(const modLeerApuestas::LecturaApuestas& a, const modLeerApuestas::LecturaApuestas& b) {
    if (a.resultado != b.resultado || a.error != b.error || a.detalle != b.detalle || a.total != b.total ||
        a.formatoLinea != b.formatoLinea || a.limiteAlcanzado != b.limiteAlcanzado ||
        a.UsosNumeros != b.UsosNumeros || a.UsosEstrellas != b.UsosEstrellas)
        std::abort();
    for (modGeneral::Long n = 1; n <= a.total; ++n)
        for (int c = 1; c <= 7; ++c)
            if (a.apuestas(n, c) != b.apuestas(n, c)) std::abort();
}
