#include "common/ValidarTecla.h"

#include "platform/Plataforma.h"

namespace modGeneral {

namespace {
bool EsDigito(int tecla) { return tecla >= '0' && tecla <= '9'; }

void Cancelar(int& tecla) {
    tecla = 0;
    Plataforma::Activa().Beep();
}
}  // namespace

void ValidarTecla(const std::string& textoCaja, int& tecla, int tipo) {
    switch (tipo) {
    case 1:
    case 17:
        if (tecla == CodigoRetroceso || tecla == CodigoEscape) return;
        if (tipo == 17 && tecla == CodigoIntro) return;
        if (!EsDigito(tecla)) Cancelar(tecla);
        return;
    case 4:
        if (tecla != '.' && tecla != ',' && tecla != CodigoRetroceso && tecla != CodigoEscape && !EsDigito(tecla))
            Cancelar(tecla);
        if (tecla == ',' && textoCaja.find(',') != std::string::npos) Cancelar(tecla);
        return;
    default:
        tecla = 0;
        return;
    }
}

}  // namespace modGeneral
