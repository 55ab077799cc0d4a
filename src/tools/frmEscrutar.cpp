#include "tools/frmEscrutar.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"
#include "common/modInformeTexto.h"
#include "common/modRutas.h"

using namespace modGeneral;
using namespace Herramientas;

namespace {
constexpr int AnchoVentana = 640, AltoVentana = 432;

std::string DosCifras(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}

}  // namespace

frmEscrutar::frmEscrutar(VistaPrincipal vista, QWidget* padre)
    : VentanaHerramienta(QStringLiteral("frmEscrutar"), QStringLiteral("Escrutador de apuestas"), AnchoVentana,
                         AltoVentana, padre),
      vista_(std::move(vista)) {
    lblTituloGanadora = new QLabel(QStringLiteral("Combinación ganadora"), this);
    lblTituloGanadora->setGeometry(14, 10, 318, 20);
    QFont negrita = font();
    negrita.setBold(true);
    lblTituloGanadora->setFont(negrita);
    picGanadora = ConstruirRejilla(this, 14, 32, lblNumero, lblEstrella, [this](int i) { lblNumero_Click(i); },
                                   [this](int i) { lblEstrella_Click(i); });
    lblLeyenda = new QLabel(this);
    lblLeyenda->setGeometry(14, 214, 318, 18);
    lblLeyenda->setStyleSheet(QStringLiteral("color:#008000; font-size:8pt;"));

    lblOrigen = new Etiqueta(QString(), this);
    lblOrigen->setGeometry(14, 240, 318, 40);
    lblOrigen->setWordWrap(true);
    cmdEscrutar = new Boton(QStringLiteral("Escrutar"), this);
    cmdEscrutar->setGeometry(14, 290, 150, 32);
    cmdDesdeFichero = new Boton(QStringLiteral("Desde fichero ..."), this);
    cmdDesdeFichero->setGeometry(176, 290, 156, 32);
    cmdDesdeFichero->setToolTip(QStringLiteral("Escrutar las apuestas de un fichero .TXT o .EUR"));
    // Two lines: the longest hint does not fit in one beside the results.
    lblEstado = new Etiqueta(QString(), this);
    lblEstado->setGeometry(14, 332, 318, 40);
    lblEstado->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEstado->setWordWrap(true);
    lblEstado->setFont(negrita);

    // Results: one row per prize category, then the bets without prize and the total.
    QFrame* marco = AyudaVentanas::CrearPanel(this, QStringLiteral("fraResultado"), QRect(350, 32, 274, 340));
    auto* titulo = new QLabel(QStringLiteral("Apuestas premiadas"), this);
    titulo->setGeometry(350, 10, 274, 20);
    titulo->setFont(negrita);
    constexpr int alto = 21;
    for (int k = 0; k < modEscrutinio::TotalCategorias; ++k) {
        const int y = 8 + k * alto;
        auto* c = new QLabel(QStringLiteral("%1ª categoría   (%2)")
                                 .arg(k + 1)
                                 .arg(QString::fromLatin1(modEscrutinio::NombresCategorias[k])),
                             marco);
        c->setGeometry(10, y, 160, alto);
        lblCategoria[static_cast<std::size_t>(k)] = c;
        auto* n = new Etiqueta(QString(), marco);
        n->setGeometry(170, y, 94, alto);
        n->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblAciertos[static_cast<std::size_t>(k)] = n;
    }
    auto* linea = new QFrame(marco);
    linea->setFrameShape(QFrame::HLine);
    linea->setGeometry(10, 8 + 13 * alto + 3, 254, 2);
    auto* sinPremio = new QLabel(QStringLiteral("Sin premio"), marco);
    sinPremio->setGeometry(10, 8 + 13 * alto + 8, 160, alto);
    lblSinPremio = new Etiqueta(QString(), marco);
    lblSinPremio->setGeometry(170, 8 + 13 * alto + 8, 94, alto);
    lblSinPremio->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* total = new QLabel(QStringLiteral("Total apuestas"), marco);
    total->setGeometry(10, 8 + 14 * alto + 8, 160, alto);
    total->setFont(negrita);
    lblTotalApuestas = new Etiqueta(QString(), marco);
    lblTotalApuestas->setGeometry(170, 8 + 14 * alto + 8, 94, alto);
    lblTotalApuestas->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotalApuestas->setFont(negrita);

    ColocarVolver(AnchoVentana - 48, AltoVentana - 48);
    Timer1 = new Temporizador(this);

    connect(cmdEscrutar, &Boton::Click, this, [this] { cmdEscrutar_Click(); });
    connect(cmdDesdeFichero, &Boton::Click, this, [this] { cmdDesdeFichero_Click(); });
    connect(Timer1, &Temporizador::Timer, this, [this] { Timer1_Timer(); });
    // Enter scrutinises; the grid keeps to the mouse.
    PonerAccionPredeterminada(cmdEscrutar);
    OrdenTabulacion({cmdEscrutar, cmdDesdeFichero, imgVolver});
}

void frmEscrutar::Form_Load() {
    // The free look: green for what the main grids also mark, when opened from there.
    std::vector<Byte> numerosPrincipal, estrellasPrincipal;
    if (DesdePrincipal) {
        if (vista_.NumerosMarcados) numerosPrincipal = vista_.NumerosMarcados();
        if (vista_.EstrellasMarcadas) estrellasPrincipal = vista_.EstrellasMarcadas();
    }
    auto enLista = [](const std::vector<Byte>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); };
    for (std::size_t i = 0; i < 50; ++i) {
        colorLibreNumero_[i] = enLista(numerosPrincipal, static_cast<int>(i) + 1) ? ColorVerde : ColorRojo;
        RejillaNumeros::LiberarEtiqueta(lblNumero[i], colorLibreNumero_[i]);
    }
    for (std::size_t i = 0; i < 12; ++i) {
        colorLibreEstrella_[i] = enLista(estrellasPrincipal, static_cast<int>(i) + 1) ? ColorVerde : ColorRojo;
        RejillaNumeros::LiberarEtiqueta(lblEstrella[i], colorLibreEstrella_[i]);
    }
    if (DesdePrincipal && !(numerosPrincipal.empty() && estrellasPrincipal.empty()))
        lblLeyenda->setText(QStringLiteral("En verde, los números y estrellas de la combinación base"));

    // The winning combination kept from before (or read from a base file).
    for (int i = 1; i <= 5; ++i)
        if (CombinacionGanadora[i] >= 1 && CombinacionGanadora[i] <= 50) RejillaNumeros::MarcarEtiqueta(lblNumero[CombinacionGanadora[i] - 1u]);
    for (int i = 6; i <= 7; ++i)
        if (CombinacionGanadora[i] >= 1 && CombinacionGanadora[i] <= 12)
            RejillaNumeros::MarcarEtiqueta(lblEstrella[CombinacionGanadora[i] - 1u]);
    GuardarCombinacionGanadora();
    LimpiarResultado();
    lblEstado->SetForeColor(ColorNegro);
}

void frmEscrutar::Form_Activate() {
    if (!primeraActivacion_) return;
    primeraActivacion_ = false;
    if (NumApuestas > 0) {
        // A copy: the current bets may change once this window is closed.
        const Tabla<Byte>& r = ApuestasReducidas;
        Long disponibles = 0;
        if (!r.Vacia() && r.LBound2() <= 1 && r.UBound2() >= 7 && r.LBound1() <= 1)
            disponibles = std::min<Long>(NumApuestas, static_cast<Long>(r.UBound1()));
        Apuestas.ReDim(1, disponibles, 1, 7, false);
        for (int c = 1; c <= 7; ++c)
            for (Long b = 1; b <= disponibles; ++b) Apuestas(b, c) = r(b, c);
        TotalApuestas = disponibles;
        Origen = "Apuestas actuales";
    }
    if (TotalApuestas > 0) {
        lblOrigen->SetCaption(QStringLiteral("Apuestas actuales: %1").arg(AyudaVentanas::Cuenta(TotalApuestas)));
        if (modEscrutinio::CombinacionCompleta(CombinacionGanadora)) Escrutar();
        else lblEstado->SetCaption(QStringLiteral("Marque la combinación ganadora y pulse Escrutar"));
    } else {
        // No current bets: the scrutiny works on a file, asked for at once.
        lblOrigen->SetCaption(QStringLiteral("No hay apuestas actuales: escrute un fichero de apuestas"));
        cmdDesdeFichero_Click();
        if (TotalApuestas == 0) lblEstado->SetCaption(QStringLiteral("Pulse \"Desde fichero ...\" para elegirlo"));
    }
}

void frmEscrutar::Form_Unload(bool& cancelar) {
    (void)cancelar;
    Timer1->SetEnabled(false);
    Apuestas.Erase();
}

void frmEscrutar::lblNumero_Click(int index) {
    if (Ocupado || index < 0 || index >= 50) return;
    if (!RejillaNumeros::AlternarEtiqueta(lblNumero, index, 5, colorLibreNumero_[static_cast<std::size_t>(index)])) {
        Plataforma::Activa().Beep();  // five numbers already
        return;
    }
    GuardarCombinacionGanadora();
    LimpiarResultado();
}

void frmEscrutar::lblEstrella_Click(int index) {
    if (Ocupado || index < 0 || index >= 12) return;
    if (!RejillaNumeros::AlternarEtiqueta(lblEstrella, index, 2, colorLibreEstrella_[static_cast<std::size_t>(index)])) {
        Plataforma::Activa().Beep();
        return;
    }
    GuardarCombinacionGanadora();
    LimpiarResultado();
}

void frmEscrutar::GuardarCombinacionGanadora() {
    for (int i = 1; i <= 7; ++i) CombinacionGanadora[i] = 0;
    const std::vector<Byte> n = RejillaNumeros::ValoresMarcados(lblNumero), e = RejillaNumeros::ValoresMarcados(lblEstrella);
    for (std::size_t i = 0; i < n.size() && i < 5; ++i) CombinacionGanadora[1 + i] = n[i];
    for (std::size_t i = 0; i < e.size() && i < 2; ++i) CombinacionGanadora[6 + i] = e[i];
}

void frmEscrutar::LimpiarResultado() {
    HayResultado = false;
    for (auto* l : lblAciertos) l->SetCaption(QStringLiteral("-"));
    lblSinPremio->SetCaption(QStringLiteral("-"));
    lblTotalApuestas->SetCaption(TotalApuestas > 0 ? AyudaVentanas::Cuenta(TotalApuestas) : QStringLiteral("-"));
}

void frmEscrutar::MostrarResultado() {
    for (int k = 0; k < modEscrutinio::TotalCategorias; ++k) {
        Etiqueta* l = lblAciertos[static_cast<std::size_t>(k)];
        l->SetCaption(AyudaVentanas::Cuenta(Resultado.porCategoria[k]));
        l->SetForeColor(Resultado.porCategoria[k] > 0 ? 0x008000 : ColorNegro);
    }
    lblSinPremio->SetCaption(AyudaVentanas::Cuenta(Resultado.sinPremio));
    lblTotalApuestas->SetCaption(AyudaVentanas::Cuenta(Resultado.total));
}

void frmEscrutar::TrabajoEnCurso(bool si, const QString& estado) {
    Ocupado = si;
    cmdEscrutar->setEnabled(!si);
    cmdDesdeFichero->setEnabled(!si);
    picGanadora->setEnabled(!si);
    imgVolver->setEnabled(!si);
    lblEstado->SetCaption(estado);
    if (si) {
        Timer1->SetInterval(5);
        Timer1->SetEnabled(true);
    } else {
        Timer1->SetEnabled(false);
        lblEstado->SetForeColor(ColorNegro);
    }
}

void frmEscrutar::Timer1_Timer() {
    auto componente = [] {
        const double v = std::nearbyint(Plataforma::Activa().Rnd() * 256);
        return static_cast<long>(std::min(v, 255.0));
    };
    const long rojo = componente(), verde = componente(), azul = componente();
    lblEstado->SetForeColor(rojo | (verde << 8) | (azul << 16));
}

bool frmEscrutar::Escrutar() {
    Plataforma& p = Plataforma::Activa();
    if (TotalApuestas <= 0) {
        p.MsgBox("AVISO: NO HAY APUESTAS QUE ESCRUTAR, ELIJA UN FICHERO DE APUESTAS", EstiloMensaje::Exclamacion);
        return false;
    }
    if (!modEscrutinio::CombinacionCompleta(CombinacionGanadora)) {
        p.MsgBox("AVISO: MARQUE LA COMBINACION GANADORA (5 NUMEROS Y 2 ESTRELLAS)", EstiloMensaje::Exclamacion);
        return false;
    }
    TrabajoEnCurso(true, QStringLiteral("Escrutando ..."));
    p.DoEvents();
    Byte ganadora[8];
    std::copy(CombinacionGanadora, CombinacionGanadora + 8, ganadora);
    Resultado = modEscrutinio::EscrutarApuestas(Apuestas, 1, TotalApuestas, ganadora, [&p] { p.DoEvents(); });
    HayResultado = true;
    MostrarResultado();
    TrabajoEnCurso(false, QStringLiteral("Escrutinio terminado"));
    EscribirInformePremios();
    return true;
}

void frmEscrutar::cmdEscrutar_Click() {
    if (!Ocupado) Escrutar();
}

void frmEscrutar::cmdDesdeFichero_Click() {
    if (Ocupado) return;
    std::string ruta;
    TrabajoEnCurso(true, QStringLiteral("Leyendo el fichero ..."));
    const bool leido = ImportarFicheroApuestas(Apuestas, TotalApuestas, ruta, [this](Long n) {
        lblEstado->SetCaption(QStringLiteral("Leyendo el fichero ... %1").arg(AyudaVentanas::Cuenta(n)));
    });
    TrabajoEnCurso(false, QString());
    if (!leido) {
        // Cancelled or refused: the bets scrutinised before stay.
        lblEstado->SetCaption(HayResultado ? QStringLiteral("Escrutinio terminado") : QString());
        return;
    }
    Origen = "Fichero " + modRutas::NombreSinCarpeta(ruta);
    lblOrigen->SetCaption(QStringLiteral("Fichero: %1 (%2)")
                              .arg(QString::fromStdString(modRutas::NombreSinCarpeta(ruta)),
                                   AyudaVentanas::Apuestas(TotalApuestas)));
    lblOrigen->setToolTip(QString::fromStdString(ruta));
    LimpiarResultado();
    if (modEscrutinio::CombinacionCompleta(CombinacionGanadora)) Escrutar();
    else lblEstado->SetCaption(QStringLiteral("Marque la combinación ganadora y pulse Escrutar"));
}

void frmEscrutar::EscribirInformePremios() {
    std::vector<std::string> l;
    l.push_back("TORNAVENTURA 3.1 - ESCRUTINIO DE APUESTAS");
    l.push_back("Fecha: " + modInformeTexto::FechaInforme());
    l.push_back("");
    std::string ganadora = "Combinaci\xC3\xB3n ganadora: ";
    for (int i = 1; i <= 5; ++i) ganadora += DosCifras(CombinacionGanadora[i]) + (i < 5 ? " " : "");
    ganadora += " + " + DosCifras(CombinacionGanadora[6]) + " " + DosCifras(CombinacionGanadora[7]);
    l.push_back(ganadora);
    l.push_back("Apuestas escrutadas: " + FormatoMiles(Resultado.total) + " (" + Origen + ")");
    l.push_back("");
    l.push_back("Categor\xC3\xAD" "a   Aciertos      Apuestas");
    l.push_back("---------   --------   -----------");
    for (int k = 0; k < modEscrutinio::TotalCategorias; ++k) {
        char fila[96];
        std::snprintf(fila, sizeof fila, "%3d%s        %d + %d   %11s", k + 1, "\xC2\xAA", modEscrutinio::AciertosNumeros[k],
                      modEscrutinio::AciertosEstrellas[k], FormatoMiles(Resultado.porCategoria[k]).c_str());
        l.push_back(fila);
    }
    char fila[96];
    std::snprintf(fila, sizeof fila, "Sin premio             %11s", FormatoMiles(Resultado.sinPremio).c_str());
    l.push_back(fila);
    Long premiadas = Resultado.total - Resultado.sinPremio;
    std::snprintf(fila, sizeof fila, "Con premio             %11s", FormatoMiles(premiadas).c_str());
    l.push_back(fila);
    EscribirInforme(NombreInforme, l);
}
