#include "tools/frmCalculadoraPremios.h"

#include <QFrame>
#include <QLabel>

#include "common/modCommonDialog.h"
#include "platform/DocumentoXML.h"
#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"
#include "tools/modEscrutinio.h"
#include "common/modRutas.h"

using namespace modGeneral;
using namespace Herramientas;
using modEscrutinio::TotalCategorias;

namespace {
constexpr int AnchoVentana = 700, AltoVentana = 470;
QString Euros(std::int64_t c) { return QString::fromStdString(modPremios::TextoEurosUsuario(c)); }

std::string Rellenar(const std::string& t, std::size_t ancho, bool derecha) {
    // Widths in characters of the report's Latin-1 text (the UTF-8 "ª" and "€" count once).
    std::size_t visibles = 0;
    for (unsigned char c : t) visibles += (c & 0xC0) != 0x80;
    if (visibles >= ancho) return t;
    const std::string relleno(ancho - visibles, ' ');
    return derecha ? relleno + t : t + relleno;
}
}  // namespace

frmCalculadoraPremios::frmCalculadoraPremios(QWidget* padre)
    : VentanaHerramienta(QStringLiteral("frmCalculadoraPremios"), QStringLiteral("Calculadora de premios"),
                         AnchoVentana, AltoVentana, padre) {
    QFont negrita = font();
    negrita.setBold(true);
    lblAnio = new QLabel(QStringLiteral("Año:"), this);
    lblAnio->setGeometry(14, 14, 40, 24);
    txtAnio = CajaNumerica(this, 1, 4);
    txtAnio->setGeometry(54, 14, 60, 24);
    lblNumeroSorteo = new QLabel(QStringLiteral("Sorteo nº:"), this);
    lblNumeroSorteo->setGeometry(134, 14, 70, 24);
    txtNumeroSorteo = CajaNumerica(this, 1, 3);
    txtNumeroSorteo->setGeometry(206, 14, 50, 24);

    lblTituloGanadora = new QLabel(QStringLiteral("Combinación ganadora"), this);
    lblTituloGanadora->setGeometry(14, 48, 318, 20);
    lblTituloGanadora->setFont(negrita);
    picGanadora = ConstruirRejilla(this, 14, 70, lblNumero, lblEstrella, [this](int i) { lblNumero_Click(i); },
                                   [this](int i) { lblEstrella_Click(i); });

    cmdAbrirPremios = new Boton(QStringLiteral("Abrir premios ..."), this);
    cmdAbrirPremios->setGeometry(14, 262, 154, 30);
    cmdGuardarPremios = new Boton(QStringLiteral("Guardar premios ..."), this);
    cmdGuardarPremios->setGeometry(178, 262, 154, 30);
    cmdDesdeFichero = new Boton(QStringLiteral("Apuestas desde fichero ..."), this);
    cmdDesdeFichero->setGeometry(14, 302, 318, 30);
    cmdDesdeFichero->setToolTip(QStringLiteral("Cuenta los premios de las apuestas de un fichero .TXT o .EUR"));
    lblApuestas = new Etiqueta(QStringLiteral("Premios escritos a mano (sin fichero de apuestas)"), this);
    lblApuestas->setGeometry(14, 338, 318, 36);
    lblApuestas->setWordWrap(true);
    lblApuestas->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QFont fija(QStringLiteral("DejaVu Sans Mono"));
    fija.setPointSize(9);
    lblCabeceraCategorias = new QLabel(QStringLiteral(" Cat. Aciertos  Premios     Euros/premio"), this);
    lblCabeceraCategorias->setGeometry(350, 48, 336, 20);
    lblCabeceraCategorias->setFont(fija);
    lstCategorias = new ListaTexto(this);
    lstCategorias->setFont(fija);
    lstCategorias->setGeometry(350, 70, 336, 13 * 18 + 8);
    for (int k = 0; k < TotalCategorias; ++k) lstCategorias->AddItem(QString());

    lblPremios = new QLabel(QStringLiteral("Premios de la categoría:"), this);
    lblPremios->setGeometry(350, 320, 170, 24);
    txtCalculadoraPremios = CajaNumerica(this, 1, 7);
    txtCalculadoraPremios->setGeometry(526, 320, 160, 24);
    txtCalculadoraPremios->setAlignment(Qt::AlignRight);
    lblEuros = new QLabel(QStringLiteral("Euros de cada premio:"), this);
    lblEuros->setGeometry(350, 350, 170, 24);
    txtCalculadoraEuros = CajaNumerica(this, 4, 16);
    txtCalculadoraEuros->setGeometry(526, 350, 160, 24);
    txtCalculadoraEuros->setAlignment(Qt::AlignRight);
    lblTotal = new Etiqueta(QString(), this);
    lblTotal->setGeometry(350, 384, 336, 24);
    lblTotal->setFont(negrita);
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmdCalcular = new Boton(QStringLiteral("Calcular"), this);
    cmdCalcular->setGeometry(350, 418, 140, 32);
    ColocarVolver(AnchoVentana - 48, AltoVentana - 48);

    connect(lstCategorias, &QListWidget::currentRowChanged, this, [this] { lstCategorias_Click(); });
    connect(txtCalculadoraPremios, &CajaTexto::textChanged, this, [this] { txtCalculadoraPremios_Change(); });
    connect(txtCalculadoraEuros, &CajaTexto::textChanged, this, [this] { txtCalculadoraEuros_Change(); });
    connect(cmdAbrirPremios, &Boton::Click, this, [this] { cmdAbrirPremios_Click(); });
    connect(cmdGuardarPremios, &Boton::Click, this, [this] { cmdGuardarPremios_Click(); });
    connect(cmdDesdeFichero, &Boton::Click, this, [this] { cmdDesdeFichero_Click(); });
    connect(cmdCalcular, &Boton::Click, this, [this] { cmdCalcular_Click(); });

    // Enter calculates; Tab goes down the left column, then the right one; the grid keeps to the
    // mouse.
    PonerAccionPredeterminada(cmdCalcular);
    OrdenTabulacion({txtAnio, txtNumeroSorteo, cmdAbrirPremios, cmdGuardarPremios, cmdDesdeFichero, lstCategorias,
                     txtCalculadoraPremios, txtCalculadoraEuros, cmdCalcular, imgVolver});

    for (int k = 0; k < TotalCategorias; ++k) ActualizarFila(k);
    lstCategorias->SetListIndex(0);
    ActualizarTotal();
}

void frmCalculadoraPremios::Form_Unload(bool& cancelar) {
    (void)cancelar;
    Apuestas.Erase();
}

void frmCalculadoraPremios::lblNumero_Click(int index) {
    if (Ocupado || index < 0 || index >= 50) return;
    if (!RejillaNumeros::AlternarEtiqueta(lblNumero, index, 5)) Plataforma::Activa().Beep();
}

void frmCalculadoraPremios::lblEstrella_Click(int index) {
    if (Ocupado || index < 0 || index >= 12) return;
    if (!RejillaNumeros::AlternarEtiqueta(lblEstrella, index, 2)) Plataforma::Activa().Beep();
}

void frmCalculadoraPremios::ActualizarFila(int k) {
    const QString texto = QStringLiteral(" %1  %2    %3%4")
                              .arg(QStringLiteral("%1ª").arg(k + 1), -3)
                              .arg(QString::fromLatin1(modEscrutinio::NombresCategorias[k]), -3)
                              .arg(AyudaVentanas::Cuenta(Premios[static_cast<std::size_t>(k)]), 9)
                              .arg(Euros(Sorteo.centimos[k]), 17);
    lstCategorias->SetList(k, texto);
}

std::int64_t frmCalculadoraPremios::TotalCentimos() const {
    std::int64_t total = 0;
    for (int k = 0; k < TotalCategorias; ++k) total += Sorteo.centimos[k] * Premios[static_cast<std::size_t>(k)];
    return total;
}

void frmCalculadoraPremios::ActualizarTotal() {
    lblTotal->SetCaption(QStringLiteral("TOTAL GANADO: %1 €").arg(Euros(TotalCentimos())));
}

void frmCalculadoraPremios::CargarCajas() {
    const int k = lstCategorias->ListIndex();
    cargandoCajas_ = true;
    if (k >= 0 && k < TotalCategorias) {
        txtCalculadoraPremios->SetText(QString::number(Premios[static_cast<std::size_t>(k)]));
        txtCalculadoraEuros->SetText(Euros(Sorteo.centimos[k]));
    }
    cargandoCajas_ = false;
}

void frmCalculadoraPremios::lstCategorias_Click() { CargarCajas(); }

void frmCalculadoraPremios::txtCalculadoraPremios_Change() {
    const int k = lstCategorias->ListIndex();
    if (cargandoCajas_ || k < 0 || k >= TotalCategorias) return;
    bool ok = false;
    const long v = txtCalculadoraPremios->Text().trimmed().toLong(&ok);
    Premios[static_cast<std::size_t>(k)] = ok && v >= 0 ? static_cast<Long>(v) : 0;
    ActualizarFila(k);
    ActualizarTotal();
}

void frmCalculadoraPremios::txtCalculadoraEuros_Change() {
    const int k = lstCategorias->ListIndex();
    if (cargandoCajas_ || k < 0 || k >= TotalCategorias) return;
    std::int64_t c = 0;
    const std::string t = txtCalculadoraEuros->Text().trimmed().toStdString();
    // A half-typed amount counts as 0 until it reads as one.
    Sorteo.centimos[k] = t.empty() || !modPremios::LeerEurosUsuario(t, c) ? 0 : c;
    ActualizarFila(k);
    ActualizarTotal();
}

bool frmCalculadoraPremios::TomarSorteo() { return TomarSorteo(true); }

bool frmCalculadoraPremios::TomarSorteo(bool completo) {
    Plataforma& p = Plataforma::Activa();
    const std::vector<Byte> n = RejillaNumeros::ValoresMarcados(lblNumero), e = RejillaNumeros::ValoresMarcados(lblEstrella);
    for (int i = 1; i <= 7; ++i) Sorteo.ganadora[i] = 0;
    for (std::size_t i = 0; i < n.size() && i < 5; ++i) Sorteo.ganadora[1 + i] = n[i];
    for (std::size_t i = 0; i < e.size() && i < 2; ++i) Sorteo.ganadora[6 + i] = e[i];
    Sorteo.anio = txtAnio->Text().trimmed().toInt();
    Sorteo.numeroSorteo = txtNumeroSorteo->Text().trimmed().toInt();
    const std::string euros = txtCalculadoraEuros->Text().trimmed().toStdString();
    std::int64_t c = 0;
    if (!euros.empty() && !modPremios::LeerEurosUsuario(euros, c)) {
        p.MsgBox("AVISO: EL IMPORTE DEL PREMIO NO ES VALIDO (MAXIMO 999.999.999,99 EUROS CON DOS DECIMALES)",
                 EstiloMensaje::Exclamacion);
        txtCalculadoraEuros->setFocus();
        return false;
    }
    if (!completo) return true;
    std::string error;
    if (!modPremios::ComprobarSorteo(Sorteo, error)) {
        p.MsgBox("AVISO: " + error, EstiloMensaje::Exclamacion);
        return false;
    }
    return true;
}

void frmCalculadoraPremios::MostrarSorteo() {
    txtAnio->SetText(QString::number(Sorteo.anio));
    txtNumeroSorteo->SetText(QString::number(Sorteo.numeroSorteo));
    for (auto* l : lblNumero) RejillaNumeros::LiberarEtiqueta(l);
    for (auto* l : lblEstrella) RejillaNumeros::LiberarEtiqueta(l);
    for (int i = 1; i <= 5; ++i) RejillaNumeros::MarcarEtiqueta(lblNumero[Sorteo.ganadora[i] - 1u]);
    for (int i = 6; i <= 7; ++i) RejillaNumeros::MarcarEtiqueta(lblEstrella[Sorteo.ganadora[i] - 1u]);
    for (int k = 0; k < TotalCategorias; ++k) ActualizarFila(k);
    CargarCajas();
    ActualizarTotal();
}

void frmCalculadoraPremios::cmdGuardarPremios_Click() {
    if (Ocupado || !TomarSorteo()) return;
    modCommonDialog::FiltroDialogo = FiltroPremios;
    modCommonDialog::IndiceFiltro = 1;
    modCommonDialog::TituloDialogo = "Guardar Fichero de Premios";
    modCommonDialog::FicheroDialogo =
        "Premios " + std::to_string(Sorteo.anio) + "-" + std::to_string(Sorteo.numeroSorteo) + ".xml";
    NombreFichero = modCommonDialog::MostrarDialogoGuardar(".xml");
    if (NombreFichero.empty()) return;
    DocumentoXML documento;
    std::string error;
    if (!documento.loadXML(modPremios::GenerarXMLPremios(Sorteo))) error = documento.parseError().reason;
    else if (!documento.save(NombreFichero)) error = documento.errorGuardar();
    if (!error.empty())
        Plataforma::Activa().MsgBox("ERROR AL GUARDAR EL FICHERO DE PREMIOS (" + error + ")", EstiloMensaje::Critico);
}

void frmCalculadoraPremios::cmdAbrirPremios_Click() {
    if (Ocupado) return;
    modCommonDialog::FiltroDialogo = FiltroPremios;
    modCommonDialog::IndiceFiltro = 1;
    modCommonDialog::FicheroDialogo.clear();
    modCommonDialog::TituloDialogo = "Abrir Fichero de Premios";
    NombreFichero = modCommonDialog::MostrarDialogoAbrir();
    if (NombreFichero.empty()) return;
    modPremios::SorteoPremios leido;
    std::string error;
    if (!modPremios::LeerFicheroPremios(NombreFichero, leido, error)) {
        // What the window showed stays.
        Plataforma::Activa().MsgBox("ERROR AL ABRIR EL FICHERO DE PREMIOS (" + error + ")", EstiloMensaje::Critico);
        return;
    }
    Sorteo = leido;
    MostrarSorteo();
}

void frmCalculadoraPremios::cmdDesdeFichero_Click() {
    if (Ocupado) return;
    std::string ruta;
    const bool leido = LeerFicheroApuestas(Apuestas, TotalApuestas, ruta, nullptr);
    if (!leido) return;
    lblApuestas->SetCaption(QStringLiteral("Apuestas: %1 (%2); sus premios se cuentan al calcular")
                                .arg(QString::fromStdString(modRutas::NombreSinCarpeta(ruta)), AyudaVentanas::Cuenta(TotalApuestas)));
    lblApuestas->setToolTip(QString::fromStdString(ruta));
}

bool frmCalculadoraPremios::cmdCalcular_Click() {
    // Prizes typed by hand need no draw; counting those of a file needs its combination.
    if (Ocupado || !TomarSorteo(false)) return false;
    Plataforma& p = Plataforma::Activa();
    if (TotalApuestas > 0) {
        if (!modEscrutinio::CombinacionCompleta(Sorteo.ganadora)) {
            p.MsgBox("AVISO: MARQUE LA COMBINACION GANADORA (5 NUMEROS Y 2 ESTRELLAS)", EstiloMensaje::Exclamacion);
            return false;
        }
        Ocupado = true;
        const modEscrutinio::ResultadoEscrutinio r =
            modEscrutinio::EscrutarApuestas(Apuestas, 1, TotalApuestas, Sorteo.ganadora, [&p] { p.DoEvents(); });
        Ocupado = false;
        for (int k = 0; k < TotalCategorias; ++k) Premios[static_cast<std::size_t>(k)] = r.porCategoria[k];
    }
    for (int k = 0; k < TotalCategorias; ++k) ActualizarFila(k);
    CargarCajas();
    ActualizarTotal();

    auto euros = [](std::int64_t c) { return modPremios::TextoEurosUsuario(c); };
    std::vector<std::string> l;
    l.push_back("TORNAVENTURA 3.1 - CALCULADORA DE PREMIOS");
    if (Sorteo.anio > 0 || Sorteo.numeroSorteo > 0)
        l.push_back("Sorteo " + std::to_string(Sorteo.numeroSorteo) + " del a\xC3\xB1o " + std::to_string(Sorteo.anio));
    std::string ganadora = "Combinaci\xC3\xB3n ganadora:";
    char dos[8];
    for (int i = 1; i <= 7; ++i) {
        std::snprintf(dos, sizeof dos, " %02d", Sorteo.ganadora[i]);
        ganadora += (i == 6 ? " +" : "") + std::string(dos);
    }
    if (modEscrutinio::CombinacionCompleta(Sorteo.ganadora)) l.push_back(ganadora);
    l.push_back(TotalApuestas > 0 ? "Apuestas escrutadas: " + FormatoMiles(TotalApuestas)
                                  : std::string("Premios escritos a mano"));
    l.push_back("");
    l.push_back("Categor\xC3\xAD" "a  Aciertos      Premios        Euros/premio               Total");
    for (int k = 0; k < TotalCategorias; ++k) {
        const Long n = Premios[static_cast<std::size_t>(k)];
        l.push_back(Rellenar(std::to_string(k + 1) + "\xC2\xAA", 9, true) + "     " +
                    Rellenar(modEscrutinio::NombresCategorias[k], 3, false) + Rellenar(FormatoMiles(n), 13, true) +
                    Rellenar(euros(Sorteo.centimos[k]), 20, true) + Rellenar(euros(Sorteo.centimos[k] * n), 20, true));
    }
    l.push_back("");
    l.push_back("TOTAL GANADO: " + euros(TotalCentimos()) + " euros");
    return EscribirInforme(NombreInforme, l);
}
