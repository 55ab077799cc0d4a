// The XML reader takes any file a user points it at: damaged files must be refused or read,
// never crash. Random mutations of a base-file-like text, loaded from disk and walked whole.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <random>
#include <string>

#include "platform/DocumentoXML.h"

namespace {

const char* const TextoBase =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<XML>\r\n<BASE>\r\n"
    "<Programa nombre='TORNAVENTURA' version='3.1'/>\r\n<Combinacion>\r\n"
    "<Base_Numeros numeros='1,2,3,4,5'/>\r\n<Base_Estrellas estrellas='1,2'/>\r\n</Combinacion>\r\n"
    "<BaseASCII valor='/home/a &amp; b/apuestas.TXT'/>\r\n<Filtros>\r\n"
    "<Filtro nombre='SUMAS' activado='1'>\r\n<intervalos>\r\n"
    "<intervalo numero='1' suma='15-200'/>\r\n</intervalos>\r\n</Filtro>\r\n</Filtros>\r\n"
    "</BASE>\r\n</XML>\r\n";

// Visits every node and attribute that can be asked for; returns how many nodes it saw.
long Recorrer(const NodoXML& n, int profundidad) {
    if (n.isNull() || profundidad > 200) return 0;
    long vistos = 1;
    (void)n.nodeName();
    AtributosXML atributos = n.attributes();
    for (const char* nombre : {"nombre", "valor", "numeros", "suma", "activado"}) {
        NodoXML a = atributos.getNamedItem(nombre);
        if (!a.isNull()) (void)a.nodeValue();
    }
    if (n.hasChildNodes())
        for (NodoXML hijo : n.childNodes()) vistos += Recorrer(hijo, profundidad + 1);
    return vistos;
}

}  // namespace

TEST(DocumentoXMLMutaciones, UnFicheroDanadoSeRechazaOSeLeeSinRomperNada) {
    QTemporaryDir carpeta;
    const std::string ruta = carpeta.filePath(QStringLiteral("base.xml")).toStdString();
    std::mt19937 azar(20261207);
    const std::string original(TextoBase);
    int leidos = 0, rechazados = 0;
    for (int vuelta = 0; vuelta < 1500; ++vuelta) {
        std::string t = original;
        const int cambios = 1 + static_cast<int>(azar() % 6);
        for (int c = 0; c < cambios && !t.empty(); ++c) {
            const std::size_t pos = azar() % t.size();
            switch (azar() % 4) {
            case 0: t[pos] = static_cast<char>(azar() % 256); break;          // byte changed
            case 1: t.erase(pos, 1 + azar() % 8); break;                         // bytes lost
            case 2: t.insert(pos, 1, "<>&'\"/=\0\xFF"[azar() % 9]); break;    // markup inserted
            default: t.resize(pos); break;                                       // file cut short
            }
        }
        {
            std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
            f.write(t.data(), static_cast<std::streamsize>(t.size()));
        }
        DocumentoXML doc;
        if (doc.load(ruta)) {
            ++leidos;
            EXPECT_EQ(doc.parseError().errorCode, 0);
            EXPECT_GE(Recorrer(doc.documentElement(), 0), 1);
        } else {
            ++rechazados;
            EXPECT_NE(doc.parseError().errorCode, 0);
            EXPECT_TRUE(doc.documentElement().isNull());
        }
    }
    // Both outcomes must have been exercised for the test to mean anything.
    EXPECT_GT(leidos, 0);
    EXPECT_GT(rechazados, 0);
}
