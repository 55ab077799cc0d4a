// The scripted platform of the window tests: PlataformaGuionCalculo, and each modal window
// driven by a callback the test registers for its class (objectName or the C++ class name).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/PlataformaGuionCalculo.h"

class PlataformaGuion : public PlataformaGuionCalculo {
public:
    // Called when a window is shown modally, after its load and first activation; the
    // window is unloaded from code afterwards if the callback left it loaded.
    std::map<std::string, std::function<void(Ventana&)>> alMostrar;
    // The windows shown, in order.
    std::vector<std::string> modalesMostrados;

    void MostrarModal(Ventana& ventana) override;

private:
    std::vector<Ventana*> modales_;
};
