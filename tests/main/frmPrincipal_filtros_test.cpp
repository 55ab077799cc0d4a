// The rows of the filter list: texts and widths, the ELIMINAN column, the right button, the
// double-click, and the painting of the list over its pattern.
#include <QImage>
#include <QPainter>

#include "common/modAPIList.h"
#include "main/PrincipalPrueba.h"

using namespace modGeneral;

namespace {
std::string B(int n) { return std::string(static_cast<std::size_t>(n), ' '); }
}  // namespace

TEST_F(PruebaPrincipal, ListaRecienCreada) {
    ASSERT_EQ(f.lstFiltros->ListCount(), 12);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(f.lstFiltros->List(k).size(), 47) << k;
        EXPECT_EQ(Fila(k).substr(0, 5), "No   ") << k;
        EXPECT_FALSE(f.FilaActiva(k));
    }
    EXPECT_EQ(Fila(0), "No   Bajos y Altos" + B(9) + "-" + B(7) + B(11) + "-");
    EXPECT_EQ(Fila(3), "No   Grupos de Números" + B(5) + "0 de 120" + B(11) + "-");
    EXPECT_EQ(Fila(4), "No   Grupos Relacionados   0 de 40" + B(12) + "-");
    EXPECT_EQ(Fila(9), "No   Posiciones" + B(12) + "-" + B(18) + "-");
    EXPECT_EQ(Fila(10), "No   Estrellas" + B(13) + "al 2" + B(3) + B(12) + "-");
    EXPECT_EQ(Fila(11), "No   Reducción" + B(13) + "-" + B(6) + B(12) + "-");
    const char* cabeceras[4] = {"ACT ", "CONDICION", "NºACT", "   ELIMINAN"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(f.cmdCabeceraFiltros[i]->text().startsWith(QString::fromUtf8(cabeceras[i])));
    EXPECT_TRUE(f.lstFiltros->font().fixedPitch());
}

TEST_F(PruebaPrincipal, BotonDerechoAlternaLaFilaSeleccionada) {
    const std::string antes = Fila(6);
    f.lstFiltros->SetListIndex(6);
    f.lstFiltros_MouseDown(BotonDerecho, 0, 0, 0);
    EXPECT_EQ(Fila(6), "Sí" + antes.substr(2));
    EXPECT_TRUE(BaseGuardada) << "the right button leaves the saved flag";
    f.lstFiltros_MouseDown(BotonIzquierdo, 0, 0, 0);
    EXPECT_TRUE(f.FilaActiva(6));
    f.lstFiltros_MouseDown(BotonDerecho, 0, 0, 0);
    EXPECT_EQ(Fila(6), antes);

    f.lstFiltros->SetListIndex(-1);
    f.lstFiltros_MouseDown(BotonDerecho, 0, 0, 0);
    for (int k = 0; k < 12; ++k) EXPECT_FALSE(f.FilaActiva(k));

    // The star row toggles too, also in "Desde Archivo" mode.
    ElegirModo(2);
    f.lstFiltros->SetListIndex(10);
    f.lstFiltros_MouseDown(BotonDerecho, 0, 0, 0);
    EXPECT_TRUE(f.FilaActiva(10));
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(PruebaPrincipal, ColumnaEliminanConLasCuentasDelUltimoCalculo) {
    for (int k : {0, 5, 10, 11}) f.ActivarFilaFiltro(k);
    f.EliminadasPorFiltro[0] = 1234567;
    f.EliminadasPorFiltro[1] = 99;   // inactive: not shown
    f.EliminadasPorFiltro[5] = 0;
    f.ActualizarColumnasFiltros();
    EXPECT_EQ(Fila(0), "Sí   Bajos y Altos" + B(9) + "-" + B(7) + B(3) + "1.234.567");
    EXPECT_EQ(Cola(1), B(11) + "-");
    EXPECT_EQ(Cola(5), B(11) + "0");
    EXPECT_EQ(Fila(10), "Sí   Estrellas" + B(13) + "al 2" + B(4) + B(11) + "0");
    EXPECT_EQ(Fila(11), "Sí   Reducción" + B(13) + "-" + B(6) + B(12) + "-") << "the last row is never touched";
    for (int k = 0; k < 12; ++k) EXPECT_EQ(f.lstFiltros->List(k).size(), 47) << k;

    // Deactivated, the count gives way to "-" again.
    f.DesactivarFilaFiltro(0);
    f.ActualizarColumnasFiltros();
    EXPECT_EQ(Cola(0), B(11) + "-");
}

TEST_F(PruebaPrincipal, ColumnaEliminanConSeparadorDelSistema) {
    guion.separador = ",";
    f.ActivarFilaFiltro(7);
    f.EliminadasPorFiltro[7] = 2118760;
    f.ActualizarColumnasFiltros();
    EXPECT_EQ(Cola(7), B(3) + "2,118,760");
}

TEST_F(PruebaPrincipal, DobleClicMarcaSinGuardarAunqueNoHayaFila) {
    f.lstFiltros->SetListIndex(-1);
    f.lstFiltros_DblClick();
    EXPECT_FALSE(BaseGuardada);
    EXPECT_TRUE(f.filasAbiertas.empty());
    BaseGuardada = true;
    f.lstFiltros->SetListIndex(7);
    f.lstFiltros_DblClick();
    EXPECT_FALSE(BaseGuardada);
    EXPECT_EQ(f.filasAbiertas, std::vector<int>{7});
}

TEST_F(PruebaPrincipal, DobleClicEnGruposReescribeElResumen) {
    PaginaGrupos = 9;
    f.alAbrirFila = [this](int fila) {
        EXPECT_EQ(PaginaGrupos, 1);
        ASSERT_EQ(fila, 3);
        // The window puts every group in use and activates its row.
        for (int g = 1; g <= 120; ++g) GruposAciertos(g, 2) = 1;
        f.ActivarFilaFiltro(3);
    };
    f.EliminadasPorFiltro[3] = 5;
    f.lstFiltros->SetListIndex(3);
    f.lstFiltros_DblClick();
    // A ten-character summary leaves ten characters to ELIMINAN.
    EXPECT_EQ(Fila(3), "Sí   Grupos de Números" + B(5) + "120 de 120" + B(9) + "5");
    EXPECT_EQ(f.lstFiltros->List(3).size(), 47);

    f.DesactivarFilaFiltro(3);
    f.ActualizarColumnasFiltros();
    EXPECT_EQ(Fila(3), "No   Grupos de Números" + B(5) + "120 de 120" + B(9) + "-");
}

TEST_F(PruebaPrincipal, DobleClicEnGruposRelacionados) {
    PaginaGruposRelacionados = 12;
    f.alAbrirFila = [](int) {
        EXPECT_EQ(PaginaGruposRelacionados, 1);
        for (int g = 1; g <= 12; ++g) SubgruposNumeros((g - 1) * 4 + 2, g) = 1;
    };
    f.lstFiltros->SetListIndex(4);
    f.lstFiltros_DblClick();
    EXPECT_EQ(Fila(4), "No   Grupos Relacionados   12 de 40" + B(11) + "-");
    f.ActivarFilaFiltro(4);
    f.EliminadasPorFiltro[4] = 7000;
    f.ActualizarColumnasFiltros();
    EXPECT_EQ(Cola(4), B(7) + "7.000");
}

TEST_F(PruebaPrincipal, DobleClicEnEstrellasYReduccion) {
    MarcarNumeros({1, 2, 3, 4, 5, 6});
    MarcarEstrellas(4);
    ASSERT_EQ(Caption(f.lblTOTALInicialesAUX), "36");
    f.alAbrirFila = [this](int fila) {
        if (fila == 10) {
            Reduccion.Estrellas = 3;
            f.ActivarFilaFiltro(10);
        } else {
            Reduccion.Tipo = 3;
            f.ActivarFilaFiltro(11);
        }
    };
    f.lstFiltros->SetListIndex(10);
    f.lstFiltros_DblClick();
    EXPECT_EQ(Fila(10), "Sí   Estrellas" + B(13) + "Secuenciales" + B(3) + B(12) + "-");
    EXPECT_EQ(Caption(f.lblEstrellasInicialesAUX), "1");
    EXPECT_EQ(Caption(f.lblTOTALInicialesAUX), "6");

    f.lstFiltros->SetListIndex(11);
    f.lstFiltros_DblClick();
    EXPECT_EQ(Fila(11), "Sí   Reducción" + B(13) + "al 2" + B(3) + B(12) + "-");
    EXPECT_EQ(f.filasAbiertas, (std::vector<int>{10, 11}));

    // The treatment back to "al 2" with the row turned off by its window.
    f.alAbrirFila = [this](int) {
        Reduccion.Estrellas = 0;
        f.DesactivarFilaFiltro(10);
    };
    f.lstFiltros->SetListIndex(10);
    f.lstFiltros_DblClick();
    EXPECT_EQ(Fila(10), "No   Estrellas" + B(13) + "al 2" + B(3) + B(12) + "-");
    EXPECT_EQ(Caption(f.lblTOTALInicialesAUX), "36");
}

TEST_F(PruebaPrincipal, EstrellasNoCambianEnModoDesdeArchivo) {
    ElegirModo(2);
    const std::string antes = Fila(10);
    f.lstFiltros->SetListIndex(10);
    f.lstFiltros_DblClick();
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto,
              "AVISO: EN MODO 'Desde Archivo' NO DE PUEDE VARIAR EL TIPO DE REDUCCION DE LAS ESTRELLAS");
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Exclamacion);
    EXPECT_TRUE(f.filasAbiertas.empty());
    EXPECT_EQ(Fila(10), antes);
    EXPECT_FALSE(BaseGuardada);
}

// ---------------------------------------------------------------- painting

namespace {
QPixmap Baldosa() {
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(QColor(0, 160, 0));
    img.setPixel(0, 0, qRgb(0, 0, 200));
    return QPixmap::fromImage(img);
}
// Colour of a point of the list's background, right of every row's text.
QColor Fondo(ListaTexto* lista) {
    const QImage img = lista->viewport()->grab().toImage();
    return img.pixelColor(img.width() - 6, img.height() - 6);
}
}  // namespace

TEST(ListaFiltrosPintada, DibujaLasFilasSobreElMotivo) {
    PlataformaGuion guion;
    frmPrincipalPrueba f;
    f.imgFondoList->setPixmap(Baldosa());
    f.Cargar();
    f.resize(f.size());
    EXPECT_NE(modAPIList::PincelFondo, 0);
    ASSERT_NE(f.ProcVentanaPrincipal(), nullptr);
    f.lstFiltros->clearSelection();
    const QColor c = Fondo(f.lstFiltros);
    EXPECT_TRUE(c == QColor(0, 160, 0) || c == QColor(0, 0, 200)) << c.name().toStdString();

    // Scrolled, the pattern is still behind the rows.
    f.lstFiltros->setFixedHeight(60);
    f.lstFiltros->scrollToBottom();
    const QColor d = Fondo(f.lstFiltros);
    EXPECT_TRUE(d == QColor(0, 160, 0) || d == QColor(0, 0, 200)) << d.name().toStdString();

    // Unloaded, the list is painted as any list again.
    f.Descargar(MotivoCierre::Codigo);
    EXPECT_NE(Fondo(f.lstFiltros), QColor(0, 160, 0));
}

TEST(ListaFiltrosPintada, SinMotivoSeVeComoCualquierLista) {
    PlataformaGuion guion;
    frmPrincipalPrueba f;
    f.imgFondoList->setPixmap(QPixmap());
    f.Cargar();
    EXPECT_EQ(modAPIList::PincelFondo, 0);
    EXPECT_EQ(f.ProcVentanaPrincipal(), nullptr);
    EXPECT_EQ(Fondo(f.lstFiltros), f.lstFiltros->palette().color(QPalette::Base));
}
