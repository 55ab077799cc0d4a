// Peak resident memory of the largest save: 50 numbers and 12 stars "al 2", 139,838,160 bets
// of 7 bytes (979 MB), calculated through the main window's toolbar ("Cálculo de Prueba") and
// saved with "Cálculo Definitivo". The bet file (3 GB) and the base file are written to a
// temporary folder through the safe write, as a user's save is, and removed afterwards.
// Counters:
// - tabla_MB: the bet table; pico_guardar_MB: the peak resident size of the whole process
//   while saving (the table, the writer's buffer, the program and its libraries);
//   pico_entre_tabla: their ratio (aim: at most 1.15).
// - pico_calculo_MB: the same peak over the calculation that builds the table.
// Linux only (ApoyoBench.h).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <string>

#include "common/modGeneral.h"
#include "main/frmPrincipal.h"
#include "support/PlataformaGuion.h"

#include "ApoyoBench.h"

using namespace modGeneral;

namespace {

constexpr double MB = 1024.0 * 1024.0;

void GuardarMayorSistema(benchmark::State& estado) {
    PlataformaGuion guion;
    const std::string fichero = guion.carpeta + "/mayor.EUR";
    frmPrincipal ventana;
    ventana.Cargar();
    ventana.MarcarTodosNumeros();
    for (int e = 0; e < 12; ++e) ventana.lblEstrella_Click(e);

    const bool medible = ReiniciarPico();
    ventana.lblMenu_Click(4);
    const double picoCalculo = PicoResidente();
    const double tabla = static_cast<double>(ApuestasReducidas.Elementos());
    if (frmPrincipal::LeerContador(ventana.lblTOTALReducidasAUX) != 139838160.0 || !guion.mensajes.empty()) {
        estado.SkipWithError("the calculation did not give 139,838,160 bets");
        return;
    }

    double picoGuardar = 0;
    for (auto _ : estado) {
        guion.respuestas.push_back(RespuestaMensaje::Si);  // more than 3,000,000 bets
        guion.dialogos.push_back(Eleccion(fichero));
        ReiniciarPico();
        ventana.lblMenu_Click(6);
        picoGuardar = PicoResidente();
    }
    if (guion.mensajes.size() != 1 || !BaseGuardada || ApuestasReducidas.Elementos() != tabla) {
        estado.SkipWithError(("the save failed: " + guion.UltimoMensaje()).c_str());
        return;
    }
    estado.counters["tabla_MB"] = tabla / MB;
    if (medible) {
        estado.counters["pico_guardar_MB"] = picoGuardar / MB;
        estado.counters["pico_entre_tabla"] = picoGuardar / tabla;
        estado.counters["pico_calculo_MB"] = picoCalculo / MB;
    }
    ventana.Descargar();
    std::remove(fichero.c_str());
    std::remove((guion.carpeta + "/mayor.xml").c_str());
}
BENCHMARK(GuardarMayorSistema)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return EjecutarBenchmarksConVentanas(argc, argv); }
