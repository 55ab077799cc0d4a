// Files a user hands us may be huge, nested without end or built to expand: the document
// refuses them before building a tree, and every tree it does hold is shallow.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "platform/DocumentoXML.h"

namespace {

class LimitesXML : public ::testing::Test {
protected:
    QTemporaryDir carpeta;
    std::string Escribir(const std::string& nombre, const std::string& bytes) {
        const std::string ruta = carpeta.path().toStdString() + "/" + nombre;
        std::ofstream(ruta, std::ios::binary) << bytes;
        return ruta;
    }
    static std::string Anidado(int niveles) {
        std::string t;
        for (int i = 0; i < niveles; ++i) t += "<a>";
        for (int i = 0; i < niveles; ++i) t += "</a>";
        return t;
    }
    static void Rechazado(const DocumentoXML& doc, long codigo) {
        EXPECT_EQ(doc.parseError().errorCode, codigo) << doc.parseError().reason;
        EXPECT_FALSE(doc.parseError().reason.empty());
        EXPECT_FALSE(doc.hasChildNodes());
        EXPECT_TRUE(doc.documentElement().isNull());
    }
};

}  // namespace

TEST_F(LimitesXML, ElAnidamientoTieneUnLimite) {
    DocumentoXML doc;
    ASSERT_TRUE(doc.loadXML(Anidado(DocumentoXML::ProfundidadMaximo)));
    // The deepest tree allowed serialises and saves.
    EXPECT_FALSE(doc.xml().empty());
    EXPECT_TRUE(doc.save(carpeta.path().toStdString() + "/hondo.xml"));

    EXPECT_FALSE(doc.loadXML(Anidado(DocumentoXML::ProfundidadMaximo + 1)));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoProfundo);

    // 100,000 levels (600 KB): refused at once, from a file and from a text.
    const std::string hondo = Anidado(100000);
    EXPECT_FALSE(doc.load(Escribir("hondo.xml", hondo)));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoProfundo);
    EXPECT_FALSE(doc.loadXML(hondo));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoProfundo);
    // Also when the file is cut short deep inside.
    EXPECT_FALSE(doc.cargarBytes(hondo.substr(0, 1000)));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoProfundo);
}

TEST_F(LimitesXML, ElTamanoTieneUnLimite) {
    const std::string inicio = "<r v='1'/>";
    std::string justo = inicio + std::string(static_cast<std::size_t>(DocumentoXML::TamanoMaximo) - inicio.size(), ' ');
    DocumentoXML doc;
    ASSERT_TRUE(doc.load(Escribir("justo.xml", justo))) << doc.parseError().reason;
    EXPECT_EQ(doc.documentElement().attributes().getNamedItem("v").nodeValue(), "1");

    justo += ' ';
    EXPECT_FALSE(doc.load(Escribir("grande.xml", justo)));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoGrande);
    EXPECT_FALSE(doc.loadXML(justo));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoGrande);
    EXPECT_FALSE(doc.cargarBytes(justo));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoGrande);

    // A device without end is no file: refused before it is read.
    EXPECT_FALSE(doc.load("/dev/zero"));
    Rechazado(doc, DocumentoXML::ErrorFicheroNoLeido);
}

TEST_F(LimitesXML, DemasiadosNodosOAtributos) {
    // A flat file of small elements: within the size limit, beyond the node limit.
    std::string plano = "<r>";
    for (long i = 0; i <= DocumentoXML::NodosMaximos; ++i) plano += "<a/>";
    plano += "</r>";
    DocumentoXML doc;
    EXPECT_FALSE(doc.load(Escribir("plano.xml", plano)));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoGrande);

    // One element with more attributes than allowed (a parser spends the square of them);
    // '=' and '>' inside values, comments and CDATA do not count.
    auto elemento = [](long atributos, const std::string& relleno) {
        std::string t = "<r><!-- a='1' b='2' --><![CDATA[ c='3' ]]><e";
        for (long i = 0; i < atributos; ++i) t += " a" + std::to_string(i) + "='" + relleno + "'";
        return t + "/></r>";
    };
    ASSERT_TRUE(doc.loadXML(elemento(DocumentoXML::AtributosMaximos, "x=y>z"))) << doc.parseError().reason;
    EXPECT_FALSE(doc.loadXML(elemento(DocumentoXML::AtributosMaximos + 1, "")));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoGrande);
    // 600,000 of them in 4 MB: refused before any parser counts them.
    EXPECT_FALSE(doc.load(Escribir("atributos.xml", elemento(600000, "").substr(0, DocumentoXML::TamanoMaximo - 10))));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoGrande);
}

// The program never writes a DTD, and declared entities can expand a few KB to gigabytes:
// any DTD or entity reference is refused before anything expands, in every encoding.
TEST_F(LimitesXML, LasDTDYLasEntidadesSeRechazan) {
    std::string bomba = "<!DOCTYPE r [<!ENTITY e \"" + std::string(4000, 'x') + "\">]><r v='";
    for (int i = 0; i < 1000000; ++i) bomba += "&e;";
    bomba += "'/>";
    std::string risas = "<!DOCTYPE r [<!ENTITY a \"jajajajaja\">";
    char anterior = 'a';
    for (char c = 'b'; c <= 'k'; ++c) {
        risas += std::string("<!ENTITY ") + c + " \"";
        for (int i = 0; i < 10; ++i) risas += std::string("&") + anterior + ";";
        risas += "\">";
        anterior = c;
    }
    risas += "]><r v='&k;'>&k;</r>";
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("<!DOCTYPE r [<!ENTITY e \"x\">]><r>&e;</r>")) utf16 += std::string(1, c) + '\0';
    for (const std::string& t : {bomba, risas, std::string("<!DOCTYPE r [<!ENTITY e \"uno\">]><r v='&e;'/>"),
                                 std::string("<?xml version='1.0'?><!-- nota --><!DOCTYPE r><r/>"),
                                 std::string("<r>&e;</r>"), utf16}) {
        DocumentoXML doc;
        EXPECT_FALSE(doc.load(Escribir("dtd.xml", t)));
        EXPECT_NE(doc.parseError().errorCode, 0);
        EXPECT_TRUE(doc.documentElement().isNull());
    }
    DocumentoXML doc;
    EXPECT_FALSE(doc.loadXML(bomba));
    Rechazado(doc, DocumentoXML::ErrorEntidades);
    // XML's own entities and character references are no declared entities.
    ASSERT_TRUE(doc.loadXML("<r v='&amp;&lt;&#8364;'>&quot;&apos;&gt;</r>")) << doc.parseError().reason;
    EXPECT_EQ(doc.documentElement().attributes().getNamedItem("v").nodeValue(), "&<\xE2\x82\xAC");
}

TEST_F(LimitesXML, FicherosQueNoSonXML) {
    DocumentoXML doc;
    EXPECT_FALSE(doc.load(Escribir("vacio.xml", "")));
    EXPECT_NE(doc.parseError().errorCode, 0);
    std::string binario;
    for (int i = 0; i < 5000; ++i) binario += static_cast<char>((i * 7919) % 256);
    EXPECT_FALSE(doc.load(Escribir("binario.xml", binario)));
    EXPECT_NE(doc.parseError().errorCode, 0);
    EXPECT_FALSE(doc.load(carpeta.path().toStdString()));   // a folder
    EXPECT_NE(doc.parseError().errorCode, 0);
    EXPECT_FALSE(doc.cargarBytes(std::string("<a>\0</a>", 8)));
    EXPECT_NE(doc.parseError().errorCode, 0);
    EXPECT_TRUE(doc.documentElement().isNull());
}
