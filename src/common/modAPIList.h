#pragma once
#include "common/modGeneral.h"
namespace modAPIList { inline modGeneral::Long ProcAnteriorForm = 0; inline modGeneral::Long PincelFondo = 0; inline modGeneral::Long ProcAnteriorLista = 0; }
