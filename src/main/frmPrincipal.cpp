#include "main/frmPrincipal.h"

#include "common/modGeneral.h"

frmPrincipal::frmPrincipal(QWidget* padre) : Ventana(padre) {
    setObjectName(QStringLiteral("frmPrincipal"));
    resize(1000, 700);
}

void frmPrincipal::Form_Load() {
    modGeneral::BaseGuardada = true;
    setWindowTitle(QStringLiteral("TORNAVENTURA 3.1 - Fichero : Sin guardar.xml"));
    modGeneral::InicializarFiltros();
}
