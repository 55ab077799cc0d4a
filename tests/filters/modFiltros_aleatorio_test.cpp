// The evaluators against the reference, on random settings over random systems: generated and
// imported-style, small and large bases, some rows already removed.
#include <gtest/gtest.h>

#include <random>

#include "filters/AyudaFiltros.h"
#include "filters/modFiltros.h"
#include "support/PlataformaGuion.h"

using namespace ayuda;

namespace {

class Azar {
public:
    explicit Azar(unsigned semilla) : g_(semilla) {}
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g_); }
    bool Moneda(double p) { return std::bernoulli_distribution(p)(g_); }
    // A flag, now and then a 2 (outside the model, to pin "is 1" against "is not 0").
    Byte Bandera(double p) { return Moneda(0.03) ? 2 : Moneda(p) ? 1 : 0; }
    std::vector<int> Numeros(int cuantos, int desde = 1, int hasta = 50) {
        std::vector<int> todos;
        for (int n = desde; n <= hasta; ++n) todos.push_back(n);
        std::shuffle(todos.begin(), todos.end(), g_);
        todos.resize(static_cast<std::size_t>(std::min<int>(cuantos, static_cast<int>(todos.size()))));
        std::sort(todos.begin(), todos.end());
        return todos;
    }
    std::mt19937& Motor() { return g_; }

private:
    std::mt19937 g_;
};

void Conteos(Azar& a, TablaConteos& t, double vacia = 0.5) {
    t.Limpiar();
    if (a.Moneda(vacia)) return;
    for (int c = 0; c <= 5; ++c) t(c) = a.Bandera(0.6);
}
void Figuras(Azar& a, TablaFiguras& t) {
    t.Limpiar();
    if (a.Moneda(0.6)) return;
    for (int f = 1; f <= 7; ++f) t(f) = a.Bandera(0.6);
}
void Rango(Azar& a, Integer& minimo, Integer& maximo, int tope) {
    minimo = maximo = 0;
    if (a.Moneda(0.6)) return;                               // inactive
    maximo = static_cast<Integer>(a.Entre(tope / 3, tope));
    if (a.Moneda(0.3)) return;                               // 0..max
    minimo = static_cast<Integer>(a.Entre(1, maximo / 2 + 1));
    if (a.Moneda(0.05)) std::swap(minimo, maximo);           // reversed: nothing fits
}

void AjustesAleatorios(Azar& a) {
    InicializarFiltros();
    Conteos(a, Bajos);
    Conteos(a, Altos);
    for (TablaConteos* t : {&Decena0109, &Decena1019, &Decena2029, &Decena3039, &Decena4050}) Conteos(a, *t, 0.75);
    Figuras(a, FigurasDecenas);
    Integer* minimos[5] = {&Distancia12Minima, &Distancia23Minima, &Distancia34Minima, &Distancia45Minima, &Distancia15Minima};
    Integer* maximos[5] = {&Distancia12Maxima, &Distancia23Maxima, &Distancia34Maxima, &Distancia45Maxima, &Distancia15Maxima};
    for (int k = 0; k < 5; ++k) Rango(a, *minimos[k], *maximos[k], k == 4 ? 49 : 25);
    Conteos(a, ParesActivos);
    Conteos(a, NumerosSeguidos);
    Figuras(a, FigurasSeguidos);
    for (int i = 1; i <= 6; ++i)
        if (a.Moneda(0.3)) {
            SumaMinima[i] = static_cast<Integer>(a.Entre(0, 200));
            SumaMaxima[i] = static_cast<Integer>(SumaMinima[i] + a.Entre(0, 80));
            if (a.Moneda(0.1)) std::swap(SumaMinima[i], SumaMaxima[i]);
        }
    for (int d = 0; d <= 9; ++d)
        if (a.Moneda(0.25))
            for (int c = 0; c <= 5; ++c) TerminadosEn(d, c) = a.Bandera(0.7);
    Figuras(a, FigurasTerminaciones);
    if (a.Moneda(0.4)) {
        SumaTerminacionesMinima = static_cast<Byte>(a.Entre(0, 22));
        SumaTerminacionesMaxima = static_cast<Byte>(a.Entre(18, 45));
    }
    // Number groups anywhere among the 120, some with hits but no numbers.
    for (int k = a.Entre(0, 5); k > 0; --k) {
        int g = a.Entre(1, 120);
        if (!a.Moneda(0.15))
            for (int n : a.Numeros(a.Entre(1, 20))) GruposNumeros(g, n) = 1;
        if (!a.Moneda(0.05))
            for (int c = 0; c <= 5; ++c) GruposAciertos(g, c) = a.Bandera(0.7);
    }
    // Related groups: the first few in use, then now and then a gap and one more (ignored),
    // unpacked subgroups, conditions anywhere among the four rows or none.
    int enUso = a.Entre(0, 3);
    for (int g = 1; g <= enUso + 2; ++g) {
        if (g == enUso + 1 && !a.Moneda(0.3)) continue;  // the gap (with conditions, sometimes)
        if (g == enUso + 2 && !a.Moneda(0.5)) continue;
        int primera = 4 * (g - 1);
        int nSub = g == enUso + 1 ? 0 : a.Entre(1, 4);
        bool desordenado = a.Moneda(0.1);
        for (int s = 1; s <= nSub; ++s) {
            int fila = primera + (desordenado ? 5 - s : s);
            for (int n : a.Numeros(a.Entre(1, 15))) SubgruposNumeros(fila, n) = 1;
        }
        // Mostly no more conditions than subgroups, on any of the four rows.
        int condiciones = std::min(4, a.Entre(0, std::max(nSub, 1)) + (a.Moneda(0.1) ? 1 : 0));
        std::vector<int> filas = a.Numeros(condiciones, 1, 4);
        for (int s : filas)
            for (int c = 0; c <= 5; ++c) CondicionesAciertos(primera + s, c) = a.Bandera(c <= 2 ? 0.8 : 0.4);
    }
    for (int p = 1; p <= 5; ++p)
        if (a.Moneda(0.3))
            for (int n = 1; n <= 50; ++n) PosicionesNumeros(p, n) = a.Bandera(0.8);
}

// A random system: a generated one of 5..22 numbers, or imported-style rows of the whole range.
void SistemaAleatorio(Azar& a) {
    if (a.Moneda(0.7)) {
        int n = a.Moneda(0.3) ? a.Entre(5, 9) : a.Entre(10, 22);
        // Bases clustered low, high or spread, so that the counts vary.
        int desde = a.Entre(1, 50 - n + 1);
        PrepararBase(a.Moneda(0.5) ? a.Numeros(n) : a.Numeros(n, desde, std::min(50, desde + n + 8)));
    } else {
        std::vector<Fila> filas;
        for (int r = a.Entre(1, 6000); r > 0; --r) {
            Fila f = a.Numeros(5);
            if (a.Moneda(0.2)) {  // consecutive runs are rare at random: make some
                int x = a.Entre(1, 46);
                f = {x, x + 1, x + 2, x + 3, x + 4};
                f[static_cast<std::size_t>(a.Entre(0, 4))] = 0;
                std::set<int> s(f.begin(), f.end());
                for (int y = 1; s.size() < 6; ++y) s.insert(y);
                s.erase(0);
                f.assign(s.begin(), s.end());
                f.resize(5);
            }
            filas.push_back(f);
        }
        PrepararFilas(filas, a.Numeros(a.Entre(0, 10)));
    }
    for (long c = 1; c <= TotalCombinaciones; ++c)
        if (a.Moneda(0.1)) Eliminadas(c) = 1;
}

}  // namespace

TEST(FiltrosContraReferencia, CadaEvaluadorSoloConAjustesAleatorios) {
    PlataformaGuion plataforma;
    Azar a(20240601);
    for (int prueba = 0; prueba < 250; ++prueba) {
        SistemaAleatorio(a);
        AjustesAleatorios(a);
        const auto inicial = CopiarEliminadas();
        for (const Filtro& f : Filtros()) {
            RestaurarEliminadas(inicial);
            Long esperado = f.referencia(5);
            auto marcasEsperadas = CopiarEliminadas();
            RestaurarEliminadas(inicial);
            Long obtenido = f.rapido(5);
            ASSERT_EQ(obtenido, esperado) << f.nombre << " prueba " << prueba;
            ASSERT_EQ(CopiarEliminadas(), marcasEsperadas) << f.nombre << " prueba " << prueba;
            // The evaluator only reads the settings: the same call again finds nothing new.
            ASSERT_EQ(f.rapido(5), 0) << f.nombre;
        }
    }
}

TEST(FiltrosContraReferencia, EnCadenaCadaFilaLaCuentaElPrimeroQueLaElimina) {
    PlataformaGuion plataforma;
    Azar a(777);
    for (int prueba = 0; prueba < 60; ++prueba) {
        SistemaAleatorio(a);
        AjustesAleatorios(a);
        const auto inicial = CopiarEliminadas();
        const auto& filtros = Filtros();
        // What each filter removes on its own, by the reference.
        std::vector<std::vector<Byte>> solo;
        for (const Filtro& f : filtros) {
            RestaurarEliminadas(inicial);
            f.referencia(5);
            solo.push_back(CopiarEliminadas());
        }
        std::vector<Long> esperado(filtros.size(), 0);
        for (std::size_t i = 2; i < inicial.size(); ++i) {
            if (inicial[i]) continue;
            for (std::size_t k = 0; k < filtros.size(); ++k)
                if (solo[k][i]) { ++esperado[k]; break; }
        }
        RestaurarEliminadas(inicial);
        Long suma = 0, sumaEsperada = 0;
        for (std::size_t k = 0; k < filtros.size(); ++k) {
            Long n = filtros[k].rapido(5);
            EXPECT_EQ(n, esperado[k]) << filtros[k].nombre << " prueba " << prueba;
            suma += n;
            sumaEsperada += esperado[k];
        }
        // The counts add up to the rows marked in the chain.
        Long marcadas = 0;
        for (long c = 1; c <= TotalCombinaciones; ++c) marcadas += Eliminadas(c) && !inicial[static_cast<std::size_t>(c + 1)];
        EXPECT_EQ(suma, marcadas);
        EXPECT_EQ(suma, sumaEsperada);
        EXPECT_EQ(Eliminadas(-1), 1);
        EXPECT_EQ(Eliminadas(0), 0);
    }
}
