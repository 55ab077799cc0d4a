#include "filters/frmFiltroALTOSBAJOS.h"

#include <QLineEdit>

#include "filters/ControlesFiltro.h"

using namespace modGeneral;

frmFiltroALTOSBAJOS::frmFiltroALTOSBAJOS(ListaTexto& lstFiltros, QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaFiltro, QStringLiteral("BAJOS Y ALTOS"), padre) {
    setObjectName(QStringLiteral("frmFiltroALTOSBAJOS"));
    constexpr int x = 16, etiqueta = 76;
    CrearFilaAciertos(this, x, 16, etiqueta, QStringLiteral("01 al 24 : "), lbl0124, txtAciertos0124,
                      cmdModificar0124);
    CrearFilaAciertos(this, x, 16 + PasoFilaFiltro, etiqueta, QStringLiteral("25 al 50 : "), lbl2549,
                      txtAciertos2550, cmdModificar2550);
    const int ancho = FinFilaAciertos(x, etiqueta) + 16;
    ColocarMarco(ancho - 16 - AnchoMarco - 8, 16 + 2 * PasoFilaFiltro + 8);
    setFixedSize(ancho, 16 + 2 * PasoFilaFiltro + 8 + 32 + 14);
    OrdenTabulacion({cmdModificar0124, cmdModificar2550, imgActivar, imgVolver});

    connect(cmdModificar0124, &Boton::Click, this, [this] { cmdModificar0124_Click(); });
    connect(cmdModificar2550, &Boton::Click, this, [this] { cmdModificar2550_Click(); });
}

void frmFiltroALTOSBAJOS::CargarControles() {
    txtAciertos0124->setText(TextoAciertos(Bajos));
    txtAciertos2550->setText(TextoAciertos(Altos));
}

void frmFiltroALTOSBAJOS::cmdModificar0124_Click() { DialogoAciertos(Bajos, txtAciertos0124); }

void frmFiltroALTOSBAJOS::cmdModificar2550_Click() { DialogoAciertos(Altos, txtAciertos2550); }
