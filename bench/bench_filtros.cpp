// One call of each filter evaluator over the largest system: a base of all 50 numbers,
// 2,118,760 combinations. Eliminadas is cleared outside the timing before every call; the
// scripted platform makes the yields (every 4000 rows) cheap. Settings are chosen so that each
// filter really tests every row: some tables restrict and a good share of rows go. The number
// groups (120 groups of 10 numbers) and the related groups (40 groups of four subgroups and
// four conditions) keep most rows, so that every pass sees nearly all of them.
#include <benchmark/benchmark.h>

#include "common/modGeneral.h"
#include "filters/modFiltros.h"
#include "support/PlataformaGuionCalculo.h"

using namespace modGeneral;

namespace {

PlataformaGuionCalculo* plataforma = nullptr;

void PrepararSistema() {
    if (!plataforma) plataforma = new PlataformaGuionCalculo;
    if (TotalCombinaciones == MaximoCombinaciones) return;
    TotalNumerosBase = 50;
    CombinacionBase.ReDim(1, 50);
    for (int n = 1; n <= 50; ++n) CombinacionBase(n) = static_cast<Byte>(n);
    TotalCombinaciones = GenerarCombinaciones(5, 5);
    Eliminadas.ReDim(-1, TotalCombinaciones);
}

// Runs one evaluator per iteration on a freshly cleared Eliminadas; reports rows removed.
template <typename Ajustar>
void Medir(benchmark::State& state, Long (*evaluador)(Integer), Ajustar ajustar) {
    PrepararSistema();
    InicializarFiltros();
    ajustar();
    Long quitadas = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Eliminadas.Limpiar();
        Eliminadas(-1) = 1;
        state.ResumeTiming();
        quitadas = evaluador(5);
        benchmark::DoNotOptimize(quitadas);
    }
    state.counters["filas"] = TotalCombinaciones;
    state.counters["quitadas"] = quitadas;
    InicializarFiltros();
}

void BM_AltosBajos(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarAltosBajos, [] { Bajos(2) = Bajos(3) = 1; Altos(2) = Altos(3) = Altos(4) = 1; });
}
void BM_Decenas(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarDecenas, [] {
        for (int c = 0; c <= 2; ++c) Decena0109(c) = Decena4050(c) = 1;
        FigurasDecenas(5) = FigurasDecenas(6) = FigurasDecenas(7) = 1;
    });
}
void BM_ParesImpares(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarParesImpares, [] { ParesActivos(2) = ParesActivos(3) = 1; });
}
void BM_Seguidos(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarSeguidos, [] {
        NumerosSeguidos(1) = NumerosSeguidos(2) = 1;
        FigurasSeguidos(6) = FigurasSeguidos(7) = 1;
    });
}
void BM_Terminaciones(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarTerminaciones, [] {
        for (int d = 0; d <= 9; d += 3) TerminadosEn(d, 0) = TerminadosEn(d, 1) = 1;
        SumaTerminacionesMinima = 10;
        SumaTerminacionesMaxima = 35;
        FigurasTerminaciones(6) = FigurasTerminaciones(7) = 1;
    });
}
void BM_Distancias(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarDistancias, [] {
        Distancia12Maxima = 15;
        Distancia23Minima = 2;
        Distancia23Maxima = 20;
        Distancia15Minima = 20;
        Distancia15Maxima = 45;
    });
}
void BM_Sumas(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarSumas, [] {
        SumaMinima[1] = 80;
        SumaMaxima[1] = 110;
        SumaMinima[2] = 130;
        SumaMaxima[2] = 160;
    });
}
void BM_Posiciones(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarPosiciones, [] {
        for (int n = 1; n <= 15; ++n) PosicionesNumeros(1, n) = 1;
        for (int n = 30; n <= 50; ++n) PosicionesNumeros(5, n) = 1;
    });
}
void BM_Grupos120(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarGrupos, [] {
        for (int g = 1; g <= 120; ++g) {
            for (int k = 0; k < 10; ++k) GruposNumeros(g, (g * 7 + k * 5) % 50 + 1) = 1;
            for (int c = 0; c <= 4; ++c) GruposAciertos(g, c) = 1;  // only all five in the group go
        }
    });
}
void BM_GruposRelacionados40(benchmark::State& s) {
    Medir(s, modFiltros::FiltrarGruposRelacionados, [] {
        for (int g = 1; g <= 40; ++g)
            for (int sub = 1; sub <= 4; ++sub) {
                const int fila = 4 * (g - 1) + sub;
                for (int k = 0; k < 12; ++k) SubgruposNumeros(fila, (g + sub * 12 + k) % 50 + 1) = 1;
                for (int c = 0; c <= 3; ++c) CondicionesAciertos(fila, c) = 1;
            }
    });
}

}  // namespace

BENCHMARK(BM_AltosBajos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decenas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParesImpares)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Seguidos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Terminaciones)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Distancias)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sumas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Posiciones)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grupos120)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GruposRelacionados40)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
