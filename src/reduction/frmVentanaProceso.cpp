#include "reduction/frmVentanaProceso.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <algorithm>
#include <exception>
#include <new>

#include "common/modGeneral.h"
#include "platform/Plataforma.h"
#include "kit/AyudaVentanas.h"
#include "reduction/frmGarantiasTOTAL.h"

using namespace modGeneral;
using modReduccion::ProgresoReduccion;

namespace {
QString Porcentaje(double parte, double todo) {
    const double v = todo > 0 ? 100.0 * parte / todo : 0;
    return QLocale(QLocale::Spanish).toString(v, 'f', 2) + QStringLiteral(" %");
}

QString TextoTipo(int tipo) {
    switch (tipo) {
    case 1: return QStringLiteral("Reducción al 4");
    case 2: return QStringLiteral("Reducción al 3");
    case 3: return QStringLiteral("Reducción al 2");
    case 4: return QStringLiteral("Reducción al 1");
    default: return QStringLiteral("Sin reducción");
    }
}

QLabel* Rotulo(QWidget* padre, int x, int y, int ancho) {
    auto* l = new QLabel(padre);
    l->setGeometry(x, y, ancho, 20);
    return l;
}

// "m:ss", or "h:mm:ss" from an hour on.
QString Duracion(qint64 milisegundos) {
    const qint64 s = milisegundos / 1000;
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, QChar('0')).arg(s % 60, 2, 10, QChar('0'));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar('0'));
}

const char* const TextoAviso = "\"Detener\" termina el cálculo y conserva el mejor resultado encontrado";
}  // namespace

frmVentanaProceso::frmVentanaProceso(const VistaPrincipal& vista, QWidget* padre) : Ventana(padre), vista_(vista) {
    setObjectName(QStringLiteral("frmVentanaProceso"));
    setWindowTitle(QStringLiteral("Cálculo del sistema"));
    setFixedSize(560, 458);

    fraSistema = new QGroupBox(QStringLiteral("Sistema"), this);
    fraSistema->setGeometry(16, 8, 528, 86);
    lblSistema = Rotulo(fraSistema, 12, 22, 270);
    lblCondicionadas = Rotulo(fraSistema, 12, 42, 270);
    lblCiclos = Rotulo(fraSistema, 12, 62, 270);
    lblTipo = Rotulo(fraSistema, 290, 22, 230);
    lblObjetivo = Rotulo(fraSistema, 290, 42, 230);

    fraProgreso = new QGroupBox(QStringLiteral("Reducción"), this);
    fraProgreso->setGeometry(16, 100, 528, 206);
    prgProgreso = new QProgressBar(fraProgreso);
    prgProgreso->setGeometry(12, 24, 504, 20);
    prgProgreso->setRange(0, 1000);
    prgProgreso->setTextVisible(false);
    lblFase = Rotulo(fraProgreso, 12, 50, 504);
    lblFase->setStyleSheet(QStringLiteral("color:#1b2a6b; font-weight:bold;"));
    lblApuestasElegidas = Rotulo(fraProgreso, 12, 76, 250);
    lblCobertura = Rotulo(fraProgreso, 290, 76, 230);
    lblCiclo = Rotulo(fraProgreso, 12, 100, 250);
    lblTiempo = Rotulo(fraProgreso, 290, 100, 230);
    lblMejor = Rotulo(fraProgreso, 12, 126, 504);
    lblMejor->setStyleSheet(QStringLiteral("color:#d7262e; font-weight:bold;"));
    lblFinPrevisto = Rotulo(fraProgreso, 12, 150, 504);
    lblAviso = Rotulo(fraProgreso, 12, 176, 504);
    lblAviso->setStyleSheet(QStringLiteral("color:#1b2a6b; font-style:italic;"));

    lblResultado = new QLabel(this);
    lblResultado->setGeometry(16, 314, 528, 50);
    lblResultado->setAlignment(Qt::AlignCenter);
    lblResultado->setWordWrap(true);
    lblResultado->setStyleSheet(
        QStringLiteral("QLabel{font-size:15px; font-weight:bold; color:#1b2a6b; background:#eef1f8;"
                       " border:1px solid #c5cbe0; border-radius:4px;}"));

    QLabel* rotulo = nullptr;
    const int y = 380;
    imgRepetir = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/reduccion/repetir.svg"),
                                                 QStringLiteral("Repetir la reducción"), 46, y, &rotulo,
                                                 QStringLiteral("Repetir"));
    imgDetener = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/reduccion/detener.svg"),
                                                 QStringLiteral("Detener (se conserva el mejor resultado)"), 152, y,
                                                 &rotulo, QStringLiteral("Detener"));
    imgGarantias = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/reduccion/garantias.svg"),
                                                   QStringLiteral("Garantías y porcentajes de las apuestas"), 258, y,
                                                   &rotulo, QStringLiteral("Garantías"));
    imgCalculoDefinitivo = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/iconos/definitivo.svg"),
                                                           QStringLiteral("Cálculo con grabación de apuestas"), 364, y,
                                                           &rotulo, QStringLiteral("Cálculo Definitivo"));
    imgVolver = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/iconos/volver.svg"),
                                                QStringLiteral("Volver (las apuestas se quedan sin grabar)"), 470, y,
                                                &rotulo, QStringLiteral("Volver"));

    connect(imgRepetir, &BotonImagen::Click, this, [this] { imgRepetir_Click(); });
    connect(imgDetener, &BotonImagen::Click, this, [this] { imgDetener_Click(); });
    connect(imgGarantias, &BotonImagen::Click, this, [this] { imgGarantias_Click(); });
    connect(imgCalculoDefinitivo, &BotonImagen::Click, this, [this] { imgCalculoDefinitivo_Click(); });
    connect(imgVolver, &BotonImagen::Click, this, [this] { imgVolver_Click(); });
    // Enter goes back as imgVolver does (nothing while the reduction runs); Esc is the close
    // box, refused while it runs. The focus starts on the first picture that is enabled.
    PonerAccionPredeterminada(imgVolver);
    OrdenTabulacion({imgRepetir, imgDetener, imgGarantias, imgCalculoDefinitivo, imgVolver});
}

bool frmVentanaProceso::ModoImportado() const {
    return vista_.cboTipoCombinacion && vista_.cboTipoCombinacion->ListIndex() == 2;
}

void frmVentanaProceso::Form_Load() {
    lblSistema->setText(QStringLiteral("Sistema : ") +
                        (ModoImportado() ? QStringLiteral("Importado") : QStringLiteral("En directo")));
    const double condicionadas =
        vista_.lblApuestasCondicionadas ? LeerCuenta(vista_.lblApuestasCondicionadas->Caption().toStdString()) : 0;
    lblCondicionadas->setText(QStringLiteral("Combinaciones condicionadas : ") + AyudaVentanas::Cuenta(condicionadas));
    lblTipo->setText(QStringLiteral("Tipo : ") + TextoTipo(Reduccion.Tipo));
    const auto p = modReduccion::ParametrosDesde(Reduccion);
    lblObjetivo->setText(p.ModoNuApuestas
                             ? QStringLiteral("Objetivo : ") + AyudaVentanas::Apuestas(p.NuApuestas)
                             : QStringLiteral("Objetivo : cubrir el %1 %").arg(p.Porcentaje));
    lblCiclos->setText(!p.Ciclos ? QStringLiteral("Ciclos : no (una pasada)")
                                 : (p.Aleatorio ? QStringLiteral("Ciclos : sí, aleatorios")
                                                : QStringLiteral("Ciclos : sí, con semillas fijas")));
    Bloquear(false);
}

void frmVentanaProceso::Form_Activate() {
    // Back from its own guarantees window: the bets are those the user was looking at.
    if (vueltaDeGarantias_) {
        vueltaDeGarantias_ = false;
        return;
    }
    EjecutarReduccion();
    if (vista_.chkGuardarAutomaticamente && vista_.chkGuardarAutomaticamente->Value() == 1)
        Descargar(MotivoCierre::Codigo);
}

void frmVentanaProceso::Form_QueryUnload(bool& cancelar, MotivoCierre motivo) {
    if (Calculando && motivo == MotivoCierre::Usuario) {
        // Refused: the line on how to end it stands out.
        cancelar = true;
        lblAviso->setStyleSheet(QStringLiteral("color:#d7262e; font-weight:bold;"));
    }
}

void frmVentanaProceso::Form_Unload(bool& cancelar) {
    (void)cancelar;
    Eliminadas.Erase();
}

void frmVentanaProceso::Bloquear(bool calculando) {
    Calculando = calculando;
    const bool hayApuestas = !Resultado.Apuestas.empty();
    imgDetener->setEnabled(calculando);
    imgRepetir->setEnabled(!calculando);
    imgGarantias->setEnabled(!calculando && hayApuestas);
    imgCalculoDefinitivo->setEnabled(!calculando && hayApuestas);
    imgVolver->setEnabled(!calculando);
}

void frmVentanaProceso::MostrarProgreso(const ProgresoReduccion& p) {
    switch (p.fase) {
    case ProgresoReduccion::Fase::Preparando: lblFase->setText(QStringLiteral("Preparando el sistema ...")); break;
    case ProgresoReduccion::Fase::Voraz: lblFase->setText(QStringLiteral("Eligiendo apuestas ...")); break;
    case ProgresoReduccion::Fase::Mejora: lblFase->setText(QStringLiteral("Mejorando el resultado ...")); break;
    case ProgresoReduccion::Fase::Terminado: lblFase->setText(QStringLiteral("Terminado")); break;
    }
    prgProgreso->setValue(static_cast<int>(std::clamp(p.Fraccion, 0.0, 1.0) * 1000.0));
    lblApuestasElegidas->setText(QStringLiteral("Apuestas elegidas : ") + AyudaVentanas::Cuenta(p.ApuestasElegidas));
    lblCobertura->setText(QStringLiteral("Cobertura : ") + Porcentaje(p.Cubiertos, p.Escenarios));
    lblCiclo->setText(QStringLiteral("Ciclos completados : ") + AyudaVentanas::Cuenta(p.CiclosCompletados));
    MostrarTiempo();
    // With cycles, the time until they end by themselves, once a cycle's length is known.
    if (conCiclos_ && p.fase != ProgresoReduccion::Fase::Preparando)
        lblFinPrevisto->setText(TextoFinPrevisto(p.SegundosRestantes));
    if (p.MejorApuestas > 0)
        lblMejor->setText(QStringLiteral("Mejor resultado : %1, cobertura %2")
                              .arg(AyudaVentanas::Apuestas(p.MejorApuestas), Porcentaje(p.MejorCubiertos, p.Escenarios)));
}

// Rounded as a person would say it. It holds only while no better result comes (each one
// moves the end), so the line says so.
QString frmVentanaProceso::TextoFinPrevisto(double segundos) {
    if (segundos < 0) return QStringLiteral("Fin previsto : calculando ...");
    const QString si = QStringLiteral(", si no se encuentra un resultado mejor");
    if (segundos < 1.5) return QStringLiteral("Fin previsto : en un momento") + si;
    const QString dentro = QStringLiteral("Fin previsto : dentro de ");
    if (segundos < 90) return dentro + QStringLiteral("unos %1 s").arg(static_cast<int>(segundos + 0.5)) + si;
    const int minutos = static_cast<int>(segundos / 60 + 0.5);
    if (minutos < 90) return dentro + QStringLiteral("unos %1 min").arg(minutos) + si;
    return dentro + QStringLiteral("unas %1 h").arg(QLocale(QLocale::Spanish).toString(segundos / 3600, 'f', 1)) + si;
}

void frmVentanaProceso::MostrarTiempo() { lblTiempo->setText(QStringLiteral("Tiempo : ") + Duracion(reloj_.elapsed())); }

void frmVentanaProceso::EjecutarReduccion() {
    Plataforma& plataforma = Plataforma::Activa();
    Detenido = false;
    Resultado = {};
    ++Ejecuciones;
    reloj_.start();
    Bloquear(true);
    prgProgreso->setValue(0);
    lblMejor->setText(QString());
    lblFinPrevisto->setText(QString());
    lblAviso->setStyleSheet(QStringLiteral("color:#1b2a6b; font-style:italic;"));
    lblAviso->setText(QString::fromUtf8(TextoAviso));
    MostrarTiempo();
    lblResultado->setText(QStringLiteral("Calculando ..."));
    lblFase->setText(QStringLiteral("Preparando el sistema ..."));
    plataforma.DoEvents();
    std::string fallo;
    try {
        // From a file the system is rebuilt from the imported bets and the filter flags.
        if (ModoImportado()) modReduccion::ReconstruirSistema(true);
        const auto parametros = modReduccion::ParametrosDesde(Reduccion);
        conCiclos_ = parametros.Ciclos;
        Resultado = modReduccion::ReducirSistema(parametros, &Detenido, [&](const ProgresoReduccion& p) {
            MostrarProgreso(p);
            plataforma.DoEvents();
        });
    } catch (const std::bad_alloc&) {
        fallo = "memoria insuficiente";
    } catch (const std::exception& e) {
        fallo = e.what();
    }
    if (!fallo.empty()) {
        Resultado = {};
        ApuestasReducidas.Erase();
    }
    const Long n = static_cast<Long>(Resultado.Apuestas.size());
    const double pares =
        vista_.lblEstrellasReducidasAUX ? LeerCuenta(vista_.lblEstrellasReducidasAUX->Caption().toStdString()) : 0;
    if (vista_.lblApuestasReducidas) vista_.lblApuestasReducidas->SetCaption(AyudaVentanas::Cuenta(n));
    if (vista_.lblTOTALReducidasAUX) vista_.lblTOTALReducidasAUX->SetCaption(AyudaVentanas::Cuenta(n * pares));

    prgProgreso->setValue(1000);
    MostrarTiempo();
    lblFinPrevisto->setText(QString());
    lblAviso->setText(QString());
    lblFase->setText(Resultado.Detenido ? QStringLiteral("Detenido : se conserva el mejor resultado encontrado")
                                        : QStringLiteral("Terminado"));
    lblApuestasElegidas->setText(QStringLiteral("Apuestas elegidas : ") + AyudaVentanas::Cuenta(n));
    lblCobertura->setText(QStringLiteral("Cobertura : ") + Porcentaje(Resultado.Cubiertos, Resultado.Escenarios));
    lblCiclo->setText(QStringLiteral("Ciclos completados : ") + AyudaVentanas::Cuenta(Resultado.Ciclos));
    if (n > 0)
        lblMejor->setText(QStringLiteral("Mejor resultado : %1, cobertura %2")
                              .arg(AyudaVentanas::Apuestas(n), Porcentaje(Resultado.Cubiertos, Resultado.Escenarios)));
    lblResultado->setText(
        n > 0 ? QStringLiteral("%1\n%2 %3 de %4 (%5)")
                    .arg(AyudaVentanas::Apuestas(n), n == 1 ? QStringLiteral("cubre") : QStringLiteral("cubren"),
                         AyudaVentanas::Cuenta(Resultado.Cubiertos),
                         AyudaVentanas::Cuenta(Resultado.Escenarios, QStringLiteral("combinación"),
                                               QStringLiteral("combinaciones")),
                         Porcentaje(Resultado.Cubiertos, Resultado.Escenarios))
              : QStringLiteral("No se ha obtenido ninguna apuesta"));
    Bloquear(false);
    if (!fallo.empty()) plataforma.MsgBox("ERROR: " + fallo, EstiloMensaje::Critico);
}

void frmVentanaProceso::imgRepetir_Click() {
    if (!Calculando) EjecutarReduccion();
}

void frmVentanaProceso::imgDetener_Click() { Detenido = true; }

void frmVentanaProceso::imgGarantias_Click() {
    if (Calculando || Resultado.Apuestas.empty()) return;
    vueltaDeGarantias_ = true;
    {
        frmGarantiasTOTAL garantias(vista_, this);
        Plataforma::Activa().MostrarModal(garantias);
    }
    vueltaDeGarantias_ = false;
}

void frmVentanaProceso::imgCalculoDefinitivo_Click() {
    if (Calculando) return;
    if (vista_.chkGuardarAutomaticamente) vista_.chkGuardarAutomaticamente->SetValue(1);
    Descargar(MotivoCierre::Codigo);
}

void frmVentanaProceso::imgVolver_Click() {
    if (!Calculando) Descargar(MotivoCierre::Codigo);
}
