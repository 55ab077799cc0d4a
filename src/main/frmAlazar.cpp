#include "main/frmAlazar.h"

#include <QLabel>
#include <algorithm>
#include <span>
#include <vector>
#include <utility>

#include "common/modGeneral.h"
#include "kit/RejillaNumeros.h"
#include "main/frmPrincipal.h"
#include "platform/Plataforma.h"

using namespace modGeneral;

frmAlazar::frmAlazar(frmPrincipal& principal, QWidget* padre) : Ventana(padre), principal_(principal) {
    setObjectName(QStringLiteral("frmAlazar"));
    setWindowTitle(QStringLiteral("Generar combinación aleatoria"));
    setFixedSize(330, 138);

    Label1 = new QLabel(QStringLiteral("Números :"), this);
    Label1->setGeometry(18, 18, 80, 24);
    cboNumeros = new Combo(this);
    cboNumeros->setGeometry(104, 18, 70, 24);
    Label2 = new QLabel(QStringLiteral("Estrellas :"), this);
    Label2->setGeometry(18, 52, 80, 24);
    cboEstrellas = new Combo(this);
    cboEstrellas->setGeometry(104, 52, 70, 24);
    cmdAlazar = new Boton(QStringLiteral("Generar combinación aleatoria"), this);
    cmdAlazar->setGeometry(18, 92, 240, 30);

    imgVolver = new BotonImagen(QStringLiteral(":/iconos/volver.svg"), this);
    imgVolver->setScaledContents(true);
    imgVolver->setToolTip(QStringLiteral("Cerrar"));
    imgVolver->setGeometry(279, 91, 32, 32);
    ShapeBorde = Forma::Enmarcar(imgVolver, Forma::Retirada::HastaElFondo, 3);

    // Enter draws, Esc closes; Tab goes down the window and ends on the close image.
    PonerAccionPredeterminada(cmdAlazar);
    OrdenTabulacion({cboNumeros, cboEstrellas, cmdAlazar, imgVolver});

    connect(cmdAlazar, &Boton::Click, this, [this] { cmdAlazar_Click(); });
    connect(imgVolver, &BotonImagen::Click, this, [this] { imgVolver_Click(); });
}

void frmAlazar::Form_Load() {
    for (int i = 1; i <= 50; ++i) cboNumeros->AddItem(QString::number(i));
    cboNumeros->setCurrentIndex(4);
    for (int i = 1; i <= 12; ++i) cboEstrellas->AddItem(QString::number(i));
    cboEstrellas->setCurrentIndex(1);
}

void frmAlazar::imgVolver_Click() { Descargar(MotivoCierre::Codigo); }

namespace {
// Frees every label of the grid and marks cuantas of them at random: a draw from the whole list
// each time, swapped into the first places, so the first cuantas labels are distinct.
void MarcarAlAzar(std::span<Etiqueta* const> etiquetas, int cuantas) {
    Plataforma& p = Plataforma::Activa();
    std::vector<Etiqueta*> orden(etiquetas.begin(), etiquetas.end());
    for (Etiqueta* l : orden) RejillaNumeros::LiberarEtiqueta(l);
    const int total = static_cast<int>(orden.size());
    p.Randomize();
    for (int i = 0; i < cuantas; ++i) {
        const int r = std::clamp(static_cast<int>(p.Rnd() * total + 1), 1, total);
        std::swap(orden[static_cast<std::size_t>(i)], orden[static_cast<std::size_t>(r - 1)]);
    }
    for (int i = 0; i < cuantas; ++i) RejillaNumeros::MarcarEtiqueta(orden[static_cast<std::size_t>(i)]);
}
}  // namespace

void frmAlazar::cmdAlazar_Click() {
    const int n = std::clamp(cboNumeros->ListIndex() + 1, 1, 50);
    const int m = std::clamp(cboEstrellas->ListIndex() + 1, 1, 12);
    MarcarAlAzar(principal_.lblNumero, n);
    MarcarAlAzar(principal_.lblEstrella, m);

    principal_.lblApuestasIniciales->SetCaption(AyudaVentanas::Cuenta(NumeroCombinaciones(n, 5)));
    // The star count beside the grid follows the stars drawn too.
    principal_.PonerCuentasMarcadas(n, m);
    principal_.lblApuestasCondicionadas->SetCaption(principal_.lblApuestasIniciales->Caption());
    principal_.lblApuestasReducidas->SetCaption(QStringLiteral("0"));
    // A new base on the grid is a setup not yet saved.
    BaseGuardada = false;
}
