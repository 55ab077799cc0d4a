// The filter rows of the main window open their settings windows, which edit the main
// window's own rows, and what they set reaches the calculation.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "filters/frmAciertos.h"
#include "filters/frmFiltroPARESIMPARES.h"
#include "filters/frmFiltroSUMAS.h"
#include "filters/VentanaFiltro.h"
#include "main/PrincipalPrueba.h"
#include "main/frmPrincipal.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;

namespace {

class VentanasFiltroPrincipal : public ConPrincipal<> {
protected:
    bool Activa(int k) const { return f.lstFiltros->List(k).startsWith(QStringLiteral("Sí")); }
    void DobleClic(int k) {
        f.lstFiltros->SetListIndex(k);
        f.lstFiltros_DblClick();
    }
    static void Teclear(CajaTexto* caja, const char* texto) {
        while (!caja->text().isEmpty()) caja->Teclear(8);
        for (const char* c = texto; *c; ++c) caja->Teclear(*c);
    }
};

TEST_F(VentanasFiltroPrincipal, CadaFilaAbreSuVentanaSobreLaListaPrincipal) {
    const std::map<int, std::string> ventanas = {
        {0, "frmFiltroALTOSBAJOS"}, {1, "frmFiltroDECENAS"}, {5, "frmFiltroPARESIMPARES"},
        {6, "frmFiltroSEGUIDOS"},   {7, "frmFiltroSUMAS"},   {8, "frmFiltroTERMINACIONES"}};
    for (const auto& [fila, nombre] : ventanas) {
        int vistas = 0;
        guion.alMostrar[nombre] = [&, fila = fila](Ventana& v) {
            ++vistas;
            auto& w = dynamic_cast<VentanaFiltro&>(v);
            EXPECT_EQ(w.Fila(), fila);
            EXPECT_EQ(&w.lstFiltros(), f.lstFiltros);
            EXPECT_EQ(w.parentWidget(), &f);
            w.imgActivar_Click();   // the toggle writes the main window's row
        };
        BaseGuardada = true;
        DobleClic(fila);
        EXPECT_EQ(vistas, 1) << nombre;
        EXPECT_EQ(guion.modalesMostrados.back(), nombre);
        EXPECT_TRUE(Activa(fila)) << nombre;
        EXPECT_FALSE(BaseGuardada);
    }
    // Each window wrote its own row only.
    for (int k : {2, 3, 4, 9, 10, 11}) EXPECT_FALSE(Activa(k)) << k;
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(VentanasFiltroPrincipal, ParesImparesDeLaVentanaAlCalculo) {
    for (int n = 1; n <= 20; ++n) f.lblNumero_Click(n - 1);
    f.lblEstrella_Click(0);
    f.lblEstrella_Click(1);
    guion.alMostrar["frmFiltroPARESIMPARES"] = [](Ventana& v) {
        static_cast<frmFiltroPARESIMPARES&>(v).chkParesImpares[2]->click();
    };
    DobleClic(5);
    ASSERT_TRUE(Activa(5));
    f.lblMenu_Click(4);   // "Cálculo de Prueba"
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    // Exactly two even numbers of 1..20: C(10,2) x C(10,3) = 5,400 stay of 15,504.
    EXPECT_EQ(f.EliminadasPorFiltro[5], 15504 - 5400);
}

TEST_F(VentanasFiltroPrincipal, SumasDeLaVentanaAlCalculo) {
    for (int n = 1; n <= 20; ++n) f.lblNumero_Click(n - 1);
    f.lblEstrella_Click(0);
    f.lblEstrella_Click(1);
    guion.alMostrar["frmFiltroSUMAS"] = [](Ventana& v) {
        auto& w = static_cast<frmFiltroSUMAS&>(v);
        Teclear(w.txtSumaMinima[0], "40");
        Teclear(w.txtSumaMaxima[0], "60");
        w.imgVolver_Click();
    };
    DobleClic(7);
    ASSERT_TRUE(Activa(7));
    EXPECT_EQ(SumaMinima[1], 40);

    // The expected count by plain loops over the 5-subsets of 1..20.
    Long fuera = 0;
    for (int a = 1; a <= 20; ++a)
        for (int b = a + 1; b <= 20; ++b)
            for (int c = b + 1; c <= 20; ++c)
                for (int d = c + 1; d <= 20; ++d)
                    for (int e = d + 1; e <= 20; ++e) {
                        const int s = a + b + c + d + e;
                        fuera += s < 40 || s > 60;
                    }
    f.lblMenu_Click(4);
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(f.EliminadasPorFiltro[7], fuera);
    EXPECT_GT(fuera, 0);
}

}  // namespace
