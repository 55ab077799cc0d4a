#include "support/Raton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {
QPointF Punto(QWidget* w, QPointF pos) {
    return pos.x() < 0 ? QPointF(w->width() / 2.0, w->height() / 2.0) : pos;
}
}  // namespace

void PulsarRaton(QWidget* w, Qt::MouseButton boton, Qt::KeyboardModifiers mayus, QPointF pos) {
    const QPointF p = Punto(w, pos);
    QMouseEvent abajo(QEvent::MouseButtonPress, p, w->mapToGlobal(p), boton, boton, mayus);
    QMouseEvent arriba(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), boton, Qt::NoButton, mayus);
    QApplication::sendEvent(w, &abajo);
    QApplication::sendEvent(w, &arriba);
}

void MoverRaton(QWidget* w, QPointF pos) {
    const QPointF p = Punto(w, pos);
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
