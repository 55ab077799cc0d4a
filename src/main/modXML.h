// The base file: the whole setup of the main window as an XML text (the base grids, the
// winning combination, the imported bet file, the ten filters and the reduction settings),
// and the file-name rules shared by the base file and the bet file saved beside it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/modGeneral.h"

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
// character references, other control characters (which XML cannot carry) as "?".
std::string EscaparAtributo(const std::string& texto);

// The flags set (nonzero) among indexes desde..hasta of a row, ascending, joined by ",".
std::string ListaIndices(const modGeneral::Byte* fila, int desde, int hasta);

// ---- File names ----
// The part of a path after its last folder separator.
std::string NombreSinCarpeta(const std::string& ruta);
// The path cut before the last "." of its file name (a "." in a folder name never counts),
// followed by the extension given (".xml", ".EUR").
std::string CambiarExtension(const std::string& ruta, const std::string& extension);
// The base file name a window caption names: the text after its first ":" less one blank.
std::string NombreFicheroDesdeTitulo(const std::string& titulo);

}  // namespace modXML
