#include "filters/frmAciertos.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPalette>
#include <algorithm>

#include "common/modGeneral.h"
#include "kit/AyudaVentanas.h"

using modGeneral::AciertosSeleccion;

frmAciertos::frmAciertos(QWidget* padre) : Ventana(padre) {
    setObjectName(QStringLiteral("frmAciertos"));
    setWindowTitle(QStringLiteral("ACIERTOS"));
    setFixedSize(300, 112);

    // At rest the labels wear the system's window colours.
    const long fondo = BGRDesdeColor(palette().color(QPalette::Window));
    const long texto = BGRDesdeColor(palette().color(QPalette::WindowText));
    for (int i = 0; i <= 5; ++i) {
        auto* l = new Etiqueta(QString::number(i), this);
        l->setObjectName(QStringLiteral("lblAciertos%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        l->SetEstiloBase(QStringLiteral("font-size:15px;font-weight:bold;border:1px solid #7a7a7a;"));
        l->SetBackStyle(1);
        l->SetBackColor(fondo);
        l->SetForeColor(texto);
        l->setGeometry(14 + i * 46, 14, 40, 34);
        l->setCursor(Qt::PointingHandCursor);
        lblAciertos[static_cast<std::size_t>(i)] = l;
        connect(l, &Etiqueta::Click, this, [this, i] { lblAciertos_Click(i); });
    }

    imgTodos = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/filtros/todos.svg"),
                                               QStringLiteral("Selecciona todos los aciertos"), QRect(14, 66, 32, 32));
    imgNinguno = AyudaVentanas::CrearBotonImagen(this, QStringLiteral(":/filtros/ninguno.svg"),
                                                 QStringLiteral("Inicializa todos los aciertos"), QRect(60, 66, 32, 32));
    imgVolver = new BotonImagen(QStringLiteral(":/iconos/volver.svg"), this);
    imgVolver->setScaledContents(true);
    imgVolver->setToolTip(QStringLiteral("Cerrar"));
    imgVolver->setGeometry(250, 66, 32, 32);
    ShapeBorde = Forma::Enmarcar(imgVolver, Forma::Retirada::HastaElFondo);

    // The count labels are toggles: Tab reaches them and Space toggles one (counts not offered are
    // disabled and skipped). Enter, there as anywhere, closes as imgVolver does, as it would from a
    // check box; Esc too.
    for (auto* l : lblAciertos) {
        l->SetTeclado(true);
        l->installEventFilter(this);
    }
    PonerAccionPredeterminada(imgVolver);
    OrdenTabulacion({lblAciertos[0], lblAciertos[1], lblAciertos[2], lblAciertos[3], lblAciertos[4], lblAciertos[5],
                     imgTodos, imgNinguno, imgVolver});

    connect(imgTodos, &BotonImagen::Click, this, [this] { imgTodos_Click(); });
    connect(imgNinguno, &BotonImagen::Click, this, [this] { imgNinguno_Click(); });
    connect(imgVolver, &BotonImagen::Click, this, [this] { imgVolver_Click(); });
}

bool frmAciertos::Marcada(int i) const {
    const Etiqueta* l = lblAciertos[static_cast<std::size_t>(i)];
    return l->BackStyle() == 1 && l->BackColor() == ColorMarcado;
}

void frmAciertos::Marcar(int i, bool marcada) {
    Etiqueta* l = lblAciertos[static_cast<std::size_t>(i)];
    l->SetBackStyle(1);
    l->SetBackColor(marcada ? ColorMarcado : ColorBlanco);
    l->SetForeColor(marcada ? ColorBlanco : ColorNegro);
}

void frmAciertos::Form_Activate() {
    for (int i = 0; i <= 5; ++i) {
        if (EnRango(i)) {
            lblAciertos[static_cast<std::size_t>(i)]->setEnabled(true);
            Marcar(i, AciertosSeleccion(i) == 1);
        } else {
            // Counts not offered: greyed, no clicks, resting colours.
            lblAciertos[static_cast<std::size_t>(i)]->setEnabled(false);
        }
    }
}

void frmAciertos::lblAciertos_Click(int index) {
    if (index < 0 || index > 5) return;
    if (!lblAciertos[static_cast<std::size_t>(index)]->isEnabled()) return;
    // The label's colour decides the toggle.
    const bool marcar = !Marcada(index);
    Marcar(index, marcar);
    AciertosSeleccion(index) = marcar ? 1 : 0;
}

void frmAciertos::imgTodos_Click() {
    for (int i = 0; i <= 5; ++i) {
        if (!EnRango(i)) continue;
        Marcar(i, true);
        AciertosSeleccion(i) = 1;
    }
}

void frmAciertos::imgNinguno_Click() {
    for (int i = 0; i <= 5; ++i) {
        if (!EnRango(i)) continue;
        Marcar(i, false);
        AciertosSeleccion(i) = 0;
    }
}

void frmAciertos::imgVolver_Click() { Descargar(MotivoCierre::Codigo); }

bool frmAciertos::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool intro = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (intro && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            std::find(lblAciertos.begin(), lblAciertos.end(), objeto) != lblAciertos.end()) {
            EjecutarAccionPredeterminada();
            return true;
        }
    }
    return Ventana::eventFilter(objeto, e);
}
