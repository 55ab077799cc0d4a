// Heavy paths of the shared services, at the program's largest size (a base of 50 numbers:
// 2,118,760 combinations):
//   GenerarCombinaciones(5, 5) with N = 50           target: at most 10 ms
//   IndiceCombinacion over every sorted 5-subset     target: at most 30 ms in total
//   GuardarFicheroEUR of 2,118,760 bets (46.6 MB)    target: at most 2x EscribirBytesPreparados,
//   EscribirBytesPreparados: the same bytes, already in memory, written to a file
// The scripted platform is installed so that yields cost next to nothing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/modCSN.h"
#include "common/modEncriptarFichero.h"
#include "common/modGeneral.h"
#include "support/PlataformaGuionCalculo.h"

using namespace modGeneral;

namespace {

constexpr Long Total = 2118760;

std::string RutaTemporal(const char* nombre) {
    return (std::filesystem::temp_directory_path() / nombre).string();
}

// Every sorted 5-subset of 1..50, each as a 1-based array (element 0 unused).
const std::vector<std::array<Byte, 6>>& Subconjuntos() {
    static std::vector<std::array<Byte, 6>> todos = [] {
        std::vector<std::array<Byte, 6>> v;
        v.reserve(Total);
        for (int a = 1; a <= 46; ++a)
            for (int b = a + 1; b <= 47; ++b)
                for (int c = b + 1; c <= 48; ++c)
                    for (int d = c + 1; d <= 49; ++d)
                        for (int e = d + 1; e <= 50; ++e)
                            v.push_back({0, Byte(a), Byte(b), Byte(c), Byte(d), Byte(e)});
        return v;
    }();
    return todos;
}

void LlenarApuestasGrabacion() {
    if (ApuestasGrabacion.UBound1() == Total) return;
    const auto& s = Subconjuntos();
    ApuestasGrabacion.ReDim(1, Total, 1, 7);
    for (Long r = 1; r <= Total; ++r) {
        for (int c = 1; c <= 5; ++c) ApuestasGrabacion(r, c) = s[static_cast<std::size_t>(r - 1)][c];
        ApuestasGrabacion(r, 6) = static_cast<Byte>(1 + r % 11);
        ApuestasGrabacion(r, 7) = 12;
    }
}

void BM_GenerarCombinaciones(benchmark::State& state) {
    TotalNumerosBase = 50;
    for (auto _ : state) {
        Long filas = GenerarCombinaciones(5, 5);
        benchmark::DoNotOptimize(filas);
        benchmark::ClobberMemory();
    }
    state.counters["filas"] = static_cast<double>(TodasCombinaciones.Filas());
    TodasCombinaciones.Erase();
}
BENCHMARK(BM_GenerarCombinaciones)->Unit(benchmark::kMillisecond);

void BM_IndiceCombinacion(benchmark::State& state) {
    const auto& s = Subconjuntos();
    for (auto _ : state) {
        long long suma = 0;
        for (const auto& c : s) suma += modCSN::IndiceCombinacion(5, 50, c.data());
        benchmark::DoNotOptimize(suma);
    }
    state.counters["combinaciones"] = static_cast<double>(s.size());
}
BENCHMARK(BM_IndiceCombinacion)->Unit(benchmark::kMillisecond);

void BM_GuardarFicheroEUR(benchmark::State& state) {
    LlenarApuestasGrabacion();
    const std::string ruta = RutaTemporal("tv_bench_guardar.EUR");
    double ancho = 0;
    for (auto _ : state) {
        bool ok = modEncriptarFichero::GuardarFicheroEUR(ruta, "01020304050607+0102", Total,
                                                         [&ancho](double a) { ancho = a; });
        if (!ok) state.SkipWithError("GuardarFicheroEUR failed");
    }
    benchmark::DoNotOptimize(ancho);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(ruta)));
}
BENCHMARK(BM_GuardarFicheroEUR)->Unit(benchmark::kMillisecond);

void BM_EscribirBytesPreparados(benchmark::State& state) {
    // The bytes of the file the writer produces, held in memory.
    LlenarApuestasGrabacion();
    const std::string origen = RutaTemporal("tv_bench_origen.EUR");
    modEncriptarFichero::GuardarFicheroEUR(origen, "01020304050607+0102", Total, nullptr);
    std::ifstream f(origen, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const std::string ruta = RutaTemporal("tv_bench_bytes.EUR");
    for (auto _ : state) {
        std::FILE* salida = std::fopen(ruta.c_str(), "wb");
        if (!salida || std::fwrite(bytes.data(), 1, bytes.size(), salida) != bytes.size())
            state.SkipWithError("write failed");
        if (salida) std::fclose(salida);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_EscribirBytesPreparados)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    PlataformaGuionCalculo plataforma;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const char* n : {"tv_bench_guardar.EUR", "tv_bench_origen.EUR", "tv_bench_bytes.EUR"})
        std::filesystem::remove(RutaTemporal(n));
    return 0;
}
