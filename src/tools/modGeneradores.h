// The two random-bet generators: distinct bets drawn evenly from the 5-number combinations of
// a set of numbers, and distinct bets whose numbers are drawn with per-number percentages.
// Both write their bets, with the two stars given, into ApuestasGrabacion (1 To n, 1 To 7).
#pragma once

#include <functional>
#include <vector>

#include "common/modGeneral.h"

namespace modGeneradores {

using modGeneral::Byte;
using modGeneral::Long;

using Azar = std::function<double()>;    // values in [0, 1)
using Ceder = std::function<void()>;

// The combination of rank r (0-based, lexicographic) among the 5-subsets of numeros (ascending),
// written to apuesta[0..4].
void CombinacionDeRango(const std::vector<Byte>& numeros, Long r, Byte apuesta[5]);

// cuantas distinct bets at random among the C(n,5) combinations of numeros (n = 5..50,
// ascending), each with the stars e1 and e2: a partial shuffle of the ranks 0..M-1 kept in
// Orden (0 To M). Yields every 500 bets. The caller checks 1 <= cuantas <= C(n,5). Orden is
// erased afterwards.
void GenerarApuestasAleatorias(const std::vector<Byte>& numeros, Byte e1, Byte e2, Long cuantas, const Azar& azar,
                               const Ceder& ceder = {});

// cuantas distinct bets whose five numbers are drawn one after another, each with a chance in
// proportion to its percentage among the numbers not yet drawn (porcentajes[1..50], element 0
// unused); the numbers of each bet sorted with OrdenarQuickSort. A draw that repeats an earlier
// bet is drawn again, up to a bound on the attempts (skewed percentages may make the last
// bets very unlikely). Returns how many bets were made; fewer than cuantas only when that
// bound was reached. The caller checks that at least five numbers have a percentage above 0
// and cuantas <= C(m,5) for those m numbers.
Long GenerarApuestasPorPorcentaje(const int porcentajes[51], Byte e1, Byte e2, Long cuantas, const Azar& azar,
                                  const Ceder& ceder = {});

// The attempts the percentage generator makes before it gives up.
Long IntentosMaximos(Long cuantas);

}  // namespace modGeneradores
