// The shared data model as the program starts with it, around every test of a fixture built on
// DatosIniciales: modGeneral's settings, tables and flags, and the state the modules keep
// between calls (the star treatment last assigned, the base file's error list, the dialog's
// request). The reset runs when the fixture is built and again when it goes, after the
// fixture's own members (a window, the platform) have gone, so a test neither finds what an
// earlier one left nor leaves anything behind.
#pragma once

#include <gtest/gtest.h>

// Puts the shared data model back as at start-up.
void ReiniciarDatos();

class DatosIniciales : public ::testing::Test {
protected:
    DatosIniciales() { ReiniciarDatos(); }
    ~DatosIniciales() override { ReiniciarDatos(); }
};
