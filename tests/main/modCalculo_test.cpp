#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "main/modCalculo.h"
#include "main/modEstrellas.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;
using namespace modCalculo;

namespace {

// What the fake evaluators saw, in call order.
std::vector<int> llamadas;

// Removes the rows whose first position is 1 (and that no earlier filter removed).
Long QuitarPrimeraPosicion1(Integer posiciones) {
    EXPECT_EQ(posiciones, 5);
    llamadas.push_back(0);
    Long n = 0;
    for (Long r = 1; r <= TotalCombinaciones; ++r)
        if (Eliminadas(r) == 0 && TodasCombinaciones(r, 1) == 1) { Eliminadas(r) = 1; ++n; }
    return n;
}
// Removes the rows whose last position is the base's last.
Long QuitarUltimaPosicion(Integer) {
    llamadas.push_back(1);
    Long n = 0;
    for (Long r = 1; r <= TotalCombinaciones; ++r)
        if (Eliminadas(r) == 0 && TodasCombinaciones(r, 5) == TotalNumerosBase) { Eliminadas(r) = 1; ++n; }
    return n;
}
Long QuitarTodas(Integer) {
    llamadas.push_back(2);
    Long n = 0;
    for (Long r = 1; r <= TotalCombinaciones; ++r)
        if (Eliminadas(r) == 0) { Eliminadas(r) = 1; ++n; }
    return n;
}

class Calculo : public DatosIniciales {
protected:
    PlataformaGuion plataforma;
    void SetUp() override { llamadas.clear(); }
};

}  // namespace

TEST_F(Calculo, LaBaseFijaPosicionesYElVectorDelMotorDeReduccion) {
    EstablecerCombinacionBase({3, 17, 25, 40, 48, 50});
    EXPECT_EQ(TotalNumerosBase, 6);
    EXPECT_EQ(CombinacionBase.LBound(), 1);
    EXPECT_EQ(CombinacionBase.UBound(), 6);
    EXPECT_EQ(CombinacionBase(2), 17);
    EXPECT_EQ(VectorActual.LBound(), 1);
    EXPECT_EQ(VectorActual.UBound(), 6);

    EXPECT_EQ(FormarCombinacionesGeneradas(), 6);
    EXPECT_EQ(TotalCombinaciones, 6);
    EXPECT_EQ(Eliminadas.LBound(), -1);
    EXPECT_EQ(Eliminadas.UBound(), 6);
    EXPECT_EQ(Eliminadas(-1), 1);
    for (long r = 0; r <= 6; ++r) EXPECT_EQ(Eliminadas(r), 0);
}

TEST_F(Calculo, FiltrosEnOrdenDeFilaCadaCombinacionContadaUnaVez) {
    EstablecerCombinacionBase({1, 2, 3, 4, 5, 6, 7});  // 21 combinations
    FormarCombinacionesGeneradas();
    TablaEvaluadores evaluadores{};
    evaluadores[0] = QuitarPrimeraPosicion1;
    evaluadores[3] = QuitarPrimeraPosicion1;  // the same test again removes nothing new
    evaluadores[9] = QuitarUltimaPosicion;
    FilasActivas activas{};
    activas[0] = activas[3] = activas[9] = true;
    std::vector<std::string> estados;
    std::vector<int> filas;
    ConteosFiltros conteos;
    conteos.fill(77);
    const Long total = AplicarFiltros(activas, evaluadores, conteos, [&](int fila, const char* estado) {
        filas.push_back(fila);
        estados.push_back(estado);
    });
    // C(6,4) = 15 rows start with position 1; the other 6 are the 5-subsets of 2..7, and 5 of
    // those end in 7.
    EXPECT_EQ(conteos[0], 15);
    EXPECT_EQ(conteos[3], 0);
    EXPECT_EQ(conteos[9], 5);
    EXPECT_EQ(conteos[1], 0);
    EXPECT_EQ(conteos[10], 0);
    EXPECT_EQ(total, 20);
    EXPECT_EQ(filas, (std::vector<int>{0, 3, 9}));
    EXPECT_EQ(estados, (std::vector<std::string>{"Fil. Bajos y Altos", "Fil. Gru. de números", "Fil. Posiciones"}));
    EXPECT_EQ(llamadas, (std::vector<int>{0, 0, 1}));

    // The one survivor is 2 3 4 5 6, and it is what the conditioned table holds.
    ASSERT_EQ(CondicionarApuestas(), 1);
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(ApuestasCondicionadas(1, c), c + 1);
}

TEST_F(Calculo, SinFiltrosActivosNoSeLlamaANingunEvaluador) {
    EstablecerCombinacionBase({1, 2, 3, 4, 5, 6});
    FormarCombinacionesGeneradas();
    TablaEvaluadores evaluadores{};
    evaluadores.fill(QuitarTodas);
    ConteosFiltros conteos;
    EXPECT_EQ(AplicarFiltros(FilasActivas{}, evaluadores, conteos), 0);
    EXPECT_TRUE(llamadas.empty());
    for (Long c : conteos) EXPECT_EQ(c, 0);
}

TEST_F(Calculo, UnFiltroActivoSinEvaluadorEsUnErrorNoUnSilencio) {
    EstablecerCombinacionBase({1, 2, 3, 4, 5});
    FormarCombinacionesGeneradas();
    FilasActivas activas{};
    activas[4] = true;
    ConteosFiltros conteos;
    try {
        AplicarFiltros(activas, TablaEvaluadores{}, conteos);
        FAIL();
    } catch (const ErrorCalculo& e) {
        EXPECT_NE(std::string(e.what()).find("Fil. Gru. Relacionados"), std::string::npos);
    }
}

TEST_F(Calculo, TodasEliminadasDejaCeroCondicionadas) {
    EstablecerCombinacionBase({1, 2, 3, 4, 5, 6});
    FormarCombinacionesGeneradas();
    TablaEvaluadores evaluadores{};
    evaluadores[5] = QuitarTodas;
    FilasActivas activas{};
    activas[5] = true;
    ConteosFiltros conteos;
    EXPECT_EQ(AplicarFiltros(activas, evaluadores, conteos), 6);
    EXPECT_EQ(CondicionarApuestas(), 0);
    EXPECT_TRUE(ApuestasCondicionadas.Vacia());
}

TEST_F(Calculo, SinReduccionLasApuestasSonLosNumerosDeLasCondicionadas) {
    EstablecerCombinacionBase({4, 9, 16, 25, 36, 49});
    FormarCombinacionesGeneradas();
    Eliminadas(1) = 1;  // as a filter would: 4 9 16 25 36 goes
    ASSERT_EQ(CondicionarApuestas(), 5);
    ASSERT_EQ(PasarCondicionadasAReducidas(), 5);
    EXPECT_EQ(ApuestasReducidas.LBound1(), 1);
    EXPECT_EQ(ApuestasReducidas.UBound1(), 5);
    EXPECT_EQ(ApuestasReducidas.UBound2(), 7);
    // Row 1 is now 4 9 16 25 49 (positions 1 2 3 4 6), the last 9 16 25 36 49.
    const int primera[5] = {4, 9, 16, 25, 49}, ultima[5] = {9, 16, 25, 36, 49};
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(ApuestasReducidas(1, c), primera[c - 1]);
        EXPECT_EQ(ApuestasReducidas(5, c), ultima[c - 1]);
    }
    for (long r = 1; r <= 5; ++r) {
        EXPECT_EQ(ApuestasReducidas(r, 6), 0);
        EXPECT_EQ(ApuestasReducidas(r, 7), 0);
    }
}

TEST_F(Calculo, CuandoSeAbreLaVentanaDeReduccion) {
    EXPECT_FALSE(HayQueReducir(false));  // inactive row: never, whatever the settings
    Reduccion.Tipo = 3;
    EXPECT_FALSE(HayQueReducir(false));
    InicializarReduccion();
    // Defaults (type 0, 100 %, percentage target): the window opens.
    EXPECT_TRUE(HayQueReducir(true));
    Reduccion.ModoNuApuestas = true;  // 100 % of nothing in bet-count mode: skipped
    EXPECT_FALSE(HayQueReducir(true));
    Reduccion.Porcentaje = 99;
    EXPECT_TRUE(HayQueReducir(true));
    Reduccion.Porcentaje = 100;
    Reduccion.Tipo = 1;
    EXPECT_TRUE(HayQueReducir(true));
}

TEST_F(Calculo, ImportadasComoPosicionesDeLaBase) {
    // Read shape of a text import: rows 0..R, 7 columns, row 0 unused.
    ApuestasImportadas.ReDim(0, 4, 1, 7);
    const int apuestas[3][5] = {{2, 11, 20, 33, 47}, {2, 5, 11, 20, 47}, {5, 11, 20, 33, 47}};
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 5; ++c) ApuestasImportadas(i + 1, c + 1) = static_cast<Byte>(apuestas[i][c]);
    TotalImportadas = 3;
    EstablecerCombinacionBase({2, 5, 11, 20, 33, 47});
    EXPECT_EQ(FormarCombinacionesImportadas(), 3);
    const int posiciones[3][5] = {{1, 3, 4, 5, 6}, {1, 2, 3, 4, 6}, {2, 3, 4, 5, 6}};
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(TodasCombinaciones(i + 1, c + 1), posiciones[i][c]);
    EXPECT_EQ(Eliminadas(-1), 1);
    EXPECT_EQ(Eliminadas.UBound(), 3);

    // A base that lost one of the file's numbers cannot express the bets: refused, not read
    // through a position 0.
    EstablecerCombinacionBase({2, 5, 11, 20, 47});
    try {
        FormarCombinacionesImportadas();
        FAIL();
    } catch (const ErrorCalculo& e) {
        EXPECT_NE(std::string(e.what()).find("33"), std::string::npos);
    }
    // A count beyond the rows read is refused as well.
    EstablecerCombinacionBase({2, 5, 11, 20, 33, 47});
    TotalImportadas = 5;
    EXPECT_THROW(FormarCombinacionesImportadas(), ErrorCalculo);
}

TEST_F(Calculo, ErroresLegiblesParaElUsuario) {
    EXPECT_EQ(DescripcionError(std::bad_alloc()), "Memoria insuficiente");
    EXPECT_EQ(DescripcionError(ErrorCalculo("texto")), "texto");
    // The library's English texts never reach a message.
    EXPECT_EQ(DescripcionError(std::length_error("vector::_M_default_append")), "Memoria insuficiente");
    EXPECT_EQ(DescripcionError(std::system_error(EAGAIN, std::generic_category())).find("Resource"), std::string::npos);
}

// The whole road without a window: base, combinations, no filter, no reduction, stars.
TEST_F(Calculo, SistemaDirectoConEstrellasAl2EnOrdenLexicografico) {
    const std::vector<Byte> base = {1, 8, 15, 22, 29, 36, 43};
    EstablecerCombinacionBase(base);
    FormarCombinacionesGeneradas();
    ConteosFiltros conteos;
    EXPECT_EQ(AplicarFiltros(FilasActivas{}, TablaEvaluadores{}, conteos), 0);
    const Long n = CondicionarApuestas();
    ASSERT_EQ(n, 21);
    ASSERT_EQ(PasarCondicionadasAReducidas(), 21);
    Tabla<Byte> pares;
    const Integer P = modEstrellas::CargarEstrellasMarcadas({2, 7, 12}, 0, pares);
    ASSERT_EQ(P, 3);
    ASSERT_EQ(modEstrellas::AsignarEstrellas(pares, P, n, 0), 63);

    // Expected: for each pair, every 5-subset of the base in lexicographic order.
    const int estrellas[3][2] = {{2, 7}, {2, 12}, {7, 12}};
    long fila = 0;
    for (int k = 0; k < 3; ++k)
        for (int a = 0; a < 7; ++a)
            for (int b = a + 1; b < 7; ++b)
                for (int c = b + 1; c < 7; ++c)
                    for (int d = c + 1; d < 7; ++d)
                        for (int e = d + 1; e < 7; ++e) {
                            ++fila;
                            const int esperado[7] = {base[a], base[b], base[c], base[d], base[e],
                                                     estrellas[k][0], estrellas[k][1]};
                            for (int col = 1; col <= 7; ++col)
                                ASSERT_EQ(ApuestasReducidas(fila, col), esperado[col - 1]) << fila << " " << col;
                        }
    EXPECT_EQ(fila, 63);
}

TEST_F(Calculo, CincuentaNumerosSinFiltros) {
    std::vector<Byte> base;
    for (int v = 1; v <= 50; ++v) base.push_back(static_cast<Byte>(v));
    EstablecerCombinacionBase(base);
    EXPECT_EQ(FormarCombinacionesGeneradas(), MaximoCombinaciones);
    ConteosFiltros conteos;
    AplicarFiltros(FilasActivas{}, TablaEvaluadores{}, conteos);
    EXPECT_EQ(CondicionarApuestas(), MaximoCombinaciones);
    EXPECT_EQ(PasarCondicionadasAReducidas(), MaximoCombinaciones);
    EXPECT_EQ(ApuestasReducidas(MaximoCombinaciones, 1), 46);
    EXPECT_EQ(ApuestasReducidas(MaximoCombinaciones, 5), 50);
}
