#include "common/modGeneral.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/Plataforma.h"

namespace modGeneral {

const char* const NombresFiguras[8] = {"",    "5-0",   "4-1",     "3-2",
                                       "3-1-1", "2-2-1", "2-1-1-1", "1-1-1-1-1"};

void DimensionarTablasFijas() {
    if (TerminadosEn.Vacia()) TerminadosEn.ReDim(0, 9, 0, 5);
    if (GruposNumeros.Vacia()) GruposNumeros.ReDim(1, 120, 1, 50);
    if (GruposAciertos.Vacia()) GruposAciertos.ReDim(1, 120, 0, 5);
    if (SubgruposNumeros.Vacia()) SubgruposNumeros.ReDim(1, 160, 1, 50);
    if (CondicionesAciertos.Vacia()) CondicionesAciertos.ReDim(1, 160, 0, 5);
    if (PosicionesNumeros.Vacia()) PosicionesNumeros.ReDim(1, 5, 1, 50);
}

void InicializarReduccion() {
    Reduccion.Tipo = 0;
    Reduccion.Porcentaje = 100;
    Reduccion.NuApuestas = 1;
    Reduccion.ActivarCiclos = 1;
    Reduccion.ModoNuApuestas = false;
    Reduccion.Aleatorio = 0;
    Reduccion.Estrellas = 0;
}

void InicializarFiltros() {
    DimensionarTablasFijas();
    InicializarReduccion();
    Bajos.Limpiar();
    Altos.Limpiar();
    Decena0109.Limpiar();
    Decena1019.Limpiar();
    Decena2029.Limpiar();
    Decena3039.Limpiar();
    Decena4050.Limpiar();
    FigurasDecenas.Limpiar();
    Distancia12Minima = Distancia23Minima = Distancia34Minima = Distancia45Minima = Distancia15Minima = 0;
    Distancia12Maxima = Distancia23Maxima = Distancia34Maxima = Distancia45Maxima = Distancia15Maxima = 0;
    TerminadosEn.Limpiar();
    FigurasTerminaciones.Limpiar();
    SumaTerminacionesMinima = 0;
    SumaTerminacionesMaxima = 45;
    for (int i = 1; i <= 6; ++i) SumaMinima[i] = SumaMaxima[i] = 0;
    ParesActivos.Limpiar();
    NumerosSeguidos.Limpiar();
    FigurasSeguidos.Limpiar();
    PaginaGrupos = 1;
    GruposNumeros.Limpiar();
    GruposAciertos.Limpiar();
    PaginaGruposRelacionados = 1;
    SubgruposNumeros.Limpiar();
    CondicionesAciertos.Limpiar();
    PosicionesNumeros.Limpiar();
}

double ProductoConsecutivos(int a, int b, int c) {
    // a x (a-1) x ... for b - c factors; the products fit a double exactly for n <= 50, k <= 6.
    double p = 1;
    for (; c < b; ++c, --a) p *= a;
    return p;
}

double NumeroCombinaciones(int n, int k) {
    if (k <= 0) return 1;
    return ProductoConsecutivos(n, k, 0) / ProductoConsecutivos(k, k, 0);
}

Long CLng(double v) { return static_cast<Long>(std::nearbyint(v)); }

namespace {
// Writes one lexicographic k-subset per row, straight into the columns.
template <int K>
Long EscribirSubconjuntos(int n, Byte* const* col, long filas) {
    int p[7] = {0};
    Long r = 0;
    for (int i = 1; i <= K; ++i) p[i] = i;
    Plataforma& plat = Plataforma::Activa();
    while (r < filas) {
        // The last position runs fastest; write a run of rows for it in one go.
        for (int v = p[K]; v <= n; ++v) {
            for (int j = 1; j < K; ++j) col[j][r] = static_cast<Byte>(p[j]);
            col[K][r] = static_cast<Byte>(v);
            ++r;
            if (r % 500 == 0) plat.DoEvents();
        }
        // Advance the next-to-last position that can still move.
        int j = K - 1;
        while (j >= 1 && p[j] == n - K + j) --j;
        if (j < 1) break;
        ++p[j];
        for (int t = j + 1; t <= K; ++t) p[t] = p[t - 1] + 1;
    }
    return r;
}
}  // namespace

Long GenerarCombinaciones(int k, int columnas) {
    const int n = TotalNumerosBase;
    const Long filas = CLng(NumeroCombinaciones(n, k));
    // Skip clearing only when every element gets written below.
    const bool llena = k >= 1 && k <= 6 && columnas <= 6 && columnas >= 5;
    TodasCombinaciones.ReDim(1, filas, 1, columnas, !llena);
    if (k < 1 || k > 6 || filas <= 0) return 0;

    // Columns 1..k take the positions and the columns after them 99; a position whose
    // column the table lacks (a k-subset wider than the table) is written nowhere.
    Byte* col[7] = {nullptr};
    std::vector<Byte> sinColumna;
    for (int c = 1; c <= 6; ++c) {
        if (c <= columnas) {
            col[c] = TodasCombinaciones.Columna(c);
            if (c > k) std::memset(col[c], PosicionVacia, static_cast<std::size_t>(filas));
        } else if (c <= k) {
            if (sinColumna.empty()) sinColumna.resize(static_cast<std::size_t>(filas));
            col[c] = sinColumna.data();
        }
    }
    switch (k) {
    case 1: return EscribirSubconjuntos<1>(n, col, filas);
    case 2: return EscribirSubconjuntos<2>(n, col, filas);
    case 3: return EscribirSubconjuntos<3>(n, col, filas);
    case 4: return EscribirSubconjuntos<4>(n, col, filas);
    case 5: return EscribirSubconjuntos<5>(n, col, filas);
    default: return EscribirSubconjuntos<6>(n, col, filas);
    }
}

Integer DetectarFormatoLinea(const std::string& linea) {
    if (linea.find('*') != std::string::npos) return 1;
    if (linea.find('+') != std::string::npos) return 2;
    if (linea.find(' ') != std::string::npos) return 3;
    // "Reads as a number": optional blanks and sign, digits with at most one decimal point,
    // an optional exponent.
    std::size_t i = 0, n = linea.size();
    while (i < n && (linea[i] == ' ' || linea[i] == '\t')) ++i;
    if (i < n && (linea[i] == '+' || linea[i] == '-')) ++i;
    bool digitos = false, punto = false;
    for (; i < n; ++i) {
        char c = linea[i];
        if (c >= '0' && c <= '9') digitos = true;
        else if ((c == '.' || c == ',') && !punto) punto = true;
        else break;
    }
    if (!digitos) return 0;
    if (i < n && (linea[i] == 'e' || linea[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (linea[j] == '+' || linea[j] == '-')) ++j;
        bool exp = false;
        while (j < n && linea[j] >= '0' && linea[j] <= '9') { ++j; exp = true; }
        if (exp) i = j;
    }
    while (i < n && (linea[i] == ' ' || linea[i] == '\t')) ++i;
    return i == n ? 4 : 0;
}

std::string LimpiarSeparadores(std::string& linea) {
    auto quitar = [&linea](char a, char b) {
        std::string r;
        r.reserve(linea.size());
        for (char c : linea)
            if (c != a && c != b) r += c;
        linea = r;
    };
    switch (FormatoLineaASCII) {
    case 1: quitar('*', ' '); break;
    case 2: quitar(',', '+'); break;
    case 3: quitar(' ', ' '); break;
    default: break;
    }
    return linea;
}

}  // namespace modGeneral
