// The related-groups window: grids enabled by the base, paging and its bounds, edits written at
// once and activating row 4, the check in imgVolver and its order, the refused close box, the
// packing of the subgroups and of the groups in use on a good close, and calculations with
// what the window stored.
#include <gtest/gtest.h>

#include "filters/AyudaFiltros.h"
#include "filters/AyudaRejillas.h"
#include "filters/frmFiltroGRURELACIONADOS.h"
#include "filters/modFiltros.h"
#include "support/Raton.h"

namespace {

using namespace modGeneral;
using V = std::vector<int>;

class Relacionados : public ayuda::PruebaVentanaRejillas {
protected:
    static long FilaDe(int g, int s) { return 4L * (g - 1) + s; }
};

TEST_F(Relacionados, CargaHabilitaLaBaseYLimpiaSoloElGrupoMostrado) {
    MarcarBase({4, 8, 15, 16, 23, 42});
    Poner(SubgruposNumeros, FilaDe(1, 1), {4, 5, 8});
    Poner(SubgruposNumeros, FilaDe(1, 3), {49});
    Poner(SubgruposNumeros, FilaDe(2, 1), {5, 15});
    CondicionesAciertos(FilaDe(1, 2), 0) = CondicionesAciertos(FilaDe(1, 2), 2) = 1;
    CondicionesAciertos(FilaDe(1, 2), 5) = 1;
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();

    EXPECT_EQ(w.windowTitle(), QStringLiteral("GRUPOS RELACIONADOS (Máx. 40)"));
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(Habilitados(w.Rejilla(s)), (V{4, 8, 15, 16, 23, 42})) << s;
        EXPECT_EQ(w.lblTitGrupo[static_cast<std::size_t>(s)]->text(), QStringLiteral("SUBGRUPO %1").arg(s + 1));
        EXPECT_EQ(w.imgININumeros[static_cast<std::size_t>(s)]->toolTip(), QStringLiteral("Inicializa este subgrupo"));
        EXPECT_TRUE(w.txtAciertos[static_cast<std::size_t>(s)]->isReadOnly());
    }
    EXPECT_EQ(w.lblNumeroGrupo->text(), QStringLiteral("GRUPO 1"));
    EXPECT_EQ(w.lblTitAciertos->text(), QStringLiteral("ACIERTOS EN CUALQUIERA DE LOS SUBGRUPOS"));
    EXPECT_EQ(Marcados(w.lblNumero), (V{4, 8}));
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(1, 1)), (V{4, 8}));
    EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(1, 3)).empty());
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(2, 1)), (V{5, 15})) << "a group not shown keeps its numbers";
    EXPECT_EQ(w.txtAciertos[1]->text(), QStringLiteral("0,2,5"));
    EXPECT_EQ(w.txtAciertos[0]->text(), QString());
    EXPECT_FALSE(w.cmdMENOSBloque->isEnabled());
    EXPECT_TRUE(w.cmdMASBloque->isEnabled());
    EXPECT_FALSE(Activa(4));
}

TEST_F(Relacionados, SinBaseTodoDeshabilitadoYElGrupoUnoVacio) {
    Poner(SubgruposNumeros, FilaDe(1, 2), {1, 2});
    Poner(SubgruposNumeros, FilaDe(3, 1), {1});
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();
    for (int s = 0; s < 4; ++s) EXPECT_TRUE(Habilitados(w.Rejilla(s)).empty());
    for (int s = 1; s <= 4; ++s) EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(1, s)).empty());
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(3, 1)), (V{1}));
    w.lblNumero_Click(0, 0);
    PulsarRaton(w.lblNumero_G2[1]);
    EXPECT_FALSE(Activa(4));
}

TEST_F(Relacionados, PaginasConSusTitulosYSusLimites) {
    MarcarBase({1, 2, 3, 4, 5});
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();
    w.cmdMASBloque_Click();
    EXPECT_EQ(PaginaGruposRelacionados, 2);
    EXPECT_EQ(w.PrimeraFila, 4);
    EXPECT_EQ(w.lblNumeroGrupo->text(), QStringLiteral("GRUPO 2"));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(w.lblTitGrupo[static_cast<std::size_t>(s)]->text(), QStringLiteral("SUBGRUPO %1").arg(s + 5));
    EXPECT_TRUE(w.cmdMENOSBloque->isEnabled());
    EXPECT_TRUE(w.cmdMASBloque->isEnabled());
    // An edit on group 2 goes to its rows.
    w.lblNumero_Click(3, 2);
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(2, 4)), (V{3}));
    w.imgActivar_Click();
    ASSERT_FALSE(Activa(4));

    while (w.cmdMASBloque->isEnabled()) w.cmdMASBloque_Click();
    EXPECT_EQ(PaginaGruposRelacionados, 40);
    EXPECT_EQ(w.lblTitGrupo[3]->text(), QStringLiteral("SUBGRUPO 160"));
    w.cmdMASBloque_Click();
    EXPECT_EQ(PaginaGruposRelacionados, 40);
    EXPECT_TRUE(w.cmdMENOSBloque->isEnabled());
    while (w.cmdMENOSBloque->isEnabled()) w.cmdMENOSBloque_Click();
    w.cmdMENOSBloque_Click();
    EXPECT_EQ(PaginaGruposRelacionados, 1);
    EXPECT_EQ(w.lblTitGrupo[0]->text(), QStringLiteral("SUBGRUPO 1"));
    EXPECT_FALSE(Activa(4)) << "paging activates nothing";
}

TEST_F(Relacionados, ClicsLimpiezaYModificarActivan) {
    MarcarBase({10, 20, 30, 40});
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();
    PulsarRaton(w.lblNumero_G3[19]);
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(1, 3)), (V{20}));
    EXPECT_TRUE(Activa(4));

    w.imgActivar_Click();
    Poner(SubgruposNumeros, FilaDe(1, 1), {10});
    w.imgININumeros_Click(2);
    EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(1, 3)).empty());
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(1, 1)), (V{10})) << "only that subgroup is cleared";
    EXPECT_TRUE(Activa(4));

    // "Modificar" with nothing ticked: empty box, empty row, and the row still activates.
    w.imgActivar_Click();
    CondicionesAciertos(FilaDe(1, 2), 3) = 1;
    w.MostrarCondiciones();
    EXPECT_EQ(w.txtAciertos[1]->text(), QStringLiteral("3"));
    ResponderAciertos({});
    w.cmdModificar_Click(1);
    EXPECT_EQ(w.txtAciertos[1]->text(), QString());
    for (int k = 0; k <= 5; ++k) EXPECT_EQ(CondicionesAciertos(FilaDe(1, 2), k), 0);
    EXPECT_TRUE(Activa(4));

    ResponderAciertos({1, 2});
    w.cmdMASBloque_Click();
    w.cmdModificar_Click(3);
    EXPECT_EQ(w.txtAciertos[3]->text(), QStringLiteral("1,2"));
    EXPECT_EQ(CondicionesAciertos(FilaDe(2, 4), 1), 1);
    EXPECT_EQ(CondicionesAciertos(FilaDe(2, 4), 2), 1);
}

TEST_F(Relacionados, ElCierreCompruebaEnImgVolverYNoEmpaquetaSiFalla) {
    MarcarBase({1, 2, 3});
    // Group 1: subgroup 2 filled, no condition.
    Poner(SubgruposNumeros, FilaDe(1, 2), {1});
    // Group 3: a condition ticked only at 0 and no subgroup; group 9 likewise, never shown.
    CondicionesAciertos(FilaDe(3, 1), 0) = 1;
    CondicionesAciertos(FilaDe(9, 4), 0) = 1;
    // Group 12: two conditions and one subgroup.
    Poner(SubgruposNumeros, FilaDe(12, 3), {2});
    CondicionesAciertos(FilaDe(12, 1), 1) = 1;
    CondicionesAciertos(FilaDe(12, 2), 1) = 1;
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();

    auto intentar = [&] {
        guion.mensajes.clear();
        w.imgVolver_Click();
        return guion.mensajes.size() == 1 ? guion.mensajes[0].texto : std::string("?");
    };
    EXPECT_EQ(intentar(), "ERROR en GRUPO1 : Si activa un subgrupo, debe de haber al menos una condición marcada");
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
    EXPECT_TRUE(w.Cargada());
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(1, 2)), (V{1})) << "nothing is packed on a refusal";
    CondicionesAciertos(FilaDe(1, 4), 2) = 1;
    EXPECT_EQ(intentar(), "ERROR en GRUPO3 : No puede haber más condiciones que subgrupos activados");
    CondicionesAciertos(FilaDe(3, 1), 0) = 0;
    EXPECT_EQ(intentar(), "ERROR en GRUPO9 : No puede haber más condiciones que subgrupos activados");
    CondicionesAciertos(FilaDe(9, 4), 0) = 0;
    EXPECT_EQ(intentar(), "ERROR en GRUPO12 : No puede haber más condiciones que subgrupos activados");
    CondicionesAciertos(FilaDe(12, 2), 1) = 0;
    EXPECT_EQ(PaginaGruposRelacionados, 1);

    guion.mensajes.clear();
    w.imgVolver_Click();
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_FALSE(w.Cargada());
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(1, 1)), (V{1}));
    EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(1, 2)).empty());
    EXPECT_EQ(CondicionesAciertos(FilaDe(1, 4), 2), 1) << "the condition rows keep their places";
    // Group 12, the next in use, closes the gap after group 1.
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(2, 1)), (V{2}));
    EXPECT_EQ(CondicionesAciertos(FilaDe(2, 1), 1), 1);
    EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(12, 3)).empty());
    EXPECT_EQ(CondicionesAciertos(FilaDe(12, 1), 1), 0);
}

TEST_F(Relacionados, LaCasillaDeCierreNoCierraNiComprueba) {
    MarcarBase({1, 2, 3});
    Poner(SubgruposNumeros, FilaDe(1, 1), {1});   // would fail the check
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();
    EXPECT_FALSE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_TRUE(w.Cargada());
    EXPECT_TRUE(guion.mensajes.empty());
    // The close box of a shown window goes the same way.
    w.show();
    w.close();
    EXPECT_TRUE(w.Cargada());
    EXPECT_TRUE(w.isVisible());
    w.hide();
}

TEST_F(Relacionados, UnCierreBuenoEmpaquetaLosSubgrupos) {
    MarcarBase({5, 6, 7, 8, 9, 10});
    // Group 1 (shown): subgroups 2 and 4 filled. Group 7 (from a base file, never shown):
    // only subgroup 4, with a number outside the base.
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();
    w.lblNumero_Click(1, 4);
    w.lblNumero_Click(3, 5);
    w.lblNumero_Click(3, 6);
    ResponderAciertos({1});
    w.cmdModificar_Click(2);
    Poner(SubgruposNumeros, FilaDe(7, 4), {44});
    CondicionesAciertos(FilaDe(7, 1), 0) = 1;

    w.imgVolver_Click();
    ASSERT_FALSE(w.Cargada());
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(1, 1)), (V{5}));
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(1, 2)), (V{6, 7}));
    EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(1, 3)).empty());
    EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(1, 4)).empty());
    EXPECT_EQ(CondicionesAciertos(FilaDe(1, 3), 1), 1);
    // Group 7 packed, and moved up to group 2 with its condition.
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(2, 1)), (V{44}));
    for (int s = 2; s <= 4; ++s) EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(2, s)).empty());
    EXPECT_EQ(CondicionesAciertos(FilaDe(2, 1), 0), 1);
    for (int s = 1; s <= 4; ++s) EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(7, s)).empty());
    EXPECT_EQ(CondicionesAciertos(FilaDe(7, 1), 0), 0);
}

TEST_F(Relacionados, UnGrupoTrasUnHuecoNoQuedaSinEfecto) {
    // The evaluator stops at the first group without numbers: the close moves group 3 up to
    // group 2 so that both groups set in the window are applied.
    const std::vector<int> numeros = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    MarcarBase({1, 2, 3, 4, 5, 6, 7, 8, 9});
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();
    w.lblNumero_Click(0, 0);   // group 1: exactly one of {1, 2}
    w.lblNumero_Click(0, 1);
    ResponderAciertos({1});
    w.cmdModificar_Click(0);
    w.cmdMASBloque_Click();
    w.cmdMASBloque_Click();   // group 3: none of {9}
    w.lblNumero_Click(2, 8);
    ResponderAciertos({0});
    w.cmdModificar_Click(3);
    w.imgVolver_Click();
    ASSERT_FALSE(w.Cargada());
    EXPECT_EQ(Numeros(SubgruposNumeros, FilaDe(2, 1)), (V{9}));
    EXPECT_EQ(CondicionesAciertos(FilaDe(2, 4), 0), 1) << "each condition row keeps its place in its group";
    EXPECT_TRUE(Numeros(SubgruposNumeros, FilaDe(3, 3)).empty());

    ayuda::PrepararBase(numeros);
    Long esperadas = 0;
    for (Long c = 1; c <= TotalCombinaciones; ++c) {
        int a = 0, b = 0;
        for (int x : ayuda::NumerosDeFila(c)) {
            a += x == 1 || x == 2;
            b += x == 9;
        }
        esperadas += a != 1 || b != 0;
    }
    EXPECT_EQ(modFiltros::FiltrarGruposRelacionados(5), esperadas);
}

TEST_F(Relacionados, ElCalculoQuitaLoQueDiceElEvaluador) {
    const std::vector<int> numeros = {3, 8, 12, 17, 21, 26, 33, 38, 44, 49};
    MarcarBase({3, 8, 12, 17, 21, 26, 33, 38, 44, 49});
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();
    // Group 1: subgroups 2 (3, 8, 12) and 4 (21, 26, 33); one subgroup with two hits and the
    // other with one.
    for (int n : {3, 8, 12}) w.lblNumero_Click(1, n - 1);
    for (int n : {21, 26, 33}) w.lblNumero_Click(3, n - 1);
    ResponderAciertos({2});
    w.cmdModificar_Click(0);
    ResponderAciertos({1});
    w.cmdModificar_Click(3);
    w.imgVolver_Click();
    ASSERT_FALSE(w.Cargada());
    ASSERT_TRUE(Activa(4));

    ayuda::PrepararBase(numeros);
    const Long quitadas = modFiltros::FiltrarGruposRelacionados(5);
    Long esperadas = 0;
    for (Long c = 1; c <= TotalCombinaciones; ++c) {
        int a = 0, b = 0;
        for (int x : ayuda::NumerosDeFila(c)) {
            a += x == 3 || x == 8 || x == 12;
            b += x == 21 || x == 26 || x == 33;
        }
        esperadas += !((a == 2 && b == 1) || (a == 1 && b == 2));
    }
    EXPECT_EQ(quitadas, esperadas);
    EXPECT_GT(quitadas, 0);
}

}  // namespace
