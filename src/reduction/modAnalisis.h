// Frequency analysis of the current bets: how often each number (columns 1-5) and each star
// (columns 6-7) occurs over rows 1..n of a table of seven-byte Apuesta rows, and the report.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/modGeneral.h"

namespace modAnalisis {

using modGeneral::Byte;
using modGeneral::Long;

inline constexpr const char* NombreInforme = "TORNAVENTURA_ANALISIS.txt";

struct Frecuencias {
    Long apuestas = 0;                  // rows counted
    bool conEstrellas = false;          // the table had the two star columns
    std::array<Long, 51> numeros{};     // [1..50]
    std::array<Long, 13> estrellas{};   // [1..12]

    // Share (0..100) of the bets that hold the number or the star.
    double PorcentajeNumero(int n) const;
    double PorcentajeEstrella(int e) const;
};

// Counts rows 1..numApuestas of apuestas (never past the rows that exist; values outside
// 1..50 and 1..12 are not counted). The stars only when the table has columns 6 and 7.
Frecuencias ContarFrecuencias(const Tabla<Byte>& apuestas, Long numApuestas);

// The report, line by line (UTF-8): the bet count, then one line per number and per star with
// its count, its share and a bar of "#" proportional to the share.
std::vector<std::string> TextoInforme(const Frecuencias& f, const std::string& fecha);

}  // namespace modAnalisis
