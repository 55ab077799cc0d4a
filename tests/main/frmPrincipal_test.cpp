// The main window's life, mode combo, lock, status blink, hover borders, menus and toolbar.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <stdexcept>

#include "common/modAPIList.h"
#include "main/DireccionesWeb.h"
#include "main/PrincipalPrueba.h"
#include "support/Raton.h"

using namespace modGeneral;

namespace {
const std::string PreguntaContinuar =
    "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, \xC2\xBF DESEA CONTINUAR DE TODAS FORMAS ?";
const std::string PreguntaSalir =
    "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, \xC2\xBF DESEA SALIR DE TODAS FORMAS ?";
}  // namespace

using ArranquePrincipal = DatosIniciales;

TEST_F(ArranquePrincipal, DejaUnaCombinacionNuevaYGuardada) {
    PlataformaGuion guion;
    // Leftovers of an earlier setup that the load must clear.
    CombinacionGanadora[3] = 9;
    BaseGuardada = false;
    Bajos(2) = 1;
    Reduccion.Estrellas = 2;

    frmPrincipalPrueba f;
    f.Cargar();
    EXPECT_EQ(f.windowTitle().toStdString(), "TORNAVENTURA 3.1 - Fichero : Sin guardar.xml");
    EXPECT_EQ(f.NombreFicheroBase().toStdString(), "Sin guardar.xml");
    EXPECT_TRUE(BaseGuardada);
    EXPECT_FALSE(f.Ocupado);
    EXPECT_EQ(f.ModoAnterior, 0);
    EXPECT_EQ(f.cboTipoCombinacion->ListIndex(), 0);
    EXPECT_EQ(f.cboTipoCombinacion->currentText().toStdString(), "Manual");
    EXPECT_EQ(f.cboTipoCombinacion->itemText(2).toStdString(), "Desde Archivo");
    EXPECT_EQ(CombinacionGanadora[3], 0);
    EXPECT_EQ(Bajos(2), 0);
    EXPECT_EQ(Reduccion.Estrellas, 0);
    EXPECT_TRUE(guion.mensajes.empty()) << "the first Manual asks nothing";
    for (auto* l : f.lblNumero) {
        EXPECT_EQ(l->BackStyle(), 0);
        EXPECT_EQ(l->BackColor(), 0xFFFFFF);
        EXPECT_EQ(l->ForeColor(), 0x0000FF);
    }
    for (auto* l : f.lblEstrella) EXPECT_EQ(l->BackStyle(), 0);
    for (auto* l : {f.lblApuestasIniciales, f.lblEstrellasInicialesAUX, f.lblTOTALInicialesAUX,
                    f.lblApuestasCondicionadas, f.lblTOTALCondicionadasAUX, f.lblApuestasReducidas,
                    f.lblTOTALReducidasAUX})
        EXPECT_EQ(l->Caption().toStdString(), "0");
    EXPECT_EQ(f.lblTipoCombinacion->Caption().toStdString(), "0 Números");
    EXPECT_EQ(f.lblTipoCombinacionEstrellas->Caption().toStdString(), "0 Estrellas");
    EXPECT_EQ(f.cmdCuadroApuDirecto->text().toStdString(), "Apuestas en Directo");
    EXPECT_FALSE(f.txtFicheroASCII->isEnabled());
    EXPECT_TRUE(f.picNumeros->isEnabled());
    EXPECT_TRUE(f.picVentanaEspera->isHidden());
    EXPECT_EQ(f.Veces("ImportarApuestasDesdeArchivo"), 0);
    EXPECT_NE(modAPIList::ProcAnteriorForm, 0);
    EXPECT_NE(modAPIList::ProcAnteriorLista, 0);
}

// ---------------------------------------------------------------- closing

TEST_F(PruebaPrincipal, CierreRechazadoSinMensajeMientrasTrabaja) {
    f.Ocupado = true;
    BaseGuardada = false;
    EXPECT_FALSE(f.Descargar(MotivoCierre::Usuario));
    EXPECT_TRUE(f.Cargada());
    EXPECT_TRUE(guion.mensajes.empty());
    f.Ocupado = false;
}

TEST_F(PruebaPrincipal, CierreConCombinacionSinGuardarPregunta) {
    MarcarNumeros({7});
    guion.respuestas = {RespuestaMensaje::No};
    EXPECT_FALSE(f.Descargar(MotivoCierre::Usuario));
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, PreguntaSalir);
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::PreguntaSiNo);
    EXPECT_TRUE(f.Cargada());

    ApuestasReducidas.ReDim(1, 10, 1, 7);
    ApuestasCondicionadas.ReDim(1, 10, 1, 5);
    TodasCombinaciones.ReDim(1, 10, 1, 5);
    ApuestasImportadas.ReDim(0, 10, 1, 7);
    guion.respuestas = {RespuestaMensaje::Si};
    EXPECT_TRUE(f.Descargar(MotivoCierre::Usuario));
    EXPECT_FALSE(f.Cargada());
    // Unload frees the four bet tables and puts the list's painting back.
    EXPECT_TRUE(ApuestasReducidas.Vacia());
    EXPECT_TRUE(ApuestasCondicionadas.Vacia());
    EXPECT_TRUE(TodasCombinaciones.Vacia());
    EXPECT_TRUE(ApuestasImportadas.Vacia());
    EXPECT_EQ(modAPIList::ProcAnteriorForm, 0);
    EXPECT_EQ(modAPIList::ProcAnteriorLista, 0);
}

TEST_F(PruebaPrincipal, CierreDesdeCodigoNoPreguntaNiSeRechaza) {
    MarcarNumeros({7});
    EXPECT_TRUE(f.Descargar(MotivoCierre::Codigo));
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(PruebaPrincipal, SalirConCombinacionGuardadaNoPregunta) {
    f.menuSalir_Click();
    EXPECT_FALSE(f.Cargada());
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(PruebaPrincipal, SalirSinGuardarPreguntaYNoSeQueda) {
    MarcarNumeros({7});
    f.menuSalir_Click();   // no answer queued: No
    EXPECT_TRUE(f.Cargada());
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, PreguntaSalir);
    guion.respuestas = {RespuestaMensaje::Si};
    f.menuSalir_Click();
    EXPECT_FALSE(f.Cargada());
    EXPECT_EQ(guion.mensajes.size(), 2u) << "the unload from code asks nothing more";
}

// ---------------------------------------------------------------- mode combo

TEST_F(PruebaPrincipal, AleatorioYDesdeArchivoNuncaPreguntan) {
    MarcarNumeros({1, 2});
    ASSERT_FALSE(BaseGuardada);
    ElegirModo(1);
    ElegirModo(2);
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_EQ(guion.modalesMostrados, std::vector<std::string>{"frmAlazar"});
    EXPECT_EQ(f.Veces("ImportarApuestasDesdeArchivo"), 1);
    EXPECT_EQ(f.ModoAnterior, 2);
    EXPECT_EQ(f.cmdCuadroApuDirecto->text().toStdString(), "Apuestas Importadas");
    EXPECT_TRUE(f.txtFicheroASCII->isEnabled());
    EXPECT_FALSE(f.picNumeros->isEnabled());
}

TEST_F(PruebaPrincipal, ManualRechazadoDesdeArchivoVuelveADesdeArchivo) {
    ElegirModo(2);
    BaseGuardada = false;
    guion.respuestas = {RespuestaMensaje::No};
    f.cboTipoCombinacion->setCurrentIndex(0);   // the user's choice, then its event
    f.cboTipoCombinacion_Click();
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, PreguntaContinuar);
    EXPECT_EQ(f.cboTipoCombinacion->ListIndex(), 2);
    EXPECT_EQ(f.Veces("ImportarApuestasDesdeArchivo"), 1) << "the put-back starts no import";
    EXPECT_FALSE(f.Ocupado) << "the swallowed event leaves the guard down";
    EXPECT_EQ(f.ModoAnterior, 2);
    EXPECT_FALSE(f.picNumeros->isEnabled());
    EXPECT_TRUE(f.Descargar(MotivoCierre::Codigo));
}

TEST_F(PruebaPrincipal, ManualRechazadoDesdeManualLoDejaTodoComoEstaba) {
    MarcarNumeros({4, 9});
    f.lstFiltros->SetListIndex(0);
    f.lstFiltros_MouseDown(BotonDerecho, 0, 0, 0);
    f.cboTipoCombinacion_Click();   // "Manual" chosen again; no answer queued: No
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(f.cboTipoCombinacion->ListIndex(), 0);
    EXPECT_EQ(NumerosMarcados(), 2);
    EXPECT_TRUE(f.FilaActiva(0));
    EXPECT_FALSE(BaseGuardada);
}

TEST_F(PruebaPrincipal, ManualAceptadoEmpiezaUnaCombinacionNueva) {
    ElegirModo(2);
    f.txtFicheroASCII->SetText(QStringLiteral("a.txt"));
    f.txtFicheroASCII->setToolTip(QStringLiteral("/x/a.txt"));
    BaseGuardada = false;
    guion.respuestas = {RespuestaMensaje::Si};
    ElegirModo(0);
    EXPECT_EQ(f.cmdCuadroApuDirecto->text().toStdString(), "Apuestas en Directo");
    EXPECT_FALSE(f.txtFicheroASCII->isEnabled());
    EXPECT_TRUE(f.txtFicheroASCII->Text().isEmpty());
    EXPECT_TRUE(f.txtFicheroASCII->toolTip().isEmpty());
    EXPECT_TRUE(f.picNumeros->isEnabled());
    EXPECT_EQ(f.ModoAnterior, 0);
    EXPECT_TRUE(BaseGuardada);
}

TEST_F(PruebaPrincipal, ManualConCombinacionGuardadaNoPregunta) {
    MarcarNumeros({3});
    BaseGuardada = true;
    f.cboTipoCombinacion_Click();
    EXPECT_TRUE(guion.mensajes.empty());
    EXPECT_EQ(NumerosMarcados(), 0);
}

TEST_F(PruebaPrincipal, NuevaCombinacionBorraRejillasFiltrosYCuentas) {
    MarcarNumeros({1, 2, 3, 4, 5, 6});
    MarcarEstrellas(3);
    f.txtFicheroASCII->SetText(QStringLiteral("a.txt"));
    CombinacionGanadora[1] = 5;
    Bajos(1) = 1;
    Reduccion.Estrellas = 1;
    Reduccion.Tipo = 2;
    for (int k = 0; k < 12; ++k) f.ActivarFilaFiltro(k);
    f.EliminadasPorFiltro[0] = 12;
    f.ActualizarColumnasFiltros();

    f.NuevaCombinacion();
    EXPECT_EQ(NumerosMarcados(), 0);
    EXPECT_EQ(EstrellasMarcadas(), 0);
    EXPECT_TRUE(f.txtFicheroASCII->Text().isEmpty());
    EXPECT_EQ(CombinacionGanadora[1], 0);
    EXPECT_EQ(Bajos(1), 0);
    EXPECT_EQ(Reduccion.Estrellas, 0);
    EXPECT_EQ(Reduccion.Tipo, 0);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(Fila(k).substr(0, 2), "No") << k;
        EXPECT_EQ(f.lstFiltros->List(k).size(), 47) << k;
    }
    EXPECT_EQ(f.EliminadasPorFiltro[0], 0);
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "0");
    EXPECT_TRUE(BaseGuardada);
}

TEST_F(PruebaPrincipal, NuevaCombinacionDesdeArchivoConservaLaBaseImportada) {
    ElegirModo(2);
    for (int n : {3, 9, 14, 22, 40, 41}) RejillaNumeros::MarcarEtiqueta(f.lblNumero[n - 1]);
    RejillaNumeros::MarcarEtiqueta(f.lblEstrella[0]);
    RejillaNumeros::MarcarEtiqueta(f.lblEstrella[5]);
    RejillaNumeros::MarcarEtiqueta(f.lblEstrella[7]);
    f.lblApuestasIniciales->SetCaption(QStringLiteral("1.234"));
    f.txtFicheroASCII->SetText(QStringLiteral("sistema.txt"));
    f.txtFicheroASCII->setToolTip(QStringLiteral("/datos/sistema.txt"));
    Reduccion.Estrellas = 3;
    f.lstFiltros->SetList(10, frmPrincipal::TextoFilaEstrellas(true, 3));
    f.ActivarFilaFiltro(0);
    f.ActivarFilaFiltro(11);
    Distancia12Minima = 4;

    f.NuevaCombinacion();
    EXPECT_EQ(NumerosMarcados(), 6);
    EXPECT_EQ(EstrellasMarcadas(), 3);
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "1.234");
    EXPECT_EQ(f.txtFicheroASCII->Text().toStdString(), "sistema.txt");
    EXPECT_EQ(f.txtFicheroASCII->toolTip().toStdString(), "/datos/sistema.txt");
    EXPECT_EQ(Reduccion.Estrellas, 3);
    EXPECT_EQ(Distancia12Minima, 0);
    EXPECT_EQ(Fila(10), "No   Estrellas             Secuenciales   " + std::string(12, ' ') + "-");
    EXPECT_FALSE(f.FilaActiva(0));
    EXPECT_FALSE(f.FilaActiva(11));
    EXPECT_EQ(f.windowTitle().toStdString(), "TORNAVENTURA 3.1 - Fichero : Sin guardar.xml");
}

// ---------------------------------------------------------------- lock, blink, hover

TEST_F(PruebaPrincipal, BloqueoYDesbloqueo) {
    f.BloquearControles();
    for (QMenu* m : {f.menuArchivo, f.menuDatos, f.menuUtilidades, f.menuAyuda})
        EXPECT_FALSE(m->menuAction()->isEnabled());
    for (int i = 0; i < 7; ++i) {
        EXPECT_FALSE(f.lblMenu[i]->isEnabled());
        EXPECT_FALSE(f.imgIco[i]->isEnabled());
    }
    EXPECT_FALSE(f.picNumeros->isEnabled());
    EXPECT_FALSE(f.lblNumero[0]->isEnabled()) << "the grids go with their panel";
    EXPECT_FALSE(f.lstFiltros->isEnabled());
    EXPECT_FALSE(f.cboTipoCombinacion->isEnabled());
    EXPECT_FALSE(f.picBanner2->isEnabled());

    f.DesbloquearControles();
    for (QMenu* m : {f.menuArchivo, f.menuDatos, f.menuUtilidades, f.menuAyuda})
        EXPECT_TRUE(m->menuAction()->isEnabled());
    EXPECT_TRUE(f.lblMenu[6]->isEnabled());
    EXPECT_TRUE(f.imgIco[6]->isEnabled());
    EXPECT_TRUE(f.picNumeros->isEnabled());
    EXPECT_TRUE(f.lstFiltros->isEnabled());
    EXPECT_TRUE(f.cboTipoCombinacion->isEnabled());
    EXPECT_TRUE(f.picBanner2->isEnabled());

    ElegirModo(2);
    f.BloquearControles();
    f.DesbloquearControles();
    EXPECT_FALSE(f.picNumeros->isEnabled()) << "the grids follow the imported file";
    EXPECT_TRUE(f.cboTipoCombinacion->isEnabled());
}

TEST_F(PruebaPrincipal, ParpadeoPintaUnColorAlAzarRojoVerdeAzul) {
    guion.Randomize(77);
    const double r = guion.Rnd(), g = guion.Rnd(), b = guion.Rnd();
    auto a255 = [](double v) { return std::min<long>(255, std::lround(v * 256)); };
    guion.Randomize(77);
    f.Timer1_Timer();
    EXPECT_EQ(f.lblTOTALCondicionadasAUX->ForeColor(), a255(r) | (a255(g) << 8) | (a255(b) << 16));
}

TEST_F(PruebaPrincipal, BordesDeLaBarraSiguenAlRaton) {
    for (auto* s : f.ShapeBorde) EXPECT_TRUE(s->isHidden());
    // A real move over a toolbar entry shows its border and does not reach the bare window.
    QMouseEvent mover(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(f.lblMenu[3], &mover);
    EXPECT_FALSE(f.ShapeBorde[3]->isHidden());
    EXPECT_TRUE(f.ShapeBorde[2]->isHidden());
    f.lblMenu_MouseMove(5);
    EXPECT_FALSE(f.ShapeBorde[5]->isHidden());
    QMouseEvent sobreVentana(QEvent::MouseMove, QPointF(2, 460), QPointF(2, 460), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &sobreVentana);
    for (auto* s : f.ShapeBorde) EXPECT_TRUE(s->isHidden());
}

TEST_F(PruebaPrincipal, UnBarridoDelRatonPorLaBarraDejaUnMarcoComoMucho) {
    using namespace DisposicionPrincipal;
    f.show();
    auto marcos = [&] {
        int n = 0;
        for (auto* s : f.ShapeBorde) n += s->isVisible();
        return n;
    };
    const QRect primera = f.lblMenu[0]->geometry(), ultima = f.lblMenu[6]->geometry();
    // Along the captions and along the icons, as fast as the gaps between entries allow.
    for (int y : {primera.top() + 10, primera.center().y(), primera.bottom() - 5}) {
        BarrerPuntero(&f, QPoint(2, y), QPoint(ultima.center().x(), y), HuecoEntradas - 1);
        EXPECT_EQ(marcos(), 1) << "at height " << y;
        EXPECT_TRUE(f.ShapeBorde[6]->isVisible());
    }
    // A fast mouse, 40 px an event, from every start: gaps are jumped over, yet one frame at a time.
    for (int y : {primera.top() + 10, primera.bottom() - 5})
        for (int desde = 2; desde < 42; desde += 5)
            for (int x = desde; x < ultima.right(); x += 40) {
                MoverPuntero(&f, QPoint(x, y));
                ASSERT_LE(marcos(), 1) << "at " << x << ", " << y;
            }
    // Out of an entry, up to the menus or down to the grids, the bare window comes first.
    const QPoint centro = f.lblMenu[3]->geometry().center();
    BarrerPuntero(&f, centro, QPoint(centro.x(), f.barraMenus->geometry().center().y()), MargenBarra - 1);
    EXPECT_EQ(marcos(), 0);
    BarrerPuntero(&f, QPoint(centro.x(), primera.top() + 2), QPoint(centro.x(), ArribaBloques + 4), MargenBarra - 1);
    EXPECT_EQ(marcos(), 0);
    f.hide();
}

// ---------------------------------------------------------------- menus and toolbar

TEST_F(PruebaPrincipal, MenusEnSuOrdenConSeparadores) {
    // The captions as shown: the "&" before an Alt letter is drawn as an underline.
    auto visible = [](QString t) { return t.remove(QLatin1Char('&')).toStdString(); };
    auto textos = [&](QMenu* m) {
        std::vector<std::string> t;
        for (QAction* a : m->actions()) t.push_back(a->isSeparator() ? "-" : visible(a->text()));
        return t;
    };
    EXPECT_EQ(visible(f.menuArchivo->title()), "Archivo");
    EXPECT_EQ(visible(f.menuDatos->title()), "Datos");
    EXPECT_EQ(visible(f.menuUtilidades->title()), "Utilidades");
    EXPECT_EQ(visible(f.menuAyuda->title()), "Ayuda");
    EXPECT_EQ(textos(f.menuArchivo), (std::vector<std::string>{"Nuevo fichero XML", "Abrir fichero XML",
                                                                "Guardar fichero XML", "-", "Salir"}));
    EXPECT_EQ(textos(f.menuDatos), (std::vector<std::string>{"Ver Resumen de Filtros",
                                                              "Ver Informe Apuestas Eliminadas"}));
    EXPECT_EQ(textos(f.menuUtilidades),
              (std::vector<std::string>{"Escrutador", "Visualizar Archivo", "-", "Garantías", "Sistemas Propios",
                                        "-", "Generador Apuestas Aleatorias por Números",
                                        "Generador Apuestas Aleatorias por Porcentajes"}));
    EXPECT_EQ(textos(f.menuAyuda),
              (std::vector<std::string>{"Ayuda Online", std::string("Programación : ") + DireccionesWeb::SitioFabricante,
                                        std::string("Gentileza de : ") + DireccionesWeb::SitioAgencia, "-",
                                        "Acerca de TORNAVENTURA ..."}));
    EXPECT_TRUE(f.menuSeparacion1->isSeparator());
    EXPECT_TRUE(f.menuSeparacion4->isSeparator());
    const char* captions[7] = {"NUEVO", "ABRIR", "GUARDAR", "VALIDAR ON LINE", "Cálculo de Prueba", "Análisis",
                               "Cálculo Definitivo"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(Caption(f.lblMenu[i]), captions[i]);
    EXPECT_EQ(f.lblMenu[4]->toolTip().toStdString(), "Calcular");
    EXPECT_TRUE(f.lblMenu[5]->toolTip().isEmpty());
    EXPECT_EQ(f.lblMenu[6]->toolTip().toStdString(), "Cálculo con grabación de apuestas");
}

TEST_F(PruebaPrincipal, NuevoYAbrirPreguntanSoloSinGuardar) {
    MarcarNumeros({10});
    f.lblMenu_Click(0);   // No
    EXPECT_EQ(NumerosMarcados(), 1);
    f.menuAbrir_Click();  // No
    EXPECT_EQ(f.Veces("AbrirBaseXML"), 0);
    ASSERT_EQ(guion.mensajes.size(), 2u);
    EXPECT_EQ(guion.mensajes[1].texto, PreguntaContinuar);

    guion.respuestas = {RespuestaMensaje::Si};
    f.menuNuevo_Click();
    EXPECT_EQ(NumerosMarcados(), 0);
    EXPECT_TRUE(BaseGuardada);
    f.lblMenu_Click(1);   // saved now: no question
    EXPECT_EQ(f.Veces("AbrirBaseXML"), 1);
    EXPECT_EQ(guion.mensajes.size(), 3u);
}

TEST_F(PruebaPrincipal, GuardarNuncaPregunta) {
    MarcarNumeros({10});
    f.lblMenu_Click(2);
    f.menuGuardar_Click();
    EXPECT_EQ(f.Veces("GuardarBaseXML"), 2);
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(PruebaPrincipal, CalculoDePruebaDesmarcaLaGrabacionAntesDeCalcular) {
    f.chkGuardarAutomaticamente->SetValue(1);
    f.lblMenu_Click(4);
    EXPECT_EQ(f.llamadas, std::vector<std::string>{"Calcular"});
    EXPECT_EQ(f.casillaAlCalcular, 0);
    f.lblMenu_Click(6);
    EXPECT_EQ(f.llamadas, (std::vector<std::string>{"Calcular", "GuardarApuestasEUR"}));
    f.lblMenu_Click(7);
    f.lblMenu_Click(-1);
    EXPECT_EQ(f.llamadas.size(), 2u);
}

TEST_F(PruebaPrincipal, GarantiasYAnalisisExigenApuestas) {
    f.menuGarantias_Click();
    f.lblMenu_Click(5);
    ASSERT_EQ(guion.mensajes.size(), 2u);
    for (const auto& m : guion.mensajes) {
        EXPECT_EQ(m.texto, "ERROR: No hay apuestas generadas");
        EXPECT_EQ(m.estilo, EstiloMensaje::Critico);
    }
    EXPECT_TRUE(f.llamadas.empty());

    guion.separador = ",";
    f.lblApuestasReducidas->SetCaption(QStringLiteral("1,500"));
    f.lblTOTALReducidasAUX->SetCaption(QStringLiteral("99,000"));
    f.menuGarantias_Click();
    f.AbrirAnalisis();
    EXPECT_EQ(f.llamadas, (std::vector<std::string>{"Garantias", "Analisis"}));
    EXPECT_EQ(f.apuestasAnalisis, 99000);
    EXPECT_EQ(guion.mensajes.size(), 2u);
}

TEST_F(PruebaPrincipal, EscrutadorSinApuestasAbreIgualmente) {
    f.menuEscrutinioApuestas_Click();
    EXPECT_EQ(f.llamadas, std::vector<std::string>{"Escrutar"});
    EXPECT_EQ(f.apuestasEscrutar, 0);
    f.lblTOTALReducidasAUX->SetCaption(QStringLiteral("2.118.760"));
    f.menuEscrutinioApuestas_Click();
    EXPECT_EQ(f.apuestasEscrutar, 2118760);
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(PruebaPrincipal, VisualizarRecalculaLosContadoresCuandoSuEscrutarCambioLasApuestas) {
    MarcarNumeros({1, 2, 3, 4, 5, 6});
    f.alVisualizar = [this] {
        f.lblApuestasReducidas->SetCaption(QStringLiteral("40"));
        return true;
    };
    f.menuVisualizarArchivo_Click();
    EXPECT_EQ(Caption(f.lblApuestasIniciales), "6");
    EXPECT_EQ(Caption(f.lblApuestasReducidas), "0");
}

TEST_F(PruebaPrincipal, OtrasEntradasLlamanASuVentanaOInforme) {
    f.menusSistemasPropios_Click();
    f.menuGeneradorAleatoriasXNumero_Click();
    f.menuGeneradorAleatoriasXPorcentaje_Click();
    f.menuVerResumenFiltros_Click();
    f.menuInformeApuestasEliminadas_Click();
    EXPECT_EQ(f.llamadas, (std::vector<std::string>{"SistemasPropios", "GeneradorApuestas", "GeneradorXPorcentaje",
                                                     "InformeResumenFiltros", "InformeApuestasEliminadas"}));
    // The menu's actions reach the same handlers.
    f.menuGarantias->trigger();
    EXPECT_EQ(guion.UltimoMensaje(), "ERROR: No hay apuestas generadas");
}

TEST_F(PruebaPrincipal, PaginasWeb) {
    f.menuProgramacion_Click();
    f.menuGentileza_Click();
    f.picBanner2_Click();
    f.lblMenu_Click(3);
    f.menuAyudaOnline_Click();
    EXPECT_EQ(guion.paginas,
              (std::vector<std::string>{DireccionesWeb::PaginaFabricante, DireccionesWeb::PaginaAgencia,
                                        DireccionesWeb::PaginaAgencia, DireccionesWeb::PaginaAgencia,
                                        DireccionesWeb::PaginaAgencia}));
    EXPECT_TRUE(guion.mensajes.empty());
}

TEST_F(PruebaPrincipal, PaginaQueNoAbreSoloAvisaEnLaAyuda) {
    guion.paginasAbren = false;
    f.menuProgramacion_Click();
    f.menuGentileza_Click();
    f.picBanner2_Click();
    f.lblMenu_Click(3);
    EXPECT_TRUE(guion.mensajes.empty());
    f.menuAyudaOnline_Click();
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto,
              std::string("ERROR: URL DEL FICHERO DE AYUDA NO ENCONTRADA O ERRONEA, CONSULTE EN ") +
                  DireccionesWeb::SitioAgencia);
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
}

namespace {
class PlataformaSinNavegador : public PlataformaGuion {
public:
    bool AbrirPaginaWeb(const std::string&) override { throw std::runtime_error("sin navegador"); }
};
}  // namespace

TEST(PaginasWebConFallo, LaAyudaLoDiceYLasDemasLoCallan) {
    PlataformaSinNavegador guion;
    frmPrincipalPrueba f;
    f.Cargar();
    f.menuProgramacion_Click();
    f.menuGentileza_Click();
    f.picBanner2_Click();
    f.lblMenu_Click(3);
    EXPECT_TRUE(guion.mensajes.empty());
    f.menuAyudaOnline_Click();
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0].texto, "ERROR: FICHERO DE AYUDA ERRONEO");
    EXPECT_EQ(guion.mensajes[0].estilo, EstiloMensaje::Critico);
}

TEST_F(PruebaPrincipal, AcercaDeSeAbreModal) {
    // Whatever the about box does while open, closing it ends its display.
    guion.alCederControl = [this] {
        if (auto* v = f.findChild<Ventana*>(QStringLiteral("frmAcercaDe")); v && v->Cargada())
            v->Descargar(MotivoCierre::Usuario);
    };
    f.menuAcercaDe_Click();
    EXPECT_EQ(guion.modalesMostrados, std::vector<std::string>{"frmAcercaDe"});
}

TEST_F(PruebaPrincipal, VentanaDelAutorSoloConAltYBotonDerecho) {
    f.lblTipoCombinacion_MouseDown(BotonDerecho, MayusAlt | MayusShift, 0, 0);
    f.lblTipoCombinacion_MouseDown(BotonIzquierdo, MayusAlt, 0, 0);
    f.lblTipoCombinacion_MouseDown(BotonDerecho, 0, 0, 0);
    f.lblTipoCombinacion_MouseDown(BotonDerecho, MayusCtrl | MayusAlt, 0, 0);
    EXPECT_TRUE(guion.modalesMostrados.empty());
    // A real press of the right button with Alt held.
    QMouseEvent pulsar(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::RightButton,
                       Qt::RightButton, Qt::AltModifier);
    QApplication::sendEvent(f.lblTipoCombinacion, &pulsar);
    EXPECT_EQ(guion.modalesMostrados, std::vector<std::string>{"frmAutor"});
}
