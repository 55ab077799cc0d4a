#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <vector>

#include "main/DireccionesWeb.h"
#include "main/frmAcercaDe.h"
#include "support/PlataformaGuion.h"
#include "support/Raton.h"

namespace {

using Campo = std::array<float, frmAcercaDe::NumeroEstrellas>;

// Processes window messages until the condition holds or the time runs out (a bound against
// a hang, far beyond what a loaded machine takes).
bool EsperarHasta(const std::function<bool()>& condicion, int ms) {
    QElapsedTimer reloj;
    reloj.start();
    while (!condicion() && reloj.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return condicion();
}

// Every star at rest on the left edge, so that a frame moves only what a test sets up.
void Aquietar(frmAcercaDe& w) {
    w.EstrellaX.fill(0);
    w.EstrellaY.fill(0);
    w.EstrellaVelocidad.fill(0);
}

TEST(frmAcercaDe, AlCargarMuestraNombreEnlacesEImagenes) {
    PlataformaGuion g;
    frmAcercaDe w;
    w.Cargar();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Acerca de ..."));
    EXPECT_EQ(w.lblPrograma->Caption(), QStringLiteral("TORNAVENTURA 3.1"));
    EXPECT_EQ(w.lblLinkVelodaro->Caption(), QString::fromUtf8(DireccionesWeb::SitioFabricante));
    EXPECT_EQ(w.lblLinkZafirana->Caption(), QString::fromUtf8(DireccionesWeb::SitioAgencia));
    EXPECT_TRUE(w.lblFecha->Caption().isEmpty());
    for (QLabel* dibujo : {w.picTrebol, w.Picture1, w.Picture2, w.Picture3, w.Picture4}) {
        EXPECT_FALSE(dibujo->pixmap().isNull()) << dibujo->objectName().toStdString();
        EXPECT_TRUE(w.rect().contains(dibujo->geometry())) << dibujo->objectName().toStdString();
    }
    EXPECT_EQ(w.DivisorVelocidad, 4);
    EXPECT_EQ(w.VelocidadMaxima, 3);
    EXPECT_FALSE(w.Detenido());
    EXPECT_FALSE(w.tmrAnimacion->Enabled());  // moves only once shown
}

TEST(frmAcercaDe, ElCampoInicialSaleDelAzarDelProgramaSinResembrar) {
    PlataformaGuion g;
    g.Randomize(77);
    std::vector<double> azar;
    for (int i = 0; i < 3 * frmAcercaDe::NumeroEstrellas; ++i) azar.push_back(g.Rnd());
    g.Randomize(77);

    frmAcercaDe w;
    w.Cargar();
    const double ancho = w.width(), alto = w.height();
    for (int i = 0; i < frmAcercaDe::NumeroEstrellas; ++i) {
        ASSERT_FLOAT_EQ(w.EstrellaX[i], static_cast<float>(-ancho * azar[3 * i])) << i;
        ASSERT_FLOAT_EQ(w.EstrellaY[i], static_cast<float>(azar[3 * i + 1] * alto)) << i;
        ASSERT_FLOAT_EQ(w.EstrellaVelocidad[i], static_cast<float>(azar[3 * i + 2] * 3)) << i;
    }
}

TEST(frmAcercaDe, CadaFotogramaAvanzaUnCuartoDeLaVelocidad) {
    PlataformaGuion g;
    frmAcercaDe w;
    w.Cargar();
    Aquietar(w);
    w.EstrellaX[0] = 4;  w.EstrellaVelocidad[0] = 2;     // plain move
    w.EstrellaX[1] = -20; w.EstrellaVelocidad[1] = 2;    // far off the left: catches up 10
    w.EstrellaX[2] = -5; w.EstrellaVelocidad[2] = 1;     // at -5 exactly: no catch-up
    w.EstrellaX[3] = -5.5f; w.EstrellaVelocidad[3] = 0;  // a still star still catches up
    w.EstrellaX[4] = static_cast<float>(w.width()); w.EstrellaVelocidad[4] = 0;  // on the edge, not past it
    w.EstrellaY[0] = 33;

    w.AvanzarFotograma();
    EXPECT_FLOAT_EQ(w.EstrellaX[0], 4.5f);
    EXPECT_FLOAT_EQ(w.EstrellaY[0], 33.0f);
    EXPECT_FLOAT_EQ(w.EstrellaVelocidad[0], 2.0f);
    EXPECT_FLOAT_EQ(w.EstrellaX[1], -9.5f);
    EXPECT_FLOAT_EQ(w.EstrellaX[2], -4.75f);
    EXPECT_FLOAT_EQ(w.EstrellaX[3], 4.5f);
    EXPECT_FLOAT_EQ(w.EstrellaX[4], static_cast<float>(w.width()));
}

TEST(frmAcercaDe, UnaEstrellaQuePasaElBordeDerechoVuelveAEmpezarALaIzquierda) {
    PlataformaGuion g;
    frmAcercaDe w;
    w.Cargar();
    Aquietar(w);
    const double ancho = w.width(), alto = w.height();
    w.EstrellaX[7] = static_cast<float>(ancho - 0.25);
    w.EstrellaY[7] = 10;
    w.EstrellaVelocidad[7] = 2;

    g.Randomize(5);
    const double r1 = g.Rnd(), r2 = g.Rnd(), r3 = g.Rnd();
    g.Randomize(5);
    w.AvanzarFotograma();

    EXPECT_FLOAT_EQ(w.EstrellaX[7], static_cast<float>(-ancho * r1));
    EXPECT_FLOAT_EQ(w.EstrellaY[7], static_cast<float>(r2 * alto));
    EXPECT_FLOAT_EQ(w.EstrellaVelocidad[7], static_cast<float>(r3 * 3));
    EXPECT_LE(w.EstrellaX[7], 0.0f);
    // Only that star took values from the random source.
    const double siguiente = g.Rnd();
    g.Randomize(5);
    for (int i = 0; i < 3; ++i) g.Rnd();
    EXPECT_DOUBLE_EQ(siguiente, g.Rnd());
    for (int i = 0; i < frmAcercaDe::NumeroEstrellas; ++i) {
        if (i != 7) {
            ASSERT_FLOAT_EQ(w.EstrellaX[i], 0.0f) << i;
        }
    }
}

TEST(frmAcercaDe, LaAnimacionCorreMientrasEstaAbiertaYSeParaAlCerrar) {
    PlataformaGuion g;
    frmAcercaDe w;
    Campo mientrasAbierta{};
    bool avanzo = false;
    g.alMostrar["frmAcercaDe"] = [&](Ventana&) {
        EXPECT_TRUE(w.tmrAnimacion->Enabled());
        EXPECT_GE(w.tmrAnimacion->Interval(), 15);
        EXPECT_LE(w.tmrAnimacion->Interval(), 50);
        const Campo inicial = w.EstrellaX;
        avanzo = EsperarHasta([&] { return w.EstrellaX != inicial; }, 30000);
        // A second activation (a window above closed) does not start a second animation.
        w.Activar();
        EXPECT_TRUE(w.tmrAnimacion->Enabled());
        mientrasAbierta = w.EstrellaX;
        // The user's close box.
        EXPECT_TRUE(w.close());
    };
    g.MostrarModal(w);
    EXPECT_TRUE(avanzo);
    EXPECT_FALSE(w.Cargada());
    EXPECT_TRUE(w.Detenido());
    EXPECT_FALSE(w.tmrAnimacion->Enabled());

    const Campo alCerrar = w.EstrellaX;
    EsperarHasta([] { return false; }, 3 * frmAcercaDe::IntervaloFotograma);
    EXPECT_EQ(w.EstrellaX, alCerrar);

    // Reopened: a fresh field that moves again.
    g.alMostrar["frmAcercaDe"] = [&](Ventana&) {
        EXPECT_FALSE(w.Detenido());
        EXPECT_TRUE(w.tmrAnimacion->Enabled());
        EXPECT_NE(w.EstrellaX, mientrasAbierta);
        for (float x : w.EstrellaX) EXPECT_LE(x, 0.0f);
    };
    g.MostrarModal(w);
    EXPECT_EQ(g.modalesMostrados.size(), 2u);
    EXPECT_FALSE(w.tmrAnimacion->Enabled());
}

TEST(frmAcercaDe, LosEnlacesAbrenSuPaginaYCallanSiFalla) {
    PlataformaGuion g;
    frmAcercaDe w;
    w.Cargar();
    w.lblLinkVelodaro_Click();
    w.lblLinkZafirana_Click();
    PulsarRaton(w.lblLinkZafirana);  // a real click reaches the same handler
    ASSERT_EQ(g.paginas.size(), 3u);
    EXPECT_EQ(g.paginas[0], DireccionesWeb::PaginaFabricante);
    EXPECT_EQ(g.paginas[1], DireccionesWeb::PaginaAgencia);
    EXPECT_EQ(g.paginas[2], DireccionesWeb::PaginaAgencia);

    g.paginasAbren = false;
    w.lblLinkVelodaro_Click();
    w.lblLinkZafirana_Click();
    EXPECT_EQ(g.paginas.size(), 5u);
    EXPECT_TRUE(g.mensajes.empty());
    EXPECT_TRUE(w.Cargada());
}

}  // namespace
