// The keyboard of the main window and of the small windows it opens: Alt letters and the
// usual keys of the file menu, Tab order, Esc and Enter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <set>

#include "PrincipalPrueba.h"
#include "main/frmAcercaDe.h"
#include "main/frmAlazar.h"
#include "main/frmAutor.h"
#include "support/Teclado.h"

namespace {

// The Alt letter of a caption ('\0' when it has none) and whether it has exactly one.
QChar LetraAlt(const QString& t, int* cuantas) {
    QChar letra;
    *cuantas = 0;
    for (int i = 0; i + 1 < t.size(); ++i)
        if (t[i] == QLatin1Char('&') && t[i + 1] != QLatin1Char('&')) {
            ++*cuantas;
            letra = t[i + 1].toLower();
        }
    return letra;
}

void LetrasDistintas(const QStringList& captions) {
    std::set<QChar> vistas;
    for (const QString& c : captions) {
        int cuantas = 0;
        const QChar letra = LetraAlt(c, &cuantas);
        EXPECT_EQ(cuantas, 1) << c.toStdString();
        EXPECT_TRUE(letra.isLetter()) << c.toStdString();
        EXPECT_TRUE(vistas.insert(letra).second) << "repeated letter in " << c.toStdString();
    }
}

TEST_F(PruebaPrincipal, CadaMenuYCadaEntradaTienenSuLetraAlt) {
    QStringList titulos;
    for (QMenu* m : {f.menuArchivo, f.menuDatos, f.menuUtilidades, f.menuAyuda}) {
        titulos << m->title();
        QStringList entradas;
        for (QAction* a : m->actions())
            if (!a->isSeparator()) entradas << a->text();
        LetrasDistintas(entradas);
    }
    LetrasDistintas(titulos);
}

TEST_F(PruebaPrincipal, AltAbreSuMenu) {
    ActivarVentana(&f);
    EXPECT_TRUE(PulsarAtajo(&f, Qt::Key_U, Qt::AltModifier));
    for (int i = 0; i < 20 && !f.menuUtilidades->isVisible(); ++i) QApplication::processEvents();
    EXPECT_TRUE(f.menuUtilidades->isVisible());
    f.menuUtilidades->close();
}

TEST_F(PruebaPrincipal, LasTeclasHabitualesDelMenuArchivo) {
    // The system's keys, or Ctrl and the letter where the system names none.
    auto tecla = [](QKeySequence::StandardKey clave, QKeyCombination comun) {
        const auto teclas = QKeySequence::keyBindings(clave);
        return teclas.isEmpty() ? QKeySequence(comun) : teclas.first();
    };
    EXPECT_EQ(f.menuNuevo->shortcut(), tecla(QKeySequence::New, Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(f.menuAbrir->shortcut(), tecla(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(f.menuGuardar->shortcut(), tecla(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(f.menuSalir->shortcut(), tecla(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));
    ActivarVentana(&f);
    EXPECT_TRUE(PulsarAtajo(&f, Qt::Key_O, Qt::ControlModifier));
    EXPECT_TRUE(PulsarAtajo(&f, Qt::Key_S, Qt::ControlModifier));
    EXPECT_EQ(f.llamadas, (std::vector<std::string>{"AbrirBaseXML", "GuardarBaseXML"}));

    // Ctrl+N asks about an unsaved setup first, as the menu entry does.
    MarcarNumeros({7});
    EXPECT_TRUE(PulsarAtajo(&f, Qt::Key_N, Qt::ControlModifier));  // No
    EXPECT_EQ(NumerosMarcados(), 1);
    ASSERT_EQ(guion.mensajes.size(), 1u);
    guion.respuestas.push_back(RespuestaMensaje::Si);
    PulsarAtajo(&f, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(NumerosMarcados(), 0);

    // While the window works, the menus are out of reach and so are their keys.
    f.BloquearControles();
    PulsarAtajo(&f, Qt::Key_S, Qt::ControlModifier);
    PulsarAtajo(&f, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(f.Veces("GuardarBaseXML"), 1);
    EXPECT_TRUE(f.Cargada());
    f.DesbloquearControles();

    // Ctrl+Q leaves a saved setup at once.
    EXPECT_TRUE(PulsarAtajo(&f, Qt::Key_Q, Qt::ControlModifier));
    EXPECT_FALSE(f.Cargada());
}

TEST_F(PruebaPrincipal, EscNoCierraLaVentanaPrincipal) {
    ActivarVentana(&f);
    MarcarNumeros({1});
    PulsarTecla(QApplication::focusWidget(), Qt::Key_Escape);
    PulsarTecla(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.Cargada());
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(PruebaPrincipal, ElTabuladorRecorreModoCasillaListaYBarra) {
    ActivarVentana(&f);
    EXPECT_EQ(QApplication::focusWidget(), f.cboTipoCombinacion);
    std::vector<QWidget*> recorrido;
    for (int i = 0; i < 10; ++i) {
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Tab);
        recorrido.push_back(QApplication::focusWidget());
    }
    // The imported file's box is disabled outside "Desde Archivo": Tab skips it.
    std::vector<QWidget*> esperado{f.chkGuardarAutomaticamente, f.lstFiltros};
    for (auto* l : f.lblMenu) esperado.push_back(l);
    esperado.push_back(f.cboTipoCombinacion);
    EXPECT_EQ(recorrido, esperado);
    // The grids keep to the mouse.
    for (auto* l : f.lblNumero) EXPECT_EQ(l->focusPolicy(), Qt::NoFocus);
    for (auto* b : f.imgINIFila) EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    for (auto* b : f.imgINIColumna) EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
}

TEST_F(PruebaPrincipal, LaBarraFuncionaConIntroYEspacio) {
    ActivarVentana(&f);
    f.chkGuardarAutomaticamente->SetValue(1);
    f.lblMenu[4]->setFocus(Qt::TabFocusReason);
    PulsarTecla(f.lblMenu[4], Qt::Key_Return);
    EXPECT_EQ(f.Veces("Calcular"), 1);
    EXPECT_EQ(f.casillaAlCalcular, 0);  // a trial, as by the mouse
    f.lblMenu[6]->setFocus(Qt::TabFocusReason);
    PulsarTecla(f.lblMenu[6], Qt::Key_Space);
    EXPECT_EQ(f.Veces("GuardarApuestasEUR"), 1);
}

TEST_F(PruebaPrincipal, LaListaDeFiltrosConTeclado) {
    ActivarVentana(&f);
    f.lstFiltros->setFocus();
    f.lstFiltros->SetListIndex(5);
    PulsarTecla(f.lstFiltros, Qt::Key_Return);
    EXPECT_EQ(f.filasAbiertas, std::vector<int>{5});
    EXPECT_FALSE(f.FilaActiva(5));
    PulsarTecla(f.lstFiltros, Qt::Key_Menu);
    EXPECT_TRUE(f.FilaActiva(5));
    PulsarTecla(f.lstFiltros, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_FALSE(f.FilaActiva(5));
    EXPECT_EQ(f.lstFiltros->ListIndex(), 5);
}

TEST_F(PruebaPrincipal, AlAzarConIntroSorteaYConEscSeCierra) {
    bool cerradaConEsc = false;
    int marcadosConIntro = 0;
    guion.alMostrar["frmAlazar"] = [&](Ventana& v) {
        auto& w = static_cast<frmAlazar&>(v);
        ActivarVentana(&w);
        EXPECT_EQ(QApplication::focusWidget(), w.cboNumeros);
        w.cboNumeros->setCurrentIndex(9);
        PulsarTecla(w.cboNumeros, Qt::Key_Return);
        marcadosConIntro = NumerosMarcados();
        std::vector<QWidget*> recorrido;
        for (int i = 0; i < 4; ++i) {
            PulsarTecla(QApplication::focusWidget(), Qt::Key_Tab);
            recorrido.push_back(QApplication::focusWidget());
        }
        EXPECT_EQ(recorrido, (std::vector<QWidget*>{w.cboEstrellas, w.cmdAlazar, w.imgVolver, w.cboNumeros}));
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Escape);
        cerradaConEsc = !w.Cargada();
    };
    ElegirModo(1);
    EXPECT_EQ(marcadosConIntro, 10);
    EXPECT_TRUE(cerradaConEsc);
}

TEST(VentanasPequenas, AutorYAcercaDeSeCierranConEscEIntro) {
    PlataformaGuion g;
    for (int tecla : {Qt::Key_Escape, Qt::Key_Return}) {
        frmAutor autor;
        bool cerrada = false;
        g.alMostrar["frmAutor"] = [&](Ventana&) {
            ActivarVentana(&autor);
            EXPECT_EQ(QApplication::focusWidget(), autor.cmdVolver);
            PulsarTecla(QApplication::focusWidget(), tecla);
            cerrada = !autor.Cargada();
        };
        g.MostrarModal(autor);
        EXPECT_TRUE(cerrada) << tecla;

        frmAcercaDe acercaDe;
        g.alMostrar["frmAcercaDe"] = [&](Ventana&) {
            ActivarVentana(&acercaDe);
            EXPECT_TRUE(acercaDe.tmrAnimacion->Enabled());
            PulsarTecla(&acercaDe, tecla);
            cerrada = !acercaDe.Cargada();
        };
        cerrada = false;
        g.MostrarModal(acercaDe);
        EXPECT_TRUE(cerrada) << tecla;
        EXPECT_TRUE(acercaDe.Detenido());
        EXPECT_FALSE(acercaDe.tmrAnimacion->Enabled());
    }
}

TEST(VentanasPequenas, LosEnlacesDelAcercaDeSeAlcanzanConElTabulador) {
    PlataformaGuion g;
    frmAcercaDe w;
    w.Cargar();
    ActivarVentana(&w);
    w.lblLinkZafirana->setFocus(Qt::TabFocusReason);
    PulsarTecla(w.lblLinkZafirana, Qt::Key_Return);
    EXPECT_EQ(g.paginas.size(), 1u);
    EXPECT_TRUE(w.Cargada());  // the link took Enter, not the window
    PulsarTecla(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.lblLinkVelodaro);
    w.Descargar();
}

}  // namespace
