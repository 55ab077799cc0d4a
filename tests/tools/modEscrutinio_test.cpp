#include <gtest/gtest.h>

#include <random>
#include <set>

#include "tools/modEscrutinio.h"

using namespace modGeneral;
using namespace modEscrutinio;

namespace {

// A table of n random bets (rows 1..n): five different numbers ascending and two stars, which
// may repeat (text files allow it).
Tabla<Byte> ApuestasAlAzar(Long n, unsigned semilla) {
    std::mt19937 g(semilla);
    Tabla<Byte> t;
    t.ReDim(1, n, 1, 7);
    for (Long b = 1; b <= n; ++b) {
        std::set<int> s;
        while (s.size() < 5) s.insert(static_cast<int>(g() % 50) + 1);
        int c = 1;
        for (int v : s) t(b, c++) = static_cast<Byte>(v);
        t(b, 6) = static_cast<Byte>(g() % 12 + 1);
        t(b, 7) = static_cast<Byte>(g() % 12 + 1);
    }
    return t;
}

}  // namespace

TEST(modEscrutinio, CategoriasDelSorteo) {
    EXPECT_EQ(CategoriaPremio(5, 2), 0);
    EXPECT_EQ(CategoriaPremio(4, 0), 6);
    EXPECT_EQ(CategoriaPremio(2, 0), 12);
    EXPECT_EQ(CategoriaPremio(1, 2), 10);
    // No prize below these.
    EXPECT_EQ(CategoriaPremio(1, 1), -1);
    EXPECT_EQ(CategoriaPremio(0, 2), -1);
    EXPECT_EQ(CategoriaPremio(1, 0), -1);
    EXPECT_EQ(CategoriaPremio(6, 0), -1);
    for (int k = 0; k < TotalCategorias; ++k)
        EXPECT_EQ(CategoriaPremio(AciertosNumeros[k], AciertosEstrellas[k]), k) << NombresCategorias[k];
}

TEST(modEscrutinio, CombinacionCompletaPideCincoNumerosYDosEstrellasDistintos) {
    Byte g[8] = {0, 3, 17, 25, 40, 48, 2, 11};
    EXPECT_TRUE(CombinacionCompleta(g));
    g[7] = 2;
    EXPECT_FALSE(CombinacionCompleta(g));  // the same star twice
    g[7] = 13;
    EXPECT_FALSE(CombinacionCompleta(g));
    g[7] = 11;
    g[5] = 0;
    EXPECT_FALSE(CombinacionCompleta(g));
    g[5] = 17;
    EXPECT_FALSE(CombinacionCompleta(g));
}

TEST(modEscrutinio, LasCuentasCoincidenConUnRecuentoDirecto) {
    const Long n = 30000;
    Tabla<Byte> t = ApuestasAlAzar(n, 7);
    for (unsigned semilla = 1; semilla <= 5; ++semilla) {
        // The winning combination is one of the bets (so the top category is reached) with
        // other stars.
        std::mt19937 g(semilla);
        const Long fila = static_cast<Long>(g() % n) + 1;
        Byte ganadora[8] = {0, t(fila, 1), t(fila, 2), t(fila, 3), t(fila, 4), t(fila, 5), 4, 9};
        Long directo[TotalCategorias + 1] = {};
        for (Long b = 1; b <= n; ++b) {
            int aciertos = 0, estrellas = 0;
            for (int c = 1; c <= 5; ++c)
                for (int i = 1; i <= 5; ++i) aciertos += t(b, c) == ganadora[i];
            for (int i = 6; i <= 7; ++i) estrellas += t(b, 6) == ganadora[i] || t(b, 7) == ganadora[i];
            const int k = CategoriaPremio(aciertos, estrellas);
            ++directo[k < 0 ? TotalCategorias : k];
        }
        long cesiones = 0;
        const ResultadoEscrutinio r = EscrutarApuestas(t, 1, n, ganadora, [&] { ++cesiones; });
        for (int k = 0; k < TotalCategorias; ++k) EXPECT_EQ(r.porCategoria[k], directo[k]) << NombresCategorias[k];
        EXPECT_EQ(r.sinPremio, directo[TotalCategorias]);
        EXPECT_EQ(r.total, n);
        EXPECT_GE(r.porCategoria[CategoriaPremio(5, 0)] + r.porCategoria[0] + r.porCategoria[1], 1);
        EXPECT_EQ(cesiones, n / 5000);
    }
}

TEST(modEscrutinio, UnaEstrellaRepetidaCuentaUnaVez) {
    Tabla<Byte> t;
    t.ReDim(1, 1, 1, 7);
    const Byte fila[7] = {1, 2, 3, 4, 5, 6, 6};
    for (int c = 1; c <= 7; ++c) t(1, c) = fila[c - 1];
    Byte ganadora[8] = {0, 1, 2, 3, 4, 5, 6, 7};
    const ResultadoEscrutinio r = EscrutarApuestas(t, 1, 1, ganadora);
    EXPECT_EQ(r.porCategoria[CategoriaPremio(5, 1)], 1);
}

TEST(modEscrutinio, ElIntervaloSeRecortaALaTabla) {
    Tabla<Byte> t = ApuestasAlAzar(10, 3);
    Byte ganadora[8] = {0, 1, 2, 3, 4, 5, 1, 2};
    EXPECT_EQ(EscrutarApuestas(t, 1, 25, ganadora).total, 10);
    EXPECT_EQ(EscrutarApuestas(t, 4, 6, ganadora).total, 3);
    Tabla<Byte> cinco;
    cinco.ReDim(1, 10, 1, 5);  // no star columns: nothing to scrutinise
    EXPECT_EQ(EscrutarApuestas(cinco, 1, 10, ganadora).total, 0);
    EXPECT_EQ(EscrutarApuestas(Tabla<Byte>(), 1, 10, ganadora).total, 0);
}
