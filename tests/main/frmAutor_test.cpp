#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "main/frmAutor.h"
#include "support/PlataformaGuion.h"

namespace {

bool MismaImagen(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

void MoverRatonSobre(QWidget* w) {
    const QPointF centro(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, centro, w->mapToGlobal(centro), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Pulsar(QWidget* w) {
    const QPointF centro(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent abajo(QEvent::MouseButtonPress, centro, w->mapToGlobal(centro), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent arriba(QEvent::MouseButtonRelease, centro, w->mapToGlobal(centro), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &abajo);
    QApplication::sendEvent(w, &arriba);
}

TEST(frmAutor, MuestraSuDibujoYElBotonEnReposo) {
    PlataformaGuion g;
    frmAutor w;
    w.Cargar();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("AUTOR"));
    EXPECT_EQ(w.cmdVolver->toolTip(), QStringLiteral("Vuelve al Menú anterior"));
    EXPECT_FALSE(w.Image1->pixmap().isNull());
    ASSERT_FALSE(w.ImagenVolverNormal().isNull());
    ASSERT_FALSE(w.ImagenVolverResaltada().isNull());
    EXPECT_FALSE(MismaImagen(w.ImagenVolverNormal(), w.ImagenVolverResaltada()));
    EXPECT_TRUE(MismaImagen(w.cmdVolver->pixmap(), w.ImagenVolverNormal()));
    // The button stands on the panel, inside the window.
    EXPECT_TRUE(w.picICONOS->geometry().contains(w.cmdVolver->geometry()));
    EXPECT_TRUE(w.rect().contains(w.picICONOS->geometry()));
}

TEST(frmAutor, ElBotonSeIluminaBajoElRatonYVuelveAlPasarAlPanel) {
    PlataformaGuion g;
    frmAutor w;
    w.Cargar();
    w.cmdVolver_MouseMove(0, 0, 5, 5);
    EXPECT_TRUE(w.VolverResaltado());
    EXPECT_TRUE(MismaImagen(w.cmdVolver->pixmap(), w.ImagenVolverResaltada()));
    w.picICONOS_MouseMove(0, 0, 1, 1);
    EXPECT_FALSE(w.VolverResaltado());
    EXPECT_TRUE(MismaImagen(w.cmdVolver->pixmap(), w.ImagenVolverNormal()));

    // Real mouse moves: one over the button must not also reach the panel.
    MoverRatonSobre(w.cmdVolver);
    EXPECT_TRUE(MismaImagen(w.cmdVolver->pixmap(), w.ImagenVolverResaltada()));
    MoverRatonSobre(w.Image1);
    EXPECT_TRUE(w.VolverResaltado());  // only the panel puts it back
    MoverRatonSobre(w.picICONOS);
    EXPECT_TRUE(MismaImagen(w.cmdVolver->pixmap(), w.ImagenVolverNormal()));
}

TEST(frmAutor, PulsarVolverCierraLaVentana) {
    PlataformaGuion g;
    frmAutor w;
    bool cerradaPorElBoton = false;
    g.alMostrar["frmAutor"] = [&](Ventana&) {
        w.cmdVolver_Click();
        cerradaPorElBoton = !w.Cargada();
    };
    g.MostrarModal(w);
    EXPECT_TRUE(cerradaPorElBoton);

    g.alMostrar["frmAutor"] = [&](Ventana&) {
        Pulsar(w.cmdVolver);
        cerradaPorElBoton = !w.Cargada();
    };
    cerradaPorElBoton = false;
    g.MostrarModal(w);
    EXPECT_TRUE(cerradaPorElBoton);
    EXPECT_EQ(g.modalesMostrados.size(), 2u);
}

}  // namespace
