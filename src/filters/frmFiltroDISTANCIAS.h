// "DISTANCIAS": for the pairs 1-2, 2-3, 3-4, 4-5 and 1-5 of a combination's sorted numbers, a
// minimum and a maximum of their difference (filter-list row 2). The ten boxes hold the values
// while the window is open; the variables change only when a close passes the check, all ten
// together. Every key typed in a box activates the filter.
#pragma once

#include <QLabel>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "common/modGeneral.h"
#include "filters/VentanaFiltro.h"

// A label that keeps its caption whole (text()) but draws its pieces at given x positions, so
// a caption like "Números 1 y 2 :         -" can frame the boxes placed over its blanks.
class EtiquetaPartida : public QLabel {
public:
    using QLabel::QLabel;
    void Piezas(std::vector<std::pair<QString, int>> piezas) {
        piezas_ = std::move(piezas);
        update();
    }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<std::pair<QString, int>> piezas_;
};

class frmFiltroDISTANCIAS : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaLista = 2;

    explicit frmFiltroDISTANCIAS(ListaTexto& lstFiltros, QWidget* padre = nullptr);

    QLabel* lbl12 = nullptr;
    QLabel* lbl23 = nullptr;
    QLabel* lbl34 = nullptr;
    QLabel* lb45 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    CajaTexto* txtDistancia12Min = nullptr;
    CajaTexto* txtDistancia23Min = nullptr;
    CajaTexto* txtDistancia34Min = nullptr;
    CajaTexto* txtDistancia45Min = nullptr;
    CajaTexto* txtDistancia15Min = nullptr;
    CajaTexto* txtDistancia12Max = nullptr;
    CajaTexto* txtDistancia23Max = nullptr;
    CajaTexto* txtDistancia34Max = nullptr;
    CajaTexto* txtDistancia45Max = nullptr;
    CajaTexto* txtDistancia15Max = nullptr;

    void CargarControles() override;
    void Form_Unload(bool& cancelar) override;
    // The key-press event of every box.
    void txtDistancia_KeyPress(CajaTexto* caja, int& tecla);

    // The close check over the texts of the ten boxes (minima, then maxima, pairs in the order
    // 1-2, 2-3, 3-4, 4-5, 1-5): the message of the first failure, or "" when the texts pass,
    // and then `valores` holds the ten numbers in the same order.
    static std::string ComprobarDistancias(const std::array<std::string, 10>& textos,
                                           std::array<modGeneral::Integer, 10>& valores);

private:
    std::array<CajaTexto*, 10> Cajas() const;
};
