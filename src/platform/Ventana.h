// Window life as the program expects it: load once, activate (on first display and whenever
// a modal window it opened closes), query-unload with the reason, unload that may refuse.
// Every window of the program derives from Ventana; modal display goes through Plataforma.
//
// The keyboard, the same in every window:
// - Esc closes the window exactly as its close box does (Form_QueryUnload with
//   MotivoCierre::Usuario, then Form_Unload): a close the window refuses stays refused. A
//   window that must not close on Esc (the main window) calls SetCerrarConEsc(false).
// - Enter runs the window's default action, named once with PonerAccionPredeterminada (a
//   button, an image button or any handler). A focused button, image button or text box that
//   acts on Enter itself keeps it; a text box that does not gives it to the window before its
//   KeyPress handler sees it (as a default button takes it), so a key filter that refuses
//   Enter neither beeps nor stops it. A window without a default action ignores Enter.
// - Tab follows the order given with OrdenTabulacion (the first control also gets the focus
//   when the window shows, or the next one that can take it then); otherwise the order in
//   which the controls were created. Buttons, combos, check boxes, text boxes and lists take
//   the focus by themselves; image buttons take it by Tab only (a click never moves it); a
//   label that acts as a button joins with Etiqueta::SetTeclado(true). A control that must
//   stay out of the order: setFocusPolicy(Qt::NoFocus).
//
// The mouse: a move that reaches the window raises Form_MouseMove; over its bare background (no
// control under the mouse) every hover border (Forma) of the window goes down first. A border
// that shows takes down any other, so one at most is up however fast the mouse moves.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <initializer_list>

class Boton;
class BotonImagen;
class Etiqueta;

enum class MotivoCierre {
    Usuario,  // the window's close box or system menu (or Esc)
    Codigo,   // closed from code
    Sistema,  // the system or the application is ending
};

class Ventana : public QDialog {
    Q_OBJECT
public:
    explicit Ventana(QWidget* padre = nullptr);

    // Runs Form_Load once; later calls do nothing.
    void Cargar();
    bool Cargada() const { return cargada_; }
    // Asks the window to unload: Form_QueryUnload then Form_Unload, either of which may
    // refuse. Returns true when the window unloaded (and, when modal, its display ended).
    bool Descargar(MotivoCierre motivo = MotivoCierre::Codigo);
    // Raises the activation event (called by the platform).
    void Activar() { Form_Activate(); }

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_QueryUnload(bool& cancelar, MotivoCierre motivo) { (void)cancelar; (void)motivo; }
    virtual void Form_Unload(bool& cancelar) { (void)cancelar; }
    // The mouse moved over the window; over its bare background every hover border (Forma)
    // has gone first.
    virtual void Form_MouseMove() {}

    // ---- keyboard ----
    // Whether Esc closes the window as its close box does (true unless set otherwise).
    void SetCerrarConEsc(bool cerrar) { cerrarConEsc_ = cerrar; }
    bool CerrarConEsc() const { return cerrarConEsc_; }
    // The action Enter runs. With a control, Enter does nothing while that control is
    // disabled or hidden; a push button is also drawn as the default one.
    void PonerAccionPredeterminada(QWidget* control, std::function<void()> accion);
    void PonerAccionPredeterminada(Boton* boton);
    void PonerAccionPredeterminada(BotonImagen* boton);
    void PonerAccionPredeterminada(Etiqueta* etiqueta);
    // Runs the default action as Enter does; false when there is none or its control is off.
    bool EjecutarAccionPredeterminada();
    bool TieneAccionPredeterminada() const { return static_cast<bool>(accionPredeterminada_); }
    // Tab order, first to last; the first control gets the focus when the window shows.
    void OrdenTabulacion(std::initializer_list<QWidget*> controles);

    // Before it shows, places the window next to a control of the window below, as a list drops
    // down from its box: under the control, else above it, to its right or to its left; wholly
    // inside the control's screen and never over the control.
    void ColocarJuntoA(const QWidget* control);

signals:
    // The window has unloaded (the program ends with its main window).
    void Descargada();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;  // Esc: the close box's path, when the window allows it
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool cargada_ = false;
    bool cerrarConEsc_ = true;
    QPointer<QWidget> controlPredeterminado_;
    bool conControl_ = false;
    std::function<void()> accionPredeterminada_;
    QPointer<QWidget> primerFoco_;
};
