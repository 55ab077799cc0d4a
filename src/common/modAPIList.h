// The variables of the window procedures that draw the filter list over its patterned
// background: the main window's and the list's previous procedures and the pattern brush.
// Set when the main window loads and restored when it unloads; 0 when none.
#pragma once

#include "common/modGeneral.h"

namespace modAPIList {

using modGeneral::Long;

inline Long ProcAnteriorForm = 0;
inline Long PincelFondo = 0;
inline Long ProcAnteriorLista = 0;

}  // namespace modAPIList
