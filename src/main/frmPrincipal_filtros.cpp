// The twelve rows of the filter list and the painting of the list over its background.
//
// A row is fixed-width text, its columns left to right:
//   ACT        5   "No   " or "Sí   "; the first two characters are the filter's state
//   CONDICION 22   the row's name padded with blanks
//   NºACT      8+e "-" and 7 blanks; rows 3 and 4 the group summary; rows 10 and 11 the mode
//   ELIMINAN  12-e blanks and "-", or the count of the last calculation right-aligned
// e is how much longer than usual the summary of rows 3 and 4 is, so that those rows keep
// their width whatever the summary says.
#include <QAbstractScrollArea>
#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include "common/modAPIList.h"
#include "filters/modFiltros.h"
#include "main/frmPrincipal.h"
#include "platform/Plataforma.h"

using namespace modGeneral;

// Paints the list's rows over the pattern its owner answers with, repaints the whole list when
// it scrolls (the pattern stays put while the rows move) and never erases the background.
class ProcVentanaLista : public QObject {
public:
    ProcVentanaLista(ListaTexto* lista, const frmPrincipal* ventana)
        : QObject(lista), lista_(lista), ventana_(ventana) {
        lista_->viewport()->installEventFilter(this);
        conexion_ = QObject::connect(lista_->verticalScrollBar(), &QScrollBar::valueChanged, lista_,
                                     [this] { lista_->viewport()->update(); });
        // With a pattern the list's own background fill is off: the pattern is the background.
        lista_->viewport()->setAutoFillBackground(ventana_->ProcVentanaPrincipal() == nullptr);
    }
    ~ProcVentanaLista() override {
        lista_->viewport()->removeEventFilter(this);
        QObject::disconnect(conexion_);
        lista_->viewport()->setAutoFillBackground(true);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override {
        if (objeto == lista_->viewport() && e->type() == QEvent::Paint) {
            if (const QBrush* pincel = ventana_->ProcVentanaPrincipal()) {
                QPainter p(lista_->viewport());
                p.fillRect(lista_->viewport()->rect(), *pincel);
            }
        }
        return false;  // the list draws its rows on top
    }

private:
    ListaTexto* lista_;
    const frmPrincipal* ventana_;
    QMetaObject::Connection conexion_;
};

namespace {
constexpr int AnchoCondicion = 22;
constexpr int CaracteresFila = 56;   // the longest row ("Secuenciales") fits without scrolling

QString Blancos(int n) { return QString(n > 0 ? n : 0, QLatin1Char(' ')); }
QString Rellenar(const QString& s, int ancho) { return s + Blancos(ancho - static_cast<int>(s.size())); }
QString Bandera(bool activa) { return activa ? QStringLiteral("Sí   ") : QStringLiteral("No   "); }
QString ResumenGrupos(const char* filtro) { return QString::fromStdString(modFiltros::TextoResumenGrupos(filtro)); }
}  // namespace

// ---------------------------------------------------------------- construction

void frmPrincipal::ConstruirListaFiltros() {
    QFont fija(QStringLiteral("DejaVu Sans Mono"));
    fija.setStyleHint(QFont::TypeWriter);
    fija.setFixedPitch(true);
    fija.setPointSize(10);
    const QFontMetrics fm(fija);
    const int ancho = fm.horizontalAdvance(QLatin1Char('0'));
    const int alto = fm.height();
    const int espacio = 3;   // around each row

    const int x = DisposicionPrincipal::XLista;
    const int margen = 4 + espacio;   // frame, spacing and text margin before a row's text
    const int anchoLista = CaracteresFila * ancho + 2 * margen + 2;
    const int y = DisposicionPrincipal::ArribaBloques;

    static const char* const cabeceras[4] = {"ACT ", "CONDICION             ", "NºACT   ", "   ELIMINAN"};
    static const int columnas[5] = {0, 5, 5 + 22, 5 + 22 + 8, CaracteresFila};
    QFont fijaNegrita = fija;
    fijaNegrita.setBold(true);
    for (int i = 0; i < 4; ++i) {
        auto* b = new Boton(QString::fromUtf8(cabeceras[i]), this);
        b->setFont(fijaNegrita);
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QStringLiteral(
            "QPushButton{text-align:left; padding:0 0 0 %1px; border:1px solid #9aa4b4;"
            " background:#dde3ec; color:#203060;}")
                             .arg(i == 0 ? margen : 2));
        const int x0 = i == 0 ? x : x + margen + columnas[i] * ancho - 2;
        const int x1 = i == 3 ? x + anchoLista : x + margen + columnas[i + 1] * ancho - 2;
        b->setGeometry(x0, y, x1 - x0, 22);
        cmdCabeceraFiltros[static_cast<std::size_t>(i)] = b;
    }

    lstFiltros = new ListaTexto(this);
    lstFiltros->setObjectName(QStringLiteral("lstFiltros"));
    lstFiltros->setFont(fija);
    lstFiltros->setUniformItemSizes(true);
    lstFiltros->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tall enough for the twelve rows.
    lstFiltros->AddItem(QStringLiteral("X"));
    lstFiltros->setSpacing(espacio);
    const int altoFila = (lstFiltros->sizeHintForRow(0) > 0 ? lstFiltros->sizeHintForRow(0) : alto) + 2 * espacio;
    lstFiltros->Clear();
    lstFiltros->setGeometry(x, y + 23, anchoLista, TotalFilasFiltros * altoFila + 2 * lstFiltros->frameWidth() + 2 * espacio);

    imgFondoList = new QLabel(this);
    imgFondoList->setObjectName(QStringLiteral("imgFondoList"));
    imgFondoList->setPixmap(QPixmap(QStringLiteral(":/imagenes/fondo_lista.png")));
    imgFondoList->hide();
}

// ---------------------------------------------------------------- painting

const QBrush* frmPrincipal::ProcVentanaPrincipal() const {
    return modAPIList::PincelFondo != 0 ? &pincelFondo_ : nullptr;
}

void frmPrincipal::InstalarProcedimientosVentana() {
    if (procVentanaLista_) return;
    // The Long handles of the program only say here that a painting is installed and must be
    // put back; the painting itself is ProcVentanaLista.
    modAPIList::ProcAnteriorForm = 1;
    procVentanaLista_ = new ProcVentanaLista(lstFiltros, this);
    modAPIList::ProcAnteriorLista = 1;
    lstFiltros->viewport()->update();
}

void frmPrincipal::RestaurarProcedimientosVentana() {
    modAPIList::ProcAnteriorForm = 0;
    delete procVentanaLista_;
    procVentanaLista_ = nullptr;
    modAPIList::ProcAnteriorLista = 0;
}

// ---------------------------------------------------------------- row texts

QString frmPrincipal::NombreFilaFiltro(int fila) {
    static const char* const nombres[TotalFilasFiltros] = {
        "Bajos y Altos", "Decenas", "Distancias", "Grupos de Números", "Grupos Relacionados",
        "Pares e Impares", "Seguidos", "Sumas", "Terminaciones", "Posiciones", "Estrellas", "Reducción"};
    if (fila < 0 || fila >= TotalFilasFiltros) return QString();
    return QString::fromUtf8(nombres[fila]);
}

QString frmPrincipal::TextoModoEstrellas(Integer estrellas) {
    switch (estrellas) {
    case 0: return QStringLiteral("al 2");
    case 1: return QStringLiteral("al 1");
    case 2: return QStringLiteral("Aleatorias");
    case 3: return QStringLiteral("Secuenciales");
    default: return QString();
    }
}

QString frmPrincipal::TextoModoReduccion(Integer tipo) {
    switch (tipo) {
    case 0: return QStringLiteral("-   ");
    case 1: return QStringLiteral("al 4");
    case 2: return QStringLiteral("al 3");
    case 3: return QStringLiteral("al 2");
    default: return QString();
    }
}

QString frmPrincipal::TextoFilaGrupos(bool activa) const {
    const QString s = ResumenGrupos("GRUPOS DE NUMEROS");
    return Bandera(activa) + Rellenar(NombreFilaFiltro(FilaGrupos), AnchoCondicion) + s +
           Blancos(19 - static_cast<int>(s.size())) + QStringLiteral("-");
}

QString frmPrincipal::TextoFilaGruposRelacionados(bool activa) const {
    const QString s = ResumenGrupos("GRUPOS RELACIONADOS");
    return Bandera(activa) + Rellenar(NombreFilaFiltro(FilaGruposRelacionados), AnchoCondicion) + s +
           Blancos(19 - static_cast<int>(s.size())) + QStringLiteral("-");
}

QString frmPrincipal::TextoFilaEstrellas(bool activa, Integer estrellas) {
    return Bandera(activa) + Rellenar(NombreFilaFiltro(FilaEstrellas), AnchoCondicion) +
           TextoModoEstrellas(estrellas) + Blancos(3) + Blancos(12) + QStringLiteral("-");
}

QString frmPrincipal::TextoFilaReduccion(bool activa, Integer tipo) {
    return Bandera(activa) + Rellenar(NombreFilaFiltro(FilaReduccion), AnchoCondicion) +
           TextoModoReduccion(tipo) + Blancos(3) + Blancos(12) + QStringLiteral("-");
}

int frmPrincipal::ExcesoResumenFila(int fila) const {
    if (fila == FilaGrupos) {
        const QString s = ResumenGrupos("GRUPOS DE NUMEROS");
        return s.isEmpty() ? 0 : static_cast<int>(s.size()) - 8;
    }
    if (fila == FilaGruposRelacionados) {
        const QString s = ResumenGrupos("GRUPOS RELACIONADOS");
        return s.isEmpty() ? 0 : static_cast<int>(s.size()) - 7;
    }
    return 0;
}

// ---------------------------------------------------------------- the rows

void frmPrincipal::InicializarListaFiltros() {
    lstFiltros->Clear();
    for (int k = 0; k < TotalFilasFiltros; ++k) {
        QString resumen = QStringLiteral("-") + Blancos(7);
        QString final = Blancos(11) + QStringLiteral("-");
        if (k == FilaGrupos) resumen = QStringLiteral("0 de 120");
        if (k == FilaGruposRelacionados) {
            resumen = QStringLiteral("0 de 40");
            final = Blancos(12) + QStringLiteral("-");
        }
        lstFiltros->AddItem(Bandera(false) + Rellenar(NombreFilaFiltro(k), AnchoCondicion) + resumen + final);
    }
}

void frmPrincipal::ActualizarColumnasFiltros() {
    const int ultima = lstFiltros->ListCount() - 1;   // Reducción: never touched
    for (int k = 0; k < ultima; ++k) {
        const int e = ExcesoResumenFila(k);
        const int w = 12 - e;
        const QString t = lstFiltros->List(k);
        lstFiltros->SetList(k, t.left(std::max<qsizetype>(0, t.size() - w)) + Blancos(11 - e) + QStringLiteral("-"));
    }
    for (int k = 0; k < ultima && k < static_cast<int>(EliminadasPorFiltro.size()); ++k) {
        if (!FilaActiva(k)) continue;
        const int w = 12 - ExcesoResumenFila(k);
        const QString c = AyudaVentanas::Cuenta(EliminadasPorFiltro[static_cast<std::size_t>(k)]);
        const QString t = lstFiltros->List(k);
        lstFiltros->SetList(k, t.left(std::max<qsizetype>(0, t.size() - w)) +
                                   Blancos(w - static_cast<int>(c.size())) + c);
    }
}

void frmPrincipal::lstFiltros_DblClick() {
    BaseGuardada = false;
    const int k = lstFiltros->ListIndex();
    if (k < 0) return;
    if (k <= 9) {
        if (k == FilaGrupos) PaginaGrupos = 1;
        if (k == FilaGruposRelacionados) PaginaGruposRelacionados = 1;
        AbrirVentanaFila(k);
        if (k == FilaGrupos) {
            lstFiltros->SetList(k, TextoFilaGrupos(FilaActiva(k)));
            ActualizarColumnasFiltros();
        } else if (k == FilaGruposRelacionados) {
            lstFiltros->SetList(k, TextoFilaGruposRelacionados(FilaActiva(k)));
            ActualizarColumnasFiltros();
        }
    } else if (k == FilaEstrellas) {
        if (ModoDesdeArchivo()) {
            Plataforma::Activa().MsgBox(
                "AVISO: EN MODO 'Desde Archivo' NO DE PUEDE VARIAR EL TIPO DE REDUCCION DE LAS ESTRELLAS",
                EstiloMensaje::Exclamacion);
            return;
        }
        AbrirVentanaFila(k);
        lstFiltros->SetList(k, TextoFilaEstrellas(FilaActiva(k), Reduccion.Estrellas));
        ActualizarContadoresApuestas();
    } else if (k == FilaReduccion) {
        AbrirVentanaFila(k);
        lstFiltros->SetList(k, TextoFilaReduccion(FilaActiva(k), Reduccion.Tipo));
        ActualizarContadoresApuestas();
    }
}

void frmPrincipal::lstFiltros_MouseDown(int boton, int mayus, double x, double y) {
    (void)mayus;
    (void)x;
    (void)y;
    if (boton != BotonDerecho) return;
    const int k = lstFiltros->ListIndex();
    if (k < 0) return;
    AlternarFilaFiltro(k);
}
