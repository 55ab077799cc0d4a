// Reading a bet file into a table of bets: a text file (one bet per line, in the four layouts
// of the line routines of modGeneral) or the program's own enciphered .EUR file. Every import
// of a bet file reads by this one unit (the main window's and the tools'), so the checks, the
// limit of 2,118,760 bets and the messages are the same everywhere.
//
// Text files: the class of the first line (DetectarFormatoLinea) governs the cleaning of every
// line, the first included. A cleaned line shorter than 14 characters is skipped silently and
// takes no bet number; otherwise its first 14 characters are seven two-character values: five
// numbers 1..50 strictly ascending, then two stars 1..12 (in any order, equal allowed).
// Lines end in CR LF, LF or CR.
// .EUR files: record 1 (the header) is skipped, record 2 is the count, then one record per
// bet; the values sit between the commas and the plus sign. The same checks as for text
// lines apply to every bet.
//
// A failed check refuses the file with a detail naming the bet by its number among the bets
// read (not the line number); anything else that goes wrong (a file that cannot be opened or
// is truncated, a value that is not a number) refuses it with the error's text. The caller
// shows MensajeError.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "common/Tabla.h"
#include "common/modGeneral.h"

namespace modLeerApuestas {

using modGeneral::Byte;
using modGeneral::Integer;
using modGeneral::Long;

// The most bets a file may give: every 5-of-50 combination once.
inline constexpr Long MaximoApuestas = modGeneral::MaximoCombinaciones;
// The reader reports progress and yields every this many bets.
inline constexpr Long ApuestasPorCesion = 5000;

enum class FormatoFichero { Texto, EUR };

// By the path's extension, the part after its last "." (the whole path when it has none):
// "EUR" in any case is a .EUR file, anything else is read as text.
FormatoFichero FormatoPorExtension(const std::string& ruta);

struct OpcionesLectura {
    // Called every 5000 bets with the number of bets read so far (before the yield).
    std::function<void(Long apuestas)> progreso;
    // Looked at whenever the reader yields: true stops the reading (Resultado::Detenido).
    const bool* detener = nullptr;
    // Show the exclamation box MensajeLimite when the file holds more bets than the limit.
    bool avisarLimite = true;
};

enum class Resultado {
    Leido,     // the bets are in the table (also when the limit cut the file, or there were none)
    Error,     // the file was refused: error or detalle says why
    Detenido,  // stopped through OpcionesLectura::detener
};

struct LecturaApuestas {
    Resultado resultado = Resultado::Error;
    FormatoFichero formato = FormatoFichero::Texto;
    // Text files: the class 0..4 of the first line (also left in modGeneral::FormatoLineaASCII).
    Integer formatoLinea = 0;
    // (0 To R, 1 To 7): row n, n = 1..total, holds the n-th bet read, columns 1-5 its numbers
    // and 6-7 its stars, as the file has them. Row 0 and rows after total are not defined.
    // A text file sizes R from the file's length (16 bytes a line) and grows it when needed;
    // a .EUR file has R = count + 1. Empty after an error.
    Tabla<Byte> apuestas;
    Long total = 0;
    // The file held more than MaximoApuestas bets; the first MaximoApuestas were kept.
    bool limiteAlcanzado = false;
    // How many bets read use each number (index 1..50) and each star (index 1..12).
    std::array<Long, 51> UsosNumeros{};
    std::array<Long, 13> UsosEstrellas{};
    // On Resultado::Error: the error's text (empty for a failed check) and the failed check
    // naming the bet, "Apuestas con ... (Apuesta n)" (empty for any other error).
    std::string error;
    std::string detalle;

    bool Leida() const { return resultado == Resultado::Leido; }
};

// Reads the bet file at ruta (UTF-8 path), in the format its extension gives. The file is
// read in pieces, never whole, and is closed on return.
LecturaApuestas LeerFicheroApuestas(const std::string& ruta, const OpcionesLectura& opciones = {});
// The same over bytes in memory. trozo > 0 hands the bytes to the reader that many at a time,
// as a file would arrive in pieces (0: all at once).
LecturaApuestas LeerApuestasMemoria(const void* datos, std::size_t tam, FormatoFichero formato,
                                    const OpcionesLectura& opciones = {}, std::size_t trozo = 0);

// ---- messages ----
inline constexpr const char* TextoErrorImportar = "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO";
// The critical box of a refused file: TextoErrorImportar & " (" & error & " " & detalle & ")".
std::string MensajeError(const LecturaApuestas& lectura);
// The exclamation box when the file holds more bets than the limit.
std::string MensajeLimite();
// The exclamation box when the file gave no bet.
std::string MensajeCeroApuestas();

// The open dialog of a bet-file import: title "Abrir Fichero", the text, .EUR and all-files
// filters with the .EUR one shown first. Returns the chosen path, or "" when cancelled.
std::string ElegirFicheroApuestas();

// ---- repeated bets ----
struct Repetidas {
    Long distintas = 0;   // bets kept
    Long repetidas = 0;   // bets dropped
};
// Keeps the first bet of every set of five numbers, in file order (stars play no part): the
// numbers of rows 1..total of origen (columns 1..5, 1..50 strictly ascending) go without
// repeats to rows 1..distintas, columns 1..5, of destino, which must already have those rows
// and columns. Yields every 5000 bets. A row whose numbers are not a 5-of-50 combination is
// refused (std::out_of_range) rather than indexed.
Repetidas EliminarRepetidas(const Tabla<Byte>& origen, Long total, Tabla<Byte>& destino);

}  // namespace modLeerApuestas
