// Built against tv_calculo alone by the test capas_calculo_sin_ventanas, which passes only when
// the compiler cannot find the window's Qt headers: a computing unit cannot include a window.
#include "main/frmPrincipal.h"
