// The guarantees window driven headless: its levels against a plain count over the chosen
// system, the reports, the stop, and its opening from the main window's menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTableWidget>
#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "common/modInformeTexto.h"
#include "main/PrincipalPrueba.h"
#include "main/frmPrincipal.h"
#include "reduction/frmGarantiasTOTAL.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;
using modGarantias::Mascara;
using modGarantias::ResultadoNivel;

namespace {

// The loaded window of that name, while a modal display runs it.
template <typename T>
T* VentanaAbierta(const char* nombre) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(nombre))
            if (auto* v = qobject_cast<T*>(w); v && v->Cargada()) return v;
    return nullptr;
}

const Byte kBase[] = {2, 5, 9, 13, 18, 24, 31, 40};
constexpr int N = 8;

class VentanaGarantias : public ConPrincipal<> {
protected:
    std::vector<std::vector<Byte>> apuestas = {{2, 5, 9, 13, 18}, {2, 24, 31, 40, 9}, {13, 18, 24, 31, 40}};
    std::vector<Mascara> condicionadas;   // as position masks

    void SetUp() override {
        f.Cargar();
        TotalNumerosBase = N;
        CombinacionBase.ReDim(1, N);
        for (int p = 1; p <= N; ++p) CombinacionBase(p) = kBase[p - 1];
        // The calculation's table of every combination, which the window replaces and erases.
        TotalCombinaciones = GenerarCombinaciones(5, 5);
        // Conditioned: every third combination.
        Long n = 0;
        for (Long r = 1; r <= TotalCombinaciones; r += 3) ++n;
        ApuestasCondicionadas.ReDim(1, n, 1, 5);
        Long i = 0;
        for (Long r = 1; r <= TotalCombinaciones; r += 3) {
            ++i;
            Mascara m = 0;
            for (int c = 1; c <= 5; ++c) {
                ApuestasCondicionadas(i, c) = TodasCombinaciones(r, c);
                m |= Mascara{1} << (TodasCombinaciones(r, c) - 1);
            }
            condicionadas.push_back(m);
        }
        // The bets with two star pairs, pair-major, as the star assignment leaves them.
        const Long nb = static_cast<Long>(apuestas.size());
        ApuestasReducidas.ReDim(1, 2 * nb, 1, 7);
        for (Long par = 0; par < 2; ++par)
            for (Long b = 0; b < nb; ++b) {
                auto numeros = apuestas[static_cast<std::size_t>(b)];
                std::sort(numeros.begin(), numeros.end());
                for (int c = 0; c < 5; ++c) ApuestasReducidas(par * nb + b + 1, c + 1) = numeros[static_cast<std::size_t>(c)];
                ApuestasReducidas(par * nb + b + 1, 6) = static_cast<Byte>(1 + par);
                ApuestasReducidas(par * nb + b + 1, 7) = 9;
            }
        f.lblApuestasReducidas->SetCaption(QString::number(nb));
        f.lblTOTALReducidasAUX->SetCaption(QString::number(2 * nb));
    }

    Mascara MascaraApuesta(const std::vector<Byte>& numeros) const {
        Mascara m = 0;
        for (Byte n : numeros)
            for (int p = 1; p <= N; ++p)
                if (kBase[p - 1] == n) m |= Mascara{1} << (p - 1);
        return m;
    }
    // Plain count of level k over the k-subsets of the base lying in a system combination
    // (every one when sistema is null).
    ResultadoNivel Referencia(int k, const std::vector<Mascara>* sistema) const {
        ResultadoNivel r;
        r.nivel = k;
        int minimo = 9;
        for (Mascara s = 1; s < (Mascara{1} << N); ++s) {
            if (std::popcount(s) != k) continue;
            if (sistema && std::none_of(sistema->begin(), sistema->end(), [s](Mascara c) { return (c & s) == s; }))
                continue;
            int mejor = 0;
            for (const auto& a : apuestas) mejor = std::max(mejor, std::popcount(MascaraApuesta(a) & s));
            ++r.escenarios;
            ++r.porAciertos[static_cast<std::size_t>(mejor)];
            minimo = std::min(minimo, mejor);
        }
        r.garantia = minimo;
        return r;
    }
    void ComprobarNiveles(const frmGarantiasTOTAL& g, const std::vector<Mascara>* sistema) const {
        for (int k = 1; k <= 5; ++k) {
            const ResultadoNivel esperado = Referencia(k, sistema);
            const ResultadoNivel& r = g.Resultados[static_cast<std::size_t>(k)];
            EXPECT_TRUE(r.completo) << k;
            EXPECT_EQ(r.escenarios, esperado.escenarios) << k;
            EXPECT_EQ(r.garantia, esperado.garantia) << k;
            EXPECT_EQ(r.porAciertos, esperado.porAciertos) << k;
        }
    }
    std::string Leer(const std::string& nombre) const {
        QFile fichero(QString::fromStdString(guion.carpeta + "/" + nombre));
        if (!fichero.open(QIODevice::ReadOnly)) return {};
        return fichero.readAll().toStdString();
    }
};

TEST_F(VentanaGarantias, CadaNivelSobreElCondicionadoYLuegoSobreElTotal) {
    guion.alMostrar["frmGarantiasTOTAL"] = [this](Ventana& v) {
        auto& g = static_cast<frmGarantiasTOTAL&>(v);
        EXPECT_TRUE(g.optSistema[1]->isChecked()) << "the conditioned system comes first";
        EXPECT_FALSE(g.optSistema[2]->isEnabled()) << "nothing imported";
        ComprobarNiveles(g, &condicionadas);
        // The table: level 5 on top, its guarantee and the share with at least that many hits.
        const ResultadoNivel esperado5 = Referencia(5, &condicionadas);
        EXPECT_EQ(g.grdGarantias->item(0, 0)->text(), QStringLiteral("si 5"));
        EXPECT_EQ(g.grdGarantias->item(0, 2)->text(), QStringLiteral("%1 aciertos").arg(esperado5.garantia));
        EXPECT_EQ(g.grdGarantias->item(4, 3)->text(), QStringLiteral("-")) << "si 1 cannot reach 5 hits";
        EXPECT_EQ(g.grdGarantias->item(4, 7)->text(), QStringLiteral("100,00 %"));
        EXPECT_TRUE(TodasCombinaciones.Vacia()) << "erased after use";
        EXPECT_EQ(TotalCombinaciones, 56);

        g.optSistema[0]->SetValue(true);
        g.cmdCalcular_Click();
        ComprobarNiveles(g, nullptr);
        EXPECT_EQ(g.Resultados[5].escenarios, 56);

        g.grdGarantias->selectRow(frmGarantiasTOTAL::FilaDeNivel(3));
        g.cmdInforme_Click();
        // Without a viewer the box says where the report is.
        guion.visorArranca = false;
        g.cmdInforme_Click();
        EXPECT_EQ(guion.UltimoMensaje(),
                  modInformeTexto::MensajeVisorNoIniciado(guion.carpeta + "/TORNAVENTURA_GARANTIAS_si3.txt"));
        g.imgVolver_Click();
    };
    f.menuGarantias_Click();
    ASSERT_EQ(guion.modalesMostrados, (std::vector<std::string>{"frmGarantiasTOTAL"}));
    ASSERT_EQ(guion.ficherosMostrados.size(), 2u);
    EXPECT_EQ(guion.ficherosMostrados[0], guion.carpeta + "/TORNAVENTURA_GARANTIAS_si3.txt");
    for (int k = 1; k <= 5; ++k) {
        const std::string texto = Leer("TORNAVENTURA_GARANTIAS_si" + std::to_string(k) + ".txt");
        EXPECT_NE(texto.find("GARANT\xCD" "AS Y PORCENTAJES\r\n"), std::string::npos) << "Latin-1, CR LF";
        EXPECT_NE(texto.find("Sistema : Total"), std::string::npos);
        EXPECT_NE(texto.find("Apuestas analizadas : 3 (con estrellas : 6)"), std::string::npos);
    }
}

TEST_F(VentanaGarantias, ElSistemaImportadoCuandoLoHay) {
    // Two imported bets (numbers): their k-subsets are the scenarios.
    TotalImportadas = 2;
    ApuestasImportadas.ReDim(1, 2, 1, 5);
    const Byte imp[2][5] = {{2, 5, 9, 13, 18}, {9, 18, 24, 31, 40}};
    std::vector<Mascara> sistema;
    for (int i = 0; i < 2; ++i) {
        for (int c = 0; c < 5; ++c) ApuestasImportadas(i + 1, c + 1) = imp[i][c];
        sistema.push_back(MascaraApuesta(std::vector<Byte>(imp[i], imp[i] + 5)));
    }
    guion.alMostrar["frmGarantiasTOTAL"] = [&](Ventana& v) {
        auto& g = static_cast<frmGarantiasTOTAL&>(v);
        ASSERT_TRUE(g.optSistema[2]->isEnabled());
        g.optSistema[2]->SetValue(true);
        g.cmdCalcular_Click();
        ComprobarNiveles(g, &sistema);
        EXPECT_EQ(g.Resultados[5].escenarios, 2);
    };
    f.menuGarantias_Click();
}

TEST_F(VentanaGarantias, DetenerDejaResultadosParcialesYSinInformes) {
    // A larger base so that the work yields many times.
    TotalNumerosBase = 20;
    CombinacionBase.ReDim(1, 20);
    for (int p = 1; p <= 20; ++p) CombinacionBase(p) = static_cast<Byte>(p * 2);
    for (Long i = 1; i <= ApuestasReducidas.UBound1(); ++i)
        for (int c = 1; c <= 5; ++c) ApuestasReducidas(i, c) = static_cast<Byte>(2 * (c + i % 3));
    ApuestasCondicionadas.Erase();
    int cesiones = 0;
    bool cierreRechazado = false;
    guion.alCederControl = [&] {
        auto* ventana = VentanaAbierta<frmGarantiasTOTAL>("frmGarantiasTOTAL");
        if (!ventana || !ventana->Calculando) return;
        if (++cesiones == 5) cierreRechazado = !ventana->Descargar(MotivoCierre::Usuario);
        // Generating the 15,504 scenarios yields 31 times; stop among the scenarios.
        if (cesiones == 45) ventana->cmdDetener_Click();
    };
    guion.alMostrar["frmGarantiasTOTAL"] = [&](Ventana& v) {
        auto& g = static_cast<frmGarantiasTOTAL&>(v);
        EXPECT_TRUE(g.optSistema[0]->isChecked()) << "no conditioned system: the total one";
        EXPECT_FALSE(g.Resultados[5].completo);
        EXPECT_GT(g.Resultados[5].escenarios, 0);
        EXPECT_LT(g.Resultados[5].escenarios, 15504);
        EXPECT_EQ(g.Resultados[4].nivel, 0) << "the levels after the stop are not computed";
        EXPECT_TRUE(g.grdGarantias->item(0, 1)->text().endsWith(QStringLiteral(" *")));
        EXPECT_TRUE(TodasCombinaciones.Vacia());
        g.cmdInforme_Click();
        EXPECT_TRUE(guion.ficherosMostrados.empty());
        EXPECT_EQ(guion.UltimoMensaje(), "AVISO: EL NIVEL si 5 NO SE HA CALCULADO");
    };
    // The window opens itself on the first activation.
    f.menuGarantias_Click();
    EXPECT_TRUE(cierreRechazado) << "the close box waits for the stop";
    EXPECT_TRUE(Leer("TORNAVENTURA_GARANTIAS_si5.txt").empty());
}

TEST_F(VentanaGarantias, DetenerMientrasSeGeneranLosEscenariosLibraLaTabla) {
    guion.alCederControl = [&] {
        if (auto* v = VentanaAbierta<frmGarantiasTOTAL>("frmGarantiasTOTAL"); v && v->Calculando) v->cmdDetener_Click();
    };
    guion.alMostrar["frmGarantiasTOTAL"] = [&](Ventana& v) {
        auto& g = static_cast<frmGarantiasTOTAL&>(v);
        EXPECT_FALSE(g.Calculando);
        EXPECT_EQ(g.Resultados[5].nivel, 0);
        EXPECT_TRUE(TodasCombinaciones.Vacia());
        EXPECT_TRUE(g.cmdCalcular->isEnabled());
    };
    f.menuGarantias_Click();
}

TEST_F(VentanaGarantias, UnCalculoRechazadoDespuesNoCambiaLaBaseDeLasApuestas) {
    // A calculation refused for too few marked numbers leaves their count behind.
    f.lblNumero_Click(0);
    f.lblNumero_Click(1);
    f.lblEstrella_Click(0);
    f.lblEstrella_Click(1);
    f.Calcular();
    ASSERT_EQ(guion.UltimoMensaje(), "AVISO: DEBE SELECCIONAR MINIMO 5 NUMEROS");
    ASSERT_EQ(TotalNumerosBase, 2);
    guion.alMostrar["frmGarantiasTOTAL"] = [this](Ventana& v) {
        auto& g = static_cast<frmGarantiasTOTAL&>(v);
        g.optSistema[0]->SetValue(true);
        g.cmdCalcular_Click();
        ComprobarNiveles(g, nullptr);
    };
    f.lblApuestasReducidas->SetCaption(QStringLiteral("3"));
    f.menuGarantias_Click();
    EXPECT_EQ(guion.mensajes.size(), 1u) << guion.UltimoMensaje();
    EXPECT_EQ(TotalNumerosBase, 2) << "put back";
}

TEST_F(VentanaGarantias, SinApuestasNoSeAbre) {
    f.lblApuestasReducidas->SetCaption(QStringLiteral("0"));
    f.menuGarantias_Click();
    EXPECT_TRUE(guion.modalesMostrados.empty());
    EXPECT_EQ(guion.UltimoMensaje(), "ERROR: No hay apuestas generadas");
}

}  // namespace
