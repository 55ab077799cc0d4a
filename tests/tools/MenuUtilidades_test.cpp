// The "Utilidades" entries of the main window open the tool windows with what they need.
#include <gtest/gtest.h>

#include "AyudaHerramientas.h"
#include "main/frmPrincipal.h"
#include "support/PlataformaGuion.h"
#include "tools/frmEscrutar.h"
#include "tools/frmSistemasPropios.h"

using namespace modGeneral;

TEST(MenuUtilidades, EscrutadorConLasApuestasActualesYLosNumerosBaseEnVerde) {
    PlataformaGuion g;
    frmPrincipal f;
    f.Cargar();
    for (int n : {1, 2, 3, 4, 5, 6}) f.lblNumero_Click(n - 1);
    f.lblEstrella_Click(0);
    f.lblEstrella_Click(1);
    ApuestasReducidas = ayuda::ApuestasAlAzar(6, 3);
    f.lblTOTALReducidasAUX->SetCaption(QStringLiteral("6"));
    bool abierto = false;
    g.alMostrar["frmEscrutar"] = [&](Ventana& v) {
        auto& e = static_cast<frmEscrutar&>(v);
        abierto = true;
        EXPECT_TRUE(e.DesdePrincipal);
        EXPECT_EQ(e.NumApuestas, 6);
        EXPECT_EQ(e.TotalApuestas, 6);
        EXPECT_EQ(e.ColorLibreNumero(0), Herramientas::ColorVerde);
        EXPECT_EQ(e.ColorLibreNumero(6), Herramientas::ColorRojo);
        EXPECT_EQ(e.lblEstrella[1]->ForeColor(), Herramientas::ColorVerde);
        e.lblNumero_Click(9);
    };
    f.menuEscrutinioApuestas->trigger();
    EXPECT_TRUE(abierto);
    // The combination marked there stays for the base file.
    EXPECT_EQ(CombinacionGanadora[1], 10);
    ApuestasReducidas.Erase();
    for (auto& v : CombinacionGanadora) v = 0;
}

TEST(MenuUtilidades, CadaEntradaAbreSuVentana) {
    PlataformaGuion g;
    frmPrincipal f;
    f.Cargar();
    f.menuVisualizarArchivo->trigger();
    f.menusSistemasPropios->trigger();
    f.menuGeneradorAleatoriasXNumero->trigger();
    f.menuGeneradorAleatoriasXPorcentaje->trigger();
    EXPECT_EQ(g.modalesMostrados, (std::vector<std::string>{"frmVisualizar", "frmSistemasPropios",
                                                            "frmGeneradorApuestas", "frmGeneradorApuestasXPorcentaje"}));
}
