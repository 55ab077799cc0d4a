#include "main/modXML.h"

namespace modXML {

using namespace modGeneral;

namespace {

const char* const NombresFiltrosXML[10] = {"ALTOSBAJOS", "DECENAS",      "DISTANCIAS", "GRUPOS",
                                           "GRUPOSRELACIONADOS", "PARESIMPARES", "SEGUIDOS",
                                           "SUMAS",      "TERMINACIONES", "POSICIONES"};

// Builds the text line by line.
class Escritor {
public:
    // <nombre a='v' .../> or, with hijos, the start line <nombre a='v'>.
    Escritor& Elemento(const std::string& nombre,
                       std::initializer_list<std::pair<const char*, std::string>> atributos = {},
                       bool conHijos = false) {
        texto_ += '<';
        texto_ += nombre;
        for (const auto& [clave, valor] : atributos) {
            texto_ += ' ';
            texto_ += clave;
            texto_ += "='";
            texto_ += EscaparAtributo(valor);
            texto_ += '\'';
        }
        texto_ += conHijos ? ">\r\n" : "/>\r\n";
        return *this;
    }
    Escritor& Abrir(const std::string& nombre,
                    std::initializer_list<std::pair<const char*, std::string>> atributos = {}) {
        return Elemento(nombre, atributos, true);
    }
    Escritor& Cerrar(const std::string& nombre) {
        texto_ += "</" + nombre + ">\r\n";
        return *this;
    }
    const std::string& Texto() const { return texto_; }

private:
    std::string texto_;
};

std::string Numero(long v) { return std::to_string(v); }

std::string Unir(const std::vector<int>& v) {
    std::string s;
    for (int x : v) {
        if (!s.empty()) s += ',';
        s += std::to_string(x);
    }
    return s;
}

std::string ListaConteos(const TablaConteos& t, int desde = 0) { return ListaIndices(t.v, desde, 5); }

std::string ListaFiguras(const TablaFiguras& t) {
    std::string s;
    for (int f = 1; f <= 7; ++f) {
        if (f > 1) s += ',';
        s += std::to_string(t(f));
    }
    return s;
}

std::string Rango(long minimo, long maximo) { return Numero(minimo) + "-" + Numero(maximo); }

// The flags of row r of a fixed table, columns desde..hasta.
std::string ListaFila(const Tabla<Byte>& t, long r, int desde, int hasta) {
    std::string s;
    for (int c = desde; c <= hasta; ++c)
        if (t(r, c) != 0) {
            s += std::to_string(c);
            s += ',';
        }
    if (!s.empty()) s.pop_back();
    return s;
}

bool FilaConMarcas(const Tabla<Byte>& t, long r, int desde, int hasta) {
    for (int c = desde; c <= hasta; ++c)
        if (t(r, c) != 0) return true;
    return false;
}

void EscribirFiltro(Escritor& x, int k, bool activo) {
    const std::string nombre = NombresFiltrosXML[k];
    const std::pair<const char*, std::string> atributos[] = {{"nombre", nombre}, {"activado", activo ? "1" : "0"}};
    auto abrir = [&] { x.Abrir("Filtro", {atributos[0], atributos[1]}); };
    switch (k) {
    case 0:
        abrir();
        x.Elemento("Bajos", {{"valores", ListaConteos(Bajos)}});
        x.Elemento("Altos", {{"valores", ListaConteos(Altos)}});
        break;
    case 1:
        abrir();
        x.Elemento("Decena0109", {{"valores", ListaConteos(Decena0109)}});
        x.Elemento("Decena1019", {{"valores", ListaConteos(Decena1019)}});
        x.Elemento("Decena2029", {{"valores", ListaConteos(Decena2029)}});
        x.Elemento("Decena3039", {{"valores", ListaConteos(Decena3039)}});
        x.Elemento("Decena4050", {{"valores", ListaConteos(Decena4050)}});
        x.Elemento("FigurasDecenas", {{"valores", ListaFiguras(FigurasDecenas)}});
        break;
    case 2:
        abrir();
        x.Elemento("Distancia12Minima", {{"valor", Numero(Distancia12Minima)}});
        x.Elemento("Distancia12Maxima", {{"valor", Numero(Distancia12Maxima)}});
        x.Elemento("Distancia23Minima", {{"valor", Numero(Distancia23Minima)}});
        x.Elemento("Distancia23Maxima", {{"valor", Numero(Distancia23Maxima)}});
        x.Elemento("Distancia34Minima", {{"valor", Numero(Distancia34Minima)}});
        x.Elemento("Distancia34Maxima", {{"valor", Numero(Distancia34Maxima)}});
        x.Elemento("Distancia45Minima", {{"valor", Numero(Distancia45Minima)}});
        x.Elemento("Distancia45Maxima", {{"valor", Numero(Distancia45Maxima)}});
        x.Elemento("Distancia15Minima", {{"valor", Numero(Distancia15Minima)}});
        x.Elemento("Distancia15Maxima", {{"valor", Numero(Distancia15Maxima)}});
        break;
    case 3: {
        // Only groups with a hit count; a filter without any is an empty element.
        bool hay = false;
        for (int g = 1; g <= 120; ++g) {
            if (!FilaConMarcas(GruposAciertos, g, 0, 5)) continue;
            if (!hay) abrir();
            hay = true;
            x.Abrir("grupo", {{"numero", Numero(g)}});
            x.Elemento("numeros", {{"valores", ListaFila(GruposNumeros, g, 1, 50)}});
            x.Elemento("aciertos", {{"valores", ListaFila(GruposAciertos, g, 0, 5)}});
            x.Cerrar("grupo");
        }
        if (!hay) {
            x.Elemento("Filtro", {atributos[0], atributos[1]});
            return;
        }
        break;
    }
    case 4: {
        // Only related groups with a number in one of their subgroups.
        bool hay = false;
        for (int g = 1; g <= 40; ++g) {
            bool conNumeros = false;
            for (int s = 1; s <= 4 && !conNumeros; ++s)
                conNumeros = FilaConMarcas(SubgruposNumeros, 4 * (g - 1) + s, 1, 50);
            if (!conNumeros) continue;
            if (!hay) abrir();
            hay = true;
            x.Abrir("grupo", {{"numero", Numero(g)}});
            x.Abrir("subgrupos");
            for (int s = 1; s <= 4; ++s) {
                const long fila = 4 * (g - 1) + s;
                if (FilaConMarcas(SubgruposNumeros, fila, 1, 50))
                    x.Elemento("subgrupo", {{"numero", Numero(fila)},
                                            {"numeros", ListaFila(SubgruposNumeros, fila, 1, 50)}});
            }
            x.Cerrar("subgrupos");
            bool condiciones = false;
            for (int c = 1; c <= 4; ++c) {
                const long fila = 4 * (g - 1) + c;
                if (!FilaConMarcas(CondicionesAciertos, fila, 0, 5)) continue;
                if (!condiciones) x.Abrir("condiciones");
                condiciones = true;
                x.Elemento("aciertos", {{"bloque", Numero(c)},
                                        {"valores", ListaFila(CondicionesAciertos, fila, 0, 5)}});
            }
            if (condiciones) x.Cerrar("condiciones");
            else x.Elemento("condiciones");
            x.Cerrar("grupo");
        }
        if (!hay) {
            x.Elemento("Filtro", {atributos[0], atributos[1]});
            return;
        }
        break;
    }
    case 5:
        abrir();
        x.Elemento("ParesActivos", {{"valores", ListaConteos(ParesActivos)}});
        break;
    case 6:
        abrir();
        // Index 0 of the run lengths is never written.
        x.Elemento("NumerosSeguidos", {{"valores", ListaConteos(NumerosSeguidos, 1)}});
        x.Elemento("FigurasSeguidos", {{"valores", ListaFiguras(FigurasSeguidos)}});
        break;
    case 7:
        abrir();
        x.Abrir("intervalos");
        for (int i = 1; i <= 6; ++i)
            x.Elemento("intervalo", {{"numero", Numero(i)}, {"suma", Rango(SumaMinima[i], SumaMaxima[i])}});
        x.Cerrar("intervalos");
        break;
    case 8:
        abrir();
        for (int d = 0; d <= 9; ++d)
            x.Elemento("TerminadosEn", {{"id", Numero(d)}, {"valores", ListaFila(TerminadosEn, d, 0, 5)}});
        x.Elemento("SumaTerminaciones", {{"suma", Rango(SumaTerminacionesMinima, SumaTerminacionesMaxima)}});
        x.Elemento("FigurasTerminaciones", {{"valores", ListaFiguras(FigurasTerminaciones)}});
        break;
    default:
        abrir();
        for (int p = 1; p <= 5; ++p)
            x.Elemento("Bola", {{"id", Numero(p)}, {"valores", ListaFila(PosicionesNumeros, p, 1, 50)}});
        break;
    }
    x.Cerrar("Filtro");
}

// The length of the UTF-8 sequence at t[i] when it encodes a code point XML cannot hold
// although UTF-8 can (U+FDD0..U+FDEF and the last two of every plane), else 0.
std::size_t LargoNoCaracter(const std::string& t, std::size_t i) {
    const unsigned char primero = static_cast<unsigned char>(t[i]);
    const std::size_t largo = primero == 0xEF ? 3 : (primero >= 0xF0 && primero <= 0xF4) ? 4 : 0;
    if (largo == 0 || i + largo > t.size()) return 0;
    char32_t c = primero & (largo == 3 ? 0x0F : 0x07);
    for (std::size_t k = 1; k < largo; ++k) {
        const unsigned char b = static_cast<unsigned char>(t[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE ? largo : 0;
}

}  // namespace

std::string EscaparAtributo(const std::string& texto) {
    std::string s;
    s.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char ch = texto[i];
        const unsigned char c = static_cast<unsigned char>(ch);
        if (const std::size_t largo = LargoNoCaracter(texto, i)) {
            s += '?';
            i += largo - 1;
            continue;
        }
        switch (c) {
        case '&': s += "&amp;"; break;
        case '<': s += "&lt;"; break;
        case '>': s += "&gt;"; break;
        case '\'': s += "&apos;"; break;
        case '"': s += "&quot;"; break;
        case '\t': s += "&#9;"; break;
        case '\n': s += "&#10;"; break;
        case '\r': s += "&#13;"; break;
        default:
            if (c < 0x20 || c == 0x7F) s += '?';
            else s += ch;
        }
    }
    return s;
}

std::string ListaIndices(const Byte* fila, int desde, int hasta) {
    std::string s;
    for (int i = desde; i <= hasta; ++i)
        if (fila[i] != 0) {
            s += std::to_string(i);
            s += ',';
        }
    if (!s.empty()) s.pop_back();
    return s;
}

std::string GenerarXMLBase(const DatosBaseXML& d) {
    DimensionarTablasFijas();
    Escritor x;
    x.Abrir("XML");
    x.Abrir("BASE");
    x.Elemento("DatosGeneracionFicheroXML", {{"fecha", d.fecha}, {"hora", d.hora}});
    x.Elemento("Programa", {{"nombre", "TORNAVENTURA"}, {"version", "3.1"}});
    x.Abrir("Combinacion");
    x.Elemento("Base_Numeros", {{"numeros", Unir(d.numeros)}});
    x.Elemento("Base_Estrellas", {{"estrellas", Unir(d.estrellas)}});
    x.Cerrar("Combinacion");
    std::string ganadora;
    for (int i = 1; i <= 7; ++i) {
        if (i > 1) ganadora += ',';
        ganadora += std::to_string(CombinacionGanadora[i]);
    }
    x.Elemento("CombinacionGanadora", {{"valor", ganadora}});
    x.Elemento("BaseASCII", {{"valor", d.baseASCII}});
    x.Abrir("Filtros");
    for (int k = 0; k < 10; ++k) EscribirFiltro(x, k, d.filtrosActivos[static_cast<std::size_t>(k)]);
    x.Cerrar("Filtros");
    x.Abrir("Reduccion");
    x.Elemento("Tipo", {{"descripcion", Numero(Reduccion.Tipo)}, {"valor", Numero(Reduccion.Tipo)}});
    x.Elemento("Porcentaje", {{"valor", Numero(Reduccion.Porcentaje)}});
    x.Elemento("ActivarPorcentaje", {{"valor", Reduccion.ModoNuApuestas ? "0" : "1"}});
    x.Elemento("NuApuestas", {{"valor", Numero(Reduccion.NuApuestas)}});
    x.Elemento("ActivarCiclos", {{"valor", Numero(Reduccion.ActivarCiclos)}});
    x.Elemento("Aleatorio", {{"valor", Numero(Reduccion.Aleatorio)}});
    x.Elemento("Estrellas", {{"descripcion", Numero(Reduccion.Estrellas)}, {"valor", Numero(Reduccion.Estrellas)}});
    x.Cerrar("Reduccion");
    x.Cerrar("BASE");
    x.Cerrar("XML");
    return x.Texto();
}

std::string NombreFicheroDesdeTitulo(const std::string& titulo) {
    const std::size_t p = titulo.find(':');
    if (p == std::string::npos) return std::string();
    return p + 2 <= titulo.size() ? titulo.substr(p + 2) : std::string();
}

}  // namespace modXML
