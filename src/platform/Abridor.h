// Opening a web page or a file in the desktop's own program, through the desktop's opener
// (xdg-open, looked up on PATH at each call). POSIX only; no Qt.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace Abridor {

// The longest the caller waits for the opener's answer. An opener still running by then (it
// stays with the browser it started, or runs a text browser in a terminal) counts as opened.
inline constexpr std::chrono::milliseconds EsperaMaxima{2000};

// Runs "xdg-open destino" and waits at most EsperaMaxima for its exit status, calling ceder
// every few hundredths of a second meanwhile. True when the opener exited with 0 or was still
// running; false when xdg-open is not on PATH, cannot start or exits with any other status
// (3: nothing found to open it with; 4: the program for it failed). The opener is never
// stopped: it runs in a session of its own, outlives the program, and leaves no process of
// ours behind to be reaped.
bool Abrir(const std::string& destino, const std::function<void()>& ceder = {});

}  // namespace Abridor
