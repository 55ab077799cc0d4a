// The base file: the whole setup of the main window as an XML text (the base grids, the
// winning combination, the imported bet file, the ten filters and the reduction settings),
// and the file-name rules shared by the base file and the bet file saved beside it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/modGeneral.h"

class DocumentoXML;
class ListaNodosXML;

namespace modXML {

// Load errors of the last base file read, one "section : text" line each, CR LF ended.
inline std::string ErroresXML;

// What the main window knows that the shared tables do not hold.
struct DatosBaseXML {
    std::vector<int> numeros;          // captions of the marked number labels, in label order
    std::vector<int> estrellas;        // the same for the stars
    std::string baseASCII;             // full path of the imported bet file ("" when none)
    std::array<bool, 10> filtrosActivos{};  // list rows 0..9 beginning "Sí"
    std::string fecha;                 // date and time of writing, regional format
    std::string hora;
};

// The text of the whole base file: one element per line, CR LF after every line, values in
// single-quoted attributes, every value escaped. Reads the filter tables, Reduccion and
// CombinacionGanadora; changes nothing.
std::string GenerarXMLBase(const DatosBaseXML& datos);

// A text made safe as an attribute value: & < > ' " as entities, tab and line ends as
// character references; what XML cannot carry becomes "?": the other control characters and
// the non-characters (U+FDD0..U+FDEF, U+FFFE, U+FFFF and the last two of every plane).
std::string EscaparAtributo(const std::string& texto);

// The flags set (nonzero) among indexes desde..hasta of a row, ascending, joined by ",".
std::string ListaIndices(const modGeneral::Byte* fila, int desde, int hasta);

// ---- File names ----
// The base file name a window caption names: the text after its first ":" less one blank.
std::string NombreFicheroDesdeTitulo(const std::string& titulo);

// ---- Reading a base file ----
// What a base file sets besides the shared tables (which the reader fills directly, together
// with Reduccion and CombinacionGanadora): the marks of the grids, the filter-list rows to
// activate or rebuild and the imported-file notice. The main window applies it. Every value
// the reader stores lies within its table; one that does not fit is a failure of its section.
struct LecturaBaseXML {
    bool desdeArchivo = false;               // in: the mode combo is on "Desde Archivo"
    bool combinacionLeida = false;           // a Combinacion was read: mark and refresh counters
    std::array<bool, 51> numeros{};          // [v]: number v (1..50) is marked
    std::array<bool, 13> estrellas{};        // [v]: star v (1..12) is marked
    std::array<bool, 10> filtrosActivos{};   // list rows 0..9 to begin "Sí"
    bool filaGrupos = false;                 // rows 3 and 4 rebuilt with the group summaries
    bool filaGruposRelacionados = false;
    bool filaEstrellas = false;              // row 10 rebuilt from Estrellas (counters refresh)
    bool filaReduccion = false;              // row 11 rebuilt from Tipo
    bool avisoImportado = false;             // the file names an imported bet file
    std::string ficheroImportado;
};

// Appends "seccion : texto" and CR LF to ErroresXML; an empty texto adds nothing.
void AnadirErrorXML(const std::string& texto, const std::string& seccion);

// Walks a loaded base file (three levels: any element, any element, then Combinacion,
// CombinacionGanadora, BaseASCII, Reduccion and Filtros by name without case) into the
// shared tables and lectura, reporting failures by section into ErroresXML; a document that
// failed to load adds the "FICHERO" line. Starts from whatever the tables hold (the caller
// resets them first) and overwrites only what the file names.
void LeerBaseXML(const DocumentoXML& documento, LecturaBaseXML& lectura);

// The Filtro elements: filter tables and the activation of rows 0..9.
void LeerFiltrosXML(const ListaNodosXML& filtros, LecturaBaseXML& lectura);

}  // namespace modXML
