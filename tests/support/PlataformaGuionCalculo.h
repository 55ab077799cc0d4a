// A scripted platform for computing code: message boxes and file dialogs are answered from
// queues, every message is recorded, beeps and yields are counted, the random source is seeded
// and the program's folder is a fresh temporary folder. It shows no window: the tests of
// windows use PlataformaGuion, which drives them.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/FuenteAzar.h"
#include "platform/Plataforma.h"

struct MensajeRegistrado {
    std::string texto;
    EstiloMensaje estilo;
    std::string titulo;
};

class PlataformaGuionCalculo : public Plataforma {
public:
    PlataformaGuionCalculo();
    ~PlataformaGuionCalculo() override;

    // ---- script ----
    // Answers for the next Yes/No questions, in order. With none queued a question is
    // answered No (and recorded).
    std::deque<RespuestaMensaje> respuestas;
    // Results of the next file dialogs, in order; with none queued a dialog is cancelled.
    std::deque<ResultadoDialogoFichero> dialogos;
    // Called at every DoEvents (for example to press a stop button mid-work).
    std::function<void()> alCederControl;
    std::string separador = ".";
    std::string carpeta;           // the program's folder (a fresh temporary folder)
    bool paginasAbren = true;       // AbrirPaginaWeb result
    bool visorArranca = true;       // MostrarFicheroTexto result (the report is recorded either way)

    // ---- record ----
    std::vector<MensajeRegistrado> mensajes;
    std::vector<PeticionDialogo> peticiones;
    std::vector<std::string> paginas, ficherosMostrados;
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
    // Computing code opens no window.
    void MostrarModal(Ventana&) override {}
    std::string SeparadorMiles() override { return separador; }

private:
    FuenteAzar azar_{12345};
};

// A result of an accepted file dialog.
ResultadoDialogoFichero Eleccion(const std::string& ruta, int indiceFiltro = 1);
