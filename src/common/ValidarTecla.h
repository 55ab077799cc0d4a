// The keystroke filter of every numeric text box: called from the box's key-press event with
// the box's current text, it keeps the key or cancels it (tecla = 0) with the system beep.
//   tipo 1:  digits, Backspace (8), Esc (27)
//   tipo 4:  digits, ".", ",", Backspace, Esc; a "," only while the text holds none
//   tipo 17: digits, Backspace, Esc, Enter (13)
//   other:   nothing (every key cancelled, without a beep)
#pragma once

#include <string>

namespace modGeneral {

inline constexpr int CodigoRetroceso = 8;
inline constexpr int CodigoIntro = 13;
inline constexpr int CodigoEscape = 27;

void ValidarTecla(const std::string& textoCaja, int& tecla, int tipo);

}  // namespace modGeneral
