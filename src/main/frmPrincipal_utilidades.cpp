// The bet-file tools of the "Utilidades" menu.
#include "main/frmPrincipal.h"

// frmEscrutar with DesdePrincipal = True and NumApuestas = numApuestas.
void frmPrincipal::AbrirVentanaEscrutar(Long numApuestas) { (void)numApuestas; }

// frmVisualizar; the caller refreshes the counters when it closes.
void frmPrincipal::AbrirVentanaVisualizar() {}

// frmSistemasPropios.
void frmPrincipal::AbrirVentanaSistemasPropios() {}

// frmGeneradorApuestas.
void frmPrincipal::AbrirVentanaGeneradorApuestas() {}

// frmGeneradorApuestasXPorcentaje.
void frmPrincipal::AbrirVentanaGeneradorApuestasXPorcentaje() {}
