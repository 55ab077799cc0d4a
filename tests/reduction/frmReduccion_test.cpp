// The reduction and star-treatment dialogs, opened by a double-click on their rows of the
// main window's filter list and driven as a user would.
#include <gtest/gtest.h>

#include <string>

#include "main/PrincipalPrueba.h"
#include "main/frmPrincipal.h"
#include "reduction/frmEstrellas.h"
#include "reduction/frmReduccion.h"
#include "reduction/frmVentanaProceso.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;

namespace {

std::string B(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class DialogosReduccion : public ConPrincipal<> {
protected:
    std::string Fila(int k) const { return f.lstFiltros->List(k).toStdString(); }
    void DobleClic(int fila) {
        f.lstFiltros->SetListIndex(fila);
        f.lstFiltros_DblClick();
    }
    template <typename F>
    void AlMostrarReduccion(F accion) {
        guion.alMostrar["frmReduccion"] = [accion](Ventana& v) { accion(static_cast<frmReduccion&>(v)); };
    }
};

TEST_F(DialogosReduccion, GuardaLosAjustesYActivaLaFila) {
    AlMostrarReduccion([](frmReduccion& r) {
        EXPECT_EQ(r.cboTipoReduccion->ListIndex(), 0);
        EXPECT_EQ(r.cboPorcentaje->ListIndex(), 0);
        EXPECT_EQ(r.txtNColumnas->Text(), QStringLiteral("1"));
        EXPECT_TRUE(r.optTipo[1]->Value());
        EXPECT_EQ(r.chkActivarCiclos->Value(), 1);
        r.cboTipoReduccion->SetListIndex(2);
        r.optTipo[0]->SetValue(true);
        r.txtNColumnas->SetText(QString());
        for (int tecla : {int('1'), int('2'), int('x'), int('-'), int('5'), 13}) r.txtNColumnas->Teclear(tecla);
        r.chkActivarCiclos->SetValue(0);
        r.chkAleatorio->SetValue(1);
        r.imgVolver_Click();
    });
    ASSERT_TRUE(Fila(11).rfind("No", 0) == 0);
    DobleClic(11);
    EXPECT_EQ(Reduccion.Tipo, 2);
    EXPECT_TRUE(Reduccion.ModoNuApuestas);
    EXPECT_EQ(Reduccion.NuApuestas, 125) << "letters, the sign and Enter were refused";
    EXPECT_EQ(guion.pitidos, 3);
    EXPECT_EQ(Reduccion.ActivarCiclos, 0);
    EXPECT_EQ(Reduccion.Aleatorio, 1);
    EXPECT_EQ(Reduccion.Porcentaje, 100);
    EXPECT_EQ(Fila(11), "Sí   Reducción" + B(13) + "al 3" + B(3) + B(12) + "-");
    EXPECT_FALSE(BaseGuardada);

    // The percentage: 100 minus the item's index.
    AlMostrarReduccion([](frmReduccion& r) {
        EXPECT_EQ(r.cboTipoReduccion->ListIndex(), 2);
        EXPECT_TRUE(r.optTipo[0]->Value());
        EXPECT_EQ(r.txtNColumnas->Text(), QStringLiteral("125"));
        r.optTipo[1]->SetValue(true);
        r.cboPorcentaje->SetListIndex(5);
        r.txtNColumnas->SetText(QString());
    });
    DobleClic(11);
    EXPECT_EQ(Reduccion.Porcentaje, 95);
    EXPECT_FALSE(Reduccion.ModoNuApuestas);
    EXPECT_EQ(Reduccion.NuApuestas, 1) << "a blank box stores 1";
}

TEST_F(DialogosReduccion, AbrirYCerrarSinTocarNadaNoActivaLaReduccion) {
    Reduccion.Tipo = 1;
    Reduccion.Porcentaje = 90;
    Reduccion.NuApuestas = 40;
    Reduccion.Aleatorio = 1;
    AlMostrarReduccion([](frmReduccion& r) { r.imgVolver_Click(); });
    DobleClic(11);
    EXPECT_EQ(Fila(11), "No   Reducción" + B(13) + "al 4" + B(3) + B(12) + "-");
    EXPECT_EQ(Reduccion.Tipo, 1);
    EXPECT_EQ(Reduccion.Porcentaje, 90);
    EXPECT_EQ(Reduccion.NuApuestas, 40);
    EXPECT_EQ(Reduccion.ActivarCiclos, 1);
    EXPECT_EQ(Reduccion.Aleatorio, 1);
}

TEST_F(DialogosReduccion, ElBotonDeActivacionAlternaLaFilaYSuImagen) {
    AlMostrarReduccion([this](frmReduccion& r) {
        const QString inactiva = r.lblActivar->text();
        r.imgActivar_Click();
        EXPECT_TRUE(Fila(11).rfind("Sí", 0) == 0);
        EXPECT_NE(r.lblActivar->text(), inactiva);
        r.imgActivar_Click();
        EXPECT_TRUE(Fila(11).rfind("No", 0) == 0);
        EXPECT_EQ(r.lblActivar->text(), inactiva);
        // Any edit turns it on; the button turns it off again.
        r.chkAleatorio->SetValue(1);
        EXPECT_TRUE(Fila(11).rfind("Sí", 0) == 0);
        r.imgActivar_Click();
    });
    DobleClic(11);
    EXPECT_TRUE(Fila(11).rfind("No", 0) == 0);
    EXPECT_EQ(Reduccion.Aleatorio, 1) << "the edit is stored even with the row off";
}

TEST_F(DialogosReduccion, UnTipoQueNingunaOpcionOfreceSeConserva) {
    // Type 4 (one common number) comes only from a base file.
    Reduccion.Tipo = 4;
    Reduccion.Porcentaje = 0;
    AlMostrarReduccion([](frmReduccion& r) {
        EXPECT_EQ(r.cboTipoReduccion->ListIndex(), -1);
        EXPECT_EQ(r.cboPorcentaje->ListIndex(), 0) << "out of range reads as 100 %";
        r.chkActivarCiclos->SetValue(0);
    });
    DobleClic(11);
    EXPECT_EQ(Reduccion.Tipo, 4);
    EXPECT_EQ(Reduccion.Porcentaje, 100);
    EXPECT_EQ(Reduccion.ActivarCiclos, 0);
}

TEST_F(DialogosReduccion, MasApuestasDeLasQueHaySeQuedanEnElSistemaMayor) {
    AlMostrarReduccion([](frmReduccion& r) {
        r.txtNColumnas->SetText(QString());
        for (int i = 0; i < 9; ++i) r.txtNColumnas->Teclear('9');
        EXPECT_EQ(r.txtNColumnas->Text(), QStringLiteral("9999999")) << "seven digits at most";
    });
    DobleClic(11);
    EXPECT_EQ(Reduccion.NuApuestas, MaximoCombinaciones);
}

// The last item, 1 %, through the base file to the reduction's target. At guarantee 4 over 17
// numbers a bet covers at most 61 of the 6,188 combinations, under 1 %: 1 % takes two bets,
// 2 % three, 100 % hundreds.
TEST_F(DialogosReduccion, UnObjetivoDel1PorCientoLlegaALaReduccionTrasGuardarYAbrir) {
    for (int n = 1; n <= 17; ++n) f.lblNumero_Click(n - 1);
    f.lblEstrella_Click(0);
    f.lblEstrella_Click(1);
    AlMostrarReduccion([](frmReduccion& r) {
        r.cboTipoReduccion->SetListIndex(1);
        r.cboPorcentaje->SetListIndex(r.cboPorcentaje->count() - 1);
        EXPECT_EQ(r.cboPorcentaje->currentText().toStdString(), "1 %");
        r.chkActivarCiclos->SetValue(0);
        r.imgVolver_Click();
    });
    DobleClic(11);
    const std::string ruta = guion.carpeta + "/uno.xml";
    guion.dialogos.push_back(Eleccion(ruta));
    f.menuGuardar_Click();
    guion.dialogos.push_back(Eleccion(ruta));
    f.menuAbrir_Click();
    AlMostrarReduccion([](frmReduccion& r) {
        EXPECT_EQ(r.cboPorcentaje->currentText().toStdString(), "1 %");
        r.imgVolver_Click();
    });
    DobleClic(11);
    guion.alMostrar["frmVentanaProceso"] = [](Ventana& v) {
        auto& p = static_cast<frmVentanaProceso&>(v);
        EXPECT_EQ(p.lblObjetivo->text().toStdString(), "Objetivo : cubrir el 1 %");
        EXPECT_EQ(p.Resultado.Escenarios, 6188);
        EXPECT_EQ(p.Resultado.Apuestas.size(), 2u);
        p.imgVolver_Click();
    };
    f.lblMenu_Click(4);
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(guion.modalesMostrados, (std::vector<std::string>{"frmReduccion", "frmReduccion", "frmVentanaProceso"}));
}

TEST_F(DialogosReduccion, LaCajaDeCierreGuardaComoVolver) {
    AlMostrarReduccion([](frmReduccion& r) {
        r.cboTipoReduccion->SetListIndex(3);
        EXPECT_TRUE(r.Descargar(MotivoCierre::Usuario));
    });
    DobleClic(11);
    EXPECT_EQ(Reduccion.Tipo, 3);
}

TEST_F(DialogosReduccion, EstrellasGuardaElTratamientoYLaFila) {
    guion.alMostrar["frmEstrellas"] = [](Ventana& v) {
        auto& e = static_cast<frmEstrellas&>(v);
        EXPECT_EQ(e.cboTipoReduccionEstrellas->ListIndex(), 0);
        EXPECT_EQ(e.cboTipoReduccionEstrellas->count(), 4);
        EXPECT_EQ(e.cboTipoReduccionEstrellas->itemText(1), QStringLiteral("Garantizar 1 (n-1)"));
        e.cboTipoReduccionEstrellas->SetListIndex(3);
        e.imgVolver_Click();
    };
    DobleClic(10);
    EXPECT_EQ(Reduccion.Estrellas, 3);
    EXPECT_EQ(Fila(10), "Sí   Estrellas" + B(13) + "Secuenciales" + B(3) + B(12) + "-");

    guion.alMostrar["frmEstrellas"] = [](Ventana& v) {
        auto& e = static_cast<frmEstrellas&>(v);
        EXPECT_EQ(e.cboTipoReduccionEstrellas->ListIndex(), 3);
        e.cboTipoReduccionEstrellas->SetListIndex(0);
        e.imgVolver_Click();
    };
    DobleClic(10);
    EXPECT_EQ(Reduccion.Estrellas, 0);
    EXPECT_EQ(Fila(10), "No   Estrellas" + B(13) + "al 2" + B(3) + B(12) + "-");
    EXPECT_EQ(guion.modalesMostrados, (std::vector<std::string>{"frmEstrellas", "frmEstrellas"}));
}

TEST_F(DialogosReduccion, EstrellasNoSeAbreEnModoDesdeArchivo) {
    f.cboTipoCombinacion->setCurrentIndex(2);
    DobleClic(10);
    EXPECT_TRUE(guion.modalesMostrados.empty());
    EXPECT_EQ(guion.UltimoMensaje(),
              "AVISO: EN MODO 'Desde Archivo' NO DE PUEDE VARIAR EL TIPO DE REDUCCION DE LAS ESTRELLAS");
}

}  // namespace
