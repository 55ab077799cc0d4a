// The combinatorial number system: the 1-based lexicographic index of a sorted k-subset of
// 1..n, and the count of k-subsets in floating point that the index is built from.
#pragma once

#include "common/modGeneral.h"

namespace modCSN {

using modGeneral::Byte;
using modGeneral::Long;

// C(n,k) as a double: (n-k+1) x ... x n divided by 1 x 2 x ... x k (each product 1 when empty).
double CombinacionesDbl(Long n, Long k);

// Index 1..C(n,k) of the strictly ascending k-subset combinacion[1..k] of 1..n in
// lexicographic order: {1..k} is 1, {n-k+1..n} is C(n,k). Needs k >= 2. The array is read
// from element 1 (element 0 is unused), as the program's 1-based tables hold it.
Long IndiceCombinacion(int k, int n, const Byte* combinacion);
Long IndiceCombinacion(int k, int n, const Arreglo<Byte>& combinacion);

}  // namespace modCSN
