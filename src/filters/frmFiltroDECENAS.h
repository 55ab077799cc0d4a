// "DECENAS" (filter row 1): the allowed counts in each of the five decades (1-9, 10-19, 20-29,
// 30-39, 40-50), written as soon as the hit-count dialog closes, and the allowed figures over
// the decades (FigurasDecenas), stored when the window closes, without a check.
#pragma once

#include <array>

#include "filters/VentanaFiltro.h"

class frmFiltroDECENAS : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaFiltro = 1;
    explicit frmFiltroDECENAS(ListaTexto& lstFiltros, QWidget* padre = nullptr);

    QLabel* Label2 = nullptr;   // "DECENAS"
    QLabel* lbl0109 = nullptr;
    QLabel* lbl1019 = nullptr;
    QLabel* lbl2029 = nullptr;
    QLabel* lbl3039 = nullptr;
    QLabel* lbl4050 = nullptr;
    QLineEdit* txtAciertos0109 = nullptr;
    QLineEdit* txtAciertos1019 = nullptr;
    QLineEdit* txtAciertos2029 = nullptr;
    QLineEdit* txtAciertos3039 = nullptr;
    QLineEdit* txtAciertos4050 = nullptr;
    Boton* cmdModificar0109 = nullptr;
    Boton* cmdModificar1019 = nullptr;
    Boton* cmdModificar2029 = nullptr;
    Boton* cmdModificar3039 = nullptr;
    Boton* cmdModificar4050 = nullptr;
    QLabel* Label1 = nullptr;   // "FIGURAS"
    std::array<QLabel*, 7> Label3{};
    std::array<QLabel*, 8> lblTipoFigura{};
    std::array<Casilla*, 8> chkFigura{};

    void cmdModificar0109_Click();
    void cmdModificar1019_Click();
    void cmdModificar2029_Click();
    void cmdModificar3039_Click();
    void cmdModificar4050_Click();
    void chkFigura_Click(int index);
    void Form_Unload(bool& cancelar) override;

protected:
    void CargarControles() override;

private:
    std::array<modGeneral::Byte, 8> figurasCargadas_{};
};
