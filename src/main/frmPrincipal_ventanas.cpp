// The windows the main window opens: the settings window of each filter-list row, the
// reduction, guarantees and analysis windows, and the bet-file tools of the "Utilidades" menu.
// Each is built afresh for one opening and shown modally; the main window goes on when it closes.
#include <utility>

#include "filters/frmFiltroALTOSBAJOS.h"
#include "filters/frmFiltroDECENAS.h"
#include "filters/frmFiltroDISTANCIAS.h"
#include "filters/frmFiltroGRUPOS.h"
#include "filters/frmFiltroGRURELACIONADOS.h"
#include "filters/frmFiltroPARESIMPARES.h"
#include "filters/frmFiltroPOSICIONES.h"
#include "filters/frmFiltroSEGUIDOS.h"
#include "filters/frmFiltroSUMAS.h"
#include "filters/frmFiltroTERMINACIONES.h"
#include "main/frmPrincipal.h"
#include "platform/Plataforma.h"
#include "reduction/frmAnalisis.h"
#include "reduction/frmEstrellas.h"
#include "reduction/frmGarantiasTOTAL.h"
#include "reduction/frmReduccion.h"
#include "reduction/frmVentanaProceso.h"
#include "tools/frmEscrutar.h"
#include "tools/frmGeneradorApuestas.h"
#include "tools/frmGeneradorApuestasXPorcentaje.h"
#include "tools/frmSistemasPropios.h"
#include "tools/frmVisualizar.h"

namespace {
// Builds the window from its arguments and shows it modally.
template <typename V, typename... Argumentos>
void Mostrar(Argumentos&&... argumentos) {
    V ventana(std::forward<Argumentos>(argumentos)...);
    Plataforma::Activa().MostrarModal(ventana);
}
}  // namespace

// ---------------------------------------------------------------- filter-list rows

void frmPrincipal::AbrirVentanaFila(int fila) {
    if (fila >= 0 && fila <= 9) AbrirVentanaFiltro(fila);
    else if (fila == FilaEstrellas) AbrirVentanaEstrellas();
    else if (fila == FilaReduccion) AbrirVentanaReduccion();
}

// The settings window of a filter row, handed the filter list whose row it edits; the windows
// with number grids also read the base combination from the main grid. The caller has reset
// the page of the groups windows and rewrites rows 3 and 4 afterwards.
void frmPrincipal::AbrirVentanaFiltro(int fila) {
    ListaTexto& lista = *lstFiltros;
    switch (fila) {
    case 0: Mostrar<frmFiltroALTOSBAJOS>(lista, this); break;
    case 1: Mostrar<frmFiltroDECENAS>(lista, this); break;
    case 2: Mostrar<frmFiltroDISTANCIAS>(lista, this); break;
    case 3: Mostrar<frmFiltroGRUPOS>(lista, lblNumero, this); break;
    case 4: Mostrar<frmFiltroGRURELACIONADOS>(lista, lblNumero, this); break;
    case 5: Mostrar<frmFiltroPARESIMPARES>(lista, this); break;
    case 6: Mostrar<frmFiltroSEGUIDOS>(lista, this); break;
    case 7: Mostrar<frmFiltroSUMAS>(lista, this); break;
    case 8: Mostrar<frmFiltroTERMINACIONES>(lista, this); break;
    case 9: Mostrar<frmFiltroPOSICIONES>(lista, lblNumero, this); break;
    default: break;
    }
}

// frmEstrellas; the caller rewrites row 10 and the counters when it closes.
void frmPrincipal::AbrirVentanaEstrellas() { Mostrar<frmEstrellas>(Vista(), this); }

// frmReduccion; the caller rewrites row 11 and the counters when it closes.
void frmPrincipal::AbrirVentanaReduccion() { Mostrar<frmReduccion>(Vista(), this); }

// ---------------------------------------------------------------- reduction, guarantees, analysis

// The reduction window frmVentanaProceso: it works on the shared state Calcular has just
// built and leaves the reduced number-bets in ApuestasReducidas and their count in
// lblApuestasReducidas.
void frmPrincipal::AbrirVentanaProceso() { Mostrar<frmVentanaProceso>(Vista(), this); }

// frmGarantiasTOTAL; the caller has checked that bets exist.
void frmPrincipal::AbrirVentanaGarantias() { Mostrar<frmGarantiasTOTAL>(Vista(), this); }

// frmAnalisis with NumApuestas = numApuestas; the caller has checked that bets exist.
void frmPrincipal::AbrirVentanaAnalisis(Long numApuestas) {
    frmAnalisis ventana(this);
    ventana.NumApuestas = numApuestas;
    Plataforma::Activa().MostrarModal(ventana);
}

// ---------------------------------------------------------------- Utilidades

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

void frmPrincipal::AbrirVentanaSistemasPropios() { Mostrar<frmSistemasPropios>(Vista(), this); }

void frmPrincipal::AbrirVentanaGeneradorApuestas() { Mostrar<frmGeneradorApuestas>(this); }

void frmPrincipal::AbrirVentanaGeneradorApuestasXPorcentaje() { Mostrar<frmGeneradorApuestasXPorcentaje>(this); }
