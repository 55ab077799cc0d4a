#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "main/modCalculo.h"
#include "main/modEstrellas.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;
using namespace modEstrellas;

namespace {

using Pares = std::vector<std::pair<int, int>>;

Pares LeerPares(const Tabla<Byte>& t, int n) {
    Pares p;
    for (int k = 1; k <= n; ++k) p.emplace_back(t(k, 1), t(k, 2));
    return p;
}

std::vector<Byte> PrimerasEstrellas(int s) {
    std::vector<Byte> v;
    for (int i = 1; i <= s; ++i) v.push_back(static_cast<Byte>(i));
    return v;
}

class Estrellas : public DatosIniciales {
protected:
    PlataformaGuion plataforma;
    Tabla<Byte> pares;

    // n number-bets in rows 1..n of a table that starts at row primera (the reduction may
    // start at row 0): bet i holds i, i+1, ..., i+4.
    void PonerApuestas(long n, long primera = 1) {
        ApuestasReducidas.ReDim(primera, n, 1, 5);
        for (long i = 1; i <= n; ++i)
            for (int c = 1; c <= 5; ++c) ApuestasReducidas(i, c) = static_cast<Byte>(i + c - 1);
    }
};

}  // namespace

TEST_F(Estrellas, ParesPorTratamiento) {
    EXPECT_EQ(CargarEstrellasMarcadas({2, 5, 9}, TratamientoAl2, pares), 3);
    EXPECT_EQ(LeerPares(pares, 3), (Pares{{2, 5}, {2, 9}, {5, 9}}));
    EXPECT_EQ(CargarEstrellasMarcadas({1, 3, 4, 8, 12}, TratamientoAl1, pares), 3);
    EXPECT_EQ(LeerPares(pares, 3), (Pares{{1, 3}, {4, 8}, {12, 1}}));
    // Eleven stars "al 1": five pairs and the eleventh star nowhere.
    const std::vector<Byte> once = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};
    EXPECT_EQ(CargarEstrellasMarcadas(once, TratamientoAl1, pares), 5);
    EXPECT_EQ(LeerPares(pares, 5), (Pares{{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}}));
    for (int k = 1; k <= MaximoParesEstrellas; ++k) {
        EXPECT_NE(pares(k, 1), 12);
        EXPECT_NE(pares(k, 2), 12);
    }
    // Two stars: one pair with every treatment.
    for (Integer t = 0; t <= 3; ++t) {
        EXPECT_EQ(CargarEstrellasMarcadas({4, 11}, t, pares), 1);
        EXPECT_EQ(LeerPares(pares, 1), (Pares{{4, 11}}));
    }
    // The table is cleared first; one star or an unknown treatment makes no pair.
    EXPECT_EQ(CargarEstrellasMarcadas({7}, TratamientoAl1, pares), 0);
    EXPECT_EQ(pares(1, 1), 0);
    EXPECT_EQ(CargarEstrellasMarcadas({1, 2, 3}, 4, pares), 0);
    EXPECT_EQ(pares(1, 1), 0);
}

TEST_F(Estrellas, CuentasComoLasMuestranLosContadores) {
    const int al2[13] = {0, 0, 1, 3, 6, 10, 15, 21, 28, 36, 45, 55, 66};
    const int al1[13] = {0, 0, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5, 6};
    for (int s = 2; s <= 12; ++s) {
        EXPECT_EQ(CargarEstrellasMarcadas(PrimerasEstrellas(s), TratamientoAl2, pares), al2[s]) << s;
        EXPECT_EQ(CargarEstrellasMarcadas(PrimerasEstrellas(s), TratamientoAleatorias, pares), al2[s]) << s;
        EXPECT_EQ(CargarEstrellasMarcadas(PrimerasEstrellas(s), TratamientoAl1, pares), al1[s]) << s;
    }
}

TEST_F(Estrellas, Al2RecorreTodasLasApuestasConCadaPar) {
    PonerApuestas(10);
    const Integer P = CargarEstrellasMarcadas({2, 5, 9}, TratamientoAl2, pares);
    ASSERT_EQ(AsignarEstrellas(pares, P, 10, TratamientoAl2), 30);
    EXPECT_EQ(ApuestasReducidas.LBound1(), 1);
    EXPECT_EQ(ApuestasReducidas.UBound2(), 7);
    const Pares esperados = {{2, 5}, {2, 9}, {5, 9}};
    for (int k = 1; k <= 3; ++k)
        for (long i = 1; i <= 10; ++i) {
            const long fila = (k - 1) * 10 + i;
            for (int c = 1; c <= 5; ++c) ASSERT_EQ(ApuestasReducidas(fila, c), i + c - 1);
            ASSERT_EQ(ApuestasReducidas(fila, 6), esperados[k - 1].first);
            ASSERT_EQ(ApuestasReducidas(fila, 7), esperados[k - 1].second);
        }
    EXPECT_EQ(TratamientoAsignado, TratamientoAl2);
}

TEST_F(Estrellas, SecuencialesRepartenLosParesPorTurno) {
    // The reduction may leave its bets from row 0; rows 1..n are the bets.
    PonerApuestas(8, 0);
    const Integer P = CargarEstrellasMarcadas({1, 2, 3, 4}, TratamientoSecuenciales, pares);
    ASSERT_EQ(P, 6);
    ASSERT_EQ(AsignarEstrellas(pares, P, 8, TratamientoSecuenciales), 8);
    const Pares orden = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}, {1, 2}, {1, 3}};
    for (long i = 1; i <= 8; ++i) {
        EXPECT_EQ(ApuestasReducidas(i, 1), i);
        EXPECT_EQ(ApuestasReducidas(i, 6), orden[i - 1].first);
        EXPECT_EQ(ApuestasReducidas(i, 7), orden[i - 1].second);
    }
}

TEST_F(Estrellas, AleatoriasDanUnParDeLosMarcadosACadaApuesta) {
    const long n = 3000;
    PonerApuestas(n);
    for (long i = 1; i <= n; ++i) ApuestasReducidas(i, 1) = static_cast<Byte>(i % 40 + 1);
    const Integer P = CargarEstrellasMarcadas({3, 6, 9, 12}, TratamientoAleatorias, pares);
    ASSERT_EQ(AsignarEstrellas(pares, P, n, TratamientoAleatorias), n);
    std::set<std::pair<int, int>> vistos;
    for (long i = 1; i <= n; ++i) {
        const std::pair<int, int> par(ApuestasReducidas(i, 6), ApuestasReducidas(i, 7));
        bool conocido = false;
        for (int k = 1; k <= P; ++k) conocido |= par == std::pair<int, int>(pares(k, 1), pares(k, 2));
        ASSERT_TRUE(conocido) << i;
        vistos.insert(par);
        ASSERT_EQ(ApuestasReducidas(i, 1), i % 40 + 1);
    }
    EXPECT_EQ(static_cast<int>(vistos.size()), P);  // 3000 draws reach all 6 pairs
}

TEST_F(Estrellas, SinApuestasOTratamientoDesconocidoNoCambiaNada) {
    PonerApuestas(4);
    const Integer P = CargarEstrellasMarcadas({1, 2}, TratamientoAl2, pares);
    EXPECT_EQ(AsignarEstrellas(pares, P, 0, TratamientoAl2), 4);
    EXPECT_EQ(ApuestasReducidas.UBound2(), 5);
    EXPECT_EQ(AsignarEstrellas(pares, P, 4, 7), 4);
    EXPECT_EQ(ApuestasReducidas.UBound2(), 5);
    EXPECT_EQ(ApuestasReducidas(4, 5), 8);
}

TEST_F(Estrellas, NoLeeMasApuestasDeLasQueHay) {
    PonerApuestas(4);
    const Integer P = CargarEstrellasMarcadas({1, 2}, TratamientoAl2, pares);
    EXPECT_THROW(AsignarEstrellas(pares, P, 5, TratamientoAl2), modCalculo::ErrorCalculo);
    EXPECT_EQ(ApuestasReducidas.UBound1(), 4);  // left as it was
    EXPECT_EQ(ApuestasReducidas(4, 1), 4);
}

TEST_F(Estrellas, GrabarSoloLoQueAnuncianLosContadores) {
    PonerApuestas(10);
    const Integer P = CargarEstrellasMarcadas({2, 5, 9}, TratamientoAl2, pares);
    AsignarEstrellas(pares, P, 10, TratamientoAl2);
    EXPECT_TRUE(ApuestasCorrespondenAContadores(30, TratamientoAl2));
    // The treatment changed after the calculation: the counters announce other bets.
    EXPECT_FALSE(ApuestasCorrespondenAContadores(10, TratamientoSecuenciales));  // 10 x 1
    EXPECT_FALSE(ApuestasCorrespondenAContadores(20, TratamientoAl1));           // 10 x 2
    EXPECT_FALSE(ApuestasCorrespondenAContadores(30, TratamientoAleatorias));
    EXPECT_FALSE(ApuestasCorrespondenAContadores(0, TratamientoAl2));
    // Same row count, other treatment: still not the bets the setup describes.
    PonerApuestas(10);
    AsignarEstrellas(pares, P, 10, TratamientoAleatorias);
    EXPECT_FALSE(ApuestasCorrespondenAContadores(10, TratamientoSecuenciales));
    EXPECT_TRUE(ApuestasCorrespondenAContadores(10, TratamientoAleatorias));
    // Number rows not yet given stars are never bets to save.
    PonerApuestas(10);
    EXPECT_FALSE(ApuestasCorrespondenAContadores(10, TratamientoAleatorias));
}

TEST_F(Estrellas, ElEscritorRecibeLaTablaSinCopiaYLaDevuelveIntacta) {
    PonerApuestas(10);
    const Integer P = CargarEstrellasMarcadas({2, 5, 9}, TratamientoAl2, pares);
    AsignarEstrellas(pares, P, 10, TratamientoAl2);
    const Tabla<Byte> antes = ApuestasReducidas;
    const Byte* datos = ApuestasReducidas.Columna(1);
    PrestarApuestasGrabacion(30);
    // The same storage, not a second table of the same size.
    EXPECT_EQ(ApuestasGrabacion.Columna(1), datos);
    EXPECT_TRUE(ApuestasReducidas.Vacia());
    ASSERT_EQ(ApuestasGrabacion.UBound1(), 30);
    for (long r = 1; r <= 30; ++r)
        for (int c = 1; c <= 7; ++c) ASSERT_EQ(ApuestasGrabacion(r, c), antes(r, c));
    DevolverApuestasGrabacion();
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
    ASSERT_EQ(ApuestasReducidas.Columna(1), datos);
    ASSERT_EQ(ApuestasReducidas.UBound1(), 30);
    EXPECT_EQ(ApuestasReducidas.UBound2(), 7);
    EXPECT_TRUE(ApuestasCorrespondenAContadores(30, TratamientoAl2));
    // Given back twice, or with nothing lent: nothing moves.
    DevolverApuestasGrabacion();
    EXPECT_EQ(ApuestasReducidas.Columna(1), datos);

    // Rows that do not exist are refused, and nothing is taken from the bets.
    EXPECT_THROW(PrestarApuestasGrabacion(66), modCalculo::ErrorCalculo);
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
    EXPECT_EQ(ApuestasReducidas.Columna(1), datos);
    DevolverApuestasGrabacion();
    EXPECT_EQ(ApuestasReducidas.Columna(1), datos);
}
