#include "tools/HerramientasComunes.h"

#include <QFrame>
#include <QLabel>
#include <QString>

#include "common/ValidarTecla.h"
#include "common/modCommonDialog.h"
#include "common/modEncriptarFichero.h"
#include "common/modInformeTexto.h"
#include "common/modLeerApuestas.h"
#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"
#include "common/modRutas.h"

namespace Herramientas {

QFrame* ConstruirRejilla(QWidget* padre, int x, int y, std::array<Etiqueta*, 50>& numeros,
                         std::array<Etiqueta*, 12>& estrellas, std::function<void(int)> alClicNumero,
                         std::function<void(int)> alClicEstrella) {
    QFrame* panel = AyudaVentanas::CrearPanel(padre, QStringLiteral("picRejilla"), QRect(x, y, AnchoRejilla, AltoRejilla));
    RejillaNumeros::Opciones numerosEnFilas{.nombre = QStringLiteral("lblNumero"), .porLinea = 10, .porColumnas = false,
                                           .origen = {10, 8}, .celda = {27, 22}, .paso = {30, 25}};
    RejillaNumeros::Crear(panel, numeros, numerosEnFilas, std::move(alClicNumero));
    // The stars in one row under the numbers, a little narrower so the twelve fit.
    auto* rotulo = new QLabel(QStringLiteral("Estrellas"), panel);
    rotulo->setGeometry(10, 8 + 5 * 25 + 2, 120, 14);
    rotulo->setStyleSheet(QStringLiteral("color:#555555; font-size:8pt; border:none;"));
    RejillaNumeros::Opciones estrellasEnFila = numerosEnFilas;
    estrellasEnFila.nombre = QStringLiteral("lblEstrella");
    estrellasEnFila.porLinea = 12;
    estrellasEnFila.origen = {10, 8 + 5 * 25 + 18};
    estrellasEnFila.celda = {23, 22};
    estrellasEnFila.paso = {25, 25};
    RejillaNumeros::Crear(panel, estrellas, estrellasEnFila, std::move(alClicEstrella));
    return panel;
}

std::string PedirFicheroEUR(const std::string& nombrePropuesto) {
    modCommonDialog::FiltroDialogo = "Fichero de TORNAVENTURA (*.EUR)|*.EUR|Todos los archivos (*.*)|*.*|";
    modCommonDialog::IndiceFiltro = 1;
    modCommonDialog::TituloDialogo = "Guardar Combinaci\xC3\xB3n";
    modCommonDialog::FicheroDialogo = nombrePropuesto;
    modGeneral::NombreFichero = modCommonDialog::MostrarDialogoGuardar(".EUR");
    return modGeneral::NombreFichero;
}

QString TextoGuardadas(Long apuestas, const std::string& ruta) {
    return QStringLiteral("%1 en %2").arg(
        AyudaVentanas::Cuenta(apuestas, QStringLiteral("apuesta guardada"), QStringLiteral("apuestas guardadas")),
        QString::fromStdString(modRutas::NombreSinCarpeta(ruta)));
}

bool EscribirInforme(const std::string& nombre, const std::vector<std::string>& lineas) {
    Plataforma& p = Plataforma::Activa();
    const std::string ruta = modInformeTexto::RutaInforme(p.CarpetaPrograma(), nombre);
    std::string error;
    if (!modInformeTexto::EscribirInforme(ruta, lineas, error)) {
        p.MsgBox("ERROR AL GUARDAR EL INFORME (" + error + ")", EstiloMensaje::Critico);
        return false;
    }
    modInformeTexto::MostrarInforme(ruta);
    return true;
}

bool ImportarFicheroApuestas(Tabla<Byte>& apuestas, Long& total, std::string& ruta, const ProgresoLectura& progreso) {
    // The import's own dialog, reader and messages.
    ruta = modGeneral::NombreFichero = modLeerApuestas::ElegirFicheroApuestas();
    if (ruta.empty()) return false;
    modLeerApuestas::OpcionesLectura opciones;
    opciones.progreso = progreso;
    modLeerApuestas::LecturaApuestas lectura = modLeerApuestas::LeerFicheroApuestas(ruta, opciones);
    Plataforma& p = Plataforma::Activa();
    if (!lectura.Leida()) {
        p.MsgBox(modLeerApuestas::MensajeError(lectura), EstiloMensaje::Critico);
        return false;
    }
    if (lectura.total == 0) {
        p.MsgBox(modLeerApuestas::MensajeCeroApuestas(), EstiloMensaje::Exclamacion);
        return false;
    }
    apuestas = std::move(lectura.apuestas);
    total = lectura.total;
    return true;
}

// ---------------------------------------------------------------- window frame

VentanaHerramienta::VentanaHerramienta(const QString& nombre, const QString& titulo, int ancho, int alto,
                                       QWidget* padre)
    : Ventana(padre) {
    setObjectName(nombre);
    setWindowTitle(titulo);
    setFixedSize(ancho, alto);
    imgVolver = new BotonImagen(QStringLiteral(":/iconos/volver.svg"), this);
    imgVolver->setScaledContents(true);
    imgVolver->setToolTip(QStringLiteral("Volver"));
    ColocarVolver(ancho - 50, alto - 50);
    ShapeBorde = Forma::Enmarcar(imgVolver, Forma::Retirada::HastaElFondo, 3);
    connect(imgVolver, &BotonImagen::Click, this, [this] { imgVolver_Click(); });
}

void VentanaHerramienta::ColocarVolver(int x, int y) { imgVolver->setGeometry(x, y, 32, 32); }

bool VentanaHerramienta::LeerFicheroApuestas(Tabla<Byte>& apuestas, Long& total, std::string& ruta, Etiqueta* estado) {
    ProgresoLectura progreso;
    if (estado)
        progreso = [estado](Long n) {
            estado->SetCaption(QStringLiteral("Leyendo ... %1 apuestas").arg(AyudaVentanas::Cuenta(n)));
        };
    Ocupado = true;
    const bool leido = ImportarFicheroApuestas(apuestas, total, ruta, progreso);
    Ocupado = false;
    return leido;
}

void VentanaHerramienta::Form_QueryUnload(bool& cancelar, MotivoCierre motivo) {
    // The work in progress yields to the window; it must not lose its window meanwhile.
    if (Ocupado && motivo != MotivoCierre::Sistema) cancelar = true;
}

void VentanaHerramienta::imgVolver_Click() {
    if (!Ocupado) Descargar(MotivoCierre::Codigo);
}

void VentanaGenerador::CrearControlesGenerar(int xApuestas, int yApuestas, const QRect& posibles, int xGenerar,
                                             int yGenerar, int yProgreso, const QRect& estado) {
    lblApuestas = new QLabel(QStringLiteral("Apuestas a generar:"), this);
    lblApuestas->setGeometry(xApuestas, yApuestas, 140, 24);
    txtApuestas = CajaNumerica(this, 1, 7);
    txtApuestas->setGeometry(xApuestas + 146, yApuestas, 100, 24);
    txtApuestas->setAlignment(Qt::AlignRight);
    lblPosibles = new QLabel(this);
    lblPosibles->setGeometry(posibles);
    lblPosibles->setStyleSheet(QStringLiteral("color:#555555;"));
    cmdGenerar = new Boton(QStringLiteral("Generar y guardar ..."), this);
    cmdGenerar->setGeometry(xGenerar, yGenerar, 180, 32);
    picProgreso = ConstruirProgresoEUR(this, xGenerar, yProgreso, lblProgressBar);
    lblEstado = new Etiqueta(QString(), this);
    lblEstado->setGeometry(estado);
    lblEstado->setWordWrap(true);
    connect(cmdGenerar, &Boton::Click, this, [this] { cmdGenerar_Click(); });
    PonerAccionPredeterminada(cmdGenerar);
}

void VentanaGenerador::MostrarPosibles() {
    lblPosibles->setText(QStringLiteral("Apuestas diferentes posibles: %1").arg(AyudaVentanas::Cuenta(ApuestasPosibles())));
}

Long VentanaGenerador::Generar(const std::vector<Byte>& numeros, const std::vector<Byte>& estrellas, Long cuantas,
                               const std::function<Long()>& generar, QWidget* rejilla) {
    Plataforma& p = Plataforma::Activa();
    Ocupado = true;
    cmdGenerar->setEnabled(false);
    if (rejilla) rejilla->setEnabled(false);
    lblProgressBar->SetAnchoTwips(0);
    lblEstado->SetCaption(QStringLiteral("Generando apuestas ..."));
    p.DoEvents();
    p.Randomize();
    const Long hechas = generar();
    bool escrito = false;
    if (hechas == cuantas) {
        lblEstado->SetCaption(QStringLiteral("Guardando ..."));
        escrito = modEncriptarFichero::GuardarFicheroEUR(modGeneral::NombreFichero, modEncriptarFichero::CabeceraEUR(numeros, estrellas),
                                                         cuantas,
                                                         [this](double ancho) { lblProgressBar->SetAnchoTwips(ancho); });
    }
    modGeneral::ApuestasGrabacion.Erase();
    lblProgressBar->SetAnchoTwips(0);
    lblEstado->SetCaption(escrito ? TextoGuardadas(cuantas, modGeneral::NombreFichero) : QString());
    cmdGenerar->setEnabled(true);
    if (rejilla) rejilla->setEnabled(true);
    Ocupado = false;
    return hechas;
}

CajaTexto* CajaNumerica(QWidget* padre, int tipo, int maximoCaracteres) {
    auto* caja = new CajaTexto(padre);
    caja->setMaxLength(maximoCaracteres);
    caja->KeyPress = [caja, tipo](int& tecla) { modGeneral::ValidarTecla(caja->Text().toStdString(), tecla, tipo); };
    return caja;
}

QFrame* ConstruirProgresoEUR(QWidget* padre, int x, int y, Etiqueta*& barra) {
    auto* caja = new QFrame(padre);
    caja->setFrameShape(QFrame::Box);
    caja->setGeometry(x, y, PixelesDesdeTwips(modEncriptarFichero::AnchoProgresoEUR) + 2, 14);
    barra = new Etiqueta(QString(), caja);
    barra->SetBackStyle(1);
    barra->SetBackColor(0xA86A1F);
    barra->setGeometry(1, 1, 0, 12);
    return caja;
}

bool DosEstrellas(const std::vector<Byte>& estrellas) {
    if (estrellas.size() == 2) return true;
    Plataforma::Activa().MsgBox("AVISO: DEBE SELECCIONAR 2 ESTRELLAS", EstiloMensaje::Exclamacion);
    return false;
}

Long ApuestasPedidas(const QString& texto, Long posibles, std::size_t cuantosNumeros) {
    Plataforma& p = Plataforma::Activa();
    const QString t = texto.trimmed();
    if (t.isEmpty()) {
        p.MsgBox("AVISO: INDIQUE CUANTAS APUESTAS DESEA GENERAR", EstiloMensaje::Exclamacion);
        return 0;
    }
    bool ok = false;
    const qlonglong pedidas = t.toLongLong(&ok);
    if (!ok || pedidas < 1 || pedidas > posibles) {
        p.MsgBox("AVISO: CON " + std::to_string(cuantosNumeros) + " NUMEROS SE PUEDEN GENERAR ENTRE 1 Y " +
                     AyudaVentanas::Cuenta(posibles, QStringLiteral("APUESTA DIFERENTE"),
                                           QStringLiteral("APUESTAS DIFERENTES"))
                         .toStdString(),
                 EstiloMensaje::Exclamacion);
        return 0;
    }
    return static_cast<Long>(pedidas);
}

}  // namespace Herramientas
