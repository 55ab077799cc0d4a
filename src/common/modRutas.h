// File paths as the program shows and proposes them (UTF-8, the platform's separator).
#pragma once

#include <string>

#include "platform/Ficheros.h"

namespace modRutas {

// The part of a path after its last folder separator.
std::string NombreSinCarpeta(const std::string& ruta);
// The path cut before the last "." of its file name (a "." in a folder name never counts),
// followed by the extension given (".xml", ".EUR"): the rule the save dialog and the pair of
// a bet file and its base file share.
using Ficheros::CambiarExtension;

}  // namespace modRutas
