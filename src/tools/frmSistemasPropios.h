// "Sistemas Propios": a system read from a bet file (the origin) is moved onto numbers the user
// chooses: the i-th smallest number the origin uses becomes the i-th smallest number marked, and
// likewise its stars (with no star marked the origin's stars stay). The re-targeted bets are
// saved as a .EUR bet file, named after the main window's base file by default.
#pragma once

#include <array>

#include "kit/VistaPrincipal.h"
#include "tools/HerramientasComunes.h"

class QFrame;
class QLabel;

class frmSistemasPropios : public Herramientas::VentanaHerramienta {
    Q_OBJECT
public:
    using Long = modGeneral::Long;
    using Byte = modGeneral::Byte;

    explicit frmSistemasPropios(VistaPrincipal vista = {}, QWidget* padre = nullptr);

    QLabel* lblTituloOrigen = nullptr;
    Boton* cmdDesdeFichero = nullptr;
    Etiqueta* lblFicheroOrigen = nullptr;
    Etiqueta* lblNumerosOrigen = nullptr;
    Etiqueta* lblEstrellasOrigen = nullptr;
    ListaTexto* lstCorrespondencia = nullptr;
    QLabel* lblTituloDestino = nullptr;
    QFrame* picDestino = nullptr;
    std::array<Etiqueta*, 50> lblNumero{};
    std::array<Etiqueta*, 12> lblEstrella{};
    Etiqueta* lblMarcados = nullptr;
    Boton* cmdGuardar = nullptr;
    QFrame* picProgreso = nullptr;
    Etiqueta* lblProgressBar = nullptr;
    Etiqueta* lblEstado = nullptr;

    // The origin system: its bets (rows 1..TotalApuestas, columns 1..7) and the numbers and
    // stars it uses, ascending.
    Tabla<Byte> Apuestas;
    Long TotalApuestas = 0;
    std::vector<Byte> NumerosOrigen, EstrellasOrigen;

    void Form_Unload(bool& cancelar) override;
    void cmdDesdeFichero_Click();
    void lblNumero_Click(int index);
    void lblEstrella_Click(int index);
    void cmdGuardar_Click();

private:
    void ActualizarCorrespondencia();
    VistaPrincipal vista_;
};
