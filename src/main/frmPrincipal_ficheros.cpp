// The main window's bet-file import and the two reports of the "Datos" menu. The reading of
// the file is modLeerApuestas's; here it meets the grids, the counters, the star treatment
// and the messages.
#include <QString>
#include <QStringList>
#include <exception>
#include <string>
#include <vector>

#include "common/modInformeTexto.h"
#include "common/modLeerApuestas.h"
#include "main/frmPrincipal.h"
#include "main/modCalculo.h"
#include "platform/Plataforma.h"

using namespace modGeneral;

namespace {

using AyudaVentanas::Cuenta;
using RejillaNumeros::EtiquetaMarcada;
using RejillaNumeros::MarcarEtiqueta;

// ---------------------------------------------------------------- reports

// A report's lines as the editor shows them.
class TextoInforme {
public:
    void Linea(const QString& t = QString()) { lineas_.push_back(t.toStdString()); }
    const std::vector<std::string>& Lineas() const { return lineas_; }

private:
    std::vector<std::string> lineas_;
};

// Writes the report into the program's folder (replacing an earlier one) with a final CR LF
// and shows it without waiting. A failure is told in one box and changes nothing else.
void EscribirYMostrarInforme(const char* nombre, const TextoInforme& informe) {
    Plataforma& plataforma = Plataforma::Activa();
    std::string fallo;
    try {
        const std::string ruta = modInformeTexto::RutaInforme(plataforma.CarpetaPrograma(), nombre);
        std::vector<std::string> lineas = informe.Lineas();
        lineas.emplace_back();
        // A viewer that does not start has its own box, with the report's path.
        if (modInformeTexto::EscribirInforme(ruta, lineas, fallo)) modInformeTexto::MostrarInforme(ruta);
    } catch (...) {
        fallo = modCalculo::DescripcionError(std::current_exception());
    }
    if (!fallo.empty())
        plataforma.MsgBox("ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (" + fallo + ")", EstiloMensaje::Critico);
}

// "n x s = n·s" with both counts formatted "#,#,0" and s in plain digits.
QString Producto(double n, double s) {
    return Cuenta(n) + QStringLiteral(" x ") + QString::number(static_cast<long long>(s)) + QStringLiteral(" = ") +
           Cuenta(n * s);
}

// The indexes desde..5 of a count table whose flag is set, joined by ",".
QString ListaConteos(const TablaConteos& t, int desde = 0) {
    QStringList l;
    for (int c = desde; c <= 5; ++c)
        if (t(c)) l << QString::number(c);
    return l.join(QLatin1Char(','));
}

// The same over columns 0..5 of row fila of a table.
QString ListaConteosFila(const Tabla<Byte>& t, long fila) {
    QStringList l;
    for (int c = 0; c <= 5; ++c)
        if (t(fila, c)) l << QString::number(c);
    return l.join(QLatin1Char(','));
}

QString ListaFiguras(const TablaFiguras& t) {
    QStringList l;
    for (int f = 1; f <= 7; ++f)
        if (t(f)) l << QString::fromLatin1(NombresFiguras[f]);
    return l.join(QLatin1Char(','));
}

// The numbers 1..50 of row fila of a membership table, joined by ",".
QString ListaNumeros(const Tabla<Byte>& t, long fila) {
    QStringList l;
    for (int n = 1; n <= 50; ++n)
        if (t(fila, n)) l << QString::number(n);
    return l.join(QLatin1Char(','));
}

QString Rango(int minimo, int maximo) { return QString::number(minimo) + QLatin1Char('-') + QString::number(maximo); }

// A cell of the number or star grid: " 7 ", " 23", or " --" when not marked.
QString Celda(int valor, bool marcado) {
    if (!marcado) return QStringLiteral(" --");
    const QString d = QString::number(valor);
    return QLatin1Char(' ') + d + QString(2 - static_cast<int>(d.size()), QLatin1Char(' '));
}

}  // namespace

// ---------------------------------------------------------------- import

// Reads a .TXT or .EUR bet file as the base ("Desde Archivo" mode).
void frmPrincipal::ImportarApuestasDesdeArchivo() {
    Plataforma& plataforma = Plataforma::Activa();
    NombreFichero = modLeerApuestas::ElegirFicheroApuestas();
    if (NombreFichero.empty()) return;

    BloquearControles();
    EliminadasPorFiltro.fill(0);
    ActualizarColumnasFiltros();
    DesmarcarTodosNumeros();
    DesmarcarTodasEstrellas();

    const QString ruta = QString::fromStdString(NombreFichero);
    txtFicheroASCII->SetText(ruta.mid(ruta.lastIndexOf(QLatin1Char('/')) + 1));
    txtFicheroASCII->setToolTip(ruta);
    TotalImportadas = 0;
    ApuestasImportadas.Erase();

    // The window back to empty grids and zero counters, after a refused file or a No.
    auto vaciar = [this] {
        ApuestasImportadas.Erase();
        TotalImportadas = 0;
        DesmarcarTodosNumeros();
        DesmarcarTodasEstrellas();
        lblTipoCombinacion->SetCaption(QStringLiteral("0 Números"));
        lblTipoCombinacionEstrellas->SetCaption(QStringLiteral("0 Estrellas"));
        lblApuestasIniciales->SetCaption(QStringLiteral("0"));
        lblTOTALCondicionadasAUX->SetForeColor(0);
        lblTOTALCondicionadasAUX->SetCaption(QStringLiteral("0"));
        lblApuestasCondicionadas->SetCaption(QStringLiteral("0"));
        Timer1->SetEnabled(false);
        DesbloquearControles();
    };
    auto fallar = [&](const std::string& error, const std::string& detalle) {
        plataforma.MsgBox(std::string(modLeerApuestas::TextoErrorImportar) + " (" + error + " " + detalle + ")",
                          EstiloMensaje::Critico);
        vaciar();
    };

    try {
        modLeerApuestas::OpcionesLectura opciones;
        opciones.progreso = [this](Long n) { lblApuestasIniciales->SetCaption(QString::number(n)); };
        modLeerApuestas::LecturaApuestas lectura = modLeerApuestas::LeerFicheroApuestas(NombreFichero, opciones);
        if (!lectura.Leida()) {
            fallar(lectura.error, lectura.detalle);
            return;
        }
        BaseGuardada = false;
        ApuestasImportadas = std::move(lectura.apuestas);
        TotalImportadas = lectura.total;
        lblApuestasIniciales->SetCaption(Cuenta(TotalImportadas));

        if (TotalImportadas == 0) {
            plataforma.MsgBox(modLeerApuestas::MensajeCeroApuestas(), EstiloMensaje::Exclamacion);
        } else {
            // The grids: every number and star the file uses.
            for (int v = 1; v <= 50; ++v)
                if (lectura.UsosNumeros[static_cast<std::size_t>(v)] > 0)
                    MarcarEtiqueta(lblNumero[static_cast<std::size_t>(v - 1)]);
            for (int v = 1; v <= 12; ++v)
                if (lectura.UsosEstrellas[static_cast<std::size_t>(v)] > 0)
                    MarcarEtiqueta(lblEstrella[static_cast<std::size_t>(v - 1)]);

            // More than two distinct stars cannot all go with every bet: they are dealt in turn.
            const Integer s = ContarEstrellasMarcadas();
            if (s > 2) {
                Reduccion.Estrellas = 3;
                lstFiltros->SetList(FilaEstrellas, TextoFilaEstrellas(true, 3));
                const std::string pregunta =
                    "SOLO SE TRATARAN LOS NUMEROS DE LA COMBINACION AL IMPORTAR, FILTRAR O REDUCIR.\r\n"
                    "LAS ESTRELLAS SE GENERARAN SECUENCIALMENTE(La combinaci\xC3\xB3n importada tiene " +
                    std::to_string(s) + " estrellas diferentes), \xC2\xBF DESEA CONTINUAR DE TODAS FORMAS ?";
                if (plataforma.MsgBox(pregunta, EstiloMensaje::PreguntaSiNo) != RespuestaMensaje::Si) {
                    vaciar();
                    return;
                }
            } else {
                Reduccion.Estrellas = 0;
                lstFiltros->SetList(FilaEstrellas, TextoFilaEstrellas(true, 0));
            }

            TotalNumerosBase = ContarNumerosMarcados();
            CargarNumerosMarcados();

            // Repeated bets: the first of every set of five numbers stays.
            lblTOTALCondicionadasAUX->SetCaption(QStringLiteral("Analizando ..."));
            ApuestasReducidas.Erase();  // before the new table: both may be large
            ApuestasReducidas.ReDim(1, TotalImportadas, 1, 7);
            Timer1->SetInterval(5);
            Timer1->SetEnabled(true);
            const modLeerApuestas::Repetidas r =
                modLeerApuestas::EliminarRepetidas(ApuestasImportadas, TotalImportadas, ApuestasReducidas);
            TotalImportadas = r.distintas;
            lblApuestasIniciales->SetCaption(Cuenta(TotalImportadas));
            if (r.repetidas > 0) {
                plataforma.MsgBox("AVISO: El sistema importado tiene apuestas repetidas y estas han sido eliminadas\r\n"
                                  "TOTAL apuestas repetidas: " +
                                      std::to_string(r.repetidas),
                                  EstiloMensaje::Exclamacion);
                ApuestasImportadas.Erase();
                ApuestasImportadas.ReDim(1, TotalImportadas, 1, 5, false);
                for (int c = 1; c <= 5; ++c)
                    std::memcpy(ApuestasImportadas.Columna(c), ApuestasReducidas.Columna(c),
                                static_cast<std::size_t>(TotalImportadas));
            }
            lblTOTALCondicionadasAUX->SetForeColor(0);
            lblTOTALCondicionadasAUX->SetCaption(QStringLiteral("0"));
            Timer1->SetEnabled(false);
        }

        PonerCuentasMarcadas(ContarNumerosMarcados(), ContarEstrellasMarcadas());
        lblApuestasIniciales->SetCaption(Cuenta(TotalImportadas));
        lblApuestasCondicionadas->SetCaption(lblApuestasIniciales->Caption());
        lblApuestasReducidas->SetCaption(lblApuestasCondicionadas->Caption());
        ActualizarContadoresApuestas();
        AsignarEstrellas();
        DesbloquearControles();
    } catch (...) {
        fallar(modCalculo::DescripcionError(std::current_exception()), "");
    }
}

// ---------------------------------------------------------------- reports

// "Ver Resumen de Filtros": TORNAVENTURA_INFORME.txt.
void frmPrincipal::InformeResumenFiltros() {
    TextoInforme t;
    const double s = LeerContador(lblEstrellasReducidasAUX);
    t.Linea(QStringLiteral("RESUMEN"));
    t.Linea();
    t.Linea(QStringLiteral("Programa           : ") + QString::fromLatin1(NombrePrograma) +
            QString::fromLatin1(VersionPrograma));
    t.Linea(QStringLiteral("Nombre combinación : ") + NombreFicheroBase());
    double n = LeerContador(lblApuestasReducidas);
    if (TotalImportadas < 1 && n < 1) n = LeerContador(lblApuestasCondicionadas);
    t.Linea(QStringLiteral("Nº de Apuestas     : ") + Producto(n, s));
    t.Linea();

    t.Linea(QStringLiteral("COMBINACION BASE"));
    t.Linea();
    t.Linea(QStringLiteral("NUMEROS:"));
    t.Linea();
    for (int r = 0; r <= 8; ++r) {
        QString linea;
        for (int v = r + 1; v <= 50; v += 9)
            linea += Celda(v, EtiquetaMarcada(lblNumero[static_cast<std::size_t>(v - 1)]));
        t.Linea(linea);
    }
    t.Linea();
    t.Linea();
    t.Linea(QStringLiteral("ESTRELLAS:"));
    t.Linea();
    for (int r = 0; r <= 3; ++r) {
        QString linea;
        for (int v = r + 1; v <= 12; v += 4)
            linea += Celda(v, EtiquetaMarcada(lblEstrella[static_cast<std::size_t>(v - 1)]));
        t.Linea(linea);
    }
    t.Linea();
    if (ModoDesdeArchivo()) {
        t.Linea(QStringLiteral("Base desde Fichero : ") + txtFicheroASCII->toolTip());
        t.Linea();
    }

    bool alguno = false;
    for (int k = 0; k < modCalculo::FilasFiltros; ++k) alguno |= FilaActiva(k);
    if (alguno) {
        t.Linea(QStringLiteral("FILTROS"));
        t.Linea();
    }
    DimensionarTablasFijas();
    if (FilaActiva(0)) {
        t.Linea(QStringLiteral("Filtro BAJOS Y ALTOS:"));
        t.Linea(QStringLiteral("Números 01 al 24: ") + ListaConteos(Bajos));
        t.Linea(QStringLiteral("Números 25 al 50: ") + ListaConteos(Altos));
        t.Linea();
    }
    if (FilaActiva(1)) {
        t.Linea(QStringLiteral("Filtro DECENAS:"));
        t.Linea(QStringLiteral("Decena del 01 al 09: ") + ListaConteos(Decena0109));
        t.Linea(QStringLiteral("Decena del 10 al 19: ") + ListaConteos(Decena1019));
        t.Linea(QStringLiteral("Decena del 20 al 29: ") + ListaConteos(Decena2029));
        t.Linea(QStringLiteral("Decena del 30 al 39: ") + ListaConteos(Decena3039));
        t.Linea(QStringLiteral("Decena del 40 al 50: ") + ListaConteos(Decena4050));
        t.Linea(QStringLiteral("Figuras jugadas: ") + ListaFiguras(FigurasDecenas));
        t.Linea();
    }
    if (FilaActiva(2)) {
        t.Linea(QStringLiteral("Filtro DISTANCIAS:"));
        t.Linea(QStringLiteral("Distancia entre números 1 y 2(Mín-Máx): ") + Rango(Distancia12Minima, Distancia12Maxima));
        t.Linea(QStringLiteral("Distancia entre números 2 y 3(Mín-Máx): ") + Rango(Distancia23Minima, Distancia23Maxima));
        t.Linea(QStringLiteral("Distancia entre números 3 y 4(Mín-Máx): ") + Rango(Distancia34Minima, Distancia34Maxima));
        t.Linea(QStringLiteral("Distancia entre números 4 y 5(Mín-Máx): ") + Rango(Distancia45Minima, Distancia45Maxima));
        t.Linea(QStringLiteral("Distancia general números del 1 al 5(Mín-Máx): ") +
                Rango(Distancia15Minima, Distancia15Maxima));
        t.Linea();
    }
    if (FilaActiva(3)) {
        t.Linea(QStringLiteral("Filtro GRUPOS DE NUMEROS:"));
        for (long g = 1; g <= 120; ++g) {
            if (ListaConteosFila(GruposAciertos, g).isEmpty()) continue;
            t.Linea(QStringLiteral("Grupo ") + QString::number(g));
            t.Linea(QStringLiteral("Números en el grupo: ") + ListaNumeros(GruposNumeros, g));
            t.Linea(QStringLiteral("Aciertos en el grupo: ") + ListaConteosFila(GruposAciertos, g));
            t.Linea();
        }
    }
    if (FilaActiva(4)) {
        t.Linea(QStringLiteral("Filtro GRUPOS RELACIONADOS:"));
        for (long g = 1; g <= 40; ++g) {
            int m = 0;
            for (long i = 1; i <= 4; ++i) m += ListaNumeros(SubgruposNumeros, 4 * (g - 1) + i).isEmpty() ? 0 : 1;
            if (m < 1) continue;
            t.Linea(QStringLiteral("GRUPO ") + QString::number(g));
            // The first m subgroups, as many as are in use.
            for (long i = 1; i <= m; ++i) {
                const long fila = 4 * (g - 1) + i;
                QString linea = QStringLiteral("Números en Subgrupo ") + QString::number(fila) + QStringLiteral(": ");
                for (int v = 1; v <= 50; ++v)
                    if (SubgruposNumeros(fila, v)) linea += QString::number(v) + QLatin1Char(' ');
                t.Linea(linea);
            }
            for (long c = 1; c <= 4; ++c) {
                const QString lista = ListaConteosFila(CondicionesAciertos, 4 * (g - 1) + c);
                if (!lista.isEmpty()) t.Linea(QStringLiteral("Aciertos en algún Subgrupo: ") + lista);
            }
        }
        t.Linea();
    }
    if (FilaActiva(5)) {
        QStringList piezas;
        for (int c = 0; c <= 5; ++c)
            if (ParesActivos(c)) piezas << QString::number(c) + QLatin1Char('-') + QString::number(5 - c);
        t.Linea(QStringLiteral("Filtro PARES E IMPARES:"));
        t.Linea(QStringLiteral("Números jugados (Pares-Impares): ") + piezas.join(QLatin1Char(',')));
        t.Linea();
    }
    if (FilaActiva(6)) {
        t.Linea(QStringLiteral("Filtro SEGUIDOS:"));
        t.Linea(QStringLiteral("Números Seguidos: ") + ListaConteos(NumerosSeguidos, 1));
        t.Linea(QStringLiteral("Figuras jugadas: ") + ListaFiguras(FigurasSeguidos));
        t.Linea();
    }
    if (FilaActiva(7)) {
        t.Linea(QStringLiteral("Filtro SUMAS:"));
        for (int i = 1; i <= 6; ++i)
            t.Linea(QStringLiteral("Intervalo ") + QString::number(i) + QStringLiteral("(Suma Mín-Máx): ") +
                    Rango(SumaMinima[i], SumaMaxima[i]));
        t.Linea();
    }
    if (FilaActiva(8)) {
        t.Linea(QStringLiteral("Filtro TERMINACIONES:"));
        for (int d = 0; d <= 9; ++d)
            t.Linea(QStringLiteral("Terminados en ") + QString::number(d) + QStringLiteral(": ") +
                    ListaConteosFila(TerminadosEn, d));
        t.Linea(QStringLiteral("Figuras jugadas: ") + ListaFiguras(FigurasTerminaciones));
        t.Linea(QStringLiteral("Suma de Terminaciones: ") + Rango(SumaTerminacionesMinima, SumaTerminacionesMaxima));
        t.Linea();
    }
    if (FilaActiva(9)) {
        t.Linea(QStringLiteral("Filtro POSICIONES:"));
        t.Linea(QStringLiteral("Números seleccionados en cada bola:"));
        for (long p = 1; p <= 5; ++p) {
            const QString lista = ListaNumeros(PosicionesNumeros, p);
            t.Linea(QStringLiteral("BOLA ") + QString::number(p) + QStringLiteral(": ") +
                    (lista.isEmpty() ? QStringLiteral("-") : lista));
        }
        t.Linea();
    }
    EscribirYMostrarInforme("TORNAVENTURA_INFORME.txt", t);
}

// "Ver Informe Apuestas Eliminadas": TORNAVENTURA_RESUMEN.txt.
void frmPrincipal::InformeApuestasEliminadas() {
    static const char* const etiquetas[modCalculo::FilasFiltros] = {
        "BAJOS Y ALTOS: ", "DECENAS: ", "DISTANCIAS: ", "GRUPOS DE NUMEROS: ", "GRUPOS RELACIONADOS: ",
        "PARES E IMPARES: ", "SEGUIDOS: ", "SUMAS: ", "TERMINACIONES: ", "POSICIONES: "};
    // Every row but the last; the stars row removes nothing.
    double eliminadas = 0;
    for (Long e : EliminadasPorFiltro) eliminadas += e;
    const double s = LeerContador(lblEstrellasReducidasAUX);
    TextoInforme t;
    t.Linea(QStringLiteral("TOTAL Apuestas Iniciales: ") + Producto(TotalCombinaciones, s));
    t.Linea();
    t.Linea(QStringLiteral("TOTAL Apuestas Eliminadas: ") + Producto(eliminadas, s));
    t.Linea();
    for (int k = 0; k < modCalculo::FilasFiltros; ++k)
        if (FilaActiva(k))
            t.Linea(QString::fromLatin1(etiquetas[k]) + Producto(EliminadasPorFiltro[static_cast<std::size_t>(k)], s));
    EscribirYMostrarInforme("TORNAVENTURA_RESUMEN.txt", t);
}
