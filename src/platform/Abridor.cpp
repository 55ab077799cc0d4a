#include "platform/Abridor.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace Abridor {
namespace {

// How often the caller gets to run while the opener is awaited.
constexpr std::chrono::milliseconds Rodaja{20};

// Where a command of that name runs from, as the shell finds it: the first entry of PATH
// holding an executable regular file (an empty entry is the current folder). "" when none.
std::string BuscarEnPath(const std::string& programa) {
    const char* path = std::getenv("PATH");
    const std::string lista = path ? path : "/usr/bin:/bin";
    for (std::size_t desde = 0;;) {
        const std::size_t fin = lista.find(':', desde);
        const std::string carpeta = lista.substr(desde, fin - desde);  // to the end when fin is npos
        const std::string ruta = (carpeta.empty() ? std::string(".") : carpeta) + "/" + programa;
        struct stat datos {};
        if (stat(ruta.c_str(), &datos) == 0 && S_ISREG(datos.st_mode) && access(ruta.c_str(), X_OK) == 0) return ruta;
        if (fin == std::string::npos) return std::string();
        desde = fin + 1;
    }
}

// The first child, a copy of a multi-threaded program: async-signal-safe calls only, until
// exec. It starts a watcher and ends at once, so the watcher and the opener belong to no
// process of ours. The watcher runs the opener, waits for it and writes its wait status to
// the pipe; if nobody reads any more, the write ends it quietly (SIGPIPE).
[[noreturn]] void Lanzar(const char* ruta, char* const argv[], int escritura) {
    // Its own session: a terminal that closes or a Ctrl+C to the program does not reach it.
    setsid();
    // What the opener inherits, as a freshly started program expects it.
    struct sigaction defecto {};
    defecto.sa_handler = SIG_DFL;
    sigemptyset(&defecto.sa_mask);
    sigaction(SIGCHLD, &defecto, nullptr);
    sigaction(SIGPIPE, &defecto, nullptr);
    sigset_t ninguna;
    sigemptyset(&ninguna);
    sigprocmask(SIG_SETMASK, &ninguna, nullptr);

    const pid_t vigia = fork();
    if (vigia != 0) _exit(vigia < 0 ? 1 : 0);
    const pid_t abridor = fork();
    if (abridor == 0) {
        execv(ruta, argv);
        _exit(127);
    }
    if (abridor < 0) _exit(1);  // no status written: the program reads the end of the pipe
    int estado = 0;
    while (waitpid(abridor, &estado, 0) < 0)
        if (errno != EINTR) _exit(1);
    while (write(escritura, &estado, sizeof estado) < 0 && errno == EINTR) {
    }
    _exit(0);
}

// The opener's verdict from the pipe, within EsperaMaxima; still running then is opened.
bool Veredicto(int lectura, const std::function<void()>& ceder) {
    using Reloj = std::chrono::steady_clock;
    const Reloj::time_point limite = Reloj::now() + EsperaMaxima;
    int estado = 0;
    std::size_t leidos = 0;
    for (;;) {
        const auto resta = std::chrono::ceil<std::chrono::milliseconds>(limite - Reloj::now());
        if (resta.count() <= 0) return true;
        pollfd espera{lectura, POLLIN, 0};
        const int listo = poll(&espera, 1, static_cast<int>(std::min(resta, Rodaja).count()));
        if (listo < 0 && errno != EINTR) return false;
        if (listo > 0) {
            const ssize_t n = read(lectura, reinterpret_cast<char*>(&estado) + leidos, sizeof estado - leidos);
            if (n == 0) return false;  // the watcher ended without a word
            if (n < 0 && errno != EINTR) return false;
            if (n > 0) leidos += static_cast<std::size_t>(n);
            if (leidos == sizeof estado) return WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
        }
        if (ceder) ceder();
    }
}

}  // namespace

bool Abrir(const std::string& destino, const std::function<void()>& ceder) {
    // Everything the children use is made before fork: no allocation happens after it.
    const std::string ruta = BuscarEnPath("xdg-open");
    if (ruta.empty()) return false;
    std::string nombre = "xdg-open", argumento = destino;
    char* const argv[] = {nombre.data(), argumento.data(), nullptr};
    int tubo[2];
    // Close-on-exec: neither the opener nor a program another thread starts keeps the pipe open.
    if (pipe2(tubo, O_CLOEXEC) != 0) return false;
    const pid_t hijo = fork();
    if (hijo == 0) {
        close(tubo[0]);
        Lanzar(ruta.c_str(), argv, tubo[1]);
    }
    close(tubo[1]);
    if (hijo < 0) {
        close(tubo[0]);
        return false;
    }
    // The first child ends at once; reaping it leaves no zombie.
    while (waitpid(hijo, nullptr, 0) < 0 && errno == EINTR) {
    }
    const bool abierto = Veredicto(tubo[0], ceder);
    close(tubo[0]);
    return abierto;
}

}  // namespace Abridor
