// The main window: the base combination grids, the counters, the filter list, the menus and
// the toolbar. The program lives as long as this window. Every control and procedure other
// windows and modules use is public and named as the program names it; a grid label's look is
// the mark of its number or star, and a filter-list row's text is its filter's state.
#pragma once

#include <QBrush>
#include <QString>
#include <array>
#include <vector>

#include "common/modGeneral.h"
#include "kit/AyudaVentanas.h"
#include "kit/RejillaNumeros.h"
#include "kit/VistaPrincipal.h"
#include "main/modCalculo.h"
#include "platform/Controles.h"
#include "platform/Ventana.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class ProcVentanaLista;

// Where the main blocks of the window stand, in pixels: the grids, the counter column and
// the filter list, left to right under the toolbar.
namespace DisposicionPrincipal {
inline constexpr int Margen = 12;
inline constexpr int AnchoRejillas = 392;
inline constexpr int AnchoContadores = 310;
inline constexpr int Separacion = 14;
inline constexpr int XContadores = Margen + AnchoRejillas + Separacion;
inline constexpr int XLista = XContadores + AnchoContadores + Separacion;
inline constexpr int ArribaBloques = 122;   // first row under the toolbar
// A toolbar entry (icon over caption, the size of its hover frame) and the bare window between
// entries and around the toolbar: wide enough that a mouse passing along it crosses bare window,
// which hides the frames, between any two entries.
inline constexpr int AnchoEntrada = 90;
inline constexpr int AltoEntrada = 70;
inline constexpr int HuecoEntradas = 32;
inline constexpr int MargenBarra = 10;
}  // namespace DisposicionPrincipal

class frmPrincipal : public Ventana {
    Q_OBJECT
public:
    using Integer = modGeneral::Integer;
    using Long = modGeneral::Long;

    static constexpr const char* NombrePrograma = "TORNAVENTURA ";
    static constexpr const char* VersionPrograma = "3.1";
    static constexpr const char* SinGuardar = "Sin guardar.xml";
    // Rows of lstFiltros.
    static constexpr int FilaGrupos = 3;
    static constexpr int FilaGruposRelacionados = 4;
    static constexpr int FilaEstrellas = 10;
    static constexpr int FilaReduccion = 11;
    static constexpr int TotalFilasFiltros = 12;
    // Full width of the progress bar of the wait panel.
    static constexpr double AnchoProgresoTwips = 4725;
    // Text of every counter, at start and after each calculation (the blinking status ends
    // in it too).
    static constexpr long ColorContadores = 0x000000;

    explicit frmPrincipal(QWidget* padre = nullptr);
    ~frmPrincipal() override;

    // ---- form-level state ----
    bool Ocupado = false;
    Integer ModoAnterior = 0;
    std::array<Long, 11> EliminadasPorFiltro{};

    // ---- menus ----
    QMenuBar* barraMenus = nullptr;
    QMenu* menuArchivo = nullptr;
    QAction* menuNuevo = nullptr;
    QAction* menuAbrir = nullptr;
    QAction* menuGuardar = nullptr;
    QAction* menuSeparacion1 = nullptr;
    QAction* menuSalir = nullptr;
    QMenu* menuDatos = nullptr;
    QAction* menuVerResumenFiltros = nullptr;
    QAction* menuInformeApuestasEliminadas = nullptr;
    QMenu* menuUtilidades = nullptr;
    QAction* menuEscrutinioApuestas = nullptr;
    QAction* menuVisualizarArchivo = nullptr;
    QAction* menuSeparacion2 = nullptr;
    QAction* menuGarantias = nullptr;
    QAction* menusSistemasPropios = nullptr;
    QAction* menuSeparacion3 = nullptr;
    QAction* menuGeneradorAleatoriasXNumero = nullptr;
    QAction* menuGeneradorAleatoriasXPorcentaje = nullptr;
    QMenu* menuAyuda = nullptr;
    QAction* menuAyudaOnline = nullptr;
    QAction* menuProgramacion = nullptr;
    QAction* menuGentileza = nullptr;
    QAction* menuSeparacion4 = nullptr;
    QAction* menuAcercaDe = nullptr;

    // ---- toolbar and banner ----
    std::array<Etiqueta*, 7> lblMenu{};
    std::array<QLabel*, 7> imgIco{};
    std::array<Forma*, 7> ShapeBorde{};
    Etiqueta* picBanner2 = nullptr;

    // ---- base combination grids ----
    QFrame* picNumeros = nullptr;
    std::array<Etiqueta*, 50> lblNumero{};
    std::array<Etiqueta*, 12> lblEstrella{};
    std::array<BotonImagen*, 9> imgINIFila{};
    std::array<BotonImagen*, 6> imgINIColumna{};
    std::array<BotonImagen*, 4> imgINIFilaEstrellas{};
    Etiqueta* lblMarcarDesmarcarTODOS = nullptr;
    Etiqueta* lblTipoCombinacion = nullptr;
    Etiqueta* lblTipoCombinacionEstrellas = nullptr;

    // ---- counters: number-bets x star pairs = total ----
    Boton* cmdCuadroApuDirecto = nullptr;
    Boton* cmdCuadroApuCondicionadas = nullptr;
    Boton* cmdCuadroApuReducidas = nullptr;
    Etiqueta* lblApuestasIniciales = nullptr;
    Etiqueta* lblEstrellasInicialesAUX = nullptr;
    Etiqueta* lblTOTALInicialesAUX = nullptr;
    Etiqueta* lblApuestasCondicionadas = nullptr;
    Etiqueta* lblEstrellasCondicionadasAUX = nullptr;
    Etiqueta* lblTOTALCondicionadasAUX = nullptr;
    Etiqueta* lblApuestasReducidas = nullptr;
    Etiqueta* lblEstrellasReducidasAUX = nullptr;
    Etiqueta* lblTOTALReducidasAUX = nullptr;

    // ---- mode, imported file, automatic save ----
    Combo* cboTipoCombinacion = nullptr;
    CajaTexto* txtFicheroASCII = nullptr;
    Casilla* chkGuardarAutomaticamente = nullptr;

    // ---- filter list ----
    std::array<Boton*, 4> cmdCabeceraFiltros{};
    ListaTexto* lstFiltros = nullptr;
    QLabel* imgFondoList = nullptr;   // hidden: its picture is the list's background

    // ---- blinking status and wait panel ----
    Temporizador* Timer1 = nullptr;
    QFrame* picVentanaEspera = nullptr;
    Etiqueta* lblEspera = nullptr;
    Etiqueta* lblProgressBar = nullptr;   // width in twips, full width AnchoProgresoTwips

    // ---- window life ----
    void Form_Load() override;
    void Form_QueryUnload(bool& cancelar, MotivoCierre motivo) override;
    void Form_Unload(bool& cancelar) override;
    void Form_MouseMove() override;
    void Timer1_Timer();

    // ---- combination mode ----
    void cboTipoCombinacion_Click();
    void NuevaCombinacion();
    void BloquearControles();
    void DesbloquearControles();
    bool ModoDesdeArchivo() const;

    // ---- grids and counters ----
    void lblNumero_Click(int index);
    void lblEstrella_Click(int index);
    void imgINIFila_Click(int fila);
    void imgINIColumna_Click(int columna);
    void imgINIFilaEstrellas_Click(int fila);
    void lblMarcarDesmarcarTODOS_Click();
    void MarcarTodosNumeros();
    void DesmarcarTodosNumeros();
    void DesmarcarTodasEstrellas();
    Integer ContarNumerosMarcados() const;
    Integer ContarEstrellasMarcadas() const;
    void CargarNumerosMarcados();
    void ActualizarContadoresBase();
    // The counts under the grids: "n Números", "n Estrellas" (singular for one).
    void PonerCuentasMarcadas(int numeros, int estrellas);
    void ActualizarContadoresApuestas();

    // A counter caption read back as a number (the locale's separators accepted).
    static double LeerContador(const Etiqueta* etiqueta);
    // The base file's name as the caption shows it: the text after its first ":", less one blank.
    QString NombreFicheroBase() const;
    // What the reduction, guarantees, analysis and tool windows see of this window.
    VistaPrincipal Vista();

    // ---- filter list ----
    void InicializarListaFiltros();
    void ActualizarColumnasFiltros();
    void lstFiltros_DblClick();
    void lstFiltros_MouseDown(int boton, int mayus, double x, double y);
    // The flag of a row (AyudaVentanas' filter-list rows).
    bool FilaActiva(int fila) const { return AyudaVentanas::FilaActiva(lstFiltros, fila); }
    void ActivarFilaFiltro(int fila) { AyudaVentanas::ActivarFila(lstFiltros, fila); }
    void DesactivarFilaFiltro(int fila) { AyudaVentanas::DesactivarFila(lstFiltros, fila); }
    void AlternarFilaFiltro(int fila) { AyudaVentanas::AlternarFila(lstFiltros, fila); }
    // Texts of the rows (see the row layout in frmPrincipal_filtros.cpp).
    static QString NombreFilaFiltro(int fila);
    static QString TextoModoEstrellas(Integer estrellas);
    static QString TextoModoReduccion(Integer tipo);
    QString TextoFilaGrupos(bool activa) const;
    QString TextoFilaGruposRelacionados(bool activa) const;
    static QString TextoFilaEstrellas(bool activa, Integer estrellas);
    static QString TextoFilaReduccion(bool activa, Integer tipo);
    // e of a row: how many characters its summary takes from the ELIMINAN column.
    int ExcesoResumenFila(int fila) const;
    // The list's answer to its request for a background brush: the pattern, or none.
    const QBrush* ProcVentanaPrincipal() const;

    // ---- menus and toolbar ----
    void menuNuevo_Click();
    void menuAbrir_Click();
    void menuGuardar_Click();
    void menuSalir_Click();
    void menuVerResumenFiltros_Click();
    void menuInformeApuestasEliminadas_Click();
    void menuEscrutinioApuestas_Click();
    void menuVisualizarArchivo_Click();
    void menuGarantias_Click();
    void menusSistemasPropios_Click();
    void menuGeneradorAleatoriasXNumero_Click();
    void menuGeneradorAleatoriasXPorcentaje_Click();
    void menuAyudaOnline_Click();
    void menuProgramacion_Click();
    void menuGentileza_Click();
    void menuAcercaDe_Click();
    void lblMenu_Click(int index);
    void lblMenu_MouseMove(int index);
    void picBanner2_Click();
    void lblTipoCombinacion_MouseDown(int boton, int mayus, double x, double y);
    void AbrirAnalisis();
    // The unsaved-setup question in front of "Nuevo" and "Abrir": true to go on.
    bool ConfirmarCombinacionNoGuardada();
    // Bets required by the guarantees and the analysis: false after the error box.
    bool HayApuestasGeneradas();

    // ---- calculation, stars, saving (frmPrincipal_calculo.cpp) ----
    // The evaluators AplicarFiltros calls, by list row 0..9 (tests may replace them).
    modCalculo::TablaEvaluadores Evaluadores = modCalculo::EvaluadoresFiltros();
    // The star pairs of the marked stars (1 To 66, 1 To 2) and how many are in use.
    Tabla<modGeneral::Byte> ParesEstrellas;
    Integer TotalParesEstrellas = 0;
    virtual void Calcular();
    // Runs the filters of the active rows 0..9; eliminadas receives the total removed.
    void AplicarFiltros(Long& eliminadas);
    Integer CargarEstrellasMarcadas();
    void AsignarEstrellas();
    virtual void GuardarApuestasEUR();
    // The .EUR file NombreFichero and the base file beside it, as one save.
    void GuardarParBaseYApuestas(const std::string& cabecera, Long total);
    virtual void GuardarBaseXML();
    // The text of the base file for the current setup.
    std::string GenerarXMLBase() const;
    // The marked numbers and stars, ascending.
    std::vector<modGeneral::Byte> NumerosMarcados() const;
    std::vector<modGeneral::Byte> EstrellasMarcadas() const;
    // The reduction window frmVentanaProceso, shown modally by Calcular on the state it built.
    virtual void AbrirVentanaProceso();

    // ---- operations of their own units (frmPrincipal_ficheros, frmPrincipal_ventanas) ----
    virtual void AbrirBaseXML();
    virtual void ImportarApuestasDesdeArchivo();
    virtual void InformeResumenFiltros();
    virtual void InformeApuestasEliminadas();
    // The settings window of filter-list row k (0..11), shown modally: rows 0..9 through
    // AbrirVentanaFiltro, row 10 frmEstrellas, row 11 frmReduccion.
    virtual void AbrirVentanaFila(int fila);
    virtual void AbrirVentanaFiltro(int fila);
    virtual void AbrirVentanaEstrellas();
    virtual void AbrirVentanaReduccion();
    virtual void AbrirVentanaEscrutar(Long numApuestas);
    // frmVisualizar; true when its "Escrutar" replaced the current bets with the file's.
    virtual bool AbrirVentanaVisualizar();
    virtual void AbrirVentanaGarantias();
    virtual void AbrirVentanaSistemasPropios();
    virtual void AbrirVentanaGeneradorApuestas();
    virtual void AbrirVentanaGeneradorApuestasXPorcentaje();
    virtual void AbrirVentanaAnalisis(Long numApuestas);

private:
    void ConstruirMenus();
    void ConstruirBarraHerramientas();
    void ConstruirRejillas();
    void ConstruirContadores();
    void ConstruirModo();
    void ConstruirListaFiltros();
    void ConstruirPanelEspera();
    void ConectarEventos();
    void PrepararTeclado();
    void InstalarProcedimientosVentana();
    void RestaurarProcedimientosVentana();
    void PonerTitulo(const QString& fichero);
    void CambiarGrupo(const std::vector<Etiqueta*>& grupo);

    QBrush pincelFondo_;
    ProcVentanaLista* procVentanaLista_ = nullptr;
};
