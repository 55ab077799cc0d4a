#include "filters/frmFiltroPOSICIONES.h"

#include "common/modGeneral.h"
#include "filters/ControlesFiltro.h"
#include "kit/AyudaVentanas.h"

using namespace modGeneral;
namespace R = RejillaNumeros;

frmFiltroPOSICIONES::frmFiltroPOSICIONES(ListaTexto& lstFiltros, const R::Etiquetas& numerosBase, QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaLista, QStringLiteral("POSICIONES"), padre), numerosBase_(numerosBase) {
    setObjectName(QStringLiteral("frmFiltroPOSICIONES"));
    DimensionarTablasFijas();

    constexpr int margen = 16, paso = AnchoRejillaFiltro + 16, yTitulo = 12, yRejilla = 40;
    QFont negrita = font();
    negrita.setBold(true);
    static const char* const nombres[5] = {"lblNumero", "lblNumero_G2", "lblNumero_G3", "lblNumero_G4",
                                           "lblNumero_G5"};
    for (int p = 0; p < 5; ++p) {
        const int x = margen + p * paso;
        auto* t = new QLabel(QStringLiteral("BOLA %1").arg(p + 1), this);
        t->setFont(negrita);
        t->setGeometry(x, yTitulo, AnchoRejillaFiltro - 30, 24);
        lblTitBola[static_cast<std::size_t>(p)] = t;

        auto* limpiar = AyudaVentanas::CrearBotonImagen(this, QString::fromLatin1(ImagenLimpiar),
                                                        QStringLiteral("Inicializa esta bola"),
                                                        QRect(x + AnchoRejillaFiltro - 24, yTitulo, 24, 24));
        connect(limpiar, &BotonImagen::Click, this, [this, p] { imgININumeros_Click(p); });
        imgININumeros[static_cast<std::size_t>(p)] = limpiar;

        auto rejilla = CrearRejillaFiltro(this, x, yRejilla, QString::fromLatin1(nombres[p]),
                                [this, p](int i) { lblNumero_Click(p, i); });
        switch (p) {
        case 0: lblNumero = rejilla; break;
        case 1: lblNumero_G2 = rejilla; break;
        case 2: lblNumero_G3 = rejilla; break;
        case 3: lblNumero_G4 = rejilla; break;
        default: lblNumero_G5 = rejilla; break;
        }
    }
    const int ancho = margen + 5 * paso - 16 + margen;
    const int yPie = yRejilla + AltoRejillaFiltro + 14;
    ColocarMarco(ancho - AnchoMarco - 24, yPie);
    setFixedSize(ancho, yPie + 32 + 14);
    // The clear pictures, then the frame; the grids keep to the mouse.
    OrdenTabulacion({imgININumeros[0], imgININumeros[1], imgININumeros[2], imgININumeros[3], imgININumeros[4],
                     imgActivar, imgVolver});
}

const R::Etiquetas& frmFiltroPOSICIONES::Rejilla(int p) const {
    switch (p) {
    case 0: return lblNumero;
    case 1: return lblNumero_G2;
    case 2: return lblNumero_G3;
    case 3: return lblNumero_G4;
    default: return lblNumero_G5;
    }
}

void frmFiltroPOSICIONES::CargarControles() {
    PrepararRejillasFiltro({&lblNumero, &lblNumero_G2, &lblNumero_G3, &lblNumero_G4, &lblNumero_G5}, numerosBase_);
    MostrarNumerosPosiciones();
}

void frmFiltroPOSICIONES::MostrarNumerosPosiciones() {
    for (int p = 1; p <= 5; ++p) MostrarFilaRejilla(Rejilla(p - 1), PosicionesNumeros, p);
}

void frmFiltroPOSICIONES::lblNumero_Click(int rejilla, int index) {
    if (rejilla < 0 || rejilla > 4) return;
    if (AlternarFilaRejilla(Rejilla(rejilla), index, PosicionesNumeros, rejilla + 1)) ActivarFiltro();
}

void frmFiltroPOSICIONES::imgININumeros_Click(int index) {
    if (index < 0 || index > 4) return;
    LimpiarFilaRejilla(Rejilla(index), PosicionesNumeros, index + 1);
    ActivarFiltro();
}
