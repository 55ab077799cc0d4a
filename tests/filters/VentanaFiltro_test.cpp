// The frame of the filter windows, on a small window of its own: activation picture and row,
// the toggle, hover borders, loading order, refused closes, and the close-box hook.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "filters/VentanaFiltro.h"
#include "filters/AyudaVentanas.h"
#include "support/Raton.h"

namespace {

using namespace modGeneral;

// A filter window of row 6 with one check box loaded from FigurasSeguidos(1) and an unload
// check that refuses while `rechazar` holds.
class frmFiltroPrueba : public VentanaFiltro {
public:
    explicit frmFiltroPrueba(ListaTexto& l) : VentanaFiltro(l, 6, QStringLiteral("PRUEBA")) {
        setObjectName(QStringLiteral("frmFiltroPrueba"));
        setFixedSize(220, 120);
        chk = new Casilla(QString(), this);
        chk->setGeometry(10, 60, 20, 20);
        caja = new QLineEdit(this);
        caja->setGeometry(40, 60, 80, 22);
        connect(chk, &Casilla::Click, this, [this] { ActivarFiltro(); ++clics; });
        ColocarMarco(120, 10);
    }
    Casilla* chk = nullptr;
    QLineEdit* caja = nullptr;
    int clics = 0;
    bool rechazar = false;
    bool cierraUsuario = true;

    void CargarControles() override { chk->SetValue(FigurasSeguidos(1)); }
    void Form_Unload(bool& cancelar) override {
        if (rechazar) RechazarCierre("ERROR: prueba", cancelar);
    }
    bool AdmiteCierreUsuario() const override { return cierraUsuario; }
};

class Marco : public ayuda::PruebaVentanaFiltro {};

TEST_F(Marco, AlCargarElDibujoSigueALaFila) {
    frmFiltroPrueba w(lista);
    w.Cargar();
    EXPECT_FALSE(w.MuestraImagenActiva());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("PRUEBA"));
    EXPECT_EQ(w.imgActivar->toolTip(), QStringLiteral("Activar/Desactivar condición"));
    EXPECT_EQ(w.imgVolver->toolTip(), QStringLiteral("Cerrar condición"));
    EXPECT_FALSE(w.imgTEMP[0]->pixmap().isNull());
    EXPECT_FALSE(w.imgTEMP[1]->pixmap().isNull());
    EXPECT_FALSE(w.imgTEMP[0]->isVisibleTo(&w));
    EXPECT_EQ(w.imgActivar->pixmap().toImage(), w.imgTEMP[1]->pixmap().toImage());
    EXPECT_FALSE(w.ShapeBorde[0]->isVisibleTo(&w));
    EXPECT_FALSE(w.ShapeBorde[1]->isVisibleTo(&w));
    EXPECT_EQ(w.clics, 0);  // an unticked box runs nothing

    PonerActiva(6);
    frmFiltroPrueba w2(lista);
    w2.Cargar();
    EXPECT_TRUE(w2.MuestraImagenActiva());
    EXPECT_EQ(w2.imgActivar->pixmap().toImage(), w2.imgTEMP[0]->pixmap().toImage());
}

TEST_F(Marco, UnaCasillaMarcadaAlCargarActivaLaFilaAntesDeElegirElDibujo) {
    FigurasSeguidos(1) = 1;
    frmFiltroPrueba w(lista);
    w.Cargar();
    EXPECT_EQ(w.clics, 1);
    EXPECT_TRUE(Activa(6));
    EXPECT_TRUE(w.MuestraImagenActiva());
}

TEST_F(Marco, ActivarAlternaYDosClicsDevuelvenLaFila) {
    const std::string antes = Fila(6);
    FigurasSeguidos(3) = 1;
    frmFiltroPrueba w(lista);
    w.Cargar();
    w.imgActivar_Click();
    EXPECT_TRUE(Activa(6));
    EXPECT_EQ(Fila(6), ayuda::FilaInicial(6).replace(QStringLiteral("No"), QStringLiteral("Sí")).toStdString());
    EXPECT_TRUE(w.MuestraImagenActiva());
    w.imgActivar_Click();
    EXPECT_EQ(Fila(6), antes);
    EXPECT_FALSE(w.MuestraImagenActiva());
    EXPECT_EQ(FigurasSeguidos(3), 1);  // the tables are not touched
    // Other rows are never written.
    for (int k = 0; k < 12; ++k) {
        if (k == 6) continue;
        EXPECT_EQ(Fila(k), ayuda::FilaInicial(k).toStdString());
    }
}

TEST_F(Marco, ActivarFiltroNuncaDesactiva) {
    frmFiltroPrueba w(lista);
    w.Cargar();
    w.ActivarFiltro();
    const std::string activa = Fila(6);
    EXPECT_TRUE(Activa(6));
    w.ActivarFiltro();
    EXPECT_EQ(Fila(6), activa);
    EXPECT_TRUE(w.MuestraImagenActiva());
}

TEST_F(Marco, LosBordesSiguenAlRatonHastaElFondo) {
    frmFiltroPrueba w(lista);
    w.Cargar();
    w.show();
    MoverRaton(w.imgVolver);
    EXPECT_TRUE(w.ShapeBorde[0]->isVisible());
    EXPECT_FALSE(w.ShapeBorde[1]->isVisible());
    // From imgVolver straight onto imgActivar: the new border takes the old one down.
    MoverRaton(w.imgActivar);
    EXPECT_FALSE(w.ShapeBorde[0]->isVisible());
    EXPECT_TRUE(w.ShapeBorde[1]->isVisible());
    // Over another control the borders stay.
    MoverRaton(&w, w.caja->geometry().center());
    EXPECT_TRUE(w.ShapeBorde[1]->isVisible());
    // Bare background hides both.
    MoverRaton(&w, QPointF(5, 110));
    EXPECT_FALSE(w.ShapeBorde[0]->isVisible());
    EXPECT_FALSE(w.ShapeBorde[1]->isVisible());
    w.hide();
}

TEST_F(Marco, UnCierreRechazadoAvisaYLaVentanaSigueAbierta) {
    frmFiltroPrueba w(lista);
    w.rechazar = true;
    bool vista = false;
    guion.alMostrar["frmFiltroPrueba"] = [&](Ventana& v) {
        auto& f = static_cast<frmFiltroPrueba&>(v);
        f.imgVolver_Click();
        EXPECT_TRUE(f.Cargada());
        EXPECT_FALSE(f.Descargar(MotivoCierre::Usuario));  // the close box too
        EXPECT_TRUE(f.Cargada());
        f.rechazar = false;
        f.imgVolver_Click();
        vista = true;
        EXPECT_FALSE(f.Cargada());
    };
    guion.MostrarModal(w);
    EXPECT_TRUE(vista);
    ASSERT_EQ(guion.mensajes.size(), 2u);
    for (const auto& m : guion.mensajes) {
        EXPECT_EQ(m.texto, "ERROR: prueba");
        EXPECT_EQ(m.estilo, EstiloMensaje::Critico);
        EXPECT_EQ(m.titulo, "TORNAVENTURA");
    }
}

TEST_F(Marco, UnaVentanaPuedeRechazarSuBotonDeCierre) {
    frmFiltroPrueba w(lista);
    w.cierraUsuario = false;
    w.Cargar();
    EXPECT_FALSE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_TRUE(w.Cargada());
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_TRUE(w.Descargar(MotivoCierre::Codigo));
}

TEST(CajasNumericas, SoloEnterosQueCabenEnLaTabla) {
    long v = -1;
    EXPECT_TRUE(LeerEnteroCaja(QStringLiteral(" 45 "), v));
    EXPECT_EQ(v, 45);
    EXPECT_TRUE(LeerEnteroCaja(QStringLiteral("007"), v));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(LeerEnteroCaja(QStringLiteral("-5"), v));
    EXPECT_EQ(v, -5);
    for (const char* malo : {"", "   ", "1a", "1 2", "-", "+3", "4.5", "1e3", "99999"})
        EXPECT_FALSE(LeerEnteroCaja(QString::fromUtf8(malo), v)) << malo;
    EXPECT_FALSE(LeerEnteroCaja(QStringLiteral("256"), v, 0, 255));
    EXPECT_FALSE(LeerEnteroCaja(QStringLiteral("-1"), v, 0, 255));
    EXPECT_TRUE(LeerEnteroCaja(QStringLiteral("255"), v, 0, 255));

    QLineEdit caja;
    caja.setMaxLength(2);
    PonerTextoCaja(&caja, QStringLiteral("200"));
    EXPECT_EQ(caja.text(), QStringLiteral("200"));
}

}  // namespace
