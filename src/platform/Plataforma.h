// The services the program takes from its surroundings: message boxes, the beep, yielding to
// pending window messages, the random source, the program's folder, web pages, the system's
// text viewer, file dialogs and modal display. One instance is active at a time: the Qt one
// in the program, a scripted one in tests. Texts are UTF-8.
#pragma once

#include <functional>
#include <string>
#include <vector>

class Ventana;

enum class EstiloMensaje { Critico, Exclamacion, PreguntaSiNo, Informacion };
enum class RespuestaMensaje { Aceptar, Si, No };

// What a file dialog is asked: title, the filter pairs (description, pattern) in order, the
// 1-based pair shown first, and for a save the proposed name and the extension the caller
// will give the file (".EUR"), which the dialog applies to the chosen name before it asks
// anything, so that its questions are about the file really written. extensionesJuntas are
// the extensions of the files the caller writes beside it, same folder and name (".xml"
// beside the bets): the dialog asks before replacing those too.
struct PeticionDialogo {
    std::string titulo;
    std::vector<std::pair<std::string, std::string>> filtros;
    int indiceFiltro = 1;
    std::string nombrePropuesto;
    std::string extension;
    std::vector<std::string> extensionesJuntas;
    bool guardar = false;
};
struct ResultadoDialogoFichero {
    bool aceptado = false;     // false: cancelled or failed
    std::string ruta;          // full path when accepted
    int indiceFiltro = 1;      // the pair the user ended with
};

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // The active instance. Installing a new one replaces the old (not owned).
    static Plataforma& Activa();
    static void Instalar(Plataforma* p);

    static constexpr const char* TituloMensajes = "TORNAVENTURA";

    virtual RespuestaMensaje MsgBox(const std::string& texto, EstiloMensaje estilo) = 0;
    virtual void Beep() = 0;
    // Lets the toolkit process pending window messages.
    virtual void DoEvents() = 0;
    // Random source in [0, 1): a fixed seed repeats its sequence; Randomize() seeds from the clock.
    virtual double Rnd() = 0;
    virtual void Randomize(unsigned semilla) = 0;
    virtual void Randomize() = 0;
    // The program's folder (where reports are written), without a trailing separator.
    virtual std::string CarpetaPrograma() = 0;
    // Opens a web page in the default browser; false when it could not be opened.
    virtual bool AbrirPaginaWeb(const std::string& url) = 0;
    // Shows a text file in the system's viewer without waiting for it to close; false when
    // no viewer could show it.
    virtual bool MostrarFicheroTexto(const std::string& ruta) = 0;
    virtual ResultadoDialogoFichero DialogoFichero(const PeticionDialogo& peticion) = 0;
    // Shows a window modally: load, activate, run until it unloads.
    virtual void MostrarModal(Ventana& ventana) = 0;
    // The locale's thousands separator, used by every count shown to the user.
    virtual std::string SeparadorMiles() = 0;
};

// Counts formatted "#,#,0": the locale's separator every three digits, zero as "0".
std::string FormatoMiles(double valor);
// Reads back a count shown with FormatoMiles (separators of the locale, "." "," or blanks
// accepted); anything unreadable gives 0.
double LeerCuenta(const std::string& texto);
