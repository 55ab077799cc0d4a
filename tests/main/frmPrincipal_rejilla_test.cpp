// The base grids, their buttons, the counters and the random base dialog.
#include <QApplication>
#include <QMouseEvent>
#include <set>

#include "main/PrincipalPrueba.h"
#include "main/frmAlazar.h"

using namespace modGeneral;

TEST_F(PruebaPrincipal, ClicEnUnNumeroAlternaSuAspecto) {
    f.lblApuestasCondicionadas->SetCaption(QStringLiteral("9"));
    f.lblApuestasReducidas->SetCaption(QStringLiteral("5"));
    f.lblNumero_Click(16);
    EXPECT_EQ(f.lblNumero[16]->BackStyle(), 1);
    EXPECT_EQ(f.lblNumero[16]->BackColor(), 0x0000FF);
    EXPECT_EQ(f.lblNumero[16]->ForeColor(), 0xFFFFFF);
    EXPECT_FALSE(BaseGuardada);
    EXPECT_EQ(Caption(f.lblTipoCombinacion), "1 Número");
    // Any grid click puts the calculation's counters back to the initial ones.
    EXPECT_EQ(Caption(f.lblApuestasCondicionadas), "0");
    EXPECT_EQ(Caption(f.lblApuestasReducidas), "0");
    f.lblNumero_Click(16);
    EXPECT_EQ(f.lblNumero[16]->BackStyle(), 0);
    EXPECT_EQ(f.lblNumero[16]->ForeColor(), 0x0000FF);
    EXPECT_EQ(f.lblNumero[16]->BackColor(), 0x0000FF) << "the free look leaves the back colour";
    f.lblEstrella_Click(11);
    EXPECT_EQ(Caption(f.lblTipoCombinacionEstrellas), "1 Estrella");
}

TEST_F(PruebaPrincipal, ClicDeVerdadEnLaEtiqueta) {
    f.show();
    QMouseEvent pulsar(QEvent::MouseButtonPress, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QMouseEvent soltar(QEvent::MouseButtonRelease, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
    QApplication::sendEvent(f.lblNumero[49], &pulsar);
    QApplication::sendEvent(f.lblNumero[49], &soltar);
    EXPECT_TRUE(RejillaNumeros::EtiquetaMarcada(f.lblNumero[49]));
    f.picNumeros->setEnabled(false);   // "Desde Archivo": the grids take no clicks
    QApplication::sendEvent(f.lblNumero[0], &pulsar);
    QApplication::sendEvent(f.lblNumero[0], &soltar);
    EXPECT_FALSE(RejillaNumeros::EtiquetaMarcada(f.lblNumero[0]));
    f.hide();
}

TEST_F(PruebaPrincipal, BotonesDeFilaColumnaYEstrellas) {
    auto marcados = [this] {
        std::vector<int> v;
        for (int i = 0; i < 50; ++i)
            if (RejillaNumeros::EtiquetaMarcada(f.lblNumero[i])) v.push_back(i + 1);
        return v;
    };
    f.imgINIFila_Click(5);
    EXPECT_EQ(marcados(), (std::vector<int>{6, 15, 24, 33, 42}));
    EXPECT_FALSE(BaseGuardada);
    f.imgINIFila_Click(5);
    EXPECT_TRUE(marcados().empty());
    f.imgINIFila_Click(4);
    EXPECT_EQ(marcados(), (std::vector<int>{5, 14, 23, 32, 41, 50}));
    f.imgINIFila_Click(4);

    // The first number decides: marked, the whole row is freed.
    f.lblNumero_Click(0);
    f.imgINIFila_Click(0);
    EXPECT_TRUE(marcados().empty());
    // Free first number: the whole row is marked, also those already marked stay so.
    f.lblNumero_Click(9);
    f.imgINIFila_Click(0);
    EXPECT_EQ(marcados(), (std::vector<int>{1, 10, 19, 28, 37, 46}));
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "6");
    f.imgINIFila_Click(0);

    f.imgINIColumna_Click(5);
    EXPECT_EQ(marcados(), (std::vector<int>{46, 47, 48, 49, 50}));
    f.imgINIColumna_Click(5);
    f.imgINIColumna_Click(1);
    EXPECT_EQ(marcados(), (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "126");

    f.imgINIFilaEstrellas_Click(1);
    std::vector<int> estrellas;
    for (int i = 0; i < 12; ++i)
        if (RejillaNumeros::EtiquetaMarcada(f.lblEstrella[i])) estrellas.push_back(i + 1);
    EXPECT_EQ(estrellas, (std::vector<int>{2, 6, 10}));
    EXPECT_EQ(Caption(f.lblTipoCombinacionEstrellas), "3 Estrellas");
}

TEST_F(PruebaPrincipal, TodosMarcaOLibera) {
    f.lblMarcarDesmarcarTODOS_Click();
    EXPECT_EQ(NumerosMarcados(), 50);
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "2.118.760");
    EXPECT_EQ(Caption(f.lblTipoCombinacion), "50 Números");
    EXPECT_FALSE(BaseGuardada);
    EXPECT_EQ(EstrellasMarcadas(), 0) << "stars are not touched";

    f.NuevaCombinacion();
    RejillaNumeros::MarcarEtiqueta(f.lblNumero[30]);
    MarcarEstrellas(2);
    BaseGuardada = true;
    f.lblMarcarDesmarcarTODOS_Click();
    EXPECT_EQ(NumerosMarcados(), 0);
    EXPECT_EQ(EstrellasMarcadas(), 2);
    EXPECT_TRUE(BaseGuardada) << "freeing all numbers leaves the saved flag";
}

TEST_F(PruebaPrincipal, ContadoresDeParejasDeEstrellasPorTratamiento) {
    MarcarNumeros({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});   // 252 number-bets
    const int al2[13] = {0, 0, 1, 3, 6, 10, 15, 21, 28, 36, 45, 55, 66};
    const int al1[13] = {0, 0, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5, 6};
    for (int s = 0; s <= 12; ++s) {
        f.DesmarcarTodasEstrellas();
        MarcarEstrellas(s);
        for (Integer t = 0; t <= 3; ++t) {
            Reduccion.Estrellas = t;
            f.ActualizarContadoresApuestas();
            const int pares = s < 2 ? 0 : (t == 0 ? al2[s] : t == 1 ? al1[s] : 1);
            EXPECT_EQ(Caption(f.lblEstrellasInicialesAUX), std::to_string(pares)) << s << " " << t;
            EXPECT_EQ(Caption(f.lblEstrellasCondicionadasAUX), std::to_string(pares));
            EXPECT_EQ(Caption(f.lblEstrellasReducidasAUX), std::to_string(pares));
            EXPECT_EQ(f.lblTOTALInicialesAUX->Caption(), QString::fromStdString(FormatoMiles(252.0 * pares)));
        }
    }
    // Any other treatment leaves the pairs as they were.
    Reduccion.Estrellas = 7;
    f.ActualizarContadoresApuestas();
    EXPECT_EQ(Caption(f.lblEstrellasInicialesAUX), "1");
    Reduccion.Estrellas = 0;
}

TEST_F(PruebaPrincipal, TotalesConSeparadorDeMiles) {
    guion.separador = ",";
    f.MarcarTodosNumeros();
    MarcarEstrellas(12);
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "2,118,760");
    EXPECT_EQ(Caption(f.lblEstrellasInicialesAUX), "66");
    EXPECT_EQ(Caption(f.lblTOTALInicialesAUX), "139,838,160");
    // The calculation's counters are read back from their captions.
    f.lblApuestasReducidas->SetCaption(QStringLiteral("1,000"));
    f.ActualizarContadoresApuestas();
    EXPECT_EQ(Caption(f.lblTOTALReducidasAUX), "66,000");
    EXPECT_EQ(Caption(f.lblTOTALCondicionadasAUX), "139,838,160");
}

TEST_F(PruebaPrincipal, CuatroNumerosOUnaEstrellaNoDanApuestas) {
    MarcarNumeros({1, 2, 3, 4});
    MarcarEstrellas(3);
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "0");
    EXPECT_EQ(Caption(f.lblTOTALInicialesAUX), "0");
    MarcarNumeros({5});
    EXPECT_EQ(Caption(f.lblTOTALInicialesAUX), "3");
    f.DesmarcarTodasEstrellas();
    MarcarEstrellas(1);
    EXPECT_EQ(Caption(f.lblEstrellasInicialesAUX), "0");
    EXPECT_EQ(Caption(f.lblTOTALInicialesAUX), "0");
}

TEST_F(PruebaPrincipal, DesdeArchivoUnaParejaPorApuesta) {
    MarcarNumeros({1, 2, 3, 4, 5, 6});
    MarcarEstrellas(5);
    ElegirModo(2);
    f.ActualizarContadoresApuestas();
    EXPECT_EQ(Caption(f.lblEstrellasInicialesAUX), "1");
    EXPECT_EQ(Caption(f.lblTOTALInicialesAUX), "6");
}

TEST_F(PruebaPrincipal, CargarNumerosMarcadosEnOrden) {
    MarcarNumeros({48, 3, 25, 17, 40});
    TotalNumerosBase = f.ContarNumerosMarcados();
    f.CargarNumerosMarcados();
    ASSERT_EQ(CombinacionBase.LBound(), 1);
    ASSERT_EQ(CombinacionBase.UBound(), 5);
    const int esperado[5] = {3, 17, 25, 40, 48};
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(CombinacionBase(p), esperado[p - 1]);
    // A count smaller than the grid's never writes past the table.
    TotalNumerosBase = 2;
    f.CargarNumerosMarcados();
    EXPECT_EQ(CombinacionBase.UBound(), 2);
    EXPECT_EQ(CombinacionBase(2), 17);
}

// ---------------------------------------------------------------- random base

namespace {
// Drives the random base dialog: n numbers, m stars, `veces` presses.
std::function<void(Ventana&)> Sortear(int n, int m, int veces = 1) {
    return [=](Ventana& v) {
        auto& a = static_cast<frmAlazar&>(v);
        a.cboNumeros->SetListIndex(n - 1);
        a.cboEstrellas->SetListIndex(m - 1);
        for (int i = 0; i < veces; ++i) a.cmdAlazar_Click();
        a.imgVolver_Click();
    };
}
}  // namespace

TEST_F(PruebaPrincipal, AlazarSeAbreConCincoNumerosYDosEstrellas) {
    guion.alMostrar["frmAlazar"] = [](Ventana& v) {
        auto& a = static_cast<frmAlazar&>(v);
        EXPECT_EQ(a.windowTitle().toStdString(), "Generar combinación aleatoria");
        EXPECT_EQ(a.cboNumeros->count(), 50);
        EXPECT_EQ(a.cboNumeros->currentText().toStdString(), "5");
        EXPECT_EQ(a.cboEstrellas->count(), 12);
        EXPECT_EQ(a.cboEstrellas->currentText().toStdString(), "2");
        EXPECT_EQ(a.imgVolver->toolTip().toStdString(), "Cerrar");
        a.cmdAlazar_Click();
    };
    ElegirModo(1);
    EXPECT_EQ(NumerosMarcados(), 5);
    EXPECT_EQ(EstrellasMarcadas(), 2);
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "1");
    EXPECT_EQ(Caption(f.lblTOTALInicialesAUX), "1");
    EXPECT_EQ(f.ModoAnterior, 0);
    EXPECT_FALSE(BaseGuardada) << "a drawn base is a setup not yet saved";
}

TEST_F(PruebaPrincipal, AlazarMarcaNumerosYEstrellasDistintos) {
    guion.alMostrar["frmAlazar"] = Sortear(10, 3);
    ElegirModo(1);
    EXPECT_EQ(NumerosMarcados(), 10);
    EXPECT_EQ(EstrellasMarcadas(), 3);
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "252");
    EXPECT_EQ(Caption(f.lblApuestasCondicionadas), "252");
    EXPECT_EQ(Caption(f.lblApuestasReducidas), "0");
    EXPECT_EQ(Caption(f.lblTipoCombinacion), "10 Números");
    EXPECT_EQ(Caption(f.lblTipoCombinacionEstrellas), "3 Estrellas");
    // The mode handler refreshes pairs and totals when the dialog closes.
    EXPECT_EQ(Caption(f.lblEstrellasInicialesAUX), "3");
    EXPECT_EQ(Caption(f.lblTOTALInicialesAUX), "756");
}

TEST_F(PruebaPrincipal, AlazarExtremos) {
    guion.alMostrar["frmAlazar"] = Sortear(50, 12);
    ElegirModo(1);
    EXPECT_EQ(NumerosMarcados(), 50);
    EXPECT_EQ(EstrellasMarcadas(), 12);
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "2.118.760");

    guion.alMostrar["frmAlazar"] = Sortear(1, 1);
    ElegirModo(0);   // declined: the grid stays, the combo shows "Manual"
    ElegirModo(1);
    EXPECT_EQ(NumerosMarcados(), 1);
    EXPECT_EQ(EstrellasMarcadas(), 1);
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "0");
    EXPECT_EQ(Caption(f.lblApuestasCondicionadas), "0");
}

TEST_F(PruebaPrincipal, AlazarUnaSegundaPulsacionBorraLaPrimera) {
    std::set<int> vistos;
    guion.alMostrar["frmAlazar"] = [&](Ventana& v) {
        auto& a = static_cast<frmAlazar&>(v);
        a.cboNumeros->SetListIndex(4);
        // Many presses: always five marked, and every number can come out.
        for (int i = 0; i < 300; ++i) {
            a.cmdAlazar_Click();
            ASSERT_EQ(NumerosMarcados(), 5);
            ASSERT_EQ(EstrellasMarcadas(), 2);
            for (int k = 0; k < 50; ++k)
                if (RejillaNumeros::EtiquetaMarcada(f.lblNumero[k])) vistos.insert(k + 1);
        }
    };
    ElegirModo(1);
    EXPECT_EQ(vistos.size(), 50u);
}
