// What the bet-file tool windows share: their frame (the close image with its hover border,
// the busy state that refuses the close box), the grids of numbers and stars, the save dialog
// of bet files, the header of a .EUR file, the reports written to the program's folder and the
// reading of a bet file the user chooses.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/modGeneral.h"
#include "kit/RejillaNumeros.h"
#include "platform/Controles.h"
#include "platform/Ventana.h"

class QFrame;

namespace Herramientas {

using modGeneral::Byte;
using modGeneral::Long;

// Colours of the tool windows (0xBBGGRR); a grid label's looks are RejillaNumeros' (green text
// for a free number the main grids also mark).
using RejillaNumeros::ColorBlanco;
using RejillaNumeros::ColorRojo;
inline constexpr long ColorVerde = 0x008000;
inline constexpr long ColorNegro = 0x000000;

// A grid of the 50 numbers (ten columns, five rows) with the 12 stars in a row under it, in a
// white panel at (x, y) of padre, every label free; clicks go to alClicNumero and
// alClicEstrella with the label's index. Returns the panel.
QFrame* ConstruirRejilla(QWidget* padre, int x, int y, std::array<Etiqueta*, 50>& numeros,
                         std::array<Etiqueta*, 12>& estrellas, std::function<void(int)> alClicNumero,
                         std::function<void(int)> alClicEstrella);
inline constexpr int AnchoRejilla = 318;
inline constexpr int AltoRejilla = 178;

// The save dialog of a bet file ("Guardar Combinación", .EUR first); the chosen path with its
// extension forced to ".EUR" (the result also stands in NombreFichero), or "" when cancelled.
std::string PedirFicheroEUR(const std::string& nombrePropuesto);

// The status after a save: "25 apuestas guardadas en NOMBRE.EUR" (singular for one).
QString TextoGuardadas(Long apuestas, const std::string& ruta);

// Writes a report (UTF-8 lines, stored Latin-1 with CR LF) to the program's folder and shows
// it in the system's viewer. On failure: the critical box "ERROR AL GUARDAR EL INFORME (...)"
// and false. A viewer that does not start has its own box; the report stands written (true).
bool EscribirInforme(const std::string& nombre, const std::vector<std::string>& lineas);

// Asks for a bet file with the import's dialog and reads it with the import's reader
// (modLeerApuestas: its checks, limit and messages) into apuestas: rows 1..total, columns 1..7.
// A refused file shows the import's error box, a file without bets its warning. False when the
// dialog was cancelled or no bet was read; apuestas and total then keep what they held. ruta
// and NombreFichero receive the chosen path.
using ProgresoLectura = std::function<void(Long apuestasLeidas)>;
bool ImportarFicheroApuestas(Tabla<Byte>& apuestas, Long& total, std::string& ruta,
                             const ProgresoLectura& progreso = {});

// The frame of a tool window: a fixed size, a caption, and the close image imgVolver at (x, y)
// with its hover border, which stays up until the mouse reaches bare window. While Ocupado the
// close box and imgVolver are refused.
class VentanaHerramienta : public Ventana {
    Q_OBJECT
public:
    VentanaHerramienta(const QString& nombre, const QString& titulo, int ancho, int alto, QWidget* padre);

    BotonImagen* imgVolver = nullptr;
    Forma* ShapeBorde = nullptr;
    bool Ocupado = false;

    void Form_QueryUnload(bool& cancelar, MotivoCierre motivo) override;
    virtual void imgVolver_Click();

protected:
    void ColocarVolver(int x, int y);
    // ImportarFicheroApuestas with the window busy meanwhile and the bets read so far shown in
    // estado ("Leyendo ... n apuestas"; none when estado is null).
    bool LeerFicheroApuestas(Tabla<Byte>& apuestas, Long& total, std::string& ruta, Etiqueta* estado);
};

// The frame of the two random-bet generators: the count of bets asked for (its box passes its
// keys through ValidarTecla, input type 1) with the different bets possible beside it, the button
// that generates and saves, the save's progress and the status.
class VentanaGenerador : public VentanaHerramienta {
    Q_OBJECT
public:
    using VentanaHerramienta::VentanaHerramienta;

    QLabel* lblApuestas = nullptr;
    CajaTexto* txtApuestas = nullptr;
    QLabel* lblPosibles = nullptr;
    Boton* cmdGenerar = nullptr;
    QFrame* picProgreso = nullptr;
    Etiqueta* lblProgressBar = nullptr;   // width in twips, full width 4725
    Etiqueta* lblEstado = nullptr;

    virtual void cmdGenerar_Click() = 0;
    // The different bets the window's numbers give.
    virtual Long ApuestasPosibles() const = 0;

protected:
    // The controls above at their places (cmdGenerar wired, and Enter's default action).
    void CrearControlesGenerar(int xApuestas, int yApuestas, const QRect& posibles, int xGenerar, int yGenerar,
                               int yProgreso, const QRect& estado);
    // "Apuestas diferentes posibles: n".
    void MostrarPosibles();
    // A run once the checks have passed and the file is chosen (NombreFichero): the window busy
    // with cmdGenerar and rejilla off; generar makes the bets in ApuestasGrabacion and returns
    // how many; when it made all cuantas they are saved with the header of numeros and estrellas
    // (the writer's progress in lblProgressBar) and lblEstado says where. The table is freed.
    // Returns how many bets generar made.
    Long Generar(const std::vector<Byte>& numeros, const std::vector<Byte>& estrellas, Long cuantas,
                 const std::function<Long()>& generar, QWidget* rejilla = nullptr);
};

// A text box that passes its keys through ValidarTecla with the given input type.
CajaTexto* CajaNumerica(QWidget* padre, int tipo, int maximoCaracteres);

// The boxed progress bar of a .EUR save at (x, y) of padre, as wide as the save's progress;
// barra receives the bar inside it. Returns the box.
QFrame* ConstruirProgresoEUR(QWidget* padre, int x, int y, Etiqueta*& barra);

// The checks the generators share before they start: exactly two stars marked, and a count of
// bets in texto between 1 and posibles (all the different bets of cuantosNumeros numbers).
// Each failure shows its warning; ApuestasPedidas then returns 0.
bool DosEstrellas(const std::vector<Byte>& estrellas);
Long ApuestasPedidas(const QString& texto, Long posibles, std::size_t cuantosNumeros);

}  // namespace Herramientas
