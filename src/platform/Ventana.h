// Window life as the program expects it: load once, activate (on first display and whenever
// a modal window it opened closes), query-unload with the reason, unload that may refuse.
// Every window of the program derives from Ventana; modal display goes through Plataforma.
#pragma once

#include <QDialog>

enum class MotivoCierre {
    Usuario,  // the window's close box or system menu
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
    virtual void Form_MouseMove() {}

signals:
    // The window has unloaded (the program ends with its main window).
    void Descargada();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;  // Esc: ignored
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool cargada_ = false;
};
