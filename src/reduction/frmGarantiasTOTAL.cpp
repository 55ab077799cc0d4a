#include "reduction/frmGarantiasTOTAL.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTableWidget>
#include <algorithm>
#include <exception>
#include <new>
#include <stdexcept>
#include <vector>

#include "common/modGeneral.h"
#include "platform/Plataforma.h"
#include "kit/AyudaVentanas.h"
#include "common/modInformeTexto.h"

using namespace modGeneral;
using modGarantias::ResultadoNivel;
using modGarantias::SistemaEscenarios;

namespace {
constexpr int ColumnaEscenarios = 1;
constexpr int ColumnaGarantia = 2;
// Column of the share of scenarios with at least h hits (h = 5..1).
int ColumnaAciertos(int h) { return 3 + (5 - h); }

QString Porcentaje(double v) { return QLocale(QLocale::Spanish).toString(v, 'f', 2) + QStringLiteral(" %"); }

QTableWidgetItem* Celda(const QString& texto, Qt::Alignment alineacion = Qt::AlignRight | Qt::AlignVCenter) {
    auto* c = new QTableWidgetItem(texto);
    c->setTextAlignment(alineacion);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return c;
}
}  // namespace

frmGarantiasTOTAL::frmGarantiasTOTAL(const VistaPrincipal& vista, QWidget* padre) : Ventana(padre), vista_(vista) {
    setObjectName(QStringLiteral("frmGarantiasTOTAL"));
    setWindowTitle(QStringLiteral("Garantías y porcentajes"));
    setFixedSize(720, 458);

    lblBase = new QLabel(this);
    lblBase->setGeometry(16, 6, 690, 36);
    lblBase->setWordWrap(true);
    lblBase->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblBase->setStyleSheet(QStringLiteral("font-weight:bold; color:#1b2a6b;"));
    lblApuestas = new QLabel(this);
    lblApuestas->setGeometry(16, 50, 690, 20);

    fraSistema = new QGroupBox(QStringLiteral("Escenarios: las combinaciones del sistema"), this);
    fraSistema->setGeometry(16, 76, 688, 54);
    const char* const nombres[3] = {"Total", "Condicionado", "Importado"};
    for (int i = 0; i < 3; ++i) {
        optSistema[static_cast<std::size_t>(i)] = new Opcion(QString::fromUtf8(nombres[i]), fraSistema);
        optSistema[static_cast<std::size_t>(i)]->setGeometry(12 + i * 225, 22, 218, 24);
    }

    auto* rotuloTabla = new QLabel(
        QStringLiteral("Porcentaje de escenarios en que la mejor apuesta tiene al menos estos aciertos :"), this);
    rotuloTabla->setGeometry(16, 138, 690, 20);
    grdGarantias = new QTableWidget(5, 8, this);
    grdGarantias->setGeometry(16, 160, 688, 180);
    grdGarantias->setHorizontalHeaderLabels({QStringLiteral("Nivel"), QStringLiteral("Escenarios"),
                                             QStringLiteral("Garantía"), QStringLiteral("5"), QStringLiteral("4"),
                                             QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")});
    grdGarantias->verticalHeader()->hide();
    grdGarantias->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdGarantias->setSelectionMode(QAbstractItemView::SingleSelection);
    grdGarantias->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdGarantias->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdGarantias->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdGarantias->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
    const int anchos[8] = {62, 104, 80, 86, 86, 86, 86, 86};
    for (int c = 0; c < 8; ++c) grdGarantias->setColumnWidth(c, anchos[c]);
    for (int r = 0; r < 5; ++r) {
        grdGarantias->setRowHeight(r, 30);
        const int k = 5 - r;
        grdGarantias->setItem(r, 0, Celda(QStringLiteral("si %1").arg(k), Qt::AlignCenter));
        for (int c = 1; c < 8; ++c) grdGarantias->setItem(r, c, Celda(QString()));
    }
    grdGarantias->setToolTip(QStringLiteral("si k : k de los números sorteados están en la base. "
                                            "Doble clic: ver el informe del nivel"));

    prgProgreso = new QProgressBar(this);
    prgProgreso->setGeometry(16, 356, 688, 20);
    prgProgreso->setRange(0, 1000);
    prgProgreso->setTextVisible(false);
    lblEstado = new QLabel(this);
    lblEstado->setGeometry(16, 378, 688, 20);

    cmdCalcular = new Boton(QStringLiteral("Calcular"), this);
    cmdCalcular->setGeometry(16, 410, 110, 32);
    cmdDetener = new Boton(QStringLiteral("Detener"), this);
    cmdDetener->setGeometry(136, 410, 110, 32);
    cmdInforme = new Boton(QStringLiteral("Ver informe"), this);
    cmdInforme->setGeometry(256, 410, 110, 32);
    imgVolver = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/iconos/volver.svg"), QStringLiteral("Cerrar"),
                                                672, 410);

    connect(cmdCalcular, &Boton::Click, this, [this] { cmdCalcular_Click(); });
    connect(cmdDetener, &Boton::Click, this, [this] { cmdDetener_Click(); });
    connect(cmdInforme, &Boton::Click, this, [this] { cmdInforme_Click(); });
    connect(grdGarantias, &QTableWidget::cellDoubleClicked, this, [this](int, int) { cmdInforme_Click(); });
    connect(imgVolver, &BotonImagen::Click, this, [this] { imgVolver_Click(); });
    // Enter closes as imgVolver does (not while it calculates); a focused button takes Enter.
    PonerAccionPredeterminada(imgVolver);
    OrdenTabulacion({optSistema[0], optSistema[1], optSistema[2], grdGarantias, cmdCalcular, cmdDetener, cmdInforme,
                     imgVolver});
}

void frmGarantiasTOTAL::Form_Load() {
    numeroApuestas_ = vista_.lblApuestasReducidas ? CLng(LeerCuenta(vista_.lblApuestasReducidas->Caption().toStdString())) : 0;
    totalApuestas_ = vista_.lblTOTALReducidasAUX ? CLng(LeerCuenta(vista_.lblTOTALReducidasAUX->Caption().toStdString())) : 0;
    const int N = TamanoBase();
    QString base = QStringLiteral("Base : %1 números  ").arg(N);
    for (int p = 1; p <= N && p <= CombinacionBase.UBound(); ++p)
        base += QStringLiteral(" %1").arg(CombinacionBase(p), 2, 10, QLatin1Char('0'));
    lblBase->setText(base);
    lblApuestas->setText(QStringLiteral("Apuestas : %1   (con estrellas : %2)")
                             .arg(AyudaVentanas::Cuenta(numeroApuestas_), AyudaVentanas::Cuenta(totalApuestas_)));

    const bool hayCondicionado = !ApuestasCondicionadas.Vacia() && ApuestasCondicionadas.UBound1() >= 1;
    const bool hayImportado = TotalImportadas > 0 && !ApuestasImportadas.Vacia();
    optSistema[0]->setText(QStringLiteral("Total (%1)").arg(AyudaVentanas::Cuenta(NumeroCombinaciones(N, 5))));
    optSistema[1]->setText(QStringLiteral("Condicionado (%1)")
                               .arg(AyudaVentanas::Cuenta(hayCondicionado ? ApuestasCondicionadas.UBound1() : 0)));
    optSistema[2]->setText(QStringLiteral("Importado (%1)").arg(AyudaVentanas::Cuenta(hayImportado ? TotalImportadas : 0)));
    optSistema[1]->setEnabled(hayCondicionado);
    optSistema[2]->setEnabled(hayImportado);
    // The bets were reduced to cover the conditioned system: that is the first thing to check.
    optSistema[hayCondicionado ? 1 : (hayImportado ? 2 : 0)]->setChecked(true);
    Bloquear(false);
}

int frmGarantiasTOTAL::TamanoBase() {
    // The base the bets were made on. A later calculation refused for too few numbers leaves
    // its count in TotalNumerosBase but not its base.
    if (CombinacionBase.LBound() == 1 && CombinacionBase.UBound() >= 5 && CombinacionBase.UBound() <= 50)
        return static_cast<int>(CombinacionBase.UBound());
    return TotalNumerosBase;
}

void frmGarantiasTOTAL::Form_Activate() {
    if (calculado_) return;
    calculado_ = true;
    CalcularGarantias();
}

void frmGarantiasTOTAL::Form_QueryUnload(bool& cancelar, MotivoCierre motivo) {
    // Stop first: the tables are in use while it runs.
    if (Calculando && motivo == MotivoCierre::Usuario) cancelar = true;
}

SistemaEscenarios frmGarantiasTOTAL::SistemaElegido() const {
    if (optSistema[1]->isChecked()) return SistemaEscenarios::Condicionado;
    if (optSistema[2]->isChecked()) return SistemaEscenarios::Importado;
    return SistemaEscenarios::Total;
}

void frmGarantiasTOTAL::Bloquear(bool calculando) {
    Calculando = calculando;
    cmdCalcular->setEnabled(!calculando);
    cmdInforme->setEnabled(!calculando);
    cmdDetener->setEnabled(calculando);
    imgVolver->setEnabled(!calculando);
    fraSistema->setEnabled(!calculando);
}

void frmGarantiasTOTAL::cmdCalcular_Click() {
    if (!Calculando) CalcularGarantias();
}

void frmGarantiasTOTAL::cmdDetener_Click() { Detenido = true; }

void frmGarantiasTOTAL::imgVolver_Click() {
    if (!Calculando) Descargar(MotivoCierre::Codigo);
}

void frmGarantiasTOTAL::cmdInforme_Click() {
    const int fila = std::max(grdGarantias->currentRow(), 0);
    const int k = 5 - fila;
    Plataforma& p = Plataforma::Activa();
    if (Resultados[static_cast<std::size_t>(k)].nivel != k || !Resultados[static_cast<std::size_t>(k)].completo) {
        p.MsgBox("AVISO: EL NIVEL si " + std::to_string(k) + " NO SE HA CALCULADO", EstiloMensaje::Exclamacion);
        return;
    }
    modInformeTexto::MostrarInforme(modInformeTexto::RutaInforme(p.CarpetaPrograma(), modGarantias::NombreInforme(k)));
}

void frmGarantiasTOTAL::MostrarNivel(const ResultadoNivel& r) {
    const int fila = FilaDeNivel(r.nivel);
    auto poner = [&](int c, const QString& t, bool lleno = false, bool negrita = false) {
        QTableWidgetItem* i = grdGarantias->item(fila, c);
        i->setText(t);
        i->setBackground(lleno ? QBrush(QColor(0xDD, 0xF2, 0xDD)) : QBrush());
        QFont f = grdGarantias->font();
        f.setBold(negrita);
        i->setFont(f);
    };
    const QString parcial = r.completo ? QString() : QStringLiteral(" *");
    poner(ColumnaEscenarios, AyudaVentanas::Cuenta(r.escenarios) + parcial);
    poner(ColumnaGarantia, r.garantia >= 0 ? QStringLiteral("%1 acierto%2").arg(r.garantia).arg(r.garantia == 1 ? "" : "s")
                                     : QStringLiteral("-"), false,
          true);
    for (int h = 5; h >= 1; --h) {
        if (h > r.nivel || r.escenarios == 0) {
            poner(ColumnaAciertos(h), QStringLiteral("-"));
            continue;
        }
        const double v = r.PorcentajeAlMenos(h);
        poner(ColumnaAciertos(h), Porcentaje(v), r.completo && r.porAciertos[0] == 0 && h <= r.garantia);
    }
}

void frmGarantiasTOTAL::CalcularGarantias() {
    Plataforma& plataforma = Plataforma::Activa();
    Detenido = false;
    Bloquear(true);
    for (auto& r : Resultados) r = ResultadoNivel{};
    for (int fila = 0; fila < 5; ++fila)
        for (int c = 1; c < 8; ++c) grdGarantias->item(fila, c)->setText(QString());
    prgProgreso->setValue(0);

    const int N = TamanoBase();
    // The generator reads the base size from the shared state; it is put back afterwards.
    const Integer tamanoAnterior = TotalNumerosBase;
    TotalNumerosBase = static_cast<Integer>(N);
    struct Restaurar {
        Integer valor;
        ~Restaurar() { TotalNumerosBase = valor; }
    } restaurar{tamanoAnterior};
    const SistemaEscenarios sistema = SistemaElegido();
    const std::string fecha = modInformeTexto::FechaHoraInforme();
    std::string errorInforme;
    try {
        if (N < 5 || N > 50 || CombinacionBase.UBound() < N) throw std::runtime_error("no hay combinación base");
        const auto posiciones = modGarantias::PosicionesDeBase(CombinacionBase, N);
        const auto apuestas = modGarantias::MascarasApuestas(ApuestasReducidas, 1, numeroApuestas_, posiciones);
        std::vector<modGarantias::Mascara> combinaciones;
        if (sistema == SistemaEscenarios::Condicionado)
            combinaciones = modGarantias::MascarasCombinaciones(ApuestasCondicionadas, 1, ApuestasCondicionadas.UBound1(), N);
        else if (sistema == SistemaEscenarios::Importado)
            combinaciones = modGarantias::MascarasApuestas(ApuestasImportadas, 1, TotalImportadas, posiciones);

        modGarantias::DatosInforme datos;
        datos.sistema = sistema;
        for (int p = 1; p <= N; ++p) datos.base.push_back(CombinacionBase(p));
        datos.apuestas = static_cast<Long>(apuestas.size());
        datos.apuestasTotales = totalApuestas_;
        datos.fecha = fecha;

        for (int k = 5; k >= 1 && !Detenido; --k) {
            lblEstado->setText(QStringLiteral("Nivel si %1 : preparando %2 ...")
                                   .arg(k)
                                   .arg(AyudaVentanas::Cuenta(NumeroCombinaciones(N, k), QStringLiteral("escenario"),
                                                              QStringLiteral("escenarios"))));
            plataforma.DoEvents();
            GenerarCombinaciones(k, 5);
            if (Detenido) {
                TodasCombinaciones.Erase();
                break;
            }
            const int hechosNiveles = 5 - k;
            auto avance = [&](const modGarantias::Avance& a) {
                double fraccion = a.total > 0 ? static_cast<double>(a.hechos) / static_cast<double>(a.total) : 1;
                // Bets and system first (a tenth each), then the scenarios.
                if (a.fase == modGarantias::Avance::Fase::Apuestas) fraccion *= 0.1;
                else if (a.fase == modGarantias::Avance::Fase::Sistema) fraccion = 0.1 + 0.1 * fraccion;
                else fraccion = 0.2 + 0.8 * fraccion;
                prgProgreso->setValue(static_cast<int>((hechosNiveles + fraccion) / 5.0 * 1000.0));
                if (a.fase == modGarantias::Avance::Fase::Escenarios)
                    lblEstado->setText(QStringLiteral("Nivel si %1 : %2 de %3 ...")
                                           .arg(k)
                                           .arg(AyudaVentanas::Cuenta(a.hechos),
                                                AyudaVentanas::Cuenta(a.total, QStringLiteral("escenario"),
                                                                      QStringLiteral("escenarios"))));
                plataforma.DoEvents();
            };
            const ResultadoNivel r = modGarantias::CalcularNivel(
                k, N, apuestas, sistema == SistemaEscenarios::Total ? nullptr : &combinaciones, TodasCombinaciones,
                avance, &Detenido);
            TodasCombinaciones.Erase();
            Resultados[static_cast<std::size_t>(k)] = r;
            MostrarNivel(r);
            if (!r.completo) break;
            const std::string ruta =
                modInformeTexto::RutaInforme(plataforma.CarpetaPrograma(), modGarantias::NombreInforme(k));
            std::string error;
            if (!modInformeTexto::EscribirInforme(ruta, modGarantias::TextoInforme(r, datos), error) &&
                errorInforme.empty())
                errorInforme = error;
        }
    } catch (const std::bad_alloc&) {
        TodasCombinaciones.Erase();
        Bloquear(false);
        lblEstado->setText(QString());
        plataforma.MsgBox("ERROR: memoria insuficiente", EstiloMensaje::Critico);
        return;
    } catch (const std::exception& e) {
        TodasCombinaciones.Erase();
        Bloquear(false);
        lblEstado->setText(QString());
        plataforma.MsgBox(std::string("ERROR: ") + e.what(), EstiloMensaje::Critico);
        return;
    }
    Bloquear(false);
    if (Detenido) {
        lblEstado->setText(QStringLiteral("Cálculo detenido (* resultados parciales)"));
    } else {
        prgProgreso->setValue(1000);
        lblEstado->setText(QStringLiteral("Cálculo terminado. Informes TORNAVENTURA_GARANTIAS_si1 .. si5 en la carpeta del programa"));
    }
    if (!errorInforme.empty())
        plataforma.MsgBox("ERROR AL GENERAR EL INFORME (" + errorInforme + ")", EstiloMensaje::Critico);
}
