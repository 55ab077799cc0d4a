// The main of the benchmarks that open windows: a QApplication on the offscreen platform
// (unless the caller chose one) with the program's resources, then the benchmarks.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>

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
