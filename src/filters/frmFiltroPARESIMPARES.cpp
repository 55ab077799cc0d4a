#include "filters/frmFiltroPARESIMPARES.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>

#include "filters/ControlesFiltro.h"

using namespace modGeneral;

frmFiltroPARESIMPARES::frmFiltroPARESIMPARES(ListaTexto& lstFiltros, QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaFiltro, QStringLiteral("PARES E IMPARES"), padre) {
    setObjectName(QStringLiteral("frmFiltroPARESIMPARES"));
    // The row captions line their two digits up under the column titles: a fixed-pitch font.
    QFont fijo = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fijo.setPointSize(11);
    fijo.setBold(true);
    const int paso = QFontMetrics(fijo).horizontalAdvance(QLatin1Char('0'));
    constexpr int xCasilla = 20, xTexto = 46, arriba = 14;
    const int yFilas = arriba + AltoFilaFiltro + 4;

    lblPares = CrearTitulo(this, QStringLiteral("PARES"), 0, arriba, 70);
    lblImpares = CrearTitulo(this, QStringLiteral("IMPARES"), 0, arriba, 80);
    // Each title centred over its digit (characters 2 and 15 of the captions).
    lblPares->setAlignment(Qt::AlignCenter);
    lblImpares->setAlignment(Qt::AlignCenter);
    lblPares->move(xTexto + 2 * paso + paso / 2 - 35, arriba);
    lblImpares->move(xTexto + 15 * paso + paso / 2 - 40, arriba);

    for (int k = 0; k <= 5; ++k) {
        const int y = yFilas + k * PasoFilaFiltro;
        auto* chk = new Casilla(QString(), this);
        chk->setObjectName(QStringLiteral("chkParesImpares%1").arg(k));
        chk->setGeometry(xCasilla, y, 22, AltoFilaFiltro);
        chkParesImpares[static_cast<std::size_t>(k)] = chk;
        auto* l = new QLabel(QStringLiteral("  %1            %2").arg(k).arg(5 - k), this);
        l->setFont(fijo);
        l->setGeometry(xTexto, y, 17 * paso, AltoFilaFiltro);
        lblParesImpares[static_cast<std::size_t>(k)] = l;
        connect(chk, &Casilla::Click, this, [this, k] { chkParesImpares_Click(k); });
    }
    const int abajo = yFilas + 6 * PasoFilaFiltro + 6;
    const int ancho = std::max(xTexto + 17 * paso + 20, AnchoMarco + 40);
    ColocarMarco(ancho - AnchoMarco - 24, abajo);
    setFixedSize(ancho, abajo + 32 + 14);
    OrdenTabulacion({chkParesImpares[0], chkParesImpares[1], chkParesImpares[2], chkParesImpares[3],
                     chkParesImpares[4], chkParesImpares[5], imgActivar, imgVolver});
}

void frmFiltroPARESIMPARES::CargarControles() {
    // A box ticked from code raises its Click: the count is stored again and the row activated.
    for (int k = 0; k <= 5; ++k) chkParesImpares[static_cast<std::size_t>(k)]->SetValue(ParesActivos(k) == 1 ? 1 : 0);
}

void frmFiltroPARESIMPARES::chkParesImpares_Click(int index) {
    ParesActivos(index) = static_cast<Byte>(chkParesImpares[static_cast<std::size_t>(index)]->Value());
    ActivarFiltro();
}
