// The reduction dialog: the type of reduction (the guarantee), the target (a coverage
// percentage or a number of bets) and the cycles. It loads its controls from Reduccion and
// stores them back when it closes; any change of a setting activates the reduction row of the
// filter list, and imgActivar toggles that row.
#pragma once

#include <array>

#include "kit/VistaPrincipal.h"
#include "platform/Controles.h"
#include "platform/Ventana.h"

class QGroupBox;
class QLabel;

class frmReduccion : public Ventana {
    Q_OBJECT
public:
    static constexpr int FilaReduccion = 11;

    explicit frmReduccion(const VistaPrincipal& vista, QWidget* padre = nullptr);

    QLabel* lblTipoReduccion = nullptr;
    Combo* cboTipoReduccion = nullptr;
    QGroupBox* fraObjetivo = nullptr;
    // optTipo(0): the target is a number of bets; optTipo(1): a coverage percentage.
    std::array<Opcion*, 2> optTipo{};
    Combo* cboPorcentaje = nullptr;
    CajaTexto* txtNColumnas = nullptr;
    Casilla* chkActivarCiclos = nullptr;
    Casilla* chkAleatorio = nullptr;
    BotonImagen* imgActivar = nullptr;
    BotonImagen* imgVolver = nullptr;
    QLabel* lblActivar = nullptr;

    void Form_Load() override;
    void Form_Unload(bool& cancelar) override;
    void imgActivar_Click();
    void imgVolver_Click();
    void txtNColumnas_KeyPress(int& tecla);
    // Any edit of a setting: the reduction row becomes active.
    void CambioAjuste();

private:
    void MostrarActivacion();
    void HabilitarControles();

    VistaPrincipal vista_;
    bool cargando_ = false;
    // A type no item offers (4: one common number, only from a base file) is kept until the
    // user picks an item.
    modGeneral::Integer tipoFueraDeLista_ = -1;
};
