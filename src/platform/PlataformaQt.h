// The program's platform on Qt Widgets.
#pragma once

#include <QString>
#include <vector>

#include "platform/FuenteAzar.h"
#include "platform/Plataforma.h"

// The program speaks Spanish whatever the system's language: Qt's own texts (the standard
// dialogs, the context menus of text boxes) from Qt's Spanish translation, and every format
// (counts, dates, times) from the Spanish locale. Called once at start-up, after the
// application object exists; later calls only set the locale again. True when Qt's translation was
// found and installed (without it Qt's own texts stay in English; the program's do not).
bool PrepararIdiomaEspanol();
// Before the application object exists: the formats Qt's own dialogs take from the system
// (the dates and sizes of a file dialog) become Spanish too. The C library's locale and the
// environment are left as they were.
void PrepararEntornoEspanol();
// Every window is laid out in pixels for one font, DejaVu Sans at 9 points, whatever the
// desktop's: set as the application's font once the application object exists.
void FijarFuentePrograma();

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
    // A Yes/No question box; true for Yes. Enter answers the default.
    bool Preguntar(const QString& texto, bool siPorDefecto);
    // Where the next file dialog opens: the user's documents folder at first, then the
    // folder of the last file chosen in a dialog during this run.
    QString CarpetaDialogos() const;

    FuenteAzar azar_;
    QString carpetaDialogos_;
    std::vector<Ventana*> modales_;
};
