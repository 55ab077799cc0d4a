// Showing a report: the one place that tells the user when the text viewer does not start.
#include "common/modInformeTexto.h"

#include "platform/Plataforma.h"

namespace modInformeTexto {

std::string MensajeVisorNoIniciado(const std::string& ruta) {
    // The report is on disk: the path lets the user open it by other means.
    return "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (No se ha podido iniciar el visor de textos)\r\n"
           "El informe est\xC3\xA1 guardado en:\r\n" +
           ruta;
}

bool MostrarInforme(const std::string& ruta) {
    Plataforma& p = Plataforma::Activa();
    if (p.MostrarFicheroTexto(ruta)) return true;
    p.MsgBox(MensajeVisorNoIniciado(ruta), EstiloMensaje::Critico);
    return false;
}

}  // namespace modInformeTexto
