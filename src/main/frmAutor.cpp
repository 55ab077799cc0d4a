#include "main/frmAutor.h"

namespace {
constexpr int Margen = 10;
constexpr int AltoPanel = 72;
}  // namespace

frmAutor::frmAutor(QWidget* padre) : Ventana(padre) {
    setObjectName(QStringLiteral("frmAutor"));
    setWindowTitle(QStringLiteral("AUTOR"));
    setStyleSheet(QStringLiteral("frmAutor{background-color:#ffffff;}"));

    imagenNormal_ = QPixmap(QStringLiteral(":/iconos/volver_autor.svg"));
    imagenResaltada_ = QPixmap(QStringLiteral(":/iconos/volver_autor_hover.svg"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    QPixmap dibujo(QStringLiteral(":/imagenes/autor.svg"));
    Image1->setPixmap(dibujo);
    Image1->setGeometry(Margen, Margen, dibujo.width(), dibujo.height());
    const int ancho = dibujo.width() + 2 * Margen;

    picICONOS = new Etiqueta(QString(), this);
    picICONOS->setObjectName(QStringLiteral("picICONOS"));
    picICONOS->SetBackStyle(1);
    picICONOS->SetBackColor(0xF4EBE3);  // pale blue, as the picture's floor
    picICONOS->setGeometry(0, Image1->geometry().bottom() + 1 + Margen, ancho, AltoPanel);

    // The button stands over the panel but is the window's child, so a move over the button
    // never reaches the panel.
    cmdVolver = new Etiqueta(QString(), this);
    cmdVolver->setObjectName(QStringLiteral("cmdVolver"));
    cmdVolver->setToolTip(QStringLiteral("Vuelve al Menú anterior"));
    cmdVolver->setCursor(Qt::PointingHandCursor);
    cmdVolver->setAlignment(Qt::AlignCenter);
    const QSize boton = imagenNormal_.size().isEmpty() ? QSize(48, 48) : imagenNormal_.size();
    cmdVolver->setGeometry((ancho - boton.width()) / 2,
                           picICONOS->y() + (AltoPanel - boton.height()) / 2, boton.width(), boton.height());
    cmdVolver->raise();
    PonerImagenVolver(false);

    setFixedSize(ancho, picICONOS->geometry().bottom() + 1);

    // Enter and Space on the back button, as well as Esc, go back.
    cmdVolver->SetTeclado(true);
    PonerAccionPredeterminada(cmdVolver);
    OrdenTabulacion({cmdVolver});

    connect(cmdVolver, &Etiqueta::MouseMove, this, &frmAutor::cmdVolver_MouseMove);
    connect(picICONOS, &Etiqueta::MouseMove, this, &frmAutor::picICONOS_MouseMove);
    connect(cmdVolver, &Etiqueta::Click, this, &frmAutor::cmdVolver_Click);
}

void frmAutor::PonerImagenVolver(bool resaltada) {
    if (resaltada == resaltado_ && !cmdVolver->pixmap().isNull()) return;
    resaltado_ = resaltada;
    cmdVolver->setPixmap(resaltada ? imagenResaltada_ : imagenNormal_);
}

void frmAutor::cmdVolver_MouseMove(int boton, int mayus, double x, double y) {
    (void)boton; (void)mayus; (void)x; (void)y;
    PonerImagenVolver(true);
}

void frmAutor::picICONOS_MouseMove(int boton, int mayus, double x, double y) {
    (void)boton; (void)mayus; (void)x; (void)y;
    PonerImagenVolver(false);
}

void frmAutor::cmdVolver_Click() { Descargar(MotivoCierre::Codigo); }
