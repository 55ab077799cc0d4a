// Real mouse events sent to a widget, for tests that go through the widgets' own handling.
#pragma once

#include <QPoint>
#include <QPointF>
#include <Qt>

class QWidget;

// Press and release a button (a click for the left one) at pos, or at the centre.
void PulsarRaton(QWidget* w, Qt::MouseButton boton = Qt::LeftButton,
                 Qt::KeyboardModifiers mayus = Qt::NoModifier, QPointF pos = QPointF(-1, -1));
// Move the mouse over the widget, at pos or at the centre.
void MoverRaton(QWidget* w, QPointF pos = QPointF(-1, -1));

// The pointer itself moved to pos of a shown window, as the system reports it: Qt finds the
// control under it and sends it the move, with the enter and leave events on the way.
void MoverPuntero(QWidget* ventana, QPoint pos);
// The pointer moved in steps of at most paso pixels along the line from desde to hasta.
void BarrerPuntero(QWidget* ventana, QPoint desde, QPoint hasta, int paso);
// A point of the window where the bare window shows (no control under it), searched from the
// top left; (-1, -1) when there is none.
QPoint FondoLibre(QWidget* ventana);
