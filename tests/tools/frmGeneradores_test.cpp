#include <gtest/gtest.h>

#include <set>

#include "AyudaHerramientas.h"
#include "support/LectorEUR.h"
#include "support/PlataformaGuion.h"
#include "tools/frmGeneradorApuestas.h"
#include "tools/frmGeneradorApuestasXPorcentaje.h"
#include "tools/modGeneradores.h"

using namespace modGeneral;
using namespace Herramientas;
using namespace RejillaNumeros;

namespace {

// Every bet of the file: five numbers ascending from the allowed ones, the given stars, and no
// two bets alike.
void ComprobarApuestas(const FicheroEUR& f, const std::set<int>& permitidos, Byte e1, Byte e2) {
    std::set<std::array<std::uint8_t, 5>> vistas;
    for (const auto& a : f.apuestas) {
        for (int c = 0; c < 5; ++c) {
            EXPECT_TRUE(permitidos.count(a[static_cast<std::size_t>(c)]))
                << static_cast<int>(a[static_cast<std::size_t>(c)]);
            if (c > 0) { EXPECT_LT(a[static_cast<std::size_t>(c - 1)], a[static_cast<std::size_t>(c)]); }
        }
        EXPECT_EQ(a[5], e1);
        EXPECT_EQ(a[6], e2);
        EXPECT_TRUE(vistas.insert({a[0], a[1], a[2], a[3], a[4]}).second) << "repetida";
    }
}

void Escribir(CajaTexto* caja, const std::string& texto) {
    caja->SetText(QString());
    for (char c : texto) caja->Teclear(static_cast<unsigned char>(c));
}

}  // namespace

TEST(modGeneradores, ElRangoDaLaCombinacionLexicografica) {
    const std::vector<Byte> numeros = {2, 4, 6, 8, 10, 12, 14};
    Byte a[5];
    modGeneradores::CombinacionDeRango(numeros, 0, a);
    EXPECT_EQ(std::vector<Byte>(a, a + 5), (std::vector<Byte>{2, 4, 6, 8, 10}));
    modGeneradores::CombinacionDeRango(numeros, 20, a);
    EXPECT_EQ(std::vector<Byte>(a, a + 5), (std::vector<Byte>{6, 8, 10, 12, 14}));
    std::vector<Byte> todos;
    for (int i = 1; i <= 50; ++i) todos.push_back(static_cast<Byte>(i));
    modGeneradores::CombinacionDeRango(todos, MaximoCombinaciones - 1, a);
    EXPECT_EQ(std::vector<Byte>(a, a + 5), (std::vector<Byte>{46, 47, 48, 49, 50}));
    modGeneradores::CombinacionDeRango(todos, 45, a);   // rank 45 = {1,2,3,4,50}
    EXPECT_EQ(a[4], 50);
}

TEST(frmGeneradorApuestas, RechazaConAvisosClarosYNoPideFichero) {
    PlataformaGuion g;
    frmGeneradorApuestas w;
    w.Cargar();
    w.cmdGenerar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: DEBE SELECCIONAR MINIMO 5 NUMEROS");
    for (int i = 0; i < 6; ++i) w.lblNumero_Click(i);
    w.cmdGenerar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: DEBE SELECCIONAR 2 ESTRELLAS");
    w.lblEstrella_Click(2);
    w.lblEstrella_Click(7);
    w.lblEstrella_Click(9);  // a third star is refused
    EXPECT_EQ(g.pitidos, 1);
    w.cmdGenerar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: INDIQUE CUANTAS APUESTAS DESEA GENERAR");
    Escribir(w.txtApuestas, "7");
    EXPECT_EQ(w.ApuestasPosibles(), 6);
    w.cmdGenerar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: CON 6 NUMEROS SE PUEDEN GENERAR ENTRE 1 Y 6 APUESTAS DIFERENTES");
    Escribir(w.txtApuestas, "0");
    w.cmdGenerar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: CON 6 NUMEROS SE PUEDEN GENERAR ENTRE 1 Y 6 APUESTAS DIFERENTES");
    for (const auto& m : g.mensajes) EXPECT_EQ(m.estilo, EstiloMensaje::Exclamacion);
    EXPECT_TRUE(g.peticiones.empty());
}

TEST(frmGeneradorApuestas, LaCajaSoloAdmiteCifras) {
    PlataformaGuion g;
    frmGeneradorApuestas w;
    w.Cargar();
    Escribir(w.txtApuestas, "1a2-3 ");
    EXPECT_EQ(w.txtApuestas->Text(), QStringLiteral("123"));
    EXPECT_EQ(g.pitidos, 3);
    w.txtApuestas->Teclear(13);   // Enter is refused too
    EXPECT_EQ(g.pitidos, 4);
    w.txtApuestas->Teclear(8);
    EXPECT_EQ(w.txtApuestas->Text(), QStringLiteral("12"));
}

TEST(frmGeneradorApuestas, TodasLasApuestasPosiblesSinRepetirYElFicheroEUR) {
    PlataformaGuion g;
    frmGeneradorApuestas w;
    w.Cargar();
    const std::set<int> marcados = {4, 9, 17, 23, 31, 42, 50};
    for (int n : marcados) w.lblNumero_Click(n - 1);
    w.lblEstrella_Click(2);
    w.lblEstrella_Click(10);
    Escribir(w.txtApuestas, "21");  // every combination of 7 numbers
    g.dialogos.push_back(Eleccion(g.carpeta + "/azar.txt"));
    w.cmdGenerar_Click();
    ASSERT_EQ(g.peticiones.size(), 1u);
    EXPECT_EQ(g.peticiones[0].titulo, "Guardar Combinaci\xC3\xB3n");
    EXPECT_TRUE(g.peticiones[0].guardar);
    EXPECT_EQ(g.peticiones[0].filtros[0].second, "*.EUR");
    EXPECT_EQ(NombreFichero, g.carpeta + "/azar.EUR");
    const FicheroEUR f = LeerFicheroEUR(g.carpeta + "/azar.EUR");
    ASSERT_TRUE(f.leido) << f.error;
    EXPECT_EQ(f.cabecera, "04091723314250+0311");
    EXPECT_EQ(f.numApuestas, 21);
    ComprobarApuestas(f, marcados, 3, 11);
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
    EXPECT_TRUE(Orden.Vacio());
    EXPECT_FALSE(w.Ocupado);
    EXPECT_NE(w.lblEstado->Caption().toStdString().find("21 apuestas guardadas en azar.EUR"), std::string::npos);
}

TEST(frmGeneradorApuestas, MuchasApuestasDeCincuentaNumerosCedenYNoSeRepiten) {
    PlataformaGuion g;
    frmGeneradorApuestas w;
    w.Cargar();
    std::set<int> todos;
    for (int n = 1; n <= 50; ++n) {
        todos.insert(n);
        w.lblNumero_Click(n - 1);
    }
    w.lblEstrella_Click(0);
    w.lblEstrella_Click(1);
    Escribir(w.txtApuestas, "20000");
    g.dialogos.push_back(Eleccion(g.carpeta + "/muchas"));
    w.cmdGenerar_Click();
    const FicheroEUR f = LeerFicheroEUR(g.carpeta + "/muchas.EUR");
    ASSERT_TRUE(f.leido) << f.error;
    EXPECT_EQ(f.numApuestas, 20000);
    ComprobarApuestas(f, todos, 1, 2);
    EXPECT_GE(g.cesiones, 20000 / 500);
}

TEST(frmGeneradorApuestas, CancelarElDialogoNoEscribeNada) {
    PlataformaGuion g;
    frmGeneradorApuestas w;
    w.Cargar();
    for (int i = 0; i < 5; ++i) w.lblNumero_Click(i);
    w.lblEstrella_Click(0);
    w.lblEstrella_Click(1);
    Escribir(w.txtApuestas, "1");
    w.cmdGenerar_Click();
    EXPECT_EQ(g.peticiones.size(), 1u);
    EXPECT_TRUE(g.mensajes.empty());
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
}

TEST(frmGeneradorApuestasXPorcentaje, RechazaPorcentajesImposiblesYCuentasMalas) {
    PlataformaGuion g;
    frmGeneradorApuestasXPorcentaje w;
    w.Cargar();
    w.cmdGenerar_Click();
    EXPECT_NE(g.UltimoMensaje().find("NO SE PUEDE FORMAR NINGUNA APUESTA"), std::string::npos);
    for (int i = 0; i < 4; ++i) Escribir(w.txtPorcentaje[static_cast<std::size_t>(i)], "30");
    Escribir(w.txtPorcentaje[20], "0");
    w.cmdGenerar_Click();
    EXPECT_NE(g.UltimoMensaje().find("MINIMO 5 NUMEROS"), std::string::npos);
    Escribir(w.txtPorcentaje[20], "101");
    w.cmdGenerar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: EL PORCENTAJE DEL NUMERO 21 HA DE ESTAR ENTRE 0 Y 100");
    Escribir(w.txtPorcentaje[20], "5");
    EXPECT_EQ(w.ApuestasPosibles(), 1);
    w.cmdGenerar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: DEBE SELECCIONAR 2 ESTRELLAS");
    w.lblEstrella_Click(4);
    w.lblEstrella_Click(5);
    w.cmdGenerar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: INDIQUE CUANTAS APUESTAS DESEA GENERAR");
    Escribir(w.txtApuestas, "2");
    w.cmdGenerar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: CON 5 NUMEROS SE PUEDEN GENERAR ENTRE 1 Y 1 APUESTA DIFERENTE");
    EXPECT_TRUE(g.peticiones.empty());
    // The percentage boxes filter keys too.
    Escribir(w.txtPorcentaje[0], "4x");
    EXPECT_EQ(w.txtPorcentaje[0]->Text(), QStringLiteral("4"));
}

TEST(frmGeneradorApuestasXPorcentaje, ApuestasDistintasSoloConNumerosConPorcentaje) {
    PlataformaGuion g;
    frmGeneradorApuestasXPorcentaje w;
    w.Cargar();
    const std::set<int> conPorcentaje = {2, 7, 11, 19, 28, 33, 40, 45, 49};
    int i = 0;
    for (int n : conPorcentaje) Escribir(w.txtPorcentaje[static_cast<std::size_t>(n - 1)], std::to_string(10 + 10 * (i++ % 9)));
    w.lblEstrella_Click(11);
    w.lblEstrella_Click(0);
    EXPECT_EQ(w.ApuestasPosibles(), 126);
    Escribir(w.txtApuestas, "126");   // all of them: the last ones are the least likely
    g.dialogos.push_back(Eleccion(g.carpeta + "/porcentajes.EUR"));
    w.cmdGenerar_Click();
    const FicheroEUR f = LeerFicheroEUR(g.carpeta + "/porcentajes.EUR");
    ASSERT_TRUE(f.leido) << f.error << g.UltimoMensaje();
    EXPECT_EQ(f.numApuestas, 126);
    EXPECT_EQ(f.cabecera, "020711192833404549+0112");
    ComprobarApuestas(f, conPorcentaje, 1, 12);
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
}

TEST(modGeneradores, LosPorcentajesAltosSalenMas) {
    int p[51] = {};
    for (int n = 1; n <= 10; ++n) p[n] = n <= 5 ? 100 : 10;
    PlataformaGuion g;
    const Long hechas = modGeneradores::GenerarApuestasPorPorcentaje(p, 1, 2, 200, [&g] { return g.Rnd(); });
    ASSERT_EQ(hechas, 200);
    long altos = 0, bajos = 0;
    for (Long b = 1; b <= hechas; ++b)
        for (int c = 1; c <= 5; ++c) (ApuestasGrabacion(b, c) <= 5 ? altos : bajos)++;
    EXPECT_GT(altos, bajos);
    ApuestasGrabacion.Erase();
}

TEST(modGeneradores, LosPorcentajesQueNoDanMasApuestasDistintasTerminan) {
    // Five numbers give a single bet: asked for two, the generator stops at its bound of
    // attempts instead of drawing for ever.
    int p[51] = {};
    for (int n : {4, 8, 15, 16, 23}) p[n] = 50;
    PlataformaGuion g;
    EXPECT_EQ(modGeneradores::GenerarApuestasPorPorcentaje(p, 1, 2, 2, [&g] { return g.Rnd(); }), 1);
    EXPECT_EQ(ApuestasGrabacion(1, 1), 4);
    EXPECT_EQ(ApuestasGrabacion(1, 5), 23);
    ApuestasGrabacion.Erase();
}
