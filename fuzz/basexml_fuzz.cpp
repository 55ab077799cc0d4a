// Fuzz target of the base-file reader: the input is a base file, read by the XML document as
// it reads a file from disk and walked into the shared tables, in both combination modes.
// Checks besides the sanitizers: the error list is made of whole "section : text" lines, a
// document that loaded also serialises (its depth is bounded), and what it would save, when it
// does not refuse, loads again unless escaping took it past the size limit. A DTD, which could
// expand a few KB into gigabytes, is refused before anything expands (regresiones/ keeps such
// files).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "apoyo/PlataformaMuda.h"
#include "common/modGeneral.h"
#include "main/modXML.h"
#include "platform/DocumentoXML.h"

namespace {

void Exigir(bool condicion) {
    if (!condicion) std::abort();
}

void Reiniciar() {
    modGeneral::InicializarFiltros();
    for (int i = 1; i <= 7; ++i) modGeneral::CombinacionGanadora[i] = 0;
    modXML::ErroresXML.clear();
}

// Whole "section : text" lines; returns whether one is the document's own ("FICHERO").
bool ComprobarErrores(const std::string& errores) {
    bool fichero = false;
    std::size_t p = 0;
    while (p < errores.size()) {
        const std::size_t fin = errores.find("\r\n", p);
        Exigir(fin != std::string::npos);
        Exigir(errores.find(" : ", p) < fin);
        Exigir(errores.find_first_of("\r\n", p) == fin);
        fichero = fichero || errores.compare(p, 10, "FICHERO : ") == 0;
        p = fin + 2;
    }
    return fichero;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tam) {
    static PlataformaMuda plataforma;
    const std::string bytes(reinterpret_cast<const char*>(datos), tam);
    DocumentoXML documento;
    const bool cargado = documento.cargarBytes(bytes);
    Exigir(cargado == (documento.parseError().errorCode == 0));
    for (bool desdeArchivo : {false, true}) {
        Reiniciar();
        modXML::LecturaBaseXML lectura;
        lectura.desdeArchivo = desdeArchivo;
        modXML::LeerBaseXML(documento, lectura);
        Exigir(ComprobarErrores(modXML::ErroresXML) == !cargado);
        Exigir(cargado || modXML::ErroresXML == "FICHERO : ERROR AL ABRIR EL FICHERO\r\n");
        if (desdeArchivo) Exigir(!lectura.combinacionLeida && !lectura.avisoImportado);
        Exigir(modGeneral::Reduccion.Estrellas == 0 || lectura.filaEstrellas);
    }
    if (cargado) Exigir(!documento.xml().empty());
    DocumentoXML releido;
    if (const std::string escrito = cargado ? documento.contenidoFichero() : std::string(); !escrito.empty())
        Exigir(releido.cargarBytes(escrito) || releido.parseError().errorCode == DocumentoXML::ErrorDemasiadoGrande);
    Reiniciar();
    return 0;
}
