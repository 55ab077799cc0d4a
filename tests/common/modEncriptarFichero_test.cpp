#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>

#include "common/modEncriptarFichero.h"
#include "support/FicherosPrueba.h"
#include "support/LectorEUR.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"

using namespace modEncriptarFichero;
using modGeneral::ApuestasGrabacion;
using modGeneral::Byte;

namespace {

// RC4 written out plainly, one fresh state per call: what every record must match.
std::string Rc4Simple(const std::string& texto, const std::string& clave) {
    unsigned char s[256];
    for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
    int j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + static_cast<unsigned char>(clave[static_cast<std::size_t>(i) % clave.size()]) + s[i]) % 256;
        std::swap(s[i], s[j]);
    }
    std::string r = texto;
    int i = 0;
    j = 0;
    for (char& c : r) {
        i = (i + 1) % 256;
        j = (j + s[i]) % 256;
        std::swap(s[i], s[j]);
        c = static_cast<char>(static_cast<unsigned char>(c) ^ s[(s[i] + s[j]) % 256]);
    }
    return r;
}

std::string Hex(const std::string& b) {
    static const char* d = "0123456789ABCDEF";
    std::string r;
    for (unsigned char c : b) { r += d[c >> 4]; r += d[c & 15]; }
    return r;
}

void PonerApuesta(long fila, std::array<int, 7> v) {
    for (int c = 0; c < 7; ++c) ApuestasGrabacion(fila, c + 1) = static_cast<Byte>(v[static_cast<std::size_t>(c)]);
}

class FicheroEURTest : public DatosIniciales {
protected:
    PlataformaGuion plataforma;
    std::string Ruta(const std::string& nombre) { return plataforma.carpeta + "/" + nombre; }
};

}  // namespace

TEST(EncriptarRC4, VectoresPublicadosYSimetria) {
    // Published RC4 test vectors.
    EXPECT_EQ(Hex(EncriptarRC4("Plaintext", "Key")), "BBF316E8D940AF0AD3");
    EXPECT_EQ(Hex(EncriptarRC4("Attack at dawn", "Secret")), "45A01F645FC35B383552544B9BF5");
    const std::string texto = "01,02,03,04,05+06,07";
    const std::string cifrado = EncriptarRC4(texto, ClaveEUR);
    EXPECT_EQ(cifrado.size(), 20u);
    EXPECT_NE(cifrado, texto);
    EXPECT_EQ(EncriptarRC4(texto, ClaveEUR), cifrado);  // every call starts afresh
    EXPECT_EQ(EncriptarRC4(cifrado, ClaveEUR), texto);
    // Single-byte text with accented letters and every byte value goes through untouched.
    std::string bytes;
    for (int b = 0; b < 100; ++b) bytes += static_cast<char>(b * 37 + 200);
    EXPECT_EQ(EncriptarRC4(EncriptarRC4(bytes, "clave\xF1"), "clave\xF1"), bytes);
}

TEST(EncriptarRC4, RechazaConCero) {
    EXPECT_EQ(EncriptarRC4("", ClaveEUR), "0");
    EXPECT_EQ(EncriptarRC4("abc", ""), "0");
    EXPECT_EQ(EncriptarRC4(std::string(101, 'x'), ClaveEUR), "0");
    EXPECT_EQ(EncriptarRC4(std::string(100, 'x'), ClaveEUR), Rc4Simple(std::string(100, 'x'), ClaveEUR));
    // A key longer than 256 characters is used up to its 256th.
    std::string larga(300, 'a');
    for (std::size_t i = 0; i < larga.size(); ++i) larga[i] = static_cast<char>('a' + i % 26);
    EXPECT_EQ(EncriptarRC4("texto", larga), Rc4Simple("texto", larga.substr(0, 256)));
}

TEST(TextoApuestaEUR, DosCifrasPorValor) {
    const Byte a[7] = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(TextoApuestaEUR(a), "01,02,03,04,05+06,07");
    const Byte b[7] = {10, 20, 30, 45, 50, 11, 12};
    EXPECT_EQ(TextoApuestaEUR(b), "10,20,30,45,50+11,12");
}

TEST(CabeceraEUR, NumerosMasEstrellasEnDosCifras) {
    EXPECT_EQ(CabeceraEUR({3, 17, 25, 40, 48}, {2, 11}), "0317254048+0211");
    EXPECT_EQ(CabeceraEUR({}, {}), "+");
}

TEST_F(FicheroEURTest, FormatoDeRegistros) {
    ApuestasGrabacion.ReDim(1, 7, 1, 7);
    for (int b = 1; b <= 7; ++b) PonerApuesta(b, {b, b + 10, b + 20, b + 30, b + 40, 1, b + 5});
    const std::string ruta = Ruta("siete.EUR");
    ASSERT_TRUE(GuardarFicheroEUR(ruta, "0102030405060708+0102", 7, nullptr));
    EXPECT_TRUE(plataforma.mensajes.empty());

    const std::string bytes = LeerBytes(ruta);
    // Header (21), count (1), seven bets (20): each with its two length bytes.
    ASSERT_EQ(bytes.size(), 2 + 21 + 2 + 1 + 7 * 22u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x15\x00", 2));
    EXPECT_EQ(bytes.substr(2, 21), Rc4Simple("0102030405060708+0102", ClaveEUR));
    EXPECT_EQ(bytes.substr(23, 2), std::string("\x01\x00", 2));
    EXPECT_EQ(bytes.substr(25, 1), Rc4Simple("7", ClaveEUR));
    EXPECT_EQ(bytes.substr(26, 2), std::string("\x14\x00", 2));
    EXPECT_EQ(bytes.substr(28, 20), Rc4Simple("01,11,21,31,41+01,06", ClaveEUR));

    FicheroEUR leido = LeerFicheroEUR(ruta);
    ASSERT_TRUE(leido.leido) << leido.error;
    EXPECT_EQ(leido.cabecera, "0102030405060708+0102");
    EXPECT_EQ(leido.numApuestas, 7);
    EXPECT_EQ(leido.textos[6], "07,17,27,37,47+01,12");
    EXPECT_EQ(leido.apuestas[6], (std::array<std::uint8_t, 7>{7, 17, 27, 37, 47, 1, 12}));
}

TEST_F(FicheroEURTest, CabeceraRechazadaYCeroApuestas) {
    const std::string ruta = Ruta("vacio.EUR");
    ASSERT_TRUE(GuardarFicheroEUR(ruta, std::string(101, '1'), 0, nullptr));
    std::vector<std::string> r = LeerRegistrosEUR(ruta);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], "0");  // stored plain
    EXPECT_EQ(r[1], Rc4Simple("0", ClaveEUR));

    ASSERT_TRUE(GuardarFicheroEUR(ruta, "", 0, nullptr));
    EXPECT_EQ(LeerRegistrosEUR(ruta)[0], "0");
    ASSERT_TRUE(GuardarFicheroEUR(ruta, std::string(100, '1'), 0, nullptr));
    EXPECT_EQ(LeerRegistrosEUR(ruta)[0], Rc4Simple(std::string(100, '1'), ClaveEUR));
}

TEST_F(FicheroEURTest, ProgresoCada5000ApuestasYCedeElControl) {
    ApuestasGrabacion.ReDim(1, 12000, 1, 7);
    for (long b = 1; b <= 12000; ++b) PonerApuesta(b, {1, 2, 3, 4, 5, 1, 2});
    std::vector<double> anchos;
    std::vector<long> cesionesEnCadaAncho;
    ASSERT_TRUE(GuardarFicheroEUR(Ruta("doce.EUR"), "c", 12000, [&](double a) {
        anchos.push_back(a);
        cesionesEnCadaAncho.push_back(plataforma.cesiones);
    }));
    EXPECT_EQ(anchos, (std::vector<double>{1968.75, 3937.5}));
    EXPECT_EQ(cesionesEnCadaAncho, (std::vector<long>{0, 1}));  // the width is set before yielding
    EXPECT_EQ(plataforma.cesiones, 2);
}

TEST_F(FicheroEURTest, CoincideConRc4RegistroARegistro) {
    // Every value the table can hold, the stars included, in a few thousand records.
    const long n = 6000;
    ApuestasGrabacion.ReDim(1, n, 1, 7);
    for (long b = 1; b <= n; ++b)
        for (int c = 1; c <= 7; ++c) ApuestasGrabacion(b, c) = static_cast<Byte>((b * 7 + c * 13) % 100);
    const std::string ruta = Ruta("muchas.EUR");
    ASSERT_TRUE(GuardarFicheroEUR(ruta, "cab", n, nullptr));
    std::vector<std::string> r = LeerRegistrosEUR(ruta);
    ASSERT_EQ(r.size(), static_cast<std::size_t>(n + 2));
    for (long b = 1; b <= n; ++b) {
        char texto[32];
        std::snprintf(texto, sizeof texto, "%02d,%02d,%02d,%02d,%02d+%02d,%02d", ApuestasGrabacion(b, 1),
                      ApuestasGrabacion(b, 2), ApuestasGrabacion(b, 3), ApuestasGrabacion(b, 4),
                      ApuestasGrabacion(b, 5), ApuestasGrabacion(b, 6), ApuestasGrabacion(b, 7));
        ASSERT_EQ(r[static_cast<std::size_t>(b + 1)], Rc4Simple(texto, ClaveEUR)) << b;
    }
}

TEST_F(FicheroEURTest, ValoresDeTresCifrasYTablaQueEmpiezaEnCero) {
    ApuestasGrabacion.ReDim(0, 2, 1, 7);
    PonerApuesta(0, {9, 9, 9, 9, 9, 9, 9});  // row 0 is never written
    PonerApuesta(1, {1, 2, 3, 4, 5, 6, 7});
    PonerApuesta(2, {100, 2, 3, 4, 255, 6, 7});
    const std::string ruta = Ruta("tres.EUR");
    ASSERT_TRUE(GuardarFicheroEUR(ruta, "c", 2, nullptr));
    std::vector<std::string> r = LeerRegistrosEUR(ruta);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(EncriptarRC4(r[2], ClaveEUR), "01,02,03,04,05+06,07");
    EXPECT_EQ(EncriptarRC4(r[3], ClaveEUR), "100,02,03,04,255+06,07");
}

TEST_F(FicheroEURTest, ReemplazaUnFicheroMasLargo) {
    const std::string ruta = Ruta("largo.EUR");
    { std::ofstream(ruta, std::ios::binary) << std::string(5000, 'x'); }
    ApuestasGrabacion.ReDim(1, 1, 1, 7);
    PonerApuesta(1, {1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(GuardarFicheroEUR(ruta, "c", 1, nullptr));
    EXPECT_EQ(std::filesystem::file_size(ruta), 3u + 3u + 22u);
    EXPECT_TRUE(LeerFicheroEUR(ruta).leido);
}

TEST_F(FicheroEURTest, CarpetaInexistenteOSoloLectura) {
    ApuestasGrabacion.ReDim(1, 1, 1, 7);
    PonerApuesta(1, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_FALSE(GuardarFicheroEUR(Ruta("no/existe/x.EUR"), "c", 1, nullptr));
    ASSERT_EQ(plataforma.mensajes.size(), 1u);
    EXPECT_EQ(plataforma.mensajes[0].texto, "ERROR AL GUARDAR EL FICHERO (No se encontró la ruta de acceso)");
    EXPECT_EQ(plataforma.mensajes[0].estilo, EstiloMensaje::Critico);

    // A folder that cannot be written (as root permissions do not hold: a read-only mount).
    const std::string soloLectura = Ruta("solo_lectura");
    std::filesystem::create_directory(soloLectura);
    std::filesystem::permissions(soloLectura, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    std::string destino = soloLectura + "/x.EUR";
    std::FILE* prueba = std::fopen(destino.c_str(), "wb");
    std::filesystem::permissions(soloLectura, std::filesystem::perms::owner_all);
    if (prueba) {
        std::fclose(prueba);
        std::filesystem::remove(destino);
        std::filesystem::permissions(soloLectura, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        destino = "/sys/tv_prueba.EUR";
        if (std::FILE* otra = std::fopen(destino.c_str(), "wb")) {
            std::fclose(otra);
            GTEST_SKIP() << "no read-only folder available";
        }
    } else {
        std::filesystem::permissions(soloLectura, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    EXPECT_FALSE(GuardarFicheroEUR(destino, "c", 1, nullptr));
    std::filesystem::permissions(soloLectura, std::filesystem::perms::owner_all);
    ASSERT_EQ(plataforma.mensajes.size(), 2u);
    EXPECT_EQ(plataforma.mensajes[1].texto, "ERROR AL GUARDAR EL FICHERO (Permiso denegado: no se pueden crear archivos en la carpeta)");
}

// Whatever makes a save fail (a full disk mid-stream, a table that does not hold the bets),
// the file that stood at the path stays byte for byte, the message names the failure, and
// nothing is left beside it. Pipes and folders at the path: Ficheros_test and the main
// window's save of the pair.
TEST_F(FicheroEURTest, UnGuardadoFallidoDejaLoQueHabia) {
    DiscoLleno disco;
    if (!disco.Real()) std::cout << "[ note ] " << disco.Motivo() << "\n";
    const std::string error = "ERROR AL GUARDAR EL FICHERO (";
    const std::string subindice = error + "El subíndice está fuera del intervalo)";
    struct Caso {
        std::string nombre, mensaje;
        std::function<std::string()> preparar;  // the path
        long filas, apuestas;
    };
    auto conAntiguo = [&](const std::string& ruta) {
        ApuestasGrabacion.ReDim(1, 1, 1, 7);
        PonerApuesta(1, {1, 2, 3, 4, 5, 6, 7});
        EXPECT_TRUE(GuardarFicheroEUR(ruta, "antiguo", 1, nullptr));
        return ruta;
    };
    const std::vector<Caso> casos = {
        {"disco lleno", error + LlenoConservado + ")",
         [&] {
             conAntiguo(disco.Carpeta() + "/lleno.EUR");
             disco.Llenar();
             return disco.Carpeta() + "/lleno.EUR";
         },
         300000, 300000},  // more than one buffer's worth
        {"faltan filas", subindice, [&] { return conAntiguo(Ruta("corto.EUR")); }, 3, 5},
        {"tabla sin estrellas", subindice, [&] { return conAntiguo(Ruta("cinco.EUR")); }, 3, 1},
        {"tabla liberada al ceder", subindice, [&] { return conAntiguo(Ruta("liberada.EUR")); }, 12000, 12000},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::string ruta = c.preparar();
        const std::string antes = std::filesystem::is_regular_file(ruta) ? LeerBytes(ruta) : std::string();
        ApuestasGrabacion.ReDim(1, c.filas, 1, c.nombre == "tabla sin estrellas" ? 5 : 7);
        plataforma.alCederControl = [&] {
            if (c.nombre == "tabla liberada al ceder") ApuestasGrabacion.Erase();
        };
        plataforma.mensajes.clear();
        EXPECT_FALSE(GuardarFicheroEUR(ruta, "c", c.apuestas, nullptr));
        plataforma.alCederControl = nullptr;
        ASSERT_EQ(plataforma.mensajes.size(), 1u);
        EXPECT_EQ(plataforma.mensajes[0].texto, c.mensaje);
        EXPECT_EQ(plataforma.mensajes[0].estilo, EstiloMensaje::Critico);
        if (!antes.empty()) {
            EXPECT_EQ(LeerBytes(ruta), antes);
            EXPECT_EQ(LeerFicheroEUR(ruta).cabecera, "antiguo");
        }
        for (const std::string& n : Contenido(std::filesystem::path(ruta).parent_path().string()))
            EXPECT_EQ(n.find(".tmp"), std::string::npos) << n;
    }

    // A link the user chose is saved through: the file it names is replaced, the link stays.
    conAntiguo(Ruta("apuntado.EUR"));
    std::filesystem::create_symlink(Ruta("apuntado.EUR"), Ruta("enlace.EUR"));
    ASSERT_TRUE(GuardarFicheroEUR(Ruta("enlace.EUR"), "nuevo", 1, nullptr));
    EXPECT_TRUE(std::filesystem::is_symlink(Ruta("enlace.EUR")));
    EXPECT_EQ(LeerFicheroEUR(Ruta("apuntado.EUR")).cabecera, "nuevo");
}
