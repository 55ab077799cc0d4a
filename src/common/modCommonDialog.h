// The open and save file dialogs. A caller sets the module's variables, calls
// MostrarDialogoAbrir or MostrarDialogoGuardar and gets the chosen full path, or "" when the
// user cancelled. The variables keep their values between calls.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/modGeneral.h"

namespace modCommonDialog {

using modGeneral::Long;

// In: the calling window (the dialog's owner). Our platform parents the dialog on the active
// window, so this is kept only for callers that set it.
inline Long hWndPropietario = 0;
// In: pairs of description and pattern, each followed by "|", for example
// "Ficheros de Apuestas (*.TXT)|*.TXT|Todos los archivos (*.*)|*.*|". A pattern may hold
// several patterns separated by ";".
inline std::string FiltroDialogo;
// In: the 1-based pair shown first; out: the pair the user ended with (unchanged on cancel).
inline Long IndiceFiltro = 1;
// In (save only): the proposed file name; out: the chosen full path (UTF-8), "" on cancel.
inline std::string FicheroDialogo;
// In: the dialog's title.
inline std::string TituloDialogo;
// Out: nonzero when a file was chosen, 0 when cancelled or failed.
inline Long ResultadoDialogo = 0;

// The open dialog: the file must exist. Returns the chosen path or "".
std::string MostrarDialogoAbrir();
// The save dialog with the proposed name; asks before overwriting an existing file and
// before creating a new one. With an extension (".EUR"), the dialog cuts the chosen name
// before its last "." and gives it that extension before it asks anything, and returns it
// so. extensionesJuntas name the files the caller writes beside it (".xml"): an existing one
// is asked about as well. Returns the chosen path or "".
std::string MostrarDialogoGuardar(const std::string& extension = std::string(),
                                  const std::vector<std::string>& extensionesJuntas = {});
// The text up to, not including, its first NUL; the whole text when it holds none.
std::string QuitarNulos(const std::string& texto);

// FiltroDialogo's pairs in order; an empty description or pattern ends the list.
std::vector<std::pair<std::string, std::string>> ParesFiltro(const std::string& filtro);

}  // namespace modCommonDialog
