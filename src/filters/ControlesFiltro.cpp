#include "filters/ControlesFiltro.h"

#include <QLabel>
#include <QLineEdit>

#include "filters/VentanaFiltro.h"
#include "kit/AyudaVentanas.h"

using namespace modGeneral;

QLabel* CrearTitulo(QWidget* ventana, const QString& texto, int x, int y, int ancho) {
    auto* l = new QLabel(texto, ventana);
    l->setStyleSheet(QStringLiteral("QLabel{font-weight:bold;color:#1b2a6b;}"));
    l->setGeometry(x, y, ancho, AltoFilaFiltro);
    return l;
}

void CrearFilaAciertos(QWidget* ventana, int x, int y, int anchoEtiqueta, const QString& caption,
                       QLabel*& etiqueta, QLineEdit*& caja, Boton*& boton) {
    etiqueta = new QLabel(caption, ventana);
    etiqueta->setGeometry(x, y, anchoEtiqueta, AltoFilaFiltro);
    caja = new QLineEdit(ventana);
    caja->setReadOnly(true);
    caja->setFocusPolicy(Qt::NoFocus);
    caja->setGeometry(x + anchoEtiqueta, y, 108, AltoFilaFiltro);
    boton = new Boton(QStringLiteral("M"), ventana);
    boton->setGeometry(x + anchoEtiqueta + 114, y, 30, AltoFilaFiltro);
}

int FinFilaAciertos(int x, int anchoEtiqueta) { return x + anchoEtiqueta + 144; }

int CrearFilasFiguras(QWidget* ventana, int x, int y, std::array<QLabel*, 7>& Label3,
                      std::array<QLabel*, 8>& lblTipoFigura, std::array<Casilla*, 8>& chkFigura) {
    for (int i = 1; i <= 7; ++i) {
        const int fy = y + (i - 1) * PasoFilaFiltro;
        Label3[static_cast<std::size_t>(i - 1)] = new QLabel(QStringLiteral("%1.").arg(i), ventana);
        Label3[static_cast<std::size_t>(i - 1)]->setGeometry(x, fy, 22, AltoFilaFiltro);
        lblTipoFigura[static_cast<std::size_t>(i)] = new QLabel(QString::fromUtf8(NombresFiguras[i]), ventana);
        lblTipoFigura[static_cast<std::size_t>(i)]->setGeometry(x + 24, fy, 80, AltoFilaFiltro);
        chkFigura[static_cast<std::size_t>(i)] = new Casilla(QString(), ventana);
        chkFigura[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("chkFigura%1").arg(i));
        chkFigura[static_cast<std::size_t>(i)]->setGeometry(x + 108, fy, 22, AltoFilaFiltro);
    }
    return y + 7 * PasoFilaFiltro;
}

void CargarFiguras(const TablaFiguras& tabla, const std::array<Casilla*, 8>& chkFigura,
                   std::array<Byte, 8>& cargado) {
    cargado.fill(0);
    for (int i = 1; i <= 7; ++i) {
        cargado[static_cast<std::size_t>(i)] = tabla(i);
        chkFigura[static_cast<std::size_t>(i)]->SetValue(tabla(i) != 0 ? 1 : 0);
    }
}

void GuardarFiguras(TablaFiguras& tabla, const std::array<Casilla*, 8>& chkFigura,
                    const std::array<Byte, 8>& cargado) {
    for (int i = 1; i <= 7; ++i)
        tabla(i) = ValorCasilla(chkFigura[static_cast<std::size_t>(i)], cargado[static_cast<std::size_t>(i)]);
}

RejillaNumeros::Etiquetas CrearRejillaFiltro(QWidget* ventana, int x, int y, const QString& nombre,
                                             std::function<void(int)> alClic) {
    QFrame* panel = AyudaVentanas::CrearPanel(ventana, nombre + QStringLiteral("_marco"),
                                              QRect(x, y, AnchoRejillaFiltro, AltoRejillaFiltro));
    RejillaNumeros::Etiquetas r{};
    RejillaNumeros::Crear(panel, r, {.nombre = nombre, .habilitadas = false}, std::move(alClic));
    return r;
}

void PrepararRejillasFiltro(std::initializer_list<const RejillaNumeros::Etiquetas*> rejillas,
                            const RejillaNumeros::Etiquetas& base) {
    for (std::size_t i = 0; i < 50; ++i) {
        const bool enBase = base[i] && RejillaNumeros::EtiquetaMarcada(base[i]);
        for (const RejillaNumeros::Etiquetas* r : rejillas) {
            (*r)[i]->SetCaption(QString::number(i + 1));
            if (enBase) RejillaNumeros::Habilitar((*r)[i], true);
        }
    }
}

void MostrarFilaRejilla(const RejillaNumeros::Etiquetas& rejilla, Tabla<Byte>& tabla, long fila) {
    for (int n = 1; n <= 50; ++n) {
        Etiqueta* l = rejilla[static_cast<std::size_t>(n - 1)];
        if (tabla(fila, n) == 1 && l->isEnabled()) {
            RejillaNumeros::MarcarEtiqueta(l);
        } else {
            tabla(fila, n) = 0;
            RejillaNumeros::LiberarEtiqueta(l);
        }
    }
}

bool AlternarFilaRejilla(const RejillaNumeros::Etiquetas& rejilla, int i, Tabla<Byte>& tabla, long fila) {
    if (!RejillaNumeros::AlternarEtiqueta(rejilla, i)) return false;
    for (int n = 1; n <= 50; ++n)
        tabla(fila, n) = RejillaNumeros::EtiquetaMarcada(rejilla[static_cast<std::size_t>(n - 1)]) ? 1 : 0;
    return true;
}

void LimpiarFilaRejilla(const RejillaNumeros::Etiquetas& rejilla, Tabla<Byte>& tabla, long fila) {
    for (int n = 1; n <= 50; ++n) {
        RejillaNumeros::LiberarEtiqueta(rejilla[static_cast<std::size_t>(n - 1)]);
        tabla(fila, n) = 0;
    }
}
