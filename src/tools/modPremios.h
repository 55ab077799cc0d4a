// The prize file of one draw: the year, the draw number, the winning combination and the prize
// of each category, as a small XML document:
//
//   <PREMIOS>
//   <Sorteo anio='2026' numero='45'/>
//   <CombinacionGanadora valor='3,17,25,40,48,2,11'/>
//   <Categoria aciertos='5+2' euros='17000000.00'/>      (one per category, thirteen)
//   </PREMIOS>
//
// Amounts are written with a point before the two decimals and no thousands separator. The
// reader takes any well-formed document with that tree; a category that is missing pays 0.
// Also the amounts typed by the user, in the Spanish way ("1.234,56").
#pragma once

#include <cstdint>
#include <string>

#include "common/modGeneral.h"
#include "tools/modEscrutinio.h"

namespace modPremios {

using modGeneral::Byte;

inline constexpr int AnioMinimo = 1900;
inline constexpr int AnioMaximo = 2999;
inline constexpr int SorteoMaximo = 999;
// Largest prize of one category, in cents (999.999.999,99 euros).
inline constexpr std::int64_t CentimosMaximos = 99999999999LL;
// Files above this size are not prize files of ours; refused before parsing.
inline constexpr std::size_t TamanoMaximoFichero = 64 * 1024;

struct SorteoPremios {
    int anio = 0;
    int numeroSorteo = 0;
    Byte ganadora[8] = {};   // elements 1..7: five numbers ascending, two stars ascending
    std::int64_t centimos[modEscrutinio::TotalCategorias] = {};
};

// The text of the prize file; the values are the caller's (checked by ComprobarSorteo).
std::string GenerarXMLPremios(const SorteoPremios& sorteo);

// Whether the year, draw number, combination and amounts are within their ranges; when not,
// error names the first bad value.
bool ComprobarSorteo(const SorteoPremios& sorteo, std::string& error);

// Reads a prize file from its text or from a path. On failure the result is false, sorteo is
// left as it was and error says why (in Spanish, for the message box).
bool LeerXMLPremios(const std::string& texto, SorteoPremios& sorteo, std::string& error);
bool LeerFicheroPremios(const std::string& ruta, SorteoPremios& sorteo, std::string& error);

// Amounts: "1234567.89" as the file holds them; "1.234.567,89" as the user types or reads
// them (a point followed by one or two digits at the end, with no comma, is taken as the
// decimal point too). False when the text is not an amount within CentimosMaximos.
bool LeerEurosFichero(const std::string& texto, std::int64_t& centimos);
bool LeerEurosUsuario(const std::string& texto, std::int64_t& centimos);
std::string TextoEurosFichero(std::int64_t centimos);
std::string TextoEurosUsuario(std::int64_t centimos);   // "1.234.567,89"

}  // namespace modPremios
