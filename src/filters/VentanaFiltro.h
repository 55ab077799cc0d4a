// The frame every filter settings window shares. A filter window edits two things: its
// filter's tables in modGeneral, and its filter's activation, which is nothing but the text of
// its row of the main window's lstFiltros (active when the row begins "Sí").
//
// How a window builds on it:
//   class frmFiltroX : public VentanaFiltro {
//     frmFiltroX(ListaTexto& lst) : VentanaFiltro(lst, fila, "CAPTION") { ...controls...;
//                                    ColocarMarco(x, y); }
//     void CargarControles() override;   // fill the controls from the tables
//     void Form_Unload(bool& cancelar) override;   // checks and storing, where the window has them
//   };
// Form_Load (here) runs CargarControles, then shows imgActivar from the row: loading code
// that ticks check boxes raises their Click handlers first, so a stored tick can activate the
// row before the picture is chosen. Edits call ActivarFiltro(). A check that fails calls
// RechazarCierre(mensaje, cancelar): critical box "TORNAVENTURA", the window stays open.
// The related-groups window overrides AdmiteCierreUsuario() to refuse its close box.
// Keyboard: Enter is imgVolver (its checks included), Esc the close box; each window ends its
// construction with OrdenTabulacion, its own controls first and imgActivar, imgVolver last.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "common/modGeneral.h"
#include "platform/Controles.h"
#include "platform/Ventana.h"

class QLineEdit;

class VentanaFiltro : public Ventana {
    Q_OBJECT
public:
    // lstFiltros: the main window's filter list; fila: this filter's row (0..9).
    VentanaFiltro(ListaTexto& lstFiltros, int fila, const QString& caption, QWidget* padre = nullptr);

    // Pictures of imgActivar (resources of filtros.qrc).
    static const QString ImagenActiva;
    static const QString ImagenInactiva;
    static const QString ImagenVolver;

    // ---- frame controls ----
    BotonImagen* imgActivar = nullptr;   // "Activar/Desactivar condición"
    BotonImagen* imgVolver = nullptr;    // "Cerrar condición"
    // Hidden: imgTEMP[0] holds the active picture, imgTEMP[1] the inactive one.
    std::array<QLabel*, 2> imgTEMP{};
    // Hover borders, hidden at rest: [0] frames imgVolver, [1] frames imgActivar; each stays up
    // until the mouse reaches the window's bare background.
    std::array<Forma*, 2> ShapeBorde{};

    int Fila() const { return fila_; }
    ListaTexto& lstFiltros() { return lst_; }
    // The row begins "Sí".
    bool FiltroActivo() const;
    // Which picture imgActivar shows (true: the active one).
    bool MuestraImagenActiva() const { return muestraActiva_; }

    // Every "No" of the row becomes "Sí" and imgActivar shows the active picture. Never
    // deactivates.
    void ActivarFiltro();

    // ---- frame events ----
    void Form_Load() override;
    void Form_QueryUnload(bool& cancelar, MotivoCierre motivo) override;
    void imgActivar_Click();
    // Unloads the window; the related-groups window checks its groups first.
    virtual void imgVolver_Click();

    // The hit-count exchange on one count table (six entries 0..5), then ActivarFiltro:
    // the table goes to AciertosSeleccion, frmAciertos is shown with the counts
    // minimo..maximo (label 0 hidden when ocultarCero), the table and the text box are
    // rewritten from what it leaves. Rows of TerminadosEn, GruposAciertos and
    // CondicionesAciertos go through the second form.
    void DialogoAciertos(modGeneral::TablaConteos& tabla, QLineEdit* caja, int minimo = 0,
                         int maximo = 5, bool ocultarCero = false);
    void DialogoAciertos(Tabla<modGeneral::Byte>& tabla, long fila, QLineEdit* caja, int minimo = 0,
                         int maximo = 5, bool ocultarCero = false);

    // The count text of a table: the counts whose entry is 1, ascending, joined by ","
    // ("0,2,5"); empty when none.
    static QString TextoAciertos(const modGeneral::TablaConteos& tabla);
    static QString TextoAciertos(const Tabla<modGeneral::Byte>& tabla, long fila);

protected:
    // Fills the window's own controls from the tables (first step of Form_Load).
    virtual void CargarControles() {}
    // False: a close asked for by the window's close box is refused (no message).
    virtual bool AdmiteCierreUsuario() const { return true; }
    // A failed check: the message in a critical box and the close cancelled.
    void RechazarCierre(const std::string& mensaje, bool& cancelar);
    // Places imgActivar at (x, y) and imgVolver beside it (32x32 each, 44 apart), with
    // their borders.
    void ColocarMarco(int x, int y);
    // The right edge ColocarMarco uses from x: x + AnchoMarco.
    static constexpr int AnchoMarco = 80;
    // Enter and Esc belong to the window (its default action, its close box): a text box's key
    // handler leaves them alone, so they neither beep nor activate the filter.
    static bool TeclaDeLaVentana(int tecla);
    void MostrarImagenActivar(bool activa);

private:
    ListaTexto& lst_;
    int fila_;
    bool muestraActiva_ = false;
};

// A text box read back as a whole number: blanks trimmed, decimal digits with an optional
// leading "-". False for an empty text, any other character, or a value outside
// minimo..maximo (the width of the table it goes to).
bool LeerEnteroCaja(const QString& texto, long& valor, long minimo = -32768, long maximo = 32767);
// Sets a box's text from code: a stored value longer than the box's limit (possible only
// from a base file) is shown whole, not cut.
void PonerTextoCaja(QLineEdit* caja, const QString& texto);

// A figure check box and its flag: any nonzero flag ticks the box, and an unchanged ticked box
// gives back the value it was loaded from.
modGeneral::Byte ValorCasilla(const Casilla* casilla, modGeneral::Byte cargado);
