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

}  // namespace modRutas
