#include "support/FicherosPrueba.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/mount.h>
#include <csignal>
#include <ctime>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Ficheros.h"

std::string LeerBytes(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void EscribirBytes(const std::string& ruta, const std::string& bytes) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f << bytes;
    if (!f.flush()) throw std::runtime_error("cannot write " + ruta);
}

void CrearTuberia(const std::string& ruta) {
    if (mkfifo(ruta.c_str(), 0644) != 0) throw std::runtime_error("mkfifo " + ruta + ": " + std::strerror(errno));
}

bool EsTuberia(const std::string& ruta) {
    struct stat st {};
    return lstat(ruta.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

std::vector<std::string> Contenido(const std::string& carpeta) {
    std::vector<std::string> nombres;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(carpeta, ec)) nombres.push_back(e.path().filename().string());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

bool MuereAlHacer(const std::function<void()>& accion) {
    const pid_t hijo = fork();
    if (hijo < 0) throw std::runtime_error("fork failed");
    if (hijo == 0) {
        accion();
        _exit(0);
    }
    int estado = 0;
    waitpid(hijo, &estado, 0);
    return WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL;
}

void Envejecer(const std::string& ruta, int segundos) {
    const timespec hace[2] = {{time(nullptr) - segundos, 0}, {time(nullptr) - segundos, 0}};
    if (utimensat(AT_FDCWD, ruta.c_str(), hace, AT_SYMLINK_NOFOLLOW) != 0) throw std::runtime_error("utimensat " + ruta);
}

DiscoLleno::DiscoLleno() {
    char plantilla[] = "/tmp/tv_disco_lleno_XXXXXX";
    if (!mkdtemp(plantilla)) throw std::runtime_error("mkdtemp failed");
    base_ = carpeta_ = plantilla;
    if (geteuid() != 0) {
        motivo_ = "not root: a small tmpfs cannot be mounted, the write fails through the seam";
        return;
    }
    if (mount("tmpfs", carpeta_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") != 0) {
        motivo_ = std::string("tmpfs not mounted (") + std::strerror(errno) + "): the write fails through the seam";
        return;
    }
    montado_ = true;
}

DiscoLleno::~DiscoLleno() {
    Ficheros::QuitarFallos();
    if (montado_ && umount2(base_.c_str(), 0) != 0) umount2(base_.c_str(), MNT_DETACH);
    std::error_code ec;
    std::filesystem::remove_all(base_, ec);
}

void DiscoLleno::Llenar() {
    if (!montado_) {
        Ficheros::ProvocarFallo(Ficheros::Paso::Escribir, 1, ENOSPC);
        return;
    }
    const std::string relleno = carpeta_ + "/relleno";
    const int fd = open(relleno.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create the filler");
    const std::string bloque(4096, 'r');
    while (write(fd, bloque.data(), bloque.size()) > 0) {
    }
    // The last pages, a byte at a time.
    while (write(fd, "r", 1) > 0) {
    }
    close(fd);
}
