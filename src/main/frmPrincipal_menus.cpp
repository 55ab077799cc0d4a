// The menu bar and the toolbar: thin handlers that ask about an unsaved setup, check that
// bets exist, and then call the operation, open a window or open a web page.
#include <exception>

#include "main/DireccionesWeb.h"
#include "main/frmAcercaDe.h"
#include "main/frmAutor.h"
#include "main/frmPrincipal.h"
#include "platform/Plataforma.h"

using namespace modGeneral;
using DireccionesWeb::AbrirPaginaSinAvisos;

bool frmPrincipal::ConfirmarCombinacionNoGuardada() {
    if (BaseGuardada) return true;
    return Plataforma::Activa().MsgBox(
               "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, \xC2\xBF DESEA CONTINUAR DE TODAS FORMAS ?",
               EstiloMensaje::PreguntaSiNo) == RespuestaMensaje::Si;
}

bool frmPrincipal::HayApuestasGeneradas() {
    if (LeerContador(lblApuestasReducidas) != 0) return true;
    Plataforma::Activa().MsgBox("ERROR: No hay apuestas generadas", EstiloMensaje::Critico);
    return false;
}

// ---------------------------------------------------------------- Archivo

void frmPrincipal::menuNuevo_Click() {
    if (ConfirmarCombinacionNoGuardada()) NuevaCombinacion();
}

void frmPrincipal::menuAbrir_Click() {
    if (ConfirmarCombinacionNoGuardada()) AbrirBaseXML();
}

void frmPrincipal::menuGuardar_Click() { GuardarBaseXML(); }

// ---------------------------------------------------------------- Datos

void frmPrincipal::menuVerResumenFiltros_Click() { InformeResumenFiltros(); }

void frmPrincipal::menuInformeApuestasEliminadas_Click() { InformeApuestasEliminadas(); }

// ---------------------------------------------------------------- Utilidades

void frmPrincipal::menuEscrutinioApuestas_Click() {
    // No check for bets: with none the scrutiny works on a file.
    AbrirVentanaEscrutar(CLng(LeerContador(lblTOTALReducidasAUX)));
}

void frmPrincipal::menuVisualizarArchivo_Click() {
    // Only a scrutiny from the viewer replaces the current bets with the file's; a file just
    // looked at leaves the calculated system, its counters and its bets as they were.
    if (AbrirVentanaVisualizar()) ActualizarContadoresBase();
}

void frmPrincipal::menuGarantias_Click() {
    if (HayApuestasGeneradas()) AbrirVentanaGarantias();
}

void frmPrincipal::menusSistemasPropios_Click() { AbrirVentanaSistemasPropios(); }

void frmPrincipal::menuGeneradorAleatoriasXNumero_Click() { AbrirVentanaGeneradorApuestas(); }

void frmPrincipal::menuGeneradorAleatoriasXPorcentaje_Click() { AbrirVentanaGeneradorApuestasXPorcentaje(); }

void frmPrincipal::AbrirAnalisis() {
    if (HayApuestasGeneradas()) AbrirVentanaAnalisis(CLng(LeerContador(lblTOTALReducidasAUX)));
}

// ---------------------------------------------------------------- Ayuda and web pages

void frmPrincipal::menuAyudaOnline_Click() {
    Plataforma& p = Plataforma::Activa();
    bool abierta = false;
    // The help entry tells both ways a page can fail: it does not open, or its opening breaks.
    try {
        abierta = p.AbrirPaginaWeb(DireccionesWeb::PaginaAgencia);
    } catch (const std::exception&) {
        p.MsgBox("ERROR: FICHERO DE AYUDA ERRONEO", EstiloMensaje::Critico);
        return;
    }
    if (!abierta)
        p.MsgBox(std::string("ERROR: URL DEL FICHERO DE AYUDA NO ENCONTRADA O ERRONEA, CONSULTE EN ") +
                     DireccionesWeb::SitioAgencia,
                 EstiloMensaje::Critico);
}

void frmPrincipal::menuProgramacion_Click() { AbrirPaginaSinAvisos(DireccionesWeb::PaginaFabricante); }

void frmPrincipal::menuGentileza_Click() { AbrirPaginaSinAvisos(DireccionesWeb::PaginaAgencia); }

void frmPrincipal::picBanner2_Click() { AbrirPaginaSinAvisos(DireccionesWeb::PaginaAgencia); }

void frmPrincipal::menuAcercaDe_Click() {
    frmAcercaDe acercaDe(this);
    Plataforma::Activa().MostrarModal(acercaDe);
}

void frmPrincipal::lblTipoCombinacion_MouseDown(int boton, int mayus, double x, double y) {
    (void)x;
    (void)y;
    if (boton != BotonDerecho || mayus != MayusAlt) return;
    frmAutor autor(this);
    Plataforma::Activa().MostrarModal(autor);
}

// ---------------------------------------------------------------- toolbar

void frmPrincipal::lblMenu_Click(int index) {
    // Every entry reports its own failures; the web page's is silent.
    switch (index) {
    case 0: menuNuevo_Click(); break;
    case 1: menuAbrir_Click(); break;
    case 2: GuardarBaseXML(); break;
    case 3: AbrirPaginaSinAvisos(DireccionesWeb::PaginaAgencia); break;
    case 4:
        // A trial calculation never saves.
        chkGuardarAutomaticamente->SetValue(0);
        Calcular();
        break;
    case 5: AbrirAnalisis(); break;
    case 6: GuardarApuestasEUR(); break;
    default: break;
    }
}
