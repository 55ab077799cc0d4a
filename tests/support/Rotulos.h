// Captions measured as the window draws them: the text of every label, push button, check box
// and option button against the room its control gives it, in the control's own font.
#pragma once

#include <string>
#include <vector>

class QWidget;

// One line for each visible control of the window whose caption does not fit:
// "window/control: "text" needs WxH, has WxH". Empty when every caption fits.
std::vector<std::string> RotulosQueNoCaben(QWidget* ventana);
