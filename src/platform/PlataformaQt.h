// The program's platform on Qt Widgets.
#pragma once

#include <vector>

#include "platform/FuenteAzar.h"
#include "platform/Plataforma.h"

class PlataformaQt : public Plataforma {
public:
    PlataformaQt();
    RespuestaMensaje MsgBox(const std::string& texto, EstiloMensaje estilo) override;
    void Beep() override;
    void DoEvents() override;
    double Rnd() override;
    void Randomize(unsigned semilla) override;
    void Randomize() override;
    std::string CarpetaPrograma() override;
    bool AbrirPaginaWeb(const std::string& url) override;
    bool MostrarFicheroTexto(const std::string& ruta) override;
    ResultadoDialogoFichero DialogoFichero(const PeticionDialogo& peticion) override;
    void MostrarModal(Ventana& ventana) override;
    std::string SeparadorMiles() override;

private:
    FuenteAzar azar_;
    std::vector<Ventana*> modales_;
};
