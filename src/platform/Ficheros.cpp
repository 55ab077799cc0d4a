#include "platform/Ficheros.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Ficheros {

namespace {

// ---- the test seam: one pending fault at most ----
struct Fallo {
    Paso paso = Paso::Crear;
    int vez = 0;  // 0: none
    int codigo = 0;
};
Fallo falloPendiente;

// True (errno set) when this call of the step is the one a test asked to fail.
bool Averia(Paso paso) {
    if (falloPendiente.vez == 0 || falloPendiente.paso != paso) return false;
    if (--falloPendiente.vez > 0) return false;
    errno = falloPendiente.codigo;
    return true;
}

// ---- names ----

// Longest name of one folder entry on the systems we run on.
constexpr std::size_t LargoMaximoNombre = 255;

std::size_t InicioNombre(const std::string& ruta) {
    const std::size_t barra = ruta.rfind('/');
    return barra == std::string::npos ? 0 : barra + 1;
}

// The first n bytes of a UTF-8 name, never cut inside a character.
std::string Recortar(const std::string& nombre, std::size_t n) {
    if (nombre.size() <= n) return nombre;
    while (n > 0 && (static_cast<unsigned char>(nombre[n]) & 0xC0) == 0x80) --n;
    return nombre.substr(0, n);
}

// Six characters that differ from call to call and from process to process.
std::string Sufijo() {
    static std::uint64_t contador = 0;
    std::uint64_t z = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (static_cast<std::uint64_t>(getpid()) << 32) ^ (++contador * 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    static const char letras[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string s(6, 'a');
    for (char& c : s) {
        c = letras[z % 36];
        z /= 36;
    }
    return s;
}

constexpr std::size_t LargoSufijo = 6;

// What every hidden name of a file's saves begins with: ".name.tmp", the name cut so that
// ".name.tmpXXXXXX" fits one folder entry.
std::string PrefijoTemporal(const std::string& destino) {
    const std::size_t inicio = InicioNombre(destino);
    const std::string nombre = Recortar(destino.substr(inicio), LargoMaximoNombre - 1 - 4 - LargoSufijo);
    return "." + nombre + ".tmp";
}

// A hidden name beside the destination: ".name.tmpXXXXXX".
std::string NombreTemporal(const std::string& destino) {
    return destino.substr(0, InicioNombre(destino)) + PrefijoTemporal(destino) + Sufijo();
}

std::string Carpeta(const std::string& ruta) {
    const std::size_t inicio = InicioNombre(ruta);
    return inicio == 0 ? std::string(".") : ruta.substr(0, inicio);
}

int Cerrar(int fd) {
    // Linux closes the descriptor even when close reports EINTR: never retry.
    return close(fd);
}

// The new names on disk too. Some file systems cannot sync a folder; the files are in place
// by then either way, so this is not a failure of the write.
void SincronizarCarpeta(const std::string& ruta) {
    const int dir = open(Carpeta(ruta).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)fsync(dir);
        Cerrar(dir);
    }
}

// The file a chain of symbolic links at ruta ends at (ruta itself when it is no link), each
// relative link read from the folder of the link that holds it. 0, or the errno code.
int SeguirEnlaces(const std::string& ruta, std::string& real) {
    constexpr int SaltosMaximos = 40;  // as the system counts them
    real = ruta;
    for (int saltos = 0;; ++saltos) {
        struct stat st {};
        if (lstat(real.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        if (saltos == SaltosMaximos) return ELOOP;
        char apuntado[4096];
        const ssize_t n = readlink(real.c_str(), apuntado, sizeof apuntado);
        if (n < 0) return errno ? errno : EIO;
        if (n == 0) return ENOENT;
        if (static_cast<std::size_t>(n) == sizeof apuntado) return ENAMETOOLONG;
        const std::string destino(apuntado, static_cast<std::size_t>(n));
        real = destino.front() == '/' ? destino : real.substr(0, InicioNombre(real)) + destino;
    }
}

// Removes the temporary files that interrupted saves of destino left in its folder: the same
// hidden name pattern, regular files of this user, not touched for a minute.
void QuitarRestos(const std::string& destino) {
    DIR* dir = opendir(Carpeta(destino).c_str());
    if (!dir) return;
    const std::string prefijo = PrefijoTemporal(destino);
    const std::time_t ahora = std::time(nullptr);
    while (const dirent* entrada = readdir(dir)) {
        const std::string_view nombre = entrada->d_name;
        if (nombre.size() != prefijo.size() + LargoSufijo || nombre.substr(0, prefijo.size()) != prefijo) continue;
        const std::string_view sufijo = nombre.substr(prefijo.size());
        const auto deSufijo = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
        if (!std::all_of(sufijo.begin(), sufijo.end(), deSufijo)) continue;
        struct stat st {};
        if (fstatat(dirfd(dir), entrada->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != geteuid() || ahora - st.st_mtime < SegundosRestos) continue;
        (void)unlinkat(dirfd(dir), entrada->d_name, 0);
    }
    closedir(dir);
}

}  // namespace

std::string DescripcionError(int codigo, Operacion operacion) {
    switch (codigo) {
    case 0: return "Error de entrada/salida de archivo";
    case ErrorNoEsFichero: return "No es un archivo normal (es un dispositivo o una tuber\xC3\xAD" "a)";
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
        temporal_ = NombreTemporal(real_);
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

bool EscrituraSegura::Renombrar() {
    if (Averia(Paso::Renombrar) || rename(temporal_.c_str(), real_.c_str()) != 0) return Fallar(errno);
    temporal_.clear();
    confirmada_ = true;
    return true;
}

bool EscrituraSegura::Confirmar() {
    if (confirmada_) return true;
    if (!Preparar() || !Renombrar()) return false;
    SincronizarCarpeta(real_);
    return true;
}

std::string EscrituraSegura::Descripcion() const {
    if (alCrear_ && (error_ == EACCES || error_ == EPERM))
        return "Permiso denegado: no se pueden crear archivos en la carpeta";
    std::string descripcion = DescripcionError(error_, Operacion::Escritura);
    if (reemplaza_ && (error_ == ENOSPC || error_ == EDQUOT))
        descripcion += ": no hay sitio para la copia nueva; el archivo anterior se conserva intacto";
    return descripcion;
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
    // The first file's old copy stays under a hidden name until both new files are in place.
    // A second name for it costs nothing; a file system without hard links has it moved
    // aside instead, which leaves its name empty for a moment.
    std::string copia;
    bool apartada = false;
    if (primera.reemplaza_) {
        int codigo = EEXIST;
        for (int intento = 0; intento < 100 && codigo == EEXIST; ++intento) {
            const std::string nombre = NombreTemporal(primera.real_);
            codigo = link(primera.real_.c_str(), nombre.c_str()) == 0 ? 0 : errno;
            if (codigo == 0) copia = nombre;
        }
        if (codigo != 0 && codigo != ENOENT) {
            const std::string nombre = NombreTemporal(primera.real_);
            if (rename(primera.real_.c_str(), nombre.c_str()) != 0) {
                codigo = errno;
                segunda.Abandonar();
                return primera.Fallar(codigo);
            }
            copia = nombre;
            apartada = true;
        }
    }
    if (!primera.Renombrar()) {
        if (apartada) rename(copia.c_str(), primera.real_.c_str());
        else if (!copia.empty()) unlink(copia.c_str());
        segunda.Abandonar();
        return false;
    }
    if (!segunda.Renombrar()) {
        // The first file as it was: its old copy back, or no file where there was none.
        if (!copia.empty()) rename(copia.c_str(), primera.real_.c_str());
        else unlink(primera.real_.c_str());
        SincronizarCarpeta(primera.real_);
        return false;
    }
    if (!copia.empty()) unlink(copia.c_str());
    SincronizarCarpeta(primera.real_);
    if (Carpeta(segunda.real_) != Carpeta(primera.real_)) SincronizarCarpeta(segunda.real_);
    return true;
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

void ProvocarFallo(Paso paso, int vez, int codigo) { falloPendiente = Fallo{paso, vez, codigo}; }

void QuitarFallos() { falloPendiente = Fallo{}; }

}  // namespace Ficheros
