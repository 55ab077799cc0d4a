// The distances window: loading (also values only a base file can hold), keys that activate
// row 2, the close check in its order with nothing stored on a refusal, and a calculation with
// what the window stored.
#include <gtest/gtest.h>

#include "filters/AyudaFiltros.h"
#include "filters/AyudaVentanas.h"
#include "filters/frmFiltroDISTANCIAS.h"
#include "filters/modFiltros.h"

namespace {

using namespace modGeneral;

class Distancias : public ayuda::PruebaVentanaFiltro {
protected:
    // The ten variables, minima first, pairs 1-2, 2-3, 3-4, 4-5, 1-5.
    static std::array<Integer, 10> Variables() {
        return {Distancia12Minima, Distancia23Minima, Distancia34Minima, Distancia45Minima, Distancia15Minima,
                Distancia12Maxima, Distancia23Maxima, Distancia34Maxima, Distancia45Maxima, Distancia15Maxima};
    }
    static std::array<CajaTexto*, 10> Cajas(const frmFiltroDISTANCIAS& w) {
        return {w.txtDistancia12Min, w.txtDistancia23Min, w.txtDistancia34Min, w.txtDistancia45Min,
                w.txtDistancia15Min, w.txtDistancia12Max, w.txtDistancia23Max, w.txtDistancia34Max,
                w.txtDistancia45Max, w.txtDistancia15Max};
    }
    static void Escribir(CajaTexto* c, const char* texto) {
        c->selectAll();
        c->Teclear(8);
        for (const char* p = texto; *p; ++p) c->Teclear(static_cast<unsigned char>(*p));
    }
};

TEST_F(Distancias, CargaLasDiezYSinTocarNadaNoCambiaNada) {
    Distancia12Minima = 1;
    Distancia12Maxima = 9;
    Distancia23Maxima = 12;
    // Only a base file can hold these.
    Distancia45Maxima = 150;
    Distancia15Minima = -5;
    Distancia15Maxima = 30;
    const auto antes = Variables();
    frmFiltroDISTANCIAS w(lista);
    w.Cargar();
    const char* textos[10] = {"1", "0", "0", "0", "-5", "9", "12", "0", "150", "30"};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(Cajas(w)[static_cast<std::size_t>(i)]->text().toStdString(), textos[i]) << i;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("DISTANCIAS"));
    EXPECT_EQ(w.lbl12->text(), QStringLiteral("Números 1 y 2 :         -"));
    EXPECT_EQ(w.lb45->text(), QStringLiteral("Números 4 y 5 :         -"));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("General (números del 1 al 5) :         -"));
    EXPECT_EQ(w.Label2->text(), QStringLiteral("Min.    Máx."));
    EXPECT_FALSE(w.MuestraImagenActiva());
    EXPECT_TRUE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_EQ(Variables(), antes);
    EXPECT_FALSE(Activa(2));
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(Distancias, CadaTeclaActivaTambienLaRechazada) {
    frmFiltroDISTANCIAS w(lista);
    w.Cargar();
    w.txtDistancia23Max->Teclear('a');
    EXPECT_EQ(w.txtDistancia23Max->text(), QStringLiteral("0"));
    EXPECT_EQ(guion.pitidos, 1);
    EXPECT_TRUE(Activa(2));
    EXPECT_TRUE(w.MuestraImagenActiva());

    w.imgActivar_Click();
    ASSERT_FALSE(Activa(2));
    w.txtDistancia23Max->Teclear('7');
    EXPECT_EQ(w.txtDistancia23Max->text(), QStringLiteral("07"));
    EXPECT_TRUE(Activa(2));
    w.txtDistancia23Max->Teclear('1');   // two characters at most
    EXPECT_EQ(w.txtDistancia23Max->text(), QStringLiteral("07"));
    EXPECT_EQ(Distancia23Maxima, 0) << "nothing is stored before the close";

    EXPECT_TRUE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_EQ(Distancia23Maxima, 7);
    frmFiltroDISTANCIAS w2(lista);
    w2.Cargar();
    EXPECT_EQ(w2.txtDistancia23Max->text(), QStringLiteral("7"));
}

TEST_F(Distancias, ElCierreCompruebaEnOrdenYNoGuardaNadaSiFalla) {
    Distancia34Maxima = 20;
    frmFiltroDISTANCIAS w(lista);
    w.Cargar();
    Escribir(w.txtDistancia12Min, "3");
    Escribir(w.txtDistancia12Max, "5");
    Escribir(w.txtDistancia45Max, "");
    Escribir(w.txtDistancia15Min, " ");   // blanks only count as empty
    const auto antes = Variables();

    EXPECT_FALSE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_EQ(Errores().back(), "ERROR: algún valor de distancia mínima esta en blanco");
    EXPECT_EQ(guion.mensajes.back().titulo, "TORNAVENTURA");
    Escribir(w.txtDistancia15Min, "30");
    w.imgVolver_Click();
    EXPECT_EQ(Errores().back(), "ERROR: algún valor de distancia máxima esta en blanco");
    Escribir(w.txtDistancia45Max, "4");
    Escribir(w.txtDistancia23Min, "9");
    Escribir(w.txtDistancia23Max, "4");
    Escribir(w.txtDistancia15Max, "20");
    w.imgVolver_Click();
    EXPECT_EQ(Errores().back(), "ERROR: La distancia máxima debe ser mayor que la mínima(números 2 y 3)");
    Escribir(w.txtDistancia23Max, "9");   // equal passes
    w.imgVolver_Click();
    EXPECT_EQ(Errores().back(),
              "ERROR: La distancia máxima debe ser mayor que la mínima(números del 1 al 5)");
    Escribir(w.txtDistancia12Max, "2");
    w.imgVolver_Click();
    EXPECT_EQ(Errores().back(), "ERROR: La distancia máxima debe ser mayor que la mínima(números 1 y 2)");
    Escribir(w.txtDistancia12Max, "5");
    EXPECT_EQ(Errores().size(), 5u);
    EXPECT_TRUE(w.Cargada());
    EXPECT_EQ(Variables(), antes) << "a refused close stores none of the ten";
    EXPECT_EQ(w.txtDistancia23Min->text(), QStringLiteral("9")) << "the boxes keep what was typed";

    Escribir(w.txtDistancia15Max, "40");
    w.imgVolver_Click();
    EXPECT_FALSE(w.Cargada());
    const std::array<Integer, 10> guardadas = {3, 9, 0, 0, 30, 5, 9, 20, 4, 40};
    EXPECT_EQ(Variables(), guardadas);
}

TEST_F(Distancias, UnTextoPegadoQueNoEsNumeroSeRechazaNombrandoLaCaja) {
    Distancia34Minima = 2;
    Distancia34Maxima = 6;
    frmFiltroDISTANCIAS w(lista);
    w.Cargar();
    w.txtDistancia34Max->setText(QStringLiteral("x9"));   // pasted: no key filter
    w.txtDistancia12Min->setText(QStringLiteral("1"));
    w.txtDistancia12Max->setText(QStringLiteral("4"));
    EXPECT_FALSE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_EQ(Errores().back(), "ERROR: el valor de distancia máxima (números 3 y 4) no es un número entero");
    EXPECT_EQ(Distancia34Maxima, 6);
    EXPECT_EQ(Distancia12Minima, 0) << "nothing is stored while one box is refused";
    w.txtDistancia15Min->setText(QStringLiteral("+3"));
    w.imgVolver_Click();
    EXPECT_EQ(Errores().back(), "ERROR: el valor de distancia mínima (números del 1 al 5) no es un número entero");
    w.txtDistancia15Min->setText(QStringLiteral(" 3"));
    w.txtDistancia15Max->setText(QStringLiteral("40"));
    w.txtDistancia34Max->setText(QStringLiteral("9 "));
    w.imgVolver_Click();
    EXPECT_FALSE(w.Cargada());
    EXPECT_EQ(Distancia15Minima, 3);
    EXPECT_EQ(Distancia34Maxima, 9);
    EXPECT_EQ(Distancia12Minima, 1);
}

TEST_F(Distancias, TodoACeroPasaYNoRestringe) {
    frmFiltroDISTANCIAS w(lista);
    w.Cargar();
    w.txtDistancia12Min->Teclear(8);
    w.txtDistancia12Min->Teclear('0');
    EXPECT_TRUE(w.Descargar(MotivoCierre::Usuario));
    EXPECT_TRUE(Activa(2));
    ayuda::PrepararBase({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(modFiltros::FiltrarDistancias(5), 0);
}

TEST_F(Distancias, ElCalculoQuitaLoQueDiceElEvaluador) {
    frmFiltroDISTANCIAS w(lista);
    w.Cargar();
    // 1-2 between 2 and 9; 1-5 at most 30 (minimum 0: active).
    Escribir(w.txtDistancia12Min, "2");
    Escribir(w.txtDistancia12Max, "9");
    Escribir(w.txtDistancia15Max, "30");
    ASSERT_TRUE(w.Descargar(MotivoCierre::Usuario));

    const std::vector<int> numeros = {1, 3, 4, 9, 14, 18, 25, 31, 33, 40, 47, 50};
    ayuda::PrepararBase(numeros);
    const Long quitadas = modFiltros::FiltrarDistancias(5);
    Long esperadas = 0;
    for (Long c = 1; c <= TotalCombinaciones; ++c) {
        const auto x = ayuda::NumerosDeFila(c);
        const int d12 = x[1] - x[0], d15 = x[4] - x[0];
        esperadas += d12 < 2 || d12 > 9 || d15 > 30;
    }
    EXPECT_EQ(quitadas, esperadas);
    EXPECT_GT(quitadas, 0);
}

}  // namespace
