#include "main/modCalculo.h"

#include <cstring>
#include <new>
#include <system_error>

#include "filters/modFiltros.h"
#include "platform/Ficheros.h"

namespace modCalculo {

using namespace modGeneral;

const char* const TextosEstadoFiltros[FilasFiltros] = {
    "Fil. Bajos y Altos", "Fil. Decenas",         "Fil. Distancias",
    "Fil. Gru. de números", "Fil. Gru. Relacionados", "Fil. Pares e Impares",
    "Fil. Seguidos",      "Fil. Sumas",           "Fil. Terminaciones",
    "Fil. Posiciones"};

TablaEvaluadores EvaluadoresFiltros() {
    using namespace modFiltros;
    return {FiltrarAltosBajos,  FiltrarDecenas,      FiltrarDistancias, FiltrarGrupos,
            FiltrarGruposRelacionados, FiltrarParesImpares, FiltrarSeguidos,   FiltrarSumas,
            FiltrarTerminaciones, FiltrarPosiciones};
}

std::string DescripcionError(const std::exception& e) {
    // The program's own failures carry Spanish texts; the library's carry English ones.
    if (dynamic_cast<const std::bad_alloc*>(&e) || dynamic_cast<const std::length_error*>(&e))
        return "Memoria insuficiente";
    if (auto* sistema = dynamic_cast<const std::system_error*>(&e))
        return Ficheros::DescripcionError(sistema->code().value());
    return e.what();
}

std::string DescripcionError(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& x) {
        return DescripcionError(x);
    } catch (...) {
        return "Error desconocido";
    }
}

void EstablecerCombinacionBase(const std::vector<Byte>& numeros) {
    const long n = static_cast<long>(numeros.size());
    TotalNumerosBase = static_cast<Integer>(n);
    CombinacionBase.ReDim(1, n);
    for (long p = 1; p <= n; ++p) CombinacionBase(p) = numeros[static_cast<std::size_t>(p - 1)];
    VectorActual.ReDim(1, n);
}

void CrearEliminadas() {
    Eliminadas.ReDim(-1, TotalCombinaciones);
    Eliminadas(-1) = 1;
}

Long FormarCombinacionesGeneradas() {
    TotalCombinaciones = CLng(NumeroCombinaciones(TotalNumerosBase, 5));
    GenerarCombinaciones(5, 5);
    CrearEliminadas();
    return TotalCombinaciones;
}

Long FormarCombinacionesImportadas() {
    // Number -> its position in the base (0: not in the base).
    Byte posicion[256] = {};
    for (long p = CombinacionBase.LBound(); p <= CombinacionBase.UBound(); ++p)
        posicion[CombinacionBase(p)] = static_cast<Byte>(p);

    const Long total = TotalImportadas;
    if (total > 0 && (ApuestasImportadas.LBound1() > 1 || ApuestasImportadas.UBound1() < total ||
                      ApuestasImportadas.LBound2() > 1 || ApuestasImportadas.UBound2() < 5))
        throw ErrorCalculo("Las apuestas importadas no están completas, importe de nuevo el fichero");

    TotalCombinaciones = total;
    TodasCombinaciones.ReDim(1, total, 1, 5, false);
    const long desde = 1 - ApuestasImportadas.LBound1();  // offset of row 1 in a column
    for (int c = 1; c <= 5 && total > 0; ++c) {
        const Byte* origen = ApuestasImportadas.Columna(c) + desde;
        Byte* destino = TodasCombinaciones.Columna(c);
        for (Long i = 0; i < total; ++i) {
            const Byte p = posicion[origen[i]];
            if (p == 0)
                throw ErrorCalculo("La apuesta importada " + std::to_string(i + 1) +
                                   " tiene el número " + std::to_string(origen[i]) +
                                   ", que no está en la combinación base");
            destino[i] = p;
        }
    }
    CrearEliminadas();
    return TotalCombinaciones;
}

Long AplicarFiltros(const FilasActivas& activas, const TablaEvaluadores& evaluadores,
                    ConteosFiltros& conteos,
                    const std::function<void(int, const char*)>& alEmpezar) {
    conteos.fill(0);
    Long total = 0;
    for (int fila = 0; fila < FilasFiltros; ++fila) {
        if (!activas[static_cast<std::size_t>(fila)]) continue;
        if (alEmpezar) alEmpezar(fila, TextosEstadoFiltros[fila]);
        const Evaluador evaluar = evaluadores[static_cast<std::size_t>(fila)];
        if (!evaluar) throw ErrorCalculo(std::string("Filtro no disponible: ") + TextosEstadoFiltros[fila]);
        Integer posiciones = PosicionesCombinacion;
        conteos[static_cast<std::size_t>(fila)] = evaluar(posiciones);
        total += conteos[static_cast<std::size_t>(fila)];
    }
    return total;
}

Long CondicionarApuestas() {
    const Long total = TotalCombinaciones;
    const Byte* marcas = total > 0 ? &Eliminadas(1) : nullptr;
    Long quedan = 0;
    for (Long r = 0; r < total; ++r) quedan += marcas[r] == 0;

    ApuestasCondicionadas.ReDim(1, quedan, 1, 5, false);
    if (quedan == 0) return 0;
    for (int c = 1; c <= 5; ++c) {
        const Byte* origen = TodasCombinaciones.Columna(c);
        Byte* destino = ApuestasCondicionadas.Columna(c);
        if (quedan == total) {
            std::memcpy(destino, origen, static_cast<std::size_t>(total));
            continue;
        }
        Long k = 0;
        for (Long r = 0; r < total; ++r)
            if (marcas[r] == 0) destino[k++] = origen[r];
    }
    return quedan;
}

bool HayQueReducir(bool filaReduccionActiva) {
    return filaReduccionActiva &&
           (Reduccion.Porcentaje < 100 || Reduccion.Tipo > 0 || !Reduccion.ModoNuApuestas);
}

Long PasarCondicionadasAReducidas() {
    const Long n = ApuestasCondicionadas.Vacia() ? 0 : ApuestasCondicionadas.Filas();
    // Position -> number; positions outside the base give 0 rather than a stray read.
    Byte numero[256] = {};
    for (long p = CombinacionBase.LBound(); p <= CombinacionBase.UBound(); ++p)
        numero[p & 0xFF] = CombinacionBase(p);

    ApuestasReducidas.Erase();  // the old bets go before the new table is made
    ApuestasReducidas.ReDim(1, n, 1, 7, false);
    if (n == 0) return 0;
    for (int c = 1; c <= 5; ++c) {
        const Byte* origen = ApuestasCondicionadas.Columna(c);
        Byte* destino = ApuestasReducidas.Columna(c);
        for (Long r = 0; r < n; ++r) destino[r] = numero[origen[r]];
    }
    std::memset(ApuestasReducidas.Columna(6), 0, static_cast<std::size_t>(n));
    std::memset(ApuestasReducidas.Columna(7), 0, static_cast<std::size_t>(n));
    return n;
}

void LiberarTablasIntermedias() {
    TodasCombinaciones.Erase();
    Eliminadas.Erase();
    // ApuestasCondicionadas stays (5 bytes a row): the guarantees window measures the bets
    // against the conditioned system until the next calculation.
    Matriz.Erase();
    Orden.Erase();
    PesosIniciales.Erase();
    Codigos.Erase();
    Pesos.Erase();
}

}  // namespace modCalculo
