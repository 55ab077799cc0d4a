// The number-groups window: grids enabled by the base, pages and their bounds, edits written
// at once and activating row 3, the hit-count exchange, the close check and its order, and a
// calculation with what the window stored.
#include <gtest/gtest.h>

#include "filters/AyudaFiltros.h"
#include "filters/AyudaRejillas.h"
#include "filters/frmFiltroGRUPOS.h"
#include "filters/modFiltros.h"
#include "support/Raton.h"

namespace {

using namespace modGeneral;
using V = std::vector<int>;

class Grupos : public ayuda::PruebaVentanaRejillas {};

TEST_F(Grupos, CargaHabilitaLaBaseYDejaEnLaPaginaSoloSusNumeros) {
    MarcarBase({3, 17, 22, 30, 41, 48});
    // Read from a base file: group 1 also holds 5 and 9, group 4 (page 2) holds 5.
    Poner(GruposNumeros, 1, {3, 5, 9, 41});
    Poner(GruposNumeros, 4, {5, 17});
    Poner(GruposNumeros, 2, {17, 22});
    GruposAciertos(2, 0) = GruposAciertos(2, 2) = GruposAciertos(2, 5) = 1;
    GruposAciertos(1, 1) = 1;
    GruposAciertos(4, 1) = 1;
    frmFiltroGRUPOS w(lista, base);
    w.Cargar();

    EXPECT_EQ(w.windowTitle(), QStringLiteral("GRUPOS DE NUMEROS (Máx. 120)"));
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(Habilitados(w.Rejilla(s)), (V{3, 17, 22, 30, 41, 48})) << s;
        EXPECT_EQ(w.lblTitGrupo[static_cast<std::size_t>(s)]->text(), QStringLiteral("GRUPO %1").arg(s + 1));
        for (int i = 0; i < 50; ++i)
            EXPECT_EQ(w.Rejilla(s)[static_cast<std::size_t>(i)]->Caption(), QString::number(i + 1));
    }
    EXPECT_EQ(Marcados(w.lblNumero), (V{3, 41}));
    EXPECT_EQ(Marcados(w.lblNumero_G2), (V{17, 22}));
    EXPECT_EQ(Numeros(GruposNumeros, 1), (V{3, 41})) << "drawing the page drops what is not in the base";
    EXPECT_EQ(Numeros(GruposNumeros, 4), (V{5, 17})) << "a page not drawn keeps its numbers";
    EXPECT_EQ(w.txtAciertos[0]->text(), QStringLiteral("1"));
    EXPECT_EQ(w.txtAciertos[1]->text(), QStringLiteral("0,2,5"));
    EXPECT_EQ(w.txtAciertos[2]->text(), QString());
    EXPECT_TRUE(w.txtAciertos[0]->isReadOnly());
    EXPECT_FALSE(w.cmdMENOSBloque->isEnabled());
    EXPECT_TRUE(w.cmdMASBloque->isEnabled());
    EXPECT_EQ(w.cmdModificar[0]->text(), QStringLiteral("Modificar"));
    EXPECT_EQ(w.imgININumeros[2]->toolTip(), QStringLiteral("Inicializa este grupo"));
    EXPECT_FALSE(Activa(3));
    EXPECT_FALSE(w.MuestraImagenActiva());

    // Group 4 still has a number outside the base, and counts: the close passes.
    EXPECT_TRUE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_TRUE(Errores().empty());
    EXPECT_FALSE(Activa(3)) << "opening and closing without an edit leaves the row";
}

TEST_F(Grupos, UnClicEscribeElGrupoEnseguidaYActiva) {
    MarcarBase({3, 17, 22, 30, 41, 48});
    frmFiltroGRUPOS w(lista, base);
    w.Cargar();
    w.lblNumero_Click(1, 16);
    EXPECT_EQ(Numeros(GruposNumeros, 2), (V{17}));
    EXPECT_EQ(Marcados(w.lblNumero_G2), (V{17}));
    EXPECT_TRUE(Activa(3));
    EXPECT_TRUE(w.MuestraImagenActiva());

    // Through the mouse: a base number toggles, a number outside the base takes no click.
    PulsarRaton(w.lblNumero_G3[47]);
    EXPECT_EQ(Numeros(GruposNumeros, 3), (V{48}));
    PulsarRaton(w.lblNumero_G3[4]);
    w.lblNumero_Click(2, 4);
    EXPECT_EQ(Numeros(GruposNumeros, 3), (V{48}));
    PulsarRaton(w.lblNumero_G3[47]);
    EXPECT_TRUE(Numeros(GruposNumeros, 3).empty());
    EXPECT_TRUE(Marcados(w.lblNumero_G3).empty());
}

TEST_F(Grupos, UnClicFueraDeLaBaseNoActiva) {
    MarcarBase({1, 2, 3, 4, 5});
    frmFiltroGRUPOS w(lista, base);
    w.Cargar();
    w.lblNumero_Click(0, 20);
    PulsarRaton(w.lblNumero[20]);
    EXPECT_FALSE(Activa(3));
    EXPECT_TRUE(Numeros(GruposNumeros, 1).empty());
}

TEST_F(Grupos, LimpiarVaciaElGrupoYGuardaSusAciertos) {
    MarcarBase({3, 17, 22});
    Poner(GruposNumeros, 2, {3, 22});
    GruposAciertos(2, 1) = 1;
    frmFiltroGRUPOS w(lista, base);
    w.Cargar();
    w.imgININumeros_Click(1);
    EXPECT_TRUE(Numeros(GruposNumeros, 2).empty());
    EXPECT_TRUE(Marcados(w.lblNumero_G2).empty());
    EXPECT_EQ(GruposAciertos(2, 1), 1);
    EXPECT_TRUE(Activa(3));

    // Now group 2 has counts without numbers: the close is refused until it is mended.
    EXPECT_FALSE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_EQ(Errores(), std::vector<std::string>{
                             "ERROR en GRUPO2 : No ha marcado ningún número y hay aciertos seleccionados"});
    EXPECT_TRUE(w.Cargada());
    w.lblNumero_Click(1, 16);
    EXPECT_TRUE(w.Descargar(MotivoCierre::Usuario));
}

TEST_F(Grupos, ModificarEditaLosAciertosDelGrupoDeLaPagina) {
    MarcarBase({3, 17, 22});
    GruposAciertos(5, 4) = 1;
    frmFiltroGRUPOS w(lista, base);
    w.Cargar();
    w.cmdMASBloque_Click();

    int minimo = -1, maximo = -1;
    std::vector<int> entrada;
    AlDialogo([&](frmAciertos& d) {
        minimo = d.AciertoMinimo;
        maximo = d.AciertoMaximo;
        for (int c = 0; c <= 5; ++c)
            if (AciertosSeleccion(c)) entrada.push_back(c);
        d.lblAciertos_Click(4);
        d.lblAciertos_Click(1);
        d.lblAciertos_Click(3);
    });
    w.cmdModificar_Click(1);
    EXPECT_EQ(minimo, 0);
    EXPECT_EQ(maximo, 5);
    EXPECT_EQ(entrada, (V{4}));
    EXPECT_EQ(w.txtAciertos[1]->text(), QStringLiteral("1,3"));
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(GruposAciertos(5, c), c == 1 || c == 3) << c;
    EXPECT_TRUE(Activa(3));

    // A dialog closed without a change still activates the row.
    w.imgActivar_Click();
    ASSERT_FALSE(Activa(3));
    AlDialogo([](frmAciertos& d) { d.imgVolver_Click(); });
    w.cmdModificar_Click(1);
    EXPECT_EQ(w.txtAciertos[1]->text(), QStringLiteral("1,3"));
    EXPECT_TRUE(Activa(3));
}

TEST_F(Grupos, LasPaginasParanEnUnoYEnCuarenta) {
    MarcarBase({10, 20, 30});
    Poner(GruposNumeros, 119, {10, 11});   // 11 is not in the base
    GruposAciertos(119, 2) = 1;
    Poner(GruposNumeros, 7, {11});         // never drawn
    frmFiltroGRUPOS w(lista, base);
    w.Cargar();
    w.cmdMASBloque_Click();
    EXPECT_EQ(PaginaGrupos, 2);
    EXPECT_TRUE(w.cmdMENOSBloque->isEnabled());
    EXPECT_TRUE(w.cmdMASBloque->isEnabled());
    EXPECT_EQ(w.lblTitGrupo[0]->text(), QStringLiteral("GRUPO 4"));
    while (w.cmdMASBloque->isEnabled()) w.cmdMASBloque_Click();
    EXPECT_EQ(PaginaGrupos, 40);
    EXPECT_EQ(w.BaseGrupos, 117);
    EXPECT_TRUE(w.cmdMENOSBloque->isEnabled());
    EXPECT_EQ(w.lblTitGrupo[0]->text(), QStringLiteral("GRUPO 118"));
    EXPECT_EQ(w.lblTitGrupo[1]->text(), QStringLiteral("GRUPO 119"));
    EXPECT_EQ(w.lblTitGrupo[2]->text(), QStringLiteral("GRUPO 120"));
    EXPECT_EQ(Marcados(w.lblNumero_G2), (V{10}));
    EXPECT_EQ(Numeros(GruposNumeros, 119), (V{10}));
    EXPECT_EQ(w.txtAciertos[1]->text(), QStringLiteral("2"));
    // The disabled button is the bound; the handler holds it too.
    w.cmdMASBloque_Click();
    EXPECT_EQ(PaginaGrupos, 40);
    while (w.cmdMENOSBloque->isEnabled()) w.cmdMENOSBloque_Click();
    EXPECT_EQ(PaginaGrupos, 1);
    w.cmdMENOSBloque_Click();
    EXPECT_EQ(PaginaGrupos, 1);
    EXPECT_EQ(w.lblTitGrupo[2]->text(), QStringLiteral("GRUPO 3"));
    EXPECT_FALSE(Activa(3)) << "paging activates nothing";
    // Page 3 (groups 7..9) was drawn on the way: group 7 lost its number.
    EXPECT_TRUE(Numeros(GruposNumeros, 7).empty());
}

TEST_F(Grupos, ElCierreInformaDelPrimerGrupoQueFallaYNoCambiaNada) {
    MarcarBase({1, 2, 3, 4, 5, 6});
    // Group 7: numbers without counts; group 12: counts without numbers; group 60, on a page
    // never drawn, holds a number outside the base and counts, and passes.
    Poner(GruposNumeros, 7, {1, 2});
    GruposAciertos(12, 3) = 1;
    Poner(GruposNumeros, 60, {44});
    GruposAciertos(60, 0) = 1;
    // A group with numbers and only the count 0 passes.
    Poner(GruposNumeros, 2, {5});
    GruposAciertos(2, 0) = 1;
    frmFiltroGRUPOS w(lista, base);
    w.Cargar();
    w.cmdMASBloque_Click();
    w.cmdMASBloque_Click();
    w.cmdMASBloque_Click();   // page 4: groups 10..12

    EXPECT_FALSE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_TRUE(w.Cargada());
    EXPECT_EQ(PaginaGrupos, 4);
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, "ERROR en GRUPO7 : Debe rellenar al menos un acierto");
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
    EXPECT_EQ(guion.mensajes[0].titulo, "TORNAVENTURA");
    EXPECT_EQ(Numeros(GruposNumeros, 7), (V{1, 2}));

    // The close through imgVolver checks the same; once group 7 passes, group 12 is next.
    GruposAciertos(7, 2) = 1;
    w.imgVolver_Click();
    EXPECT_TRUE(w.Cargada());
    EXPECT_EQ(guion.UltimoMensaje(),
              "ERROR en GRUPO12 : No ha marcado ningún número y hay aciertos seleccionados");
    w.lblNumero_Click(2, 3);
    w.imgVolver_Click();
    EXPECT_FALSE(w.Cargada());
    EXPECT_EQ(guion.mensajes.size(), 2u);
    EXPECT_EQ(Numeros(GruposNumeros, 60), (V{44}));
}

TEST_F(Grupos, ElCalculoQuitaLoQueDiceElEvaluador) {
    const std::vector<int> numeros = {2, 7, 11, 19, 23, 28, 34, 40, 45, 50};
    MarcarBase({2, 7, 11, 19, 23, 28, 34, 40, 45, 50});
    frmFiltroGRUPOS w(lista, base);
    w.Cargar();
    // Group 1: 2, 7, 11, 19 with one or two hits; group 5 (page 2): 45, 50 with no hit.
    for (int n : {2, 7, 11, 19}) w.lblNumero_Click(0, n - 1);
    ResponderAciertos({1, 2});
    w.cmdModificar_Click(0);
    w.cmdMASBloque_Click();
    w.lblNumero_Click(1, 44);
    w.lblNumero_Click(1, 49);
    ResponderAciertos({0});
    w.cmdModificar_Click(1);
    ASSERT_TRUE(w.Descargar(MotivoCierre::Usuario));
    ASSERT_TRUE(Activa(3));

    ayuda::PrepararBase(numeros);
    const Long quitadas = modFiltros::FiltrarGrupos(5);
    Long esperadas = 0;
    for (Long c = 1; c <= TotalCombinaciones; ++c) {
        int a = 0, b = 0;
        for (int x : ayuda::NumerosDeFila(c)) {
            a += x == 2 || x == 7 || x == 11 || x == 19;
            b += x == 45 || x == 50;
        }
        esperadas += !(a >= 1 && a <= 2 && b == 0);
    }
    EXPECT_EQ(quitadas, esperadas);
    EXPECT_GT(quitadas, 0);
}

}  // namespace
