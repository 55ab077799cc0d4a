// The main window's file operations: opening a base file, importing a bet file, the two
// reports of the "Datos" menu.
#include "main/frmPrincipal.h"

// Asks for a base file and puts its setup into the window and the shared tables.
void frmPrincipal::AbrirBaseXML() {}

// Reads a .TXT or .EUR bet file as the base ("Desde Archivo" mode).
void frmPrincipal::ImportarApuestasDesdeArchivo() {}

// "Ver Resumen de Filtros": TORNAVENTURA_INFORME.txt.
void frmPrincipal::InformeResumenFiltros() {}

// "Ver Informe Apuestas Eliminadas": TORNAVENTURA_RESUMEN.txt.
void frmPrincipal::InformeApuestasEliminadas() {}
