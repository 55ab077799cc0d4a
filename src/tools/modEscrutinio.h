// The scrutiny of bets against a winning combination: how many bets fall in each prize
// category of the lottery (numbers hit + stars hit) and how many win nothing.
#pragma once

#include <functional>

#include "common/modGeneral.h"

namespace modEscrutinio {

using modGeneral::Byte;
using modGeneral::Long;

// Prize categories, from the first to the last: 5+2, 5+1, 5+0, 4+2, 4+1, 3+2, 4+0, 2+2, 3+1,
// 3+0, 1+2, 2+1, 2+0 (numbers hit + stars hit).
inline constexpr int TotalCategorias = 13;
extern const char* const NombresCategorias[TotalCategorias];
// Hits of each category: numbers and stars.
extern const int AciertosNumeros[TotalCategorias];
extern const int AciertosEstrellas[TotalCategorias];

// The category 0..12 of a bet with these hits, or -1 when it wins no prize.
int CategoriaPremio(int numerosAcertados, int estrellasAcertadas);

struct ResultadoEscrutinio {
    Long porCategoria[TotalCategorias] = {};
    Long sinPremio = 0;
    Long total = 0;
};

// Whether ganadora[1..7] is a whole winning combination: five different numbers 1..50 and two
// different stars 1..12 (element 0 unused).
bool CombinacionCompleta(const Byte ganadora[8]);

// Called every 5000 bets, so the window stays drawn.
using Ceder = std::function<void()>;

// Scrutinises rows primera..ultima (columns 1..7: five numbers, two stars) of apuestas against
// ganadora[1..7]. A star repeated in a bet counts once. Rows outside the table are not read:
// the range is cut to the table's rows.
ResultadoEscrutinio EscrutarApuestas(const Tabla<Byte>& apuestas, Long primera, Long ultima,
                                     const Byte ganadora[8], const Ceder& ceder = {});

}  // namespace modEscrutinio
