#include "tools/frmVisualizar.h"

#include <QFrame>
#include <QLabel>

#include "common/ValidarTecla.h"
#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"
#include "tools/frmEscrutar.h"
#include "common/modRutas.h"

using namespace modGeneral;
using namespace Herramientas;

namespace {
constexpr int AnchoVentana = 760, AltoVentana = 430;
// A block of the slip: numbers in five columns of ten (1-10 down the first), stars under them.
constexpr int AnchoCelda = 22, AltoCelda = 16, PasoX = 25, PasoY = 18;
constexpr int AnchoBloque = 5 * PasoX + 14, SeparacionBloques = 8;

// A cell's looks: marked in the red of a pen mark, free in the slip's red ink.
constexpr long ColorMarca = 0x1A1AC8, ColorTinta = 0x3A5AD8;

void LookCelda(Etiqueta* e, bool marcada) {
    if (marcada) RejillaNumeros::MarcarEtiqueta(e, ColorMarca);
    else RejillaNumeros::LiberarEtiqueta(e, ColorTinta);
}
}  // namespace

frmVisualizar::frmVisualizar(VistaPrincipal vista, QWidget* padre)
    : VentanaHerramienta(QStringLiteral("frmVisualizar"), QStringLiteral("Visualizar archivo de apuestas"),
                         AnchoVentana, AltoVentana, padre),
      vista_(std::move(vista)) {
    cmdAbrirFichero = new Boton(QStringLiteral("Abrir fichero ..."), this);
    cmdAbrirFichero->setGeometry(14, 12, 140, 30);
    lblFichero = new Etiqueta(QStringLiteral("Ningún fichero abierto"), this);
    lblFichero->setGeometry(166, 12, AnchoVentana - 180, 30);

    picBoleto = new QFrame(this);
    picBoleto->setObjectName(QStringLiteral("picBoleto"));
    picBoleto->setStyleSheet(QStringLiteral("QFrame#picBoleto{background:#fff7ef; border:2px solid #d8743a;}"));
    const int anchoBoleto = ApuestasPorBoleto * AnchoBloque + (ApuestasPorBoleto - 1) * SeparacionBloques + 20;
    picBoleto->setGeometry((AnchoVentana - anchoBoleto) / 2, 52, anchoBoleto, 292);

    QFont titulo = font();
    titulo.setBold(true);
    titulo.setPointSize(8);
    // A block: numbers in five columns of ten (1-10 down the first), the stars in rows of five
    // under them; the cells only show.
    RejillaNumeros::Opciones numeros;
    numeros.porLinea = 10;
    numeros.origen = {8, 20};
    numeros.celda = {AnchoCelda, AltoCelda};
    numeros.paso = {PasoX, PasoY};
    numeros.puntos = 7;
    numeros.negrita = false;
    numeros.borde = QStringLiteral("#f0c4a8");
    numeros.colorLibre = ColorTinta;
    numeros.mano = false;
    RejillaNumeros::Opciones estrellas = numeros;
    estrellas.porLinea = 5;
    estrellas.porColumnas = false;
    estrellas.origen = {8, 20 + 10 * PasoY + 18};
    for (int b = 0; b < ApuestasPorBoleto; ++b) {
        const auto ib = static_cast<std::size_t>(b);
        const int x = 10 + b * (AnchoBloque + SeparacionBloques);
        auto* bloque = new QFrame(picBoleto);
        bloque->setObjectName(QStringLiteral("fraBloque"));
        bloque->setStyleSheet(QStringLiteral("QFrame#fraBloque{background:#ffffff; border:1px solid #e3a27c;}"));
        bloque->setGeometry(x, 8, AnchoBloque, 274);
        lblBloque[ib] = new QLabel(bloque);
        lblBloque[ib]->setGeometry(0, 2, AnchoBloque, 16);
        lblBloque[ib]->setAlignment(Qt::AlignCenter);
        lblBloque[ib]->setFont(titulo);
        lblBloque[ib]->setStyleSheet(QStringLiteral("color:#b24a14; border:none;"));
        RejillaNumeros::Crear(bloque, lblBoletoNumero[ib], numeros);
        auto* rotulo = new QLabel(QStringLiteral("Estrellas"), bloque);
        rotulo->setGeometry(8, 20 + 10 * PasoY + 2, AnchoBloque - 16, 14);
        rotulo->setStyleSheet(QStringLiteral("color:#b24a14; font-size:7pt; border:none;"));
        RejillaNumeros::Crear(bloque, lblBoletoEstrella[ib], estrellas);
    }

    // Navigation under the ticket.
    const int y = 356;
    auto imagen = [this, y](const char* recurso, int x, const QString& consejo) {
        return AyudaVentanas::CrearBotonImagen(this, QString::fromLatin1(recurso), consejo, QRect(x, y, 32, 32));
    };
    imgPrimero = imagen(":/herramientas/primero.svg", 200, QStringLiteral("Primer boleto"));
    imgAnterior = imagen(":/herramientas/anterior.svg", 238, QStringLiteral("Boleto anterior"));
    lblBoleto = new QLabel(QStringLiteral("Boleto"), this);
    lblBoleto->setGeometry(280, y + 6, 50, 20);
    txtIrboleto = CajaNumerica(this, 17, 6);
    txtIrboleto->setGeometry(330, y + 4, 64, 24);
    txtIrboleto->setAlignment(Qt::AlignCenter);
    txtIrboleto->setToolTip(QStringLiteral("Escriba un número de boleto y pulse Intro"));
    lblTotalBoletos = new QLabel(QStringLiteral("de 0"), this);
    lblTotalBoletos->setGeometry(400, y + 6, 90, 20);
    imgSiguiente = imagen(":/herramientas/siguiente.svg", 488, QStringLiteral("Boleto siguiente"));
    imgUltimo = imagen(":/herramientas/ultimo.svg", 526, QStringLiteral("Último boleto"));
    imgEscrutar = imagen(":/herramientas/escrutar.svg", 14, QStringLiteral("Escrutar las apuestas de este fichero"));
    lblEscrutar = new QLabel(QStringLiteral("Escrutar"), this);
    lblEscrutar->setGeometry(52, y + 6, 80, 20);
    ColocarVolver(AnchoVentana - 48, y);

    connect(cmdAbrirFichero, &Boton::Click, this, [this] { cmdAbrirFichero_Click(); });
    connect(imgPrimero, &BotonImagen::Click, this, [this] { imgPrimero_Click(); });
    connect(imgAnterior, &BotonImagen::Click, this, [this] { imgAnterior_Click(); });
    connect(imgSiguiente, &BotonImagen::Click, this, [this] { imgSiguiente_Click(); });
    connect(imgUltimo, &BotonImagen::Click, this, [this] { imgUltimo_Click(); });
    connect(imgEscrutar, &BotonImagen::Click, this, [this] { imgEscrutar_Click(); });
    connect(txtIrboleto, &CajaTexto::TeclaIntro, this, [this] { txtIrboleto_Intro(); });
    // Enter opens a file (in the ticket box it goes to the ticket typed); the bottom row left to
    // right. The ticket's cells only show.
    PonerAccionPredeterminada(cmdAbrirFichero);
    OrdenTabulacion({cmdAbrirFichero, imgEscrutar, imgPrimero, imgAnterior, txtIrboleto, imgSiguiente, imgUltimo,
                     imgVolver});
    MostrarBoleto(0);
}

void frmVisualizar::Form_Activate() {
    // The file is asked for when the window opens; a later activation (back from the
    // scrutiny) keeps what is shown.
    if (!primeraActivacion_) return;
    primeraActivacion_ = false;
    cmdAbrirFichero_Click();
}

void frmVisualizar::Form_Unload(bool& cancelar) {
    (void)cancelar;
    Apuestas.Erase();
}

void frmVisualizar::cmdAbrirFichero_Click() {
    if (Ocupado) return;
    std::string ruta;
    const QString antes = lblFichero->Caption();
    const bool leido = LeerFicheroApuestas(Apuestas, TotalApuestas, ruta, lblFichero);
    if (!leido) {
        lblFichero->SetCaption(antes);
        return;
    }
    lblFichero->SetCaption(QStringLiteral("%1   -   %2, %3")
                               .arg(QString::fromStdString(modRutas::NombreSinCarpeta(ruta)),
                                    AyudaVentanas::Apuestas(TotalApuestas),
                                    AyudaVentanas::Cuenta(TotalBoletos(), QStringLiteral("boleto"), QStringLiteral("boletos"))));
    lblFichero->setToolTip(QString::fromStdString(ruta));
    MostrarBoleto(1);
}

void frmVisualizar::MostrarBoleto(Long b) {
    const Long total = TotalBoletos();
    BoletoActual = total == 0 ? 0 : std::clamp<Long>(b, 1, total);
    for (int k = 0; k < ApuestasPorBoleto; ++k) {
        const auto ik = static_cast<std::size_t>(k);
        const Long fila = BoletoActual == 0 ? 0 : (BoletoActual - 1) * ApuestasPorBoleto + k + 1;
        const bool hay = fila >= 1 && fila <= TotalApuestas;
        lblBloque[ik]->setText(hay ? QStringLiteral("Apuesta %1").arg(AyudaVentanas::Cuenta(fila)) : QStringLiteral("-"));
        bool numero[51] = {}, estrella[13] = {};
        if (hay) {
            for (int c = 1; c <= 5; ++c)
                if (Apuestas(fila, c) >= 1 && Apuestas(fila, c) <= 50) numero[Apuestas(fila, c)] = true;
            for (int c = 6; c <= 7; ++c)
                if (Apuestas(fila, c) >= 1 && Apuestas(fila, c) <= 12) estrella[Apuestas(fila, c)] = true;
        }
        for (int n = 0; n < 50; ++n) LookCelda(lblBoletoNumero[ik][static_cast<std::size_t>(n)], numero[n + 1]);
        for (int e = 0; e < 12; ++e) LookCelda(lblBoletoEstrella[ik][static_cast<std::size_t>(e)], estrella[e + 1]);
        lblBloque[ik]->parentWidget()->setEnabled(hay);
    }
    txtIrboleto->SetText(BoletoActual == 0 ? QString() : QString::number(BoletoActual));
    lblTotalBoletos->setText(QStringLiteral("de %1").arg(AyudaVentanas::Cuenta(total)));
}

void frmVisualizar::imgPrimero_Click() { MostrarBoleto(1); }
void frmVisualizar::imgAnterior_Click() { MostrarBoleto(BoletoActual - 1); }
void frmVisualizar::imgSiguiente_Click() { MostrarBoleto(BoletoActual + 1); }
void frmVisualizar::imgUltimo_Click() { MostrarBoleto(TotalBoletos()); }

void frmVisualizar::txtIrboleto_Intro() {
    bool ok = false;
    const long b = txtIrboleto->Text().toLong(&ok);
    if (!ok || b < 1 || b > TotalBoletos()) {
        // Not a ticket of this file: the current one stays.
        Plataforma::Activa().Beep();
        MostrarBoleto(BoletoActual);
        return;
    }
    MostrarBoleto(b);
}

void frmVisualizar::txtIrboleto_KeyPress(int& tecla) { ValidarTecla(txtIrboleto->Text().toStdString(), tecla, 17); }

void frmVisualizar::imgEscrutar_Click() {
    if (Ocupado) return;
    if (TotalApuestas <= 0) {
        Plataforma::Activa().MsgBox("AVISO: NO HAY NINGUN FICHERO DE APUESTAS ABIERTO", EstiloMensaje::Exclamacion);
        return;
    }
    // The viewed bets become the current bets (row 0 unused), as the scrutiny reads them.
    ApuestasSustituidas = true;
    ApuestasReducidas.ReDim(0, TotalApuestas, 1, 7);
    for (int c = 1; c <= 7; ++c)
        for (Long b = 1; b <= TotalApuestas; ++b) ApuestasReducidas(b, c) = Apuestas(b, c);
    frmEscrutar escrutar(vista_, this);
    escrutar.DesdePrincipal = false;
    escrutar.NumApuestas = TotalApuestas;
    Plataforma::Activa().MostrarModal(escrutar);
}
