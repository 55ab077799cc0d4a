#include "platform/Plataforma.h"

#include <cassert>
#include <cmath>
#include <cstdio>

namespace {
Plataforma* g_activa = nullptr;
}

Plataforma& Plataforma::Activa() {
    assert(g_activa && "no platform installed");
    return *g_activa;
}

void Plataforma::Instalar(Plataforma* p) { g_activa = p; }

std::string FormatoMiles(double valor) {
    double r = std::nearbyint(valor);
    bool negativo = r < 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", std::fabs(r));
    std::string digitos(buf);
    std::string sep = g_activa ? g_activa->SeparadorMiles() : std::string(".");
    std::string out;
    int n = static_cast<int>(digitos.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += sep;
        out += digitos[static_cast<std::size_t>(i)];
    }
    return negativo ? "-" + out : out;
}

double LeerCuenta(const std::string& texto) {
    double v = 0;
    bool alguno = false, negativo = false;
    for (char c : texto) {
        if (c >= '0' && c <= '9') { v = v * 10 + (c - '0'); alguno = true; }
        else if (c == '-' && !alguno) negativo = true;
    }
    return alguno ? (negativo ? -v : v) : 0;
}
