#include <gtest/gtest.h>

#include "AyudaHerramientas.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"
#include "tools/frmEscrutar.h"
#include "tools/frmVisualizar.h"

using namespace modGeneral;

namespace {

class PruebaVisualizar : public DatosIniciales {
protected:
    PlataformaGuion g;
    // A viewer showing n bets, as a file read would leave it.
    static void Cargar(frmVisualizar& w, Long n) {
        w.Cargar();
        w.Apuestas = ayuda::ApuestasAlAzar(n, 21);
        w.TotalApuestas = n;
        w.MostrarBoleto(1);
    }
    static bool Marcada(const Etiqueta* e) { return e->BackStyle() == 1; }
    // The bet shown in block k, read back from the marks.
    static std::vector<int> Mostrada(const frmVisualizar& w, int k) {
        std::vector<int> r;
        for (int n = 0; n < 50; ++n)
            if (Marcada(w.lblBoletoNumero[static_cast<std::size_t>(k)][static_cast<std::size_t>(n)])) r.push_back(n + 1);
        for (int e = 0; e < 12; ++e)
            if (Marcada(w.lblBoletoEstrella[static_cast<std::size_t>(k)][static_cast<std::size_t>(e)])) r.push_back(e + 1);
        return r;
    }
    static std::vector<int> Fila(const frmVisualizar& w, Long b) {
        std::vector<int> r;
        for (int c = 1; c <= 7; ++c) r.push_back(w.Apuestas(b, c));
        return r;
    }
};

}  // namespace

TEST_F(PruebaVisualizar, CadaBoletoMuestraSusCincoApuestasComoEnElResguardo) {
    frmVisualizar w;
    Cargar(w, 12);
    EXPECT_EQ(w.TotalBoletos(), 3);
    EXPECT_EQ(w.BoletoActual, 1);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(Mostrada(w, k), Fila(w, k + 1)) << k;
    EXPECT_EQ(w.lblBloque[0]->text(), QStringLiteral("Apuesta 1"));
    EXPECT_EQ(w.lblTotalBoletos->text(), QStringLiteral("de 3"));
    EXPECT_EQ(w.txtIrboleto->Text(), QStringLiteral("1"));

    w.imgUltimo_Click();
    EXPECT_EQ(w.BoletoActual, 3);
    EXPECT_EQ(Mostrada(w, 0), Fila(w, 11));
    EXPECT_EQ(Mostrada(w, 1), Fila(w, 12));
    // The blocks past the last bet are empty and greyed.
    EXPECT_TRUE(Mostrada(w, 2).empty());
    EXPECT_FALSE(w.lblBloque[2]->parentWidget()->isEnabled());
    EXPECT_EQ(w.lblBloque[4]->text(), QStringLiteral("-"));
    w.imgSiguiente_Click();   // already the last
    EXPECT_EQ(w.BoletoActual, 3);
    w.imgAnterior_Click();
    EXPECT_EQ(w.BoletoActual, 2);
    EXPECT_EQ(Mostrada(w, 4), Fila(w, 10));
    EXPECT_TRUE(w.lblBloque[4]->parentWidget()->isEnabled());
    w.imgPrimero_Click();
    w.imgAnterior_Click();    // already the first
    EXPECT_EQ(w.BoletoActual, 1);
}

TEST_F(PruebaVisualizar, IntroEnElNumeroDeBoletoLlevaAEl) {
    frmVisualizar w;
    Cargar(w, 5000);
    EXPECT_EQ(w.TotalBoletos(), 1000);
    w.txtIrboleto->SetText(QString());
    for (char c : std::string("7x5")) w.txtIrboleto->Teclear(c);
    EXPECT_EQ(w.txtIrboleto->Text(), QStringLiteral("75"));
    EXPECT_EQ(g.pitidos, 1);
    EXPECT_EQ(w.BoletoActual, 1);   // only Enter moves
    w.txtIrboleto->Teclear(13);
    EXPECT_EQ(g.pitidos, 1);        // Enter passes without a beep
    EXPECT_EQ(w.BoletoActual, 75);
    EXPECT_EQ(Mostrada(w, 0), Fila(w, 371));
    // A ticket the file does not have: a beep and the current one stays.
    w.txtIrboleto->SetText(QStringLiteral("1001"));
    w.txtIrboleto->Teclear(13);
    EXPECT_EQ(g.pitidos, 2);
    EXPECT_EQ(w.BoletoActual, 75);
    EXPECT_EQ(w.txtIrboleto->Text(), QStringLiteral("75"));
    w.txtIrboleto->SetText(QStringLiteral("0"));
    w.txtIrboleto->Teclear(13);
    EXPECT_EQ(w.BoletoActual, 75);
    int tecla = 'a';
    w.txtIrboleto_KeyPress(tecla);
    EXPECT_EQ(tecla, 0);
}

TEST_F(PruebaVisualizar, SinFicheroNoHayBoletoNiEscrutinio) {
    frmVisualizar w;
    g.MostrarModal(w);   // the file dialog is cancelled
    ASSERT_EQ(g.peticiones.size(), 1u);
    EXPECT_EQ(w.BoletoActual, 0);
    EXPECT_EQ(w.lblTotalBoletos->text(), QStringLiteral("de 0"));
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(Mostrada(w, k).empty());
    w.imgSiguiente_Click();
    EXPECT_EQ(w.BoletoActual, 0);
    w.imgEscrutar_Click();
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: NO HAY NINGUN FICHERO DE APUESTAS ABIERTO");
    EXPECT_TRUE(g.modalesMostrados.size() == 1u);
}

TEST_F(PruebaVisualizar, EscrutarEntregaLasApuestasVistasAlEscrutador) {
    ApuestasReducidas = ayuda::ApuestasAlAzar(3, 1);   // the current bets, replaced
    const Byte ganadora[8] = {0, 1, 2, 3, 4, 5, 1, 2};
    std::copy(ganadora, ganadora + 8, CombinacionGanadora);
    frmVisualizar w;
    Cargar(w, 8);
    bool abierto = false;
    g.alMostrar["frmEscrutar"] = [&](Ventana& v) {
        auto& e = static_cast<frmEscrutar&>(v);
        abierto = true;
        EXPECT_FALSE(e.DesdePrincipal);
        EXPECT_EQ(e.NumApuestas, 8);
        EXPECT_EQ(e.TotalApuestas, 8);
        EXPECT_EQ(e.Resultado.total, 8);
        for (auto* l : e.lblNumero) EXPECT_NE(l->ForeColor(), Herramientas::ColorVerde);
    };
    w.imgEscrutar_Click();
    ASSERT_TRUE(abierto);
    EXPECT_EQ(ApuestasReducidas.LBound1(), 0);
    EXPECT_EQ(ApuestasReducidas.UBound1(), 8);
    EXPECT_EQ(ApuestasReducidas.UBound2(), 7);
    for (Long b = 1; b <= 8; ++b)
        for (int c = 1; c <= 7; ++c) EXPECT_EQ(ApuestasReducidas(b, c), w.Apuestas(b, c));
    // The viewer keeps its ticket.
    EXPECT_EQ(w.BoletoActual, 1);
}

TEST_F(PruebaVisualizar, AbreElFicheroAlMostrarseYLoEnsenaPorBoletos) {
    ayuda::EscribirTexto(g.carpeta + "/boletos.txt",
                         "0102030405*0102\r\n1020304050*1112\r\n0711131719*0306\r\n"
                         "0203040506*0102\r\n0304050607*0102\r\n0405060708*0912\r\n");
    frmVisualizar w;
    g.dialogos.push_back(Eleccion(g.carpeta + "/boletos.txt", 1));
    g.alMostrar["frmVisualizar"] = [&](Ventana&) {
        EXPECT_EQ(w.TotalApuestas, 6) << g.UltimoMensaje();
        EXPECT_EQ(w.TotalBoletos(), 2);
        EXPECT_EQ(Mostrada(w, 1), (std::vector<int>{10, 20, 30, 40, 50, 11, 12}));
        w.imgSiguiente_Click();
        EXPECT_EQ(Mostrada(w, 0), (std::vector<int>{4, 5, 6, 7, 8, 9, 12}));
        EXPECT_EQ(w.lblFichero->Caption(), QStringLiteral("boletos.txt   -   6 apuestas, 2 boletos"));
        // One bet is one ticket, both counts in the singular.
        g.dialogos.push_back(Eleccion(g.carpeta + "/una.txt", 1));
        w.cmdAbrirFichero_Click();
        EXPECT_EQ(w.lblFichero->Caption(), QStringLiteral("una.txt   -   1 apuesta, 1 boleto"));
    };
    ayuda::EscribirTexto(g.carpeta + "/una.txt", "0102030405*0102\r\n");
    g.MostrarModal(w);
    EXPECT_EQ(g.peticiones.at(0).titulo, "Abrir Fichero");
}
