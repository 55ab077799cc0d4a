// Files as the program writes and reads them (POSIX), and the Spanish description of what
// went wrong. No Qt types: the computing code writes and reads through here too.
//
// Writing: every file goes through EscrituraSegura. The bytes go to a new temporary file in
// the destination's folder (created exclusively, under a unique hidden name); every write,
// the sync and the close are checked, and only then is the temporary file renamed over the
// destination. On any failure the temporary file is removed and whatever stood at the
// destination stays exactly as it was. A destination that is a folder, a pipe, a socket or a
// device, or a file marked read-only, is refused before anything is written.
// Links: a path the user chose follows a symbolic link to the file it names, which is
// replaced in its own folder while the link stays, but only where the system itself would
// follow it: in a sticky folder that everyone may write to (/tmp), a link is followed only
// when it belongs to the user or to the folder's owner. A file at one of the program's fixed
// names replaces a link there and never writes through it.
// Pairs: two files that belong together (a bet file and its base file: the same folder and
// name, another extension) are put in place together (ConfirmarJuntas), with a journal that
// lets the next touch of either file finish a save that was killed between the two renames.
// Renames are done under a lock of the folder that only the user's own copies of the program
// share (see Ficheros_interno.h), so two of them take turns and nobody else can stall them.
// Permissions: a replaced file keeps its mode, and its owner and group as far as the user
// may give them (the group alone when the owner cannot be kept); a new one gets what a plain
// open would give (0666 less the umask).
// Leftovers: the temporary files of earlier saves of the same file that were interrupted
// (the program killed, the machine stopped) are removed by the next save of that file, and
// by the next opening of either file of its pair, once they are a minute old and when they
// belong to the user.
//
// Reading: a path that is not a regular file (a link to one is) is refused before it is
// opened, and the opening itself cannot block (a pipe put in its place meanwhile is refused
// too). Opening a file first finishes an interrupted save of its pair.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Ficheros {

enum class Operacion { Lectura, Escritura };

// Our own codes beside errno's: a pipe, socket or device where a file was expected; a link
// of another user in a shared folder, which is not followed; a save of the file's pair that
// was killed midway and cannot be finished now (a rename refused).
inline constexpr int ErrorNoEsFichero = -1;
inline constexpr int ErrorEnlaceAjeno = -2;
inline constexpr int ErrorParSinTerminar = -3;

// The Spanish description of an errno code (or ErrorNoEsFichero) as the messages show it. A
// missing file is told apart from a missing folder by the operation. Never the system's
// English text: a code without a text of its own gets a Spanish one with its number.
std::string DescripcionError(int codigo, Operacion operacion = Operacion::Escritura);

// The path cut before the last "." of its file name (a "." in a folder name never counts),
// followed by the extension given (".xml", ".EUR").
std::string CambiarExtension(const std::string& ruta, const std::string& extension);

// ---------------------------------------------------------------- writing

// What a symbolic link at the destination means.
enum class Enlace {
    Seguir,      // the user chose the path: the file the link names is written
    Reemplazar,  // one of the program's fixed names: the link itself is replaced
};

// How long a temporary file of an interrupted save is left alone: another save of the same
// file may still be writing it.
inline constexpr int SegundosRestos = 60;

// One safe write of the file destino. The constructor checks the destination, clears the
// leftovers of interrupted saves and creates the temporary file; Escribir appends; Confirmar
// syncs and renames. A failure at any step makes every later step fail too and removes the
// temporary file; Error() keeps the first errno. Destroying an unconfirmed write abandons it.
class EscrituraSegura {
public:
    explicit EscrituraSegura(std::string destino, Enlace enlace = Enlace::Seguir);
    ~EscrituraSegura();
    EscrituraSegura(const EscrituraSegura&) = delete;
    EscrituraSegura& operator=(const EscrituraSegura&) = delete;

    // Appends n bytes (all of them, or false).
    bool Escribir(const void* datos, std::size_t n);
    bool Escribir(std::string_view texto) { return Escribir(texto.data(), texto.size()); }
    // Syncs and closes the temporary file and renames it over the destination. True once
    // the new file stands in place of the old.
    bool Confirmar();
    // Removes the temporary file; the destination is left as it was.
    void Abandonar();

    bool Fallida() const { return error_ != 0; }
    int Error() const { return error_; }
    // The Spanish reason of the failure, with its cause where the step tells it: a folder
    // where no file can be created, a full disk that leaves the old file as it was, an old
    // file that could not be put back and where it is kept.
    std::string Descripcion() const;
    const std::string& Destino() const { return destino_; }

private:
    friend bool ConfirmarJuntas(EscrituraSegura& primera, EscrituraSegura& segunda);
    bool Fallar(int codigo);
    // Syncs and closes the temporary file: all but the rename.
    bool Preparar();
    // The rename alone: 0, or the errno code with the temporary file still there.
    int PonerEnSuSitio();
    std::string destino_;
    std::string real_;  // where the file is written: destino_, or the file its link names
    std::string temporal_;
    int fd_ = -1;
    int error_ = 0;
    unsigned long long devTemporal_ = 0, inoTemporal_ = 0;  // the temporary file's identity
    std::string nota_;        // what the failure left behind, said after its reason
    bool alCrear_ = false;    // the failure came when the temporary file was created
    bool reemplaza_ = false;  // a file stood at the destination
    bool confirmada_ = false;
};

// Puts two files that belong together in place together. Both are synced before either is
// renamed; a journal beside the first names both renames before they start and goes once
// they are done; the first file's old copy is kept under a name of its own (never taken for
// a leftover) until the second is in place, and put back when the second rename fails. True
// when both new files stand; otherwise both old files are as they were (nothing stood there
// stays nothing) and the write that failed says why, and where the old first file is kept
// when it could not be put back. The two files are named in the same folder with the same
// name less the extension, which is what the journal is found by.
bool ConfirmarJuntas(EscrituraSegura& primera, EscrituraSegura& segunda);

// Finishes a save of the pair of ruta (the files of its folder and name, any extension) that
// was killed while it put its files in place: both new files then stand, unless a newer save
// has replaced either since, which then stands. Called by every save and every opening for
// reading. 0, or why the pair is still half-saved: EBUSY while another copy of the program
// puts it in place, ErrorParSinTerminar when a rename is refused.
int CompletarGuardadoPendiente(const std::string& ruta);

// The whole file in one safe write. False with the Spanish reason in error.
bool EscribirFichero(const std::string& ruta, std::string_view bytes, std::string& error,
                     Enlace enlace = Enlace::Seguir);

// ---------------------------------------------------------------- reading

// Opens ruta for reading when it names a regular file: returns the descriptor (the caller
// closes it), or -1 with the errno code (EISDIR for a folder, ErrorNoEsFichero for a pipe,
// socket or device) in codigo. A half-saved pair is finished first, or not opened; then the
// leftovers of killed saves of the files of its name are cleared, as a save clears its own.
int AbrirParaLeer(const std::string& ruta, int& codigo);

enum class ResultadoLectura { Leido, Error, DemasiadoGrande };
// Reads a whole regular file of at most maximo bytes into bytes. A larger file is refused
// after reading one byte past the limit, never whole. Error gives the code in codigo.
ResultadoLectura LeerFichero(const std::string& ruta, std::size_t maximo, std::string& bytes, int& codigo);

// ---------------------------------------------------------------- test seam

// The steps of a safe write that a test can make fail: creating the temporary file, writing,
// syncing, renaming; and those of a pair: writing its journal, giving the first file's old
// copy its second name, putting that copy back, a rename while finishing a journal, taking
// the lock with flock.
enum class Paso { Crear, Escribir, Sincronizar, Renombrar, Diario, Enlazar, Reponer, Terminar, Cerrojo };
// A code that kills the program at that step instead, as a kill from outside would.
inline constexpr int Matar = -1000;
// A vez that makes every call of the step fail, until the faults are cleared.
inline constexpr int Siempre = 0;
// From now on, the vez-th call (1 = the next) of that step fails with errno codigo, once.
// ConfirmarJuntas syncs the first, then the second, then renames them in that order.
// ProvocarFallo replaces the pending faults, AnadirFallo adds one; QuitarFallos clears them.
// For tests only.
void ProvocarFallo(Paso paso, int vez, int codigo);
void AnadirFallo(Paso paso, int vez, int codigo);
void QuitarFallos();

}  // namespace Ficheros
