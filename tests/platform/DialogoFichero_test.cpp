// The file dialog of the Qt platform, driven as a user would: the test answers each modal
// window (the dialog itself, then the confirmations) in turn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>

#include "platform/PlataformaQt.h"

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
    QStringList r;
    for (int intento = 0; intento < 100 && r.isEmpty(); ++intento) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QModelIndex raiz = lista->rootIndex();
        for (int f = 0; f < lista->model()->rowCount(raiz); ++f) r << lista->model()->index(f, 0, raiz).data().toString();
    }
    r.sort();
    return r;
}

// The user types a name into the dialog's name box.
void Teclear(QFileDialog* d, const QString& nombre) {
    d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(nombre);
}

void Pulsar(QWidget* w, const QString& texto) {
    auto* caja = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(caja, nullptr);
    for (QAbstractButton* b : caja->buttons())
        if (b->text() == texto) {
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
  // as the accept button does
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

TEST_F(DialogoFicheroTest, GuardarEncimaPreguntaYNoVuelveAlDialogo) {
    Crear("base.EUR");
    PeticionDialogo p = Peticion(true);
    p.indiceFiltro = 1;
    p.nombrePropuesto = "base.EUR";
    QString propuesto;
    QStringList preguntas;
    bool noPorDefecto = false;
    int vecesDialogo = 0;
    auto aceptarDialogo = [&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        ++vecesDialogo;
        if (propuesto.isEmpty()) propuesto = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        d->setDirectory(carpeta.path());
        Teclear(d, QStringLiteral("base.EUR"));
        static_cast<QDialog*>(d)->accept();  // as the accept button does
    };
    conductor.acciones.push_back(aceptarDialogo);
    conductor.acciones.push_back([&](QWidget* w) {
        auto* caja = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(caja, nullptr);
        preguntas << caja->text();
        noPorDefecto = caja->defaultButton() && caja->defaultButton()->text() == QStringLiteral("No");
        conductor.Olvidar();  // the dialog comes back
        Pulsar(w, QStringLiteral("No"));
    });
    conductor.acciones.push_back(aceptarDialogo);
    conductor.acciones.push_back([&](QWidget* w) {
        preguntas << qobject_cast<QMessageBox*>(w)->text();
        Pulsar(w, QStringLiteral("Sí"));
    });
    ResultadoDialogoFichero r = plataforma.DialogoFichero(p);
    EXPECT_EQ(propuesto, QStringLiteral("base.EUR"));
    EXPECT_EQ(vecesDialogo, 2);
    ASSERT_EQ(preguntas.size(), 2);
    EXPECT_EQ(preguntas[0], QStringLiteral("base.EUR ya existe.\n¿ Desea reemplazarlo ?"));
    EXPECT_TRUE(noPorDefecto);
    ASSERT_TRUE(r.aceptado);
    EXPECT_EQ(QString::fromStdString(r.ruta), QDir::toNativeSeparators(Ruta(QStringLiteral("base.EUR"))));
    EXPECT_EQ(r.indiceFiltro, 1);
}

TEST_F(DialogoFicheroTest, GuardarConNombreNuevoPreguntaSiSeCrea) {
    PeticionDialogo p = Peticion(true);
    QString pregunta;
    conductor.acciones.push_back([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->setDirectory(carpeta.path());
        ElegirTipo(d, 1);
        Teclear(d, QStringLiteral("nuevo.EUR"));
        static_cast<QDialog*>(d)->accept();  // as the accept button does
    });
    conductor.acciones.push_back([&](QWidget* w) {
        pregunta = qobject_cast<QMessageBox*>(w)->text();
        Pulsar(w, QStringLiteral("Sí"));
    });
    ResultadoDialogoFichero r = plataforma.DialogoFichero(p);
    EXPECT_EQ(pregunta, QStringLiteral("nuevo.EUR\nEste archivo no existe.\n¿ Desea crearlo ?"));
    ASSERT_TRUE(r.aceptado);
    EXPECT_EQ(r.indiceFiltro, 2);
    EXPECT_FALSE(QFile::exists(Ruta(QStringLiteral("nuevo.EUR"))));  // the dialog creates nothing
}
