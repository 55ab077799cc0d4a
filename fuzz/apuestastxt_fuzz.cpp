// Fuzz target of the text bet-file reader: the input is the file. It is read whole and again
// in pieces of 7 bytes (the two must agree), and what is read must hold only sound bets.
#include <cstdint>
#include <cstdlib>

#include "apoyo/ComprobarLectura.h"
#include "apoyo/PlataformaMuda.h"
#include "common/modLeerApuestas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tam) {
    static PlataformaMuda plataforma;
    using namespace modLeerApuestas;
    LecturaApuestas entera = LeerApuestasMemoria(datos, tam, FormatoFichero::Texto);
    LecturaApuestas trozos = LeerApuestasMemoria(datos, tam, FormatoFichero::Texto, {}, 7);
    ComprobarLectura(entera);
    CompararLecturas(entera, trozos);
    return 0;
}
