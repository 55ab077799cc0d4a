// Test programs run with a QApplication (offscreen) so that windows can be built and driven.
#include <QApplication>
#include <gtest/gtest.h>

#include "kit/AyudaVentanas.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    AyudaVentanas::CargarRecursos();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
