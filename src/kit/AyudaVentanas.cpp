#include "kit/AyudaVentanas.h"

#include <QLabel>

#include "platform/Controles.h"
#include "platform/Plataforma.h"

// The resources of a static library are registered by hand.
static void RegistrarRecursosReduccion() { Q_INIT_RESOURCE(reduccion); }

namespace AyudaVentanas {

void CargarRecursos() {
    static bool hecho = false;
    if (hecho) return;
    hecho = true;
    RegistrarRecursosReduccion();
}

BotonImagen* CrearBotonImagen(QWidget* padre, const QString& recurso, const QString& ayuda, int x, int y,
                              QLabel** rotulo, const QString& textoRotulo) {
    CargarRecursos();
    auto* b = new BotonImagen(recurso, padre);
    b->setScaledContents(true);
    b->setToolTip(ayuda);
    b->setGeometry(x, y, 32, 32);
    if (rotulo) {
        auto* l = new QLabel(textoRotulo, padre);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        l->setGeometry(x - 29, y + 34, 90, 30);
        *rotulo = l;
    }
    return b;
}

QString Cuenta(double valor) { return QString::fromStdString(FormatoMiles(valor)); }

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

}  // namespace AyudaVentanas
