#include "filters/VentanaFiltro.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <memory>

#include "common/ValidarTecla.h"
#include "filters/frmAciertos.h"
#include "platform/Plataforma.h"

// The pictures of the filter windows live in the static library: register them once.
void RegistrarRecursosFiltros() {
    static const bool hecho = [] {
        Q_INIT_RESOURCE(filtros);
        return true;
    }();
    (void)hecho;
}

using namespace modGeneral;

const QString VentanaFiltro::ImagenActiva = QStringLiteral(":/filtros/activo.svg");
const QString VentanaFiltro::ImagenInactiva = QStringLiteral(":/filtros/inactivo.svg");
const QString VentanaFiltro::ImagenVolver = QStringLiteral(":/iconos/volver.svg");

namespace {
const QString Si = QStringLiteral("Sí");
const QString No = QStringLiteral("No");
}  // namespace

VentanaFiltro::VentanaFiltro(ListaTexto& lstFiltros, int fila, const QString& caption, QWidget* padre)
    : Ventana(padre), lst_(lstFiltros), fila_(fila) {
    RegistrarRecursosFiltros();
    setWindowTitle(caption);

    for (int i = 0; i < 2; ++i) {
        imgTEMP[static_cast<std::size_t>(i)] = new QLabel(this);
        imgTEMP[static_cast<std::size_t>(i)]->setPixmap(QPixmap(i == 0 ? ImagenActiva : ImagenInactiva));
        imgTEMP[static_cast<std::size_t>(i)]->hide();
        ShapeBorde[static_cast<std::size_t>(i)] = new Forma(this);
    }
    imgActivar = new BotonImagen(QString(), this);
    imgActivar->setObjectName(QStringLiteral("imgActivar"));
    imgActivar->setScaledContents(true);
    imgActivar->setToolTip(QStringLiteral("Activar/Desactivar condición"));
    imgActivar->installEventFilter(this);
    imgActivar->setMouseTracking(true);
    imgVolver = new BotonImagen(ImagenVolver, this);
    imgVolver->setObjectName(QStringLiteral("imgVolver"));
    imgVolver->setScaledContents(true);
    imgVolver->setToolTip(QStringLiteral("Cerrar condición"));
    imgVolver->installEventFilter(this);
    imgVolver->setMouseTracking(true);
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
    // Each border lies on its image's edge.
    ShapeBorde[1]->Enmarcar(imgActivar);
    ShapeBorde[0]->Enmarcar(imgVolver);
}

bool VentanaFiltro::FiltroActivo() const { return lst_.List(fila_).startsWith(Si); }

void VentanaFiltro::MostrarImagenActivar(bool activa) {
    muestraActiva_ = activa;
    imgActivar->setPixmap(imgTEMP[activa ? 0 : 1]->pixmap());
}

void VentanaFiltro::ActivarFiltro() {
    QString t = lst_.List(fila_);
    t.replace(No, Si, Qt::CaseSensitive);
    lst_.SetList(fila_, t);
    MostrarImagenActivar(true);
}

void VentanaFiltro::imgActivar_Click() {
    QString t = lst_.List(fila_);
    if (t.startsWith(Si)) {
        t.replace(Si, No, Qt::CaseSensitive);
        lst_.SetList(fila_, t);
        MostrarImagenActivar(false);
    } else {
        t.replace(No, Si, Qt::CaseSensitive);
        lst_.SetList(fila_, t);
        MostrarImagenActivar(true);
    }
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

void VentanaFiltro::imgVolver_MouseMove() { ShapeBorde[0]->show(); }
void VentanaFiltro::imgActivar_MouseMove() { ShapeBorde[1]->show(); }

void VentanaFiltro::Form_MouseMove() {
    ShapeBorde[0]->hide();
    ShapeBorde[1]->hide();
}

bool VentanaFiltro::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove) {
        if (objeto == imgVolver) imgVolver_MouseMove();
        else if (objeto == imgActivar) imgActivar_MouseMove();
    }
    return Ventana::eventFilter(objeto, e);
}

void VentanaFiltro::mouseMoveEvent(QMouseEvent* e) {
    // Only bare background hides the borders: a border stays while the mouse crosses other
    // controls.
    if (childAt(e->position().toPoint()) == nullptr) Ventana::mouseMoveEvent(e);
    else QDialog::mouseMoveEvent(e);
}

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
