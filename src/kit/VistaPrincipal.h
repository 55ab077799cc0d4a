// What the windows opened from the main window (reduction, guarantees, analysis and the
// bet-file tools) see of it: a few of its controls and a few readings. The main window fills
// it when it opens one of them, so those windows never include the main window itself.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/modGeneral.h"
#include "platform/Controles.h"

struct VistaPrincipal {
    // The combination mode: item 2 is "Desde Archivo".
    Combo* cboTipoCombinacion = nullptr;
    Casilla* chkGuardarAutomaticamente = nullptr;
    ListaTexto* lstFiltros = nullptr;
    // Counters: number-bets x star pairs = total, for the initial, conditioned and reduced bets.
    Etiqueta* lblApuestasIniciales = nullptr;
    Etiqueta* lblEstrellasInicialesAUX = nullptr;
    Etiqueta* lblTOTALInicialesAUX = nullptr;
    Etiqueta* lblApuestasCondicionadas = nullptr;
    Etiqueta* lblEstrellasCondicionadasAUX = nullptr;
    Etiqueta* lblTOTALCondicionadasAUX = nullptr;
    Etiqueta* lblApuestasReducidas = nullptr;
    Etiqueta* lblEstrellasReducidasAUX = nullptr;
    Etiqueta* lblTOTALReducidasAUX = nullptr;

    // The numbers and the stars marked on the main grids, ascending.
    std::function<std::vector<modGeneral::Byte>()> NumerosMarcados;
    std::function<std::vector<modGeneral::Byte>()> EstrellasMarcadas;
    // The base file's name as the caption shows it (the text after its first ":", less one blank).
    std::function<std::string()> NombreFicheroBase;
    // Recomputes the bet counters from the grids and the settings.
    std::function<void()> ActualizarContadores;
};
