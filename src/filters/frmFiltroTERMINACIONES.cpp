#include "filters/frmFiltroTERMINACIONES.h"

#include <QLabel>
#include <QLineEdit>

#include "common/ValidarTecla.h"
#include "filters/ControlesFiltro.h"

using namespace modGeneral;

frmFiltroTERMINACIONES::frmFiltroTERMINACIONES(ListaTexto& lstFiltros, QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaFiltro, QStringLiteral("TERMINACIONES"), padre) {
    setObjectName(QStringLiteral("frmFiltroTERMINACIONES"));
    constexpr int x = 16, arriba = 14, etiqueta = 112;
    Label2[0] = CrearTitulo(this, QStringLiteral("TERMINACIONES"), x, arriba, 160);
    for (int d = 0; d <= 9; ++d) {
        auto i = static_cast<std::size_t>(d);
        CrearFilaAciertos(this, x, arriba + (d + 1) * PasoFilaFiltro, etiqueta, QString(), lblTitTerminados[i],
                          txtAciertos[i], cmdModificar[i]);
        connect(cmdModificar[i], &Boton::Click, this, [this, d] { cmdModificar_Click(d); });
    }

    // The sum of the last digits: "Suma de Terminaciones :" minimum "-" maximum.
    const int ySuma = arriba + 11 * PasoFilaFiltro + 6;
    Label1[0] = new QLabel(QStringLiteral("Suma de Terminaciones :"), this);
    Label1[0]->setGeometry(x, ySuma, 160, AltoFilaFiltro);
    txtSumaTerminacionesMinimo = new CajaTexto(this);
    txtSumaTerminacionesMinimo->setMaxLength(2);
    txtSumaTerminacionesMinimo->setAlignment(Qt::AlignCenter);
    txtSumaTerminacionesMinimo->setToolTip(QStringLiteral("Mínimo valor permitido 0(10,20,30,40,50)"));
    txtSumaTerminacionesMinimo->setGeometry(x + 164, ySuma, 40, AltoFilaFiltro);
    Label1[1] = new QLabel(QStringLiteral("-"), this);
    Label1[1]->setAlignment(Qt::AlignCenter);
    Label1[1]->setGeometry(x + 206, ySuma, 16, AltoFilaFiltro);
    txtSumaTerminacionesMaximo = new CajaTexto(this);
    txtSumaTerminacionesMaximo->setMaxLength(2);
    txtSumaTerminacionesMaximo->setAlignment(Qt::AlignCenter);
    txtSumaTerminacionesMaximo->setToolTip(QStringLiteral("Máximo valor permitido 45(09,19,29,39,49)"));
    txtSumaTerminacionesMaximo->setGeometry(x + 224, ySuma, 40, AltoFilaFiltro);
    txtSumaTerminacionesMinimo->KeyPress = [this](int& tecla) {
        if (!TeclaDeLaVentana(tecla)) txtSumaTerminacionesMinimo_KeyPress(tecla);
    };
    txtSumaTerminacionesMaximo->KeyPress = [this](int& tecla) {
        if (!TeclaDeLaVentana(tecla)) txtSumaTerminacionesMaximo_KeyPress(tecla);
    };

    const int xFiguras = FinFilaAciertos(x, etiqueta) + 28;
    Label2[1] = CrearTitulo(this, QStringLiteral("FIGURAS"), xFiguras, arriba, 120);
    CrearFilasFiguras(this, xFiguras, arriba + PasoFilaFiltro, Label3, lblTipoFigura, chkFigura);
    for (int i = 1; i <= 7; ++i)
        connect(chkFigura[static_cast<std::size_t>(i)], &Casilla::Click, this, [this, i] { chkFigura_Click(i); });

    const int ancho = xFiguras + 150;
    ColocarMarco(ancho - AnchoMarco - 24, ySuma - 4);
    setFixedSize(ancho, ySuma + AltoFilaFiltro + 20);
    // Down the left column (count buttons, then the sum), then the figures, then the frame.
    OrdenTabulacion({cmdModificar[0], cmdModificar[1], cmdModificar[2], cmdModificar[3], cmdModificar[4],
                     cmdModificar[5], cmdModificar[6], cmdModificar[7], cmdModificar[8], cmdModificar[9],
                     txtSumaTerminacionesMinimo, txtSumaTerminacionesMaximo, chkFigura[1], chkFigura[2],
                     chkFigura[3], chkFigura[4], chkFigura[5], chkFigura[6], chkFigura[7], imgActivar,
                     imgVolver});
}

void frmFiltroTERMINACIONES::CargarControles() {
    for (int d = 0; d <= 9; ++d) {
        lblTitTerminados[static_cast<std::size_t>(d)]->setText(QStringLiteral("Terminados en %1 :").arg(d));
        txtAciertos[static_cast<std::size_t>(d)]->setText(TextoAciertos(TerminadosEn, d));
    }
    // Ticked boxes run their Click here, which activates the row before the picture is chosen.
    CargarFiguras(FigurasTerminaciones, chkFigura, figurasCargadas_);
    // Filling the boxes is no keystroke: it activates nothing.
    PonerTextoCaja(txtSumaTerminacionesMinimo, QString::number(SumaTerminacionesMinima));
    PonerTextoCaja(txtSumaTerminacionesMaximo, QString::number(SumaTerminacionesMaxima));
}

void frmFiltroTERMINACIONES::cmdModificar_Click(int index) {
    DialogoAciertos(TerminadosEn, index, txtAciertos[static_cast<std::size_t>(index)]);
}

void frmFiltroTERMINACIONES::chkFigura_Click(int index) {
    (void)index;
    ActivarFiltro();
}

void frmFiltroTERMINACIONES::txtSumaTerminacionesMinimo_KeyPress(int& tecla) {
    ValidarTecla(txtSumaTerminacionesMinimo->text().toStdString(), tecla, 1);
    ActivarFiltro();
}

void frmFiltroTERMINACIONES::txtSumaTerminacionesMaximo_KeyPress(int& tecla) {
    ValidarTecla(txtSumaTerminacionesMaximo->text().toStdString(), tecla, 1);
    ActivarFiltro();
}

void frmFiltroTERMINACIONES::Form_Unload(bool& cancelar) {
    const QString minimo = txtSumaTerminacionesMinimo->text();
    const QString maximo = txtSumaTerminacionesMaximo->text();
    if (minimo.trimmed().isEmpty())
        return RechazarCierre("ERROR: el valor de la suma de terminaciones mínima esta en blanco", cancelar);
    if (maximo.trimmed().isEmpty())
        return RechazarCierre("ERROR: el valor de la suma de terminaciones máxima esta en blanco", cancelar);
    // A pasted text that is no whole number (or does not fit a byte) is refused like a blank.
    long vMinimo = 0, vMaximo = 0;
    if (!LeerEnteroCaja(minimo, vMinimo, 0, 255))
        return RechazarCierre("ERROR: el valor de la suma de terminaciones mínima no es un número entero válido",
                              cancelar);
    if (!LeerEnteroCaja(maximo, vMaximo, 0, 255))
        return RechazarCierre("ERROR: el valor de la suma de terminaciones máxima no es un número entero válido",
                              cancelar);
    if (vMinimo > vMaximo)
        return RechazarCierre("ERROR: la suma de terminaciones máxima debe ser mayor que la mínima", cancelar);
    GuardarFiguras(FigurasTerminaciones, chkFigura, figurasCargadas_);
    SumaTerminacionesMinima = static_cast<Byte>(vMinimo);
    SumaTerminacionesMaxima = static_cast<Byte>(vMaximo);
}
