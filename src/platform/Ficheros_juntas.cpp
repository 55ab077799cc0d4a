// Two files that belong together, put in place together even when the program is killed
// midway.
//
// Once both temporary files are synced, a journal in the folder where the pair was named
// records the two renames and the first file's old copy; the renames follow and the journal
// goes last. Whoever next touches the pair (a save of either file, an opening for reading)
// and finds a journal finishes it, under the folder's lock: the temporary files were whole
// when it was written, so the save goes forward.
//
// The journal names files, never paths: each by its name in the journal's folder, or, when a
// link there led to another folder, by its name in that folder, which is reached again only
// through the same link and only while it is the very folder the save wrote to (its device
// and inode). So a folder renamed, mounted at another path or copied is finished where it is
// found, and nothing is ever renamed outside the pair's own folders.
//
// The journal also records what stood at each destination (device and inode) and what each
// temporary file is. In the folder it was written in, a rename is finished only while the
// destination still holds what the save left there, so a file replaced since (by a newer save
// or another program) is never covered by an older one. In a copy of that folder, or one
// mounted anew, every file has a new identity: there the names tell what is left:
//   - the first temporary file is still there: nothing was renamed; do both renames;
//   - it is gone and the first file's new version stands: do the second rename;
//   - otherwise the save finished, or was undone after the second rename failed.
// A journal that cannot be finished forward undoes what it can (the old first file goes back)
// and clears its own files. Every step that undoes keeps this reading true at each instant:
// the old copy goes back in one rename, and the journal goes only after it.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/Ficheros.h"
#include "platform/Ficheros_interno.h"

namespace Ficheros {

namespace Interno {

namespace {

std::string Nombre(const std::string& ruta) { return ruta.substr(InicioNombre(ruta)); }

// One file of the pair as the journal names it.
struct FicheroDiario {
    std::string nombre;  // the name the pair was saved by, in the journal's folder
    Id carpeta;          // none: the file is in the journal's folder; else the folder a link there led to
    std::string real;    // the file's own name in its folder
    std::string temporal;
    Id idTemporal;
    Id anterior;  // what stood at real when the journal was written (none: nothing)
};

struct Diario {
    Id carpeta;  // the journal's folder when it was written
    FicheroDiario f[2];
    std::string copia;  // the first file's old copy ("" when no file stood there)
};

constexpr char Cabecera[] = "TORNAVENTURA diario 2";
constexpr char Fin[] = "fin";
constexpr std::size_t Campos = 16;
constexpr std::size_t TamanoMaximoDiario = Campos * 300;

std::string TextoId(Id id) {
    if (!id.Hay()) return {};
    char t[48];
    std::snprintf(t, sizeof t, "%llx:%llx", id.dev, id.ino);
    return t;
}

bool LeerId(const std::string& t, Id& id) {
    id = Id{};
    if (t.empty()) return true;
    unsigned long long dev = 0, ino = 0;
    int usados = 0;
    if (std::sscanf(t.c_str(), "%llx:%llx%n", &dev, &ino, &usados) != 2 || static_cast<std::size_t>(usados) != t.size())
        return false;
    id = {dev, ino};
    return id.Hay() && TextoId(id) == t;
}

// The journal's bytes: its fields one after another, each ended by a NUL (no name holds one).
std::string Bytes(const Diario& d) {
    std::string b = std::string(Cabecera) + '\0' + TextoId(d.carpeta) + '\0';
    for (const FicheroDiario& f : d.f)
        for (const std::string& campo :
             {f.nombre, TextoId(f.carpeta), f.real, f.temporal, TextoId(f.idTemporal), TextoId(f.anterior)})
            b += campo + '\0';
    return b + d.copia + '\0' + Fin + '\0';
}

// A name of one entry of a folder: never a path, never the folder itself or its parent.
bool EsNombreSimple(const std::string& n) {
    return !n.empty() && n != "." && n != ".." && n.find('/') == std::string::npos;
}

enum class Lectura { Ajeno, Cortado, Entero };

// Reads the journal nombre of the folder. Entero only when it is whole and names nothing but
// the pair of tronco and the program's own hidden names for it; Cortado when its writer died
// before it was whole; Ajeno for anything else, which acts on nothing.
Lectura LeerDiario(int carpeta, const std::string& nombre, const std::string& tronco, Diario& d) {
    const int fd = openat(carpeta, nombre.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Lectura::Ajeno;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid() ||
        static_cast<std::size_t>(st.st_size) > TamanoMaximoDiario) {
        Cerrar(fd);
        return Lectura::Ajeno;
    }
    std::string b(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t leidos = 0;
    for (ssize_t n; leidos < b.size() && (n = read(fd, &b[leidos], b.size() - leidos)) > 0;)
        leidos += static_cast<std::size_t>(n);
    b.resize(leidos);
    Cerrar(fd);
    std::vector<std::string> c;
    std::size_t desde = 0;
    for (std::size_t nulo; c.size() < Campos && (nulo = b.find('\0', desde)) != std::string::npos; desde = nulo + 1)
        c.push_back(b.substr(desde, nulo - desde));
    if (c.size() < Campos || desde != b.size() || c[0] != Cabecera || c[Campos - 1] != Fin) return Lectura::Cortado;

    bool bien = LeerId(c[1], d.carpeta) && d.carpeta.Hay();
    for (std::size_t i = 0; i < 2; ++i) {
        FicheroDiario& f = d.f[i];
        const std::string* v = &c[2 + 6 * i];
        f.nombre = v[0];
        f.real = v[2];
        f.temporal = v[3];
        bien = bien && LeerId(v[1], f.carpeta) && LeerId(v[4], f.idTemporal) && f.idTemporal.Hay() &&
               LeerId(v[5], f.anterior) && EsNombreSimple(f.nombre) && EsNombreSimple(f.real) &&
               Tronco(f.nombre) == tronco && EsNombreOculto(f.temporal, f.real, MarcaTemporal);
    }
    d.copia = c[14];
    bien = bien && d.f[0].nombre != d.f[1].nombre && !(d.f[0].carpeta == d.f[1].carpeta && d.f[0].real == d.f[1].real) &&
           (d.copia.empty() ? !d.f[0].anterior.Hay() : EsNombreOculto(d.copia, d.f[0].real, MarcaCopia));
    return bien ? Lectura::Entero : Lectura::Ajeno;
}

// The journals of this user for the pair of tronco in the folder.
std::vector<std::string> Diarios(const CarpetaAbierta& carpeta, const std::string& tronco) {
    std::vector<std::string> diarios;
    const std::string prefijo = PrefijoDiario(tronco);
    for (const std::string& n : carpeta.Nombres()) {
        if (n.size() != prefijo.size() + LargoSufijo || n.compare(0, prefijo.size(), prefijo) != 0) continue;
        struct stat st {};
        if (fstatat(carpeta.Fd(), n.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == geteuid())
            diarios.push_back(n);
    }
    return diarios;
}

// A folder of the pair as the finishing of a journal reaches it.
class Lado {
public:
    Lado(const CarpetaAbierta& carpeta, const Diario& d, const FicheroDiario& f) {
        if (!f.carpeta.Hay()) {
            fd_ = carpeta.Fd();
            estricto_ = carpeta.Identidad() == d.carpeta && InodosDuraderos(fd_);
            return;
        }
        // Through the pair's own link, as the save followed it, to the very folder it wrote to.
        std::string real;
        if (SeguirEnlaces(carpeta.Ruta() + f.nombre, real) != 0 || Nombre(real) != f.real) return;
        const CarpetaAbierta otra(real);
        if (!otra.Abierta() || otra.Identidad() != f.carpeta) return;
        propio_ = dup(otra.Fd());
        fd_ = propio_;
        estricto_ = InodosDuraderos(fd_);
    }
    ~Lado() {
        if (propio_ >= 0) Cerrar(propio_);
    }
    Lado(const Lado&) = delete;
    Lado& operator=(const Lado&) = delete;
    bool Alcanzado() const { return fd_ >= 0; }
    bool Estricto() const { return estricto_; }
    int Fd() const { return fd_; }

    // Whether anything stands at nombre, and what.
    bool Hay(const std::string& nombre, Id* id = nullptr, bool* nuestro = nullptr) const {
        struct stat st {};
        if (fd_ < 0 || fstatat(fd_, nombre.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
        if (id) *id = IdDe(st);
        if (nuestro) *nuestro = S_ISREG(st.st_mode) && st.st_uid == geteuid();
        return true;
    }
    // Whether the file the save made or kept stands at nombre: known by its identity in the
    // folder it was saved in, by its name (and owner, for the save's own files) in a copy.
    bool Es(const std::string& nombre, Id id, bool delUsuario) const {
        Id hay;
        bool nuestro = false;
        if (!Hay(nombre, &hay, &nuestro)) return false;
        return estricto_ ? hay == id : (nuestro || !delUsuario);
    }
    int Renombrar(const std::string& de, const std::string& a) const {
        if (Averia(Paso::Terminar) || renameat(fd_, de.c_str(), fd_, a.c_str()) != 0) return errno ? errno : EIO;
        return 0;
    }
    void Quitar(const std::string& nombre) const { (void)unlinkat(fd_, nombre.c_str(), 0); }

private:
    int fd_ = -1, propio_ = -1;
    bool estricto_ = false;
};

// Finishes what the journal describes. 0 once the files read as its outcome; otherwise the
// code of the rename refused, and the journal stays for the next touch.
int Terminar(const CarpetaAbierta& carpeta, const Diario& d) {
    const FicheroDiario &f1 = d.f[0], &f2 = d.f[1];
    const Lado l1(carpeta, d, f1), l2(carpeta, d, f2);
    const bool t1 = l1.Es(f1.temporal, f1.idTemporal, true), t2 = l2.Es(f2.temporal, f2.idTemporal, true);
    const bool copia = !d.copia.empty() && l1.Es(d.copia, f1.anterior, false);
    bool viejo1, nuevo1, viejo2, nuevo2;
    if (l1.Estricto()) {
        // Without hard links the old file was moved to its copy before the first rename.
        viejo1 = f1.anterior.Hay() ? l1.Es(f1.real, f1.anterior, false) || (!l1.Hay(f1.real) && copia) : !l1.Hay(f1.real);
        nuevo1 = l1.Es(f1.real, f1.idTemporal, false);
    } else {
        viejo1 = t1;
        nuevo1 = l1.Alcanzado() && !t1 && l1.Hay(f1.real) && (!f1.anterior.Hay() || copia);
    }
    if (l2.Estricto()) {
        viejo2 = f2.anterior.Hay() ? l2.Es(f2.real, f2.anterior, false) : !l2.Hay(f2.real);
        nuevo2 = l2.Es(f2.real, f2.idTemporal, false);
    } else {
        viejo2 = t2;
        nuevo2 = l2.Alcanzado() && !t2 && l2.Hay(f2.real);
    }

    bool temporal1 = t1, temporal2 = t2, guardada = copia;
    if (t1 && viejo1 && t2 && viejo2) {
        if (const int codigo = l1.Renombrar(f1.temporal, f1.real)) return codigo;
        nuevo1 = true;
        temporal1 = false;
    }
    if (nuevo1 && t2 && viejo2) {
        if (const int codigo = l2.Renombrar(f2.temporal, f2.real)) return codigo;
        temporal2 = false;
    } else if (nuevo1 && !nuevo2 && copia) {
        // The second file cannot follow (a newer file stands there, or its folder is gone):
        // the first goes back to what it was.
        if (const int codigo = l1.Renombrar(d.copia, f1.real)) return codigo;
        guardada = false;
    }
    // What is left of the save's own files goes; an old first file that was moved aside, and
    // that nothing has replaced, goes back.
    if (temporal1) l1.Quitar(f1.temporal);
    if (temporal2) l2.Quitar(f2.temporal);
    if (guardada) {
        if (l1.Hay(f1.real)) l1.Quitar(d.copia);
        else if (const int codigo = l1.Renombrar(d.copia, f1.real)) return codigo;
    } else if (!d.copia.empty() && !l1.Hay(f1.real) && l1.Hay(d.copia)) {
        // Whatever else changed, a bet file is never left only under its hidden name.
        if (const int codigo = l1.Renombrar(d.copia, f1.real)) return codigo;
    }
    if (l1.Alcanzado()) (void)fsync(l1.Fd());
    if (l2.Alcanzado() && l2.Fd() != l1.Fd()) (void)fsync(l2.Fd());
    return 0;
}

// What the journal of a save records of one of its files.
int Describir(const CarpetaAbierta& carpeta, const std::string& destino, const std::string& real,
              const std::string& temporal, FicheroDiario& f) {
    f.nombre = Nombre(destino);
    f.real = Nombre(real);
    f.temporal = Nombre(temporal);
    const CarpetaAbierta suya(real);
    if (!suya.Abierta()) return suya.Error();
    f.carpeta = suya.Identidad() == carpeta.Identidad() ? Id{} : suya.Identidad();
    struct stat st {};
    if (fstatat(suya.Fd(), f.temporal.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return errno ? errno : EIO;
    f.idTemporal = IdDe(st);
    if (fstatat(suya.Fd(), f.real.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) f.anterior = IdDe(st);
    else if (errno != ENOENT) return errno ? errno : EIO;
    return 0;
}

// Writes the journal in the folder and syncs it there: its name, or "" with the code.
std::string EscribirDiario(const CarpetaAbierta& carpeta, const std::string& tronco, const Diario& d, int& codigo) {
    const std::string b = Bytes(d);
    std::string nombre;
    int fd = -1;
    // A name that another user's file holds in a shared folder is passed over.
    for (int intento = 0; intento < 100 && fd < 0; ++intento) {
        nombre = PrefijoDiario(tronco) + Sufijo();
        fd = openat(carpeta.Fd(), nombre.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST && errno != EINTR) break;
    }
    if (fd < 0) {
        codigo = errno ? errno : EIO;
        return {};
    }
    bool bien = !Averia(Paso::Diario) && write(fd, b.data(), b.size()) == static_cast<ssize_t>(b.size()) && fsync(fd) == 0;
    codigo = bien ? 0 : (errno ? errno : EIO);
    if (Cerrar(fd) != 0 && bien) {
        codigo = errno;
        bien = false;
    }
    if (!bien) {
        unlinkat(carpeta.Fd(), nombre.c_str(), 0);
        return {};
    }
    (void)fsync(carpeta.Fd());
    return nombre;
}

bool Existe(const std::string& ruta) {
    struct stat st {};
    return lstat(ruta.c_str(), &st) == 0;
}

// Puts the old copy back over the first destination in one step: 0 or the errno code.
int Reponer(const std::string& copia, const std::string& real) {
    if (Averia(Paso::Reponer) || rename(copia.c_str(), real.c_str()) != 0) return errno ? errno : EIO;
    return 0;
}

}  // namespace

int TerminarDiarios(const Cerrojo& cerrojo, const CarpetaAbierta& carpeta, const std::string& nombre) {
    if (cerrojo.Ocupado()) return EBUSY;
    const std::string tronco = Tronco(nombre);
    int resultado = 0;
    for (const std::string& diario : Diarios(carpeta, tronco)) {
        Diario d;
        // A journal cut short was being written when its save died, before any rename; one
        // that is not ours acts on nothing. Both just go.
        if (LeerDiario(carpeta.Fd(), diario, tronco, d) == Lectura::Entero && Terminar(carpeta, d) != 0) {
            resultado = ErrorParSinTerminar;
            continue;
        }
        unlinkat(carpeta.Fd(), diario.c_str(), 0);
    }
    return resultado;
}

}  // namespace Interno

using namespace Interno;

int CompletarGuardadoPendiente(const std::string& ruta) {
    if (ruta.empty() || InicioNombre(ruta) == ruta.size()) return 0;
    const CarpetaAbierta carpeta(ruta);
    const std::string nombre = Nombre(ruta);
    if (!carpeta.Abierta() || Diarios(carpeta, Tronco(nombre)).empty()) return 0;
    return TerminarDiarios(Cerrojo(carpeta.Identidad(), EsperaCerrojo), carpeta, nombre);
}

bool ConfirmarJuntas(EscrituraSegura& primera, EscrituraSegura& segunda) {
    if (!primera.Preparar()) {
        segunda.Abandonar();
        return false;
    }
    if (!segunda.Preparar()) {
        primera.Abandonar();
        return false;
    }
    auto fallar = [&](EscrituraSegura& e, int codigo) {
        (&e == &primera ? segunda : primera).Abandonar();
        return e.Fallar(codigo);
    };
    const std::string tronco = Tronco(Nombre(primera.destino_));
    if (Carpeta(primera.destino_) != Carpeta(segunda.destino_) || Tronco(Nombre(segunda.destino_)) != tronco)
        return fallar(segunda, EINVAL);
    const CarpetaAbierta carpeta(primera.destino_);
    if (!carpeta.Abierta()) return fallar(primera, carpeta.Error());
    // An earlier save of this pair that was killed goes first.
    const Cerrojo cerrojo(carpeta.Identidad(), EsperaCerrojo);
    if (const int codigo = TerminarDiarios(cerrojo, carpeta, Nombre(primera.destino_))) return fallar(primera, codigo);

    Diario d;
    d.carpeta = carpeta.Identidad();
    for (int i = 0; i < 2; ++i) {
        EscrituraSegura& e = i == 0 ? primera : segunda;
        if (const int codigo = Describir(carpeta, e.destino_, e.real_, e.temporal_, d.f[i])) return fallar(e, codigo);
    }
    std::string copia;
    if (d.f[0].anterior.Hay()) {
        do copia = NombreOculto(primera.real_, MarcaCopia);
        while (Existe(copia));
        d.copia = Nombre(copia);
    }
    int codigo = 0;
    const std::string diario = EscribirDiario(carpeta, tronco, d, codigo);
    if (diario.empty()) return fallar(primera, codigo);
    // From here every way out removes the journal only once the files on disk read as its
    // outcome (see the top of this file).
    auto quitarDiario = [&] { unlinkat(carpeta.Fd(), diario.c_str(), 0); };

    // The old first file keeps a second name until the second file is in place. A file system
    // without hard links (vfat, exFAT) has it moved aside instead; the journal then brings
    // the new file in if the program dies before it does.
    bool apartada = false;
    if (!copia.empty()) {
        // A file another save puts at the name meanwhile makes the link find no file (the one
        // it looked up is gone): the name is looked up again.
        int intentos = 0;
        do codigo = Averia(Paso::Enlazar) || link(primera.real_.c_str(), copia.c_str()) != 0 ? (errno ? errno : EIO) : 0;
        while (codigo == ENOENT && ++intentos < 100 && Existe(primera.real_));
        if (codigo != 0) {
            if (codigo == ENOENT || rename(primera.real_.c_str(), copia.c_str()) != 0) {
                if (codigo != ENOENT) codigo = errno ? errno : EIO;
                quitarDiario();
                return fallar(primera, codigo);
            }
            apartada = true;
        }
    }

    if ((codigo = primera.PonerEnSuSitio()) != 0) {
        // Nothing was replaced: the old first file keeps (or gets back) its name.
        if (apartada) {
            if (Reponer(copia, primera.real_) != 0)
                primera.nota_ = "; el archivo anterior no se pudo reponer y se conserva en " + copia;
        } else if (!copia.empty()) {
            unlink(copia.c_str());
        }
        quitarDiario();
        return fallar(primera, codigo);
    }

    if ((codigo = segunda.PonerEnSuSitio()) != 0) {
        // The first file as it was: its old copy back in one step, or no file where there was
        // none. The journal goes after, so a kill in between still reads as undone.
        if (!copia.empty()) {
            if (Reponer(copia, primera.real_) != 0)
                segunda.nota_ =
                    "; el archivo " + primera.real_ + " no se pudo reponer, el anterior se conserva en " + copia;
        } else if (Averia(Paso::Reponer) || (unlink(primera.real_.c_str()) != 0 && errno != ENOENT)) {
            segunda.nota_ = "; no se pudo quitar el archivo nuevo " + primera.real_;
        }
        SincronizarCarpeta(primera.real_);
        quitarDiario();
        return segunda.Fallar(codigo);
    }

    if (!copia.empty()) unlink(copia.c_str());
    SincronizarCarpeta(primera.real_);
    if (Carpeta(segunda.real_) != Carpeta(primera.real_)) SincronizarCarpeta(segunda.real_);
    quitarDiario();
    return true;
}

}  // namespace Ficheros
