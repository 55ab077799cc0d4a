#include "filters/frmFiltroSUMAS.h"

#include <QLabel>

#include "common/ValidarTecla.h"
#include "filters/ControlesFiltro.h"

using namespace modGeneral;

frmFiltroSUMAS::frmFiltroSUMAS(ListaTexto& lstFiltros, QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaFiltro, QStringLiteral("SUMAS"), padre) {
    setObjectName(QStringLiteral("frmFiltroSUMAS"));
    constexpr int x = 16, arriba = 14, etiqueta = 104, caja = 48, paso = 84;
    const int yMin = arriba + PasoFilaFiltro, yMax = yMin + PasoFilaFiltro + 4;
    lblSumaMinima = new QLabel(QStringLiteral("Suma Mínima :"), this);
    lblSumaMinima->setGeometry(x, yMin, etiqueta, AltoFilaFiltro);
    lblSumaMaxima = new QLabel(QStringLiteral("Suma Máxima :"), this);
    lblSumaMaxima->setGeometry(x, yMax, etiqueta, AltoFilaFiltro);
    for (int k = 0; k < 6; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int cx = x + etiqueta + k * paso;
        Label2[i] = CrearTitulo(this, QStringLiteral("Int.%1").arg(k + 1), cx, arriba, caja);
        Label2[i]->setAlignment(Qt::AlignCenter);
        for (auto* fila : {&txtSumaMinima, &txtSumaMaxima}) {
            auto* c = new CajaTexto(this);
            c->setMaxLength(3);
            c->setAlignment(Qt::AlignCenter);
            c->setGeometry(cx, fila == &txtSumaMinima ? yMin : yMax, caja, AltoFilaFiltro);
            (*fila)[i] = c;
        }
        txtSumaMinima[i]->KeyPress = [this, k](int& tecla) {
            if (!TeclaDeLaVentana(tecla)) txtSumaMinima_KeyPress(k, tecla);
        };
        txtSumaMaxima[i]->KeyPress = [this, k](int& tecla) {
            if (!TeclaDeLaVentana(tecla)) txtSumaMaxima_KeyPress(k, tecla);
        };
        if (k < 5) {
            Label1[i] = new QLabel(QStringLiteral("OR"), this);
            Label1[i]->setStyleSheet(QStringLiteral("QLabel{font-weight:bold;color:#c62828;}"));
            Label1[i]->setAlignment(Qt::AlignCenter);
            Label1[i]->setGeometry(cx + caja, (yMin + yMax) / 2, paso - caja, AltoFilaFiltro);
        }
    }
    const int ancho = x + etiqueta + 5 * paso + caja + 16;
    const int abajo = yMax + PasoFilaFiltro + 8;
    ColocarMarco(ancho - AnchoMarco - 24, abajo);
    setFixedSize(ancho, abajo + 32 + 14);
    // Interval by interval, down each column: its minimum, then its maximum.
    OrdenTabulacion({txtSumaMinima[0], txtSumaMaxima[0], txtSumaMinima[1], txtSumaMaxima[1], txtSumaMinima[2],
                     txtSumaMaxima[2], txtSumaMinima[3], txtSumaMaxima[3], txtSumaMinima[4], txtSumaMaxima[4],
                     txtSumaMinima[5], txtSumaMaxima[5], imgActivar, imgVolver});
}

void frmFiltroSUMAS::CargarControles() {
    // Filling the boxes is no keystroke: it activates nothing.
    for (int i = 1; i <= 6; ++i) {
        PonerTextoCaja(txtSumaMinima[static_cast<std::size_t>(i - 1)], QString::number(SumaMinima[i]));
        PonerTextoCaja(txtSumaMaxima[static_cast<std::size_t>(i - 1)], QString::number(SumaMaxima[i]));
    }
}

void frmFiltroSUMAS::txtSumaMinima_KeyPress(int index, int& tecla) {
    ValidarTecla(txtSumaMinima[static_cast<std::size_t>(index)]->text().toStdString(), tecla, 1);
    ActivarFiltro();
}

void frmFiltroSUMAS::txtSumaMaxima_KeyPress(int index, int& tecla) {
    ValidarTecla(txtSumaMaxima[static_cast<std::size_t>(index)]->text().toStdString(), tecla, 1);
    ActivarFiltro();
}

void frmFiltroSUMAS::Form_Unload(bool& cancelar) {
    long minimo[7] = {}, maximo[7] = {};
    for (int i = 1; i <= 6; ++i) {
        const QString tMin = txtSumaMinima[static_cast<std::size_t>(i - 1)]->text();
        const QString tMax = txtSumaMaxima[static_cast<std::size_t>(i - 1)]->text();
        if (tMin.trimmed().isEmpty() || tMax.trimmed().isEmpty())
            return RechazarCierre("ERROR: No se permiten valores nulos en los intervalos", cancelar);
        // A pasted text that is no whole number is refused like an empty box, naming the box.
        if (!LeerEnteroCaja(tMin, minimo[i]))
            return RechazarCierre("ERROR: La suma mínima del intervalo " + std::to_string(i) +
                                      " no es un número entero válido",
                                  cancelar);
        if (!LeerEnteroCaja(tMax, maximo[i]))
            return RechazarCierre("ERROR: La suma máxima del intervalo " + std::to_string(i) +
                                      " no es un número entero válido",
                                  cancelar);
        if (minimo[i] == 0 && maximo[i] == 0) continue;   // unused interval
        if (minimo[i] < 15)
            return RechazarCierre("ERROR: La suma mínima de los intervalos activados(<>0) debe ser mayor que 15",
                                  cancelar);
        if (maximo[i] > 240)
            return RechazarCierre("ERROR: La suma máxima de los intervalos activados(<>0) debe ser menor que 240",
                                  cancelar);
        if (minimo[i] > maximo[i])
            return RechazarCierre("ERROR: La suma mínima de un intervalo no puede ser mayor que la suma máxima",
                                  cancelar);
    }
    for (int i = 1; i <= 6; ++i) {
        SumaMinima[i] = static_cast<Integer>(minimo[i]);
        SumaMaxima[i] = static_cast<Integer>(maximo[i]);
    }
}
