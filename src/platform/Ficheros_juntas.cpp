// Two files that belong together, put in place together even when the program is killed
// midway.
//
// Once both temporary files are synced, a journal beside the first file names the two
// renames and the first file's old copy; the renames follow and the journal goes last. The
// journal is written, and the renames done, under a lock of its folder, so a second copy of
// the program saving the same pair waits instead of crossing them. Whoever next touches the
// pair (a save of either file, an opening for reading) and finds a journal finishes it: its
// temporary files were whole when it was written, so the save goes forward. What the files on
// disk say decides what is left to do:
//   - the first temporary file is still there: nothing was renamed; do both renames;
//   - it is gone and the old copy is still there (or, with no old file, the new one stands):
//     the first rename is done; do the second;
//   - otherwise the save finished, or was undone after the second rename failed: only its
//     temporary file, if any, is left to remove.
// Every step that undoes keeps this reading true at each instant: the old copy goes back in
// one rename, and the journal goes only after it.
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Ficheros.h"
#include "platform/Ficheros_interno.h"

namespace Ficheros {

using namespace Interno;

namespace {

// How long a save or an opening waits for another copy of the program to finish putting a
// pair in place in the same folder (it takes a few syncs), in milliseconds.
constexpr int EsperaCerrojo = 5000;

// What a journal names: both renames, and the first file's old copy ("" when no file stood at
// the first destination).
struct Diario {
    std::string temporal1, real1, copia, temporal2, real2;
};

constexpr char Cabecera[] = "TORNAVENTURA diario 1";
constexpr char Fin[] = "fin";
constexpr std::size_t TamanoMaximoDiario = 5 * 4096 + 64;

// The journal's bytes: its fields one after another, each ended by a NUL (no path holds one).
std::string Bytes(const Diario& d) {
    std::string b;
    for (const std::string* campo : {&d.temporal1, &d.real1, &d.copia, &d.temporal2, &d.real2}) {
        b += *campo;
        b += '\0';
    }
    return std::string(Cabecera) + '\0' + b + Fin + '\0';
}

// A journal of this user, whole, that names only what a save of ours creates: temporary files
// and an old copy beside the files they are for. Anything else is no journal of ours.
bool LeerDiario(const std::string& ruta, Diario& d, bool& entero) {
    entero = false;
    const int fd = open(ruta.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid() ||
        static_cast<std::size_t>(st.st_size) > TamanoMaximoDiario) {
        Cerrar(fd);
        return false;  // not ours
    }
    std::string b(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t leidos = 0;
    for (ssize_t n; leidos < b.size() && (n = read(fd, &b[leidos], b.size() - leidos)) > 0;)
        leidos += static_cast<std::size_t>(n);
    b.resize(leidos);
    Cerrar(fd);
    std::string campos[7];
    std::size_t desde = 0, i = 0;
    for (; i < 7; ++i) {
        const std::size_t nulo = b.find('\0', desde);
        if (nulo == std::string::npos) break;
        campos[i] = b.substr(desde, nulo - desde);
        desde = nulo + 1;
    }
    if (i < 7 || desde != b.size() || campos[0] != Cabecera || campos[6] != Fin) return true;  // cut short
    d = {campos[1], campos[2], campos[3], campos[4], campos[5]};
    entero = EsNombreOculto(d.temporal1, d.real1, MarcaTemporal) && EsNombreOculto(d.temporal2, d.real2, MarcaTemporal) &&
             (d.copia.empty() || EsNombreOculto(d.copia, d.real1, MarcaCopia));
    return true;
}

bool EscribirDiario(const std::string& ruta, const Diario& d, int& codigo) {
    const std::string b = Bytes(d);
    const int fd = open(ruta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        codigo = errno == EEXIST ? EBUSY : errno;  // another save's journal that could not be finished
        return false;
    }
    bool bien = !Averia(Paso::Diario) && write(fd, b.data(), b.size()) == static_cast<ssize_t>(b.size()) &&
                fsync(fd) == 0;
    codigo = bien ? 0 : (errno ? errno : EIO);
    if (Cerrar(fd) != 0 && bien) {
        codigo = errno;
        bien = false;
    }
    if (!bien) {
        unlink(ruta.c_str());
        return false;
    }
    SincronizarCarpeta(ruta);
    return true;
}

bool Existe(const std::string& ruta) {
    struct stat st {};
    return lstat(ruta.c_str(), &st) == 0;
}

// A temporary file of this user's saves, still there.
bool TemporalPropio(const std::string& ruta) {
    struct stat st {};
    return lstat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid();
}

void SincronizarCarpetas(const Diario& d) {
    SincronizarCarpeta(d.real1);
    if (Carpeta(d.real2) != Carpeta(d.real1)) SincronizarCarpeta(d.real2);
}

// Finishes what the journal at ruta describes (the caller holds the folder's lock). A journal
// cut short was being written when its save died, before any rename: it just goes. One that
// cannot be finished now (a rename refused) stays for the next touch.
void TerminarDiario(const std::string& ruta) {
    Diario d;
    bool entero = false;
    if (!LeerDiario(ruta, d, entero)) return;
    if (entero) {
        const bool temporal1 = TemporalPropio(d.temporal1), temporal2 = TemporalPropio(d.temporal2);
        const bool copia = !d.copia.empty() && Existe(d.copia);
        const bool adelante = temporal1 || (d.copia.empty() ? Existe(d.real1) : copia);
        if (adelante) {
            if (temporal1 && rename(d.temporal1.c_str(), d.real1.c_str()) != 0) return;
            if (temporal2 && rename(d.temporal2.c_str(), d.real2.c_str()) != 0) return;
            if (copia) unlink(d.copia.c_str());
        } else if (temporal2) {
            unlink(d.temporal2.c_str());
        }
        SincronizarCarpetas(d);
    }
    unlink(ruta.c_str());
}

// Puts the old copy back over the first destination in one step: 0 or the errno code.
int Reponer(const std::string& copia, const std::string& real) {
    if (Averia(Paso::Reponer) || rename(copia.c_str(), real.c_str()) != 0) return errno ? errno : EIO;
    return 0;
}

}  // namespace

void CompletarGuardadoPendiente(const std::string& ruta) {
    if (ruta.empty() || InicioNombre(ruta) == ruta.size()) return;
    const std::string diario = NombreDiario(ruta);
    if (!Existe(diario)) return;
    CerrojoCarpeta cerrojo(Carpeta(diario), EsperaCerrojo);
    // Held for longer than a pair takes: that save is alive and finishes on its own.
    if (!cerrojo.Ocupado()) TerminarDiario(diario);
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
    const std::string diario = NombreDiario(primera.destino_);
    CerrojoCarpeta cerrojo(Carpeta(diario), EsperaCerrojo);
    if (cerrojo.Ocupado()) {
        segunda.Abandonar();
        return primera.Fallar(EBUSY);
    }
    TerminarDiario(diario);  // an earlier save of this pair that was killed goes first

    Diario d{primera.temporal_, primera.real_, "", segunda.temporal_, segunda.real_};
    if (primera.reemplaza_) {
        do d.copia = NombreOculto(primera.real_, MarcaCopia);
        while (Existe(d.copia));
    }
    int codigo = 0;
    if (!EscribirDiario(diario, d, codigo)) {
        segunda.Abandonar();
        return primera.Fallar(codigo);
    }
    // From here every way out removes the journal only once the files on disk read as its
    // outcome (see the top of this file).

    // The old first file keeps a second name until the second file is in place. A file system
    // without hard links (vfat, exFAT) has it moved aside instead; the journal then brings
    // the new file in if the program dies before it does.
    bool apartada = false;
    if (!d.copia.empty()) {
        // A file another save puts at the name meanwhile makes the link find no file (the one
        // it looked up is gone): the name is looked up again.
        int intentos = 0;
        do codigo = Averia(Paso::Enlazar) || link(d.real1.c_str(), d.copia.c_str()) != 0 ? (errno ? errno : EIO) : 0;
        while (codigo == ENOENT && ++intentos < 100 && Existe(d.real1));
        if (codigo != 0) {
            if (codigo == ENOENT || rename(d.real1.c_str(), d.copia.c_str()) != 0) {
                if (codigo != ENOENT) codigo = errno ? errno : EIO;
                unlink(diario.c_str());
                segunda.Abandonar();
                return primera.Fallar(codigo);
            }
            apartada = true;
        }
    }

    if ((codigo = primera.PonerEnSuSitio()) != 0) {
        // Nothing was replaced: the old first file keeps (or gets back) its name.
        if (apartada) {
            if (Reponer(d.copia, d.real1) != 0)
                primera.nota_ = "; el archivo anterior no se pudo reponer y se conserva en " + d.copia;
        } else if (!d.copia.empty()) {
            unlink(d.copia.c_str());
        }
        unlink(diario.c_str());
        segunda.Abandonar();
        return primera.Fallar(codigo);
    }

    if ((codigo = segunda.PonerEnSuSitio()) != 0) {
        // The first file as it was: its old copy back in one step, or no file where there was
        // none. The journal goes after, so a kill in between still reads as undone.
        if (!d.copia.empty()) {
            if (Reponer(d.copia, d.real1) != 0)
                segunda.nota_ = "; el archivo " + d.real1 + " no se pudo reponer, el anterior se conserva en " + d.copia;
        } else if (Averia(Paso::Reponer) || (unlink(d.real1.c_str()) != 0 && errno != ENOENT)) {
            segunda.nota_ = "; no se pudo quitar el archivo nuevo " + d.real1;
        }
        SincronizarCarpeta(d.real1);
        unlink(diario.c_str());
        return segunda.Fallar(codigo);
    }

    if (!d.copia.empty()) unlink(d.copia.c_str());
    SincronizarCarpetas(d);
    unlink(diario.c_str());
    return true;
}

}  // namespace Ficheros
