#include "platform/Controles.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "platform/Ventana.h"

QColor ColorDesdeBGR(long bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

long BGRDesdeColor(const QColor& c) {
    return static_cast<long>(c.red()) | (static_cast<long>(c.green()) << 8) |
           (static_cast<long>(c.blue()) << 16);
}

int BotonDesdeQt(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return BotonIzquierdo;
    case Qt::RightButton: return BotonDerecho;
    case Qt::MiddleButton: return BotonCentral;
    default: return 0;
    }
}

int MayusDesdeQt(Qt::KeyboardModifiers m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= MayusShift;
    if (m & Qt::ControlModifier) r |= MayusCtrl;
    if (m & Qt::AltModifier) r |= MayusAlt;
    return r;
}

static QString NombreColor(long bgr) { return ColorDesdeBGR(bgr).name(); }

namespace {
// Space, Enter or Return with no modifier but the keypad's: the keys that press a button.
bool TeclaPulsar(const QKeyEvent* e) {
    if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    return e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}
bool TeclaIntroSola(const QKeyEvent* e) {
    return (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter);
}
// The dotted frame of a control that has the focus.
void DibujarFoco(QWidget* w, const QColor& color) {
    QPainter p(w);
    QPen pluma(color, 1, Qt::DotLine);
    p.setPen(pluma);
    p.setBrush(Qt::NoBrush);
    p.drawRect(w->rect().adjusted(1, 1, -2, -2));
}
}  // namespace

// ---- Etiqueta ----
Etiqueta::Etiqueta(const QString& texto, QWidget* padre) : QLabel(texto, padre) {
    setMouseTracking(true);
    AplicarAspecto();
}

void Etiqueta::SetBackStyle(int estilo) { backStyle_ = estilo ? 1 : 0; AplicarAspecto(); }
void Etiqueta::SetBackColor(long bgr) { backColor_ = bgr; AplicarAspecto(); }
void Etiqueta::SetForeColor(long bgr) { foreColor_ = bgr; AplicarAspecto(); }
void Etiqueta::SetEstiloBase(const QString& css) { estiloBase_ = css; AplicarAspecto(); }

void Etiqueta::SetTeclado(bool teclado) { setFocusPolicy(teclado ? Qt::TabFocus : Qt::NoFocus); }

void Etiqueta::keyPressEvent(QKeyEvent* e) {
    if (focusPolicy() != Qt::NoFocus && TeclaPulsar(e)) {
        e->accept();
        if (isEnabled()) emit Click();
        return;
    }
    QLabel::keyPressEvent(e);
}

void Etiqueta::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (hasFocus()) DibujarFoco(this, ColorDesdeBGR(foreColor_));
}

void Etiqueta::SetAnchoTwips(double twips) {
    anchoTwips_ = twips;
    setFixedWidth(PixelesDesdeTwips(twips));
}

void Etiqueta::AplicarAspecto() {
    QString css = estiloBase_;
    css += backStyle_ ? QStringLiteral("background-color:%1;").arg(NombreColor(backColor_))
                      : QStringLiteral("background-color:transparent;");
    // A disabled label shows greyed, whatever its colour.
    css += isEnabled() ? QStringLiteral("color:%1;").arg(NombreColor(foreColor_))
                       : QStringLiteral("color:#a0a0a0;");
    // Setting the same sheet again re-polishes the label for nothing (resets touch every label).
    const QString hoja = QStringLiteral("QLabel{%1}").arg(css);
    if (hoja != styleSheet()) setStyleSheet(hoja);
}

void Etiqueta::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) AplicarAspecto();
    QLabel::changeEvent(e);
}

void Etiqueta::mousePressEvent(QMouseEvent* e) {
    pulsado_ = e->button() == Qt::LeftButton;
    emit MouseDown(BotonDesdeQt(e->button()), MayusDesdeQt(e->modifiers()), e->position().x(),
                   e->position().y());
}

void Etiqueta::mouseReleaseEvent(QMouseEvent* e) {
    bool clic = pulsado_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pulsado_ = false;
    if (clic) emit Click();
}

void Etiqueta::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit DblClick();
}

void Etiqueta::mouseMoveEvent(QMouseEvent* e) {
    emit MouseMove(BotonDesdeQt(e->button()), MayusDesdeQt(e->modifiers()), e->position().x(),
                   e->position().y());
    QLabel::mouseMoveEvent(e);
}

// ---- Forma ----
Forma::Forma(QWidget* padre, long colorBGR) : QFrame(padre) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetColorBorde(colorBGR);
    hide();
}

void Forma::SetColorBorde(long bgr) {
    setStyleSheet(QStringLiteral("QFrame{border:2px solid %1; background:transparent;}").arg(NombreColor(bgr)));
}

Forma* Forma::Enmarcar(BotonImagen* boton, Retirada retirada, int margen) {
    auto* f = new Forma(boton->parentWidget());
    f->boton_ = boton;
    f->retirada_ = retirada;
    f->margen_ = margen;
    f->Colocar();
    // Moves over the button reach the border (and go on to the window, which sees no bare
    // background there).
    boton->setMouseTracking(true);
    boton->installEventFilter(f);
    return f;
}

void Forma::setVisible(bool visible) {
    // A fast pointer may go from one button to the next without a move over the bare window
    // between them, which would have taken the first border down.
    if (visible && isHidden())
        for (Forma* otra : window()->findChildren<Forma*>())
            if (otra != this && !otra->isHidden()) otra->hide();
    QFrame::setVisible(visible);
}

void Forma::Colocar() { setGeometry(boton_->geometry().adjusted(-margen_, -margen_, margen_, margen_)); }

bool Forma::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto != boton_) return QFrame::eventFilter(objeto, e);
    switch (e->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (boton_->isEnabled() && !isVisible()) {
            raise();
            show();
        }
        break;
    case QEvent::Leave:
        if (retirada_ == Retirada::AlSalir) hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        Colocar();
        break;
    case QEvent::Hide:
        hide();
        break;
    case QEvent::EnabledChange:
        if (!boton_->isEnabled()) hide();
        break;
    default:
        break;
    }
    return QFrame::eventFilter(objeto, e);
}

// ---- BotonImagen ----
BotonImagen::BotonImagen(const QString& recursoImagen, QWidget* padre) : QLabel(padre) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    if (!recursoImagen.isEmpty()) SetImagen(recursoImagen);
}

void BotonImagen::SetImagen(const QString& recursoImagen) {
    QPixmap p(recursoImagen);
    setPixmap(p);
}

void BotonImagen::mousePressEvent(QMouseEvent* e) {
    pulsado_ = e->button() == Qt::LeftButton;
    emit MouseDown(BotonDesdeQt(e->button()), MayusDesdeQt(e->modifiers()), e->position().x(),
                   e->position().y());
}

void BotonImagen::mouseReleaseEvent(QMouseEvent* e) {
    bool clic = pulsado_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pulsado_ = false;
    if (clic && isEnabled()) emit Click();
}

void BotonImagen::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (hasFocus()) DibujarFoco(this, palette().color(QPalette::WindowText));
}

void BotonImagen::keyPressEvent(QKeyEvent* e) {
    if (TeclaPulsar(e)) {
        e->accept();
        if (isEnabled()) emit Click();
        return;
    }
    QLabel::keyPressEvent(e);
}

// ---- Casilla ----
Casilla::Casilla(const QString& texto, QWidget* padre) : QCheckBox(texto, padre) {
    connect(this, &QCheckBox::clicked, this, [this] { emit Click(); });
}

void Casilla::SetValue(int v) {
    bool nuevo = v != 0;
    if (nuevo == isChecked()) return;
    setChecked(nuevo);
    emit Click();
}

// ---- Opcion ----
Opcion::Opcion(const QString& texto, QWidget* padre) : QRadioButton(texto, padre) {
    connect(this, &QRadioButton::clicked, this, [this] { emit Click(); });
}

void Opcion::SetValue(bool v) {
    if (v == isChecked()) return;
    setChecked(v);
    if (v) emit Click();
}

// ---- Combo ----
Combo::Combo(QWidget* padre) : QComboBox(padre) {
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) { emit Click(); });
}

void Combo::SetListIndex(int i) {
    if (i == currentIndex()) return;
    setCurrentIndex(i);
    emit Click();
}

// ---- CajaTexto ----
CajaTexto::CajaTexto(QWidget* padre) : QLineEdit(padre) {
    connect(this, &QLineEdit::textChanged, this, [this] { emit Change(); });
}

void CajaTexto::Teclear(int tecla) {
    if (KeyPress) KeyPress(tecla);
    if (tecla == 0) return;
    if (tecla == 8) backspace();
    else if (tecla == 13) emit TeclaIntro();
    else if (tecla == 27) return;
    else if (tecla >= 32) insert(QString(QChar(tecla)));
}

void CajaTexto::keyPressEvent(QKeyEvent* e) {
    int tecla = -1;
    switch (e->key()) {
    case Qt::Key_Backspace: tecla = 8; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: tecla = 13; break;
    case Qt::Key_Escape: tecla = 27; break;
    default:
        if (!e->text().isEmpty() && e->text().at(0).unicode() >= 32 &&
            !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            tecla = e->text().at(0).unicode();
    }
    if (tecla < 0) {  // navigation and editing keys pass untouched
        QLineEdit::keyPressEvent(e);
        return;
    }
    const bool cajaAtiendeIntro = isSignalConnected(QMetaMethod::fromSignal(&CajaTexto::TeclaIntro));
    if (tecla == 13 && !cajaAtiendeIntro) {
        // The window's default action takes Enter before the box's handler, as a default button
        // does: the handler's key filter would refuse it with a beep.
        auto* ventana = qobject_cast<Ventana*>(window());
        if (ventana && ventana->TieneAccionPredeterminada()) {
            e->ignore();
            return;
        }
    }
    int original = tecla;
    if (KeyPress) KeyPress(tecla);
    if (tecla == 0) { e->accept(); return; }
    if (tecla == 13) {
        // Nobody acting on Enter here: it is the window's (its default action).
        if (!cajaAtiendeIntro) {
            e->ignore();
            return;
        }
        emit TeclaIntro();
        e->accept();
        return;
    }
    if (tecla == 27) { e->ignore(); return; }  // the window's: it closes as by its close box
    if (tecla == original) QLineEdit::keyPressEvent(e);
    else if (tecla == 8) backspace();
    else insert(QString(QChar(tecla)));
}

// ---- ListaTexto ----
ListaTexto::ListaTexto(QWidget* padre) : QListWidget(padre) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QString ListaTexto::List(int i) const {
    auto* it = item(i);
    return it ? it->text() : QString();
}

void ListaTexto::SetList(int i, const QString& texto) {
    if (auto* it = item(i)) it->setText(texto);
}

void ListaTexto::AddItem(const QString& texto) { addItem(texto); }

void ListaTexto::mousePressEvent(QMouseEvent* e) {
    // The left button selects the row under the pointer; the right button leaves the
    // selection where it was (the handlers act on the selected row).
    if (e->button() == Qt::LeftButton) QListWidget::mousePressEvent(e);
    emit MouseDown(BotonDesdeQt(e->button()), MayusDesdeQt(e->modifiers()), e->position().x(),
                   e->position().y());
}

void ListaTexto::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        QListWidget::mouseDoubleClickEvent(e);
        emit DblClick();
    }
}

void ListaTexto::keyPressEvent(QKeyEvent* e) {
    const bool menu = e->key() == Qt::Key_Menu ||
                      (e->key() == Qt::Key_F10 && (e->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier);
    if (menu && isSignalConnected(QMetaMethod::fromSignal(&ListaTexto::TeclaMenu))) {
        e->accept();
        emit TeclaMenu();
        return;
    }
    if (TeclaIntroSola(e) && isSignalConnected(QMetaMethod::fromSignal(&ListaTexto::TeclaIntro))) {
        e->accept();
        emit TeclaIntro();
        return;
    }
    if (TeclaIntroSola(e)) {
        e->ignore();
        return;
    }
    QListWidget::keyPressEvent(e);
}

// ---- Boton ----
Boton::Boton(const QString& texto, QWidget* padre) : QPushButton(texto, padre) {
    connect(this, &QPushButton::clicked, this, [this] { emit Click(); });
}

// ---- Temporizador ----
Temporizador::Temporizador(QObject* padre) : QObject(padre) {
    connect(&timer_, &QTimer::timeout, this, [this] { emit Timer(); });
}

void Temporizador::SetEnabled(bool e) {
    if (e) timer_.start();
    else timer_.stop();
}
