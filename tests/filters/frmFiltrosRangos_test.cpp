// The last-digits and sums windows: their text boxes, the keys that activate the row, and the
// checks that refuse a close, with what stays stored.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <tuple>

#include "filters/AyudaVentanas.h"
#include "filters/frmFiltroSUMAS.h"
#include "filters/frmFiltroTERMINACIONES.h"

namespace {

using namespace modGeneral;
using ayuda::FilaInicial;

class VentanasRangos : public ayuda::PruebaVentanaFiltro {};

std::string T(const QString& s) { return s.toStdString(); }

void Pulsar(QWidget* w, int tecla, const QString& texto = QString()) {
    QKeyEvent abajo(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
    QApplication::sendEvent(w, &abajo);
}

// ---- last digits ----

TEST_F(VentanasRangos, TerminacionesConLosDatosIniciales) {
    TerminadosEn(3, 1) = TerminadosEn(3, 2) = 1;
    Abrir<frmFiltroTERMINACIONES>([&](frmFiltroTERMINACIONES& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("TERMINACIONES"));
        EXPECT_EQ(w.Label2[0]->text(), QStringLiteral("TERMINACIONES"));
        EXPECT_EQ(w.Label2[1]->text(), QStringLiteral("FIGURAS"));
        EXPECT_EQ(w.Label1[0]->text(), QStringLiteral("Suma de Terminaciones :"));
        EXPECT_EQ(w.Label1[1]->text(), QStringLiteral("-"));
        EXPECT_EQ(w.lblTitTerminados[0]->text(), QStringLiteral("Terminados en 0 :"));
        EXPECT_EQ(w.lblTitTerminados[9]->text(), QStringLiteral("Terminados en 9 :"));
        EXPECT_EQ(w.cmdModificar[5]->text(), QStringLiteral("M"));
        EXPECT_EQ(w.txtSumaTerminacionesMinimo->toolTip(), QStringLiteral("Mínimo valor permitido 0(10,20,30,40,50)"));
        EXPECT_EQ(w.txtSumaTerminacionesMaximo->toolTip(), QStringLiteral("Máximo valor permitido 45(09,19,29,39,49)"));
        EXPECT_EQ(w.txtSumaTerminacionesMinimo->maxLength(), 2);
        for (int d = 0; d <= 9; ++d)
            EXPECT_EQ(T(w.txtAciertos[static_cast<std::size_t>(d)]->text()), d == 3 ? "1,2" : "") << d;
        EXPECT_EQ(T(w.txtSumaTerminacionesMinimo->text()), "0");
        EXPECT_EQ(T(w.txtSumaTerminacionesMaximo->text()), "45");
        EXPECT_FALSE(w.MuestraImagenActiva());
    });
    EXPECT_EQ(Fila(8), T(FilaInicial(8)));
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(VentanasRangos, TerminacionesTeclasQueActivan) {
    Abrir<frmFiltroTERMINACIONES>([&](frmFiltroTERMINACIONES& w) {
        CajaTexto* minimo = w.txtSumaTerminacionesMinimo;
        // Delete and the arrows type no character: nothing activates.
        Pulsar(minimo, Qt::Key_Delete);
        Pulsar(minimo, Qt::Key_Left);
        EXPECT_FALSE(Activa(8));
        // A letter is cancelled with a beep but still activates.
        minimo->Teclear('x');
        EXPECT_EQ(T(minimo->text()), "0");
        EXPECT_EQ(guion.pitidos, 1);
        EXPECT_TRUE(Activa(8));
        w.imgActivar_Click();
        w.txtSumaTerminacionesMaximo->Teclear(8);
        EXPECT_TRUE(Activa(8));
        // Enter and Esc belong to the window (its default action, its close box), not to the box.
        w.imgActivar_Click();
        for (int tecla : {13, 27}) {
            w.txtSumaTerminacionesMaximo->Teclear(tecla);
            EXPECT_FALSE(Activa(8)) << tecla;
        }
        EXPECT_EQ(guion.pitidos, 1);
        Pulsar(w.txtSumaTerminacionesMaximo, Qt::Key_3, QStringLiteral("3"));   // a real key event
        EXPECT_TRUE(Activa(8));
        EXPECT_EQ(T(w.txtSumaTerminacionesMaximo->text()), "43");   // Backspace took the 5
        w.txtSumaTerminacionesMaximo->setText(QStringLiteral("45"));
    });
}

TEST_F(VentanasRangos, TerminacionesCierreValidoGuardaSumasYFiguras) {
    FigurasTerminaciones(6) = 1;   // ticked on load: the row turns active
    Abrir<frmFiltroTERMINACIONES>([&](frmFiltroTERMINACIONES& w) {
        EXPECT_TRUE(Activa(8));
        EXPECT_TRUE(w.MuestraImagenActiva());
        w.txtSumaTerminacionesMinimo->setText(QStringLiteral("20"));
        w.txtSumaTerminacionesMaximo->setText(QStringLiteral("20"));
        w.chkFigura[6]->click();
        w.chkFigura[1]->click();
        w.imgVolver_Click();
        EXPECT_FALSE(w.Cargada());
    });
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_EQ(SumaTerminacionesMinima, 20);
    EXPECT_EQ(SumaTerminacionesMaxima, 20);
    EXPECT_EQ(FigurasTerminaciones(6), 0);
    EXPECT_EQ(FigurasTerminaciones(1), 1);
}

TEST_F(VentanasRangos, TerminacionesCierresRechazadosEnSuOrden) {
    Abrir<frmFiltroTERMINACIONES>([&](frmFiltroTERMINACIONES& w) {
        AlDialogo([](frmAciertos& d) { d.lblAciertos_Click(4); });
        w.cmdModificar_Click(7);   // written at once, stays whatever the close does
        w.chkFigura[2]->click();
        CajaTexto* mn = w.txtSumaTerminacionesMinimo;
        CajaTexto* mx = w.txtSumaTerminacionesMaximo;
        const std::vector<std::tuple<const char*, const char*, std::string>> casos = {
            {"", "", "ERROR: el valor de la suma de terminaciones mínima esta en blanco"},
            {"  ", "12", "ERROR: el valor de la suma de terminaciones mínima esta en blanco"},
            {"5", " ", "ERROR: el valor de la suma de terminaciones máxima esta en blanco"},
            {"1a", "", "ERROR: el valor de la suma de terminaciones máxima esta en blanco"},
            {"1a", "12", "ERROR: el valor de la suma de terminaciones mínima no es un número entero válido"},
            {"3", "-", "ERROR: el valor de la suma de terminaciones máxima no es un número entero válido"},
            {"30", "12", "ERROR: la suma de terminaciones máxima debe ser mayor que la mínima"},
        };
        for (const auto& [a, b, mensaje] : casos) {
            mn->setText(QString::fromUtf8(a));
            mx->setText(QString::fromUtf8(b));
            guion.mensajes.clear();
            w.imgVolver_Click();
            EXPECT_TRUE(w.Cargada()) << a << "/" << b;
            ASSERT_EQ(guion.mensajes.size(), 1u);
            EXPECT_EQ(guion.mensajes[0].texto, mensaje);
            EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
            EXPECT_EQ(guion.mensajes[0].titulo, "TORNAVENTURA");
            // Nothing of the unload is stored; the boxes keep what the user entered.
            EXPECT_EQ(SumaTerminacionesMinima, 0);
            EXPECT_EQ(SumaTerminacionesMaxima, 45);
            EXPECT_EQ(FigurasTerminaciones(2), 0);
            EXPECT_EQ(T(mn->text()), a);
        }
        EXPECT_EQ(TerminadosEn(7, 4), 1);
        EXPECT_TRUE(Activa(8));
        mn->setText(QStringLiteral("12"));
        mx->setText(QStringLiteral("30"));
        guion.mensajes.clear();
        EXPECT_TRUE(w.Descargar(MotivoCierre::Usuario));
    });
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_EQ(SumaTerminacionesMinima, 12);
    EXPECT_EQ(SumaTerminacionesMaxima, 30);
    EXPECT_EQ(FigurasTerminaciones(2), 1);
}

TEST_F(VentanasRangos, TerminacionesValoresQueSoloTraeUnFicheroBase) {
    SumaTerminacionesMinima = 46;    // no combination reaches it, but it is stored as it came
    SumaTerminacionesMaxima = 200;   // wider than the box's two characters
    Abrir<frmFiltroTERMINACIONES>([&](frmFiltroTERMINACIONES& w) {
        EXPECT_EQ(T(w.txtSumaTerminacionesMaximo->text()), "200");
        EXPECT_EQ(T(w.txtSumaTerminacionesMinimo->text()), "46");
    });
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_EQ(SumaTerminacionesMinima, 46);
    EXPECT_EQ(SumaTerminacionesMaxima, 200);
}

// ---- sums ----

TEST_F(VentanasRangos, SumasConLosDatosInicialesGuardaCeros) {
    Abrir<frmFiltroSUMAS>([&](frmFiltroSUMAS& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("SUMAS"));
        EXPECT_EQ(w.lblSumaMinima->text(), QStringLiteral("Suma Mínima :"));
        EXPECT_EQ(w.lblSumaMaxima->text(), QStringLiteral("Suma Máxima :"));
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(T(w.Label2[static_cast<std::size_t>(k)]->text()), "Int." + std::to_string(k + 1));
            EXPECT_EQ(T(w.txtSumaMinima[static_cast<std::size_t>(k)]->text()), "0");
            EXPECT_EQ(T(w.txtSumaMaxima[static_cast<std::size_t>(k)]->text()), "0");
            EXPECT_EQ(w.txtSumaMinima[static_cast<std::size_t>(k)]->maxLength(), 3);
        }
        for (auto* o : w.Label1) EXPECT_EQ(o->text(), QStringLiteral("OR"));
    });
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_EQ(Fila(7), T(FilaInicial(7)));
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(SumaMinima[i] | SumaMaxima[i], 0);
}

TEST_F(VentanasRangos, SumasTeclasQueActivan) {
    Abrir<frmFiltroSUMAS>([&](frmFiltroSUMAS& w) {
        Pulsar(w.txtSumaMinima[2], Qt::Key_Right);
        EXPECT_FALSE(Activa(7));
        w.txtSumaMinima[2]->Teclear('a');
        EXPECT_EQ(T(w.txtSumaMinima[2]->text()), "0");
        EXPECT_EQ(guion.pitidos, 1);
        EXPECT_TRUE(Activa(7));
        w.imgActivar_Click();
        w.txtSumaMaxima[5]->Teclear('7');
        EXPECT_EQ(T(w.txtSumaMaxima[5]->text()), "07");
        EXPECT_TRUE(Activa(7));
        w.txtSumaMaxima[5]->setText(QStringLiteral("0"));
    });
}

TEST_F(VentanasRangos, SumasCierresRechazadosYNadaGuardado) {
    SumaMinima[2] = 30;
    SumaMaxima[2] = 60;
    struct Caso {
        int intervalo;
        const char* minimo;
        const char* maximo;
        std::string mensaje;
    };
    const std::vector<Caso> casos = {
        {1, "0", "100", "ERROR: La suma mínima de los intervalos activados(<>0) debe ser mayor que 15"},
        {3, "250", "260", "ERROR: La suma máxima de los intervalos activados(<>0) debe ser menor que 240"},
        {4, "200", "100", "ERROR: La suma mínima de un intervalo no puede ser mayor que la suma máxima"},
        {5, "120", "0", "ERROR: La suma mínima de un intervalo no puede ser mayor que la suma máxima"},
        {6, "", "20", "ERROR: No se permiten valores nulos en los intervalos"},
        {6, "20", " ", "ERROR: No se permiten valores nulos en los intervalos"},
        {4, "1x", "30", "ERROR: La suma mínima del intervalo 4 no es un número entero válido"},
        {2, "20", "3 0", "ERROR: La suma máxima del intervalo 2 no es un número entero válido"},
        {1, "14", "20", "ERROR: La suma mínima de los intervalos activados(<>0) debe ser mayor que 15"},
        {1, "20", "241", "ERROR: La suma máxima de los intervalos activados(<>0) debe ser menor que 240"},
    };
    Abrir<frmFiltroSUMAS>([&](frmFiltroSUMAS& w) {
        w.txtSumaMinima[1]->Teclear('5');   // interval 2 now 305-60: typing activates
        w.txtSumaMinima[1]->setText(QStringLiteral("40"));
        for (const Caso& c : casos) {
            for (int k = 0; k < 6; ++k) {
                if (k == 1) continue;
                w.txtSumaMinima[static_cast<std::size_t>(k)]->setText(QStringLiteral("0"));
                w.txtSumaMaxima[static_cast<std::size_t>(k)]->setText(QStringLiteral("0"));
            }
            if (c.intervalo == 2) w.txtSumaMaxima[1]->setText(QString::fromUtf8(c.maximo));
            else {
                w.txtSumaMaxima[1]->setText(QStringLiteral("60"));
                w.txtSumaMinima[static_cast<std::size_t>(c.intervalo - 1)]->setText(QString::fromUtf8(c.minimo));
                w.txtSumaMaxima[static_cast<std::size_t>(c.intervalo - 1)]->setText(QString::fromUtf8(c.maximo));
            }
            guion.mensajes.clear();
            w.imgVolver_Click();
            EXPECT_TRUE(w.Cargada()) << c.mensaje;
            ASSERT_EQ(guion.mensajes.size(), 1u);
            EXPECT_EQ(guion.mensajes[0].texto, c.mensaje) << c.intervalo << " " << c.minimo << "-" << c.maximo;
            EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
            // Not even the intervals that passed are stored.
            EXPECT_EQ(SumaMinima[2], 30);
            EXPECT_EQ(SumaMaxima[2], 60);
        }
        EXPECT_TRUE(Activa(7));
        // Interval 1 fails before the empty box of interval 6 is looked at.
        w.txtSumaMinima[0]->setText(QStringLiteral("0"));
        w.txtSumaMaxima[0]->setText(QStringLiteral("100"));
        w.txtSumaMinima[5]->setText(QString());
        guion.mensajes.clear();
        w.imgVolver_Click();
        ASSERT_EQ(guion.mensajes.size(), 1u);
        EXPECT_EQ(guion.mensajes[0].texto,
                  "ERROR: La suma mínima de los intervalos activados(<>0) debe ser mayor que 15");
        // Corrected: 15-240, 100-100 and 40-60 pass, all six are stored together.
        w.txtSumaMinima[0]->setText(QStringLiteral("15"));
        w.txtSumaMaxima[0]->setText(QStringLiteral("240"));
        w.txtSumaMinima[5]->setText(QStringLiteral("100"));
        w.txtSumaMaxima[5]->setText(QStringLiteral("100"));
        guion.mensajes.clear();
        w.imgVolver_Click();
        EXPECT_FALSE(w.Cargada());
    });
    EXPECT_TRUE(guion.mensajes.empty());
    const Integer minimo[7] = {0, 15, 40, 0, 0, 0, 100}, maximo[7] = {0, 240, 60, 0, 0, 0, 100};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(SumaMinima[i], minimo[i]) << i;
        EXPECT_EQ(SumaMaxima[i], maximo[i]) << i;
    }
}

TEST_F(VentanasRangos, SumasUnValorDeFicheroBaseSeMuestraEnteroYSeRechaza) {
    SumaMinima[3] = 20;
    SumaMaxima[3] = 1000;   // four characters in a box of three, from a base file
    Abrir<frmFiltroSUMAS>([&](frmFiltroSUMAS& w) {
        EXPECT_EQ(T(w.txtSumaMaxima[2]->text()), "1000");
        EXPECT_FALSE(Activa(7));
        w.imgVolver_Click();
        EXPECT_TRUE(w.Cargada());
        EXPECT_EQ(guion.UltimoMensaje(),
                  "ERROR: La suma máxima de los intervalos activados(<>0) debe ser menor que 240");
        w.txtSumaMaxima[2]->setText(QStringLiteral("200"));
    });
    EXPECT_EQ(SumaMaxima[3], 200);
}

}  // namespace
