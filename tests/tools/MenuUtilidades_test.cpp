// The "Utilidades" entries of the main window open the tool windows with what they need.
#include <gtest/gtest.h>

#include "AyudaHerramientas.h"
#include "main/frmPrincipal.h"
#include "support/LectorEUR.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"
#include "tools/frmEscrutar.h"
#include "tools/frmSistemasPropios.h"
#include "tools/frmVisualizar.h"

using namespace modGeneral;

using MenuUtilidades = DatosIniciales;

TEST_F(MenuUtilidades, EscrutadorConLasApuestasActualesYLosNumerosBaseEnVerde) {
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
}

TEST_F(MenuUtilidades, CadaEntradaAbreSuVentana) {
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

namespace {
// Every counter caption of the main window and the ELIMINAN end of the filter rows.
std::vector<std::string> Contadores(const frmPrincipal& f) {
    std::vector<std::string> r;
    for (const Etiqueta* l : {f.lblApuestasIniciales, f.lblEstrellasInicialesAUX, f.lblTOTALInicialesAUX,
                              f.lblApuestasCondicionadas, f.lblEstrellasCondicionadasAUX, f.lblTOTALCondicionadasAUX,
                              f.lblApuestasReducidas, f.lblEstrellasReducidasAUX, f.lblTOTALReducidasAUX})
        r.push_back(l->Caption().toStdString());
    for (int k = 0; k < 12; ++k) r.push_back(f.lstFiltros->List(k).toStdString());
    return r;
}
}  // namespace

TEST_F(MenuUtilidades, VerUnFicheroDejaElSistemaCalculadoYSoloSuEscrutarLoSustituye) {
    PlataformaGuion g;
    frmPrincipal f;
    f.Cargar();
    for (int n = 1; n <= 6; ++n) f.lblNumero_Click(n - 1);
    f.lblEstrella_Click(0);
    f.lblEstrella_Click(1);
    // Pares e Impares with three even numbers: three of the six combinations stay.
    f.lstFiltros->SetListIndex(5);
    f.lstFiltros_MouseDown(2, 0, 0, 0);
    ParesActivos(3) = 1;
    f.lblMenu_Click(4);
    ASSERT_EQ(f.lblApuestasCondicionadas->Caption().toStdString(), "3");
    const std::vector<std::string> calculado = Contadores(f);

    const std::string visto = g.carpeta + "/visto.EUR";
    ASSERT_TRUE(ayuda::EscribirEUR(visto, ayuda::ApuestasAlAzar(7, 5), 7));
    g.dialogos.push_back(Eleccion(visto));
    Long mostradas = 0;
    g.alMostrar["frmVisualizar"] = [&](Ventana& v) { mostradas = static_cast<frmVisualizar&>(v).TotalApuestas; };
    f.menuVisualizarArchivo->trigger();
    EXPECT_EQ(mostradas, 7);
    EXPECT_EQ(Contadores(f), calculado);
    // "Cálculo Definitivo" still saves the calculated bets.
    g.dialogos.push_back(Eleccion(g.carpeta + "/sistema.EUR"));
    f.lblMenu_Click(6);
    EXPECT_TRUE(g.mensajes.empty()) << g.UltimoMensaje();
    const FicheroEUR guardado = LeerFicheroEUR(g.carpeta + "/sistema.EUR");
    ASSERT_TRUE(guardado.leido) << guardado.error;
    EXPECT_EQ(guardado.numApuestas, 3);

    // Its "Escrutar" puts the file's bets in their place: the counters follow the grids again.
    g.dialogos.push_back(Eleccion(visto));
    g.alMostrar["frmVisualizar"] = [](Ventana& v) { static_cast<frmVisualizar&>(v).imgEscrutar_Click(); };
    f.menuVisualizarArchivo->trigger();
    EXPECT_EQ(f.lblApuestasCondicionadas->Caption().toStdString(), "6");
    EXPECT_EQ(f.lblApuestasReducidas->Caption().toStdString(), "0");
}
