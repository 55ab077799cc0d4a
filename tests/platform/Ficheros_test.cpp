// The one safe write and the one opening for reading: whatever stands at the path, a write
// either puts the whole new file in place or leaves the path exactly as it was, and a read
// never opens what is not a regular file.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Ficheros.h"
#include "support/FicherosPrueba.h"

using namespace Ficheros;
namespace fs = std::filesystem;

namespace {


class FicherosTest : public ::testing::Test {
protected:
    QTemporaryDir temporal;
    std::string carpeta = temporal.path().toStdString();
    std::string Ruta(const std::string& nombre) const { return carpeta + "/" + nombre; }
    void TearDown() override { QuitarFallos(); }

    static mode_t Modo(const std::string& ruta) {
        struct stat st {};
        lstat(ruta.c_str(), &st);
        return st.st_mode & 07777;
    }
    static mode_t Umask() {
        const mode_t m = umask(0);
        umask(m);
        return m;
    }
    // No temporary file left beside the target.
    void SinTemporales(const std::string& dir) const {
        for (const std::string& n : Contenido(dir)) EXPECT_EQ(n.find(".tmp"), std::string::npos) << n;
    }
    // Saves a pair as "Cálculo Definitivo" does: the bets at eur, the base file beside it,
    // both holding bytes. 0, or the code of the write that failed.
    static int GuardarPar(const std::string& eur, const std::string& bytes) {
        EscrituraSegura apuestas(eur), base(CambiarExtension(eur, ".xml"));
        apuestas.Escribir(bytes);
        base.Escribir(bytes);
        if (ConfirmarJuntas(apuestas, base)) return 0;
        return apuestas.Fallida() ? apuestas.Error() : base.Error();
    }
};

}  // namespace

TEST_F(FicherosTest, ReemplazaEnteroYConservaLosPermisos) {
    const std::string nuevo = Ruta("nuevo.txt");
    std::string error;
    ASSERT_TRUE(EscribirFichero(nuevo, "uno", error)) << error;
    EXPECT_EQ(LeerBytes(nuevo), "uno");
    EXPECT_EQ(Modo(nuevo), 0666 & ~Umask());  // as a plain open gives

    const std::string viejo = Ruta("viejo.txt");
    EscribirBytes(viejo, std::string(10000, 'v'));
    chmod(viejo.c_str(), 0640);
    {
        // Streamed: until it is confirmed, the old file stands whole.
        EscrituraSegura e(viejo);
        ASSERT_TRUE(e.Escribir("dos, "));
        ASSERT_TRUE(e.Escribir(std::string("tres")));
        EXPECT_EQ(LeerBytes(viejo), std::string(10000, 'v'));
        ASSERT_TRUE(e.Confirmar()) << e.Descripcion();
    }
    EXPECT_EQ(LeerBytes(viejo), "dos, tres");
    EXPECT_EQ(Modo(viejo), 0640u);
    {
        // Not confirmed: abandoned.
        EscrituraSegura e(viejo);
        ASSERT_TRUE(e.Escribir("cuatro"));
    }
    EXPECT_EQ(LeerBytes(viejo), "dos, tres");
    EXPECT_EQ(Contenido(carpeta), (std::vector<std::string>{"nuevo.txt", "viejo.txt"}));
}

// What stands at the path decides: a link the user chose is followed (the file it names is
// replaced, the link stays), anything else that is not a writable regular file is left as it
// was, with a Spanish reason.
TEST_F(FicherosTest, LoQueHayEnLaRutaDecide) {
    struct Caso {
        std::string nombre;
        std::function<std::string()> preparar;  // returns the path to write
        std::string error;                      // "" when the write must succeed
        std::function<void(const std::string&)> comprobar;
    };
    const std::string antiguo = "contenido antiguo";
    DiscoLleno disco;
    if (!disco.Real()) std::cout << "[ note ] " << disco.Motivo() << "\n";
    const std::vector<Caso> casos = {
        {"enlace",
         [&] {
             // A relative link to a link in another folder, to a file with its own mode.
             fs::create_directory(Ruta("otra"));
             EscribirBytes(Ruta("otra/apuntado.txt"), antiguo);
             chmod(Ruta("otra/apuntado.txt").c_str(), 0604);
             fs::create_symlink("apuntado.txt", Ruta("otra/intermedio.txt"));
             fs::create_symlink("otra/intermedio.txt", Ruta("enlace.txt"));
             return Ruta("enlace.txt");
         },
         "",
         [&](const std::string& r) {
             EXPECT_TRUE(fs::is_symlink(r));
             EXPECT_TRUE(fs::is_symlink(Ruta("otra/intermedio.txt")));
             EXPECT_EQ(LeerBytes(Ruta("otra/apuntado.txt")), "nuevo");
             EXPECT_EQ(Modo(Ruta("otra/apuntado.txt")), 0604u);
             SinTemporales(Ruta("otra"));
         }},
        {"enlace roto",
         [&] {
             fs::create_symlink(Ruta("no/existe.txt"), Ruta("roto.txt"));
             return Ruta("roto.txt");
         },
         "No se encontr\xC3\xB3 la ruta de acceso",
         [&](const std::string& r) {
             EXPECT_TRUE(fs::is_symlink(r));
             EXPECT_FALSE(fs::exists(Ruta("no")));
         }},
        {"tuberia",
         [&] {
             CrearTuberia(Ruta("tuberia"));
             return Ruta("tuberia");
         },
         "No es un archivo normal (es un dispositivo o una tuber\xC3\xAD" "a)",
         [&](const std::string& r) { EXPECT_TRUE(EsTuberia(r)); }},
        {"carpeta",
         [&] {
             fs::create_directory(Ruta("carpeta"));
             EscribirBytes(Ruta("carpeta/dentro"), antiguo);
             return Ruta("carpeta");
         },
         "Es una carpeta, no un archivo",
         [&](const std::string& r) { EXPECT_EQ(LeerBytes(r + "/dentro"), antiguo); }},
        {"solo lectura",
         [&] {
             EscribirBytes(Ruta("protegido.txt"), antiguo);
             chmod(Ruta("protegido.txt").c_str(), 0444);
             return Ruta("protegido.txt");
         },
         "Permiso denegado",
         [&](const std::string& r) {
             EXPECT_EQ(LeerBytes(r), antiguo);
             EXPECT_EQ(Modo(r), 0444u);
         }},
        {"sin carpeta", [&] { return Ruta("no/existe/x.txt"); }, "No se encontr\xC3\xB3 la ruta de acceso",
         [&](const std::string&) { EXPECT_FALSE(fs::exists(Ruta("no"))); }},
        {"nombre de 255 bytes", [&] { return Ruta(std::string(251, 'n') + ".txt"); }, "",
         [&](const std::string& r) { EXPECT_EQ(LeerBytes(r), "nuevo"); }},
        {"nombre de 256 bytes", [&] { return Ruta(std::string(252, 'n') + ".txt"); },
         "El nombre del archivo o de la ruta es demasiado largo", [&](const std::string&) {}},
        {"disco lleno",
         [&] {
             EscribirBytes(disco.Carpeta() + "/base.xml", antiguo);
             disco.Llenar();
             return disco.Carpeta() + "/base.xml";
         },
         LlenoConservado, [&](const std::string& r) { EXPECT_EQ(LeerBytes(r), antiguo); }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::string ruta = c.preparar();
        std::string error;
        EXPECT_EQ(EscribirFichero(ruta, "nuevo", error), c.error.empty());
        EXPECT_EQ(error, c.error);
        c.comprobar(ruta);
        SinTemporales(fs::path(ruta).parent_path().string());
    }
}

TEST_F(FicherosTest, CadaPasoQueFallaDejaElFicheroComoEstaba) {
    const std::string ruta = Ruta("base.xml");
    EscribirBytes(ruta, "antiguo");
    const struct {
        Paso paso;
        int vez, codigo;
        std::string descripcion;
    } casos[] = {
        {Paso::Crear, 1, EACCES, "Permiso denegado: no se pueden crear archivos en la carpeta"},
        {Paso::Escribir, 2, EIO, "Error de E/S de dispositivo"},
        {Paso::Escribir, 1, EDQUOT, "Disco lleno (se ha agotado la cuota de disco)" + LlenoConservado.substr(11)},
        {Paso::Sincronizar, 1, ENOSPC, LlenoConservado},
        {Paso::Renombrar, 1, EBUSY, "El archivo est\xC3\xA1 en uso"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.descripcion);
        ProvocarFallo(c.paso, c.vez, c.codigo);
        EscrituraSegura e(ruta);
        e.Escribir("primera parte, ");
        e.Escribir("segunda parte");
        EXPECT_FALSE(e.Confirmar());
        EXPECT_EQ(e.Error(), c.codigo);
        EXPECT_EQ(e.Descripcion(), c.descripcion);
        // A failed write stays failed.
        EXPECT_FALSE(e.Escribir("más"));
        EXPECT_FALSE(e.Confirmar());
        EXPECT_EQ(LeerBytes(ruta), "antiguo");
        EXPECT_EQ(Contenido(carpeta), std::vector<std::string>{"base.xml"});
    }
    // With the seam cleared the next write goes through.
    std::string error;
    EXPECT_TRUE(EscribirFichero(ruta, "nuevo", error)) << error;
    // Without an old file there is nothing to keep, and the reason says no more than that.
    ProvocarFallo(Paso::Escribir, 1, ENOSPC);
    EXPECT_FALSE(EscribirFichero(Ruta("nueva.xml"), "nuevo", error));
    EXPECT_EQ(error, "Disco lleno");
}

// A save clears what interrupted saves of the same file left: this user's hidden copies a
// minute old. A copy still being written (younger), another user's, or another file's stay.
TEST_F(FicherosTest, UnGuardadoQuitaLosRestosDeGuardadosInterrumpidos) {
    const auto resto = [&](const std::string& nombre, int segundos, uid_t dueno = geteuid()) {
        EscribirBytes(Ruta(nombre), "resto");
        Envejecer(Ruta(nombre), segundos);
        if (dueno != geteuid()) {
            ASSERT_EQ(chown(Ruta(nombre).c_str(), dueno, dueno), 0);
        }
    };
    resto(".par.EUR.tmpa1b2c3", 2 * SegundosRestos);
    resto(".par.EUR.tmpreci3n", 5);
    resto(".par.xml.tmpa1b2c3", 2 * SegundosRestos);
    std::vector<std::string> quedan = {".par.EUR.tmpreci3n", ".par.xml.tmpa1b2c3", "par.EUR"};
    if (geteuid() == 0) {
        resto(".par.EUR.tmpajeno1", 2 * SegundosRestos, 12345);
        quedan.insert(quedan.begin(), ".par.EUR.tmpajeno1");
    }
    std::string error;
    ASSERT_TRUE(EscribirFichero(Ruta("par.EUR"), "nuevo", error)) << error;
    EXPECT_EQ(Contenido(carpeta), quedan);

    // Two long names that begin alike: each keeps its own leftovers (the pattern of a name
    // cut to fit carries a hash of the whole name).
    fs::create_directory(Ruta("largos"));
    const std::string largo = Ruta("largos/" + std::string(250, 'l'));
    ASSERT_TRUE(MuereAlHacer([&] {
        ProvocarFallo(Paso::Renombrar, 1, Matar);
        EscribirFichero(largo + ".xml", "resto", error);
    }));
    for (const std::string& n : Contenido(Ruta("largos"))) Envejecer(Ruta("largos/" + n), 2 * SegundosRestos);
    ASSERT_EQ(Contenido(Ruta("largos")).size(), 1u);
    ASSERT_TRUE(EscribirFichero(largo + ".EUR", "nuevo", error)) << error;
    EXPECT_EQ(Contenido(Ruta("largos")).size(), 2u);
    ASSERT_TRUE(EscribirFichero(largo + ".xml", "nuevo", error)) << error;
    EXPECT_EQ(Contenido(Ruta("largos")).size(), 2u);
}

// A link in a sticky folder that everyone may write to (/tmp) is followed only when it is the
// user's or the folder owner's, as the system itself follows links there: a link another
// user planted cannot make a save replace a file of the saver's elsewhere.
TEST_F(FicherosTest, EnUnaCarpetaCompartidaNoSeSigueElEnlaceDeOtro) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give a link and a folder another owner";
    constexpr uid_t Otro = 54321;
    const std::string victima = Ruta("victima.EUR");
    const struct {
        std::string nombre;
        mode_t modoCarpeta;
        uid_t duenoCarpeta, duenoEnlace;
        bool sigue;
    } casos[] = {
        {"de otro en una carpeta compartida", 01777, 0, Otro, false},
        {"del dueño de la carpeta compartida", 01777, Otro, Otro, true},
        {"propio en una carpeta compartida", 01777, Otro, 0, true},
        {"de otro en una carpeta sin el bit pegajoso", 0777, 0, Otro, true},
    };
    int n = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        EscribirBytes(victima, "de root");
        chmod(victima.c_str(), 0600);
        const std::string compartida = Ruta("compartida" + std::to_string(++n)), enlace = compartida + "/x.EUR";
        fs::create_directory(compartida);
        ASSERT_EQ(chown(compartida.c_str(), c.duenoCarpeta, c.duenoCarpeta), 0);
        ASSERT_EQ(chmod(compartida.c_str(), c.modoCarpeta), 0);
        fs::create_symlink(victima, enlace);
        ASSERT_EQ(lchown(enlace.c_str(), c.duenoEnlace, c.duenoEnlace), 0);
        std::string error;
        EXPECT_EQ(EscribirFichero(enlace, "apuestas", error), c.sigue);
        EXPECT_EQ(error, c.sigue ? "" : "Permiso denegado: el enlace simb\xC3\xB3lico es de otro usuario en una carpeta "
                                        "compartida, no se sigue");
        EXPECT_EQ(LeerBytes(victima), c.sigue ? "apuestas" : "de root");
        EXPECT_TRUE(fs::is_symlink(enlace));
        EXPECT_EQ(Contenido(compartida), std::vector<std::string>{"x.EUR"});
    }
}

// A file a group shares stays the group's when a member who does not own it saves over it:
// the owner cannot be kept, the group and the mode are.
TEST_F(FicherosTest, UnFicheroCompartidoConservaSuGrupo) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    constexpr uid_t Miembro = 54321;
    constexpr gid_t Grupo = 12345, Propio = 54321;
    const std::string ruta = Ruta("compartido.EUR");
    EscribirBytes(ruta, "del grupo");
    ASSERT_EQ(chown(ruta.c_str(), 0, Grupo), 0);
    ASSERT_EQ(chmod(ruta.c_str(), 0664), 0);
    ASSERT_EQ(chmod(carpeta.c_str(), 0777), 0);
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        // The member: its own group first, the shared one beside it.
        const gid_t grupos[] = {Grupo};
        std::string error;
        const bool bien = setgroups(1, grupos) == 0 && setgid(Propio) == 0 && setuid(Miembro) == 0 &&
                          EscribirFichero(ruta, "nuevo", error);
        _exit(bien ? 0 : 1);
    }
    int estado = 0;
    waitpid(hijo, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    struct stat st {};
    ASSERT_EQ(stat(ruta.c_str(), &st), 0);
    EXPECT_EQ(LeerBytes(ruta), "nuevo");
    EXPECT_EQ(st.st_uid, Miembro);
    EXPECT_EQ(st.st_gid, Grupo);
    EXPECT_EQ(st.st_mode & 0777, 0664u);
}

TEST_F(FicherosTest, LasDescripcionesSonEnCastellano) {
    const int codigos[] = {EPERM, EACCES, EROFS,  ENOSPC, EDQUOT, EISDIR, ENOTDIR, ENOENT, ENAMETOOLONG,
                           ELOOP, EMFILE, ENFILE, EIO,    EBUSY,  ETXTBSY, EFBIG,  EEXIST, EINVAL, 9999};
    for (int c : codigos)
        for (Operacion o : {Operacion::Lectura, Operacion::Escritura}) {
            const std::string d = DescripcionError(c, o);
            EXPECT_FALSE(d.empty()) << c;
            EXPECT_EQ(d.find(std::strerror(c)), std::string::npos) << d;  // never the system's text
        }
    EXPECT_EQ(DescripcionError(EPERM), "Permiso denegado");
    EXPECT_EQ(DescripcionError(EROFS), "Permiso denegado (la unidad es de solo lectura)");
    EXPECT_EQ(DescripcionError(ENOENT, Operacion::Lectura), "No se ha encontrado el archivo");
    EXPECT_EQ(DescripcionError(ENOENT, Operacion::Escritura), "No se encontr\xC3\xB3 la ruta de acceso");
    EXPECT_EQ(DescripcionError(9999), "Error de entrada/salida de archivo (c\xC3\xB3" "digo 9999)");
}

TEST_F(FicherosTest, SoloSeLeenFicherosNormales) {
    EscribirBytes(Ruta("normal.xml"), "12345");
    fs::create_symlink(Ruta("normal.xml"), Ruta("enlace.xml"));
    CrearTuberia(Ruta("tuberia.xml"));  // opening it the usual way would wait for a writer
    const struct {
        std::string ruta;
        ResultadoLectura resultado;
        int codigo;
    } casos[] = {
        {Ruta("normal.xml"), ResultadoLectura::Leido, 0},
        {Ruta("enlace.xml"), ResultadoLectura::Leido, 0},  // a link the user chose still opens
        {Ruta("tuberia.xml"), ResultadoLectura::Error, ErrorNoEsFichero},
        {carpeta, ResultadoLectura::Error, EISDIR},
        {"/dev/zero", ResultadoLectura::Error, ErrorNoEsFichero},
        {Ruta("no_existe.xml"), ResultadoLectura::Error, ENOENT},
        {"", ResultadoLectura::Error, ENOENT},
    };
    for (const auto& c : casos) {
        std::string bytes;
        int codigo = 0;
        EXPECT_EQ(LeerFichero(c.ruta, 5, bytes, codigo), c.resultado) << c.ruta;
        EXPECT_EQ(codigo, c.codigo) << c.ruta;
        EXPECT_EQ(bytes, c.resultado == ResultadoLectura::Leido ? "12345" : "") << c.ruta;
    }
    std::string bytes;
    int codigo = 0;
    EXPECT_EQ(LeerFichero(Ruta("normal.xml"), 4, bytes, codigo), ResultadoLectura::DemasiadoGrande);
    // A file that says it is empty and is not is read up to the limit all the same.
    EXPECT_EQ(LeerFichero("/proc/self/status", 1 << 20, bytes, codigo), ResultadoLectura::Leido);
    EXPECT_NE(bytes.find("VmRSS"), std::string::npos);
    EXPECT_EQ(LeerFichero("/proc/self/status", 10, bytes, codigo), ResultadoLectura::DemasiadoGrande);
}

// A journal acts in its own folder and on the pair's hidden names only: one that names a file
// elsewhere, through ".." or a whole path, renames nothing and just goes, even when every
// identity it gives is right.
TEST_F(FicherosTest, UnDiarioQueNombraOtraCarpetaNoActua) {
    const std::string a = Ruta("a"), b = Ruta("b");
    fs::create_directory(a);
    fs::create_directory(b);
    EscribirBytes(a + "/par.EUR", "apuestas");
    EscribirBytes(a + "/par.xml", "base");
    EscribirBytes(b + "/par.xml", "victima");
    EscribirBytes(b + "/.par.xml.tmpabcdef", "intruso");
    auto id = [](const std::string& ruta) {
        struct stat st {};
        EXPECT_EQ(lstat(ruta.c_str(), &st), 0) << ruta;
        char t[48];
        std::snprintf(t, sizeof t, "%llx:%llx", static_cast<unsigned long long>(st.st_dev),
                      static_cast<unsigned long long>(st.st_ino));
        return std::string(t);
    };
    for (const std::string& otra : {std::string("../b/"), b + "/"}) {
        SCOPED_TRACE(otra);
        // The first file's rename done, the second's "left to do" in the other folder.
        const std::vector<std::string> campos = {
            "TORNAVENTURA diario 2", id(a),
            "par.EUR", "", "par.EUR", ".par.EUR.tmpzzzzzz", id(a + "/par.EUR"), "",
            "par.xml", "", otra + "par.xml", otra + ".par.xml.tmpabcdef", id(b + "/.par.xml.tmpabcdef"),
            id(b + "/par.xml"), "", "fin"};
        std::string diario;
        for (const std::string& c : campos) diario += c + '\0';
        EscribirBytes(a + "/.par.diarioabcdef", diario);
        std::string bytes;
        int codigo = 0;
        EXPECT_EQ(LeerFichero(a + "/par.xml", 100, bytes, codigo), ResultadoLectura::Leido);
        EXPECT_EQ(bytes, "base");
        EXPECT_EQ(Contenido(a), (std::vector<std::string>{"par.EUR", "par.xml"}));
        EXPECT_EQ(Contenido(b), (std::vector<std::string>{".par.xml.tmpabcdef", "par.xml"}));
        EXPECT_EQ(LeerBytes(b + "/par.xml"), "victima");
    }
}

// A pair save whose old bet file vanishes once while its second name is made (another save
// replaced the file at that instant) looks the name up again and goes through.
TEST_F(FicherosTest, ElParSeGuardaAunqueElViejoCambieAlEnlazarlo) {
    const std::string eur = Ruta("par.EUR");
    ASSERT_EQ(GuardarPar(eur, "viejo"), 0);
    ProvocarFallo(Paso::Enlazar, 1, ENOENT);
    ASSERT_EQ(GuardarPar(eur, "nuevo"), 0);
    EXPECT_EQ(LeerBytes(eur), "nuevo");
    EXPECT_EQ(LeerBytes(Ruta("par.xml")), "nuevo");
    EXPECT_EQ(Contenido(carpeta), (std::vector<std::string>{"par.EUR", "par.xml"}));
}

// Only the user's own copies of the program can make a pair save wait: another user who
// locks the folder, or leaves files at the program's hidden names in a shared folder (an
// empty journal, a journal, a temporary file), neither delays nor fails it, and those files
// are not the user's to finish or remove.
TEST_F(FicherosTest, OtroUsuarioNoHaceEsperarNiFallarUnGuardado) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as two users";
    constexpr uid_t Otro = 54321;
    const std::string compartida = Ruta("compartida");
    fs::create_directory(compartida);
    ASSERT_EQ(chmod(compartida.c_str(), 01777), 0);
    ASSERT_EQ(chmod(carpeta.c_str(), 0755), 0);
    const std::vector<std::string> ajenos = {".par.EUR.tmpabcdef", ".par.diario", ".par.diarioabcdef"};
    int listo[2], fin[2];
    ASSERT_EQ(pipe(listo), 0);
    ASSERT_EQ(pipe(fin), 0);
    const pid_t otro = fork();
    ASSERT_GE(otro, 0);
    if (otro == 0) {
        bool bien = setgid(Otro) == 0 && setuid(Otro) == 0;
        const int fd = open(compartida.c_str(), O_RDONLY | O_DIRECTORY);
        bien = bien && fd >= 0 && flock(fd, LOCK_EX) == 0;
        for (const std::string& n : ajenos) {
            EscribirBytes(compartida + "/" + n, n == ".par.diario" ? "" : "ajeno");
            Envejecer(compartida + "/" + n, 2 * SegundosRestos);
        }
        char c = bien ? 1 : 0;
        (void)!write(listo[1], &c, 1);
        (void)!read(fin[0], &c, 1);
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(listo[0], &c, 1), 1);
    ASSERT_EQ(c, 1);
    for (const char* bytes : {"primero", "segundo"}) {
        ASSERT_EQ(GuardarPar(compartida + "/par.EUR", bytes), 0);
        EXPECT_EQ(LeerBytes(compartida + "/par.xml"), bytes);
    }
    std::string bytes;
    int codigo = 0;
    EXPECT_EQ(LeerFichero(compartida + "/par.EUR", 100, bytes, codigo), ResultadoLectura::Leido);
    (void)!write(fin[1], &c, 1);
    waitpid(otro, nullptr, 0);
    std::vector<std::string> quedan = ajenos;
    quedan.insert(quedan.end(), {"par.EUR", "par.xml"});
    EXPECT_EQ(Contenido(compartida), quedan);
}

// Where no lock can be had with flock (some network file systems), two copies of the program
// saving the same pair still take turns: every round leaves the pair whole, and a save that
// fails says it found the file in use.
TEST_F(FicherosTest, SinFlockDosCopiasSeTurnan) {
    ProvocarFallo(Paso::Cerrojo, Siempre, ENOLCK);
    const std::string eur = Ruta("par.EUR");
    struct Copia {
        pid_t pid;
        int orden, respuesta;
    };
    std::vector<Copia> copias;
    for (char nombre : {'A', 'B'}) {
        int orden[2], respuesta[2];
        ASSERT_EQ(pipe(orden), 0);
        ASSERT_EQ(pipe(respuesta), 0);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int vuelta = 0; read(orden[0], &vuelta, sizeof vuelta) == sizeof vuelta && vuelta >= 0;) {
                const int codigo = GuardarPar(eur, nombre + std::to_string(vuelta));
                (void)!write(respuesta[1], &codigo, sizeof codigo);
            }
            _exit(0);
        }
        copias.push_back({pid, orden[1], respuesta[0]});
    }
    for (int vuelta = 0; vuelta < 100; ++vuelta) {
        for (const Copia& c : copias) ASSERT_EQ(write(c.orden, &vuelta, sizeof vuelta), static_cast<ssize_t>(sizeof vuelta));
        for (const Copia& c : copias) {
            int codigo = -1;
            ASSERT_EQ(read(c.respuesta, &codigo, sizeof codigo), static_cast<ssize_t>(sizeof codigo));
            EXPECT_TRUE(codigo == 0 || codigo == EBUSY) << DescripcionError(codigo);
        }
        ASSERT_EQ(LeerBytes(eur), LeerBytes(Ruta("par.xml"))) << vuelta;
        ASSERT_EQ(Contenido(carpeta), (std::vector<std::string>{"par.EUR", "par.xml"}));
    }
    for (const Copia& c : copias) {
        const int basta = -1;
        (void)!write(c.orden, &basta, sizeof basta);
        waitpid(c.pid, nullptr, 0);
    }
}
