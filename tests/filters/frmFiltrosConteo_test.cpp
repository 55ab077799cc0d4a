// The low/high, even/odd, consecutive-numbers and decades windows: captions, loading from the
// tables, the edits that activate the row, what is stored and when.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "filters/AyudaVentanas.h"
#include "filters/frmFiltroALTOSBAJOS.h"
#include "filters/frmFiltroDECENAS.h"
#include "filters/frmFiltroPARESIMPARES.h"
#include "filters/frmFiltroSEGUIDOS.h"

namespace {

using namespace modGeneral;
using ayuda::FilaInicial;

class VentanasConteo : public ayuda::PruebaVentanaFiltro {};

std::string T(const QString& s) { return s.toStdString(); }

// ---- low/high ----

TEST_F(VentanasConteo, AltosBajosCargaSinActivarYCadaDialogoEscribeYActiva) {
    Bajos(2) = Bajos(3) = 1;
    Altos(4) = 1;
    Abrir<frmFiltroALTOSBAJOS>([&](frmFiltroALTOSBAJOS& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("BAJOS Y ALTOS"));
        EXPECT_EQ(w.lbl0124->text(), QStringLiteral("01 al 24 : "));
        EXPECT_EQ(w.lbl2549->text(), QStringLiteral("25 al 50 : "));
        EXPECT_EQ(w.cmdModificar0124->text(), QStringLiteral("M"));
        EXPECT_EQ(w.cmdModificar2550->text(), QStringLiteral("M"));
        EXPECT_TRUE(w.txtAciertos0124->isReadOnly());
        EXPECT_EQ(T(w.txtAciertos0124->text()), "2,3");
        EXPECT_EQ(T(w.txtAciertos2550->text()), "4");
        EXPECT_FALSE(w.MuestraImagenActiva());
        EXPECT_FALSE(Activa(0));

        AlDialogo([](frmAciertos& d) {
            EXPECT_EQ(d.AciertoMinimo, 0);
            EXPECT_EQ(d.AciertoMaximo, 5);
            d.imgNinguno_Click();
        });
        w.cmdModificar0124->click();
        EXPECT_EQ(T(w.txtAciertos0124->text()), "");
        EXPECT_TRUE(Bajos.Vacia());
        EXPECT_TRUE(Activa(0));
        EXPECT_TRUE(w.MuestraImagenActiva());

        w.imgActivar_Click();  // off again; the next dialog turns it back on
        AlDialogo([](frmAciertos& d) { d.lblAciertos_Click(0); });
        w.cmdModificar2550->click();
        EXPECT_EQ(T(w.txtAciertos2550->text()), "0,4");
        EXPECT_EQ(Altos(0), 1);
        EXPECT_TRUE(Activa(0));
        w.imgVolver_Click();
        EXPECT_FALSE(w.Cargada());
    });
    EXPECT_EQ(guion.modalesMostrados,
              (std::vector<std::string>{"frmFiltroALTOSBAJOS", "frmAciertos", "frmAciertos"}));
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(VentanasConteo, AltosBajosAbrirYCerrarDejaLaFilaComoEstaba) {
    Bajos(1) = 1;
    Abrir<frmFiltroALTOSBAJOS>([](frmFiltroALTOSBAJOS& w) { EXPECT_TRUE(w.Descargar(MotivoCierre::Usuario)); });
    EXPECT_EQ(Fila(0), T(FilaInicial(0)));
    EXPECT_EQ(Bajos(1), 1);
}

// ---- even/odd ----

TEST_F(VentanasConteo, ParesImparesCaptionsYCargaQueActiva) {
    ParesActivos(2) = 1;
    Abrir<frmFiltroPARESIMPARES>([&](frmFiltroPARESIMPARES& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("PARES E IMPARES"));
        EXPECT_EQ(w.lblPares->text(), QStringLiteral("PARES"));
        EXPECT_EQ(w.lblImpares->text(), QStringLiteral("IMPARES"));
        EXPECT_EQ(w.lblParesImpares[0]->text(), QStringLiteral("  0            5"));
        EXPECT_EQ(w.lblParesImpares[3]->text(), QStringLiteral("  3            2"));
        EXPECT_EQ(w.lblParesImpares[5]->text(), QStringLiteral("  5            0"));
        for (int k = 0; k <= 5; ++k) {
            EXPECT_TRUE(w.chkParesImpares[static_cast<std::size_t>(k)]->text().isEmpty());
            EXPECT_EQ(w.chkParesImpares[static_cast<std::size_t>(k)]->Value(), k == 2) << k;
        }
        // A stored tick counts as a click while loading.
        EXPECT_TRUE(Activa(5));
        EXPECT_TRUE(w.MuestraImagenActiva());
    });
    EXPECT_EQ(ParesActivos(2), 1);
}

TEST_F(VentanasConteo, ParesImparesCadaClicSeGuardaAlMomento) {
    Abrir<frmFiltroPARESIMPARES>([&](frmFiltroPARESIMPARES& w) {
        EXPECT_FALSE(Activa(5));
        w.chkParesImpares[4]->click();
        EXPECT_EQ(ParesActivos(4), 1);
        EXPECT_TRUE(Activa(5));
        w.imgActivar_Click();
        EXPECT_FALSE(Activa(5));
        // Unticking the last ticked box stores 0 and still activates.
        w.chkParesImpares[4]->click();
        EXPECT_EQ(ParesActivos(4), 0);
        EXPECT_TRUE(Activa(5));
    });
    EXPECT_TRUE(ParesActivos.Vacia());
}

// ---- consecutive numbers ----

TEST_F(VentanasConteo, SeguidosMuestraTablasYEjemplos) {
    NumerosSeguidos(1) = NumerosSeguidos(2) = 1;
    Abrir<frmFiltroSEGUIDOS>([&](frmFiltroSEGUIDOS& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("SEGUIDOS"));
        EXPECT_EQ(w.lblTitulo->text(), QStringLiteral("SEGUIDOS"));
        EXPECT_EQ(w.lblSeguidos->text(), QStringLiteral("Nº : "));
        EXPECT_EQ(w.cmdModificar->text(), QStringLiteral("M"));
        EXPECT_EQ(T(w.txtNumero->text()), "1,2");
        EXPECT_EQ(w.lblEjemplos[0]->text(), QStringLiteral("01 03 05 07 09 ->1"));
        EXPECT_EQ(w.lblEjemplos[1]->text(), QStringLiteral("01 02 05 07 09 ->2"));
        EXPECT_EQ(w.lblEjemplosRacha[1]->text(), QStringLiteral("01 02 "));
        EXPECT_EQ(w.lblEjemplosRacha[4]->text(), QStringLiteral("01 02 03 04 05"));
        EXPECT_EQ(w.lblFiguras->text(), QStringLiteral("FIGURAS"));
        const char* figuras[8] = {"", "5-0", "4-1", "3-2", "3-1-1", "2-2-1", "2-1-1-1", "1-1-1-1-1"};
        for (int f = 1; f <= 7; ++f) {
            EXPECT_EQ(T(w.lblTipoFigura[static_cast<std::size_t>(f)]->text()), figuras[f]);
            EXPECT_EQ(T(w.Label3[static_cast<std::size_t>(f - 1)]->text()), std::to_string(f) + ".");
        }
        EXPECT_FALSE(Activa(6));   // no figure ticked: opening activates nothing
    });
    EXPECT_EQ(Fila(6), T(FilaInicial(6)));
}

TEST_F(VentanasConteo, SeguidosOfreceDeUnoACincoYConservaElCeroDeUnFicheroBase) {
    NumerosSeguidos(0) = 1;   // only a base file can store it
    NumerosSeguidos(3) = 1;
    Abrir<frmFiltroSEGUIDOS>([&](frmFiltroSEGUIDOS& w) {
        EXPECT_EQ(T(w.txtNumero->text()), "0,3");
        AlDialogo([](frmAciertos& d) {
            EXPECT_EQ(d.AciertoMinimo, 1);
            EXPECT_EQ(d.AciertoMaximo, 5);
            EXPECT_FALSE(d.lblAciertos[0]->isVisibleTo(&d));
            d.imgTodos_Click();
        });
        w.cmdModificar_Click();
        EXPECT_EQ(T(w.txtNumero->text()), "0,1,2,3,4,5");
        EXPECT_TRUE(Activa(6));
    });
    EXPECT_EQ(NumerosSeguidos(0), 1);
}

TEST_F(VentanasConteo, SeguidosGuardaLasFigurasAlCerrarPorCualquierVia) {
    Abrir<frmFiltroSEGUIDOS>([&](frmFiltroSEGUIDOS& w) {
        w.chkFigura[7]->click();
        EXPECT_TRUE(Activa(6));
        EXPECT_EQ(FigurasSeguidos(7), 0);   // stored when the window closes
        w.imgVolver_Click();
    });
    EXPECT_EQ(FigurasSeguidos(7), 1);

    Abrir<frmFiltroSEGUIDOS>([&](frmFiltroSEGUIDOS& w) {
        EXPECT_EQ(w.chkFigura[7]->Value(), 1);
        w.chkFigura[7]->click();
        w.chkFigura[2]->click();
        EXPECT_TRUE(w.Descargar(MotivoCierre::Usuario));   // the close box stores the same way
    });
    EXPECT_EQ(FigurasSeguidos(7), 0);
    EXPECT_EQ(FigurasSeguidos(2), 1);
}

TEST_F(VentanasConteo, SeguidosUnaFiguraDeFicheroBaseActivaYSeConserva) {
    FigurasSeguidos(4) = 2;   // a byte the base file may hold
    Abrir<frmFiltroSEGUIDOS>([&](frmFiltroSEGUIDOS& w) {
        EXPECT_EQ(w.chkFigura[4]->Value(), 1);
        EXPECT_TRUE(Activa(6));
        EXPECT_TRUE(w.MuestraImagenActiva());
    });
    EXPECT_EQ(FigurasSeguidos(4), 2);
}

// ---- decades ----

TEST_F(VentanasConteo, DecenasCargaCadaDecenaEnSuCaja) {
    Decena2029(0) = Decena2029(5) = 1;
    Decena4050(3) = 1;
    Abrir<frmFiltroDECENAS>([&](frmFiltroDECENAS& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("DECENAS"));
        EXPECT_EQ(w.Label2->text(), QStringLiteral("DECENAS"));
        EXPECT_EQ(w.Label1->text(), QStringLiteral("FIGURAS"));
        EXPECT_EQ(w.lbl0109->text(), QStringLiteral("del 01 al 09 : "));
        EXPECT_EQ(w.lbl1019->text(), QStringLiteral("del 10 al 19 : "));
        EXPECT_EQ(w.lbl2029->text(), QStringLiteral("del 20 al 29 : "));
        EXPECT_EQ(w.lbl3039->text(), QStringLiteral("del 30 al 39 : "));
        EXPECT_EQ(w.lbl4050->text(), QStringLiteral("del 40 al 50 : "));
        EXPECT_EQ(T(w.txtAciertos0109->text()), "");
        EXPECT_EQ(T(w.txtAciertos2029->text()), "0,5");
        EXPECT_EQ(T(w.txtAciertos4050->text()), "3");
        for (int f = 1; f <= 7; ++f) EXPECT_EQ(w.chkFigura[static_cast<std::size_t>(f)]->Value(), 0);
    });
    EXPECT_EQ(Fila(1), T(FilaInicial(1)));
}

TEST_F(VentanasConteo, DecenasCadaBotonEditaSuDecenaYActivaAunqueNoCambie) {
    Decena1019(2) = 1;
    Abrir<frmFiltroDECENAS>([&](frmFiltroDECENAS& w) {
        AlDialogo([](frmAciertos&) {});
        w.cmdModificar1019->click();
        EXPECT_EQ(Decena1019(2), 1);
        EXPECT_TRUE(Activa(1));

        const std::vector<std::pair<Boton*, TablaConteos*>> botones = {
            {w.cmdModificar0109, &Decena0109}, {w.cmdModificar2029, &Decena2029},
            {w.cmdModificar3039, &Decena3039}, {w.cmdModificar4050, &Decena4050}};
        int c = 0;
        for (auto [boton, tabla] : botones) {
            AlDialogo([c](frmAciertos& d) { d.lblAciertos_Click(c); });
            boton->click();
            EXPECT_EQ((*tabla)(c), 1) << c;
            ++c;
        }
        EXPECT_EQ(T(w.txtAciertos3039->text()), "2");
        AlDialogo([](frmAciertos& d) { d.imgNinguno_Click(); });
        w.cmdModificar1019->click();
        EXPECT_TRUE(Decena1019.Vacia());
        EXPECT_EQ(T(w.txtAciertos1019->text()), "");
    });
}

TEST_F(VentanasConteo, DecenasUnaFiguraGuardadaActivaAlAbrirYDesmarcarlaTambien) {
    FigurasDecenas(3) = 1;
    Abrir<frmFiltroDECENAS>([&](frmFiltroDECENAS& w) {
        EXPECT_TRUE(Activa(1));
        EXPECT_TRUE(w.MuestraImagenActiva());
        w.imgActivar_Click();
        EXPECT_FALSE(Activa(1));
        w.chkFigura[3]->click();   // unticking is an edit too
        EXPECT_TRUE(Activa(1));
        EXPECT_EQ(FigurasDecenas(3), 1);
    });
    EXPECT_EQ(FigurasDecenas(3), 0);
}

}  // namespace
