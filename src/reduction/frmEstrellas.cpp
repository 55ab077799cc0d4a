#include "reduction/frmEstrellas.h"

#include <QLabel>

#include "kit/AyudaVentanas.h"

using namespace modGeneral;

namespace {
const char* const Tratamientos[4] = {"Garantizar 2 (n)", "Garantizar 1 (n-1)", "Aleatorias", "Secuenciales"};
const char* const Explicaciones[4] = {
    "Cada apuesta se juega con todos los pares de las estrellas marcadas.",
    "Las estrellas marcadas se juntan en pares seguidos (1\xC2\xAA con 2\xC2\xAA, 3\xC2\xAA con 4\xC2\xAA ...) "
    "y cada apuesta se juega con cada par.",
    "Cada apuesta lleva un solo par de estrellas, elegido al azar.",
    "Cada apuesta lleva un solo par de estrellas; los pares se reparten por turno.",
};
}  // namespace

frmEstrellas::frmEstrellas(const VistaPrincipal& vista, QWidget* padre) : Ventana(padre), vista_(vista) {
    setObjectName(QStringLiteral("frmEstrellas"));
    setWindowTitle(QStringLiteral("Estrellas"));
    setFixedSize(400, 150);

    lblTitulo = new QLabel(QStringLiteral("Reducción de las estrellas :"), this);
    lblTitulo->setGeometry(18, 16, 200, 24);
    cboTipoReduccionEstrellas = new Combo(this);
    for (const char* t : Tratamientos) cboTipoReduccionEstrellas->AddItem(QString::fromUtf8(t));
    cboTipoReduccionEstrellas->setGeometry(210, 16, 170, 26);
    lblExplicacion = new QLabel(this);
    lblExplicacion->setWordWrap(true);
    lblExplicacion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblExplicacion->setStyleSheet(QStringLiteral("color:#1b2a6b;"));
    lblExplicacion->setGeometry(18, 54, 300, 60);
    imgVolver = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/iconos/volver.svg"), QStringLiteral("Cerrar"),
                                                346, 100);

    connect(cboTipoReduccionEstrellas, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int) { cboTipoReduccionEstrellas_Click(); });
    connect(imgVolver, &BotonImagen::Click, this, [this] { imgVolver_Click(); });
    // Enter closes and stores as imgVolver does; Esc as the close box, which stores too.
    PonerAccionPredeterminada(imgVolver);
    OrdenTabulacion({cboTipoReduccionEstrellas, imgVolver});
}

void frmEstrellas::Form_Load() {
    const int e = Reduccion.Estrellas;
    // A treatment no item offers (only a damaged base file can hold one) shows no item and
    // is kept unless the user picks one.
    cboTipoReduccionEstrellas->setCurrentIndex(e >= 0 && e <= 3 ? e : -1);
    cboTipoReduccionEstrellas_Click();
}

void frmEstrellas::cboTipoReduccionEstrellas_Click() {
    const int i = cboTipoReduccionEstrellas->ListIndex();
    lblExplicacion->setText(i >= 0 && i <= 3 ? QString::fromUtf8(Explicaciones[i]) : QString());
}

void frmEstrellas::imgVolver_Click() { Descargar(MotivoCierre::Codigo); }

// The close box stores as the back button does: the program has no cancel.
void frmEstrellas::Form_Unload(bool& cancelar) {
    (void)cancelar;
    const int i = cboTipoReduccionEstrellas->ListIndex();
    if (i < 0) return;
    Reduccion.Estrellas = static_cast<Integer>(i);
    if (i != 0) AyudaVentanas::ActivarFila(vista_.lstFiltros, FilaEstrellas);
    else AyudaVentanas::DesactivarFila(vista_.lstFiltros, FilaEstrellas);
}
