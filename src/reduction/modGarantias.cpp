#include "reduction/modGarantias.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "platform/Plataforma.h"

namespace modGarantias {

namespace {

// Binomial coefficients C(n, k) for n <= 50, k <= 5.
struct Binomiales {
    std::uint32_t c[51][6] = {};
    Binomiales() {
        for (int n = 0; n <= 50; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 5; ++k) c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
const Binomiales kBin;

// Colex rank (0-based) of the ascending positions p[0..h-1] (1-based values).
inline std::uint32_t Rango(const int* p, int h) {
    std::uint32_t r = 0;
    for (int i = 0; i < h; ++i) r += kBin.c[p[i] - 1][i + 1];
    return r;
}

class Bits {
public:
    explicit Bits(std::size_t n = 0) : v_((n + 63) / 64, 0) {}
    void Poner(std::uint32_t i) { v_[i >> 6] |= std::uint64_t{1} << (i & 63); }
    bool Esta(std::uint32_t i) const { return (v_[i >> 6] >> (i & 63)) & 1u; }

private:
    std::vector<std::uint64_t> v_;
};

// The ascending positions of a mask; returns how many.
inline int Posiciones(Mascara m, int* p) {
    int n = 0;
    while (m && n < 6) {
        p[n++] = std::countr_zero(m) + 1;
        m &= m - 1;
    }
    return n;
}

// Calls f(sub, h) for every subset of the m positions p (m <= 6) of size 1..hMax, with the
// positions of the subset in sub, ascending.
template <typename F>
inline void ParaCadaSubconjunto(const int* p, int m, int hMax, F&& f) {
    int sub[6];
    for (unsigned s = 1; s < (1u << m); ++s) {
        const int h = std::popcount(s);
        if (h > hMax) continue;
        int j = 0;
        for (int i = 0; i < m; ++i)
            if (s & (1u << i)) sub[j++] = p[i];
        f(sub, h);
    }
}

}  // namespace

const char* NombreSistema(SistemaEscenarios s) {
    switch (s) {
    case SistemaEscenarios::Condicionado: return "Condicionado";
    case SistemaEscenarios::Importado: return "Importado";
    default: return "Total";
    }
}

double ResultadoNivel::Porcentaje(int h) const {
    if (escenarios <= 0 || h < 0 || h > 5) return 0;
    return 100.0 * static_cast<double>(porAciertos[static_cast<std::size_t>(h)]) / static_cast<double>(escenarios);
}

double ResultadoNivel::PorcentajeAlMenos(int h) const {
    if (escenarios <= 0) return 0;
    Long n = 0;
    for (int i = std::max(h, 0); i <= 5; ++i) n += porAciertos[static_cast<std::size_t>(i)];
    return 100.0 * static_cast<double>(n) / static_cast<double>(escenarios);
}

std::array<Byte, 51> PosicionesDeBase(const Arreglo<Byte>& base, int N) {
    std::array<Byte, 51> pos{};
    for (int p = 1; p <= N && p <= static_cast<int>(base.UBound()); ++p) {
        const Byte n = base(p);
        if (n >= 1 && n <= 50 && pos[n] == 0) pos[n] = static_cast<Byte>(p);
    }
    return pos;
}

namespace {
// Narrows primera..ultima to the rows the table holds; false when it holds none of them or has
// no columns 1..5.
bool FilasPresentes(const Tabla<Byte>& tabla, Long& primera, Long& ultima) {
    if (tabla.Vacia() || tabla.UBound2() < 5 || tabla.LBound2() > 1) return false;
    primera = std::max<Long>(primera, static_cast<Long>(tabla.LBound1()));
    ultima = std::min<Long>(ultima, static_cast<Long>(tabla.UBound1()));
    return ultima >= primera;
}
}  // namespace

std::vector<Mascara> MascarasApuestas(const Tabla<Byte>& apuestas, Long primera, Long ultima,
                                      const std::array<Byte, 51>& posicionDeNumero) {
    std::vector<Mascara> r;
    if (!FilasPresentes(apuestas, primera, ultima)) return r;
    r.reserve(static_cast<std::size_t>(ultima - primera + 1));
    for (Long i = primera; i <= ultima; ++i) {
        Mascara m = 0;
        for (int c = 1; c <= 5; ++c) {
            const Byte n = apuestas(i, c);
            if (n >= 1 && n <= 50 && posicionDeNumero[n]) m |= Mascara{1} << (posicionDeNumero[n] - 1);
        }
        r.push_back(m);
    }
    return r;
}

std::vector<Mascara> MascarasCombinaciones(const Tabla<Byte>& tabla, Long primera, Long ultima, int N) {
    std::vector<Mascara> r;
    if (!FilasPresentes(tabla, primera, ultima)) return r;
    r.reserve(static_cast<std::size_t>(ultima - primera + 1));
    for (Long i = primera; i <= ultima; ++i) {
        Mascara m = 0;
        bool valida = true;
        for (int c = 1; c <= 5; ++c) {
            const Byte p = tabla(i, c);
            if (p == modGeneral::PosicionVacia) continue;
            if (p < 1 || p > N) { valida = false; break; }
            m |= Mascara{1} << (p - 1);
        }
        if (valida && m) r.push_back(m);
    }
    return r;
}

ResultadoNivel CalcularNivel(int k, int N, const std::vector<Mascara>& apuestas,
                             const std::vector<Mascara>* sistema, const Tabla<Byte>& escenarios,
                             const AlAvanzar& avance, const bool* detenido) {
    ResultadoNivel r;
    r.nivel = k;
    if (k < 1 || k > NivelMaximo || N < k || N > 50) {
        r.completo = true;
        return r;
    }
    auto parar = [&](Avance::Fase fase, Long hechos, Long total) {
        if (avance) avance(Avance{fase, k, hechos, total});
        return detenido && *detenido;
    };

    // 1. Every h-subset (h <= k) of every bet, marked by rank.
    std::vector<Bits> cubiertas;
    cubiertas.reserve(static_cast<std::size_t>(k) + 1);
    for (int h = 0; h <= k; ++h) cubiertas.emplace_back(kBin.c[N][h]);
    const Long totalApuestas = static_cast<Long>(apuestas.size());
    for (Long i = 0; i < totalApuestas; ++i) {
        int p[6];
        const int m = Posiciones(apuestas[static_cast<std::size_t>(i)], p);
        ParaCadaSubconjunto(p, m, k, [&](const int* sub, int h) { cubiertas[static_cast<std::size_t>(h)].Poner(Rango(sub, h)); });
        if ((i + 1) % CadaApuestas == 0 && parar(Avance::Fase::Apuestas, i + 1, totalApuestas)) return r;
    }

    // 2. The k-subsets that lie in the system, when the scenarios come from one.
    Bits enSistema;
    if (sistema) {
        enSistema = Bits(kBin.c[N][k]);
        const Long total = static_cast<Long>(sistema->size());
        for (Long i = 0; i < total; ++i) {
            int p[6];
            const int m = Posiciones((*sistema)[static_cast<std::size_t>(i)], p);
            if (m >= k)
                ParaCadaSubconjunto(p, m, k, [&](const int* sub, int h) {
                    if (h == k) enSistema.Poner(Rango(sub, h));
                });
            if ((i + 1) % CadaEscenarios == 0 && parar(Avance::Fase::Sistema, i + 1, total)) return r;
        }
    }

    // 3. The scenarios. The subsets of a scenario are tried from the largest down, so the
    // first marked one gives its best bet.
    struct Sub { int h; int idx[5]; };
    std::vector<Sub> subs;
    for (int h = k; h >= 1; --h)
        for (unsigned s = 1; s < (1u << k); ++s)
            if (std::popcount(s) == h) {
                Sub x{h, {}};
                int j = 0;
                for (int i = 0; i < k; ++i)
                    if (s & (1u << i)) x.idx[j++] = i;
                subs.push_back(x);
            }

    const Long filas = escenarios.Vacia() ? 0 : std::min<Long>(static_cast<Long>(escenarios.UBound1()),
                                                                 static_cast<Long>(kBin.c[N][k]));
    const Byte* col[5] = {};
    if (filas > 0)
        for (int c = 1; c <= k; ++c) col[c - 1] = escenarios.Columna(c) + (1 - escenarios.LBound1());
    int minimo = k + 1;
    for (Long i = 0; i < filas; ++i) {
        int q[5];
        bool valida = true;
        for (int c = 0; c < k; ++c) {
            q[c] = col[c][i];
            if (q[c] < 1 || q[c] > N || (c > 0 && q[c] <= q[c - 1])) valida = false;
        }
        if (valida && (!sistema || enSistema.Esta(Rango(q, k)))) {
            int mejor = 0;
            for (const Sub& s : subs) {
                int sub[5];
                for (int j = 0; j < s.h; ++j) sub[j] = q[s.idx[j]];
                if (cubiertas[static_cast<std::size_t>(s.h)].Esta(Rango(sub, s.h))) {
                    mejor = s.h;
                    break;
                }
            }
            ++r.escenarios;
            ++r.porAciertos[static_cast<std::size_t>(mejor)];
            minimo = std::min(minimo, mejor);
        }
        if ((i + 1) % CadaEscenarios == 0 && parar(Avance::Fase::Escenarios, i + 1, filas)) {
            r.garantia = r.escenarios ? minimo : -1;
            return r;
        }
    }
    r.garantia = r.escenarios ? minimo : -1;
    r.completo = true;
    return r;
}

std::string NombreInforme(int k) { return "TORNAVENTURA_GARANTIAS_si" + std::to_string(k) + ".txt"; }

namespace {
std::string Miles(double v) { return FormatoMiles(v); }
std::string Pct(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s(buf);
    for (char& c : s)
        if (c == '.') c = ',';
    return s + " %";
}
std::string Derecha(const std::string& s, std::size_t ancho) {
    return s.size() >= ancho ? s : std::string(ancho - s.size(), ' ') + s;
}
}  // namespace

std::vector<std::string> TextoInforme(const ResultadoNivel& r, const DatosInforme& d) {
    std::vector<std::string> l;
    const int k = r.nivel;
    l.push_back("TORNAVENTURA 3.1 - GARANT\xC3\x8D" "AS Y PORCENTAJES");
    if (!d.fecha.empty()) l.push_back("Fecha : " + d.fecha);
    l.push_back("");
    l.push_back("Nivel : si " + std::to_string(k) + " (" + std::to_string(k) + " de los 5 n\xC3\xBAmeros sorteados en la base)");
    l.push_back(std::string("Sistema : ") + NombreSistema(d.sistema));
    std::string base = "Base : " + std::to_string(d.base.size()) + " n\xC3\xBAmeros :";
    for (Byte n : d.base) {
        char b[8];
        std::snprintf(b, sizeof b, " %02d", n);
        base += b;
    }
    l.push_back(base);
    l.push_back("Apuestas analizadas : " + Miles(d.apuestas) + " (con estrellas : " + Miles(d.apuestasTotales) + ")");
    l.push_back("Escenarios : " + Miles(r.escenarios));
    if (!r.completo) l.push_back("C\xC3\x81LCULO DETENIDO : resultados parciales");
    l.push_back("");
    if (r.garantia >= 0)
        l.push_back("GARANT\xC3\x8D" "A M\xC3\x8DNIMA : " + std::to_string(r.garantia) +
                    (r.garantia == 1 ? " acierto" : " aciertos"));
    else
        l.push_back("GARANT\xC3\x8D" "A M\xC3\x8DNIMA : sin escenarios");
    l.push_back("");
    l.push_back("Aciertos     Escenarios    Porcentaje   Al menos");
    l.push_back("--------   ------------   -----------   ----------");
    for (int h = k; h >= 0; --h)
        l.push_back(Derecha(std::to_string(h), 8) + "   " + Derecha(Miles(r.porAciertos[static_cast<std::size_t>(h)]), 12) +
                    "   " + Derecha(Pct(r.Porcentaje(h)), 11) + "   " + Derecha(Pct(r.PorcentajeAlMenos(h)), 10));
    return l;
}

}  // namespace modGarantias
