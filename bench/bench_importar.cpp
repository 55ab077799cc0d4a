// Importing the largest bet file the program takes: every 5-of-50 combination once
// (2,118,760 bets, stars 3 and 9), from files in the system's temporary folder.
// - LeerEUR / LeerTXT/<layout>: the reader unit alone, the file to the bet table.
// - LeerEURYRepetidas: the reader and the repeated-bets pass.
// - ImportarEUR / ImportarTXT/<layout>: the whole import of the main window ("Desde Archivo"
//   with the file given by the dialog): reading, the grids, the repeated-bets pass, the
//   counters and the stars. Its counter pico_MB is the peak of the process's resident memory
//   during the import, above what it held before (Linux: VmHWM after resetting it); the
//   figure to read is PicoImportarEUR's run alone (--benchmark_filter=Pico): a fresh
//   process with large tables always given back.
// Layouts: 1 "0102030405*0607", 2 "01,02,03,04,05+06,07", 3 "01 02 03 04 05 06 07",
// 4 "01020304050607", each line ending in CR LF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <malloc.h>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "common/modEncriptarFichero.h"
#include "common/modLeerApuestas.h"
#include "main/frmPrincipal.h"
#include "support/PlataformaGuion.h"

#include "ApoyoBench.h"

using namespace modGeneral;

namespace {

QTemporaryDir& Carpeta() {
    static QTemporaryDir carpeta;
    return carpeta;
}

std::string Ruta(const std::string& nombre) { return Carpeta().path().toStdString() + "/" + nombre; }

// Calls f(a) for every 5-of-50 combination a, in lexicographic order.
template <typename F>
void CadaCombinacion(F f) {
    int a[5];
    for (a[0] = 1; a[0] <= 46; ++a[0])
        for (a[1] = a[0] + 1; a[1] <= 47; ++a[1])
            for (a[2] = a[1] + 1; a[2] <= 48; ++a[2])
                for (a[3] = a[2] + 1; a[3] <= 49; ++a[3])
                    for (a[4] = a[3] + 1; a[4] <= 50; ++a[4]) f(a);
}

const std::string& FicheroEUR() {
    static const std::string ruta = [] {
        PlataformaGuion plataforma;
        ApuestasGrabacion.ReDim(1, MaximoCombinaciones, 1, 7, false);
        long r = 0;
        CadaCombinacion([&](const int* a) {
            ++r;
            for (int c = 0; c < 5; ++c) ApuestasGrabacion(r, c + 1) = static_cast<Byte>(a[c]);
            ApuestasGrabacion(r, 6) = 3;
            ApuestasGrabacion(r, 7) = 9;
        });
        const std::string ruta = Ruta("todas.EUR");
        modEncriptarFichero::GuardarFicheroEUR(ruta, "base", MaximoCombinaciones, {});
        ApuestasGrabacion.Erase();
        return ruta;
    }();
    return ruta;
}

const std::string& FicheroTXT(int formato) {
    static std::string rutas[5];
    std::string& ruta = rutas[formato];
    if (!ruta.empty()) return ruta;
    std::string t;
    t.reserve(static_cast<std::size_t>(MaximoCombinaciones) * 22);
    char linea[32];
    CadaCombinacion([&](const int* a) {
        switch (formato) {
        case 1: std::snprintf(linea, sizeof linea, "%02d%02d%02d%02d%02d*0309\r\n", a[0], a[1], a[2], a[3], a[4]); break;
        case 2: std::snprintf(linea, sizeof linea, "%02d,%02d,%02d,%02d,%02d+03,09\r\n", a[0], a[1], a[2], a[3], a[4]); break;
        case 3: std::snprintf(linea, sizeof linea, "%02d %02d %02d %02d %02d 03 09\r\n", a[0], a[1], a[2], a[3], a[4]); break;
        default: std::snprintf(linea, sizeof linea, "%02d%02d%02d%02d%02d0309\r\n", a[0], a[1], a[2], a[3], a[4]); break;
        }
        t += linea;
    });
    ruta = Ruta("todas" + std::to_string(formato) + ".TXT");
    std::ofstream(ruta, std::ios::binary) << t;
    return ruta;
}

// Resident memory now and at its peak (kB), from /proc/self/status; 0 where unknown.
long Memoria(const char* campo) {
    std::ifstream f("/proc/self/status");
    std::string linea;
    while (std::getline(f, linea))
        if (linea.rfind(campo, 0) == 0) return std::stol(linea.substr(std::string(campo).size()));
    return 0;
}
void ReiniciarPico() { std::ofstream("/proc/self/clear_refs") << "5"; }

void Lectura(benchmark::State& estado, const std::string& ruta, bool repetidas) {
    PlataformaGuion plataforma;
    for (auto _ : estado) {
        modLeerApuestas::LecturaApuestas l = modLeerApuestas::LeerFicheroApuestas(ruta);
        if (l.total != MaximoCombinaciones) estado.SkipWithError("lectura incompleta");
        if (repetidas) {
            Tabla<Byte> destino;
            destino.ReDim(1, l.total, 1, 7);
            benchmark::DoNotOptimize(modLeerApuestas::EliminarRepetidas(l.apuestas, l.total, destino));
        }
    }
    estado.counters["apuestas"] = MaximoCombinaciones;
}

void LeerEUR(benchmark::State& estado) { Lectura(estado, FicheroEUR(), false); }
void LeerEURYRepetidas(benchmark::State& estado) { Lectura(estado, FicheroEUR(), true); }
void LeerTXT(benchmark::State& estado) { Lectura(estado, FicheroTXT(static_cast<int>(estado.range(0))), false); }

void Importar(benchmark::State& estado, const std::string& ruta) {
    PlataformaGuion plataforma;
    frmPrincipal ventana;
    ventana.Cargar();
    ventana.cboTipoCombinacion->SetListIndex(2);  // "Desde Archivo", dialog cancelled
    double pico = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        ApuestasImportadas.Erase();
        ApuestasReducidas.Erase();
        const long antes = Memoria("VmRSS:");
        ReiniciarPico();
        plataforma.dialogos.push_back(Eleccion(ruta, 2));
        estado.ResumeTiming();
        ventana.ImportarApuestasDesdeArchivo();
        estado.PauseTiming();
        const long despues = Memoria("VmHWM:");
        if (antes > 0 && despues > antes) pico = std::max(pico, (despues - antes) / 1024.0);
        if (TotalImportadas != MaximoCombinaciones || !plataforma.mensajes.empty())
            estado.SkipWithError(("importación incompleta: " + plataforma.UltimoMensaje()).c_str());
        estado.ResumeTiming();
    }
    estado.counters["apuestas"] = MaximoCombinaciones;
    estado.counters["pico_MB"] = pico;
    BaseGuardada = true;
    ventana.Descargar();
}

void ImportarEUR(benchmark::State& estado) { Importar(estado, FicheroEUR()); }

// Run last: from here on large tables are always mapped and given back when freed, so the
// memory before each import holds none of the one before (glibc would otherwise raise its
// threshold after the first large free and keep such tables in the heap).
void PicoImportarEUR(benchmark::State& estado) {
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    Importar(estado, FicheroEUR());
}
void ImportarTXT(benchmark::State& estado) { Importar(estado, FicheroTXT(static_cast<int>(estado.range(0)))); }

BENCHMARK(LeerEUR)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(LeerEURYRepetidas)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(LeerTXT)->DenseRange(1, 4)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ImportarEUR)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ImportarTXT)->DenseRange(1, 4)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(PicoImportarEUR)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return EjecutarBenchmarksConVentanas(argc, argv); }
