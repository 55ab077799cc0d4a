#include "filters/frmFiltroGRURELACIONADOS.h"

#include "common/modGeneral.h"
#include "filters/ControlesFiltro.h"
#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"

using namespace modGeneral;
namespace R = RejillaNumeros;

namespace {

bool SubgrupoLleno(int fila) {
    for (int n = 1; n <= 50; ++n)
        if (SubgruposNumeros(fila, n) == 1) return true;
    return false;
}

// A condition row is ticked when any of its flags is not 0 (a tick at 0 hits counts).
bool CondicionMarcada(int fila) {
    for (int k = 0; k <= 5; ++k)
        if (CondicionesAciertos(fila, k) != 0) return true;
    return false;
}

}  // namespace

frmFiltroGRURELACIONADOS::frmFiltroGRURELACIONADOS(ListaTexto& lstFiltros, const R::Etiquetas& numerosBase,
                                                   QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaLista, QStringLiteral("GRUPOS RELACIONADOS"), padre), numerosBase_(numerosBase) {
    setObjectName(QStringLiteral("frmFiltroGRURELACIONADOS"));
    DimensionarTablasFijas();

    constexpr int margen = 16, paso = AnchoRejillaFiltro + 18;
    QFont negrita = font();
    negrita.setBold(true);
    QFont grande = negrita;
    grande.setPointSize(12);

    // The group shown and the page buttons on top.
    cmdMENOSBloque = new Boton(QStringLiteral("-"), this);
    cmdMENOSBloque->setToolTip(QStringLiteral("Grupo anterior"));
    cmdMENOSBloque->setFont(grande);
    cmdMENOSBloque->setGeometry(margen, 12, 44, 30);
    lblNumeroGrupo = new QLabel(QStringLiteral("GRUPO 1"), this);
    lblNumeroGrupo->setFont(grande);
    lblNumeroGrupo->setAlignment(Qt::AlignCenter);
    lblNumeroGrupo->setGeometry(margen + 50, 12, 120, 30);
    cmdMASBloque = new Boton(QStringLiteral("+"), this);
    cmdMASBloque->setToolTip(QStringLiteral("Grupo siguiente"));
    cmdMASBloque->setFont(grande);
    cmdMASBloque->setGeometry(margen + 176, 12, 44, 30);
    connect(cmdMASBloque, &Boton::Click, this, [this] { cmdMASBloque_Click(); });
    connect(cmdMENOSBloque, &Boton::Click, this, [this] { cmdMENOSBloque_Click(); });

    constexpr int yTitulo = 56, yRejilla = yTitulo + 28;
    const int yAciertos = yRejilla + AltoRejillaFiltro + 12;
    static const char* const nombres[4] = {"lblNumero", "lblNumero_G2", "lblNumero_G3", "lblNumero_G4"};
    for (int s = 0; s < 4; ++s) {
        const int x = margen + s * paso;
        auto* t = new QLabel(QStringLiteral("SUBGRUPO %1").arg(s + 1), this);
        t->setFont(negrita);
        t->setGeometry(x, yTitulo, AnchoRejillaFiltro - 30, 24);
        lblTitGrupo[static_cast<std::size_t>(s)] = t;

        auto* limpiar = AyudaVentanas::CrearBotonImagen(this, QString::fromLatin1(ImagenLimpiar),
                                                        QStringLiteral("Inicializa este subgrupo"),
                                                        QRect(x + AnchoRejillaFiltro - 24, yTitulo, 24, 24));
        connect(limpiar, &BotonImagen::Click, this, [this, s] { imgININumeros_Click(s); });
        imgININumeros[static_cast<std::size_t>(s)] = limpiar;

        auto rejilla = CrearRejillaFiltro(this, x, yRejilla, QString::fromLatin1(nombres[s]),
                                [this, s](int i) { lblNumero_Click(s, i); });
        if (s == 0) lblNumero = rejilla;
        else if (s == 1) lblNumero_G2 = rejilla;
        else if (s == 2) lblNumero_G3 = rejilla;
        else lblNumero_G4 = rejilla;

        auto* caja = new CajaTexto(this);
        caja->setReadOnly(true);
        caja->setFocusPolicy(Qt::NoFocus);
        caja->setGeometry(x, yAciertos + 28, AnchoRejillaFiltro, 24);
        caja->setToolTip(QStringLiteral("Aciertos de la condición %1").arg(s + 1));
        txtAciertos[static_cast<std::size_t>(s)] = caja;

        auto* boton = new Boton(QStringLiteral("Modificar"), this);
        boton->setGeometry(x, yAciertos + 58, 110, 26);
        connect(boton, &Boton::Click, this, [this, s] { cmdModificar_Click(s); });
        cmdModificar[static_cast<std::size_t>(s)] = boton;
    }
    const int anchoRejillas = 4 * paso - 18;
    lblTitAciertos = new QLabel(QStringLiteral("ACIERTOS EN CUALQUIERA DE LOS SUBGRUPOS"), this);
    lblTitAciertos->setFont(negrita);
    lblTitAciertos->setAlignment(Qt::AlignCenter);
    lblTitAciertos->setGeometry(margen, yAciertos, anchoRejillas, 24);
    lblTitAciertos->setStyleSheet(QStringLiteral("QLabel{border-top:1px solid #9aa4b4; padding-top:4px;}"));

    const int ancho = margen + anchoRejillas + margen;
    const int yPie = yAciertos + 58 + 26 + 14;
    ColocarMarco(ancho - AnchoMarco - 24, yPie);
    setFixedSize(ancho, yPie + 32 + 14);
    // Down the window: the group shown, the subgroups' clear pictures, their buttons; the grids
    // keep to the mouse. Esc is refused as the close box is; Enter runs imgVolver's checks.
    OrdenTabulacion({cmdMENOSBloque, cmdMASBloque, imgININumeros[0], imgININumeros[1], imgININumeros[2],
                     imgININumeros[3], cmdModificar[0], cmdModificar[1], cmdModificar[2], cmdModificar[3],
                     imgActivar, imgVolver});
}

const R::Etiquetas& frmFiltroGRURELACIONADOS::Rejilla(int s) const {
    switch (s) {
    case 0: return lblNumero;
    case 1: return lblNumero_G2;
    case 2: return lblNumero_G3;
    default: return lblNumero_G4;
    }
}

void frmFiltroGRURELACIONADOS::CalcularPrimeraFila() {
    PrimeraFila = SubgruposPorGrupo * (PaginaGruposRelacionados - 1);
}

void frmFiltroGRURELACIONADOS::CargarControles() {
    CalcularPrimeraFila();
    PrepararRejillasFiltro({&lblNumero, &lblNumero_G2, &lblNumero_G3, &lblNumero_G4}, numerosBase_);
    AplicarReglaPaginas();
    setWindowTitle(windowTitle() + QStringLiteral(" (Máx. ") + QString::number(TotalGrupos) + QStringLiteral(")"));
    MostrarNumerosSubgrupos();
    MostrarCondiciones();
    // The opener always starts on group 1, whose titles are the designed ones; written from
    // the page all the same so they can never disagree with the group shown.
    MostrarTitulos();
}

void frmFiltroGRURELACIONADOS::MostrarTitulos() {
    lblNumeroGrupo->setText(QStringLiteral("GRUPO %1").arg(PaginaGruposRelacionados));
    // Each subgroup by its number among all 160.
    for (int s = 1; s <= 4; ++s)
        lblTitGrupo[static_cast<std::size_t>(s - 1)]->setText(
            QStringLiteral("SUBGRUPO %1").arg(SubgruposPorGrupo * (PaginaGruposRelacionados - 1) + s));
}

void frmFiltroGRURELACIONADOS::AplicarReglaPaginas() {
    cmdMENOSBloque->setEnabled(PaginaGruposRelacionados > 1);
    cmdMASBloque->setEnabled(PaginaGruposRelacionados < TotalGrupos);
}

void frmFiltroGRURELACIONADOS::MostrarNumerosSubgrupos() {
    for (int s = 0; s < 4; ++s) MostrarFilaRejilla(Rejilla(s), SubgruposNumeros, PrimeraFila + s + 1);
}

void frmFiltroGRURELACIONADOS::MostrarCondiciones() {
    for (int c = 0; c < 4; ++c)
        txtAciertos[static_cast<std::size_t>(c)]->SetText(TextoAciertos(CondicionesAciertos, PrimeraFila + c + 1));
}

void frmFiltroGRURELACIONADOS::CambiarPagina(int paso) {
    const int nuevo = PaginaGruposRelacionados + paso;
    if (nuevo < 1 || nuevo > TotalGrupos) return;
    PaginaGruposRelacionados = static_cast<Integer>(nuevo);
    CalcularPrimeraFila();
    MostrarNumerosSubgrupos();
    MostrarCondiciones();
    MostrarTitulos();
    AplicarReglaPaginas();
}

void frmFiltroGRURELACIONADOS::cmdMASBloque_Click() { CambiarPagina(1); }
void frmFiltroGRURELACIONADOS::cmdMENOSBloque_Click() { CambiarPagina(-1); }

void frmFiltroGRURELACIONADOS::lblNumero_Click(int rejilla, int index) {
    if (rejilla < 0 || rejilla > 3) return;
    if (AlternarFilaRejilla(Rejilla(rejilla), index, SubgruposNumeros, PrimeraFila + rejilla + 1)) ActivarFiltro();
}

void frmFiltroGRURELACIONADOS::imgININumeros_Click(int index) {
    if (index < 0 || index > 3) return;
    LimpiarFilaRejilla(Rejilla(index), SubgruposNumeros, PrimeraFila + index + 1);
    ActivarFiltro();
}

void frmFiltroGRURELACIONADOS::cmdModificar_Click(int index) {
    if (index < 0 || index > 3) return;
    CalcularPrimeraFila();
    const int fila = PrimeraFila + index + 1;
    // The exchange activates the filter, also when nothing was changed.
    DialogoAciertos(CondicionesAciertos, fila, txtAciertos[static_cast<std::size_t>(index)], 0, 5);
}

std::string frmFiltroGRURELACIONADOS::ComprobarGruposRelacionados() {
    DimensionarTablasFijas();
    for (int g = 1; g <= TotalGrupos; ++g) {
        int s = 0, c = 0;
        for (int j = 1; j <= SubgruposPorGrupo; ++j) {
            const int fila = SubgruposPorGrupo * (g - 1) + j;
            s += SubgrupoLleno(fila);
            c += CondicionMarcada(fila);
        }
        if (c > s)
            return "ERROR en GRUPO" + std::to_string(g) + " : No puede haber más condiciones que subgrupos activados";
        if (s >= 1 && c == 0)
            return "ERROR en GRUPO" + std::to_string(g) +
                   " : Si activa un subgrupo, debe de haber al menos una condición marcada";
    }
    return std::string();
}

void frmFiltroGRURELACIONADOS::EmpaquetarSubgrupos() {
    DimensionarTablasFijas();
    for (int g = 1; g <= TotalGrupos; ++g) {
        const int primera = SubgruposPorGrupo * (g - 1) + 1;
        for (int hueco = primera; hueco < primera + 3; ++hueco) {
            // While the slot is empty every later subgroup moves up by one, at most four times.
            for (int vez = 0; vez < 4 && !SubgrupoLleno(hueco); ++vez) {
                for (int fila = hueco; fila < primera + 3; ++fila)
                    for (int n = 1; n <= 50; ++n) SubgruposNumeros(fila, n) = SubgruposNumeros(fila + 1, n);
                for (int n = 1; n <= 50; ++n) SubgruposNumeros(primera + 3, n) = 0;
            }
        }
    }
}

void frmFiltroGRURELACIONADOS::EmpaquetarGrupos() {
    DimensionarTablasFijas();
    int destino = 1;
    for (int g = 1; g <= TotalGrupos; ++g) {
        const int primera = SubgruposPorGrupo * (g - 1) + 1;
        bool enUso = false;
        for (int s = 0; s < SubgruposPorGrupo && !enUso; ++s) enUso = SubgrupoLleno(primera + s);
        if (!enUso) continue;
        if (g != destino) {
            const int nueva = SubgruposPorGrupo * (destino - 1) + 1;
            for (int s = 0; s < SubgruposPorGrupo; ++s) {
                for (int n = 1; n <= 50; ++n) {
                    SubgruposNumeros(nueva + s, n) = SubgruposNumeros(primera + s, n);
                    SubgruposNumeros(primera + s, n) = 0;
                }
                for (int k = 0; k <= 5; ++k) {
                    CondicionesAciertos(nueva + s, k) = CondicionesAciertos(primera + s, k);
                    CondicionesAciertos(primera + s, k) = 0;
                }
            }
        }
        ++destino;
    }
}

void frmFiltroGRURELACIONADOS::imgVolver_Click() {
    const std::string error = ComprobarGruposRelacionados();
    if (!error.empty()) {
        Plataforma::Activa().MsgBox(error, EstiloMensaje::Critico);
        return;
    }
    EmpaquetarSubgrupos();
    EmpaquetarGrupos();
    Descargar(MotivoCierre::Codigo);
}

