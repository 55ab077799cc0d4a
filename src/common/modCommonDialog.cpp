#include "common/modCommonDialog.h"

#include "platform/Plataforma.h"

namespace modCommonDialog {

namespace {

std::string QuitarBlancos(const std::string& t) {
    std::size_t a = t.find_first_not_of(' ');
    if (a == std::string::npos) return std::string();
    std::size_t b = t.find_last_not_of(' ');
    return t.substr(a, b - a + 1);
}

std::string MostrarDialogo(bool guardar, const std::string& extension,
                           const std::vector<std::string>& extensionesJuntas) {
    PeticionDialogo peticion;
    peticion.titulo = TituloDialogo;
    peticion.filtros = ParesFiltro(FiltroDialogo);
    peticion.indiceFiltro = static_cast<int>(IndiceFiltro);
    peticion.guardar = guardar;
    if (guardar) {
        peticion.nombrePropuesto = QuitarNulos(QuitarBlancos(FicheroDialogo));
        peticion.extension = extension;
        peticion.extensionesJuntas = extensionesJuntas;
    }

    ResultadoDialogoFichero r = Plataforma::Activa().DialogoFichero(peticion);
    ResultadoDialogo = r.aceptado ? 1 : 0;
    if (r.aceptado) {
        IndiceFiltro = r.indiceFiltro;
        FicheroDialogo = QuitarNulos(QuitarBlancos(r.ruta));
    } else {
        FicheroDialogo.clear();
    }
    return FicheroDialogo;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ParesFiltro(const std::string& filtro) {
    std::vector<std::pair<std::string, std::string>> pares;
    std::vector<std::string> partes;
    std::size_t desde = 0;
    while (desde < filtro.size()) {
        std::size_t barra = filtro.find('|', desde);
        if (barra == std::string::npos) barra = filtro.size();
        partes.push_back(filtro.substr(desde, barra - desde));
        desde = barra + 1;
    }
    for (std::size_t i = 0; i + 1 < partes.size(); i += 2) {
        if (partes[i].empty() || partes[i + 1].empty()) break;
        pares.emplace_back(partes[i], partes[i + 1]);
    }
    return pares;
}

std::string QuitarNulos(const std::string& texto) {
    std::size_t nulo = texto.find('\0');
    return nulo == std::string::npos ? texto : texto.substr(0, nulo);
}

std::string MostrarDialogoAbrir() { return MostrarDialogo(false, std::string(), {}); }

std::string MostrarDialogoGuardar(const std::string& extension, const std::vector<std::string>& extensionesJuntas) {
    return MostrarDialogo(true, extension, extensionesJuntas);
}

}  // namespace modCommonDialog
