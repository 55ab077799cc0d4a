// The calculation road through the main window: marking a base, filters, the lock and the
// messages, the reduction call, the stars, the .EUR file with its base file, the base file.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "main/PrincipalPrueba.h"
#include "main/frmPrincipal.h"
#include "main/modEstrellas.h"
#include "platform/DocumentoXML.h"
#include "support/LectorEUR.h"
#include "support/PlataformaGuion.h"

using namespace modGeneral;

namespace {

// The main window with the reduction window and the import played by the test.
class frmPrincipalCalculo : public frmPrincipal {
public:
    int reducciones = 0;
    std::function<void()> alReducir;
    std::function<void()> alImportar;
    void AbrirVentanaProceso() override {
        ++reducciones;
        if (alReducir) alReducir();
    }
    void ImportarApuestasDesdeArchivo() override {
        if (alImportar) alImportar();
    }
};

// Evaluator that fails the calculation half-way.
Long EvaluadorQueFalla(Integer) { throw modCalculo::ErrorCalculo("fallo de prueba"); }

class CalculoPrincipal : public ConPrincipal<frmPrincipalCalculo> {
protected:
    std::string C(const Etiqueta* l) const { return l->Caption().toStdString(); }
    std::string Ruta(const std::string& nombre) const { return guion.carpeta + "/" + nombre; }
    void Marcar(std::initializer_list<int> numeros, std::initializer_list<int> estrellas) {
        for (int n : numeros) f.lblNumero_Click(n - 1);
        for (int e : estrellas) f.lblEstrella_Click(e - 1);
    }
    void MarcarDel1Al(int hasta) {
        for (int n = 1; n <= hasta; ++n) f.lblNumero_Click(n - 1);
    }
    // The right button on a row, as the user activates a filter.
    void ActivarFila(int fila) {
        f.lstFiltros->SetListIndex(fila);
        f.lstFiltros_MouseDown(2, 0, 0, 0);
    }
    bool Bloqueada() const { return !f.lstFiltros->isEnabled() && !f.lblMenu[4]->isEnabled(); }
    // An attribute of the element reached by a path of element names from BASE.
    static std::string Valor(const DocumentoXML& doc, std::vector<std::string> camino, const char* atributo) {
        NodoXML n = doc.documentElement();
        for (const auto& nombre : camino) {
            NodoXML siguiente;
            for (NodoXML h : n.childNodes())
                if (h.nodeName() == nombre) { siguiente = h; break; }
            if (siguiente.isNull()) return "<falta " + nombre + ">";
            n = siguiente;
        }
        return n.attributes().getNamedItem(atributo).nodeValue();
    }
};

}  // namespace

TEST_F(CalculoPrincipal, DeLaRejillaAUnFicheroEURLeidoApuestaAApuesta) {
    const std::vector<int> base = {3, 9, 17, 25, 33, 41, 48};
    Marcar({3, 9, 17, 25, 33, 41, 48}, {2, 7, 11});
    f.chkGuardarAutomaticamente->SetValue(1);  // a trial calculation clears it and never saves
    f.lblMenu_Click(4);
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_TRUE(guion.peticiones.empty());
    EXPECT_EQ(C(f.lblApuestasCondicionadas), "21");
    EXPECT_EQ(C(f.lblApuestasReducidas), "21");
    EXPECT_EQ(C(f.lblEstrellasReducidasAUX), "3");
    EXPECT_EQ(C(f.lblTOTALReducidasAUX), "63");
    EXPECT_EQ(C(f.lblTOTALCondicionadasAUX), "63");
    EXPECT_TRUE(SistemaDirecto);
    EXPECT_FALSE(f.Ocupado);
    EXPECT_FALSE(BaseGuardada);
    EXPECT_EQ(f.chkGuardarAutomaticamente->Value(), 0);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_FALSE(Bloqueada());
    EXPECT_EQ(VectorActual.UBound(), 7);
    EXPECT_EQ(f.TotalParesEstrellas, 3);

    guion.dialogos.push_back(Eleccion(Ruta("mi sistema.v1.txt")));
    f.lblMenu_Click(6);
    ASSERT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    ASSERT_EQ(guion.peticiones.size(), 1u);
    EXPECT_EQ(guion.peticiones[0].titulo, "Guardar Combinación");
    EXPECT_EQ(guion.peticiones[0].nombrePropuesto, "Sin guardar.EUR");
    EXPECT_TRUE(guion.peticiones[0].guardar);
    ASSERT_EQ(guion.peticiones[0].filtros.size(), 2u);
    EXPECT_EQ(guion.peticiones[0].filtros[0].first, "Fichero de TORNAVENTURA (*.EUR)");
    EXPECT_EQ(guion.peticiones[0].filtros[0].second, "*.EUR");
    // The base file beside the bets is asked about by the dialog too.
    EXPECT_EQ(guion.peticiones[0].extensionesJuntas, std::vector<std::string>{".xml"});
    EXPECT_TRUE(BaseGuardada);
    EXPECT_EQ(f.windowTitle().toStdString(), "TORNAVENTURA 3.1 - Fichero : Sin guardar.xml");
    EXPECT_FALSE(f.Ocupado);
    EXPECT_FALSE(Bloqueada());
    EXPECT_TRUE(f.picVentanaEspera->isHidden());
    EXPECT_TRUE(ApuestasGrabacion.Vacia());

    const FicheroEUR leido = LeerFicheroEUR(Ruta("mi sistema.v1.EUR"));
    ASSERT_TRUE(leido.leido) << leido.error;
    EXPECT_EQ(leido.cabecera, "03091725334148+020711");
    ASSERT_EQ(leido.numApuestas, 63);
    ASSERT_EQ(leido.apuestas.size(), 63u);
    // Every 5-subset of the base in lexicographic order, once per pair, pair after pair.
    const int pares[3][2] = {{2, 7}, {2, 11}, {7, 11}};
    std::size_t r = 0;
    for (const auto& par : pares)
        for (int a = 0; a < 7; ++a)
            for (int b = a + 1; b < 7; ++b)
                for (int c = b + 1; c < 7; ++c)
                    for (int d = c + 1; d < 7; ++d)
                        for (int e = d + 1; e < 7; ++e, ++r) {
                            const std::array<std::uint8_t, 7> esperada = {
                                static_cast<std::uint8_t>(base[a]), static_cast<std::uint8_t>(base[b]),
                                static_cast<std::uint8_t>(base[c]), static_cast<std::uint8_t>(base[d]),
                                static_cast<std::uint8_t>(base[e]), static_cast<std::uint8_t>(par[0]),
                                static_cast<std::uint8_t>(par[1])};
                            ASSERT_EQ(leido.apuestas[r], esperada) << "apuesta " << r + 1;
                        }
    EXPECT_EQ(leido.textos.front(), "03,09,17,25,33+02,07");

    // The base file beside it, same name, walked as a tree.
    DocumentoXML doc;
    ASSERT_TRUE(doc.load(Ruta("mi sistema.v1.xml")));
    EXPECT_EQ(doc.documentElement().nodeName(), "XML");
    EXPECT_EQ(Valor(doc, {"BASE", "Combinacion", "Base_Numeros"}, "numeros"), "3,9,17,25,33,41,48");
    EXPECT_EQ(Valor(doc, {"BASE", "Combinacion", "Base_Estrellas"}, "estrellas"), "2,7,11");
    EXPECT_EQ(Valor(doc, {"BASE", "Programa"}, "version"), "3.1");
    EXPECT_EQ(Valor(doc, {"BASE", "Reduccion", "Estrellas"}, "valor"), "0");
}

TEST_F(CalculoPrincipal, FiltroActivadoConElBotonDerechoBloqueoYRecuentoPorFila) {
    MarcarDel1Al(20);  // 15,504 combinations: the generator and the evaluator yield
    Marcar({}, {1, 2});
    ActivarFila(5);
    ParesActivos(2) = 1;  // exactly two even numbers: C(10,2) x C(10,3) = 5,400 stay
    std::vector<std::string> estados;
    bool cierreRechazado = true, siempreBloqueada = true;
    guion.alCederControl = [&] {
        estados.push_back(C(f.lblTOTALCondicionadasAUX));
        siempreBloqueada &= Bloqueada() && f.Ocupado && f.Timer1->Enabled() && f.Timer1->Interval() == 5;
        bool cancelar = false;
        f.Form_QueryUnload(cancelar, MotivoCierre::Usuario);
        cierreRechazado &= cancelar;
    };
    f.lblMenu_Click(4);
    guion.alCederControl = nullptr;
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_TRUE(siempreBloqueada);
    EXPECT_TRUE(cierreRechazado);
    ASSERT_FALSE(estados.empty());
    EXPECT_EQ(estados.back(), "Fil. Pares e Impares");
    EXPECT_EQ(f.EliminadasPorFiltro[5], 15504 - 5400);
    EXPECT_EQ(f.EliminadasPorFiltro[0], 0);
    // The count, with the locale's separator, right-aligned in ELIMINAN.
    const std::string fila = f.lstFiltros->List(5).toStdString();
    EXPECT_EQ(fila.substr(fila.size() - 12), "      10.104");
    EXPECT_EQ(C(f.lblApuestasCondicionadas), "5.400");
    EXPECT_EQ(C(f.lblApuestasReducidas), "5.400");
    EXPECT_EQ(f.lblTOTALCondicionadasAUX->ForeColor(), 0);
    EXPECT_FALSE(SistemaDirecto);
    EXPECT_FALSE(Bloqueada());
    EXPECT_FALSE(f.Timer1->Enabled());
    // Every bet kept has exactly two even numbers.
    for (long r = 1; r <= 5400; ++r) {
        int pares = 0;
        for (int c = 1; c <= 5; ++c) pares += ApuestasReducidas(r, c) % 2 == 0;
        ASSERT_EQ(pares, 2) << r;
    }
}

TEST_F(CalculoPrincipal, AvisosYErroresDelCalculo) {
    Marcar({1, 2, 3, 4}, {1, 2});
    f.lblMenu_Click(4);
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, "AVISO: DEBE SELECCIONAR MINIMO 5 NUMEROS");
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Exclamacion);
    EXPECT_EQ(TotalNumerosBase, 4);
    EXPECT_FALSE(f.Ocupado);

    f.lblNumero_Click(4);
    f.lblEstrella_Click(1);  // one star left
    f.lblMenu_Click(4);
    EXPECT_EQ(guion.UltimoMensaje(), "AVISO: DEBE SELECCIONAR MINIMO 2 ESTRELLAS");
    EXPECT_EQ(guion.mensajes.back().estilo, EstiloMensaje::Exclamacion);

    // Every combination removed: the message, counts shown, window back.
    f.lblEstrella_Click(1);
    ActivarFila(7);
    SumaMinima[1] = 100;  // 1..5 sums 15
    SumaMaxima[1] = 200;
    f.lblMenu_Click(4);
    EXPECT_EQ(guion.UltimoMensaje(),
              "ERROR: Se han generado 0 apuestas después de condicionar, cambie las condiciones");
    EXPECT_EQ(guion.mensajes.back().estilo, EstiloMensaje::Critico);
    EXPECT_EQ(f.EliminadasPorFiltro[7], 1);
    EXPECT_EQ(C(f.lblApuestasCondicionadas), "0");
    EXPECT_EQ(C(f.lblApuestasReducidas), "0");
    EXPECT_FALSE(f.Ocupado);
    EXPECT_FALSE(Bloqueada());

    // A run-time failure half-way: "ERROR: " and its text, the window put back.
    f.Evaluadores[7] = EvaluadorQueFalla;
    f.lblMenu_Click(4);
    EXPECT_EQ(guion.UltimoMensaje(), "ERROR: fallo de prueba");
    EXPECT_EQ(guion.mensajes.back().estilo, EstiloMensaje::Critico);
    for (auto* l : {f.lblApuestasCondicionadas, f.lblTOTALCondicionadasAUX, f.lblApuestasReducidas,
                    f.lblTOTALReducidasAUX})
        EXPECT_EQ(C(l), "0");
    EXPECT_EQ(f.lblTOTALCondicionadasAUX->ForeColor(), 0);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_FALSE(f.Ocupado);
    EXPECT_FALSE(Bloqueada());
    EXPECT_FALSE(BaseGuardada);

    // "Cálculo Definitivo" with no bets.
    f.lblMenu_Click(6);
    EXPECT_EQ(guion.UltimoMensaje(), "ERROR: No se han generado apuestas");
    EXPECT_TRUE(guion.peticiones.empty());
}

TEST_F(CalculoPrincipal, DesdeArchivoSinFicheroYConApuestasImportadas) {
    const int apuestas[3][5] = {{2, 11, 20, 33, 47}, {2, 5, 11, 20, 47}, {5, 11, 20, 33, 47}};
    f.alImportar = [&] {
        // What the import leaves: the bets, the grids marked and the file named.
        ApuestasImportadas.ReDim(0, 4, 1, 7);
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 5; ++c) ApuestasImportadas(i + 1, c + 1) = static_cast<Byte>(apuestas[i][c]);
        TotalImportadas = 3;
        for (int n : {2, 5, 11, 20, 33, 47}) RejillaNumeros::MarcarEtiqueta(f.lblNumero[n - 1]);
        for (int e : {4, 9}) RejillaNumeros::MarcarEtiqueta(f.lblEstrella[e - 1]);
    };
    f.cboTipoCombinacion->SetListIndex(2);
    f.Calcular();
    EXPECT_EQ(guion.UltimoMensaje(), "ERROR: NO HAY NINGUN FICHERO ASCII CARGADO");
    EXPECT_EQ(guion.mensajes.back().estilo, EstiloMensaje::Critico);
    EXPECT_FALSE(f.Ocupado);
    EXPECT_FALSE(Bloqueada());

    f.txtFicheroASCII->SetText(QStringLiteral("sistema.txt"));
    f.Calcular();
    EXPECT_EQ(guion.mensajes.size(), 1u) << guion.UltimoMensaje();
    EXPECT_FALSE(SistemaDirecto);  // imported, even with no filter
    EXPECT_EQ(C(f.lblApuestasCondicionadas), "3");
    ASSERT_EQ(ApuestasReducidas.UBound1(), 3);
    for (int i = 0; i < 3; ++i) {
        for (int c = 0; c < 5; ++c) EXPECT_EQ(ApuestasReducidas(i + 1, c + 1), apuestas[i][c]);
        EXPECT_EQ(ApuestasReducidas(i + 1, 6), 4);
        EXPECT_EQ(ApuestasReducidas(i + 1, 7), 9);
    }
}

TEST_F(CalculoPrincipal, LaReduccionSeLlamaSoloCuandoLaFilaYLosAjustesLoPiden) {
    MarcarDel1Al(6);
    Marcar({}, {1, 2});
    ActivarFila(11);
    Reduccion.ModoNuApuestas = true;  // 100 % and no type in bet-count mode: nothing to reduce
    f.lblMenu_Click(4);
    EXPECT_EQ(f.reducciones, 0);
    EXPECT_EQ(C(f.lblApuestasReducidas), "6");

    // Percentage target: the reduction window runs; here it keeps two bets from row 0 and
    // chooses "Cálculo Definitivo", so the stars are added and the bets saved.
    Reduccion.ModoNuApuestas = false;
    f.alReducir = [&] {
        ApuestasReducidas.ReDim(0, 2, 1, 5);
        for (int c = 1; c <= 5; ++c) {
            ApuestasReducidas(1, c) = static_cast<Byte>(c);
            ApuestasReducidas(2, c) = static_cast<Byte>(c + 1);
        }
        f.lblApuestasReducidas->SetCaption(QStringLiteral("2"));
        f.lblTOTALReducidasAUX->SetCaption(QStringLiteral("2"));
        f.chkGuardarAutomaticamente->SetValue(1);
    };
    guion.dialogos.push_back(Eleccion(Ruta("reducido")));
    f.lblMenu_Click(4);
    EXPECT_EQ(f.reducciones, 1);
    EXPECT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(f.chkGuardarAutomaticamente->Value(), 0);
    EXPECT_EQ(C(f.lblTOTALReducidasAUX), "2");
    const FicheroEUR leido = LeerFicheroEUR(Ruta("reducido.EUR"));
    ASSERT_TRUE(leido.leido) << leido.error;
    ASSERT_EQ(leido.textos, (std::vector<std::string>{"01,02,03,04,05+01,02", "02,03,04,05,06+01,02"}));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(Ruta("reducido.xml"))));

    // An inactive row never calls it.
    ActivarFila(11);
    f.lblMenu_Click(4);
    EXPECT_EQ(f.reducciones, 1);
}

TEST_F(CalculoPrincipal, NoGuardaApuestasQueLosContadoresYaNoDescriben) {
    MarcarDel1Al(7);
    Marcar({}, {1, 2, 3});
    f.lblMenu_Click(4);
    EXPECT_EQ(C(f.lblTOTALReducidasAUX), "63");
    // The star treatment changed in its dialog after the calculation: the counters now
    // announce 21 sequential bets while the table holds 63 "al 2" ones.
    Reduccion.Estrellas = 3;
    f.ActualizarContadoresApuestas();
    EXPECT_EQ(C(f.lblTOTALReducidasAUX), "21");
    f.lblMenu_Click(6);
    EXPECT_EQ(guion.UltimoMensaje(), modEstrellas::MensajeApuestasDesfasadas);
    EXPECT_EQ(guion.mensajes.back().estilo, EstiloMensaje::Exclamacion);
    EXPECT_TRUE(guion.peticiones.empty());
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
    // "al 1" would announce more rows than exist (3 stars: 2 pairs x 21 = 42 < 63, and 12 of
    // them would have other stars): refused the same way.
    Reduccion.Estrellas = 1;
    f.ActualizarContadoresApuestas();
    f.lblMenu_Click(6);
    EXPECT_EQ(guion.UltimoMensaje(), modEstrellas::MensajeApuestasDesfasadas);
    // A new calculation makes them match again; a cancelled dialog then writes nothing.
    f.lblMenu_Click(4);
    EXPECT_EQ(C(f.lblTOTALReducidasAUX), "42");
    const std::size_t avisos = guion.mensajes.size();
    f.lblMenu_Click(6);
    EXPECT_EQ(guion.mensajes.size(), avisos);
    EXPECT_EQ(guion.peticiones.size(), 1u);
    EXPECT_FALSE(BaseGuardada);
    EXPECT_FALSE(Bloqueada());
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
}

TEST_F(CalculoPrincipal, MasDeTresMillonesDeApuestasPreguntaAntes) {
    MarcarDel1Al(50);
    Marcar({}, {1, 2, 3});
    f.lblMenu_Click(4);
    ASSERT_EQ(C(f.lblTOTALReducidasAUX), "6.356.280");
    f.lblMenu_Click(6);  // answered No
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, "Se han generado más de 3.000.000 de apuestas, ¿ desea guardar ?");
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::PreguntaSiNo);
    EXPECT_TRUE(guion.peticiones.empty());
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
}

TEST_F(CalculoPrincipal, GuardarLaBaseDesdeLaBarraYElMenu) {
    Marcar({4, 8, 15, 16, 23, 42}, {5, 6});
    ActivarFila(1);
    BaseGuardada = false;

    f.lblMenu_Click(2);  // cancelled: nothing
    ASSERT_EQ(guion.peticiones.size(), 1u);
    EXPECT_EQ(guion.peticiones[0].titulo, "Guardar Fichero BASE en XML");
    EXPECT_EQ(guion.peticiones[0].nombrePropuesto, "Sin guardar.xml");
    EXPECT_EQ(guion.peticiones[0].filtros[0].first, "Fichero BASE de TORNAVENTURA (*.XML)");
    EXPECT_FALSE(BaseGuardada);

    // A folder that does not exist: reported, caption and saved flag untouched.
    guion.dialogos.push_back(Eleccion(Ruta("no existe/base.xml")));
    f.menuGuardar_Click();
    EXPECT_EQ(guion.mensajes.back().estilo, EstiloMensaje::Critico);
    EXPECT_EQ(guion.UltimoMensaje().rfind("ERROR AL GUARDAR EL FICHERO BASE EN XML (", 0), 0u) << guion.UltimoMensaje();
    EXPECT_EQ(f.windowTitle().toStdString(), "TORNAVENTURA 3.1 - Fichero : Sin guardar.xml");
    EXPECT_FALSE(BaseGuardada);

    guion.dialogos.push_back(Eleccion(Ruta("mi.base.txt")));
    f.lblMenu_Click(2);
    EXPECT_TRUE(BaseGuardada);
    EXPECT_EQ(f.windowTitle().toStdString(), "TORNAVENTURA 3.1 - Fichero : mi.base.xml");
    EXPECT_EQ(NombreFichero, Ruta("mi.base.xml"));
    DocumentoXML doc;
    ASSERT_TRUE(doc.load(Ruta("mi.base.xml")));
    EXPECT_EQ(Valor(doc, {"BASE", "Combinacion", "Base_Numeros"}, "numeros"), "4,8,15,16,23,42");
    int filtros = 0;
    for (NodoXML filtro : doc.documentElement().childNodes().item(0).childNodes()) {
        if (filtro.nodeName() != "Filtros") continue;
        for (NodoXML k : filtro.childNodes()) {
            EXPECT_EQ(k.attributes().getNamedItem("activado").nodeValue(), filtros == 1 ? "1" : "0");
            ++filtros;
        }
    }
    EXPECT_EQ(filtros, 10);
    // The next save proposes the file the caption names.
    guion.dialogos.push_back(Eleccion(Ruta("mi.base.xml")));
    f.lblMenu_Click(2);
    EXPECT_EQ(guion.peticiones.back().nombrePropuesto, "mi.base.xml");
}

TEST_F(CalculoPrincipal, GuardarDaLasApuestasAlEscritorSinCopiaYLasConserva) {
    MarcarDel1Al(15);  // 3003 combinations x 3 pairs: the writer yields at bet 5000
    Marcar({}, {1, 4, 9});
    ActivarFila(11);   // a reduction row that calls for the window: it reads the tables
    Reduccion.Porcentaje = 90;
    bool tablasAlReducir = false;
    f.alReducir = [&] {
        tablasAlReducir = !TodasCombinaciones.Vacia() && !Eliminadas.Vacio() && !ApuestasCondicionadas.Vacia();
        modCalculo::PasarCondicionadasAReducidas();
        f.lblApuestasReducidas->SetCaption(QStringLiteral("3.003"));
    };
    f.lblMenu_Click(4);
    ASSERT_EQ(C(f.lblTOTALReducidasAUX), "9.009");
    EXPECT_TRUE(tablasAlReducir);
    // Nothing after the reduction reads these: they are gone before the stars are added.
    EXPECT_TRUE(TodasCombinaciones.Vacia());
    EXPECT_TRUE(Eliminadas.Vacio());
    // The conditioned system stays: the guarantees window measures the bets against it.
    EXPECT_FALSE(ApuestasCondicionadas.Vacia());
    EXPECT_TRUE(Matriz.Vacia());

    const Tabla<Byte> antes = ApuestasReducidas;
    const Byte* datos = ApuestasReducidas.Columna(1);
    std::vector<bool> prestadas;
    guion.alCederControl = [&] {
        prestadas.push_back(ApuestasReducidas.Vacia() && !ApuestasGrabacion.Vacia() &&
                            ApuestasGrabacion.Columna(1) == datos);
    };
    guion.dialogos.push_back(Eleccion(Ruta("uno.EUR")));
    f.lblMenu_Click(6);
    guion.alCederControl = nullptr;
    ASSERT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    ASSERT_GE(prestadas.size(), 2u);  // before writing and at bet 5000
    for (bool p : prestadas) EXPECT_TRUE(p);
    // The current bets are back as they were, and a second save writes the same file.
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
    ASSERT_EQ(ApuestasReducidas.Columna(1), datos);
    ASSERT_EQ(ApuestasReducidas.Elementos(), antes.Elementos());
    EXPECT_EQ(std::memcmp(ApuestasReducidas.Columna(1), antes.Columna(1), antes.Elementos()), 0);
    guion.dialogos.push_back(Eleccion(Ruta("dos.EUR")));
    f.lblMenu_Click(6);
    const FicheroEUR uno = LeerFicheroEUR(Ruta("uno.EUR"));
    const FicheroEUR dos = LeerFicheroEUR(Ruta("dos.EUR"));
    ASSERT_TRUE(uno.leido && dos.leido);
    EXPECT_EQ(uno.numApuestas, 9009);
    EXPECT_EQ(uno.apuestas, dos.apuestas);

    // A cancelled dialog and a failed write give the bets back too.
    f.lblMenu_Click(6);
    EXPECT_EQ(ApuestasReducidas.Columna(1), datos);
    guion.dialogos.push_back(Eleccion(Ruta("no_existe/tres.EUR")));
    f.lblMenu_Click(6);
    EXPECT_NE(guion.UltimoMensaje().find("ERROR"), std::string::npos);
    EXPECT_EQ(ApuestasReducidas.Columna(1), datos);
    EXPECT_TRUE(ApuestasGrabacion.Vacia());
}

TEST_F(CalculoPrincipal, TodosLosContadoresDeUnMismoColorAlEmpezarYTrasCadaCalculo) {
    auto colores = [this] {
        std::vector<long> c;
        for (const Etiqueta* l : {f.lblApuestasIniciales, f.lblEstrellasInicialesAUX, f.lblTOTALInicialesAUX,
                                  f.lblApuestasCondicionadas, f.lblEstrellasCondicionadasAUX,
                                  f.lblTOTALCondicionadasAUX, f.lblApuestasReducidas, f.lblEstrellasReducidasAUX,
                                  f.lblTOTALReducidasAUX})
            c.push_back(l->ForeColor());
        return c;
    };
    const std::vector<long> uno(9, frmPrincipal::ColorContadores);
    EXPECT_EQ(colores(), uno);
    MarcarDel1Al(8);
    Marcar({}, {2, 5});
    // The status blinks in random colours while the filters run.
    ActivarFila(5);
    guion.alCederControl = [this] { f.Timer1_Timer(); };
    f.lblMenu_Click(4);
    guion.alCederControl = nullptr;
    ASSERT_TRUE(guion.mensajes.empty()) << guion.UltimoMensaje();
    EXPECT_EQ(colores(), uno);
    f.Evaluadores[5] = EvaluadorQueFalla;
    f.lblMenu_Click(4);
    EXPECT_EQ(guion.UltimoMensaje(), "ERROR: fallo de prueba");
    EXPECT_EQ(colores(), uno);
}
