// The windows of the reduction, the guarantees and the analysis, opened from the main window.
#include "main/frmPrincipal.h"
#include "platform/Plataforma.h"
#include "reduction/frmAnalisis.h"
#include "reduction/frmEstrellas.h"
#include "reduction/frmGarantiasTOTAL.h"
#include "reduction/frmReduccion.h"
#include "reduction/frmVentanaProceso.h"

// frmEstrellas; the caller rewrites row 10 and the counters when it closes.
void frmPrincipal::AbrirVentanaEstrellas() {
    frmEstrellas ventana(Vista(), this);
    Plataforma::Activa().MostrarModal(ventana);
}

// frmReduccion; the caller rewrites row 11 and the counters when it closes.
void frmPrincipal::AbrirVentanaReduccion() {
    frmReduccion ventana(Vista(), this);
    Plataforma::Activa().MostrarModal(ventana);
}

// The reduction window frmVentanaProceso: it works on the shared state Calcular has just
// built and leaves the reduced number-bets in ApuestasReducidas and their count in
// lblApuestasReducidas.
void frmPrincipal::AbrirVentanaProceso() {
    frmVentanaProceso ventana(Vista(), this);
    Plataforma::Activa().MostrarModal(ventana);
}

// frmGarantiasTOTAL; the caller has checked that bets exist.
void frmPrincipal::AbrirVentanaGarantias() {
    frmGarantiasTOTAL ventana(Vista(), this);
    Plataforma::Activa().MostrarModal(ventana);
}

// frmAnalisis with NumApuestas = numApuestas; the caller has checked that bets exist.
void frmPrincipal::AbrirVentanaAnalisis(Long numApuestas) {
    frmAnalisis ventana(this);
    ventana.NumApuestas = numApuestas;
    Plataforma::Activa().MostrarModal(ventana);
}
