// TORNAVENTURA 3.1: the program starts on its main window and ends with it.
#include <QApplication>

#include "kit/AyudaVentanas.h"
#include "main/frmPrincipal.h"
#include "platform/PlataformaQt.h"

int main(int argc, char** argv) {
    // The pictures live in a static library: register them before any window needs one.
    AyudaVentanas::CargarRecursos();
    PrepararEntornoEspanol();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TORNAVENTURA"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/iconos/tornaventura.svg")));
    // Qt's dialogs and every format in Spanish, whatever the system's language.
    PrepararIdiomaEspanol();
    FijarFuentePrograma();
    PlataformaQt plataforma;
    Plataforma::Instalar(&plataforma);
    frmPrincipal ventana;
    ventana.Cargar();
    ventana.show();
    QObject::connect(&ventana, &Ventana::Descargada, &app, &QApplication::quit, Qt::QueuedConnection);
    int r = app.exec();
    Plataforma::Instalar(nullptr);
    return r;
}
