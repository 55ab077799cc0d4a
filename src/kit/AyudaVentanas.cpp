#include "kit/AyudaVentanas.h"

#include <QLabel>
#include <cmath>

#include "platform/Plataforma.h"

// The resources of a static library are registered by hand, outside any namespace.
static void RegistrarRecursos() {
    Q_INIT_RESOURCE(recursos);
    Q_INIT_RESOURCE(filtros);
    Q_INIT_RESOURCE(rejillas);
    Q_INIT_RESOURCE(reduccion);
    Q_INIT_RESOURCE(herramientas);
}

namespace AyudaVentanas {

void CargarRecursos() {
    static const bool hecho = [] {
        RegistrarRecursos();
        return true;
    }();
    (void)hecho;
}

QString Cuenta(double valor) { return QString::fromStdString(FormatoMiles(valor)); }

QString Cuenta(double valor, const QString& singular, const QString& plural) {
    return Cuenta(valor) + QLatin1Char(' ') + (std::nearbyint(valor) == 1 ? singular : plural);
}

QString Apuestas(double valor) { return Cuenta(valor, QStringLiteral("apuesta"), QStringLiteral("apuestas")); }

bool FilaActiva(const ListaTexto* lista, int fila) {
    return lista && lista->List(fila).startsWith(QStringLiteral("Sí"));
}

void ActivarFila(ListaTexto* lista, int fila) {
    if (!lista) return;
    const QString t = lista->List(fila);
    if (t.startsWith(QStringLiteral("No"))) lista->SetList(fila, QStringLiteral("Sí") + t.mid(2));
}

void DesactivarFila(ListaTexto* lista, int fila) {
    if (!lista) return;
    const QString t = lista->List(fila);
    if (t.startsWith(QStringLiteral("Sí"))) lista->SetList(fila, QStringLiteral("No") + t.mid(2));
}

void AlternarFila(ListaTexto* lista, int fila) {
    if (FilaActiva(lista, fila)) DesactivarFila(lista, fila);
    else ActivarFila(lista, fila);
}

BotonImagen* CrearBotonImagen(QWidget* padre, const QString& recurso, const QString& ayuda, const QRect& sitio) {
    auto* b = new BotonImagen(recurso, padre);
    b->setScaledContents(true);
    b->setToolTip(ayuda);
    b->setGeometry(sitio);
    Forma::Enmarcar(b);
    return b;
}

BotonImagen* CrearBotonImagen(QWidget* padre, const QString& recurso, const QString& ayuda, int x, int y,
                              QLabel** rotulo, const QString& textoRotulo) {
    auto* b = CrearBotonImagen(padre, recurso, ayuda, QRect(x, y, 32, 32));
    if (rotulo) {
        auto* l = new QLabel(textoRotulo, padre);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        l->setGeometry(x - 29, y + 34, 90, 30);
        *rotulo = l;
    }
    return b;
}

QFrame* CrearPanel(QWidget* padre, const QString& nombre, const QRect& sitio) {
    auto* panel = new QFrame(padre);
    panel->setObjectName(nombre);
    panel->setStyleSheet(QStringLiteral("QFrame#%1{background:#ffffff; border:1px solid #9aa4b4;}").arg(nombre));
    panel->setGeometry(sitio);
    return panel;
}

}  // namespace AyudaVentanas
