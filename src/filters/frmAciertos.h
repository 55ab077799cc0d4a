// "ACIERTOS": the hit-count picker. Six labels for the counts 0..5; a label's colours are its
// state (ticked: green back, white text). The caller puts its count table into
// AciertosSeleccion, sets AciertoMinimo and AciertoMaximo (and may hide label 0), shows the
// window modally and takes AciertosSeleccion back when it closes. There is no cancel.
// Callers go through VentanaFiltro::DialogoAciertos, which performs the whole exchange.
#pragma once

#include <array>

#include "platform/Controles.h"
#include "platform/Ventana.h"

class frmAciertos : public Ventana {
    Q_OBJECT
public:
    explicit frmAciertos(QWidget* padre = nullptr);

    // Looks of a label (0xBBGGRR): ticked green back (RGB 0,128,0) with white text, not
    // ticked white back with black text.
    static constexpr long ColorMarcado = 0x008000;
    static constexpr long ColorBlanco = 0xFFFFFF;
    static constexpr long ColorNegro = 0x000000;

    // The counts offered, set by the caller before each opening.
    int AciertoMinimo = 0;
    int AciertoMaximo = 5;

    std::array<Etiqueta*, 6> lblAciertos{};
    BotonImagen* imgTodos = nullptr;     // "Selecciona todos los aciertos"
    BotonImagen* imgNinguno = nullptr;   // "Inicializa todos los aciertos"
    BotonImagen* imgVolver = nullptr;    // "Cerrar"
    Forma* ShapeBorde = nullptr;         // frames imgVolver until the mouse reaches bare window

    // A label shows the ticked colours.
    bool Marcada(int i) const;

    void Form_Activate() override;
    void lblAciertos_Click(int index);
    void imgTodos_Click();
    void imgNinguno_Click();
    void imgVolver_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void Marcar(int i, bool marcada);
    bool EnRango(int i) const { return i >= AciertoMinimo && i <= AciertoMaximo && i >= 0 && i <= 5; }
};
