// "Ayuda Online" and a report, through the Qt platform's opener and a stand-in xdg-open.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>
#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "common/modInformeTexto.h"
#include "main/DireccionesWeb.h"
#include "main/PrincipalPrueba.h"
#include "platform/PlataformaQt.h"
#include "support/Teclado.h"

namespace {
class PlataformaConAbridor : public PlataformaGuion {  // scripted but for the two openers
    PlataformaQt real_;
public:
    bool AbrirPaginaWeb(const std::string& url) override { return real_.AbrirPaginaWeb(url); }
    bool MostrarFicheroTexto(const std::string& ruta) override { return real_.MostrarFicheroTexto(ruta); }
};

// PATH holds one folder alone. Its xdg-open notes its process and what it opens, then runs cuerpo.
class Escritorio : public ConPrincipal<frmPrincipal, PlataformaConAbridor> {
protected:
    QTemporaryDir path;
    const std::string pathAnterior = getenv("PATH"), aqui = path.path().toStdString() + "/";
    Escritorio() { setenv("PATH", aqui.c_str(), 1); }
    ~Escritorio() override { setenv("PATH", pathAnterior.c_str(), 1); }
    void PonerAbridor(const std::string& cuerpo) {
        std::ofstream(aqui + "xdg-open") << "#!/bin/sh\necho $$ >" << aqui << "pid\necho \"$1\" >>" << aqui
                                         << "destinos\n" << cuerpo;
        std::filesystem::permissions(aqui + "xdg-open", std::filesystem::perms::owner_all);
    }
    std::string Leer(const char* nombre) {
        std::ifstream in(aqui + nombre);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};
}  // namespace

TEST_F(Escritorio, SoloLaSalidaCeroDelAbridorEsAbrir) {
    const std::string informe = modInformeTexto::RutaInforme(guion.carpeta, "TORNAVENTURA_INFORME.txt");
    for (const std::string cuerpo : {"", "exit 0", "exit 3", "exit 4"}) {  // "": no xdg-open on PATH
        if (!cuerpo.empty()) PonerAbridor(cuerpo);
        guion.mensajes.clear();
        f.menuAyudaOnline_Click();
        f.menuVerResumenFiltros_Click();
        ASSERT_EQ(guion.mensajes.size(), cuerpo == "exit 0" ? 0u : 2u) << cuerpo;
        if (cuerpo == "exit 0") continue;
        EXPECT_EQ(guion.mensajes[0].texto, std::string("ERROR: URL DEL FICHERO DE AYUDA NO ENCONTRADA O ERRONEA, CONSULTE EN ") +
                                               DireccionesWeb::SitioAgencia);
        EXPECT_EQ(guion.mensajes[1].texto, modInformeTexto::MensajeVisorNoIniciado(informe));
    }
    const std::string abiertos = DireccionesWeb::PaginaAgencia + ("\n" + informe + "\n");
    EXPECT_EQ(Leer("destinos"), abiertos + abiertos + abiertos);
}

TEST_F(Escritorio, UnAbridorQueSigueEnMarchaEsAbrirYNadieLoDetiene) {
    PonerAbridor("exec /bin/sleep 30");
    QTimer::singleShot(100, &f, [this] {  // the user's close box meanwhile, as the window system delivers it
        QCloseEvent cierre;
        QSpontaneKeyEvent::setSpontaneous(&cierre);
        QCoreApplication::instance()->notify(&f, &cierre);
    });
    f.menuAyudaOnline_Click();
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_TRUE(f.Cargada());
    for (int i = 0; i < 200 && Leer("pid").empty(); ++i) usleep(50000);  // a loaded machine starts it late
    const pid_t abridor = std::stoi(Leer("pid"));
    EXPECT_EQ(kill(abridor, 0), 0) << "the opener was stopped";
    EXPECT_NE(getsid(abridor), getsid(0)) << "the opener shares the program's session";
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child is left to reap";
    kill(abridor, SIGTERM);
}

TEST_F(Escritorio, LoQueElUsuarioHaceDuranteLaEsperaSePierdeYNoLlegaDespues) {
    PonerAbridor("exec /bin/sleep 1");
    ActivarVentana(&f);
    Casilla* casilla = f.chkGuardarAutomaticamente;
    casilla->setFocus();
    int clics = 0;
    QObject::connect(casilla, &Casilla::Click, &f, [&] { ++clics; });
    QWindow* w = f.windowHandle();  // input as the window system sends it: shortcuts first
    const auto clic = [&] { QTest::mouseClick(w, Qt::LeftButton, {}, casilla->mapTo(&f, casilla->rect().center())); };
    QTimer::singleShot(300, &f, [&] {
        clic();
        QTest::keyClick(w, Qt::Key_Space);
        QTest::keyClick(w, Qt::Key_U, Qt::AltModifier);  // the Utilidades menu
    });
    f.menuAyudaOnline_Click();
    QCoreApplication::processEvents();  // anything held back would come now
    EXPECT_FALSE(f.menuUtilidades->isVisible());
    clic();  // after the wait a click reaches the box at once
    EXPECT_EQ(clics, 1);
}
