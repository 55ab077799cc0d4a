// Settings made through each window, then a pass of its evaluator over a generated system: the
// count removed matches the plain reference evaluator and the settings do restrict.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "filters/AyudaFiltros.h"
#include "filters/AyudaVentanas.h"
#include "filters/frmFiltroALTOSBAJOS.h"
#include "filters/frmFiltroDECENAS.h"
#include "filters/frmFiltroPARESIMPARES.h"
#include "filters/frmFiltroSEGUIDOS.h"
#include "filters/frmFiltroSUMAS.h"
#include "filters/frmFiltroTERMINACIONES.h"

namespace {

using namespace modGeneral;

class CalculoVentanas : public ayuda::PruebaVentanaFiltro {
protected:
    // Runs filter k of the calculation order on a 16-number base and checks it against the
    // reference; returns how many it removed.
    Long Calcular(int k) {
        ayuda::PrepararBase({1, 2, 3, 9, 10, 11, 14, 17, 20, 21, 26, 30, 33, 38, 41, 47});
        const auto& filtro = ayuda::Filtros()[static_cast<std::size_t>(k)];
        const auto antes = ayuda::CopiarEliminadas();
        const Long referencia = filtro.referencia(5);
        ayuda::RestaurarEliminadas(antes);
        const Long rapido = filtro.rapido(5);
        EXPECT_EQ(rapido, referencia) << filtro.nombre;
        EXPECT_GT(rapido, 0) << filtro.nombre;
        EXPECT_LT(rapido, TotalCombinaciones) << filtro.nombre;
        return rapido;
    }
    // Replaces a box's text by typing, as the user does.
    static void Teclear(CajaTexto* caja, const char* texto) {
        while (!caja->text().isEmpty()) caja->Teclear(8);
        for (const char* c = texto; *c; ++c) caja->Teclear(*c);
    }
};

TEST_F(CalculoVentanas, AltosBajos) {
    Abrir<frmFiltroALTOSBAJOS>([&](frmFiltroALTOSBAJOS& w) {
        AlDialogo([](frmAciertos& d) {
            d.lblAciertos_Click(2);
            d.lblAciertos_Click(3);
        });
        w.cmdModificar0124->click();
    });
    EXPECT_TRUE(Activa(0));
    Calcular(0);
}

TEST_F(CalculoVentanas, Decenas) {
    Abrir<frmFiltroDECENAS>([&](frmFiltroDECENAS& w) {
        AlDialogo([](frmAciertos& d) {
            d.lblAciertos_Click(1);
            d.lblAciertos_Click(2);
        });
        w.cmdModificar0109->click();
        w.chkFigura[5]->click();
        w.chkFigura[6]->click();
    });
    EXPECT_EQ(FigurasDecenas(5), 1);
    Calcular(1);
}

TEST_F(CalculoVentanas, ParesImpares) {
    Abrir<frmFiltroPARESIMPARES>([&](frmFiltroPARESIMPARES& w) {
        w.chkParesImpares[2]->click();
        w.chkParesImpares[3]->click();
    });
    Calcular(5);
}

TEST_F(CalculoVentanas, Seguidos) {
    Abrir<frmFiltroSEGUIDOS>([&](frmFiltroSEGUIDOS& w) {
        AlDialogo([](frmAciertos& d) { d.lblAciertos_Click(1); });
        w.cmdModificar_Click();
        w.chkFigura[7]->click();
    });
    EXPECT_EQ(FigurasSeguidos(7), 1);
    Calcular(6);
}

TEST_F(CalculoVentanas, Sumas) {
    Abrir<frmFiltroSUMAS>([&](frmFiltroSUMAS& w) {
        Teclear(w.txtSumaMinima[0], "100");
        Teclear(w.txtSumaMaxima[0], "150");
        Teclear(w.txtSumaMinima[3], "30");
        Teclear(w.txtSumaMaxima[3], "60");
    });
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_EQ(SumaMinima[4], 30);
    Calcular(7);
}

TEST_F(CalculoVentanas, Terminaciones) {
    Abrir<frmFiltroTERMINACIONES>([&](frmFiltroTERMINACIONES& w) {
        AlDialogo([](frmAciertos& d) {
            d.lblAciertos_Click(0);
            d.lblAciertos_Click(1);
        });
        w.cmdModificar_Click(1);
        Teclear(w.txtSumaTerminacionesMinimo, "10");
        Teclear(w.txtSumaTerminacionesMaximo, "30");
    });
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_EQ(SumaTerminacionesMaxima, 30);
    Calcular(8);
}

}  // namespace
