// The filter windows and the hit-count dialog by keyboard: Tab reaches every control once and
// never a grid label, ending on the activation and close pictures; Esc goes the close box's way
// (refused where the close box is); Enter closes through imgVolver with the window's checks;
// in a text box neither key is an edit (no beep, no activation).
#include <gtest/gtest.h>

#include <QApplication>
#include <set>
#include <vector>

#include "filters/AyudaRejillas.h"
#include "filters/frmFiltroALTOSBAJOS.h"
#include "filters/frmFiltroDECENAS.h"
#include "filters/frmFiltroDISTANCIAS.h"
#include "filters/frmFiltroGRUPOS.h"
#include "filters/frmFiltroGRURELACIONADOS.h"
#include "filters/frmFiltroPARESIMPARES.h"
#include "filters/frmFiltroPOSICIONES.h"
#include "filters/frmFiltroSEGUIDOS.h"
#include "filters/frmFiltroSUMAS.h"
#include "filters/frmFiltroTERMINACIONES.h"
#include "support/Teclado.h"

namespace {

using namespace modGeneral;
using Controles = std::vector<QWidget*>;

class TecladoFiltros : public ayuda::PruebaVentanaRejillas {
protected:
    void SetUp() override {
        PruebaVentanaRejillas::SetUp();
        MarcarBase({1, 2, 3, 4, 5, 6, 7, 8});  // grid labels enabled: Tab must still pass them by
    }

    // Every control of the window a user could reach by Tab.
    static std::set<QWidget*> Alcanzables(QWidget& w) {
        std::set<QWidget*> s;
        for (auto* c : w.findChildren<QWidget*>())
            if (c->isVisibleTo(&w) && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus)) s.insert(c);
        return s;
    }

    // Shows the window, walks it with Tab and presses Esc. `orden`, when given, is the whole walk.
    void Comprobar(VentanaFiltro& w, bool escCierra, const Controles& orden = {}) {
        const std::string nombre = w.objectName().toStdString();
        w.Cargar();
        ActivarVentana(&w);
        const Controles r = Recorrido();
        EXPECT_EQ(std::set<QWidget*>(r.begin(), r.end()), Alcanzables(w)) << nombre;
        EXPECT_EQ(std::set<QWidget*>(r.begin(), r.end()).size(), r.size()) << nombre;
        ASSERT_GE(r.size(), 2u) << nombre;
        EXPECT_EQ(r[r.size() - 2], w.imgActivar) << nombre;
        EXPECT_EQ(r.back(), w.imgVolver) << nombre;
        for (QWidget* c : r) EXPECT_EQ(qobject_cast<Etiqueta*>(c), nullptr) << nombre << ": a grid label";
        if (!orden.empty()) {
            EXPECT_EQ(r, orden) << nombre;
        }

        PulsarTecla(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(w.Cargada(), !escCierra) << nombre;
        EXPECT_TRUE(guion.mensajes.empty()) << nombre;
        EXPECT_EQ(lista.List(w.Fila()).startsWith(QStringLiteral("Sí")), false) << nombre;
        if (w.Cargada()) w.Descargar();
    }
};

TEST_F(TecladoFiltros, CadaVentanaSeRecorreConElTabuladorYSeCierraConEsc) {
    {
        frmFiltroALTOSBAJOS w(lista);
        Comprobar(w, true, {w.cmdModificar0124, w.cmdModificar2550, w.imgActivar, w.imgVolver});
    }
    {
        frmFiltroDECENAS w(lista);
        Comprobar(w, true);
    }
    {
        frmFiltroDISTANCIAS w(lista);
        Comprobar(w, true);
    }
    {
        frmFiltroGRUPOS w(lista, base);
        Comprobar(w, true);
    }
    {
        // The page buttons on top come first ("-" is off on the first page: the focus starts on
        // "+"); the close box refuses, and so does Esc.
        frmFiltroGRURELACIONADOS w(lista, base);
        Comprobar(w, false,
                  {w.cmdMASBloque, w.imgININumeros[0], w.imgININumeros[1], w.imgININumeros[2], w.imgININumeros[3],
                   w.cmdModificar[0], w.cmdModificar[1], w.cmdModificar[2], w.cmdModificar[3], w.imgActivar,
                   w.imgVolver});
    }
    {
        frmFiltroPARESIMPARES w(lista);
        Comprobar(w, true);
    }
    {
        frmFiltroPOSICIONES w(lista, base);
        Comprobar(w, true);
    }
    {
        frmFiltroSEGUIDOS w(lista);
        Comprobar(w, true);
    }
    {
        // Interval by interval: its minimum, then its maximum.
        frmFiltroSUMAS w(lista);
        Controles orden;
        for (std::size_t i = 0; i < 6; ++i) {
            orden.push_back(w.txtSumaMinima[i]);
            orden.push_back(w.txtSumaMaxima[i]);
        }
        orden.push_back(w.imgActivar);
        orden.push_back(w.imgVolver);
        Comprobar(w, true, orden);
    }
    {
        // Down the left column to the sum of last digits, then the figures.
        frmFiltroTERMINACIONES w(lista);
        Controles orden(w.cmdModificar.begin(), w.cmdModificar.end());
        orden.push_back(w.txtSumaTerminacionesMinimo);
        orden.push_back(w.txtSumaTerminacionesMaximo);
        for (std::size_t i = 1; i <= 7; ++i) orden.push_back(w.chkFigura[i]);
        orden.push_back(w.imgActivar);
        orden.push_back(w.imgVolver);
        Comprobar(w, true, orden);
    }
}

TEST_F(TecladoFiltros, IntroYEscEnLasCajasDeSumasPasanPorLasComprobaciones) {
    frmFiltroSUMAS w(lista);
    w.Cargar();
    ActivarVentana(&w);
    EXPECT_EQ(QApplication::focusWidget(), w.txtSumaMinima[0]);
    CajaTexto* caja = w.txtSumaMaxima[2];
    const QString valor = caja->text();
    caja->setFocus();
    caja->setText(QString());
    // Both keys try to close: the empty interval refuses, each time, and the window stays.
    PulsarTecla(caja, Qt::Key_Return);
    PulsarTecla(caja, Qt::Key_Escape);
    EXPECT_EQ(Errores(), (std::vector<std::string>(2, "ERROR: No se permiten valores nulos en los intervalos")));
    EXPECT_TRUE(w.Cargada());
    EXPECT_EQ(QApplication::focusWidget(), caja);
    // Neither key is typed into the box: no beep, and the filter is not activated by them.
    EXPECT_EQ(guion.pitidos, 0);
    EXPECT_FALSE(Activa(7));
    caja->setText(valor);
    PulsarTecla(caja, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(w.Cargada());
    EXPECT_EQ(Errores().size(), 2u);
    EXPECT_FALSE(Activa(7));
}

TEST_F(TecladoFiltros, IntroYEscDesdeLasDemasCajasCierranSinActivar) {
    for (int tecla : {Qt::Key_Return, Qt::Key_Escape}) {
        frmFiltroDISTANCIAS d(lista);
        frmFiltroTERMINACIONES t(lista);
        frmFiltroSUMAS s(lista);
        for (std::pair<VentanaFiltro*, CajaTexto*> v :
             {std::pair<VentanaFiltro*, CajaTexto*>{&d, d.txtDistancia45Max}, {&t, t.txtSumaTerminacionesMinimo},
              {&t, t.txtSumaTerminacionesMaximo}, {&s, s.txtSumaMinima[4]}}) {
            VentanaFiltro& w = *v.first;
            if (!w.Cargada()) w.Cargar();
            ActivarVentana(&w);
            v.second->setFocus();
            PulsarTecla(v.second, tecla);
            EXPECT_FALSE(w.Cargada()) << w.objectName().toStdString() << " " << tecla;
            EXPECT_FALSE(Activa(w.Fila())) << w.objectName().toStdString() << " " << tecla;
        }
    }
    EXPECT_EQ(guion.pitidos, 0);
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(TecladoFiltros, GruposRelacionadosEscRehusadoEIntroConSuComprobacion) {
    // Subgroup 1 of group 1 filled without a condition: imgVolver's check refuses.
    Poner(SubgruposNumeros, 1, {2});
    frmFiltroGRURELACIONADOS w(lista, base);
    w.Cargar();
    ActivarVentana(&w);
    PulsarTecla(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(w.Cargada());
    EXPECT_TRUE(guion.mensajes.empty());  // refused as the close box is: no check, no message

    // Enter where no control takes it (a focused button presses itself).
    PulsarTecla(&w, Qt::Key_Return);
    ASSERT_EQ(Errores().size(), 1u);
    EXPECT_EQ(Errores()[0], "ERROR en GRUPO1 : Si activa un subgrupo, debe de haber al menos una condición marcada");
    EXPECT_TRUE(w.Cargada());

    CondicionesAciertos(1, 3) = 1;
    w.imgVolver->setFocus(Qt::TabFocusReason);
    PulsarTecla(w.imgVolver, Qt::Key_Return);
    EXPECT_FALSE(w.Cargada());
    EXPECT_EQ(guion.mensajes.size(), 1u);
}

TEST_F(TecladoFiltros, ElDialogoDeAciertosConTeclado) {
    // From the runs window (counts 1..5, label 0 hidden), opened with Space on its button.
    frmFiltroSEGUIDOS w(lista);
    w.Cargar();
    ActivarVentana(&w);
    EXPECT_EQ(QApplication::focusWidget(), w.cmdModificar);
    int abiertos = 0;
    AlDialogo([&](frmAciertos& d) {
        ++abiertos;
        ActivarVentana(&d);
        EXPECT_EQ(QApplication::focusWidget(), d.lblAciertos[1]);
        EXPECT_EQ(Recorrido(), (Controles{d.lblAciertos[1], d.lblAciertos[2], d.lblAciertos[3], d.lblAciertos[4],
                                          d.lblAciertos[5], d.imgTodos, d.imgNinguno, d.imgVolver}));
        // Space toggles the focused count; Enter on a count closes, toggling nothing.
        PulsarTecla(d.lblAciertos[1], Qt::Key_Tab);
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Space);
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Tab);
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_TRUE(d.Marcada(2));
        EXPECT_TRUE(d.Marcada(3));
        PulsarTecla(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(d.Cargada());
        EXPECT_TRUE(d.Marcada(3));
    });
    PulsarTecla(w.cmdModificar, Qt::Key_Space);
    EXPECT_EQ(abiertos, 1);
    EXPECT_EQ(w.txtNumero->text(), QStringLiteral("2,3"));

    // Esc closes it too, keeping what was changed (there is no cancel).
    AlDialogo([&](frmAciertos& d) {
        ++abiertos;
        ActivarVentana(&d);
        d.imgNinguno->setFocus(Qt::TabFocusReason);
        PulsarTecla(d.imgNinguno, Qt::Key_Space);
        PulsarTecla(d.imgNinguno, Qt::Key_Escape);
        EXPECT_FALSE(d.Cargada());
    });
    PulsarTecla(w.cmdModificar, Qt::Key_Space);
    EXPECT_EQ(abiertos, 2);
    EXPECT_EQ(w.txtNumero->text(), QString());
    EXPECT_TRUE(w.Cargada());
    w.Descargar();
}

}  // namespace
