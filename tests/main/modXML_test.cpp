#include <gtest/gtest.h>

#include <QDomDocument>
#include <QHashSeed>
#include <QString>
#include <algorithm>
#include <string>
#include <vector>

#include "main/modXML.h"
#include "platform/DocumentoXML.h"
#include "support/DatosIniciales.h"
#include "common/modRutas.h"

using namespace modGeneral;
using namespace modXML;

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.c_str()); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

std::vector<std::string> NombresHijos(const QDomElement& e) {
    std::vector<std::string> v;
    for (QDomElement h = e.firstChildElement(); !h.isNull(); h = h.nextSiblingElement()) v.push_back(S(h.tagName()));
    return v;
}
std::string Atributo(const QDomElement& e, const char* nombre) {
    EXPECT_TRUE(e.hasAttribute(nombre)) << S(e.tagName()) << " sin " << nombre;
    return S(e.attribute(nombre));
}
QDomElement Hijo(const QDomElement& e, const char* nombre, int orden = 0) {
    QDomElement h = e.firstChildElement(nombre);
    for (int i = 0; i < orden && !h.isNull(); ++i) h = h.nextSiblingElement(nombre);
    EXPECT_FALSE(h.isNull()) << S(e.tagName()) << " sin " << nombre;
    return h;
}
QDomElement FiltroDe(const QDomElement& base, int k) { return Hijo(Hijo(base, "Filtros"), "Filtro", k); }

class BaseXML : public DatosIniciales {
protected:
    QDomDocument documento;
    // Parses the text as the platform's document would and returns BASE.
    QDomElement Leer(const std::string& texto) {
        QString error;
        int linea = 0;
        EXPECT_TRUE(documento.setContent(Q(texto), &error, &linea)) << S(error) << " linea " << linea;
        QDomElement xml = documento.documentElement();
        EXPECT_EQ(S(xml.tagName()), "XML");
        EXPECT_EQ(NombresHijos(xml), std::vector<std::string>{"BASE"});
        return xml.firstChildElement("BASE");
    }
};

}  // namespace

TEST_F(BaseXML, UnaBaseNuevaConTodosLosValoresPorDefecto) {
    DatosBaseXML datos;
    datos.fecha = "01/02/2024";
    datos.hora = "10:11:12";
    const std::string texto = GenerarXMLBase(datos);
    // One element per line, CR LF after each, no indentation, no declaration.
    ASSERT_GE(texto.size(), 2u);
    EXPECT_EQ(texto.substr(0, 7), "<XML>\r\n");
    EXPECT_EQ(texto.substr(texto.size() - 2), "\r\n");
    for (std::size_t p = 0; (p = texto.find('\n', p)) != std::string::npos; ++p) {
        ASSERT_EQ(texto[p - 1], '\r');
        if (p + 1 < texto.size()) {
            ASSERT_EQ(texto[p + 1], '<');
        }
    }

    QDomElement base = Leer(texto);
    EXPECT_EQ(NombresHijos(base), (std::vector<std::string>{"DatosGeneracionFicheroXML", "Programa", "Combinacion",
                                                            "CombinacionGanadora", "BaseASCII", "Filtros",
                                                            "Reduccion"}));
    EXPECT_EQ(Atributo(Hijo(base, "DatosGeneracionFicheroXML"), "fecha"), "01/02/2024");
    EXPECT_EQ(Atributo(Hijo(base, "DatosGeneracionFicheroXML"), "hora"), "10:11:12");
    EXPECT_EQ(Atributo(Hijo(base, "Programa"), "nombre"), "TORNAVENTURA");
    EXPECT_EQ(Atributo(Hijo(base, "Programa"), "version"), "3.1");
    QDomElement combinacion = Hijo(base, "Combinacion");
    EXPECT_EQ(NombresHijos(combinacion), (std::vector<std::string>{"Base_Numeros", "Base_Estrellas"}));
    EXPECT_EQ(Atributo(Hijo(combinacion, "Base_Numeros"), "numeros"), "");
    EXPECT_EQ(Atributo(Hijo(combinacion, "Base_Estrellas"), "estrellas"), "");
    EXPECT_EQ(Atributo(Hijo(base, "CombinacionGanadora"), "valor"), "0,0,0,0,0,0,0");
    EXPECT_EQ(Atributo(Hijo(base, "BaseASCII"), "valor"), "");

    const char* nombres[10] = {"ALTOSBAJOS", "DECENAS", "DISTANCIAS", "GRUPOS", "GRUPOSRELACIONADOS",
                               "PARESIMPARES", "SEGUIDOS", "SUMAS", "TERMINACIONES", "POSICIONES"};
    EXPECT_EQ(NombresHijos(Hijo(base, "Filtros")).size(), 10u);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(Atributo(FiltroDe(base, k), "nombre"), nombres[k]);
        EXPECT_EQ(Atributo(FiltroDe(base, k), "activado"), "0");
    }
    EXPECT_EQ(NombresHijos(FiltroDe(base, 0)), (std::vector<std::string>{"Bajos", "Altos"}));
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 0), "Bajos"), "valores"), "");
    EXPECT_EQ(NombresHijos(FiltroDe(base, 1)),
              (std::vector<std::string>{"Decena0109", "Decena1019", "Decena2029", "Decena3039", "Decena4050",
                                        "FigurasDecenas"}));
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 1), "FigurasDecenas"), "valores"), "0,0,0,0,0,0,0");
    EXPECT_EQ(NombresHijos(FiltroDe(base, 2)),
              (std::vector<std::string>{"Distancia12Minima", "Distancia12Maxima", "Distancia23Minima",
                                        "Distancia23Maxima", "Distancia34Minima", "Distancia34Maxima",
                                        "Distancia45Minima", "Distancia45Maxima", "Distancia15Minima",
                                        "Distancia15Maxima"}));
    for (QDomElement d = FiltroDe(base, 2).firstChildElement(); !d.isNull(); d = d.nextSiblingElement())
        EXPECT_EQ(Atributo(d, "valor"), "0");
    EXPECT_TRUE(NombresHijos(FiltroDe(base, 3)).empty());
    EXPECT_TRUE(NombresHijos(FiltroDe(base, 4)).empty());
    EXPECT_EQ(NombresHijos(FiltroDe(base, 5)), std::vector<std::string>{"ParesActivos"});
    EXPECT_EQ(NombresHijos(FiltroDe(base, 6)), (std::vector<std::string>{"NumerosSeguidos", "FigurasSeguidos"}));
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 6), "FigurasSeguidos"), "valores"), "0,0,0,0,0,0,0");
    QDomElement intervalos = Hijo(FiltroDe(base, 7), "intervalos");
    EXPECT_EQ(NombresHijos(intervalos).size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Atributo(Hijo(intervalos, "intervalo", i), "numero"), std::to_string(i + 1));
        EXPECT_EQ(Atributo(Hijo(intervalos, "intervalo", i), "suma"), "0-0");
    }
    QDomElement terminaciones = FiltroDe(base, 8);
    EXPECT_EQ(NombresHijos(terminaciones).size(), 12u);
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(Atributo(Hijo(terminaciones, "TerminadosEn", d), "id"), std::to_string(d));
        EXPECT_EQ(Atributo(Hijo(terminaciones, "TerminadosEn", d), "valores"), "");
    }
    EXPECT_EQ(Atributo(Hijo(terminaciones, "SumaTerminaciones"), "suma"), "0-45");
    EXPECT_EQ(Atributo(Hijo(terminaciones, "FigurasTerminaciones"), "valores"), "0,0,0,0,0,0,0");
    EXPECT_EQ(NombresHijos(FiltroDe(base, 9)).size(), 5u);
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 9), "Bola", p), "id"), std::to_string(p + 1));
        EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 9), "Bola", p), "valores"), "");
    }

    QDomElement reduccion = Hijo(base, "Reduccion");
    EXPECT_EQ(NombresHijos(reduccion), (std::vector<std::string>{"Tipo", "Porcentaje", "ActivarPorcentaje", "NuApuestas",
                                                                 "ActivarCiclos", "Aleatorio", "Estrellas"}));
    EXPECT_EQ(Atributo(Hijo(reduccion, "Tipo"), "descripcion"), "0");
    EXPECT_EQ(Atributo(Hijo(reduccion, "Tipo"), "valor"), "0");
    EXPECT_EQ(Atributo(Hijo(reduccion, "Porcentaje"), "valor"), "100");
    EXPECT_EQ(Atributo(Hijo(reduccion, "ActivarPorcentaje"), "valor"), "1");
    EXPECT_EQ(Atributo(Hijo(reduccion, "NuApuestas"), "valor"), "1");
    EXPECT_EQ(Atributo(Hijo(reduccion, "ActivarCiclos"), "valor"), "1");
    EXPECT_EQ(Atributo(Hijo(reduccion, "Aleatorio"), "valor"), "0");
    EXPECT_EQ(Atributo(Hijo(reduccion, "Estrellas"), "valor"), "0");
}

TEST_F(BaseXML, UnaBaseConfiguradaLlevaCadaValorEnSuSitio) {
    DatosBaseXML datos;
    datos.numeros = {3, 17, 25, 40, 48};
    datos.estrellas = {2, 11};
    datos.filtrosActivos[1] = datos.filtrosActivos[7] = true;
    for (int i = 1; i <= 7; ++i) CombinacionGanadora[i] = static_cast<Byte>(i * 5 % 50 + (i > 5 ? 0 : 1));
    CombinacionGanadora[6] = 3;
    CombinacionGanadora[7] = 12;
    Bajos(0) = Bajos(2) = Bajos(5) = 1;
    Decena4050(1) = 1;
    FigurasDecenas(2) = FigurasDecenas(7) = 1;
    Distancia23Minima = 2;
    Distancia15Maxima = -4;
    ParesActivos(3) = 1;
    NumerosSeguidos(0) = 1;  // never reaches the file
    NumerosSeguidos(2) = NumerosSeguidos(5) = 1;
    SumaMinima[2] = 60;
    SumaMaxima[2] = 140;
    TerminadosEn(7, 1) = TerminadosEn(7, 4) = 1;
    SumaTerminacionesMinima = 10;
    SumaTerminacionesMaxima = 30;
    PosicionesNumeros(5, 44) = PosicionesNumeros(5, 50) = 1;
    // Groups: 7 with numbers and hits; 8 with numbers only (left out); 9 with hits only.
    GruposNumeros(7, 1) = GruposNumeros(7, 50) = 1;
    GruposAciertos(7, 0) = GruposAciertos(7, 2) = 1;
    GruposNumeros(8, 5) = 1;
    GruposAciertos(9, 4) = 1;
    // Related group 2: numbers in subgroups 1 and 3 (rows 5 and 7), condition 2 ticked.
    SubgruposNumeros(5, 10) = SubgruposNumeros(7, 20) = SubgruposNumeros(7, 21) = 1;
    CondicionesAciertos(6, 1) = 1;
    // Related group 3: conditions but no numbers, left out with them.
    CondicionesAciertos(9, 3) = 1;
    // Related group 4: numbers, no condition.
    SubgruposNumeros(16, 33) = 1;
    Reduccion.Tipo = 2;
    Reduccion.Porcentaje = 85;
    Reduccion.ModoNuApuestas = true;
    Reduccion.NuApuestas = 250000;
    Reduccion.ActivarCiclos = 0;
    Reduccion.Aleatorio = 1;
    Reduccion.Estrellas = 3;

    QDomElement base = Leer(GenerarXMLBase(datos));
    EXPECT_EQ(Atributo(Hijo(Hijo(base, "Combinacion"), "Base_Numeros"), "numeros"), "3,17,25,40,48");
    EXPECT_EQ(Atributo(Hijo(Hijo(base, "Combinacion"), "Base_Estrellas"), "estrellas"), "2,11");
    EXPECT_EQ(Atributo(Hijo(base, "CombinacionGanadora"), "valor"), "6,11,16,21,26,3,12");
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(Atributo(FiltroDe(base, k), "activado"), k == 1 || k == 7 ? "1" : "0") << k;
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 0), "Bajos"), "valores"), "0,2,5");
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 1), "Decena4050"), "valores"), "1");
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 1), "FigurasDecenas"), "valores"), "0,1,0,0,0,0,1");
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 2), "Distancia23Minima"), "valor"), "2");
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 2), "Distancia15Maxima"), "valor"), "-4");
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 5), "ParesActivos"), "valores"), "3");
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 6), "NumerosSeguidos"), "valores"), "2,5");
    EXPECT_EQ(Atributo(Hijo(Hijo(FiltroDe(base, 7), "intervalos"), "intervalo", 1), "suma"), "60-140");
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 8), "TerminadosEn", 7), "valores"), "1,4");
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 8), "SumaTerminaciones"), "suma"), "10-30");
    EXPECT_EQ(Atributo(Hijo(FiltroDe(base, 9), "Bola", 4), "valores"), "44,50");

    QDomElement grupos = FiltroDe(base, 3);
    ASSERT_EQ(NombresHijos(grupos), (std::vector<std::string>{"grupo", "grupo"}));
    EXPECT_EQ(Atributo(Hijo(grupos, "grupo", 0), "numero"), "7");
    EXPECT_EQ(NombresHijos(Hijo(grupos, "grupo", 0)), (std::vector<std::string>{"numeros", "aciertos"}));
    EXPECT_EQ(Atributo(Hijo(Hijo(grupos, "grupo", 0), "numeros"), "valores"), "1,50");
    EXPECT_EQ(Atributo(Hijo(Hijo(grupos, "grupo", 0), "aciertos"), "valores"), "0,2");
    EXPECT_EQ(Atributo(Hijo(grupos, "grupo", 1), "numero"), "9");
    EXPECT_EQ(Atributo(Hijo(Hijo(grupos, "grupo", 1), "numeros"), "valores"), "");

    QDomElement relacionados = FiltroDe(base, 4);
    ASSERT_EQ(NombresHijos(relacionados).size(), 2u);
    QDomElement g2 = Hijo(relacionados, "grupo", 0);
    EXPECT_EQ(Atributo(g2, "numero"), "2");
    EXPECT_EQ(NombresHijos(g2), (std::vector<std::string>{"subgrupos", "condiciones"}));
    QDomElement subgrupos = Hijo(g2, "subgrupos");
    ASSERT_EQ(NombresHijos(subgrupos).size(), 2u);
    EXPECT_EQ(Atributo(Hijo(subgrupos, "subgrupo", 0), "numero"), "5");
    EXPECT_EQ(Atributo(Hijo(subgrupos, "subgrupo", 0), "numeros"), "10");
    EXPECT_EQ(Atributo(Hijo(subgrupos, "subgrupo", 1), "numero"), "7");
    EXPECT_EQ(Atributo(Hijo(subgrupos, "subgrupo", 1), "numeros"), "20,21");
    QDomElement condiciones = Hijo(g2, "condiciones");
    ASSERT_EQ(NombresHijos(condiciones), std::vector<std::string>{"aciertos"});
    EXPECT_EQ(Atributo(Hijo(condiciones, "aciertos"), "bloque"), "2");
    EXPECT_EQ(Atributo(Hijo(condiciones, "aciertos"), "valores"), "1");
    QDomElement g4 = Hijo(relacionados, "grupo", 1);
    EXPECT_EQ(Atributo(g4, "numero"), "4");
    EXPECT_TRUE(NombresHijos(Hijo(g4, "condiciones")).empty());  // written even when empty

    QDomElement reduccion = Hijo(base, "Reduccion");
    EXPECT_EQ(Atributo(Hijo(reduccion, "Tipo"), "valor"), "2");
    EXPECT_EQ(Atributo(Hijo(reduccion, "Porcentaje"), "valor"), "85");
    EXPECT_EQ(Atributo(Hijo(reduccion, "ActivarPorcentaje"), "valor"), "0");
    EXPECT_EQ(Atributo(Hijo(reduccion, "NuApuestas"), "valor"), "250000");
    EXPECT_EQ(Atributo(Hijo(reduccion, "ActivarCiclos"), "valor"), "0");
    EXPECT_EQ(Atributo(Hijo(reduccion, "Aleatorio"), "valor"), "1");
    EXPECT_EQ(Atributo(Hijo(reduccion, "Estrellas"), "descripcion"), "3");
}

TEST_F(BaseXML, CualquierRutaYFechaDanUnDocumentoBienFormado) {
    DatosBaseXML datos;
    datos.baseASCII = "/home/ana/Apuestas & \"sorteos\"/l'<mejor>\tfichero\n.TXT";
    datos.fecha = "12/05/2024 <'\">&";
    datos.hora = std::string("10:00") + '\x01';
    QDomElement base = Leer(GenerarXMLBase(datos));
    EXPECT_EQ(Atributo(Hijo(base, "BaseASCII"), "valor"), datos.baseASCII);
    EXPECT_EQ(Atributo(Hijo(base, "DatosGeneracionFicheroXML"), "fecha"), datos.fecha);
    EXPECT_EQ(Atributo(Hijo(base, "DatosGeneracionFicheroXML"), "hora"), "10:00?");
    EXPECT_EQ(EscaparAtributo("a&b<c>d'e\"f"), "a&amp;b&lt;c&gt;d&apos;e&quot;f");
    // A code point XML cannot hold becomes "?", as the text's last character too:
    // U+FFFE, U+FFFF, U+FDD0, U+FDEF, U+1FFFE, U+10FFFF.
    for (const char* no : {"\xEF\xBF\xBE", "\xEF\xBF\xBF", "\xEF\xB7\x90", "\xEF\xB7\xAF", "\xF0\x9F\xBF\xBE",
                           "\xF4\x8F\xBF\xBF"}) {
        datos.baseASCII = std::string("/datos/a") + no;
        EXPECT_EQ(Atributo(Hijo(Leer(GenerarXMLBase(datos)), "BaseASCII"), "valor"), "/datos/a?");
    }
}

// The saved file is the writer's text itself, attributes in its order, whatever the hash
// seed of the run: the same setup always gives the same bytes.
TEST_F(BaseXML, ElMismoMontajeDaLosMismosBytesEnCadaEjecucion) {
    // Every element with two attributes is written: groups, subgroups and conditions too.
    GruposAciertos(7, 1) = 1;
    SubgruposNumeros(5, 10) = 1;
    CondicionesAciertos(5, 2) = 1;
    DatosBaseXML datos;
    datos.fecha = "01/02/2024";
    datos.hora = "10:11:12";
    const std::string texto = GenerarXMLBase(datos);
    std::string esperado = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n" + texto;
    std::replace(esperado.begin(), esperado.end(), '\'', '"');
    for (int ejecucion = 0; ejecucion < 8; ++ejecucion) {
        QHashSeed::resetRandomGlobalSeed();  // as in another run of the program
        DocumentoXML documento;
        ASSERT_TRUE(documento.loadXML(texto)) << documento.parseError().reason;
        ASSERT_EQ(documento.contenidoFichero(), esperado) << "ejecucion " << ejecucion;
    }
}

TEST(NombresDeFichero, ExtensionForzadaSoloEnElNombre) {
    EXPECT_EQ(modRutas::CambiarExtension("/tmp/base.xml", ".xml"), "/tmp/base.xml");
    EXPECT_EQ(modRutas::CambiarExtension("/tmp/base", ".xml"), "/tmp/base.xml");
    EXPECT_EQ(modRutas::CambiarExtension("/tmp/base.txt", ".xml"), "/tmp/base.xml");
    EXPECT_EQ(modRutas::CambiarExtension("/tmp/mis.bases/base", ".EUR"), "/tmp/mis.bases/base.EUR");
    EXPECT_EQ(modRutas::CambiarExtension("/tmp/a.b.c", ".EUR"), "/tmp/a.b.EUR");
    EXPECT_EQ(modRutas::CambiarExtension("Sin guardar.xml", ".EUR"), "Sin guardar.EUR");
    EXPECT_EQ(modRutas::NombreSinCarpeta("/tmp/mis.bases/base.xml"), "base.xml");
    EXPECT_EQ(modRutas::NombreSinCarpeta("base.xml"), "base.xml");
    EXPECT_EQ(NombreFicheroDesdeTitulo("TORNAVENTURA 3.1 - Fichero : Sin guardar.xml"), "Sin guardar.xml");
    EXPECT_EQ(NombreFicheroDesdeTitulo("TORNAVENTURA 3.1 - Fichero : a:b.xml"), "a:b.xml");
    EXPECT_EQ(NombreFicheroDesdeTitulo("TORNAVENTURA 3.1"), "");
}
