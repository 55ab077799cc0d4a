// Real mouse events sent to a widget, for tests that go through the widgets' own handling.
#pragma once

#include <QPointF>
#include <Qt>

class QWidget;

// Press and release a button (a click for the left one) at pos, or at the centre.
void PulsarRaton(QWidget* w, Qt::MouseButton boton = Qt::LeftButton,
                 Qt::KeyboardModifiers mayus = Qt::NoModifier, QPointF pos = QPointF(-1, -1));
// Move the mouse over the widget, at pos or at the centre.
void MoverRaton(QWidget* w, QPointF pos = QPointF(-1, -1));
