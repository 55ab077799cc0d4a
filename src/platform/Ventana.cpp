#include "platform/Ventana.h"

#include <QCloseEvent>
#include <QMouseEvent>

Ventana::Ventana(QWidget* padre) : QDialog(padre) {
    setMouseTracking(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void Ventana::Cargar() {
    if (cargada_) return;
    cargada_ = true;
    Form_Load();
}

bool Ventana::Descargar(MotivoCierre motivo) {
    if (!cargada_) {
        hide();
        return true;
    }
    bool cancelar = false;
    Form_QueryUnload(cancelar, motivo);
    if (cancelar) return false;
    Form_Unload(cancelar);
    if (cancelar) return false;
    cargada_ = false;
    if (isModal() || testAttribute(Qt::WA_ShowModal)) done(0);
    else hide();
    emit Descargada();
    return true;
}

void Ventana::closeEvent(QCloseEvent* e) {
    if (!cargada_) { e->accept(); return; }
    if (Descargar(MotivoCierre::Usuario)) e->accept();
    else e->ignore();
}

void Ventana::reject() {
    // Esc closes nothing: a window closes by its own buttons or its close box, which run
    // the window's checks.
}

void Ventana::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove();
    QDialog::mouseMoveEvent(e);
}
