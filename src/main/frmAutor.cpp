#include "main/frmAutor.h"

frmAutor::frmAutor(QWidget* padre) : Ventana(padre) {
    setObjectName(QStringLiteral("frmAutor"));
    setWindowTitle(QStringLiteral("AUTOR"));
}
