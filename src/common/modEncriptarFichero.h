// The record cipher of .EUR bet files and their writer.
//
// A .EUR file is a sequence of records from its first byte: a 2-byte little-endian length L,
// then L bytes of text enciphered with EncriptarRC4 and ClaveEUR, each record from a fresh
// cipher state. Record 1 is a header, record 2 the bet count in decimal digits, then one
// record per bet: "NN,NN,NN,NN,NN+EE,EE" (20 characters). A text the cipher refuses (empty,
// or longer than 100 characters) is stored as the plain one-character text "0".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/modGeneral.h"
#include "platform/Ficheros.h"

namespace modEncriptarFichero {

using modGeneral::Long;

inline constexpr const char* ClaveEUR = "TORBA8305172946";

// Longest text the cipher accepts, and the text it gives for a refused one.
inline constexpr std::size_t LongitudMaximaRC4 = 100;
inline constexpr const char* TextoRechazadoRC4 = "0";

// Full width, in twips, of the progress bars the writer's callers pass.
inline constexpr double AnchoProgresoEUR = 4725;

// RC4 over one single-byte text with the key's bytes (at most 256 used); the same call
// deciphers. Gives "0" for an empty key, an empty text or a text longer than 100 bytes.
std::string EncriptarRC4(const std::string& texto, const std::string& clave);

// Receives the new width, in twips, of the caller's progress label.
using Progreso = std::function<void(double anchoTwips)>;

// Writes NombreFichero (UTF-8 path) with the header Cabecera, the count NumApuestas and rows
// 1..NumApuestas of ApuestasGrabacion (columns 1..7), through the one safe write: an existing
// file is replaced only once the new one is whole. Every 5000 bets it sets the progress to
// b / NumApuestas x 4725 and yields. On any failure (folder missing or not writable, a
// folder, pipe or device at the path, disk full, too few rows in the table) it shows the
// critical message "ERROR AL GUARDAR EL FICHERO (<description>)" and returns false; whatever
// stood at the path stays as it was.
bool GuardarFicheroEUR(const std::string& NombreFichero, const std::string& Cabecera, Long NumApuestas,
                       const Progreso& progreso);

// The save in two steps, for a caller that writes another file beside the bets and wants
// neither old file replaced unless both new ones are whole: EscribirFicheroEUR writes the
// records into a safe write without confirming it, ConfirmarFicheroEUR puts the file in
// place, together with the companion's file when one is given (Ficheros::ConfirmarJuntas).
// Each shows the writer's message when the bets' own write fails and returns false (the
// write is then abandoned); a failure of the companion's write is left to the caller, who
// finds it in the companion.
bool EscribirFicheroEUR(Ficheros::EscrituraSegura& destino, const std::string& Cabecera, Long NumApuestas,
                        const Progreso& progreso);
bool ConfirmarFicheroEUR(Ficheros::EscrituraSegura& destino, Ficheros::EscrituraSegura* companero = nullptr);

// The header record of a bet file: the base numbers then the stars, two digits each, with "+"
// between the two runs ("0317254048+0211").
std::string CabeceraEUR(const std::vector<modGeneral::Byte>& numeros, const std::vector<modGeneral::Byte>& estrellas);

// The 20-character text of a bet: five numbers and two stars in two digits ("00").
std::string TextoApuestaEUR(const modGeneral::Byte apuesta[7]);

}  // namespace modEncriptarFichero
