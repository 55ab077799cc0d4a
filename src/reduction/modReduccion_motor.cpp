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
#include <bit>
#include <chrono>
#include <cmath>
#include <cstring>
#include <numeric>

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

// The bets sharing most positions with s: their indices into elegibles (sized for all bets,
// count in the result's high half), the positions shared in the low half.
template <typename Contar>
inline std::uint64_t MasCercanasCon(const Mascara* apuestas, std::size_t k, Mascara s,
                                    std::uint32_t* elegibles, Contar contar) {
    int maximo = -1;
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < k; ++i) {
        const int c = contar(apuestas[i] & s);
        if (c > maximo) {
            maximo = c;
            n = 0;
        }
        if (c == maximo) elegibles[n++] = static_cast<std::uint32_t>(i);
    }
    return (std::uint64_t{n} << 32) | static_cast<std::uint32_t>(maximo);
}
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("popcnt"))) std::uint64_t MasCercanasPopcnt(const Mascara* a, std::size_t k, Mascara s,
                                                                    std::uint32_t* e) {
    return MasCercanasCon(a, k, s, e, [](Mascara m) { return __builtin_popcountll(m); });
}
const bool HayPopcnt = __builtin_cpu_supports("popcnt");
#else
std::uint64_t MasCercanasPopcnt(const Mascara* a, std::size_t k, Mascara s, std::uint32_t* e) {
    return MasCercanasCon(a, k, s, e, Bits);
}
const bool HayPopcnt = false;
#endif
// The scan runs at every move of the local search: the processor's popcount where there is one.
inline std::uint64_t MasCercanas(const Mascara* a, std::size_t k, Mascara s, std::uint32_t* e) {
    return HayPopcnt ? MasCercanasPopcnt(a, k, s, e) : MasCercanasCon(a, k, s, e, Bits);
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

// Progress, stop flag and time limit. Latido() is cheap: it looks at the clock every 64 calls
// and calls the progress function about every 40 ms.
class Control {
public:
    Control(const bool* detener, const FuncionProgreso& progreso, double segundos)
        : detener_(detener), progreso_(progreso), inicio_(Reloj::now()), ultimo_(inicio_) {
        if (segundos > 0)
            limite_ = inicio_ + std::chrono::duration_cast<Reloj::duration>(std::chrono::duration<double>(segundos));
    }
    ProgresoReduccion estado;

    bool Latido() {
        if (parar_) return true;
        if (++pulsos_ & 63) return false;
        const auto ahora = Reloj::now();
        if (limite_ != Reloj::time_point{} && ahora >= limite_) parar_ = true;
        if (ahora - ultimo_ >= std::chrono::milliseconds(40)) Informar(ahora);
        return parar_;
    }
    // Calls the progress function now (at the end of a phase, a new best result...).
    void Informar() { Informar(Reloj::now()); }
    bool Parar() const { return parar_; }

private:
    void Informar(Reloj::time_point ahora) {
        ultimo_ = ahora;
        if (progreso_) progreso_(estado);
        if (detener_ && *detener_) parar_ = true;
    }
    const bool* detener_;
    const FuncionProgreso& progreso_;
    Reloj::time_point inicio_, ultimo_, limite_{};
    unsigned pulsos_ = 0;
    bool parar_ = false;
};

struct Solucion {
    std::vector<Mascara> apuestas;
    Long cubiertos = -1;  // -1: none
};

class Motor {
public:
    // porCubiertos: the target is a share of the scenarios (else a number of bets); esfuerzo
    // scales how long each local-search attempt insists.
    Motor(int N, int g, bool porCubiertos, double esfuerzo, Control& control)
        : N_(N), g_(g), porCubiertos_(porCubiertos), esfuerzo_(esfuerzo), control_(control) {
        total5_ = Binomio.c[N][5];
        for (int t = 1; t <= 4; ++t) {
            U_[t].assign(t >= g ? Binomio.c[N][t] : 0, 0);
        }
        esEscenario_.assign(total5_, 0);
        esCandidato_.assign(total5_, 0);
        for (int t = 1; t <= 5; ++t) coef_[t] = 0;
        for (int t = g; t <= 5; ++t)
            coef_[t] = (((t - g) & 1) ? -1 : 1) * static_cast<int>(Binomio.c[t - 1][g - 1]);
        for (unsigned m = 1; m < 31; ++m)
            if (Bits(m) >= g) {
                subMedios_.push_back(static_cast<std::uint8_t>(m));
                subTam_.push_back(static_cast<std::uint8_t>(Bits(m)));
            }
    }

    // Reads the rows of a table; returns false for a row that is not a valid combination.
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

    void CargarEscenarios(const Tabla<Byte>& t) { CargarDistintas(t, esEscenario_, escenarios_); }
    void CargarCandidatos(const Tabla<Byte>& t) { CargarDistintas(t, esCandidato_, candidatos_); }
    // The valid rows of t not yet in lista, each once (marca flags them by rank).
    void CargarDistintas(const Tabla<Byte>& t, std::vector<std::uint8_t>& marca, std::vector<Mascara>& lista) {
        if (t.Vacia() || t.LBound2() > 1 || t.UBound2() < 5) return;
        for (long f = t.LBound1(); f <= t.UBound1(); ++f) {
            if ((f & 4095) == 0) control_.Latido();
            Mascara m;
            if (!MascaraDeFila(t, f, N_, m)) continue;
            const std::uint32_t r = Rango(m);
            if (marca[r]) continue;
            marca[r] = 1;
            lista.push_back(m);
        }
    }
    Long Escenarios() const { return static_cast<Long>(escenarios_.size()); }
    const std::vector<Mascara>& ListaCandidatos() const { return candidatos_; }

    // Counters and bets as the given bets leave them.
    bool Rehacer(const std::vector<Mascara>& apuestas, bool criticos) {
        if (!Reiniciar(criticos)) return false;
        apuestas_ = apuestas;
        for (Mascara b : apuestas_)
            if (!PonerApuesta(b, +1)) return false;
        return true;
    }
    Long Candidatos() const { return static_cast<Long>(candidatos_.size()); }

    // Counters back to "nothing covered". criticos: keep W as well (for the local search).
    bool Reiniciar(bool criticos) {
        criticos_ = criticos;
        cuenta_.assign(total5_, 0);
        U5_.assign(total5_, 0);
        W5_.assign(criticos ? total5_ : 0, 0);
        for (int t = 1; t <= 4; ++t) {
            std::fill(U_[t].begin(), U_[t].end(), 0);
            W_[t].assign(criticos ? U_[t].size() : 0, 0);
        }
        lista_.clear();
        posLista_.assign(criticos ? total5_ : 0, -1);
        std::size_t i = 0;
        for (Mascara s : escenarios_) {
            if ((++i & 4095) == 0 && control_.Latido()) return false;
            const RangosSub rs(s);
            U5_[rs.r[31]] = 1;
            for (std::size_t j = 0; j < subMedios_.size(); ++j) ++U_[subTam_[j]][rs.r[subMedios_[j]]];
            if (criticos) {
                posLista_[rs.r[31]] = static_cast<std::int32_t>(lista_.size());
                lista_.push_back(rs.r[31]);
            }
        }
        if (criticos) {
            mascaraLista_.assign(escenarios_.begin(), escenarios_.end());
        }
        noCubiertos_ = Escenarios();
        return true;
    }

    // Uncovered scenarios meeting the 5-set c in at least g positions.
    std::int64_t Peso(Mascara c) const { return SumaSubconjuntos(c, U5_, U_); }
    // Scenarios covered only by the bet c (c among the bets).
    std::int64_t Criticos(Mascara c) const { return SumaSubconjuntos(c, W5_, W_); }
    // The family (U or W) summed over the subsets of c, each size weighted by its coefficient.
    std::int64_t SumaSubconjuntos(Mascara c, const std::vector<std::uint8_t>& f5,
                                  const std::vector<std::int32_t>* ft) const {
        const RangosSub rs(c);
        std::int64_t w = coef_[5] * f5[rs.r[31]];
        for (std::size_t j = 0; j < subMedios_.size(); ++j) {
            const int t = subTam_[j];
            w += coef_[t] * ft[t][rs.r[subMedios_[j]]];
        }
        return w;
    }

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
        const int antes = cuenta_[r5];
        const int despues = antes + d;
        cuenta_[r5] = static_cast<std::uint32_t>(despues);
        const bool cambiaU = (antes == 0) != (despues == 0);
        const bool cambiaW = criticos_ && ((antes == 1) != (despues == 1));
        if (!cambiaU && !cambiaW) return;
        const RangosSub rs(s);
        if (cambiaU) {
            const int du = despues == 0 ? 1 : -1;
            U5_[r5] = despues == 0;
            for (std::size_t j = 0; j < subMedios_.size(); ++j) U_[subTam_[j]][rs.r[subMedios_[j]]] += du;
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
            for (std::size_t j = 0; j < subMedios_.size(); ++j) W_[subTam_[j]][rs.r[subMedios_[j]]] += dw;
        }
    }

    // Adds (d = +1) or removes (d = -1) a bet. Always completes, so that the counters stay
    // true when a stop comes meanwhile; returns false when the work must stop.
    bool PonerApuesta(Mascara b, int d) {
        std::uint32_t n = 0;
        ParaVecinos(b, [&](Mascara s) {
            const std::uint32_t r = Rango(s);
            if (esEscenario_[r]) CambiarCuenta(s, r, d);
            if ((++n & 1023) == 0) control_.Latido();
        });
        return !control_.Parar();
    }

    // ---- Greedy ----

    // Weights of every candidate on an empty cover (the same for every cycle).
    bool CalcularPesosIniciales() {
        pesosIniciales_.resize(candidatos_.size());
        for (std::size_t i = 0; i < candidatos_.size(); ++i) {
            if ((i & 1023) == 0) {
                control_.estado.Fraccion = static_cast<double>(i) / static_cast<double>(candidatos_.size());
                if (control_.Latido()) return false;
            }
            pesosIniciales_[i] = static_cast<std::uint32_t>(Peso(candidatos_[i]));
        }
        return true;
    }

    // One greedy pass with the candidates in the order given (positions into candidatos_),
    // from an empty cover or from the bets and cover as they stand. Stops at the target: objetivoCubiertos scenarios covered, or
    // maxApuestas bets. The bets are left in apuestas_.
    // Going on from a cover, the initial weights are upper bounds that the lazy
    // re-evaluation corrects.
    bool Voraz(const std::vector<std::uint32_t>& orden, Long objetivoCubiertos, Long maxApuestas,
               bool desdeVacio = true) {
        if (desdeVacio) apuestas_.clear();
        monton_.clear();
        monton_.reserve(orden.size());
        for (std::uint32_t pos = 0; pos < orden.size(); ++pos) {
            const std::uint32_t w = pesosIniciales_[orden[pos]];
            if (w) monton_.push_back((std::uint64_t{w} << 32) | (0xFFFFFFFFu - pos));
        }
        std::make_heap(monton_.begin(), monton_.end());
        const Long escenarios = Escenarios();
        while (!monton_.empty() && escenarios - noCubiertos_ < objetivoCubiertos &&
               static_cast<Long>(apuestas_.size()) < maxApuestas) {
            if (control_.Latido()) return false;
            const std::uint64_t arriba = monton_.front();
            std::pop_heap(monton_.begin(), monton_.end());
            monton_.pop_back();
            const std::uint32_t pos = 0xFFFFFFFFu - static_cast<std::uint32_t>(arriba);
            const Mascara c = candidatos_[orden[pos]];
            const std::int64_t w = Peso(c);
            if (w <= 0) continue;
            const std::uint64_t clave = (static_cast<std::uint64_t>(w) << 32) | (0xFFFFFFFFu - pos);
            if (!monton_.empty() && clave < monton_.front()) {
                monton_.push_back(clave);
                std::push_heap(monton_.begin(), monton_.end());
                continue;
            }
            apuestas_.push_back(c);
            const bool seguir = PonerApuesta(c, +1);
            control_.estado.ApuestasElegidas = static_cast<Long>(apuestas_.size());
            control_.estado.Cubiertos = escenarios - noCubiertos_;
            control_.estado.Fraccion = std::min(
                1.0, porCubiertos_ ? static_cast<double>(control_.estado.Cubiertos) /
                                         static_cast<double>(std::max<Long>(1, objetivoCubiertos))
                                   : static_cast<double>(apuestas_.size()) / static_cast<double>(maxApuestas));
            if (!seguir) return false;
        }
        monton_.clear();
        return true;
    }

    // ---- Local search ----

    // Scenarios a move b -> b - x + y would newly cover (gain) and leave uncovered (loss).
    std::int64_t Ganancia(Mascara b, int x, int y) const {
        return SumaMovimiento(b & ~(Mascara{1} << x), x, y, U5_.data(), U_);
    }
    std::int64_t Perdida(Mascara b, int x, int y) const {
        return SumaMovimiento(b & ~(Mascara{1} << x), y, x, W5_.data(), W_);
    }

    // Number of scenarios s of the family (U or W) with entra in s, sale not in s and s meeting
    // the 4-set R in exactly g-1 positions: inclusion-exclusion over the positions that s
    // must avoid.
    std::int64_t SumaMovimiento(Mascara R, int sale, int entra, const std::uint8_t* f5,
                                const std::vector<std::int32_t>* ft) const {
        int r[4];
        Mascara m = R;
        for (int i = 0; i < 4; ++i) {
            r[i] = std::countr_zero(m);
            m &= m - 1;
        }
        std::int64_t total = 0;
        const Mascara bitEntra = Mascara{1} << entra;
        for (unsigned a = 0; a < 16; ++a) {
            if (Bits(a) != g_ - 1) continue;
            Mascara A = bitEntra;
            int evitar[5], ne = 0;
            for (int i = 0; i < 4; ++i) {
                if (a >> i & 1) A |= Mascara{1} << r[i];
                else evitar[ne++] = r[i];
            }
            evitar[ne++] = sale;
            for (unsigned bsub = 0; bsub < (1u << ne); ++bsub) {
                const int tam = g_ + Bits(bsub);
                if (tam > 5) continue;
                Mascara T = A;
                for (int i = 0; i < ne; ++i)
                    if (bsub >> i & 1) T |= Mascara{1} << evitar[i];
                const std::uint32_t rt = Rango(T);
                const std::int64_t v = tam == 5 ? f5[rt] : ft[tam][rt];
                total += (Bits(bsub) & 1) ? -v : v;
            }
        }
        return total;
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
                if (esEscenario_[rs]) CambiarCuenta(s, rs, -1);
            });
            Combinar(resto, nr, 5 - g_, A | (Mascara{1} << y), [&](Mascara s) {
                const std::uint32_t rs = Rango(s);
                if (esEscenario_[rs]) CambiarCuenta(s, rs, +1);
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
                PonerApuesta(apuestas_[i], -1);
                fuera[i] = 1;
                ++quitadas;
                quitada = true;
                if (control_.Parar()) break;
            }
            std::size_t k = 0;
            for (std::size_t i = 0; i < apuestas_.size(); ++i)
                if (!fuera[i]) apuestas_[k++] = apuestas_[i];
            apuestas_.resize(k);
            if (control_.Parar()) return;
        }
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
        PonerApuesta(apuestas_[mejor], -1);
        apuestas_.erase(apuestas_.begin() + static_cast<std::ptrdiff_t>(mejor));
    }

    // Simulated annealing on the number of uncovered scenarios, bets fixed in number. Each
    // move picks an uncovered scenario, a bet meeting it in as many positions as any, and
    // swaps one number of the bet for one of the scenario. Ends true as soon as at most
    // permitidos scenarios are uncovered; false when no better count came for a while (or the
    // stop). alMejorar(noCubiertos) is called at each new lowest count.
    template <typename F>
    bool Recocido(Long permitidos, Azar& azar, F&& alMejorar) {
        if (apuestas_.empty()) return noCubiertos_ <= permitidos;
        const std::size_t k = apuestas_.size();
        // Schedule: the temperature starts at a share of the mean rise of the first rejected
        // moves, falls by kAlfa every kPaso moves and, below kFin of its start, heats again.
        // An attempt gives up after a number of moves without a lower count, growing with the
        // bets and the numbers (and scaled by the caller's effort).
        // The start share suits "al 4" best at 0.15 and "al 3" or less, where the rises are
        // larger, at 0.05 (both measured on the quality table).
        constexpr double kAlfa = 0.999, kFin = 0.05, kFrio = 1.0 / 3;
        const double kT0 = g_ >= 4 ? 0.15 : 0.05;
        constexpr std::uint64_t kPaso = 100;
        bool calido = true;
        const double paciencia = esfuerzo_ * std::clamp(3000.0 * static_cast<double>(k) * N_, 2e6, 2e7);
        Long mejor = noCubiertos_;
        std::uint64_t sinMejora = 0;
        double T = 0;
        double sumaSubidas = 0;
        int subidas = 0;
        double T0 = 0;
        std::uint64_t iter = 0;
        std::vector<std::uint32_t> elegibles(k);
        while (noCubiertos_ > permitidos) {
            if (control_.Latido()) return false;
            if (static_cast<double>(++sinMejora) > paciencia) return false;
            ++iter;
            if (T0 > 0 && iter % kPaso == 0) {
                T *= kAlfa;
                if (T < T0 * kFin) {
                    // Heats again, alternately to the full start and to a cooler one: small
                    // systems like the first, large ones the second.
                    calido = !calido;
                    T = calido ? T0 : T0 * kFrio;
                }
            }
            const Mascara s = mascaraLista_[azar.Hasta(static_cast<std::uint32_t>(lista_.size()))];
            const std::uint64_t cercanas = MasCercanas(apuestas_.data(), k, s, elegibles.data());
            const int maxComun = static_cast<int>(static_cast<std::uint32_t>(cercanas));
            const std::uint32_t nElegibles = static_cast<std::uint32_t>(cercanas >> 32);
            const std::size_t i = elegibles[azar.Hasta(nElegibles)];
            const Mascara b = apuestas_[i];
            const unsigned libres = static_cast<unsigned>(5 - maxComun);
            const int x = BitNumero(b & ~s, azar.Hasta(libres));
            const int y = BitNumero(s & ~b, azar.Hasta(libres));
            const Mascara nb = (b & ~(Mascara{1} << x)) | (Mascara{1} << y);
            if (!esCandidato_[Rango(nb)]) continue;
            const std::int64_t delta = Perdida(b, x, y) - Ganancia(b, x, y);
            bool aceptar = delta <= 0;
            if (!aceptar) {
                if (T0 == 0) {
                    sumaSubidas += static_cast<double>(delta);
                    if (++subidas == 100) {
                        T0 = kT0 * sumaSubidas / subidas;
                        T = T0;
                    }
                } else {
                    aceptar = azar.Uniforme() < std::exp(-static_cast<double>(delta) / T);
                }
            }
            if (!aceptar) continue;
            Mover(i, x, y);
            if (noCubiertos_ < mejor) {
                mejor = noCubiertos_;
                sinMejora = 0;
                alMejorar(noCubiertos_);
            }
        }
        return true;
    }

    Long Cubiertos() const { return Escenarios() - noCubiertos_; }
    Long NoCubiertos() const { return noCubiertos_; }
    std::vector<Mascara>& Apuestas() { return apuestas_; }

private:
    int N_, g_;
    bool porCubiertos_;
    double esfuerzo_;
    Control& control_;
    std::uint32_t total5_ = 0;
    int coef_[6] = {};
    std::vector<std::uint8_t> subMedios_;  // subsets of a 5-set with g..4 positions
    std::vector<std::uint8_t> subTam_;     // and their sizes

    std::vector<Mascara> escenarios_, candidatos_;
    std::vector<std::uint8_t> esEscenario_, esCandidato_;
    std::vector<std::uint32_t> pesosIniciales_;
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

};

Posiciones PosicionesDe(Mascara m) {
    Posiciones p{};
    for (int i = 0; i < 5; ++i) {
        p[static_cast<std::size_t>(i)] = static_cast<Byte>(std::countr_zero(m) + 1);
        m &= m - 1;
    }
    return p;
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

    Control control(detener, progreso, par.SegundosMaximos);
    Motor motor(N, g, !modoApuestas, par.Esfuerzo > 0 ? par.Esfuerzo : 1, control);
    control.Informar();
    motor.CargarEscenarios(escenarios);
    if (&candidatos == &escenarios) motor.CargarCandidatos(escenarios);
    else motor.CargarCandidatos(candidatos);

    const Long S = motor.Escenarios();
    res.Escenarios = S;
    const Long objetivoCubiertos =
        modoApuestas ? S : static_cast<Long>((static_cast<std::int64_t>(S) * porcentaje + 99) / 100);
    const Long maxApuestas = modoApuestas ? nuApuestas : 0x7FFFFFFF;
    res.Objetivo = modoApuestas ? nuApuestas : objetivoCubiertos;
    control.estado.Escenarios = S;
    control.estado.Objetivo = res.Objetivo;
    if (S == 0 || motor.Candidatos() == 0) {
        control.estado.fase = ProgresoReduccion::Fase::Terminado;
        control.Informar();
        return res;
    }

    const bool mejora = par.Ciclos && par.MejoraLocal && g < 5;
    // A bet meets at most this many scenarios: fewer bets than the target needs by that count
    // are never tried, and a result that reaches the bound ends the cycles.
    std::int64_t vecindad = 0;
    for (int j = g; j <= 5; ++j) vecindad += std::int64_t{Binomio.c[5][j]} * Binomio.c[N - 5][5 - j];
    Solucion mejor;
    auto Optimo = [&] {
        return mejor.cubiertos >= objetivoCubiertos && !mejor.apuestas.empty() &&
               static_cast<std::int64_t>(mejor.apuestas.size() - 1) * vecindad < objetivoCubiertos;
    };
    auto Mejor = [&](const std::vector<Mascara>& ap, Long cub) {
        if (mejor.cubiertos < 0) return true;
        const bool cumple = cub >= objetivoCubiertos, cumpleMejor = mejor.cubiertos >= objetivoCubiertos;
        if (modoApuestas) {
            if (cub != mejor.cubiertos) return cub > mejor.cubiertos;
            return ap.size() < mejor.apuestas.size();
        }
        if (cumple != cumpleMejor) return cumple;
        if (ap.size() != mejor.apuestas.size()) return cumple ? ap.size() < mejor.apuestas.size()
                                                              : cub > mejor.cubiertos;
        return cub > mejor.cubiertos;
    };
    bool mejoroCiclo = false;
    auto Registrar = [&](const std::vector<Mascara>& ap, Long cub) {
        if (!Mejor(ap, cub)) return false;
        mejor.apuestas = ap;
        mejor.cubiertos = cub;
        mejoroCiclo = true;
        control.estado.MejorApuestas = static_cast<Long>(ap.size());
        control.estado.MejorCubiertos = cub;
        control.Informar();
        return true;
    };

    control.estado.fase = ProgresoReduccion::Fase::Preparando;
    bool completo = motor.Reiniciar(mejora) && motor.CalcularPesosIniciales();

    std::vector<std::uint32_t> orden(static_cast<std::size_t>(motor.Candidatos()));
    std::iota(orden.begin(), orden.end(), 0u);
    const std::uint64_t semillaBase =
        par.Aleatorio ? static_cast<std::uint64_t>(Reloj::now().time_since_epoch().count()) : 0x5EED0001ull;
    // A start with structure, for g = 2 and 3: the base split at random into parts (2 for g = 3,
    // 4 for g = 2) so that every draw has g numbers in one of them; a first greedy pass takes
    // only bets lying inside one part, then the usual pass covers what is left. Bets confined
    // to a part meet each other's draws more often, which at 25 numbers and more gives far
    // fewer bets than the plain pass (30 numbers "al 3": 130 against 177).
    const int partes = (g == 2 || g == 3) && par.Ciclos ? 4 / (g - 1) : 1;
    auto PaseConPartes = [&](Azar& azar) {
        std::vector<int> pos(static_cast<std::size_t>(N));
        std::iota(pos.begin(), pos.end(), 0);
        for (std::size_t i = pos.size(); i > 1; --i)
            std::swap(pos[i - 1], pos[azar.Hasta(static_cast<std::uint32_t>(i))]);
        std::vector<Mascara> parte(static_cast<std::size_t>(partes), 0);
        for (std::size_t i = 0; i < pos.size(); ++i)
            parte[i % static_cast<std::size_t>(partes)] |= Mascara{1} << pos[i];
        std::vector<std::uint32_t> dentro;
        for (std::uint32_t c : orden) {
            const Mascara m = motor.ListaCandidatos()[c];
            for (Mascara p : parte)
                if ((m & p) == m) {
                    dentro.push_back(c);
                    break;
                }
        }
        return motor.Voraz(dentro, objetivoCubiertos, maxApuestas) &&
               motor.Voraz(orden, objetivoCubiertos, maxApuestas, false);
    };
    int ciclosSinMejora = 0;
    for (Long ciclo = 1; completo; ++ciclo) {
        control.estado.Ciclo = ciclo;
        control.estado.fase = ProgresoReduccion::Fase::Voraz;
        control.estado.ApuestasElegidas = 0;
        control.estado.Cubiertos = 0;
        control.estado.Fraccion = 0;
        Azar azar(semillaBase + static_cast<std::uint64_t>(ciclo) * 0x9E3779B97F4A7C15ull);
        if (ciclo > 1) {
            for (std::size_t i = orden.size(); i > 1; --i)
                std::swap(orden[i - 1], orden[azar.Hasta(static_cast<std::uint32_t>(i))]);
            if (!motor.Reiniciar(mejora)) break;
        }
        mejoroCiclo = false;
        const bool terminado = partes > 1 && ciclo % 2 == 1 && ciclo > 1
                                   ? PaseConPartes(azar)
                                   : motor.Voraz(orden, objetivoCubiertos, maxApuestas);
        if (!terminado) {
            // Stopped inside a pass: without an earlier result, what this pass has chosen.
            if (mejor.cubiertos < 0) Registrar(motor.Apuestas(), motor.Cubiertos());
            break;
        }
        if (ciclo == 1) {
            res.ApuestasPrimerPase = static_cast<Long>(motor.Apuestas().size());
            res.CubiertosPrimerPase = motor.Cubiertos();
        }
        Registrar(motor.Apuestas(), motor.Cubiertos());
        res.Ciclos = ciclo;
        if (!par.Ciclos) break;
        if (ciclo == 1 && partes > 1) {
            // The structured start right away (later cycles alternate); the local search goes
            // on from the better of the two.
            control.estado.fase = ProgresoReduccion::Fase::Voraz;
            Azar azarPartes(semillaBase ^ 0xC0FFEE5EEDull);
            if (!motor.Reiniciar(mejora) || !PaseConPartes(azarPartes)) break;
            if (!Registrar(motor.Apuestas(), motor.Cubiertos()) && !motor.Rehacer(mejor.apuestas, mejora)) break;
        }

        if (mejora) {
            control.estado.fase = ProgresoReduccion::Fase::Mejora;
            const Long permitidos = S - objetivoCubiertos;
            bool reducir = !modoApuestas || motor.NoCubiertos() == 0;
            if (!reducir) {
                // Fixed number of bets: cover as many scenarios as possible.
                motor.Recocido(0, azar, [&](Long) {
                    if (Mejor(motor.Apuestas(), motor.Cubiertos())) Registrar(motor.Apuestas(), motor.Cubiertos());
                });
                reducir = motor.NoCubiertos() == 0 && !control.Parar();
            }
            if (reducir && motor.NoCubiertos() <= permitidos) {
                motor.QuitarRedundantes(permitidos);
                Registrar(motor.Apuestas(), motor.Cubiertos());
                while (!control.Parar() && motor.Apuestas().size() > 1 &&
                       static_cast<std::int64_t>(motor.Apuestas().size() - 1) * vecindad >= objetivoCubiertos) {
                    motor.QuitarLaMenosUtil();
                    control.estado.ApuestasElegidas = static_cast<Long>(motor.Apuestas().size());
                    if (!motor.Recocido(permitidos, azar, [&](Long nc) { control.estado.Cubiertos = S - nc; }))
                        break;
                    motor.QuitarRedundantes(permitidos);
                    Registrar(motor.Apuestas(), motor.Cubiertos());
                }
            }
        }
        if (control.Parar() || Optimo()) break;
        ciclosSinMejora = mejoroCiclo ? 0 : ciclosSinMejora + 1;
        if (par.CiclosSinMejora > 0 && ciclosSinMejora >= par.CiclosSinMejora) break;
        res.Ciclos = ciclo;
    }

    res.Detenido = control.Parar();
    if (mejor.cubiertos >= 0) {
        res.Cubiertos = mejor.cubiertos;
        res.Apuestas.reserve(mejor.apuestas.size());
        for (Mascara m : mejor.apuestas) res.Apuestas.push_back(PosicionesDe(m));
        std::sort(res.Apuestas.begin(), res.Apuestas.end());
    }
    control.estado.fase = ProgresoReduccion::Fase::Terminado;
    control.estado.MejorApuestas = static_cast<Long>(res.Apuestas.size());
    control.estado.MejorCubiertos = res.Cubiertos;
    control.estado.Fraccion = 1;
    control.Informar();
    return res;
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
        if (!Motor::MascaraDeFila(escenarios, f, N, m)) continue;
        std::uint8_t& v = marca[Rango(m)];
        if (v == 1) {
            ++cubiertos;
            v = 2;
        }
    }
    return cubiertos;
}

}  // namespace modReduccion
