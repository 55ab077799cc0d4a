// What the safe write and the putting in place of pairs share: the hidden names beside a
// file, the test seam, and the lock of a folder. Not for use outside src/platform/Ficheros*.
#pragma once

#include <string>
#include <sys/stat.h>
#include <vector>

#include "platform/Ficheros.h"

namespace Ficheros::Interno {

// True (errno set) when this call of the step is the one a test asked to fail; a step asked
// to kill kills the program here.
bool Averia(Paso paso);

// ---- names ----

std::size_t InicioNombre(const std::string& ruta);
// The folder of a path as open() takes it: "." for a bare name.
std::string Carpeta(const std::string& ruta);
// A name in the folder of ruta.
std::string AlLado(const std::string& ruta, const std::string& nombre);

// The hidden files of a file's saves are ".name" + mark + six letters or digits: the
// temporary files (".tmp"), which the cleanup of leftovers takes, and the old copy a pair
// keeps while it is put in place (".ant"), which it never takes.
inline constexpr const char* MarcaTemporal = ".tmp";
inline constexpr const char* MarcaCopia = ".ant";
inline constexpr std::size_t LargoSufijo = 6;
// ".name" + mark, the name cut to leave room for the six characters; a cut name carries a
// hash of the whole one, so that two long names that begin alike keep apart.
std::string PrefijoOculto(const std::string& ruta, const char* marca);
// Six letters or digits that differ from call to call and from process to process.
std::string Sufijo();
// A new hidden name of that kind beside ruta (full path).
std::string NombreOculto(const std::string& ruta, const char* marca);
// Whether candidato (a full path) is a hidden name of that kind beside ruta.
bool EsNombreOculto(const std::string& candidato, const std::string& ruta, const char* marca);
// The stem of a file name: the name less its extension ("par" for "par.EUR").
std::string Tronco(const std::string& nombre);
// The journals of a pair are ".stem.diario" + six letters or digits beside its files.
std::string PrefijoDiario(const std::string& tronco);

// ---- the system ----

// The file a chain of symbolic links at ruta ends at (ruta itself when it is no link), each
// relative link read from the folder of the link that holds it; in a sticky folder that
// everyone may write to, only a link of the user or of the folder's owner is followed (as the
// system itself follows them there). 0, or the error code (ErrorEnlaceAjeno for another's).
int SeguirEnlaces(const std::string& ruta, std::string& real);

int Cerrar(int fd);
// The new names on disk too (best effort: some file systems cannot sync a folder).
void SincronizarCarpeta(const std::string& ruta);

// What stands at a name: its device and inode (none when nothing does).
struct Id {
    unsigned long long dev = 0, ino = 0;
    bool Hay() const { return ino != 0; }
    bool operator==(const Id&) const = default;
};
Id IdDe(const struct stat& st);
// Whether the file system of the folder fd keeps a file's inode number for good. FAT, exFAT,
// NTFS, FUSE and SMB mounts may give the same file another number once it leaves the cache.
bool InodosDuraderos(int fd);

// A folder held open while a pair's files are put in place or its journal is finished: what
// is done there is done through this descriptor, wherever the folder is moved meanwhile.
class CarpetaAbierta {
public:
    explicit CarpetaAbierta(const std::string& ruta);  // the folder of the file ruta
    ~CarpetaAbierta();
    CarpetaAbierta(const CarpetaAbierta&) = delete;
    CarpetaAbierta& operator=(const CarpetaAbierta&) = delete;
    bool Abierta() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    Id Identidad() const { return id_; }
    const std::string& Ruta() const { return ruta_; }  // "dir/", or "" for the current folder
    int Error() const { return error_; }
    // The names of its entries (none when it cannot be read).
    std::vector<std::string> Nombres() const;

private:
    int fd_ = -1;
    Id id_;
    std::string ruta_;
    int error_ = 0;
};

// The lock of a folder among the user's own copies of the program, held while a pair is put
// in place there or its journal is finished, and while a single file is renamed there. It is
// a file named by the folder's device and inode in a folder only the user can reach (the
// runtime folder), so nobody else can take it, whatever the pair's file system allows. Where
// flock is refused there, a record lock is taken instead; where neither can be had, the work
// goes on without. Ocupado(): another copy held it for longer than the wait.
class Cerrojo {
public:
    Cerrojo(Id carpeta, int milisegundos);
    ~Cerrojo();
    Cerrojo(const Cerrojo&) = delete;
    Cerrojo& operator=(const Cerrojo&) = delete;
    bool Ocupado() const { return ocupado_; }

private:
    int fd_ = -1;
    std::string ruta_;
    bool ocupado_ = false;
};

// How long a save or an opening waits for another copy of the program to finish putting a
// pair in place in the same folder (it takes a few syncs), in milliseconds.
inline constexpr int EsperaCerrojo = 5000;

// With the folder's lock in hand: finishes every journal of the pair of nombre (a file name in
// that folder) found there. 0 when none is left; EBUSY when the lock was not had in time (the
// save that holds it is alive and finishes on its own); else why a journal is left.
int TerminarDiarios(const Cerrojo& cerrojo, const CarpetaAbierta& carpeta, const std::string& nombre);

}  // namespace Ficheros::Interno
