// In-place ascending sort of Longs (Hoare partition around the middle element; not stable).
#pragma once

#include "common/modGeneral.h"

namespace modOrdenaciones {

using modGeneral::Long;

// Sorts a(lo..hi) ascending; lo >= hi changes nothing. Indexes are the array's own bounds.
void OrdenarQuickSort(Arreglo<Long>& a, Long lo, Long hi);
// The same on a plain array indexed from 0: sorts a[lo..hi].
void OrdenarQuickSort(Long* a, Long lo, Long hi);

}  // namespace modOrdenaciones
