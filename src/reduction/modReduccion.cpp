#include "reduction/modReduccion.h"

namespace modReduccion {

int GarantiaDeTipo(int tipo) {
    switch (tipo) {
    case 1: return 4;
    case 2: return 3;
    case 3: return 2;
    case 4: return 1;
    default: return 5;
    }
}

ParametrosReduccion ParametrosDesde(const modGeneral::TipoReduccion& r) {
    ParametrosReduccion p;
    p.Garantia = GarantiaDeTipo(r.Tipo);
    p.ModoNuApuestas = r.ModoNuApuestas;
    p.Porcentaje = (r.Porcentaje < 1 || r.Porcentaje > 100) ? 100 : r.Porcentaje;
    p.NuApuestas = r.NuApuestas < 1 ? 1 : r.NuApuestas;
    p.Ciclos = r.ActivarCiclos != 0;
    p.Aleatorio = r.Aleatorio != 0;
    return p;
}

// Placeholder until the engine lands: no bets.
ResultadoReduccion Reducir(int, const Tabla<Byte>&, const Tabla<Byte>&, const ParametrosReduccion&,
                           const bool*, const FuncionProgreso&) {
    return {};
}

ResultadoReduccion ReducirSistema(const ParametrosReduccion& parametros, const bool* detener,
                                  const FuncionProgreso& progreso) {
    ResultadoReduccion r = Reducir(modGeneral::TotalNumerosBase, modGeneral::ApuestasCondicionadas,
                                   modGeneral::ApuestasCondicionadas, parametros, detener, progreso);
    EscribirApuestasReducidas(r);
    return r;
}

void EscribirApuestasReducidas(const ResultadoReduccion& resultado) {
    const long n = static_cast<long>(resultado.Apuestas.size());
    modGeneral::ApuestasReducidas.ReDim(1, n, 1, 5);
    for (long i = 0; i < n; ++i)
        for (int c = 0; c < 5; ++c)
            modGeneral::ApuestasReducidas(i + 1, c + 1) =
                modGeneral::CombinacionBase(resultado.Apuestas[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)]);
}

Long ReconstruirSistema(bool) { return 0; }

Long ContarCubiertos(int, const Tabla<Byte>&, const std::vector<Posiciones>&, int) { return 0; }

}  // namespace modReduccion
