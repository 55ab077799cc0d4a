// Reading a base file back into the shared tables: the lenient walk, the conversions and
// ranges, and the one line per section that the error box lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/modXML.h"
#include "platform/DocumentoXML.h"
#include "support/DatosIniciales.h"

using namespace modGeneral;
using namespace modXML;

namespace {

// A base file around the given children of BASE.
std::string Base(const std::string& hijos) { return "<XML>\r\n<BASE>\r\n" + hijos + "</BASE>\r\n</XML>\r\n"; }
std::string Filtro(const std::string& nombre, const std::string& hijos, const std::string& activado = "1") {
    return "<Filtros><Filtro nombre='" + nombre + "' activado='" + activado + "'>" + hijos + "</Filtro></Filtros>";
}

std::vector<std::string> Lineas(const std::string& t) {
    std::vector<std::string> v;
    for (std::size_t p = 0; p < t.size();) {
        const std::size_t q = t.find("\r\n", p);
        if (q == std::string::npos) {
            v.push_back(t.substr(p) + "<sin CR LF>");
            break;
        }
        v.push_back(t.substr(p, q - p));
        p = q + 2;
    }
    return v;
}

class LecturaBase : public DatosIniciales {
protected:
    LecturaBaseXML l;
    // Loads the text as the document would and reads it into fresh tables; returns the error
    // lines.
    std::vector<std::string> Leer(const std::string& texto, bool desdeArchivo = false) {
        ReiniciarDatos();
        l = LecturaBaseXML();
        l.desdeArchivo = desdeArchivo;
        DocumentoXML doc;
        doc.loadXML(texto);
        LeerBaseXML(doc, l);
        return Lineas(ErroresXML);
    }
    static int Marcas(const Tabla<Byte>& t, long fila, int desde, int hasta) {
        int n = 0;
        for (int c = desde; c <= hasta; ++c) n += t(fila, c) != 0;
        return n;
    }
    static int MarcasTabla(const Tabla<Byte>& t, long filas, int desde, int hasta, long fila0 = 1) {
        int n = 0;
        for (long r = fila0; r < fila0 + filas; ++r) n += Marcas(t, r, desde, hasta);
        return n;
    }
};

using Lista = std::vector<std::string>;

}  // namespace

TEST(AnadirErrorXML, UnaLineaPorFalloYNadaSinTexto) {
    ErroresXML.clear();
    AnadirErrorXML("", "REDUCCION");
    EXPECT_EQ(ErroresXML, "");
    AnadirErrorXML("VALOR NO NUMERICO: 'x'", "REDUCCION");
    AnadirErrorXML("ERROR AL ABRIR EL FICHERO", "FICHERO");
    EXPECT_EQ(ErroresXML, "REDUCCION : VALOR NO NUMERICO: 'x'\r\nFICHERO : ERROR AL ABRIR EL FICHERO\r\n");
    ErroresXML.clear();
}

TEST_F(LecturaBase, NombresSinMayusculasYAtributosExactos) {
    // Element names in any case; the names of the first two levels are not examined.
    EXPECT_EQ(Leer("<raiz><cualquiera><combinacion><base_numeros numeros='0,1,51,50,7'/>"
                   "<BASE_ESTRELLAS estrellas='12,13,0,1'/><Otro numeros='9'/></combinacion>"
                   "<combinacionganadora valor='1,2,3,4,5,6,7'/></cualquiera></raiz>"),
              Lista{});
    EXPECT_TRUE(l.combinacionLeida);
    for (int v = 1; v <= 50; ++v) EXPECT_EQ(l.numeros[v], v == 1 || v == 7 || v == 50) << v;
    for (int v = 1; v <= 12; ++v) EXPECT_EQ(l.estrellas[v], v == 1 || v == 12) << v;
    EXPECT_EQ(CombinacionGanadora[7], 7);

    // An attribute spelt Numeros is not found: the section lists it and nothing of it is read.
    EXPECT_EQ(Leer(Base("<Combinacion><Base_Numeros Numeros='1,2'/></Combinacion>")),
              Lista{"NUMEROSyESTRELLAS : FALTA EL ATRIBUTO 'numeros'"});
    EXPECT_FALSE(l.numeros[1]);
    EXPECT_TRUE(l.combinacionLeida);

    // A filter named in small letters is read; an unknown one and one without a name are not.
    EXPECT_EQ(Leer(Base("<Filtros><Filtro nombre='altosbajos' activado='1'><bajos valores='1,3'/></Filtro>"
                        "<Filtro nombre='OTRO' activado='1'><Bajos valores='4'/></Filtro>"
                        "<Filtro activado='1'><Bajos valores='5'/></Filtro></Filtros>")),
              Lista{});
    EXPECT_TRUE(l.filtrosActivos[0]);
    EXPECT_EQ(Bajos(1) + Bajos(3), 2);
    EXPECT_EQ(Bajos(4) + Bajos(5), 0);
}

TEST_F(LecturaBase, ReduccionPorDefectoYSusConversiones) {
    EXPECT_EQ(Leer(Base("<Combinacion/>")), Lista{});
    EXPECT_EQ(Reduccion.Tipo, 0);
    EXPECT_EQ(Reduccion.Porcentaje, 100);
    EXPECT_EQ(Reduccion.NuApuestas, 1);
    EXPECT_EQ(Reduccion.ActivarCiclos, 1);
    EXPECT_FALSE(Reduccion.ModoNuApuestas);
    EXPECT_EQ(Reduccion.Aleatorio, 0);
    EXPECT_EQ(Reduccion.Estrellas, 0);
    EXPECT_FALSE(l.filaReduccion);
    EXPECT_FALSE(l.filaEstrellas);

    EXPECT_EQ(Leer(Base("<Reduccion><Tipo descripcion='x' valor='4'/><Porcentaje valor=' 85 '/>"
                        "<ActivarPorcentaje valor='0'/><NuApuestas valor='70000'/><ActivarCiclos valor='0'/>"
                        "<Aleatorio valor='-1'/><Estrellas valor='2'/></Reduccion>")),
              Lista{});
    EXPECT_EQ(Reduccion.Tipo, 4);
    EXPECT_EQ(Reduccion.Porcentaje, 85);
    EXPECT_TRUE(Reduccion.ModoNuApuestas);
    EXPECT_EQ(Reduccion.NuApuestas, 70000);
    EXPECT_EQ(Reduccion.ActivarCiclos, 0);
    EXPECT_EQ(Reduccion.Aleatorio, -1);
    EXPECT_EQ(Reduccion.Estrellas, 2);
    EXPECT_TRUE(l.filaReduccion);
    EXPECT_TRUE(l.filaEstrellas);

    // "1" is the percentage target; any other text the bet-count target, without a report.
    for (const auto& [texto, modo] : std::vector<std::pair<std::string, bool>>{{"1", false}, {"01", false}, {"0", true}, {"x", true}, {"", true}}) {
        EXPECT_EQ(Leer(Base("<Reduccion><ActivarPorcentaje valor='" + texto + "'/></Reduccion>")), Lista{});
        EXPECT_EQ(Reduccion.ModoNuApuestas, modo) << texto;
    }

    // Each child closes the section: one line per failing child. A failing value leaves the
    // default in place.
    EXPECT_EQ(Leer(Base("<Reduccion><Tipo valor='70000'/><Porcentaje valor='1.5'/><NuApuestas valor='3000000000'/>"
                        "<Aleatorio/><ActivarCiclos valor='1'/></Reduccion>")),
              (Lista{"REDUCCION : NUMERO FUERA DE LIMITES: '70000'", "REDUCCION : VALOR NO NUMERICO: '1.5'",
                     "REDUCCION : NUMERO FUERA DE LIMITES: '3000000000'", "REDUCCION : FALTA EL ATRIBUTO 'valor'"}));
    EXPECT_EQ(Reduccion.Tipo, 0);
    EXPECT_TRUE(l.filaReduccion);
    EXPECT_EQ(Reduccion.Porcentaje, 100);
    EXPECT_EQ(Reduccion.NuApuestas, 1);

    // In "Desde Archivo" mode the stars are sequential whatever the file says, and the grids
    // and the bet file of the base are passed over.
    EXPECT_EQ(Leer(Base("<Combinacion><Base_Numeros numeros='1,2,3'/></Combinacion><BaseASCII valor='/a.txt'/>"
                        "<Reduccion><Estrellas valor='0'/></Reduccion>"),
                   true),
              Lista{});
    EXPECT_EQ(Reduccion.Estrellas, 3);
    EXPECT_FALSE(l.combinacionLeida);
    EXPECT_FALSE(l.numeros[1]);
    EXPECT_FALSE(l.avisoImportado);
}

TEST_F(LecturaBase, CombinacionGanadoraYFicheroImportado) {
    EXPECT_EQ(Leer(Base("<CombinacionGanadora valor='1,2,3,4,5,12,13'/>")),
              Lista{"COMBINACION GANADORA : ESTRELLAS MAYORES DE 12"});
    EXPECT_EQ(CombinacionGanadora[5], 5);
    EXPECT_EQ(CombinacionGanadora[6], 12);
    EXPECT_EQ(CombinacionGanadora[7], 0);

    // A star above 12 forgets what failed before it in the section.
    EXPECT_EQ(Leer(Base("<CombinacionGanadora valor='x,2,3,4,5,99,1'/>")),
              Lista{"COMBINACION GANADORA : ESTRELLAS MAYORES DE 12"});
    EXPECT_EQ(CombinacionGanadora[7], 1);
    // One bad combination is listed once, also with both stars above 12 or a failure after them.
    for (const char* valor : {"1,2,3,4,5,13,14", "1,2,3,4,5,13,x"})
        EXPECT_EQ(Leer(Base(std::string("<CombinacionGanadora valor='") + valor + "'/>")),
                  Lista{"COMBINACION GANADORA : ESTRELLAS MAYORES DE 12"})
            << valor;

    // Numbers are not range-tested, but a slot holds 0..255; an eighth value has no slot.
    EXPECT_EQ(Leer(Base("<CombinacionGanadora valor='60,256,3,4,5,1,2,9'/>")),
              Lista{"COMBINACION GANADORA : DEMASIADOS VALORES: '60,256,3,4,5,1,2,9'"});
    EXPECT_EQ(CombinacionGanadora[1], 60);
    EXPECT_EQ(CombinacionGanadora[2], 0);
    EXPECT_EQ(Leer(Base("<CombinacionGanadora valor='1,2,3,4,5,-1'/>")),
              Lista{"COMBINACION GANADORA : VALOR FUERA DE RANGO: '-1'"});
    EXPECT_EQ(CombinacionGanadora[6], 0);

    EXPECT_EQ(Leer(Base("<BaseASCII valor='/datos/año &amp; mes/l&apos;apuesta.TXT'/>")), Lista{});
    EXPECT_TRUE(l.avisoImportado);
    EXPECT_EQ(l.ficheroImportado, "/datos/año & mes/l'apuesta.TXT");
    EXPECT_EQ(Leer(Base("<BaseASCII valor=''/>")), Lista{});
    EXPECT_FALSE(l.avisoImportado);
    EXPECT_EQ(Leer(Base("<BaseASCII/>")), Lista{"BASE ASCII : FALTA EL ATRIBUTO 'valor'"});
}

TEST_F(LecturaBase, FiltrosYSusReglas) {
    // Decades, figures and distances; a figure flag is a Byte, stored as it stands.
    EXPECT_EQ(Leer(Base(Filtro("DECENAS", "<Decena0109 valores='0,5'/><DECENA4050 valores='2'/>"
                                          "<FigurasDecenas valores='0,1,2,0,0,0,1'/>") +
                        Filtro("DISTANCIAS", "<Distancia12Minima valor='-3'/><Distancia15Maxima valor='40'/>", "0"))),
              Lista{});
    EXPECT_EQ(Decena0109(0) + Decena0109(5) + Decena4050(2), 3);
    EXPECT_EQ(FigurasDecenas(2), 1);
    EXPECT_EQ(FigurasDecenas(3), 2);
    EXPECT_EQ(FigurasDecenas(7), 1);
    EXPECT_EQ(Distancia12Minima, -3);
    EXPECT_EQ(Distancia15Maxima, 40);
    EXPECT_TRUE(l.filtrosActivos[1]);
    EXPECT_FALSE(l.filtrosActivos[2]);

    // Sums: exactly two parts or nothing, without a report.
    EXPECT_EQ(Leer(Base(Filtro("SUMAS", "<intervalos><intervalo numero='1' suma='15'/><intervalo numero='2' suma='-5-20'/>"
                                        "<otro numero='3' suma='20-180'/><intervalo numero='6' suma='200-240'/>"
                                        "<intervalo numero='7' suma='1-2'/></intervalos>"))),
              Lista{});
    EXPECT_EQ(SumaMinima[1] + SumaMaxima[1] + SumaMinima[2] + SumaMaxima[2], 0);
    EXPECT_EQ(SumaMinima[3], 20);
    EXPECT_EQ(SumaMaxima[3], 180);
    EXPECT_EQ(SumaMinima[6], 200);
    EXPECT_EQ(SumaMaxima[6], 240);

    // Last digits, their sum as Bytes, positions.
    EXPECT_EQ(Leer(Base(Filtro("TERMINACIONES", "<TerminadosEn id='0' valores='0,5'/><TerminadosEn id='9' valores='1'/>"
                                                "<SumaTerminaciones suma='3-40'/><FigurasTerminaciones valores='1'/>") +
                        Filtro("POSICIONES", "<Bola id='1' valores='1,50'/><Bola id='5' valores='25'/>"))),
              Lista{});
    EXPECT_EQ(TerminadosEn(0, 0) + TerminadosEn(0, 5) + TerminadosEn(9, 1), 3);
    EXPECT_EQ(SumaTerminacionesMinima, 3);
    EXPECT_EQ(SumaTerminacionesMaxima, 40);
    EXPECT_EQ(FigurasTerminaciones(1), 1);
    EXPECT_EQ(PosicionesNumeros(1, 1) + PosicionesNumeros(1, 50) + PosicionesNumeros(5, 25), 3);

    // Runs: index 0 and below are passed over silently.
    EXPECT_EQ(Leer(Base(Filtro("SEGUIDOS", "<NumerosSeguidos valores='0,-2,1,5'/><FigurasSeguidos valores='1,0,1'/>") +
                        Filtro("PARESIMPARES", "<ParesActivos valores='0,5'/>"))),
              Lista{});
    EXPECT_EQ(NumerosSeguidos(0), 0);
    EXPECT_EQ(NumerosSeguidos(1) + NumerosSeguidos(5), 2);
    EXPECT_EQ(FigurasSeguidos(3), 1);
    EXPECT_EQ(ParesActivos(0) + ParesActivos(5), 2);
}

TEST_F(LecturaBase, GruposYGruposRelacionados) {
    EXPECT_EQ(Leer(Base(Filtro("GRUPOS", "<grupo numero='1'><numeros valores='1,2,3'/><aciertos valores='0,1,9'/></grupo>"
                                         "<grupo numero='120'><numeros valores=''/><aciertos valores='5'/></grupo>"))),
              Lista{});
    EXPECT_EQ(Marcas(GruposNumeros, 1, 1, 50), 3);
    EXPECT_EQ(Marcas(GruposAciertos, 1, 0, 5), 2);
    EXPECT_EQ(GruposAciertos(120, 5), 1);
    EXPECT_TRUE(l.filaGrupos);
    EXPECT_TRUE(l.filtrosActivos[3]);

    // Subgroups take the places in file order: numbered 5 and 7, they are subgroups 1 and 2 of
    // group 2. Conditions go by their block.
    EXPECT_EQ(Leer(Base(Filtro("GRUPOSRELACIONADOS",
                               "<grupo numero='2'><subgrupos><subgrupo numero='5' numeros='1,2'/>"
                               "<subgrupo numero='7' numeros='3'/></subgrupos><condiciones>"
                               "<aciertos bloque='3' valores='1,2'/><otro bloque='4' valores='1'/></condiciones></grupo>"))),
              Lista{});
    EXPECT_EQ(Marcas(SubgruposNumeros, 5, 1, 50), 2);
    EXPECT_EQ(SubgruposNumeros(6, 3), 1);
    EXPECT_EQ(Marcas(SubgruposNumeros, 7, 1, 50), 0);
    EXPECT_EQ(Marcas(CondicionesAciertos, 7, 0, 5), 2);
    EXPECT_EQ(Marcas(CondicionesAciertos, 8, 0, 5), 0);
    EXPECT_TRUE(l.filaGruposRelacionados);

    // Rows 3 and 4 are rebuilt after each of their Filtro: the last one decides.
    Leer(Base("<Filtros><Filtro nombre='GRUPOS' activado='1'/><Filtro nombre='GRUPOS' activado='0'/>"
              "<Filtro nombre='BAJOS' activado='1'/><Filtro nombre='ALTOSBAJOS' activado='1'/>"
              "<Filtro nombre='ALTOSBAJOS' activado='0'/></Filtros>"));
    EXPECT_FALSE(l.filtrosActivos[3]);
    EXPECT_TRUE(l.filtrosActivos[0]);
}

// What the tables cannot hold is reported in its section and stored nowhere.
TEST_F(LecturaBase, ValoresQueLasTablasNoPuedenGuardar) {
    struct Caso {
        std::string filtro, hijos, linea;
    };
    const std::vector<Caso> casos = {
        {"GRUPOS", "<grupo numero='121'><aciertos valores='1'/></grupo>", "GRUPOS DE NUMEROS : GRUPO FUERA DE RANGO: 121"},
        {"GRUPOS", "<grupo numero='0'><aciertos valores='1'/></grupo>", "GRUPOS DE NUMEROS : GRUPO FUERA DE RANGO: 0"},
        {"GRUPOS", "<grupo numero='-32768'><aciertos valores='1'/></grupo>", "GRUPOS DE NUMEROS : GRUPO FUERA DE RANGO: -32768"},
        {"GRUPOS", "<grupo numero='3'><numeros valores='0,51'/></grupo>", "GRUPOS DE NUMEROS : VALOR FUERA DE RANGO: '51'"},
        {"GRUPOS", "<grupo><aciertos valores='1'/></grupo>", "GRUPOS DE NUMEROS : FALTA EL ATRIBUTO 'numero'"},
        {"GRUPOSRELACIONADOS", "<grupo numero='41'><subgrupos><s numeros='1'/></subgrupos></grupo>",
         "GRUPOSRELACIONADOS : GRUPO FUERA DE RANGO: 41"},
        {"GRUPOSRELACIONADOS", "<grupo numero='0'><subgrupos><s numeros='1'/></subgrupos></grupo>",
         "GRUPOSRELACIONADOS : GRUPO FUERA DE RANGO: 0"},
        {"GRUPOSRELACIONADOS",
         "<grupo numero='40'><subgrupos><s/><s/><s/><s/><s numeros='1'/></subgrupos></grupo>",
         "GRUPOSRELACIONADOS : DEMASIADOS SUBGRUPOS EN EL GRUPO 40"},
        {"GRUPOSRELACIONADOS", "<grupo numero='40'><subgrupos><s numeros='60'/></subgrupos></grupo>",
         "GRUPOSRELACIONADOS : VALOR FUERA DE RANGO: '60'"},
        {"GRUPOSRELACIONADOS", "<grupo numero='40'><condiciones><aciertos bloque='5' valores='1'/></condiciones></grupo>",
         "GRUPOSRELACIONADOS : BLOQUE FUERA DE RANGO: 5"},
        {"GRUPOSRELACIONADOS", "<grupo numero='40'><condiciones><aciertos bloque='0' valores='1'/></condiciones></grupo>",
         "GRUPOSRELACIONADOS : BLOQUE FUERA DE RANGO: 0"},
        {"PARESIMPARES", "<ParesActivos valores='6'/>", "PARES E IMPARES : VALOR FUERA DE RANGO: '6'"},
        {"PARESIMPARES", "<ParesActivos valores='-1'/>", "PARES E IMPARES : VALOR FUERA DE RANGO: '-1'"},
        {"SEGUIDOS", "<NumerosSeguidos valores='6'/>", "SEGUIDOS : VALOR FUERA DE RANGO: '6'"},
        {"SEGUIDOS", "<FigurasSeguidos valores='0,0,0,0,0,0,0,1'/>", "SEGUIDOS : DEMASIADOS VALORES: '0,0,0,0,0,0,0,1'"},
        {"SEGUIDOS", "<FigurasSeguidos valores='256'/>", "SEGUIDOS : NUMERO FUERA DE LIMITES: '256'"},
        {"TERMINACIONES", "<TerminadosEn id='10' valores='1'/>", "TERMINACIONES : TERMINACION FUERA DE RANGO: 10"},
        {"TERMINACIONES", "<TerminadosEn id='-1' valores='1'/>", "TERMINACIONES : TERMINACION FUERA DE RANGO: -1"},
        {"TERMINACIONES", "<TerminadosEn id='2' valores='6'/>", "TERMINACIONES : VALOR FUERA DE RANGO: '6'"},
        {"TERMINACIONES", "<SumaTerminaciones suma='0-256'/>", "TERMINACIONES : NUMERO FUERA DE LIMITES: '256'"},
        {"POSICIONES", "<Bola id='6' valores='1'/>", "POSICIONES : POSICION FUERA DE RANGO: 6"},
        {"POSICIONES", "<Bola id='0' valores='1'/>", "POSICIONES : POSICION FUERA DE RANGO: 0"},
        {"POSICIONES", "<Bola id='2' valores='51'/>", "POSICIONES : VALOR FUERA DE RANGO: '51'"},
        {"SUMAS", "<intervalos><intervalo numero='0' suma='1-2'/></intervalos>", "SUMAS : INTERVALO FUERA DE RANGO: 0"},
        {"SUMAS", "<intervalos><intervalo numero='1' suma='1-99999'/></intervalos>", "SUMAS : NUMERO FUERA DE LIMITES: '99999'"},
        {"DISTANCIAS", "<Distancia12Minima valor='abc'/>", "DISTANCIAS : VALOR NO NUMERICO: 'abc'"},
        {"BAJOS", "", ""},
        {"ALTOSBAJOS", "<Bajos valores='1,,2'/>", "BAJOS Y ALTOS : VALOR NO NUMERICO: ''"},
    };
    for (const Caso& c : casos) {
        const Lista esperado = c.linea.empty() ? Lista{} : Lista{c.linea};
        EXPECT_EQ(Leer(Base(Filtro(c.filtro, c.hijos))), esperado) << c.hijos;
        // Nothing beyond what a valid item may set.
        EXPECT_EQ(MarcasTabla(GruposAciertos, 120, 0, 5) + MarcasTabla(CondicionesAciertos, 160, 0, 5) +
                      MarcasTabla(SubgruposNumeros, 160, 1, 50) + MarcasTabla(TerminadosEn, 10, 0, 5, 0) +
                      MarcasTabla(PosicionesNumeros, 5, 1, 50),
                  0)
            << c.hijos;
        EXPECT_TRUE(ParesActivos.Vacia() && NumerosSeguidos.Vacia() && FigurasSeguidos.Vacia()) << c.hijos;
        EXPECT_EQ(SumaTerminacionesMaxima, 45) << c.hijos;
    }

    // Several failures of one Filtro make one line: the last one.
    EXPECT_EQ(Leer(Base(Filtro("POSICIONES", "<Bola id='9' valores='1'/><Bola id='1' valores='x'/>"))),
              Lista{"POSICIONES : VALOR NO NUMERICO: 'x'"});
    // A value is shown on one line: its line ends become blanks.
    EXPECT_EQ(Leer(Base(Filtro("DISTANCIAS", "<Distancia12Minima valor='1&#13;&#10;2'/>"))),
              Lista{"DISTANCIAS : VALOR NO NUMERICO: '1  2'"});
    // A long value is shown cut short.
    EXPECT_EQ(Leer(Base(Filtro("DISTANCIAS", "<Distancia12Minima valor='" + std::string(500, '9') + "'/>"))),
              Lista{"DISTANCIAS : NUMERO FUERA DE LIMITES: '" + std::string(20, '9') + "...'"});
}

TEST_F(LecturaBase, UnFicheroQueNoSeLeeDejaElReinicio) {
    for (const std::string& texto :
         {Base("<Combinacion><Base_Numeros numeros='1,2'/></Combinacion>").substr(0, 40), std::string(),
          std::string("\x01\x02\xFF binario"), Base("<Reduccion><Tipo valor='2'/></Reduccion>") + "<otra/>"}) {
        EXPECT_EQ(Leer(texto), Lista{"FICHERO : ERROR AL ABRIR EL FICHERO"});
        EXPECT_FALSE(l.combinacionLeida);
        EXPECT_EQ(Reduccion.Tipo, 0);
    }
}

// The largest setup the program can write stays far inside the document's limits.
TEST_F(LecturaBase, LaMayorBaseCabeEnLosLimitesDelDocumento) {
    for (int r = 1; r <= 120; ++r)
        for (int c = 0; c <= 50; ++c) {
            if (c >= 1) GruposNumeros(r, c) = 1;
            if (c <= 5) GruposAciertos(r, c) = 1;
        }
    for (int r = 1; r <= 160; ++r)
        for (int c = 0; c <= 50; ++c) {
            if (c >= 1) SubgruposNumeros(r, c) = 1;
            if (c <= 5) CondicionesAciertos(r, c) = 1;
        }
    DatosBaseXML datos;
    for (int n = 1; n <= 50; ++n) datos.numeros.push_back(n);
    for (int n = 1; n <= 12; ++n) datos.estrellas.push_back(n);
    datos.baseASCII = "/" + std::string(4000, 'x');
    const std::string texto = GenerarXMLBase(datos);
    EXPECT_LT(texto.size(), 200u * 1024);
    DocumentoXML doc;
    ASSERT_TRUE(doc.loadXML(texto)) << doc.parseError().reason;
    LeerBaseXML(doc, l);
    EXPECT_EQ(ErroresXML, "");
    EXPECT_EQ(MarcasTabla(SubgruposNumeros, 160, 1, 50), 160 * 50);
}
