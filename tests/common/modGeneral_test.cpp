#include <gtest/gtest.h>

#include "common/modGeneral.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;

TEST(NumeroCombinaciones, ValoresExactos) {
    EXPECT_EQ(NumeroCombinaciones(50, 5), 2118760.0);
    EXPECT_EQ(NumeroCombinaciones(5, 5), 1.0);
    EXPECT_EQ(NumeroCombinaciones(12, 2), 66.0);
    EXPECT_EQ(NumeroCombinaciones(1, 2), 0.0);
    EXPECT_EQ(NumeroCombinaciones(7, 0), 1.0);
    EXPECT_EQ(NumeroCombinaciones(50, 6), 15890700.0);
    // Every value the program can ask for is an exact integer.
    for (int n = 0; n <= 50; ++n)
        for (int k = 0; k <= 6; ++k) {
            double c = NumeroCombinaciones(n, k);
            double esperado = 1;
            for (int i = 1; i <= k; ++i) esperado = esperado * (n - k + i) / i;
            EXPECT_EQ(c, k > n ? 0.0 : esperado) << n << " " << k;
        }
}

TEST(InicializarFiltros, DejaValoresPorDefecto) {
    InicializarFiltros();
    Bajos(3) = 1;
    FigurasDecenas(7) = 1;
    Distancia15Maxima = 40;
    TerminadosEn(9, 5) = 1;
    SumaTerminacionesMaxima = 10;
    SumaMinima[6] = 100;
    PaginaGrupos = 7;
    GruposNumeros(120, 50) = 1;
    CondicionesAciertos(160, 5) = 1;
    PosicionesNumeros(5, 50) = 1;
    Reduccion.Tipo = 3;
    Reduccion.ModoNuApuestas = true;
    AciertosSeleccion(2) = 1;
    CombinacionGanadora[1] = 9;
    InicializarFiltros();
    EXPECT_EQ(Bajos(3), 0);
    EXPECT_TRUE(FigurasDecenas.Vacia());
    EXPECT_EQ(Distancia15Maxima, 0);
    EXPECT_EQ(TerminadosEn(9, 5), 0);
    EXPECT_EQ(SumaTerminacionesMaxima, 45);
    EXPECT_EQ(SumaMinima[6], 0);
    EXPECT_EQ(PaginaGrupos, 1);
    EXPECT_EQ(GruposNumeros(120, 50), 0);
    EXPECT_EQ(CondicionesAciertos(160, 5), 0);
    EXPECT_EQ(PosicionesNumeros(5, 50), 0);
    EXPECT_EQ(Reduccion.Tipo, 0);
    EXPECT_EQ(Reduccion.Porcentaje, 100);
    EXPECT_EQ(Reduccion.NuApuestas, 1);
    EXPECT_EQ(Reduccion.ActivarCiclos, 1);
    EXPECT_FALSE(Reduccion.ModoNuApuestas);
    EXPECT_EQ(Reduccion.Aleatorio, 0);
    EXPECT_EQ(Reduccion.Estrellas, 0);
    // Neither the hit-count buffer nor the winning combination is touched.
    EXPECT_EQ(AciertosSeleccion(2), 1);
    EXPECT_EQ(CombinacionGanadora[1], 9);
    AciertosSeleccion.Limpiar();
    CombinacionGanadora[1] = 0;
}

TEST(Tabla, GuardaPorColumnasConLimitesArbitrarios) {
    Tabla<Byte> t;
    t.ReDim(-1, 2, 1, 3);
    EXPECT_EQ(t.Filas(), 4);
    t(-1, 1) = 1; t(2, 1) = 2; t(-1, 2) = 3;
    // The row index varies fastest: one column of every row is contiguous.
    EXPECT_EQ(t.Columna(1)[0], 1);
    EXPECT_EQ(t.Columna(1)[3], 2);
    EXPECT_EQ(t.Columna(2)[0], 3);
    t.ReDim(1, 2, 1, 1);
    EXPECT_EQ(t(1, 1), 0);  // re-dimensioning discards the contents
    t.Erase();
    EXPECT_TRUE(t.Vacia());

    Arreglo<Byte> e(-1, 10);
    e(-1) = 1;
    EXPECT_EQ(e(-1), 1);
    EXPECT_EQ(e(0), 0);
    EXPECT_EQ(e(10), 0);
}

TEST(Tabla, MoverPasaLosDatosSinCopiaYDejaVacioElOrigen) {
    Tabla<Byte> a;
    a.ReDim(0, 9, 1, 7);
    a(3, 2) = 42;
    const Byte* datos = a.Columna(1);
    Tabla<Byte> b = std::move(a);
    EXPECT_EQ(b.Columna(1), datos);
    EXPECT_EQ(b(3, 2), 42);
    EXPECT_EQ(b.LBound1(), 0);
    EXPECT_EQ(b.UBound2(), 7);
    // A moved-from table claims no rows it does not have.
    EXPECT_TRUE(a.Vacia());
    EXPECT_EQ(a.Elementos(), 0u);
    EXPECT_EQ(a.UBound1(), -1);
    a = std::move(b);
    EXPECT_EQ(a.Columna(1), datos);
    EXPECT_TRUE(b.Vacia());
    Arreglo<Long> x(-1, 5);
    Arreglo<Long> y = std::move(x);
    EXPECT_TRUE(x.Vacio());
    EXPECT_EQ(y.LBound(), -1);
    EXPECT_EQ(y.Elementos(), 7u);
}

class Generador : public DatosIniciales {
protected:
    PlataformaGuion plataforma;
};

TEST_F(Generador, CincoDeCincoYDeSeis) {
    TotalNumerosBase = 5;
    ASSERT_EQ(GenerarCombinaciones(5, 5), 1);
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(TodasCombinaciones(1, c), c);
    TotalNumerosBase = 6;
    ASSERT_EQ(GenerarCombinaciones(5, 5), 6);
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(TodasCombinaciones(1, c), c);
        EXPECT_EQ(TodasCombinaciones(6, c), c + 1);
    }
}

TEST_F(Generador, SubconjuntosMenoresSeRellenanCon99) {
    TotalNumerosBase = 4;
    ASSERT_EQ(GenerarCombinaciones(3, 5), 4);
    const int esperado[4][5] = {{1, 2, 3, 99, 99}, {1, 2, 4, 99, 99}, {1, 3, 4, 99, 99}, {2, 3, 4, 99, 99}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(TodasCombinaciones(r + 1, c + 1), esperado[r][c]);
    TotalNumerosBase = 8;
    ASSERT_EQ(GenerarCombinaciones(2, 6), 28);
    EXPECT_EQ(TodasCombinaciones(28, 1), 7);
    EXPECT_EQ(TodasCombinaciones(28, 2), 8);
    EXPECT_EQ(TodasCombinaciones(28, 6), 99);
}

TEST_F(Generador, SeisPosicionesYTablasEstrechas) {
    TotalNumerosBase = 7;
    ASSERT_EQ(GenerarCombinaciones(6, 6), 7);
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(TodasCombinaciones(7, c), c + 1);
    // Positions without a column in the table are written nowhere.
    ASSERT_EQ(GenerarCombinaciones(6, 5), 7);
    EXPECT_EQ(TodasCombinaciones.UBound2(), 5);
    EXPECT_EQ(TodasCombinaciones(7, 5), 6);
    ASSERT_EQ(GenerarCombinaciones(5, 3), 21);
    EXPECT_EQ(TodasCombinaciones(21, 1), 3);
    EXPECT_EQ(TodasCombinaciones(21, 3), 5);
}

TEST_F(Generador, FueraDeRangoDejaLaTablaLimpia) {
    TotalNumerosBase = 8;
    EXPECT_EQ(GenerarCombinaciones(0, 5), 0);
    EXPECT_EQ(TodasCombinaciones.Filas(), 1);
    EXPECT_EQ(TodasCombinaciones(1, 1), 0);
    EXPECT_EQ(GenerarCombinaciones(7, 5), 0);
    EXPECT_EQ(TodasCombinaciones.Filas(), 8);
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(TodasCombinaciones(r, 5), 0);
}

TEST_F(Generador, CincuentaNumerosEnOrdenLexicograficoYCedeCada500) {
    TotalNumerosBase = 50;
    ASSERT_EQ(GenerarCombinaciones(5, 5), 2118760);
    EXPECT_EQ(plataforma.cesiones, 2118760 / 500);
    // Every row is strictly ascending and strictly after the previous one.
    for (long r = 1; r <= 2118760; ++r) {
        for (int c = 2; c <= 5; ++c) ASSERT_LT(TodasCombinaciones(r, c - 1), TodasCombinaciones(r, c));
        if (r > 1) {
            int c = 1;
            while (c < 5 && TodasCombinaciones(r, c) == TodasCombinaciones(r - 1, c)) ++c;
            ASSERT_GT(TodasCombinaciones(r, c), TodasCombinaciones(r - 1, c)) << r;
        }
    }
    EXPECT_EQ(TodasCombinaciones(2118760, 1), 46);
    EXPECT_EQ(TodasCombinaciones(2118760, 5), 50);
}

TEST(LineasTexto, ClasesEnOrden) {
    EXPECT_EQ(DetectarFormatoLinea("0102030405*0607"), 1);
    EXPECT_EQ(DetectarFormatoLinea("01,02,03,04,05+06,07"), 2);
    EXPECT_EQ(DetectarFormatoLinea("01 02 03 04 05 + 06 07"), 2);  // the plus sign wins over blanks
    EXPECT_EQ(DetectarFormatoLinea("01 02 03 04 05 06 07"), 3);
    EXPECT_EQ(DetectarFormatoLinea("01020304050607"), 4);
    EXPECT_EQ(DetectarFormatoLinea(""), 0);
    EXPECT_EQ(DetectarFormatoLinea("01;02;03"), 0);
}

TEST(LineasTexto, LimpiaSoloLosSeparadoresDeLaClaseDeLaPrimeraLinea) {
    FormatoLineaASCII = 2;
    std::string a = "01,02,03,04,05+06,07";
    EXPECT_EQ(LimpiarSeparadores(a), "01020304050607");
    EXPECT_EQ(a, "01020304050607");  // changed in place too
    std::string b = "01 02 03 04 05 06 07";
    EXPECT_EQ(LimpiarSeparadores(b), "01 02 03 04 05 06 07");
    FormatoLineaASCII = 1;
    std::string c = "0102030405 * 0607";
    EXPECT_EQ(LimpiarSeparadores(c), "01020304050607");
    FormatoLineaASCII = 3;
    std::string d = "01 02 03 04 05 06 07";
    EXPECT_EQ(LimpiarSeparadores(d), "01020304050607");
    FormatoLineaASCII = 0;
    std::string e = "01 02";
    EXPECT_EQ(LimpiarSeparadores(e), "01 02");
}
