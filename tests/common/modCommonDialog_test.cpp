#include <gtest/gtest.h>

#include "common/modCommonDialog.h"
#include "support/PlataformaGuion.h"

using namespace modCommonDialog;

namespace {
class DialogosTest : public ::testing::Test {
protected:
    PlataformaGuion plataforma;
    void SetUp() override {
        FiltroDialogo = "Fichero de TORNAVENTURA (*.EUR)|*.EUR|Todos los archivos (*.*)|*.*|";
        IndiceFiltro = 1;
        FicheroDialogo.clear();
        TituloDialogo = "Guardar Combinación";
        ResultadoDialogo = 0;
    }
};
}  // namespace

TEST(QuitarNulos, CortaEnElPrimerNulo) {
    EXPECT_EQ(QuitarNulos("sin nulos"), "sin nulos");
    EXPECT_EQ(QuitarNulos(std::string("\0abc", 4)), "");
    EXPECT_EQ(QuitarNulos(std::string("ab\0c\0", 5)), "ab");
    EXPECT_EQ(QuitarNulos(""), "");
}

TEST(ParesFiltro, ParesEnOrden) {
    auto pares = ParesFiltro("Ficheros de Apuestas (*.TXT)|*.TXT|");
    ASSERT_EQ(pares.size(), 1u);
    EXPECT_EQ(pares[0].first, "Ficheros de Apuestas (*.TXT)");
    EXPECT_EQ(pares[0].second, "*.TXT");
    pares = ParesFiltro("A|*.a|B|*.b;*.c|C|*.*|");
    ASSERT_EQ(pares.size(), 3u);
    EXPECT_EQ(pares[1].second, "*.b;*.c");
    EXPECT_EQ(pares[2].first, "C");
    // An empty entry ends the list; a description without its pattern is dropped.
    EXPECT_EQ(ParesFiltro("A|*.a||B|*.b|").size(), 1u);
    EXPECT_EQ(ParesFiltro("A|*.a|B").size(), 1u);
    EXPECT_TRUE(ParesFiltro("").empty());
}

TEST_F(DialogosTest, GuardarPasaTituloFiltrosIndiceYNombre) {
    FicheroDialogo = "Sin guardar.EUR";
    IndiceFiltro = 2;
    plataforma.dialogos.push_back(Eleccion("/tmp/x/base.EUR", 1));
    EXPECT_EQ(MostrarDialogoGuardar(), "/tmp/x/base.EUR");
    ASSERT_EQ(plataforma.peticiones.size(), 1u);
    const PeticionDialogo& p = plataforma.peticiones[0];
    EXPECT_TRUE(p.guardar);
    EXPECT_EQ(p.titulo, "Guardar Combinación");
    ASSERT_EQ(p.filtros.size(), 2u);
    EXPECT_EQ(p.filtros[0], (std::pair<std::string, std::string>{"Fichero de TORNAVENTURA (*.EUR)", "*.EUR"}));
    EXPECT_EQ(p.filtros[1], (std::pair<std::string, std::string>{"Todos los archivos (*.*)", "*.*"}));
    EXPECT_EQ(p.indiceFiltro, 2);
    EXPECT_EQ(p.nombrePropuesto, "Sin guardar.EUR");
    EXPECT_EQ(FicheroDialogo, "/tmp/x/base.EUR");
    EXPECT_EQ(IndiceFiltro, 1);  // the pair the user ended with
    EXPECT_NE(ResultadoDialogo, 0);
}

TEST_F(DialogosTest, CancelarDevuelveVacioYConservaElIndice) {
    IndiceFiltro = 2;
    FicheroDialogo = "propuesto.EUR";
    EXPECT_EQ(MostrarDialogoGuardar(), "");  // nothing queued: cancelled
    EXPECT_EQ(FicheroDialogo, "");
    EXPECT_EQ(IndiceFiltro, 2);
    EXPECT_EQ(ResultadoDialogo, 0);
}

TEST_F(DialogosTest, AbrirSinNombreYElIndiceElegidoQuedaParaLaSiguiente) {
    FicheroDialogo = "sobra.EUR";
    FiltroDialogo = "Ficheros de Apuestas (*.TXT)|*.TXT|Ficheros en formato TORNAVENTURA (*.EUR)|*.EUR|"
                    "Todos los archivos (*.*)|*.*|";
    IndiceFiltro = 2;
    TituloDialogo = "Abrir Fichero";
    plataforma.dialogos.push_back(Eleccion("  /datos/apuestas.txt  ", 3));
    EXPECT_EQ(MostrarDialogoAbrir(), "/datos/apuestas.txt");  // blanks at both ends removed
    const PeticionDialogo& p = plataforma.peticiones[0];
    EXPECT_FALSE(p.guardar);
    EXPECT_EQ(p.nombrePropuesto, "");
    EXPECT_EQ(p.filtros.size(), 3u);
    EXPECT_EQ(IndiceFiltro, 3);

    // The next dialog, index not set by the caller, opens on that pair.
    MostrarDialogoAbrir();
    EXPECT_EQ(plataforma.peticiones[1].indiceFiltro, 3);
}
