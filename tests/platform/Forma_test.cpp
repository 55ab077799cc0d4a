// The hover border of image buttons (ShapeBorde): laid over its button by the window, shown by
// the mouse, gone as its kind says, and on the button's place wherever the button goes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>

#include "platform/Controles.h"
#include "platform/Ventana.h"
#include "support/PlataformaGuion.h"
#include "support/Raton.h"

namespace {

class Bordes : public ::testing::Test {
protected:
    PlataformaGuion guion;
    Ventana v;
    BotonImagen* alSalir = new BotonImagen(QString(), &v);
    BotonImagen* hastaElFondo = new BotonImagen(QString(), &v);
    QLineEdit* caja = new QLineEdit(&v);
    Forma* bordeAlSalir = nullptr;
    Forma* bordeHastaElFondo = nullptr;

    void SetUp() override {
        v.resize(300, 200);
        alSalir->setGeometry(10, 10, 32, 32);
        hastaElFondo->setGeometry(60, 10, 32, 32);
        caja->setGeometry(10, 60, 100, 24);
        bordeAlSalir = Forma::Enmarcar(alSalir);
        bordeHastaElFondo = Forma::Enmarcar(hastaElFondo, Forma::Retirada::HastaElFondo, 3);
        v.show();
        QApplication::processEvents();
    }
    void TearDown() override { v.hide(); }
    void Entrar(QWidget* w) {
        QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(w, &e);
    }
    void Salir(QWidget* w) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
};

TEST_F(Bordes, CadaBordeSobreSuBotonOcultoEnReposo) {
    EXPECT_FALSE(bordeAlSalir->isVisible());
    EXPECT_FALSE(bordeHastaElFondo->isVisible());
    EXPECT_EQ(bordeAlSalir->geometry(), alSalir->geometry());
    EXPECT_EQ(bordeHastaElFondo->geometry(), hastaElFondo->geometry().adjusted(-3, -3, 3, 3));
    // The border goes with its button.
    hastaElFondo->move(100, 100);
    EXPECT_EQ(bordeHastaElFondo->geometry(), QRect(97, 97, 38, 38));
}

TEST_F(Bordes, UnoSeVaAlSalirYElOtroAlLlegarAlFondo) {
    Entrar(alSalir);
    EXPECT_TRUE(bordeAlSalir->isVisible());
    Salir(alSalir);
    EXPECT_FALSE(bordeAlSalir->isVisible());

    Entrar(hastaElFondo);
    Salir(hastaElFondo);
    EXPECT_TRUE(bordeHastaElFondo->isVisible()) << "leaving its button is not enough";
    MoverRaton(&v, caja->geometry().center());
    EXPECT_TRUE(bordeHastaElFondo->isVisible()) << "over another control it stays";
    MoverRaton(&v, QPointF(250, 150));
    EXPECT_FALSE(bordeHastaElFondo->isVisible()) << "the bare window takes it down";
}

TEST_F(Bordes, UnBotonDesactivadoOOcultoNoLlevaBorde) {
    Entrar(hastaElFondo);
    hastaElFondo->setEnabled(false);
    EXPECT_FALSE(bordeHastaElFondo->isVisible());
    Entrar(hastaElFondo);
    EXPECT_FALSE(bordeHastaElFondo->isVisible());
    hastaElFondo->setEnabled(true);
    Entrar(hastaElFondo);
    hastaElFondo->hide();
    EXPECT_FALSE(bordeHastaElFondo->isVisible());
}

}  // namespace
