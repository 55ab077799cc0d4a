// Helpers of the tests of the windows with number grids (groups, related groups, positions):
// a stand-in for the main window's number grid whose marked labels are the base combination,
// and readings of a grid and of a membership table.
#pragma once

#include <QWidget>
#include <initializer_list>
#include <vector>

#include "filters/AyudaVentanas.h"
#include "kit/RejillaNumeros.h"

namespace ayuda {

class PruebaVentanaRejillas : public PruebaVentanaFiltro {
protected:
    QWidget principal;
    RejillaNumeros::Etiquetas base{};

    void SetUp() override {
        PruebaVentanaFiltro::SetUp();
        for (int i = 0; i < 50; ++i) {
            base[static_cast<std::size_t>(i)] = new Etiqueta(QString::number(i + 1), &principal);
            RejillaNumeros::LiberarEtiqueta(base[static_cast<std::size_t>(i)]);
        }
    }
    // Marks these numbers on the stand-in main grid.
    void MarcarBase(std::initializer_list<int> numeros) {
        for (int n : numeros) RejillaNumeros::MarcarEtiqueta(base[static_cast<std::size_t>(n - 1)]);
    }
    static std::vector<int> Habilitados(const RejillaNumeros::Etiquetas& r) {
        std::vector<int> v;
        for (int i = 0; i < 50; ++i)
            if (r[static_cast<std::size_t>(i)]->isEnabled()) v.push_back(i + 1);
        return v;
    }
    static std::vector<int> Marcados(const RejillaNumeros::Etiquetas& r) {
        std::vector<int> v;
        for (int i = 0; i < 50; ++i)
            if (RejillaNumeros::EtiquetaMarcada(r[static_cast<std::size_t>(i)])) v.push_back(i + 1);
        return v;
    }
    // The numbers whose flag in row `fila` of a membership table is not 0.
    static std::vector<int> Numeros(const Tabla<modGeneral::Byte>& t, long fila) {
        std::vector<int> v;
        for (int n = 1; n <= 50; ++n)
            if (t(fila, n) != 0) v.push_back(n);
        return v;
    }
    static void Poner(Tabla<modGeneral::Byte>& t, long fila, std::initializer_list<int> numeros) {
        for (int n : numeros) t(fila, n) = 1;
    }
    // The next hit-count dialog ticks exactly these counts and closes.
    void ResponderAciertos(std::vector<int> cuentas) {
        AlDialogo([cuentas](frmAciertos& d) {
            d.imgNinguno_Click();
            for (int c : cuentas) d.lblAciertos_Click(c);
            d.imgVolver_Click();
        });
    }
};

}  // namespace ayuda
