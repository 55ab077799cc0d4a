#include "common/modInformeTexto.h"

#include <cstdio>
#include <ctime>

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

// The date a report is written: the same digits and separators on every system.
namespace {
std::tm Ahora() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}
std::string Fecha(const std::tm& t) {
    char b[40];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return b;
}
}  // namespace

std::string FechaInforme() { return Fecha(Ahora()); }

std::string FechaHoraInforme() {
    const std::tm t = Ahora();
    char b[40];
    std::snprintf(b, sizeof b, " %02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    return Fecha(t) + b;
}

}  // namespace modInformeTexto
