// Operations of the main window that live in their own units. Each is the single place its
// unit fills in; until then it does nothing, and the handlers that call it (menus, toolbar,
// mode combo, filter list) already run their own checks and questions.
#include "main/frmPrincipal.h"

// Asks for a base file and puts its setup into the window and the shared tables.
void frmPrincipal::AbrirBaseXML() {}

// Reads a .TXT or .EUR bet file as the base ("Desde Archivo" mode).
void frmPrincipal::ImportarApuestasDesdeArchivo() {}

// "Ver Resumen de Filtros": TORNAVENTURA_INFORME.txt.
void frmPrincipal::InformeResumenFiltros() {}

// "Ver Informe Apuestas Eliminadas": TORNAVENTURA_RESUMEN.txt.
void frmPrincipal::InformeApuestasEliminadas() {}

// The settings window of a filter-list row, shown modally:
// 0 frmFiltroALTOSBAJOS, 1 frmFiltroDECENAS, 2 frmFiltroDISTANCIAS, 3 frmFiltroGRUPOS,
// 4 frmFiltroGRURELACIONADOS, 5 frmFiltroPARESIMPARES, 6 frmFiltroSEGUIDOS, 7 frmFiltroSUMAS,
// 8 frmFiltroTERMINACIONES, 9 frmFiltroPOSICIONES, 10 frmEstrellas, 11 frmReduccion.
// The caller rewrites rows 3, 4, 10 and 11 when the window returns.
void frmPrincipal::AbrirVentanaFila(int fila) { (void)fila; }

// frmEscrutar with DesdePrincipal = True and NumApuestas = numApuestas.
void frmPrincipal::AbrirVentanaEscrutar(Long numApuestas) { (void)numApuestas; }

// frmVisualizar; the caller refreshes the counters when it closes.
void frmPrincipal::AbrirVentanaVisualizar() {}

// frmGarantiasTOTAL; the caller has checked that bets exist.
void frmPrincipal::AbrirVentanaGarantias() {}

// frmSistemasPropios.
void frmPrincipal::AbrirVentanaSistemasPropios() {}

// frmGeneradorApuestas.
void frmPrincipal::AbrirVentanaGeneradorApuestas() {}

// frmGeneradorApuestasXPorcentaje.
void frmPrincipal::AbrirVentanaGeneradorApuestasXPorcentaje() {}

// frmAnalisis with NumApuestas = numApuestas; the caller has checked that bets exist.
void frmPrincipal::AbrirVentanaAnalisis(Long numApuestas) { (void)numApuestas; }
