// The keyboard every window shares: Esc as the close box (with the window's checks), Enter on
// the default action, the Tab order, and keyboard-usable image buttons and labels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <vector>

#include "platform/Controles.h"
#include "platform/PlataformaQt.h"
#include "platform/Ventana.h"
#include "support/PlataformaGuion.h"
#include "support/Raton.h"
#include "support/Teclado.h"

namespace {

class VentanaPrueba : public Ventana {
public:
    bool rechazar = false;
    std::vector<MotivoCierre> consultas;
    int accion = 0, otroBoton = 0, imagen = 0;
    Combo* combo;
    CajaTexto* caja;
    Boton* aceptar;
    Boton* otro;
    BotonImagen* volver;
    Etiqueta* enlace;

    VentanaPrueba() {
        resize(300, 200);
        combo = new Combo(this);
        combo->AddItem(QStringLiteral("1"));
        combo->setGeometry(10, 10, 60, 24);
        caja = new CajaTexto(this);
        caja->setGeometry(10, 40, 60, 24);
        otro = new Boton(QStringLiteral("Otro"), this);
        otro->setGeometry(10, 70, 60, 24);
        aceptar = new Boton(QStringLiteral("Aceptar"), this);
        aceptar->setGeometry(80, 70, 60, 24);
        volver = new BotonImagen(QString(), this);
        volver->setGeometry(150, 70, 30, 30);
        enlace = new Etiqueta(QStringLiteral("enlace"), this);
        enlace->setGeometry(10, 110, 80, 20);
        connect(aceptar, &Boton::Click, this, [this] { ++accion; });
        connect(otro, &Boton::Click, this, [this] { ++otroBoton; });
        connect(volver, &BotonImagen::Click, this, [this] { ++imagen; });
    }
    void Form_QueryUnload(bool& cancelar, MotivoCierre motivo) override {
        consultas.push_back(motivo);
        cancelar = rechazar;
    }
};

class VentanaTeclado : public ::testing::Test {
protected:
    PlataformaGuion guion;
    VentanaPrueba v;
    void SetUp() override {
        v.Cargar();
        ActivarVentana(&v);
    }
};

TEST_F(VentanaTeclado, EscCierraComoLaCasillaDeCierreYRespetaSuNegativa) {
    v.rechazar = true;
    v.combo->setFocus();
    PulsarTecla(v.combo, Qt::Key_Escape);
    ASSERT_EQ(v.consultas.size(), 1u);
    EXPECT_EQ(v.consultas[0], MotivoCierre::Usuario);
    EXPECT_TRUE(v.Cargada());  // refused: stays refused
    EXPECT_TRUE(v.isVisible());

    // From a text box too: the box keeps no Esc for itself.
    v.rechazar = false;
    PulsarTecla(v.caja, Qt::Key_Escape);
    ASSERT_EQ(v.consultas.size(), 2u);
    EXPECT_EQ(v.consultas[1], MotivoCierre::Usuario);
    EXPECT_FALSE(v.Cargada());
    EXPECT_FALSE(v.isVisible());
}

TEST_F(VentanaTeclado, UnEscQueLaCajaCancelaNoCierra) {
    v.caja->KeyPress = [](int& tecla) { tecla = 0; };
    PulsarTecla(v.caja, Qt::Key_Escape);
    EXPECT_TRUE(v.consultas.empty());
    EXPECT_TRUE(v.Cargada());
}

TEST_F(VentanaTeclado, SinCerrarConEscElEscNoHaceNada) {
    v.SetCerrarConEsc(false);
    PulsarTecla(&v, Qt::Key_Escape);
    EXPECT_TRUE(v.consultas.empty());
    EXPECT_TRUE(v.Cargada());
    // The close box still closes.
    v.close();
    EXPECT_FALSE(v.Cargada());
}

TEST_F(VentanaTeclado, IntroEjecutaSoloLaAccionPredeterminada) {
    // Without a default action Enter presses nothing, not even the first button.
    PulsarTecla(v.combo, Qt::Key_Return);
    EXPECT_EQ(v.accion + v.otroBoton, 0);

    v.PonerAccionPredeterminada(v.aceptar);
    EXPECT_TRUE(v.aceptar->isDefault());
    PulsarTecla(v.combo, Qt::Key_Return);
    PulsarTecla(v.caja, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(v.accion, 2);
    EXPECT_EQ(v.otroBoton, 0);

    // A disabled default does nothing; a modifier is not Enter.
    v.aceptar->setEnabled(false);
    PulsarTecla(v.combo, Qt::Key_Return);
    v.aceptar->setEnabled(true);
    PulsarTecla(v.combo, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(v.accion, 2);

    // A focused button takes Enter itself.
    v.otro->setFocus();
    PulsarTecla(v.otro, Qt::Key_Return);
    EXPECT_EQ(v.otroBoton, 1);
    EXPECT_EQ(v.accion, 2);
}

TEST_F(VentanaTeclado, UnaCajaQueAtiendeIntroSeLoQueda) {
    int intros = 0;
    QObject::connect(v.caja, &CajaTexto::TeclaIntro, [&intros] { ++intros; });
    v.PonerAccionPredeterminada(v.aceptar);
    PulsarTecla(v.caja, Qt::Key_Return);
    EXPECT_EQ(intros, 1);
    EXPECT_EQ(v.accion, 0);
}

TEST_F(VentanaTeclado, AccionPredeterminadaDeUnaImagenOUnManejador) {
    v.PonerAccionPredeterminada(v.volver);
    EXPECT_FALSE(v.aceptar->isDefault());
    PulsarTecla(v.combo, Qt::Key_Return);
    EXPECT_EQ(v.imagen, 1);
    int llamadas = 0;
    v.PonerAccionPredeterminada(nullptr, [&llamadas] { ++llamadas; });
    EXPECT_TRUE(v.EjecutarAccionPredeterminada());
    PulsarTecla(&v, Qt::Key_Enter);
    EXPECT_EQ(llamadas, 2);
    EXPECT_EQ(v.imagen, 1);
}

TEST_F(VentanaTeclado, ElTabuladorSigueElOrdenDadoYEmpiezaPorElPrimero) {
    VentanaPrueba w;
    w.OrdenTabulacion({w.aceptar, w.volver, w.combo, w.caja});
    w.Cargar();
    ActivarVentana(&w);
    EXPECT_EQ(QApplication::focusWidget(), w.aceptar);
    std::vector<QWidget*> recorrido;
    for (int i = 0; i < 3; ++i) {
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Tab);
        recorrido.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(recorrido, (std::vector<QWidget*>{w.volver, w.combo, w.caja}));
    w.Descargar();
}

TEST_F(VentanaTeclado, BotonImagenYEtiquetaDeTeclado) {
    // The image button: Space and Enter press it when focused; a click leaves the focus alone.
    v.combo->setFocus();
    PulsarRaton(v.volver);
    EXPECT_EQ(v.imagen, 1);
    EXPECT_EQ(QApplication::focusWidget(), v.combo);
    v.volver->setFocus(Qt::TabFocusReason);
    PulsarTecla(v.volver, Qt::Key_Space);
    PulsarTecla(v.volver, Qt::Key_Return);
    EXPECT_EQ(v.imagen, 3);
    v.volver->setEnabled(false);
    PulsarTecla(v.volver, Qt::Key_Space);
    EXPECT_EQ(v.imagen, 3);

    // A label joins only when asked to.
    EXPECT_EQ(v.enlace->focusPolicy(), Qt::NoFocus);
    v.enlace->SetTeclado(true);
    EXPECT_EQ(v.enlace->focusPolicy(), Qt::TabFocus);
    int clics = 0;
    QObject::connect(v.enlace, &Etiqueta::Click, [&clics] { ++clics; });
    PulsarTecla(v.enlace, Qt::Key_Space);
    PulsarTecla(v.enlace, Qt::Key_Enter);
    PulsarTecla(v.enlace, Qt::Key_A);
    EXPECT_EQ(clics, 2);
}

TEST(ListaTextoTeclado, IntroYMenuSoloCuandoAlguienLosAtiende) {
    PlataformaGuion guion;
    VentanaPrueba v;
    v.Cargar();
    int predeterminada = 0, intros = 0, menus = 0;
    v.PonerAccionPredeterminada(nullptr, [&] { ++predeterminada; });
    auto* lista = new ListaTexto(&v);
    lista->AddItem(QStringLiteral("a"));
    lista->AddItem(QStringLiteral("b"));
    lista->SetListIndex(1);
    PulsarTecla(lista, Qt::Key_Return);
    EXPECT_EQ(predeterminada, 1);  // nobody on the list: the window's

    QObject::connect(lista, &ListaTexto::TeclaIntro, [&] { ++intros; });
    QObject::connect(lista, &ListaTexto::TeclaMenu, [&] { ++menus; });
    PulsarTecla(lista, Qt::Key_Return);
    PulsarTecla(lista, Qt::Key_Menu);
    PulsarTecla(lista, Qt::Key_F10, Qt::ShiftModifier);
    PulsarTecla(lista, Qt::Key_F10);
    EXPECT_EQ(intros, 1);
    EXPECT_EQ(menus, 2);
    EXPECT_EQ(predeterminada, 1);
    EXPECT_EQ(lista->ListIndex(), 1);
}

}  // namespace

namespace {

TEST(VentanaModal, EscTerminaLaVentanaModalDeLaPlataformaQt) {
    PlataformaQt plataforma;
    VentanaPrueba v;
    v.PonerAccionPredeterminada(v.aceptar);
    bool porSeguridad = false;
    int pulsaciones = 0;
    // Enter first (the default action, the window stays), then Esc (it closes). The guard
    // against a window that never closes counts ticks, which a loaded machine only delays.
    QTimer reloj;
    int vueltas = 0;
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        if (++vueltas > 250 && v.Cargada()) {
            porSeguridad = true;
            v.Descargar();
            return;
        }
        QWidget* w = QApplication::activeModalWidget();
        if (w != &v) return;
        PulsarTecla(QApplication::focusWidget() ? QApplication::focusWidget() : w,
                    pulsaciones == 0 ? Qt::Key_Return : Qt::Key_Escape);
        ++pulsaciones;
    });
    reloj.start(20);
    plataforma.MostrarModal(v);
    EXPECT_FALSE(porSeguridad);
    EXPECT_EQ(v.accion, 1);
    ASSERT_EQ(v.consultas.size(), 1u);
    EXPECT_EQ(v.consultas[0], MotivoCierre::Usuario);
    EXPECT_FALSE(v.Cargada());
}

}  // namespace
