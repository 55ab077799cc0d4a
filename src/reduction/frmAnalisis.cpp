#include "reduction/frmAnalisis.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "common/modGeneral.h"
#include "platform/Plataforma.h"
#include "kit/AyudaVentanas.h"
#include "common/modInformeTexto.h"

using namespace modGeneral;

namespace {
constexpr int AnchoBloque = 300;
constexpr int ArribaBloques = 78;

QString Porcentaje(double v) { return QLocale(QLocale::Spanish).toString(v, 'f', 2) + QStringLiteral(" %"); }
}  // namespace

BarrasFrecuencias::BarrasFrecuencias(QWidget* padre) : QWidget(padre) {}

void BarrasFrecuencias::PonerFilas(std::vector<Fila> filas, double escala, long colorBarra) {
    filas_ = std::move(filas);
    escala_ = escala;
    color_ = colorBarra;
    update();
}

void BarrasFrecuencias::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int anchoRotulo = 26, anchoCuenta = 64, anchoPct = 62;
    const int xBarra = anchoRotulo + 6;
    const int anchoBarra = width() - xBarra - anchoCuenta - anchoPct - 8;
    QFont negrita = font();
    negrita.setBold(true);
    for (std::size_t i = 0; i < filas_.size(); ++i) {
        const Fila& f = filas_[i];
        const int y = static_cast<int>(i) * AltoFila;
        if (i % 2 == 1) p.fillRect(0, y, width(), AltoFila, QColor(0xF2, 0xF4, 0xFA));
        const bool vacio = f.cuenta == 0;
        p.setFont(negrita);
        p.setPen(vacio ? QColor(0xA0, 0xA0, 0xA0) : QColor(0xD7, 0x26, 0x2E));
        p.drawText(QRect(0, y, anchoRotulo, AltoFila), Qt::AlignRight | Qt::AlignVCenter, f.rotulo);
        p.setFont(font());
        const int largo = escala_ > 0 ? static_cast<int>(f.porcentaje / escala_ * anchoBarra + 0.5) : 0;
        p.fillRect(xBarra, y + 3, anchoBarra, AltoFila - 6, QColor(0xE6, 0xE9, 0xF2));
        if (largo > 0)
            p.fillRect(xBarra, y + 3, std::min(largo, anchoBarra), AltoFila - 6,
                       f.mayor ? QColor(0xD7, 0x26, 0x2E) : ColorDesdeBGR(color_));
        p.setPen(vacio ? QColor(0xA0, 0xA0, 0xA0) : QColor(0x20, 0x20, 0x20));
        p.drawText(QRect(xBarra + anchoBarra + 4, y, anchoCuenta, AltoFila), Qt::AlignRight | Qt::AlignVCenter,
                   AyudaVentanas::Cuenta(static_cast<double>(f.cuenta)));
        p.drawText(QRect(xBarra + anchoBarra + 4 + anchoCuenta, y, anchoPct, AltoFila),
                   Qt::AlignRight | Qt::AlignVCenter, Porcentaje(f.porcentaje));
    }
}

frmAnalisis::frmAnalisis(QWidget* padre) : Ventana(padre) {
    setObjectName(QStringLiteral("frmAnalisis"));
    setWindowTitle(QStringLiteral("Análisis de frecuencias"));
    const int alto = ArribaBloques + 25 * BarrasFrecuencias::AltoFila + 20;
    setFixedSize(3 * AnchoBloque + 4 * 16, alto);

    lblApuestas = new QLabel(this);
    lblApuestas->setGeometry(16, 10, 600, 22);
    lblApuestas->setStyleSheet(QStringLiteral("font-weight:bold; color:#1b2a6b;"));
    lblResumen = new QLabel(this);
    lblResumen->setGeometry(16, 32, 700, 20);
    lblNumeros = new QLabel(QStringLiteral("NÚMEROS   (veces y % de apuestas)"), this);
    lblNumeros->setGeometry(16, ArribaBloques - 22, 2 * AnchoBloque + 16, 20);
    lblNumeros->setStyleSheet(QStringLiteral("font-weight:bold; color:#d7262e;"));
    lblEstrellas = new QLabel(QStringLiteral("ESTRELLAS"), this);
    lblEstrellas->setGeometry(16 + 2 * (AnchoBloque + 16), ArribaBloques - 22, AnchoBloque, 20);
    lblEstrellas->setStyleSheet(QStringLiteral("font-weight:bold; color:#d7262e;"));

    picNumeros1 = new BarrasFrecuencias(this);
    picNumeros1->setGeometry(16, ArribaBloques, AnchoBloque, 25 * BarrasFrecuencias::AltoFila);
    picNumeros2 = new BarrasFrecuencias(this);
    picNumeros2->setGeometry(16 + AnchoBloque + 16, ArribaBloques, AnchoBloque, 25 * BarrasFrecuencias::AltoFila);
    picEstrellas = new BarrasFrecuencias(this);
    picEstrellas->setGeometry(16 + 2 * (AnchoBloque + 16), ArribaBloques, AnchoBloque, 12 * BarrasFrecuencias::AltoFila);

    QLabel* rotulo = nullptr;
    const int xBotones = 16 + 2 * (AnchoBloque + 16) + 60;
    const int yBotones = ArribaBloques + 12 * BarrasFrecuencias::AltoFila + 60;
    imgInforme = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/reduccion/informe.svg"),
                                                 QStringLiteral("Informe de frecuencias"), xBotones, yBotones, &rotulo,
                                                 QStringLiteral("Informe"));
    imgVolver = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/iconos/volver.svg"), QStringLiteral("Cerrar"),
                                                xBotones + 110, yBotones, &rotulo, QStringLiteral("Volver"));
    connect(imgInforme, &BotonImagen::Click, this, [this] { imgInforme_Click(); });
    connect(imgVolver, &BotonImagen::Click, this, [this] { imgVolver_Click(); });
    PonerAccionPredeterminada(imgVolver);
    OrdenTabulacion({imgInforme, imgVolver});
}

void frmAnalisis::Form_Activate() {
    if (contado_) return;
    contado_ = true;
    Frecuencias = modAnalisis::ContarFrecuencias(ApuestasReducidas, NumApuestas);
    const auto& f = Frecuencias;
    lblApuestas->setText(QStringLiteral("Apuestas analizadas : %1").arg(AyudaVentanas::Cuenta(f.apuestas)));

    // One scale for numbers and stars: the largest share of either.
    double escala = 0;
    for (int n = 1; n <= 50; ++n) escala = std::max(escala, f.PorcentajeNumero(n));
    for (int e = 1; e <= 12; ++e) escala = std::max(escala, f.PorcentajeEstrella(e));
    // The red mark goes to every number that shares the largest count of all 50, whichever
    // block it is drawn in; the stars are compared among themselves.
    const Long masNumeros = *std::max_element(f.numeros.begin() + 1, f.numeros.end());
    const Long masEstrellas = *std::max_element(f.estrellas.begin() + 1, f.estrellas.end());
    auto numeros = [&f, masNumeros](int desde, int hasta) {
        std::vector<BarrasFrecuencias::Fila> v;
        for (int n = desde; n <= hasta; ++n) {
            const Long c = f.numeros[static_cast<std::size_t>(n)];
            v.push_back({QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), c, f.PorcentajeNumero(n),
                         c > 0 && c == masNumeros});
        }
        return v;
    };
    picNumeros1->PonerFilas(numeros(1, 25), escala, 0x6B2A1B);
    picNumeros2->PonerFilas(numeros(26, 50), escala, 0x6B2A1B);
    std::vector<BarrasFrecuencias::Fila> estrellas;
    if (f.conEstrellas)
        for (int e = 1; e <= 12; ++e) {
            const Long c = f.estrellas[static_cast<std::size_t>(e)];
            estrellas.push_back({QStringLiteral("%1").arg(e, 2, 10, QLatin1Char('0')), c, f.PorcentajeEstrella(e),
                                 c > 0 && c == masEstrellas});
        }
    picEstrellas->PonerFilas(std::move(estrellas), escala, 0x2E9BD7);
    if (!f.conEstrellas) lblEstrellas->setText(QStringLiteral("ESTRELLAS   (no hay estrellas)"));

    // The most and the least played of the numbers in use.
    int masJugado = 0, menosJugado = 0;
    for (int n = 1; n <= 50; ++n) {
        const Long c = f.numeros[static_cast<std::size_t>(n)];
        if (c == 0) continue;
        if (!masJugado || c > f.numeros[static_cast<std::size_t>(masJugado)]) masJugado = n;
        if (!menosJugado || c < f.numeros[static_cast<std::size_t>(menosJugado)]) menosJugado = n;
    }
    if (masJugado)
        lblResumen->setText(QStringLiteral("Número más jugado : %1 (%2)     Número menos jugado : %3 (%4)")
                                .arg(masJugado, 2, 10, QLatin1Char('0'))
                                .arg(Porcentaje(f.PorcentajeNumero(masJugado)))
                                .arg(menosJugado, 2, 10, QLatin1Char('0'))
                                .arg(Porcentaje(f.PorcentajeNumero(menosJugado))));
}

void frmAnalisis::imgInforme_Click() {
    Plataforma& p = Plataforma::Activa();
    const std::string fecha = modInformeTexto::FechaHoraInforme();
    const std::string ruta = modInformeTexto::RutaInforme(p.CarpetaPrograma(), modAnalisis::NombreInforme);
    std::string error;
    if (!modInformeTexto::EscribirInforme(ruta, modAnalisis::TextoInforme(Frecuencias, fecha), error)) {
        p.MsgBox("ERROR AL GENERAR EL INFORME (" + error + ")", EstiloMensaje::Critico);
        return;
    }
    modInformeTexto::MostrarInforme(ruta);
}

void frmAnalisis::imgVolver_Click() { Descargar(MotivoCierre::Codigo); }
