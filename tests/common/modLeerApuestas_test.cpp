#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "common/modEncriptarFichero.h"
#include "common/modLeerApuestas.h"
#include "support/FicherosPrueba.h"
#include "support/PlataformaGuion.h"

using namespace modLeerApuestas;
using modGeneral::Byte;

namespace {

using Apuesta = std::array<int, 7>;

std::vector<Apuesta> Apuestas(const LecturaApuestas& l) {
    std::vector<Apuesta> v;
    for (Long n = 1; n <= l.total; ++n) {
        Apuesta a{};
        for (int c = 0; c < 7; ++c) a[static_cast<std::size_t>(c)] = l.apuestas(n, c + 1);
        v.push_back(a);
    }
    return v;
}

LecturaApuestas Texto(const std::string& t, const OpcionesLectura& o = {}, std::size_t trozo = 0) {
    return LeerApuestasMemoria(t.data(), t.size(), FormatoFichero::Texto, o, trozo);
}

// A .EUR file's bytes from record texts (the first is the header, the second the count).
std::string RegistrosEUR(const std::vector<std::string>& textos) {
    std::string b;
    for (const std::string& t : textos) {
        const std::string c = modEncriptarFichero::EncriptarRC4(t, modEncriptarFichero::ClaveEUR);
        b += static_cast<char>(c.size() & 0xFF);
        b += static_cast<char>(c.size() >> 8);
        b += c;
    }
    return b;
}

LecturaApuestas EUR(const std::string& b, const OpcionesLectura& o = {}, std::size_t trozo = 0) {
    return LeerApuestasMemoria(b.data(), b.size(), FormatoFichero::EUR, o, trozo);
}

std::string Dos(int v) {
    char t[8];
    std::snprintf(t, sizeof t, "%02d", v);
    return t;
}

// The bet in each of the four layouts.
std::string Linea(const Apuesta& a, int formato) {
    std::string s;
    for (int i = 0; i < 7; ++i) {
        const std::string v = Dos(a[static_cast<std::size_t>(i)]);
        switch (formato) {
        case 1: s += (i == 5 ? "*" : "") + v; break;
        case 2: s += (i == 0 ? "" : i == 5 ? "+" : ",") + v; break;
        case 3: s += (i == 0 ? "" : " ") + v; break;
        default: s += v; break;
        }
    }
    return s;
}

class LeerApuestasTest : public ::testing::Test {
protected:
    PlataformaGuion plataforma;
    std::string Ruta(const std::string& nombre) { return plataforma.carpeta + "/" + nombre; }
    void Escribir(const std::string& ruta, const std::string& bytes) {
        std::ofstream(ruta, std::ios::binary) << bytes;
    }
};

}  // namespace

TEST_F(LeerApuestasTest, LasCuatroDisposicionesDanLaMismaApuestaConCualquierFinDeLinea) {
    const Apuesta a{3, 17, 25, 40, 48, 2, 11}, b{1, 2, 3, 4, 50, 12, 1};
    const char* fines[] = {"\r\n", "\n", "\r"};
    for (int formato = 1; formato <= 4; ++formato)
        for (const char* fin : fines) {
            // The last line may lack its end.
            LecturaApuestas l = Texto(Linea(a, formato) + fin + Linea(b, formato));
            ASSERT_TRUE(l.Leida()) << formato << l.error << l.detalle;
            EXPECT_EQ(l.formatoLinea, formato);
            EXPECT_EQ(modGeneral::FormatoLineaASCII, formato);
            EXPECT_EQ(Apuestas(l), (std::vector<Apuesta>{a, b}));
            EXPECT_EQ(l.UsosNumeros[3], 2);
            EXPECT_EQ(l.UsosNumeros[17], 1);
            EXPECT_EQ(l.UsosNumeros[50], 1);
            EXPECT_EQ(l.UsosEstrellas[1], 1);
            EXPECT_EQ(l.UsosEstrellas[12], 1);
            EXPECT_EQ(l.UsosEstrellas[5], 0);
        }
}

TEST_F(LeerApuestasTest, LaClaseDeLaPrimeraLineaLimpiaTodasLasDemas) {
    // Comma-and-plus first line: a later blank-separated line keeps its blanks.
    LecturaApuestas l = Texto("01,02,03,04,05+06,07\r\n01 02 03 04 06 06 07\r\n");
    ASSERT_EQ(l.resultado, Resultado::Error);
    EXPECT_EQ(l.detalle, "Apuestas con números fuera del intervalo 1-50 (Apuesta 2)");
    EXPECT_EQ(l.error, "");
    EXPECT_EQ(MensajeError(l), "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ( Apuestas con números fuera "
                               "del intervalo 1-50 (Apuesta 2))");
    EXPECT_TRUE(l.apuestas.Vacia());
    EXPECT_EQ(l.total, 0);

    // A first line of letters is skipped but cleans nothing after it.
    l = Texto("ABCDEF\r\n0102030405*0607\r\n");
    EXPECT_EQ(l.formatoLinea, 0);
    ASSERT_EQ(l.resultado, Resultado::Error);
    EXPECT_EQ(l.error, "No coinciden los tipos") << "\"*0\" is no number";

    // An asterisk anywhere in the first line: "*" and blanks go from every line.
    l = Texto("01 02 03 04 05 * 06 07\n0102030406*0607\n");
    ASSERT_TRUE(l.Leida());
    EXPECT_EQ(l.total, 2);
}

TEST_F(LeerApuestasTest, LineasCortasSeSaltanSinNumeroYLoQueSigueAlCaracter14SeIgnora) {
    LecturaApuestas l = Texto("01020304050607XYZ 99\r\n\r\n0102030405060\r\n01020304050607080910\r\n"
                              "01020304050613\r\n");
    ASSERT_EQ(l.resultado, Resultado::Error);
    EXPECT_EQ(l.detalle, "Apuestas con estrellas fuera del intervalo 1-12 (Apuesta 3)");

    l = Texto("\r\n0102\r\n");
    ASSERT_TRUE(l.Leida());
    EXPECT_EQ(l.total, 0);
}

TEST_F(LeerApuestasTest, CadaFormaQueDaElAvisoDeCeroApuestasSeImporta) {
    const std::string aviso = MensajeCeroApuestas();
    const std::string entrada = "AVISO: Se han importado 0 apuestas.\r\nEl fichero ha de estar en formato: ";
    ASSERT_EQ(aviso.rfind(entrada, 0), 0u) << aviso;
    // The forms the warning shows, each written as a file of two lines, as a user would.
    std::vector<std::string> formas;
    for (std::size_t desde = entrada.size();;) {
        const std::size_t o = aviso.find(" o ", desde);
        formas.push_back(aviso.substr(desde, o == std::string::npos ? o : o - desde));
        if (o == std::string::npos) break;
        desde = o + 3;
    }
    ASSERT_EQ(formas.size(), 3u);
    for (const std::string& forma : formas) {
        LecturaApuestas l = Texto(forma + "\r\n" + forma + "\r\n");
        ASSERT_TRUE(l.Leida()) << forma;
        EXPECT_EQ(l.total, 2) << forma;
        EXPECT_EQ(l.apuestas(2, 5), 5) << forma;
        EXPECT_EQ(l.apuestas(2, 7), 7) << forma;
    }
}

TEST_F(LeerApuestasTest, ComprobacionesDeCadaApuesta) {
    struct Caso {
        const char* linea;
        const char* detalle;
        const char* error;
    } casos[] = {
        {"01020304510607", "Apuestas con números fuera del intervalo 1-50 (Apuesta 2)", ""},
        {"00020304050607", "Apuestas con números fuera del intervalo 1-50 (Apuesta 2)", ""},
        {"01020304040607", "Apuestas con números no en orden ascendente (Apuesta 2)", ""},
        {"05040302010607", "Apuestas con números no en orden ascendente (Apuesta 2)", ""},
        {"01020304050013", "Apuestas con estrellas fuera del intervalo 1-12 (Apuesta 2)", ""},
        {"01020304050613", "Apuestas con estrellas fuera del intervalo 1-12 (Apuesta 2)", ""},
        {"010203040506-1", "Apuestas con estrellas fuera del intervalo 1-12 (Apuesta 2)", ""},
        {"0102030405060x", "", "No coinciden los tipos"},
        {"99xx0304050607", "Apuestas con números fuera del intervalo 1-50 (Apuesta 2)", ""},  // checked first
    };
    for (const Caso& c : casos) {
        LecturaApuestas l = Texto(std::string("01020304050607\r\n") + c.linea + "\r\n");
        ASSERT_EQ(l.resultado, Resultado::Error) << c.linea;
        EXPECT_EQ(l.detalle, c.detalle) << c.linea;
        EXPECT_EQ(l.error, c.error) << c.linea;
    }
    // Stars in any order, equal stars, and values with a blank or a decimal point.
    LecturaApuestas l = Texto("01020304050706\r\n01020304050606\r\n 1 2 3 4 5 6 7\n");
    ASSERT_TRUE(l.Leida()) << l.error << l.detalle;
    EXPECT_EQ(Apuestas(l), (std::vector<Apuesta>{{1, 2, 3, 4, 5, 7, 6}, {1, 2, 3, 4, 5, 6, 6}, {1, 2, 3, 4, 5, 6, 7}}));
    // ",7" reads as 0.7, rounded to 1.
    l = Texto("1.0203040506,7\n");
    ASSERT_TRUE(l.Leida());
    EXPECT_EQ(Apuestas(l), (std::vector<Apuesta>{{1, 2, 3, 4, 5, 6, 1}}));
}

TEST_F(LeerApuestasTest, FicherosQueNoSePuedenLeer) {
    LecturaApuestas l = Texto("");
    ASSERT_EQ(l.resultado, Resultado::Error);
    EXPECT_EQ(MensajeError(l), "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (La entrada pasa del final del "
                               "archivo )");

    l = LeerFicheroApuestas(Ruta("no existe.TXT"));
    EXPECT_EQ(l.error, "No se ha encontrado el archivo");
    // Folders, devices and pipes are no bet files (/dev/zero would never end, a pipe nobody
    // writes would hold the window on opening); a link to a bet file is one.
    CrearTuberia(Ruta("tuberia.TXT"));
    const std::string otro = "No es un archivo normal (es un dispositivo o una tuber\xC3\xAD" "a)";
    for (const auto& [ruta, error] : std::vector<std::pair<std::string, std::string>>{
             {plataforma.carpeta, "Es una carpeta, no un archivo"},
             {"/dev/zero", otro},
             {"/dev/null", otro},
             {Ruta("tuberia.TXT"), otro}}) {
        l = LeerFicheroApuestas(ruta);
        EXPECT_EQ(l.resultado, Resultado::Error) << ruta;
        EXPECT_EQ(l.error, error) << ruta;
    }
    EscribirBytes(Ruta("una.TXT"), "01020304050102\r\n");
    std::filesystem::create_symlink(Ruta("una.TXT"), Ruta("enlace.TXT"));
    l = LeerFicheroApuestas(Ruta("enlace.TXT"));
    EXPECT_TRUE(l.Leida());
    EXPECT_EQ(l.total, 1);
}

TEST_F(LeerApuestasTest, LaTablaCreceCuandoLasLineasSonMasCortasDeLoPrevisto) {
    // Fifteen bytes a line: more lines than the file's length / 16 + 2 rows.
    std::string t;
    std::vector<Apuesta> esperadas;
    for (int i = 0; i < 3000; ++i) {
        Apuesta a{1 + i % 40, 41, 42, 43, 44, 1 + i % 12, 2};
        esperadas.push_back(a);
        t += Linea(a, 4) + "\n";
    }
    LecturaApuestas l = Texto(t);
    ASSERT_TRUE(l.Leida());
    EXPECT_GT(l.apuestas.UBound1(), static_cast<long>(t.size() / 16 + 2));
    EXPECT_EQ(Apuestas(l), esperadas);
    EXPECT_EQ(l.apuestas.LBound1(), 0);
    EXPECT_EQ(l.apuestas.UBound2(), 7);
}

TEST_F(LeerApuestasTest, AvisaDelProgresoCada5000ApuestasYSePuedeDetener) {
    std::string t;
    for (int i = 0; i < 12000; ++i) t += "01020304050607\r\n";
    std::vector<Long> avisos;
    OpcionesLectura o;
    o.progreso = [&](Long n) { avisos.push_back(n); };
    LecturaApuestas l = Texto(t, o);
    EXPECT_EQ(l.total, 12000);
    EXPECT_EQ(avisos, (std::vector<Long>{5000, 10000}));
    EXPECT_GE(plataforma.cesiones, 2);

    bool detener = false;
    o.detener = &detener;
    o.progreso = [&](Long n) { detener = n >= 5000; };
    l = Texto(t, o);
    EXPECT_EQ(l.resultado, Resultado::Detenido);
    EXPECT_TRUE(l.apuestas.Vacia());
}

TEST_F(LeerApuestasTest, ElLimiteCortaElFicheroDeTextoYSoloAvisaSiHabiaMas) {
    std::string t;
    t.reserve(static_cast<std::size_t>(MaximoApuestas + 1) * 16);
    for (Long i = 0; i < MaximoApuestas; ++i) t += "01020304050607\r\n";
    LecturaApuestas l = Texto(t);
    ASSERT_TRUE(l.Leida());
    EXPECT_EQ(l.total, MaximoApuestas);
    EXPECT_FALSE(l.limiteAlcanzado);
    EXPECT_TRUE(plataforma.mensajes.empty());

    t += "99 this line is never read\r\n";
    l = Texto(t);
    ASSERT_TRUE(l.Leida());
    EXPECT_EQ(l.total, MaximoApuestas);
    EXPECT_TRUE(l.limiteAlcanzado);
    ASSERT_EQ(plataforma.mensajes.size(), 1u);
    EXPECT_EQ(plataforma.mensajes[0].texto, "SOLO SE PUEDEN IMPORTAR 2118760 APUESTAS");
    EXPECT_EQ(plataforma.mensajes[0].estilo, EstiloMensaje::Exclamacion);
}

// The reader against the plain rules: lines split at CR LF, LF or CR, the first line's class,
// every line cleaned by the line routines, 14 characters cut into pairs. Files of random
// lines, handed over in pieces of every size, read the same.
TEST_F(LeerApuestasTest, CoincideConLasReglasDeLasLineasEnTrozosDeCualquierTamano) {
    std::mt19937 azar(7);
    const char* fines[] = {"\r\n", "\n", "\r", "\r\r\n", "\n\r"};
    for (int caso = 0; caso < 200; ++caso) {
        const int formato = 1 + static_cast<int>(azar() % 4);
        std::string t;
        std::vector<std::string> lineas;
        const int n = 1 + static_cast<int>(azar() % 30);
        for (int i = 0; i < n; ++i) {
            std::string linea;
            switch (azar() % 6) {
            case 0: linea = std::string(azar() % 16, "0123456789 *+,"[azar() % 14]); break;
            case 1: linea = Linea({1, 2, 3, 4, 5, 6, 7}, static_cast<int>(1 + azar() % 4)); break;
            default: {
                Apuesta a{};
                int v = 0;
                for (int c = 0; c < 5; ++c) a[static_cast<std::size_t>(c)] = v += 1 + static_cast<int>(azar() % 9);
                a[5] = 1 + static_cast<int>(azar() % 12);
                a[6] = 1 + static_cast<int>(azar() % 12);
                linea = Linea(a, formato) + (azar() % 4 == 0 ? "tail" : "");
            }
            }
            lineas.push_back(linea);
            t += linea;
            if (i + 1 < n || azar() % 2) t += fines[azar() % 5];
        }
        // The rules, step by step.
        std::vector<std::string> partidas;
        {
            std::string actual;
            bool hay = false;
            for (std::size_t p = 0; p < t.size(); ++p) {
                if (t[p] == '\r' || t[p] == '\n') {
                    partidas.push_back(actual);
                    actual.clear();
                    hay = false;
                    if (t[p] == '\r' && p + 1 < t.size() && t[p + 1] == '\n') ++p;
                } else {
                    actual += t[p];
                    hay = true;
                }
            }
            if (hay) partidas.push_back(actual);
        }
        modGeneral::FormatoLineaASCII = modGeneral::DetectarFormatoLinea(partidas.at(0));
        std::vector<Apuesta> esperadas;
        std::string detalle;
        for (std::string linea : partidas) {
            modGeneral::LimpiarSeparadores(linea);
            if (linea.size() < 14) continue;
            Apuesta a{};
            bool ok = true;
            for (int i = 0; i < 7 && ok; ++i) {
                std::string par = linea.substr(2 * static_cast<std::size_t>(i), 2);
                for (char& c : par) c = c == ',' ? '.' : c;
                while (!par.empty() && par.back() == ' ') par.pop_back();
                char* fin = nullptr;
                const double v = std::strtod(par.c_str(), &fin);
                if (par.empty() || *fin != '\0' || par.find_first_of("0123456789") == std::string::npos) {
                    detalle = "tipos";
                    break;
                }
                const int x = static_cast<int>(std::nearbyint(v));
                a[static_cast<std::size_t>(i)] = x;
                ok = i < 5 ? x >= 1 && x <= 50 && (i == 0 || x > a[static_cast<std::size_t>(i) - 1]) : x >= 1 && x <= 12;
            }
            if (!detalle.empty()) break;
            if (!ok) {
                detalle = "(Apuesta " + std::to_string(esperadas.size() + 1) + ")";
                break;
            }
            esperadas.push_back(a);
        }
        for (std::size_t trozo : {std::size_t(0), std::size_t(1), std::size_t(2), std::size_t(3), std::size_t(13)}) {
            LecturaApuestas l = Texto(t, {}, trozo);
            if (detalle == "tipos") {
                ASSERT_EQ(l.resultado, Resultado::Error) << t;
                EXPECT_EQ(l.error, "No coinciden los tipos") << t;
            } else if (!detalle.empty()) {
                ASSERT_EQ(l.resultado, Resultado::Error) << t;
                EXPECT_NE(l.detalle.find(detalle), std::string::npos) << l.detalle << " / " << detalle << "\n" << t;
            } else {
                ASSERT_TRUE(l.Leida()) << l.error << l.detalle << "\n" << t;
                EXPECT_EQ(Apuestas(l), esperadas) << t;
            }
        }
    }
}

TEST_F(LeerApuestasTest, UnFicheroEURDelEscritorSeLeeTalCual) {
    std::vector<Apuesta> apuestas;
    std::mt19937 azar(3);
    modGeneral::ApuestasGrabacion.ReDim(1, 12000, 1, 7);
    for (long b = 1; b <= 12000; ++b) {
        Apuesta a{};
        int v = 0;
        for (int c = 0; c < 5; ++c) a[static_cast<std::size_t>(c)] = v += 1 + static_cast<int>(azar() % 9);
        a[5] = 1 + static_cast<int>(azar() % 12);
        a[6] = 1 + static_cast<int>(azar() % 12);
        for (int c = 0; c < 7; ++c) modGeneral::ApuestasGrabacion(b, c + 1) = static_cast<Byte>(a[static_cast<std::size_t>(c)]);
        apuestas.push_back(a);
    }
    const std::string ruta = Ruta("sistema.eur");  // the extension in any case
    ASSERT_TRUE(modEncriptarFichero::GuardarFicheroEUR(ruta, "0102030405+0607", 12000, {}));
    modGeneral::ApuestasGrabacion.Erase();
    std::vector<Long> avisos;
    OpcionesLectura o;
    o.progreso = [&](Long n) { avisos.push_back(n); };
    LecturaApuestas l = LeerFicheroApuestas(ruta, o);
    ASSERT_TRUE(l.Leida()) << l.error << l.detalle;
    EXPECT_EQ(l.formato, FormatoFichero::EUR);
    EXPECT_EQ(Apuestas(l), apuestas);
    EXPECT_EQ(l.apuestas.UBound1(), 12001);
    EXPECT_EQ(avisos, (std::vector<Long>{5000, 10000}));

    // Records in other shapes than the writer's, and records split across pieces.
    const std::string b = RegistrosEUR({"", "3", "1,2,3,4,5+6,7", " 10,11,12.0,13,14+1,2,3", "46,47,48,49,50,12,12"});
    for (std::size_t trozo : {std::size_t(0), std::size_t(1), std::size_t(5)}) {
        l = EUR(b, {}, trozo);
        ASSERT_TRUE(l.Leida()) << l.error << l.detalle;
        EXPECT_EQ(Apuestas(l),
                  (std::vector<Apuesta>{{1, 2, 3, 4, 5, 6, 7}, {10, 11, 12, 13, 14, 1, 2}, {46, 47, 48, 49, 50, 12, 12}}));
    }
}

TEST_F(LeerApuestasTest, FicherosEURRechazados) {
    struct Caso {
        std::string bytes;
        const char* error;
        const char* detalle;
    } casos[] = {
        {"", "La entrada pasa del final del archivo", ""},
        {RegistrosEUR({"cabecera"}), "La entrada pasa del final del archivo", ""},
        {RegistrosEUR({"c", "3", "01,02,03,04,05+06,07"}), "La entrada pasa del final del archivo", ""},
        {RegistrosEUR({"c", "1"}) + std::string("\x14\x00\x01", 3), "La entrada pasa del final del archivo", ""},
        {RegistrosEUR({"c", "tres"}), "No coinciden los tipos", ""},
        {RegistrosEUR({"c", "-2"}), "El subíndice está fuera del intervalo", ""},
        {RegistrosEUR({"c", "99999999999"}), "Desbordamiento", ""},
        {RegistrosEUR({"c", "1", "01,02,03,04,05+06"}), "El subíndice está fuera del intervalo", ""},
        {RegistrosEUR({"c", "1", "01,02,03,04,05+06,300"}), "Desbordamiento", ""},
        {RegistrosEUR({"c", "1", "01,02,03,04,05+06,x"}), "No coinciden los tipos", ""},
        {RegistrosEUR({"c", "1", "01,02,03,04,05+06,"}), "No coinciden los tipos", ""},
        {RegistrosEUR({"c", "1", "01;02;03;04;05+06;07"}), "No coinciden los tipos", ""},  // the writer's length
        {RegistrosEUR({"c", "1", "01,02,03,04,05+06;07"}), "No coinciden los tipos", ""},
        {RegistrosEUR({"c", "2", "01,02,03,04,05+06,07", "01,02,03,04,51+06,07"}), "",
         "Apuestas con números fuera del intervalo 1-50 (Apuesta 2)"},
        {RegistrosEUR({"c", "2", "01,02,03,04,05+06,07", "01,02,03,05,05+06,07"}), "",
         "Apuestas con números no en orden ascendente (Apuesta 2)"},
        {RegistrosEUR({"c", "2", "01,02,03,04,05+06,07", "01,02,03,04,05+00,07"}), "",
         "Apuestas con estrellas fuera del intervalo 1-12 (Apuesta 2)"},
    };
    for (const Caso& c : casos) {
        LecturaApuestas l = EUR(c.bytes);
        ASSERT_EQ(l.resultado, Resultado::Error) << c.error << c.detalle;
        EXPECT_EQ(l.error, c.error);
        EXPECT_EQ(l.detalle, c.detalle);
        EXPECT_TRUE(l.apuestas.Vacia());
        EXPECT_EQ(l.UsosNumeros[1], 0);
    }
    // A record the cipher refuses (over 100 bytes) reads as "0": a count of none.
    std::string b = RegistrosEUR({"c"});
    b += std::string("\x65\x00", 2) + std::string(101, 'x');
    LecturaApuestas l = EUR(b);
    ASSERT_TRUE(l.Leida());
    EXPECT_EQ(l.total, 0);
}

TEST_F(LeerApuestasTest, UnaCuentaPorEncimaDelLimiteAvisaYLeeSoloElLimite) {
    std::vector<std::string> textos{"c", std::to_string(MaximoApuestas + 10)};
    textos.reserve(static_cast<std::size_t>(MaximoApuestas) + 2);
    for (Long i = 0; i < MaximoApuestas; ++i) textos.push_back("01,02,03,04,05+06,07");
    const std::string b = RegistrosEUR(textos);
    textos.clear();
    textos.shrink_to_fit();
    LecturaApuestas l = EUR(b);
    ASSERT_TRUE(l.Leida()) << l.error;
    EXPECT_EQ(l.total, MaximoApuestas);
    EXPECT_TRUE(l.limiteAlcanzado);
    ASSERT_EQ(plataforma.mensajes.size(), 1u);
    EXPECT_EQ(plataforma.mensajes[0].texto, "SOLO SE PUEDEN IMPORTAR 2118760 APUESTAS");
    EXPECT_EQ(l.UsosNumeros[5], MaximoApuestas);
}

TEST_F(LeerApuestasTest, FormatoPorExtension) {
    EXPECT_EQ(FormatoPorExtension("/a/b.EUR"), FormatoFichero::EUR);
    EXPECT_EQ(FormatoPorExtension("/a/b.eur"), FormatoFichero::EUR);
    EXPECT_EQ(FormatoPorExtension("/a/b.Eur"), FormatoFichero::EUR);
    EXPECT_EQ(FormatoPorExtension("/a/b.TXT"), FormatoFichero::Texto);
    EXPECT_EQ(FormatoPorExtension("/a/b.EURO"), FormatoFichero::Texto);
    EXPECT_EQ(FormatoPorExtension("/a/sinpunto"), FormatoFichero::Texto);
    EXPECT_EQ(FormatoPorExtension("/a.eur/fichero"), FormatoFichero::Texto);
    EXPECT_EQ(FormatoPorExtension("EUR"), FormatoFichero::EUR) << "no dot: the whole path is the extension";
}

TEST_F(LeerApuestasTest, ElDialogoDeImportar) {
    plataforma.dialogos.push_back(Eleccion("/x/y.EUR", 2));
    EXPECT_EQ(ElegirFicheroApuestas(), "/x/y.EUR");
    EXPECT_EQ(ElegirFicheroApuestas(), "") << "cancelled";
    ASSERT_EQ(plataforma.peticiones.size(), 2u);
    const PeticionDialogo& p = plataforma.peticiones[0];
    EXPECT_EQ(p.titulo, "Abrir Fichero");
    EXPECT_FALSE(p.guardar);
    EXPECT_EQ(p.indiceFiltro, 2);
    using Par = std::pair<std::string, std::string>;
    EXPECT_EQ(p.filtros, (std::vector<Par>{{"Ficheros de Apuestas (*.TXT)", "*.TXT"},
                                           {"Ficheros en formato TORNAVENTURA (*.EUR)", "*.EUR"},
                                           {"Todos los archivos (*.*)", "*.*"}}));
}

TEST_F(LeerApuestasTest, EliminarRepetidasConservaLaPrimeraSinMirarLasEstrellas) {
    LecturaApuestas l = Texto("01020304050607\n46474849500102\n01020304050812\n01020304060102\n46474849500102\n");
    ASSERT_TRUE(l.Leida());
    Tabla<Byte> destino;
    destino.ReDim(1, l.total, 1, 7);
    Repetidas r = EliminarRepetidas(l.apuestas, l.total, destino);
    EXPECT_EQ(r.distintas, 3);
    EXPECT_EQ(r.repetidas, 2);
    const int esperadas[3][5] = {{1, 2, 3, 4, 5}, {46, 47, 48, 49, 50}, {1, 2, 3, 4, 6}};
    for (int f = 0; f < 3; ++f)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(destino(f + 1, c + 1), esperadas[f][c]);

    Tabla<Byte> mala;
    mala.ReDim(1, 1, 1, 5);
    for (int c = 1; c <= 5; ++c) mala(1, c) = static_cast<Byte>(6 - c);
    EXPECT_THROW(EliminarRepetidas(mala, 1, destino), std::out_of_range);
    EXPECT_THROW(EliminarRepetidas(mala, 2, destino), std::out_of_range) << "rows that do not exist";

    // Tables freed while the pass yields (a window closed meanwhile) end it without a read.
    std::string t;
    for (int i = 0; i < 6000; ++i) t += "01020304050607\n";
    l = Texto(t);
    destino.ReDim(1, l.total, 1, 7);
    plataforma.alCederControl = [&] { destino.Erase(); };
    EXPECT_THROW(EliminarRepetidas(l.apuestas, l.total, destino), std::out_of_range);
    plataforma.alCederControl = nullptr;
}
