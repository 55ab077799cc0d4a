#include "main/frmAcercaDe.h"

frmAcercaDe::frmAcercaDe(QWidget* padre) : Ventana(padre) {
    setObjectName(QStringLiteral("frmAcercaDe"));
    setWindowTitle(QStringLiteral("Acerca de ..."));
}
