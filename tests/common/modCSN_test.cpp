#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "common/modCSN.h"
#include "common/modOrdenaciones.h"

using namespace modCSN;
using modGeneral::CLng;

namespace {
// The index exactly as its steps read, term by term.
Long IndiceReferencia(int k, int n, const Byte* c) {
    long long acc = 0;
    int t = 0;
    for (int i = 1; i <= k - 1; ++i) {
        long long termino = 0;
        do {
            ++t;
            termino = CLng(CombinacionesDbl(n - t, k - i));
            acc += termino;
        } while (!(t >= c[i]));
        acc -= termino;
    }
    return static_cast<Long>(acc + c[k] - c[k - 1]);
}
}  // namespace

TEST(CombinacionesDbl, ProductosEnComaFlotante) {
    EXPECT_EQ(CombinacionesDbl(50, 5), 2118760.0);
    EXPECT_EQ(CombinacionesDbl(49, 4), 211876.0);
    EXPECT_EQ(CombinacionesDbl(12, 2), 66.0);
    EXPECT_EQ(CombinacionesDbl(7, 0), 1.0);   // both products empty
    EXPECT_EQ(CombinacionesDbl(3, 5), 0.0);   // a factor 0 in the numerator
    EXPECT_EQ(CombinacionesDbl(0, 0), 1.0);
}

TEST(IndiceCombinacion, ValoresConocidos) {
    const Byte a[] = {0, 1, 2, 3, 4, 5}, b[] = {0, 1, 2, 3, 4, 6}, c[] = {0, 1, 2, 3, 4, 50},
               d[] = {0, 1, 2, 3, 5, 6}, e[] = {0, 46, 47, 48, 49, 50};
    EXPECT_EQ(IndiceCombinacion(5, 50, a), 1);
    EXPECT_EQ(IndiceCombinacion(5, 50, b), 2);
    EXPECT_EQ(IndiceCombinacion(5, 50, c), 46);
    EXPECT_EQ(IndiceCombinacion(5, 50, d), 47);
    EXPECT_EQ(IndiceCombinacion(5, 50, e), 2118760);
    Arreglo<Byte> arreglo(1, 5);
    for (int i = 1; i <= 5; ++i) arreglo(i) = e[i];
    EXPECT_EQ(IndiceCombinacion(5, 50, arreglo), 2118760);
}

TEST(IndiceCombinacion, NumeraTodosLosSubconjuntosDe50EnOrden) {
    Long esperado = 0;
    Byte c[6] = {0};
    for (c[1] = 1; c[1] <= 46; ++c[1])
        for (c[2] = c[1] + 1; c[2] <= 47; ++c[2])
            for (c[3] = c[2] + 1; c[3] <= 48; ++c[3])
                for (c[4] = c[3] + 1; c[4] <= 49; ++c[4])
                    for (c[5] = c[4] + 1; c[5] <= 50; ++c[5])
                        ASSERT_EQ(IndiceCombinacion(5, 50, c), ++esperado);
    EXPECT_EQ(esperado, 2118760);
}

TEST(IndiceCombinacion, IgualQueElProcedimientoParaOtrosTamanosYEntradasFueraDeContrato) {
    std::mt19937 azar(7);
    // Sizes the table covers and sizes it does not (n above 64), switching between them.
    const int casos[][2] = {{2, 10}, {3, 12}, {5, 50}, {6, 49}, {4, 64}, {5, 70}, {2, 2}, {5, 50}};
    for (auto [k, n] : casos) {
        for (int prueba = 0; prueba < 500; ++prueba) {
            Byte c[8] = {0};
            std::vector<int> v(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) v[static_cast<std::size_t>(i)] = i + 1;
            std::shuffle(v.begin(), v.end(), azar);
            std::sort(v.begin(), v.begin() + k);
            for (int i = 1; i <= k; ++i) c[i] = static_cast<Byte>(v[static_cast<std::size_t>(i - 1)]);
            ASSERT_EQ(IndiceCombinacion(k, n, c), IndiceReferencia(k, n, c)) << k << " " << n;
        }
    }
    // Repeated or descending values (the callers never pass them) follow the same steps.
    const Byte repetidos[] = {0, 3, 3, 3, 7, 9}, bajada[] = {0, 9, 4, 2, 8, 5};
    EXPECT_EQ(IndiceCombinacion(5, 50, repetidos), IndiceReferencia(5, 50, repetidos));
    EXPECT_EQ(IndiceCombinacion(5, 50, bajada), IndiceReferencia(5, 50, bajada));
}

TEST(OrdenarQuickSort, EjemplosYLimites) {
    Arreglo<Long> a(1, 3);
    a(1) = 3; a(2) = 1; a(3) = 2;
    modOrdenaciones::OrdenarQuickSort(a, 1, 3);
    EXPECT_EQ(a(1), 1);
    EXPECT_EQ(a(2), 2);
    EXPECT_EQ(a(3), 3);

    a(1) = 9; a(2) = 5; a(3) = 1;
    modOrdenaciones::OrdenarQuickSort(a, 2, 2);  // a single element: nothing moves
    modOrdenaciones::OrdenarQuickSort(a, 3, 1);  // an empty range
    EXPECT_EQ(a(1), 9);
    EXPECT_EQ(a(2), 5);
    modOrdenaciones::OrdenarQuickSort(a, 2, 3);  // only the range given
    EXPECT_EQ(a(1), 9);
    EXPECT_EQ(a(2), 1);
    EXPECT_EQ(a(3), 5);

    // Bounds below zero, negative keys and the extremes of 32 bits.
    Arreglo<Long> b(-2, 3);
    const Long valores[] = {0, INT32_MAX, -7, INT32_MIN, -7, 4};
    for (int i = 0; i < 6; ++i) b(i - 2) = valores[i];
    modOrdenaciones::OrdenarQuickSort(b, -2, 3);
    const Long ordenados[] = {INT32_MIN, -7, -7, 0, 4, INT32_MAX};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(b(i - 2), ordenados[i]);
}

TEST(OrdenarQuickSort, IgualQueStdSortEnListasAleatoriasOrdenadasYRepetidas) {
    std::mt19937 azar(3);
    for (int tam : {2, 3, 5, 17, 1000, 100000}) {
        for (int modo = 0; modo < 4; ++modo) {
            std::vector<Long> v(static_cast<std::size_t>(tam));
            for (int i = 0; i < tam; ++i) {
                switch (modo) {
                case 0: v[static_cast<std::size_t>(i)] = static_cast<Long>(azar()); break;
                case 1: v[static_cast<std::size_t>(i)] = i; break;                   // sorted
                case 2: v[static_cast<std::size_t>(i)] = tam - i; break;             // reversed
                default: v[static_cast<std::size_t>(i)] = static_cast<Long>(azar() % 3); break;  // few keys
                }
            }
            std::vector<Long> esperado = v;
            std::sort(esperado.begin(), esperado.end());
            modOrdenaciones::OrdenarQuickSort(v.data(), 0, tam - 1);
            ASSERT_EQ(v, esperado) << tam << " " << modo;
        }
    }
}
