// "Escrutador": the bets counted by prize category against the winning combination marked on
// the window's own grids. Opened on the current bets (NumApuestas > 0: rows 1..NumApuestas of
// ApuestasReducidas are copied at the first activation) or on a bet file (cmdDesdeFichero).
// The combination marked is kept in CombinacionGanadora; every scrutiny writes
// TORNAVENTURA_PREMIOS.txt and shows it.
#pragma once

#include <array>

#include "kit/VistaPrincipal.h"
#include "tools/HerramientasComunes.h"
#include "tools/modEscrutinio.h"

class QFrame;
class QLabel;

class frmEscrutar : public Herramientas::VentanaHerramienta {
    Q_OBJECT
public:
    using Long = modGeneral::Long;
    static constexpr const char* NombreInforme = "TORNAVENTURA_PREMIOS.txt";

    explicit frmEscrutar(VistaPrincipal vista = {}, QWidget* padre = nullptr);

    // Set by the opener before the window is shown.
    bool DesdePrincipal = false;
    Long NumApuestas = 0;

    QLabel* lblTituloGanadora = nullptr;
    QFrame* picGanadora = nullptr;
    std::array<Etiqueta*, 50> lblNumero{};
    std::array<Etiqueta*, 12> lblEstrella{};
    QLabel* lblLeyenda = nullptr;
    Etiqueta* lblOrigen = nullptr;
    Boton* cmdEscrutar = nullptr;
    Boton* cmdDesdeFichero = nullptr;
    Etiqueta* lblEstado = nullptr;
    std::array<QLabel*, modEscrutinio::TotalCategorias> lblCategoria{};
    std::array<Etiqueta*, modEscrutinio::TotalCategorias> lblAciertos{};
    Etiqueta* lblSinPremio = nullptr;
    Etiqueta* lblTotalApuestas = nullptr;
    Temporizador* Timer1 = nullptr;

    // The bets being scrutinised (rows 1..TotalApuestas, columns 1..7) and where they came from.
    Tabla<modGeneral::Byte> Apuestas;
    Long TotalApuestas = 0;
    std::string Origen;
    modEscrutinio::ResultadoEscrutinio Resultado;
    bool HayResultado = false;

    // The look of a free label: red, or green for what the main grids also mark.
    long ColorLibreNumero(int index) const { return colorLibreNumero_[static_cast<std::size_t>(index)]; }

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancelar) override;
    void lblNumero_Click(int index);
    void lblEstrella_Click(int index);
    void cmdEscrutar_Click();
    void cmdDesdeFichero_Click();
    void Timer1_Timer();
    // Runs the scrutiny on Apuestas; false when there is nothing to scrutinise or the
    // combination is not complete (with the warning shown).
    bool Escrutar();

private:
    void GuardarCombinacionGanadora();
    void LimpiarResultado();
    void MostrarResultado();
    void EscribirInformePremios();
    void TrabajoEnCurso(bool si, const QString& estado);
    VistaPrincipal vista_;
    std::array<long, 50> colorLibreNumero_{};
    std::array<long, 12> colorLibreEstrella_{};
    bool primeraActivacion_ = true;
};
