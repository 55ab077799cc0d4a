// The main window's writers when the write fails: GUARDAR, "Cálculo Definitivo" (the bet file
// and the base file beside it) and the reports. Whatever stood at the path (a full disk, a
// pipe, a folder, a read-only file) the old files stay byte for byte, the message names the
// failure, nothing counts as saved, and the window goes on working. A link the user chose is
// followed; a link at a report's fixed name is replaced, never followed.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

#include "main/PrincipalPrueba.h"
#include "platform/Ficheros.h"
#include "support/FicherosPrueba.h"
#include "support/LectorEUR.h"

using namespace modGeneral;
namespace fs = std::filesystem;

namespace {

const std::string Tuberia = "No es un archivo normal (es un dispositivo o una tuber\xC3\xAD" "a)";
const std::string Carpeta = "Es una carpeta, no un archivo";

class EscriturasPrincipal : public PruebaPrincipal {
protected:
    DiscoLleno disco;

    void SetUp() override {
        PruebaPrincipal::SetUp();
        if (!disco.Real()) std::cout << "[ note ] " << disco.Motivo() << "\n";
        MarcarNumeros({3, 9, 14, 27, 33, 41});
        MarcarEstrellas(2);
    }
    void TearDown() override { Ficheros::QuitarFallos(); }

    std::string Ruta(const std::string& nombre) const { return guion.carpeta + "/" + nombre; }
    std::string Titulo() const { return f.windowTitle().toStdString(); }
    void GuardarBase(const std::string& ruta) {
        guion.dialogos.push_back(Eleccion(ruta));
        f.frmPrincipal::GuardarBaseXML();
    }
    // "Cálculo de Prueba", then "Cálculo Definitivo" into ruta.
    void GuardarPar(const std::string& ruta) {
        f.frmPrincipal::Calcular();
        guion.dialogos.push_back(Eleccion(ruta));
        f.frmPrincipal::GuardarApuestasEUR();
    }
    // A save of the pair killed between its two renames: the new bet file stands beside the
    // old base file until the pair is next touched.
    void MatarEntreRenombres(const std::string& ruta, std::vector<std::pair<Ficheros::Paso, int>> fallos = {
                                                          {Ficheros::Paso::Renombrar, 2}}) {
        f.lblNumero_Click(49);  // the new pair differs from the old
        f.frmPrincipal::Calcular();
        ASSERT_TRUE(MuereAlHacer([&] {
            for (std::size_t i = 0; i < fallos.size(); ++i)
                Ficheros::AnadirFallo(fallos[i].first, fallos[i].second,
                                      i + 1 < fallos.size() ? EPERM : Ficheros::Matar);
            guion.dialogos.push_back(Eleccion(ruta));
            f.frmPrincipal::GuardarApuestasEUR();
        }));
    }
    void Abrir(const std::string& xml) {
        guion.dialogos.push_back(Eleccion(xml));
        f.frmPrincipal::AbrirBaseXML();
    }
    // Nothing of the program's is left in the folder: no journal, kept copy or temporary file.
    static void SinOcultos(const std::string& carpeta) {
        for (const std::string& n : Contenido(carpeta)) EXPECT_NE(n[0], '.') << n;
    }
    // What must hold after every failure: one critical message that starts as given and
    // names the reason, nothing saved, the title as it was, nothing of the save left, and a
    // window that still saves.
    void ComprobarFallo(const std::string& mensaje, const std::string& titulo, const std::string& carpeta) {
        ASSERT_EQ(guion.mensajes.size(), 1u);
        EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
        EXPECT_EQ(guion.mensajes[0].texto, mensaje);
        EXPECT_FALSE(BaseGuardada);
        EXPECT_EQ(Titulo(), titulo);
        SinOcultos(carpeta);
        EXPECT_TRUE(f.lblMenu[2]->isEnabled());
    }
};

struct Destino {
    std::string nombre;
    std::function<std::string()> preparar;  // puts what the case needs and returns the path
    std::string motivo;
};

}  // namespace

TEST_F(EscriturasPrincipal, GuardarLaBaseQueFallaNoLaDaPorGuardada) {
    const std::string antigua = "<XML><BASE/></XML>";
    const std::vector<Destino> casos = {
        {"disco lleno",
         [&] {
             EscribirBytes(disco.Carpeta() + "/base.xml", antigua);
             disco.Llenar();
             return disco.Carpeta() + "/base.xml";
         },
         LlenoConservado},
        {"tuberia", [&] { CrearTuberia(Ruta("tuberia.xml")); return Ruta("tuberia.xml"); }, Tuberia},
        {"carpeta", [&] { fs::create_directory(Ruta("carpeta.xml")); return Ruta("carpeta.xml"); }, Carpeta},
        {"solo lectura",
         [&] {
             EscribirBytes(Ruta("protegida.xml"), antigua);
             chmod(Ruta("protegida.xml").c_str(), 0444);
             return Ruta("protegida.xml");
         },
         "Permiso denegado"},
    };
    for (const Destino& c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::string ruta = c.preparar();
        BaseGuardada = false;
        guion.mensajes.clear();
        GuardarBase(ruta);
        ComprobarFallo("ERROR AL GUARDAR EL FICHERO BASE EN XML (" + c.motivo + ")",
                       "TORNAVENTURA 3.1 - Fichero : Sin guardar.xml", fs::path(ruta).parent_path().string());
        if (fs::is_regular_file(ruta)) {
            EXPECT_EQ(LeerBytes(ruta), antigua);
        }
    }
    EXPECT_TRUE(EsTuberia(Ruta("tuberia.xml")));

    // A link the user chose: the base file it names is saved, the link stays.
    fs::create_directory(Ruta("compartida"));
    EscribirBytes(Ruta("compartida/base.xml"), antigua);
    fs::create_symlink(Ruta("compartida/base.xml"), Ruta("enlace.xml"));
    guion.mensajes.clear();
    GuardarBase(Ruta("enlace.xml"));
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_TRUE(BaseGuardada);
    EXPECT_EQ(Titulo(), "TORNAVENTURA 3.1 - Fichero : enlace.xml");
    EXPECT_TRUE(fs::is_symlink(Ruta("enlace.xml")));
    EXPECT_EQ(guion.peticiones.back().extension, ".xml");
    EXPECT_NE(LeerBytes(Ruta("compartida/base.xml")).find("<BASE"), std::string::npos);
    EXPECT_EQ(Contenido(Ruta("compartida")), std::vector<std::string>{"base.xml"});
}

// The bet file and the base file beside it stay a pair: when either cannot be written or put
// in place, both old files stay as they were, and a new pair that fails leaves nothing.
TEST_F(EscriturasPrincipal, ElParDeApuestasYBaseSeGuardaEnteroONada) {
    struct Caso {
        std::string nombre;
        std::function<std::string()> preparar;  // the .EUR path chosen
        std::string mensaje;
    };
    const std::string eur = "ERROR AL GUARDAR EL FICHERO (";
    const std::string par = "ERROR AL GUARDAR EL FICHERO CON LA REDUCCION (";
    // An earlier pair, saved by the program.
    auto parAntiguo = [&](const std::string& ruta) {
        GuardarPar(ruta);
        EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
        return ruta;
    };
    // An earlier pair with one of its files replaced by a pipe or a folder.
    auto parConSustituto = [&](const std::string& nombre, const std::string& extension, bool tuberia) {
        parAntiguo(Ruta(nombre + ".EUR"));
        const std::string sustituido = Ruta(nombre + extension);
        fs::remove(sustituido);
        if (tuberia) CrearTuberia(sustituido);
        else fs::create_directory(sustituido);
        return Ruta(nombre + ".EUR");
    };
    // A pair (an earlier one, or none) whose next save fails at the step given.
    auto conFallo = [&](const std::string& nombre, bool antiguo, Ficheros::Paso paso, int vez, int codigo) {
        return [=, &parAntiguo, this] {
            if (antiguo) parAntiguo(Ruta(nombre + ".EUR"));
            Ficheros::ProvocarFallo(paso, vez, codigo);
            return Ruta(nombre + ".EUR");
        };
    };
    const std::string EnUso = "El archivo est\xC3\xA1 en uso)";
    const std::vector<Caso> casos = {
        {"disco lleno",
         [&] {
             parAntiguo(disco.Carpeta() + "/par.EUR");
             disco.Llenar();
             return disco.Carpeta() + "/par.EUR";
         },
         eur + LlenoConservado + ")"},
        {"apuestas en una carpeta", [&] { return parConSustituto("carpeta", ".EUR", false); }, eur + Carpeta + ")"},
        {"apuestas en una tuberia", [&] { return parConSustituto("tuberia", ".EUR", true); }, eur + Tuberia + ")"},
        {"base en una tuberia", [&] { return parConSustituto("base_tuberia", ".xml", true); }, par + Tuberia + ")"},
        {"base en una carpeta", [&] { return parConSustituto("base_carpeta", ".xml", false); }, par + Carpeta + ")"},
        // Both files are synced before either is renamed, and bets already in place go back
        // when the base file cannot follow them (a new pair leaves nothing).
        {"las apuestas no se pueden poner en su sitio", conFallo("renombre", true, Ficheros::Paso::Renombrar, 1, EBUSY),
         eur + EnUso},
        {"la base no se puede sincronizar", conFallo("sincronia", true, Ficheros::Paso::Sincronizar, 2, EIO),
         par + "Error de E/S de dispositivo)"},
        {"la base no se puede poner en su sitio", conFallo("segundo", true, Ficheros::Paso::Renombrar, 2, EBUSY),
         par + EnUso},
        {"un par nuevo cuya base no se puede poner en su sitio",
         conFallo("nuevo", false, Ficheros::Paso::Renombrar, 2, EBUSY),
         par + EnUso},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        guion.mensajes.clear();
        const std::string ruta = c.preparar();
        const std::string xml = ruta.substr(0, ruta.size() - 4) + ".xml";
        const std::string antesEUR = fs::is_regular_file(ruta) ? LeerBytes(ruta) : "";
        const std::string antesXML = fs::is_regular_file(xml) ? LeerBytes(xml) : "";
        // The old pair differs from what the next save would write.
        f.lblNumero_Click(49);
        guion.mensajes.clear();
        BaseGuardada = false;
        GuardarPar(ruta);
        f.lblNumero_Click(49);
        ComprobarFallo(c.mensaje, "TORNAVENTURA 3.1 - Fichero : Sin guardar.xml", fs::path(ruta).parent_path().string());
        if (fs::is_regular_file(ruta) || antesEUR.size()) {
            EXPECT_EQ(LeerBytes(ruta), antesEUR);
        }
        if (fs::is_regular_file(xml) || antesXML.size()) {
            EXPECT_EQ(LeerBytes(xml), antesXML);
        }
    }
    guion.mensajes.clear();
    GuardarPar(Ruta("bueno.EUR"));
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_TRUE(BaseGuardada);
    EXPECT_EQ(guion.peticiones.back().extension, ".EUR");
    EXPECT_TRUE(LeerFicheroEUR(Ruta("bueno.EUR")).leido);
    EXPECT_TRUE(fs::is_regular_file(Ruta("bueno.xml")));
}

// A save killed while it puts the pair in place: whoever next touches the pair (ABRIR, a
// save of the base file, the import of the bets) finds both new files, or both old ones when
// the save died before its journal was whole; never a new bet file beside an old base file,
// never no bet file (a file system without hard links moves the old one aside). The touch
// also clears what the killed save left hidden, once it is a minute old.
TEST_F(EscriturasPrincipal, UnGuardadoMatadoDejaElParEnteroAlTocarlo) {
    using Ficheros::Paso;
    std::string ruta, xml;
    const struct {
        std::string nombre;
        std::vector<std::pair<Paso, int>> fallos;  // the last one kills
        std::function<void()> tocar;
        bool antiguo, nuevo;
    } casos[] = {
        {"entre los dos renombres, ABRIR", {{Paso::Renombrar, 2}}, [&] { Abrir(xml); }, true, true},
        {"sin enlaces duros, con las apuestas apartadas, GUARDAR", {{Paso::Enlazar, 1}, {Paso::Renombrar, 1}},
         [&] { GuardarBase(xml); }, true, true},
        {"escribiendo el diario, importar", {{Paso::Diario, 1}}, [&] {
             guion.dialogos.push_back(Eleccion(ruta));
             f.frmPrincipal::ImportarApuestasDesdeArchivo();
         }, true, false},
        {"un par nuevo entre los dos renombres, ABRIR", {{Paso::Renombrar, 2}}, [&] { Abrir(xml); }, false, true},
    };
    int n = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        ruta = Ruta("par" + std::to_string(++n) + ".EUR");
        xml = Ruta("par" + std::to_string(n) + ".xml");
        if (c.antiguo) GuardarPar(ruta);
        const std::string antesEUR = c.antiguo ? LeerBytes(ruta) : "", antesXML = c.antiguo ? LeerBytes(xml) : "";
        MatarEntreRenombres(ruta, c.fallos);
        for (const std::string& nombre : Contenido(guion.carpeta)) Envejecer(Ruta(nombre), 2 * Ficheros::SegundosRestos);
        c.tocar();
        ASSERT_TRUE(fs::is_regular_file(ruta));
        EXPECT_EQ(LeerBytes(ruta) != antesEUR, c.nuevo);
        if (c.nuevo) EXPECT_TRUE(LeerFicheroEUR(ruta).leido);
        else EXPECT_EQ(LeerBytes(xml), antesXML);
        if (!c.antiguo) {
            EXPECT_TRUE(fs::is_regular_file(xml));
        }
        SinOcultos(guion.carpeta);
    }
}

// A pair killed between its renames is finished where its folder is found: after the folder
// was renamed, and in a copy of it, whose opening leaves the original as it was.
TEST_F(EscriturasPrincipal, UnParMatadoSeTerminaDondeEsteSuCarpeta) {
    fs::create_directory(Ruta("antes"));
    GuardarPar(Ruta("antes/par.EUR"));
    const std::string viejo = LeerBytes(Ruta("antes/par.xml"));
    MatarEntreRenombres(Ruta("antes/par.EUR"));
    fs::rename(Ruta("antes"), Ruta("movida"));
    fs::copy(Ruta("movida"), Ruta("copia"));
    const std::vector<std::string> original = Contenido(Ruta("movida"));
    ASSERT_EQ(LeerBytes(Ruta("movida/par.xml")), viejo);

    for (const std::string& carpeta : {Ruta("copia"), Ruta("movida")}) {
        SCOPED_TRACE(carpeta);
        guion.mensajes.clear();
        Abrir(carpeta + "/par.xml");
        EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
        // Both files hold the new base, the one with number 50.
        EXPECT_NE(LeerBytes(carpeta + "/par.xml").find(",50\""), std::string::npos);
        EXPECT_NE(LeerFicheroEUR(carpeta + "/par.EUR").cabecera.find("50+"), std::string::npos);
        SinOcultos(carpeta);
        if (carpeta == Ruta("copia")) {
            EXPECT_EQ(Contenido(Ruta("movida")), original);
            EXPECT_EQ(LeerBytes(Ruta("movida/par.xml")), viejo);
        }
    }
}

// While a killed save of the pair cannot be finished (a rename refused), ABRIR says so and
// no save of either file goes ahead. A file another program puts in place meanwhile is never
// covered by the older save: the journal puts the old bet file back beside it.
TEST_F(EscriturasPrincipal, UnGuardadoQueEsperaNoDeshaceLoGuardadoDespues) {
    const std::string ruta = Ruta("par.EUR"), xml = Ruta("par.xml");
    GuardarPar(ruta);
    const std::string antesEUR = LeerBytes(ruta);
    MatarEntreRenombres(ruta);
    const std::string medias = "Un guardado anterior de este archivo y de su pareja qued\xC3\xB3 a medias y no se ha "
                               "podido terminar";
    Ficheros::ProvocarFallo(Ficheros::Paso::Terminar, Ficheros::Siempre, EACCES);
    guion.mensajes.clear();
    Abrir(xml);
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_NE(guion.mensajes[0].texto.find(medias), std::string::npos) << guion.mensajes[0].texto;
    guion.mensajes.clear();
    GuardarBase(xml);
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, "ERROR AL GUARDAR EL FICHERO BASE EN XML (" + medias + ")");
    Ficheros::QuitarFallos();

    const std::string otro = LeerBytes(xml) + "<!-- otro programa -->";
    EscribirBytes(Ruta("otro.tmp"), otro);
    fs::rename(Ruta("otro.tmp"), xml);
    guion.mensajes.clear();
    Abrir(xml);
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(LeerBytes(xml), otro);
    EXPECT_EQ(LeerBytes(ruta), antesEUR);
    SinOcultos(guion.carpeta);
}

// The old bet file, kept while the pair is put in place, goes back when the base file cannot
// follow, even while another copy of the program saves the same bet file over and over (the
// kept copy never reads as one of its leftovers). When it cannot go back, the message says
// where it is.
TEST_F(EscriturasPrincipal, LaCopiaAnteriorDeLasApuestasNoSePierde) {
    const std::string ruta = Ruta("par.EUR");
    GuardarPar(ruta);
    const std::string antes = LeerBytes(ruta);
    const pid_t otro = fork();
    ASSERT_GE(otro, 0);
    if (otro == 0)
        for (std::string error;;) {
            Ficheros::EscribirFichero(ruta, antes, error);
            Envejecer(ruta, 2 * Ficheros::SegundosRestos);
        }
    f.lblNumero_Click(49);
    f.frmPrincipal::Calcular();
    const std::string prefijo = "ERROR AL GUARDAR EL FICHERO CON LA REDUCCION (El archivo est\xC3\xA1 en uso";
    for (int vez = 0; vez < 40; ++vez) {
        guion.mensajes.clear();
        Ficheros::ProvocarFallo(Ficheros::Paso::Renombrar, 2, EBUSY);
        guion.dialogos.push_back(Eleccion(ruta));
        f.frmPrincipal::GuardarApuestasEUR();
        ASSERT_EQ(guion.mensajes.size(), 1u);
        EXPECT_EQ(guion.mensajes[0].texto, prefijo + ")");
        EXPECT_EQ(LeerBytes(ruta), antes);
    }
    kill(otro, SIGKILL);
    waitpid(otro, nullptr, 0);

    guion.mensajes.clear();
    Ficheros::ProvocarFallo(Ficheros::Paso::Renombrar, 2, EBUSY);
    Ficheros::AnadirFallo(Ficheros::Paso::Reponer, 1, EIO);
    guion.dialogos.push_back(Eleccion(ruta));
    f.frmPrincipal::GuardarApuestasEUR();
    ASSERT_EQ(guion.mensajes.size(), 1u);
    const std::string& texto = guion.mensajes[0].texto;
    const std::string dice = prefijo + "; el archivo " + ruta + " no se pudo reponer, el anterior se conserva en ";
    ASSERT_EQ(texto.rfind(dice, 0), 0u) << texto;
    EXPECT_EQ(LeerBytes(texto.substr(dice.size(), texto.size() - dice.size() - 1)), antes);
    EXPECT_FALSE(BaseGuardada);
}

TEST_F(EscriturasPrincipal, UnInformeQueFallaDejaElAnterior) {
    const std::string informe = "TORNAVENTURA_INFORME.txt";
    const std::string prefijo = "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (";
    auto generar = [&] {
        guion.mensajes.clear();
        f.frmPrincipal::InformeResumenFiltros();
    };
    // A report bigger than one page, on a disk that fills up after it.
    for (int g = 1; g <= 120; ++g) {
        GruposNumeros(g, g % 50 + 1) = 1;
        GruposAciertos(g, 1) = 1;
    }
    for (int fila = 0; fila < 10; ++fila) f.ActivarFilaFiltro(fila);
    guion.carpeta = disco.Carpeta();
    generar();
    ASSERT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    const std::string antes = LeerBytes(Ruta(informe));
    ASSERT_GT(antes.size(), 4096u);
    disco.Llenar();
    generar();
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto.rfind(prefijo, 0), 0u) << guion.mensajes[0].texto;
    EXPECT_NE(guion.mensajes[0].texto.find("(" + LlenoConservado + ")"), std::string::npos) << guion.mensajes[0].texto;
    EXPECT_EQ(LeerBytes(Ruta(informe)), antes);

    // A pipe at the report's name: refused at once; a link: replaced, its target untouched.
    QTemporaryDir otra;
    guion.carpeta = otra.path().toStdString();
    CrearTuberia(Ruta(informe));
    generar();
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_NE(guion.mensajes[0].texto.find(Tuberia), std::string::npos) << guion.mensajes[0].texto;
    EXPECT_TRUE(EsTuberia(Ruta(informe)));
    fs::remove(Ruta(informe));
    EscribirBytes(Ruta("victima.txt"), "no tocar");
    fs::create_symlink(Ruta("victima.txt"), Ruta(informe));
    generar();
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(LeerBytes(Ruta("victima.txt")), "no tocar");
    EXPECT_EQ(LeerBytes(Ruta(informe)).rfind("RESUMEN\r\n", 0), 0u);
}
