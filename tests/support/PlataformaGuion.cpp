#include "support/PlataformaGuion.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <typeinfo>

#include "platform/Ventana.h"

namespace {
// Temporary folders live as long as the test program.
std::vector<std::unique_ptr<QTemporaryDir>>& Carpetas() {
    static std::vector<std::unique_ptr<QTemporaryDir>> c;
    return c;
}
}  // namespace

PlataformaGuion::PlataformaGuion() {
    Carpetas().push_back(std::make_unique<QTemporaryDir>());
    carpeta = Carpetas().back()->path().toStdString();
    Plataforma::Instalar(this);
}

PlataformaGuion::~PlataformaGuion() { Plataforma::Instalar(nullptr); }

RespuestaMensaje PlataformaGuion::MsgBox(const std::string& texto, EstiloMensaje estilo) {
    mensajes.push_back({texto, estilo, TituloMensajes});
    if (estilo != EstiloMensaje::PreguntaSiNo) return RespuestaMensaje::Aceptar;
    if (respuestas.empty()) return RespuestaMensaje::No;
    auto r = respuestas.front();
    respuestas.pop_front();
    return r;
}

void PlataformaGuion::DoEvents() {
    ++cesiones;
    if (alCederControl) alCederControl();
}

double PlataformaGuion::Rnd() { return azar_.Rnd(); }

bool PlataformaGuion::AbrirPaginaWeb(const std::string& url) {
    paginas.push_back(url);
    return paginasAbren;
}

bool PlataformaGuion::MostrarFicheroTexto(const std::string& ruta) {
    ficherosMostrados.push_back(ruta);
    return visorArranca;
}

ResultadoDialogoFichero PlataformaGuion::DialogoFichero(const PeticionDialogo& p) {
    peticiones.push_back(p);
    if (dialogos.empty()) return {};
    auto r = dialogos.front();
    dialogos.pop_front();
    return r;
}

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

ResultadoDialogoFichero Eleccion(const std::string& ruta, int indiceFiltro) {
    ResultadoDialogoFichero r;
    r.aceptado = true;
    r.ruta = ruta;
    r.indiceFiltro = indiceFiltro;
    return r;
}
