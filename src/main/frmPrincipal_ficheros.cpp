// The main window's bet-file import and the two reports of the "Datos" menu.
#include "main/frmPrincipal.h"

// Reads a .TXT or .EUR bet file as the base ("Desde Archivo" mode).
void frmPrincipal::ImportarApuestasDesdeArchivo() {}

// "Ver Resumen de Filtros": TORNAVENTURA_INFORME.txt.
void frmPrincipal::InformeResumenFiltros() {}

// "Ver Informe Apuestas Eliminadas": TORNAVENTURA_RESUMEN.txt.
void frmPrincipal::InformeApuestasEliminadas() {}
