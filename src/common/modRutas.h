// File paths as the program shows and proposes them (UTF-8, the platform's separator).
#pragma once

#include <string>

namespace modRutas {

// The part of a path after its last folder separator.
std::string NombreSinCarpeta(const std::string& ruta);
// The path cut before the last "." of its file name (a "." in a folder name never counts),
// followed by the extension given (".xml", ".EUR").
std::string CambiarExtension(const std::string& ruta, const std::string& extension);

}  // namespace modRutas
