// The windows of the reduction, the guarantees and the analysis, opened from the main window.
#include "main/frmPrincipal.h"

// frmEstrellas; the caller rewrites row 10 and the counters when it closes.
void frmPrincipal::AbrirVentanaEstrellas() {}

// frmReduccion; the caller rewrites row 11 and the counters when it closes.
void frmPrincipal::AbrirVentanaReduccion() {}

// The reduction window frmVentanaProceso: it works on the shared state Calcular has just
// built and leaves the reduced number-bets in ApuestasReducidas and their count in
// lblApuestasReducidas. Until it exists nothing is reduced and the calculation ends with no bets.
void frmPrincipal::AbrirVentanaProceso() {}

// frmGarantiasTOTAL; the caller has checked that bets exist.
void frmPrincipal::AbrirVentanaGarantias() {}

// frmAnalisis with NumApuestas = numApuestas; the caller has checked that bets exist.
void frmPrincipal::AbrirVentanaAnalisis(Long numApuestas) { (void)numApuestas; }
