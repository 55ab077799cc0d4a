#include "common/modRutas.h"

namespace modRutas {

namespace {
bool EsSeparador(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}
std::size_t UltimoSeparador(const std::string& ruta) {
    for (std::size_t i = ruta.size(); i-- > 0;)
        if (EsSeparador(ruta[i])) return i;
    return std::string::npos;
}
}  // namespace

std::string NombreSinCarpeta(const std::string& ruta) {
    const std::size_t s = UltimoSeparador(ruta);
    return s == std::string::npos ? ruta : ruta.substr(s + 1);
}

std::string CambiarExtension(const std::string& ruta, const std::string& extension) {
    const std::size_t s = UltimoSeparador(ruta);
    const std::size_t inicio = s == std::string::npos ? 0 : s + 1;
    const std::size_t punto = ruta.rfind('.');
    if (punto != std::string::npos && punto >= inicio) return ruta.substr(0, punto) + extension;
    return ruta + extension;
}

}  // namespace modRutas
