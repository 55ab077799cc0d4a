// The program's text reports: written to the program's folder as single-byte (Latin-1) text
// with CR LF line ends. Every report goes through here; each caller shows its own failure box.
#pragma once

#include <string>
#include <vector>

namespace modInformeTexto {

// The full path of a report in the program's folder.
std::string RutaInforme(const std::string& carpeta, const std::string& nombre);
// Writes the lines (UTF-8; characters outside Latin-1 become "?"), each ending in CR LF,
// through the one safe write: an earlier file (or a link planted at its name) is replaced
// only by the whole new report. False with the reason, in Spanish, in error when the file
// cannot be written; what stood at the path then stays as it was.
bool EscribirInforme(const std::string& ruta, const std::vector<std::string>& lineas, std::string& error);
// UTF-8 to Latin-1.
std::string ALatin1(const std::string& utf8);

// Shows a written report in the system's text viewer without waiting. When the viewer cannot
// start, the critical box MensajeVisorNoIniciado tells the user where the report is; false then.
bool MostrarInforme(const std::string& ruta);
// "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (...)" with the report's full path under it.
std::string MensajeVisorNoIniciado(const std::string& ruta);

// When a report is written, in local time: the date "dd/mm/yyyy" and, for the reports that
// also give the time, "dd/mm/yyyy hh:mm:ss". Built from the digits alone, so a report reads
// the same whatever the system's locale.
std::string FechaInforme();
std::string FechaHoraInforme();

}  // namespace modInformeTexto
