#include "support/DatosIniciales.h"

#include "common/modCommonDialog.h"
#include "common/modGeneral.h"
#include "main/modEstrellas.h"
#include "main/modXML.h"

void ReiniciarDatos() {
    using namespace modGeneral;
    InicializarFiltros();
    AciertosSeleccion.Limpiar();
    NombreFichero.clear();
    FormatoLineaASCII = 0;
    BaseGuardada = true;
    TotalNumerosBase = 0;
    CombinacionBase.Erase();
    TodasCombinaciones.Erase();
    TotalCombinaciones = 0;
    Eliminadas.Erase();
    SistemaDirecto = false;
    ApuestasCondicionadas.Erase();
    ApuestasImportadas.Erase();
    TotalImportadas = 0;
    ApuestasReducidas.Erase();
    ApuestasGrabacion.Erase();
    for (Byte& v : CombinacionGanadora) v = 0;
    TotalCondicionadas = 0;
    Matriz.Erase();
    Orden.Erase();
    PesosIniciales.Erase();
    Codigos.Erase();
    Pesos.Erase();
    VectorActual.Erase();
    CodigoMinimo = 32;
    CodigoMaximo = 0;

    modEstrellas::TratamientoAsignado = -1;
    modXML::ErroresXML.clear();
    modCommonDialog::FiltroDialogo.clear();
    modCommonDialog::IndiceFiltro = 1;
    modCommonDialog::FicheroDialogo.clear();
    modCommonDialog::TituloDialogo.clear();
    modCommonDialog::ResultadoDialogo = 0;
}
