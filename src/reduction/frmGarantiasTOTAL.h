// The guarantees and percentages window: for each level "si k" (k of the drawn numbers in the
// base, k = 1..5), over the scenarios of that level, the guaranteed minimum of hits of the best
// bet and the share of scenarios whose best bet reaches each hit count. The scenarios come from
// the total system, the conditioned one or the imported one. The work runs at activation and
// again with "Calcular"; it yields as it goes and "Detener" ends it. Each level finished is
// written as TORNAVENTURA_GARANTIAS_si<k>.txt in the program's folder; "Ver informe" shows the
// selected level's report.
#pragma once

#include <array>

#include "kit/VistaPrincipal.h"
#include "platform/Controles.h"
#include "platform/Ventana.h"
#include "reduction/modGarantias.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QTableWidget;

class frmGarantiasTOTAL : public Ventana {
    Q_OBJECT
public:
    explicit frmGarantiasTOTAL(const VistaPrincipal& vista, QWidget* padre = nullptr);

    // Stop flag, set by cmdDetener and read at every yield.
    bool Detenido = false;
    bool Calculando = false;
    // The last result of each level 1..5 (index 0 unused); nivel 0 = not computed.
    std::array<modGarantias::ResultadoNivel, 6> Resultados{};

    QLabel* lblBase = nullptr;
    QLabel* lblApuestas = nullptr;
    QGroupBox* fraSistema = nullptr;
    // optSistema(0) total, (1) conditioned, (2) imported.
    std::array<Opcion*, 3> optSistema{};
    QTableWidget* grdGarantias = nullptr;
    QProgressBar* prgProgreso = nullptr;
    QLabel* lblEstado = nullptr;
    Boton* cmdCalcular = nullptr;
    Boton* cmdDetener = nullptr;
    Boton* cmdInforme = nullptr;
    BotonImagen* imgVolver = nullptr;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancelar, MotivoCierre motivo) override;
    void cmdCalcular_Click();
    void cmdDetener_Click();
    void cmdInforme_Click();
    void imgVolver_Click();

    // The system chosen for the scenarios.
    modGarantias::SistemaEscenarios SistemaElegido() const;
    // Row of the table of level k (level 5 on top).
    static int FilaDeNivel(int k) { return 5 - k; }
    // Positions of the base the current bets were made on.
    static int TamanoBase();

private:
    void CalcularGarantias();
    void MostrarNivel(const modGarantias::ResultadoNivel& r);
    void Bloquear(bool calculando);

    VistaPrincipal vista_;
    modGeneral::Long numeroApuestas_ = 0;
    modGeneral::Long totalApuestas_ = 0;
    bool calculado_ = false;
};
