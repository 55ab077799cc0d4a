// The file dialog of the Qt platform, driven as a user would: the test answers each modal
// window (the dialog itself, then the confirmations) in turn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <deque>
#include <functional>

#include "platform/PlataformaQt.h"
#include "support/Teclado.h"

namespace {

// Runs the queued actions, one per modal window that comes up, in order.
class Conductor {
public:
    std::deque<std::function<void(QWidget*)>> acciones;
    Conductor() {
        QObject::connect(&reloj_, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || !w->isVisible() || acciones.empty() || w == ultimo_) return;
            ultimo_ = w;
            auto accion = std::move(acciones.front());
            acciones.pop_front();
            accion(w);
        });
        reloj_.start(20);
    }
    // The same dialog shown again counts as a new window.
    void Olvidar() { ultimo_ = nullptr; }

private:
    QTimer reloj_;
    QWidget* ultimo_ = nullptr;
};

QStringList TiposMostrados(QFileDialog* d) {
    QStringList r;
    auto* combo = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    for (int i = 0; combo && i < combo->count(); ++i) r << combo->itemText(i);
    return r;
}

void ElegirTipo(QFileDialog* d, int indice) {
    auto* combo = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    combo->setCurrentIndex(indice);
    emit combo->activated(indice);
}

// The names the dialog lists in its current folder, once it has read it.
QStringList Listados(QFileDialog* d) {
    auto* lista = d->findChild<QListView*>(QStringLiteral("listView"));
    // The folder is read in the background: the listing counts once it has stayed the same
    // for a few rounds (on a busy machine it fills in several steps).
    QStringList r, anterior;
    for (int intento = 0, iguales = 0; intento < 200 && iguales < 5; ++intento) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
        QModelIndex raiz = lista->rootIndex();
        r.clear();
        for (int f = 0; f < lista->model()->rowCount(raiz); ++f) r << lista->model()->index(f, 0, raiz).data().toString();
        r.sort();
        iguales = !r.isEmpty() && r == anterior ? iguales + 1 : 0;
        anterior = r;
    }
    return r;
}

// The user types a name into the dialog's name box.
void Teclear(QFileDialog* d, const QString& nombre) {
    d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(nombre);
}

QString SinAlt(QString t) { return t.remove(QLatin1Char('&')); }

// The button of a question box as the user reads it (its Alt letter aside).
QString PorDefecto(QWidget* w) {
    auto* caja = qobject_cast<QMessageBox*>(w);
    return caja && caja->defaultButton() ? SinAlt(caja->defaultButton()->text()) : QString();
}

void Pulsar(QWidget* w, const QString& texto) {
    auto* caja = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(caja, nullptr);
    for (QAbstractButton* b : caja->buttons())
        if (SinAlt(b->text()) == texto) {
            b->click();
            return;
        }
    FAIL() << "no button " << texto.toStdString();
}

class DialogoFicheroTest : public ::testing::Test {
protected:
    PlataformaQt plataforma;
    Conductor conductor;
    QTemporaryDir carpeta;
    QString Ruta(const QString& nombre) { return carpeta.path() + QLatin1Char('/') + nombre; }
    void Crear(const QString& nombre) {
        QFile f(Ruta(nombre));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    static PeticionDialogo Peticion(bool guardar) {
        PeticionDialogo p;
        p.guardar = guardar;
        p.titulo = guardar ? "Guardar Combinación" : "Abrir Fichero";
        p.filtros = {{"Ficheros de Apuestas (*.TXT)", "*.TXT"},
                     {"Ficheros en formato TORNAVENTURA (*.EUR)", "*.EUR"},
                     {"Todos los archivos (*.*)", "*.*"}};
        return p;
    }
};

}  // namespace

TEST_F(DialogoFicheroTest, AbrirMuestraTituloFiltrosEnOrdenYElPrimeroPedido) {
    Crear("a.txt");
    Crear("B.EUR");
    Crear("sin_extension");
    PeticionDialogo p = Peticion(false);
    p.indiceFiltro = 2;
    QString titulo, tipoInicial;
    QStringList tipos, conEUR, conTodos;
    conductor.acciones.push_back([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        titulo = d->windowTitle();
        tipos = TiposMostrados(d);
        tipoInicial = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
        d->setDirectory(carpeta.path());
        conEUR = Listados(d);
        ElegirTipo(d, 2);
        conTodos = Listados(d);
        Teclear(d, QStringLiteral("sin_extension"));
        static_cast<QDialog*>(d)->accept();  // as the accept button does
    });
    ResultadoDialogoFichero r = plataforma.DialogoFichero(p);
    EXPECT_EQ(titulo, QStringLiteral("Abrir Fichero"));
    EXPECT_EQ(tipos, (QStringList{QStringLiteral("Ficheros de Apuestas (*.TXT)"),
                                  QStringLiteral("Ficheros en formato TORNAVENTURA (*.EUR)"),
                                  QStringLiteral("Todos los archivos (*.*)")}));
    EXPECT_EQ(tipoInicial, QStringLiteral("Ficheros en formato TORNAVENTURA (*.EUR)"));
    EXPECT_EQ(conEUR, QStringList{QStringLiteral("B.EUR")});  // patterns regardless of case
    // "*.*" means every file, also one without an extension.
    EXPECT_EQ(conTodos, (QStringList{QStringLiteral("B.EUR"), QStringLiteral("a.txt"), QStringLiteral("sin_extension")}));
    ASSERT_TRUE(r.aceptado);
    EXPECT_EQ(QString::fromStdString(r.ruta), QDir::toNativeSeparators(Ruta(QStringLiteral("sin_extension"))));
    EXPECT_EQ(r.indiceFiltro, 3);
}

TEST_F(DialogoFicheroTest, CancelarNoDevuelveNada) {
    PeticionDialogo p = Peticion(false);
    p.indiceFiltro = 2;
    conductor.acciones.push_back([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    ResultadoDialogoFichero r = plataforma.DialogoFichero(p);
    EXPECT_FALSE(r.aceptado);
    EXPECT_EQ(r.ruta, "");
    EXPECT_EQ(r.indiceFiltro, 2);
}

// The questions are about the files that will be written: a name typed without the extension
// the caller forces (or with another one) is asked about with that extension, and the base
// file written beside it too, alone or in the one question with the bets.
TEST_F(DialogoFicheroTest, GuardarEncimaPreguntaYNoVuelveAlDialogo) {
    Crear("base.EUR");
    Crear("base.xml");
    Crear("uno.xml");
    PeticionDialogo p = Peticion(true);
    p.indiceFiltro = 1;
    p.nombrePropuesto = "base.EUR";
    p.extension = ".EUR";
    p.extensionesJuntas = {".xml"};
    QString propuesto;
    QStringList preguntas;
    bool noPorDefecto = true;
    int vecesDialogo = 0;
    auto aceptarDialogo = [&](const QString& nombre) {
        return [&, nombre](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(d, nullptr);
            ++vecesDialogo;
            if (propuesto.isEmpty()) propuesto = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            d->setDirectory(carpeta.path());
            Teclear(d, nombre);
            static_cast<QDialog*>(d)->accept();  // as the accept button does
        };
    };
    auto responderNo = [&](QWidget* w) {
        auto* caja = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(caja, nullptr);
        preguntas << caja->text();
        noPorDefecto = noPorDefecto && PorDefecto(w) == QStringLiteral("No");
        conductor.Olvidar();  // the dialog comes back
        Pulsar(w, QStringLiteral("No"));
    };
    for (const QString& nombre : {QStringLiteral("uno"), QStringLiteral("base")}) {
        conductor.acciones.push_back(aceptarDialogo(nombre));
        conductor.acciones.push_back(responderNo);
    }
    conductor.acciones.push_back(aceptarDialogo(QStringLiteral("base.txt")));
    conductor.acciones.push_back([&](QWidget* w) {
        preguntas << qobject_cast<QMessageBox*>(w)->text();
        Pulsar(w, QStringLiteral("Sí"));
    });
    ResultadoDialogoFichero r = plataforma.DialogoFichero(p);
    EXPECT_EQ(propuesto, QStringLiteral("base.EUR"));
    EXPECT_EQ(vecesDialogo, 3);
    const QString reemplazar = QStringLiteral("base.EUR y base.xml ya existen.\n¿ Desea reemplazarlos ?");
    const QString soloBase = QStringLiteral("uno.xml ya existe.\n¿ Desea reemplazarlo ?");
    EXPECT_EQ(preguntas, (QStringList{soloBase, reemplazar, reemplazar}));
    EXPECT_TRUE(noPorDefecto);
    ASSERT_TRUE(r.aceptado);
    EXPECT_EQ(QString::fromStdString(r.ruta), QDir::toNativeSeparators(Ruta(QStringLiteral("base.EUR"))));
    EXPECT_EQ(r.indiceFiltro, 1);
}

// A name typed into a folder that does not exist is told at once, with no question, and the
// dialog comes back; a new name in a folder that exists asks, and Enter creates it.
TEST_F(DialogoFicheroTest, GuardarConNombreNuevoPreguntaSiSeCreaEIntroLoCrea) {
    PeticionDialogo p = Peticion(true);
    QString aviso, pregunta, porDefecto;
    for (const QString& nombre : {QStringLiteral("no/existe/nuevo.EUR"), QStringLiteral("nuevo.EUR")})
        conductor.acciones.push_back([&, nombre](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(d, nullptr);
            d->setDirectory(carpeta.path());
            ElegirTipo(d, 1);
            Teclear(d, nombre);
            static_cast<QDialog*>(d)->accept();  // as the accept button does
        });
    conductor.acciones.insert(conductor.acciones.begin() + 1, [&](QWidget* w) {
        auto* caja = qobject_cast<QMessageBox*>(w);
        ASSERT_TRUE(caja && caja->icon() == QMessageBox::Warning);
        aviso = caja->text();
        Pulsar(w, QStringLiteral("Aceptar"));
    });
    conductor.acciones.push_back([&](QWidget* w) {
        pregunta = qobject_cast<QMessageBox*>(w)->text();
        porDefecto = PorDefecto(w);
        PulsarTecla(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
    });
    bool vuelveAlDialogo = false;  // what No would do
    conductor.acciones.push_back([&](QWidget* w) {
        vuelveAlDialogo = true;
        qobject_cast<QDialog*>(w)->reject();
    });
    ResultadoDialogoFichero r = plataforma.DialogoFichero(p);
    EXPECT_FALSE(vuelveAlDialogo);
    EXPECT_EQ(aviso, QStringLiteral("nuevo.EUR\nNo se encontró la ruta de acceso:\n%1\nCompruebe que la carpeta existe.")
                         .arg(QDir::toNativeSeparators(Ruta(QStringLiteral("no/existe")))));
    EXPECT_EQ(pregunta, QStringLiteral("nuevo.EUR\nEste archivo no existe.\n¿ Desea crearlo ?"));
    EXPECT_EQ(porDefecto, QStringLiteral("Sí"));
    ASSERT_TRUE(r.aceptado);
    EXPECT_EQ(r.indiceFiltro, 2);
    EXPECT_FALSE(QFile::exists(Ruta(QStringLiteral("nuevo.EUR"))));  // the dialog creates nothing
}

TEST_F(DialogoFicheroTest, LasPreguntasDelProgramaTienenLetrasAltYNoPorDefecto) {
    QStringList botones;
    QString porDefecto;
    int sinRespuesta = 0;
    auto preguntar = [&](std::function<void(QWidget*)> responder) {
        conductor.Olvidar();
        conductor.acciones.push_back([&, responder](QWidget* w) {
            auto* caja = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(caja, nullptr);
            botones.clear();
            for (QAbstractButton* b : caja->buttons()) botones << b->text();
            porDefecto = PorDefecto(w);
            responder(w);
            // A key that answers nothing must not hang the test.
            QTimer::singleShot(3000, caja, [&sinRespuesta, caja] {
                ++sinRespuesta;
                caja->done(0);
            });
        });
        return plataforma.MsgBox("\xC2\xBF DESEA CONTINUAR ?", EstiloMensaje::PreguntaSiNo);
    };
    auto tecla = [](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        return [k, m](QWidget* w) {
            ActivarVentana(w);  // an Alt letter reaches only the active window
            if (m == Qt::NoModifier) PulsarTecla(w->focusWidget() ? w->focusWidget() : w, k, m);
            else PulsarAtajo(w, k, m);
        };
    };
    EXPECT_EQ(preguntar(tecla(Qt::Key_Return)), RespuestaMensaje::No);
    botones.sort();
    EXPECT_EQ(botones, (QStringList{QStringLiteral("&No"), QStringLiteral("&Sí")}));
    EXPECT_EQ(porDefecto, QStringLiteral("No"));
    EXPECT_EQ(preguntar(tecla(Qt::Key_S, Qt::AltModifier)), RespuestaMensaje::Si);
    EXPECT_EQ(preguntar(tecla(Qt::Key_N, Qt::AltModifier)), RespuestaMensaje::No);
    EXPECT_EQ(preguntar(tecla(Qt::Key_Escape)), RespuestaMensaje::No);
    EXPECT_EQ(sinRespuesta, 0);
}

// ---------------------------------------------------------------- Spanish and the folder

namespace {

QStringList Botones(QFileDialog* d) {
    QStringList r;
    if (auto* caja = d->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
        for (QAbstractButton* b : caja->buttons()) r << SinAlt(b->text());
    return r;
}

QString Consejo(QFileDialog* d, const char* nombre) {
    auto* b = d->findChild<QToolButton*>(QString::fromLatin1(nombre));
    return b ? b->toolTip() : QString();
}

// The user's documents folder as the system names it, for the length of a test.
class CarpetaDocumentos {
public:
    explicit CarpetaDocumentos(const QString& documentos) : anterior_(qgetenv("XDG_CONFIG_HOME")) {
        QFile f(config_.path() + QStringLiteral("/user-dirs.dirs"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("XDG_DOCUMENTS_DIR=\"%1\"\n").arg(documentos).toUtf8());
        f.close();
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }
    ~CarpetaDocumentos() {
        if (anterior_.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
        else qputenv("XDG_CONFIG_HOME", anterior_);
    }

private:
    QTemporaryDir config_;
    QByteArray anterior_;
};

}  // namespace

TEST(IdiomaEspanol, TextosDeQtYFormatosEnEspanolSeaCualSeaElSistema) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // as on an English system
    PrepararIdiomaEspanol();
    EXPECT_TRUE(PrepararIdiomaEspanol()) << "Qt's Spanish translation (qtbase_es.qm) is missing";
    EXPECT_EQ(QLocale().language(), QLocale::Spanish);
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 7), QStringLiteral("dddd d 'de' MMMM")),
              QStringLiteral("lunes 7 de diciembre"));
    PlataformaQt plataforma;
    Plataforma::Instalar(&plataforma);
    EXPECT_EQ(FormatoMiles(139838160), "139.838.160");
    Plataforma::Instalar(nullptr);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Create New Folder"), QStringLiteral("Crear nueva carpeta"));
}

TEST_F(DialogoFicheroTest, LosBotonesYConsejosDelDialogoEnEspanol) {
    PrepararIdiomaEspanol();
    QStringList abrir, guardar;
    QString atras, nueva, columna, tipoCarpeta;
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("sub")));
    conductor.acciones.push_back([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        abrir = Botones(d);
        atras = Consejo(d, "backButton");
        nueva = Consejo(d, "newFolderButton");
        auto* arbol = d->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(arbol, nullptr);
        columna = arbol->model()->headerData(0, Qt::Horizontal).toString();
        d->setDirectory(carpeta.path());
        Listados(d);
        auto* lista = d->findChild<QListView*>(QStringLiteral("listView"));
        // The type of an entry is found after its name, in the background too.
        for (int intento = 0; intento < 200 && tipoCarpeta.isEmpty(); ++intento) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            const QModelIndex raiz = lista->rootIndex();
            for (int f = 0; f < lista->model()->rowCount(raiz); ++f)
                if (lista->model()->index(f, 0, raiz).data().toString() == QStringLiteral("sub"))
                    tipoCarpeta = lista->model()->index(f, 2, raiz).data().toString();
        }
        d->reject();
    });
    plataforma.DialogoFichero(Peticion(false));
    conductor.Olvidar();
    conductor.acciones.push_back([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        guardar = Botones(d);
        d->reject();
    });
    plataforma.DialogoFichero(Peticion(true));
    EXPECT_EQ(abrir, (QStringList{QStringLiteral("Abrir"), QStringLiteral("Cancelar")}));
    EXPECT_EQ(guardar, (QStringList{QStringLiteral("Guardar"), QStringLiteral("Cancelar")}));
    EXPECT_EQ(atras, QStringLiteral("Atrás"));
    EXPECT_EQ(nueva, QStringLiteral("Crear nueva carpeta"));
    EXPECT_EQ(columna, QStringLiteral("Nombre"));
    EXPECT_EQ(tipoCarpeta, QStringLiteral("Carpeta"));  // a text Qt's translation leaves in English
}

TEST_F(DialogoFicheroTest, ElPrimeroAbreEnDocumentosYLuegoEnLaUltimaCarpetaUsada) {
    QTemporaryDir documentos;
    CarpetaDocumentos sistema(documentos.path());
    Crear("elegido.EUR");
    QStringList carpetas;
    auto anotar = [&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        carpetas << (d ? QDir(d->directory()).canonicalPath() : QString());
        return d;
    };
    conductor.acciones.push_back([&](QWidget* w) {
        auto* d = anotar(w);
        ASSERT_NE(d, nullptr);
        // Cancelled after a look elsewhere: the next dialog still opens in the documents.
        d->setDirectory(carpeta.path());
        d->reject();
    });
    plataforma.DialogoFichero(Peticion(false));
    conductor.Olvidar();
    conductor.acciones.push_back([&](QWidget* w) {
        auto* d = anotar(w);
        ASSERT_NE(d, nullptr);
        d->setDirectory(carpeta.path());
        Teclear(d, QStringLiteral("elegido.EUR"));
        static_cast<QDialog*>(d)->accept();
    });
    ASSERT_TRUE(plataforma.DialogoFichero(Peticion(false)).aceptado);
    conductor.Olvidar();
    // The next one, a save with a proposed name, opens where the last file was chosen.
    PeticionDialogo guardar = Peticion(true);
    guardar.nombrePropuesto = "Sin guardar.EUR";
    QString propuesto;
    conductor.acciones.push_back([&](QWidget* w) {
        auto* d = anotar(w);
        ASSERT_NE(d, nullptr);
        propuesto = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        d->reject();
    });
    plataforma.DialogoFichero(guardar);
    const QString docs = QDir(documentos.path()).canonicalPath();
    const QString usada = QDir(carpeta.path()).canonicalPath();
    EXPECT_EQ(carpetas, (QStringList{docs, docs, usada}));
    EXPECT_EQ(propuesto, QStringLiteral("Sin guardar.EUR"));
}

TEST_F(DialogoFicheroTest, SinCarpetaDeDocumentosAbreEnLaCarpetaPersonal) {
    CarpetaDocumentos sistema(carpeta.path() + QStringLiteral("/no_existe"));
    QString abierta;
    conductor.acciones.push_back([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        abierta = QDir(d->directory()).canonicalPath();
        d->reject();
    });
    plataforma.DialogoFichero(Peticion(false));
    EXPECT_EQ(abierta, QDir(QDir::homePath()).canonicalPath());
}
