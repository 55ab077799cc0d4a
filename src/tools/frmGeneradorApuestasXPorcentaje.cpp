#include "tools/frmGeneradorApuestasXPorcentaje.h"

#include <QFrame>
#include <QLabel>

#include "common/ValidarTecla.h"
#include "common/modEncriptarFichero.h"
#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"
#include "tools/modGeneradores.h"

using namespace modGeneral;
using namespace Herramientas;

namespace {
constexpr int AnchoVentana = 600, AltoVentana = 470;
constexpr int PasoX = 57, PasoY = 44;
}  // namespace

frmGeneradorApuestasXPorcentaje::frmGeneradorApuestasXPorcentaje(QWidget* padre)
    : VentanaGenerador(QStringLiteral("frmGeneradorApuestasXPorcentaje"),
                         QStringLiteral("Generador de apuestas aleatorias por porcentajes"), AnchoVentana, AltoVentana,
                         padre) {
    QFont negrita = font();
    negrita.setBold(true);
    lblTitulo = new QLabel(QStringLiteral("Porcentaje de cada número (0 a 100; en blanco, 0)"), this);
    lblTitulo->setGeometry(14, 10, 520, 20);
    lblTitulo->setFont(negrita);

    QFrame* marco =
        AyudaVentanas::CrearPanel(this, QStringLiteral("fraPorcentajes"), QRect(14, 32, 10 * PasoX + 12, 5 * PasoY + 10));
    QFont fuenteNumero = font();
    fuenteNumero.setBold(true);
    for (int i = 0; i < 50; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        const int x = 8 + (i % 10) * PasoX, y = 6 + (i / 10) * PasoY;
        auto* l = new QLabel(QString::number(i + 1), marco);
        l->setFont(fuenteNumero);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color:#c00000;"));
        l->setGeometry(x, y, 50, 16);
        lblNumeroPorcentaje[ii] = l;
        auto* caja = CajaNumerica(marco, 1, 3);
        caja->setObjectName(QStringLiteral("txtPorcentaje%1").arg(i));
        caja->setAlignment(Qt::AlignCenter);
        caja->setGeometry(x + 5, y + 16, 40, 22);
        txtPorcentaje[ii] = caja;
        connect(caja, &CajaTexto::textChanged, this, [this] { MostrarPosibles(); });
    }

    lblTituloEstrellas = new QLabel(QStringLiteral("Estrellas de todas las apuestas (marque 2)"), this);
    lblTituloEstrellas->setGeometry(14, 272, 400, 20);
    lblTituloEstrellas->setFont(negrita);
    QFrame* estrellas = AyudaVentanas::CrearPanel(this, QStringLiteral("fraEstrellas"), QRect(14, 294, 12 * 30 + 14, 36));
    RejillaNumeros::Opciones enFila;
    enFila.porLinea = 12;
    enFila.porColumnas = false;
    enFila.origen = {8, 7};
    enFila.celda = {27, 22};
    enFila.paso = {30, 0};
    enFila.puntos = 0;
    RejillaNumeros::Crear(estrellas, lblEstrella, enFila, [this](int i) { lblEstrella_Click(i); });
    CrearControlesGenerar(14, 344, QRect(274, 344, 300, 24), 14, 378, 420, QRect(206, 378, 320, 32));
    ColocarVolver(AnchoVentana - 48, AltoVentana - 48);
    // Enter generates. Tab runs the fifty boxes row by row, then the count; the stars keep to the
    // mouse.
    OrdenTabulacion({txtPorcentaje[0]});
    for (std::size_t i = 0; i + 1 < txtPorcentaje.size(); ++i) setTabOrder(txtPorcentaje[i], txtPorcentaje[i + 1]);
    setTabOrder(txtPorcentaje[49], txtApuestas);
    setTabOrder(txtApuestas, cmdGenerar);
    setTabOrder(cmdGenerar, imgVolver);
    MostrarPosibles();
}

std::vector<Byte> frmGeneradorApuestasXPorcentaje::NumerosConPorcentaje() const {
    std::vector<Byte> r;
    for (int i = 0; i < 50; ++i)
        if (txtPorcentaje[static_cast<std::size_t>(i)]->Text().trimmed().toInt() > 0) r.push_back(static_cast<Byte>(i + 1));
    return r;
}

Long frmGeneradorApuestasXPorcentaje::ApuestasPosibles() const {
    return CLng(NumeroCombinaciones(static_cast<int>(NumerosConPorcentaje().size()), 5));
}

void frmGeneradorApuestasXPorcentaje::lblEstrella_Click(int index) {
    if (Ocupado || index < 0 || index >= 12) return;
    if (!RejillaNumeros::AlternarEtiqueta(lblEstrella, index, 2)) Plataforma::Activa().Beep();
}

void frmGeneradorApuestasXPorcentaje::cmdGenerar_Click() {
    if (Ocupado) return;
    Plataforma& p = Plataforma::Activa();
    int porcentajes[51] = {};
    for (int i = 0; i < 50; ++i) {
        const QString t = txtPorcentaje[static_cast<std::size_t>(i)]->Text().trimmed();
        bool ok = true;
        const int v = t.isEmpty() ? 0 : t.toInt(&ok);
        if (!ok || v < 0 || v > 100) {
            p.MsgBox("AVISO: EL PORCENTAJE DEL NUMERO " + std::to_string(i + 1) + " HA DE ESTAR ENTRE 0 Y 100",
                     EstiloMensaje::Exclamacion);
            txtPorcentaje[static_cast<std::size_t>(i)]->setFocus();
            return;
        }
        porcentajes[i + 1] = v;
    }
    const std::vector<Byte> numeros = NumerosConPorcentaje();
    if (numeros.size() < 5) {
        p.MsgBox("AVISO: CON ESTOS PORCENTAJES NO SE PUEDE FORMAR NINGUNA APUESTA: DEBE DAR UN PORCENTAJE "
                 "MAYOR QUE 0 A MINIMO 5 NUMEROS",
                 EstiloMensaje::Exclamacion);
        return;
    }
    const std::vector<Byte> estrellas = RejillaNumeros::ValoresMarcados(lblEstrella);
    if (!DosEstrellas(estrellas)) return;
    const Long cuantas = ApuestasPedidas(txtApuestas->Text(), ApuestasPosibles(), numeros.size());
    if (cuantas == 0) return;
    if (PedirFicheroEUR(std::string()).empty()) return;
    auto generar = [&] {
        return modGeneradores::GenerarApuestasPorPorcentaje(porcentajes, estrellas[0], estrellas[1], cuantas,
                                                            [&p] { return p.Rnd(); }, [&p] { p.DoEvents(); });
    };
    const Long hechas = Generar(numeros, estrellas, cuantas, generar);
    if (hechas < cuantas)
        // Percentages so uneven that the last bets would take too long to find.
        p.MsgBox("AVISO: CON ESTOS PORCENTAJES SOLO SE HAN PODIDO GENERAR " +
                     AyudaVentanas::Cuenta(hechas, QStringLiteral("APUESTA DIFERENTE"), QStringLiteral("APUESTAS DIFERENTES"))
                         .toStdString() +
                     "; PIDA MENOS APUESTAS O REPARTA MEJOR LOS PORCENTAJES. NO SE HA GUARDADO "
                     "EL FICHERO",
                 EstiloMensaje::Exclamacion);
}
