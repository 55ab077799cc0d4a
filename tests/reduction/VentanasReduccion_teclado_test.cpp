// The reduction windows by keyboard: the Tab order, Enter on each window's default action (a
// number typed into a box that refuses Enter still closes the dialog, without a beep), and Esc
// as the close box, refused while a reduction runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTableWidget>
#include <string>
#include <vector>

#include "main/PrincipalPrueba.h"
#include "main/frmPrincipal.h"
#include "reduction/frmAnalisis.h"
#include "reduction/frmEstrellas.h"
#include "reduction/frmGarantiasTOTAL.h"
#include "reduction/frmReduccion.h"
#include "reduction/frmVentanaProceso.h"
#include "support/PlataformaGuion.h"
#include "support/Teclado.h"

using namespace modGeneral;

namespace {

using Controles = std::vector<QWidget*>;

void Escribir(QWidget* caja, const char* texto) {
    for (const char* c = texto; *c; ++c) PulsarTecla(caja, *c);
}

class TecladoReduccion : public ConPrincipal<> {
protected:    void DobleClic(int fila) {
        f.lstFiltros->SetListIndex(fila);
        f.lstFiltros_DblClick();
    }
};

TEST_F(TecladoReduccion, ReduccionIntroDesdeLaCajaGuardaSinPitarYEscTambienGuarda) {
    guion.alMostrar["frmReduccion"] = [](Ventana& v) {
        auto& r = static_cast<frmReduccion&>(v);
        ActivarVentana(&r);
        EXPECT_EQ(QApplication::focusWidget(), r.cboTipoReduccion);
        // Tab stops on the radio button ticked ("Porcentaje" at first) and passes the bet count by
        // while it is off.
        EXPECT_EQ(Recorrido(), (Controles{r.cboTipoReduccion, r.optTipo[1], r.cboPorcentaje, r.chkActivarCiclos,
                                          r.chkAleatorio, r.imgActivar, r.imgVolver}));
        r.optTipo[0]->SetValue(true);
        r.txtNColumnas->setFocus();
        r.txtNColumnas->selectAll();
        Escribir(r.txtNColumnas, "25");
        PulsarTecla(r.txtNColumnas, Qt::Key_Return);
        EXPECT_FALSE(r.Cargada());
    };
    DobleClic(frmReduccion::FilaReduccion);
    EXPECT_EQ(Reduccion.NuApuestas, 25);
    EXPECT_TRUE(Reduccion.ModoNuApuestas);
    EXPECT_EQ(guion.pitidos, 0);

    guion.alMostrar["frmReduccion"] = [](Ventana& v) {
        auto& r = static_cast<frmReduccion&>(v);
        ActivarVentana(&r);
        r.cboTipoReduccion->SetListIndex(2);
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(r.Cargada());
    };
    DobleClic(frmReduccion::FilaReduccion);
    EXPECT_EQ(Reduccion.Tipo, 2);
}

TEST_F(TecladoReduccion, EstrellasConIntroYConEsc) {
    for (int tecla : {Qt::Key_Return, Qt::Key_Escape}) {
        guion.alMostrar["frmEstrellas"] = [tecla](Ventana& v) {
            auto& e = static_cast<frmEstrellas&>(v);
            ActivarVentana(&e);
            EXPECT_EQ(Recorrido(), (Controles{e.cboTipoReduccionEstrellas, e.imgVolver}));
            e.cboTipoReduccionEstrellas->setFocus();
            PulsarTecla(e.cboTipoReduccionEstrellas, Qt::Key_Down);
            PulsarTecla(e.cboTipoReduccionEstrellas, tecla);
            EXPECT_FALSE(e.Cargada()) << tecla;
        };
        Reduccion.Estrellas = 0;
        DobleClic(frmEstrellas::FilaEstrellas);
        EXPECT_EQ(Reduccion.Estrellas, 1) << tecla;
    }
}

TEST_F(TecladoReduccion, VentanaProcesoEscRehusadoMientrasReduceYLuegoIntroVuelve) {
    for (int n = 1; n <= 20; ++n) f.lblNumero_Click(n - 1);
    for (int e = 1; e <= 2; ++e) f.lblEstrella_Click(e - 1);
    Reduccion.Tipo = 1;  // al 4, in cycles until stopped
    Reduccion.Porcentaje = 100;
    Reduccion.ActivarCiclos = 1;
    f.lstFiltros->SetListIndex(frmPrincipal::FilaReduccion);
    f.lstFiltros_MouseDown(BotonDerecho, 0, 0, 0);

    int cesiones = 0;
    bool sigueTrasEsc = false, sigueTrasIntro = false;
    guion.alCederControl = [&] {
        frmVentanaProceso* p = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<frmVentanaProceso*>(w); v && v->Cargada()) p = v;
        // Once a first result stands (the pictures that need bets then come on when it stops).
        if (!p || !p->Calculando || p->lblMejor->text().isEmpty() || ++cesiones != 3) return;
        PulsarTecla(p, Qt::Key_Escape);
        sigueTrasEsc = p->Cargada();
        PulsarTecla(p, Qt::Key_Return);  // imgVolver is off while it runs
        sigueTrasIntro = p->Cargada();
        p->imgDetener_Click();
    };
    bool garantiasVistas = false;
    guion.alMostrar["frmGarantiasTOTAL"] = [&](Ventana& v) {
        auto& g = static_cast<frmGarantiasTOTAL&>(v);
        garantiasVistas = true;
        ActivarVentana(&g);
        EXPECT_FALSE(g.Calculando);
        // The scenario ticked (Tab stops on the ticked radio button), the table, the buttons but
        // the stop (off), the close picture.
        EXPECT_EQ(Recorrido(), (Controles{g.optSistema[1], g.grdGarantias, g.cmdCalcular, g.cmdInforme, g.imgVolver}));
        PulsarTecla(g.grdGarantias, Qt::Key_Escape);
        EXPECT_FALSE(g.Cargada());
    };
    guion.alMostrar["frmVentanaProceso"] = [&](Ventana& v) {
        auto& p = static_cast<frmVentanaProceso&>(v);
        guion.alCederControl = {};
        ActivarVentana(&p);
        EXPECT_EQ(QApplication::focusWidget(), p.imgRepetir);
        // Stopped, the stop picture is off: Tab passes it by.
        EXPECT_EQ(Recorrido(), (Controles{p.imgRepetir, p.imgGarantias, p.imgCalculoDefinitivo, p.imgVolver}));
        PulsarTecla(p.imgGarantias, Qt::Key_Space);
        EXPECT_TRUE(p.Cargada());
        PulsarTecla(&p, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_FALSE(p.Cargada());
    };
    f.lblMenu_Click(4);
    EXPECT_GE(cesiones, 3);
    EXPECT_TRUE(sigueTrasEsc);
    EXPECT_TRUE(sigueTrasIntro);
    EXPECT_TRUE(garantiasVistas);
    EXPECT_EQ(f.chkGuardarAutomaticamente->Value(), 0) << "back, not the saving calculation";
}

TEST_F(TecladoReduccion, AnalisisConTabuladorIntroYEsc) {
    ApuestasReducidas.ReDim(1, 3, 1, 7);
    for (long i = 1; i <= 3; ++i) {
        for (int c = 1; c <= 5; ++c) ApuestasReducidas(i, c) = static_cast<Byte>(i + c - 1);
        ApuestasReducidas(i, 6) = 1;
        ApuestasReducidas(i, 7) = 2;
    }
    f.lblApuestasReducidas->SetCaption(QStringLiteral("3"));
    f.lblTOTALReducidasAUX->SetCaption(QStringLiteral("3"));
    for (int tecla : {Qt::Key_Return, Qt::Key_Escape}) {
        guion.alMostrar["frmAnalisis"] = [tecla](Ventana& v) {
            auto& a = static_cast<frmAnalisis&>(v);
            ActivarVentana(&a);
            EXPECT_EQ(Recorrido(), (Controles{a.imgInforme, a.imgVolver}));
            PulsarTecla(&a, tecla);
            EXPECT_FALSE(a.Cargada()) << tecla;
        };
        f.lblMenu_Click(5);
    }
    EXPECT_TRUE(guion.ficherosMostrados.empty()) << "Enter closes; it writes no report";
}

}  // namespace
