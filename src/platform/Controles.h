// Controls with the behaviour the program relies on. Colours are kept as the toolkit's
// 0xBBGGRR values so that a label's look can be read back as state. Event handlers are
// signals named after the program's events (Click, DblClick, MouseDown, MouseMove, KeyPress).
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

// 0xBBGGRR <-> QColor.
QColor ColorDesdeBGR(long bgr);
long BGRDesdeColor(const QColor& c);

// Mouse buttons and shift state as the events report them.
enum BotonRaton { BotonIzquierdo = 1, BotonDerecho = 2, BotonCentral = 4 };
enum EstadoMayus { MayusShift = 1, MayusCtrl = 2, MayusAlt = 4 };

int BotonDesdeQt(Qt::MouseButton b);
int MayusDesdeQt(Qt::KeyboardModifiers m);

// Twips (1/1440 inch) to pixels at 96 dots per inch: 15 twips a pixel.
inline int PixelesDesdeTwips(double twips) { return static_cast<int>(twips / 15.0 + 0.5); }

class Etiqueta : public QLabel {
    Q_OBJECT
public:
    explicit Etiqueta(const QString& texto = QString(), QWidget* padre = nullptr);

    // 0 transparent, 1 opaque.
    int BackStyle() const { return backStyle_; }
    void SetBackStyle(int estilo);
    long BackColor() const { return backColor_; }
    void SetBackColor(long bgr);
    long ForeColor() const { return foreColor_; }
    void SetForeColor(long bgr);
    QString Caption() const { return text(); }
    void SetCaption(const QString& c) { setText(c); }
    // Width in twips (progress bars are sized so).
    double AnchoTwips() const { return anchoTwips_; }
    void SetAnchoTwips(double twips);
    // Extra style sheet text (font, border) kept under the look.
    void SetEstiloBase(const QString& css);
    // A label that acts as a button joins the Tab order: Space or Enter raise Click, and a
    // dotted frame shows the focus. A click never moves the focus onto it.
    void SetTeclado(bool teclado);

signals:
    void Click();
    void DblClick();
    void MouseDown(int boton, int mayus, double x, double y);
    void MouseMove(int boton, int mayus, double x, double y);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void AplicarAspecto();
    int backStyle_ = 0;
    long backColor_ = 0xFFFFFF;
    long foreColor_ = 0;
    double anchoTwips_ = 0;
    bool pulsado_ = false;
    QString estiloBase_;
};

class BotonImagen;

// A shape drawn as a border: the hover border (ShapeBorde) of an image button, hidden at rest.
// Every image button has one, laid over it by its window; the button draws no frame itself.
// A window shows one border at most: the one that shows takes down any other of its window.
class Forma : public QFrame {
    Q_OBJECT
public:
    // How long the border stays up once the mouse has entered its button.
    enum class Retirada {
        AlSalir,       // until the mouse leaves the button
        HastaElFondo,  // until the mouse reaches the window's bare background (Ventana hides it)
    };

    explicit Forma(QWidget* padre = nullptr, long colorBGR = 0x0000FF);
    void SetColorBorde(long bgr);

    // A new border laid over boton (its place grown by margen on every side, above it): it
    // follows the button's place, shows when the mouse enters the enabled button and goes as
    // retirada says, or when the button is hidden or disabled.
    static Forma* Enmarcar(BotonImagen* boton, Retirada retirada = Retirada::AlSalir, int margen = 0);

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void Colocar();
    BotonImagen* boton_ = nullptr;
    Retirada retirada_ = Retirada::AlSalir;
    int margen_ = 0;
};

// An image that acts as a button. It takes the focus by Tab only (a click leaves the focus
// where it was); Space or Enter raise Click. Its hover border is a Forma (Forma::Enmarcar).
class BotonImagen : public QLabel {
    Q_OBJECT
public:
    explicit BotonImagen(const QString& recursoImagen = QString(), QWidget* padre = nullptr);
    void SetImagen(const QString& recursoImagen);

signals:
    void Click();
    void MouseDown(int boton, int mayus, double x, double y);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool pulsado_ = false;
};

// A check box whose value set from code raises Click exactly as a user's click does.
class Casilla : public QCheckBox {
    Q_OBJECT
public:
    explicit Casilla(const QString& texto = QString(), QWidget* padre = nullptr);
    int Value() const { return isChecked() ? 1 : 0; }
    // Raises Click when the value changes.
    void SetValue(int v);

signals:
    void Click();
};

// An option button; setting it from code raises Click when it becomes selected.
class Opcion : public QRadioButton {
    Q_OBJECT
public:
    explicit Opcion(const QString& texto = QString(), QWidget* padre = nullptr);
    bool Value() const { return isChecked(); }
    void SetValue(bool v);

signals:
    void Click();
};

// A combo box whose selection set from code raises Click (the change event).
class Combo : public QComboBox {
    Q_OBJECT
public:
    explicit Combo(QWidget* padre = nullptr);
    int ListIndex() const { return currentIndex(); }
    // Raises Click when the selection changes.
    void SetListIndex(int i);
    void AddItem(const QString& texto) { addItem(texto); }

signals:
    void Click();

private:
    bool desdeCodigo_ = false;
};

// A text box whose key-press event sees each character code before the box and may cancel
// it by setting the code to 0. Codes: the character's code, Backspace 8, Enter 13, Esc 27.
// An Esc it keeps goes on to the window (which closes as by its close box); so does an Enter
// it keeps when nobody handles TeclaIntro (the window's default action).
class CajaTexto : public QLineEdit {
    Q_OBJECT
public:
    explicit CajaTexto(QWidget* padre = nullptr);
    QString Text() const { return text(); }
    void SetText(const QString& t) { setText(t); }
    // Handler of the key-press event.
    std::function<void(int& tecla)> KeyPress;
    // Types one key as the user would: the key-press event, then the box's own handling.
    void Teclear(int tecla);

signals:
    void TeclaIntro();   // Enter reached the box
    void Change();

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// A list box of text rows with the selected index, double-click and button events. From the
// keyboard, Enter raises TeclaIntro and the context-menu key (or Shift+F10) raises TeclaMenu,
// each only when someone handles it; otherwise the key goes on to the window.
class ListaTexto : public QListWidget {
    Q_OBJECT
public:
    explicit ListaTexto(QWidget* padre = nullptr);
    int ListCount() const { return count(); }
    QString List(int i) const;
    void SetList(int i, const QString& texto);
    void AddItem(const QString& texto);
    void Clear() { clear(); }
    int ListIndex() const { return currentRow(); }
    void SetListIndex(int i) { setCurrentRow(i); }

signals:
    void DblClick();
    void MouseDown(int boton, int mayus, double x, double y);
    void TeclaIntro();
    void TeclaMenu();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class Boton : public QPushButton {
    Q_OBJECT
public:
    explicit Boton(const QString& texto = QString(), QWidget* padre = nullptr);
signals:
    void Click();
};

// A timer with an interval in milliseconds and an enabled switch; raises Timer at each tick.
class Temporizador : public QObject {
    Q_OBJECT
public:
    explicit Temporizador(QObject* padre = nullptr);
    int Interval() const { return timer_.interval(); }
    void SetInterval(int ms) { timer_.setInterval(ms); }
    bool Enabled() const { return timer_.isActive(); }
    void SetEnabled(bool e);

signals:
    void Timer();

private:
    QTimer timer_;
};
