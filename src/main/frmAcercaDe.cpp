#include "main/frmAcercaDe.h"

#include <QPainter>

#include "main/DireccionesWeb.h"
#include "platform/Plataforma.h"

namespace {
constexpr int Ancho = 500;
constexpr int Alto = 320;
// Text colours over the black field (0xBBGGRR).
constexpr long ColorTitulo = 0xFFFFFF;
constexpr long ColorEnlace = 0xFFC08F;  // light blue
const QColor ColorEstrella(0, 0, 128);

QLabel* NuevaImagen(QWidget* padre, const QString& recurso, const QString& nombre, int x, int y) {
    auto* l = new QLabel(padre);
    l->setObjectName(nombre);
    QPixmap p(recurso);
    l->setPixmap(p);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setGeometry(x, y, p.width(), p.height());
    return l;
}

Etiqueta* NuevoEnlace(QWidget* padre, const char* sitio, const QString& nombre, int y) {
    auto* l = new Etiqueta(QString::fromUtf8(sitio), padre);
    l->setObjectName(nombre);
    l->SetForeColor(ColorEnlace);
    l->SetEstiloBase(QStringLiteral("font-size:15px;text-decoration:underline;"));
    l->setAlignment(Qt::AlignCenter);
    l->setCursor(Qt::PointingHandCursor);
    l->adjustSize();
    // Only the text is the link, centred in the window.
    l->setGeometry((Ancho - l->width() - 8) / 2, y, l->width() + 8, 24);
    return l;
}
}  // namespace

frmAcercaDe::frmAcercaDe(QWidget* padre) : Ventana(padre) {
    setObjectName(QStringLiteral("frmAcercaDe"));
    setWindowTitle(QStringLiteral("Acerca de ..."));
    setFixedSize(Ancho, Alto);

    picTrebol = NuevaImagen(this, QStringLiteral(":/imagenes/trebol.svg"), QStringLiteral("picTrebol"), 28, 26);

    lblPrograma = new Etiqueta(QString(), this);
    lblPrograma->setObjectName(QStringLiteral("lblPrograma"));
    lblPrograma->SetForeColor(ColorTitulo);
    lblPrograma->SetEstiloBase(QStringLiteral("font-size:30px;font-weight:bold;"));
    lblPrograma->setGeometry(108, 34, 370, 48);

    lblFecha = new Etiqueta(QString(), this);
    lblFecha->setObjectName(QStringLiteral("lblFecha"));
    lblFecha->SetForeColor(ColorTitulo);
    lblFecha->setGeometry(110, 82, 366, 20);

    // Four decorative pictures in a row, each centred in a quarter of the window.
    QLabel** dibujos[] = {&Picture1, &Picture2, &Picture3, &Picture4};
    for (int i = 0; i < 4; ++i) {
        const int centro = Ancho * (2 * i + 1) / 8;
        const QString n = QString::number(i + 1);
        *dibujos[i] = NuevaImagen(this, QStringLiteral(":/imagenes/picture%1.svg").arg(n),
                                  QStringLiteral("Picture%1").arg(n), centro - 24, 130);
    }

    lblLinkVelodaro = NuevoEnlace(this, DireccionesWeb::SitioFabricante, QStringLiteral("lblLinkVelodaro"), 220);
    lblLinkZafirana = NuevoEnlace(this, DireccionesWeb::SitioAgencia, QStringLiteral("lblLinkZafirana"), 252);

    tmrAnimacion = new Temporizador(this);
    tmrAnimacion->SetInterval(IntervaloFotograma);

    // The links are reachable by Tab; Enter elsewhere closes the box, as Esc does.
    lblLinkVelodaro->SetTeclado(true);
    lblLinkZafirana->SetTeclado(true);
    PonerAccionPredeterminada(nullptr, [this] { close(); });

    connect(lblLinkVelodaro, &Etiqueta::Click, this, &frmAcercaDe::lblLinkVelodaro_Click);
    connect(lblLinkZafirana, &Etiqueta::Click, this, &frmAcercaDe::lblLinkZafirana_Click);
    connect(tmrAnimacion, &Temporizador::Timer, this, &frmAcercaDe::tmrAnimacion_Timer);
}

void frmAcercaDe::Form_Load() {
    lblPrograma->SetCaption(QStringLiteral("TORNAVENTURA ") + QStringLiteral("3.1"));
    DivisorVelocidad = 4;
    VelocidadMaxima = 3;
    for (int i = 0; i < NumeroEstrellas; ++i) SituarEstrellaALaIzquierda(i);
    detener_ = false;
}

void frmAcercaDe::Form_Activate() {
    // Activation comes again whenever a window above closes: one timer is enough.
    if (!detener_ && !tmrAnimacion->Enabled()) tmrAnimacion->SetEnabled(true);
}

void frmAcercaDe::Form_Unload(bool& cancelar) {
    (void)cancelar;
    detener_ = true;
    tmrAnimacion->SetEnabled(false);
}

void frmAcercaDe::lblLinkVelodaro_Click() { DireccionesWeb::AbrirPaginaSinAvisos(DireccionesWeb::PaginaFabricante); }

void frmAcercaDe::lblLinkZafirana_Click() { DireccionesWeb::AbrirPaginaSinAvisos(DireccionesWeb::PaginaAgencia); }

void frmAcercaDe::SituarEstrellaALaIzquierda(int i) {
    Plataforma& pl = Plataforma::Activa();
    const double w = width();
    const double h = height();
    EstrellaX[i] = static_cast<float>(-w * pl.Rnd());
    EstrellaY[i] = static_cast<float>(pl.Rnd() * h);
    EstrellaVelocidad[i] = static_cast<float>(pl.Rnd() * VelocidadMaxima);
}

void frmAcercaDe::AvanzarFotograma() {
    const float w = static_cast<float>(width());
    for (int i = 0; i < NumeroEstrellas; ++i) {
        if (EstrellaX[i] < -5) EstrellaX[i] += 10;
        const float x = EstrellaX[i] + EstrellaVelocidad[i] / static_cast<float>(DivisorVelocidad);
        if (x > w) {
            SituarEstrellaALaIzquierda(i);
            continue;
        }
        EstrellaX[i] = x;
    }
}

void frmAcercaDe::tmrAnimacion_Timer() {
    if (detener_) {
        tmrAnimacion->SetEnabled(false);
        return;
    }
    AvanzarFotograma();
    update();
}

void frmAcercaDe::paintEvent(QPaintEvent* e) {
    (void)e;
    // The whole field is drawn every frame, so nothing has to be erased star by star.
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ColorEstrella, 1.0));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < NumeroEstrellas; ++i) {
        const float r = EstrellaVelocidad[i];
        if (EstrellaX[i] + r < 0) continue;  // still off the left edge
        p.drawEllipse(QPointF(EstrellaX[i], EstrellaY[i]), r, r);
    }
}
