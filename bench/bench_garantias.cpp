// Guarantees of a set of bets, all five levels ("si 1" .. "si 5"), as the guarantees window
// computes them: for each level the k-subsets of the base generated into TodasCombinaciones,
// then every scenario's best bet.
// - Garantias30: 1,000 random bets on a base of 30 numbers against the total system
//   (142,506 scenarios at level 5). Target: at most 2 s for the five levels.
// - Garantias30Condicionado: the same against a conditioned system of half the combinations.
// - Garantias50: 1,000 bets on 50 numbers against the total system (2,118,760 scenarios at
//   level 5), for scale.
#include <benchmark/benchmark.h>

#include <bit>
#include <random>
#include <vector>

#include "common/modGeneral.h"
#include "reduction/modGarantias.h"
#include "support/PlataformaGuionCalculo.h"

using namespace modGeneral;
using modGarantias::Mascara;

namespace {

std::vector<Mascara> Aleatorias(int N, int cuantas, unsigned semilla) {
    std::mt19937 azar(semilla);
    std::vector<Mascara> v;
    while (static_cast<int>(v.size()) < cuantas) {
        Mascara m = 0;
        while (std::popcount(m) < 5) m |= Mascara{1} << (azar() % static_cast<unsigned>(N));
        v.push_back(m);
    }
    return v;
}

void CincoNiveles(benchmark::State& estado, int N, const std::vector<Mascara>* sistema) {
    PlataformaGuionCalculo plataforma;
    TotalNumerosBase = static_cast<Integer>(N);
    const auto apuestas = Aleatorias(N, 1000, 11);
    Long escenarios = 0;
    for (auto _ : estado) {
        escenarios = 0;
        for (int k = 5; k >= 1; --k) {
            GenerarCombinaciones(k, 5);
            const auto r = modGarantias::CalcularNivel(k, N, apuestas, sistema, TodasCombinaciones, [](const auto&) {});
            escenarios += r.escenarios;
            benchmark::DoNotOptimize(r.garantia);
            TodasCombinaciones.Erase();
        }
    }
    estado.counters["escenarios"] = static_cast<double>(escenarios);
}

void Garantias30(benchmark::State& estado) { CincoNiveles(estado, 30, nullptr); }
BENCHMARK(Garantias30)->Unit(benchmark::kMillisecond);

void Garantias30Condicionado(benchmark::State& estado) {
    const auto sistema = Aleatorias(30, 71253, 5);
    CincoNiveles(estado, 30, &sistema);
}
BENCHMARK(Garantias30Condicionado)->Unit(benchmark::kMillisecond);

void Garantias50(benchmark::State& estado) { CincoNiveles(estado, 50, nullptr); }
BENCHMARK(Garantias50)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
