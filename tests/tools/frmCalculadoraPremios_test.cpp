#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "AyudaHerramientas.h"
#include "support/FicherosPrueba.h"
#include "support/PlataformaGuion.h"
#include "tools/frmCalculadoraPremios.h"

using namespace modGeneral;
using namespace Herramientas;
using namespace RejillaNumeros;

namespace {

void Escribir(CajaTexto* caja, const std::string& texto) {
    caja->SetText(QString());
    for (char c : texto) caja->Teclear(static_cast<unsigned char>(c));
}

// A draw typed into the window: year, number, combination and two prizes.
void Rellenar(frmCalculadoraPremios& w) {
    Escribir(w.txtAnio, "2026");
    Escribir(w.txtNumeroSorteo, "45");
    for (int n : {3, 17, 25, 40, 48}) w.lblNumero_Click(n - 1);
    for (int e : {2, 11}) w.lblEstrella_Click(e - 1);
    w.lstCategorias->SetListIndex(0);
    Escribir(w.txtCalculadoraEuros, "17.000.000");
    w.lstCategorias->SetListIndex(12);
    Escribir(w.txtCalculadoraEuros, "3,95");
}

}  // namespace

TEST(frmCalculadoraPremios, LasCajasFiltranSusTeclas) {
    PlataformaGuion g;
    frmCalculadoraPremios w;
    w.Cargar();
    Escribir(w.txtAnio, "20a26");
    EXPECT_EQ(w.txtAnio->Text(), QStringLiteral("2026"));
    Escribir(w.txtNumeroSorteo, "4.5");
    EXPECT_EQ(w.txtNumeroSorteo->Text(), QStringLiteral("45"));
    Escribir(w.txtCalculadoraPremios, "1,2");
    EXPECT_EQ(w.txtCalculadoraPremios->Text(), QStringLiteral("12"));
    EXPECT_EQ(g.pitidos, 3);
    Escribir(w.txtCalculadoraEuros, "1.234,5,6e");
    EXPECT_EQ(w.txtCalculadoraEuros->Text(), QStringLiteral("1.234,56"));
    EXPECT_EQ(g.pitidos, 5);   // the second comma and the letter
}

TEST(frmCalculadoraPremios, LosPremiosEscritosAManoSeSumanYSeInforman) {
    PlataformaGuion g;
    frmCalculadoraPremios w;
    w.Cargar();
    w.lstCategorias->SetListIndex(4);
    Escribir(w.txtCalculadoraPremios, "2");
    Escribir(w.txtCalculadoraEuros, "150,25");
    w.lstCategorias->SetListIndex(12);
    Escribir(w.txtCalculadoraPremios, "10");
    Escribir(w.txtCalculadoraEuros, "3,9");
    EXPECT_EQ(w.TotalCentimos(), 2 * 15025 + 10 * 390);
    EXPECT_EQ(w.lblTotal->Caption(), QStringLiteral("TOTAL GANADO: 339,50 €"));
    // The boxes follow the selected category.
    w.lstCategorias->SetListIndex(4);
    EXPECT_EQ(w.txtCalculadoraPremios->Text(), QStringLiteral("2"));
    EXPECT_EQ(w.txtCalculadoraEuros->Text(), QStringLiteral("150,25"));
    EXPECT_NE(w.lstCategorias->List(4).indexOf(QStringLiteral("150,25")), -1);

    ASSERT_TRUE(w.cmdCalcular_Click());   // no draw is needed for prizes typed by hand
    ASSERT_EQ(g.ficherosMostrados.size(), 1u);
    EXPECT_EQ(g.ficherosMostrados[0], g.carpeta + "/TORNAVENTURA_TEMP.txt");
    const std::string informe = ayuda::LeerTexto(g.ficherosMostrados[0]);
    EXPECT_NE(informe.find("TOTAL GANADO: 339,50 euros\r\n"), std::string::npos);
    EXPECT_NE(informe.find("4+1            2              150,25              300,50"), std::string::npos) << informe;
    EXPECT_NE(informe.find("5\xAA"), std::string::npos);   // Latin-1 on disk
}

TEST(frmCalculadoraPremios, ElFicheroDePremiosSeGuardaYSeLeeIgual) {
    PlataformaGuion g;
    const std::string ruta = g.carpeta + "/sorteo";
    {
        frmCalculadoraPremios w;
        w.Cargar();
        Rellenar(w);
        g.dialogos.push_back(Eleccion(ruta));
        w.cmdGuardarPremios_Click();
        ASSERT_EQ(g.peticiones.size(), 1u);
        EXPECT_EQ(g.peticiones[0].titulo, "Guardar Fichero de Premios");
        EXPECT_EQ(g.peticiones[0].nombrePropuesto, "Premios 2026-45.xml");
        EXPECT_TRUE(g.mensajes.empty()) << g.UltimoMensaje();
    }
    frmCalculadoraPremios w;
    w.Cargar();
    g.dialogos.push_back(Eleccion(ruta + ".xml"));
    w.cmdAbrirPremios_Click();
    EXPECT_EQ(g.peticiones.back().titulo, "Abrir Fichero de Premios");
    EXPECT_FALSE(g.peticiones.back().guardar);
    EXPECT_TRUE(g.mensajes.empty()) << g.UltimoMensaje();
    EXPECT_EQ(w.txtAnio->Text(), QStringLiteral("2026"));
    EXPECT_EQ(w.txtNumeroSorteo->Text(), QStringLiteral("45"));
    EXPECT_EQ(ValoresMarcados(w.lblNumero), (std::vector<Byte>{3, 17, 25, 40, 48}));
    EXPECT_EQ(ValoresMarcados(w.lblEstrella), (std::vector<Byte>{2, 11}));
    EXPECT_EQ(w.Sorteo.centimos[0], 1700000000LL);
    EXPECT_EQ(w.Sorteo.centimos[12], 395);
    EXPECT_EQ(w.Sorteo.centimos[5], 0);
}

TEST(frmCalculadoraPremios, GuardarPideElSorteoCompleto) {
    PlataformaGuion g;
    frmCalculadoraPremios w;
    w.Cargar();
    w.cmdGuardarPremios_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: EL A\xC3\x91O DEL SORTEO HA DE ESTAR ENTRE 1900 Y 2999");
    Escribir(w.txtAnio, "2026");
    w.cmdGuardarPremios_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: EL N\xC3\x9AMERO DEL SORTEO HA DE ESTAR ENTRE 1 Y 999");
    Escribir(w.txtNumeroSorteo, "12");
    w.cmdGuardarPremios_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: MARQUE LA COMBINACION GANADORA (5 NUMEROS Y 2 ESTRELLAS)");
    EXPECT_TRUE(g.peticiones.empty());
}

TEST(frmCalculadoraPremios, UnFicheroDePremiosMaloNoCambiaLaVentana) {
    PlataformaGuion g;
    frmCalculadoraPremios w;
    w.Cargar();
    Rellenar(w);
    const std::string carpeta = g.carpeta + "/carpeta.xml", tuberia = g.carpeta + "/tuberia.xml";
    std::filesystem::create_directory(carpeta);
    CrearTuberia(tuberia);  // opened the usual way, it would hold the window for good
    std::string entidades = "<!DOCTYPE PREMIOS [<!ENTITY e \"" + std::string(4000, '9') + "\">]><PREMIOS><Sorteo anio='";
    while (entidades.size() < 60000) entidades += "&e;";
    entidades += "'/></PREMIOS>";
    const std::string prefijo = "ERROR AL ABRIR EL FICHERO DE PREMIOS (";
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"<PREMIOS><Sorteo anio='2026' numero='1'/></PREMIOS>", "falta la combinaci\xC3\xB3n ganadora"},
        {"basura \x01\x02", ""},
        {"", ""},
        {entidades, "XML no v\xC3\xA1lido: El documento XML declara una DTD o entidades"},
        {carpeta, "no se puede abrir el fichero: Es una carpeta, no un archivo"},
        {tuberia, "no se puede abrir el fichero: No es un archivo normal (es un dispositivo o una tuber\xC3\xAD" "a)"},
    };
    for (const auto& [contenido, motivo] : casos) {
        std::string ruta = contenido;
        if (contenido != carpeta && contenido != tuberia) {
            ruta = g.carpeta + "/malo.xml";
            ayuda::EscribirTexto(ruta, contenido);
        }
        g.dialogos.push_back(Eleccion(ruta));
        w.cmdAbrirPremios_Click();
        EXPECT_EQ(g.mensajes.back().estilo, EstiloMensaje::Critico);
        EXPECT_EQ(g.UltimoMensaje().rfind(prefijo, 0), 0u) << g.UltimoMensaje();
        if (!motivo.empty()) {
            EXPECT_EQ(g.UltimoMensaje(), prefijo + motivo + ")");
        }
        EXPECT_EQ(w.txtAnio->Text(), QStringLiteral("2026"));
        EXPECT_EQ(ValoresMarcados(w.lblNumero), (std::vector<Byte>{3, 17, 25, 40, 48}));
        EXPECT_EQ(w.Sorteo.centimos[0], 1700000000LL);
    }
}

// The prize file and the window's report when they cannot be written: the old file stays,
// the message names the failure, and the window still saves.
TEST(frmCalculadoraPremios, LoQueNoSePuedeEscribirLoDiceYNoPierdeNada) {
    PlataformaGuion g;
    DiscoLleno disco;
    frmCalculadoraPremios w;
    w.Cargar();
    Rellenar(w);
    const std::string lleno = disco.Carpeta() + "/sorteo.xml";
    g.dialogos.push_back(Eleccion(lleno));
    w.cmdGuardarPremios_Click();
    const std::string antiguo = ayuda::LeerTexto(lleno);
    ASSERT_FALSE(antiguo.empty()) << g.UltimoMensaje();
    g.carpeta = disco.Carpeta();
    ASSERT_TRUE(w.cmdCalcular_Click());
    const std::string informe = ayuda::LeerTexto(disco.Carpeta() + "/" + frmCalculadoraPremios::NombreInforme);
    disco.Llenar();

    const std::string tuberia = disco.Carpeta() + "/tuberia.xml";
    CrearTuberia(tuberia);
    const std::string guardar = "ERROR AL GUARDAR EL FICHERO DE PREMIOS (";
    for (const auto& [ruta, mensaje] : std::vector<std::pair<std::string, std::string>>{
             {lleno, guardar + LlenoConservado + ")"},
             {tuberia, guardar + "No es un archivo normal (es un dispositivo o una tuber\xC3\xAD" "a))"},
             {disco.Carpeta() + "/no/existe/sorteo.xml", guardar + "No se encontr\xC3\xB3 la ruta de acceso)"}}) {
        if (ruta == lleno) disco.Llenar();
        g.dialogos.push_back(Eleccion(ruta));
        w.cmdGuardarPremios_Click();
        EXPECT_EQ(g.UltimoMensaje(), mensaje);
    }
    EXPECT_EQ(ayuda::LeerTexto(lleno), antiguo);
    EXPECT_TRUE(EsTuberia(tuberia));

    disco.Llenar();
    EXPECT_FALSE(w.cmdCalcular_Click());
    EXPECT_EQ(g.UltimoMensaje(), "ERROR AL GUARDAR EL INFORME (" + LlenoConservado + ")");
    EXPECT_EQ(ayuda::LeerTexto(disco.Carpeta() + "/" + frmCalculadoraPremios::NombreInforme), informe);

    // The window still saves; a link the user chooses is read, and saved through: the file
    // it names is replaced, the link stays.
    QTemporaryDir otra;
    const std::string enlace = otra.path().toStdString() + "/enlace.xml";
    const std::string apuntado = otra.path().toStdString() + "/sorteo.xml";
    EscribirBytes(apuntado, antiguo);
    std::filesystem::create_symlink(apuntado, enlace);
    g.mensajes.clear();
    g.dialogos.push_back(Eleccion(enlace));
    w.cmdAbrirPremios_Click();
    g.dialogos.push_back(Eleccion(enlace));
    w.cmdGuardarPremios_Click();
    EXPECT_TRUE(g.mensajes.empty()) << g.UltimoMensaje();
    EXPECT_TRUE(std::filesystem::is_symlink(enlace));
    EXPECT_EQ(ayuda::LeerTexto(apuntado), antiguo);
    EXPECT_EQ(ayuda::LeerTexto(lleno), antiguo);
}
