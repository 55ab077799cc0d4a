#include "platform/Ventana.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>

#include "platform/Controles.h"

namespace {
// A radio button left unticked while another of its group is ticked: Tab passes it by.
bool OpcionDesmarcadaDeUnGrupo(const QWidget* w) {
    const auto* r = qobject_cast<const QRadioButton*>(w);
    if (!r || r->isChecked() || !r->autoExclusive() || !r->parentWidget()) return false;
    for (const QRadioButton* otra : r->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (otra != r && otra->autoExclusive() && otra->isChecked()) return true;
    return false;
}
}  // namespace

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
    // Esc goes the close box's way, through the window's own checks.
    if (cerrarConEsc_) close();
}

void Ventana::PonerAccionPredeterminada(QWidget* control, std::function<void()> accion) {
    if (auto* anterior = qobject_cast<QPushButton*>(controlPredeterminado_.data())) anterior->setDefault(false);
    controlPredeterminado_ = control;
    conControl_ = control != nullptr;
    accionPredeterminada_ = std::move(accion);
}

void Ventana::PonerAccionPredeterminada(Boton* boton) {
    PonerAccionPredeterminada(boton, [boton] { boton->click(); });
    if (boton) boton->setDefault(true);
}

void Ventana::PonerAccionPredeterminada(BotonImagen* boton) {
    PonerAccionPredeterminada(boton, [boton] { emit boton->Click(); });
}

void Ventana::PonerAccionPredeterminada(Etiqueta* etiqueta) {
    PonerAccionPredeterminada(etiqueta, [etiqueta] { emit etiqueta->Click(); });
}

bool Ventana::EjecutarAccionPredeterminada() {
    if (!accionPredeterminada_) return false;
    if (conControl_) {
        QWidget* c = controlPredeterminado_.data();
        if (!c || !c->isEnabled() || (isVisible() && !c->isVisible())) return false;
    }
    // A copy: the action may replace the default action or unload the window.
    auto accion = accionPredeterminada_;
    accion();
    return true;
}

void Ventana::OrdenTabulacion(std::initializer_list<QWidget*> controles) {
    QWidget* anterior = nullptr;
    for (QWidget* c : controles) {
        if (!c) continue;
        if (!anterior) primerFoco_ = c;
        else QWidget::setTabOrder(anterior, c);
        anterior = c;
    }
}

void Ventana::ColocarJuntoA(const QWidget* control) {
    if (!control) return;
    const QRect campo(control->mapToGlobal(QPoint(0, 0)), control->size());
    const QScreen* pantalla = control->screen();
    if (!pantalla) return;
    const QRect zona = pantalla->availableGeometry();
    // This window has not shown yet: the system will frame it as it framed the control's
    // window, and the frame counts in what must fit.
    const QRect conMarco = control->window()->frameGeometry(), sinMarco = control->window()->geometry();
    const QMargins marco(sinMarco.left() - conMarco.left(), sinMarco.top() - conMarco.top(),
                         conMarco.right() - sinMarco.right(), conMarco.bottom() - sinMarco.bottom());
    const QSize total = size().grownBy(marco);
    constexpr int Separacion = 4;
    // Along the control's edge the window slides back inside the screen.
    auto enZona = [&](int v, int desde, int largo, int tamano) {
        return std::max(desde, std::min(v, desde + largo - tamano));
    };
    const int x = enZona(campo.left() - marco.left(), zona.left(), zona.width(), total.width());
    const int y = enZona(campo.top() - marco.top(), zona.top(), zona.height(), total.height());
    const QPoint sitios[4] = {
        {x, campo.bottom() + 1 + Separacion},                 // under
        {x, campo.top() - Separacion - total.height()},       // above
        {campo.right() + 1 + Separacion, y},                  // right
        {campo.left() - Separacion - total.width(), y},       // left
    };
    for (const QPoint& p : sitios) {
        const QRect r(p, total);
        if (zona.contains(r) && !r.intersects(campo)) {
            move(p);
            return;
        }
    }
    // A screen too small for that: as near as it goes, inside it.
    move(x, enZona(campo.bottom() + 1 + Separacion, zona.top(), zona.height(), total.height()));
}

void Ventana::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers mayus = e->modifiers() & ~Qt::KeypadModifier;
    if (mayus == Qt::NoModifier) {
        switch (e->key()) {
        case Qt::Key_Escape:
            e->accept();
            reject();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Only the named action: no button is pressed by chance.
            e->accept();
            EjecutarAccionPredeterminada();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(e);
}

void Ventana::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The first control of the order or, while it cannot take the focus (a page button on the
    // first page, a radio button not ticked while another of its group is), the next one in the
    // order that can.
    QWidget* c = primerFoco_;
    for (int i = 0; c && i < 1000; ++i) {
        if (c->window() == this && c->isEnabled() && c->isVisibleTo(this) && (c->focusPolicy() & Qt::TabFocus) &&
            !OpcionDesmarcadaDeUnGrupo(c)) {
            c->setFocus(Qt::TabFocusReason);
            break;
        }
        c = c->nextInFocusChain();
        if (c == primerFoco_) break;
    }
}

void Ventana::mouseMoveEvent(QMouseEvent* e) {
    // The bare window (no control under the mouse) takes down every hover border; a border
    // left up stays while the mouse crosses other controls.
    if (!childAt(e->position().toPoint()))
        for (Forma* borde : findChildren<Forma*>()) borde->hide();
    Form_MouseMove();
    QDialog::mouseMoveEvent(e);
}
