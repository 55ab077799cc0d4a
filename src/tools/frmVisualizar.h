// "Visualizar Archivo": a bet file shown ticket by ticket, each ticket as the user fills it on
// a slip (five bets a ticket, each a block of the 50 numbers and the 12 stars with its marks).
// Its "Escrutar" image hands the bets to the scrutiny: they replace ApuestasReducidas.
#pragma once

#include <array>

#include "kit/VistaPrincipal.h"
#include "tools/HerramientasComunes.h"

class QFrame;
class QLabel;

class frmVisualizar : public Herramientas::VentanaHerramienta {
    Q_OBJECT
public:
    using Long = modGeneral::Long;
    static constexpr int ApuestasPorBoleto = 5;

    explicit frmVisualizar(VistaPrincipal vista = {}, QWidget* padre = nullptr);

    Boton* cmdAbrirFichero = nullptr;
    Etiqueta* lblFichero = nullptr;
    QFrame* picBoleto = nullptr;
    std::array<QLabel*, ApuestasPorBoleto> lblBloque{};
    std::array<std::array<Etiqueta*, 50>, ApuestasPorBoleto> lblBoletoNumero{};
    std::array<std::array<Etiqueta*, 12>, ApuestasPorBoleto> lblBoletoEstrella{};
    BotonImagen* imgPrimero = nullptr;
    BotonImagen* imgAnterior = nullptr;
    BotonImagen* imgSiguiente = nullptr;
    BotonImagen* imgUltimo = nullptr;
    QLabel* lblBoleto = nullptr;
    CajaTexto* txtIrboleto = nullptr;
    QLabel* lblTotalBoletos = nullptr;
    BotonImagen* imgEscrutar = nullptr;
    QLabel* lblEscrutar = nullptr;

    // The bets of the file (rows 1..TotalApuestas, columns 1..7).
    Tabla<modGeneral::Byte> Apuestas;
    Long TotalApuestas = 0;
    Long BoletoActual = 0;   // 1-based; 0 when no file is shown
    // Set once "Escrutar" replaces ApuestasReducidas with the file's bets (before it does: a
    // failed copy has lost them too): the main window's counters no longer describe them.
    bool ApuestasSustituidas = false;
    Long TotalBoletos() const { return (TotalApuestas + ApuestasPorBoleto - 1) / ApuestasPorBoleto; }

    void Form_Activate() override;
    void Form_Unload(bool& cancelar) override;
    void cmdAbrirFichero_Click();
    void imgPrimero_Click();
    void imgAnterior_Click();
    void imgSiguiente_Click();
    void imgUltimo_Click();
    void txtIrboleto_KeyPress(int& tecla);
    void txtIrboleto_Intro();
    void imgEscrutar_Click();
    // Shows ticket b (1..TotalBoletos), clamped.
    void MostrarBoleto(Long b);

private:
    VistaPrincipal vista_;
    bool primeraActivacion_ = true;
};
