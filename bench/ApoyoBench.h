// The main of the benchmarks that open windows: a QApplication on the offscreen platform
// (unless the caller chose one) with the program's resources, then the benchmarks. And the
// process's peak resident memory, for the benchmarks that report it (Linux only: read from
// /proc/self/status, VmHWM, after resetting it through /proc/self/clear_refs).
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <fstream>
#include <string>

// A memory line of /proc/self/status ("VmHWM:", "VmRSS:") in bytes, or -1 when the system
// does not give it.
inline double MemoriaProceso(const char* campo) {
    std::ifstream f("/proc/self/status");
    const std::string nombre(campo);
    std::string linea;
    while (std::getline(f, linea))
        if (linea.rfind(nombre, 0) == 0) return std::stod(linea.substr(nombre.size())) * 1024.0;
    return -1;
}
inline double PicoResidente() { return MemoriaProceso("VmHWM:"); }
inline double Residente() { return MemoriaProceso("VmRSS:"); }

// Starts a new peak at the present resident size; false when the system does not allow it.
inline bool ReiniciarPico() {
    std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
    if (!f) return false;
    const bool ok = std::fputs("5", f) >= 0;
    return std::fclose(f) == 0 && ok;
}

#include "kit/AyudaVentanas.h"

inline int EjecutarBenchmarksConVentanas(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    AyudaVentanas::CargarRecursos();
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
