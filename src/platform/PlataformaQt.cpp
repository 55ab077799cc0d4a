#include "platform/PlataformaQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "platform/Ventana.h"

namespace {
QString Q(const std::string& s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

QWidget* VentanaActiva() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    return w;
}
}  // namespace

PlataformaQt::PlataformaQt() { Randomize(); }

RespuestaMensaje PlataformaQt::MsgBox(const std::string& texto, EstiloMensaje estilo) {
    QMessageBox caja(VentanaActiva());
    caja.setWindowTitle(QString::fromLatin1(TituloMensajes));
    caja.setText(Q(texto));
    switch (estilo) {
    case EstiloMensaje::Critico: caja.setIcon(QMessageBox::Critical); break;
    case EstiloMensaje::Exclamacion: caja.setIcon(QMessageBox::Warning); break;
    case EstiloMensaje::Informacion: caja.setIcon(QMessageBox::Information); break;
    case EstiloMensaje::PreguntaSiNo: {
        caja.setIcon(QMessageBox::Question);
        auto* si = caja.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
        auto* no = caja.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        caja.setDefaultButton(no);
        caja.setEscapeButton(no);
        caja.exec();
        return caja.clickedButton() == si ? RespuestaMensaje::Si : RespuestaMensaje::No;
    }
    }
    caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    caja.exec();
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

bool PlataformaQt::AbrirPaginaWeb(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(Q(url)));
}

bool PlataformaQt::MostrarFicheroTexto(const std::string& ruta) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(ruta)));
}

ResultadoDialogoFichero PlataformaQt::DialogoFichero(const PeticionDialogo& p) {
    ResultadoDialogoFichero r;
    QStringList filtros;
    for (const auto& [desc, patron] : p.filtros) {
        QString d = Q(desc);
        // The description usually names its pattern already: "Fichero (*.EUR)".
        if (!d.contains(QLatin1Char('('))) d += QStringLiteral(" (%1)").arg(Q(patron));
        // Qt reads the patterns from the parentheses; accept upper and lower case alike.
        filtros << d;
    }
    QFileDialog dlg(VentanaActiva(), Q(p.titulo));
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setNameFilters(filtros);
    if (p.indiceFiltro >= 1 && p.indiceFiltro <= filtros.size())
        dlg.selectNameFilter(filtros.at(p.indiceFiltro - 1));
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);  // asked below, in Spanish
    if (p.guardar) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        if (!p.nombrePropuesto.empty()) dlg.selectFile(Q(p.nombrePropuesto));
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    dlg.setLabelText(QFileDialog::Accept, p.guardar ? QStringLiteral("Guardar") : QStringLiteral("Abrir"));
    dlg.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    dlg.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre:"));
    dlg.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dlg.setLabelText(QFileDialog::LookIn, QStringLiteral("Buscar en:"));
    for (;;) {
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return r;
        QString ruta = dlg.selectedFiles().first();
        if (p.guardar) {
            QFileInfo fi(ruta);
            QString pregunta = fi.exists()
                ? QStringLiteral("%1 ya existe.\n¿ Desea reemplazarlo ?").arg(fi.fileName())
                : QStringLiteral("%1 no existe.\n¿ Desea crearlo ?").arg(fi.fileName());
            if (MsgBox(S(pregunta), EstiloMensaje::PreguntaSiNo) != RespuestaMensaje::Si) continue;
        }
        r.aceptado = true;
        r.ruta = S(QDir::toNativeSeparators(ruta));
        int i = static_cast<int>(filtros.indexOf(dlg.selectedNameFilter()));
        r.indiceFiltro = i >= 0 ? i + 1 : p.indiceFiltro;
        return r;
    }
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

std::string PlataformaQt::SeparadorMiles() { return S(QLocale::system().groupSeparator()); }
