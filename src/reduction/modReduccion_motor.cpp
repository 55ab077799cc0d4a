// The engine proper. Sets of base positions are 64-bit masks (position p -> bit p-1); a set
// of t positions is ranked in the colexicographic order of the combinatorial number system,
// rank = sum of C(q_i, i) over its sorted zero-based positions q_1 < ... < q_t.
//
// For every t from g to 5 the engine keeps, per t-subset T of the base, how many uncovered
// scenarios contain T (U), and, for the local search, how many scenarios covered exactly once
// contain T (W). From those counts the number of uncovered scenarios a bet c meets in at least
// g positions is an alternating sum over the subsets of c:
//     sum over t = g..5 of (-1)^(t-g) C(t-1, g-1) x (sum of U(T) over the t-subsets T of c)
// (a scenario meeting c in j >= g positions is counted sum_t (-1)^(t-g) C(t-1,g-1) C(j,t) = 1
// times). That is at most 26 look-ups per bet however large the system: no table of neighbours.
#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <numeric>
#include <thread>

#include "reduction/modReduccion.h"

namespace modReduccion {

namespace {

using Mascara = std::uint64_t;
using Reloj = std::chrono::steady_clock;

constexpr int NMaximo = 50;

struct TablaBinomios {
    std::uint32_t c[65][7] = {};
    TablaBinomios() {
        for (int n = 0; n <= 64; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 6; ++k) c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
const TablaBinomios Binomio;

inline std::uint32_t Rango(Mascara m) {
    std::uint32_t r = 0;
    int i = 1;
    while (m) {
        r += Binomio.c[std::countr_zero(m)][i++];
        m &= m - 1;
    }
    return r;
}

// Bits set, without relying on the processor's popcount instruction (not enabled by default).
inline int Bits(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

// Highest element and size of each subset index 1..31 of a 5-set.
struct TablaSubconjuntos {
    std::uint8_t alto[32], tam[32];
    constexpr TablaSubconjuntos() : alto(), tam() {
        for (unsigned m = 1; m < 32; ++m) {
            int a = 0, t = 0;
            for (int i = 0; i < 5; ++i)
                if (m >> i & 1) {
                    a = i;
                    ++t;
                }
            alto[m] = static_cast<std::uint8_t>(a);
            tam[m] = static_cast<std::uint8_t>(t);
        }
    }
};
constexpr TablaSubconjuntos Sub;

// The subsets of a 5-set by size (porTam), and by size and a position they hold (conIndice).
struct TablaPorTam {
    std::uint8_t porTam[6][10] = {}, nPorTam[6] = {};
    std::uint8_t conIndice[5][6][6] = {}, nConIndice[5][6] = {};
    constexpr TablaPorTam() {
        for (unsigned m = 1; m < 32; ++m) {
            const int t = Sub.tam[m];
            porTam[t][nPorTam[t]++] = static_cast<std::uint8_t>(m);
            for (int j = 0; j < 5; ++j)
                if (m >> j & 1) conIndice[j][t][nConIndice[j][t]++] = static_cast<std::uint8_t>(m);
        }
    }
};
constexpr TablaPorTam PorTam;

// The ascending positions of a 5-set.
struct Posiciones5 {
    int p[5];
    explicit Posiciones5(Mascara s) {
        for (int i = 0; i < 5; ++i, s &= s - 1) p[i] = std::countr_zero(s);
    }
    // Rank of the subset m, by which of the positions it takes.
    std::uint32_t Rango(unsigned m) const {
        std::uint32_t r = 0;
        for (int i = 1; m; m &= m - 1, ++i) r += Binomio.c[p[std::countr_zero(m)]][i];
        return r;
    }
};

// Ranks of the 32 subsets of a 5-set, indexed by which of its (ascending) positions they take.
struct RangosSub {
    std::uint32_t r[32];
    explicit RangosSub(Mascara s) {
        const std::uint32_t* c[5];
        for (int i = 0; i < 5; ++i) {
            c[i] = Binomio.c[std::countr_zero(s)];
            s &= s - 1;
        }
        r[0] = 0;
        for (unsigned m = 1; m < 32; ++m) r[m] = r[m & ~(1u << Sub.alto[m])] + c[Sub.alto[m]][Sub.tam[m]];
    }
};

// The bets sharing most positions with s, none of which shares more than tope: their indices
// into elegibles (sized for all bets, count in the result's high half), the positions shared
// in the low half. Most scans meet bets at the top, taken in one pass without a branch that
// mispredicts; otherwise a second pass takes those at the highest count met.
template <typename Contar>
inline std::uint64_t MasCercanasCon(const Mascara* apuestas, std::size_t k, Mascara s, int tope,
                                    std::uint32_t* elegibles, Contar contar) {
    std::uint32_t n = 0;
    int maximo = 0;
    for (std::size_t i = 0; i < k; ++i) {
        const int c = contar(apuestas[i] & s);
        if (c >= tope) elegibles[n++] = static_cast<std::uint32_t>(i);
        maximo = std::max(maximo, c);
    }
    if (n == 0)
        for (std::size_t i = 0; i < k; ++i)
            if (contar(apuestas[i] & s) == maximo) elegibles[n++] = static_cast<std::uint32_t>(i);
    return (std::uint64_t{n} << 32) | static_cast<std::uint32_t>(maximo);
}
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("popcnt"))) std::uint64_t MasCercanasPopcnt(const Mascara* a, std::size_t k, Mascara s,
                                                                    int tope, std::uint32_t* e) {
    return MasCercanasCon(a, k, s, tope, e, [](Mascara m) { return __builtin_popcountll(m); });
}
const bool HayPopcnt = __builtin_cpu_supports("popcnt");
#else
std::uint64_t MasCercanasPopcnt(const Mascara* a, std::size_t k, Mascara s, int tope, std::uint32_t* e) {
    return MasCercanasCon(a, k, s, tope, e, Bits);
}
const bool HayPopcnt = false;
#endif
// The scan runs at every move of the local search: the processor's popcount where there is one.
inline std::uint64_t MasCercanas(const Mascara* a, std::size_t k, Mascara s, int tope, std::uint32_t* e) {
    return HayPopcnt ? MasCercanasPopcnt(a, k, s, tope, e) : MasCercanasCon(a, k, s, tope, e, Bits);
}

// Calls f(mask) for every k-subset of elems[0..n) joined to base.
template <typename F>
void Combinar(const int* elems, int n, int k, Mascara base, F&& f) {
    if (k == 0) {
        f(base);
        return;
    }
    if (k > n) return;
    int idx[6];
    for (int i = 0; i < k; ++i) idx[i] = i;
    for (;;) {
        Mascara m = base;
        for (int i = 0; i < k; ++i) m |= Mascara{1} << elems[idx[i]];
        f(m);
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i) --i;
        if (i < 0) return;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    }
}

// Small fast generator for orders and the local search (xoshiro256**, seeded by splitmix64).
class Azar {
public:
    explicit Azar(std::uint64_t semilla) {
        for (auto& x : s_) {
            semilla += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = semilla;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            x = z ^ (z >> 31);
        }
    }
    std::uint64_t Siguiente() {
        const std::uint64_t r = std::rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = std::rotl(s_[3], 45);
        return r;
    }
    // Uniform in [0, n).
    std::uint32_t Hasta(std::uint32_t n) {
        return static_cast<std::uint32_t>(((Siguiente() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }
    double Uniforme() { return static_cast<double>(Siguiente() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::uint64_t s_[4];
};

// The k-th set bit of m (k from 0).
inline int BitNumero(Mascara m, unsigned k) {
    while (k--) m &= m - 1;
    return std::countr_zero(m);
}

// ---- What the workers share ----

// The system as every worker reads it, never written once prepared: the distinct scenarios
// and candidates, the counts of an empty cover and each candidate's weight on it.
struct Sistema {
    int N, g;
    std::uint32_t total5;
    int coef[6] = {};
    std::vector<std::uint8_t> subMedios;  // subsets of a 5-set with g..4 positions
    std::vector<std::uint8_t> subTam;     // and their sizes
    std::vector<Mascara> escenarios, candidatos;
    std::vector<std::uint32_t> rangoEscenario;
    std::vector<std::uint8_t> esEscenario, esCandidato;
    std::vector<std::int32_t> contienen[5];  // per t-subset (t = g..4): scenarios containing it
    std::vector<std::uint32_t> pesos;        // per candidate: scenarios it covers on its own

    // How a move b -> b - x + y counts the scenarios it gains or loses, on the 6-set b + y
    // (positions by rank in it): for entra and sale, the subsets T with entra in T whose
    // scenario counts, each times coef, add up to the scenarios s of a family with entra in s,
    // sale not in s and s meeting the other four in exactly g - 1 positions (inclusion-exclusion
    // over the positions s must avoid, terms of the same subset joined).
    struct Termino {
        std::uint8_t tam;
        std::int8_t coef;
        // The subset's rank is the sum of C(p_j, i) over its members j, the i-th smallest:
        // here 8 j + i for each.
        std::uint8_t sumandos[5];
    };
    std::vector<Termino> terminos[6][6];  // [entra][sale]

    Sistema(int n, int garantia) : N(n), g(garantia), total5(Binomio.c[n][5]) {
        for (int t = g; t <= 5; ++t)
            coef[t] = (((t - g) & 1) ? -1 : 1) * static_cast<int>(Binomio.c[t - 1][g - 1]);
        for (unsigned m = 1; m < 31; ++m)
            if (Bits(m) >= g) {
                subMedios.push_back(static_cast<std::uint8_t>(m));
                subTam.push_back(static_cast<std::uint8_t>(Bits(m)));
            }
        for (unsigned entra = 0; entra < 6; ++entra)
            for (unsigned sale = 0; sale < 6; ++sale) {
                if (entra == sale) continue;
                const unsigned resto = 63u & ~(1u << entra) & ~(1u << sale);
                int suma[64] = {};
                for (unsigned A = 0; A < 64; ++A) {
                    if ((A & ~resto) || Bits(A) != g - 1) continue;
                    const unsigned evitar = (resto & ~A) | (1u << sale);
                    for (unsigned B = evitar;; B = (B - 1) & evitar) {
                        if (g + Bits(B) <= 5) suma[A | (1u << entra) | B] += (Bits(B) & 1) ? -1 : 1;
                        if (B == 0) break;
                    }
                }
                for (unsigned m = 0; m < 64; ++m) {
                    if (!suma[m]) continue;
                    Termino t{static_cast<std::uint8_t>(Bits(m)), static_cast<std::int8_t>(suma[m]), {}};
                    for (unsigned j = 0, i = 0; j < 6; ++j)
                        if (m >> j & 1) {
                            ++i;
                            t.sumandos[i - 1] = static_cast<std::uint8_t>(8 * j + i);
                        }
                    terminos[entra][sale].push_back(t);
                }
            }
    }
    Long Escenarios() const { return static_cast<Long>(escenarios.size()); }
    Long Candidatos() const { return static_cast<Long>(candidatos.size()); }

    // Reads the rows of a table; false for a row that is not a valid combination.
    static bool MascaraDeFila(const Tabla<Byte>& t, long fila, int N, Mascara& m) {
        m = 0;
        int previa = 0;
        for (int c = 1; c <= 5; ++c) {
            const int p = t(fila, c);
            if (p <= previa || p > N) return false;
            m |= Mascara{1} << (p - 1);
            previa = p;
        }
        return true;
    }

    // The valid rows of t not yet in lista, each once (marca flags them by rank); leido
    // follows the rows read. False when parar came first.
    bool CargarDistintas(const Tabla<Byte>& t, std::vector<std::uint8_t>& marca, std::vector<Mascara>& lista,
                         const std::atomic<bool>& parar, std::atomic<double>& leido) {
        if (t.Vacia() || t.LBound2() > 1 || t.UBound2() < 5) return true;
        const double filas = static_cast<double>(t.UBound1() - t.LBound1() + 1);
        for (long f = t.LBound1(); f <= t.UBound1(); ++f) {
            if ((f & 4095) == 0) {
                if (parar.load(std::memory_order_relaxed)) return false;
                leido.store(static_cast<double>(f - t.LBound1()) / filas, std::memory_order_relaxed);
            }
            Mascara m;
            if (!MascaraDeFila(t, f, N, m)) continue;
            const std::uint32_t r = Rango(m);
            if (marca[r]) continue;
            marca[r] = 1;
            lista.push_back(m);
        }
        return true;
    }

    // Scenarios and candidates, and how many scenarios contain each subset. False when parar
    // came first (the system is then left half read).
    bool Cargar(const Tabla<Byte>& tEsc, const Tabla<Byte>& tCand, const std::atomic<bool>& parar,
                std::atomic<double>& leido) {
        esEscenario.assign(total5, 0);
        esCandidato.assign(total5, 0);
        if (!CargarDistintas(tEsc, esEscenario, escenarios, parar, leido)) return false;
        if (&tCand == &tEsc) {
            esCandidato = esEscenario;
            candidatos = escenarios;
        } else if (!CargarDistintas(tCand, esCandidato, candidatos, parar, leido)) {
            return false;
        }
        for (int t = g; t <= 4; ++t) contienen[t].assign(Binomio.c[N][t], 0);
        rangoEscenario.resize(escenarios.size());
        for (std::size_t i = 0; i < escenarios.size(); ++i) {
            if ((i & 4095) == 0 && parar.load(std::memory_order_relaxed)) return false;
            const RangosSub rs(escenarios[i]);
            rangoEscenario[i] = rs.r[31];
            for (std::size_t j = 0; j < subMedios.size(); ++j) ++contienen[subTam[j]][rs.r[subMedios[j]]];
        }
        return true;
    }

    // The family (counts per 5-set f5 and per smaller subset ft) summed over the subsets of c
    // of g positions and more, each size weighted by its coefficient.
    std::int64_t SumaSubconjuntos(Mascara c, const std::uint8_t* f5, const std::vector<std::int32_t>* ft) const {
        const RangosSub rs(c);
        std::int64_t w = coef[5] * f5[rs.r[31]];
        for (std::size_t j = 0; j < subMedios.size(); ++j) {
            const int t = subTam[j];
            w += coef[t] * ft[t][rs.r[subMedios[j]]];
        }
        return w;
    }
    std::uint32_t PesoInicial(Mascara c) const {
        return static_cast<std::uint32_t>(SumaSubconjuntos(c, esEscenario.data(), contienen));
    }

    // Bytes one worker's state takes, for the number of workers a large system allows.
    double MemoriaPorHilo() const {
        double tablas = 0;
        for (int t = g; t <= 4; ++t) tablas += 8.0 * Binomio.c[N][t];
        return 10.0 * total5 + 12.0 * static_cast<double>(escenarios.size()) +
               12.0 * static_cast<double>(candidatos.size()) + tablas;
    }
};

// What a worker shows of its work, read by the caller's thread for the progress.
struct Puesto {
    std::atomic<Long> ciclo{0};      // the cycle it runs (0: none)
    std::atomic<int> fase{0};        // 0 greedy pass, 1 improvement
    std::atomic<Long> apuestas{0}, cubiertos{0};
    std::atomic<double> fraccion{0};  // share done of its greedy pass
    std::atomic<Long> mejorApuestas{0}, mejorCubiertos{-1};  // the cycle's best so far
    std::atomic<double> inicio{0};   // when the cycle began, in seconds from the start
};

struct Solucion {
    std::vector<Mascara> apuestas;
    Long cubiertos = -1;  // -1: none
};

// The target, the order of results and the bounds, the same for every cycle.
struct Criterio {
    bool modoApuestas = false;
    Long escenarios = 0;
    Long objetivoCubiertos = 0;  // scenarios to cover
    Long maxApuestas = 0;        // bets allowed
    Long cotaApuestas = 1;       // no fewer bets reach objetivoCubiertos
    Long cotaCubiertos = 0;      // bets target: maxApuestas bets cover no more
    bool ciclos = false, mejora = false;
    int partes = 1;
    std::uint64_t semilla = 0;

    // Whether a result with a bets and c scenarios covered beats one with b and d (d < 0: none).
    bool Mejor(std::size_t a, Long c, std::size_t b, Long d) const {
        if (d < 0) return c >= 0;
        if (c < 0) return false;
        if (modoApuestas) {
            if (c != d) return c > d;
            return a < b;
        }
        const bool cumple = c >= objetivoCubiertos, cumpleOtra = d >= objetivoCubiertos;
        if (cumple != cumpleOtra) return cumple;
        if (a != b) return cumple ? a < b : c > d;
        return c > d;
    }
    bool Mejor(const Solucion& s, const Solucion& otra) const {
        return Mejor(s.apuestas.size(), s.cubiertos, otra.apuestas.size(), otra.cubiertos);
    }
    // No better result can exist.
    bool Optimo(std::size_t a, Long c) const {
        if (c < 0) return false;
        if (c >= objetivoCubiertos) return static_cast<Long>(a) <= cotaApuestas;
        return modoApuestas && c >= cotaCubiertos;
    }
};

class Motor {
public:
    Motor(const Sistema& sis, const std::atomic<bool>& parar, Puesto& puesto, double esfuerzo)
        : s_(sis), N_(sis.N), g_(sis.g), parar_(parar), puesto_(puesto), esfuerzo_(esfuerzo) {}

    bool Parar() const { return parar_.load(std::memory_order_relaxed); }

    // Counters back to "nothing covered". criticos: keep W as well (for the local search).
    void Reiniciar(bool criticos) {
        criticos_ = criticos;
        cuenta_.assign(s_.total5, 0);
        U5_ = s_.esEscenario;
        W5_.assign(criticos ? s_.total5 : 0, 0);
        for (int t = g_; t <= 4; ++t) {
            U_[t] = s_.contienen[t];
            W_[t].assign(criticos ? U_[t].size() : 0, 0);
        }
        noCubiertos_ = s_.Escenarios();
        lista_.clear();
        mascaraLista_.clear();
        posLista_.clear();
        if (criticos) {
            lista_ = s_.rangoEscenario;
            mascaraLista_ = s_.escenarios;
            posLista_.assign(s_.total5, -1);
            for (std::size_t i = 0; i < lista_.size(); ++i) posLista_[lista_[i]] = static_cast<std::int32_t>(i);
        }
        apuestas_.clear();
    }

    // A new cycle: the annealing calibrates its temperature again.
    void NuevoCiclo() {
        T_ = 0;
        calibradas_ = 0;
        sumaCalibrado_ = 0;
        ventana_ = 0;
        aceptadasVentana_ = 0;
        rachaExito_ = 0;
        movimientos_ = 0;
    }
    std::uint64_t Movimientos() const { return movimientos_; }

    // Counters and bets as the given bets leave them; false when the stop came first.
    bool Rehacer(const std::vector<Mascara>& apuestas, bool criticos) {
        Reiniciar(criticos);
        for (Mascara b : apuestas) {
            if (!PonerApuesta(b, +1)) return false;
            apuestas_.push_back(b);
        }
        return !Parar();
    }

    // Uncovered scenarios meeting the 5-set c in at least g positions.
    std::int64_t Peso(Mascara c) const { return s_.SumaSubconjuntos(c, U5_.data(), U_); }
    // Scenarios covered only by the bet c (c among the bets).
    std::int64_t Criticos(Mascara c) const { return s_.SumaSubconjuntos(c, W5_.data(), W_); }

    // f(s) for every 5-set s meeting b in at least g positions.
    template <typename F>
    void ParaVecinos(Mascara b, F&& f) const {
        int fuera[64], nf = 0, dentro[5];
        for (int p = 0, k = 0; p < N_; ++p) {
            if (b >> p & 1) dentro[k++] = p;
            else fuera[nf++] = p;
        }
        for (int j = g_; j <= 5; ++j)
            Combinar(dentro, 5, j, 0, [&](Mascara a) { Combinar(fuera, nf, 5 - j, a, f); });
    }

    // The cover count of scenario s changes by d; U, W and the list of uncovered follow.
    void CambiarCuenta(Mascara s, std::uint32_t r5, int d) {
        const int antes = static_cast<int>(cuenta_[r5]);
        const int despues = antes + d;
        cuenta_[r5] = static_cast<std::uint32_t>(despues);
        const bool cambiaU = (antes == 0) != (despues == 0);
        const bool cambiaW = criticos_ && ((antes == 1) != (despues == 1));
        if (!cambiaU && !cambiaW) return;
        const RangosSub rs(s);
        if (cambiaU) {
            const int du = despues == 0 ? 1 : -1;
            U5_[r5] = despues == 0;
            for (std::size_t j = 0; j < s_.subMedios.size(); ++j) U_[s_.subTam[j]][rs.r[s_.subMedios[j]]] += du;
            noCubiertos_ += du;
            if (criticos_) {
                if (du > 0) {
                    posLista_[r5] = static_cast<std::int32_t>(lista_.size());
                    lista_.push_back(r5);
                    mascaraLista_.push_back(s);
                } else {
                    const std::int32_t i = posLista_[r5];
                    const std::uint32_t ultimo = lista_.back();
                    lista_[static_cast<std::size_t>(i)] = ultimo;
                    mascaraLista_[static_cast<std::size_t>(i)] = mascaraLista_.back();
                    posLista_[ultimo] = i;
                    lista_.pop_back();
                    mascaraLista_.pop_back();
                    posLista_[r5] = -1;
                }
            }
        }
        if (cambiaW) {
            const int dw = despues == 1 ? 1 : -1;
            W5_[r5] = despues == 1;
            for (std::size_t j = 0; j < s_.subMedios.size(); ++j) W_[s_.subTam[j]][rs.r[s_.subMedios[j]]] += dw;
        }
    }

    // Adds (d = +1) or removes (d = -1) a bet; false when the stop cut the update short. One
    // bet reaches up to 900,000 scenarios (50 numbers, one common number), so the stop is read
    // every few thousand of them. A cut update leaves the bet out of (or in) the bets and puts
    // the count of uncovered scenarios back, so the bets and Cubiertos() still agree for the
    // result; the other counters are then no longer true, and nothing more is done with them.
    bool PonerApuesta(Mascara b, int d) {
        const Long antes = noCubiertos_;
        std::uint32_t vistos = 0;
        bool cortada = false;
        ParaVecinos(b, [&](Mascara s) {
            if (cortada) return;
            if ((++vistos & kVecinosEntreLecturas) == 0 && Parar()) {
                cortada = true;
                return;
            }
            const std::uint32_t r = Rango(s);
            if (s_.esEscenario[r]) CambiarCuenta(s, r, d);
        });
        if (cortada) noCubiertos_ = antes;
        return !cortada;
    }

    // ---- Greedy ----

    // One greedy pass with the candidates in the order given (positions into the system's
    // candidates), from an empty cover or from the bets and cover as they stand. Stops at the
    // target: objetivoCubiertos scenarios covered, or maxApuestas bets. The bets are left in
    // apuestas_. Going on from a cover, the initial weights are upper bounds that the lazy
    // re-evaluation corrects.
    bool Voraz(const std::vector<std::uint32_t>& orden, Long objetivoCubiertos, Long maxApuestas,
               bool desdeVacio = true) {
        if (desdeVacio) apuestas_.clear();
        monton_.clear();
        monton_.reserve(orden.size());
        for (std::uint32_t pos = 0; pos < orden.size(); ++pos) {
            const std::uint32_t w = s_.pesos[orden[pos]];
            if (w) monton_.push_back((std::uint64_t{w} << 32) | (0xFFFFFFFFu - pos));
        }
        if (Parar()) return false;
        std::make_heap(monton_.begin(), monton_.end());
        const Long escenarios = s_.Escenarios();
        while (!monton_.empty() && escenarios - noCubiertos_ < objetivoCubiertos &&
               static_cast<Long>(apuestas_.size()) < maxApuestas) {
            if (Parar()) return false;
            const std::uint64_t arriba = monton_.front();
            std::pop_heap(monton_.begin(), monton_.end());
            monton_.pop_back();
            const std::uint32_t pos = 0xFFFFFFFFu - static_cast<std::uint32_t>(arriba);
            const Mascara c = s_.candidatos[orden[pos]];
            const std::int64_t w = Peso(c);
            if (w <= 0) continue;
            const std::uint64_t clave = (static_cast<std::uint64_t>(w) << 32) | (0xFFFFFFFFu - pos);
            if (!monton_.empty() && clave < monton_.front()) {
                monton_.push_back(clave);
                std::push_heap(monton_.begin(), monton_.end());
                continue;
            }
            if (!PonerApuesta(c, +1)) return false;  // stopped: c is not taken
            apuestas_.push_back(c);
            const Long cubiertos = escenarios - noCubiertos_;
            puesto_.apuestas.store(static_cast<Long>(apuestas_.size()), std::memory_order_relaxed);
            puesto_.cubiertos.store(cubiertos, std::memory_order_relaxed);
            puesto_.fraccion.store(
                std::min(1.0, maxApuestas < 0x7FFFFFFF
                                  ? static_cast<double>(apuestas_.size()) / static_cast<double>(maxApuestas)
                                  : static_cast<double>(cubiertos) /
                                        static_cast<double>(std::max<Long>(1, objetivoCubiertos))),
                std::memory_order_relaxed);
            if (Parar()) return false;
        }
        monton_.clear();
        monton_.shrink_to_fit();
        return true;
    }

    // ---- Local search ----

    // Scenarios a move b -> b - x + y leaves uncovered (loss) less those it newly covers
    // (gain): the scenarios covered only by b that meet b - x in g - 1 positions, hold x and
    // not y; the uncovered ones that meet b - x in g - 1 positions, hold y and not x.
    std::int64_t Delta(Mascara b, int x, int y) const {
        int p[6], ix = 0, iy = 0;
        Mascara m = b | (Mascara{1} << y);
        for (int i = 0; i < 6; ++i) {
            p[i] = std::countr_zero(m);
            if (p[i] == x) ix = i;
            if (p[i] == y) iy = i;
            m &= m - 1;
        }
        // C(p_j, i) for the six positions and i = 1..5, at 8 j + i.
        std::uint32_t c[48];
        for (int j = 0; j < 6; ++j)
            for (int i = 1; i <= 5; ++i) c[8 * j + i] = Binomio.c[p[j]][i];
        auto Rango = [&](const Sistema::Termino& t) {
            std::uint32_t r = 0;
            for (int k = 0; k < t.tam; ++k) r += c[t.sumandos[k]];
            return r;
        };
        std::int64_t delta = 0;
        for (const auto& t : s_.terminos[ix][iy]) {
            const std::uint32_t r = Rango(t);
            delta += t.coef * (t.tam == 5 ? std::int64_t{W5_[r]} : std::int64_t{W_[t.tam][r]});
        }
        for (const auto& t : s_.terminos[iy][ix]) {
            const std::uint32_t r = Rango(t);
            delta -= t.coef * (t.tam == 5 ? std::int64_t{U5_[r]} : std::int64_t{U_[t.tam][r]});
        }
        return delta;
    }

    // Applies b -> b - x + y to bet i.
    void Mover(std::size_t i, int x, int y) {
        const Mascara b = apuestas_[i];
        const Mascara R = b & ~(Mascara{1} << x);
        const Mascara nb = R | (Mascara{1} << y);
        int r[4];
        Mascara m = R;
        for (int k = 0; k < 4; ++k) {
            r[k] = std::countr_zero(m);
            m &= m - 1;
        }
        int resto[64], nr = 0;
        for (int p = 0; p < N_; ++p)
            if (!((b | nb) >> p & 1)) resto[nr++] = p;
        Combinar(r, 4, g_ - 1, 0, [&](Mascara A) {
            Combinar(resto, nr, 5 - g_, A | (Mascara{1} << x), [&](Mascara s) {
                const std::uint32_t rs = Rango(s);
                if (s_.esEscenario[rs]) CambiarCuenta(s, rs, -1);
            });
            Combinar(resto, nr, 5 - g_, A | (Mascara{1} << y), [&](Mascara s) {
                const std::uint32_t rs = Rango(s);
                if (s_.esEscenario[rs]) CambiarCuenta(s, rs, +1);
            });
        });
        apuestas_[i] = nb;
    }

    // Drops bets while the target still holds without them, those covering fewest scenarios
    // alone first.
    void QuitarRedundantes(Long noCubiertosPermitidos) {
        bool quitada = true;
        while (quitada && apuestas_.size() > 1) {
            quitada = false;
            std::vector<std::pair<std::int64_t, std::size_t>> orden;
            orden.reserve(apuestas_.size());
            for (std::size_t i = 0; i < apuestas_.size(); ++i) orden.emplace_back(Criticos(apuestas_[i]), i);
            std::stable_sort(orden.begin(), orden.end());
            std::vector<char> fuera(apuestas_.size(), 0);
            std::size_t quitadas = 0;
            for (const auto& [c0, i] : orden) {
                if (noCubiertos_ + c0 > noCubiertosPermitidos) break;
                if (noCubiertos_ + Criticos(apuestas_[i]) > noCubiertosPermitidos) continue;
                if (apuestas_.size() - quitadas <= 1) break;
                if (!PonerApuesta(apuestas_[i], -1)) break;
                fuera[i] = 1;
                ++quitadas;
                quitada = true;
                if (Parar()) break;
            }
            std::size_t k = 0;
            for (std::size_t i = 0; i < apuestas_.size(); ++i)
                if (!fuera[i]) apuestas_[k++] = apuestas_[i];
            apuestas_.resize(k);
            if (Parar()) return;
        }
    }

    void QuitarAlAzar(Azar& azar) { Quitar(azar.Hasta(static_cast<std::uint32_t>(apuestas_.size()))); }
    void Quitar(std::size_t i) {
        if (PonerApuesta(apuestas_[i], -1)) apuestas_.erase(apuestas_.begin() + static_cast<std::ptrdiff_t>(i));
    }
    // Removes the bet that leaves fewest scenarios uncovered.
    void QuitarLaMenosUtil() {
        std::size_t mejor = 0;
        std::int64_t minimo = INT64_MAX;
        for (std::size_t i = 0; i < apuestas_.size(); ++i) {
            const std::int64_t c = Criticos(apuestas_[i]);
            if (c < minimo) {
                minimo = c;
                mejor = i;
            }
        }
        Quitar(mejor);
    }

    // Simulated annealing on the number of uncovered scenarios, bets fixed in number. Each
    // move picks an uncovered scenario, a bet meeting it in as many positions as any, and
    // swaps one number of the bet for one of the scenario. Ends true as soon as at most
    // permitidos scenarios are uncovered; false when no lower count came for a while (or the
    // stop). alMejorar(noCubiertos) is called at each new lowest count.
    template <typename F>
    bool Recocido(Long permitidos, Azar& azar, F&& alMejorar) {
        if (apuestas_.empty()) return noCubiertos_ <= permitidos;
        const std::size_t k = apuestas_.size();
        // Patience, in moves without a lower count: a multiple of the moves one solution
        // allows (every number of every bet for another), within bounds, longer when this
        // cycle's earlier attempts needed long runs to succeed. At "al 3" a move changes the
        // counts of many more scenarios and the search needs far longer runs between lower
        // counts (measured on the quality table).
        const double vecinas = static_cast<double>(k) * 5.0 * static_cast<double>(N_ - 5);
        const double base = esfuerzo_ * std::clamp((g_ == 3 ? kPacienciaAl3 : kPaciencia) * vecinas,
                                                   kPacienciaMinima, kPacienciaMaxima);
        const double paciencia = std::min(4 * base, std::max(base, 2.0 * static_cast<double>(rachaExito_)));
        Long mejor = noCubiertos_;
        std::uint64_t sinMejora = 0, racha = 0;
        elegibles_.resize(k);
        Indexar();
        while (noCubiertos_ > permitidos) {
            if (Parar()) return false;
            if (static_cast<double>(++sinMejora) > paciencia) return false;
            ++movimientos_;
            const Mascara s = mascaraLista_[azar.Hasta(static_cast<std::uint32_t>(lista_.size()))];
            // s is uncovered: no bet shares g positions with it. Those sharing g - 1 come from
            // the index; without any, the closest from a scan.
            std::uint32_t nElegibles = Cercanas(s);
            int maxComun = g_ - 1;
            if (nElegibles == 0) {
                const std::uint64_t cercanas = MasCercanas(apuestas_.data(), k, s, g_ - 1, elegibles_.data());
                maxComun = static_cast<int>(static_cast<std::uint32_t>(cercanas));
                nElegibles = static_cast<std::uint32_t>(cercanas >> 32);
            }
            const std::size_t i = elegibles_[azar.Hasta(nElegibles)];
            const Mascara b = apuestas_[i];
            const unsigned libres = static_cast<unsigned>(5 - maxComun);
            const int x = BitNumero(b & ~s, azar.Hasta(libres));
            const int y = BitNumero(s & ~b, azar.Hasta(libres));
            const Mascara nb = (b & ~(Mascara{1} << x)) | (Mascara{1} << y);
            if (!s_.esCandidato[Rango(nb)]) continue;
            const std::int64_t delta = Delta(b, x, y);
            if (delta > 0 && !AceptarSubida(delta, azar)) continue;
            Reindexar(static_cast<std::uint32_t>(i), b, x, y);
            Mover(i, x, y);
            if (noCubiertos_ < mejor) {
                mejor = noCubiertos_;
                racha = std::max(racha, sinMejora);
                sinMejora = 0;
                alMejorar(noCubiertos_);
            }
        }
        rachaExito_ = std::max(rachaExito_, std::max(racha, sinMejora));
        return true;
    }

    Long Cubiertos() const { return s_.Escenarios() - noCubiertos_; }
    Long NoCubiertos() const { return noCubiertos_; }
    std::vector<Mascara>& Apuestas() { return apuestas_; }
    Puesto& puesto() { return puesto_; }

private:
    // For the annealing (g >= 2), the bets holding each (g-1)-subset of the base: a bet one
    // swap away from covering a scenario holds g - 1 of its numbers, so those bets are found
    // without a scan of all. Rebuilt at each attempt, kept through its moves.
    void Indexar() {
        if (g_ < 2) return;
        if (porSubconjunto_.empty()) {
            porSubconjunto_.resize(Binomio.c[N_][g_ - 1]);
            enUso_.assign(porSubconjunto_.size(), 0);
        }
        for (std::uint32_t r : indexados_) {
            porSubconjunto_[r].clear();
            enUso_[r] = 0;
        }
        indexados_.clear();
        const int t = g_ - 1;
        for (std::uint32_t i = 0; i < apuestas_.size(); ++i) {
            const RangosSub rs(apuestas_[i]);
            for (int j = 0; j < PorTam.nPorTam[t]; ++j) Indexar(rs.r[PorTam.porTam[t][j]], i);
        }
    }
    // Bet i goes from b to b - x + y.
    void Reindexar(std::uint32_t i, Mascara b, int x, int y) {
        if (g_ < 2) return;
        const Mascara nb = (b & ~(Mascara{1} << x)) | (Mascara{1} << y);
        const Posiciones5 viejo(b), nuevo(nb);
        // The subsets of b holding x leave, those of nb holding y come.
        const int t = g_ - 1;
        const int jx = Bits(b & ((Mascara{1} << x) - 1)), jy = Bits(nb & ((Mascara{1} << y) - 1));
        for (int j = 0; j < PorTam.nConIndice[jx][t]; ++j) {
            auto& lista = porSubconjunto_[viejo.Rango(PorTam.conIndice[jx][t][j])];
            lista.erase(std::find(lista.begin(), lista.end(), i));
        }
        for (int j = 0; j < PorTam.nConIndice[jy][t]; ++j) Indexar(nuevo.Rango(PorTam.conIndice[jy][t][j]), i);
    }
    void Indexar(std::uint32_t subconjunto, std::uint32_t i) {
        if (!enUso_[subconjunto]) {
            enUso_[subconjunto] = 1;
            indexados_.push_back(subconjunto);
        }
        porSubconjunto_[subconjunto].push_back(i);
    }
    // The bets holding g - 1 numbers of the uncovered scenario s, into elegibles_.
    std::uint32_t Cercanas(Mascara s) {
        if (g_ < 2) return 0;
        const Posiciones5 ps(s);
        const int t = g_ - 1;
        std::uint32_t n = 0;
        for (int j = 0; j < PorTam.nPorTam[t]; ++j)
            for (std::uint32_t i : porSubconjunto_[ps.Rango(PorTam.porTam[t][j])]) elegibles_[n++] = i;
        return n;
    }

    // The temperature keeps a small share of the rising moves accepted, whatever the size of
    // the rises (they grow as the guarantee falls): it starts at a share of the mean of the
    // first rises and is corrected after every window of rises.
    bool AceptarSubida(std::int64_t delta, Azar& azar) {
        if (T_ == 0) {
            sumaCalibrado_ += static_cast<double>(delta);
            if (++calibradas_ == kCalibrado) FijarTemperatura(kInicial * sumaCalibrado_ / kCalibrado);
            return false;
        }
        const bool aceptar =
            azar.Uniforme() < (delta < kTablaExp ? exp_[delta] : std::exp(-static_cast<double>(delta) / T_));
        aceptadasVentana_ += aceptar;
        if (++ventana_ == kVentana) {
            FijarTemperatura(aceptadasVentana_ < kAceptadasVentana ? T_ * kAjuste : T_ / kAjuste);
            ventana_ = 0;
            aceptadasVentana_ = 0;
        }
        return aceptar;
    }
    void FijarTemperatura(double T) {
        T_ = std::max(T, 1e-3);
        for (int d = 0; d < kTablaExp; ++d) exp_[d] = std::exp(-d / T_);
    }

    // Patience of an attempt: kPaciencia (kPacienciaAl3) times the moves of a solution, within
    // kPacienciaMinima and kPacienciaMaxima.
    static constexpr double kPaciencia = 20, kPacienciaAl3 = 200, kPacienciaMinima = 3000, kPacienciaMaxima = 400000;
    // Temperature: start at kInicial of the mean of the first kCalibrado rises; then, per
    // window of kVentana rises, up by kAjuste when fewer than kAceptadasVentana were
    // accepted, down otherwise.
    static constexpr int kCalibrado = 64;
    static constexpr double kInicial = 0.05, kAjuste = 1.04;
    static constexpr unsigned kVentana = 2000, kAceptadasVentana = 8;
    static constexpr int kTablaExp = 64;
    // The stop is read once per this many + 1 scenarios of a bet's update (a power of two):
    // a few milliseconds apart at most.
    static constexpr std::uint32_t kVecinosEntreLecturas = 4095;

    const Sistema& s_;
    int N_, g_;
    const std::atomic<bool>& parar_;
    Puesto& puesto_;
    double esfuerzo_;

    std::vector<std::uint64_t> monton_;
    bool criticos_ = false;
    std::vector<std::uint32_t> cuenta_;
    std::vector<std::uint8_t> U5_, W5_;
    std::vector<std::int32_t> U_[5], W_[5];
    Long noCubiertos_ = 0;
    std::vector<std::uint32_t> lista_;
    std::vector<Mascara> mascaraLista_;
    std::vector<std::int32_t> posLista_;
    std::vector<Mascara> apuestas_;
    std::vector<std::uint32_t> elegibles_;
    std::vector<std::vector<std::uint32_t>> porSubconjunto_;
    std::vector<std::uint32_t> indexados_;  // the subsets whose list may hold bets
    std::vector<std::uint8_t> enUso_;       // and a flag for each of them

    double T_ = 0, sumaCalibrado_ = 0;
    int calibradas_ = 0;
    unsigned ventana_ = 0, aceptadasVentana_ = 0;
    double exp_[kTablaExp] = {};
    std::uint64_t rachaExito_ = 0, movimientos_ = 0;
};

// What a cycle leaves: its best result, its first greedy pass and its moves.
struct ResultadoCiclo {
    Solucion mejor;
    Long apuestasPase = 0, cubiertosPase = 0;
    std::uint64_t movimientos = 0;
    double segundos = 0;
    bool completo = false;  // ran to its own end
};

// A split of the base into parts (2 for g = 3, 4 for g = 2) so that every draw has g numbers
// in one of them; a first greedy pass takes only bets lying inside one part, then the usual
// pass covers what is left. Bets confined to a part meet each other's draws more often, which
// at 25 numbers and more gives far fewer bets than the plain pass (30 numbers "al 3": 130
// against 177).
bool PaseConPartes(Motor& motor, const Sistema& sis, const Criterio& cr, const std::vector<std::uint32_t>& orden,
                   Azar& azar) {
    std::vector<int> pos(static_cast<std::size_t>(sis.N));
    std::iota(pos.begin(), pos.end(), 0);
    for (std::size_t i = pos.size(); i > 1; --i) std::swap(pos[i - 1], pos[azar.Hasta(static_cast<std::uint32_t>(i))]);
    std::vector<Mascara> parte(static_cast<std::size_t>(cr.partes), 0);
    for (std::size_t i = 0; i < pos.size(); ++i) parte[i % static_cast<std::size_t>(cr.partes)] |= Mascara{1} << pos[i];
    std::vector<std::uint32_t> dentro;
    for (std::uint32_t c : orden) {
        const Mascara m = sis.candidatos[c];
        for (Mascara p : parte)
            if ((m & p) == m) {
                dentro.push_back(c);
                break;
            }
    }
    return motor.Voraz(dentro, cr.objetivoCubiertos, cr.maxApuestas) &&
           motor.Voraz(orden, cr.objetivoCubiertos, cr.maxApuestas, false);
}

// One cycle, from its number alone: a greedy pass from its own order (the candidates' order
// for cycle 1, a shuffle of it after), then, with the improvement step, redundant bets dropped
// and annealing for one bet fewer (or, with a number of bets, for more scenarios covered)
// until an attempt gives up or a bound is reached.
ResultadoCiclo EjecutarCiclo(Motor& motor, const Sistema& sis, const Criterio& cr, Long ciclo, double desde) {
    const auto inicio = Reloj::now();
    ResultadoCiclo r;
    Puesto& puesto = motor.puesto();
    auto Registrar = [&] {
        if (!cr.Mejor(motor.Apuestas().size(), motor.Cubiertos(), r.mejor.apuestas.size(), r.mejor.cubiertos))
            return false;
        r.mejor.apuestas = motor.Apuestas();
        r.mejor.cubiertos = motor.Cubiertos();
        puesto.mejorApuestas.store(static_cast<Long>(r.mejor.apuestas.size()), std::memory_order_relaxed);
        puesto.mejorCubiertos.store(r.mejor.cubiertos, std::memory_order_relaxed);
        return true;
    };
    auto Fin = [&](bool completo) {
        r.completo = completo && !motor.Parar();
        r.movimientos = motor.Movimientos();
        r.segundos = std::chrono::duration<double>(Reloj::now() - inicio).count();
        return r;
    };
    puesto.fase.store(0, std::memory_order_relaxed);
    puesto.apuestas.store(0, std::memory_order_relaxed);
    puesto.cubiertos.store(0, std::memory_order_relaxed);
    puesto.fraccion.store(0, std::memory_order_relaxed);
    puesto.mejorApuestas.store(0, std::memory_order_relaxed);
    puesto.mejorCubiertos.store(-1, std::memory_order_relaxed);
    puesto.inicio.store(desde, std::memory_order_relaxed);
    puesto.ciclo.store(ciclo, std::memory_order_relaxed);
    motor.NuevoCiclo();

    Azar azar(cr.semilla + static_cast<std::uint64_t>(ciclo) * 0x9E3779B97F4A7C15ull);
    std::vector<std::uint32_t> orden(static_cast<std::size_t>(sis.Candidatos()));
    std::iota(orden.begin(), orden.end(), 0u);
    if (ciclo > 1)
        for (std::size_t i = orden.size(); i > 1; --i) {
            // Large systems take a while here: the stop is looked at now and then.
            if ((i & 0xFFFF) == 0 && motor.Parar()) return Fin(false);
            std::swap(orden[i - 1], orden[azar.Hasta(static_cast<std::uint32_t>(i))]);
        }
    motor.Reiniciar(cr.mejora);
    if (motor.Parar()) return Fin(false);
    const bool conPartes = cr.partes > 1 && ciclo % 2 == 1 && ciclo > 1;
    const bool terminado = conPartes ? PaseConPartes(motor, sis, cr, orden, azar)
                                     : motor.Voraz(orden, cr.objetivoCubiertos, cr.maxApuestas);
    // Stopped inside the pass: what it has chosen so far.
    Registrar();
    if (!terminado) return Fin(false);
    r.apuestasPase = static_cast<Long>(motor.Apuestas().size());
    r.cubiertosPase = motor.Cubiertos();
    if (!cr.ciclos) return Fin(true);
    if (ciclo == 1 && cr.partes > 1) {
        // The structured start right away (later cycles alternate); the local search goes on
        // from the better of the two.
        Azar azarPartes(cr.semilla ^ 0xC0FFEE5EEDull);
        motor.Reiniciar(cr.mejora);
        if (!PaseConPartes(motor, sis, cr, orden, azarPartes)) return Fin(false);
        if (!Registrar() && !motor.Rehacer(r.mejor.apuestas, cr.mejora)) return Fin(false);
    }
    if (!cr.mejora || cr.Optimo(r.mejor.apuestas.size(), r.mejor.cubiertos)) return Fin(true);

    puesto.fase.store(1, std::memory_order_relaxed);
    const Long S = sis.Escenarios();
    const Long permitidos = S - cr.objetivoCubiertos;
    auto Seguir = [&](Long nc) {
        puesto.apuestas.store(static_cast<Long>(motor.Apuestas().size()), std::memory_order_relaxed);
        puesto.cubiertos.store(S - nc, std::memory_order_relaxed);
    };
    bool reducir = !cr.modoApuestas || motor.NoCubiertos() == 0;
    if (!reducir) {
        // A fixed number of bets: cover as many scenarios as possible, up to the bound.
        motor.Recocido(S - cr.cotaCubiertos, azar, [&](Long nc) {
            Seguir(nc);
            Registrar();
        });
        if (motor.Parar()) return Fin(false);
        reducir = motor.NoCubiertos() == 0;
    }
    if (reducir && motor.NoCubiertos() <= permitidos) {
        motor.QuitarRedundantes(permitidos);
        Registrar();
        // An attempt that gives up starts again from the cycle's best with another bet taken
        // out, at random, a few times before the cycle ends.
        constexpr int kReintentos = 2;
        int reintentos = 0;
        while (!motor.Parar() && static_cast<Long>(motor.Apuestas().size()) > std::max<Long>(1, cr.cotaApuestas)) {
            if (reintentos == 0) motor.QuitarLaMenosUtil();
            else motor.QuitarAlAzar(azar);
            Seguir(motor.NoCubiertos());
            if (!motor.Recocido(permitidos, azar, Seguir)) {
                if (++reintentos > kReintentos || !motor.Rehacer(r.mejor.apuestas, cr.mejora)) break;
                continue;
            }
            reintentos = 0;
            motor.QuitarRedundantes(permitidos);
            Registrar();
        }
    }
    return Fin(true);
}

// Lower bounds on the bets of a full system (every 5-set of the N numbers a scenario and a
// candidate) that covers all of it at guarantee g, from the g-sets the bets hold: every 5-set
// must contain one of them.
//  - g = 1: the bets must hold all numbers but 4.
//  - g = 2: a 5-set meeting every bet in at most one number exists unless the bets, joined
//    into groups that share numbers, leave at most 4 groups and loose numbers; b bets in c
//    groups hold at most 4b + c numbers: b >= (N - 4) / 4. Also the pairs: a graph on N
//    points without 5 independent ones has at least the edges of 4 cliques as equal as
//    possible (Turán), and a bet holds 10 pairs.
//  - g = 3, 4: the fewest g-sets such that every 5-set contains one, T(N), satisfies
//    T(n) >= n T(n-1) / (n - g) with T(5) = 1 (every n-1 of the numbers need their own),
//    and a bet holds C(5, g) of them.
Long CotaSistemaCompleto(int N, int g) {
    auto Techo = [](std::int64_t a, std::int64_t b) { return static_cast<Long>((a + b - 1) / b); };
    switch (g) {
    case 1: return Techo(N - 4, 5);
    case 2: {
        std::int64_t aristas = 0;
        for (int i = 0; i < 4; ++i) {
            const std::int64_t n = (N + i) / 4;  // the 4 parts as equal as possible
            aristas += n * (n - 1) / 2;
        }
        return std::max(Techo(N - 4, 4), Techo(aristas, 10));
    }
    case 3:
    case 4: {
        std::int64_t T = 1;
        for (int n = 6; n <= N; ++n) T = (n * T + (n - g) - 1) / (n - g);
        return Techo(T, Binomio.c[5][g]);
    }
    default: return static_cast<Long>(Binomio.c[N][5]);
    }
}

// The caller's thread while workers run: it waits for news, calls the progress function at
// least every 40 ms and reads the stop flag after each call; the stop flag or the time limit
// set parar, which every worker reads.
class Coordinador {
public:
    Coordinador(const bool* detener, const FuncionProgreso& progreso, double segundos)
        : detener_(detener), progreso_(progreso), inicio_(Reloj::now()) {
        if (segundos > 0)
            limite_ = inicio_ + std::chrono::duration_cast<Reloj::duration>(std::chrono::duration<double>(segundos));
    }
    ProgresoReduccion estado;
    std::atomic<bool> parar{false};
    bool Detenido() const { return detenido_; }

    // Runs trabajo(i) on n threads. Meanwhile revisar() runs at each piece of news and at
    // least every 40 ms, then the progress function. Rethrows a worker's exception.
    void Ejecutar(int n, const std::function<void(int)>& trabajo, const std::function<void()>& revisar) {
        std::vector<std::exception_ptr> fallos(static_cast<std::size_t>(n));
        std::vector<std::thread> hilos;
        int vivos = 0;
        auto Terminar = [&] {
            for (auto& h : hilos) h.join();
            for (auto& f : fallos)
                if (f) std::rethrow_exception(f);
        };
        try {
            for (int i = 0; i < n; ++i) {
                hilos.emplace_back([&, i] {
                    try {
                        trabajo(i);
                    } catch (...) {
                        fallos[static_cast<std::size_t>(i)] = std::current_exception();
                        parar = true;
                    }
                    std::lock_guard<std::mutex> l(m_);
                    --vivos;
                    aviso_ = true;
                    cv_.notify_one();
                });
                std::lock_guard<std::mutex> l(m_);
                ++vivos;
            }
        } catch (...) {
            parar = true;
            Terminar();
            throw;
        }
        try {
            if (revisar) revisar();
            Informar();
            auto ultimo = Reloj::now();
            for (;;) {
                bool fin;
                {
                    std::unique_lock<std::mutex> l(m_);
                    cv_.wait_for(l, std::chrono::milliseconds(40), [&] { return aviso_; });
                    aviso_ = false;
                    fin = vivos == 0;
                }
                if (revisar) revisar();
                if (fin) break;
                const auto ahora = Reloj::now();
                if (limite_ != Reloj::time_point{} && ahora >= limite_) Parar(true);
                if (ahora - ultimo >= std::chrono::milliseconds(40)) {
                    ultimo = ahora;
                    Informar();
                }
            }
        } catch (...) {
            // A failure on this thread (the progress function, the merge) ends the workers
            // before it goes on: a running thread must never be left behind.
            parar = true;
            for (auto& h : hilos) h.join();
            throw;
        }
        Terminar();
    }
    // A worker has news (a cycle done).
    void Avisar() {
        std::lock_guard<std::mutex> l(m_);
        aviso_ = true;
        cv_.notify_one();
    }
    // Calls the progress function now and reads the stop flag.
    void Informar() {
        if (progreso_) progreso_(estado);
        if (detener_ && *detener_) Parar(true);
    }
    // Every worker ends; por usuario: by the stop flag or the time limit.
    void Parar(bool porUsuario) {
        parar = true;
        if (porUsuario) detenido_ = true;
    }
    double Segundos() const { return std::chrono::duration<double>(Reloj::now() - inicio_).count(); }

private:
    const bool* detener_;
    const FuncionProgreso& progreso_;
    Reloj::time_point inicio_, limite_{};
    bool detenido_ = false;
    std::mutex m_;
    std::condition_variable cv_;
    bool aviso_ = false;
};

Posiciones PosicionesDe(Mascara m) {
    Posiciones p{};
    for (int i = 0; i < 5; ++i) {
        p[static_cast<std::size_t>(i)] = static_cast<Byte>(std::countr_zero(m) + 1);
        m &= m - 1;
    }
    return p;
}

// Worker threads: the one asked for, else one per core; no more than the memory of a large
// system allows (about 640 MB of workers' state in all).
int HilosPara(const ParametrosReduccion& par, const Sistema& sis) {
    int n = par.Hilos > 0 ? par.Hilos : static_cast<int>(std::thread::hardware_concurrency());
    n = std::clamp(n, 1, 64);
    const int porMemoria = static_cast<int>(640e6 / std::max(1.0, sis.MemoriaPorHilo()));
    return std::max(1, std::min(n, porMemoria));
}

}  // namespace

ResultadoReduccion Reducir(int N, const Tabla<Byte>& escenarios, const Tabla<Byte>& candidatos,
                           const ParametrosReduccion& par, const bool* detener,
                           const FuncionProgreso& progreso) {
    ResultadoReduccion res;
    if (N < 5 || N > NMaximo) return res;
    const int g = std::clamp(par.Garantia, 1, 5);
    const bool modoApuestas = par.ModoNuApuestas;
    const int porcentaje = (par.Porcentaje < 1 || par.Porcentaje > 100) ? 100 : par.Porcentaje;
    const Long nuApuestas = std::max<Long>(1, par.NuApuestas);

    Coordinador co(detener, progreso, par.SegundosMaximos);
    ProgresoReduccion& estado = co.estado;
    // The bar never moves back: preparing takes its first share, the first pass the next one
    // (all the rest without cycles); with cycles the rest goes toward the expected end.
    constexpr double kPreparar = 0.05, kPrimerPaseConCiclos = 0.1;
    const double finPrimerPase = par.Ciclos ? kPrimerPaseConCiclos : 1.0;
    auto Avanzar = [&](double f) { estado.Fraccion = std::max(estado.Fraccion, std::min(f, 1.0)); };
    auto Terminar = [&] {
        estado.fase = ProgresoReduccion::Fase::Terminado;
        estado.MejorApuestas = static_cast<Long>(res.Apuestas.size());
        estado.MejorCubiertos = res.Cubiertos;
        estado.Fraccion = 1;
        estado.SegundosRestantes = 0;
        co.Informar();
        return res;
    };
    co.Informar();

    // Preparing, on a worker: the scenarios and candidates, then every candidate's weight,
    // shared out among the workers.
    Sistema sis(N, g);
    std::atomic<double> leido{0};
    bool cargado = false;
    co.Ejecutar(
        1, [&](int) { cargado = sis.Cargar(escenarios, candidatos, co.parar, leido); },
        [&] { Avanzar(kPreparar * 0.5 * leido.load(std::memory_order_relaxed)); });
    if (!cargado) {
        // Stopped while the system was read: nothing to keep.
        res.Detenido = true;
        return Terminar();
    }
    const Long S = sis.Escenarios();
    res.Escenarios = S;
    const Long objetivoCubiertos =
        modoApuestas ? S : static_cast<Long>((static_cast<std::int64_t>(S) * porcentaje + 99) / 100);
    res.Objetivo = modoApuestas ? nuApuestas : objetivoCubiertos;
    estado.Escenarios = S;
    estado.Objetivo = res.Objetivo;
    if (S == 0 || sis.Candidatos() == 0) return Terminar();
    if (co.parar) {
        res.Detenido = true;
        return Terminar();
    }

    const int hilos = HilosPara(par, sis);
    res.Hilos = hilos;
    estado.Hilos = hilos;
    sis.pesos.resize(sis.candidatos.size());
    {
        std::atomic<std::size_t> siguiente{0}, hechos{0};
        constexpr std::size_t kTrozo = 4096;
        co.Ejecutar(
            hilos,
            [&](int) {
                for (;;) {
                    const std::size_t desde = siguiente.fetch_add(kTrozo);
                    if (desde >= sis.candidatos.size() || co.parar) return;
                    const std::size_t hasta = std::min(sis.candidatos.size(), desde + kTrozo);
                    for (std::size_t i = desde; i < hasta; ++i) sis.pesos[i] = sis.PesoInicial(sis.candidatos[i]);
                    hechos.fetch_add(hasta - desde);
                }
            },
            [&] {
                Avanzar(kPreparar * (0.5 + 0.5 * static_cast<double>(hechos.load()) /
                                                 static_cast<double>(sis.candidatos.size())));
            });
        if (co.parar) {
            res.Detenido = true;
            return Terminar();
        }
    }

    // The target and the bounds.
    Criterio cr;
    cr.modoApuestas = modoApuestas;
    cr.escenarios = S;
    cr.objetivoCubiertos = objetivoCubiertos;
    cr.maxApuestas = modoApuestas ? nuApuestas : 0x7FFFFFFF;
    cr.ciclos = par.Ciclos;
    cr.mejora = par.Ciclos && par.MejoraLocal && g < 5;
    cr.partes = (g == 2 || g == 3) && par.Ciclos ? 4 / (g - 1) : 1;
    cr.semilla = par.Aleatorio ? static_cast<std::uint64_t>(Reloj::now().time_since_epoch().count()) : 0x5EED0001ull;
    {
        // k bets cover no more than the k largest weights: the fewest bets whose weights reach
        // the target, and what the bets target's number of bets can reach.
        std::vector<std::uint32_t> w = sis.pesos;
        std::sort(w.begin(), w.end(), std::greater<>());
        std::int64_t suma = 0;
        Long k = 0, cota = 0x7FFFFFFF;
        for (std::uint32_t x : w) {
            suma += x;
            ++k;
            if (k == nuApuestas) cr.cotaCubiertos = static_cast<Long>(std::min<std::int64_t>(suma, S));
            if (suma >= objetivoCubiertos) {
                cota = k;
                break;
            }
        }
        if (cr.cotaCubiertos == 0) cr.cotaCubiertos = static_cast<Long>(std::min<std::int64_t>(suma, S));
        const bool completo = S == static_cast<Long>(sis.total5) && sis.Candidatos() == S;
        if (completo && objetivoCubiertos == S) cota = std::max(cota, CotaSistemaCompleto(N, g));
        cr.cotaApuestas = cota;
        // Fewer bets than it takes to cover everything leave at least one scenario out.
        if (modoApuestas && nuApuestas < cota) cr.cotaCubiertos = std::min(cr.cotaCubiertos, S - 1);
        res.CotaApuestas = cota;
    }

    // The cycles, on the workers; their results are taken in cycle order.
    std::vector<std::unique_ptr<Puesto>> puestos;
    for (int i = 0; i < hilos; ++i) puestos.push_back(std::make_unique<Puesto>());
    std::mutex mResultados;
    std::vector<std::unique_ptr<ResultadoCiclo>> resultados;  // by cycle - 1
    std::atomic<Long> siguienteCiclo{1};
    const Long ultimoCiclo = par.Ciclos ? 0x7FFFFFFF : 1;
    const int hilosCiclos = par.Ciclos ? hilos : 1;
    const double esfuerzo = par.Esfuerzo > 0 ? par.Esfuerzo : 1;

    Solucion mejor;
    Long mejorCiclo = 0, procesados = 0;
    bool fin = false;
    // Seconds of each cycle that ran to its end, by kind (under mResultados): with the base
    // split, the cycles that start from the parts (the odd ones) take several times longer.
    auto Clase = [&](Long c) { return cr.partes > 1 && c % 2 == 1 ? 1 : 0; };
    std::vector<double> duraciones[2];
    // Cycles without a better result before the end, the best having come in cycle m: the
    // parameter's count, or half the cycles it took to find the best, whichever is more.
    auto PermitidosTras = [&](Long m) { return std::max<Long>(par.CiclosSinMejora, (m + 1) / 2); };
    auto Procesar = [&](const ResultadoCiclo& r, Long c) {
        if (c == 1) {
            res.ApuestasPrimerPase = r.apuestasPase;
            res.CubiertosPrimerPase = r.cubiertosPase;
        }
        if (cr.Mejor(r.mejor, mejor)) {
            mejor = r.mejor;
            mejorCiclo = c;
        }
        procesados = c;
        if (!par.Ciclos || cr.Optimo(mejor.apuestas.size(), mejor.cubiertos) ||
            (par.CiclosSinMejora > 0 && c - mejorCiclo >= PermitidosTras(mejorCiclo)))
            fin = true;
    };
    double ultimaMedida = -1;  // when the bar last moved toward the expected end
    auto Revisar = [&] {
        // What is known beyond the cycles taken: the results of those done and still waiting
        // for a lower one, and so far of those under way.
        struct Conocido {
            Long ciclo;
            std::size_t apuestas;
            Long cubiertos;
            double llevado;  // under way: seconds so far; done: -1
        };
        std::vector<Conocido> conocidos;
        std::vector<double> tiempos[2];
        const Puesto* esperado = nullptr;
        const double ahora = co.Segundos();
        {
            std::lock_guard<std::mutex> l(mResultados);
            while (!fin && static_cast<std::size_t>(procesados) < resultados.size() && resultados[procesados] &&
                   resultados[procesados]->completo) {
                auto& r = resultados[static_cast<std::size_t>(procesados)];
                Procesar(*r, procesados + 1);
                r.reset();  // what counts of it is in mejor now
            }
            tiempos[0] = duraciones[0];
            tiempos[1] = duraciones[1];
            for (std::size_t i = static_cast<std::size_t>(procesados); i < resultados.size(); ++i)
                if (const auto& r = resultados[i]; r && r->completo)
                    conocidos.push_back({static_cast<Long>(i) + 1, r->mejor.apuestas.size(), r->mejor.cubiertos, -1});
            // Read under the lock: a cycle is under way until its result is stored.
            for (const auto& p : puestos) {
                const Long c = p->ciclo.load(std::memory_order_relaxed);
                if (c <= procesados || (static_cast<std::size_t>(c) <= resultados.size() && resultados[c - 1])) continue;
                conocidos.push_back({c, static_cast<std::size_t>(p->mejorApuestas.load(std::memory_order_relaxed)),
                                     p->mejorCubiertos.load(std::memory_order_relaxed),
                                     ahora - p->inicio.load(std::memory_order_relaxed)});
                if (c == procesados + 1) esperado = p.get();
            }
        }
        if (fin && !co.parar) co.Parar(false);  // the cycles beyond the end are not needed
        std::sort(conocidos.begin(), conocidos.end(), [](const Conocido& x, const Conocido& y) { return x.ciclo < y.ciclo; });

        // The best known, what a stop would keep.
        std::size_t mejorA = mejor.apuestas.size();
        Long mejorC = mejor.cubiertos;
        for (const auto& k : conocidos)
            if (cr.Mejor(k.apuestas, k.cubiertos, mejorA, mejorC)) {
                mejorA = k.apuestas;
                mejorC = k.cubiertos;
            }
        // The last cycle needed if no better result than those known comes: results are taken
        // in cycle order, and each better one moves the end (or, at a bound, brings it now).
        Long hasta = 1;
        if (par.Ciclos) {
            std::size_t a = mejor.apuestas.size();
            Long cub = mejor.cubiertos;
            const Long m = std::max<Long>(1, mejorCiclo);  // cycle 1 is better than nothing
            hasta = m + PermitidosTras(m);
            for (const auto& k : conocidos) {
                if (k.ciclo > hasta) break;
                if (!cr.Mejor(k.apuestas, k.cubiertos, a, cub)) continue;
                a = k.apuestas;
                cub = k.cubiertos;
                if (cr.Optimo(a, cub)) {
                    hasta = k.ciclo;
                    break;
                }
                hasta = std::max(hasta, k.ciclo + PermitidosTras(k.ciclo));
            }
        }

        estado.Ciclo = procesados + 1;
        estado.CiclosCompletados = procesados;
        if (mejorC >= 0) {
            estado.MejorApuestas = static_cast<Long>(mejorA);
            estado.MejorCubiertos = mejorC;
        }
        if (esperado) {
            estado.ApuestasElegidas = esperado->apuestas.load(std::memory_order_relaxed);
            estado.Cubiertos = esperado->cubiertos.load(std::memory_order_relaxed);
        }
        const bool enPase = !esperado || esperado->fase.load(std::memory_order_relaxed) == 0;
        estado.fase = enPase ? ProgresoReduccion::Fase::Voraz : ProgresoReduccion::Fase::Mejora;

        // The time until the cycles end by themselves, once some cycle has run to its end,
        // from the cycles done of the same kind (of the other while there are none): the
        // cycles under way need what those that ran longer took beyond that point (those
        // running longer than any, as long again as they are over the mean), and those up to
        // the end not yet started take the mean each, in order, as threads come free.
        estado.SegundosRestantes = -1;
        if (par.Ciclos && par.CiclosSinMejora > 0 && !(tiempos[0].empty() && tiempos[1].empty())) {
            auto De = [&](Long c) -> const std::vector<double>& {
                const int k = Clase(c);
                return tiempos[k].empty() ? tiempos[1 - k] : tiempos[k];
            };
            auto Media = [&](Long c) {
                double suma = 0;
                for (double t : De(c)) suma += t;
                return suma / static_cast<double>(De(c).size());
            };
            auto Falta = [&](Long c, double llevado) {
                double suma = 0;
                int n = 0;
                for (double t : De(c))
                    if (t > llevado) {
                        suma += t - llevado;
                        ++n;
                    }
                return n > 0 ? suma / n : std::max(0.1 * Media(c), llevado - Media(c));
            };
            std::vector<double> libre(static_cast<std::size_t>(hilosCiclos), 0.0);
            std::size_t ocupados = 0;
            double falta = 0;
            for (const auto& k : conocidos) {
                if (k.llevado < 0) continue;
                const double f = Falta(k.ciclo, k.llevado);
                if (ocupados < libre.size()) libre[ocupados++] = f;
                if (k.ciclo <= hasta) falta = std::max(falta, f);
            }
            auto conocido = conocidos.begin();
            for (Long c = procesados + 1; c <= hasta; ++c) {
                while (conocido != conocidos.end() && conocido->ciclo < c) ++conocido;
                if (conocido != conocidos.end() && conocido->ciclo == c) continue;
                const auto primero = std::min_element(libre.begin(), libre.end());
                *primero += Media(c);
                falta = std::max(falta, *primero);
            }
            estado.SegundosRestantes = falta;
        }
        // The bar: the first pass by its share done until the time left is known; then on
        // toward the end at the pace that reaches it then, so a later end only slows it.
        if (estado.SegundosRestantes >= 0) {
            const double r = estado.SegundosRestantes;
            if (ultimaMedida < 0) Avanzar(std::min(0.99, ahora / std::max(1e-9, ahora + r)));
            else {
                const double dt = ahora - ultimaMedida;
                Avanzar(std::min(0.99, estado.Fraccion + (1 - estado.Fraccion) * dt / std::max(1e-9, dt + r)));
            }
            ultimaMedida = ahora;
        } else if (esperado && enPase && procesados == 0) {
            Avanzar(kPreparar + (finPrimerPase - kPreparar) * esperado->fraccion.load(std::memory_order_relaxed));
        }
    };
    estado.fase = ProgresoReduccion::Fase::Voraz;
    co.Ejecutar(
        hilosCiclos,
        [&](int i) {
            Puesto& puesto = *puestos[static_cast<std::size_t>(i)];
            std::unique_ptr<Motor> motor;
            for (;;) {
                const Long c = siguienteCiclo.fetch_add(1);
                if (c > ultimoCiclo || co.parar) break;
                if (!motor) motor = std::make_unique<Motor>(sis, co.parar, puesto, esfuerzo);
                auto r = std::make_unique<ResultadoCiclo>(EjecutarCiclo(*motor, sis, cr, c, co.Segundos()));
                {
                    std::lock_guard<std::mutex> l(mResultados);
                    if (r->completo) duraciones[Clase(c)].push_back(r->segundos);
                    if (resultados.size() < static_cast<std::size_t>(c)) resultados.resize(static_cast<std::size_t>(c));
                    resultados[static_cast<std::size_t>(c - 1)] = std::move(r);
                }
                puesto.ciclo.store(0, std::memory_order_relaxed);
                co.Avisar();
            }
        },
        Revisar);

    res.Ciclos = procesados;
    if (!fin) {
        // Stopped (or out of time): the best of every cycle, done or not, the lowest cycle first.
        res.Detenido = true;
        for (const auto& r : resultados)
            if (r && cr.Mejor(r->mejor, mejor)) mejor = r->mejor;
        if (procesados == 0 && !resultados.empty() && resultados[0]) {
            res.ApuestasPrimerPase = resultados[0]->apuestasPase;
            res.CubiertosPrimerPase = resultados[0]->cubiertosPase;
        }
    }
    if (mejor.cubiertos >= 0) {
        res.Cubiertos = mejor.cubiertos;
        res.Apuestas.reserve(mejor.apuestas.size());
        for (Mascara m : mejor.apuestas) res.Apuestas.push_back(PosicionesDe(m));
        std::sort(res.Apuestas.begin(), res.Apuestas.end());
    }
    return Terminar();
}

Long ContarCubiertos(int N, const Tabla<Byte>& escenarios, const std::vector<Posiciones>& apuestas,
                     int garantia) {
    if (N < 5 || N > NMaximo || escenarios.Vacia() || escenarios.LBound2() > 1 || escenarios.UBound2() < 5)
        return 0;
    const int g = std::clamp(garantia, 1, 5);
    // 1: covered; 2: covered and already counted.
    std::vector<std::uint8_t> marca(Binomio.c[N][5], 0);
    int dentro[5], fuera[64];
    for (const Posiciones& a : apuestas) {
        Mascara b = 0;
        bool valida = true;
        for (int c = 0; c < 5; ++c) {
            const int p = a[static_cast<std::size_t>(c)];
            if (p < 1 || p > N || (b >> (p - 1) & 1)) valida = false;
            else b |= Mascara{1} << (p - 1);
        }
        if (!valida) continue;
        int nf = 0;
        for (int p = 0, k = 0; p < N; ++p) {
            if (b >> p & 1) dentro[k++] = p;
            else fuera[nf++] = p;
        }
        for (int j = g; j <= 5; ++j)
            Combinar(dentro, 5, j, 0, [&](Mascara A) {
                Combinar(fuera, nf, 5 - j, A, [&](Mascara s) { marca[Rango(s)] = 1; });
            });
    }
    Long cubiertos = 0;
    for (long f = escenarios.LBound1(); f <= escenarios.UBound1(); ++f) {
        Mascara m;
        if (!Sistema::MascaraDeFila(escenarios, f, N, m)) continue;
        std::uint8_t& v = marca[Rango(m)];
        if (v == 1) {
            ++cubiertos;
            v = 2;
        }
    }
    return cubiertos;
}

}  // namespace modReduccion
