#include "tools/frmSistemasPropios.h"

#include <QFrame>
#include <QLabel>

#include "common/modEncriptarFichero.h"
#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"
#include "common/modRutas.h"

using namespace modGeneral;
using namespace Herramientas;

namespace {
constexpr int AnchoVentana = 690, AltoVentana = 410;
QString DosCifras(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }
QString Lista(const std::vector<Byte>& v) {
    QStringList l;
    for (Byte b : v) l << DosCifras(b);
    return l.join(QLatin1Char(' '));
}
}  // namespace

frmSistemasPropios::frmSistemasPropios(VistaPrincipal vista, QWidget* padre)
    : VentanaHerramienta(QStringLiteral("frmSistemasPropios"), QStringLiteral("Sistemas propios"), AnchoVentana,
                         AltoVentana, padre),
      vista_(std::move(vista)) {
    QFont negrita = font();
    negrita.setBold(true);
    lblTituloOrigen = new QLabel(QStringLiteral("Sistema de origen"), this);
    lblTituloOrigen->setGeometry(14, 10, 320, 20);
    lblTituloOrigen->setFont(negrita);
    cmdDesdeFichero = new Boton(QStringLiteral("Importar sistema ..."), this);
    cmdDesdeFichero->setGeometry(14, 34, 160, 30);
    lblFicheroOrigen = new Etiqueta(QStringLiteral("Ningún sistema importado"), this);
    lblFicheroOrigen->setGeometry(14, 70, 320, 20);
    lblNumerosOrigen = new Etiqueta(QString(), this);
    lblNumerosOrigen->setGeometry(14, 92, 320, 54);
    lblNumerosOrigen->setWordWrap(true);
    lblNumerosOrigen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEstrellasOrigen = new Etiqueta(QString(), this);
    lblEstrellasOrigen->setGeometry(14, 148, 320, 20);
    auto* rotulo = new QLabel(QStringLiteral("Correspondencia (origen → destino)"), this);
    rotulo->setGeometry(14, 174, 320, 20);
    lstCorrespondencia = new ListaTexto(this);
    lstCorrespondencia->setGeometry(14, 196, 320, 150);
    lstCorrespondencia->setFlow(QListView::LeftToRight);
    lstCorrespondencia->setWrapping(true);
    lstCorrespondencia->setGridSize(QSize(76, 20));
    QFont fija(QStringLiteral("DejaVu Sans Mono"));
    fija.setPointSize(9);
    lstCorrespondencia->setFont(fija);

    lblTituloDestino = new QLabel(QStringLiteral("Números y estrellas de destino"), this);
    lblTituloDestino->setGeometry(354, 10, 318, 20);
    lblTituloDestino->setFont(negrita);
    picDestino = ConstruirRejilla(this, 354, 32, lblNumero, lblEstrella, [this](int i) { lblNumero_Click(i); },
                                   [this](int i) { lblEstrella_Click(i); });
    lblMarcados = new Etiqueta(QString(), this);
    lblMarcados->setGeometry(354, 214, 318, 40);
    lblMarcados->setWordWrap(true);
    lblMarcados->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdGuardar = new Boton(QStringLiteral("Guardar sistema ..."), this);
    cmdGuardar->setGeometry(354, 262, 170, 32);
    picProgreso = ConstruirProgresoEUR(this, 354, 304, lblProgressBar);
    lblEstado = new Etiqueta(QString(), this);
    lblEstado->setGeometry(354, 324, 270, 40);
    lblEstado->setWordWrap(true);
    ColocarVolver(AnchoVentana - 48, AltoVentana - 48);

    connect(cmdDesdeFichero, &Boton::Click, this, [this] { cmdDesdeFichero_Click(); });
    connect(cmdGuardar, &Boton::Click, this, [this] { cmdGuardar_Click(); });
    // Enter saves the system; the grid keeps to the mouse.
    PonerAccionPredeterminada(cmdGuardar);
    OrdenTabulacion({cmdDesdeFichero, lstCorrespondencia, cmdGuardar, imgVolver});
    ActualizarCorrespondencia();
}

void frmSistemasPropios::Form_Unload(bool& cancelar) {
    (void)cancelar;
    Apuestas.Erase();
}

void frmSistemasPropios::cmdDesdeFichero_Click() {
    if (Ocupado) return;
    std::string ruta;
    const bool leido = LeerFicheroApuestas(Apuestas, TotalApuestas, ruta, lblEstado);
    lblEstado->SetCaption(QString());
    if (!leido) return;
    bool numero[256] = {}, estrella[256] = {};
    for (int c = 1; c <= 5; ++c) {
        const Byte* col = Apuestas.Columna(c) + (1 - Apuestas.LBound1());
        for (Long b = 0; b < TotalApuestas; ++b) numero[col[b]] = true;
    }
    for (int c = 6; c <= 7; ++c) {
        const Byte* col = Apuestas.Columna(c) + (1 - Apuestas.LBound1());
        for (Long b = 0; b < TotalApuestas; ++b) estrella[col[b]] = true;
    }
    NumerosOrigen.clear();
    EstrellasOrigen.clear();
    for (int n = 1; n <= 50; ++n)
        if (numero[n]) NumerosOrigen.push_back(static_cast<Byte>(n));
    for (int e = 1; e <= 12; ++e)
        if (estrella[e]) EstrellasOrigen.push_back(static_cast<Byte>(e));
    lblFicheroOrigen->SetCaption(QStringLiteral("%1   (%2)")
                                     .arg(QString::fromStdString(modRutas::NombreSinCarpeta(ruta)),
                                          AyudaVentanas::Apuestas(TotalApuestas)));
    lblFicheroOrigen->setToolTip(QString::fromStdString(ruta));
    ActualizarCorrespondencia();
}

void frmSistemasPropios::lblNumero_Click(int index) {
    if (Ocupado || index < 0 || index >= 50) return;
    RejillaNumeros::AlternarEtiqueta(lblNumero, index);
    ActualizarCorrespondencia();
}

void frmSistemasPropios::lblEstrella_Click(int index) {
    if (Ocupado || index < 0 || index >= 12) return;
    RejillaNumeros::AlternarEtiqueta(lblEstrella, index);
    ActualizarCorrespondencia();
}

void frmSistemasPropios::ActualizarCorrespondencia() {
    const std::vector<Byte> destino = RejillaNumeros::ValoresMarcados(lblNumero), estrellas = RejillaNumeros::ValoresMarcados(lblEstrella);
    lblNumerosOrigen->SetCaption(NumerosOrigen.empty() ? QString()
                                                       : QStringLiteral("Números (%1): %2")
                                                             .arg(NumerosOrigen.size())
                                                             .arg(Lista(NumerosOrigen)));
    lblEstrellasOrigen->SetCaption(EstrellasOrigen.empty() ? QString()
                                                           : QStringLiteral("Estrellas (%1): %2")
                                                                 .arg(EstrellasOrigen.size())
                                                                 .arg(Lista(EstrellasOrigen)));
    lblMarcados->SetCaption(
        QStringLiteral("Marcados %1 de %2 números y %3 (sin estrellas marcadas se conservan las de origen)")
            .arg(destino.size())
            .arg(NumerosOrigen.size())
            .arg(AyudaVentanas::Cuenta(static_cast<double>(estrellas.size()), QStringLiteral("estrella"),
                                       QStringLiteral("estrellas"))));
    lstCorrespondencia->Clear();
    for (std::size_t i = 0; i < NumerosOrigen.size(); ++i)
        lstCorrespondencia->AddItem(DosCifras(NumerosOrigen[i]) + QStringLiteral(" → ") +
                                    (i < destino.size() ? DosCifras(destino[i]) : QStringLiteral("..")));
    if (!estrellas.empty())
        for (std::size_t i = 0; i < EstrellasOrigen.size(); ++i)
            lstCorrespondencia->AddItem(QStringLiteral("E") + DosCifras(EstrellasOrigen[i]) + QStringLiteral("→E") +
                                        (i < estrellas.size() ? DosCifras(estrellas[i]) : QStringLiteral("..")));
}

void frmSistemasPropios::cmdGuardar_Click() {
    if (Ocupado) return;
    Plataforma& p = Plataforma::Activa();
    if (TotalApuestas <= 0) {
        p.MsgBox("AVISO: IMPORTE PRIMERO EL SISTEMA DE ORIGEN", EstiloMensaje::Exclamacion);
        return;
    }
    const std::vector<Byte> destino = RejillaNumeros::ValoresMarcados(lblNumero);
    std::vector<Byte> estrellas = RejillaNumeros::ValoresMarcados(lblEstrella);
    if (destino.size() != NumerosOrigen.size()) {
        p.MsgBox("AVISO: EL SISTEMA DE ORIGEN USA " + std::to_string(NumerosOrigen.size()) + " NUMEROS: MARQUE " +
                     std::to_string(NumerosOrigen.size()) + " NUMEROS DE DESTINO (HAY " +
                     AyudaVentanas::Cuenta(static_cast<double>(destino.size()), QStringLiteral("MARCADO"),
                                           QStringLiteral("MARCADOS"))
                         .toStdString() +
                     ")",
                 EstiloMensaje::Exclamacion);
        return;
    }
    if (!estrellas.empty() && estrellas.size() != EstrellasOrigen.size()) {
        const std::string usadas =
            AyudaVentanas::Cuenta(static_cast<double>(EstrellasOrigen.size()), QStringLiteral("ESTRELLA"),
                                  QStringLiteral("ESTRELLAS"))
                .toStdString();
        p.MsgBox("AVISO: EL SISTEMA DE ORIGEN USA " + usadas + ": MARQUE " + usadas +
                     " DE DESTINO O NINGUNA PARA CONSERVARLAS",
                 EstiloMensaje::Exclamacion);
        return;
    }
    const bool conservarEstrellas = estrellas.empty();
    if (conservarEstrellas) estrellas = EstrellasOrigen;

    // Proposed: the base file's name with the bet file's extension.
    const std::string base = vista_.NombreFicheroBase ? vista_.NombreFicheroBase() : std::string();
    if (PedirFicheroEUR(base.empty() ? std::string() : modRutas::CambiarExtension(base, ".EUR")).empty()) return;

    // Both maps keep the order, so the bets stay ascending.
    Byte mapaNumero[256] = {}, mapaEstrella[256] = {};
    for (std::size_t i = 0; i < NumerosOrigen.size(); ++i) mapaNumero[NumerosOrigen[i]] = destino[i];
    for (std::size_t i = 0; i < EstrellasOrigen.size(); ++i)
        mapaEstrella[EstrellasOrigen[i]] = conservarEstrellas ? EstrellasOrigen[i] : estrellas[i];
    ApuestasGrabacion.ReDim(1, TotalApuestas, 1, 7, false);
    for (int c = 1; c <= 7; ++c) {
        const Byte* origen = Apuestas.Columna(c) + (1 - Apuestas.LBound1());
        Byte* grabacion = ApuestasGrabacion.Columna(c);
        const Byte* mapa = c <= 5 ? mapaNumero : mapaEstrella;
        for (Long b = 0; b < TotalApuestas; ++b) grabacion[b] = mapa[origen[b]];
    }

    Ocupado = true;
    cmdGuardar->setEnabled(false);
    lblEstado->SetCaption(QStringLiteral("Guardando ..."));
    lblProgressBar->SetAnchoTwips(0);
    p.DoEvents();
    const bool escrito = modEncriptarFichero::GuardarFicheroEUR(
        NombreFichero, modEncriptarFichero::CabeceraEUR(destino, estrellas), TotalApuestas,
        [this](double ancho) { lblProgressBar->SetAnchoTwips(ancho); });
    ApuestasGrabacion.Erase();
    lblProgressBar->SetAnchoTwips(0);
    lblEstado->SetCaption(escrito ? TextoGuardadas(TotalApuestas, NombreFichero) : QString());
    cmdGuardar->setEnabled(true);
    Ocupado = false;
}
