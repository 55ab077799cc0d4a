// Quality of the reduction: how many bets one greedy pass, the window's defaults (cycles that
// end by themselves) and the cycles within a time budget need for full and filtered systems,
// beside the best sizes of lotto designs known. Every core works on the cycles. Prints CSV:
//   garantia,v,filtro,escenarios,un_pase,por_defecto,segundos_defecto,con_ciclos,segundos,mejor_conocida
// Cases: full systems "al 4" v = 10..16, "al 3" v = 12..20, "al 2" v = 9..23, three filtered
// systems, and "al 3" on 30 numbers. Every result is checked by an exact coverage count before
// it is printed.
// Options:
//   --segundos S    budget of the cycles per case (default 60)
//   --esfuerzo E    how long each attempt of those cycles insists (default 5; the window: 1)
//   --hilos H       worker threads (default: one per core)
//   --casos LIST    a subset, e.g. al4:11,al3:15 or al3:20:paresimpares (any v 5..50 of a full
//                   system may be named, e.g. al3:30)
//   --volcar DIR    writes each case's best bets to DIR/<garantia>_<v>_<filtro>.txt
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/Tabla.h"
#include "reduction/modReduccion.h"

using modGeneral::Byte;
using modGeneral::Long;
using namespace modReduccion;

namespace {

using Filtro = std::function<bool(const Posiciones&)>;

struct Caso {
    int garantia;  // 4, 3 or 2
    int v;
    std::string filtro;  // "completo" or a filter's short name
    int mejorConocida;   // 0: none known
};

int Pares(const Posiciones& p) {
    int n = 0;
    for (Byte x : p) n += x % 2 == 0;
    return n;
}

// The filters of the filtered systems: a rule on the five numbers (of a base 1..v).
const std::map<std::string, Filtro>& Filtros() {
    static const std::map<std::string, Filtro> f = {
        // 2 or 3 even numbers
        {"paresimpares", [](const Posiciones& p) { int e = Pares(p); return e == 2 || e == 3; }},
        // sum of the five numbers between 50 and 80
        {"sumas", [](const Posiciones& p) {
             int s = 0;
             for (Byte x : p) s += x;
             return s >= 50 && s <= 80;
         }},
        // 2 or 3 numbers from 1..15
        {"bajosaltos", [](const Posiciones& p) {
             int b = 0;
             for (Byte x : p) b += x <= 15;
             return b == 2 || b == 3;
         }},
        // no two consecutive numbers
        {"seguidos", [](const Posiciones& p) {
             for (int i = 1; i < 5; ++i)
                 if (p[static_cast<std::size_t>(i)] == p[static_cast<std::size_t>(i - 1)] + 1) return false;
             return true;
         }},
        // at most 2 numbers in each decade (1-9, 10-19, ...)
        {"decenas", [](const Posiciones& p) {
             int d[6] = {};
             for (Byte x : p)
                 if (++d[x / 10] > 2) return false;
             return true;
         }},
    };
    return f;
}

int MejorConocida(int g, int v) {
    if (g == 4) {
        const std::map<int, int> m = {{11, 22}, {12, 35}, {13, 50}, {14, 78}};
        auto it = m.find(v);
        return it == m.end() ? 0 : it->second;
    }
    if (g == 3) {
        const std::map<int, int> m = {{15, 13}, {17, 18}, {20, 38}};
        auto it = m.find(v);
        return it == m.end() ? 0 : it->second;
    }
    if (g == 2) {
        if (v <= 8) return 1;
        if (v <= 12) return 2;
        if (v <= 16) return 3;
        if (v <= 20) return 4;
        if (v <= 22) return 6;
        if (v == 23) return 7;
    }
    return 0;
}

std::vector<Caso> CasosPorDefecto() {
    std::vector<Caso> c;
    for (int v = 10; v <= 16; ++v) c.push_back({4, v, "completo", MejorConocida(4, v)});
    for (int v = 12; v <= 20; ++v) c.push_back({3, v, "completo", MejorConocida(3, v)});
    for (int v = 9; v <= 23; ++v) c.push_back({2, v, "completo", MejorConocida(2, v)});
    c.push_back({4, 20, "decenas", 0});
    c.push_back({3, 22, "seguidos", 0});
    c.push_back({4, 20, "paresimpares", 0});
    c.push_back({3, 30, "completo", 0});
    return c;
}

// "al4:11", "al3:20:paresimpares"
bool LeerCasos(const std::string& texto, std::vector<Caso>& casos) {
    std::stringstream ss(texto);
    std::string item;
    while (std::getline(ss, item, ',')) {
        if (item.size() < 5 || item.compare(0, 2, "al") != 0 || item[3] != ':') return false;
        const int g = item[2] - '0';
        if (g < 2 || g > 4) return false;
        const std::string resto = item.substr(4);
        const auto dos = resto.find(':');
        const int v = std::atoi(resto.substr(0, dos).c_str());
        std::string filtro = dos == std::string::npos ? "completo" : resto.substr(dos + 1);
        if (filtro != "completo" && !Filtros().count(filtro)) return false;
        if (v < 5 || v > 50) return false;
        casos.push_back({g, v, filtro, filtro == "completo" ? MejorConocida(g, v) : 0});
    }
    return !casos.empty();
}

std::vector<Posiciones> Escenarios(const Caso& caso) {
    Filtro f;
    if (caso.filtro != "completo") f = Filtros().at(caso.filtro);
    std::vector<Posiciones> v;
    const int n = caso.v;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            for (int c = b + 1; c <= n; ++c)
                for (int d = c + 1; d <= n; ++d)
                    for (int e = d + 1; e <= n; ++e) {
                        const Posiciones p = {Byte(a), Byte(b), Byte(c), Byte(d), Byte(e)};
                        if (!f || f(p)) v.push_back(p);
                    }
    return v;
}

std::uint64_t Mascara(const Posiciones& p) {
    std::uint64_t m = 0;
    for (Byte x : p) m |= std::uint64_t{1} << x;
    return m;
}

// The exact check, independent of the engine: every scenario against every bet.
bool CubreTodo(const std::vector<Posiciones>& esc, const std::vector<Posiciones>& apuestas, int g) {
    const std::set<Posiciones> conjunto(esc.begin(), esc.end());
    std::vector<std::uint64_t> mb;
    for (const auto& a : apuestas) {
        if (!conjunto.count(a)) return false;  // a bet outside the system
        mb.push_back(Mascara(a));
    }
    for (const auto& s : esc) {
        const std::uint64_t ms = Mascara(s);
        bool cubierto = false;
        for (std::uint64_t b : mb)
            if (std::popcount(b & ms) >= g) {
                cubierto = true;
                break;
            }
        if (!cubierto) return false;
    }
    return true;
}

Tabla<Byte> ATabla(const std::vector<Posiciones>& v) {
    Tabla<Byte> t;
    t.ReDim(1, static_cast<long>(v.size()), 1, 5);
    for (std::size_t i = 0; i < v.size(); ++i)
        for (int c = 0; c < 5; ++c) t(static_cast<long>(i) + 1, c + 1) = v[i][static_cast<std::size_t>(c)];
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    double segundos = 60, esfuerzo = 5;
    int hilos = 0;
    std::vector<Caso> casos;
    std::string volcar;
    auto Positivo = [&](int& i, const char* opcion, double& valor) {
        valor = std::atof(argv[++i]);
        if (valor > 0) return true;
        std::fprintf(stderr, "%s: se espera un número positivo\n", opcion);
        return false;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        double valor = 0;
        if (a == "--segundos" && i + 1 < argc) {
            if (!Positivo(i, "--segundos", segundos)) return 2;
        } else if (a == "--esfuerzo" && i + 1 < argc) {
            if (!Positivo(i, "--esfuerzo", esfuerzo)) return 2;
        } else if (a == "--hilos" && i + 1 < argc) {
            if (!Positivo(i, "--hilos", valor)) return 2;
            hilos = static_cast<int>(valor);
        } else if (a == "--casos" && i + 1 < argc) {
            if (!LeerCasos(argv[++i], casos)) {
                std::fprintf(stderr, "--casos: lista no válida (ejemplo: al4:11,al3:15,al3:20:paresimpares)\n");
                return 2;
            }
        } else if (a == "--volcar" && i + 1 < argc) {
            volcar = argv[++i];
            std::filesystem::create_directories(volcar);
        } else {
            std::fprintf(stderr, "uso: %s [--segundos S] [--esfuerzo E] [--hilos H] [--casos al4:11,al3:15] [--volcar DIR]\n",
                         argv[0]);
            return 2;
        }
    }
    if (casos.empty()) casos = CasosPorDefecto();

    std::printf("garantia,v,filtro,escenarios,un_pase,por_defecto,segundos_defecto,con_ciclos,segundos,mejor_conocida\n");
    std::fflush(stdout);
    int fallos = 0;
    for (const Caso& caso : casos) {
        const auto esc = Escenarios(caso);
        const Tabla<Byte> t = ATabla(esc);
        auto Medir = [&](const ParametrosReduccion& p, double& usados) {
            const auto inicio = std::chrono::steady_clock::now();
            auto r = Reducir(caso.v, t, t, p, nullptr, {});
            usados = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
            return r;
        };
        ParametrosReduccion p;
        p.Garantia = caso.garantia;
        p.Porcentaje = 100;
        p.Hilos = hilos;
        double usados = 0, usadosDefecto = 0;
        const auto pase = Medir(p, usados);
        // As the window calls it: cycles on, fixed seeds, until they end by themselves.
        p.Ciclos = true;
        const auto defecto = Medir(p, usadosDefecto);
        p.CiclosSinMejora = 0;
        p.SegundosMaximos = segundos;
        p.Esfuerzo = esfuerzo;
        const auto ciclos = Medir(p, usados);
        if (!CubreTodo(esc, pase.Apuestas, caso.garantia) || !CubreTodo(esc, defecto.Apuestas, caso.garantia) ||
            !CubreTodo(esc, ciclos.Apuestas, caso.garantia)) {
            std::fprintf(stderr, "al%d %d %s: el resultado no cubre el sistema\n", caso.garantia, caso.v,
                         caso.filtro.c_str());
            ++fallos;
            continue;
        }
        if (!volcar.empty()) {
            const std::string ruta = volcar + "/al" + std::to_string(caso.garantia) + "_" + std::to_string(caso.v) +
                                     "_" + caso.filtro + ".txt";
            std::ofstream f(ruta);
            for (const auto& a : ciclos.Apuestas)
                f << int(a[0]) << ' ' << int(a[1]) << ' ' << int(a[2]) << ' ' << int(a[3]) << ' ' << int(a[4]) << '\n';
        }
        std::printf("al%d,%d,%s,%zu,%zu,%zu,%.1f,%zu,%.1f,", caso.garantia, caso.v, caso.filtro.c_str(), esc.size(),
                    pase.Apuestas.size(), defecto.Apuestas.size(), usadosDefecto, ciclos.Apuestas.size(), usados);
        if (caso.mejorConocida) std::printf("%d", caso.mejorConocida);
        std::printf("\n");
        std::fflush(stdout);
    }
    return fallos ? 1 : 0;
}
