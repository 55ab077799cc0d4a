#include "tools/frmGeneradorApuestas.h"

#include <QFrame>
#include <QLabel>

#include "common/ValidarTecla.h"
#include "common/modEncriptarFichero.h"
#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"
#include "tools/modGeneradores.h"

using namespace modGeneral;
using namespace Herramientas;

namespace {
constexpr int AnchoVentana = 346, AltoVentana = 430;
}  // namespace

frmGeneradorApuestas::frmGeneradorApuestas(QWidget* padre)
    : VentanaGenerador(QStringLiteral("frmGeneradorApuestas"),
                         QStringLiteral("Generador de apuestas aleatorias por números"), AnchoVentana, AltoVentana,
                         padre) {
    QFont negrita = font();
    negrita.setBold(true);
    lblTitulo = new QLabel(QStringLiteral("Marque los números (5 o más) y 2 estrellas"), this);
    lblTitulo->setGeometry(14, 10, 318, 20);
    lblTitulo->setFont(negrita);
    picRejilla = ConstruirRejilla(this, 14, 32, lblNumero, lblEstrella, [this](int i) { lblNumero_Click(i); },
                                   [this](int i) { lblEstrella_Click(i); });
    lblMarcados = new QLabel(this);
    lblMarcados->setGeometry(14, 214, 318, 20);
    CrearControlesGenerar(14, 246, QRect(14, 274, 318, 20), 14, 304, 346, QRect(14, 366, 260, 40));
    ColocarVolver(AnchoVentana - 48, AltoVentana - 48);
    // Enter generates; the grid keeps to the mouse.
    OrdenTabulacion({txtApuestas, cmdGenerar, imgVolver});
    ActualizarPosibles();
}

Long frmGeneradorApuestas::ApuestasPosibles() const {
    return CLng(NumeroCombinaciones(static_cast<int>(RejillaNumeros::ValoresMarcados(lblNumero).size()), 5));
}

void frmGeneradorApuestas::ActualizarPosibles() {
    const auto n = RejillaNumeros::ValoresMarcados(lblNumero).size(), e = RejillaNumeros::ValoresMarcados(lblEstrella).size();
    lblMarcados->setText(QStringLiteral("%1 y %2 marcados")
                             .arg(AyudaVentanas::Cuenta(static_cast<double>(n), QStringLiteral("número"), QStringLiteral("números")),
                                  AyudaVentanas::Cuenta(static_cast<double>(e), QStringLiteral("estrella"),
                                                        QStringLiteral("estrellas"))));
    MostrarPosibles();
}

void frmGeneradorApuestas::lblNumero_Click(int index) {
    if (Ocupado || index < 0 || index >= 50) return;
    RejillaNumeros::AlternarEtiqueta(lblNumero, index);
    ActualizarPosibles();
}

void frmGeneradorApuestas::lblEstrella_Click(int index) {
    if (Ocupado || index < 0 || index >= 12) return;
    if (!RejillaNumeros::AlternarEtiqueta(lblEstrella, index, 2)) {
        Plataforma::Activa().Beep();  // every bet carries the two stars marked
        return;
    }
    ActualizarPosibles();
}

void frmGeneradorApuestas::cmdGenerar_Click() {
    if (Ocupado) return;
    Plataforma& p = Plataforma::Activa();
    const std::vector<Byte> numeros = RejillaNumeros::ValoresMarcados(lblNumero);
    const std::vector<Byte> estrellas = RejillaNumeros::ValoresMarcados(lblEstrella);
    if (numeros.size() < 5) {
        p.MsgBox("AVISO: DEBE SELECCIONAR MINIMO 5 NUMEROS", EstiloMensaje::Exclamacion);
        return;
    }
    if (!DosEstrellas(estrellas)) return;
    const Long cuantas = ApuestasPedidas(txtApuestas->Text(), ApuestasPosibles(), numeros.size());
    if (cuantas == 0) return;
    if (PedirFicheroEUR(std::string()).empty()) return;
    auto generar = [&] {
        modGeneradores::GenerarApuestasAleatorias(numeros, estrellas[0], estrellas[1], cuantas, [&p] { return p.Rnd(); },
                                                  [&p] { p.DoEvents(); });
        return cuantas;
    };
    Generar(numeros, estrellas, cuantas, generar, picRejilla);
}
