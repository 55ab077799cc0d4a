// Peak resident memory of the largest save: 50 numbers and 12 stars "al 2", 139,838,160 bets
// of 7 bytes (979 MB), calculated through the main window's toolbar ("Cálculo de Prueba") and
// saved with "Cálculo Definitivo". The bet file goes to /dev/null (through a link named
// .EUR), the base file beside the link. Counters:
// - tabla_MB: the bet table; pico_guardar_MB: the peak resident size of the whole process
//   while saving (the table, the writer's buffer, the program and its libraries);
//   pico_entre_tabla: their ratio (aim: at most 1.15).
// - pico_calculo_MB: the same peak over the calculation that builds the table.
// Linux only: the peak is read from /proc/self/status (VmHWM) after resetting it
// (/proc/self/clear_refs).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <fstream>
#include <string>

#include "common/modGeneral.h"
#include "main/frmPrincipal.h"
#include "support/PlataformaGuion.h"

#include "ApoyoBench.h"

using namespace modGeneral;

namespace {

// VmHWM in bytes, or -1 when the system does not give it.
double PicoResidente() {
    std::ifstream f("/proc/self/status");
    std::string linea;
    while (std::getline(f, linea))
        if (linea.rfind("VmHWM:", 0) == 0) return std::stod(linea.substr(6)) * 1024.0;
    return -1;
}

// Starts a new peak at the present resident size.
bool ReiniciarPico() {
    std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
    if (!f) return false;
    const bool ok = std::fputs("5", f) >= 0;
    return std::fclose(f) == 0 && ok;
}

constexpr double MB = 1024.0 * 1024.0;

void GuardarMayorSistema(benchmark::State& estado) {
    PlataformaGuion guion;
    const std::string enlace = guion.carpeta + "/mayor.EUR";
    if (!QFile::link(QStringLiteral("/dev/null"), QString::fromStdString(enlace))) {
        estado.SkipWithError("no link to /dev/null");
        return;
    }
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
        guion.dialogos.push_back(Eleccion(enlace));
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
}
BENCHMARK(GuardarMayorSistema)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return EjecutarBenchmarksConVentanas(argc, argv); }
