// The tool windows by keyboard: the Tab order (the grids of numbers and stars keep to the
// mouse), Enter on each window's main button, also from a box whose key filter refuses Enter
// (no beep), and Esc as the close box, refused while the window works.
#include <gtest/gtest.h>

#include <QApplication>
#include <vector>

#include "support/PlataformaGuion.h"
#include "support/Teclado.h"
#include "tools/frmCalculadoraPremios.h"
#include "tools/frmEscrutar.h"
#include "tools/frmGeneradorApuestas.h"
#include "tools/frmGeneradorApuestasXPorcentaje.h"
#include "tools/frmSistemasPropios.h"
#include "tools/frmVisualizar.h"

namespace {

using Controles = std::vector<QWidget*>;

class TecladoHerramientas : public ::testing::Test {
protected:
    PlataformaGuion guion;

    // Shows the window, walks it with Tab and closes it with Esc.
    void Comprobar(Herramientas::VentanaHerramienta& w, const Controles& orden) {
        const std::string nombre = w.objectName().toStdString();
        w.Cargar();
        ActivarVentana(&w);
        EXPECT_EQ(Recorrido(), orden) << nombre;
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(w.Cargada()) << nombre;
    }
};

TEST_F(TecladoHerramientas, CadaVentanaSeRecorreConElTabuladorYSeCierraConEsc) {
    {
        frmGeneradorApuestas w;
        Comprobar(w, {w.txtApuestas, w.cmdGenerar, w.imgVolver});
    }
    {
        frmGeneradorApuestasXPorcentaje w;
        Controles orden(w.txtPorcentaje.begin(), w.txtPorcentaje.end());
        orden.insert(orden.end(), {w.txtApuestas, w.cmdGenerar, w.imgVolver});
        Comprobar(w, orden);
    }
    {
        frmSistemasPropios w;
        Comprobar(w, {w.cmdDesdeFichero, w.lstCorrespondencia, w.cmdGuardar, w.imgVolver});
    }
    {
        frmEscrutar w;
        Comprobar(w, {w.cmdEscrutar, w.cmdDesdeFichero, w.imgVolver});
    }
    {
        frmVisualizar w;
        Comprobar(w, {w.cmdAbrirFichero, w.imgEscrutar, w.imgPrimero, w.imgAnterior, w.txtIrboleto, w.imgSiguiente,
                      w.imgUltimo, w.imgVolver});
    }
    {
        frmCalculadoraPremios w;
        Comprobar(w, {w.txtAnio, w.txtNumeroSorteo, w.cmdAbrirPremios, w.cmdGuardarPremios, w.cmdDesdeFichero,
                      w.lstCategorias, w.txtCalculadoraPremios, w.txtCalculadoraEuros, w.cmdCalcular, w.imgVolver});
    }
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_TRUE(guion.peticiones.empty());
}

TEST_F(TecladoHerramientas, IntroDesdeUnaCajaNumericaEjecutaElBotonPrincipal) {
    frmGeneradorApuestas w;
    w.Cargar();
    ActivarVentana(&w);
    EXPECT_TRUE(w.cmdGenerar->isDefault());
    PulsarTecla(w.txtApuestas, Qt::Key_3);
    PulsarTecla(w.txtApuestas, Qt::Key_Return);
    EXPECT_EQ(w.txtApuestas->Text(), QStringLiteral("3"));
    EXPECT_EQ(guion.UltimoMensaje(), "AVISO: DEBE SELECCIONAR MINIMO 5 NUMEROS");
    EXPECT_EQ(guion.pitidos, 0);
    EXPECT_TRUE(w.Cargada());
    // The filter still refuses a letter, with its beep.
    PulsarTecla(w.txtApuestas, Qt::Key_A);
    EXPECT_EQ(guion.pitidos, 1);
    EXPECT_EQ(w.txtApuestas->Text(), QStringLiteral("3"));

    frmGeneradorApuestasXPorcentaje x;
    x.Cargar();
    ActivarVentana(&x);
    EXPECT_EQ(QApplication::focusWidget(), x.txtPorcentaje[0]);
    PulsarTecla(x.txtPorcentaje[0], Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(guion.mensajes.size(), 2u) << "the generator's checks answered";
    EXPECT_EQ(guion.pitidos, 1);

    frmCalculadoraPremios c;
    c.Cargar();
    ActivarVentana(&c);
    bool calculada = false;
    QObject::connect(c.cmdCalcular, &Boton::Click, [&calculada] { calculada = true; });
    PulsarTecla(c.txtCalculadoraEuros, Qt::Key_Return);
    EXPECT_TRUE(calculada);
    EXPECT_EQ(guion.pitidos, 1);
}

TEST_F(TecladoHerramientas, IntroEnLaListaYEnLaVentanaYElBoletoSeQuedaSuIntro) {
    frmSistemasPropios s;
    s.Cargar();
    ActivarVentana(&s);
    s.lstCorrespondencia->setFocus();
    PulsarTecla(s.lstCorrespondencia, Qt::Key_Return);
    EXPECT_EQ(guion.UltimoMensaje(), "AVISO: IMPORTE PRIMERO EL SISTEMA DE ORIGEN");

    frmVisualizar v;
    v.Cargar();
    ActivarVentana(&v);
    v.txtIrboleto->setFocus();
    PulsarTecla(v.txtIrboleto, Qt::Key_Return);  // the box acts on Enter: no file is asked for
    EXPECT_TRUE(guion.peticiones.empty());
    PulsarTecla(&v, Qt::Key_Return);
    EXPECT_EQ(guion.peticiones.size(), 1u);
    EXPECT_TRUE(v.Cargada());
}

TEST_F(TecladoHerramientas, EscMientrasTrabajaSeRehusa) {
    frmEscrutar w;
    w.Cargar();
    ActivarVentana(&w);
    w.Ocupado = true;
    PulsarTecla(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(w.Cargada());
    PulsarTecla(&w, Qt::Key_Return);  // the scrutiny waits too
    EXPECT_TRUE(guion.mensajes.empty());
    w.Ocupado = false;
    PulsarTecla(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(w.Cargada());
}

}  // namespace
