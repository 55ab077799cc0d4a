#include <gtest/gtest.h>

#include "AyudaHerramientas.h"
#include "common/modInformeTexto.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"
#include "tools/frmEscrutar.h"

using namespace modGeneral;
using namespace Herramientas;
using namespace RejillaNumeros;

namespace {

class PruebaEscrutar : public DatosIniciales {
protected:
    PlataformaGuion g;
    void SetUp() override {
        const Byte ganadora[8] = {0, 3, 17, 25, 40, 48, 2, 11};
        std::copy(ganadora, ganadora + 8, CombinacionGanadora);
    }
    static VistaPrincipal Vista(std::vector<Byte> numeros, std::vector<Byte> estrellas) {
        VistaPrincipal v;
        v.NumerosMarcados = [numeros] { return numeros; };
        v.EstrellasMarcadas = [estrellas] { return estrellas; };
        return v;
    }
    static std::string Texto(const QString& s) { return s.toStdString(); }
};

// The direct count of a table against the stored winning combination.
modEscrutinio::ResultadoEscrutinio Directo(const Tabla<Byte>& t, Long n) {
    modEscrutinio::ResultadoEscrutinio r;
    for (Long b = 1; b <= n; ++b) {
        int aciertos = 0, estrellas = 0;
        for (int c = 1; c <= 5; ++c)
            for (int i = 1; i <= 5; ++i) aciertos += t(b, c) == CombinacionGanadora[i];
        for (int i = 6; i <= 7; ++i) estrellas += t(b, 6) == CombinacionGanadora[i] || t(b, 7) == CombinacionGanadora[i];
        const int k = modEscrutinio::CategoriaPremio(aciertos, estrellas);
        if (k < 0) ++r.sinPremio;
        else ++r.porCategoria[k];
        ++r.total;
    }
    return r;
}

}  // namespace

TEST_F(PruebaEscrutar, DesdeLaPrincipalEscrutaLasApuestasActualesAlActivarse) {
    const Long n = 12000;
    ApuestasReducidas = ayuda::ApuestasAlAzar(n, 11);
    // A few bets that win the top categories.
    for (int c = 1; c <= 7; ++c) ApuestasReducidas(5, c) = CombinacionGanadora[c];
    for (int c = 1; c <= 6; ++c) ApuestasReducidas(6, c) = CombinacionGanadora[c];
    ApuestasReducidas(6, 7) = 12;
    const modEscrutinio::ResultadoEscrutinio esperado = Directo(ApuestasReducidas, n);

    frmEscrutar e(Vista({1, 3, 30}, {2, 5}));
    e.DesdePrincipal = true;
    e.NumApuestas = n;
    bool parpadea = false;
    std::string estado;
    g.alCederControl = [&] {
        parpadea |= e.Timer1->Enabled() && e.Timer1->Interval() == 5;
        estado = Texto(e.lblEstado->Caption());
    };
    bool visto = false;
    g.alMostrar["frmEscrutar"] = [&](Ventana&) {
        visto = true;
        ASSERT_TRUE(e.HayResultado);
        for (int k = 0; k < modEscrutinio::TotalCategorias; ++k) {
            EXPECT_EQ(e.Resultado.porCategoria[k], esperado.porCategoria[k]) << k;
            EXPECT_EQ(Texto(e.lblAciertos[static_cast<std::size_t>(k)]->Caption()),
                      FormatoMiles(esperado.porCategoria[k]));
        }
        EXPECT_EQ(e.Resultado.porCategoria[0], 1);
        EXPECT_EQ(e.Resultado.porCategoria[1], 1);
        EXPECT_EQ(Texto(e.lblSinPremio->Caption()), FormatoMiles(esperado.sinPremio));
        EXPECT_EQ(Texto(e.lblTotalApuestas->Caption()), "12.000");
        EXPECT_FALSE(e.Timer1->Enabled());
        EXPECT_EQ(e.lblEstado->ForeColor(), ColorNegro);
        // Green for what the main grids mark and the winning combination does not.
        EXPECT_EQ(e.lblNumero[0]->ForeColor(), ColorVerde);
        EXPECT_EQ(e.lblNumero[29]->ForeColor(), ColorVerde);
        EXPECT_EQ(e.lblNumero[1]->ForeColor(), ColorRojo);
        EXPECT_EQ(e.lblEstrella[4]->ForeColor(), ColorVerde);
        EXPECT_TRUE(EtiquetaMarcada(e.lblNumero[2]));     // 3: marked (winning) and green when freed
        e.lblNumero_Click(2);
        EXPECT_EQ(e.lblNumero[2]->ForeColor(), ColorVerde);
        EXPECT_EQ(CombinacionGanadora[1], 17);
        EXPECT_EQ(CombinacionGanadora[5], 0);
    };
    g.MostrarModal(e);
    ASSERT_TRUE(visto);
    EXPECT_TRUE(parpadea);
    EXPECT_EQ(estado, "Escrutando ...");
    EXPECT_GE(g.cesiones, n / 5000);

    // The report, in the program's folder, shown in the viewer.
    ASSERT_EQ(g.ficherosMostrados.size(), 1u);
    EXPECT_EQ(g.ficherosMostrados[0], g.carpeta + "/" + frmEscrutar::NombreInforme);
    const std::string informe = ayuda::LeerTexto(g.ficherosMostrados[0]);
    EXPECT_NE(informe.find("03 17 25 40 48 + 02 11"), std::string::npos);
    EXPECT_NE(informe.find("Apuestas escrutadas: 12.000 (Apuestas actuales)\r\n"), std::string::npos);
    EXPECT_NE(informe.find("Categor\xED" "a"), std::string::npos);  // Latin-1 on disk
}

TEST_F(PruebaEscrutar, SinVisorDeTextosElAvisoDaLaRutaDelInforme) {
    ApuestasReducidas = ayuda::ApuestasAlAzar(20, 3);
    g.visorArranca = false;
    frmEscrutar e;
    e.NumApuestas = 20;
    g.MostrarModal(e);
    const std::string ruta = g.carpeta + "/" + frmEscrutar::NombreInforme;
    ASSERT_EQ(g.mensajes.size(), 1u);
    EXPECT_EQ(g.mensajes[0].texto, modInformeTexto::MensajeVisorNoIniciado(ruta));
    EXPECT_EQ(g.mensajes[0].estilo, EstiloMensaje::Critico);
    EXPECT_NE(ayuda::LeerTexto(ruta).find("Apuestas escrutadas: 20 "), std::string::npos);
}

TEST_F(PruebaEscrutar, LaCombinacionSeMarcaConCincoNumerosYDosEstrellasComoMaximo) {
    for (auto& v : CombinacionGanadora) v = 0;
    frmEscrutar e;
    e.Cargar();
    for (int i : {10, 4, 30, 0, 22}) e.lblNumero_Click(i);
    e.lblNumero_Click(40);  // a sixth number is refused
    EXPECT_EQ(g.pitidos, 1);
    EXPECT_FALSE(EtiquetaMarcada(e.lblNumero[40]));
    e.lblEstrella_Click(9);
    e.lblEstrella_Click(3);
    e.lblEstrella_Click(0);
    EXPECT_EQ(g.pitidos, 2);
    const Byte esperada[8] = {0, 1, 5, 11, 23, 31, 4, 10};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(CombinacionGanadora[i], esperada[i]) << i;
    EXPECT_TRUE(modEscrutinio::CombinacionCompleta(CombinacionGanadora));
    e.lblEstrella_Click(9);
    EXPECT_EQ(CombinacionGanadora[7], 0);
    // Without the main window's marks every free label is red.
    for (auto* l : e.lblNumero) {
        if (!EtiquetaMarcada(l)) { EXPECT_EQ(l->ForeColor(), ColorRojo); }
    }
}

TEST_F(PruebaEscrutar, SinApuestasPideUnFicheroYAvisaAlEscrutar) {
    frmEscrutar e(Vista({}, {}));
    e.DesdePrincipal = true;
    e.NumApuestas = 0;
    g.alMostrar["frmEscrutar"] = [&](Ventana&) {
        EXPECT_NE(Texto(e.lblOrigen->Caption()).find("escrute un fichero"), std::string::npos);
        EXPECT_TRUE(e.cmdDesdeFichero->isEnabled());
        e.cmdEscrutar_Click();
    };
    g.MostrarModal(e);
    // The file was asked for when the window opened (and the dialog cancelled here).
    ASSERT_EQ(g.peticiones.size(), 1u);
    EXPECT_EQ(g.peticiones[0].titulo, "Abrir Fichero");
    EXPECT_EQ(g.UltimoMensaje(), "AVISO: NO HAY APUESTAS QUE ESCRUTAR, ELIJA UN FICHERO DE APUESTAS");
    EXPECT_TRUE(g.ficherosMostrados.empty());
}

TEST_F(PruebaEscrutar, ConLaCombinacionIncompletaEsperaAQueSeMarque) {
    ApuestasReducidas = ayuda::ApuestasAlAzar(50, 2);
    CombinacionGanadora[7] = 0;
    frmEscrutar e;
    e.NumApuestas = 50;
    g.alMostrar["frmEscrutar"] = [&](Ventana&) {
        EXPECT_FALSE(e.HayResultado);
        EXPECT_EQ(e.TotalApuestas, 50);
        e.cmdEscrutar_Click();
        EXPECT_EQ(g.UltimoMensaje(), "AVISO: MARQUE LA COMBINACION GANADORA (5 NUMEROS Y 2 ESTRELLAS)");
        e.lblEstrella_Click(6);
        e.cmdEscrutar_Click();
        EXPECT_TRUE(e.HayResultado);
        EXPECT_EQ(e.Resultado.total, 50);
        // Changing the combination clears the counts shown.
        e.lblEstrella_Click(6);
        EXPECT_FALSE(e.HayResultado);
        EXPECT_EQ(Texto(e.lblAciertos[0]->Caption()), "-");
    };
    g.MostrarModal(e);
    EXPECT_EQ(g.ficherosMostrados.size(), 1u);
}

TEST_F(PruebaEscrutar, NoLeeFilasQueLasApuestasActualesNoTienen) {
    ApuestasReducidas = ayuda::ApuestasAlAzar(40, 4);
    frmEscrutar e;
    e.NumApuestas = 100;   // more than the table holds
    g.MostrarModal(e);
    EXPECT_EQ(e.TotalApuestas, 40);
    EXPECT_EQ(e.Resultado.total, 40);

    // Five-column bets (no stars yet) are not bets to scrutinise.
    ApuestasReducidas.ReDim(1, 10, 1, 5);
    frmEscrutar f;
    f.NumApuestas = 10;
    g.MostrarModal(f);
    EXPECT_EQ(f.TotalApuestas, 0);
}

TEST_F(PruebaEscrutar, MientrasTrabajaNoSeCierra) {
    ApuestasReducidas = ayuda::ApuestasAlAzar(10000, 5);
    frmEscrutar e;
    e.NumApuestas = 10000;
    bool intentado = false;
    g.alCederControl = [&] {
        if (!e.Ocupado || intentado) return;
        intentado = true;
        EXPECT_FALSE(e.Descargar(MotivoCierre::Usuario));
        e.imgVolver_Click();
        EXPECT_TRUE(e.Cargada());
        EXPECT_FALSE(e.cmdEscrutar->isEnabled());
    };
    g.MostrarModal(e);
    EXPECT_TRUE(intentado);
    EXPECT_FALSE(e.Cargada());
}

TEST_F(PruebaEscrutar, EscrutaUnFicheroDeApuestas) {
    const Long n = 7000;
    const Tabla<Byte> t = ayuda::ApuestasAlAzar(n, 9);
    ASSERT_TRUE(ayuda::EscribirEUR(g.carpeta + "/apuestas.EUR", t, n));
    const modEscrutinio::ResultadoEscrutinio esperado = Directo(t, n);
    frmEscrutar e;
    e.NumApuestas = 0;
    g.dialogos.push_back(Eleccion(g.carpeta + "/apuestas.EUR", 2));
    g.MostrarModal(e);
    ASSERT_EQ(g.peticiones.size(), 1u);
    EXPECT_EQ(g.peticiones[0].titulo, "Abrir Fichero");
    ASSERT_EQ(e.TotalApuestas, n) << g.UltimoMensaje();
    for (int k = 0; k < modEscrutinio::TotalCategorias; ++k)
        EXPECT_EQ(e.Resultado.porCategoria[k], esperado.porCategoria[k]) << k;
    EXPECT_EQ(e.Resultado.sinPremio, esperado.sinPremio);
    EXPECT_NE(ayuda::LeerTexto(g.ficherosMostrados.at(0)).find("(Fichero apuestas.EUR)"), std::string::npos);

    // A refused file leaves the bets scrutinised before.
    ayuda::EscribirTexto(g.carpeta + "/malo.txt", "05 04 03 02 01 01 02\r\n");
    frmEscrutar f;
    g.dialogos.push_back(Eleccion(g.carpeta + "/apuestas.EUR"));
    g.alMostrar["frmEscrutar"] = [&](Ventana&) {
        EXPECT_EQ(f.TotalApuestas, n);
        g.dialogos.push_back(Eleccion(g.carpeta + "/malo.txt"));
        f.cmdDesdeFichero_Click();
        ASSERT_FALSE(g.mensajes.empty());
        EXPECT_EQ(g.mensajes.back().estilo, EstiloMensaje::Critico);
        EXPECT_EQ(f.TotalApuestas, n);
        EXPECT_TRUE(f.cmdEscrutar->isEnabled());
    };
    g.MostrarModal(f);
}
