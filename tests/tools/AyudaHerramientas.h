// Helpers of the tool windows' tests: bet tables, bet files on disk, file contents.
#pragma once

#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "common/modEncriptarFichero.h"
#include "common/modGeneral.h"

namespace ayuda {

using modGeneral::Byte;
using modGeneral::Long;

// n random bets in rows 1..n: five different numbers ascending, two different stars ascending.
inline Tabla<Byte> ApuestasAlAzar(Long n, unsigned semilla, long primeraFila = 1) {
    std::mt19937 g(semilla);
    Tabla<Byte> t;
    t.ReDim(primeraFila, n, 1, 7);
    for (Long b = 1; b <= n; ++b) {
        std::set<int> s;
        while (s.size() < 5) s.insert(static_cast<int>(g() % 50) + 1);
        int c = 1;
        for (int v : s) t(b, c++) = static_cast<Byte>(v);
        const int e1 = static_cast<int>(g() % 11) + 1;
        t(b, 6) = static_cast<Byte>(e1);
        t(b, 7) = static_cast<Byte>(e1 + 1 + static_cast<int>(g() % (12 - e1)));
    }
    return t;
}

// Writes rows 1..n of t as a .EUR file (through the program's writer).
inline bool EscribirEUR(const std::string& ruta, const Tabla<Byte>& t, Long n) {
    modGeneral::ApuestasGrabacion.ReDim(1, n, 1, 7);
    for (int c = 1; c <= 7; ++c)
        for (Long b = 1; b <= n; ++b) modGeneral::ApuestasGrabacion(b, c) = t(b, c);
    const bool ok = modEncriptarFichero::GuardarFicheroEUR(ruta, "PRUEBA", n, {});
    modGeneral::ApuestasGrabacion.Erase();
    return ok;
}

inline std::string LeerTexto(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline void EscribirTexto(const std::string& ruta, const std::string& texto) {
    std::ofstream f(ruta, std::ios::binary);
    f << texto;
}

}  // namespace ayuda
