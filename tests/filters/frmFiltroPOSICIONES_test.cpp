// The ball-positions window: grids enabled by the base, numbers outside the base dropped from
// all five balls on opening, marks written at once and activating row 9, closes without a
// check, and a calculation with what the window stored.
#include <gtest/gtest.h>

#include "filters/AyudaFiltros.h"
#include "filters/AyudaRejillas.h"
#include "filters/frmFiltroPOSICIONES.h"
#include "filters/modFiltros.h"
#include "support/Raton.h"

namespace {

using namespace modGeneral;
using V = std::vector<int>;

class Posiciones : public ayuda::PruebaVentanaRejillas {};

TEST_F(Posiciones, CargaHabilitaLaBaseYQuitaDeLasCincoBolasLoDemas) {
    MarcarBase({2, 11, 29, 36, 47});
    Poner(PosicionesNumeros, 1, {2, 3});
    Poner(PosicionesNumeros, 3, {29, 30, 50});
    Poner(PosicionesNumeros, 5, {1});
    frmFiltroPOSICIONES w(lista, base);
    w.Cargar();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("POSICIONES"));
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(Habilitados(w.Rejilla(p)), (V{2, 11, 29, 36, 47})) << p;
        EXPECT_EQ(w.lblTitBola[static_cast<std::size_t>(p)]->text(), QStringLiteral("BOLA %1").arg(p + 1));
        EXPECT_EQ(w.imgININumeros[static_cast<std::size_t>(p)]->toolTip(), QStringLiteral("Inicializa esta bola"));
    }
    EXPECT_EQ(Numeros(PosicionesNumeros, 1), (V{2}));
    EXPECT_EQ(Numeros(PosicionesNumeros, 3), (V{29}));
    EXPECT_TRUE(Numeros(PosicionesNumeros, 5).empty());
    EXPECT_EQ(Marcados(w.lblNumero_G3), (V{29}));
    EXPECT_TRUE(Marcados(w.lblNumero_G5).empty());
    EXPECT_FALSE(Activa(9));
    // Nothing is checked on closing, from the close box either.
    EXPECT_TRUE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_FALSE(Activa(9));
}

TEST_F(Posiciones, SinBaseNadaSeHabilitaYLasBolasQuedanVacias) {
    for (int p = 1; p <= 5; ++p) Poner(PosicionesNumeros, p, {p, 40});
    frmFiltroPOSICIONES w(lista, base);
    w.Cargar();
    for (int p = 0; p < 5; ++p) EXPECT_TRUE(Habilitados(w.Rejilla(p)).empty());
    for (int p = 1; p <= 5; ++p) EXPECT_TRUE(Numeros(PosicionesNumeros, p).empty());
    PulsarRaton(w.lblNumero_G4[39]);
    EXPECT_FALSE(Activa(9));
}

TEST_F(Posiciones, MarcasYLimpiezasSeEscribenEnseguidaYActivan) {
    MarcarBase({5, 6, 7, 8, 9, 10});
    PonerActiva(9);
    frmFiltroPOSICIONES w(lista, base);
    w.Cargar();
    EXPECT_TRUE(w.MuestraImagenActiva());
    w.imgActivar_Click();
    ASSERT_FALSE(Activa(9));

    PulsarRaton(w.lblNumero_G2[6]);
    EXPECT_EQ(Numeros(PosicionesNumeros, 2), (V{7}));
    EXPECT_TRUE(Activa(9));
    // One number in several balls.
    w.lblNumero_Click(0, 6);
    w.lblNumero_Click(2, 6);
    w.lblNumero_Click(2, 9);
    EXPECT_EQ(Numeros(PosicionesNumeros, 1), (V{7}));
    EXPECT_EQ(Numeros(PosicionesNumeros, 3), (V{7, 10}));
    w.imgActivar_Click();
    w.lblNumero_Click(2, 6);   // removing a mark activates too
    EXPECT_EQ(Numeros(PosicionesNumeros, 3), (V{10}));
    EXPECT_TRUE(Activa(9));

    w.imgActivar_Click();
    w.imgININumeros_Click(2);
    EXPECT_TRUE(Numeros(PosicionesNumeros, 3).empty());
    EXPECT_TRUE(Marcados(w.lblNumero_G3).empty());
    EXPECT_EQ(Numeros(PosicionesNumeros, 2), (V{7}));
    EXPECT_TRUE(Activa(9));
    w.imgActivar_Click();
    w.imgININumeros_Click(2);   // already empty: still activates
    EXPECT_TRUE(Activa(9));
    w.imgVolver_Click();
    EXPECT_FALSE(w.Cargada());
}

TEST_F(Posiciones, ElCalculoQuitaLoQueDiceElEvaluador) {
    const std::vector<int> numeros = {1, 4, 9, 16, 25, 36, 45, 46, 48, 50};
    MarcarBase({1, 4, 9, 16, 25, 36, 45, 46, 48, 50});
    frmFiltroPOSICIONES w(lista, base);
    w.Cargar();
    // Ball 1 is 1 or 4; ball 5 is 45 or more.
    w.lblNumero_Click(0, 0);
    w.lblNumero_Click(0, 3);
    for (int n : {45, 46, 48, 50}) w.lblNumero_Click(4, n - 1);
    w.imgVolver_Click();
    ASSERT_TRUE(Activa(9));

    ayuda::PrepararBase(numeros);
    const Long quitadas = modFiltros::FiltrarPosiciones(5);
    Long esperadas = 0;
    for (Long c = 1; c <= TotalCombinaciones; ++c) {
        const auto x = ayuda::NumerosDeFila(c);
        esperadas += !((x[0] == 1 || x[0] == 4) && x[4] >= 45);
    }
    EXPECT_EQ(quitadas, esperadas);
    EXPECT_GT(quitadas, 0);
}

}  // namespace
