// Star assignment and the preparation of the bets for a .EUR file: the star pairs of the
// marked stars by treatment, the number-bets of ApuestasReducidas combined with those pairs
// into seven-byte Apuesta rows, the copy into ApuestasGrabacion and the file's header text.
#pragma once

#include <string>
#include <vector>

#include "common/modGeneral.h"

namespace modEstrellas {

using modGeneral::Byte;
using modGeneral::Integer;
using modGeneral::Long;

// Pairs of 12 stars: the most any treatment builds.
inline constexpr int MaximoParesEstrellas = 66;

// Star treatments (Reduccion.Estrellas).
inline constexpr Integer TratamientoAl2 = 0;
inline constexpr Integer TratamientoAl1 = 1;
inline constexpr Integer TratamientoAleatorias = 2;
inline constexpr Integer TratamientoSecuenciales = 3;

// The treatment the current seven-byte bets of ApuestasReducidas were built with; -1 when
// they were not built by AsignarEstrellas (or the last attempt changed nothing).
inline Integer TratamientoAsignado = -1;

// Saves that would not write what the counters announce are refused with this warning.
inline constexpr const char* MensajeApuestasDesfasadas =
    "AVISO: LAS APUESTAS CALCULADAS NO CORRESPONDEN A LOS CONTADORES ACTUALES "
    "(SE HA CAMBIADO EL TRATAMIENTO DE LAS ESTRELLAS DESPUES DEL CALCULO), "
    "REPITA EL CALCULO ANTES DE GUARDAR";

// Builds pares (1 To 66, 1 To 2), cleared first, from the marked stars in ascending order:
// every pair in lexicographic order for treatments 0, 2 and 3; consecutive pairs for
// treatment 1 (an odd count pairs the last star with the first, except 11 stars, which use
// only the first ten). Fewer than two stars or an unknown treatment build no pair.
// Returns the number of pairs.
Integer CargarEstrellasMarcadas(const std::vector<Byte>& estrellas, Integer tratamiento,
                                Tabla<Byte>& pares);

// Rebuilds ApuestasReducidas from its rows 1..n (columns 1..5, the numbers) as (1 To rows,
// 1 To 7) Apuesta rows: treatments 0 and 1 give every bet with every pair, pair-major
// (row (k-1)*n + i = bet i with pair k); 2 gives each bet a random pair (the random source
// reseeded from the clock before each bet); 3 deals the pairs in turn. n = 0 or an unknown
// treatment leaves the table as it was. Refuses (ErrorCalculo) when rows 1..n of numbers do
// not exist. Returns the rows of the table afterwards.
Long AsignarEstrellas(const Tabla<Byte>& pares, Integer totalPares, Long n, Integer tratamiento);

// Whether ApuestasReducidas holds exactly the total bets the counters announce, as
// seven-byte rows built with the current star treatment.
bool ApuestasCorrespondenAContadores(Long totalApuestas, Integer tratamientoActual);

// Hands the bets of ApuestasReducidas to the writer as ApuestasGrabacion without copying
// them (the largest table can hold 139,838,160 bets, 979 MB): the table itself moves over and
// ApuestasReducidas is empty until DevolverApuestasGrabacion. Refuses (ErrorCalculo), moving
// nothing, when rows 1..total with seven columns do not exist.
void PrestarApuestasGrabacion(Long total);
// Moves the lent table back into ApuestasReducidas, as it was; ApuestasGrabacion ends empty.
// Does nothing when nothing is lent.
void DevolverApuestasGrabacion();

}  // namespace modEstrellas
