#include "support/Raton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

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

void MoverPuntero(QWidget* ventana, QPoint pos) {
    // QTest takes (0, 0) for "the centre".
    if (pos.isNull()) pos = QPoint(0, 1);
    QTest::mouseMove(ventana->windowHandle(), pos);
}

void BarrerPuntero(QWidget* ventana, QPoint desde, QPoint hasta, int paso) {
    const QPoint d = hasta - desde;
    const int pasos = std::max(1, static_cast<int>(std::ceil(std::hypot(d.x(), d.y()) / std::max(1, paso))));
    for (int i = 0; i <= pasos; ++i)
        MoverPuntero(ventana, desde + QPoint(d.x() * i / pasos, d.y() * i / pasos));
}

QPoint FondoLibre(QWidget* ventana) {
    for (int y = 1; y < ventana->height(); y += 3)
        for (int x = 1; x < ventana->width(); x += 3)
            if (!ventana->childAt(x, y)) return QPoint(x, y);
    return QPoint(-1, -1);
}
