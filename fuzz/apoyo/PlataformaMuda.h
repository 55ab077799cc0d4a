// A silent platform for the fuzz targets: every message box is answered at once (No to a
// question), every dialog is cancelled, nothing is shown and no time is spent yielding.
#pragma once

#include "platform/FuenteAzar.h"
#include "platform/Plataforma.h"

class PlataformaMuda : public Plataforma {
public:
    PlataformaMuda() { Plataforma::Instalar(this); }
    ~PlataformaMuda() override { Plataforma::Instalar(nullptr); }
    long mensajes = 0;

    RespuestaMensaje MsgBox(const std::string&, EstiloMensaje estilo) override {
        ++mensajes;
        return estilo == EstiloMensaje::PreguntaSiNo ? RespuestaMensaje::No : RespuestaMensaje::Aceptar;
    }
    void Beep() override {}
    void DoEvents() override {}
    double Rnd() override { return azar_.Rnd(); }
    void Randomize(unsigned semilla) override { azar_.Sembrar(semilla); }
    void Randomize() override { azar_.Sembrar(1); }
    std::string CarpetaPrograma() override { return "/tmp"; }
    bool AbrirPaginaWeb(const std::string&) override { return false; }
    bool MostrarFicheroTexto(const std::string&) override { return true; }
    ResultadoDialogoFichero DialogoFichero(const PeticionDialogo&) override { return {}; }
    void MostrarModal(Ventana&) override {}
    std::string SeparadorMiles() override { return "."; }

private:
    FuenteAzar azar_;
};
