// Guarantees level by level against a plain count: every scenario compared with every bet.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <vector>

#include "reduction/modGarantias.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;
using namespace modGarantias;

namespace {

// Every k-subset of 1..N as a mask.
std::vector<Mascara> Subconjuntos(int N, int k) {
    std::vector<Mascara> v;
    for (Mascara m = 0; m < (Mascara{1} << N); ++m)
        if (std::popcount(m) == k) v.push_back(m);
    return v;
}

// The plain count: scenarios (k-subsets of 1..N, those lying in a system combination when
// there is a system), each with its best bet.
ResultadoNivel Referencia(int k, int N, const std::vector<Mascara>& apuestas, const std::vector<Mascara>* sistema) {
    ResultadoNivel r;
    r.nivel = k;
    int minimo = 99;
    for (Mascara s : Subconjuntos(N, k)) {
        if (sistema && std::none_of(sistema->begin(), sistema->end(), [s](Mascara c) { return (c & s) == s; }))
            continue;
        int mejor = 0;
        for (Mascara a : apuestas) mejor = std::max(mejor, std::popcount(a & s));
        ++r.escenarios;
        ++r.porAciertos[static_cast<std::size_t>(mejor)];
        minimo = std::min(minimo, mejor);
    }
    r.garantia = r.escenarios ? minimo : -1;
    r.completo = true;
    return r;
}

std::vector<Mascara> Aleatorias(std::mt19937& azar, int N, int cuantas, int tamano = 5) {
    std::vector<Mascara> v;
    while (static_cast<int>(v.size()) < cuantas) {
        Mascara m = 0;
        while (std::popcount(m) < tamano) m |= Mascara{1} << (azar() % static_cast<unsigned>(N));
        v.push_back(m);
    }
    return v;
}

class Garantias : public DatosIniciales {
protected:
    PlataformaGuion plataforma;
    ResultadoNivel Nivel(int k, int N, const std::vector<Mascara>& apuestas, const std::vector<Mascara>* sistema,
                         const AlAvanzar& avance = {}, const bool* detenido = nullptr) {
        TotalNumerosBase = static_cast<Integer>(N);
        GenerarCombinaciones(k, 5);
        return CalcularNivel(k, N, apuestas, sistema, TodasCombinaciones, avance, detenido);
    }
    static void Igual(const ResultadoNivel& a, const ResultadoNivel& b, const std::string& caso) {
        EXPECT_EQ(a.escenarios, b.escenarios) << caso;
        EXPECT_EQ(a.garantia, b.garantia) << caso;
        EXPECT_EQ(a.porAciertos, b.porAciertos) << caso;
        EXPECT_EQ(a.completo, b.completo) << caso;
    }
};

TEST_F(Garantias, CadaNivelComoElRecuentoDirecto) {
    std::mt19937 azar(7);
    for (int N : {5, 7, 10, 13}) {
        for (int apuestas : {1, 3, 12, 40}) {
            const auto bets = Aleatorias(azar, N, apuestas);
            // A system of about a third of the combinations, and the bets' own numbers.
            auto sistema = Aleatorias(azar, N, std::max(1, static_cast<int>(NumeroCombinaciones(N, 5)) / 3));
            for (int k = 1; k <= 5; ++k) {
                const std::string caso = "N=" + std::to_string(N) + " apuestas=" + std::to_string(apuestas) +
                                         " k=" + std::to_string(k);
                Igual(Nivel(k, N, bets, nullptr), Referencia(k, N, bets, nullptr), caso + " total");
                Igual(Nivel(k, N, bets, &sistema), Referencia(k, N, bets, &sistema), caso + " sistema");
            }
        }
    }
}

TEST_F(Garantias, ApuestasConNumerosFueraDeLaBaseYSistemaVacio) {
    // A bet whose numbers are partly outside the base counts with the rest.
    const std::vector<Mascara> bets = {0b111, 0b11000};
    Igual(Nivel(3, 8, bets, nullptr), Referencia(3, 8, bets, nullptr), "apuestas cortas");
    const std::vector<Mascara> vacio;
    const ResultadoNivel r = Nivel(4, 8, bets, &vacio);
    EXPECT_EQ(r.escenarios, 0);
    EXPECT_EQ(r.garantia, -1);
    EXPECT_TRUE(r.completo);
    EXPECT_EQ(r.Porcentaje(0), 0);
}

TEST_F(Garantias, TodoElSistemaComoApuestasGarantizaElPleno) {
    // Every combination of 9 numbers played: each level is guaranteed in full.
    const auto todas = Subconjuntos(9, 5);
    for (int k = 1; k <= 5; ++k) {
        const ResultadoNivel r = Nivel(k, 9, todas, nullptr);
        EXPECT_EQ(r.garantia, k);
        EXPECT_EQ(r.escenarios, static_cast<Long>(NumeroCombinaciones(9, k)));
        EXPECT_DOUBLE_EQ(r.PorcentajeAlMenos(k), 100.0);
    }
}

TEST_F(Garantias, CedeCadaTrescientosEscenariosYMilTrescientasApuestasYSePuedeDetener) {
    std::mt19937 azar(3);
    const auto bets = Aleatorias(azar, 12, 2700);
    std::vector<Avance> avances;
    const ResultadoNivel r = Nivel(5, 12, bets, nullptr, [&](const Avance& a) { avances.push_back(a); });
    ASSERT_TRUE(r.completo);
    // 2700 bets: at 1300 and 2600; 792 scenarios: at 300 and 600.
    ASSERT_EQ(avances.size(), 4u);
    EXPECT_EQ(avances[0].fase, Avance::Fase::Apuestas);
    EXPECT_EQ(avances[0].hechos, 1300);
    EXPECT_EQ(avances[1].hechos, 2600);
    EXPECT_EQ(avances[2].fase, Avance::Fase::Escenarios);
    EXPECT_EQ(avances[2].hechos, 300);
    EXPECT_EQ(avances[3].hechos, 600);
    EXPECT_EQ(avances[3].total, 792);

    bool detenido = false;
    int llamadas = 0;
    const ResultadoNivel parado = Nivel(5, 12, bets, nullptr, [&](const Avance& a) {
        ++llamadas;
        if (a.fase == Avance::Fase::Escenarios) detenido = true;
    }, &detenido);
    EXPECT_FALSE(parado.completo);
    EXPECT_EQ(llamadas, 3) << "the stop is read at the first yield after it was set";
    EXPECT_EQ(parado.escenarios, 300);
}

TEST_F(Garantias, MascarasDesdeLasTablas) {
    Arreglo<Byte> base(1, 6);
    const Byte numeros[] = {4, 9, 15, 22, 31, 50};
    for (int p = 1; p <= 6; ++p) base(p) = numeros[p - 1];
    const auto pos = PosicionesDeBase(base, 6);
    EXPECT_EQ(pos[4], 1);
    EXPECT_EQ(pos[50], 6);
    EXPECT_EQ(pos[5], 0);

    Tabla<Byte> apuestas;
    apuestas.ReDim(1, 2, 1, 7);
    const Byte filas[2][5] = {{4, 9, 15, 22, 31}, {4, 5, 15, 40, 50}};
    for (int i = 0; i < 2; ++i)
        for (int c = 0; c < 5; ++c) apuestas(i + 1, c + 1) = filas[i][c];
    // Rows past the table are not read.
    const auto m = MascarasApuestas(apuestas, 1, 10, pos);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0], 0b011111u);
    EXPECT_EQ(m[1], 0b100101u) << "5 and 40 are not in the base";

    Tabla<Byte> comb;
    comb.ReDim(1, 3, 1, 5);
    const Byte c[3][5] = {{1, 2, 3, 4, 5}, {2, 3, 4, 5, 7}, {1, 3, 99, 99, 99}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 5; ++j) comb(i + 1, j + 1) = c[i][j];
    const auto s = MascarasCombinaciones(comb, 1, 3, 6);
    ASSERT_EQ(s.size(), 2u) << "a position beyond the base spoils its row";
    EXPECT_EQ(s[0], 0b11111u);
    EXPECT_EQ(s[1], 0b101u);
}

TEST_F(Garantias, InformeDeUnNivel) {
    ResultadoNivel r;
    r.nivel = 3;
    r.escenarios = 1200;
    r.garantia = 1;
    r.porAciertos = {0, 300, 600, 300, 0, 0};
    r.completo = true;
    DatosInforme d;
    d.sistema = SistemaEscenarios::Condicionado;
    d.base = {1, 7, 23};
    d.apuestas = 1500;
    d.apuestasTotales = 4500;
    const auto l = TextoInforme(r, d);
    auto contiene = [&l](const std::string& t) {
        return std::any_of(l.begin(), l.end(), [&t](const std::string& x) { return x.find(t) != std::string::npos; });
    };
    EXPECT_TRUE(contiene("si 3"));
    EXPECT_TRUE(contiene("Sistema : Condicionado"));
    EXPECT_TRUE(contiene(" 01 07 23"));
    EXPECT_TRUE(contiene("1.500 (con estrellas : 4.500)"));
    EXPECT_TRUE(contiene("M\xC3\x8DNIMA : 1 acierto"));
    EXPECT_FALSE(contiene("1 aciertos"));
    // The line of 2 hits: 600 scenarios, 50 %, and 75 % with at least 2.
    EXPECT_TRUE(contiene("50,00 %"));
    EXPECT_TRUE(contiene("75,00 %"));
    EXPECT_EQ(NombreInforme(4), "TORNAVENTURA_GARANTIAS_si4.txt");
}

}  // namespace
