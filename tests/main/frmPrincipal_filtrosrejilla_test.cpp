// Rows 2, 3, 4 and 9 of the filter list open their settings windows: the page resets, the
// base read from the main grid, the rows rewritten afterwards, and a calculation that removes
// what the settings made in each window say.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "filters/frmAciertos.h"
#include "filters/frmFiltroDISTANCIAS.h"
#include "filters/frmFiltroGRUPOS.h"
#include "filters/frmFiltroGRURELACIONADOS.h"
#include "filters/frmFiltroPOSICIONES.h"
#include "main/PrincipalPrueba.h"
#include "main/frmPrincipal.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;

namespace {

using Fila5 = std::vector<int>;

// The main window with its own windows; nothing replaced.
class FiltrosConRejilla : public ConPrincipal<> {
protected:
    void SetUp() override {
        f.Cargar();
        // Base 1..8 and two stars: 56 combinations.
        for (int n = 1; n <= 8; ++n) f.lblNumero_Click(n - 1);
        f.lblEstrella_Click(0);
        f.lblEstrella_Click(1);
    }

    std::string Fila(int k) const { return f.lstFiltros->List(k).toStdString(); }
    // Double-clicks row k with the window driven by `accion`.
    template <typename V>
    void Abrir(int k, const char* ventana, std::function<void(V&)> accion) {
        guion.alMostrar[ventana] = [accion](Ventana& v) { accion(static_cast<V&>(v)); };
        f.lstFiltros->SetListIndex(k);
        f.lstFiltros_DblClick();
    }
    // The next hit-count dialogs tick exactly these counts, one list per opening.
    void Aciertos(std::vector<std::vector<int>> respuestas) {
        auto cola = std::make_shared<std::vector<std::vector<int>>>(std::move(respuestas));
        guion.alMostrar["frmAciertos"] = [cola](Ventana& v) {
            auto& d = static_cast<frmAciertos&>(v);
            d.imgNinguno_Click();
            if (!cola->empty()) {
                for (int c : cola->front()) d.lblAciertos_Click(c);
                cola->erase(cola->begin());
            }
        };
    }
    // How many 5-subsets of 1..8 `falla` removes.
    static Long Contar(const std::function<bool(const Fila5&)>& falla) {
        Long n = 0;
        Fila5 x(5);
        for (x[0] = 1; x[0] <= 4; ++x[0])
            for (x[1] = x[0] + 1; x[1] <= 5; ++x[1])
                for (x[2] = x[1] + 1; x[2] <= 6; ++x[2])
                    for (x[3] = x[2] + 1; x[3] <= 7; ++x[3])
                        for (x[4] = x[3] + 1; x[4] <= 8; ++x[4]) n += falla(x);
        return n;
    }
    static int En(const Fila5& x, std::initializer_list<int> grupo) {
        int a = 0;
        for (int v : x)
            for (int g : grupo) a += v == g;
        return a;
    }
    Long Calcular(int fila) {
        f.Calcular();
        EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
        return f.EliminadasPorFiltro[static_cast<std::size_t>(fila)];
    }
};

TEST_F(FiltrosConRejilla, GruposDesdeLaListaEnLaPaginaUnoYConSuEfecto) {
    PaginaGrupos = 7;
    Aciertos({{1}});
    Abrir<frmFiltroGRUPOS>(3, "frmFiltroGRUPOS", [](frmFiltroGRUPOS& w) {
        EXPECT_EQ(PaginaGrupos, 1);
        EXPECT_EQ(w.lblTitGrupo[0]->text(), QStringLiteral("GRUPO 1"));
        for (int n = 1; n <= 50; ++n) EXPECT_EQ(w.lblNumero[static_cast<std::size_t>(n - 1)]->isEnabled(), n <= 8) << n;
        for (int n : {1, 2, 3}) w.lblNumero_Click(0, n - 1);
        w.cmdModificar_Click(0);
        w.imgVolver_Click();
        EXPECT_FALSE(w.Cargada());
    });
    // Active, the row shows the count of the last calculation (none yet).
    EXPECT_EQ(Fila(3), "Sí   Grupos de Números     1 de 120" + std::string(11, ' ') + "0");
    EXPECT_FALSE(BaseGuardada);
    const Long esperadas = Contar([](const Fila5& x) { return En(x, {1, 2, 3}) != 1; });
    EXPECT_EQ(Calcular(3), esperadas);
    EXPECT_EQ(esperadas, 41);
    EXPECT_EQ(f.lstFiltros->List(3).right(2), QStringLiteral("41"));
}

TEST_F(FiltrosConRejilla, GruposRelacionadosSoloSeCierranConVolverYEmpaquetan) {
    PaginaGruposRelacionados = 30;
    Aciertos({{1}, {0}});
    Abrir<frmFiltroGRURELACIONADOS>(4, "frmFiltroGRURELACIONADOS", [](frmFiltroGRURELACIONADOS& w) {
        EXPECT_EQ(PaginaGruposRelacionados, 1);
        EXPECT_EQ(w.lblNumeroGrupo->text(), QStringLiteral("GRUPO 1"));
        // Subgroups 2 and 4 filled; conditions: one hit in one, none in the other.
        w.lblNumero_Click(1, 0);
        w.lblNumero_Click(1, 1);
        w.lblNumero_Click(3, 7);
        w.cmdModificar_Click(0);
        w.cmdModificar_Click(1);
        EXPECT_FALSE(w.Descargar(MotivoCierre::Usuario));
        w.imgVolver_Click();
        EXPECT_FALSE(w.Cargada());
    });
    for (int n = 1; n <= 50; ++n) {
        EXPECT_EQ(SubgruposNumeros(1, n), n == 1 || n == 2) << n;
        EXPECT_EQ(SubgruposNumeros(2, n), n == 8) << n;
        EXPECT_EQ(SubgruposNumeros(4, n), 0) << n;
    }
    EXPECT_EQ(Fila(4), "Sí   Grupos Relacionados   1 de 40" + std::string(12, ' ') + "0");
    const Long esperadas = Contar([](const Fila5& x) {
        const int a = En(x, {1, 2}), b = En(x, {8});
        return !((a == 1 && b == 0) || (a == 0 && b == 1));
    });
    EXPECT_EQ(Calcular(4), esperadas);
    EXPECT_GT(esperadas, 0);
}

TEST_F(FiltrosConRejilla, DistanciasDesdeLaLista) {
    Abrir<frmFiltroDISTANCIAS>(2, "frmFiltroDISTANCIAS", [](frmFiltroDISTANCIAS& w) {
        w.txtDistancia15Max->selectAll();
        w.txtDistancia15Max->Teclear('5');
        w.imgVolver_Click();
        EXPECT_FALSE(w.Cargada());
    });
    EXPECT_EQ(Distancia15Maxima, 5);
    EXPECT_TRUE(f.FilaActiva(2));
    const Long esperadas = Contar([](const Fila5& x) { return x[4] - x[0] > 5; });
    EXPECT_EQ(Calcular(2), esperadas);
    EXPECT_GT(esperadas, 0);
}

TEST_F(FiltrosConRejilla, PosicionesDesdeLaLista) {
    // A number unmarked on the main grid leaves the ball when the window opens.
    PosicionesNumeros(1, 9) = 1;
    Abrir<frmFiltroPOSICIONES>(9, "frmFiltroPOSICIONES", [](frmFiltroPOSICIONES& w) {
        EXPECT_EQ(PosicionesNumeros(1, 9), 0);
        w.lblNumero_Click(0, 1);
        w.lblNumero_Click(0, 2);
    });
    EXPECT_TRUE(f.FilaActiva(9));
    const Long esperadas = Contar([](const Fila5& x) { return x[0] != 2 && x[0] != 3; });
    EXPECT_EQ(Calcular(9), esperadas);
    EXPECT_GT(esperadas, 0);
}

}  // namespace
