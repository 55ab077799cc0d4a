// Opening a base file: the setup it stores goes into the window and the shared tables. The
// reading itself is modXML's (LeerBaseXML); here it meets the dialog, the reset, the grids,
// the filter list and the two closing messages.
#include <exception>
#include <string>

#include "common/modCommonDialog.h"
#include "main/frmPrincipal.h"
#include "main/modXML.h"
#include "platform/DocumentoXML.h"
#include "platform/Plataforma.h"
#include "common/modRutas.h"

using namespace modGeneral;

namespace {

using RejillaNumeros::MarcarEtiqueta;

const char* const FiltroDialogoBase = "Fichero BASE de TORNAVENTURA (*.XML)|*.XML|Todos los archivos (*.*)|*.*|";

// A damaged file can fail on every element: the box lists this many lines and counts the rest.
constexpr int LineasErrorMostradas = 40;
// A path longer than any a system allows is cut for the notice.
constexpr std::size_t LargoMaximoRuta = 1024;

// The rows the reader rebuilds show "-   " for a setting no window offers.
QString FilaReduccionLeida(bool activa, frmPrincipal::Integer tipo) {
    return frmPrincipal::TextoFilaReduccion(activa, tipo >= 0 && tipo <= 3 ? tipo : 0);
}

QString FilaEstrellasLeida(bool activa, frmPrincipal::Integer estrellas) {
    if (estrellas >= 0 && estrellas <= 3) return frmPrincipal::TextoFilaEstrellas(activa, estrellas);
    QString t = frmPrincipal::TextoFilaEstrellas(activa, 0);
    return t.replace(5 + 22, 4, QStringLiteral("-   "));
}

// ErroresXML as the box shows it.
std::string ListaErroresMostrada(const std::string& errores) {
    std::size_t p = 0;
    for (int n = 0; n < LineasErrorMostradas; ++n) {
        p = errores.find("\r\n", p);
        if (p == std::string::npos) return errores;
        p += 2;
    }
    if (p >= errores.size()) return errores;
    long resto = 0;
    for (std::size_t q = p; (q = errores.find("\r\n", q)) != std::string::npos; q += 2) ++resto;
    return errores.substr(0, p) + "... Y " + std::to_string(resto) + " ERRORES MAS\r\n";
}

std::string RutaMostrada(const std::string& ruta) {
    if (ruta.size() <= LargoMaximoRuta) return ruta;
    std::size_t n = LargoMaximoRuta;
    while (n > 0 && (static_cast<unsigned char>(ruta[n]) & 0xC0) == 0x80) --n;
    return ruta.substr(0, n) + "...";
}

}  // namespace

// Asks for a base file and puts its setup into the window and the shared tables.
void frmPrincipal::AbrirBaseXML() {
    Plataforma& plataforma = Plataforma::Activa();
    try {
        modCommonDialog::FiltroDialogo = FiltroDialogoBase;
        modCommonDialog::IndiceFiltro = 1;
        modCommonDialog::FicheroDialogo.clear();
        modCommonDialog::TituloDialogo = "Abrir Fichero BASE en XML";
        NombreFichero = modCommonDialog::MostrarDialogoAbrir();
        if (NombreFichero.empty()) return;
        // The file starts from a fresh setup and overwrites only what it names.
        NuevaCombinacion();
        PonerTitulo(QString::fromStdString(modRutas::NombreSinCarpeta(NombreFichero)));
        modXML::ErroresXML.clear();
    } catch (...) {
        plataforma.MsgBox("ERROR AL ABRIR EL FICHERO", EstiloMensaje::Critico);
        return;
    }

    modXML::LecturaBaseXML lectura;
    lectura.desdeArchivo = ModoDesdeArchivo();
    try {
        DocumentoXML documento;
        documento.load(NombreFichero);
        modXML::LeerBaseXML(documento, lectura);
    } catch (...) {
        // Out of memory or the like: what was read stays, the file counts as not opened.
        modXML::AnadirErrorXML("ERROR AL ABRIR EL FICHERO", "FICHERO");
    }

    if (lectura.combinacionLeida) {
        for (int v = 1; v <= 50; ++v)
            if (lectura.numeros[static_cast<std::size_t>(v)]) MarcarEtiqueta(lblNumero[static_cast<std::size_t>(v - 1)]);
        for (int v = 1; v <= 12; ++v)
            if (lectura.estrellas[static_cast<std::size_t>(v)]) MarcarEtiqueta(lblEstrella[static_cast<std::size_t>(v - 1)]);
    }
    for (int k = 0; k < 10; ++k) {
        const bool activa = lectura.filtrosActivos[static_cast<std::size_t>(k)];
        if (k == FilaGrupos && lectura.filaGrupos) lstFiltros->SetList(k, TextoFilaGrupos(activa));
        else if (k == FilaGruposRelacionados && lectura.filaGruposRelacionados)
            lstFiltros->SetList(k, TextoFilaGruposRelacionados(activa));
        else if (activa) ActivarFilaFiltro(k);
    }
    // Rows 10 and 11 are active exactly when their setting is not 0: the file stores no flag.
    if (lectura.filaReduccion) lstFiltros->SetList(FilaReduccion, FilaReduccionLeida(Reduccion.Tipo != 0, Reduccion.Tipo));
    if (lectura.filaEstrellas)
        lstFiltros->SetList(FilaEstrellas, FilaEstrellasLeida(Reduccion.Estrellas != 0, Reduccion.Estrellas));
    if (lectura.combinacionLeida || lectura.filaEstrellas) ActualizarContadoresBase();

    if (!modXML::ErroresXML.empty())
        plataforma.MsgBox("ERRORES detectados al abrir la BASE:\r\n\r\n" + ListaErroresMostrada(modXML::ErroresXML),
                          EstiloMensaje::Critico);
    if (lectura.avisoImportado)
        plataforma.MsgBox("AVISO : La Base fue importada desde el fichero en ASCII: (" +
                              RutaMostrada(lectura.ficheroImportado) +
                              ")\r\nDebe importarlo de nuevo con la opción 'Desde Archivo' si quiere que su "
                              "Combinación parta de dicho fichero.",
                          EstiloMensaje::Exclamacion);
    BaseGuardada = true;
}
