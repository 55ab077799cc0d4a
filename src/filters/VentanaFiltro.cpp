#include "filters/VentanaFiltro.h"

#include <QLineEdit>
#include <QPixmap>
#include <memory>

#include "common/ValidarTecla.h"
#include "filters/frmAciertos.h"
#include "kit/AyudaVentanas.h"
#include "platform/Plataforma.h"

using namespace modGeneral;

const QString VentanaFiltro::ImagenActiva = QStringLiteral(":/filtros/activo.svg");
const QString VentanaFiltro::ImagenInactiva = QStringLiteral(":/filtros/inactivo.svg");
const QString VentanaFiltro::ImagenVolver = QStringLiteral(":/iconos/volver.svg");

VentanaFiltro::VentanaFiltro(ListaTexto& lstFiltros, int fila, const QString& caption, QWidget* padre)
    : Ventana(padre), lst_(lstFiltros), fila_(fila) {
    setWindowTitle(caption);

    for (int i = 0; i < 2; ++i) {
        imgTEMP[static_cast<std::size_t>(i)] = new QLabel(this);
        imgTEMP[static_cast<std::size_t>(i)]->setPixmap(QPixmap(i == 0 ? ImagenActiva : ImagenInactiva));
        imgTEMP[static_cast<std::size_t>(i)]->hide();
    }
    imgActivar = new BotonImagen(QString(), this);
    imgActivar->setObjectName(QStringLiteral("imgActivar"));
    imgActivar->setScaledContents(true);
    imgActivar->setToolTip(QStringLiteral("Activar/Desactivar condición"));
    imgVolver = new BotonImagen(ImagenVolver, this);
    imgVolver->setObjectName(QStringLiteral("imgVolver"));
    imgVolver->setScaledContents(true);
    imgVolver->setToolTip(QStringLiteral("Cerrar condición"));
    // Each border lies on its image's edge and stays up until the mouse reaches bare window.
    ShapeBorde[0] = Forma::Enmarcar(imgVolver, Forma::Retirada::HastaElFondo);
    ShapeBorde[1] = Forma::Enmarcar(imgActivar, Forma::Retirada::HastaElFondo);
    MostrarImagenActivar(false);
    ColocarMarco(10, 10);

    connect(imgActivar, &BotonImagen::Click, this, [this] { imgActivar_Click(); });
    connect(imgVolver, &BotonImagen::Click, this, [this] { imgVolver_Click(); });
    // Enter closes as imgVolver does, with the window's checks; Esc goes the close box's way.
    PonerAccionPredeterminada(imgVolver);
}

void VentanaFiltro::ColocarMarco(int x, int y) {
    // imgActivar is wider than tall (a switch): 48x32; imgVolver 32x32 to its right.
    imgActivar->setGeometry(x, y, 48, 32);
    imgVolver->setGeometry(x + 56, y, 32, 32);
}

bool VentanaFiltro::FiltroActivo() const { return AyudaVentanas::FilaActiva(&lst_, fila_); }

void VentanaFiltro::MostrarImagenActivar(bool activa) {
    muestraActiva_ = activa;
    imgActivar->setPixmap(imgTEMP[activa ? 0 : 1]->pixmap());
}

void VentanaFiltro::ActivarFiltro() {
    AyudaVentanas::ActivarFila(&lst_, fila_);
    MostrarImagenActivar(true);
}

void VentanaFiltro::imgActivar_Click() {
    AyudaVentanas::AlternarFila(&lst_, fila_);
    MostrarImagenActivar(FiltroActivo());
}

void VentanaFiltro::imgVolver_Click() { Descargar(MotivoCierre::Codigo); }

void VentanaFiltro::Form_Load() {
    CargarControles();
    MostrarImagenActivar(FiltroActivo());
}

void VentanaFiltro::Form_QueryUnload(bool& cancelar, MotivoCierre motivo) {
    if (motivo == MotivoCierre::Usuario && !AdmiteCierreUsuario()) cancelar = true;
}

void VentanaFiltro::RechazarCierre(const std::string& mensaje, bool& cancelar) {
    Plataforma::Activa().MsgBox(mensaje, EstiloMensaje::Critico);
    cancelar = true;
}

bool VentanaFiltro::TeclaDeLaVentana(int tecla) { return tecla == CodigoIntro || tecla == CodigoEscape; }

// ---- hit-count exchange ----

namespace {
// Steps shared by both forms: entries -> AciertosSeleccion, the dialog, back into entries and
// the text box.
void Intercambiar(Byte* const (&entradas)[6], QLineEdit* caja, int minimo, int maximo,
                  bool ocultarCero, QWidget* padre) {
    for (int i = 0; i <= 5; ++i) AciertosSeleccion(i) = *entradas[i] == 1 ? 1 : 0;
    auto dialogo = std::make_unique<frmAciertos>(padre);
    dialogo->AciertoMinimo = minimo;
    dialogo->AciertoMaximo = maximo;
    if (ocultarCero) dialogo->lblAciertos[0]->setVisible(false);
    // Beside the box it fills, so that the box stays in sight.
    dialogo->ColocarJuntoA(caja);
    Plataforma::Activa().MostrarModal(*dialogo);
    dialogo.reset();
    QString texto;
    for (int i = 0; i <= 5; ++i) {
        if (AciertosSeleccion(i) == 1) {
            *entradas[i] = 1;
            texto += QString::number(i) + QLatin1Char(',');
        } else {
            *entradas[i] = 0;
        }
    }
    if (!texto.isEmpty()) texto.chop(1);
    if (caja) caja->setText(texto);
}
}  // namespace

void VentanaFiltro::DialogoAciertos(TablaConteos& tabla, QLineEdit* caja, int minimo, int maximo,
                                    bool ocultarCero) {
    Byte* const entradas[6] = {&tabla.v[0], &tabla.v[1], &tabla.v[2], &tabla.v[3], &tabla.v[4], &tabla.v[5]};
    Intercambiar(entradas, caja, minimo, maximo, ocultarCero, this);
    ActivarFiltro();
}

void VentanaFiltro::DialogoAciertos(Tabla<Byte>& tabla, long fila, QLineEdit* caja, int minimo,
                                    int maximo, bool ocultarCero) {
    Byte* const entradas[6] = {&tabla(fila, 0), &tabla(fila, 1), &tabla(fila, 2),
                               &tabla(fila, 3), &tabla(fila, 4), &tabla(fila, 5)};
    Intercambiar(entradas, caja, minimo, maximo, ocultarCero, this);
    ActivarFiltro();
}

QString VentanaFiltro::TextoAciertos(const TablaConteos& tabla) {
    QString texto;
    for (int c = 0; c <= 5; ++c)
        if (tabla(c) == 1) texto += QString::number(c) + QLatin1Char(',');
    if (!texto.isEmpty()) texto.chop(1);
    return texto;
}

QString VentanaFiltro::TextoAciertos(const Tabla<Byte>& tabla, long fila) {
    TablaConteos t;
    for (int c = 0; c <= 5; ++c) t(c) = tabla(fila, c);
    return TextoAciertos(t);
}

// ---- text boxes and check boxes ----

bool LeerEnteroCaja(const QString& texto, long& valor, long minimo, long maximo) {
    const QString t = texto.trimmed();
    if (t.isEmpty() || t.size() > 12) return false;
    qsizetype i = 0;
    const bool negativo = t[0] == QLatin1Char('-');
    if (negativo) i = 1;
    if (i >= t.size()) return false;
    long long v = 0;
    for (; i < t.size(); ++i) {
        const QChar ch = t[i];
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return false;
        v = v * 10 + (ch.unicode() - '0');
    }
    if (negativo) v = -v;
    if (v > maximo || v < minimo) return false;
    valor = static_cast<long>(v);
    return true;
}

void PonerTextoCaja(QLineEdit* caja, const QString& texto) {
    // QLineEdit cuts a text set from code at its limit; a limit bounds typing only.
    if (texto.size() > caja->maxLength()) caja->setMaxLength(static_cast<int>(texto.size()));
    caja->setText(texto);
}

Byte ValorCasilla(const Casilla* casilla, Byte cargado) {
    if (!casilla->isChecked()) return 0;
    return cargado != 0 ? cargado : 1;
}
