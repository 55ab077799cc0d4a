// The program-wide state: reduction settings, the base combination, the tables a calculation
// passes from stage to stage, and the settings of the ten filters. Every window reads and
// writes these variables directly. The bounds, the row/column order (row index fastest) and
// the widths are fixed: the base file, the .EUR writer and the evaluators rely on them.
#pragma once

#include <cstdint>
#include <string>

#include "common/Tabla.h"

namespace modGeneral {

using Byte = std::uint8_t;
using Integer = std::int16_t;
using Long = std::int32_t;

// Largest table the program handles: C(50,5), also the import limit.
inline constexpr Long MaximoCombinaciones = 2118760;

// Column value that fills a CombinacionIndices row beyond a k-subset with k < 5.
inline constexpr Byte PosicionVacia = 99;

struct TipoReduccion {
    Integer Tipo = 0;            // 0 sin reducción, 1 al 4, 2 al 3, 3 al 2 (4: one common number)
    Integer Porcentaje = 100;    // coverage target 1..100
    Long NuApuestas = 1;         // bet-count target
    Integer ActivarCiclos = 1;   // 0/1
    bool ModoNuApuestas = false; // true: target is NuApuestas
    Integer Aleatorio = 0;       // 0/1
    Integer Estrellas = 0;       // 0 al 2, 1 al 1, 2 aleatorias, 3 secuenciales
};

// TablaConteos: Byte(0 To 5); TablaFiguras: Byte(1 To 7) (element 0 unused).
struct TablaConteos {
    Byte v[6] = {0, 0, 0, 0, 0, 0};
    Byte& operator()(int c) { TV_LIMITE(c >= 0 && c <= 5); return v[c]; }
    Byte operator()(int c) const { TV_LIMITE(c >= 0 && c <= 5); return v[c]; }
    bool Vacia() const { return !(v[0] | v[1] | v[2] | v[3] | v[4] | v[5]); }
    void Limpiar() { for (auto& x : v) x = 0; }
};
struct TablaFiguras {
    Byte v[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    Byte& operator()(int f) { TV_LIMITE(f >= 1 && f <= 7); return v[f]; }
    Byte operator()(int f) const { TV_LIMITE(f >= 1 && f <= 7); return v[f]; }
    bool Vacia() const { for (int f = 1; f <= 7; ++f) if (v[f]) return false; return true; }
    void Limpiar() { for (auto& x : v) x = 0; }
};

// Captions of the seven figures, index 1..7 (index 0 is "").
extern const char* const NombresFiguras[8];

// ---- Reduction settings ----
inline TipoReduccion Reduccion;

// ---- Files, flags and the number pipeline ----
inline std::string NombreFichero;          // UTF-8 path of the last dialog
inline Integer FormatoLineaASCII = 0;      // class 0..4 of the first line of a text bet file
inline bool BaseGuardada = true;
inline Integer TotalNumerosBase = 0;       // N, 5..50
inline Arreglo<Byte> CombinacionBase;      // (1 To N) base numbers ascending
inline Tabla<Byte> TodasCombinaciones;    // (1 To rows, 1 To 5) CombinacionIndices
inline Long TotalCombinaciones = 0;
inline Arreglo<Byte> Eliminadas;           // (-1 To TotalCombinaciones), 1 = removed
inline bool SistemaDirecto = false;
inline Tabla<Byte> ApuestasCondicionadas; // (1 To nCond, 1 To 5)
inline Tabla<Byte> ApuestasImportadas;    // (0 To m, 1 To 7) as read
inline Long TotalImportadas = 0;
inline Tabla<Byte> ApuestasReducidas;     // (lb To n, 1 To 5) or (1 To n', 1 To 7)
inline Tabla<Byte> ApuestasGrabacion;     // (1 To n, 1 To 7)
inline Byte CombinacionGanadora[8] = {};   // elements 1..7 (0 unused)

// ---- Reduction work area (reduction engine only) ----
inline Long TotalCondicionadas = 0;
inline Tabla<Byte> Matriz;                // (1 To nCond, 1 To N) membership
inline Arreglo<Long> Orden;
inline Arreglo<Long> PesosIniciales;
inline Arreglo<double> Codigos;
inline Arreglo<Long> Pesos;
inline Arreglo<Byte> VectorActual;         // (1 To N)
inline Long CodigoMinimo = 32;
inline double CodigoMaximo = 0;

// ---- Filter settings ----
inline TablaConteos Bajos, Altos;
inline TablaConteos Decena0109, Decena1019, Decena2029, Decena3039, Decena4050;
inline TablaFiguras FigurasDecenas;
inline Integer Distancia12Minima = 0, Distancia23Minima = 0, Distancia34Minima = 0,
               Distancia45Minima = 0, Distancia15Minima = 0;
inline Integer Distancia12Maxima = 0, Distancia23Maxima = 0, Distancia34Maxima = 0,
               Distancia45Maxima = 0, Distancia15Maxima = 0;
inline TablaConteos ParesActivos;
inline TablaConteos NumerosSeguidos;       // elements 1..5 used
inline TablaFiguras FigurasSeguidos;
inline Integer SumaMinima[7] = {};         // (1 To 6), element 0 unused
inline Integer SumaMaxima[7] = {};
inline Tabla<Byte> TerminadosEn;          // (0 To 9, 0 To 5), fixed
inline Byte SumaTerminacionesMinima = 0;
inline Byte SumaTerminacionesMaxima = 45;
inline TablaFiguras FigurasTerminaciones;
inline Integer PaginaGrupos = 1;           // 1..40
inline Tabla<Byte> GruposNumeros;         // (1 To 120, 1 To 50), fixed
inline Tabla<Byte> GruposAciertos;        // (1 To 120, 0 To 5), fixed
inline Integer PaginaGruposRelacionados = 1;
inline Tabla<Byte> SubgruposNumeros;      // (1 To 160, 1 To 50), fixed
inline Tabla<Byte> CondicionesAciertos;   // (1 To 160, 0 To 5), fixed
inline Tabla<Byte> PosicionesNumeros;     // (1 To 5, 1 To 50), fixed
inline TablaConteos AciertosSeleccion;     // not reset by InicializarFiltros

// Sizes the fixed filter tables; called once before anything else touches them
// (InicializarFiltros calls it too, so callers normally need nothing else).
void DimensionarTablasFijas();

void InicializarReduccion();
void InicializarFiltros();

// C(n,k) as an exact floating-point value for n <= 50, k <= 6; k = 0 gives 1, k > n gives 0.
double NumeroCombinaciones(int n, int k);
double ProductoConsecutivos(int a, int b, int c);

// Writes every k-subset of positions 1..TotalNumerosBase into TodasCombinaciones in
// lexicographic order (positions, not numbers); returns the rows written. Yields every 500.
Long GenerarCombinaciones(int k, int columnas);

// Text bet-file lines: class 0..4 of a line, and the removal of that class's separators
// (the class held in FormatoLineaASCII). Texts are single-byte.
Integer DetectarFormatoLinea(const std::string& linea);
std::string LimpiarSeparadores(std::string& linea);

// Nearest Long of a double, as the program's conversions round (half to even).
Long CLng(double v);

}  // namespace modGeneral
