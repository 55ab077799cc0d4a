#include "platform/PlataformaQt.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include "platform/Abridor.h"
#include "platform/Ficheros.h"
#include "platform/Ventana.h"

namespace {
QString Q(const std::string& s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

QWidget* VentanaActiva() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    return w;
}

// Shows the box as wide as its title needs once the window manager adds its icon and buttons:
// a short question would otherwise cut "TORNAVENTURA" in the title bar. The spacer goes in last,
// because the box rebuilds its layout when its icon or buttons change.
void MostrarCaja(QMessageBox& caja) {
    const int ancho = caja.fontMetrics().horizontalAdvance(caja.windowTitle()) + 200;
    if (auto* rejilla = qobject_cast<QGridLayout*>(caja.layout()))
        rejilla->addItem(new QSpacerItem(ancho, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                         rejilla->rowCount(), 0, 1, rejilla->columnCount());
    caja.exec();
}
}  // namespace

PlataformaQt::PlataformaQt() { Randomize(); }

bool PlataformaQt::Preguntar(const QString& texto, bool siPorDefecto) {
    QMessageBox caja(VentanaActiva());
    caja.setWindowTitle(QString::fromLatin1(TituloMensajes));
    caja.setText(texto);
    caja.setIcon(QMessageBox::Question);
    // Alt+S and Alt+N (or the bare letters) answer from the keyboard; Esc is No.
    auto* si = caja.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
    auto* no = caja.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    caja.setDefaultButton(siPorDefecto ? si : no);
    caja.setEscapeButton(no);
    MostrarCaja(caja);
    return caja.clickedButton() == si;
}

RespuestaMensaje PlataformaQt::MsgBox(const std::string& texto, EstiloMensaje estilo) {
    // The program's own questions guard an action the user may regret: No is the default.
    if (estilo == EstiloMensaje::PreguntaSiNo)
        return Preguntar(Q(texto), false) ? RespuestaMensaje::Si : RespuestaMensaje::No;
    QMessageBox caja(VentanaActiva());
    caja.setWindowTitle(QString::fromLatin1(TituloMensajes));
    caja.setText(Q(texto));
    switch (estilo) {
    case EstiloMensaje::Critico: caja.setIcon(QMessageBox::Critical); break;
    case EstiloMensaje::Exclamacion: caja.setIcon(QMessageBox::Warning); break;
    case EstiloMensaje::Informacion: caja.setIcon(QMessageBox::Information); break;
    case EstiloMensaje::PreguntaSiNo: break;
    }
    caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    MostrarCaja(caja);
    return RespuestaMensaje::Aceptar;
}

void PlataformaQt::Beep() { QApplication::beep(); }

void PlataformaQt::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

double PlataformaQt::Rnd() { return azar_.Rnd(); }

void PlataformaQt::Randomize(unsigned semilla) { azar_.Sembrar(semilla); }

void PlataformaQt::Randomize() { azar_.SembrarDesdeReloj(); }

std::string PlataformaQt::CarpetaPrograma() {
    return S(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

namespace {
// While the desktop's opener is awaited the windows keep painting, but nothing of the program
// runs again: the user's input is dropped, as a busy window drops it, and a close asked for
// meanwhile is refused. Everything else is processed: input merely left in the queue would be
// held by the window system's connection until its next event, a mouse move seconds later.
class SinEntradaDelUsuario : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:  // the program's own MouseMove handlers run on these
        case QEvent::Enter:      // these show and hide the image buttons' hover frames
        case QEvent::Leave:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:     // a menu's key reaches its action before any window
        case QEvent::InputMethod:  // text an input method commits, not as key presses
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            return true;
        case QEvent::Close:
            if (!e->spontaneous()) return false;
            e->ignore();
            return true;
        default:
            return false;
        }
    }
};

bool AbrirEnEscritorio(const std::string& destino) {
    SinEntradaDelUsuario filtro;
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(&filtro);
    const auto ceder = [] { QCoreApplication::processEvents(); };
    const bool abierto = Abridor::Abrir(destino, ceder);
    ceder();  // input that came since the last turn is dropped as well
    return abierto;
}
}  // namespace

bool PlataformaQt::AbrirPaginaWeb(const std::string& url) { return AbrirEnEscritorio(url); }

bool PlataformaQt::MostrarFicheroTexto(const std::string& ruta) { return AbrirEnEscritorio(ruta); }

namespace {
// One filter entry as Qt reads it: the description, then its patterns in parentheses. The
// patterns come from the pair's own pattern text (several separated by ";"); "*.*" means
// every file, also those without an extension. The parenthesised part is hidden from the
// user, who sees each description exactly as given.
QString EntradaFiltro(const std::string& descripcion, const std::string& patron) {
    QStringList patrones;
    for (QString x : Q(patron).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        x = x.trimmed();
        if (x.isEmpty()) continue;
        patrones << (x == QLatin1String("*.*") ? QStringLiteral("*") : x);
    }
    if (patrones.isEmpty()) patrones << QStringLiteral("*");
    return Q(descripcion) + QStringLiteral(" (") + patrones.join(QLatin1Char(' ')) + QLatin1Char(')');
}
// The 1-based pair the user ended with. The dialog names the chosen entry by its shown text
// (the description), so equal descriptions are told apart by the position in its list.
int FiltroElegido(const QFileDialog& dlg, const QStringList& filtros, const PeticionDialogo& p) {
    if (auto* tipos = dlg.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        int i = tipos->currentIndex();
        if (i >= 0 && i < filtros.size()) return i + 1;
    }
    const QString elegido = dlg.selectedNameFilter();
    for (int i = 0; i < filtros.size(); ++i)
        if (filtros.at(i) == elegido || Q(p.filtros[static_cast<std::size_t>(i)].first).trimmed() == elegido)
            return i + 1;
    return p.indiceFiltro;
}

}  // namespace

namespace {
// Texts of Qt's file dialogs that its Spanish translation leaves in English.
class TraduccionesQueFaltan : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* contexto, const char* texto, const char* desambiguacion,
                      int n) const override {
        (void)desambiguacion;
        (void)n;
        if (qstrcmp(contexto, "QAbstractFileIconProvider") != 0 && qstrcmp(contexto, "QFileSystemModel") != 0)
            return QString();
        static const char* const pares[][2] = {{"Folder", "Carpeta"},
                                               {"File Folder", "Carpeta de archivos"},
                                               {"Drive", "Unidad"},
                                               {"Shortcut", "Acceso directo"},
                                               {"Alias", "Alias"},
                                               {"Unknown", "Desconocido"}};
        for (const auto& par : pares)
            if (qstrcmp(texto, par[0]) == 0) return QString::fromUtf8(par[1]);
        return QString();
    }
};
}  // namespace

void PrepararEntornoEspanol() {
    // Qt reads the system's locale from the environment once, at its first use: it is read
    // now under a Spanish environment, which is then put back before the application (and
    // with it the C library's locale) starts.
    const QByteArray todas = qgetenv("LC_ALL");
    const bool habia = qEnvironmentVariableIsSet("LC_ALL");
    qputenv("LC_ALL", "es_ES.UTF-8");
    (void)QLocale::system().name();
    if (habia) qputenv("LC_ALL", todas);
    else qunsetenv("LC_ALL");
}

void FijarFuentePrograma() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

bool PrepararIdiomaEspanol() {
    static bool hecho = false;
    static bool traducido = false;
    const QLocale espanol(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(espanol);
    if (hecho || !QCoreApplication::instance()) return traducido;
    hecho = true;
    // Asked last: only for what Qt's own translation leaves untranslated.
    QCoreApplication::installTranslator(new TraduccionesQueFaltan(QCoreApplication::instance()));
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (traductor->load(espanol, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(traductor)) {
        traducido = true;
    } else {
        delete traductor;
    }
    return traducido;
}

ResultadoDialogoFichero PlataformaQt::DialogoFichero(const PeticionDialogo& p) {
    // Normally done at start-up; a dialog shown before (or without) it is Spanish all the same.
    PrepararIdiomaEspanol();
    ResultadoDialogoFichero r;
    r.indiceFiltro = p.indiceFiltro;
    QStringList filtros;
    for (const auto& [desc, patron] : p.filtros) filtros << EntradaFiltro(desc, patron);

    QFileDialog dlg(VentanaActiva(), Q(p.titulo));
    dlg.setObjectName(QStringLiteral("DialogoFichero"));
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setOption(QFileDialog::HideNameFilterDetails, true);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);  // asked below, in Spanish
    if (!filtros.isEmpty()) {
        dlg.setNameFilters(filtros);
        // Out of range shows the first pair, as an index of 0 does.
        int primero = p.indiceFiltro >= 1 && p.indiceFiltro <= filtros.size() ? p.indiceFiltro : 1;
        dlg.selectNameFilter(filtros.at(primero - 1));
    }
    dlg.setDirectory(CarpetaDialogos());
    if (p.guardar) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        if (!p.nombrePropuesto.empty()) dlg.selectFile(Q(p.nombrePropuesto));
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    dlg.setLabelText(QFileDialog::Accept, p.guardar ? QStringLiteral("&Guardar") : QStringLiteral("&Abrir"));
    dlg.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    dlg.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre:"));
    dlg.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dlg.setLabelText(QFileDialog::LookIn, QStringLiteral("Buscar en:"));
    for (;;) {
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return r;
        QString ruta = dlg.selectedFiles().first();
        if (p.guardar) {
            // The questions are about the file that will be written: "sistema30" typed where
            // "sistema30.EUR" exists asks to replace it.
            if (!p.extension.empty()) ruta = Q(Ficheros::CambiarExtension(S(ruta), p.extension));
            QFileInfo fi(ruta);
            // A name typed into a folder that does not exist: said at once, before any
            // question about the file, and back to the dialog as the system's dialogs do.
            if (!QFileInfo(fi.absolutePath()).isDir()) {
                MsgBox(S(QStringLiteral("%1\nNo se encontró la ruta de acceso:\n%2\nCompruebe que la carpeta existe.")
                             .arg(fi.fileName(), QDir::toNativeSeparators(fi.absolutePath()))),
                       EstiloMensaje::Exclamacion);
                continue;
            }
            // The files written beside it (the base file beside the bets) are replaced too:
            // one question names every one of them that exists.
            QStringList existentes;
            if (fi.exists()) existentes << fi.fileName();
            for (const std::string& junta : p.extensionesJuntas) {
                const QFileInfo otro(Q(Ficheros::CambiarExtension(S(ruta), junta)));
                if (otro.exists()) existentes << otro.fileName();
            }
            const bool nuevo = existentes.isEmpty();
            QString pregunta;
            if (nuevo)
                pregunta = QStringLiteral("%1\nEste archivo no existe.\n¿ Desea crearlo ?").arg(fi.fileName());
            else if (existentes.size() == 1)
                pregunta = QStringLiteral("%1 ya existe.\n¿ Desea reemplazarlo ?").arg(existentes.first());
            else
                pregunta = QStringLiteral("%1 y %2 ya existen.\n¿ Desea reemplazarlos ?")
                               .arg(existentes.mid(0, existentes.size() - 1).join(QStringLiteral(", ")),
                                    existentes.last());
            // No goes back to the dialog, as the system's dialogs do. Enter keeps existing
            // files but creates a new one: a new name typed and Enter saves.
            if (!Preguntar(pregunta, nuevo)) continue;
        }
        r.aceptado = true;
        r.ruta = S(QDir::toNativeSeparators(ruta));
        carpetaDialogos_ = QFileInfo(ruta).absolutePath();
        if (!filtros.isEmpty()) r.indiceFiltro = FiltroElegido(dlg, filtros, p);
        return r;
    }
}

QString PlataformaQt::CarpetaDialogos() const {
    // A folder removed since it was used is passed over.
    if (!carpetaDialogos_.isEmpty() && QFileInfo(carpetaDialogos_).isDir()) return carpetaDialogos_;
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documentos.isEmpty() && QFileInfo(documentos).isDir()) return documentos;
    return QDir::homePath();
}

void PlataformaQt::MostrarModal(Ventana& ventana) {
    ventana.Cargar();
    if (!ventana.Cargada()) return;  // the load handler may unload the window at once
    modales_.push_back(&ventana);
    QPointer<Ventana> guardia(&ventana);
    ventana.setWindowModality(Qt::ApplicationModal);
    // Activation runs once the window is on screen, inside its own message loop.
    QTimer::singleShot(0, &ventana, [guardia] {
        if (guardia && guardia->Cargada()) guardia->Activar();
    });
    ventana.exec();
    modales_.pop_back();
    // The window below gets the activation back, as when a modal window closes.
    if (!modales_.empty() && modales_.back()->Cargada()) modales_.back()->Activar();
}

// The program's locale (Spanish, set at start-up), not the system's.
std::string PlataformaQt::SeparadorMiles() { return S(QLocale().groupSeparator()); }
