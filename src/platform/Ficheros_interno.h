// What the safe write and the putting in place of pairs share: the hidden names beside a
// file, the test seam, and the lock of a folder. Not for use outside src/platform/Ficheros*.
#pragma once

#include <string>

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
// A new hidden name of that kind beside ruta (full path).
std::string NombreOculto(const std::string& ruta, const char* marca);
// Whether candidato (a full path) is a hidden name of that kind beside ruta.
bool EsNombreOculto(const std::string& candidato, const std::string& ruta, const char* marca);
// The journal of the pair of ruta: ".name.diario" beside it, name less its extension.
std::string NombreDiario(const std::string& ruta);

// ---- the system ----

int Cerrar(int fd);
// The new names on disk too (best effort: some file systems cannot sync a folder).
void SincronizarCarpeta(const std::string& ruta);

// An exclusive lock on a folder, held while a pair is put in place there or its journal is
// finished, so that two copies of the program never do both at once. Where the folder cannot
// be locked (a network file system) the work goes on without it; Ocupado() says another copy
// held it for longer than the wait.
class CerrojoCarpeta {
public:
    CerrojoCarpeta(const std::string& carpeta, int milisegundos);
    ~CerrojoCarpeta();
    CerrojoCarpeta(const CerrojoCarpeta&) = delete;
    CerrojoCarpeta& operator=(const CerrojoCarpeta&) = delete;
    bool Ocupado() const { return ocupado_; }

private:
    int fd_ = -1;
    bool ocupado_ = false;
};

}  // namespace Ficheros::Interno
