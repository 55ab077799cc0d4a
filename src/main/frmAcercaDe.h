// The about box: the program's name and version over a field of moving stars, two web links.
// The field moves one frame per timer tick while the window is open; closing the window
// stops it, and every load starts a fresh field.
#pragma once

#include <array>

#include "platform/Controles.h"
#include "platform/Ventana.h"

class frmAcercaDe : public Ventana {
    Q_OBJECT
public:
    static constexpr int NumeroEstrellas = 151;
    // Time between frames, in milliseconds.
    static constexpr int IntervaloFotograma = 30;

    explicit frmAcercaDe(QWidget* padre = nullptr);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancelar) override;
    void lblLinkVelodaro_Click();
    void lblLinkZafirana_Click();

    // One frame: every star moves right by a quarter of its speed; stars far off the left
    // edge catch up 10 units at a time; a star past the right edge restarts at the left.
    void AvanzarFotograma();
    bool Detenido() const { return detener_; }

    // The field, star by star: position and speed (a faster star is drawn larger).
    std::array<float, NumeroEstrellas> EstrellaX{};
    std::array<float, NumeroEstrellas> EstrellaY{};
    std::array<float, NumeroEstrellas> EstrellaVelocidad{};
    long DivisorVelocidad = 4;
    long VelocidadMaxima = 3;

    Etiqueta* lblPrograma;
    Etiqueta* lblLinkVelodaro;
    Etiqueta* lblLinkZafirana;
    Etiqueta* lblFecha;
    QLabel* picTrebol;
    QLabel* Picture1;
    QLabel* Picture2;
    QLabel* Picture3;
    QLabel* Picture4;
    Temporizador* tmrAnimacion;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void SituarEstrellaALaIzquierda(int i);
    void tmrAnimacion_Timer();

    bool detener_ = false;
};
