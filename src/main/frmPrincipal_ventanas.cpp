// The settings windows of the filter-list rows, opened by a double-click on the row.
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

void frmPrincipal::AbrirVentanaFila(int fila) {
    if (fila >= 0 && fila <= 9) AbrirVentanaFiltro(fila);
    else if (fila == FilaEstrellas) AbrirVentanaEstrellas();
    else if (fila == FilaReduccion) AbrirVentanaReduccion();
}

namespace {
// Each window is loaded afresh for one opening and handed the filter list, whose row it edits.
template <typename Ventana>
void MostrarFiltro(ListaTexto& lista, QWidget* padre) {
    Ventana ventana(lista, padre);
    Plataforma::Activa().MostrarModal(ventana);
}
// The windows with number grids also read the base combination from the main grid.
template <typename Ventana>
void MostrarFiltroRejillas(ListaTexto& lista, const std::array<Etiqueta*, 50>& numeros, QWidget* padre) {
    Ventana ventana(lista, numeros, padre);
    Plataforma::Activa().MostrarModal(ventana);
}
}  // namespace

// The settings window of a filter row, shown modally.
// The caller has reset the page of the groups windows and rewrites rows 3 and 4 afterwards.
void frmPrincipal::AbrirVentanaFiltro(int fila) {
    switch (fila) {
    case 0: MostrarFiltro<frmFiltroALTOSBAJOS>(*lstFiltros, this); break;
    case 1: MostrarFiltro<frmFiltroDECENAS>(*lstFiltros, this); break;
    case 2: MostrarFiltro<frmFiltroDISTANCIAS>(*lstFiltros, this); break;
    case 3: MostrarFiltroRejillas<frmFiltroGRUPOS>(*lstFiltros, lblNumero, this); break;
    case 4: MostrarFiltroRejillas<frmFiltroGRURELACIONADOS>(*lstFiltros, lblNumero, this); break;
    case 5: MostrarFiltro<frmFiltroPARESIMPARES>(*lstFiltros, this); break;
    case 6: MostrarFiltro<frmFiltroSEGUIDOS>(*lstFiltros, this); break;
    case 7: MostrarFiltro<frmFiltroSUMAS>(*lstFiltros, this); break;
    case 8: MostrarFiltro<frmFiltroTERMINACIONES>(*lstFiltros, this); break;
    case 9: MostrarFiltroRejillas<frmFiltroPOSICIONES>(*lstFiltros, lblNumero, this); break;
    default: break;
    }
}
