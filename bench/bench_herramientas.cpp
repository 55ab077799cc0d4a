// The heavy paths of the bet-file tools:
// - EscrutinioTodas: the scrutiny of 2,118,760 bets (every 5-of-50 combination, stars 1 and 2)
//   against one winning combination, counts by prize category.
// - GenerarUnMillon: 1,000,000 distinct random bets drawn from the 2,118,760 combinations of
//   50 numbers into ApuestasGrabacion (the generator alone: what comes on top of the writer).
// - GenerarYGuardarUnMillon: the same followed by the .EUR writer, and GuardarUnMillon the
//   writer alone on the same bets, so the difference of the two is the generator's share.
// - PorcentajesCienMil: 100,000 distinct bets drawn by percentages over 50 numbers.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "common/modEncriptarFichero.h"
#include "common/modGeneral.h"
#include "support/PlataformaGuionCalculo.h"
#include "tools/modEscrutinio.h"
#include "tools/modGeneradores.h"

using namespace modGeneral;

namespace {

std::vector<Byte> Cincuenta() {
    std::vector<Byte> v;
    for (int i = 1; i <= 50; ++i) v.push_back(static_cast<Byte>(i));
    return v;
}

void EscrutinioTodas(benchmark::State& estado) {
    Tabla<Byte> t;
    t.ReDim(1, MaximoCombinaciones, 1, 7, false);
    const std::vector<Byte> numeros = Cincuenta();
    Byte a[5];
    for (Long r = 0; r < MaximoCombinaciones; ++r) {
        modGeneradores::CombinacionDeRango(numeros, r, a);
        for (int c = 0; c < 5; ++c) t(r + 1, c + 1) = a[c];
        t(r + 1, 6) = 1;
        t(r + 1, 7) = 2;
    }
    const Byte ganadora[8] = {0, 3, 17, 25, 40, 48, 2, 11};
    long cesiones = 0;
    for (auto _ : estado) {
        auto r = modEscrutinio::EscrutarApuestas(t, 1, MaximoCombinaciones, ganadora, [&] { ++cesiones; });
        benchmark::DoNotOptimize(r);
    }
    estado.counters["apuestas"] = MaximoCombinaciones;
}
BENCHMARK(EscrutinioTodas)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void GenerarUnMillon(benchmark::State& estado) {
    PlataformaGuionCalculo plataforma;
    const std::vector<Byte> numeros = Cincuenta();
    for (auto _ : estado)
        modGeneradores::GenerarApuestasAleatorias(numeros, 3, 9, 1000000, [&] { return plataforma.Rnd(); },
                                                  [&] { plataforma.DoEvents(); });
    estado.counters["apuestas"] = 1000000;
    ApuestasGrabacion.Erase();
}
BENCHMARK(GenerarUnMillon)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void GenerarYGuardarUnMillon(benchmark::State& estado) {
    PlataformaGuionCalculo plataforma;
    const std::vector<Byte> numeros = Cincuenta();
    const std::string ruta = plataforma.carpeta + "/millon.EUR";
    for (auto _ : estado) {
        modGeneradores::GenerarApuestasAleatorias(numeros, 3, 9, 1000000, [&] { return plataforma.Rnd(); },
                                                  [&] { plataforma.DoEvents(); });
        modEncriptarFichero::GuardarFicheroEUR(ruta, "0102+0309", 1000000, {});
    }
    ApuestasGrabacion.Erase();
    std::remove(ruta.c_str());
}
BENCHMARK(GenerarYGuardarUnMillon)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void GuardarUnMillon(benchmark::State& estado) {
    PlataformaGuionCalculo plataforma;
    const std::vector<Byte> numeros = Cincuenta();
    const std::string ruta = plataforma.carpeta + "/millon.EUR";
    modGeneradores::GenerarApuestasAleatorias(numeros, 3, 9, 1000000, [&] { return plataforma.Rnd(); });
    for (auto _ : estado) modEncriptarFichero::GuardarFicheroEUR(ruta, "0102+0309", 1000000, {});
    ApuestasGrabacion.Erase();
    std::remove(ruta.c_str());
}
BENCHMARK(GuardarUnMillon)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void PorcentajesCienMil(benchmark::State& estado) {
    PlataformaGuionCalculo plataforma;
    int p[51] = {};
    for (int n = 1; n <= 50; ++n) p[n] = 1 + n % 100;
    for (auto _ : estado)
        benchmark::DoNotOptimize(modGeneradores::GenerarApuestasPorPorcentaje(
            p, 1, 2, 100000, [&] { return plataforma.Rnd(); }, [&] { plataforma.DoEvents(); }));
    ApuestasGrabacion.Erase();
}
BENCHMARK(PorcentajesCienMil)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
