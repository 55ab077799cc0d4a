// Real key events sent to a widget, for tests that go through the widgets' own handling: a
// key the widget leaves goes on to its parents up to the window, as typed keys do.
#pragma once

#include <Qt>
#include <vector>

class QWidget;

// Press and release a key on w (the focused control, or the window).
void PulsarTecla(QWidget* w, int tecla, Qt::KeyboardModifiers mayus = Qt::NoModifier);
// A key combination as the system delivers it, shortcuts first (the menu's shortcuts); true
// when a shortcut took it. Otherwise the key goes to the focused control as PulsarTecla does.
bool PulsarAtajo(QWidget* ventana, int tecla, Qt::KeyboardModifiers mayus);
// From the focus the window shows with, Tab round the window until back at the start: the
// controls in the order Tab reaches them, the first one once.
std::vector<QWidget*> Recorrido();
// Shows the window and makes it the active one, so that focus and Tab work.
void ActivarVentana(QWidget* ventana);
