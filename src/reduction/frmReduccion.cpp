#include "reduction/frmReduccion.h"

#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "common/ValidarTecla.h"
#include "kit/AyudaVentanas.h"

using namespace modGeneral;

namespace {
const char* const TiposReduccion[4] = {"Sin reducción", "Reducción al 4", "Reducción al 3", "Reducción al 2"};
}  // namespace

frmReduccion::frmReduccion(const VistaPrincipal& vista, QWidget* padre) : Ventana(padre), vista_(vista) {
    setObjectName(QStringLiteral("frmReduccion"));
    setWindowTitle(QStringLiteral("Reducción"));
    setFixedSize(420, 262);

    lblTipoReduccion = new QLabel(QStringLiteral("Tipo de reducción :"), this);
    lblTipoReduccion->setGeometry(18, 16, 150, 26);
    cboTipoReduccion = new Combo(this);
    for (const char* t : TiposReduccion) cboTipoReduccion->AddItem(QString::fromUtf8(t));
    cboTipoReduccion->setGeometry(170, 16, 170, 26);
    cboTipoReduccion->setToolTip(QStringLiteral("Aciertos que garantiza la reducción"));

    fraObjetivo = new QGroupBox(QStringLiteral("Objetivo"), this);
    fraObjetivo->setGeometry(18, 52, 384, 90);
    optTipo[1] = new Opcion(QStringLiteral("Porcentaje de cobertura :"), fraObjetivo);
    optTipo[1]->setGeometry(12, 24, 200, 24);
    cboPorcentaje = new Combo(fraObjetivo);
    for (int p = 100; p >= 1; --p) cboPorcentaje->AddItem(QStringLiteral("%1 %").arg(p));
    cboPorcentaje->setGeometry(220, 24, 100, 26);
    optTipo[0] = new Opcion(QStringLiteral("Número de apuestas :"), fraObjetivo);
    optTipo[0]->setGeometry(12, 56, 200, 24);
    txtNColumnas = new CajaTexto(fraObjetivo);
    txtNColumnas->setMaxLength(7);
    txtNColumnas->setGeometry(220, 56, 100, 26);
    txtNColumnas->setAlignment(Qt::AlignRight);

    chkActivarCiclos = new Casilla(QStringLiteral("Activar ciclos (repetir buscando un resultado mejor)"), this);
    chkActivarCiclos->setGeometry(18, 150, 384, 24);
    chkAleatorio = new Casilla(QStringLiteral("Ciclos aleatorios (otro resultado en cada cálculo)"), this);
    chkAleatorio->setGeometry(38, 176, 364, 24);

    imgActivar = AyudaVentanas::CrearBotonImagen(this, QString::fromLatin1(AyudaVentanas::ImagenInactiva),
                                                 QStringLiteral("Activar/Desactivar reducción"), 318, 214);
    imgVolver = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/iconos/volver.svg"), QStringLiteral("Cerrar"),
                                                366, 214);
    lblActivar = new QLabel(this);
    lblActivar->setGeometry(18, 218, 290, 24);

    txtNColumnas->KeyPress = [this](int& tecla) { txtNColumnas_KeyPress(tecla); };
    connect(cboTipoReduccion, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int) { CambioAjuste(); });
    connect(cboPorcentaje, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int) { CambioAjuste(); });
    connect(txtNColumnas, &CajaTexto::Change, this, [this] { CambioAjuste(); });
    connect(chkActivarCiclos, &Casilla::Click, this, [this] { CambioAjuste(); });
    connect(chkAleatorio, &Casilla::Click, this, [this] { CambioAjuste(); });
    for (Opcion* o : optTipo) connect(o, &Opcion::Click, this, [this] { CambioAjuste(); });
    connect(imgActivar, &BotonImagen::Click, this, [this] { imgActivar_Click(); });
    connect(imgVolver, &BotonImagen::Click, this, [this] { imgVolver_Click(); });
    // Enter closes and stores as imgVolver does; Esc as the close box, which stores too.
    PonerAccionPredeterminada(imgVolver);
    OrdenTabulacion({cboTipoReduccion, optTipo[1], cboPorcentaje, optTipo[0], txtNColumnas, chkActivarCiclos,
                     chkAleatorio, imgActivar, imgVolver});
}

void frmReduccion::Form_Load() {
    // Loading shows the settings; it is not an edit and activates nothing.
    cargando_ = true;
    const Integer tipo = Reduccion.Tipo;
    tipoFueraDeLista_ = tipo >= 0 && tipo <= 3 ? -1 : tipo;
    cboTipoReduccion->setCurrentIndex(tipo >= 0 && tipo <= 3 ? tipo : -1);
    // Out of range reads as 100 %, as the reduction takes it.
    const int porcentaje = Reduccion.Porcentaje >= 1 && Reduccion.Porcentaje <= 100 ? Reduccion.Porcentaje : 100;
    cboPorcentaje->setCurrentIndex(100 - porcentaje);
    txtNColumnas->SetText(QString::number(std::max<Long>(Reduccion.NuApuestas, 1)));
    chkActivarCiclos->SetValue(Reduccion.ActivarCiclos ? 1 : 0);
    chkAleatorio->SetValue(Reduccion.Aleatorio ? 1 : 0);
    optTipo[0]->SetValue(Reduccion.ModoNuApuestas);
    optTipo[1]->SetValue(!Reduccion.ModoNuApuestas);
    cargando_ = false;
    MostrarActivacion();
    HabilitarControles();
}

void frmReduccion::CambioAjuste() {
    HabilitarControles();
    if (cargando_) return;
    AyudaVentanas::ActivarFila(vista_.lstFiltros, FilaReduccion);
    MostrarActivacion();
}

void frmReduccion::HabilitarControles() {
    cboPorcentaje->setEnabled(optTipo[1]->Value());
    txtNColumnas->setEnabled(optTipo[0]->Value());
    chkAleatorio->setEnabled(chkActivarCiclos->Value() == 1);
}

void frmReduccion::MostrarActivacion() {
    const bool activa = AyudaVentanas::FilaActiva(vista_.lstFiltros, FilaReduccion);
    imgActivar->SetImagen(QString::fromLatin1(activa ? AyudaVentanas::ImagenActiva : AyudaVentanas::ImagenInactiva));
    lblActivar->setText(activa ? QStringLiteral("Reducción activada") : QStringLiteral("Reducción desactivada"));
    lblActivar->setStyleSheet(activa ? QStringLiteral("color:#1b2a6b; font-weight:bold;")
                                     : QStringLiteral("color:#808080;"));
}

void frmReduccion::imgActivar_Click() {
    AyudaVentanas::AlternarFila(vista_.lstFiltros, FilaReduccion);
    MostrarActivacion();
}

void frmReduccion::imgVolver_Click() { Descargar(MotivoCierre::Codigo); }

void frmReduccion::txtNColumnas_KeyPress(int& tecla) { ValidarTecla(txtNColumnas->Text().toStdString(), tecla, 1); }

// The close box stores as the back button does: the program has no cancel.
void frmReduccion::Form_Unload(bool& cancelar) {
    (void)cancelar;
    const int tipo = cboTipoReduccion->ListIndex();
    if (tipo >= 0) Reduccion.Tipo = static_cast<Integer>(tipo);
    else if (tipoFueraDeLista_ >= 0) Reduccion.Tipo = tipoFueraDeLista_;
    Reduccion.Porcentaje = static_cast<Integer>(100 - std::max(cboPorcentaje->ListIndex(), 0));
    // Blank is 1; more digits than a count can hold stop at the largest system.
    const QString texto = txtNColumnas->Text().trimmed();
    if (texto.isEmpty()) {
        Reduccion.NuApuestas = 1;
    } else {
        bool ok = false;
        const qlonglong n = texto.toLongLong(&ok);
        Reduccion.NuApuestas = !ok ? 1 : static_cast<Long>(std::clamp<qlonglong>(n, 0, MaximoCombinaciones));
    }
    Reduccion.ActivarCiclos = static_cast<Integer>(chkActivarCiclos->Value());
    Reduccion.ModoNuApuestas = optTipo[0]->Value();
    Reduccion.Aleatorio = static_cast<Integer>(chkAleatorio->Value());
}
