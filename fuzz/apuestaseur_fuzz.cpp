// Fuzz target of the .EUR bet-file reader. The input is a .EUR file whose record texts are
// in clear: every record of 1..100 bytes is enciphered here before the reader sees it, so
// the fuzzer works on the texts (counts, values, separators) as well as on the record
// framing; bytes after the last whole record are passed as they are. Every .EUR file is
// some input's image. The file is read whole and in pieces of 5 bytes (the two must agree).
#include <cstdint>
#include <string>

#include "apoyo/ComprobarLectura.h"
#include "apoyo/PlataformaMuda.h"
#include "common/modEncriptarFichero.h"
#include "common/modLeerApuestas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tam) {
    static PlataformaMuda plataforma;
    static const std::string flujo = modEncriptarFichero::EncriptarRC4(
        std::string(modEncriptarFichero::LongitudMaximaRC4, '\0'), modEncriptarFichero::ClaveEUR);
    using namespace modLeerApuestas;

    std::string fichero(reinterpret_cast<const char*>(datos), tam);
    std::size_t p = 0;
    while (p + 2 <= fichero.size()) {
        const std::size_t l = static_cast<unsigned char>(fichero[p]) |
                              (static_cast<std::size_t>(static_cast<unsigned char>(fichero[p + 1])) << 8);
        p += 2;
        if (p + l > fichero.size()) break;
        if (l >= 1 && l <= flujo.size())
            for (std::size_t i = 0; i < l; ++i) fichero[p + i] = static_cast<char>(fichero[p + i] ^ flujo[i]);
        p += l;
    }
    LecturaApuestas entera = LeerApuestasMemoria(fichero.data(), fichero.size(), FormatoFichero::EUR);
    LecturaApuestas trozos = LeerApuestasMemoria(fichero.data(), fichero.size(), FormatoFichero::EUR, {}, 5);
    ComprobarLectura(entera);
    CompararLecturas(entera, trozos);
    return 0;
}
