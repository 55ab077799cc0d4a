// A scripted platform for tests: message boxes and file dialogs are answered from queues,
// every message is recorded, beeps and yields are counted, and each modal window is driven
// by a callback the test registers for its class (objectName or the C++ class name).
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/FuenteAzar.h"
#include "platform/Plataforma.h"

struct MensajeRegistrado {
    std::string texto;
    EstiloMensaje estilo;
    std::string titulo;
};

class PlataformaGuion : public Plataforma {
public:
    PlataformaGuion();
    ~PlataformaGuion() override;

    // ---- script ----
    // Answers for the next Yes/No questions, in order. With none queued a question is
    // answered No (and recorded).
    std::deque<RespuestaMensaje> respuestas;
    // Results of the next file dialogs, in order; with none queued a dialog is cancelled.
    std::deque<ResultadoDialogoFichero> dialogos;
    // Called when a window is shown modally, after its load and first activation; the
    // window is unloaded from code afterwards if the callback left it loaded.
    std::map<std::string, std::function<void(Ventana&)>> alMostrar;
    // Called at every DoEvents (for example to press a stop button mid-work).
    std::function<void()> alCederControl;
    std::string separador = ".";
    std::string carpeta;           // the program's folder (a fresh temporary folder)
    bool paginasAbren = true;       // AbrirPaginaWeb result
    bool visorArranca = true;       // MostrarFicheroTexto result (the report is recorded either way)

    // ---- record ----
    std::vector<MensajeRegistrado> mensajes;
    std::vector<PeticionDialogo> peticiones;
    std::vector<std::string> paginas, ficherosMostrados, modalesMostrados;
    int pitidos = 0;
    long cesiones = 0;

    // Texts of the recorded messages; the last one ("" when none).
    std::string UltimoMensaje() const { return mensajes.empty() ? std::string() : mensajes.back().texto; }

    RespuestaMensaje MsgBox(const std::string& texto, EstiloMensaje estilo) override;
    void Beep() override { ++pitidos; }
    void DoEvents() override;
    double Rnd() override;
    void Randomize(unsigned semilla) override { azar_.Sembrar(semilla); }
    void Randomize() override { azar_.SembrarDesdeReloj(); }
    std::string CarpetaPrograma() override { return carpeta; }
    bool AbrirPaginaWeb(const std::string& url) override;
    bool MostrarFicheroTexto(const std::string& ruta) override;
    ResultadoDialogoFichero DialogoFichero(const PeticionDialogo& peticion) override;
    void MostrarModal(Ventana& ventana) override;
    std::string SeparadorMiles() override { return separador; }

private:
    FuenteAzar azar_{12345};
    std::vector<Ventana*> modales_;
    Plataforma* anterior_ = nullptr;
};

// A result of an accepted file dialog.
ResultadoDialogoFichero Eleccion(const std::string& ruta, int indiceFiltro = 1);
