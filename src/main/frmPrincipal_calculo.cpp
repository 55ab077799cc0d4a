// The calculation road of the main window: the calculation driver and its filter step, the
// star assignment, saving the bets as a .EUR file with the base file beside it, and saving
// the base file alone. The computing steps live in modCalculo, modEstrellas and modXML; here
// they meet the controls, the lock, the blinking status and the messages.
#include <QDate>
#include <QLocale>
#include <QTime>
#include <exception>
#include <string>
#include <vector>

#include "common/modCommonDialog.h"
#include "common/modEncriptarFichero.h"
#include "main/frmPrincipal.h"
#include "main/modCalculo.h"
#include "main/modEstrellas.h"
#include "main/modXML.h"
#include "platform/DocumentoXML.h"
#include "platform/Ficheros.h"
#include "platform/Plataforma.h"
#include "common/modRutas.h"

using namespace modGeneral;

namespace {

using AyudaVentanas::Cuenta;
using RejillaNumeros::EtiquetaMarcada;

// Above this many bets the save asks first.
constexpr Long LimiteApuestasSinPregunta = 3000000;

const char* const FiltroDialogoEUR = "Fichero de TORNAVENTURA (*.EUR)|*.EUR|Todos los archivos (*.*)|*.*|";
const char* const FiltroDialogoBase =
    "Fichero BASE de TORNAVENTURA (*.XML)|*.XML|Todos los archivos (*.*)|*.*|";
// The base file written beside the bets: the save dialog asks about this very name.
const char* const ExtensionBaseJunta = ".xml";

}  // namespace

// ---------------------------------------------------------------- what the grids hold

std::vector<Byte> frmPrincipal::NumerosMarcados() const { return RejillaNumeros::ValoresMarcados(lblNumero); }

std::vector<Byte> frmPrincipal::EstrellasMarcadas() const { return RejillaNumeros::ValoresMarcados(lblEstrella); }

// ---------------------------------------------------------------- calculation

void frmPrincipal::Calcular() {
    Plataforma& plataforma = Plataforma::Activa();
    try {
        const Integer N = ContarNumerosMarcados();
        TotalNumerosBase = N;
        if (N < 5) {
            plataforma.MsgBox("AVISO: DEBE SELECCIONAR MINIMO 5 NUMEROS", EstiloMensaje::Exclamacion);
            return;
        }
        if (ContarEstrellasMarcadas() < 2) {
            plataforma.MsgBox("AVISO: DEBE SELECCIONAR MINIMO 2 ESTRELLAS", EstiloMensaje::Exclamacion);
            return;
        }
        Ocupado = true;
        BaseGuardada = false;
        lblApuestasReducidas->SetCaption(QStringLiteral("0"));
        lblTOTALReducidasAUX->SetCaption(QStringLiteral("0"));
        // The counters no longer announce the old bets: their table (up to 979 MB) goes now,
        // not when the new one replaces it.
        ApuestasReducidas.Erase();
        VectorActual.ReDim(1, N);
        CargarNumerosMarcados();

        Long eliminadas = 0;
        Long condicionadas = 0;
        if (!ModoDesdeArchivo()) {
            Timer1->SetInterval(5);
            Timer1->SetEnabled(true);
            BloquearControles();
            plataforma.DoEvents();
            modCalculo::FormarCombinacionesGeneradas();
            AplicarFiltros(eliminadas);
            SistemaDirecto = eliminadas == 0;
            condicionadas = TotalCombinaciones - eliminadas;
        } else {
            if (txtFicheroASCII->Text().trimmed().isEmpty()) {
                plataforma.MsgBox("ERROR: NO HAY NINGUN FICHERO ASCII CARGADO", EstiloMensaje::Critico);
                Ocupado = false;
                return;
            }
            Timer1->SetInterval(5);
            Timer1->SetEnabled(true);
            BloquearControles();
            plataforma.DoEvents();
            modCalculo::FormarCombinacionesImportadas();
            AplicarFiltros(eliminadas);
            SistemaDirecto = false;
            condicionadas = TotalImportadas - eliminadas;
        }
        lblApuestasCondicionadas->SetCaption(Cuenta(condicionadas));
        lblTOTALCondicionadasAUX->SetCaption(
            Cuenta(LeerContador(lblApuestasCondicionadas) * LeerContador(lblEstrellasCondicionadasAUX)));

        DesbloquearControles();
        ActualizarColumnasFiltros();
        lblTOTALCondicionadasAUX->SetForeColor(ColorContadores);
        Timer1->SetEnabled(false);
        if (condicionadas == 0) {
            plataforma.MsgBox("ERROR: Se han generado 0 apuestas despu\xC3\xA9s de condicionar, cambie las condiciones",
                              EstiloMensaje::Critico);
            Ocupado = false;
            return;
        }

        const Long filas = modCalculo::CondicionarApuestas();
        if (modCalculo::HayQueReducir(FilaActiva(FilaReduccion))) {
            AbrirVentanaProceso();
        } else {
            modCalculo::PasarCondicionadasAReducidas();
            lblApuestasReducidas->SetCaption(Cuenta(filas));
        }
        modCalculo::LiberarTablasIntermedias();
        AsignarEstrellas();
        if (chkGuardarAutomaticamente->Value() == 1) GuardarApuestasEUR();
        chkGuardarAutomaticamente->SetValue(0);
        Ocupado = false;
        ActualizarContadoresApuestas();
    } catch (...) {
        const std::string descripcion = modCalculo::DescripcionError(std::current_exception());
        lblTOTALCondicionadasAUX->SetForeColor(ColorContadores);
        lblApuestasCondicionadas->SetCaption(QStringLiteral("0"));
        lblTOTALCondicionadasAUX->SetCaption(QStringLiteral("0"));
        lblApuestasReducidas->SetCaption(QStringLiteral("0"));
        lblTOTALReducidasAUX->SetCaption(QStringLiteral("0"));
        Timer1->SetEnabled(false);
        DesbloquearControles();
        Ocupado = false;
        ActualizarContadoresApuestas();
        plataforma.MsgBox("ERROR: " + descripcion, EstiloMensaje::Critico);
    }
}

void frmPrincipal::AplicarFiltros(Long& eliminadas) {
    EliminadasPorFiltro.fill(0);
    ActualizarColumnasFiltros();
    modCalculo::FilasActivas activas{};
    for (int k = 0; k < modCalculo::FilasFiltros; ++k) activas[static_cast<std::size_t>(k)] = FilaActiva(k);
    eliminadas = modCalculo::AplicarFiltros(activas, Evaluadores, EliminadasPorFiltro,
                                            [this](int, const char* estado) {
                                                lblTOTALCondicionadasAUX->SetCaption(QString::fromUtf8(estado));
                                            });
}

// ---------------------------------------------------------------- stars

Integer frmPrincipal::CargarEstrellasMarcadas() {
    return modEstrellas::CargarEstrellasMarcadas(EstrellasMarcadas(), Reduccion.Estrellas, ParesEstrellas);
}

void frmPrincipal::AsignarEstrellas() {
    TotalParesEstrellas = CargarEstrellasMarcadas();
    const Long n = CLng(LeerContador(lblApuestasReducidas));
    modEstrellas::AsignarEstrellas(ParesEstrellas, TotalParesEstrellas, n, Reduccion.Estrellas);
}

// ---------------------------------------------------------------- saving the bets

void frmPrincipal::GuardarApuestasEUR() {
    Plataforma& plataforma = Plataforma::Activa();
    const Long total = CLng(LeerContador(lblTOTALReducidasAUX));
    if (total <= 0) {
        plataforma.MsgBox("ERROR: No se han generado apuestas", EstiloMensaje::Critico);
        return;
    }
    // Bets built before the star treatment changed are not what the counters announce.
    if (!modEstrellas::ApuestasCorrespondenAContadores(total, Reduccion.Estrellas)) {
        plataforma.MsgBox(modEstrellas::MensajeApuestasDesfasadas, EstiloMensaje::Exclamacion);
        return;
    }
    if (total > LimiteApuestasSinPregunta &&
        plataforma.MsgBox("Se han generado m\xC3\xA1s de 3.000.000 de apuestas, \xC2\xBF desea guardar ?",
                          EstiloMensaje::PreguntaSiNo) != RespuestaMensaje::Si)
        return;
    const std::string cabecera = modEncriptarFichero::CabeceraEUR(NumerosMarcados(), EstrellasMarcadas());

    auto recomponer = [this] {
        // The bets go back where they were: they stay the current bets after the save.
        modEstrellas::DevolverApuestasGrabacion();
        ApuestasGrabacion.Erase();
        DesbloquearControles();
        picVentanaEspera->hide();
        Ocupado = false;
    };
    try {
        // The writer gets the table itself, not a copy of it.
        modEstrellas::PrestarApuestasGrabacion(total);
        modCommonDialog::FiltroDialogo = FiltroDialogoEUR;
        modCommonDialog::IndiceFiltro = 1;
        modCommonDialog::TituloDialogo = "Guardar Combinaci\xC3\xB3n";
        modCommonDialog::FicheroDialogo = modRutas::CambiarExtension(NombreFicheroBase().toStdString(), ".EUR");
        NombreFichero = modCommonDialog::MostrarDialogoGuardar(".EUR", {ExtensionBaseJunta});
        if (!NombreFichero.empty()) {
            BloquearControles();
            lblProgressBar->SetAnchoTwips(0);
            picVentanaEspera->show();
            picVentanaEspera->raise();
            Ocupado = true;
            plataforma.DoEvents();
            GuardarParBaseYApuestas(cabecera, total);
        }
        recomponer();
    } catch (...) {
        const std::string descripcion = modCalculo::DescripcionError(std::current_exception());
        recomponer();
        plataforma.MsgBox("ERROR AL GUARDAR EL FICHERO CON LA REDUCCION (" + descripcion + ")",
                          EstiloMensaje::Critico);
    }
}

// The bet file and the base file beside it stay a pair: both are written and synced before
// either replaces its old file, a failure after the bets are in place puts the old bets
// back, and when the bets fail nothing of the base file is written. The bets' failures are
// told by their writer; the base file's throw.
void frmPrincipal::GuardarParBaseYApuestas(const std::string& cabecera, Long total) {
    DocumentoXML documento;
    if (!documento.loadXML(GenerarXMLBase())) throw modCalculo::ErrorCalculo(documento.parseError().reason);
    const std::string bytesBase = documento.contenidoFichero();
    if (bytesBase.empty()) throw modCalculo::ErrorCalculo(documento.errorGuardar());
    Ficheros::EscrituraSegura apuestas(NombreFichero);
    if (!modEncriptarFichero::EscribirFicheroEUR(apuestas, cabecera, total,
                                                 [this](double ancho) { lblProgressBar->SetAnchoTwips(ancho); }))
        return;
    Ficheros::EscrituraSegura base(modRutas::CambiarExtension(NombreFichero, ExtensionBaseJunta));
    if (!base.Escribir(bytesBase)) throw modCalculo::ErrorCalculo(base.Descripcion());
    if (!modEncriptarFichero::ConfirmarFicheroEUR(apuestas, &base)) {
        if (apuestas.Fallida()) return;
        throw modCalculo::ErrorCalculo(base.Descripcion());
    }
    // The setup counts as saved only with its bets.
    BaseGuardada = true;
}

// ---------------------------------------------------------------- base file

std::string frmPrincipal::GenerarXMLBase() const {
    modXML::DatosBaseXML datos;
    for (const Etiqueta* l : lblNumero)
        if (EtiquetaMarcada(l)) datos.numeros.push_back(l->Caption().toInt());
    for (const Etiqueta* l : lblEstrella)
        if (EtiquetaMarcada(l)) datos.estrellas.push_back(l->Caption().toInt());
    datos.baseASCII = txtFicheroASCII->toolTip().toStdString();
    for (int k = 0; k < modCalculo::FilasFiltros; ++k) datos.filtrosActivos[static_cast<std::size_t>(k)] = FilaActiva(k);
    const QLocale regional;  // the program's locale: Spanish, whatever the system's
    datos.fecha = regional.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    datos.hora = regional.toString(QTime::currentTime(), QLocale::ShortFormat).toStdString();
    return modXML::GenerarXMLBase(datos);
}

void frmPrincipal::GuardarBaseXML() {
    modCommonDialog::FiltroDialogo = FiltroDialogoBase;
    modCommonDialog::FicheroDialogo = NombreFicheroBase().toStdString();
    modCommonDialog::TituloDialogo = "Guardar Fichero BASE en XML";
    NombreFichero = modCommonDialog::MostrarDialogoGuardar(".xml");
    if (NombreFichero.empty()) return;
    std::string fallo;
    try {
        DocumentoXML documento;
        if (!documento.loadXML(GenerarXMLBase())) fallo = documento.parseError().reason;
        else if (!documento.save(NombreFichero)) fallo = documento.errorGuardar();
    } catch (...) {
        fallo = modCalculo::DescripcionError(std::current_exception());
    }
    if (!fallo.empty()) {
        // Caption and saved flag keep their values: nothing was stored.
        Plataforma::Activa().MsgBox("ERROR AL GUARDAR EL FICHERO BASE EN XML (" + fallo + ")", EstiloMensaje::Critico);
        return;
    }
    PonerTitulo(QString::fromStdString(modRutas::NombreSinCarpeta(NombreFichero)));
    BaseGuardada = true;
}
