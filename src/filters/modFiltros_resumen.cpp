#include <string>

#include "filters/modFiltros.h"

namespace modFiltros {

std::string TextoResumenGrupos(const std::string& nombreFiltro) {
    using namespace modGeneral;
    DimensionarTablasFijas();
    int k = 0;
    if (nombreFiltro == "GRUPOS DE NUMEROS") {
        for (int g = 1; g <= 120; ++g)
            for (int c = 0; c <= 5; ++c)
                if (GruposAciertos(g, c) == 1) { ++k; break; }
        return std::to_string(k) + " de 120";
    }
    if (nombreFiltro == "GRUPOS RELACIONADOS") {
        for (int g = 1; g <= 40; ++g) {
            bool alguno = false;
            for (int s = 1; s <= 4 && !alguno; ++s)
                for (int n = 1; n <= 50; ++n)
                    if (SubgruposNumeros((g - 1) * 4 + s, n) == 1) { alguno = true; break; }
            if (alguno) ++k;
        }
        return std::to_string(k) + " de 40";
    }
    return std::string();
}

}  // namespace modFiltros
