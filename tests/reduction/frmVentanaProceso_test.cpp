// The reduction window driven headless through the main window's calculation: what it leaves
// for the calculation (the bets, the counters), its buttons, the stop, the close box and the
// state it frees.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "main/PrincipalPrueba.h"
#include "main/frmPrincipal.h"
#include "reduction/frmVentanaProceso.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;

namespace {

frmVentanaProceso* VentanaProcesoAbierta() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<frmVentanaProceso*>(w); v && v->Cargada()) return v;
    return nullptr;
}

using Mascara = std::uint64_t;

class VentanaProceso : public ConPrincipal<> {
protected:
    std::string C(const Etiqueta* l) const { return l->Caption().toStdString(); }
    void Base(int numeros, int estrellas) {
        for (int n = 1; n <= numeros; ++n) f.lblNumero_Click(n - 1);
        for (int e = 1; e <= estrellas; ++e) f.lblEstrella_Click(e - 1);
    }
    void ActivarFila(int fila) {
        f.lstFiltros->SetListIndex(fila);
        f.lstFiltros_MouseDown(BotonDerecho, 0, 0, 0);
    }
    void Reducir(int tipo, int porcentaje = 100) {
        Reduccion.Tipo = static_cast<Integer>(tipo);
        Reduccion.Porcentaje = static_cast<Integer>(porcentaje);
        Reduccion.ActivarCiclos = 0;
        ActivarFila(frmPrincipal::FilaReduccion);
    }
    // The conditioned combinations (as numbers) covered by the bets of ApuestasReducidas
    // rows 1..n at guarantee g, counted plainly.
    static Long Cubiertas(Long n, int g) {
        std::vector<Mascara> apuestas;
        for (Long i = 1; i <= n; ++i) {
            Mascara m = 0;
            for (int c = 1; c <= 5; ++c) m |= Mascara{1} << ApuestasReducidas(i, c);
            apuestas.push_back(m);
        }
        Long cubiertas = 0;
        for (Long r = 1; r <= ApuestasCondicionadas.UBound1(); ++r) {
            Mascara s = 0;
            for (int c = 1; c <= 5; ++c) s |= Mascara{1} << CombinacionBase(ApuestasCondicionadas(r, c));
            cubiertas += std::any_of(apuestas.begin(), apuestas.end(),
                                     [&](Mascara a) { return std::popcount(a & s) >= g; });
        }
        return cubiertas;
    }
};

TEST_F(VentanaProceso, DejaLasApuestasYLosContadoresQueUsaElCalculo) {
    Base(11, 3);
    Reducir(2);  // al 3
    Long n = 0;
    guion.alMostrar["frmVentanaProceso"] = [&](Ventana& v) {
        auto& p = static_cast<frmVentanaProceso&>(v);
        EXPECT_EQ(p.lblSistema->text(), QStringLiteral("Sistema : En directo"));
        EXPECT_EQ(p.lblCondicionadas->text(), QStringLiteral("Combinaciones condicionadas : 462"));
        EXPECT_EQ(p.Ejecuciones, 1) << "the activation ran the reduction";
        EXPECT_FALSE(p.Calculando);
        n = CLng(LeerCuenta(C(f.lblApuestasReducidas)));
        ASSERT_GT(n, 0);
        EXPECT_EQ(static_cast<Long>(p.Resultado.Apuestas.size()), n);
        EXPECT_EQ(C(f.lblTOTALReducidasAUX), FormatoMiles(3.0 * n)) << "n times the star pairs";
        ASSERT_GE(ApuestasReducidas.UBound1(), n);
        for (Long i = 1; i <= n; ++i)
            for (int c = 1; c <= 5; ++c) {
                EXPECT_GE(ApuestasReducidas(i, c), 1);
                EXPECT_LE(ApuestasReducidas(i, c), 11);
                if (c > 1) {
                    EXPECT_LT(ApuestasReducidas(i, c - 1), ApuestasReducidas(i, c)) << "ascending";
                }
            }
        EXPECT_EQ(p.Resultado.Escenarios, 462);
        EXPECT_EQ(p.Resultado.Cubiertos, 462);
        EXPECT_EQ(Cubiertas(n, 3), 462) << "every combination keeps 3 hits";
        EXPECT_TRUE(p.imgCalculoDefinitivo->isEnabled());
        p.imgVolver_Click();
    };
    f.lblMenu_Click(4);
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(guion.modalesMostrados, (std::vector<std::string>{"frmVentanaProceso"}));
    EXPECT_TRUE(Eliminadas.Vacio()) << "freed when the window unloads";
    // Back without saving: the stars are added, nothing is written.
    EXPECT_EQ(C(f.lblApuestasReducidas), FormatoMiles(n));
    EXPECT_EQ(ApuestasReducidas.UBound1(), 3 * n);
    EXPECT_EQ(ApuestasReducidas.UBound2(), 7);
    EXPECT_TRUE(guion.peticiones.empty());
}

TEST_F(VentanaProceso, UnaSolaApuestaSeDiceEnSingular) {
    Base(6, 2);
    Reducir(1);  // al 4, to one bet
    Reduccion.ModoNuApuestas = true;
    Reduccion.NuApuestas = 1;
    QString textos;
    guion.alMostrar["frmVentanaProceso"] = [&](Ventana& v) {
        auto& p = static_cast<frmVentanaProceso&>(v);
        textos = p.lblObjetivo->text() + '|' + p.lblMejor->text() + '|' + p.lblResultado->text();
    };
    f.lblMenu_Click(4);
    EXPECT_TRUE(textos.startsWith(QStringLiteral("Objetivo : 1 apuesta|Mejor resultado : 1 apuesta, cobertura ")))
        << textos.toStdString();
    EXPECT_TRUE(textos.contains(QStringLiteral("|1 apuesta\ncubre "))) << textos.toStdString();
}

TEST_F(VentanaProceso, RepetirDetenerYLaCajaDeCierreMientrasCalcula) {
    Base(20, 2);
    Reducir(1);  // al 4 over 15,504 combinations, in cycles until stopped
    Reduccion.ActivarCiclos = 1;
    int cesiones = 0;
    bool cierreRechazado = false, volverMientras = false, progresoVisto = false;
    guion.alCederControl = [&] {
        frmVentanaProceso* p = VentanaProcesoAbierta();
        if (!p || !p->Calculando) return;
        ++cesiones;
        // Live progress: the phase, the bets chosen so far and the bar.
        const QString fase = p->lblFase->text();
        if ((fase == QStringLiteral("Eligiendo apuestas ...") || fase == QStringLiteral("Mejorando el resultado ...")) &&
            p->prgProgreso->value() > 0 && p->lblApuestasElegidas->text() != QStringLiteral("Apuestas elegidas : 0")) {
            progresoVisto = true;
            EXPECT_TRUE(p->lblFinPrevisto->text().startsWith(QStringLiteral("Fin previsto : ")));
        }
        if (cesiones == 3) {
            // While it runs: the time, the cycles done and how to end it; the close refused
            // makes that line stand out.
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^Tiempo : \\d+:\\d\\d$")).match(p->lblTiempo->text()).hasMatch())
                << p->lblTiempo->text().toStdString();
            EXPECT_TRUE(p->lblCiclo->text().startsWith(QStringLiteral("Ciclos completados : ")));
            EXPECT_EQ(p->lblAviso->text(),
                      QStringLiteral("\"Detener\" termina el cálculo y conserva el mejor resultado encontrado"));
            EXPECT_FALSE(p->lblAviso->styleSheet().contains(QStringLiteral("bold")));
            cierreRechazado = !p->Descargar(MotivoCierre::Usuario);
            EXPECT_TRUE(p->lblAviso->styleSheet().contains(QStringLiteral("bold")));
            p->imgVolver_Click();
            volverMientras = p->Cargada();
            EXPECT_TRUE(p->imgDetener->isEnabled());
            EXPECT_FALSE(p->imgCalculoDefinitivo->isEnabled());
        }
        if (cesiones >= 8 && progresoVisto) p->imgDetener_Click();
    };
    guion.alMostrar["frmVentanaProceso"] = [&](Ventana& v) {
        auto& p = static_cast<frmVentanaProceso&>(v);
        EXPECT_TRUE(p.Resultado.Detenido);
        EXPECT_FALSE(p.Calculando);
        EXPECT_TRUE(p.lblAviso->text().isEmpty());
        EXPECT_TRUE(p.lblFinPrevisto->text().isEmpty());
        const Long n = CLng(LeerCuenta(C(f.lblApuestasReducidas)));
        EXPECT_EQ(static_cast<Long>(p.Resultado.Apuestas.size()), n);
        if (n > 0) {
            EXPECT_EQ(Cubiertas(n, 4), p.Resultado.Cubiertos) << "the best result found stays";
        }
        // Run again, to the end this time.
        guion.alCederControl = {};
        Reduccion.ActivarCiclos = 0;
        p.imgRepetir_Click();
        EXPECT_EQ(p.Ejecuciones, 2);
        EXPECT_FALSE(p.Resultado.Detenido);
        EXPECT_EQ(p.Resultado.Cubiertos, 15504);
        EXPECT_EQ(Cubiertas(static_cast<Long>(p.Resultado.Apuestas.size()), 4), 15504);
        p.imgVolver_Click();
    };
    f.lblMenu_Click(4);
    EXPECT_TRUE(cierreRechazado);
    EXPECT_TRUE(volverMientras) << "the back button waits for the stop";
    EXPECT_TRUE(progresoVisto);
}

// Cycles run to their end (once more by "Repetir" if asked): per run, at each yield, the bar,
// the end line and the cycles line.
struct Vista {
    int barra;
    QString fin, ciclos;
};
class VentanaProcesoCiclos : public VentanaProceso {
protected:
    std::vector<std::vector<Vista>> Ejecutar(bool repetir) {
        Base(15, 2);
        Reducir(2);  // al 3 over 3,003 combinations
        Reduccion.ActivarCiclos = 1;
        std::vector<std::vector<Vista>> vistas;
        guion.alCederControl = [&] {
            frmVentanaProceso* p = VentanaProcesoAbierta();
            if (!p || !p->Calculando) return;
            vistas.resize(static_cast<std::size_t>(p->Ejecuciones));
            vistas.back().push_back({p->prgProgreso->value(), p->lblFinPrevisto->text(), p->lblCiclo->text()});
        };
        guion.alMostrar["frmVentanaProceso"] = [&](Ventana& v) {
            if (repetir) static_cast<frmVentanaProceso&>(v).imgRepetir_Click();
        };
        f.lblMenu_Click(4);
        return vistas;
    }
};

// The bar never moves back and each run starts it at 0. The expected end holds only while no
// better result comes: the line says so whenever it gives a time. Until a cycle's length is
// known it gives none (no cycle is done then), and once it gives one it never goes back.
TEST_F(VentanaProcesoCiclos, LaBarraNuncaRetrocedeYElFinPrevistoDiceQueSupone) {
    const auto vistas = Ejecutar(true);
    ASSERT_EQ(vistas.size(), 2u);
    const QString calculando = QStringLiteral("Fin previsto : calculando ...");
    for (const auto& v : vistas) {
        EXPECT_EQ(v.at(0).barra, 0);
        EXPECT_TRUE(std::is_sorted(v.begin(), v.end(), [](const Vista& a, const Vista& b) { return a.barra < b.barra; }));
        std::vector<QString> textos;
        for (const Vista& x : v) {
            if (x.fin.isEmpty()) continue;
            textos.push_back(x.fin);
            if (x.fin == calculando) EXPECT_EQ(x.ciclos, QStringLiteral("Ciclos completados : 0"));
            else EXPECT_TRUE(x.fin.endsWith(QStringLiteral(", si no se encuentra un resultado mejor"))) << x.fin.toStdString();
        }
        ASSERT_FALSE(textos.empty());
        EXPECT_TRUE(std::is_partitioned(textos.begin(), textos.end(), [&](const QString& t) { return t == calculando; }));
        EXPECT_NE(textos.back(), calculando) << "the last call, at the end, gives a time";
    }
}

// Rounded to the nearest second under a minute and a half, to the nearest minute under an
// hour and a half.
TEST(VentanaProcesoFinPrevisto, RedondeaAlSegundoYAlMinutoMasCercanos) {
    const std::string si = ", si no se encuentra un resultado mejor";
    const std::vector<std::pair<double, std::string>> casos = {
        {-1, "calculando ..."}, {1.49, "en un momento" + si},
        {1.5, "dentro de unos 2 s" + si}, {4.4, "dentro de unos 4 s" + si}, {4.6, "dentro de unos 5 s" + si},
        {89.4, "dentro de unos 89 s" + si}, {90, "dentro de unos 2 min" + si}, {149, "dentro de unos 2 min" + si},
        {151, "dentro de unos 3 min" + si}, {5369, "dentro de unos 89 min" + si}, {5370, "dentro de unas 1,5 h" + si},
    };
    for (const auto& [segundos, texto] : casos)
        EXPECT_EQ(frmVentanaProceso::TextoFinPrevisto(segundos).toStdString(), "Fin previsto : " + texto) << segundos;
}

TEST_F(VentanaProceso, GarantiasNoRepiteLaReduccionYCalculoDefinitivoGuarda) {
    Base(9, 2);
    Reducir(3);  // al 2
    guion.alMostrar["frmGarantiasTOTAL"] = [](Ventana&) {};
    guion.alMostrar["frmVentanaProceso"] = [&](Ventana& v) {
        auto& p = static_cast<frmVentanaProceso&>(v);
        p.imgGarantias_Click();
        EXPECT_EQ(p.Ejecuciones, 1) << "coming back from its guarantees window runs nothing";
        EXPECT_TRUE(p.Cargada());
        p.imgCalculoDefinitivo_Click();
        EXPECT_FALSE(p.Cargada());
        EXPECT_EQ(f.chkGuardarAutomaticamente->Value(), 1);
    };
    guion.dialogos.push_back(Eleccion(guion.carpeta + "/reducido.EUR"));
    f.lblMenu_Click(4);
    EXPECT_EQ(guion.modalesMostrados, (std::vector<std::string>{"frmVentanaProceso", "frmGarantiasTOTAL"}));
    ASSERT_EQ(guion.peticiones.size(), 1u) << "the calculation saved the bets";
    EXPECT_EQ(f.chkGuardarAutomaticamente->Value(), 0);
    EXPECT_TRUE(BaseGuardada);
}

TEST_F(VentanaProceso, DesdeArchivoReduceLasApuestasImportadasQueQuedan) {
    // What an import leaves: its numbers marked, the bets, the file's name.
    Base(10, 2);
    const Long m = 120;
    ApuestasImportadas.ReDim(1, m, 1, 5);
    TotalImportadas = m;
    TotalNumerosBase = 10;
    GenerarCombinaciones(5, 5);   // the first 120 combinations of 1..10 as the file's bets
    for (Long i = 1; i <= m; ++i)
        for (int c = 1; c <= 5; ++c) ApuestasImportadas(i, c) = TodasCombinaciones(i, c);
    f.txtFicheroASCII->SetText(QStringLiteral("importado.txt"));
    f.cboTipoCombinacion->setCurrentIndex(2);
    Reducir(1);
    guion.alMostrar["frmVentanaProceso"] = [&](Ventana& v) {
        auto& p = static_cast<frmVentanaProceso&>(v);
        EXPECT_EQ(p.lblSistema->text(), QStringLiteral("Sistema : Importado"));
        EXPECT_EQ(p.lblCondicionadas->text(), QStringLiteral("Combinaciones condicionadas : 120"));
        EXPECT_FALSE(SistemaDirecto);
        EXPECT_EQ(TotalCombinaciones, m);
        EXPECT_EQ(p.Resultado.Escenarios, m);
        EXPECT_EQ(p.Resultado.Cubiertos, m);
        const Long n = static_cast<Long>(p.Resultado.Apuestas.size());
        EXPECT_LT(n, m);
        EXPECT_EQ(Cubiertas(n, 4), m);
    };
    f.Calcular();
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(guion.modalesMostrados, (std::vector<std::string>{"frmVentanaProceso"}));
}

TEST_F(VentanaProceso, ConLaCasillaMarcadaSeCierraAlTerminar) {
    Base(8, 2);
    Reducir(1);
    f.chkGuardarAutomaticamente->SetValue(1);
    bool abierta = true;
    guion.alMostrar["frmVentanaProceso"] = [&](Ventana&) { abierta = true; };
    abierta = false;
    f.Calcular();
    EXPECT_FALSE(abierta) << "closed by its activation, before anyone could look";
    EXPECT_GT(LeerCuenta(C(f.lblApuestasReducidas)), 0);
}

}  // namespace
