// Importing a bet file through the main window (the grids, the counters, the star treatment,
// the repeated bets, the failures and what survives them, the calculation and the save of an
// imported system) and the two reports of the "Datos" menu.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/modEncriptarFichero.h"
#include "common/modLeerApuestas.h"
#include "main/PrincipalPrueba.h"
#include "main/frmPrincipal.h"
#include "main/modEstrellas.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;

namespace {

// The main window with its own import and reports, and no other window opened.
class frmPrincipalFicheros : public frmPrincipal {
public:
    int reducciones = 0;
    void AbrirVentanaProceso() override { ++reducciones; }
};

class FicherosPrincipal : public ConPrincipal<frmPrincipalFicheros> {
protected:
    std::string C(const Etiqueta* l) const { return l->Caption().toStdString(); }
    std::string Ruta(const std::string& nombre) const { return guion.carpeta + "/" + nombre; }
    std::string Fila(int k) const { return f.lstFiltros->List(k).toStdString(); }
    static void Escribir(const std::string& ruta, const std::string& bytes) {
        std::ofstream(ruta, std::ios::binary) << bytes;
    }
    static std::string Leer(const std::string& ruta) {
        std::ifstream in(ruta, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    // Chooses "Desde Archivo" with the file the dialog will give.
    void Importar(const std::string& ruta) {
        guion.dialogos.push_back(Eleccion(ruta, 2));
        if (f.cboTipoCombinacion->ListIndex() == 2) f.ImportarApuestasDesdeArchivo();
        else f.cboTipoCombinacion->SetListIndex(2);
    }
    std::vector<int> Marcados(bool estrellas) const {
        std::vector<int> v;
        const auto marcados = estrellas ? f.EstrellasMarcadas() : f.NumerosMarcados();
        for (Byte b : marcados) v.push_back(b);
        return v;
    }
    bool Bloqueada() const { return !f.lstFiltros->isEnabled() || !f.lblMenu[4]->isEnabled(); }
    std::vector<std::array<int, 7>> Reducidas() const {
        std::vector<std::array<int, 7>> v;
        for (long r = 1; r <= ApuestasReducidas.UBound1(); ++r) {
            std::array<int, 7> a{};
            for (int c = 0; c < 7; ++c) a[static_cast<std::size_t>(c)] = ApuestasReducidas(r, c + 1);
            v.push_back(a);
        }
        return v;
    }
};

using A7 = std::array<int, 7>;

// Bytes 0x10..0x4F: one line holding "*", "+" and blanks among control characters.
std::string Binario() {
    std::string b;
    for (int c = 0x10; c < 0x50; ++c) b += static_cast<char>(c);
    return b;
}

}  // namespace

TEST_F(FicherosPrincipal, UnFicheroDeTextoMarcaLaRejillaQuitaLasRepetidasYAsignaLasEstrellas) {
    f.EliminadasPorFiltro.fill(9);
    Escribir(Ruta("mi sistema.TXT"), "03 17 25 40 48 02 11\r\n01 02 03 04 05 11 02\r\n"
                                     "03 17 25 40 48 11 11\r\n10 20 30 40 50 02 02\r\n");
    Importar(Ruta("mi sistema.TXT"));

    ASSERT_EQ(guion.peticiones.size(), 1u);
    EXPECT_EQ(guion.peticiones[0].titulo, "Abrir Fichero");
    EXPECT_EQ(guion.peticiones[0].indiceFiltro, 2);
    ASSERT_EQ(guion.mensajes.size(), 1u) << guion.UltimoMensaje();
    EXPECT_EQ(guion.mensajes[0].texto,
              "AVISO: El sistema importado tiene apuestas repetidas y estas han sido eliminadas\r\n"
              "TOTAL apuestas repetidas: 1");
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Exclamacion);

    EXPECT_EQ(Marcados(false), (std::vector<int>{1, 2, 3, 4, 5, 10, 17, 20, 25, 30, 40, 48, 50}));
    EXPECT_EQ(Marcados(true), (std::vector<int>{2, 11}));
    EXPECT_EQ(f.txtFicheroASCII->Text().toStdString(), "mi sistema.TXT");
    EXPECT_EQ(f.txtFicheroASCII->toolTip().toStdString(), Ruta("mi sistema.TXT"));
    EXPECT_EQ(C(f.lblTipoCombinacion), "13 Números");
    EXPECT_EQ(C(f.lblTipoCombinacionEstrellas), "2 Estrellas");
    for (const Etiqueta* l : {f.lblApuestasIniciales, f.lblApuestasCondicionadas, f.lblApuestasReducidas,
                              f.lblTOTALReducidasAUX})
        EXPECT_EQ(C(l), "3");
    EXPECT_EQ(C(f.lblTOTALCondicionadasAUX), "3");
    EXPECT_EQ(f.lblTOTALCondicionadasAUX->ForeColor(), 0);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_FALSE(Bloqueada());
    EXPECT_FALSE(BaseGuardada);
    EXPECT_EQ(f.EliminadasPorFiltro, (std::array<Long, 11>{}));

    EXPECT_EQ(Reduccion.Estrellas, 0);
    EXPECT_EQ(Fila(10), f.TextoFilaEstrellas(true, 0).toStdString());
    EXPECT_EQ(Fila(10).substr(0, 3 + 3 + 22 + 4), "Sí   Estrellas             al 2");
    EXPECT_EQ(TotalNumerosBase, 13);
    ASSERT_EQ(CombinacionBase.UBound(), 13);
    EXPECT_EQ(CombinacionBase(13), 50);

    // The first of the repeated bets stays; the table is rebuilt as numbers only.
    EXPECT_EQ(TotalImportadas, 3);
    ASSERT_EQ(ApuestasImportadas.UBound1(), 3);
    EXPECT_EQ(ApuestasImportadas.LBound1(), 1);
    EXPECT_EQ(ApuestasImportadas.UBound2(), 5);
    EXPECT_EQ(ApuestasImportadas(3, 1), 10);
    EXPECT_EQ(Reducidas(), (std::vector<A7>{{3, 17, 25, 40, 48, 2, 11}, {1, 2, 3, 4, 5, 2, 11}, {10, 20, 30, 40, 50, 2, 11}}));
}

TEST_F(FicherosPrincipal, SinRepetidasLaTablaImportadaGuardaSuFormaDeLectura) {
    Escribir(Ruta("s.txt"), "01020304050607\r\n01020304060607\r\n");
    Importar(Ruta("s.txt"));
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(ApuestasImportadas.LBound1(), 0);
    EXPECT_EQ(ApuestasImportadas.UBound2(), 7);
    EXPECT_EQ(ApuestasImportadas(2, 5), 6);
    EXPECT_EQ(ApuestasImportadas(2, 7), 7);
    EXPECT_EQ(TotalImportadas, 2);
}

TEST_F(FicherosPrincipal, MasDeDosEstrellasPreguntanYSeReparten) {
    Escribir(Ruta("e.txt"), "01020304050102\r\n01020304060304\r\n01020304070102\r\n01020304080102\r\n");
    const std::string pregunta =
        "SOLO SE TRATARAN LOS NUMEROS DE LA COMBINACION AL IMPORTAR, FILTRAR O REDUCIR.\r\n"
        "LAS ESTRELLAS SE GENERARAN SECUENCIALMENTE(La combinación importada tiene 4 estrellas diferentes), "
        "¿ DESEA CONTINUAR DE TODAS FORMAS ?";
    guion.respuestas.push_back(RespuestaMensaje::Si);
    Importar(Ruta("e.txt"));
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, pregunta);
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::PreguntaSiNo);
    EXPECT_EQ(Reduccion.Estrellas, 3);
    EXPECT_EQ(Fila(10), f.TextoFilaEstrellas(true, 3).toStdString());
    // Six pairs of four stars, dealt in turn.
    EXPECT_EQ(Reducidas(), (std::vector<A7>{{1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 6, 1, 3},
                                            {1, 2, 3, 4, 7, 1, 4}, {1, 2, 3, 4, 8, 2, 3}}));
    EXPECT_EQ(C(f.lblTOTALReducidasAUX), "4");

    // No: the window goes back to empty; the treatment, its row, the file name stay.
    guion.mensajes.clear();
    Importar(Ruta("e.txt"));
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, pregunta);
    EXPECT_TRUE(Marcados(false).empty());
    EXPECT_TRUE(Marcados(true).empty());
    EXPECT_EQ(TotalImportadas, 0);
    EXPECT_TRUE(ApuestasImportadas.Vacia());
    EXPECT_EQ(C(f.lblTipoCombinacion), "0 Números");
    EXPECT_EQ(C(f.lblTipoCombinacionEstrellas), "0 Estrellas");
    for (const Etiqueta* l : {f.lblApuestasIniciales, f.lblApuestasCondicionadas, f.lblTOTALCondicionadasAUX})
        EXPECT_EQ(C(l), "0");
    EXPECT_EQ(Reduccion.Estrellas, 3);
    EXPECT_EQ(Fila(10), f.TextoFilaEstrellas(true, 3).toStdString());
    EXPECT_EQ(f.txtFicheroASCII->Text().toStdString(), "e.txt");
    EXPECT_FALSE(BaseGuardada);
    EXPECT_FALSE(Bloqueada());
}

TEST_F(FicherosPrincipal, UnFicheroRechazadoDejaLaVentanaVaciaYUsable) {
    // A first import sets the treatment and its row; a setting of a filter stays too.
    Escribir(Ruta("bueno.txt"), "01020304050102\r\n");
    Importar(Ruta("bueno.txt"));
    Bajos(2) = 1;
    f.ActivarFilaFiltro(0);
    // Flag, name and mode of a row (its count column is the import's to clear).
    auto cabeza = [this](int k) { return Fila(k).substr(0, 36); };
    const std::string fila0 = cabeza(0), fila10 = cabeza(10);
    BaseGuardada = true;

    struct Caso {
        std::string nombre, bytes, mensaje;
    } casos[] = {
        {"vacio.txt", "", "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (La entrada pasa del final del archivo )"},
        {"malo.txt", "01020304050102\r\n01020304050113\r\n",
         "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ( Apuestas con estrellas fuera del intervalo 1-12 "
         "(Apuesta 2))"},
        {"binario.TXT", Binario(),
         "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (No coinciden los tipos )"},
        {"truncado.EUR", std::string("\x01\x00x\x05\x00", 5),
         "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (La entrada pasa del final del archivo )"},
        {"falta.txt", "", "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (No se ha encontrado el archivo )"},
    };
    for (const Caso& c : casos) {
        guion.mensajes.clear();
        if (c.nombre != "falta.txt") Escribir(Ruta(c.nombre), c.bytes);
        Importar(Ruta(c.nombre));
        ASSERT_EQ(guion.mensajes.size(), 1u) << c.nombre;
        EXPECT_EQ(guion.mensajes[0].texto, c.mensaje);
        EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
        EXPECT_TRUE(Marcados(false).empty());
        EXPECT_TRUE(ApuestasImportadas.Vacia());
        EXPECT_EQ(TotalImportadas, 0);
        EXPECT_EQ(C(f.lblTipoCombinacion), "0 Números");
        EXPECT_EQ(C(f.lblTipoCombinacionEstrellas), "0 Estrellas");
        EXPECT_EQ(C(f.lblApuestasIniciales), "0");
        EXPECT_EQ(C(f.lblApuestasCondicionadas), "0");
        EXPECT_EQ(C(f.lblTOTALCondicionadasAUX), "0");
        EXPECT_EQ(C(f.lblTOTALReducidasAUX), "0");
        EXPECT_FALSE(f.Timer1->Enabled());
        EXPECT_FALSE(Bloqueada());
        EXPECT_EQ(f.txtFicheroASCII->Text().toStdString(), c.nombre);
        EXPECT_EQ(cabeza(10), fila10);
        EXPECT_EQ(cabeza(0), fila0) << "filters are not the import's";
        EXPECT_EQ(Bajos(2), 1);
    }
    // Nothing left to calculate or save.
    guion.mensajes.clear();
    f.lblMenu_Click(6);
    EXPECT_EQ(guion.UltimoMensaje(), "ERROR: No se han generado apuestas");
    // And the next import works.
    guion.mensajes.clear();
    Importar(Ruta("bueno.txt"));
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_EQ(TotalImportadas, 1);
}

TEST_F(FicherosPrincipal, CancelarElDialogoNoCambiaNada) {
    Escribir(Ruta("a.txt"), "01020304050102\r\n");
    Importar(Ruta("a.txt"));
    const auto numeros = Marcados(false);
    f.ImportarApuestasDesdeArchivo();  // no answer queued: cancelled
    EXPECT_EQ(guion.peticiones.size(), 2u);
    EXPECT_EQ(Marcados(false), numeros);
    EXPECT_EQ(TotalImportadas, 1);
    EXPECT_EQ(C(f.lblApuestasIniciales), "1");
}

TEST_F(FicherosPrincipal, NingunaApuestaAvisaYDejaLaRejillaVacia) {
    Escribir(Ruta("cortas.txt"), "hola\r\n0102\r\n");
    Importar(Ruta("cortas.txt"));
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, modLeerApuestas::MensajeCeroApuestas());
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Exclamacion);
    EXPECT_TRUE(Marcados(false).empty());
    EXPECT_EQ(C(f.lblTipoCombinacion), "0 Números");
    EXPECT_EQ(C(f.lblApuestasReducidas), "0");
    EXPECT_FALSE(BaseGuardada);
    EXPECT_FALSE(Bloqueada());
}

TEST_F(FicherosPrincipal, MientrasLeeLaVentanaEstaBloqueadaYMuestraLaCuenta) {
    std::string t;
    for (int i = 0; i < 12000; ++i) t += "01020304050102\r\n";
    Escribir(Ruta("grande.txt"), t);
    std::vector<std::string> cuentas;
    bool bloqueada = true;
    guion.alCederControl = [&] {
        cuentas.push_back(C(f.lblApuestasIniciales));
        bloqueada &= Bloqueada();
    };
    Importar(Ruta("grande.txt"));
    guion.alCederControl = nullptr;
    EXPECT_TRUE(bloqueada);
    EXPECT_NE(std::find(cuentas.begin(), cuentas.end(), "5000"), cuentas.end());
    EXPECT_NE(std::find(cuentas.begin(), cuentas.end(), "10000"), cuentas.end());
    EXPECT_EQ(guion.UltimoMensaje(),
              "AVISO: El sistema importado tiene apuestas repetidas y estas han sido eliminadas\r\n"
              "TOTAL apuestas repetidas: 11999");
    EXPECT_EQ(C(f.lblApuestasIniciales), "1");
}

// An imported system goes the whole road: calculated, saved as .EUR with its base file, and
// the saved file imports again to the same bets.
TEST_F(FicherosPrincipal, UnSistemaImportadoSeCalculaSeGuardaYSeVuelveAImportar) {
    Escribir(Ruta("origen.txt"), "03,17,25,40,48+02,11\r\n01,02,03,04,05+11,02\r\n10,20,30,40,50+02,02\r\n");
    Importar(Ruta("origen.txt"));
    ASSERT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();

    f.lblMenu_Click(4);  // Cálculo de Prueba
    ASSERT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(C(f.lblApuestasCondicionadas), "3");
    EXPECT_EQ(C(f.lblTOTALReducidasAUX), "3");
    guion.dialogos.push_back(Eleccion(Ruta("guardado")));
    f.lblMenu_Click(6);  // Cálculo Definitivo
    ASSERT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_TRUE(BaseGuardada);
    EXPECT_TRUE(std::filesystem::exists(Ruta("guardado.xml")));

    modLeerApuestas::LecturaApuestas l = modLeerApuestas::LeerFicheroApuestas(Ruta("guardado.EUR"));
    ASSERT_TRUE(l.Leida()) << l.error;
    ASSERT_EQ(l.total, 3);
    std::vector<A7> guardadas;
    for (long r = 1; r <= 3; ++r) {
        A7 a{};
        for (int c = 0; c < 7; ++c) a[static_cast<std::size_t>(c)] = l.apuestas(r, c + 1);
        guardadas.push_back(a);
    }
    EXPECT_EQ(guardadas, (std::vector<A7>{{3, 17, 25, 40, 48, 2, 11}, {1, 2, 3, 4, 5, 2, 11}, {10, 20, 30, 40, 50, 2, 11}}));

    // The .EUR file back in, through the dialog, with its extension in lower case.
    std::filesystem::rename(Ruta("guardado.EUR"), Ruta("guardado.eur"));
    Importar(Ruta("guardado.eur"));
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(Reducidas(), guardadas);
    EXPECT_FALSE(BaseGuardada);
}

TEST_F(FicherosPrincipal, InformeDeApuestasEliminadas) {
    TotalCombinaciones = 2118760;
    f.EliminadasPorFiltro = {1000, 0, 0, 0, 0, 7, 0, 500, 0, 0, 0};
    f.ActivarFilaFiltro(0);
    f.ActivarFilaFiltro(7);
    f.ActivarFilaFiltro(10);
    f.lblEstrellasReducidasAUX->SetCaption(QStringLiteral("3"));
    f.menuInformeApuestasEliminadas_Click();
    ASSERT_EQ(guion.ficherosMostrados, (std::vector<std::string>{Ruta("TORNAVENTURA_RESUMEN.txt")}));
    EXPECT_EQ(Leer(Ruta("TORNAVENTURA_RESUMEN.txt")),
              "TOTAL Apuestas Iniciales: 2.118.760 x 3 = 6.356.280\r\n\r\n"
              "TOTAL Apuestas Eliminadas: 1.507 x 3 = 4.521\r\n\r\n"
              "BAJOS Y ALTOS: 1.000 x 3 = 3.000\r\n"
              "SUMAS: 500 x 3 = 1.500\r\n\r\n");

    // Before any calculation, with nothing active: the two totals only.
    TotalCombinaciones = 0;
    f.EliminadasPorFiltro.fill(0);
    for (int k = 0; k < 12; ++k) f.DesactivarFilaFiltro(k);
    f.lblEstrellasReducidasAUX->SetCaption(QStringLiteral("0"));
    f.menuInformeApuestasEliminadas_Click();
    EXPECT_EQ(guion.ficherosMostrados.size(), 2u);
    EXPECT_EQ(Leer(Ruta("TORNAVENTURA_RESUMEN.txt")),
              "TOTAL Apuestas Iniciales: 0 x 0 = 0\r\n\r\nTOTAL Apuestas Eliminadas: 0 x 0 = 0\r\n\r\n\r\n");
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(FicherosPrincipal, ResumenDeFiltros) {
    for (int n : {5, 7, 23, 45, 50}) f.lblNumero_Click(n - 1);
    for (int e : {1, 12}) f.lblEstrella_Click(e - 1);
    // Every filter section, with settings that show each rule.
    Bajos(1) = Bajos(2) = 1;
    Decena0109(1) = 1;
    FigurasDecenas(7) = 1;
    Distancia12Minima = 1;
    Distancia12Maxima = 10;
    GruposNumeros(2, 1) = GruposNumeros(2, 2) = GruposNumeros(2, 3) = 1;
    GruposAciertos(2, 0) = GruposAciertos(2, 1) = 1;
    GruposNumeros(5, 4) = 1;  // no count ticked: not listed
    SubgruposNumeros(1, 1) = SubgruposNumeros(1, 2) = 1;
    SubgruposNumeros(3, 5) = 1;  // two subgroups in use: rows 1 and 2 are listed
    CondicionesAciertos(2, 3) = 1;
    SubgruposNumeros(8, 9) = 1;  // group 2: one in use, row 5 listed (empty)
    ParesActivos(0) = ParesActivos(5) = 1;
    NumerosSeguidos(0) = NumerosSeguidos(2) = 1;
    FigurasSeguidos(1) = FigurasSeguidos(3) = 1;
    SumaMinima[2] = 100;
    SumaMaxima[2] = 150;
    TerminadosEn(3, 2) = 1;
    PosicionesNumeros(1, 1) = PosicionesNumeros(1, 2) = 1;
    for (int p = 2; p <= 5; ++p)
        if (p != 3) PosicionesNumeros(p, 40 + p) = 1;
    for (int k = 0; k <= 9; ++k) f.ActivarFilaFiltro(k);
    f.menuVerResumenFiltros_Click();
    ASSERT_EQ(guion.ficherosMostrados, (std::vector<std::string>{Ruta("TORNAVENTURA_INFORME.txt")}));
    const std::string esperado =
        "RESUMEN\r\n\r\n"
        "Programa           : TORNAVENTURA 3.1\r\n"
        "Nombre combinaci\xF3n : Sin guardar.xml\r\n"
        "N\xBA de Apuestas     : 1 x 1 = 1\r\n\r\n"
        "COMBINACION BASE\r\n\r\nNUMEROS:\r\n\r\n"
        " -- -- -- -- -- --\r\n"
        " -- -- -- -- -- --\r\n"
        " -- -- -- -- -- --\r\n"
        " -- -- -- -- -- --\r\n"
        " 5  -- 23 -- -- 50\r\n"
        " -- -- -- -- --\r\n"
        " 7  -- -- -- --\r\n"
        " -- -- -- -- --\r\n"
        " -- -- -- -- 45\r\n\r\n\r\n"
        "ESTRELLAS:\r\n\r\n"
        " 1  -- --\r\n -- -- --\r\n -- -- --\r\n -- -- 12\r\n\r\n"
        "FILTROS\r\n\r\n"
        "Filtro BAJOS Y ALTOS:\r\nN\xFAmeros 01 al 24: 1,2\r\nN\xFAmeros 25 al 50: \r\n\r\n"
        "Filtro DECENAS:\r\nDecena del 01 al 09: 1\r\nDecena del 10 al 19: \r\nDecena del 20 al 29: \r\n"
        "Decena del 30 al 39: \r\nDecena del 40 al 50: \r\nFiguras jugadas: 1-1-1-1-1\r\n\r\n"
        "Filtro DISTANCIAS:\r\n"
        "Distancia entre n\xFAmeros 1 y 2(M\xEDn-M\xE1x): 1-10\r\n"
        "Distancia entre n\xFAmeros 2 y 3(M\xEDn-M\xE1x): 0-0\r\n"
        "Distancia entre n\xFAmeros 3 y 4(M\xEDn-M\xE1x): 0-0\r\n"
        "Distancia entre n\xFAmeros 4 y 5(M\xEDn-M\xE1x): 0-0\r\n"
        "Distancia general n\xFAmeros del 1 al 5(M\xEDn-M\xE1x): 0-0\r\n\r\n"
        "Filtro GRUPOS DE NUMEROS:\r\nGrupo 2\r\nN\xFAmeros en el grupo: 1,2,3\r\nAciertos en el grupo: 0,1\r\n\r\n"
        "Filtro GRUPOS RELACIONADOS:\r\nGRUPO 1\r\nN\xFAmeros en Subgrupo 1: 1 2 \r\nN\xFAmeros en Subgrupo 2: \r\n"
        "Aciertos en alg\xFAn Subgrupo: 3\r\nGRUPO 2\r\nN\xFAmeros en Subgrupo 5: \r\n\r\n"
        "Filtro PARES E IMPARES:\r\nN\xFAmeros jugados (Pares-Impares): 0-5,5-0\r\n\r\n"
        "Filtro SEGUIDOS:\r\nN\xFAmeros Seguidos: 2\r\nFiguras jugadas: 5-0,3-2\r\n\r\n"
        "Filtro SUMAS:\r\nIntervalo 1(Suma M\xEDn-M\xE1x): 0-0\r\nIntervalo 2(Suma M\xEDn-M\xE1x): 100-150\r\n"
        "Intervalo 3(Suma M\xEDn-M\xE1x): 0-0\r\nIntervalo 4(Suma M\xEDn-M\xE1x): 0-0\r\n"
        "Intervalo 5(Suma M\xEDn-M\xE1x): 0-0\r\nIntervalo 6(Suma M\xEDn-M\xE1x): 0-0\r\n\r\n"
        "Filtro TERMINACIONES:\r\nTerminados en 0: \r\nTerminados en 1: \r\nTerminados en 2: \r\n"
        "Terminados en 3: 2\r\nTerminados en 4: \r\nTerminados en 5: \r\nTerminados en 6: \r\n"
        "Terminados en 7: \r\nTerminados en 8: \r\nTerminados en 9: \r\nFiguras jugadas: \r\n"
        "Suma de Terminaciones: 0-45\r\n\r\n"
        "Filtro POSICIONES:\r\nN\xFAmeros seleccionados en cada bola:\r\nBOLA 1: 1,2\r\nBOLA 2: 42\r\nBOLA 3: -\r\n"
        "BOLA 4: 44\r\nBOLA 5: 45\r\n\r\n"
        "\r\n";
    EXPECT_EQ(Leer(Ruta("TORNAVENTURA_INFORME.txt")), esperado);
}

TEST_F(FicherosPrincipal, ResumenDeUnSistemaImportadoSinFiltros) {
    Escribir(Ruta("imp.txt"), "01020304050102\r\n01020304060102\r\n");
    Importar(Ruta("imp.txt"));
    f.ActivarFilaFiltro(11);  // the reduction row is no filter: no "FILTROS"
    f.menuVerResumenFiltros_Click();
    const std::string t = Leer(Ruta("TORNAVENTURA_INFORME.txt"));
    EXPECT_NE(t.find("N\xBA de Apuestas     : 2 x 1 = 2\r\n"), std::string::npos) << t;
    const std::string cola = " -- -- --\r\n\r\nBase desde Fichero : " + Ruta("imp.txt") + "\r\n\r\n\r\n";
    ASSERT_GE(t.size(), cola.size());
    EXPECT_EQ(t.substr(t.size() - cola.size()), cola);
}

TEST_F(FicherosPrincipal, SinVisorDeTextosElAvisoDaLaRutaDelInformeEscrito) {
    guion.visorArranca = false;
    f.menuVerResumenFiltros_Click();
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto,
              "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (No se ha podido iniciar el visor de textos)\r\n"
              "El informe est\xC3\xA1 guardado en:\r\n" +
                  Ruta("TORNAVENTURA_INFORME.txt"));
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
    EXPECT_EQ(Leer(Ruta("TORNAVENTURA_INFORME.txt")).rfind("RESUMEN\r\n", 0), 0u);
}

TEST_F(FicherosPrincipal, UnaCarpetaSinPermisoDeEscrituraDaElErrorYNadaMas) {
    const std::string carpeta = guion.carpeta;
    guion.carpeta = carpeta + "/no existe";
    f.ActivarFilaFiltro(0);
    const std::string fila0 = Fila(0);
    f.menuVerResumenFiltros_Click();
    f.menuInformeApuestasEliminadas_Click();
    ASSERT_EQ(guion.mensajes.size(), 2u);
    for (const auto& m : guion.mensajes) {
        EXPECT_EQ(m.texto, "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (No se encontr\xC3\xB3 la ruta de acceso)");
        EXPECT_EQ(m.estilo, EstiloMensaje::Critico);
    }
    EXPECT_TRUE(guion.ficherosMostrados.empty());
    EXPECT_EQ(Fila(0), fila0);
    EXPECT_FALSE(Bloqueada());

    // A folder that exists but cannot be written (unless the tests run with every right).
    const std::string soloLectura = carpeta + "/solo lectura";
    std::filesystem::create_directory(soloLectura);
    std::filesystem::permissions(soloLectura, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    guion.carpeta = soloLectura;
    guion.mensajes.clear();
    f.menuVerResumenFiltros_Click();
    if (!std::filesystem::exists(soloLectura + "/TORNAVENTURA_INFORME.txt")) {
        ASSERT_EQ(guion.mensajes.size(), 1u);
        EXPECT_EQ(guion.mensajes[0].texto, "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (Permiso denegado)");
    }
    std::filesystem::permissions(soloLectura, std::filesystem::perms::owner_all);
}

TEST_F(FicherosPrincipal, UnFicheroDeMasDeLasApuestasPosiblesSeCortaEnElLimite) {
    std::string t;
    t.reserve(static_cast<std::size_t>(modLeerApuestas::MaximoApuestas + 2) * 16);
    for (Long i = 0; i <= modLeerApuestas::MaximoApuestas; ++i) t += "01020304050102\r\n";
    Escribir(Ruta("enorme.txt"), t);
    t.clear();
    t.shrink_to_fit();
    Importar(Ruta("enorme.txt"));
    ASSERT_EQ(guion.mensajes.size(), 2u);
    EXPECT_EQ(guion.mensajes[0].texto, "SOLO SE PUEDEN IMPORTAR 2118760 APUESTAS");
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Exclamacion);
    EXPECT_EQ(guion.mensajes[1].texto,
              "AVISO: El sistema importado tiene apuestas repetidas y estas han sido eliminadas\r\n"
              "TOTAL apuestas repetidas: 2118759");
    EXPECT_EQ(TotalImportadas, 1);
    EXPECT_EQ(Marcados(false), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(Bloqueada());
    std::filesystem::remove(Ruta("enorme.txt"));
}
