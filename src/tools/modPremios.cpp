#include "tools/modPremios.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/DocumentoXML.h"
#include "platform/Ficheros.h"

namespace modPremios {

using modEscrutinio::NombresCategorias;
using modEscrutinio::TotalCategorias;

namespace {

bool LeerEntero(const std::string& t, long maximo, long& v) {
    if (t.empty() || t.size() > 9) return false;
    long r = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return false;
        r = r * 10 + (c - '0');
    }
    if (r > maximo) return false;
    v = r;
    return true;
}

// Digits and at most one decimal mark followed by one or two digits.
bool LeerImporte(const std::string& t, char marca, std::int64_t& centimos) {
    if (t.empty() || t.size() > 20) return false;
    std::int64_t entero = 0, decimales = 0;
    int cifrasEnteras = 0, cifrasDecimales = 0;
    bool enDecimales = false;
    for (char c : t) {
        if (c == marca && !enDecimales) {
            enDecimales = true;
            continue;
        }
        if (c < '0' || c > '9') return false;
        if (enDecimales) {
            if (++cifrasDecimales > 2) return false;
            decimales = decimales * 10 + (c - '0');
        } else {
            if (++cifrasEnteras > 12) return false;
            entero = entero * 10 + (c - '0');
        }
    }
    if (cifrasEnteras == 0 && cifrasDecimales == 0) return false;
    if (enDecimales && cifrasDecimales == 0) return false;
    if (cifrasDecimales == 1) decimales *= 10;
    const std::int64_t r = entero * 100 + decimales;
    if (r > CentimosMaximos) return false;
    centimos = r;
    return true;
}

std::string Atributo(const NodoXML& nodo, const char* nombre) {
    NodoXML a = nodo.attributes().getNamedItem(nombre);
    return a ? a.nodeValue() : std::string();
}

bool TieneAtributo(const NodoXML& nodo, const char* nombre) {
    return !nodo.attributes().getNamedItem(nombre).isNull();
}

bool LeerCombinacion(const std::string& t, Byte ganadora[8]) {
    std::vector<std::string> partes(1);
    for (char c : t) {
        if (c == ',') {
            if (partes.size() == 7) return false;
            partes.emplace_back();
        } else {
            partes.back() += c;
        }
    }
    if (partes.size() != 7) return false;
    Byte g[8] = {};
    for (int i = 0; i < 7; ++i) {
        long v = 0;
        if (!LeerEntero(partes[static_cast<std::size_t>(i)], 50, v)) return false;
        g[i + 1] = static_cast<Byte>(v);
    }
    std::sort(g + 1, g + 6);
    std::sort(g + 6, g + 8);
    if (!modEscrutinio::CombinacionCompleta(g)) return false;
    std::copy(g, g + 8, ganadora);
    return true;
}

bool LeerDocumento(const DocumentoXML& doc, SorteoPremios& destino, std::string& error) {
    NodoXML raiz = doc.documentElement();
    if (!raiz || raiz.nodeName() != "PREMIOS") {
        error = "no es un fichero de premios";
        return false;
    }
    SorteoPremios s;
    bool haySorteo = false, hayCombinacion = false;
    bool categoriaLeida[TotalCategorias] = {};
    for (NodoXML nodo : raiz.childNodes()) {
        const std::string nombre = nodo.nodeName();
        if (nombre == "Sorteo") {
            if (haySorteo) {
                error = "sorteo repetido";
                return false;
            }
            long anio = 0, numero = 0;
            if (!LeerEntero(Atributo(nodo, "anio"), AnioMaximo, anio) || anio < AnioMinimo) {
                error = "a\xC3\xB1o del sorteo no v\xC3\xA1lido";
                return false;
            }
            if (!LeerEntero(Atributo(nodo, "numero"), SorteoMaximo, numero) || numero < 1) {
                error = "n\xC3\xBAmero de sorteo no v\xC3\xA1lido";
                return false;
            }
            s.anio = static_cast<int>(anio);
            s.numeroSorteo = static_cast<int>(numero);
            haySorteo = true;
        } else if (nombre == "CombinacionGanadora") {
            if (hayCombinacion || !LeerCombinacion(Atributo(nodo, "valor"), s.ganadora)) {
                error = "combinaci\xC3\xB3n ganadora no v\xC3\xA1lida";
                return false;
            }
            hayCombinacion = true;
        } else if (nombre == "Categoria") {
            const std::string aciertos = Atributo(nodo, "aciertos");
            int k = 0;
            while (k < TotalCategorias && aciertos != NombresCategorias[k]) ++k;
            if (k == TotalCategorias || categoriaLeida[k]) {
                error = "categor\xC3\xAD" "a desconocida o repetida (" + aciertos.substr(0, 20) + ")";
                return false;
            }
            if (!TieneAtributo(nodo, "euros") || !LeerEurosFichero(Atributo(nodo, "euros"), s.centimos[k])) {
                error = std::string("premio no v\xC3\xA1lido en la categor\xC3\xAD" "a ") + NombresCategorias[k];
                return false;
            }
            categoriaLeida[k] = true;
        }
        // Anything else (comments, other elements) is left alone.
    }
    if (!haySorteo || !hayCombinacion) {
        error = haySorteo ? "falta la combinaci\xC3\xB3n ganadora" : "faltan el a\xC3\xB1o y el n\xC3\xBAmero del sorteo";
        return false;
    }
    destino = s;
    return true;
}

}  // namespace

bool LeerEurosFichero(const std::string& texto, std::int64_t& centimos) { return LeerImporte(texto, '.', centimos); }

bool LeerEurosUsuario(const std::string& texto, std::int64_t& centimos) {
    std::string t = texto;
    const std::size_t punto = t.rfind('.');
    if (t.find(',') == std::string::npos && punto != std::string::npos && t.size() - punto - 1 >= 1 &&
        t.size() - punto - 1 <= 2 && t.find('.') == punto) {
        // "12.5" or "12.50": a decimal point.
        t[punto] = ',';
    } else {
        // Points are thousands separators.
        t.erase(std::remove(t.begin(), t.end(), '.'), t.end());
    }
    return LeerImporte(t, ',', centimos);
}

std::string TextoEurosFichero(std::int64_t centimos) {
    char b[40];
    std::snprintf(b, sizeof b, "%lld.%02lld", static_cast<long long>(centimos / 100),
                  static_cast<long long>(centimos % 100));
    return b;
}

std::string TextoEurosUsuario(std::int64_t centimos) {
    std::string entero = std::to_string(centimos / 100);
    std::string r;
    for (std::size_t i = 0; i < entero.size(); ++i) {
        if (i > 0 && (entero.size() - i) % 3 == 0) r += '.';
        r += entero[i];
    }
    char d[8];
    std::snprintf(d, sizeof d, ",%02lld", static_cast<long long>(centimos % 100));
    return r + d;
}

bool ComprobarSorteo(const SorteoPremios& s, std::string& error) {
    if (s.anio < AnioMinimo || s.anio > AnioMaximo) {
        error = "EL A\xC3\x91O DEL SORTEO HA DE ESTAR ENTRE " + std::to_string(AnioMinimo) + " Y " +
                std::to_string(AnioMaximo);
        return false;
    }
    if (s.numeroSorteo < 1 || s.numeroSorteo > SorteoMaximo) {
        error = "EL N\xC3\x9AMERO DEL SORTEO HA DE ESTAR ENTRE 1 Y " + std::to_string(SorteoMaximo);
        return false;
    }
    if (!modEscrutinio::CombinacionCompleta(s.ganadora)) {
        error = "MARQUE LA COMBINACION GANADORA (5 NUMEROS Y 2 ESTRELLAS)";
        return false;
    }
    for (int k = 0; k < TotalCategorias; ++k)
        if (s.centimos[k] < 0 || s.centimos[k] > CentimosMaximos) {
            error = std::string("PREMIO NO VALIDO EN LA CATEGORIA ") + NombresCategorias[k];
            return false;
        }
    return true;
}

std::string GenerarXMLPremios(const SorteoPremios& s) {
    std::string t = "<PREMIOS>\r\n";
    t += "<Sorteo anio='" + std::to_string(s.anio) + "' numero='" + std::to_string(s.numeroSorteo) + "'/>\r\n";
    t += "<CombinacionGanadora valor='";
    for (int i = 1; i <= 7; ++i) t += (i > 1 ? "," : "") + std::to_string(s.ganadora[i]);
    t += "'/>\r\n";
    for (int k = 0; k < TotalCategorias; ++k)
        t += std::string("<Categoria aciertos='") + NombresCategorias[k] + "' euros='" +
             TextoEurosFichero(s.centimos[k]) + "'/>\r\n";
    t += "</PREMIOS>\r\n";
    return t;
}

bool LeerXMLPremios(const std::string& texto, SorteoPremios& sorteo, std::string& error) {
    if (texto.size() > TamanoMaximoFichero) {
        error = "el fichero es demasiado grande";
        return false;
    }
    DocumentoXML doc;
    if (!doc.loadXML(texto)) {
        error = "XML no v\xC3\xA1lido: " + doc.parseError().reason;
        return false;
    }
    return LeerDocumento(doc, sorteo, error);
}

bool LeerFicheroPremios(const std::string& ruta, SorteoPremios& sorteo, std::string& error) {
    // Only a regular file of at most the size of ours is read; a pipe never holds the window.
    std::string bytes;
    int codigo = 0;
    switch (Ficheros::LeerFichero(ruta, TamanoMaximoFichero, bytes, codigo)) {
    case Ficheros::ResultadoLectura::Leido: break;
    case Ficheros::ResultadoLectura::DemasiadoGrande: error = "el fichero es demasiado grande"; return false;
    case Ficheros::ResultadoLectura::Error:
        error = "no se puede abrir el fichero: " + Ficheros::DescripcionError(codigo, Ficheros::Operacion::Lectura);
        return false;
    }
    DocumentoXML doc;
    if (!doc.cargarBytes(bytes)) {
        error = "XML no v\xC3\xA1lido: " + doc.parseError().reason;
        return false;
    }
    return LeerDocumento(doc, sorteo, error);
}

}  // namespace modPremios
