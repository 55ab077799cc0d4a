// Reading a base file back: a lenient walk that takes what it recognises, passes over what it
// does not, and reports every value it cannot use once per section, at the end. Element
// names are compared in capitals, attribute names exactly as the writer spells them.
//
// A base file may come from anywhere, so nothing read here is trusted as an index: every
// group, row, position and list item is tested against its table before it is stored.
#include <cstring>
#include <exception>
#include <string>
#include <string_view>

#include "main/modXML.h"
#include "platform/DocumentoXML.h"

namespace modXML {

using namespace modGeneral;

namespace {

const char* const NombresFiltros[10] = {"ALTOSBAJOS", "DECENAS",  "DISTANCIAS", "GRUPOS",        "GRUPOSRELACIONADOS",
                                        "PARESIMPARES", "SEGUIDOS", "SUMAS",      "TERMINACIONES", "POSICIONES"};
const char* const SeccionesFiltros[10] = {"BAJOS Y ALTOS",   "DECENAS",  "DISTANCIAS", "GRUPOS DE NUMEROS",
                                          "GRUPOSRELACIONADOS", "PARES E IMPARES", "SEGUIDOS", "SUMAS",
                                          "TERMINACIONES",   "POSICIONES"};

std::string Mayusculas(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// A value as a failure names it: at most 20 characters, never cut inside a character, and
// control characters (a line end would break the list) shown as blanks.
std::string Extracto(std::string_view texto) {
    constexpr std::size_t Maximo = 20;
    std::size_t n = texto.size();
    if (n > Maximo) {
        n = Maximo;
        while (n > 0 && (static_cast<unsigned char>(texto[n]) & 0xC0) == 0x80) --n;
    }
    std::string s = "'";
    for (std::size_t i = 0; i < n; ++i) s += static_cast<unsigned char>(texto[i]) < 0x20 ? ' ' : texto[i];
    return s + (n < texto.size() ? "...'" : "'");
}

// The failures of one part of the file: the last one is remembered and listed when the part
// ends, so each part gives at most one line.
class Seccion {
public:
    explicit Seccion(std::string nombre) : nombre_(std::move(nombre)) {}
    void Fallo(std::string texto) { fallo_ = std::move(texto); }
    const std::string& Nombre() const { return nombre_; }
    void Cerrar() {
        AnadirErrorXML(fallo_, nombre_);
        fallo_.clear();
    }

private:
    std::string nombre_;
    std::string fallo_;
};

// An attribute's text; a missing attribute is a failure of the section.
bool Atributo(const NodoXML& nodo, const char* nombre, std::string& valor, Seccion& s) {
    const NodoXML a = nodo.attributes().getNamedItem(nombre);
    if (a.isNull()) {
        s.Fallo(std::string("FALTA EL ATRIBUTO '") + nombre + "'");
        return false;
    }
    valor = a.nodeValue();
    return true;
}

// A whole number in decimal: blanks around it and a sign allowed. Numbers of any length are
// read; beyond a trillion they stay at a trillion, which fits none of the fields.
bool Entero(std::string_view t, long long& v) {
    std::size_t i = 0, fin = t.size();
    while (i < fin && (t[i] == ' ' || t[i] == '\t')) ++i;
    while (fin > i && (t[fin - 1] == ' ' || t[fin - 1] == '\t')) --fin;
    bool negativo = false;
    if (i < fin && (t[i] == '+' || t[i] == '-')) negativo = t[i++] == '-';
    if (i == fin) return false;
    constexpr long long Tope = 1000000000000LL;
    long long x = 0;
    for (; i < fin; ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        x = x * 10 + (t[i] - '0');
        if (x > Tope) x = Tope;
    }
    v = negativo ? -x : x;
    return true;
}

// The text as a number of minimo..maximo (the field's width); a failure otherwise.
bool Convertir(std::string_view texto, long long minimo, long long maximo, long long& v, Seccion& s) {
    if (!Entero(texto, v)) {
        s.Fallo("VALOR NO NUMERICO: " + Extracto(texto));
        return false;
    }
    if (v < minimo || v > maximo) {
        s.Fallo("NUMERO FUERA DE LIMITES: " + Extracto(texto));
        return false;
    }
    return true;
}

template <class T>
bool ConvertirA(std::string_view texto, long long minimo, long long maximo, T& destino, Seccion& s) {
    long long v = 0;
    if (!Convertir(texto, minimo, maximo, v, s)) return false;
    destino = static_cast<T>(v);
    return true;
}
bool AInteger(std::string_view t, Integer& d, Seccion& s) { return ConvertirA(t, -32768, 32767, d, s); }
bool ALong(std::string_view t, Long& d, Seccion& s) { return ConvertirA(t, -2147483648LL, 2147483647LL, d, s); }
bool AByte(std::string_view t, Byte& d, Seccion& s) { return ConvertirA(t, 0, 255, d, s); }

// An attribute read as a whole number (16 bits).
bool AtributoInteger(const NodoXML& nodo, const char* nombre, Integer& v, Seccion& s) {
    std::string t;
    return Atributo(nodo, nombre, t, s) && AInteger(t, v, s);
}

// "equals 1 as a number": anything else, a text that is no number included, is not 1.
bool EsUno(const std::string& t) {
    long long v = 0;
    return Entero(t, v) && v == 1;
}

// Calls f(item, index) for each item of a list split at sep; the empty text has no items.
template <class F>
void CadaElemento(std::string_view texto, char sep, F f) {
    if (texto.empty()) return;
    const char* inicio = texto.data();
    const char* const fin = inicio + texto.size();
    for (long i = 0;; ++i) {
        const char* p = static_cast<const char*>(std::memchr(inicio, sep, static_cast<std::size_t>(fin - inicio)));
        f(std::string_view(inicio, static_cast<std::size_t>((p ? p : fin) - inicio)), i);
        if (!p) break;
        inicio = p + 1;
    }
}

// The list rule: each item of the attribute that lies within minimo..maximo is handed to
// marcar. Items outside are passed over; where the table could not hold them (informar) they
// are a failure of the section as well.
template <class Marcar>
void LeerLista(const NodoXML& nodo, const char* atributo, int minimo, int maximo, bool informarBajo,
               bool informarAlto, Seccion& s, Marcar marcar) {
    std::string valor;
    if (!Atributo(nodo, atributo, valor, s)) return;
    // Only the last failure is listed, so its text is made once, after the list: a list may
    // hold millions of items.
    const char* fallo = nullptr;
    std::string_view fallido;
    CadaElemento(valor, ',', [&](std::string_view item, long) {
        long long v = 0;
        if (!Entero(item, v)) {
            fallo = "VALOR NO NUMERICO: ";
            fallido = item;
        } else if (v >= minimo && v <= maximo) {
            marcar(static_cast<int>(v));
        } else if ((v < minimo && informarBajo) || (v > maximo && informarAlto)) {
            fallo = "VALOR FUERA DE RANGO: ";
            fallido = item;
        }
    });
    if (fallo) s.Fallo(fallo + Extracto(fallido));
}

// A list into a counts table (indexes 0..5).
void LeerConteos(const NodoXML& nodo, TablaConteos& t, bool informar, Seccion& s) {
    LeerLista(nodo, "valores", 0, 5, informar, informar, s, [&](int v) { t.v[v] = 1; });
}

// A list into row fila of a fixed table whose columns are desde..hasta.
void LeerFila(const NodoXML& nodo, const char* atributo, Tabla<Byte>& t, long fila, int desde, int hasta,
              bool informar, Seccion& s) {
    LeerLista(nodo, atributo, desde, hasta, informar, informar, s, [&](int v) { t(fila, v) = 1; });
}

// The positional rule of the figure lists: item i is flag i+1, a Byte.
void LeerFiguras(const NodoXML& nodo, TablaFiguras& t, Seccion& s) {
    std::string valor;
    if (!Atributo(nodo, "valores", valor, s)) return;
    // Items beyond the seventh all fail alike, and last: one text for them all.
    bool demasiados = false;
    CadaElemento(valor, ',', [&](std::string_view item, long i) {
        if (i >= 7) demasiados = true;
        else AByte(item, t.v[i + 1], s);
    });
    if (demasiados) s.Fallo("DEMASIADOS VALORES: " + Extracto(valor));
}

// The range rule: "minimum-maximum"; anything but exactly two parts stores nothing.
template <class T, class Conv>
void LeerRango(const NodoXML& nodo, T& minimo, T& maximo, Seccion& s, Conv convertir) {
    std::string valor;
    if (!Atributo(nodo, "suma", valor, s)) return;
    const std::size_t guion = valor.find('-');
    if (guion == std::string::npos || valor.find('-', guion + 1) != std::string::npos) return;
    const std::string_view t(valor);
    convertir(t.substr(0, guion), minimo, s);
    convertir(t.substr(guion + 1), maximo, s);
}

// ---- the parts of the file ----

void LeerCombinacion(const NodoXML& c, LecturaBaseXML& l) {
    Seccion s("NUMEROSyESTRELLAS");
    try {
        for (const NodoXML h : c.childNodes()) {
            const std::string nombre = Mayusculas(h.nodeName());
            if (nombre == "BASE_NUMEROS")
                LeerLista(h, "numeros", 1, 50, false, false, s, [&](int v) { l.numeros[static_cast<std::size_t>(v)] = true; });
            else if (nombre == "BASE_ESTRELLAS")
                LeerLista(h, "estrellas", 1, 12, false, false, s,
                          [&](int v) { l.estrellas[static_cast<std::size_t>(v)] = true; });
        }
    } catch (const std::exception& x) {
        s.Fallo(x.what());
    }
    l.combinacionLeida = true;
    s.Cerrar();
}

void LeerCombinacionGanadora(const NodoXML& c) {
    Seccion s("COMBINACION GANADORA");
    // One combination gives one line: stars above 12 are told once, in place of any other
    // failure of the section.
    bool estrellasAltas = false;
    try {
        std::string valor;
        if (Atributo(c, "valor", valor, s)) {
            bool demasiados = false;
            CadaElemento(valor, ',', [&](std::string_view item, long i) {
                if (i >= 7) {
                    demasiados = true;
                    return;
                }
                Integer v = 0;
                if (!AInteger(item, v, s)) return;
                Byte& casilla = CombinacionGanadora[i + 1];
                if (i >= 5 && v > 12) {
                    casilla = 0;
                    estrellasAltas = true;
                } else if (v < 0 || v > 255) {
                    s.Fallo("VALOR FUERA DE RANGO: " + Extracto(item));
                } else {
                    casilla = static_cast<Byte>(v);
                }
            });
            if (demasiados) s.Fallo("DEMASIADOS VALORES: " + Extracto(valor));
        }
    } catch (const std::exception& x) {
        s.Fallo(x.what());
    }
    if (estrellasAltas) s.Fallo("ESTRELLAS MAYORES DE 12");
    s.Cerrar();
}

void LeerBaseASCII(const NodoXML& c, LecturaBaseXML& l) {
    Seccion s("BASE ASCII");
    try {
        std::string valor;
        if (Atributo(c, "valor", valor, s)) {
            l.ficheroImportado = valor;
            if (!valor.empty()) l.avisoImportado = true;
        }
    } catch (const std::exception& x) {
        s.Fallo(x.what());
    }
    s.Cerrar();
}

void LeerReduccion(const NodoXML& r, LecturaBaseXML& l) {
    for (const NodoXML h : r.childNodes()) {
        Seccion s("REDUCCION");
        try {
            const std::string nombre = Mayusculas(h.nodeName());
            std::string valor;
            if (nombre == "TIPO") {
                AtributoInteger(h, "valor", Reduccion.Tipo, s);
                l.filaReduccion = true;
            } else if (nombre == "PORCENTAJE") {
                AtributoInteger(h, "valor", Reduccion.Porcentaje, s);
            } else if (nombre == "ACTIVARPORCENTAJE") {
                if (Atributo(h, "valor", valor, s)) Reduccion.ModoNuApuestas = !EsUno(valor);
            } else if (nombre == "NUAPUESTAS") {
                if (Atributo(h, "valor", valor, s)) ALong(valor, Reduccion.NuApuestas, s);
            } else if (nombre == "ACTIVARCICLOS") {
                AtributoInteger(h, "valor", Reduccion.ActivarCiclos, s);
            } else if (nombre == "ALEATORIO") {
                AtributoInteger(h, "valor", Reduccion.Aleatorio, s);
            } else if (nombre == "ESTRELLAS") {
                // An imported system always takes its stars in sequence.
                if (l.desdeArchivo) Reduccion.Estrellas = 3;
                else AtributoInteger(h, "valor", Reduccion.Estrellas, s);
                l.filaEstrellas = true;
            }
        } catch (const std::exception& x) {
            s.Fallo(x.what());
        }
        s.Cerrar();
    }
}

// ---- the children of each filter ----

void LeerGrupo(const NodoXML& e, Seccion& s) {
    Integer g = 0;
    if (!AtributoInteger(e, "numero", g, s)) return;
    if (g < 1 || g > 120) {
        s.Fallo("GRUPO FUERA DE RANGO: " + std::to_string(g));
        return;
    }
    for (const NodoXML h : e.childNodes()) {
        const std::string nombre = Mayusculas(h.nodeName());
        if (nombre == "NUMEROS") LeerFila(h, "valores", GruposNumeros, g, 1, 50, true, s);
        else if (nombre == "ACIERTOS") LeerFila(h, "valores", GruposAciertos, g, 0, 5, false, s);
    }
}

void LeerGrupoRelacionado(const NodoXML& e, Seccion& s) {
    Integer g = 0;
    if (!AtributoInteger(e, "numero", g, s)) return;
    if (g < 1 || g > 40) {
        s.Fallo("GRUPO FUERA DE RANGO: " + std::to_string(g));
        return;
    }
    const long primera = 4L * (g - 1);
    for (const NodoXML h : e.childNodes()) {
        const std::string nombre = Mayusculas(h.nodeName());
        if (nombre == "SUBGRUPOS") {
            // The n-th child is subgroup n, whatever it is called and whatever row it names.
            long n = 0;
            for (const NodoXML sub : h.childNodes()) {
                if (++n > 4) {
                    s.Fallo("DEMASIADOS SUBGRUPOS EN EL GRUPO " + std::to_string(g));
                    break;
                }
                LeerFila(sub, "numeros", SubgruposNumeros, primera + n, 1, 50, true, s);
            }
        } else if (nombre == "CONDICIONES") {
            for (const NodoXML a : h.childNodes()) {
                if (Mayusculas(a.nodeName()) != "ACIERTOS") continue;
                Integer c = 0;
                if (!AtributoInteger(a, "bloque", c, s)) continue;
                if (c < 1 || c > 4) {
                    s.Fallo("BLOQUE FUERA DE RANGO: " + std::to_string(c));
                    continue;
                }
                LeerFila(a, "valores", CondicionesAciertos, primera + c, 0, 5, false, s);
            }
        }
    }
}

void LeerIntervalos(const NodoXML& e, Seccion& s) {
    for (const NodoXML h : e.childNodes()) {
        Integer i = 0;
        if (!AtributoInteger(h, "numero", i, s)) continue;
        if (i < 1) {
            s.Fallo("INTERVALO FUERA DE RANGO: " + std::to_string(i));
            continue;
        }
        // Intervals beyond the sixth are passed over.
        if (i > 6) continue;
        LeerRango(h, SumaMinima[i], SumaMaxima[i], s,
                  [](std::string_view t, Integer& d, Seccion& sec) { return AInteger(t, d, sec); });
    }
}

void LeerElementoFiltro(int k, const NodoXML& e, Seccion& s) {
    const std::string nombre = Mayusculas(e.nodeName());
    switch (k) {
    case 0:
        if (nombre == "BAJOS") LeerConteos(e, Bajos, false, s);
        else if (nombre == "ALTOS") LeerConteos(e, Altos, false, s);
        break;
    case 1: {
        static const char* const nombres[5] = {"DECENA0109", "DECENA1019", "DECENA2029", "DECENA3039", "DECENA4050"};
        TablaConteos* tablas[5] = {&Decena0109, &Decena1019, &Decena2029, &Decena3039, &Decena4050};
        for (int d = 0; d < 5; ++d)
            if (nombre == nombres[d]) LeerConteos(e, *tablas[d], false, s);
        if (nombre == "FIGURASDECENAS") LeerFiguras(e, FigurasDecenas, s);
        break;
    }
    case 2: {
        static const char* const nombres[10] = {"DISTANCIA12MINIMA", "DISTANCIA12MAXIMA", "DISTANCIA23MINIMA",
                                                "DISTANCIA23MAXIMA", "DISTANCIA34MINIMA", "DISTANCIA34MAXIMA",
                                                "DISTANCIA45MINIMA", "DISTANCIA45MAXIMA", "DISTANCIA15MINIMA",
                                                "DISTANCIA15MAXIMA"};
        Integer* variables[10] = {&Distancia12Minima, &Distancia12Maxima, &Distancia23Minima, &Distancia23Maxima,
                                  &Distancia34Minima, &Distancia34Maxima, &Distancia45Minima, &Distancia45Maxima,
                                  &Distancia15Minima, &Distancia15Maxima};
        for (int d = 0; d < 10; ++d)
            if (nombre == nombres[d]) AtributoInteger(e, "valor", *variables[d], s);
        break;
    }
    case 3:
        if (nombre == "GRUPO") LeerGrupo(e, s);
        break;
    case 4:
        if (nombre == "GRUPO") LeerGrupoRelacionado(e, s);
        break;
    case 5:
        if (nombre == "PARESACTIVOS") LeerConteos(e, ParesActivos, true, s);
        break;
    case 6:
        // Run lengths are 1..5: nothing below 1 is taken, above 5 the table has no room.
        if (nombre == "NUMEROSSEGUIDOS")
            LeerLista(e, "valores", 1, 5, false, true, s, [&](int v) { NumerosSeguidos.v[v] = 1; });
        else if (nombre == "FIGURASSEGUIDOS") LeerFiguras(e, FigurasSeguidos, s);
        break;
    case 7:
        if (nombre == "INTERVALOS") LeerIntervalos(e, s);
        break;
    case 8:
        if (nombre == "TERMINADOSEN") {
            Integer d = 0;
            if (!AtributoInteger(e, "id", d, s)) break;
            if (d < 0 || d > 9) {
                s.Fallo("TERMINACION FUERA DE RANGO: " + std::to_string(d));
                break;
            }
            LeerFila(e, "valores", TerminadosEn, d, 0, 5, true, s);
        } else if (nombre == "SUMATERMINACIONES") {
            LeerRango(e, SumaTerminacionesMinima, SumaTerminacionesMaxima, s,
                      [](std::string_view t, Byte& d, Seccion& sec) { return AByte(t, d, sec); });
        } else if (nombre == "FIGURASTERMINACIONES") {
            LeerFiguras(e, FigurasTerminaciones, s);
        }
        break;
    default:
        if (nombre == "BOLA") {
            Integer p = 0;
            if (!AtributoInteger(e, "id", p, s)) break;
            if (p < 1 || p > 5) {
                s.Fallo("POSICION FUERA DE RANGO: " + std::to_string(p));
                break;
            }
            LeerFila(e, "valores", PosicionesNumeros, p, 1, 50, true, s);
        }
        break;
    }
}

}  // namespace

void AnadirErrorXML(const std::string& texto, const std::string& seccion) {
    if (texto.empty()) return;
    ErroresXML += seccion;
    ErroresXML += " : ";
    ErroresXML += texto;
    ErroresXML += "\r\n";
}

void LeerFiltrosXML(const ListaNodosXML& filtros, LecturaBaseXML& l) {
    DimensionarTablasFijas();
    for (const NodoXML f : filtros) {
        // Each child is taken as a Filtro; without a known nombre it is passed over.
        const NodoXML atributoNombre = f.attributes().getNamedItem("nombre");
        if (atributoNombre.isNull()) continue;
        const std::string nombre = Mayusculas(atributoNombre.nodeValue());
        int k = -1;
        for (int i = 0; i < 10; ++i)
            if (nombre == NombresFiltros[i]) k = i;
        if (k < 0) continue;
        Seccion s(SeccionesFiltros[k]);
        try {
            std::string activado;
            const bool activo = Atributo(f, "activado", activado, s) && EsUno(activado);
            // The group rows are rebuilt from scratch after their filter is read, so the last
            // such Filtro decides; the other rows are only ever switched on.
            if (k == 3 || k == 4) l.filtrosActivos[static_cast<std::size_t>(k)] = activo;
            else if (activo) l.filtrosActivos[static_cast<std::size_t>(k)] = true;
            for (const NodoXML e : f.childNodes()) LeerElementoFiltro(k, e, s);
        } catch (const std::exception& x) {
            s.Fallo(x.what());
        }
        if (k == 3) l.filaGrupos = true;
        if (k == 4) l.filaGruposRelacionados = true;
        s.Cerrar();
    }
}

void LeerBaseXML(const DocumentoXML& documento, LecturaBaseXML& l) {
    DimensionarTablasFijas();
    // Three levels: the names of the first two are not examined (XML and BASE when the
    // program wrote the file); the third is matched by name.
    for (const NodoXML a : documento.childNodes()) {
        if (!a.hasChildNodes()) continue;
        for (const NodoXML b : a.childNodes()) {
            if (!b.hasChildNodes()) continue;
            for (const NodoXML c : b.childNodes()) {
                const std::string nombre = Mayusculas(c.nodeName());
                if (nombre == "COMBINACION") {
                    if (!l.desdeArchivo) LeerCombinacion(c, l);
                } else if (nombre == "COMBINACIONGANADORA") {
                    LeerCombinacionGanadora(c);
                } else if (nombre == "BASEASCII") {
                    if (!l.desdeArchivo) LeerBaseASCII(c, l);
                } else if (nombre == "REDUCCION") {
                    LeerReduccion(c, l);
                } else if (nombre == "FILTROS") {
                    LeerFiltrosXML(c.childNodes(), l);
                }
            }
        }
    }
    // A half-saved pair is said as such: the user knows why it did not open, and that it will.
    if (documento.parseError().errorCode == DocumentoXML::ErrorGuardadoAMedias)
        AnadirErrorXML("ERROR AL ABRIR EL FICHERO (" + documento.parseError().reason + ")", "FICHERO");
    else if (documento.parseError().errorCode != 0)
        AnadirErrorXML("ERROR AL ABRIR EL FICHERO", "FICHERO");
}

}  // namespace modXML
