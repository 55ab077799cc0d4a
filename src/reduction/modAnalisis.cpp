#include "reduction/modAnalisis.h"

#include <algorithm>
#include <cstdio>

#include "platform/Plataforma.h"

namespace modAnalisis {

double Frecuencias::PorcentajeNumero(int n) const {
    if (apuestas <= 0 || n < 1 || n > 50) return 0;
    return 100.0 * static_cast<double>(numeros[static_cast<std::size_t>(n)]) / static_cast<double>(apuestas);
}

double Frecuencias::PorcentajeEstrella(int e) const {
    if (apuestas <= 0 || e < 1 || e > 12) return 0;
    return 100.0 * static_cast<double>(estrellas[static_cast<std::size_t>(e)]) / static_cast<double>(apuestas);
}

Frecuencias ContarFrecuencias(const Tabla<Byte>& t, Long numApuestas) {
    Frecuencias f;
    if (t.Vacia() || numApuestas <= 0 || t.LBound2() > 1 || t.UBound2() < 5) return f;
    const Long primera = std::max<Long>(1, static_cast<Long>(t.LBound1()));
    const Long ultima = std::min<Long>(numApuestas, static_cast<Long>(t.UBound1()));
    if (ultima < primera) return f;
    f.apuestas = ultima - primera + 1;
    f.conEstrellas = t.UBound2() >= 7;
    const long desde = primera - t.LBound1();
    const long hasta = ultima - t.LBound1();
    for (int c = 1; c <= (f.conEstrellas ? 7 : 5); ++c) {
        const Byte* col = t.Columna(c);
        const int tope = c <= 5 ? 50 : 12;
        Long conteo[51] = {};
        for (long i = desde; i <= hasta; ++i) ++conteo[std::min<int>(col[i], 50)];
        for (int v = 1; v <= tope; ++v) {
            if (c <= 5) f.numeros[static_cast<std::size_t>(v)] += conteo[v];
            else f.estrellas[static_cast<std::size_t>(v)] += conteo[v];
        }
    }
    return f;
}

namespace {
std::string Pct(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%6.2f %%", v);
    std::string s(b);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}
std::string Derecha(const std::string& s, std::size_t ancho) {
    return s.size() >= ancho ? s : std::string(ancho - s.size(), ' ') + s;
}
std::string Linea(const char* rotulo, int v, Long cuenta, double pct, double maximo) {
    char b[16];
    std::snprintf(b, sizeof b, "%s %02d", rotulo, v);
    const int largo = maximo > 0 ? static_cast<int>(pct / maximo * 40.0 + 0.5) : 0;
    std::string l = std::string(b) + "   " + Derecha(FormatoMiles(static_cast<double>(cuenta)), 12) + "   " + Pct(pct);
    if (largo > 0) l += "   " + std::string(static_cast<std::size_t>(largo), '#');
    return l;
}
}  // namespace

std::vector<std::string> TextoInforme(const Frecuencias& f, const std::string& fecha) {
    std::vector<std::string> l;
    l.push_back("TORNAVENTURA 3.1 - AN\xC3\x81LISIS DE FRECUENCIAS");
    if (!fecha.empty()) l.push_back("Fecha : " + fecha);
    l.push_back("");
    l.push_back("Apuestas analizadas : " + FormatoMiles(static_cast<double>(f.apuestas)));
    l.push_back("Porcentaje : parte de las apuestas que contienen el n\xC3\xBAmero o la estrella");
    double maximo = 0;
    for (int n = 1; n <= 50; ++n) maximo = std::max(maximo, f.PorcentajeNumero(n));
    for (int e = 1; e <= 12; ++e) maximo = std::max(maximo, f.PorcentajeEstrella(e));
    l.push_back("");
    // Headings over the columns of Linea: an 11-character label, the count, the share.
    const std::string columnas = "   " + Derecha("Veces", 12) + "   " + Derecha("Porcent.", 8);
    l.push_back("N\xC3\x9aMEROS    " + columnas);
    for (int n = 1; n <= 50; ++n)
        l.push_back(Linea("N\xC3\xBAmero  ", n, f.numeros[static_cast<std::size_t>(n)], f.PorcentajeNumero(n), maximo));
    l.push_back("");
    l.push_back("ESTRELLAS  " + columnas);
    if (!f.conEstrellas) l.push_back("(las apuestas no tienen estrellas)");
    else
        for (int e = 1; e <= 12; ++e)
            l.push_back(Linea("Estrella", e, f.estrellas[static_cast<std::size_t>(e)], f.PorcentajeEstrella(e), maximo));
    return l;
}

}  // namespace modAnalisis
