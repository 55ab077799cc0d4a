// The prize calculator: the prizes of one draw (year, draw number, winning combination and the
// prize of each category) kept in a prize file, and what a set of bets wins in that draw. The
// number of prizes of each category is typed, or counted by scrutinising a bet file; the
// calculation is written to TORNAVENTURA_TEMP.txt and shown.
#pragma once

#include <array>
#include <cstdint>

#include "tools/HerramientasComunes.h"
#include "tools/modPremios.h"

class QFrame;
class QLabel;

class frmCalculadoraPremios : public Herramientas::VentanaHerramienta {
    Q_OBJECT
public:
    using Long = modGeneral::Long;
    using Byte = modGeneral::Byte;
    static constexpr const char* NombreInforme = "TORNAVENTURA_TEMP.txt";
    static constexpr const char* FiltroPremios =
        "Fichero de Premios de TORNAVENTURA (*.XML)|*.XML|Todos los archivos (*.*)|*.*|";

    explicit frmCalculadoraPremios(QWidget* padre = nullptr);

    QLabel* lblAnio = nullptr;
    CajaTexto* txtAnio = nullptr;
    QLabel* lblNumeroSorteo = nullptr;
    CajaTexto* txtNumeroSorteo = nullptr;
    QLabel* lblTituloGanadora = nullptr;
    QFrame* picGanadora = nullptr;
    std::array<Etiqueta*, 50> lblNumero{};
    std::array<Etiqueta*, 12> lblEstrella{};
    QLabel* lblCabeceraCategorias = nullptr;
    ListaTexto* lstCategorias = nullptr;
    QLabel* lblPremios = nullptr;
    CajaTexto* txtCalculadoraPremios = nullptr;   // prizes won in the selected category
    QLabel* lblEuros = nullptr;
    CajaTexto* txtCalculadoraEuros = nullptr;     // euros of one prize of that category
    Etiqueta* lblTotal = nullptr;
    Boton* cmdAbrirPremios = nullptr;
    Boton* cmdGuardarPremios = nullptr;
    Boton* cmdDesdeFichero = nullptr;
    Boton* cmdCalcular = nullptr;
    Etiqueta* lblApuestas = nullptr;

    // The draw as the window holds it, and the prizes won per category.
    modPremios::SorteoPremios Sorteo;
    std::array<Long, modEscrutinio::TotalCategorias> Premios{};
    // Bets read from a file for the count (rows 1..TotalApuestas, columns 1..7).
    Tabla<Byte> Apuestas;
    Long TotalApuestas = 0;

    void Form_Unload(bool& cancelar) override;
    void lblNumero_Click(int index);
    void lblEstrella_Click(int index);
    void lstCategorias_Click();
    void txtCalculadoraPremios_Change();
    void txtCalculadoraEuros_Change();
    void cmdAbrirPremios_Click();
    void cmdGuardarPremios_Click();
    void cmdDesdeFichero_Click();
    // Counts the prizes of the bets read (when any), totals them and writes the report.
    bool cmdCalcular_Click();
    // The total won, in cents.
    std::int64_t TotalCentimos() const;
    // Reads the year, the draw number and the combination from the controls into Sorteo;
    // false with the warning shown when one is missing or out of range.
    bool TomarSorteo();

private:
    // completo: the year, the draw number and the combination are required too.
    bool TomarSorteo(bool completo);

public:

private:
    void MostrarSorteo();
    void ActualizarFila(int k);
    void ActualizarTotal();
    void CargarCajas();
    bool cargandoCajas_ = false;
};
