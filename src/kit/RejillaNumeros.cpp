#include "kit/RejillaNumeros.h"

#include <QFont>

namespace RejillaNumeros {

void MarcarEtiqueta(Etiqueta* l, long colorFondo) {
    l->SetBackStyle(1);
    l->SetBackColor(colorFondo);
    l->SetForeColor(ColorBlanco);
}

void LiberarEtiqueta(Etiqueta* l, long colorTexto) {
    l->SetBackStyle(0);
    l->SetForeColor(colorTexto);
}

std::vector<modGeneral::Byte> ValoresMarcados(std::span<Etiqueta* const> etiquetas) {
    std::vector<modGeneral::Byte> r;
    for (std::size_t i = 0; i < etiquetas.size(); ++i)
        if (EtiquetaMarcada(etiquetas[i])) r.push_back(static_cast<modGeneral::Byte>(i + 1));
    return r;
}

void Crear(QWidget* panel, std::span<Etiqueta*> etiquetas, const Opciones& o, std::function<void(int)> alClic) {
    QFont fuente = panel->font();
    if (o.puntos > 0) fuente.setPointSize(o.puntos);
    fuente.setBold(o.negrita);
    const QString borde = QStringLiteral("border:1px solid %1;").arg(o.borde);
    for (std::size_t i = 0; i < etiquetas.size(); ++i) {
        const int n = static_cast<int>(i);
        const int linea = n / o.porLinea, puesto = n % o.porLinea;
        const int columna = o.porColumnas ? linea : puesto, fila = o.porColumnas ? puesto : linea;
        auto* l = new Etiqueta(QString::number(n + 1), panel);
        if (!o.nombre.isEmpty()) l->setObjectName(o.nombre + QString::number(n));
        l->setFont(fuente);
        l->setAlignment(Qt::AlignCenter);
        l->SetEstiloBase(borde);
        l->setGeometry(QRect(o.origen + QPoint(columna * o.paso.width(), fila * o.paso.height()), o.celda));
        LiberarEtiqueta(l, o.colorLibre);
        l->setEnabled(o.habilitadas);
        if (o.habilitadas && o.mano) l->setCursor(Qt::PointingHandCursor);
        if (alClic) QObject::connect(l, &Etiqueta::Click, panel, [alClic, n] { alClic(n); });
        etiquetas[i] = l;
    }
}

void Habilitar(Etiqueta* l, bool habilitada) {
    l->setEnabled(habilitada);
    l->setCursor(habilitada ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool AlternarEtiqueta(std::span<Etiqueta* const> rejilla, int i, std::size_t maximo, long colorLibre) {
    if (i < 0 || static_cast<std::size_t>(i) >= rejilla.size()) return false;
    Etiqueta* l = rejilla[static_cast<std::size_t>(i)];
    if (!l->isEnabled()) return false;
    if (EtiquetaMarcada(l)) {
        LiberarEtiqueta(l, colorLibre);
        return true;
    }
    if (ValoresMarcados(rejilla).size() >= maximo) return false;
    MarcarEtiqueta(l);
    return true;
}

}  // namespace RejillaNumeros
