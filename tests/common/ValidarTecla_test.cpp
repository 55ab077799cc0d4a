#include <gtest/gtest.h>

#include "common/ValidarTecla.h"
#include "platform/Controles.h"
#include "support/PlataformaGuion.h"

using modGeneral::ValidarTecla;

namespace {
// The key as it leaves the validator, and whether it beeped.
struct Resultado {
    int tecla;
    int pitidos;
};
Resultado Validar(PlataformaGuion& p, const std::string& texto, int tecla, int tipo) {
    int antes = p.pitidos;
    ValidarTecla(texto, tecla, tipo);
    return {tecla, p.pitidos - antes};
}
}  // namespace

TEST(ValidarTecla, Tipos1Y17) {
    PlataformaGuion p;
    for (int tipo : {1, 17}) {
        for (int c = '0'; c <= '9'; ++c) EXPECT_EQ(Validar(p, "", c, tipo).tecla, c);
        EXPECT_EQ(Validar(p, "", 8, tipo).tecla, 8);
        EXPECT_EQ(Validar(p, "", 27, tipo).tecla, 27);
        for (int c : std::initializer_list<int>{'a', 'Z', '-', ' ', '.', ',', '/', ':', 0xF1}) {
            Resultado r = Validar(p, "12", c, tipo);
            EXPECT_EQ(r.tecla, 0) << c;
            EXPECT_EQ(r.pitidos, 1) << c;
        }
    }
    EXPECT_EQ(p.pitidos, 18);
    // Enter only for type 17.
    EXPECT_EQ(Validar(p, "", 13, 1).tecla, 0);
    Resultado intro = Validar(p, "", 13, 17);
    EXPECT_EQ(intro.tecla, 13);
    EXPECT_EQ(intro.pitidos, 0);
}

TEST(ValidarTecla, Tipo4UnaSolaComaYPuntosLibres) {
    PlataformaGuion p;
    EXPECT_EQ(Validar(p, "12", ',', 4).tecla, ',');
    Resultado segunda = Validar(p, "12,5", ',', 4);
    EXPECT_EQ(segunda.tecla, 0);
    EXPECT_EQ(segunda.pitidos, 1);
    EXPECT_EQ(Validar(p, "1.2,5.", '.', 4).tecla, '.');
    EXPECT_EQ(Validar(p, "12,5", '7', 4).tecla, '7');
    EXPECT_EQ(Validar(p, "", 8, 4).tecla, 8);
    EXPECT_EQ(Validar(p, "", 27, 4).tecla, 27);
    Resultado letra = Validar(p, "", 'e', 4);
    EXPECT_EQ(letra.tecla, 0);
    EXPECT_EQ(letra.pitidos, 1);  // one beep, not two
    EXPECT_EQ(Validar(p, "", 13, 4).tecla, 0);
}

TEST(ValidarTecla, OtroTipoLoCancelaTodoSinPitar) {
    PlataformaGuion p;
    for (int tipo : {0, 2, 3, 5, 16, 18}) {
        for (int c : std::initializer_list<int>{'1', 8, 13, 27, 'a'}) {
            Resultado r = Validar(p, "", c, tipo);
            EXPECT_EQ(r.tecla, 0);
            EXPECT_EQ(r.pitidos, 0);
        }
    }
}

TEST(ValidarTecla, EnUnaCajaDeTexto) {
    PlataformaGuion p;
    CajaTexto importe;
    importe.KeyPress = [&importe](int& tecla) { ValidarTecla(importe.Text().toStdString(), tecla, 4); };
    for (int c : {'1', '2', ',', '5', ',', 'x', '.', '3'}) importe.Teclear(c);
    EXPECT_EQ(importe.Text(), QStringLiteral("12,5.3"));
    EXPECT_EQ(p.pitidos, 2);
    importe.Teclear(8);
    EXPECT_EQ(importe.Text(), QStringLiteral("12,5."));

    CajaTexto boleto;
    int intros = 0;
    QObject::connect(&boleto, &CajaTexto::TeclaIntro, [&intros] { ++intros; });
    boleto.KeyPress = [&boleto](int& tecla) { ValidarTecla(boleto.Text().toStdString(), tecla, 17); };
    for (int c : std::initializer_list<int>{'4', '-', '2', 13}) boleto.Teclear(c);
    EXPECT_EQ(boleto.Text(), QStringLiteral("42"));
    EXPECT_EQ(intros, 1);  // Enter reaches the box's own handling
    EXPECT_EQ(p.pitidos, 3);
}
