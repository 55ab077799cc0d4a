#include "support/PlataformaGuion.h"

#include "platform/Ventana.h"

void PlataformaGuion::MostrarModal(Ventana& ventana) {
    ventana.Cargar();
    if (!ventana.Cargada()) return;
    std::string clave = ventana.objectName().toStdString();
    if (clave.empty()) clave = ventana.metaObject()->className();
    modalesMostrados.push_back(clave);
    modales_.push_back(&ventana);
    ventana.Activar();
    auto it = alMostrar.find(clave);
    if (it != alMostrar.end() && ventana.Cargada()) it->second(ventana);
    if (ventana.Cargada()) ventana.Descargar(MotivoCierre::Codigo);
    modales_.pop_back();
    if (!modales_.empty() && modales_.back()->Cargada()) modales_.back()->Activar();
}
