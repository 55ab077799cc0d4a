#include "filters/frmFiltroGRUPOS.h"

#include "common/modGeneral.h"
#include "filters/ControlesFiltro.h"
#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"

using namespace modGeneral;
namespace R = RejillaNumeros;

frmFiltroGRUPOS::frmFiltroGRUPOS(ListaTexto& lstFiltros, const R::Etiquetas& numerosBase, QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaLista, QStringLiteral("GRUPOS DE NUMEROS"), padre), numerosBase_(numerosBase) {
    setObjectName(QStringLiteral("frmFiltroGRUPOS"));
    DimensionarTablasFijas();

    constexpr int margen = 16, paso = AnchoRejillaFiltro + 22, yTitulo = 12, yRejilla = 38;
    const int yDebajo = yRejilla + AltoRejillaFiltro + 8;
    QFont negrita = font();
    negrita.setBold(true);
    for (int s = 0; s < 3; ++s) {
        const int x = margen + s * paso;
        auto* t = new QLabel(QStringLiteral("GRUPO %1").arg(s + 1), this);
        t->setFont(negrita);
        t->setGeometry(x, yTitulo, AnchoRejillaFiltro, 22);
        t->setAlignment(Qt::AlignCenter);
        lblTitGrupo[static_cast<std::size_t>(s)] = t;

        static const char* const nombres[3] = {"lblNumero", "lblNumero_G2", "lblNumero_G3"};
        auto rejilla = CrearRejillaFiltro(this, x, yRejilla, QString::fromLatin1(nombres[s]),
                                [this, s](int i) { lblNumero_Click(s, i); });
        if (s == 0) lblNumero = rejilla;
        else if (s == 1) lblNumero_G2 = rejilla;
        else lblNumero_G3 = rejilla;

        auto* caja = new CajaTexto(this);
        caja->setReadOnly(true);
        caja->setFocusPolicy(Qt::NoFocus);
        caja->setGeometry(x, yDebajo, AnchoRejillaFiltro, 24);
        caja->setToolTip(QStringLiteral("Aciertos permitidos en el grupo"));
        txtAciertos[static_cast<std::size_t>(s)] = caja;

        auto* boton = new Boton(QStringLiteral("Modificar"), this);
        boton->setGeometry(x, yDebajo + 30, 110, 26);
        connect(boton, &Boton::Click, this, [this, s] { cmdModificar_Click(s); });
        cmdModificar[static_cast<std::size_t>(s)] = boton;

        auto* limpiar = AyudaVentanas::CrearBotonImagen(this, QString::fromLatin1(ImagenLimpiar),
                                                        QStringLiteral("Inicializa este grupo"),
                                                        QRect(x + AnchoRejillaFiltro - 26, yDebajo + 30, 26, 26));
        connect(limpiar, &BotonImagen::Click, this, [this, s] { imgININumeros_Click(s); });
        imgININumeros[static_cast<std::size_t>(s)] = limpiar;
    }

    const int yPie = yDebajo + 30 + 26 + 18;
    cmdMENOSBloque = new Boton(QStringLiteral("-"), this);
    cmdMENOSBloque->setToolTip(QStringLiteral("Página anterior"));
    cmdMENOSBloque->setGeometry(margen, yPie + 4, 44, 30);
    cmdMASBloque = new Boton(QStringLiteral("+"), this);
    cmdMASBloque->setToolTip(QStringLiteral("Página siguiente"));
    cmdMASBloque->setGeometry(margen + 50, yPie + 4, 44, 30);
    QFont grande = cmdMASBloque->font();
    grande.setPointSize(12);
    grande.setBold(true);
    cmdMENOSBloque->setFont(grande);
    cmdMASBloque->setFont(grande);
    connect(cmdMASBloque, &Boton::Click, this, [this] { cmdMASBloque_Click(); });
    connect(cmdMENOSBloque, &Boton::Click, this, [this] { cmdMENOSBloque_Click(); });

    const int ancho = margen + 3 * paso - 22 + margen;
    ColocarMarco(ancho - AnchoMarco - 24, yPie);
    setFixedSize(ancho, yPie + 32 + 14);
    // Group by group the button and its clear picture, then the pages; the grids keep to the mouse.
    OrdenTabulacion({cmdModificar[0], imgININumeros[0], cmdModificar[1], imgININumeros[1], cmdModificar[2],
                     imgININumeros[2], cmdMENOSBloque, cmdMASBloque, imgActivar, imgVolver});
}

const R::Etiquetas& frmFiltroGRUPOS::Rejilla(int s) const {
    return s == 0 ? lblNumero : s == 1 ? lblNumero_G2 : lblNumero_G3;
}

void frmFiltroGRUPOS::CalcularBase() { BaseGrupos = (PaginaGrupos - 1) * GruposPorPagina; }

void frmFiltroGRUPOS::CargarControles() {
    CalcularBase();
    PrepararRejillasFiltro({&lblNumero, &lblNumero_G2, &lblNumero_G3}, numerosBase_);
    AplicarReglaPaginas();
    setWindowTitle(windowTitle() + QStringLiteral(" (Máx. ") + QString::number(TotalGrupos) + QStringLiteral(")"));
    MostrarNumerosGrupos();
    MostrarAciertosGrupos();
    // The opener always starts on page 1, whose titles are the designed ones; written from
    // the page all the same so they can never disagree with the groups shown.
    MostrarTitulos();
}

void frmFiltroGRUPOS::MostrarTitulos() {
    for (int s = 0; s < 3; ++s)
        lblTitGrupo[static_cast<std::size_t>(s)]->setText(QStringLiteral("GRUPO %1").arg(BaseGrupos + s + 1));
}

void frmFiltroGRUPOS::AplicarReglaPaginas() {
    cmdMENOSBloque->setEnabled(PaginaGrupos > 1);
    cmdMASBloque->setEnabled(PaginaGrupos < TotalPaginas);
}

void frmFiltroGRUPOS::MostrarNumerosGrupos() {
    for (int s = 0; s < 3; ++s) MostrarFilaRejilla(Rejilla(s), GruposNumeros, BaseGrupos + s + 1);
}

void frmFiltroGRUPOS::MostrarAciertosGrupos() {
    for (int s = 0; s < 3; ++s)
        txtAciertos[static_cast<std::size_t>(s)]->SetText(TextoAciertos(GruposAciertos, BaseGrupos + s + 1));
}

void frmFiltroGRUPOS::CambiarPagina(int paso) {
    // The disabled button is the bound; the page never leaves 1..40 from here either.
    const int nueva = PaginaGrupos + paso;
    if (nueva < 1 || nueva > TotalPaginas) return;
    PaginaGrupos = static_cast<Integer>(nueva);
    CalcularBase();
    MostrarNumerosGrupos();
    MostrarAciertosGrupos();
    MostrarTitulos();
    AplicarReglaPaginas();
}

void frmFiltroGRUPOS::cmdMASBloque_Click() { CambiarPagina(1); }
void frmFiltroGRUPOS::cmdMENOSBloque_Click() { CambiarPagina(-1); }

void frmFiltroGRUPOS::lblNumero_Click(int rejilla, int index) {
    if (rejilla < 0 || rejilla > 2) return;
    if (AlternarFilaRejilla(Rejilla(rejilla), index, GruposNumeros, BaseGrupos + rejilla + 1)) ActivarFiltro();
}

void frmFiltroGRUPOS::imgININumeros_Click(int index) {
    if (index < 0 || index > 2) return;
    LimpiarFilaRejilla(Rejilla(index), GruposNumeros, BaseGrupos + index + 1);
    ActivarFiltro();
}

void frmFiltroGRUPOS::cmdModificar_Click(int index) {
    if (index < 0 || index > 2) return;
    CalcularBase();
    const int g = BaseGrupos + index + 1;
    // The exchange activates the filter, also when nothing was changed.
    DialogoAciertos(GruposAciertos, g, txtAciertos[static_cast<std::size_t>(index)], 0, 5);
}

std::string frmFiltroGRUPOS::ComprobarGrupos() {
    DimensionarTablasFijas();
    for (int g = 1; g <= TotalGrupos; ++g) {
        int k = 0, h = 0;
        for (int n = 1; n <= 50; ++n) k += GruposNumeros(g, n) != 0;
        for (int c = 0; c <= 5; ++c) h += GruposAciertos(g, c) == 1;
        if (k > 0 && h == 0)
            return "ERROR en GRUPO" + std::to_string(g) + " : Debe rellenar al menos un acierto";
        if (k == 0 && h > 0)
            return "ERROR en GRUPO" + std::to_string(g) +
                   " : No ha marcado ningún número y hay aciertos seleccionados";
    }
    return std::string();
}

void frmFiltroGRUPOS::Form_Unload(bool& cancelar) {
    const std::string error = ComprobarGrupos();
    if (!error.empty()) RechazarCierre(error, cancelar);
}
