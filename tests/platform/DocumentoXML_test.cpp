#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/DocumentoXML.h"

namespace {

class DocumentoXMLTest : public ::testing::Test {
protected:
    QTemporaryDir carpeta;
    std::string Ruta(const std::string& nombre) { return carpeta.path().toStdString() + "/" + nombre; }
    static std::string Leer(const std::string& ruta) {
        std::ifstream f(ruta, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    }
    static void Escribir(const std::string& ruta, const std::string& bytes) {
        std::ofstream(ruta, std::ios::binary) << bytes;
    }
};

// A text as the base-file writer builds it: one element per line, CR LF, single quotes.
const char* const TextoBase =
    "<XML>\r\n"
    "<BASE>\r\n"
    "<Programa nombre='TORNAVENTURA' version='3.1'/>\r\n"
    "<Combinacion>\r\n"
    "<Base_Numeros numeros='1,7,50'/>\r\n"
    "<Base_Estrellas estrellas=''/>\r\n"
    "</Combinacion>\r\n"
    "<BaseASCII valor='C:\\Año &amp; Día\\&lt;mis&gt; &quot;apuestas&quot; &apos;2024&apos;.TXT'/>\r\n"
    "</BASE>\r\n"
    "</XML>\r\n";

}  // namespace

TEST_F(DocumentoXMLTest, RecorreElArbol) {
    DocumentoXML doc;
    ASSERT_TRUE(doc.loadXML(TextoBase)) << doc.parseError().reason;
    EXPECT_EQ(doc.parseError().errorCode, 0);
    EXPECT_TRUE(doc.hasChildNodes());
    ASSERT_EQ(doc.childNodes().length(), 1);  // no declaration in the text
    NodoXML raiz = doc.documentElement();
    EXPECT_EQ(raiz.nodeName(), "XML");
    // Whitespace between elements is not a node.
    ASSERT_EQ(raiz.childNodes().length(), 1);
    NodoXML base = raiz.childNodes().item(0);
    EXPECT_EQ(base.nodeName(), "BASE");
    std::vector<std::string> nombres;
    for (NodoXML n : base.childNodes()) nombres.push_back(n.nodeName());
    EXPECT_EQ(nombres, (std::vector<std::string>{"Programa", "Combinacion", "BaseASCII"}));
    EXPECT_FALSE(base.childNodes()[0].hasChildNodes());
    EXPECT_TRUE(base.childNodes()[1].hasChildNodes());
    EXPECT_TRUE(base.childNodes().item(3).isNull());
    EXPECT_TRUE(base.childNodes().item(-1).isNull());

    NodoXML numeros = base.childNodes()[1].childNodes()[0];
    EXPECT_EQ(numeros.attributes().getNamedItem("numeros").nodeValue(), "1,7,50");
    EXPECT_EQ(base.childNodes()[1].childNodes()[1].attributes().getNamedItem("estrellas").nodeValue(), "");
    // Attribute names are matched exactly: a missing attribute is a null node.
    NodoXML falta = numeros.attributes().getNamedItem("Numeros");
    EXPECT_TRUE(falta.isNull());
    EXPECT_THROW(falta.nodeValue(), ErrorXML);
    EXPECT_EQ(base.childNodes()[2].attributes().getNamedItem("valor").nodeValue(),
              "C:\\Año & Día\\<mis> \"apuestas\" '2024'.TXT");
}

TEST_F(DocumentoXMLTest, GuardaEnLatin1YVuelveAleer) {
    DocumentoXML doc;
    ASSERT_TRUE(doc.loadXML(TextoBase));
    const std::string ruta = Ruta("base.xml");
    ASSERT_TRUE(doc.save(ruta)) << doc.errorGuardar();

    const std::string bytes = Leer(ruta);
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<XML>\r\n<BASE>\r\n", 0), 0u) << bytes;
    EXPECT_NE(bytes.find("A\xF1o"), std::string::npos);  // Latin-1, one byte a letter
    EXPECT_EQ(bytes.find("\xC3\xB1"), std::string::npos);
    EXPECT_EQ(bytes.find("\n<"), bytes.find("\r\n<") + 1);  // CR LF line ends

    DocumentoXML otro;
    ASSERT_TRUE(otro.load(ruta)) << otro.parseError().reason;
    NodoXML ascii = otro.documentElement().childNodes()[0].childNodes()[2];
    EXPECT_EQ(ascii.attributes().getNamedItem("valor").nodeValue(),
              "C:\\Año & Día\\<mis> \"apuestas\" '2024'.TXT");
    // The declaration is the document's first child, named "xml".
    ASSERT_EQ(otro.childNodes().length(), 2);
    EXPECT_EQ(otro.childNodes()[0].nodeName(), "xml");
    EXPECT_FALSE(otro.childNodes()[0].hasChildNodes());

    // Saving what was read gives the same bytes.
    const std::string segunda = Ruta("segunda.xml");
    ASSERT_TRUE(otro.save(segunda));
    EXPECT_EQ(Leer(segunda), bytes);
}

TEST_F(DocumentoXMLTest, LoGuardadoEstaBienFormadoONoSeGuarda) {
    // Beyond Latin-1, references stand in text and attribute values only; a refusal says where.
    const std::pair<const char*, const char*> casos[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><año ñ='20 € — 𝄞'>€ y 𝄞<!--ñ--><![CDATA[ñ]]><?pñ ñ?></año>", ""},
        {"<α/>", "el nombre de un elemento"}, {"<a β='1'/>", "el nombre de un atributo"},
        {"<a><!-- € --></a>", "un comentario"}, {"<a><![CDATA[€]]></a>", "una secci\xC3\xB3n CDATA"},
        {"<?π x?><a/>", "una instrucci\xC3\xB3n de proceso"}, {"<a><?p €?></a>", "una instrucci\xC3\xB3n de proceso"},
        {"<?pi$x?><a/>", "bien formado"},  // read, but written as "<?pi$x ?>", which no parser takes
    };
    for (const auto& [texto, rechazo] : casos) {
        DocumentoXML doc, otro;
        ASSERT_TRUE(doc.loadXML(texto)) << texto;
        EXPECT_EQ(doc.save(Ruta("f.xml")), !*rechazo) << texto;
        EXPECT_NE(doc.errorGuardar().find(rechazo), std::string::npos) << doc.errorGuardar();
        if (!*rechazo) {
            ASSERT_TRUE(otro.load(Ruta("f.xml")));
            EXPECT_EQ(otro.xml(), doc.xml());  // nothing lost
        }
    }
}

TEST_F(DocumentoXMLTest, LeeLaCodificacionQueDeclaraElFichero) {
    const std::string latin1 = Ruta("latin1.xml"), utf8 = Ruta("utf8.xml"), win = Ruta("win.xml"),
                      sinDeclaracion = Ruta("sin.xml"), sinDeclaracionLatin1 = Ruta("sinlatin1.xml");
    Escribir(latin1, "<?xml version='1.0' encoding='ISO-8859-1'?><a v='A\xF1o'/>");
    Escribir(utf8, "<?xml version='1.0' encoding='UTF-8'?><a v='A\xC3\xB1o'/>");
    Escribir(win, "<?xml version='1.0' encoding='windows-1252'?><a v='\x80 A\xF1o'/>");
    Escribir(sinDeclaracion, "<a v='A\xC3\xB1o'/>");
    Escribir(sinDeclaracionLatin1, "<a v='A\xF1o'/>");
    for (const auto& [ruta, esperado] : std::vector<std::pair<std::string, std::string>>{
             {latin1, "Año"}, {utf8, "Año"}, {win, "€ Año"}, {sinDeclaracion, "Año"}, {sinDeclaracionLatin1, "Año"}}) {
        DocumentoXML doc;
        ASSERT_TRUE(doc.load(ruta)) << ruta << ": " << doc.parseError().reason;
        EXPECT_EQ(doc.documentElement().attributes().getNamedItem("v").nodeValue(), esperado) << ruta;
    }
}

TEST_F(DocumentoXMLTest, FicheroMalFormadoOAusente) {
    const std::string truncado = Ruta("truncado.xml");
    Escribir(truncado, "<XML>\r\n<BASE>\r\n<Combinacion>\r\n");
    DocumentoXML doc;
    ASSERT_TRUE(doc.loadXML("<a/>"));
    EXPECT_FALSE(doc.load(truncado));
    EXPECT_EQ(doc.parseError().errorCode, DocumentoXML::ErrorMalFormado);
    // The parser's own message is English: the reason is ours.
    EXPECT_EQ(doc.parseError().reason.rfind("El documento XML no est\xC3\xA1 bien formado (l\xC3\xADnea ", 0), 0u)
        << doc.parseError().reason;
    // The document holds nothing after a failed load.
    EXPECT_FALSE(doc.hasChildNodes());
    EXPECT_EQ(doc.childNodes().length(), 0);
    EXPECT_TRUE(doc.documentElement().isNull());

    EXPECT_FALSE(doc.load(Ruta("no_existe.xml")));
    EXPECT_EQ(doc.parseError().errorCode, DocumentoXML::ErrorFicheroNoLeido);
    EXPECT_EQ(doc.parseError().reason, "No se puede abrir el fichero: No se ha encontrado el archivo");

    EXPECT_FALSE(doc.loadXML("<a v='x & y'/>"));  // an unescaped ampersand
    EXPECT_NE(doc.parseError().errorCode, 0);
    EXPECT_FALSE(doc.loadXML(""));
    EXPECT_NE(doc.parseError().errorCode, 0);

    ASSERT_TRUE(doc.loadXML("<a/>"));
    EXPECT_EQ(doc.parseError().errorCode, 0);  // a good load clears the error
}

TEST_F(DocumentoXMLTest, FallosAlGuardar) {
    DocumentoXML vacio;
    EXPECT_FALSE(vacio.save(Ruta("vacio.xml")));
    EXPECT_FALSE(vacio.errorGuardar().empty());
    EXPECT_FALSE(std::filesystem::exists(Ruta("vacio.xml")));

    DocumentoXML doc;
    ASSERT_TRUE(doc.loadXML("<a v='nuevo'/>"));
    EXPECT_FALSE(doc.save(Ruta("no/existe/base.xml")));
    EXPECT_EQ(doc.errorGuardar(), "No se encontr\xC3\xB3 la ruta de acceso");

    // A read-only file is not replaced and keeps its contents.
    const std::string protegido = Ruta("protegido.xml");
    Escribir(protegido, "<a v='viejo'/>");
    std::filesystem::permissions(protegido, std::filesystem::perms::owner_read);
    EXPECT_FALSE(doc.save(protegido));
    EXPECT_EQ(Leer(protegido), "<a v='viejo'/>");
    std::filesystem::permissions(protegido, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // A writable one is replaced as a whole, also when the old one was longer.
    Escribir(protegido, std::string(10000, ' ') + "<a v='viejo'/>");
    ASSERT_TRUE(doc.save(protegido));
    DocumentoXML leido;
    ASSERT_TRUE(leido.load(protegido));
    EXPECT_EQ(leido.documentElement().attributes().getNamedItem("v").nodeValue(), "nuevo");
    EXPECT_LT(std::filesystem::file_size(protegido), 100u);
}

TEST_F(DocumentoXMLTest, LosNodosSobrevivenAlDocumento) {
    NodoXML raiz;
    {
        DocumentoXML doc;
        ASSERT_TRUE(doc.loadXML("<r><h x='1'/></r>"));
        raiz = doc.documentElement();
        ASSERT_TRUE(doc.loadXML("<otro/>"));  // a new load does not disturb nodes handed out
        EXPECT_EQ(doc.documentElement().nodeName(), "otro");
    }
    EXPECT_EQ(raiz.nodeName(), "r");
    EXPECT_EQ(raiz.childNodes()[0].attributes().getNamedItem("x").nodeValue(), "1");
    EXPECT_EQ(raiz.nodeValue(), "");
    // Nodes other than elements have no attributes.
    DocumentoXML doc;
    ASSERT_TRUE(doc.loadXML("<r>texto</r>"));
    NodoXML texto = doc.documentElement().childNodes()[0];
    EXPECT_EQ(texto.nodeName(), "#text");
    EXPECT_EQ(texto.nodeValue(), "texto");
    EXPECT_EQ(texto.attributes().length(), 0);
    EXPECT_TRUE(texto.attributes().getNamedItem("x").isNull());
}

TEST_F(DocumentoXMLTest, UnaInstruccionDeProcesoSeguidaDeTextoSeGuardaComoSeLeyo) {
    DocumentoXML doc;
    ASSERT_TRUE(doc.loadXML("<a><?p x?>texto<?q y?></a>"));
    ASSERT_TRUE(doc.save(Ruta("uno.xml"))) << doc.errorGuardar();
    ASSERT_TRUE(doc.load(Ruta("uno.xml")));
    ASSERT_TRUE(doc.save(Ruta("dos.xml")));
    EXPECT_EQ(Leer(Ruta("dos.xml")), Leer(Ruta("uno.xml")));
}

// Latin-1 ends at U+00FF: there a name, comment, CDATA section or processing instruction is
// written as it is; one past it, in those places, is refused.
TEST_F(DocumentoXMLTest, ElUltimoCaracterLatin1SeGuardaYElSiguienteNo) {
    const char* const lugares[] = {"<%s/>", "<a %s='1'/>", "<a><!--%s--></a>", "<a><![CDATA[%s]]></a>",
                                   "<a><?%s x?></a>", "<a><?p %s?></a>"};
    for (const char* lugar : lugares) {
        for (const auto& [caracter, guardado] : {std::pair<std::string, bool>{"\xC3\xBF", true}, {"\xC4\x80", false}}) {
            std::string texto = lugar;
            texto.replace(texto.find("%s"), 2, caracter);
            DocumentoXML doc, otro;
            ASSERT_TRUE(doc.loadXML(texto)) << texto;
            ASSERT_EQ(doc.save(Ruta("f.xml")), guardado) << texto << ": " << doc.errorGuardar();
            if (!guardado) continue;
            EXPECT_NE(Leer(Ruta("f.xml")).find('\xFF'), std::string::npos) << texto;
            ASSERT_TRUE(otro.load(Ruta("f.xml"))) << texto;
            EXPECT_EQ(otro.xml(), doc.xml());
        }
    }
}
