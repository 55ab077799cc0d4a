// The bet-file tools of the "Utilidades" menu.
#include "main/frmPrincipal.h"
#include "platform/Plataforma.h"
#include "tools/frmEscrutar.h"
#include "tools/frmGeneradorApuestas.h"
#include "tools/frmGeneradorApuestasXPorcentaje.h"
#include "tools/frmSistemasPropios.h"
#include "tools/frmVisualizar.h"

// frmEscrutar with DesdePrincipal = True and NumApuestas = numApuestas.
void frmPrincipal::AbrirVentanaEscrutar(Long numApuestas) {
    frmEscrutar escrutar(Vista(), this);
    escrutar.DesdePrincipal = true;
    escrutar.NumApuestas = numApuestas;
    Plataforma::Activa().MostrarModal(escrutar);
}

bool frmPrincipal::AbrirVentanaVisualizar() {
    frmVisualizar visualizar(Vista(), this);
    Plataforma::Activa().MostrarModal(visualizar);
    return visualizar.ApuestasSustituidas;
}

// frmSistemasPropios.
void frmPrincipal::AbrirVentanaSistemasPropios() {
    frmSistemasPropios sistemas(Vista(), this);
    Plataforma::Activa().MostrarModal(sistemas);
}

// frmGeneradorApuestas.
void frmPrincipal::AbrirVentanaGeneradorApuestas() {
    frmGeneradorApuestas generador(this);
    Plataforma::Activa().MostrarModal(generador);
}

// frmGeneradorApuestasXPorcentaje.
void frmPrincipal::AbrirVentanaGeneradorApuestasXPorcentaje() {
    frmGeneradorApuestasXPorcentaje generador(this);
    Plataforma::Activa().MostrarModal(generador);
}
