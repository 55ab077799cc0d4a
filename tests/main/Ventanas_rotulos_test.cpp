// Every window of the program as the user opens it, in the program's font: no caption of a
// label, button or check box is cut by its control, and an image button shows exactly one
// frame while the mouse is over it, the only one up in its window however fast the mouse came.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <set>
#include <string>
#include <vector>

#include "filters/frmFiltroALTOSBAJOS.h"
#include "main/frmPrincipal.h"
#include "platform/PlataformaQt.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"
#include "support/Raton.h"
#include "support/Rotulos.h"
#include "tools/AyudaHerramientas.h"
#include "tools/frmCalculadoraPremios.h"

using namespace modGeneral;

namespace {

// Frames up around an image button: every ShapeBorde laid over it (a button draws none).
int MarcosSobre(QWidget* ventana, BotonImagen* boton) {
    int n = 0;
    const QRect sitio(boton->mapTo(ventana, QPoint(0, 0)), boton->size());
    for (Forma* f : ventana->findChildren<Forma*>())
        if (f->isVisible() && QRect(f->mapTo(ventana, QPoint(0, 0)), f->size()).intersects(sitio)) ++n;
    return n;
}

class VentanasDelPrograma : public DatosIniciales {
protected:
    PlataformaGuion guion;
    QFont fuenteAnterior = QApplication::font();
    std::set<std::string> vistas;
    std::vector<std::string> cortados, marcos;

    void SetUp() override {
        FijarFuentePrograma();
        ASSERT_EQ(QFontInfo(QApplication::font()).family().toStdString(), "DejaVu Sans")
            << "the program's font (fonts-dejavu-core) is missing";
    }
    void TearDown() override { QApplication::setFont(fuenteAnterior); }

    // Shows the window as the user sees it at rest and measures it.
    void Recorrer(QWidget& v) {
        v.show();
        QApplication::processEvents();
        vistas.insert(v.objectName().toStdString());
        for (auto& c : RotulosQueNoCaben(&v)) cortados.push_back(c);
        const QPoint fondo = FondoLibre(&v);
        if (fondo.x() < 0) marcos.push_back(v.objectName().toStdString() + ": no bare window to hide the frames");
        for (BotonImagen* b : v.findChildren<BotonImagen*>()) {
            if (!b->isVisible() || !b->isEnabled()) continue;
            // Straight from the button before, never over the bare window, as a fast mouse goes.
            MoverPuntero(&v, b->mapTo(&v, b->rect().center()));
            const int n = MarcosSobre(&v, b);
            int arriba = 0;
            for (Forma* f : v.findChildren<Forma*>()) arriba += f->isVisible();
            if (n != 1 || arriba != 1)
                marcos.push_back(v.objectName().toStdString() + "/" + b->toolTip().toStdString() + ": " +
                                 std::to_string(n) + " frames, " + std::to_string(arriba) + " in the window");
        }
        MoverPuntero(&v, fondo);
        v.hide();
    }
    // Measures the window when it opens, then plays the user with despues.
    void AlMostrar(const std::string& nombre, std::function<void(Ventana&)> despues = {}) {
        guion.alMostrar[nombre] = [this, despues](Ventana& v) {
            Recorrer(v);
            if (despues) despues(v);
        };
    }
};

TEST_F(VentanasDelPrograma, CadaRotuloCabeYCadaBotonImagenMuestraUnMarco) {
    const std::vector<std::string> todas = {
        "frmPrincipal", "frmFiltroALTOSBAJOS", "frmFiltroDECENAS", "frmFiltroDISTANCIAS", "frmFiltroGRUPOS",
        "frmFiltroGRURELACIONADOS", "frmFiltroPARESIMPARES", "frmFiltroSEGUIDOS", "frmFiltroSUMAS",
        "frmFiltroTERMINACIONES", "frmFiltroPOSICIONES", "frmAciertos", "frmEstrellas", "frmReduccion",
        "frmVentanaProceso", "frmGarantiasTOTAL", "frmAnalisis", "frmEscrutar", "frmVisualizar",
        "frmSistemasPropios", "frmGeneradorApuestas", "frmGeneradorApuestasXPorcentaje",
        "frmCalculadoraPremios", "frmAcercaDe", "frmAutor", "frmAlazar"};
    for (const auto& n : todas) AlMostrar(n);
    // The hit-count dialog as its callers open it.
    AlMostrar("frmFiltroALTOSBAJOS", [](Ventana& v) { static_cast<frmFiltroALTOSBAJOS&>(v).cmdModificar0124_Click(); });

    frmPrincipal f;
    f.Cargar();
    Recorrer(f);
    f.show();
    // The scrutiny with no bets yet, on a file it could not get.
    f.menuEscrutinioApuestas_Click();

    for (int n : {3, 8, 12, 17, 21, 26, 33, 38, 44, 49}) f.lblNumero_Click(n - 1);
    for (int e : {2, 7, 11}) f.lblEstrella_Click(e - 1);
    for (int fila = 0; fila < frmPrincipal::TotalFilasFiltros; ++fila) {
        f.lstFiltros->SetListIndex(fila);
        f.lstFiltros_DblClick();
    }
    // A reduced system "al 3", with its guarantees, analysis and scrutiny.
    f.lstFiltros->SetListIndex(frmPrincipal::FilaReduccion);
    if (!f.FilaActiva(frmPrincipal::FilaReduccion)) f.lstFiltros_MouseDown(BotonDerecho, 0, 0, 0);
    Reduccion.Tipo = 2;
    Reduccion.Porcentaje = 100;
    Reduccion.ActivarCiclos = 0;
    f.lblMenu_Click(4);
    f.menuGarantias_Click();
    f.lblMenu_Click(5);
    f.menuEscrutinioApuestas_Click();

    const std::string fichero = guion.carpeta + "/doce.EUR";
    ASSERT_TRUE(ayuda::EscribirEUR(fichero, ayuda::ApuestasAlAzar(12, 7), 12));
    guion.dialogos.push_back(Eleccion(fichero));
    f.menuVisualizarArchivo_Click();
    f.menusSistemasPropios_Click();
    f.menuGeneradorAleatoriasXNumero_Click();
    f.menuGeneradorAleatoriasXPorcentaje_Click();
    f.menuAcercaDe_Click();
    f.lblTipoCombinacion_MouseDown(BotonDerecho, MayusAlt, 0, 0);
    {
        frmCalculadoraPremios calculadora(&f);
        guion.MostrarModal(calculadora);
    }
    guion.respuestas.push_back(RespuestaMensaje::Si);
    f.cboTipoCombinacion->SetListIndex(1);
    f.hide();

    for (const auto& n : todas) EXPECT_TRUE(vistas.count(n)) << n << " was not opened";
    for (const auto& c : cortados) ADD_FAILURE() << c;
    for (const auto& m : marcos) ADD_FAILURE() << m;
}

}  // namespace
