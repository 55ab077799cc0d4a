#include "common/modOrdenaciones.h"

#include <cstdint>
#include <utility>

namespace modOrdenaciones {

namespace {

// The middle index (lo + hi) / 2 rounded to the nearest integer, a half going to the even
// neighbour, as the program's integer conversion rounds.
std::int64_t Medio(std::int64_t lo, std::int64_t hi) {
    std::int64_t s = lo + hi;
    std::int64_t abajo = s >= 0 ? s / 2 : -((-s + 1) / 2);  // floor(s / 2)
    if (s - 2 * abajo == 0) return abajo;
    return (abajo % 2 == 0) ? abajo : abajo + 1;
}

// elem(i) gives a reference to element i. The two halves left by a partition are disjoint,
// so sorting the smaller one first (by recursion) and the larger one in the loop gives the
// same result as the plain recursion while the stack stays logarithmic.
template <typename Elemento>
void Ordenar(Elemento elem, std::int64_t lo, std::int64_t hi) {
    while (lo < hi) {
        const Long pivote = elem(Medio(lo, hi));
        std::int64_t i = lo, j = hi;
        while (i <= j) {
            while (elem(i) < pivote && i < hi) ++i;
            while (elem(j) > pivote && j > lo) --j;
            if (i <= j) {
                std::swap(elem(i), elem(j));
                ++i;
                --j;
            }
        }
        const bool izquierda = lo < j, derecha = i < hi;
        if (izquierda && derecha) {
            if (j - lo < hi - i) {
                Ordenar(elem, lo, j);
                lo = i;
            } else {
                Ordenar(elem, i, hi);
                hi = j;
            }
        } else if (izquierda) {
            hi = j;
        } else if (derecha) {
            lo = i;
        } else {
            return;
        }
    }
}

}  // namespace

void OrdenarQuickSort(Arreglo<Long>& a, Long lo, Long hi) {
    Ordenar([&a](std::int64_t i) -> Long& { return a(static_cast<long>(i)); }, lo, hi);
}

void OrdenarQuickSort(Long* a, Long lo, Long hi) {
    Ordenar([a](std::int64_t i) -> Long& { return a[i]; }, lo, hi);
}

}  // namespace modOrdenaciones
