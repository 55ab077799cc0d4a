#include "filters/frmFiltroDECENAS.h"

#include <QLabel>
#include <QLineEdit>

#include "filters/ControlesFiltro.h"

using namespace modGeneral;

frmFiltroDECENAS::frmFiltroDECENAS(ListaTexto& lstFiltros, QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaFiltro, QStringLiteral("DECENAS"), padre) {
    setObjectName(QStringLiteral("frmFiltroDECENAS"));
    constexpr int x = 16, arriba = 14, etiqueta = 92;
    Label2 = CrearTitulo(this, QStringLiteral("DECENAS"), x, arriba, 120);
    struct Decena {
        const char* caption;
        QLabel** etiqueta;
        QLineEdit** caja;
        Boton** boton;
    };
    const Decena decenas[5] = {
        {"del 01 al 09 : ", &lbl0109, &txtAciertos0109, &cmdModificar0109},
        {"del 10 al 19 : ", &lbl1019, &txtAciertos1019, &cmdModificar1019},
        {"del 20 al 29 : ", &lbl2029, &txtAciertos2029, &cmdModificar2029},
        {"del 30 al 39 : ", &lbl3039, &txtAciertos3039, &cmdModificar3039},
        {"del 40 al 50 : ", &lbl4050, &txtAciertos4050, &cmdModificar4050},
    };
    for (int d = 0; d < 5; ++d)
        CrearFilaAciertos(this, x, arriba + (d + 1) * PasoFilaFiltro, etiqueta,
                          QString::fromLatin1(decenas[d].caption), *decenas[d].etiqueta, *decenas[d].caja,
                          *decenas[d].boton);

    const int xFiguras = FinFilaAciertos(x, etiqueta) + 28;
    Label1 = CrearTitulo(this, QStringLiteral("FIGURAS"), xFiguras, arriba, 120);
    const int abajo = CrearFilasFiguras(this, xFiguras, arriba + PasoFilaFiltro, Label3, lblTipoFigura, chkFigura) + 4;
    for (int i = 1; i <= 7; ++i)
        connect(chkFigura[static_cast<std::size_t>(i)], &Casilla::Click, this, [this, i] { chkFigura_Click(i); });

    const int ancho = xFiguras + 150;
    ColocarMarco(ancho - AnchoMarco - 24, abajo);
    setFixedSize(ancho, abajo + 32 + 14);
    OrdenTabulacion({cmdModificar0109, cmdModificar1019, cmdModificar2029, cmdModificar3039, cmdModificar4050,
                     chkFigura[1], chkFigura[2], chkFigura[3], chkFigura[4], chkFigura[5], chkFigura[6],
                     chkFigura[7], imgActivar, imgVolver});

    connect(cmdModificar0109, &Boton::Click, this, [this] { cmdModificar0109_Click(); });
    connect(cmdModificar1019, &Boton::Click, this, [this] { cmdModificar1019_Click(); });
    connect(cmdModificar2029, &Boton::Click, this, [this] { cmdModificar2029_Click(); });
    connect(cmdModificar3039, &Boton::Click, this, [this] { cmdModificar3039_Click(); });
    connect(cmdModificar4050, &Boton::Click, this, [this] { cmdModificar4050_Click(); });
}

void frmFiltroDECENAS::CargarControles() {
    txtAciertos0109->setText(TextoAciertos(Decena0109));
    txtAciertos1019->setText(TextoAciertos(Decena1019));
    txtAciertos2029->setText(TextoAciertos(Decena2029));
    txtAciertos3039->setText(TextoAciertos(Decena3039));
    txtAciertos4050->setText(TextoAciertos(Decena4050));
    CargarFiguras(FigurasDecenas, chkFigura, figurasCargadas_);
}

void frmFiltroDECENAS::cmdModificar0109_Click() { DialogoAciertos(Decena0109, txtAciertos0109); }
void frmFiltroDECENAS::cmdModificar1019_Click() { DialogoAciertos(Decena1019, txtAciertos1019); }
void frmFiltroDECENAS::cmdModificar2029_Click() { DialogoAciertos(Decena2029, txtAciertos2029); }
void frmFiltroDECENAS::cmdModificar3039_Click() { DialogoAciertos(Decena3039, txtAciertos3039); }
void frmFiltroDECENAS::cmdModificar4050_Click() { DialogoAciertos(Decena4050, txtAciertos4050); }

void frmFiltroDECENAS::chkFigura_Click(int index) {
    (void)index;
    ActivarFiltro();
}

void frmFiltroDECENAS::Form_Unload(bool& cancelar) {
    (void)cancelar;
    GuardarFiguras(FigurasDecenas, chkFigura, figurasCargadas_);
}
