#include "kit/RejillaNumeros.h"

#include <QFont>

// The grids' pictures live in the static library: registered once, before the first grid.
static void RegistrarImagenesRejillas() {
    static const bool hecho = [] {
        Q_INIT_RESOURCE(rejillas);
        return true;
    }();
    (void)hecho;
}

namespace RejillaNumeros {

Etiquetas Crear(QWidget* padre, int x, int y, const QString& nombre, std::function<void(int)> alClic) {
    RegistrarImagenesRejillas();
    auto* marco = new QFrame(padre);
    marco->setObjectName(nombre + QStringLiteral("_marco"));
    marco->setStyleSheet(QStringLiteral("QFrame#%1_marco{background:#ffffff; border:1px solid #9aa4b4;}").arg(nombre));
    marco->setGeometry(x, y, Ancho + 8, Alto + 8);
    QFont fuente = padre->font();
    fuente.setPointSize(9);
    fuente.setBold(true);
    const QString borde = QStringLiteral("border:1px solid #d6d9df;");
    Etiquetas r{};
    for (int i = 0; i < 50; ++i) {
        const int c = i / 9, f = i % 9;
        auto* l = new Etiqueta(QString::number(i + 1), marco);
        l->setObjectName(QStringLiteral("%1%2").arg(nombre).arg(i));
        l->setFont(fuente);
        l->setAlignment(Qt::AlignCenter);
        l->SetEstiloBase(borde);
        l->setGeometry(5 + c * PasoColumna, 5 + f * PasoFila, AnchoCelda, AltoCelda);
        Liberar(l);
        l->setEnabled(false);
        QObject::connect(l, &Etiqueta::Click, marco, [alClic, i] { if (alClic) alClic(i); });
        r[static_cast<std::size_t>(i)] = l;
    }
    return r;
}

QString ImagenLimpiar() {
    RegistrarImagenesRejillas();
    return QStringLiteral(":/rejillas/limpiar.svg");
}

void Habilitar(Etiqueta* l, bool habilitada) {
    l->setEnabled(habilitada);
    l->setCursor(habilitada ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool Alternar(const Etiquetas& rejilla, int i) {
    if (i < 0 || i >= 50) return false;
    Etiqueta* l = rejilla[static_cast<std::size_t>(i)];
    if (!l->isEnabled()) return false;
    if (Marcada(l)) Liberar(l);
    else Marcar(l);
    return true;
}

}  // namespace RejillaNumeros
