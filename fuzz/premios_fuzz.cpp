// The reader of prize files: any bytes are refused with a reason or read as a draw that is
// within every range and that the writer gives back unchanged.
#include <cstdint>
#include <string>

#include "apoyo/PlataformaMuda.h"
#include "tools/modPremios.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tam) {
    static PlataformaMuda plataforma;
    const std::string texto(reinterpret_cast<const char*>(datos), tam);
    modPremios::SorteoPremios s;
    std::string error;
    if (modPremios::LeerXMLPremios(texto, s, error)) {
        if (!modPremios::ComprobarSorteo(s, error)) __builtin_trap();
        modPremios::SorteoPremios otra;
        if (!modPremios::LeerXMLPremios(modPremios::GenerarXMLPremios(s), otra, error)) __builtin_trap();
        if (modPremios::GenerarXMLPremios(otra) != modPremios::GenerarXMLPremios(s)) __builtin_trap();
    } else if (error.empty()) {
        __builtin_trap();
    }
    // Amounts as the user types them.
    std::int64_t centimos = 0;
    if (modPremios::LeerEurosUsuario(texto.substr(0, 32), centimos) &&
        (centimos < 0 || centimos > modPremios::CentimosMaximos))
        __builtin_trap();
    return 0;
}
