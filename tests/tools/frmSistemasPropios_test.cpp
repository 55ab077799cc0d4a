#include <gtest/gtest.h>

#include "AyudaHerramientas.h"
#include "support/LectorEUR.h"
#include "support/PlataformaGuion.h"
#include "tools/frmSistemasPropios.h"

using namespace modGeneral;
using namespace Herramientas;
using namespace RejillaNumeros;

namespace {

// An origin system on the numbers 1..7 with stars 1 and 2 (a text file, blank-separated).
const char* const SistemaOrigen =
    "01 02 03 04 05 01 02\r\n"
    "01 02 03 06 07 01 02\r\n"
    "03 04 05 06 07 02 01\r\n"
    "02 04 05 06 07 01 02\r\n";

VistaPrincipal VistaConBase(const std::string& nombre) {
    VistaPrincipal v;
    v.NombreFicheroBase = [nombre] { return nombre; };
    return v;
}

}  // namespace

TEST(frmSistemasPropios, ElSistemaImportadoPasaALosNumerosElegidos) {
    PlataformaGuion g;
    ayuda::EscribirTexto(g.carpeta + "/origen.txt", SistemaOrigen);
    frmSistemasPropios w(VistaConBase("mi base.xml"));
    w.Cargar();
    g.dialogos.push_back(Eleccion(g.carpeta + "/origen.txt", 1));
    w.cmdDesdeFichero_Click();
    ASSERT_EQ(w.TotalApuestas, 4) << g.UltimoMensaje();
    // The import's own dialog.
    EXPECT_EQ(g.peticiones[0].titulo, "Abrir Fichero");
    EXPECT_EQ(g.peticiones[0].indiceFiltro, 2);
    EXPECT_EQ(w.NumerosOrigen, (std::vector<Byte>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(w.EstrellasOrigen, (std::vector<Byte>{1, 2}));

    // Destination: 7 numbers and 2 stars.
    const std::vector<int> destino = {5, 12, 19, 26, 33, 40, 47};
    for (int n : destino) w.lblNumero_Click(n - 1);
    w.lblEstrella_Click(8);
    w.lblEstrella_Click(10);
    EXPECT_EQ(w.lstCorrespondencia->List(0), QStringLiteral("01 → 05"));
    EXPECT_EQ(w.lstCorrespondencia->List(6), QStringLiteral("07 → 47"));

    g.dialogos.push_back(Eleccion(g.carpeta + "/propio.txt"));
    w.cmdGuardar_Click();
    ASSERT_EQ(g.peticiones.size(), 2u);
    EXPECT_EQ(g.peticiones[1].titulo, "Guardar Combinaci\xC3\xB3n");
    EXPECT_EQ(g.peticiones[1].nombrePropuesto, "mi base.EUR");
    const FicheroEUR f = LeerFicheroEUR(g.carpeta + "/propio.EUR");
    ASSERT_TRUE(f.leido) << f.error << g.UltimoMensaje();
    EXPECT_EQ(f.cabecera, "05121926334047+0911");
    ASSERT_EQ(f.numApuestas, 4);
    EXPECT_EQ(f.textos[0], "05,12,19,26,33+09,11");
    EXPECT_EQ(f.textos[1], "05,12,19,40,47+09,11");
    EXPECT_EQ(f.textos[2], "19,26,33,40,47+11,09");   // the stars keep their order
    EXPECT_EQ(f.textos[3], "12,26,33,40,47+09,11");
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
}

TEST(frmSistemasPropios, SinEstrellasMarcadasConservaLasDeOrigen) {
    PlataformaGuion g;
    Tabla<Byte> t = ayuda::ApuestasAlAzar(300, 8);
    ASSERT_TRUE(ayuda::EscribirEUR(g.carpeta + "/origen.EUR", t, 300));
    frmSistemasPropios w;
    w.Cargar();
    g.dialogos.push_back(Eleccion(g.carpeta + "/origen.EUR"));
    w.cmdDesdeFichero_Click();
    ASSERT_EQ(w.TotalApuestas, 300);
    // So many random bets use every number: onto all 50 the bets come back as they were.
    ASSERT_EQ(w.NumerosOrigen.size(), 50u);
    for (int n = 1; n <= 50; ++n) w.lblNumero_Click(n - 1);
    g.dialogos.push_back(Eleccion(g.carpeta + "/copia"));
    w.cmdGuardar_Click();
    EXPECT_TRUE(g.peticiones.back().nombrePropuesto.empty());   // no base name to propose
    const FicheroEUR f = LeerFicheroEUR(g.carpeta + "/copia.EUR");
    ASSERT_TRUE(f.leido) << f.error;
    ASSERT_EQ(f.numApuestas, 300);
    for (Long b = 1; b <= 300; ++b)
        for (int c = 1; c <= 7; ++c) EXPECT_EQ(f.apuestas[static_cast<std::size_t>(b - 1)][static_cast<std::size_t>(c - 1)], t(b, c));
}

TEST(frmSistemasPropios, RechazaDestinosQueNoCorresponden) {
    PlataformaGuion g;
    ayuda::EscribirTexto(g.carpeta + "/origen.txt", SistemaOrigen);
    frmSistemasPropios w;
    w.Cargar();
    w.cmdGuardar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: IMPORTE PRIMERO EL SISTEMA DE ORIGEN");
    g.dialogos.push_back(Eleccion(g.carpeta + "/origen.txt"));
    w.cmdDesdeFichero_Click();
    for (int n = 1; n <= 6; ++n) w.lblNumero_Click(n - 1);
    w.cmdGuardar_Click();
    EXPECT_EQ(g.UltimoMensaje(),
              "AVISO: EL SISTEMA DE ORIGEN USA 7 NUMEROS: MARQUE 7 NUMEROS DE DESTINO (HAY 6 MARCADOS)");
    w.lblNumero_Click(9);
    w.lblEstrella_Click(0);
    w.cmdGuardar_Click();
    EXPECT_EQ(g.UltimoMensaje(),
              "AVISO: EL SISTEMA DE ORIGEN USA 2 ESTRELLAS: MARQUE 2 ESTRELLAS DE DESTINO O NINGUNA PARA CONSERVARLAS");
    EXPECT_EQ(g.peticiones.size(), 1u);   // only the import's dialog
}

TEST(frmSistemasPropios, UnFicheroRechazadoNoCambiaElSistema) {
    PlataformaGuion g;
    ayuda::EscribirTexto(g.carpeta + "/origen.txt", SistemaOrigen);
    ayuda::EscribirTexto(g.carpeta + "/malo.txt", "01 02 03 04 55 01 02\r\n");
    frmSistemasPropios w;
    w.Cargar();
    g.dialogos.push_back(Eleccion(g.carpeta + "/origen.txt"));
    w.cmdDesdeFichero_Click();
    g.dialogos.push_back(Eleccion(g.carpeta + "/malo.txt"));
    w.cmdDesdeFichero_Click();
    ASSERT_FALSE(g.mensajes.empty());
    EXPECT_EQ(g.mensajes.back().estilo, EstiloMensaje::Critico);
    EXPECT_NE(g.UltimoMensaje().find("Apuestas con n\xC3\xBAmeros fuera del intervalo 1-50 (Apuesta 1)"),
              std::string::npos)
        << g.UltimoMensaje();
    EXPECT_EQ(w.TotalApuestas, 4);
    EXPECT_EQ(w.NumerosOrigen.size(), 7u);
}
