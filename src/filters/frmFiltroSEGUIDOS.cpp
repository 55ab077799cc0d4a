#include "filters/frmFiltroSEGUIDOS.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include "filters/ControlesFiltro.h"

using namespace modGeneral;

frmFiltroSEGUIDOS::frmFiltroSEGUIDOS(ListaTexto& lstFiltros, QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaFiltro, QStringLiteral("SEGUIDOS"), padre) {
    setObjectName(QStringLiteral("frmFiltroSEGUIDOS"));
    constexpr int x = 16, arriba = 14;

    // Left half: the run lengths and the examples.
    lblTitulo = CrearTitulo(this, QStringLiteral("SEGUIDOS"), x, arriba, 120);
    QLabel* etiqueta = nullptr;
    CrearFilaAciertos(this, x, arriba + PasoFilaFiltro, 40, QStringLiteral("Nº : "), etiqueta, txtNumero,
                      cmdModificar);
    lblSeguidos = etiqueta;

    QFont fijo = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fijo.setPointSize(10);
    const int paso = QFontMetrics(fijo).horizontalAdvance(QLatin1Char('0'));
    static const char* const ejemplos[5] = {"01 03 05 07 09 ->1", "01 02 05 07 09 ->2", "01 02 03 07 09 ->3",
                                            "01 02 03 04 09 ->4", "01 02 03 04 05 ->5"};
    static const char* const rachas[5] = {"", "01 02 ", "01 02 03", "01 02 03 04", "01 02 03 04 05"};
    const int yEjemplos = arriba + 2 * PasoFilaFiltro + 10;
    for (int i = 0; i < 5; ++i) {
        const int y = yEjemplos + i * 24;
        auto* l = new QLabel(QString::fromLatin1(ejemplos[i]), this);
        l->setFont(fijo);
        l->setStyleSheet(QStringLiteral("QLabel{color:#8c8c8c;background:transparent;}"));
        l->setGeometry(x, y, 19 * paso, 22);
        lblEjemplos[static_cast<std::size_t>(i)] = l;
        // The run, in black over the same characters.
        auto* r = new QLabel(QString::fromLatin1(rachas[i]), this);
        r->setFont(fijo);
        r->setStyleSheet(QStringLiteral("QLabel{color:#000000;background:transparent;}"));
        r->setGeometry(x, y, 19 * paso, 22);
        lblEjemplosRacha[static_cast<std::size_t>(i)] = r;
    }
    const int finIzquierda = std::max(FinFilaAciertos(x, 40), x + 19 * paso);

    // Right half: the figures.
    const int xFiguras = finIzquierda + 28;
    lblFiguras = CrearTitulo(this, QStringLiteral("FIGURAS"), xFiguras, arriba, 120);
    const int abajoFiguras = CrearFilasFiguras(this, xFiguras, arriba + PasoFilaFiltro, Label3, lblTipoFigura, chkFigura);
    for (int i = 1; i <= 7; ++i)
        connect(chkFigura[static_cast<std::size_t>(i)], &Casilla::Click, this, [this, i] { chkFigura_Click(i); });

    const int ancho = xFiguras + 150;
    const int abajo = std::max(abajoFiguras, yEjemplos + 5 * 24) + 4;
    ColocarMarco(ancho - AnchoMarco - 24, abajo);
    setFixedSize(ancho, abajo + 32 + 14);
    OrdenTabulacion({cmdModificar, chkFigura[1], chkFigura[2], chkFigura[3], chkFigura[4], chkFigura[5],
                     chkFigura[6], chkFigura[7], imgActivar, imgVolver});

    connect(cmdModificar, &Boton::Click, this, [this] { cmdModificar_Click(); });
}

void frmFiltroSEGUIDOS::CargarControles() {
    txtNumero->setText(TextoAciertos(NumerosSeguidos));
    CargarFiguras(FigurasSeguidos, chkFigura, figurasCargadas_);
}

void frmFiltroSEGUIDOS::cmdModificar_Click() {
    // A run is at least one number long: the dialog offers 1..5 and hides 0.
    DialogoAciertos(NumerosSeguidos, txtNumero, 1, 5, true);
}

void frmFiltroSEGUIDOS::chkFigura_Click(int index) {
    (void)index;
    ActivarFiltro();
}

void frmFiltroSEGUIDOS::Form_Unload(bool& cancelar) {
    (void)cancelar;
    GuardarFiguras(FigurasSeguidos, chkFigura, figurasCargadas_);
}
