// The frequency analysis: how often each number and each star occurs over the current bets,
// as counts and shares of the bets, drawn as bars on one scale so that numbers and stars can
// be compared at a glance. The caller sets NumApuestas (the total of bets with stars) before
// it opens; the counting runs at activation. "Informe" writes TORNAVENTURA_ANALISIS.txt.
#pragma once

#include <QWidget>
#include <vector>

#include "platform/Controles.h"
#include "platform/Ventana.h"
#include "reduction/modAnalisis.h"

class QLabel;

// Rows of "label, bar, count, share", one per value, painted in one go; a row marked mayor
// (the largest count of its kind) has its bar in red.
class BarrasFrecuencias : public QWidget {
    Q_OBJECT
public:
    struct Fila {
        QString rotulo;
        modGeneral::Long cuenta = 0;
        double porcentaje = 0;
        bool mayor = false;
    };
    explicit BarrasFrecuencias(QWidget* padre = nullptr);
    void PonerFilas(std::vector<Fila> filas, double escala, long colorBarra);
    const std::vector<Fila>& Filas() const { return filas_; }
    static constexpr int AltoFila = 18;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<Fila> filas_;
    double escala_ = 0;
    long color_ = 0x6B2A1B;
};

class frmAnalisis : public Ventana {
    Q_OBJECT
public:
    explicit frmAnalisis(QWidget* padre = nullptr);

    // Total of bets to count (rows 1..NumApuestas of ApuestasReducidas).
    modGeneral::Long NumApuestas = 0;
    // The counts of the last activation.
    modAnalisis::Frecuencias Frecuencias;

    QLabel* lblApuestas = nullptr;
    QLabel* lblNumeros = nullptr;
    QLabel* lblEstrellas = nullptr;
    BarrasFrecuencias* picNumeros1 = nullptr;   // 1..25
    BarrasFrecuencias* picNumeros2 = nullptr;   // 26..50
    BarrasFrecuencias* picEstrellas = nullptr;  // 1..12
    QLabel* lblResumen = nullptr;
    BotonImagen* imgInforme = nullptr;
    BotonImagen* imgVolver = nullptr;

    void Form_Activate() override;
    void imgInforme_Click();
    void imgVolver_Click();

private:
    bool contado_ = false;
};
