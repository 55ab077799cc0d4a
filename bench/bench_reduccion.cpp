// The reduction engine, one greedy pass over full systems (every combination of the base is a
// scenario and a candidate):
//   Al4_20  "al 4" on 20 numbers (15,504 combinations)     target: at most 0.3 s
//   Al4_30  "al 4" on 30 numbers (142,506 combinations)    target: at most 3 s
//   Al4_50, Al3_50, Al2_50  on 50 numbers (2,118,760)      target: each at most 60 s, with
//           progress calls no more than 0.2 s apart (counter intervalo_max_ms)
//   Detener_Al3_50  the stop flag set 3 s into the run: time until the engine returns with
//           the bets chosen so far (counter respuesta_ms, target: under 200 ms)
//   Detener_Al4_50, Detener_Al2_50, Detener_Al1_50/<ms>  the same for the other guarantees
//           on 50 numbers, the flag set 3 s (al 1: <ms>) into the first pass; at "al 1" one
//           bet's update reaches about 900,000 scenarios
//   Detener_Ciclos_Al1_50/<ms>  the same with cycles on (the window's default), the flag set
//           <ms> into the first passes, which then run on every core
//   Detener_Ciclos_Al4_30  the same 3 s into cycles with local search on 30 numbers
//   PorDefecto/<v>/<g>/<%>/<n>  the reduction as the window runs it with its defaults (cycles
//           on, fixed seeds, every core) on a full system of v numbers, "al g", to that
//           percentage (n 0) or to n bets, until the cycles end by themselves. Targets on a quiet 8-core machine: up to 15
//           numbers at most 2 s, 20 numbers "al 4" at most 20 s, 30 numbers "al 3" at most
//           60 s; the bets no more than the 30-second figures of calidad_reduccion.csv + 2 %.
//   Ciclos_Al3_50  the same on 50 numbers "al 3" (2,118,760 combinations), stopped after 90 s:
//           the memory of every worker at once (target: the whole process under 1 GB, to be
//           read with /usr/bin/time -v)
// Counters: apuestas (bets of the result), llamadas (progress calls), intervalo_max_ms (the
// longest stretch without a progress call, so without a chance to stop), memoria_mb (growth
// of the process's peak resident memory during the pass: the engine's own tables), pase
// (bets of the first greedy pass), ciclos (cycles done), hilos (worker threads).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

#include "common/Tabla.h"
#include "reduction/modReduccion.h"

using modGeneral::Byte;
using namespace modReduccion;
using Reloj = std::chrono::steady_clock;

namespace {

// Every 5-subset of 1..N in lexicographic order, as the calculation leaves them.
const Tabla<Byte>& Sistema(int N) {
    static std::map<int, std::unique_ptr<Tabla<Byte>>> cache;
    auto& t = cache[N];
    if (!t) {
        t = std::make_unique<Tabla<Byte>>();
        long filas = 0;
        for (int a = 1; a <= N; ++a)
            for (int b = a + 1; b <= N; ++b)
                for (int c = b + 1; c <= N; ++c)
                    for (int d = c + 1; d <= N; ++d) filas += N - d;
        t->ReDim(1, filas, 1, 5, false);
        long f = 0;
        for (int a = 1; a <= N; ++a)
            for (int b = a + 1; b <= N; ++b)
                for (int c = b + 1; c <= N; ++c)
                    for (int d = c + 1; d <= N; ++d)
                        for (int e = d + 1; e <= N; ++e) {
                            ++f;
                            (*t)(f, 1) = Byte(a);
                            (*t)(f, 2) = Byte(b);
                            (*t)(f, 3) = Byte(c);
                            (*t)(f, 4) = Byte(d);
                            (*t)(f, 5) = Byte(e);
                        }
    }
    return *t;
}

double PicoMemoriaMB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0;
}

void UnPase(benchmark::State& estado, int N, int g) {
    const Tabla<Byte>& t = Sistema(N);
    ParametrosReduccion p;
    p.Garantia = g;
    ResultadoReduccion r;
    double intervaloMax = 0, llamadas = 0;
    const double memoriaAntes = PicoMemoriaMB();
    for (auto _ : estado) {
        auto ultimo = Reloj::now();
        r = Reducir(N, t, t, p, nullptr, [&](const ProgresoReduccion&) {
            const auto ahora = Reloj::now();
            intervaloMax = std::max(intervaloMax, std::chrono::duration<double, std::milli>(ahora - ultimo).count());
            ultimo = ahora;
            ++llamadas;
        });
        intervaloMax = std::max(intervaloMax, std::chrono::duration<double, std::milli>(Reloj::now() - ultimo).count());
    }
    estado.counters["apuestas"] = static_cast<double>(r.Apuestas.size());
    estado.counters["cubiertos"] = static_cast<double>(r.Cubiertos);
    estado.counters["llamadas"] = llamadas / static_cast<double>(estado.iterations());
    estado.counters["intervalo_max_ms"] = intervaloMax;
    estado.counters["memoria_mb"] = PicoMemoriaMB() - memoriaAntes;
}

void Al4_20(benchmark::State& s) { UnPase(s, 20, 4); }
void Al4_30(benchmark::State& s) { UnPase(s, 30, 4); }
void Al4_50(benchmark::State& s) { UnPase(s, 50, 4); }
void Al3_50(benchmark::State& s) { UnPase(s, 50, 3); }
void Al2_50(benchmark::State& s) { UnPase(s, 50, 2); }

// The stop asked for after `tras` seconds, counted from the start or from the first pass.
void Detener(benchmark::State& estado, int N, int g, bool ciclos, double tras = 3, bool desdeElPase = false) {
    const Tabla<Byte>& t = Sistema(N);
    ParametrosReduccion p;
    p.Garantia = g;
    p.Ciclos = ciclos;
    p.CiclosSinMejora = 0;
    double respuesta = 0;
    ResultadoReduccion r;
    for (auto _ : estado) {
        bool detener = false;
        auto inicio = Reloj::now();
        bool enElPase = !desdeElPase;
        Reloj::time_point pedido{};
        r = Reducir(N, t, t, p, &detener, [&](const ProgresoReduccion& pr) {
            if (!enElPase && pr.fase == ProgresoReduccion::Fase::Voraz) {
                enElPase = true;
                inicio = Reloj::now();
            }
            if (enElPase && !detener && Reloj::now() - inicio > std::chrono::duration<double>(tras)) {
                detener = true;
                pedido = Reloj::now();
            }
        });
        // Not asked for when the run ended first (detenido then reads 0).
        if (detener)
            respuesta = std::max(respuesta, std::chrono::duration<double, std::milli>(Reloj::now() - pedido).count());
    }
    estado.counters["respuesta_ms"] = respuesta;
    estado.counters["apuestas"] = static_cast<double>(r.Apuestas.size());
    estado.counters["detenido"] = r.Detenido;
}
void Detener_Al3_50(benchmark::State& s) { Detener(s, 50, 3, false); }
void Detener_Al4_50(benchmark::State& s) { Detener(s, 50, 4, false, 3, true); }
void Detener_Al2_50(benchmark::State& s) { Detener(s, 50, 2, false, 3, true); }
void Detener_Al1_50(benchmark::State& s) { Detener(s, 50, 1, false, static_cast<double>(s.range(0)) / 1000, true); }
void Detener_Ciclos_Al1_50(benchmark::State& s) { Detener(s, 50, 1, true, static_cast<double>(s.range(0)) / 1000, true); }
void Detener_Ciclos_Al4_30(benchmark::State& s) { Detener(s, 30, 4, true); }
// Right after the first pass: the structured second start and the local search.
void Detener_Ciclos_Al3_30(benchmark::State& s) { Detener(s, 30, 3, true, static_cast<double>(s.range(0)) / 1000); }

// As the window calls the engine, with its defaults.
void PorDefecto(benchmark::State& estado) {
    const int N = static_cast<int>(estado.range(0));
    const Tabla<Byte>& t = Sistema(N);
    ParametrosReduccion p;
    p.Garantia = static_cast<int>(estado.range(1));
    p.Porcentaje = static_cast<int>(estado.range(2));
    p.ModoNuApuestas = estado.range(3) > 0;
    p.NuApuestas = static_cast<modGeneral::Long>(std::max<std::int64_t>(1, estado.range(3)));
    p.Ciclos = true;
    ResultadoReduccion r;
    for (auto _ : estado) r = Reducir(N, t, t, p, nullptr, {});
    estado.counters["apuestas"] = static_cast<double>(r.Apuestas.size());
    estado.counters["cubiertos"] = static_cast<double>(r.Cubiertos);
    estado.counters["pase"] = static_cast<double>(r.ApuestasPrimerPase);
    estado.counters["ciclos"] = static_cast<double>(r.Ciclos);
    estado.counters["hilos"] = r.Hilos;
}

void Ciclos_Al3_50(benchmark::State& estado) {
    const Tabla<Byte>& t = Sistema(50);
    ParametrosReduccion p;
    p.Garantia = 3;
    p.Ciclos = true;
    p.SegundosMaximos = 90;
    ResultadoReduccion r;
    const double memoriaAntes = PicoMemoriaMB();
    for (auto _ : estado) r = Reducir(50, t, t, p, nullptr, {});
    estado.counters["apuestas"] = static_cast<double>(r.Apuestas.size());
    estado.counters["hilos"] = r.Hilos;
    estado.counters["memoria_mb"] = PicoMemoriaMB() - memoriaAntes;
}

}  // namespace

BENCHMARK(Al4_20)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(Al4_30)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(Al4_50)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(Al3_50)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(Al2_50)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(Detener_Al3_50)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(Detener_Al4_50)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(Detener_Al2_50)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(Detener_Al1_50)->Unit(benchmark::kSecond)->Iterations(1)->Arg(250)->Arg(750)->Arg(1250)->Arg(1750);
BENCHMARK(Detener_Ciclos_Al1_50)->Unit(benchmark::kSecond)->Iterations(1)->Arg(250)->Arg(750)->Arg(1250)->Arg(1750);
BENCHMARK(Detener_Ciclos_Al4_30)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(Detener_Ciclos_Al3_30)->Unit(benchmark::kSecond)->Iterations(1)->Arg(400)->Arg(700)->Arg(1000);
BENCHMARK(PorDefecto)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Args({10, 4, 100, 0})
    ->Args({11, 4, 100, 0})
    ->Args({12, 4, 100, 0})
    ->Args({13, 4, 100, 0})
    ->Args({14, 4, 100, 0})
    ->Args({15, 4, 100, 0})
    ->Args({15, 4, 95, 0})
    ->Args({14, 4, 100, 60})
    ->Args({12, 3, 100, 0})
    ->Args({12, 3, 95, 0})
    ->Args({15, 3, 100, 0})
    ->Args({15, 3, 100, 10})
    ->Args({15, 2, 100, 0})
    ->Args({15, 2, 100, 2});
BENCHMARK(PorDefecto)
    ->Name("PorDefecto_Grandes")
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Args({16, 3, 100, 0})
    ->Args({20, 4, 100, 0})
    ->Args({30, 3, 100, 0});
BENCHMARK(Ciclos_Al3_50)->Unit(benchmark::kSecond)->Iterations(1);

BENCHMARK_MAIN();
