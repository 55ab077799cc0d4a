#include "support/PlataformaGuionCalculo.h"

#include <QTemporaryDir>

#include "platform/Ficheros.h"
#include <memory>

namespace {
// Temporary folders live as long as the test program.
std::vector<std::unique_ptr<QTemporaryDir>>& Carpetas() {
    static std::vector<std::unique_ptr<QTemporaryDir>> c;
    return c;
}
}  // namespace

PlataformaGuionCalculo::PlataformaGuionCalculo() {
    Carpetas().push_back(std::make_unique<QTemporaryDir>());
    carpeta = Carpetas().back()->path().toStdString();
    Plataforma::Instalar(this);
}

PlataformaGuionCalculo::~PlataformaGuionCalculo() { Plataforma::Instalar(nullptr); }

RespuestaMensaje PlataformaGuionCalculo::MsgBox(const std::string& texto, EstiloMensaje estilo) {
    mensajes.push_back({texto, estilo, TituloMensajes});
    if (estilo != EstiloMensaje::PreguntaSiNo) return RespuestaMensaje::Aceptar;
    if (respuestas.empty()) return RespuestaMensaje::No;
    auto r = respuestas.front();
    respuestas.pop_front();
    return r;
}

void PlataformaGuionCalculo::DoEvents() {
    ++cesiones;
    if (alCederControl) alCederControl();
}

double PlataformaGuionCalculo::Rnd() { return azar_.Rnd(); }

bool PlataformaGuionCalculo::AbrirPaginaWeb(const std::string& url) {
    paginas.push_back(url);
    return paginasAbren;
}

bool PlataformaGuionCalculo::MostrarFicheroTexto(const std::string& ruta) {
    ficherosMostrados.push_back(ruta);
    return visorArranca;
}

ResultadoDialogoFichero PlataformaGuionCalculo::DialogoFichero(const PeticionDialogo& p) {
    peticiones.push_back(p);
    if (dialogos.empty()) return {};
    auto r = dialogos.front();
    dialogos.pop_front();
    // As the real dialog, the answer carries the extension the caller gives the file.
    if (p.guardar && r.aceptado && !p.extension.empty()) r.ruta = Ficheros::CambiarExtension(r.ruta, p.extension);
    return r;
}

ResultadoDialogoFichero Eleccion(const std::string& ruta, int indiceFiltro) {
    ResultadoDialogoFichero r;
    r.aceptado = true;
    r.ruta = ruta;
    r.indiceFiltro = indiceFiltro;
    return r;
}
