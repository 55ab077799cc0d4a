// A filtered system reduced through the calculation and saved with "Cálculo Definitivo": the
// bets read back from the .EUR file cover what the reduction window said they cover.
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "main/frmPrincipal.h"
#include "reduction/frmAnalisis.h"
#include "reduction/frmGarantiasTOTAL.h"
#include "reduction/frmVentanaProceso.h"
#include "support/DatosIniciales.h"
#include "support/LectorEUR.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;

namespace {

using Mascara = std::uint64_t;

Mascara MascaraNumeros(const std::uint8_t* numeros) {
    Mascara m = 0;
    for (int c = 0; c < 5; ++c) m |= Mascara{1} << numeros[c];
    return m;
}

using ReduccionDesdeElCalculo = DatosIniciales;

TEST_F(ReduccionDesdeElCalculo, SistemaFiltradoReducidoYGuardado) {
    PlataformaGuion guion;
    frmPrincipal f;
    f.Cargar();
    const std::vector<int> base = {2, 5, 8, 13, 17, 21, 26, 30, 34, 39, 44, 47, 50};
    for (int n : base) f.lblNumero_Click(n - 1);
    for (int e : {3, 6, 10}) f.lblEstrella_Click(e - 1);
    // Even/odd: two or three even numbers.
    ParesActivos(2) = 1;
    ParesActivos(3) = 1;
    for (int fila : {5, frmPrincipal::FilaReduccion}) {
        f.lstFiltros->SetListIndex(fila);
        f.lstFiltros_MouseDown(BotonDerecho, 0, 0, 0);
    }
    Reduccion.Tipo = 2;          // al 3
    Reduccion.Porcentaje = 95;
    Reduccion.ActivarCiclos = 0;

    Long escenarios = 0, cubiertos = 0, apuestas = 0;
    guion.alMostrar["frmVentanaProceso"] = [&](Ventana& v) {
        auto& p = static_cast<frmVentanaProceso&>(v);
        escenarios = p.Resultado.Escenarios;
        cubiertos = p.Resultado.Cubiertos;
        apuestas = static_cast<Long>(p.Resultado.Apuestas.size());
        EXPECT_TRUE(p.lblResultado->text().contains(QString::fromStdString(FormatoMiles(cubiertos))));
        p.imgCalculoDefinitivo_Click();
    };
    const std::string ruta = guion.carpeta + "/reducido.EUR";
    guion.dialogos.push_back(Eleccion(ruta));
    f.lblMenu_Click(4);
    ASSERT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();

    // The conditioned system the window worked on.
    std::vector<Mascara> condicionadas;
    for (Long r = 1; r <= ApuestasCondicionadas.UBound1(); ++r) {
        std::uint8_t n[5];
        for (int c = 1; c <= 5; ++c) n[c - 1] = CombinacionBase(ApuestasCondicionadas(r, c));
        condicionadas.push_back(MascaraNumeros(n));
    }
    ASSERT_LT(condicionadas.size(), 1287u) << "the filter removed some";
    EXPECT_EQ(escenarios, static_cast<Long>(condicionadas.size()));
    EXPECT_GE(cubiertos * 100, escenarios * 95) << "the target was reached";
    EXPECT_GT(apuestas, 0);
    EXPECT_LT(apuestas, escenarios);

    const FicheroEUR leido = LeerFicheroEUR(ruta);
    ASSERT_TRUE(leido.leido) << leido.error;
    EXPECT_EQ(leido.numApuestas, 3 * apuestas) << "three star pairs";
    std::set<Mascara> numeros;
    for (const auto& a : leido.apuestas) {
        numeros.insert(MascaraNumeros(a.data()));
        for (int c = 0; c < 5; ++c) EXPECT_TRUE(std::count(base.begin(), base.end(), a[static_cast<std::size_t>(c)]));
    }
    EXPECT_EQ(static_cast<Long>(numeros.size()), apuestas);
    Long cubiertasLeidas = 0;
    for (Mascara s : condicionadas)
        cubiertasLeidas += std::any_of(numeros.begin(), numeros.end(), [s](Mascara a) { return std::popcount(a & s) >= 3; });
    EXPECT_EQ(cubiertasLeidas, cubiertos);
    EXPECT_TRUE(BaseGuardada);

    // The guarantees of the same bets: at level 5 over the conditioned system, the share with
    // at least 3 hits is the coverage the reduction window reported.
    guion.alMostrar["frmGarantiasTOTAL"] = [&](Ventana& v) {
        auto& g = static_cast<frmGarantiasTOTAL&>(v);
        ASSERT_EQ(g.SistemaElegido(), modGarantias::SistemaEscenarios::Condicionado);
        const auto& r = g.Resultados[5];
        ASSERT_TRUE(r.completo);
        EXPECT_EQ(r.escenarios, escenarios);
        EXPECT_EQ(r.porAciertos[3] + r.porAciertos[4] + r.porAciertos[5], cubiertos);
    };
    f.menuGarantias_Click();
    // The analysis counts every saved bet: five numbers and two stars each.
    guion.alMostrar["frmAnalisis"] = [&](Ventana& v) {
        auto& a = static_cast<frmAnalisis&>(v);
        EXPECT_EQ(a.Frecuencias.apuestas, 3 * apuestas);
        Long numeros = 0, estrellas = 0;
        for (Long c : a.Frecuencias.numeros) numeros += c;
        for (Long c : a.Frecuencias.estrellas) estrellas += c;
        EXPECT_EQ(numeros, 15 * apuestas);
        EXPECT_EQ(estrellas, 6 * apuestas);
        EXPECT_EQ(a.Frecuencias.estrellas[3], 2 * apuestas) << "star 3 is in two of the three pairs";
    };
    f.lblMenu_Click(5);
    EXPECT_EQ(guion.modalesMostrados,
              (std::vector<std::string>{"frmVentanaProceso", "frmGarantiasTOTAL", "frmAnalisis"}));
    EXPECT_EQ(guion.mensajes.size(), 0u) << guion.UltimoMensaje();
}

}  // namespace
