// Opening a base file with every filter in use: all 120 number groups (25 numbers and three
// hit counts each) and all 40 related groups (four subgroups of 10 numbers, four conditions),
// written by the program itself (about 40 KB on disk).
// - LeerBaseXML: the document loads the file and the reader walks it into the tables.
// - AbrirBaseXMLVentana: "ABRIR" as the main window runs it, shown offscreen: the dialog
//   (answered at once), the reset, the reading, the grids, the filter list and the counters.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

#include "common/modGeneral.h"
#include "main/frmPrincipal.h"
#include "main/modXML.h"
#include "platform/DocumentoXML.h"
#include "support/PlataformaGuion.h"

#include "ApoyoBench.h"

using namespace modGeneral;

namespace {

// The window with the imports of other units left out (they are not part of the measure).
class frmPrincipalBanco : public frmPrincipal {
public:
    void ImportarApuestasDesdeArchivo() override {}
};

void LlenarTodo() {
    InicializarFiltros();
    for (int g = 1; g <= 120; ++g) {
        for (int n = 1; n <= 50; n += 2) GruposNumeros(g, (n + g) % 50 + 1) = 1;
        for (int c = 0; c <= 5; c += 2) GruposAciertos(g, (c + g) % 6) = 1;
    }
    for (int r = 1; r <= 160; ++r) {
        for (int n = 0; n < 10; ++n) SubgruposNumeros(r, (r * 7 + n * 5) % 50 + 1) = 1;
        CondicionesAciertos(r, r % 6) = 1;
        CondicionesAciertos(r, (r + 3) % 6) = 1;
    }
    for (TablaConteos* t : {&Bajos, &Altos, &Decena0109, &Decena4050, &ParesActivos, &NumerosSeguidos}) (*t)(2) = 1;
    for (int d = 0; d <= 9; ++d) TerminadosEn(d, d % 6) = 1;
    for (int p = 1; p <= 5; ++p)
        for (int n = p; n <= 50; n += 3) PosicionesNumeros(p, n) = 1;
    for (int i = 1; i <= 6; ++i) {
        SumaMinima[i] = static_cast<Integer>(10 * i);
        SumaMaxima[i] = static_cast<Integer>(100 + 10 * i);
    }
    for (int i = 1; i <= 7; ++i) CombinacionGanadora[i] = static_cast<Byte>(i);
    Reduccion.Tipo = 2;
    Reduccion.Estrellas = 1;
}

// Writes the file as the program does (text, document, save) and returns its path.
std::string EscribirBaseCompleta(const QTemporaryDir& carpeta) {
    LlenarTodo();
    modXML::DatosBaseXML datos;
    for (int n = 1; n <= 50; n += 3) datos.numeros.push_back(n);
    datos.estrellas = {1, 4, 9};
    datos.filtrosActivos.fill(true);
    datos.fecha = "07/12/2026";
    datos.hora = "12:00";
    DocumentoXML documento;
    const std::string ruta = carpeta.filePath(QStringLiteral("completa.xml")).toStdString();
    if (!documento.loadXML(modXML::GenerarXMLBase(datos)) || !documento.save(ruta)) return std::string();
    InicializarFiltros();
    return ruta;
}

void LeerBaseXML(benchmark::State& estado) {
    PlataformaGuion plataforma;
    QTemporaryDir carpeta;
    const std::string ruta = EscribirBaseCompleta(carpeta);
    if (ruta.empty()) {
        estado.SkipWithError("no se pudo escribir la base");
        return;
    }
    for (auto _ : estado) {
        InicializarFiltros();
        modXML::ErroresXML.clear();
        DocumentoXML documento;
        documento.load(ruta);
        modXML::LecturaBaseXML lectura;
        modXML::LeerBaseXML(documento, lectura);
        benchmark::DoNotOptimize(lectura);
    }
    if (!modXML::ErroresXML.empty()) estado.SkipWithError(modXML::ErroresXML.c_str());
    estado.counters["bytes"] = static_cast<double>(QFileInfo(QString::fromStdString(ruta)).size());
}
BENCHMARK(LeerBaseXML)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void AbrirBaseXMLVentana(benchmark::State& estado) {
    PlataformaGuion plataforma;
    QTemporaryDir carpeta;
    const std::string ruta = EscribirBaseCompleta(carpeta);
    {
        frmPrincipalBanco ventana;
        ventana.Cargar();
        ventana.show();
        QApplication::processEvents();
        for (auto _ : estado) {
            plataforma.dialogos.push_back(Eleccion(ruta));
            ventana.AbrirBaseXML();
        }
        if (!plataforma.mensajes.empty()) estado.SkipWithError(plataforma.UltimoMensaje().c_str());
        if (!ventana.FilaActiva(frmPrincipal::FilaGruposRelacionados)) estado.SkipWithError("grupos sin leer");
        ventana.Descargar();
    }
    InicializarFiltros();
}
BENCHMARK(AbrirBaseXMLVentana)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) { return EjecutarBenchmarksConVentanas(argc, argv); }
