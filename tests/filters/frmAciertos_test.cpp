// The hit-count dialog and the exchange every caller performs through the frame.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScreen>
#include <algorithm>

#include "filters/AyudaVentanas.h"
#include "filters/VentanaFiltro.h"
#include "filters/frmAciertos.h"

namespace {

using namespace modGeneral;

class frmFiltroLlamador : public VentanaFiltro {
public:
    explicit frmFiltroLlamador(ListaTexto& l) : VentanaFiltro(l, 0, QStringLiteral("LLAMADOR")) {
        caja = new QLineEdit(this);
    }
    QLineEdit* caja = nullptr;
};

class Aciertos : public ayuda::PruebaVentanaFiltro {
protected:
    void SetUp() override {
        PruebaVentanaFiltro::SetUp();
        w = std::make_unique<frmFiltroLlamador>(lista);
        w->Cargar();
    }
    std::unique_ptr<frmFiltroLlamador> w;
    std::string Caja() const { return w->caja->text().toStdString(); }
};

TEST_F(Aciertos, SinTocarNadaDevuelveLasMarcasComoCeroUnoYActiva) {
    Bajos(2) = 1;
    Bajos(3) = 1;
    Bajos(5) = 7;  // not a 1: goes in and comes back as 0
    w->caja->setText(QStringLiteral("basura"));
    int vistas = 0;
    AlDialogo([&](frmAciertos& d) {
        ++vistas;
        EXPECT_EQ(d.windowTitle(), QStringLiteral("ACIERTOS"));
        EXPECT_TRUE(d.Marcada(2));
        EXPECT_TRUE(d.Marcada(3));
        EXPECT_FALSE(d.Marcada(5));
        EXPECT_EQ(d.lblAciertos[2]->BackColor(), frmAciertos::ColorMarcado);
        EXPECT_EQ(d.lblAciertos[2]->ForeColor(), frmAciertos::ColorBlanco);
        EXPECT_EQ(d.lblAciertos[0]->BackColor(), frmAciertos::ColorBlanco);
        EXPECT_EQ(d.lblAciertos[0]->ForeColor(), frmAciertos::ColorNegro);
        EXPECT_EQ(d.imgTodos->toolTip(), QStringLiteral("Selecciona todos los aciertos"));
        EXPECT_EQ(d.imgNinguno->toolTip(), QStringLiteral("Inicializa todos los aciertos"));
        EXPECT_EQ(d.imgVolver->toolTip(), QStringLiteral("Cerrar"));
    });
    w->DialogoAciertos(Bajos, w->caja);
    EXPECT_EQ(vistas, 1);
    EXPECT_EQ(Caja(), "2,3");
    const Byte esperado[6] = {0, 0, 1, 1, 0, 0};
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(Bajos(i), esperado[i]) << i;
    EXPECT_TRUE(Activa(0));
    EXPECT_TRUE(w->MuestraImagenActiva());
}

TEST_F(Aciertos, LosClicsAlternanPorElColorYElTextoSaleOrdenado) {
    AlDialogo([](frmAciertos& d) {
        d.lblAciertos_Click(3);
        d.lblAciertos_Click(1);
        d.lblAciertos_Click(4);
        d.lblAciertos_Click(4);  // back off
        EXPECT_FALSE(d.Marcada(4));
        EXPECT_EQ(AciertosSeleccion(4), 0);
    });
    w->DialogoAciertos(Altos, w->caja);
    EXPECT_EQ(Caja(), "1,3");
    EXPECT_EQ(Altos(1), 1);
    EXPECT_EQ(Altos(3), 1);
    EXPECT_EQ(Altos(4), 0);

    AlDialogo([](frmAciertos& d) { d.imgTodos_Click(); });
    w->DialogoAciertos(Altos, w->caja);
    EXPECT_EQ(Caja(), "0,1,2,3,4,5");
}

TEST_F(Aciertos, NingunoVaciaTablaYCajaPeroActiva) {
    Bajos(2) = Bajos(3) = 1;
    AlDialogo([](frmAciertos& d) {
        d.imgNinguno_Click();
        for (int i = 0; i <= 5; ++i) EXPECT_FALSE(d.Marcada(i));
        d.imgVolver_Click();
    });
    w->DialogoAciertos(Bajos, w->caja);
    EXPECT_EQ(Caja(), "");
    EXPECT_TRUE(Bajos.Vacia());
    EXPECT_TRUE(Activa(0));
}

TEST_F(Aciertos, DesdeUnoOcultaElCeroYLoDejaPasar) {
    NumerosSeguidos(0) = 1;  // only a base file can store it
    NumerosSeguidos(2) = 1;
    AlDialogo([](frmAciertos& d) {
        EXPECT_FALSE(d.lblAciertos[0]->isVisibleTo(&d));
        EXPECT_FALSE(d.lblAciertos[0]->isEnabled());
        EXPECT_FALSE(d.Marcada(0));  // resting colours
        d.imgTodos_Click();
        EXPECT_FALSE(d.Marcada(0));
        d.lblAciertos_Click(0);  // takes no clicks
        EXPECT_EQ(AciertosSeleccion(0), 1);
        d.imgNinguno_Click();
        EXPECT_EQ(AciertosSeleccion(0), 1);
        d.lblAciertos_Click(1);
        d.lblAciertos_Click(2);
    });
    w->DialogoAciertos(NumerosSeguidos, w->caja, 1, 5, true);
    EXPECT_EQ(Caja(), "0,1,2");
    EXPECT_EQ(NumerosSeguidos(0), 1);

    // The next exchange loads the window afresh: label 0 is back.
    AlDialogo([](frmAciertos& d) {
        EXPECT_TRUE(d.lblAciertos[0]->isVisibleTo(&d));
        EXPECT_TRUE(d.lblAciertos[0]->isEnabled());
    });
    w->DialogoAciertos(Bajos, w->caja);
}

TEST_F(Aciertos, UnaFilaDeTablaGrandeViajaIgual) {
    TerminadosEn(3, 1) = 1;
    TerminadosEn(3, 2) = 1;
    EXPECT_EQ(VentanaFiltro::TextoAciertos(TerminadosEn, 3), QStringLiteral("1,2"));
    AlDialogo([](frmAciertos& d) { d.lblAciertos_Click(5); });
    w->DialogoAciertos(TerminadosEn, 3, w->caja);
    EXPECT_EQ(Caja(), "1,2,5");
    EXPECT_EQ(TerminadosEn(3, 5), 1);
    EXPECT_EQ(TerminadosEn(4, 5), 0);
}

TEST_F(Aciertos, ElBotonDeCierreCierraYLasEtiquetasFueraDeRangoNoCambian) {
    frmAciertos d;
    d.AciertoMinimo = 2;
    d.AciertoMaximo = 4;
    const long reposo = d.lblAciertos[5]->BackColor();
    AciertosSeleccion.Limpiar();
    AciertosSeleccion(5) = 1;
    d.Cargar();
    d.Activar();
    EXPECT_FALSE(d.lblAciertos[5]->isEnabled());
    EXPECT_EQ(d.lblAciertos[5]->BackColor(), reposo);
    d.imgTodos_Click();
    EXPECT_EQ(AciertosSeleccion(1), 0);
    EXPECT_EQ(AciertosSeleccion(2), 1);
    d.imgNinguno_Click();
    EXPECT_EQ(AciertosSeleccion(5), 1);
    EXPECT_TRUE(d.Descargar(MotivoCierre::Usuario));
}

TEST_F(Aciertos, SeAbreJuntoALaCajaQueRellenaYDentroDeLaPantalla) {
    const QRect pantalla = w->screen()->availableGeometry();
    w->setFixedSize(360, 200);
    w->caja->setGeometry(20, 60, 108, 22);
    w->show();
    // The caller at the top left, at the bottom, and at the right edge of the screen.
    for (const QPoint sitio : {pantalla.topLeft() + QPoint(10, 10), QPoint(pantalla.left() + 10, pantalla.bottom() - 150),
                               QPoint(pantalla.right() - 150, pantalla.top() + 10)}) {
        w->move(sitio);
        QRect dialogo;
        AlDialogo([&](frmAciertos& d) { dialogo = d.frameGeometry(); });
        w->DialogoAciertos(Bajos, w->caja);
        const QRect caja(w->caja->mapToGlobal(QPoint(0, 0)), w->caja->size());
        EXPECT_TRUE(pantalla.contains(dialogo)) << sitio.x() << "," << sitio.y();
        EXPECT_FALSE(dialogo.intersects(caja)) << sitio.x() << "," << sitio.y();
        // Right against the box: a few pixels from one of its edges, alongside it.
        const int dx = std::max({0, dialogo.left() - caja.right() - 1, caja.left() - dialogo.right() - 1});
        const int dy = std::max({0, dialogo.top() - caja.bottom() - 1, caja.top() - dialogo.bottom() - 1});
        EXPECT_LE(std::max(dx, dy), 8) << sitio.x() << "," << sitio.y();
        EXPECT_EQ(std::min(dx, dy), 0) << sitio.x() << "," << sitio.y();
    }
    w->hide();
}

}  // namespace
