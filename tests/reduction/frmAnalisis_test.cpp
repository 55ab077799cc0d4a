// The frequency analysis: the counts over the current bets, the window opened from the
// toolbar with the total of bets, and its report.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <string>

#include "common/modInformeTexto.h"
#include "main/frmPrincipal.h"
#include "reduction/frmAnalisis.h"
#include "reduction/modAnalisis.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;

namespace {

class Analisis : public DatosIniciales {
protected:
    PlataformaGuion guion;
    // Bets i = 1..n: numbers i, i+1, .., i+4 and stars 1 and 2 + i % 3.
    void Apuestas(long n, int columnas = 7) {
        ApuestasReducidas.ReDim(1, n, 1, columnas);
        for (long i = 1; i <= n; ++i) {
            for (int c = 1; c <= 5; ++c) ApuestasReducidas(i, c) = static_cast<Byte>(i + c - 1);
            if (columnas >= 7) {
                ApuestasReducidas(i, 6) = 1;
                ApuestasReducidas(i, 7) = static_cast<Byte>(2 + i % 3);
            }
        }
    }
};

TEST_F(Analisis, CuentaNumerosYEstrellasDeLasFilasPedidas) {
    Apuestas(10);
    const auto f = modAnalisis::ContarFrecuencias(ApuestasReducidas, 6);
    EXPECT_EQ(f.apuestas, 6);
    EXPECT_TRUE(f.conEstrellas);
    EXPECT_EQ(f.numeros[1], 1);
    EXPECT_EQ(f.numeros[5], 5);
    EXPECT_EQ(f.numeros[6], 5);
    EXPECT_EQ(f.numeros[10], 1);
    EXPECT_EQ(f.numeros[11], 0) << "row 7 is not counted";
    EXPECT_EQ(f.estrellas[1], 6);
    EXPECT_EQ(f.estrellas[2], 2);
    EXPECT_EQ(f.estrellas[3], 2);
    EXPECT_EQ(f.estrellas[4], 2);
    EXPECT_DOUBLE_EQ(f.PorcentajeNumero(5), 500.0 / 6);
    EXPECT_DOUBLE_EQ(f.PorcentajeEstrella(1), 100.0);

    // More bets asked than rows exist; a table of numbers only.
    EXPECT_EQ(modAnalisis::ContarFrecuencias(ApuestasReducidas, 99).apuestas, 10);
    Apuestas(4, 5);
    const auto s = modAnalisis::ContarFrecuencias(ApuestasReducidas, 4);
    EXPECT_FALSE(s.conEstrellas);
    EXPECT_EQ(s.numeros[4], 4);
    EXPECT_EQ(s.estrellas[1], 0);
    ApuestasReducidas.Erase();
    EXPECT_EQ(modAnalisis::ContarFrecuencias(ApuestasReducidas, 4).apuestas, 0);
}

TEST_F(Analisis, LaVentanaDesdeLaBarraConElTotalDeApuestas) {
    frmPrincipal f;
    f.Cargar();
    Apuestas(12);
    f.lblApuestasReducidas->SetCaption(QStringLiteral("4"));
    f.lblTOTALReducidasAUX->SetCaption(QStringLiteral("12"));
    guion.alMostrar["frmAnalisis"] = [this](Ventana& v) {
        auto& a = static_cast<frmAnalisis&>(v);
        EXPECT_EQ(a.NumApuestas, 12);
        EXPECT_EQ(a.Frecuencias.apuestas, 12);
        // Number 7 is in bets 3..7: 5 of 12.
        const auto& fila = a.picNumeros1->Filas()[6];
        EXPECT_EQ(fila.rotulo, QStringLiteral("07"));
        EXPECT_EQ(fila.cuenta, 5);
        EXPECT_NEAR(fila.porcentaje, 41.67, 0.01);
        EXPECT_EQ(a.picNumeros2->Filas().size(), 25u);
        EXPECT_EQ(a.picNumeros2->Filas()[0].rotulo, QStringLiteral("26"));
        ASSERT_EQ(a.picEstrellas->Filas().size(), 12u);
        EXPECT_EQ(a.picEstrellas->Filas()[0].cuenta, 12);
        EXPECT_TRUE(a.lblApuestas->text().endsWith(QStringLiteral("12")));
        a.imgInforme_Click();
        guion.visorArranca = false;
        a.imgInforme_Click();
        a.imgVolver_Click();
    };
    f.lblMenu_Click(5);
    ASSERT_EQ(guion.modalesMostrados, (std::vector<std::string>{"frmAnalisis"}));
    const std::string ruta = guion.carpeta + "/TORNAVENTURA_ANALISIS.txt";
    ASSERT_EQ(guion.ficherosMostrados, (std::vector<std::string>{ruta, ruta}));
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, modInformeTexto::MensajeVisorNoIniciado(ruta));
    QFile fichero(QString::fromStdString(ruta));
    ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
    const std::string texto = fichero.readAll().toStdString();
    EXPECT_NE(texto.find("AN\xC1LISIS DE FRECUENCIAS\r\n"), std::string::npos);
    EXPECT_NE(texto.find("Apuestas analizadas : 12\r\n"), std::string::npos);
    EXPECT_NE(texto.find("N\xFAmero   07              5    41,67 %"), std::string::npos);
    EXPECT_NE(texto.find("Estrella 01             12   100,00 %"), std::string::npos);

    // No bets: the toolbar entry refuses.
    f.lblApuestasReducidas->SetCaption(QStringLiteral("0"));
    f.lblMenu_Click(5);
    EXPECT_EQ(guion.modalesMostrados.size(), 1u);
    EXPECT_EQ(guion.UltimoMensaje(), "ERROR: No hay apuestas generadas");
}

TEST_F(Analisis, ElRojoMarcaElMayorDeLosCincuentaNumerosYDeLasDoceEstrellas) {
    Apuestas(24);  // 05..24 in five bets each; 26, the most of the second block, in three
    frmAnalisis a;
    a.NumApuestas = 24;
    a.Activar();
    std::string rojos;
    for (const BarrasFrecuencias* b : {a.picNumeros1, a.picNumeros2, a.picEstrellas})
        for (const auto& f : b->Filas()) rojos += f.mayor ? f.rotulo.toStdString() + " " : "";
    EXPECT_EQ(rojos, "05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 01 ");
}

TEST_F(Analisis, ElInformeSeFechaDiaMesAnoSeaCualSeaElIdioma) {
    frmAnalisis a;
    const QLocale anterior;
    for (const QLocale& idioma : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(idioma);
        // Midnight may pass while the report is written.
        const QString antes = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        a.imgInforme_Click();
        const QString despues = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        QFile fichero(QString::fromStdString(guion.carpeta + "/TORNAVENTURA_ANALISIS.txt"));
        ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
        const QRegularExpression linea(
            QStringLiteral(R"(\r\nFecha : (%1|%2) \d\d:\d\d:\d\d\r\n)").arg(antes, despues));
        EXPECT_TRUE(QString::fromLatin1(fichero.readAll()).contains(linea)) << idioma.name().toStdString();
    }
    QLocale::setDefault(anterior);
}

TEST_F(Analisis, ElInformeQueNoSePuedeEscribirSeAvisa) {
    Apuestas(3);
    guion.carpeta = guion.carpeta + "/no/existe";
    frmAnalisis a;
    a.NumApuestas = 3;
    guion.alMostrar["frmAnalisis"] = [](Ventana& v) { static_cast<frmAnalisis&>(v).imgInforme_Click(); };
    guion.MostrarModal(a);
    EXPECT_TRUE(guion.ficherosMostrados.empty());
    EXPECT_EQ(guion.UltimoMensaje().rfind("ERROR AL GENERAR EL INFORME (", 0), 0u);
}

}  // namespace
