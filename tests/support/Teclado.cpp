#include "support/Teclado.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

// Qt's own entry for key events as they come from the system (the one its test library uses):
// shortcuts get the key before any widget.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

void PulsarTecla(QWidget* w, int tecla, Qt::KeyboardModifiers mayus) {
    QString texto;
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) texto = QStringLiteral("\r");
    else if (tecla == Qt::Key_Escape) texto = QString(QChar(27));
    else if (tecla == Qt::Key_Space) texto = QStringLiteral(" ");
    else if (tecla >= 0x20 && tecla < 0x7F && !(mayus & (Qt::ControlModifier | Qt::AltModifier)))
        texto = QString(QChar(tecla));
    QKeyEvent abajo(QEvent::KeyPress, tecla, mayus, texto);
    QKeyEvent arriba(QEvent::KeyRelease, tecla, mayus, texto);
    QApplication::sendEvent(w, &abajo);
    QApplication::sendEvent(w, &arriba);
}

void ActivarVentana(QWidget* ventana) {
    ventana->show();
    ventana->activateWindow();
    for (int i = 0; i < 20 && QApplication::activeWindow() != ventana; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool PulsarAtajo(QWidget* ventana, int tecla, Qt::KeyboardModifiers mayus) {
    QWindow* w = ventana->window()->windowHandle();
    if (w && qt_sendShortcutOverrideEvent(w, 0, tecla, mayus, QString(), false, 1)) return true;
    QWidget* foco = QApplication::focusWidget();
    PulsarTecla(foco ? foco : ventana, tecla, mayus);
    return false;
}

std::vector<QWidget*> Recorrido() {
    QWidget* primero = QApplication::focusWidget();
    std::vector<QWidget*> r{primero};
    for (int i = 0; i < 100 && primero; ++i) {
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == primero) break;
        r.push_back(QApplication::focusWidget());
    }
    return r;
}
