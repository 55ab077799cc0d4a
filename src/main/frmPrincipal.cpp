// The main window: construction of its controls, its life (load, close, unload), the mode
// combo, the new-combination reset, the lock around long work and the blinking status label.
#include "main/frmPrincipal.h"

#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "common/modAPIList.h"
#include "kit/AyudaVentanas.h"
#include "main/DireccionesWeb.h"
#include "main/frmAlazar.h"
#include "platform/Plataforma.h"

using namespace modGeneral;

namespace {
// Window size and the main blocks of the layout, in pixels.
using DisposicionPrincipal::ArribaBloques;
using DisposicionPrincipal::XContadores;
constexpr int MargenIzquierdo = DisposicionPrincipal::Margen;
constexpr int AnchoVentana = 1134 + DisposicionPrincipal::AnchoContadores - 226;
constexpr int AltoVentana = 476;

const char* const PreguntaContinuar =
    "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, \xC2\xBF DESEA CONTINUAR DE TODAS FORMAS ?";
const char* const PreguntaSalir =
    "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, \xC2\xBF DESEA SALIR DE TODAS FORMAS ?";

bool PreguntarSi(const char* texto) {
    return Plataforma::Activa().MsgBox(texto, EstiloMensaje::PreguntaSiNo) == RespuestaMensaje::Si;
}
}  // namespace

frmPrincipal::frmPrincipal(QWidget* padre) : Ventana(padre) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowIcon(QIcon(QStringLiteral(":/iconos/tornaventura.svg")));
    // The main window is a top-level window with the usual buttons, not a dialog.
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(AnchoVentana, AltoVentana);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xEE, 0xF0, 0xF4));
    setPalette(pal);

    ConstruirMenus();
    ConstruirBarraHerramientas();
    ConstruirRejillas();
    ConstruirContadores();
    ConstruirModo();
    ConstruirListaFiltros();
    ConstruirPanelEspera();
    Timer1 = new Temporizador(this);
    ConectarEventos();
    PrepararTeclado();
}

frmPrincipal::~frmPrincipal() {
    // A window destroyed without unloading (tests, the end of main) still puts the list's
    // painting back so nothing refers to it.
    if (procVentanaLista_) RestaurarProcedimientosVentana();
}

// ---------------------------------------------------------------- construction

void frmPrincipal::ConstruirMenus() {
    // Each caption carries its Alt letter after "&": shown underlined, never as a character.
    barraMenus = new QMenuBar(this);
    barraMenus->setNativeMenuBar(false);

    menuArchivo = barraMenus->addMenu(QStringLiteral("&Archivo"));
    menuNuevo = menuArchivo->addAction(QStringLiteral("&Nuevo fichero XML"));
    menuAbrir = menuArchivo->addAction(QStringLiteral("&Abrir fichero XML"));
    menuGuardar = menuArchivo->addAction(QStringLiteral("&Guardar fichero XML"));
    menuSeparacion1 = menuArchivo->addSeparator();
    menuSalir = menuArchivo->addAction(QStringLiteral("&Salir"));

    menuDatos = barraMenus->addMenu(QStringLiteral("&Datos"));
    menuVerResumenFiltros = menuDatos->addAction(QStringLiteral("&Ver Resumen de Filtros"));
    menuInformeApuestasEliminadas = menuDatos->addAction(QStringLiteral("Ver &Informe Apuestas Eliminadas"));

    menuUtilidades = barraMenus->addMenu(QStringLiteral("&Utilidades"));
    menuEscrutinioApuestas = menuUtilidades->addAction(QStringLiteral("&Escrutador"));
    menuVisualizarArchivo = menuUtilidades->addAction(QStringLiteral("&Visualizar Archivo"));
    menuSeparacion2 = menuUtilidades->addSeparator();
    menuGarantias = menuUtilidades->addAction(QStringLiteral("&Garantías"));
    menusSistemasPropios = menuUtilidades->addAction(QStringLiteral("&Sistemas Propios"));
    menuSeparacion3 = menuUtilidades->addSeparator();
    menuGeneradorAleatoriasXNumero =
        menuUtilidades->addAction(QStringLiteral("Generador Apuestas Aleatorias por &Números"));
    menuGeneradorAleatoriasXPorcentaje =
        menuUtilidades->addAction(QStringLiteral("Generador Apuestas Aleatorias por &Porcentajes"));

    menuAyuda = barraMenus->addMenu(QStringLiteral("A&yuda"));
    menuAyudaOnline = menuAyuda->addAction(QStringLiteral("Ayuda &Online"));
    menuProgramacion = menuAyuda->addAction(QStringLiteral("&Programación : ") +
                                            QString::fromLatin1(DireccionesWeb::SitioFabricante));
    menuGentileza = menuAyuda->addAction(QStringLiteral("&Gentileza de : ") +
                                         QString::fromLatin1(DireccionesWeb::SitioAgencia));
    menuSeparacion4 = menuAyuda->addSeparator();
    menuAcercaDe = menuAyuda->addAction(QStringLiteral("&Acerca de TORNAVENTURA ..."));

    // The usual keys of the system for the four file entries; where the system names none,
    // the common Ctrl+letter.
    auto atajo = [](QAction* entrada, QKeySequence::StandardKey clave, QKeyCombination comun) {
        QList<QKeySequence> teclas = QKeySequence::keyBindings(clave);
        if (teclas.isEmpty()) teclas << QKeySequence(comun);
        entrada->setShortcuts(teclas);
    };
    atajo(menuNuevo, QKeySequence::New, Qt::CTRL | Qt::Key_N);
    atajo(menuAbrir, QKeySequence::Open, Qt::CTRL | Qt::Key_O);
    atajo(menuGuardar, QKeySequence::Save, Qt::CTRL | Qt::Key_S);
    atajo(menuSalir, QKeySequence::Quit, Qt::CTRL | Qt::Key_Q);

    barraMenus->setGeometry(0, 0, AnchoVentana, barraMenus->sizeHint().height());
}

void frmPrincipal::ConstruirBarraHerramientas() {
    static const char* const captions[7] = {"NUEVO", "ABRIR", "GUARDAR", "VALIDAR ON LINE",
                                            "Cálculo de Prueba", "Análisis", "Cálculo Definitivo"};
    static const char* const consejos[7] = {"Nuevo fichero Base en XML", "Abrir fichero Base en XML",
                                            "Guardar fichero Base en XML", "Validar ON LINE las apuestas",
                                            "Calcular", "", "Cálculo con grabación de apuestas"};
    static const char* const iconos[7] = {"nuevo", "abrir", "guardar", "validar",
                                          "prueba", "analisis", "definitivo"};
    using DisposicionPrincipal::AltoEntrada;
    using DisposicionPrincipal::AnchoEntrada;
    using DisposicionPrincipal::MargenBarra;
    const int arriba = barraMenus->geometry().bottom() + 1 + MargenBarra;
    QFont fuente = font();
    fuente.setPointSize(8);
    fuente.setBold(true);
    for (int i = 0; i < 7; ++i) {
        const QRect entrada(MargenIzquierdo + i * (AnchoEntrada + DisposicionPrincipal::HuecoEntradas), arriba,
                            AnchoEntrada, AltoEntrada);
        // The caption label is the whole entry: the mouse anywhere inside the frame is over it.
        lblMenu[i] = new Etiqueta(QString::fromUtf8(captions[i]), this);
        lblMenu[i]->setObjectName(QStringLiteral("lblMenu%1").arg(i));
        lblMenu[i]->setFont(fuente);
        lblMenu[i]->SetForeColor(0x60'30'00);
        lblMenu[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblMenu[i]->setWordWrap(true);
        lblMenu[i]->setContentsMargins(3, 40, 3, 2);
        lblMenu[i]->setCursor(Qt::PointingHandCursor);
        lblMenu[i]->setToolTip(QString::fromUtf8(consejos[i]));
        lblMenu[i]->setGeometry(entrada);
        // Moving over a toolbar entry is its own event, not the bare window's.
        lblMenu[i]->setAttribute(Qt::WA_NoMousePropagation);

        // The icon lies on its entry and lets the mouse through to it.
        imgIco[i] = new QLabel(this);
        imgIco[i]->setObjectName(QStringLiteral("imgIco%1").arg(i));
        imgIco[i]->setPixmap(QIcon(QStringLiteral(":/iconos/%1.svg").arg(QLatin1String(iconos[i])))
                                 .pixmap(32, 32));
        imgIco[i]->setAlignment(Qt::AlignCenter);
        imgIco[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        imgIco[i]->setGeometry(entrada.x() + (AnchoEntrada - 32) / 2, arriba + 5, 32, 32);

        ShapeBorde[i] = new Forma(this, 0x80'00'00);
        ShapeBorde[i]->setGeometry(entrada);
    }
    picBanner2 = new Etiqueta(QString(), this);
    picBanner2->setObjectName(QStringLiteral("picBanner2"));
    picBanner2->setPixmap(QIcon(QStringLiteral(":/imagenes/banner.svg")).pixmap(300, 60));
    picBanner2->setAlignment(Qt::AlignCenter);
    picBanner2->setCursor(Qt::PointingHandCursor);
    picBanner2->setGeometry(AnchoVentana - 12 - 300, arriba + (AltoEntrada - 60) / 2, 300, 60);

    auto* linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    linea->setGeometry(0, arriba + AltoEntrada + MargenBarra, AnchoVentana, 4);
}

void frmPrincipal::ConstruirRejillas() {
    picNumeros = AyudaVentanas::CrearPanel(this, QStringLiteral("picNumeros"),
                                           QRect(MargenIzquierdo, ArribaBloques, DisposicionPrincipal::AnchoRejillas, 314));
    // The numbers run down nine rows (1-9, 10-18, ...), the stars down four; a button marks or
    // frees each row and each column.
    constexpr int ancho = 32, alto = 26, paso = 34, pasoFila = 29;
    constexpr int x0 = 26, y0 = 24;          // number grid
    constexpr int x0E = 290, y0E = 24;        // star grid
    const RejillaNumeros::Opciones numeros{.nombre = QStringLiteral("lblNumero"), .origen = {x0, y0},
                                           .celda = {ancho, alto}, .paso = {paso, pasoFila}, .puntos = 10};
    RejillaNumeros::Crear(picNumeros, lblNumero, numeros, [this](int i) { lblNumero_Click(i); });
    RejillaNumeros::Opciones estrellas = numeros;
    estrellas.nombre = QStringLiteral("lblEstrella");
    estrellas.porLinea = 4;
    estrellas.origen = {x0E, y0E};
    RejillaNumeros::Crear(picNumeros, lblEstrella, estrellas, [this](int i) { lblEstrella_Click(i); });
    auto boton = [this](const char* recurso, const char* ayuda, int x, int y) {
        return AyudaVentanas::CrearBotonImagen(picNumeros, QString::fromLatin1(recurso), QString::fromUtf8(ayuda),
                                               QRect(x, y, 14, 14));
    };
    for (int r = 0; r < 9; ++r)
        imgINIFila[r] = boton(":/iconos/fila.svg", "Marca/Desmarca esta fila", x0 - 20, y0 + r * pasoFila + (alto - 14) / 2);
    for (int c = 0; c < 6; ++c)
        imgINIColumna[c] =
            boton(":/iconos/columna.svg", "Marca/Desmarca esta columna", x0 + c * paso + (ancho - 14) / 2, y0 - 19);
    for (int r = 0; r < 4; ++r)
        imgINIFilaEstrellas[r] =
            boton(":/iconos/fila.svg", "Marca/Desmarca esta fila", x0E - 20, y0E + r * pasoFila + (alto - 14) / 2);
    lblMarcarDesmarcarTODOS = new Etiqueta(QStringLiteral("T"), picNumeros);
    QFont fuenteT = font();
    fuenteT.setPointSize(8);
    fuenteT.setBold(true);
    lblMarcarDesmarcarTODOS->setFont(fuenteT);
    lblMarcarDesmarcarTODOS->SetForeColor(0x80'00'00);
    lblMarcarDesmarcarTODOS->setAlignment(Qt::AlignCenter);
    lblMarcarDesmarcarTODOS->SetEstiloBase(QStringLiteral("border:1px solid #9aa4b4;"));
    lblMarcarDesmarcarTODOS->setCursor(Qt::PointingHandCursor);
    lblMarcarDesmarcarTODOS->setToolTip(QStringLiteral("Marca/desmarca todos los números"));
    lblMarcarDesmarcarTODOS->setGeometry(x0 - 21, y0 - 21, 16, 16);

    // Headings of the two grids (decoration only).
    QFont fuenteTitulo = font();
    fuenteTitulo.setPointSize(8);
    fuenteTitulo.setBold(true);
    auto* tituloEstrellas = new QLabel(QStringLiteral("ESTRELLAS"), picNumeros);
    tituloEstrellas->setFont(fuenteTitulo);
    tituloEstrellas->setAlignment(Qt::AlignCenter);
    tituloEstrellas->setStyleSheet(QStringLiteral("color:#60708a; background:transparent;"));
    tituloEstrellas->setGeometry(x0E, y0E - 20, 3 * paso - 2, 16);

    QFont fuenteCuenta = font();
    fuenteCuenta.setBold(true);
    lblTipoCombinacion = new Etiqueta(QStringLiteral("0 Números"), picNumeros);
    lblTipoCombinacion->setObjectName(QStringLiteral("lblTipoCombinacion"));
    lblTipoCombinacion->setFont(fuenteCuenta);
    lblTipoCombinacion->SetForeColor(0x80'00'00);
    lblTipoCombinacion->setAlignment(Qt::AlignCenter);
    lblTipoCombinacion->setGeometry(x0, y0 + 9 * pasoFila + 4, 6 * paso - 2, 18);
    lblTipoCombinacionEstrellas = new Etiqueta(QStringLiteral("0 Estrellas"), picNumeros);
    lblTipoCombinacionEstrellas->setFont(fuenteCuenta);
    lblTipoCombinacionEstrellas->SetForeColor(0x80'00'00);
    lblTipoCombinacionEstrellas->setAlignment(Qt::AlignCenter);
    lblTipoCombinacionEstrellas->setGeometry(x0E, y0E + 4 * pasoFila + 4, 3 * paso - 2, 18);
}

void frmPrincipal::ConstruirContadores() {
    // Three boxes, one under the other: number-bets x star pairs = total.
    const int x = XContadores;
    const int ancho = DisposicionPrincipal::AnchoContadores;
    QFont fuente = font();
    fuente.setBold(true);
    auto crear = [&](Boton*& titulo, const QString& texto, Etiqueta*& numero, Etiqueta*& estrellas,
                     Etiqueta*& total, int y) {
        QFrame* caja = AyudaVentanas::CrearPanel(this, QStringLiteral("cajaContador"), QRect(x, y, ancho, 64));
        titulo = new Boton(texto, caja);
        titulo->setFocusPolicy(Qt::NoFocus);
        titulo->setGeometry(4, 4, ancho - 8, 24);
        auto valor = [&](int xv, int av, Qt::Alignment alin) {
            auto* l = new Etiqueta(QStringLiteral("0"), caja);
            l->setFont(fuente);
            l->SetBackStyle(1);
            l->SetBackColor(0xF8'F4'F0);
            l->SetForeColor(ColorContadores);
            l->SetEstiloBase(QStringLiteral("border:1px solid #c4cad4; padding:0 3px;"));
            l->setAlignment(alin | Qt::AlignVCenter);
            l->setGeometry(xv, 34, av, 24);
            return l;
        };
        // Wide enough for 2.118.760 bets, 139.838.160 in total, and the longest status text
        // that the total of the conditioned box shows during a calculation.
        numero = valor(4, 96, Qt::AlignRight);
        auto* por = new QLabel(QStringLiteral("x"), caja);
        por->setAlignment(Qt::AlignCenter);
        por->setGeometry(100, 34, 14, 24);
        estrellas = valor(114, 32, Qt::AlignHCenter);
        auto* igual = new QLabel(QStringLiteral("="), caja);
        igual->setAlignment(Qt::AlignCenter);
        igual->setGeometry(146, 34, 14, 24);
        total = valor(160, ancho - 164, Qt::AlignRight);
    };
    crear(cmdCuadroApuDirecto, QStringLiteral("Apuestas en Directo"), lblApuestasIniciales,
          lblEstrellasInicialesAUX, lblTOTALInicialesAUX, ArribaBloques);
    crear(cmdCuadroApuCondicionadas, QStringLiteral("Apuestas Condicionadas"), lblApuestasCondicionadas,
          lblEstrellasCondicionadasAUX, lblTOTALCondicionadasAUX, ArribaBloques + 72);
    crear(cmdCuadroApuReducidas, QStringLiteral("Apuestas Reducidas"), lblApuestasReducidas,
          lblEstrellasReducidasAUX, lblTOTALReducidasAUX, ArribaBloques + 144);
    cmdCuadroApuDirecto->setObjectName(QStringLiteral("cmdCuadroApuDirecto"));
    lblApuestasIniciales->setObjectName(QStringLiteral("lblApuestasIniciales"));
    lblTOTALCondicionadasAUX->setObjectName(QStringLiteral("lblTOTALCondicionadasAUX"));
}

void frmPrincipal::ConstruirModo() {
    const int x = XContadores;
    const int ancho = DisposicionPrincipal::AnchoContadores;
    const int y = ArribaBloques + 220;
    auto* titulo = new QLabel(QStringLiteral("Tipo de combinación:"), this);
    titulo->setGeometry(x, y, ancho, 18);
    cboTipoCombinacion = new Combo(this);
    cboTipoCombinacion->setObjectName(QStringLiteral("cboTipoCombinacion"));
    cboTipoCombinacion->AddItem(QStringLiteral("Manual"));
    cboTipoCombinacion->AddItem(QStringLiteral("Aleatorio"));
    cboTipoCombinacion->AddItem(QStringLiteral("Desde Archivo"));
    // No selection until the load sets "Manual", so that setting it raises the change event.
    cboTipoCombinacion->setCurrentIndex(-1);
    cboTipoCombinacion->setGeometry(x, y + 20, ancho, 26);

    auto* tituloFichero = new QLabel(QStringLiteral("Fichero de apuestas importado:"), this);
    tituloFichero->setGeometry(x, y + 52, ancho, 18);
    txtFicheroASCII = new CajaTexto(this);
    txtFicheroASCII->setObjectName(QStringLiteral("txtFicheroASCII"));
    txtFicheroASCII->setReadOnly(true);
    txtFicheroASCII->setEnabled(false);
    txtFicheroASCII->setGeometry(x, y + 72, ancho, 24);

    chkGuardarAutomaticamente = new Casilla(QStringLiteral("Guardar apuestas automáticamente"), this);
    chkGuardarAutomaticamente->setObjectName(QStringLiteral("chkGuardarAutomaticamente"));
    chkGuardarAutomaticamente->setGeometry(MargenIzquierdo, ArribaBloques + 322, 392, 22);
}

void frmPrincipal::ConstruirPanelEspera() {
    picVentanaEspera = new QFrame(this);
    picVentanaEspera->setObjectName(QStringLiteral("picVentanaEspera"));
    picVentanaEspera->setStyleSheet(
        QStringLiteral("QFrame#picVentanaEspera{background:#ffffff; border:2px solid #60708a;}"));
    const int ancho = PixelesDesdeTwips(AnchoProgresoTwips) + 30;
    picVentanaEspera->setGeometry((AnchoVentana - ancho) / 2, 220, ancho, 86);
    lblEspera = new Etiqueta(QStringLiteral("Guardando por favor espere ..."), picVentanaEspera);
    QFont fuente = font();
    fuente.setBold(true);
    lblEspera->setFont(fuente);
    lblEspera->SetForeColor(0x60'30'00);
    lblEspera->setAlignment(Qt::AlignCenter);
    lblEspera->setGeometry(10, 12, ancho - 20, 22);
    auto* carril = new QFrame(picVentanaEspera);
    carril->setObjectName(QStringLiteral("carrilProgreso"));
    carril->setStyleSheet(QStringLiteral("QFrame#carrilProgreso{background:#e4e8ee; border:none;}"));
    carril->setGeometry(15, 46, PixelesDesdeTwips(AnchoProgresoTwips), 22);
    lblProgressBar = new Etiqueta(QString(), picVentanaEspera);
    lblProgressBar->SetBackStyle(1);
    lblProgressBar->SetBackColor(0xB0'60'20);
    lblProgressBar->setGeometry(15, 46, 0, 22);
    lblProgressBar->SetAnchoTwips(0);
    picVentanaEspera->hide();
}

void frmPrincipal::ConectarEventos() {
    connect(menuNuevo, &QAction::triggered, this, [this] { menuNuevo_Click(); });
    connect(menuAbrir, &QAction::triggered, this, [this] { menuAbrir_Click(); });
    connect(menuGuardar, &QAction::triggered, this, [this] { menuGuardar_Click(); });
    connect(menuSalir, &QAction::triggered, this, [this] { menuSalir_Click(); });
    connect(menuVerResumenFiltros, &QAction::triggered, this, [this] { menuVerResumenFiltros_Click(); });
    connect(menuInformeApuestasEliminadas, &QAction::triggered, this,
            [this] { menuInformeApuestasEliminadas_Click(); });
    connect(menuEscrutinioApuestas, &QAction::triggered, this, [this] { menuEscrutinioApuestas_Click(); });
    connect(menuVisualizarArchivo, &QAction::triggered, this, [this] { menuVisualizarArchivo_Click(); });
    connect(menuGarantias, &QAction::triggered, this, [this] { menuGarantias_Click(); });
    connect(menusSistemasPropios, &QAction::triggered, this, [this] { menusSistemasPropios_Click(); });
    connect(menuGeneradorAleatoriasXNumero, &QAction::triggered, this,
            [this] { menuGeneradorAleatoriasXNumero_Click(); });
    connect(menuGeneradorAleatoriasXPorcentaje, &QAction::triggered, this,
            [this] { menuGeneradorAleatoriasXPorcentaje_Click(); });
    connect(menuAyudaOnline, &QAction::triggered, this, [this] { menuAyudaOnline_Click(); });
    connect(menuProgramacion, &QAction::triggered, this, [this] { menuProgramacion_Click(); });
    connect(menuGentileza, &QAction::triggered, this, [this] { menuGentileza_Click(); });
    connect(menuAcercaDe, &QAction::triggered, this, [this] { menuAcercaDe_Click(); });

    for (int i = 0; i < 7; ++i) {
        connect(lblMenu[i], &Etiqueta::Click, this, [this, i] { lblMenu_Click(i); });
        connect(lblMenu[i], &Etiqueta::MouseMove, this, [this, i] { lblMenu_MouseMove(i); });
    }
    connect(picBanner2, &Etiqueta::Click, this, [this] { picBanner2_Click(); });
    connect(lblTipoCombinacion, &Etiqueta::MouseDown, this,
            [this](int b, int m, double x, double y) { lblTipoCombinacion_MouseDown(b, m, x, y); });

    for (int r = 0; r < 9; ++r)
        connect(imgINIFila[r], &BotonImagen::Click, this, [this, r] { imgINIFila_Click(r); });
    for (int c = 0; c < 6; ++c)
        connect(imgINIColumna[c], &BotonImagen::Click, this, [this, c] { imgINIColumna_Click(c); });
    for (int r = 0; r < 4; ++r)
        connect(imgINIFilaEstrellas[r], &BotonImagen::Click, this, [this, r] { imgINIFilaEstrellas_Click(r); });
    connect(lblMarcarDesmarcarTODOS, &Etiqueta::Click, this, [this] { lblMarcarDesmarcarTODOS_Click(); });

    connect(cboTipoCombinacion, &Combo::Click, this, [this] { cboTipoCombinacion_Click(); });
    connect(lstFiltros, &ListaTexto::DblClick, this, [this] { lstFiltros_DblClick(); });
    connect(lstFiltros, &ListaTexto::MouseDown, this,
            [this](int b, int m, double x, double y) { lstFiltros_MouseDown(b, m, x, y); });
    connect(Timer1, &Temporizador::Timer, this, [this] { Timer1_Timer(); });
}

void frmPrincipal::PrepararTeclado() {
    // The program lives as long as this window: Esc must not end it.
    SetCerrarConEsc(false);
    // The toolbar is reachable by Tab (Space or Enter runs an entry); the grids stay mouse
    // only, as do their row and column buttons.
    for (auto* l : lblMenu) l->SetTeclado(true);
    for (auto* b : imgINIFila) b->setFocusPolicy(Qt::NoFocus);
    for (auto* b : imgINIColumna) b->setFocusPolicy(Qt::NoFocus);
    for (auto* b : imgINIFilaEstrellas) b->setFocusPolicy(Qt::NoFocus);
    // The mode combo first (it has the focus at start), then the toolbar after the list.
    OrdenTabulacion({cboTipoCombinacion, txtFicheroASCII, chkGuardarAutomaticamente, lstFiltros, lblMenu[0],
                     lblMenu[1], lblMenu[2], lblMenu[3], lblMenu[4], lblMenu[5], lblMenu[6]});
    // On the filter list Enter opens the selected row's settings, as a double click does, and
    // the context-menu key turns the row on or off, as the right button does.
    connect(lstFiltros, &ListaTexto::TeclaIntro, this, [this] { lstFiltros_DblClick(); });
    connect(lstFiltros, &ListaTexto::TeclaMenu, this,
            [this] { lstFiltros_MouseDown(BotonDerecho, 0, 0, 0); });
}

// ---------------------------------------------------------------- window life

void frmPrincipal::PonerTitulo(const QString& fichero) {
    QString t = QString::fromLatin1(NombrePrograma) + QString::fromLatin1(VersionPrograma);
    if (!fichero.isNull()) t += QStringLiteral(" - Fichero : ") + fichero;
    setWindowTitle(t);
}

QString frmPrincipal::NombreFicheroBase() const {
    const QString t = windowTitle();
    const int dos = static_cast<int>(t.indexOf(QLatin1Char(':')));
    return dos < 0 ? QString() : t.mid(dos + 2);
}

VistaPrincipal frmPrincipal::Vista() {
    VistaPrincipal v;
    v.cboTipoCombinacion = cboTipoCombinacion;
    v.chkGuardarAutomaticamente = chkGuardarAutomaticamente;
    v.lstFiltros = lstFiltros;
    v.lblApuestasIniciales = lblApuestasIniciales;
    v.lblEstrellasInicialesAUX = lblEstrellasInicialesAUX;
    v.lblTOTALInicialesAUX = lblTOTALInicialesAUX;
    v.lblApuestasCondicionadas = lblApuestasCondicionadas;
    v.lblEstrellasCondicionadasAUX = lblEstrellasCondicionadasAUX;
    v.lblTOTALCondicionadasAUX = lblTOTALCondicionadasAUX;
    v.lblApuestasReducidas = lblApuestasReducidas;
    v.lblEstrellasReducidasAUX = lblEstrellasReducidasAUX;
    v.lblTOTALReducidasAUX = lblTOTALReducidasAUX;
    v.NumerosMarcados = [this] { return NumerosMarcados(); };
    v.EstrellasMarcadas = [this] { return EstrellasMarcadas(); };
    v.NombreFicheroBase = [this] { return NombreFicheroBase().toStdString(); };
    v.ActualizarContadores = [this] { ActualizarContadoresApuestas(); };
    return v;
}

void frmPrincipal::Form_Load() {
    Ocupado = false;
    BaseGuardada = true;
    PonerTitulo(QString());
    for (int i = 1; i <= 7; ++i) CombinacionGanadora[i] = 0;
    // The free look, on a white back.
    for (auto* l : lblNumero) {
        l->SetBackColor(RejillaNumeros::ColorBlanco);
        RejillaNumeros::LiberarEtiqueta(l);
    }
    for (auto* l : lblEstrella) {
        l->SetBackColor(RejillaNumeros::ColorBlanco);
        RejillaNumeros::LiberarEtiqueta(l);
    }
    InicializarFiltros();
    // The list's pattern, from the picture of the hidden image.
    const QPixmap fondo = imgFondoList->pixmap();
    if (!fondo.isNull()) {
        pincelFondo_ = QBrush(fondo);
        modAPIList::PincelFondo = 1;
    } else {
        pincelFondo_ = QBrush();
        modAPIList::PincelFondo = 0;
    }
    InstalarProcedimientosVentana();
    InicializarListaFiltros();
    cboTipoCombinacion->SetListIndex(0);
    ModoAnterior = 0;
}

void frmPrincipal::Form_QueryUnload(bool& cancelar, MotivoCierre motivo) {
    if (motivo != MotivoCierre::Usuario) return;
    if (Ocupado) {
        cancelar = true;
        return;
    }
    if (!BaseGuardada && !PreguntarSi(PreguntaSalir)) cancelar = true;
}

void frmPrincipal::Form_Unload(bool& cancelar) {
    (void)cancelar;
    RestaurarProcedimientosVentana();
    ApuestasCondicionadas.Erase();
    TodasCombinaciones.Erase();
    ApuestasImportadas.Erase();
    ApuestasReducidas.Erase();
}

void frmPrincipal::menuSalir_Click() {
    if (BaseGuardada || PreguntarSi(PreguntaSalir)) Descargar(MotivoCierre::Codigo);
}

void frmPrincipal::Form_MouseMove() {
    for (auto* s : ShapeBorde) s->hide();
}

void frmPrincipal::lblMenu_MouseMove(int index) {
    if (index >= 0 && index < static_cast<int>(ShapeBorde.size())) ShapeBorde[index]->show();
}

void frmPrincipal::Timer1_Timer() {
    auto componente = [] {
        double v = std::nearbyint(Plataforma::Activa().Rnd() * 256);
        return static_cast<long>(std::min(v, 255.0));
    };
    const long rojo = componente();
    const long verde = componente();
    const long azul = componente();
    lblTOTALCondicionadasAUX->SetForeColor(rojo | (verde << 8) | (azul << 16));
}

// ---------------------------------------------------------------- combination mode

bool frmPrincipal::ModoDesdeArchivo() const { return cboTipoCombinacion->ListIndex() == 2; }

void frmPrincipal::cboTipoCombinacion_Click() {
    if (Ocupado) {
        // The event of our own put-back below.
        Ocupado = false;
        return;
    }
    switch (cboTipoCombinacion->ListIndex()) {
    case 0:
        if (!BaseGuardada && !PreguntarSi(PreguntaContinuar)) {
            if (ModoAnterior == 2) {
                Ocupado = true;
                cboTipoCombinacion->SetListIndex(2);
                // Should the put-back raise no event, the guard must not stay up: it would
                // refuse the close box for good.
                Ocupado = false;
            }
            return;
        }
        cmdCuadroApuDirecto->setText(QStringLiteral("Apuestas en Directo"));
        NuevaCombinacion();
        txtFicheroASCII->setEnabled(false);
        picNumeros->setEnabled(true);
        ModoAnterior = 0;
        break;
    case 1: {
        cmdCuadroApuDirecto->setText(QStringLiteral("Apuestas en Directo"));
        txtFicheroASCII->setEnabled(false);
        picNumeros->setEnabled(true);
        frmAlazar alazar(*this, this);
        Plataforma::Activa().MostrarModal(alazar);
        ModoAnterior = 0;
        ActualizarContadoresApuestas();
        break;
    }
    case 2:
        cmdCuadroApuDirecto->setText(QStringLiteral("Apuestas Importadas"));
        txtFicheroASCII->setEnabled(true);
        picNumeros->setEnabled(false);
        ImportarApuestasDesdeArchivo();
        ModoAnterior = 2;
        break;
    default:
        break;
    }
}

void frmPrincipal::NuevaCombinacion() {
    const bool desdeArchivo = ModoDesdeArchivo();
    if (!desdeArchivo) {
        DesmarcarTodosNumeros();
        DesmarcarTodasEstrellas();
        txtFicheroASCII->SetText(QString());
        txtFicheroASCII->setToolTip(QString());
    }
    const Integer estrellas = Reduccion.Estrellas;
    InicializarFiltros();
    // The star treatment of an imported system cannot change in that mode.
    if (desdeArchivo) Reduccion.Estrellas = estrellas;
    PonerTitulo(QString::fromLatin1(SinGuardar));
    for (int k = 0; k < lstFiltros->ListCount(); ++k) DesactivarFilaFiltro(k);
    lstFiltros->SetList(FilaGrupos, TextoFilaGrupos(false));
    lstFiltros->SetList(FilaGruposRelacionados, TextoFilaGruposRelacionados(false));
    lstFiltros->SetList(FilaReduccion, TextoFilaReduccion(false, 0));
    if (!desdeArchivo) {
        Reduccion.Estrellas = 0;
        lstFiltros->SetList(FilaEstrellas, TextoFilaEstrellas(false, 0));
    }
    EliminadasPorFiltro.fill(0);
    ActualizarColumnasFiltros();
    for (int i = 1; i <= 7; ++i) CombinacionGanadora[i] = 0;
    BaseGuardada = true;
}

void frmPrincipal::BloquearControles() {
    for (QMenu* m : {menuArchivo, menuDatos, menuUtilidades, menuAyuda}) m->menuAction()->setEnabled(false);
    for (std::size_t i = 0; i < lblMenu.size(); ++i) {
        lblMenu[i]->setEnabled(false);
        imgIco[i]->setEnabled(false);
    }
    picNumeros->setEnabled(false);
    lstFiltros->setEnabled(false);
    cboTipoCombinacion->setEnabled(false);
    picBanner2->setEnabled(false);
}

void frmPrincipal::DesbloquearControles() {
    for (QMenu* m : {menuArchivo, menuDatos, menuUtilidades, menuAyuda}) m->menuAction()->setEnabled(true);
    for (std::size_t i = 0; i < lblMenu.size(); ++i) {
        lblMenu[i]->setEnabled(true);
        imgIco[i]->setEnabled(true);
    }
    picNumeros->setEnabled(!ModoDesdeArchivo());
    lstFiltros->setEnabled(true);
    cboTipoCombinacion->setEnabled(true);
    picBanner2->setEnabled(true);
}
