#include "reduction/modReduccion.h"

#include <algorithm>

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

ResultadoReduccion ReducirSistema(const ParametrosReduccion& parametros, const bool* detener,
                                  const FuncionProgreso& progreso) {
    modGeneral::TotalCondicionadas = static_cast<Long>(modGeneral::ApuestasCondicionadas.Filas());
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

Long ReconstruirSistema(bool desdeArchivo) {
    using namespace modGeneral;
    if (desdeArchivo) {
        // Number -> its position in the base (0: not in the base).
        Byte posicion[256] = {};
        for (long p = CombinacionBase.LBound(); p <= CombinacionBase.UBound(); ++p)
            posicion[CombinacionBase(p)] = static_cast<Byte>(p);
        Long total = TotalImportadas;
        if (ApuestasImportadas.Vacia() || ApuestasImportadas.LBound2() > 1 || ApuestasImportadas.UBound2() < 5)
            total = 0;
        else
            total = std::min<Long>(total, static_cast<Long>(ApuestasImportadas.UBound1()));
        const long desde = std::max<long>(1, ApuestasImportadas.LBound1());
        const Long filas = std::max<Long>(0, total - static_cast<Long>(desde) + 1);
        TodasCombinaciones.ReDim(1, filas, 1, 5);
        for (Long i = 0; i < filas; ++i)
            for (int c = 1; c <= 5; ++c)
                TodasCombinaciones(i + 1, c) = posicion[ApuestasImportadas(desde + i, c)];
        TotalCombinaciones = filas;
        SistemaDirecto = false;
    } else {
        TotalCombinaciones = CLng(NumeroCombinaciones(TotalNumerosBase, 5));
        GenerarCombinaciones(5, 5);
    }

    // A row of the system is kept when its filter flag is 0 and it is a combination of the base.
    const Long total = TotalCombinaciones;
    const bool conMarcas = Eliminadas.LBound() <= 1 && Eliminadas.UBound() >= total;
    const int N = TotalNumerosBase;
    auto Valida = [&](Long r) {
        int previa = 0;
        for (int c = 1; c <= 5; ++c) {
            const int p = TodasCombinaciones(r, c);
            if (p <= previa || p > N) return false;
            previa = p;
        }
        return true;
    };
    Long quedan = 0;
    for (Long r = 1; r <= total; ++r) quedan += (!conMarcas || Eliminadas(r) == 0) && Valida(r);
    ApuestasCondicionadas.ReDim(1, quedan, 1, 5);
    Long k = 0;
    for (Long r = 1; r <= total; ++r) {
        if ((conMarcas && Eliminadas(r) != 0) || !Valida(r)) continue;
        ++k;
        for (int c = 1; c <= 5; ++c) ApuestasCondicionadas(k, c) = TodasCombinaciones(r, c);
    }
    return quedan;
}

}  // namespace modReduccion
