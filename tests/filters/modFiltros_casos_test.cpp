// Telling cases of the filter rules, the yields of the pass, and the group summary.
#include <gtest/gtest.h>

#include <stdexcept>

#include "filters/AyudaFiltros.h"
#include "filters/modFiltros.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"

using namespace ayuda;
using namespace modFiltros;

namespace {

class Filtros : public DatosIniciales {
protected:
    // Which of the given rows a filter keeps, as 1 (kept) / 0 (removed).
    std::vector<int> Conservadas(Long (*evaluador)(Integer), const std::vector<Fila>& filas) {
        PrepararFilas(filas);
        Long n = evaluador(5);
        std::vector<int> v;
        Long quitadas = 0;
        for (long c = 1; c <= TotalCombinaciones; ++c) {
            v.push_back(Eliminadas(c) ? 0 : 1);
            quitadas += Eliminadas(c);
        }
        EXPECT_EQ(n, quitadas);
        return v;
    }
    PlataformaGuion plataforma;
};

using V = std::vector<int>;

}  // namespace

TEST(Figura, CadaReparto) {
    struct Caso { std::vector<int> conteos; int figura; };
    const std::vector<Caso> casos = {
        {{0, 0, 5, 0, 0}, 1}, {{4, 0, 0, 1, 0}, 2}, {{1, 4}, 2}, {{0, 3, 2, 0}, 3}, {{2, 3}, 3},
        {{3, 1, 1, 0, 0}, 4}, {{1, 0, 1, 3}, 4}, {{2, 2, 1}, 5}, {{1, 2, 0, 2}, 5},
        {{2, 1, 1, 1, 0}, 6}, {{1, 1, 0, 1, 2}, 6}, {{1, 1, 1, 1, 1}, 7},
        {{0, 0, 0, 1, 1, 1, 0, 0, 1, 1}, 7}, {{5, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1},
    };
    for (const Caso& c : casos) {
        std::vector<int> v(c.conteos);
        EXPECT_EQ(Figura(v.data(), static_cast<int>(v.size())), c.figura);
        EXPECT_EQ(FiguraReferencia(v), c.figura);
    }
    EXPECT_STREQ(NombresFiguras[6], "2-1-1-1");
}

TEST_F(Filtros, AltosYBajos24EsBajoY25Alto) {
    Bajos(5) = 1;  // all five low; Altos all 0 is not tested
    EXPECT_EQ(Conservadas(FiltrarAltosBajos, {{20, 21, 22, 23, 24}, {21, 22, 23, 24, 25}}), (V{1, 0}));
    Bajos.Limpiar();
    Altos(0) = 1;  // a count of 0 is tested like any other
    EXPECT_EQ(Conservadas(FiltrarAltosBajos, {{20, 21, 22, 23, 24}, {21, 22, 23, 24, 25}}), (V{1, 0}));
}

TEST_F(Filtros, ParesImpares) {
    EXPECT_EQ(Conservadas(FiltrarParesImpares, {{1, 3, 5, 7, 9}}), (V{1}));
    plataforma.cesiones = 0;
    PrepararBase({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    plataforma.cesiones = 0;
    EXPECT_EQ(FiltrarParesImpares(5), 0);  // nothing restricts: no pass at all
    EXPECT_EQ(plataforma.cesiones, 0);
    ParesActivos(0) = 1;  // only five odd numbers pass
    EXPECT_EQ(Conservadas(FiltrarParesImpares, {{1, 3, 5, 7, 9}, {1, 3, 5, 7, 10}, {11, 13, 15, 17, 49}}),
              (V{1, 0, 1}));
}

TEST_F(Filtros, DecenasConLaUltimaDeOnceNumeros) {
    const std::vector<Fila> filas = {{40, 41, 42, 43, 50}, {39, 41, 42, 43, 50}, {5, 12, 18, 33, 47}, {1, 2, 3, 4, 5}};
    Decena4050(5) = 1;
    EXPECT_EQ(Conservadas(FiltrarDecenas, filas), (V{1, 0, 0, 0}));
    Decena4050.Limpiar();
    // A restricting table without entry 0 removes rows with nothing in its decade.
    Decena2029(1) = Decena2029(2) = 1;
    EXPECT_EQ(Conservadas(FiltrarDecenas, filas), (V{0, 0, 0, 0}));
    Decena2029.Limpiar();
    // 5 12 18 33 47: counts 1 2 0 1 1, figure "2-1-1-1"; figure and decade tests both apply.
    FigurasDecenas(6) = 1;
    EXPECT_EQ(Conservadas(FiltrarDecenas, filas), (V{0, 0, 1, 0}));
    FigurasDecenas(1) = 1;
    EXPECT_EQ(Conservadas(FiltrarDecenas, filas), (V{1, 0, 1, 1}));
    Decena0109(1) = 1;
    EXPECT_EQ(Conservadas(FiltrarDecenas, filas), (V{0, 0, 1, 0}));
    // One number in each decade: the last and the first of each stay in it.
    FigurasDecenas.Limpiar();
    Decena1019(1) = Decena2029(1) = Decena3039(1) = Decena4050(1) = 1;
    EXPECT_EQ(Conservadas(FiltrarDecenas, {{9, 19, 29, 39, 50}, {1, 10, 20, 30, 40}, {10, 20, 30, 40, 50}}),
              (V{1, 1, 0}));
}

TEST_F(Filtros, SeguidosPorFiguraYPorLaRachaMasLarga) {
    const std::vector<Fila> filas = {{1, 2, 3, 7, 9}, {1, 2, 4, 5, 9}, {1, 2, 3, 4, 9}, {1, 3, 5, 7, 9}, {1, 2, 3, 4, 5}};
    FigurasSeguidos(4) = 1;  // "3-1-1"
    EXPECT_EQ(Conservadas(FiltrarSeguidos, filas), (V{1, 0, 0, 0, 0}));
    FigurasSeguidos(5) = FigurasSeguidos(2) = 1;  // "2-2-1", "4-1"
    EXPECT_EQ(Conservadas(FiltrarSeguidos, filas), (V{1, 1, 1, 0, 0}));
    NumerosSeguidos(2) = NumerosSeguidos(3) = 1;  // and a longest run of 2 or 3
    EXPECT_EQ(Conservadas(FiltrarSeguidos, filas), (V{1, 1, 0, 0, 0}));
    FigurasSeguidos.Limpiar();
    NumerosSeguidos.Limpiar();
    NumerosSeguidos(5) = NumerosSeguidos(1) = 1;
    EXPECT_EQ(Conservadas(FiltrarSeguidos, filas), (V{0, 0, 0, 1, 1}));
    // Entry 0 alone restricts, and no longest run is 0.
    NumerosSeguidos.Limpiar();
    NumerosSeguidos(0) = 1;
    EXPECT_EQ(Conservadas(FiltrarSeguidos, filas), (V{0, 0, 0, 0, 0}));
    // The last figure alone restricts too.
    NumerosSeguidos.Limpiar();
    FigurasSeguidos(7) = 1;
    EXPECT_EQ(Conservadas(FiltrarSeguidos, filas), (V{0, 0, 0, 1, 0}));
}

TEST_F(Filtros, TerminacionesDiezAlCincuentaAcabanEnCero) {
    const std::vector<Fila> filas = {{10, 20, 30, 40, 50}, {9, 19, 29, 39, 49}, {1, 12, 23, 34, 45}};
    TerminadosEn(0, 5) = 1;
    EXPECT_EQ(Conservadas(FiltrarTerminaciones, filas), (V{1, 0, 0}));
    TerminadosEn(0, 5) = 0;
    // Digit 9 restricted to count 0: a digit absent from a row is tested with count 0.
    TerminadosEn(9, 0) = 1;
    EXPECT_EQ(Conservadas(FiltrarTerminaciones, filas), (V{1, 0, 1}));
    TerminadosEn(9, 0) = 0;
    SumaTerminacionesMinima = 45;  // only the largest sum, 45
    EXPECT_EQ(Conservadas(FiltrarTerminaciones, filas), (V{0, 1, 0}));
    SumaTerminacionesMinima = 0;
    SumaTerminacionesMaxima = 0;  // only the sum 0
    EXPECT_EQ(Conservadas(FiltrarTerminaciones, filas), (V{1, 0, 0}));
    SumaTerminacionesMinima = 20;
    SumaTerminacionesMaxima = 10;  // only a base file can store it: nothing passes
    EXPECT_EQ(Conservadas(FiltrarTerminaciones, filas), (V{0, 0, 0}));
    SumaTerminacionesMinima = 0;
    SumaTerminacionesMaxima = 45;
    FigurasTerminaciones(1) = 1;  // all five on one digit
    EXPECT_EQ(Conservadas(FiltrarTerminaciones, filas), (V{1, 1, 0}));
}

TEST_F(Filtros, DistanciasSumasYPosiciones) {
    const std::vector<Fila> filas = {{1, 2, 3, 4, 5}, {1, 3, 6, 10, 15}, {46, 47, 48, 49, 50}};
    Distancia15Maxima = 4;  // minimum 0, maximum 4: active
    EXPECT_EQ(Conservadas(FiltrarDistancias, filas), (V{1, 0, 1}));
    Distancia15Maxima = 0;
    Distancia34Minima = Distancia34Maxima = 4;  // exactly 4
    EXPECT_EQ(Conservadas(FiltrarDistancias, filas), (V{0, 1, 0}));
    Distancia34Minima = Distancia34Maxima = 0;
    EXPECT_EQ(Conservadas(FiltrarDistancias, filas), (V{1, 1, 1}));
    Distancia15Minima = Distancia15Maxima = 49;  // the largest distance
    EXPECT_EQ(Conservadas(FiltrarDistancias, {{1, 2, 3, 4, 50}, {2, 3, 4, 5, 50}}), (V{1, 0}));
    Distancia15Minima = Distancia15Maxima = 0;

    // Alternatives: a sum needs one interval that holds it.
    SumaMinima[2] = 15;
    SumaMaxima[2] = 20;
    SumaMinima[5] = 200;
    SumaMaxima[5] = 240;
    EXPECT_EQ(Conservadas(FiltrarSumas, filas), (V{1, 0, 1}));  // sums 15, 35, 240
    SumaMaxima[2] = 100;
    EXPECT_EQ(Conservadas(FiltrarSumas, {{10, 15, 20, 25, 30}, {36, 38, 40, 42, 44}, {26, 28, 30, 32, 34}}),
              (V{1, 1, 0}));
    // Only both bounds at 0 make an interval inactive: 100..0 is active and holds nothing.
    for (int i = 1; i <= 6; ++i) SumaMinima[i] = SumaMaxima[i] = 0;
    SumaMinima[6] = 100;
    EXPECT_EQ(Conservadas(FiltrarSumas, filas), (V{0, 0, 0}));

    for (int n = 45; n <= 50; ++n) PosicionesNumeros(5, n) = 1;
    EXPECT_EQ(Conservadas(FiltrarPosiciones, {{1, 2, 3, 4, 44}, {1, 2, 3, 4, 45}, {1, 2, 3, 4, 50}}), (V{0, 1, 1}));
    // The first and the last number alone still restrict their ball.
    for (int n = 45; n <= 49; ++n) PosicionesNumeros(5, n) = 0;
    PosicionesNumeros(1, 1) = 1;
    EXPECT_EQ(Conservadas(FiltrarPosiciones, {{1, 2, 3, 4, 50}, {2, 3, 4, 5, 50}, {1, 2, 3, 4, 49}}), (V{1, 0, 0}));
}

TEST_F(Filtros, GruposSinNumerosNoHacenPasadaYCadaGrupoEsUnaCondicion) {
    std::vector<int> base;
    for (int n = 1; n <= 20; ++n) base.push_back(n);
    PrepararBase(base);  // 15504 rows: three yields per pass
    GruposAciertos(1, 2) = 1;  // hits but no numbers: skipped
    plataforma.cesiones = 0;
    EXPECT_EQ(FiltrarGrupos(5), 0);
    EXPECT_EQ(plataforma.cesiones, 0);

    // Numbers 1..10 with only hit count 0, in the last group: every row holding one of them goes.
    for (int n = 1; n <= 10; ++n) GruposNumeros(120, n) = 1;
    GruposAciertos(120, 0) = 1;
    // A group of numbers outside the base: every row has 0 hits in it.
    GruposNumeros(9, 49) = GruposNumeros(9, 50) = 1;
    GruposAciertos(9, 0) = 1;
    Long n = FiltrarGrupos(5);
    EXPECT_EQ(n, 15504 - 252);  // only the 5-subsets of 11..20 are left
    EXPECT_EQ(plataforma.cesiones, 6);
    Long quedan = 0;
    for (long c = 1; c <= TotalCombinaciones; ++c)
        if (!Eliminadas(c)) {
            ++quedan;
            for (int x : NumerosDeFila(c)) EXPECT_GT(x, 10);
        }
    EXPECT_EQ(quedan, 252);  // C(10,5)
}

TEST_F(Filtros, GruposRelacionadosAsignanCondicionesASubgruposDistintos) {
    // Subgroups {1..10} and {11..20}; conditions "2 hits" and "1 hit", in either subgroup.
    for (int n = 1; n <= 10; ++n) SubgruposNumeros(1, n) = 1;
    for (int n = 11; n <= 20; ++n) SubgruposNumeros(2, n) = 1;
    CondicionesAciertos(1, 2) = 1;
    CondicionesAciertos(2, 1) = 1;
    const std::vector<Fila> filas = {{1, 2, 11, 30, 40}, {1, 11, 12, 30, 40}, {1, 2, 11, 12, 40}, {1, 2, 3, 30, 40}};
    EXPECT_EQ(Conservadas(FiltrarGruposRelacionados, filas), (V{1, 1, 0, 0}));

    // A third condition than cannot get a subgroup of its own removes everything.
    CondicionesAciertos(4, 0) = 1;
    EXPECT_EQ(Conservadas(FiltrarGruposRelacionados, filas), (V{0, 0, 0, 0}));
    CondicionesAciertos(4, 0) = 0;

    // Group 2 without subgroups (conditions alone do not count) ends the filter: group 3 is
    // not applied, though it would remove every row.
    CondicionesAciertos(5, 3) = 1;
    SubgruposNumeros(9, 1) = 1;
    EXPECT_EQ(Conservadas(FiltrarGruposRelacionados, filas), (V{1, 1, 0, 0}));
    // Group 1 empty: nothing at all is evaluated.
    for (int n = 1; n <= 20; ++n) SubgruposNumeros(1, n) = SubgruposNumeros(2, n) = 0;
    plataforma.cesiones = 0;
    EXPECT_EQ(Conservadas(FiltrarGruposRelacionados, filas), (V{1, 1, 1, 1}));

    // Subgroups but no condition in use: every row goes.
    SubgruposNumeros(1, 1) = 1;
    CondicionesAciertos.Limpiar();
    EXPECT_EQ(Conservadas(FiltrarGruposRelacionados, filas), (V{0, 0, 0, 0}));

    // All forty groups in use, each letting every row through but the last, which wants no 50.
    for (int g = 1; g <= 40; ++g) {
        SubgruposNumeros(4 * g - 3, 50) = 1;
        for (int h = 0; h <= 5; ++h) CondicionesAciertos(4 * g - 3, h) = g < 40 || h == 0;
    }
    EXPECT_EQ(Conservadas(FiltrarGruposRelacionados, {{1, 2, 3, 4, 49}, {1, 2, 3, 4, 50}}), (V{1, 0}));
}

TEST_F(Filtros, CedeAntesDeCadaFilaMultiploDe4000) {
    std::vector<int> base;
    for (int n = 1; n <= 20; ++n) base.push_back(n);
    PrepararBase(base);  // 15504 rows: yields before rows 4000, 8000 and 12000
    ParesActivos(5) = 1;  // nearly everything goes
    // At each yield, every row before it has been examined and no row from it on.
    std::vector<bool> conImpar(static_cast<std::size_t>(TotalCombinaciones) + 1);
    for (long c = 1; c <= TotalCombinaciones; ++c)
        for (int x : NumerosDeFila(c)) conImpar[static_cast<std::size_t>(c)] = conImpar[static_cast<std::size_t>(c)] || x % 2;
    long errores = 0;
    plataforma.alCederControl = [&] {
        const long antes = 4000 * plataforma.cesiones;  // the row about to be examined
        for (long c = 1; c <= TotalCombinaciones; ++c)
            errores += Eliminadas(c) != (c < antes && conImpar[static_cast<std::size_t>(c)]);
    };
    plataforma.cesiones = 0;
    Long n = FiltrarParesImpares(5);
    EXPECT_EQ(n, 15504 - 252);  // C(10,5) all-even rows stay
    EXPECT_EQ(plataforma.cesiones, 3);
    EXPECT_EQ(errores, 0);
    plataforma.alCederControl = nullptr;

    // Each filter makes its passes and no more; a second run yields just the same.
    for (const Filtro& f : ayuda::Filtros()) {
        InicializarFiltros();
        PrepararBase(base);
        GruposNumeros(3, 1) = GruposNumeros(80, 2) = 1;
        GruposAciertos(3, 0) = GruposAciertos(3, 1) = GruposAciertos(80, 0) = GruposAciertos(80, 1) = 1;
        SubgruposNumeros(1, 1) = SubgruposNumeros(5, 2) = 1;
        CondicionesAciertos(1, 0) = CondicionesAciertos(1, 1) = 1;
        plataforma.cesiones = 0;
        f.rapido(5);
        const std::string nombre = f.nombre;
        long pasadas = nombre == "Grupos" || nombre == "GruposRelacionados" ? 2
                       : nombre == "ParesImpares" || nombre == "Seguidos" || nombre == "Sumas" ? 0 : 1;
        EXPECT_EQ(plataforma.cesiones, 3 * pasadas) << nombre;
    }

    // Fewer than 4000 rows never yield.
    std::vector<Fila> filas(3999, Fila{1, 2, 3, 4, 5});
    PrepararFilas(filas);
    ParesActivos(0) = 1;
    plataforma.cesiones = 0;
    EXPECT_EQ(FiltrarParesImpares(5), 3999);
    EXPECT_EQ(plataforma.cesiones, 0);
}

TEST_F(Filtros, FilasYaEliminadasNiSePruebanNiSeCuentan) {
    ParesActivos(0) = 1;
    PrepararFilas({{1, 2, 3, 5, 7}, {2, 4, 6, 8, 10}, {1, 3, 5, 7, 9}});
    Eliminadas(2) = 1;
    EXPECT_EQ(FiltrarParesImpares(5), 1);
    EXPECT_EQ(Eliminadas(1), 1);
    EXPECT_EQ(Eliminadas(3), 0);
    EXPECT_EQ(FiltrarParesImpares(5), 0);
    EXPECT_EQ(Eliminadas(-1), 1);
    EXPECT_EQ(Eliminadas(0), 0);
}

TEST_F(Filtros, UnaPosicionFueraDeLaBaseEsUnErrorNoUnaLectura) {
    // An imported bet whose number was unmarked afterwards holds position 0.
    PrepararFilas({{1, 3, 5, 7, 9}, {2, 4, 6, 8, 10}, {1, 3, 5, 7, 11}});
    TodasCombinaciones(3, 2) = 0;
    ParesActivos(1) = 1;
    SumaMinima[1] = 1;
    SumaMaxima[1] = 240;
    GruposNumeros(1, 1) = 1;
    GruposAciertos(1, 0) = GruposAciertos(1, 1) = 1;
    SubgruposNumeros(1, 1) = 1;
    CondicionesAciertos(1, 1) = 1;
    for (const Filtro& f : ayuda::Filtros()) {
        if (std::string(f.nombre) == "Seguidos") continue;  // nothing restricts: no pass
        Eliminadas.Limpiar();
        EXPECT_THROW(f.rapido(5), std::out_of_range) << f.nombre;
    }
    // The rows before the bad one keep the marks they got.
    Eliminadas.Limpiar();
    EXPECT_THROW(FiltrarParesImpares(5), std::out_of_range);
    EXPECT_EQ(Eliminadas(1), 1);
    EXPECT_EQ(Eliminadas(2), 1);
    // A bad row already removed is never read.
    Eliminadas.Limpiar();
    Eliminadas(3) = 1;
    for (const Filtro& f : ayuda::Filtros()) EXPECT_NO_THROW(f.rapido(5)) << f.nombre;
    // A position past the end of the base, too.
    Eliminadas.Limpiar();
    TodasCombinaciones(3, 2) = static_cast<Byte>(TotalNumerosBase + 1);
    EXPECT_THROW(FiltrarDecenas(5), std::out_of_range);
}

TEST(TextoResumenGrupos, CuentaLosGruposConAciertosYLosRelacionadosConNumeros) {
    InicializarFiltros();
    EXPECT_EQ(TextoResumenGrupos("GRUPOS DE NUMEROS"), "0 de 120");
    EXPECT_EQ(TextoResumenGrupos("GRUPOS RELACIONADOS"), "0 de 40");
    EXPECT_EQ(TextoResumenGrupos("SUMAS"), "");
    GruposAciertos(5, 0) = 1;         // hits and no numbers: counted
    GruposNumeros(6, 10) = 1;         // numbers and no hits: not counted
    GruposAciertos(120, 5) = 1;
    GruposNumeros(120, 1) = 1;
    SubgruposNumeros(4 * 2 + 3, 50) = 1;  // group 3, subgroup 3
    SubgruposNumeros(160, 1) = 1;         // group 40
    CondicionesAciertos(1, 1) = 1;        // conditions alone: not counted
    EXPECT_EQ(TextoResumenGrupos("GRUPOS DE NUMEROS"), "2 de 120");
    EXPECT_EQ(TextoResumenGrupos("GRUPOS RELACIONADOS"), "2 de 40");
    InicializarFiltros();
}
