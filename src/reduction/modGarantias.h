// Guarantees of a set of bets, level by level. Level k ("si k") is the case where k of the
// five drawn numbers fall in the base: a scenario is then a k-subset of the base, and a bet
// hits as many numbers as it shares with it (the other drawn numbers lie outside the base,
// where no bet has any). For each level: how many scenarios there are, the guaranteed
// minimum of hits of the best bet over them, and how many scenarios have their best bet at
// each hit count.
//
// The scenarios of a level are the k-subsets of the base (the caller generates them in
// TodasCombinaciones), all of them against the total system, or only those lying in at least
// one combination of a given system (the conditioned or the imported one); for k = 5 that is
// the system's own combinations.
//
// Exact at every size the program allows, without comparing every scenario with every bet:
// each bet marks the h-subsets of its numbers (h = 1..k) in one bit table per h, indexed by
// the subset's colex rank; a scenario's best hit count is then the largest h for which one of
// its own h-subsets is marked (at most 31 look-ups per scenario, whatever the bet count).
//
// Plain C++: positions are 1..N into the base; masks carry bit p-1 for position p.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/modGeneral.h"

namespace modGarantias {

using modGeneral::Byte;
using modGeneral::Long;

inline constexpr int NivelMaximo = 5;
// The window yields this often: scenarios examined (or system combinations marked), bets marked.
inline constexpr Long CadaEscenarios = 300;
inline constexpr Long CadaApuestas = 1300;

using Mascara = std::uint64_t;

// What the scenarios are drawn from.
enum class SistemaEscenarios { Total = 0, Condicionado = 1, Importado = 2 };
const char* NombreSistema(SistemaEscenarios s);   // "Total", "Condicionado", "Importado"

struct ResultadoNivel {
    int nivel = 0;                       // k
    Long escenarios = 0;                 // scenarios examined
    int garantia = -1;                   // least best-bet hits over the scenarios; -1: none
    std::array<Long, 6> porAciertos{};   // [h]: scenarios whose best bet hits exactly h
    bool completo = false;               // false: stopped before the end

    // Share (0..100) of the scenarios whose best bet hits exactly h, and at least h.
    double Porcentaje(int h) const;
    double PorcentajeAlMenos(int h) const;
};

// Where the work stands, at each yield point.
struct Avance {
    enum class Fase { Apuestas, Sistema, Escenarios } fase = Fase::Apuestas;
    int nivel = 0;
    Long hechos = 0;
    Long total = 0;
};
// Called at each yield point; the caller may redraw, process window messages and set the stop
// flag it passed in.
using AlAvanzar = std::function<void(const Avance&)>;

// Mask of base positions of a row of numbers (1..50) of a bet table (columns 1..5); numbers
// that are not in the base are left out (they can hit no scenario).
// posicionDeNumero[n] = the position of number n in the base, 0 when it is not in it.
std::array<Byte, 51> PosicionesDeBase(const Arreglo<Byte>& base, int N);
std::vector<Mascara> MascarasApuestas(const Tabla<Byte>& apuestas, Long primera, Long ultima,
                                      const std::array<Byte, 51>& posicionDeNumero);
// Masks of a table of CombinacionIndices rows primera..ultima (positions 1..N, 99 = empty);
// a position outside 1..N makes the row unusable and it is skipped.
std::vector<Mascara> MascarasCombinaciones(const Tabla<Byte>& tabla, Long primera, Long ultima, int N);

// Level k (1..5) of a base of N positions (k <= N <= 50). escenarios holds every k-subset of
// 1..N in rows 1..C(N,k), columns 1..k (as GenerarCombinaciones(k, 5) writes them). sistema
// null: every k-subset is a scenario; otherwise only those lying in one of its masks.
// Yields through avance every CadaApuestas bets and every CadaEscenarios scenarios or system
// combinations; *detenido true (read at each yield) ends the level with completo false.
ResultadoNivel CalcularNivel(int k, int N, const std::vector<Mascara>& apuestas,
                             const std::vector<Mascara>* sistema, const Tabla<Byte>& escenarios,
                             const AlAvanzar& avance = {}, const bool* detenido = nullptr);

// The report of one level, line by line (UTF-8): the level, the system, the base, the bet
// count and the table of hit counts with their shares.
struct DatosInforme {
    SistemaEscenarios sistema = SistemaEscenarios::Total;
    std::vector<Byte> base;     // the base numbers, ascending
    Long apuestas = 0;          // number-bets examined
    Long apuestasTotales = 0;   // bets with their stars
    std::string fecha;          // shown as given
};
std::vector<std::string> TextoInforme(const ResultadoNivel& r, const DatosInforme& datos);
// "TORNAVENTURA_GARANTIAS_si<k>.txt"
std::string NombreInforme(int k);

}  // namespace modGarantias
