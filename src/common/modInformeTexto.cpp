#include "common/modInformeTexto.h"

#include "platform/Ficheros.h"

namespace modInformeTexto {

std::string RutaInforme(const std::string& carpeta, const std::string& nombre) {
    if (carpeta.empty()) return nombre;
    const char ultimo = carpeta.back();
    return ultimo == '/' || ultimo == '\\' ? carpeta + nombre : carpeta + "/" + nombre;
}

std::string ALatin1(const std::string& s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) { r += static_cast<char>(c); ++i; continue; }
        int largo = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        if (i + static_cast<std::size_t>(largo) > s.size()) largo = 1;
        unsigned cp = largo == 2 ? c & 0x1Fu : largo == 3 ? c & 0x0Fu : c & 0x07u;
        bool valido = largo > 1;
        for (int j = 1; j < largo && valido; ++j) {
            const unsigned char x = static_cast<unsigned char>(s[i + static_cast<std::size_t>(j)]);
            if ((x & 0xC0) != 0x80) valido = false;
            cp = (cp << 6) | (x & 0x3Fu);
        }
        if (!valido) largo = 1;
        r += valido && cp <= 0xFF ? static_cast<char>(cp) : '?';
        i += static_cast<std::size_t>(largo);
    }
    return r;
}

bool EscribirInforme(const std::string& ruta, const std::vector<std::string>& lineas, std::string& error) {
    std::string texto;
    for (const std::string& l : lineas) texto += ALatin1(l) + "\r\n";
    // Reports live at the program's fixed names: a link found there is replaced, so that a
    // report never writes through it into a file the user did not choose.
    return Ficheros::EscribirFichero(ruta, texto, error, Ficheros::Enlace::Reemplazar);
}

}  // namespace modInformeTexto
