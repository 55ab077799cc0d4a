// Reference evaluators: each follows the words of its filter's rules, row by row.
#include "filters/AyudaFiltros.h"
#include "filters/modFiltros.h"

namespace ayuda {

namespace {

bool TablaRestringe(const TablaConteos& t) {
    for (int c = 0; c <= 5; ++c)
        if (t(c) == 1) return true;
    return false;
}
bool FigurasRestringen(const TablaFiguras& t) {
    for (int f = 1; f <= 7; ++f)
        if (t(f) == 1) return true;
    return false;
}
bool PasaFigura(const TablaFiguras& t, const std::vector<int>& conteos) {
    int f = FiguraReferencia(conteos);
    return f >= 1 && t(f) != 0;
}

// The frame: rows 1..TotalCombinaciones, removed rows skipped, failing rows marked and counted.
template <typename Falla>
Long Pasada(Falla falla) {
    Long n = 0;
    for (long c = 1; c <= TotalCombinaciones; ++c) {
        if (Eliminadas(c) != 0) continue;
        if (falla(NumerosDeFila(c))) {
            Eliminadas(c) = 1;
            ++n;
        }
    }
    return n;
}

Long RefAltosBajos(Integer) {
    return Pasada([](const Fila& x) {
        int altos = 0;
        for (int n : x)
            if (n > 24) ++altos;
        int bajos = 5 - altos;
        return (TablaRestringe(Altos) && Altos(altos) == 0) || (TablaRestringe(Bajos) && Bajos(bajos) == 0);
    });
}

Long RefDecenas(Integer) {
    const TablaConteos* tablas[5] = {&Decena0109, &Decena1019, &Decena2029, &Decena3039, &Decena4050};
    return Pasada([&](const Fila& x) {
        std::vector<int> cuenta(5, 0);
        for (int n : x) {
            if (n >= 1 && n <= 9) ++cuenta[0];
            else if (n >= 10 && n <= 19) ++cuenta[1];
            else if (n >= 20 && n <= 29) ++cuenta[2];
            else if (n >= 30 && n <= 39) ++cuenta[3];
            else if (n >= 40 && n <= 50) ++cuenta[4];
        }
        if (FigurasRestringen(FigurasDecenas) && !PasaFigura(FigurasDecenas, cuenta)) return true;
        for (int d = 0; d < 5; ++d)
            if (TablaRestringe(*tablas[d]) && (*tablas[d])(cuenta[static_cast<std::size_t>(d)]) == 0) return true;
        return false;
    });
}

Long RefDistancias(Integer) {
    const int minimo[5] = {Distancia12Minima, Distancia23Minima, Distancia34Minima, Distancia45Minima, Distancia15Minima};
    const int maximo[5] = {Distancia12Maxima, Distancia23Maxima, Distancia34Maxima, Distancia45Maxima, Distancia15Maxima};
    return Pasada([&](const Fila& x) {
        const int d[5] = {x[1] - x[0], x[2] - x[1], x[3] - x[2], x[4] - x[3], x[4] - x[0]};
        for (int k = 0; k < 5; ++k) {
            if (minimo[k] == 0 && maximo[k] == 0) continue;
            if (d[k] < minimo[k] || d[k] > maximo[k]) return true;
        }
        return false;
    });
}

Long RefGrupos(Integer) {
    Long total = 0;
    for (int g = 1; g <= 120; ++g) {
        std::vector<int> lista;
        for (int n = 1; n <= 50; ++n)
            if (GruposNumeros(g, n) == 1) lista.push_back(n);
        if (lista.empty()) continue;
        total += Pasada([&](const Fila& x) {
            int aciertos = 0;
            for (int n : x)
                for (int m : lista)
                    if (n == m) ++aciertos;
            return GruposAciertos(g, aciertos) != 1;
        });
    }
    return total;
}

// The exhaustive search: condition `i` against the subgroups not yet taken, in order.
bool Buscar(int g, const std::vector<int>& condiciones, const std::vector<int>& h, std::size_t i,
            std::vector<bool>& tomado) {
    if (i == condiciones.size()) return true;
    for (std::size_t j = 0; j < h.size(); ++j) {
        if (tomado[j]) continue;
        if (CondicionesAciertos(4 * (g - 1) + condiciones[i], h[j]) != 1) continue;
        tomado[j] = true;
        if (Buscar(g, condiciones, h, i + 1, tomado)) return true;
        tomado[j] = false;
    }
    return false;
}

Long RefGruposRelacionados(Integer) {
    Long total = 0;
    for (int g = 1; g <= 160 / 4; ++g) {
        int nSub = 0;
        std::vector<int> condiciones;
        for (int s = 1; s <= 4; ++s) {
            bool vacio = true;
            for (int n = 1; n <= 50; ++n)
                if (SubgruposNumeros(4 * (g - 1) + s, n) == 1) vacio = false;
            if (!vacio) ++nSub;
            bool enUso = false;
            for (int c = 0; c <= 5; ++c)
                if (CondicionesAciertos(4 * (g - 1) + s, c) != 0) enUso = true;
            if (enUso) condiciones.push_back(s);
        }
        if (nSub == 0) break;
        total += Pasada([&](const Fila& x) {
            std::vector<int> h;
            for (int j = 1; j <= nSub; ++j) {
                int aciertos = 0;
                for (int n : x)
                    if (SubgruposNumeros(4 * (g - 1) + j, n) == 1) ++aciertos;
                h.push_back(aciertos);
            }
            if (condiciones.empty()) return true;  // no condition in use: no assignment exists
            std::vector<bool> tomado(h.size(), false);
            return !Buscar(g, condiciones, h, 0, tomado);
        });
    }
    return total;
}

Long RefParesImpares(Integer) {
    if (!TablaRestringe(ParesActivos)) return 0;
    return Pasada([](const Fila& x) {
        int pares = 0;
        for (int n : x)
            if (n % 2 == 0) ++pares;
        return ParesActivos(pares) == 0;
    });
}

Long RefSeguidos(Integer) {
    if (!TablaRestringe(NumerosSeguidos) && !FigurasRestringen(FigurasSeguidos)) return 0;
    return Pasada([](const Fila& x) {
        std::vector<int> runs;
        int actual = 1, mayor = 1;
        for (int p = 1; p < 5; ++p) {
            if (x[static_cast<std::size_t>(p)] == x[static_cast<std::size_t>(p - 1)] + 1) {
                ++actual;
            } else {
                runs.push_back(actual);
                mayor = std::max(mayor, actual);
                actual = 1;
            }
        }
        runs.push_back(actual);
        mayor = std::max(mayor, actual);
        if (FigurasRestringen(FigurasSeguidos) && !PasaFigura(FigurasSeguidos, runs)) return true;
        return TablaRestringe(NumerosSeguidos) && NumerosSeguidos(mayor) != 1;
    });
}

Long RefSumas(Integer) {
    bool alguno = false;
    for (int i = 1; i <= 6; ++i)
        if (SumaMinima[i] != 0 || SumaMaxima[i] != 0) alguno = true;
    if (!alguno) return 0;
    return Pasada([](const Fila& x) {
        int s = x[0] + x[1] + x[2] + x[3] + x[4];
        for (int i = 1; i <= 6; ++i) {
            if (SumaMinima[i] == 0 && SumaMaxima[i] == 0) continue;
            if (SumaMinima[i] <= s && s <= SumaMaxima[i]) return false;
        }
        return true;
    });
}

Long RefTerminaciones(Integer) {
    return Pasada([](const Fila& x) {
        std::vector<int> cuenta(10, 0);
        int suma = 0;
        for (int n : x) {
            ++cuenta[static_cast<std::size_t>(n % 10)];
            suma += n % 10;
        }
        if (FigurasRestringen(FigurasTerminaciones) && !PasaFigura(FigurasTerminaciones, cuenta)) return true;
        if (suma < SumaTerminacionesMinima || suma > SumaTerminacionesMaxima) return true;
        for (int d = 0; d <= 9; ++d) {
            bool restringe = false;
            for (int c = 0; c <= 5; ++c)
                if (TerminadosEn(d, c) == 1) restringe = true;
            if (restringe && TerminadosEn(d, cuenta[static_cast<std::size_t>(d)]) == 0) return true;
        }
        return false;
    });
}

Long RefPosiciones(Integer) {
    return Pasada([](const Fila& x) {
        for (int p = 1; p <= 5; ++p) {
            bool restringe = false;
            for (int n = 1; n <= 50; ++n)
                if (PosicionesNumeros(p, n) == 1) restringe = true;
            if (restringe && PosicionesNumeros(p, x[static_cast<std::size_t>(p - 1)]) != 1) return true;
        }
        return false;
    });
}

}  // namespace

int FiguraReferencia(const std::vector<int>& conteos) {
    std::string texto;
    for (int c : conteos)
        if (c != 0) texto += static_cast<char>('0' + c);
    auto tiene = [&](char d) { return texto.find(d) != std::string::npos; };
    switch (texto.size()) {
    case 1: return tiene('5') ? 1 : 0;
    case 2: return tiene('4') ? 2 : 3;
    case 3: return tiene('3') ? 4 : 5;
    case 4: return 6;
    case 5: return 7;
    default: return 0;
    }
}

const std::vector<Filtro>& Filtros() {
    using namespace modFiltros;
    static const std::vector<Filtro> f = {
        {"AltosBajos", FiltrarAltosBajos, RefAltosBajos},
        {"Decenas", FiltrarDecenas, RefDecenas},
        {"Distancias", FiltrarDistancias, RefDistancias},
        {"Grupos", FiltrarGrupos, RefGrupos},
        {"GruposRelacionados", FiltrarGruposRelacionados, RefGruposRelacionados},
        {"ParesImpares", FiltrarParesImpares, RefParesImpares},
        {"Seguidos", FiltrarSeguidos, RefSeguidos},
        {"Sumas", FiltrarSumas, RefSumas},
        {"Terminaciones", FiltrarTerminaciones, RefTerminaciones},
        {"Posiciones", FiltrarPosiciones, RefPosiciones},
    };
    return f;
}

}  // namespace ayuda
