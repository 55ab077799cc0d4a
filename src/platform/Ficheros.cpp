#include "platform/Ficheros.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/Ficheros_interno.h"

namespace Ficheros {

namespace Interno {

// ---- the test seam ----
namespace {
struct Fallo {
    Paso paso = Paso::Crear;
    int vez = 0;
    int codigo = 0;
};
std::vector<Fallo> fallosPendientes;
}  // namespace

bool Averia(Paso paso) {
    for (auto f = fallosPendientes.begin(); f != fallosPendientes.end(); ++f) {
        const bool siempre = f->vez == Siempre;
        if (f->paso != paso || (!siempre && --f->vez > 0)) continue;
        const int codigo = f->codigo;
        if (!siempre) fallosPendientes.erase(f);
        if (codigo == Matar) kill(getpid(), SIGKILL);
        errno = codigo;
        return true;
    }
    return false;
}

// ---- names ----

namespace {

// Longest name of one folder entry on the systems we run on.
constexpr std::size_t LargoMaximoNombre = 255;

// The first n bytes of a UTF-8 name, never cut inside a character.
std::string Recortar(const std::string& nombre, std::size_t n) {
    if (nombre.size() <= n) return nombre;
    while (n > 0 && (static_cast<unsigned char>(nombre[n]) & 0xC0) == 0x80) --n;
    return nombre.substr(0, n);
}

// ".nombre" + cola in one folder entry: a name too long is cut and followed by "~" and eight
// hex digits of a hash (FNV-1a) of the whole name.
std::string Oculto(const std::string& nombre, const std::string& cola, std::size_t reserva) {
    const std::size_t cabe = LargoMaximoNombre - 1 - cola.size() - reserva;
    if (nombre.size() <= cabe) return "." + nombre + cola;
    std::uint32_t h = 2166136261u;
    for (unsigned char c : nombre) h = (h ^ c) * 16777619u;
    char huella[16];
    std::snprintf(huella, sizeof huella, "~%08x", static_cast<unsigned>(h));
    return "." + Recortar(nombre, cabe - 9) + huella + cola;
}

bool EsSufijo(std::string_view s) {
    return s.size() == LargoSufijo &&
           std::all_of(s.begin(), s.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

}  // namespace

std::string Sufijo() {
    static std::uint64_t contador = 0;
    std::uint64_t z = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (static_cast<std::uint64_t>(getpid()) << 32) ^ (++contador * 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    static const char letras[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string s(LargoSufijo, 'a');
    for (char& c : s) {
        c = letras[z % 36];
        z /= 36;
    }
    return s;
}

std::size_t InicioNombre(const std::string& ruta) {
    const std::size_t barra = ruta.rfind('/');
    return barra == std::string::npos ? 0 : barra + 1;
}

std::string Carpeta(const std::string& ruta) {
    const std::size_t inicio = InicioNombre(ruta);
    return inicio == 0 ? std::string(".") : ruta.substr(0, inicio);
}

std::string AlLado(const std::string& ruta, const std::string& nombre) {
    return ruta.substr(0, InicioNombre(ruta)) + nombre;
}

std::string PrefijoOculto(const std::string& ruta, const char* marca) {
    return Oculto(ruta.substr(InicioNombre(ruta)), marca, LargoSufijo);
}

std::string NombreOculto(const std::string& ruta, const char* marca) {
    return AlLado(ruta, PrefijoOculto(ruta, marca) + Sufijo());
}

bool EsNombreOculto(const std::string& candidato, const std::string& ruta, const char* marca) {
    const std::string prefijo = AlLado(ruta, PrefijoOculto(ruta, marca));
    return candidato.size() == prefijo.size() + LargoSufijo && candidato.compare(0, prefijo.size(), prefijo) == 0 &&
           EsSufijo(std::string_view(candidato).substr(prefijo.size()));
}

std::string Tronco(const std::string& nombre) {
    const std::size_t punto = nombre.rfind('.');
    return punto == std::string::npos ? nombre : nombre.substr(0, punto);
}

std::string PrefijoDiario(const std::string& tronco) { return Oculto(tronco, ".diario", LargoSufijo); }

// ---- the system ----

int Cerrar(int fd) {
    // Linux closes the descriptor even when close reports EINTR: never retry.
    return close(fd);
}

void SincronizarCarpeta(const std::string& ruta) {
    const int dir = open(Carpeta(ruta).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)fsync(dir);
        Cerrar(dir);
    }
}

Id IdDe(const struct stat& st) {
    return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

bool InodosDuraderos(int fd) {
    struct statfs sf {};
    if (fstatfs(fd, &sf) != 0) return false;
    switch (static_cast<unsigned long>(sf.f_type)) {
    case 0x4d44:      // FAT
    case 0x2011bab0:  // exFAT
    case 0x5346544e:  // NTFS
    case 0x7366746e:  // NTFS (ntfs3)
    case 0x65735546:  // FUSE
    case 0xff534d42:  // CIFS
    case 0xfe534d42:  // SMB2
    case 0x517b:      // SMB
        return false;
    default: return true;
    }
}

CarpetaAbierta::CarpetaAbierta(const std::string& ruta) : ruta_(ruta.substr(0, InicioNombre(ruta))) {
    fd_ = open(Carpeta(ruta).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat st {};
    if (fd_ >= 0 && fstat(fd_, &st) == 0) {
        id_ = IdDe(st);
        return;
    }
    error_ = errno ? errno : EIO;
    if (fd_ >= 0) Cerrar(fd_);
    fd_ = -1;
}

CarpetaAbierta::~CarpetaAbierta() {
    if (fd_ >= 0) Cerrar(fd_);
}

std::vector<std::string> CarpetaAbierta::Nombres() const {
    std::vector<std::string> nombres;
    // A descriptor of its own: reading moves its position, which a copy of fd_ would share.
    const int propio = fd_ >= 0 ? openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    DIR* dir = propio >= 0 ? fdopendir(propio) : nullptr;
    if (!dir) {
        if (propio >= 0) Cerrar(propio);
        return nombres;
    }
    while (const dirent* entrada = readdir(dir)) nombres.emplace_back(entrada->d_name);
    closedir(dir);
    return nombres;
}

namespace {

// A folder of the user's that nobody else may enter, made when missing: the runtime folder,
// else one of the user's own in /tmp (one planted by someone else is passed over), else in
// the cache folder. "" when none can be had.
std::string CarpetaPrivada() {
    std::vector<std::string> candidatas;
    if (const char* r = std::getenv("XDG_RUNTIME_DIR"); r && r[0] == '/')
        candidatas.push_back(std::string(r) + "/tornaventura");
    candidatas.push_back("/tmp/tornaventura-" + std::to_string(geteuid()));
    if (const char* h = std::getenv("HOME"); h && h[0] == '/') candidatas.push_back(std::string(h) + "/.cache/tornaventura");
    for (const std::string& c : candidatas) {
        (void)mkdir(c.c_str(), 0700);
        struct stat st {};
        if (lstat(c.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0)
            return c;
    }
    return {};
}

// Takes the lock on fd without waiting: 0, EWOULDBLOCK while another holds it, or why no lock
// can be had. Where flock is refused (some network file systems), an open file description
// lock, which the kernel also drops when its holder dies.
int TomarCerrojo(int fd) {
    if (!Averia(Paso::Cerrojo) && flock(fd, LOCK_EX | LOCK_NB) == 0) return 0;
    if (errno == EWOULDBLOCK || errno == EINTR) return EWOULDBLOCK;
    struct flock registro {};
    registro.l_type = F_WRLCK;
    registro.l_whence = SEEK_SET;
    if (fcntl(fd, F_OFD_SETLK, &registro) == 0) return 0;
    return errno == EAGAIN || errno == EACCES || errno == EINTR ? EWOULDBLOCK : errno;
}

}  // namespace

Cerrojo::Cerrojo(Id carpeta, int milisegundos) {
    if (!carpeta.Hay()) return;
    const std::string privada = CarpetaPrivada();
    if (privada.empty()) return;  // no lock to be had: go on without
    char nombre[64];
    std::snprintf(nombre, sizeof nombre, "/cerrojo.%llx.%llx", carpeta.dev, carpeta.ino);
    ruta_ = privada + nombre;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(milisegundos);
    for (;;) {
        const int fd = open(ruta_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) return;
        const int tomado = TomarCerrojo(fd);
        if (tomado == 0) {
            // The holder before removes the file as it lets go: the lock counts only on the
            // file that still stands at the name.
            struct stat mio {}, nombrado {};
            if (fstat(fd, &mio) == 0 && stat(ruta_.c_str(), &nombrado) == 0 && IdDe(mio) == IdDe(nombrado)) {
                fd_ = fd;
                return;
            }
            Cerrar(fd);
            continue;
        }
        Cerrar(fd);
        if (tomado != EWOULDBLOCK) return;
        if (std::chrono::steady_clock::now() >= limite) {
            ocupado_ = true;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

Cerrojo::~Cerrojo() {
    if (fd_ < 0) return;
    unlink(ruta_.c_str());  // while still held: nobody takes a lock on a file that goes
    Cerrar(fd_);
}

namespace {

// Whether the system would follow the link at ruta (lstat in st): in a sticky folder that
// everyone may write to, only a link of the user or of the folder's owner is followed, so
// that nobody can plant a link there that makes another user's save replace a file of theirs.
bool EnlaceSeguible(const std::string& ruta, const struct stat& st) {
    if (st.st_uid == geteuid()) return true;
    struct stat carpeta {};
    if (stat(Carpeta(ruta).c_str(), &carpeta) != 0) return false;
    const bool compartida = (carpeta.st_mode & S_ISVTX) && (carpeta.st_mode & S_IWOTH);
    return !compartida || st.st_uid == carpeta.st_uid;
}

}  // namespace

int SeguirEnlaces(const std::string& ruta, std::string& real) {
    constexpr int SaltosMaximos = 40;  // as the system counts them
    real = ruta;
    for (int saltos = 0;; ++saltos) {
        struct stat st {};
        if (lstat(real.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        if (saltos == SaltosMaximos) return ELOOP;
        if (!EnlaceSeguible(real, st)) return ErrorEnlaceAjeno;
        char apuntado[4096];
        const ssize_t n = readlink(real.c_str(), apuntado, sizeof apuntado);
        if (n < 0) return errno ? errno : EIO;
        if (n == 0) return ENOENT;
        if (static_cast<std::size_t>(n) == sizeof apuntado) return ENAMETOOLONG;
        const std::string destino(apuntado, static_cast<std::size_t>(n));
        real = destino.front() == '/' ? destino : real.substr(0, InicioNombre(real)) + destino;
    }
}

}  // namespace Interno

using namespace Interno;

namespace {

// Whether nombre is a temporary file of a save of a file named tronco + "." + extension: the
// leftovers of a pair. A name cut to fit its hidden name is left to the save of its file.
bool EsRestoDelTronco(const std::string& nombre, const std::string& tronco) {
    const std::string inicio = "." + tronco + ".", fin = MarcaTemporal;
    if (nombre.size() <= inicio.size() + fin.size() + LargoSufijo || nombre.compare(0, inicio.size(), inicio) != 0)
        return false;
    const std::size_t marca = nombre.size() - LargoSufijo - fin.size();
    const std::string_view extension = std::string_view(nombre).substr(inicio.size(), marca - inicio.size());
    return nombre.compare(marca, fin.size(), fin) == 0 && EsSufijo(std::string_view(nombre).substr(marca + fin.size())) &&
           extension.find('.') == std::string_view::npos;
}

// Removes the temporary files that interrupted saves of destino left in its folder (with
// delPar, those of every file of its name less the extension): the same hidden name
// pattern, regular files of this user, not touched for a minute. Not while another copy of
// the program puts a pair in place in that folder.
void QuitarRestos(const std::string& destino, bool delPar = false) {
    CarpetaAbierta carpeta(destino);
    Cerrojo cerrojo(carpeta.Identidad(), 0);
    if (!carpeta.Abierta() || cerrojo.Ocupado()) return;
    const std::string tronco = Tronco(destino.substr(InicioNombre(destino)));
    const std::time_t ahora = std::time(nullptr);
    for (const std::string& nombre : carpeta.Nombres()) {
        if (!EsNombreOculto(AlLado(destino, nombre), destino, MarcaTemporal) && !(delPar && EsRestoDelTronco(nombre, tronco)))
            continue;
        struct stat st {};
        if (fstatat(carpeta.Fd(), nombre.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != geteuid() || ahora - st.st_mtime < SegundosRestos) continue;
        (void)unlinkat(carpeta.Fd(), nombre.c_str(), 0);
    }
}

}  // namespace

std::string DescripcionError(int codigo, Operacion operacion) {
    switch (codigo) {
    case 0: return "Error de entrada/salida de archivo";
    case ErrorNoEsFichero: return "No es un archivo normal (es un dispositivo o una tuber\xC3\xAD" "a)";
    case ErrorEnlaceAjeno:
        return "Permiso denegado: el enlace simb\xC3\xB3lico es de otro usuario en una carpeta compartida, "
               "no se sigue";
    case ErrorParSinTerminar:
        return "Un guardado anterior de este archivo y de su pareja qued\xC3\xB3 a medias y no se ha podido terminar";
    case ENOENT:
        return operacion == Operacion::Lectura ? "No se ha encontrado el archivo" : "No se encontr\xC3\xB3 la ruta de acceso";
    case ENOTDIR: return "No se encontr\xC3\xB3 la ruta de acceso";
    case ENAMETOOLONG: return "El nombre del archivo o de la ruta es demasiado largo";
    case ELOOP: return "Demasiados enlaces simb\xC3\xB3licos en la ruta de acceso";
    case EACCES:
    case EPERM: return "Permiso denegado";
    case EROFS: return "Permiso denegado (la unidad es de solo lectura)";
    case ETXTBSY:
    case EBUSY: return "El archivo est\xC3\xA1 en uso";
    case ENOSPC: return "Disco lleno";
#ifdef EDQUOT
    case EDQUOT: return "Disco lleno (se ha agotado la cuota de disco)";
#endif
    case EFBIG: return "El archivo es demasiado grande";
    case EISDIR: return "Es una carpeta, no un archivo";
    case EMFILE:
    case ENFILE: return "Demasiados archivos";
    case EIO: return "Error de E/S de dispositivo";
    case EEXIST: return "El archivo ya existe";
    case ENXIO:
    case ENODEV: return "Dispositivo no disponible";
    case ENOMEM: return "Memoria insuficiente";
    case EINVAL: return "Nombre o n\xC3\xBAmero de archivo incorrecto";
    case EXDEV: return "No se puede cambiar el nombre con una unidad de disco diferente";
    case ESTALE:
    case ENOLINK: return "El archivo ya no est\xC3\xA1 disponible";
    default: return "Error de entrada/salida de archivo (c\xC3\xB3" "digo " + std::to_string(codigo) + ")";
    }
}

std::string CambiarExtension(const std::string& ruta, const std::string& extension) {
    const std::size_t punto = ruta.rfind('.');
    if (punto != std::string::npos && punto >= InicioNombre(ruta)) return ruta.substr(0, punto) + extension;
    return ruta + extension;
}

// ---------------------------------------------------------------- writing

EscrituraSegura::EscrituraSegura(std::string destino, Enlace enlace) : destino_(std::move(destino)) {
    if (destino_.empty()) {
        Fallar(ENOENT);
        return;
    }
    if (InicioNombre(destino_) == destino_.size()) {
        Fallar(EISDIR);
        return;
    }
    if (const int codigo = CompletarGuardadoPendiente(destino_)) {
        Fallar(codigo);
        return;
    }
    real_ = destino_;
    if (enlace == Enlace::Seguir) {
        if (const int codigo = SeguirEnlaces(destino_, real_)) {
            Fallar(codigo);
            return;
        }
        if (InicioNombre(real_) == real_.size()) {
            Fallar(EISDIR);
            return;
        }
    }
    // What stands at the destination decides what may replace it.
    struct stat actual {};
    if (lstat(real_.c_str(), &actual) == 0) {
        if (S_ISDIR(actual.st_mode)) {
            Fallar(EISDIR);
            return;
        }
        if (S_ISREG(actual.st_mode)) {
            // A file marked read-only is kept, even for a user whom permissions do not bind.
            if ((actual.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(real_.c_str(), W_OK) != 0) {
                Fallar(errno == EROFS ? EROFS : EACCES);
                return;
            }
            reemplaza_ = true;
        } else if (!S_ISLNK(actual.st_mode)) {
            // A pipe would block the window, a device would take the bytes: neither is ours.
            Fallar(ErrorNoEsFichero);
            return;
        }
    } else if (errno != ENOENT) {
        Fallar(errno);
        return;
    }

    QuitarRestos(real_);
    for (int intento = 0; intento < 100 && fd_ < 0; ++intento) {
        temporal_ = NombreOculto(real_, MarcaTemporal);
        if (Averia(Paso::Crear)) break;
        fd_ = open(temporal_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd_ < 0 && errno != EEXIST && errno != EINTR) break;
    }
    if (fd_ < 0) {
        const int codigo = errno;
        temporal_.clear();  // nothing of ours to remove
        alCrear_ = true;
        Fallar(codigo ? codigo : EIO);
        return;
    }
    struct stat creado {};
    if (fstat(fd_, &creado) == 0) {
        devTemporal_ = static_cast<unsigned long long>(creado.st_dev);
        inoTemporal_ = static_cast<unsigned long long>(creado.st_ino);
    }
    if (reemplaza_) {
        if (fchmod(fd_, actual.st_mode & 0777) != 0) {
            Fallar(errno);
            return;
        }
        // The old owner and group where the system allows it (root). Anyone else may still
        // give the file the old group when they belong to it, so that a file shared by a
        // group stays writable by the group; the owner is then simply the user.
        if (actual.st_uid != geteuid() || actual.st_gid != getegid()) {
            if (fchown(fd_, actual.st_uid, actual.st_gid) != 0) {
                const int grupo = fchown(fd_, static_cast<uid_t>(-1), actual.st_gid);
                (void)grupo;
            }
        }
    }
}

EscrituraSegura::~EscrituraSegura() {
    if (!confirmada_) Abandonar();
}

bool EscrituraSegura::Fallar(int codigo) {
    if (error_ == 0) error_ = codigo;
    Abandonar();
    return false;
}

void EscrituraSegura::Abandonar() {
    if (fd_ >= 0) {
        Cerrar(fd_);
        fd_ = -1;
    }
    if (!temporal_.empty()) {
        unlink(temporal_.c_str());
        temporal_.clear();
    }
}

bool EscrituraSegura::Escribir(const void* datos, std::size_t n) {
    if (error_ != 0 || fd_ < 0) return Fallar(error_ ? error_ : EBADF);
    const char* p = static_cast<const char*>(datos);
    while (n > 0) {
        if (Averia(Paso::Escribir)) return Fallar(errno);
        const ssize_t escritos = write(fd_, p, n);
        if (escritos < 0) {
            if (errno == EINTR) continue;
            return Fallar(errno);
        }
        if (escritos == 0) return Fallar(EIO);
        p += escritos;
        n -= static_cast<std::size_t>(escritos);
    }
    return true;
}

bool EscrituraSegura::Preparar() {
    if (error_ != 0 || temporal_.empty()) return Fallar(error_ ? error_ : EBADF);
    if (fd_ < 0) return true;  // done before
    // A delayed write error (a full disk, a lost device) shows up here at the latest.
    if (Averia(Paso::Sincronizar) || fsync(fd_) != 0) return Fallar(errno);
    const int fd = fd_;
    fd_ = -1;
    if (Cerrar(fd) != 0 && errno != EINTR) return Fallar(errno);
    return true;
}

int EscrituraSegura::PonerEnSuSitio() {
    if (Averia(Paso::Renombrar) || rename(temporal_.c_str(), real_.c_str()) != 0) {
        const int codigo = errno ? errno : EIO;
        // A copy of the program that could not be locked out (another machine's) finished this
        // save's journal meanwhile: the new file already stands.
        struct stat st {};
        if (codigo != ENOENT || lstat(real_.c_str(), &st) != 0 || IdDe(st) != Id{devTemporal_, inoTemporal_})
            return codigo;
    }
    temporal_.clear();
    confirmada_ = true;
    return 0;
}

bool EscrituraSegura::Confirmar() {
    if (confirmada_) return true;
    if (!Preparar()) return false;
    {
        // Renamed under the folder's lock, after any half-saved pair of its name: a pair put in
        // place meanwhile never comes after this file, nor a journal over it.
        const CarpetaAbierta carpeta(destino_);
        const Cerrojo cerrojo(carpeta.Identidad(), EsperaCerrojo);
        if (const int codigo = TerminarDiarios(cerrojo, carpeta, destino_.substr(InicioNombre(destino_))))
            return Fallar(codigo);
        if (const int codigo = PonerEnSuSitio()) return Fallar(codigo);
    }
    SincronizarCarpeta(real_);
    return true;
}

std::string EscrituraSegura::Descripcion() const {
    if (alCrear_ && (error_ == EACCES || error_ == EPERM))
        return "Permiso denegado: no se pueden crear archivos en la carpeta";
    std::string descripcion = DescripcionError(error_, Operacion::Escritura);
    if (reemplaza_ && (error_ == ENOSPC || error_ == EDQUOT))
        descripcion += ": no hay sitio para la copia nueva; el archivo anterior se conserva intacto";
    return descripcion + nota_;
}

bool EscribirFichero(const std::string& ruta, std::string_view bytes, std::string& error, Enlace enlace) {
    EscrituraSegura escritura(ruta, enlace);
    if (escritura.Escribir(bytes) && escritura.Confirmar()) return true;
    error = escritura.Descripcion();
    return false;
}

// ---------------------------------------------------------------- reading

int AbrirParaLeer(const std::string& ruta, int& codigo) {
    codigo = 0;
    auto tipoMalo = [](const struct stat& st) {
        return S_ISDIR(st.st_mode) ? EISDIR : S_ISREG(st.st_mode) ? 0 : ErrorNoEsFichero;
    };
    struct stat st {};
    if (ruta.empty()) {
        codigo = ENOENT;
        return -1;
    }
    if ((codigo = CompletarGuardadoPendiente(ruta)) != 0) return -1;
    QuitarRestos(ruta, true);
    if (stat(ruta.c_str(), &st) != 0) {
        codigo = errno ? errno : EIO;
        return -1;
    }
    if ((codigo = tipoMalo(st)) != 0) return -1;
    // Non-blocking, so that a pipe put in the file's place meanwhile cannot hold the window.
    const int fd = open(ruta.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        codigo = errno ? errno : EIO;
        return -1;
    }
    if (fstat(fd, &st) != 0 || (codigo = tipoMalo(st)) != 0) {
        if (codigo == 0) codigo = errno ? errno : EIO;
        Cerrar(fd);
        return -1;
    }
    const int banderas = fcntl(fd, F_GETFL);
    if (banderas >= 0) fcntl(fd, F_SETFL, banderas & ~O_NONBLOCK);
    return fd;
}

ResultadoLectura LeerFichero(const std::string& ruta, std::size_t maximo, std::string& bytes, int& codigo) {
    bytes.clear();
    const int fd = AbrirParaLeer(ruta, codigo);
    if (fd < 0) return ResultadoLectura::Error;
    struct stat st {};
    if (fstat(fd, &st) == 0 && st.st_size > 0 && static_cast<std::uint64_t>(st.st_size) > maximo) {
        Cerrar(fd);
        return ResultadoLectura::DemasiadoGrande;
    }
    // Files of /proc and the like say 0 bytes and hold more: read one byte past the limit.
    std::size_t usados = 0;
    bytes.resize(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 64 * 1024);
    for (;;) {
        if (usados == bytes.size()) {
            if (bytes.size() > maximo) break;
            bytes.resize(std::min(bytes.size() * 2, maximo + 1));
        }
        const ssize_t leidos = read(fd, &bytes[usados], bytes.size() - usados);
        if (leidos < 0) {
            if (errno == EINTR) continue;
            codigo = errno ? errno : EIO;
            Cerrar(fd);
            bytes.clear();
            return ResultadoLectura::Error;
        }
        if (leidos == 0) break;
        usados += static_cast<std::size_t>(leidos);
    }
    Cerrar(fd);
    bytes.resize(usados);
    if (usados > maximo) {
        bytes.clear();
        return ResultadoLectura::DemasiadoGrande;
    }
    return ResultadoLectura::Leido;
}

// ---------------------------------------------------------------- test seam

void ProvocarFallo(Paso paso, int vez, int codigo) { fallosPendientes.assign(1, {paso, vez, codigo}); }

void AnadirFallo(Paso paso, int vez, int codigo) { fallosPendientes.push_back({paso, vez, codigo}); }

void QuitarFallos() { fallosPendientes.clear(); }

}  // namespace Ficheros
