// "Cálculo del sistema": the reduction window. Calcular opens it on the conditioned system it
// has just built; every activation (except the one that follows its own guarantees window)
// runs the reduction engine with the settings of Reduccion, showing live progress, and leaves
// the bets in ApuestasReducidas (rows 1..n, the five numbers ascending) with n in
// lblApuestasReducidas and n times the star pairs in lblTOTALReducidasAUX. The user may stop
// (the best result found stays), run again, look at the guarantees, go back (Calcular then
// adds the stars) or choose "Cálculo Definitivo" (ticks chkGuardarAutomaticamente: Calcular
// also saves). While the reduction runs the window shows the elapsed time, the cycles done,
// a bar that never moves back and when the cycles should end by themselves if no better
// result comes; its close box
// (and Esc) is refused meanwhile, and a line says that "Detener" ends it keeping the best
// result. Unloading frees Eliminadas.
#pragma once

#include <QElapsedTimer>

#include "kit/VistaPrincipal.h"
#include "platform/Controles.h"
#include "platform/Ventana.h"
#include "reduction/modReduccion.h"

class QGroupBox;
class QLabel;
class QProgressBar;

class frmVentanaProceso : public Ventana {
    Q_OBJECT
public:
    explicit frmVentanaProceso(const VistaPrincipal& vista, QWidget* padre = nullptr);

    // Set by the stop image; read by the engine after every progress call.
    bool Detenido = false;
    bool Calculando = false;
    // The last result, and how many reductions this window has run.
    modReduccion::ResultadoReduccion Resultado;
    int Ejecuciones = 0;

    QGroupBox* fraSistema = nullptr;
    QLabel* lblSistema = nullptr;
    QLabel* lblCondicionadas = nullptr;
    QLabel* lblTipo = nullptr;
    QLabel* lblObjetivo = nullptr;
    QLabel* lblCiclos = nullptr;
    QGroupBox* fraProgreso = nullptr;
    QProgressBar* prgProgreso = nullptr;
    QLabel* lblFase = nullptr;
    QLabel* lblApuestasElegidas = nullptr;
    QLabel* lblCobertura = nullptr;
    QLabel* lblCiclo = nullptr;
    QLabel* lblTiempo = nullptr;
    QLabel* lblMejor = nullptr;
    QLabel* lblFinPrevisto = nullptr;
    QLabel* lblAviso = nullptr;
    QLabel* lblResultado = nullptr;
    BotonImagen* imgRepetir = nullptr;
    BotonImagen* imgDetener = nullptr;
    BotonImagen* imgGarantias = nullptr;
    BotonImagen* imgCalculoDefinitivo = nullptr;
    BotonImagen* imgVolver = nullptr;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancelar, MotivoCierre motivo) override;
    void Form_Unload(bool& cancelar) override;
    void imgRepetir_Click();
    void imgDetener_Click();
    void imgGarantias_Click();
    void imgCalculoDefinitivo_Click();
    void imgVolver_Click();

    // Runs the reduction once on the shared state and publishes its result.
    void EjecutarReduccion();
    // The expected-end line for the seconds the cycles should still take (below 0: not known).
    static QString TextoFinPrevisto(double segundos);

private:
    void MostrarProgreso(const modReduccion::ProgresoReduccion& p);
    void Bloquear(bool calculando);
    bool ModoImportado() const;

    void MostrarTiempo();

    VistaPrincipal vista_;
    bool vueltaDeGarantias_ = false;
    QElapsedTimer reloj_;
    bool conCiclos_ = false;
};
