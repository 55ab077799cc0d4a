// Opening a base file from the main window: the dialog, the reset, the grids and the filter
// list, the two closing messages, damaged files, and a setup saved by the program coming
// back exactly.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "main/modXML.h"
#include "main/PrincipalPrueba.h"
#include "platform/DocumentoXML.h"
#include "support/FicherosPrueba.h"

using namespace modGeneral;

namespace {

const std::string CabeceraErrores = "ERRORES detectados al abrir la BASE:\r\n\r\n";

class AbrirBase : public PruebaPrincipal {
protected:
    std::string Ruta(const std::string& nombre) const { return guion.carpeta + "/" + nombre; }
    std::string Escribir(const std::string& nombre, const std::string& bytes) const {
        const std::string ruta = Ruta(nombre);
        std::ofstream(ruta, std::ios::binary) << bytes;
        return ruta;
    }
    // Opens the file through the real procedure, the dialog answered with ruta.
    void Abrir(const std::string& ruta) {
        guion.dialogos.push_back(Eleccion(ruta));
        guion.mensajes.clear();
        f.frmPrincipal::AbrirBaseXML();
    }
    void Guardar(const std::string& ruta) {
        guion.dialogos.push_back(Eleccion(ruta));
        f.frmPrincipal::GuardarBaseXML();
    }
    std::string Titulo() const { return f.windowTitle().toStdString(); }
    std::vector<std::string> Mensajes() const {
        std::vector<std::string> v;
        for (const auto& m : guion.mensajes) v.push_back(m.texto);
        return v;
    }
};

std::string Base(const std::string& hijos) { return "<XML><BASE>" + hijos + "</BASE></XML>"; }

// ---------------------------------------------------------------- a whole setup

// Everything a base file carries, as the window and the tables show it, by name.
using Estado = std::vector<std::pair<std::string, std::string>>;

std::string Fila(const Tabla<Byte>& t, long r, int desde, int hasta) {
    std::string s;
    for (int c = desde; c <= hasta; ++c) s += std::to_string(t(r, c)) + ",";
    return s;
}
std::string Conteos(const TablaConteos& t) {
    std::string s;
    for (int c = 0; c <= 5; ++c) s += std::to_string(t(c)) + ",";
    return s;
}
std::string Figuras(const TablaFiguras& t) {
    std::string s;
    for (int c = 1; c <= 7; ++c) s += std::to_string(t(c)) + ",";
    return s;
}

Estado Capturar(const frmPrincipal& f) {
    Estado e;
    auto anotar = [&](const std::string& clave, const std::string& valor) { e.emplace_back(clave, valor); };
    std::string marcas;
    for (auto* l : f.lblNumero) marcas += RejillaNumeros::EtiquetaMarcada(l) ? '1' : '0';
    anotar("numeros", marcas);
    marcas.clear();
    for (auto* l : f.lblEstrella) marcas += RejillaNumeros::EtiquetaMarcada(l) ? '1' : '0';
    anotar("estrellas", marcas);
    for (int k = 0; k < f.lstFiltros->ListCount(); ++k) anotar("fila " + std::to_string(k), f.lstFiltros->List(k).toStdString());
    for (const Etiqueta* l : {f.lblApuestasIniciales, f.lblEstrellasInicialesAUX, f.lblTOTALInicialesAUX,
                              f.lblApuestasCondicionadas, f.lblTOTALCondicionadasAUX, f.lblTipoCombinacion,
                              f.lblTipoCombinacionEstrellas})
        anotar("contador " + l->objectName().toStdString(), l->Caption().toStdString());
    std::string ganadora;
    for (int i = 1; i <= 7; ++i) ganadora += std::to_string(CombinacionGanadora[i]) + ",";
    anotar("ganadora", ganadora);
    anotar("reduccion", std::to_string(Reduccion.Tipo) + "," + std::to_string(Reduccion.Porcentaje) + "," +
                            std::to_string(Reduccion.NuApuestas) + "," + std::to_string(Reduccion.ActivarCiclos) + "," +
                            std::to_string(Reduccion.ModoNuApuestas) + "," + std::to_string(Reduccion.Aleatorio) + "," +
                            std::to_string(Reduccion.Estrellas));
    anotar("bajos", Conteos(Bajos));
    anotar("altos", Conteos(Altos));
    const TablaConteos* decenas[5] = {&Decena0109, &Decena1019, &Decena2029, &Decena3039, &Decena4050};
    for (int d = 0; d < 5; ++d) anotar("decena " + std::to_string(d), Conteos(*decenas[d]));
    anotar("figuras decenas", Figuras(FigurasDecenas));
    anotar("distancias", std::to_string(Distancia12Minima) + "," + std::to_string(Distancia12Maxima) + "," +
                             std::to_string(Distancia23Minima) + "," + std::to_string(Distancia23Maxima) + "," +
                             std::to_string(Distancia34Minima) + "," + std::to_string(Distancia34Maxima) + "," +
                             std::to_string(Distancia45Minima) + "," + std::to_string(Distancia45Maxima) + "," +
                             std::to_string(Distancia15Minima) + "," + std::to_string(Distancia15Maxima));
    anotar("pares", Conteos(ParesActivos));
    anotar("seguidos", Conteos(NumerosSeguidos));
    anotar("figuras seguidos", Figuras(FigurasSeguidos));
    for (int i = 1; i <= 6; ++i)
        anotar("suma " + std::to_string(i), std::to_string(SumaMinima[i]) + "-" + std::to_string(SumaMaxima[i]));
    for (int d = 0; d <= 9; ++d) anotar("terminados " + std::to_string(d), Fila(TerminadosEn, d, 0, 5));
    anotar("suma terminaciones",
           std::to_string(SumaTerminacionesMinima) + "-" + std::to_string(SumaTerminacionesMaxima));
    anotar("figuras terminaciones", Figuras(FigurasTerminaciones));
    for (int g = 1; g <= 120; ++g) {
        anotar("grupo " + std::to_string(g), Fila(GruposNumeros, g, 1, 50));
        anotar("aciertos " + std::to_string(g), Fila(GruposAciertos, g, 0, 5));
    }
    for (int r = 1; r <= 160; ++r) {
        anotar("subgrupo " + std::to_string(r), Fila(SubgruposNumeros, r, 1, 50));
        anotar("condicion " + std::to_string(r), Fila(CondicionesAciertos, r, 0, 5));
    }
    for (int p = 1; p <= 5; ++p) anotar("bola " + std::to_string(p), Fila(PosicionesNumeros, p, 1, 50));
    return e;
}

// A random setup as the windows of the program can leave it: groups without hit counts and
// related groups without numbers are never stored, the non-empty subgroups of a related group
// come first, sums are not negative, the index 0 of the runs is never set, and the rows of the
// stars and the reduction are active exactly when their setting is not 0.
class Azar {
public:
    explicit Azar(unsigned semilla) : g_(semilla) {}
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g_); }
    bool Moneda(int porCiento = 50) { return Entre(1, 100) <= porCiento; }
    void Conteos(TablaConteos& t, int desde = 0) {
        for (int c = desde; c <= 5; ++c) t.v[c] = Moneda(30);
    }
    void Figuras(TablaFiguras& t) {
        for (int c = 1; c <= 7; ++c) t.v[c] = static_cast<Byte>(Moneda(10) ? Entre(0, 255) : Moneda(40));
    }
    void Fila(Tabla<Byte>& t, long r, int desde, int hasta, int porCiento) {
        for (int c = desde; c <= hasta; ++c) t(r, c) = Moneda(porCiento);
    }
    void FilaNoVacia(Tabla<Byte>& t, long r, int desde, int hasta, int porCiento) {
        Fila(t, r, desde, hasta, porCiento);
        t(r, Entre(desde, hasta)) = 1;
    }
    Integer Entero16() { return static_cast<Integer>(Moneda(70) ? Entre(0, 60) : Entre(-32768, 32767)); }
    std::string Ruta() {
        static const char* const piezas[] = {"a", "Z", "ñ", "é", "€", "&", "'", "\"", "<", ">", " ", "中", "ü", "/", "9"};
        std::string s = "/datos/";
        const int n = Entre(1, 30);
        for (int i = 0; i < n; ++i) s += piezas[Entre(0, 14)];
        return s + ".TXT";
    }

    void Preparar(frmPrincipalPrueba& f) {
        f.NuevaCombinacion();
        for (auto* l : f.lblNumero)
            if (Moneda(30)) RejillaNumeros::MarcarEtiqueta(l);
        for (auto* l : f.lblEstrella)
            if (Moneda(30)) RejillaNumeros::MarcarEtiqueta(l);
        for (int i = 1; i <= 5; ++i) CombinacionGanadora[i] = static_cast<Byte>(Moneda(50) ? Entre(1, 50) : 0);
        for (int i = 6; i <= 7; ++i) CombinacionGanadora[i] = static_cast<Byte>(Moneda(50) ? Entre(1, 12) : 0);
        const QString ruta = Moneda(60) ? QString::fromStdString(Ruta()) : QString();
        f.txtFicheroASCII->setToolTip(ruta);
        f.txtFicheroASCII->SetText(ruta);

        Conteos(Bajos);
        Conteos(Altos);
        for (TablaConteos* t : {&Decena0109, &Decena1019, &Decena2029, &Decena3039, &Decena4050}) Conteos(*t);
        Figuras(FigurasDecenas);
        for (Integer* v : {&Distancia12Minima, &Distancia12Maxima, &Distancia23Minima, &Distancia23Maxima,
                           &Distancia34Minima, &Distancia34Maxima, &Distancia45Minima, &Distancia45Maxima,
                           &Distancia15Minima, &Distancia15Maxima})
            *v = Entero16();
        Conteos(ParesActivos);
        Conteos(NumerosSeguidos, 1);
        Figuras(FigurasSeguidos);
        for (int i = 1; i <= 6; ++i) {
            SumaMinima[i] = static_cast<Integer>(Moneda(50) ? Entre(0, 255) : 0);
            SumaMaxima[i] = static_cast<Integer>(Moneda(50) ? Entre(0, 32767) : 0);
        }
        for (int d = 0; d <= 9; ++d) Fila(TerminadosEn, d, 0, 5, 25);
        SumaTerminacionesMinima = static_cast<Byte>(Entre(0, 255));
        SumaTerminacionesMaxima = static_cast<Byte>(Entre(0, 255));
        Figuras(FigurasTerminaciones);
        const int grupos = Moneda(20) ? 120 : Entre(0, 10);
        for (int g = 1; g <= grupos; ++g) {
            const int gr = grupos == 120 ? g : Entre(1, 120);
            FilaNoVacia(GruposAciertos, gr, 0, 5, 30);
            Fila(GruposNumeros, gr, 1, 50, Moneda(10) ? 0 : 20);
        }
        const int relacionados = Moneda(20) ? 40 : Entre(0, 8);
        for (int g = 1; g <= relacionados; ++g) {
            const int subgrupos = Entre(1, 4);
            for (int s = 1; s <= subgrupos; ++s) FilaNoVacia(SubgruposNumeros, 4 * (g - 1) + s, 1, 50, 10);
            for (int c = 1; c <= 4; ++c)
                if (Moneda(50)) Fila(CondicionesAciertos, 4 * (g - 1) + c, 0, 5, 40);
        }
        for (int p = 1; p <= 5; ++p) Fila(PosicionesNumeros, p, 1, 50, 15);

        Reduccion.Tipo = static_cast<Integer>(Entre(0, 3));
        Reduccion.Porcentaje = Entero16();
        Reduccion.NuApuestas = Moneda(50) ? Entre(1, 5000) : static_cast<Long>(g_());
        Reduccion.ActivarCiclos = static_cast<Integer>(Entre(0, 1));
        Reduccion.ModoNuApuestas = Moneda(50);
        Reduccion.Aleatorio = Entero16();
        Reduccion.Estrellas = static_cast<Integer>(Entre(0, 3));

        for (int k = 0; k < 10; ++k)
            if (Moneda(40)) f.ActivarFilaFiltro(k);
        f.lstFiltros->SetList(3, f.TextoFilaGrupos(f.FilaActiva(3)));
        f.lstFiltros->SetList(4, f.TextoFilaGruposRelacionados(f.FilaActiva(4)));
        f.lstFiltros->SetList(10, frmPrincipal::TextoFilaEstrellas(Reduccion.Estrellas != 0, Reduccion.Estrellas));
        f.lstFiltros->SetList(11, frmPrincipal::TextoFilaReduccion(Reduccion.Tipo != 0, Reduccion.Tipo));
        f.ActualizarContadoresBase();
        BaseGuardada = false;
    }

private:
    std::mt19937 g_;
};

}  // namespace

// ---------------------------------------------------------------- the property

TEST_F(AbrirBase, UnaBaseGuardadaVuelveIgual) {
    for (unsigned vuelta = 0; vuelta < 150; ++vuelta) {
        Azar azar(7000 + vuelta);
        azar.Preparar(f);
        const Estado antes = Capturar(f);
        const std::string ruta = f.txtFicheroASCII->toolTip().toStdString();
        const std::string fichero = "base " + std::to_string(vuelta) + " año.xml";
        Guardar(Ruta(fichero));
        ASSERT_TRUE(BaseGuardada) << guion.UltimoMensaje();

        // Another setup in between: the file must replace it entirely.
        Azar(9000 + vuelta).Preparar(f);
        Abrir(Ruta(fichero));
        const Estado despues = Capturar(f);
        ASSERT_EQ(antes.size(), despues.size());
        for (std::size_t i = 0; i < antes.size(); ++i)
            ASSERT_EQ(antes[i], despues[i]) << "vuelta " << vuelta;

        EXPECT_EQ(Titulo(), "TORNAVENTURA 3.1 - Fichero : " + fichero);
        EXPECT_TRUE(BaseGuardada);
        // The bet file's path is not restored; the notice gives it intact.
        EXPECT_TRUE(f.txtFicheroASCII->toolTip().isEmpty());
        if (ruta.empty()) {
            EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
        } else {
            ASSERT_EQ(guion.mensajes.size(), 1u) << guion.UltimoMensaje();
            EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Exclamacion);
            EXPECT_EQ(guion.mensajes[0].texto,
                      "AVISO : La Base fue importada desde el fichero en ASCII: (" + ruta +
                          ")\r\nDebe importarlo de nuevo con la opción 'Desde Archivo' si quiere que su Combinación "
                          "parta de dicho fichero.");
        }
    }
}

// A bet file's name may hold characters XML cannot carry: the base file stores "?" in their
// place, and saves and opens again.
TEST_F(AbrirBase, UnaRutaConNoCaracteresSeGuardaYSeVuelveAAbrir) {
    const QString ruta = QStringLiteral("/datos/ñ€") + QChar(0xFFFE) + QChar(0xFFFF) + QChar(0xFDD0) + QChar(0xFDEF) +
                         QChar(0xFDCF) + QChar(0xFFFD) + QString::fromUcs4(U"\U0001FFFE\U0010FFFF") + QStringLiteral(".TXT");
    f.txtFicheroASCII->setToolTip(ruta);
    MarcarNumeros({3, 9});
    Guardar(Ruta("rara.xml"));
    ASSERT_TRUE(BaseGuardada) << guion.UltimoMensaje();
    Abrir(Ruta("rara.xml"));
    EXPECT_EQ(Mensajes(), std::vector<std::string>{"AVISO : La Base fue importada desde el fichero en ASCII: (/datos/ñ€????"
                                                   "\uFDCF\uFFFD??.TXT)\r\nDebe importarlo de nuevo con la opción 'Desde "
                                                   "Archivo' si quiere que su Combinación parta de dicho fichero."});
    EXPECT_EQ(NumerosMarcados(), 2);
}

// ---------------------------------------------------------------- the procedure

TEST_F(AbrirBase, ElDialogoYSuCancelacion) {
    MarcarNumeros({4, 8});
    f.ActivarFilaFiltro(2);
    Reduccion.Tipo = 2;
    const std::string titulo = Titulo();
    f.frmPrincipal::AbrirBaseXML();
    ASSERT_EQ(guion.peticiones.size(), 1u);
    const PeticionDialogo& p = guion.peticiones[0];
    EXPECT_FALSE(p.guardar);
    EXPECT_EQ(p.titulo, "Abrir Fichero BASE en XML");
    EXPECT_EQ(p.indiceFiltro, 1);
    EXPECT_EQ(p.nombrePropuesto, "");
    ASSERT_EQ(p.filtros.size(), 2u);
    EXPECT_EQ(p.filtros[0], (std::pair<std::string, std::string>{"Fichero BASE de TORNAVENTURA (*.XML)", "*.XML"}));
    EXPECT_EQ(p.filtros[1], (std::pair<std::string, std::string>{"Todos los archivos (*.*)", "*.*"}));
    // Cancelled: nothing changes.
    EXPECT_EQ(NumerosMarcados(), 2);
    EXPECT_TRUE(f.FilaActiva(2));
    EXPECT_EQ(Reduccion.Tipo, 2);
    EXPECT_EQ(Titulo(), titulo);
    EXPECT_FALSE(BaseGuardada);
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(AbrirBase, FilasDeEstrellasYReduccion) {
    Abrir(Escribir("cuatro.xml", Base("<Reduccion><Tipo valor='4'/><Estrellas valor='2'/></Reduccion>")));
    EXPECT_TRUE(Mensajes().empty());
    EXPECT_EQ(Reduccion.Tipo, 4);
    EXPECT_EQ(Fila(11), "Sí   Reducción             -      " + std::string(12, ' ') + "-");
    EXPECT_EQ(Fila(10), "Sí   Estrellas             Aleatorias   " + std::string(12, ' ') + "-");
    EXPECT_EQ(Caption(f.lblEstrellasInicialesAUX), "0");

    MarcarEstrellas(4);
    Abrir(Escribir("cero.xml", Base("<Combinacion><Base_Estrellas estrellas='1,2,3,4'/></Combinacion>"
                                    "<Reduccion><Tipo valor='0'/><Estrellas valor='0'/></Reduccion>")));
    EXPECT_EQ(Fila(11), "No   Reducción             -      " + std::string(12, ' ') + "-");
    EXPECT_EQ(Fila(10), "No   Estrellas             al 2   " + std::string(12, ' ') + "-");
    EXPECT_EQ(Caption(f.lblEstrellasInicialesAUX), "6");

    // A treatment no window offers shows "-   " and counts as active.
    Abrir(Escribir("nueve.xml", Base("<Reduccion><Estrellas valor='9'/></Reduccion>")));
    EXPECT_EQ(Fila(10), "Sí   Estrellas             -      " + std::string(12, ' ') + "-");
}

TEST_F(AbrirBase, EnModoDesdeArchivoLaBaseImportadaSeQueda) {
    ElegirModo(2);
    for (int n : {3, 9, 14, 22, 40}) RejillaNumeros::MarcarEtiqueta(f.lblNumero[n - 1]);
    RejillaNumeros::MarcarEtiqueta(f.lblEstrella[0]);
    f.txtFicheroASCII->SetText(QStringLiteral("sistema.txt"));
    f.txtFicheroASCII->setToolTip(QStringLiteral("/datos/sistema.txt"));
    Abrir(Escribir("desde.xml", Base("<Combinacion><Base_Numeros numeros='1,2'/></Combinacion>"
                                     "<BaseASCII valor='/otro.txt'/><Reduccion><Estrellas valor='1'/></Reduccion>"
                                     "<Filtros><Filtro nombre='SUMAS' activado='1'/></Filtros>")));
    EXPECT_TRUE(Mensajes().empty());
    EXPECT_EQ(NumerosMarcados(), 5);
    EXPECT_FALSE(RejillaNumeros::EtiquetaMarcada(f.lblNumero[0]));
    EXPECT_EQ(EstrellasMarcadas(), 1);
    EXPECT_EQ(f.txtFicheroASCII->toolTip().toStdString(), "/datos/sistema.txt");
    EXPECT_EQ(Reduccion.Estrellas, 3);
    EXPECT_EQ(Fila(10), "Sí   Estrellas             Secuenciales   " + std::string(12, ' ') + "-");
    EXPECT_TRUE(f.FilaActiva(7));
    EXPECT_TRUE(f.ModoDesdeArchivo());
}

TEST_F(AbrirBase, LosErroresSeListanAlFinalYLaBaseQuedaGuardada) {
    Abrir(Escribir("errores.xml", Base("<Combinacion><Base_Numeros numeros='5,x'/></Combinacion>"
                                       "<CombinacionGanadora valor='1,2,3,4,5,6,13'/><BaseASCII valor='/a &amp; b.txt'/>"
                                       "<Filtros><Filtro nombre='GRUPOS' activado='1'><grupo numero='7'>"
                                       "<aciertos valores='1'/></grupo><grupo numero='500'/></Filtro></Filtros>")));
    ASSERT_EQ(guion.mensajes.size(), 2u);
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
    EXPECT_EQ(guion.mensajes[0].texto, CabeceraErrores +
                                           "NUMEROSyESTRELLAS : VALOR NO NUMERICO: 'x'\r\n"
                                           "COMBINACION GANADORA : ESTRELLAS MAYORES DE 12\r\n"
                                           "GRUPOS DE NUMEROS : GRUPO FUERA DE RANGO: 500\r\n");
    EXPECT_EQ(guion.mensajes[1].estilo, EstiloMensaje::Exclamacion);
    EXPECT_NE(guion.mensajes[1].texto.find("(/a & b.txt)"), std::string::npos);
    // What could be read was read.
    EXPECT_TRUE(RejillaNumeros::EtiquetaMarcada(f.lblNumero[4]));
    EXPECT_EQ(Fila(3), "Sí   Grupos de Números     1 de 120" + std::string(11, ' ') + "-");
    EXPECT_TRUE(BaseGuardada);

    // A file failing everywhere: the box stays readable.
    std::string muchos;
    for (int i = 0; i < 100; ++i) muchos += "<Filtro nombre='POSICIONES' activado='x'><Bola id='9'/></Filtro>";
    Abrir(Escribir("muchos.xml", Base("<Filtros>" + muchos + "</Filtros>")));
    ASSERT_EQ(guion.mensajes.size(), 1u);
    std::string esperado = CabeceraErrores;
    for (int i = 0; i < 40; ++i) esperado += "POSICIONES : POSICION FUERA DE RANGO: 9\r\n";
    EXPECT_EQ(guion.mensajes[0].texto, esperado + "... Y 60 ERRORES MAS\r\n");
    EXPECT_EQ(modXML::ErroresXML.size(), 100 * std::string("POSICIONES : POSICION FUERA DE RANGO: 9\r\n").size());
}

// Damaged and hostile files: the reader's message, a fresh setup, and a window that works.
TEST_F(AbrirBase, FicherosDanadosOHostiles) {
    Guardar(Ruta("buena.xml"));
    std::ifstream entrada(Ruta("buena.xml"), std::ios::binary);
    const std::string buena((std::istreambuf_iterator<char>(entrada)), std::istreambuf_iterator<char>());
    ASSERT_GT(buena.size(), 1000u);

    std::string binario;
    for (int i = 0; i < 3000; ++i) binario += static_cast<char>((i * 131 + 7) % 256);
    std::string hondo;
    for (int i = 0; i < 100000; ++i) hondo += "<a>";
    std::string grande = buena.substr(0, buena.size() - 8);   // before </XML>
    while (grande.size() <= static_cast<std::size_t>(DocumentoXML::TamanoMaximo)) grande += "<!-- relleno -->\r\n";
    grande += "</XML>\r\n";

    // One entity of 4,000 characters referred to in one attribute until the file is 3 MB.
    std::string entidades = "<!DOCTYPE XML [<!ENTITY e \"" + std::string(4000, 'x') + "\">]><XML><BASE><BaseASCII valor='";
    while (entidades.size() < 3000000) entidades += "&e;";
    entidades += "'/></BASE></XML>";

    const std::vector<std::pair<std::string, std::string>> ficheros = {
        {"truncado.xml", buena.substr(0, buena.size() / 2)}, {"vacio.xml", ""},     {"binario.xml", binario},
        {"hondo.xml", hondo},                                 {"grande.xml", grande}, {"nulos.xml", std::string(64, '\0')},
        {"entidades.xml", entidades}};
    // What is not a file: a pipe nobody writes to (opened the usual way it would hold the
    // window for good) and a folder.
    CrearTuberia(Ruta("tuberia.xml"));
    QDir(QString::fromStdString(guion.carpeta)).mkdir(QStringLiteral("carpeta.xml"));
    std::vector<std::string> rutas;
    for (const auto& [nombre, bytes] : ficheros) rutas.push_back(Escribir(nombre, bytes));
    rutas.push_back(Ruta("tuberia.xml"));
    rutas.push_back(Ruta("carpeta.xml"));
    for (const std::string& ruta : rutas) {
        const std::string nombre = ruta.substr(ruta.rfind('/') + 1);
        MarcarNumeros({1, 2, 3, 4, 5, 6});
        Reduccion.Tipo = 3;
        f.ActivarFilaFiltro(0);
        Abrir(ruta);
        EXPECT_EQ(Mensajes(), std::vector<std::string>{CabeceraErrores + "FICHERO : ERROR AL ABRIR EL FICHERO\r\n"})
            << nombre;
        EXPECT_EQ(guion.mensajes.at(0).estilo, EstiloMensaje::Critico);
        // The reset the load starts with, and nothing else.
        EXPECT_EQ(NumerosMarcados(), 0) << nombre;
        EXPECT_EQ(Reduccion.Tipo, 0) << nombre;
        EXPECT_FALSE(f.FilaActiva(0)) << nombre;
        EXPECT_EQ(Titulo(), "TORNAVENTURA 3.1 - Fichero : " + nombre);
        EXPECT_TRUE(BaseGuardada);
        // The window goes on working.
        MarcarNumeros({7});
        EXPECT_EQ(Caption(f.lblTipoCombinacion), "1 Número");
    }
    // A file that is gone by the time it is read.
    Abrir(Ruta("no_existe.xml"));
    EXPECT_EQ(Mensajes(), std::vector<std::string>{CabeceraErrores + "FICHERO : ERROR AL ABRIR EL FICHERO\r\n"});

    // And a good file still opens afterwards, also through a link the user chose.
    MarcarNumeros({10, 20});
    Guardar(Ruta("otra.xml"));
    f.NuevaCombinacion();
    QFile::link(QString::fromStdString(Ruta("otra.xml")), QString::fromStdString(Ruta("enlace.xml")));
    Abrir(Ruta("enlace.xml"));
    EXPECT_TRUE(Mensajes().empty());
    EXPECT_EQ(NumerosMarcados(), 2);
}
