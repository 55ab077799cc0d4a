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

    // A device without end is read only up to the limit.
    EXPECT_FALSE(doc.load("/dev/zero"));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoGrande);
}

TEST_F(LimitesXML, DemasiadosNodosOCaracteresExpandidos) {
    // A flat file of small elements: within the size limit, beyond the node limit.
    std::string plano = "<r>";
    for (long i = 0; i <= DocumentoXML::NodosMaximos; ++i) plano += "<a/>";
    plano += "</r>";
    DocumentoXML doc;
    EXPECT_FALSE(doc.load(Escribir("plano.xml", plano)));
    Rechazado(doc, DocumentoXML::ErrorDemasiadoGrande);

    // An entity of 4,000 characters referred to 2,000 times: a 10 KB file, 8 million characters.
    std::string bomba = "<!DOCTYPE r [<!ENTITY e \"" + std::string(4000, 'x') + "\">]><r>";
    for (int i = 0; i < 2000; ++i) bomba += "&e;";
    bomba += "</r>";
    EXPECT_FALSE(doc.load(Escribir("bomba.xml", bomba)));
    EXPECT_NE(doc.parseError().errorCode, 0);
    EXPECT_TRUE(doc.documentElement().isNull());

    // Nested entities expanding without bound.
    std::string risas = "<!DOCTYPE r [<!ENTITY a \"jajajajaja\">";
    char anterior = 'a';
    for (char c = 'b'; c <= 'k'; ++c) {
        risas += std::string("<!ENTITY ") + c + " \"";
        for (int i = 0; i < 10; ++i) risas += std::string("&") + anterior + ";";
        risas += "\">";
        anterior = c;
    }
    risas += "]><r v='&k;'>&k;</r>";
    EXPECT_FALSE(doc.loadXML(risas));
    EXPECT_NE(doc.parseError().errorCode, 0);
    EXPECT_TRUE(doc.documentElement().isNull());

    // What stays within the limits still loads.
    ASSERT_TRUE(doc.loadXML("<!DOCTYPE r [<!ENTITY e \"uno\">]><r v='&e;'>&e;</r>")) << doc.parseError().reason;
    EXPECT_EQ(doc.documentElement().attributes().getNamedItem("v").nodeValue(), "uno");
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
