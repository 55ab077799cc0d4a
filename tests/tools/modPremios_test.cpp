#include <gtest/gtest.h>

#include <fstream>

#include "support/PlataformaGuion.h"
#include "tools/modPremios.h"

using namespace modPremios;

namespace {
SorteoPremios Ejemplo() {
    SorteoPremios s;
    s.anio = 2026;
    s.numeroSorteo = 45;
    const modGeneral::Byte g[8] = {0, 3, 17, 25, 40, 48, 2, 11};
    std::copy(g, g + 8, s.ganadora);
    for (int k = 0; k < modEscrutinio::TotalCategorias; ++k) s.centimos[k] = 100000000LL / (k + 1) + k;
    s.centimos[12] = CentimosMaximos;
    return s;
}

bool Iguales(const SorteoPremios& a, const SorteoPremios& b) {
    if (a.anio != b.anio || a.numeroSorteo != b.numeroSorteo) return false;
    for (int i = 1; i <= 7; ++i)
        if (a.ganadora[i] != b.ganadora[i]) return false;
    for (int k = 0; k < modEscrutinio::TotalCategorias; ++k)
        if (a.centimos[k] != b.centimos[k]) return false;
    return true;
}
}  // namespace

TEST(modPremios, ElTextoSeLeeIgual) {
    SorteoPremios s = Ejemplo();
    // The example, then the first and the last of every range.
    const modGeneral::Byte extremos[8] = {0, 1, 2, 3, 4, 50, 1, 12};
    for (const auto& [anio, numero] : {std::pair{2026, 45}, {AnioMinimo, 1}, {AnioMaximo, SorteoMaximo}}) {
        s.anio = anio;
        s.numeroSorteo = numero;
        std::string error;
        ASSERT_TRUE(ComprobarSorteo(s, error)) << error;
        SorteoPremios leido;
        ASSERT_TRUE(LeerXMLPremios(GenerarXMLPremios(s), leido, error)) << error;
        EXPECT_TRUE(Iguales(s, leido)) << anio;
        std::copy(extremos, extremos + 8, s.ganadora);
    }
}

TEST(modPremios, ImportesDelFicheroYDelUsuario) {
    std::int64_t c = 0;
    EXPECT_TRUE(LeerEurosFichero("1234567.89", c));
    EXPECT_EQ(c, 123456789);
    EXPECT_TRUE(LeerEurosFichero("12.5", c));
    EXPECT_EQ(c, 1250);
    EXPECT_TRUE(LeerEurosFichero("7", c));
    EXPECT_EQ(c, 700);
    for (const char* malo : {"", ".", "1.", "1.234", "1,5", "-3", "1.2.3", "1000000000.00", "9999999999999"})
        EXPECT_FALSE(LeerEurosFichero(malo, c)) << malo;

    EXPECT_TRUE(LeerEurosUsuario("1.234.567,89", c));
    EXPECT_EQ(c, 123456789);
    EXPECT_TRUE(LeerEurosUsuario("12,5", c));
    EXPECT_EQ(c, 1250);
    EXPECT_TRUE(LeerEurosUsuario("12.50", c));  // a point before two final digits is the decimal point
    EXPECT_EQ(c, 1250);
    EXPECT_TRUE(LeerEurosUsuario("1.500", c));  // before three, a thousands separator
    EXPECT_EQ(c, 150000);
    EXPECT_TRUE(LeerEurosUsuario("999.999.999,99", c));
    EXPECT_FALSE(LeerEurosUsuario("1.000.000.000", c));
    EXPECT_FALSE(LeerEurosUsuario("1,234", c));
    EXPECT_FALSE(LeerEurosUsuario(",", c));

    EXPECT_EQ(TextoEurosUsuario(123456789), "1.234.567,89");
    EXPECT_EQ(TextoEurosUsuario(5), "0,05");
    EXPECT_EQ(TextoEurosFichero(123456789), "1234567.89");
    EXPECT_EQ(TextoEurosFichero(0), "0.00");
}

TEST(modPremios, FicherosMalosSeRechazanSinTocarElSorteo) {
    const std::string bueno = GenerarXMLPremios(Ejemplo());
    auto sustituir = [&](const std::string& de, const std::string& a) {
        std::string t = bueno;
        const auto p = t.find(de);
        EXPECT_NE(p, std::string::npos) << de;
        return p == std::string::npos ? t : t.replace(p, de.size(), a);
    };
    const std::vector<std::string> malos = {
        "",
        "no es XML",
        "<OTRO/>",
        "<PREMIOS>",
        sustituir("anio='2026'", "anio='1899'"),
        sustituir("anio='2026'", "anio='3000'"),
        sustituir("anio='2026'", "anio='20x6'"),
        sustituir("numero='45'", "numero='0'"),
        sustituir("numero='45'", "numero='1000'"),
        sustituir("numero='45'", ""),
        sustituir("3,17,25,40,48,2,11", "3,17,25,40,48,2,2"),
        sustituir("3,17,25,40,48,2,11", "3,17,25,40,51,2,11"),
        sustituir("3,17,25,40,48,2,11", "0,17,25,40,48,2,11"),
        sustituir("3,17,25,40,48,2,11", "3,17,25,40,48,2,13"),
        sustituir("3,17,25,40,48,2,11", "3,17,25,40,48,0,11"),
        sustituir("3,17,25,40,48,2,11", "3,17,25,40,48,2"),
        sustituir("3,17,25,40,48,2,11", "3,17,25,40,48,2,11,1"),
        sustituir("3,17,25,40,48,2,11", "3,3,25,40,48,2,11"),
        sustituir("aciertos='5+1'", "aciertos='5+2'"),
        sustituir("aciertos='5+1'", "aciertos='6+0'"),
        sustituir("euros='999999999.99'", "euros='1e9'"),
        sustituir("<CombinacionGanadora", "<Otra"),
        sustituir("<Sorteo", "<Sorteo2"),
        std::string(TamanoMaximoFichero + 1, ' '),
    };
    for (const auto& t : malos) {
        SorteoPremios s = Ejemplo();
        s.anio = 2001;
        std::string error;
        EXPECT_FALSE(LeerXMLPremios(t, s, error)) << t.substr(0, 200);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(s.anio, 2001);
    }
}

TEST(modPremios, UnaCategoriaQueFaltaPagaCeroYLoDesconocidoSeIgnora) {
    std::string t = GenerarXMLPremios(Ejemplo());
    const auto p = t.find("<Categoria aciertos='2+0'");
    t.erase(p, t.find('\n', p) + 1 - p);
    t.insert(t.find("<Sorteo"), "<!-- nota --><Otro dato='1'/>");
    SorteoPremios s;
    std::string error;
    ASSERT_TRUE(LeerXMLPremios(t, s, error)) << error;
    EXPECT_EQ(s.centimos[12], 0);
    EXPECT_EQ(s.centimos[0], 100000000LL);
}

TEST(modPremios, FicheroEnDiscoYFicheroDemasiadoGrande) {
    PlataformaGuion g;
    const std::string ruta = g.carpeta + "/premios.xml";
    {
        std::ofstream f(ruta, std::ios::binary);
        f << GenerarXMLPremios(Ejemplo());
    }
    SorteoPremios s;
    std::string error;
    ASSERT_TRUE(LeerFicheroPremios(ruta, s, error)) << error;
    EXPECT_TRUE(Iguales(s, Ejemplo()));
    EXPECT_FALSE(LeerFicheroPremios(g.carpeta + "/no_existe.xml", s, error));
    {
        std::ofstream f(ruta, std::ios::binary);
        f << std::string(TamanoMaximoFichero + 10, '<');
    }
    EXPECT_FALSE(LeerFicheroPremios(ruta, s, error));
    EXPECT_EQ(error, "el fichero es demasiado grande");
}

TEST(modPremios, ComprobarSorteoNombraElValorMalo) {
    SorteoPremios s = Ejemplo();
    std::string error;
    s.numeroSorteo = 1000;
    EXPECT_FALSE(ComprobarSorteo(s, error));
    EXPECT_NE(error.find("SORTEO"), std::string::npos);
    s = Ejemplo();
    s.ganadora[7] = 0;
    EXPECT_FALSE(ComprobarSorteo(s, error));
    EXPECT_NE(error.find("COMBINACION"), std::string::npos);
}
