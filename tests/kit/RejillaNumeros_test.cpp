// The number grid every window draws: where its labels go by its options, their looks as state,
// and a click that respects a limit of marks.
#include <gtest/gtest.h>

#include <QFrame>
#include <array>

#include "kit/RejillaNumeros.h"

namespace {

using namespace RejillaNumeros;

TEST(RejillaNumeros, LasEtiquetasSiguenLasColumnasOLasFilasDeSusOpciones) {
    QFrame panel;
    std::array<Etiqueta*, 12> columnas{};
    Opciones o;
    o.nombre = QStringLiteral("lblEstrella");
    o.porLinea = 4;
    o.origen = {10, 20};
    o.celda = {30, 25};
    o.paso = {34, 29};
    int clic = -1;
    Crear(&panel, columnas, o, [&clic](int i) { clic = i; });
    // Down the columns, four to a column: 5 opens the second column.
    EXPECT_EQ(columnas[4]->geometry(), QRect(44, 20, 30, 25));
    EXPECT_EQ(columnas[11]->geometry(), QRect(78, 107, 30, 25));
    EXPECT_EQ(columnas[4]->objectName(), QStringLiteral("lblEstrella4"));
    EXPECT_EQ(columnas[4]->Caption(), QStringLiteral("5"));
    EXPECT_FALSE(EtiquetaMarcada(columnas[4]));
    EXPECT_EQ(columnas[4]->ForeColor(), ColorRojo);
    EXPECT_TRUE(columnas[4]->isEnabled());
    emit columnas[7]->Click();
    EXPECT_EQ(clic, 7);

    std::array<Etiqueta*, 12> filas{};
    o.nombre.clear();
    o.porColumnas = false;
    o.habilitadas = false;
    Crear(&panel, filas, o);
    EXPECT_EQ(filas[4]->geometry(), QRect(10, 49, 30, 25));
    EXPECT_TRUE(filas[4]->objectName().isEmpty());
    EXPECT_FALSE(filas[4]->isEnabled());
}

TEST(RejillaNumeros, UnClicAlternaHastaElLimiteYNoEnUnaEtiquetaDesactivada) {
    QFrame panel;
    std::array<Etiqueta*, 12> e{};
    Crear(&panel, e, Opciones{});
    EXPECT_TRUE(AlternarEtiqueta(e, 0, 2));
    EXPECT_TRUE(AlternarEtiqueta(e, 5, 2));
    EXPECT_FALSE(AlternarEtiqueta(e, 7, 2)) << "two marked already";
    EXPECT_EQ(ValoresMarcados(e), (std::vector<modGeneral::Byte>{1, 6}));
    EXPECT_EQ(e[5]->BackColor(), ColorRojo);
    EXPECT_EQ(e[5]->ForeColor(), ColorBlanco);
    // Freeing takes the free look's colour given and keeps the back colour.
    EXPECT_TRUE(AlternarEtiqueta(e, 5, 2, 0x008000));
    EXPECT_FALSE(EtiquetaMarcada(e[5]));
    EXPECT_EQ(e[5]->ForeColor(), 0x008000);
    EXPECT_EQ(e[5]->BackColor(), ColorRojo);
    EXPECT_TRUE(AlternarEtiqueta(e, 7, 2));
    Habilitar(e[3], false);
    EXPECT_FALSE(AlternarEtiqueta(e, 3));
    EXPECT_FALSE(AlternarEtiqueta(e, 12));
    EXPECT_EQ(ValoresMarcados(e), (std::vector<modGeneral::Byte>{1, 8}));
}

}  // namespace
