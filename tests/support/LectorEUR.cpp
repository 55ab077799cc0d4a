#include "support/LectorEUR.h"

#include <fstream>
#include <iterator>

#include "common/modEncriptarFichero.h"

using modEncriptarFichero::ClaveEUR;
using modEncriptarFichero::EncriptarRC4;

std::vector<std::string> LeerRegistrosEUR(const std::string& ruta, bool* completo) {
    std::vector<std::string> registros;
    if (completo) *completo = false;
    std::ifstream f(ruta, std::ios::binary);
    if (!f) return registros;
    std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::size_t p = 0;
    while (p + 2 <= bytes.size()) {
        std::size_t l = static_cast<unsigned char>(bytes[p]) | (static_cast<unsigned char>(bytes[p + 1]) << 8);
        p += 2;
        if (p + l > bytes.size()) return registros;  // a truncated record
        registros.push_back(bytes.substr(p, l));
        p += l;
    }
    if (completo) *completo = p == bytes.size();
    return registros;
}

namespace {
// The plain "0" of a refused text is stored unenciphered.
std::string Descifrar(const std::string& registro) {
    return registro == "0" ? registro : EncriptarRC4(registro, ClaveEUR);
}
}  // namespace

FicheroEUR LeerFicheroEUR(const std::string& ruta) {
    FicheroEUR r;
    bool completo = false;
    r.registros = LeerRegistrosEUR(ruta, &completo);
    if (!completo) {
        r.error = r.registros.empty() ? "fichero ausente o vacío" : "registro truncado";
        if (r.registros.empty()) return r;
    }
    if (r.registros.size() < 2) {
        r.error = "faltan la cabecera o la cuenta";
        return r;
    }
    r.cabecera = Descifrar(r.registros[0]);
    r.textoCuenta = EncriptarRC4(r.registros[1], ClaveEUR);
    long cuenta = 0;
    for (char c : r.textoCuenta) {
        if (c < '0' || c > '9') {
            r.error = "cuenta ilegible: " + r.textoCuenta;
            return r;
        }
        cuenta = cuenta * 10 + (c - '0');
    }
    r.numApuestas = cuenta;
    if (r.registros.size() < static_cast<std::size_t>(cuenta) + 2) {
        r.error = "faltan apuestas";
        return r;
    }
    r.textos.reserve(static_cast<std::size_t>(cuenta));
    r.apuestas.reserve(static_cast<std::size_t>(cuenta));
    for (long b = 0; b < cuenta; ++b) {
        std::string t = EncriptarRC4(r.registros[static_cast<std::size_t>(b) + 2], ClaveEUR);
        std::array<std::uint8_t, 7> v{};
        int valor = 0, i = 0;
        bool ok = true, digito = false;
        for (std::size_t p = 0; p <= t.size() && ok; ++p) {
            char c = p < t.size() ? t[p] : '\0';
            if (c >= '0' && c <= '9') {
                valor = valor * 10 + (c - '0');
                digito = true;
            } else if (c == ',' || c == '+' || c == '\0') {
                // Separators: four commas, then "+", then one comma.
                char esperado = i == 4 ? '+' : (i == 6 ? '\0' : ',');
                ok = digito && c == esperado && i < 7 && valor <= 255;
                if (ok) v[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(valor);
                valor = 0;
                digito = false;
            } else {
                ok = false;
            }
        }
        if (!ok || i != 7) {
            r.error = "apuesta " + std::to_string(b + 1) + " ilegible";
            return r;
        }
        r.textos.push_back(t);
        r.apuestas.push_back(v);
    }
    r.leido = completo;
    if (!completo) r.error = "registro truncado tras las apuestas";
    return r;
}
