// What the tests of writers and readers put at a path: a file with known bytes, a link, a
// pipe, a folder, a full disk; and what they check afterwards (the bytes, what is left in the
// folder).
#pragma once

#include <functional>
#include <string>
#include <vector>

// The reason a write on a full disk gives when a file stood at the path.
inline const std::string LlenoConservado =
    "Disco lleno: no hay sitio para la copia nueva; el archivo anterior se conserva intacto";

std::string LeerBytes(const std::string& ruta);
void EscribirBytes(const std::string& ruta, const std::string& bytes);
// A named pipe at ruta (nobody writes to it: opening it for reading the usual way blocks).
void CrearTuberia(const std::string& ruta);
bool EsTuberia(const std::string& ruta);
// The names in a folder, sorted (hidden ones too).
std::vector<std::string> Contenido(const std::string& carpeta);

// Runs accion in a child process, as the program would run it, and tells whether the child
// was killed (a step of the safe write asked to kill, Ficheros::Matar) rather than ending.
bool MuereAlHacer(const std::function<void()>& accion);
// Sets a file's modification time that many seconds back (a leftover of an old save).
void Envejecer(const std::string& ruta, int segundos);

// A folder on a full disk. As root it is a small tmpfs mounted for the test and filled by
// Llenar() (after the test has put there what it wants to find again); elsewhere it is an
// ordinary temporary folder, and Llenar() makes the next write of the safe write fail with
// ENOSPC through its test seam. The tmpfs is unmounted when the object goes.
class DiscoLleno {
public:
    DiscoLleno();
    ~DiscoLleno();
    DiscoLleno(const DiscoLleno&) = delete;
    DiscoLleno& operator=(const DiscoLleno&) = delete;

    const std::string& Carpeta() const { return carpeta_; }
    bool Real() const { return montado_; }
    // Why the disk is not a real one ("" when it is).
    const std::string& Motivo() const { return motivo_; }
    void Llenar();

private:
    std::string base_, carpeta_, motivo_;
    bool montado_ = false;
};
