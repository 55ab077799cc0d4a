// The program's own save of a pair, to be killed from outside at each of its system calls
// (scripts/barrido_muertes.sh runs it under strace), and the touches that must then find the
// pair whole. Not a benchmark: a measuring tool, driven by the main window on the scripted
// platform, as the window tests drive it.
//
//   barrido_guardado guardar RUTA.EUR viejo|nuevo [sinenlaces]
//       "Cálculo de Prueba" on the base named, then "Cálculo Definitivo" into RUTA.EUR. With
//       "nuevo" it prints "listo" once the calculation is done and waits for a line on its
//       input before saving, so that a tracer can attach for the save alone; it ends with
//       _exit, so that nothing after the save is traced. "sinenlaces" behaves as a file system
//       without hard links (the old bet file is moved aside).
//   barrido_guardado tocar abrir|importar RUTA.EUR
//       ABRIR of the base file, or the import of the bet file, through the main window.
//   barrido_guardado estado RUTA.EUR
//       Prints which base each file holds: "viejo", "nuevo", "falta" (no file) or "otro".
#include <QApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/modEncriptarFichero.h"
#include "common/modGeneral.h"
#include "kit/AyudaVentanas.h"
#include "main/frmPrincipal.h"
#include "platform/Ficheros.h"
#include "support/FicherosPrueba.h"
#include "support/LectorEUR.h"
#include "support/PlataformaGuion.h"

namespace {

const std::vector<int> NumerosViejos = {3, 9, 14, 27, 33, 41}, NumerosNuevos = {5, 12, 18, 26, 37, 44, 50};

std::string Cabecera(const std::vector<int>& numeros) {
    std::vector<modGeneral::Byte> n(numeros.begin(), numeros.end()), e = {2, 11};
    return modEncriptarFichero::CabeceraEUR(n, e);
}

// The base a file holds, by the numbers it names: the bet file's header, the base file's list.
std::string Estado(const std::string& ruta, bool eur) {
    if (access(ruta.c_str(), F_OK) != 0) return "falta";
    const std::string texto = eur ? LeerFicheroEUR(ruta).cabecera : LeerBytes(ruta);
    for (const auto& [nombre, numeros] : {std::pair{"viejo", NumerosViejos}, std::pair{"nuevo", NumerosNuevos}}) {
        std::string lista;
        for (int v : numeros) lista += (lista.empty() ? "" : ",") + std::to_string(v);
        if (eur ? texto == Cabecera(numeros) : texto.find("\"" + lista + "\"") != std::string::npos) return nombre;
    }
    return "otro";
}

int Guardar(frmPrincipal& ventana, PlataformaGuion& guion, const std::string& ruta, bool nuevo, bool sinEnlaces) {
    for (int v : nuevo ? NumerosNuevos : NumerosViejos) ventana.lblNumero_Click(v - 1);
    ventana.lblEstrella_Click(1);
    ventana.lblEstrella_Click(10);
    ventana.Calcular();
    if (nuevo) {
        std::cout << "listo" << std::endl;
        std::string linea;
        std::getline(std::cin, linea);
    }
    if (sinEnlaces) Ficheros::ProvocarFallo(Ficheros::Paso::Enlazar, 1, EPERM);
    guion.dialogos.push_back(Eleccion(ruta));
    ventana.GuardarApuestasEUR();
    const bool bien = guion.mensajes.empty() && modGeneral::BaseGuardada;
    if (!bien) std::cerr << guion.UltimoMensaje() << "\n";
    std::cout.flush();
    _exit(bien ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> a(argv + 1, argv + argc);
    if (a.size() == 2 && a[0] == "estado") {
        const std::string xml = Ficheros::CambiarExtension(a[1], ".xml");
        std::cout << "EUR=" << Estado(a[1], true) << " xml=" << Estado(xml, false) << "\n";
        return 0;
    }
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    AyudaVentanas::CargarRecursos();
    QApplication aplicacion(argc, argv);
    PlataformaGuion guion;
    frmPrincipal ventana;
    ventana.Cargar();
    if (a.size() >= 3 && a[0] == "guardar")
        return Guardar(ventana, guion, a[1], a[2] == "nuevo", a.size() > 3 && a[3] == "sinenlaces");
    if (a.size() == 3 && a[0] == "tocar") {
        if (a[1] == "abrir") {
            guion.dialogos.push_back(Eleccion(Ficheros::CambiarExtension(a[2], ".xml")));
            ventana.AbrirBaseXML();
        } else {
            guion.dialogos.push_back(Eleccion(a[2]));
            ventana.ImportarApuestasDesdeArchivo();
        }
        return 0;
    }
    std::cerr << "uso: barrido_guardado guardar RUTA.EUR viejo|nuevo [sinenlaces] | tocar abrir|importar RUTA.EUR"
                 " | estado RUTA.EUR\n";
    return 2;
}
