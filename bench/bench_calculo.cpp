// The heavy paths of a calculation on a base of all 50 numbers (2,118,760 combinations):
// - CalculoSinFiltros: from the marked base to the bets with one star pair (generation,
//   no active filter, the conditioned table, the bets without reduction, the stars).
// - CalculoDesdeLaBarra: the same through the main window ("Cálculo de Prueba" on the
//   toolbar, shown offscreen, the Qt platform yielding to the event loop).
// - AsignarEstrellas12Al2: 2,118,760 number-bets with 12 stars "al 2", 66 pairs each:
//   139,838,160 bets of 7 bytes (about 980 MB).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <vector>

#include "common/modGeneral.h"
#include "main/frmPrincipal.h"
#include "main/modCalculo.h"
#include "main/modEstrellas.h"
#include "platform/PlataformaQt.h"
#include "support/PlataformaGuion.h"

#include "ApoyoBench.h"

using namespace modGeneral;

namespace {

std::vector<Byte> Numeros(int hasta) {
    std::vector<Byte> v;
    for (int i = 1; i <= hasta; ++i) v.push_back(static_cast<Byte>(i));
    return v;
}

void CalculoSinFiltros(benchmark::State& estado) {
    PlataformaGuion plataforma;
    InicializarFiltros();
    Tabla<Byte> pares;
    for (auto _ : estado) {
        modCalculo::EstablecerCombinacionBase(Numeros(50));
        modCalculo::FormarCombinacionesGeneradas();
        modCalculo::ConteosFiltros conteos;
        modCalculo::AplicarFiltros(modCalculo::FilasActivas{}, modCalculo::TablaEvaluadores{}, conteos);
        const Long n = modCalculo::CondicionarApuestas();
        modCalculo::PasarCondicionadasAReducidas();
        const Integer P = modEstrellas::CargarEstrellasMarcadas({3, 9}, modEstrellas::TratamientoAl2, pares);
        benchmark::DoNotOptimize(modEstrellas::AsignarEstrellas(pares, P, n, modEstrellas::TratamientoAl2));
    }
    estado.counters["apuestas"] = static_cast<double>(ApuestasReducidas.Filas());
    TodasCombinaciones.Erase();
    Eliminadas.Erase();
    ApuestasCondicionadas.Erase();
    ApuestasReducidas.Erase();
}
BENCHMARK(CalculoSinFiltros)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void CalculoDesdeLaBarra(benchmark::State& estado) {
    PlataformaQt plataforma;
    Plataforma::Instalar(&plataforma);
    {
        frmPrincipal ventana;
        ventana.Cargar();
        ventana.show();
        ventana.MarcarTodosNumeros();
        ventana.lblEstrella_Click(2);
        ventana.lblEstrella_Click(8);
        QApplication::processEvents();
        for (auto _ : estado) ventana.lblMenu_Click(4);
        estado.counters["apuestas"] = static_cast<double>(ApuestasReducidas.Filas());
        BaseGuardada = true;
        ventana.Descargar();
    }
    Plataforma::Instalar(nullptr);
}
BENCHMARK(CalculoDesdeLaBarra)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void AsignarEstrellas12Al2(benchmark::State& estado) {
    PlataformaGuion plataforma;
    InicializarFiltros();
    // The number-bets: every combination of 50 numbers, as the calculation leaves them.
    modCalculo::EstablecerCombinacionBase(Numeros(50));
    modCalculo::FormarCombinacionesGeneradas();
    const Long n = modCalculo::CondicionarApuestas();
    TodasCombinaciones.Erase();
    Eliminadas.Erase();
    Tabla<Byte> pares;
    const Integer P = modEstrellas::CargarEstrellasMarcadas(Numeros(12), modEstrellas::TratamientoAl2, pares);
    for (auto _ : estado) {
        estado.PauseTiming();
        modCalculo::PasarCondicionadasAReducidas();
        estado.ResumeTiming();
        benchmark::DoNotOptimize(modEstrellas::AsignarEstrellas(pares, P, n, modEstrellas::TratamientoAl2));
        estado.PauseTiming();
        ApuestasReducidas.Erase();
        estado.ResumeTiming();
    }
    estado.counters["apuestas"] = static_cast<double>(n) * P;
    ApuestasCondicionadas.Erase();
}
BENCHMARK(AsignarEstrellas12Al2)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) { return EjecutarBenchmarksConVentanas(argc, argv); }
