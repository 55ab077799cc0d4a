// Opening a base file with every filter in use: all 120 number groups (25 numbers and three
// hit counts each) and all 40 related groups (four subgroups of 10 numbers, four conditions),
// written by the program itself (about 40 KB on disk).
// - LeerBaseXML: the document loads the file and the reader walks it into the tables.
// - AbrirBaseXMLVentana: "ABRIR" as the main window runs it, shown offscreen: the dialog
//   (answered at once), the reset, the reading, the grids, the filter list and the counters.
// - AbrirBaseHostil/k: the same "ABRIR" on files crafted to take time or memory, each of at
//   most 4 MB (the size limit), named in the output. pico_MB is the peak resident memory
//   of the process during one opening above what it held before (aim: every file answered
//   within 1 s and 100 MB); bytes the file's size; the label says whether it was refused.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <malloc.h>
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
    // Loaded and shown offscreen, as the user sees it.
    void Mostrar() {
        Cargar();
        show();
        QApplication::processEvents();
    }
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
        ventana.Mostrar();
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

// ---------------------------------------------------------------- crafted files

constexpr std::size_t Limite = static_cast<std::size_t>(DocumentoXML::TamanoMaximo);

std::string Envolver(const std::string& cuerpo, const std::string& antes = std::string()) {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n" + antes + "<XML><BASE>" + cuerpo + "</BASE></XML>";
}

// Copies of piece up to the node limit (each piece holding nodos nodes), or to the size limit.
std::string Repetir(const std::string& pieza, long nodos, const std::string& antes = std::string(),
                    const std::string& despues = std::string()) {
    std::string t = antes;
    for (long n = 0; n + nodos < DocumentoXML::NodosMaximos - 16 && t.size() + pieza.size() < Limite - 200; n += nodos)
        t += pieza;
    return t + despues;
}

// The largest file the size limit allows: copies of pieza between antes and despues.
std::string Llenar(const std::string& antes, const std::string& pieza, const std::string& despues) {
    const std::size_t fijo = Envolver(antes + despues).size();
    std::string medio;
    for (std::size_t n = (Limite - fijo) / pieza.size(); n > 0; --n) medio += pieza;
    return Envolver(antes + medio + despues);
}

struct Hostil {
    const char* nombre;
    std::string bytes;
};

Hostil CrearHostil(int k) {
    switch (k) {
    case 0: {
        // One entity of 4,000 characters referred to in one attribute until the file is 3 MB.
        std::string refs;
        while (refs.size() < 3000000) refs += "&e;";
        return {"entidad_en_atributo_3MB",
                Envolver("<BaseASCII valor='" + refs + "'/>", "<!DOCTYPE XML [<!ENTITY e \"" + std::string(4000, 'x') + "\">]>")};
    }
    case 1: {
        // One element with every attribute the size limit allows.
        std::string t = "<BaseASCII";
        for (long i = 0; t.size() < Limite - 200; ++i) t += " a" + std::to_string(i) + "=''";
        return {"atributos_de_un_elemento", Envolver(t + "/>")};
    }
    case 2:
        // Elements with the most attributes allowed, up to the node limit.
        return {"elementos_de_64_atributos", Envolver(Repetir([] {
                    std::string e = "<Filtro";
                    for (int i = 0; i < DocumentoXML::AtributosMaximos; ++i) e += " a" + std::to_string(i) + "='1'";
                    return e + "/>";
                }(), DocumentoXML::AtributosMaximos + 1, "<Filtros>", "</Filtros>"))};
    case 3:
        // Filters that fail to read, each a line of the error list, up to the node limit.
        return {"filtros_con_errores",
                Envolver(Repetir("<Filtro nombre='POSICIONES' activado='x'><Bola id='9' valores='1'/></Filtro>", 6,
                                 "<Filtros>", "</Filtros>"))};
    case 4:
        // Number groups that read, up to the node limit.
        return {"grupos_de_numeros",
                Envolver(Repetir("<grupo numero='7'><numeros valores='1,3,5,7,9,11,13,15,17,19,21,23,25,27,29,31,33,35,37,"
                                 "39,41,43,45,47,49'/><aciertos valores='0,2,4'/></grupo>",
                                 6, "<Filtros><Filtro nombre='GRUPOS' activado='1'>", "</Filtro></Filtros>"))};
    case 5: {
        // One list of 2 million items.
        std::string v = "7";
        while (v.size() < Limite - 300) v += ",7";
        return {"lista_de_dos_millones", Envolver("<Combinacion><Base_Numeros numeros='" + v + "'/></Combinacion>")};
    }
    case 6: {
        // Character references of a character beyond Latin-1 in one attribute.
        std::string v;
        while (v.size() < Limite - 300) v += "&#x4E2D;";
        return {"referencias_de_caracter", Envolver("<BaseASCII valor='" + v + "'/>")};
    }
    // The three below are kept in fuzz/regresiones/basexml_fuzz/ under the same names.
    case 7:
        // A list of 4 million empty items, each one not a number.
        return {"comas_en_numeros_4MB", Llenar("<Combinacion><Base_Numeros numeros='", ",", "'/></Combinacion>")};
    case 8:
        // A text of escaped less-than signs.
        return {"lt_en_texto_4MB", Llenar("<BaseASCII valor=''>", "&lt;", "</BaseASCII>")};
    default:
        // An attribute of escaped ampersands.
        return {"amp_en_atributo_4MB", Llenar("<BaseASCII valor='", "&amp;", "'/>")};
    }
}

constexpr int TotalHostiles = 10;

void AbrirBaseHostil(benchmark::State& estado) {
    PlataformaGuion plataforma;
    QTemporaryDir carpeta;
    const Hostil h = CrearHostil(static_cast<int>(estado.range(0)));
    const std::string ruta = carpeta.filePath(QString::fromLatin1(h.nombre) + QStringLiteral(".xml")).toStdString();
    std::ofstream(ruta, std::ios::binary) << h.bytes;
    double pico = 0;
    bool rechazado = false;
    {
        frmPrincipalBanco ventana;
        ventana.Mostrar();
        for (auto _ : estado) {
            plataforma.dialogos.push_back(Eleccion(ruta));
            plataforma.mensajes.clear();
            malloc_trim(0);  // what earlier openings freed is not counted as held before
            const double antes = Residente();
            ReiniciarPico();
            ventana.AbrirBaseXML();
            pico = std::max(pico, PicoResidente() - antes);
            rechazado = plataforma.UltimoMensaje().find("FICHERO : ERROR AL ABRIR EL FICHERO") != std::string::npos;
        }
        ventana.Descargar();
    }
    InicializarFiltros();
    estado.counters["pico_MB"] = pico / (1024.0 * 1024.0);
    estado.counters["bytes"] = static_cast<double>(h.bytes.size());
    estado.SetLabel(std::string(h.nombre) + (rechazado ? " (rechazado)" : " (leido)"));
}
BENCHMARK(AbrirBaseHostil)->DenseRange(0, TotalHostiles - 1)->Unit(benchmark::kMillisecond)->MinTime(0.5);

}  // namespace

int main(int argc, char** argv) { return EjecutarBenchmarksConVentanas(argc, argv); }
